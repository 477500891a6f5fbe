#include "statistics/StatsPrintout.h"

#include "data/App.h"
#include "data/CrusadeSettings.h"
#include "data/Errors.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "printing/PrintCommons.h"
#include "statistics/CrusadeTallies.h"
#include "statistics/LinePen.h"
#include "statistics/NumberForms.h"
#include "statistics/StatsReport.h"

#include <algorithm>

namespace fennick {

namespace {

QString Rule(int n) {
    return QString(n, u'=');
}

QString InParentheses(const QString& share) {
    return share.isEmpty() ? QString() : u'(' + share + u')';
}

// The percentage cell of a category row with B baptisms among C names: empty when B is
// 0; otherwise the share of the category baptized and, in the two-percentage form, the
// category's share of all baptisms. A share whose divisor is 0 leaves the cell empty.
QString CategoryShares(qint16 bapt, qint16 count, qint16 baptisms, bool two) {
    if (bapt == 0) return QString();
    const QString ofCategory = Ratio(bapt, count, u"#%");
    if (ofCategory.isEmpty()) return QString();
    if (!two) return InParentheses(ofCategory);
    const QString ofAll = Ratio(bapt, baptisms, u"#%");
    if (ofAll.isEmpty()) return QString();
    return u'(' + ofCategory + QStringLiteral(" - ") + ofAll + u')';
}

void SummaryBlock(LinePen& w, const CrusadeTallies& t) {
    w.out.setCurrentY(1.5);
    const auto label = [&w](const char* text) {
        w.at(1.5);
        w.on(QString::fromLatin1(text));
    };
    label("Total Names: ");
    w.on(Picture(t.TotalNames, u"####"));
    w.end(QStringLiteral("  (Mail List: ") + Picture(t.MailListNames, u"####") + u')');

    label("Total Current Names: ");
    w.at(5.0);
    w.end(Picture(t.CurrentNames, u"####"));

    label("Active Names: ");
    w.at(5.0);
    w.on(Picture(t.ActiveNames, u"####"));
    w.at(6.0);
    w.end(InParentheses(Ratio(t.ActiveNames, t.TotalNames, u"#%")));

    label("Percent Baptized: ");
    w.at(5.0);
    w.end(t.Baptisms == 0 ? QStringLiteral("0%") : Ratio(t.Baptisms, t.ActiveNames, u"#%"));

    label("Baptisms:");
    w.at(5.0);
    w.on(Picture(t.Baptisms, u"####"));
    w.at(6.0);
    w.end(t.Baptisms == 0 ? QString() : InParentheses(Ratio(t.Baptisms, t.TotalNames, u"#%")));

    const struct {
        const char* label;
        qint16 value;
    } rows[] = {{"Baptism Date Set: ", t.BaptismDateSet},
                {"A Interests: ", t.InterestACount},
                {"B Interests:", t.InterestBCount},
                {"C Interests:", t.InterestCCount}};
    for (const auto& row : rows) {
        label(row.label);
        w.at(5.0);
        w.end(Picture(row.value, u"####"));
    }
    w.end();
}

void MeetingTable(LinePen& w, const CrusadeSettings& settings, const CrusadeTallies& t) {
    const int last = ReportedMeetings(settings);
    w.at(4.8);
    w.on(QStringLiteral("All"));
    w.at(9.0);
    w.end(QStringLiteral("Avg"));
    const struct {
        double x;
        const char* text;
    } heads[] = {{1.5, "Mtg."}, {2.5, "  Attendance"}, {4.8, "Nites"}, {6.3, "New"}, {7.3, "Losses"}};
    for (const auto& h : heads) {
        w.at(h.x);
        w.on(QString::fromLatin1(h.text));
    }
    w.at(9.0);
    w.end(QStringLiteral("Age"));
    w.at(1.5);
    w.end(Rule(42));

    for (int i = 1; i <= last; ++i) {
        w.at(1.5);
        w.on(u' ' + PadRight(SignBlank(i), 4));
        w.at(2.5);
        w.on(Right(QStringLiteral("    ") + SignBlank(t.MeetingAttendance[size_t(i)]), 5));
        const QString share = Ratio(t.MeetingAttendance[size_t(i)], t.MeetingAttendance[1], u"0%");
        if (!share.isEmpty()) w.on(QStringLiteral(" / ") + share);
        w.at(5.0);
        w.on(Picture(t.AllNightsCount[size_t(i)], u"####"));
        w.at(6.3);
        w.on(Picture(t.NewCount[size_t(i)], u"####"));
        w.at(7.6);
        if (i != last) w.on(BareNumber(t.LossCount[size_t(i)]));
        w.at(9.0);
        w.end(AverageAgeCell(t, i));
    }

    w.end();
    w.end();
    w.at(1.5);
    w.end(Rule(24));
    for (int n = last; n >= SpreadLow(last); --n) {
        w.at(1.5);
        w.on(SpreadLabel(last, n));
        w.at(5.5);
        w.end(BareNumber(t.NightsAttendedCount[size_t(n)]));
    }
}

// A block of the right column: heading, rule and one row per category.
struct Category {
    QString name;
    qint16 count;
    qint16 bapt;
};

void CategoryBlock(LinePen& w, const QString& heading, int rule, const QList<Category>& rows, bool plainCount,
                   bool twoShares, qint16 baptisms) {
    w.at(12.5);
    w.on(heading);
    w.at(17.4);
    w.end(QStringLiteral("Baptisms"));
    w.at(12.5);
    w.end(Rule(rule));
    QList<Printer::ColumnName> names;
    for (const Category& c : rows) names.append({c.name, QString(), 12.5, 16.4});
    const QList<Printer::Fitted> fitted = w.out.fitColumn(names);
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const Category& c = rows[r];
        w.at(12.5);
        w.out.printFitted(fitted[r]);
        w.cell(16.4, 17.4, plainCount ? BareNumber(c.count) : Picture(c.count, u"###"));
        w.cell(17.4, 18.1, Picture(c.bapt, u"###"));
        w.at(18.1);
        w.end(CategoryShares(c.bapt, c.count, baptisms, twoShares));
    }
}

// A church or advertising name padded with blanks to 15 characters; a longer one is cut
// only as its column cuts it, so that names alike in their first 15 print apart.
QString Padded15(const QString& name) {
    return name.leftJustified(15, u' ');
}

void BlankLines(LinePen& w, int n) {
    for (int i = 0; i < n; ++i) w.end();
}

void CategoryColumn(LinePen& w, const CrusadeSettings& s, const CrusadeTallies& t) {
    w.out.setCurrentY(2.5);
    QList<Category> rows;
    for (int g = 0; g < kAgeGroups; ++g)
        rows.append({s.AgeGroupNames[size_t(g)], t.AgeGroupCount[size_t(g)], t.AgeGroupBaptisms[size_t(g)]});
    CategoryBlock(w, QStringLiteral("Age Groups"), 38, rows, false, true, t.Baptisms);
    if (t.Baptisms != 0) {
        w.at(12.5);
        w.on(QStringLiteral("Avg Baptism Age:"));
        w.at(17.4);
        const QStringList groups(s.AgeGroupNames.begin(), s.AgeGroupNames.end());
        w.out.print({NamePart(Picture(s.AgeGroupNames[size_t(t.AvgBaptismAgeGroup)], u"##"), groups)},
                    Printer::kPrintableRightCm);
    }
    BlankLines(w, 3);

    rows.clear();
    for (int r = 1; r <= kReligionRows; ++r)
        rows.append({Padded15(s.ReligionNames[size_t(r)]), t.ReligionCount[size_t(r)], t.ReligionBaptisms[size_t(r)]});
    CategoryBlock(w, QStringLiteral("Religious Preference"), 38, rows, true, true, t.Baptisms);
    BlankLines(w, 3);

    rows.clear();
    for (int k = 1; k <= kAdvertisingSources; ++k)
        rows.append(
            {Padded15(t.AdvertisingNames[size_t(k)]), t.AdvertisingCount[size_t(k)], t.AdvertisingBaptisms[size_t(k)]});
    CategoryBlock(w, QStringLiteral("Advertising Information"), 37, rows, true, false, t.Baptisms);
    BlankLines(w, 3);

    rows.clear();
    for (int d = 1; d <= 9; ++d)
        rows.append({s.DecisionNames[size_t(d)], t.DecisionCount[size_t(d)], t.DecisionBaptisms[size_t(d)]});
    CategoryBlock(w, QStringLiteral("Decisions"), 34, rows, false, false, t.Baptisms);
}

}  // namespace

const PrinterFont& StatsTitleFont() {
    static const PrinterFont f{QStringLiteral("Arial"), 16};
    return f;
}

const PrinterFont& StatsBodyFont() {
    static const PrinterFont f{QStringLiteral("Times New Roman"), 10};
    return f;
}

void PrintStatsPage(Printer& printer, const CrusadeSettings& settings, const CrusadeTallies& t,
                    const QString& dateText) {
    LinePen w{printer};
    w.on(QString());  // begins the document
    printer.setFont(StatsTitleFont());
    w.on(QString());

    // The date ends near 20 cm: its start is 20 less its width in whole centimetres. The
    // title stops where it begins.
    const double dateX = 20.0 - RoundHalfEven(printer.textWidth(dateText));
    w.at(1.0);
    printer.printOnLine(CrusadeTitle(settings, QStringLiteral(" Statistical Report")), dateX);
    w.at(dateX);
    w.end(dateText);

    printer.setDrawWidth(6);
    printer.line(1.0, 0.8, 19.9, 0.8);

    printer.setFont(StatsBodyFont());
    SummaryBlock(w, t);
    MeetingTable(w, settings, t);
    const double leftColumnEnd = printer.currentY();
    CategoryColumn(w, settings, t);

    // The notes stand at the foot, below the lowest line of both columns (40 meetings
    // reach past the foot's usual place).
    printer.setCurrentY(std::max({26.2, leftColumnEnd, printer.currentY()}));
    w.at(1.0);
    w.end(QStringLiteral("NOTES: Active Names are those who have attended 4 or more meetings."));
    w.at(1.0);
    w.end(QStringLiteral("The first percent is the % of those in that categeory that were baptized, the second is % "
                         "of all baptisms coming from that categeory."));
}

bool PrintStatisticsPage(App& app, const std::function<void(Printer&, const QString&)>& draw) {
    Printer& printer = app.printer();
    // Nothing of an earlier, unfinished document may go out with this page.
    printer.killDoc();
    int fromPage = 1;
    int toPage = 1000;
    int copies = 1;
    if (!SelPrinter(app, fromPage, toPage, copies)) return false;
    // The page goes where the dialog said, once and whole: the report uses neither the
    // copies nor the page range chosen there.
    PrinterChoice job = printer.job();
    job.copies = 1;
    job.fromPage = 1;
    job.toPage = 1000;
    printer.setJob(job);

    try {
        app.msg.MsgText = HeaderDate(app.clock().today());
        draw(printer, app.msg.MsgText);
        printer.endDoc();
    } catch (const VbError&) {
        printer.killDoc();
        return false;
    } catch (...) {
        printer.killDoc();
        throw;
    }
    return true;
}

bool PrintStatsReport(App& app, const CrusadeTallies& t) {
    return PrintStatisticsPage(app, [&app, &t](Printer& printer, const QString& date) {
        PrintStatsPage(printer, app.settings, t, date);
    });
}

}  // namespace fennick

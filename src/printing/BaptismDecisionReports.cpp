#include "printing/BaptismDecisionReports.h"

#include "data/App.h"
#include "data/DataStore.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "platform/Clock.h"
#include "printing/PrintCommons.h"
#include "views/PersonViews.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

namespace fennick {

namespace {

// A page is full once a line ends below 25.0 cm; the footer stands at 26.1 cm.
constexpr double kBreakAfter = 25.0;
constexpr double kFooterY = 26.1;
// The decision report's note at the foot of its last page.
constexpr double kNoteY = 25.4;

// The records of the current view's entries, in view order.
std::vector<AttendeeRecord> ViewRecords(App& app) {
    const CurrentView& v = app.view;
    std::vector<AttendeeRecord> out;
    out.reserve(size_t(std::max<int>(0, v.ReportCount)));
    for (int i = 1; i <= v.ReportCount; ++i) out.push_back(ReadRecord(app, v.recordNumberAt(i)));
    return out;
}

// The page loop of these reports: no header after the first page, a footer naming the
// report from page 2 on, and lines that go on from the top of each new page.
class OwnPages {
public:
    OwnPages(Printer& p, TextParts footer) : p_(p), footer_(std::move(footer)) {}

    void breakIfFull() {
        if (p_.currentY() > kBreakAfter) breakPage();
    }
    // Starts a new page first unless the last of lines that together take `height`
    // (its own line height excluded) would still begin above the break position.
    void keepTogether(double heightBeforeLastLine) {
        if (p_.currentY() + heightBeforeLastLine > kBreakAfter) breakPage();
    }
    void printFooter() {
        p_.setCurrentX(1.0);
        p_.setCurrentY(kFooterY);
        if (p_.page() > 1) PrintPageNumber(p_, footer_, p_.page());
    }

private:
    // The lines go on at the top of the new page, where printers print.
    void breakPage() {
        printFooter();
        p_.newPage();
        p_.setCurrentY(Printer::kPrintableMarginCm);
    }

    Printer& p_;
    TextParts footer_;
};

// The 28- or 35-night window of an attendance string that ends at the last meeting.
QByteArray AttendanceWindow(const AttendeeRecord& r, int lastMeeting, int nights) {
    const int last = std::min(lastMeeting, kMeetings);
    return Mid(r.Attendance.bytes(), last > nights ? last - nights + 1 : 1, nights);
}

// --- Baptisms ------------------------------------------------------------------------

struct MarkDecisions {
    int baptism = 0;  // the decision whose title contains "BAPT" (0: none)
    int unite = 0;    // ... "UNITE"
};

MarkDecisions FindMarkDecisions(const App& app) {
    MarkDecisions d;
    for (int k = 1; k <= kDecisionCount; ++k) {
        const QString title = app.settings.DecisionNames[size_t(k)].toUpper();
        if (title.contains(QLatin1String("UNITE"))) d.unite = k;
        if (title.contains(QLatin1String("BAPT"))) d.baptism = k;
    }
    return d;
}

// A decision that is not recorded: its place in Decisions holds "-". Without such a
// decision nothing is marked.
bool NotRecorded(const AttendeeRecord& r, int decision) {
    return decision >= 1 && decision <= kDecisionCount && r.Decisions.at(decision) == '-';
}

void PrintBaptismHeader(App& app) {
    Printer& p = app.printer();
    p.setFont(ReportFont(6));
    p.setCurrentX(1.0);
    p.setCurrentY(0);
    const QString date = ShortDate(app.clock().today());
    const double dateX = 19 - std::nearbyint(p.textWidth(date));
    p.printOnLine(
        {NamePart(Trim(app.settings.CrusadeName)), WholePart(QStringLiteral(" Baptisms and Profession of Faith (*)"))},
        dateX);
    p.setCurrentX(p.nextColumn(dateX));
    p.print(date);
    p.setDrawWidth(6);
    p.line(1.0, 1.0, 19.9, 1.0);
    p.setCurrentY(2.0);
    p.setCurrentX(0);
    p.setFont(ReportFont(5));
    p.setCurrentX(15.4);
    p.printOnLine(QStringLiteral("Baptism Date"));
    p.setCurrentX(18.4);
    p.print(QStringLiteral("Birth Date"));
    p.print();
}

struct BaptismCounts {
    int plain = 0;       // neither mark
    int profession = 0;  // "*"
    int rebaptism = 0;   // "(r)"
};

void PrintBaptismLine(Printer& p, int j, const AttendeeRecord& r, const MarkDecisions& d, BaptismCounts& counts) {
    QString name = Str(qint64(j)) + QStringLiteral(".  ") + FromAnsi(r.LName.rtrimmed()) + QStringLiteral(", ") +
                   FromAnsi(r.FName.rtrimmed());
    const bool profession = NotRecorded(r, d.baptism);
    const bool rebaptism = NotRecorded(r, d.unite);
    if (profession) {
        name.prepend(u'*');
        ++counts.profession;
    }
    if (rebaptism) {
        name.prepend(QStringLiteral("(r)"));
        ++counts.rebaptism;
    }
    if (!profession && !rebaptism) ++counts.plain;

    // Each column ends before the next one begins: the name and the address cut, of the
    // place only the city, the rest condensed whole.
    const struct {
        double x;
        TextParts text;
    } columns[] = {
        {0.8, {FreePart(PadRight(name, 30))}},
        {4.91, {FreePart(FromAnsi(r.Address.bytes()))}},
        {9.1,
         {FreePart(FromAnsi(r.City.trimmed())), WholePart(FromAnsi(", " + r.State.bytes() + "  " + r.Zip.bytes()))}},
        {13.0, {WholePart(FromAnsi(r.Phone.trimmed()))}},
        {15.4, {WholePart(FromAnsi(r.BaptDate.bytes()))}},
        {18.4, {WholePart(FromAnsi(r.BirthDate.bytes()))}},
    };
    p.setFont(ReportFont(3));
    const size_t last = std::size(columns) - 1;
    for (size_t c = 0; c < last; ++c) {
        p.setCurrentX(p.nextColumn(columns[c].x));
        p.printOnLine(columns[c].text, columns[c + 1].x);
    }
    p.setCurrentX(p.nextColumn(columns[last].x));
    p.print(columns[last].text, Printer::kPrintableRightCm);
    p.setCurrentY(p.currentY() + 0.17);
}

void PrintBaptismTotals(Printer& p, OwnPages& pages, int additions, const BaptismCounts& counts) {
    // Six lines in the font in use, kept on one page.
    pages.keepTogether(5 * p.textHeight());
    p.setCurrentX(16.5);
    p.print(QString(23, u'_'));
    const std::pair<const char*, int> totals[] = {
        {"Total Additions: ", additions},
        {"Baptisms: ", counts.plain},
        {"Profession of Faith: ", counts.profession},
        {"Re-baptisms: ", counts.rebaptism},
    };
    for (const auto& [label, n] : totals) {
        p.setCurrentX(16.5);
        p.printOnLine(QString::fromLatin1(label));
        p.setCurrentX(19.5);
        p.print(Plain(n));
    }
    p.setCurrentX(1.0);
    p.print(QStringLiteral(
        "Note:  The * indicates a Profession of Faith, (r) indicates Re-Baptisms or Reclaimations"));
}

// --- One decision --------------------------------------------------------------------

void PrintDecisionHeader(App& app, const Printer::Part& title) {
    Printer& p = app.printer();
    p.setFont(ReportFont(6));
    p.setCurrentX(1.0);
    p.setCurrentY(0.22);
    p.printOnLine({NamePart(Trim(app.settings.CrusadeName)), WholePart(QStringLiteral(" Crusade Decision: ")), title,
                   WholePart(QStringLiteral(" (") + Plain(app.view.ReportCount) + QStringLiteral(")"))},
                  kHeaderMeetingX);
    const double meetingX = p.nextColumn(kHeaderMeetingX);
    p.setFont(ReportFont(7));
    p.setCurrentX(meetingX);
    p.setCurrentY(0);
    p.print(Plain(app.settings.LastMeeting));
    p.setCurrentX(1.0);
    p.setCurrentY(p.currentY() - 0.1);
    p.setFont(ReportFont(3));
    const QString date = HeaderDate(app.clock().today());
    p.setCurrentX(20 - std::nearbyint(p.textWidth(date)));
    p.print(date);
    p.setDrawWidth(6);
    p.line(1.0, 1.0, 19.9, 1.0);
    p.setCurrentY(1.8);
    p.setCurrentX(0);
}

void PrintDecisionLine(Printer& p, const AttendeeRecord& r, int decision, int lastMeeting) {
    p.setFont(ReportFont(3));
    p.setCurrentX(0.8);
    p.printOnLine(PadRight(FromAnsi(r.WorkerCode.bytes() + ' ' + r.RNum.bytes() + ' ' + r.LName.rtrimmed() + ", " +
                                    r.FName.rtrimmed()),
                           30),
                  4.91, Printer::Fit::Cut);
    p.setCurrentX(4.91);
    p.printOnLine(FromAnsi(r.Address.bytes()), 8.1, Printer::Fit::Cut);
    // The zip and the telephone are whole; of the city only its letters.
    p.setCurrentX(8.1);
    p.printOnLine(FromAnsi(Left(r.City.bytes(), 3)), FromAnsi(r.Zip.bytes() + " (" + r.Phone.trimmed() + ")"), 11.8);
    p.setCurrentX(p.nextColumn(11.8));
    p.setFont(ReportFont(2));
    const QByteArray columns =
        AttendanceWindow(r, lastMeeting, 35) + " " + r.IntLevel.bytes() + "/" + r.Decisions.rtrimmed() + "  ";
    if (decision == 9) {
        // The last visit or appointment, and how far the way to baptism has come; the codes
        // leave the mark its room on the line.
        QString mark;
        if (HasBaptismDate(r.BaptDate.bytes()))
            mark = QStringLiteral("Apt-CL");
        else if (r.Class != 0)
            mark = QStringLiteral("Apt");
        p.printOnLine(FromAnsi(columns + Right(r.Visits.trimmed(), 3)), Printer::kPrintableRightCm - p.textWidth(mark),
                      Printer::Fit::Whole);
        // The mark's column, or a blank past the visit when the codes run beyond it.
        p.setCurrentX(std::max(18.6, p.currentX() + p.textWidth(QStringLiteral(" "))));
        p.print(mark);
    } else {
        p.print(FromAnsi(columns + r.Visits.bytes()), Printer::kPrintableRightCm, Printer::Fit::Whole);
    }
    p.setCurrentY(p.currentY() + 0.17);
}

void PrintDecisionTotals(Printer& p, OwnPages& pages, const Printer::Part& title, int count) {
    p.setFont(ReportFont(2));
    pages.keepTogether(p.textHeight());
    p.setCurrentX(0.8);
    p.print(QString(18, u'_'));
    p.setFont(ReportFont(3));
    p.setCurrentX(0.8);
    p.print({WholePart(QStringLiteral("Total ")), title, WholePart(QStringLiteral(" Decisions: ") + Plain(count))},
            Printer::kPrintableRightCm);
}

}  // namespace

void PrintBaptisms(App& app) {
    const MarkDecisions marks = FindMarkDecisions(app);
    int fromPage = 1, toPage = 1000, copies = 1;
    if (!SelPrinter(app, fromPage, toPage, copies)) return;
    if (app.view.ReportKind != QLatin1String("baptism")) IndexBaptisms(app, QStringLiteral("Al"));
    const std::vector<AttendeeRecord> records = ViewRecords(app);

    Printer& p = app.printer();
    p.killDoc();  // nothing left over from an earlier report
    OwnPages pages(p, {WholePart(QStringLiteral("Baptisms"))});
    PrintBaptismHeader(app);
    BaptismCounts counts;
    for (size_t j = 0; j < records.size(); ++j) {
        PrintBaptismLine(p, int(j) + 1, records[j], marks, counts);
        pages.breakIfFull();
    }
    PrintBaptismTotals(p, pages, int(records.size()), counts);
    pages.printFooter();
    EndListDocument(app, fromPage);
}

void PrintDecisions(App& app, int decisionNumber) {
    if (decisionNumber < 1 || decisionNumber > kDecisionCount) return;
    if (Left(app.view.ReportKind, 8) != QLatin1String("decision") && !IndexDecisions(app, true)) return;
    const Printer::Part title = DecisionTitlePart(app, decisionNumber);
    int fromPage = 1, toPage = 1000, copies = 1;
    if (!SelPrinter(app, fromPage, toPage, copies)) return;
    const std::vector<AttendeeRecord> records = ViewRecords(app);

    Printer& p = app.printer();
    p.killDoc();
    OwnPages pages(p, {title});
    PrintDecisionHeader(app, title);
    for (const AttendeeRecord& r : records) {
        PrintDecisionLine(p, r, decisionNumber, app.settings.LastMeeting);
        pages.breakIfFull();
    }
    PrintDecisionTotals(p, pages, title, int(records.size()));
    p.setCurrentX(1.0);
    p.setCurrentY(kNoteY);
    p.print(QStringLiteral("NOTE:  In the far right after the decisions column is 1) The last Visit, 2) 'Apt' "
                           "Appointment Set 3) CL for Cleared for Baptism."));
    pages.printFooter();
    EndListDocument(app, fromPage);
}

}  // namespace fennick

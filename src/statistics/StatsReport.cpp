#include "statistics/StatsReport.h"

#include "data/CrusadeSettings.h"
#include "data/Utilities.h"
#include "platform/Printer.h"
#include "statistics/CrusadeTallies.h"
#include "statistics/LinePen.h"
#include "statistics/NumberForms.h"

#include <algorithm>

namespace fennick {

namespace {

QString Rule(int n) {
    return QString(n, u'=');
}

void DrawMeetingColumn(LinePen& p, const CrusadeSettings& settings, const CrusadeTallies& t) {
    const int last = ReportedMeetings(settings);
    p.out.setCurrentY(2);
    p.at(44);
    p.end(QStringLiteral("Avg"));
    p.on(QStringLiteral("Mtg.  "));
    p.on(QStringLiteral("Attendance    "));
    p.on(QStringLiteral("New   "));
    p.on(QStringLiteral("Losses"));
    p.at(44);
    p.end(QStringLiteral("Age"));
    p.end(Rule(31));
    for (int i = 1; i <= last; ++i) {
        p.on(PadRight(SignBlank(i), 4) + u' ');
        p.at(9);
        p.on(Picture(t.MeetingAttendance[size_t(i)], u"##########"));
        const QString share = Ratio(t.MeetingAttendance[size_t(i)], t.MeetingAttendance[1], u"0%");
        if (!share.isEmpty()) p.on(QStringLiteral(" / ") + share);
        p.at(27);
        p.on(Picture(t.NewCount[size_t(i)], u"####"));
        p.at(35);
        if (i != last) p.on(BareNumber(t.LossCount[size_t(i)]));
        p.at(44);
        p.end(AverageAgeCell(t, i));
    }

    p.end();
    p.end(QStringLiteral(" Special Attendance Stats"));
    p.end(Rule(24));
    for (int n = last; n >= SpreadLow(last); --n) {
        p.on(SpreadLabel(last, n));
        p.at(29);
        p.end(BareNumber(t.NightsAttendedCount[size_t(n)]));
    }
}

void DrawReligionColumn(LinePen& p, const CrusadeSettings& settings, const CrusadeTallies& t) {
    p.out.setCurrentY(2);
    p.at(56);
    p.end(QStringLiteral("Religious Prefrence      Baptisms"));
    p.at(56);
    p.end(Rule(26));
    QList<Printer::ColumnName> churches;
    for (int r = 1; r <= kReligionRows; ++r) churches.append({settings.ReligionNames[size_t(r)], QString(), 56, 80});
    const QList<Printer::Fitted> churchNames = p.out.fitColumn(churches);
    for (int r = 1; r <= kReligionRows; ++r) {
        const qint16 bapt = t.ReligionBaptisms[size_t(r)];
        p.at(56);
        p.out.printFitted(churchNames[r - 1]);
        p.cell(80, 86, BareNumber(t.ReligionCount[size_t(r)]));
        p.cell(86, 90, Picture(bapt, u"###"));
        p.at(90);
        const QString share = bapt != 0 ? Ratio(bapt, t.ReligionCount[size_t(r)], u"#%") : QString();
        p.end(share.isEmpty() ? QString() : u'/' + share);
    }

    p.end();
    p.end();
    p.at(56);
    p.end(QStringLiteral("Advertising"));
    p.at(56);
    p.end(Rule(26));
    QList<Printer::ColumnName> sources;
    for (int k = 1; k <= kAdvertisingSources; ++k) sources.append({t.AdvertisingNames[size_t(k)], QString(), 56, 78});
    const QList<Printer::Fitted> sourceNames = p.out.fitColumn(sources);
    for (int k = 1; k <= kAdvertisingSources; ++k) {
        const qint16 bapt = t.AdvertisingBaptisms[size_t(k)];
        p.at(56);
        p.out.printFitted(sourceNames[k - 1]);
        p.cell(78, 86, BareNumber(t.AdvertisingCount[size_t(k)]));
        p.cell(86, 92, Picture(bapt, u"###"));
        p.at(92);
        p.end(bapt != 0 ? Ratio(bapt, t.AdvertisingCount[size_t(k)], u"0%") : QString());
    }

    p.end();
    p.end();
    p.at(56);
    p.end(QStringLiteral("Interviews & Baptism Dates"));
    p.at(56);
    p.end(Rule(28));
    // The rows' percentage places at x = 92 stay empty: no share of them is reported.
    p.at(56);
    p.on(QStringLiteral("Interviews Set: "));
    p.at(78);
    p.on(BareNumber(t.InterviewsSet));
    p.at(92);
    p.end();
    p.at(56);
    p.on(QStringLiteral("Interviews Left: "));
    p.at(78);
    p.on(BareNumber(t.InterviewsLeft));
    p.at(92);
    p.end();
    p.at(56);
    p.on(QStringLiteral("Bapts Date Set: "));
    p.at(78);
    p.on(BareNumber(t.BaptismDateSet));
    p.at(86);
    p.on(QStringLiteral("?"));
    p.at(92);
    p.end();
    p.at(56);
    p.on(QStringLiteral("Possible Baptisms: "));
    p.at(86);
    p.on(Digits(qint64(t.BaptismDateSet) + t.Baptisms) + QStringLiteral(" - ") +
         Digits(qint64(t.Baptisms) + t.InterestACount + t.InterestBCount));
}

// The names of a block of column 3, fitted before its count.
QList<Printer::Fitted> CategoryNames(const Printer& out, const QStringList& names) {
    QList<Printer::ColumnName> column;
    for (const QString& name : names) column.append({name, QString(), 105, 128});
    return out.fitColumn(column);
}

// A category row of column 3: name (fitted before the count), count and baptisms under
// "###", and the share of the category that was baptized.
void CategoryRow(LinePen& p, const Printer::Fitted& name, qint16 count, qint16 bapt) {
    p.at(105);
    p.out.printFitted(name);
    p.cell(128, 136, Picture(count, u"###"));
    p.cell(136, 142, Picture(bapt, u"###"));
    p.at(142);
    p.end(bapt != 0 ? Ratio(bapt, count, u"0%") : QString());
}

void DrawTotalsColumn(LinePen& p, const CrusadeSettings& settings, const CrusadeTallies& t) {
    p.out.setCurrentY(2);
    const auto label = [&p](const char* text) {
        p.at(105);
        p.on(QString::fromLatin1(text));
        p.at(128);
    };
    label("Total Names: ");
    p.on(Picture(t.TotalNames, u"####"));
    p.at(136);
    p.on(QStringLiteral("Mail List: "));
    p.at(148);
    p.end(Picture(t.MailListNames, u"####"));

    label("Active Names: ");
    p.on(Picture(t.ActiveNames, u"####"));
    p.at(136);
    p.on(Ratio(t.ActiveNames, t.TotalNames, u"#%"));
    p.at(142);
    p.end(t.Baptisms != 0 ? Ratio(t.Baptisms, t.ActiveNames, u"  #%") : QString());

    label("Current Names: ");
    p.end(Picture(t.CurrentNames, u"####"));

    label("Baptisms: ");
    p.on(BareNumber(t.Baptisms));
    p.at(136);
    p.end(t.Baptisms != 0 ? Ratio(t.Baptisms, t.TotalNames, u"#%") : QString());

    label("Baptism Date: ");
    p.end(BareNumber(t.BaptismDateSet));
    label("A Interests: ");
    p.end(Picture(t.InterestACount, u"####"));
    label("B Interests: ");
    p.end(Picture(t.InterestBCount, u"####"));
    label("C Interests: ");
    p.end(Picture(t.InterestCCount, u"####"));
    label("Bapt Class/ Apt: ");
    p.end(Picture(t.InterviewsSet, u"####"));

    p.end();
    p.at(105);
    p.end(QStringLiteral("Decisions"));
    p.at(105);
    p.end(Rule(28));
    const QStringList decisionNames(settings.DecisionNames.begin() + 1, settings.DecisionNames.end());
    const QList<Printer::Fitted> decisions = CategoryNames(p.out, decisionNames);
    for (int d = 1; d <= 9; ++d)
        CategoryRow(p, decisions[d - 1], t.DecisionCount[size_t(d)], t.DecisionBaptisms[size_t(d)]);

    p.end();
    p.at(105);
    p.on(QStringLiteral("Age Groups"));
    p.at(138);
    p.end(QStringLiteral("Baptisms"));
    p.at(105);
    p.end(Rule(28));
    const QStringList groupNames(settings.AgeGroupNames.begin(), settings.AgeGroupNames.end());
    const QList<Printer::Fitted> groups = CategoryNames(p.out, groupNames);
    for (int g = 0; g < kAgeGroups; ++g)
        CategoryRow(p, groups[g], t.AgeGroupCount[size_t(g)], t.AgeGroupBaptisms[size_t(g)]);

    if (t.HasAvgBaptismAge) {
        p.at(105);
        p.on(QStringLiteral("Avg Baptism Age:"));
        p.at(136);
        p.end(settings.AgeGroupNames[size_t(t.AvgBaptismAgeGroup)]);
    }
}

}  // namespace

int ReportedMeetings(const CrusadeSettings& settings) {
    return std::clamp<int>(settings.LastMeeting, 0, kStatsMeetings);
}

int SpreadLow(int lastMeeting) {
    return lastMeeting >= 5 ? lastMeeting - 4 : 1;
}

QString SpreadLabel(int lastMeeting, int n) {
    if (n == lastMeeting) return QStringLiteral(" Attended every night- ");
    if (n == lastMeeting - 1) return QStringLiteral(" Missed 1 night- ");
    return QStringLiteral(" Missed ") + Digits(lastMeeting - n) + QStringLiteral(" nights- ");
}

QString AverageAgeCell(const CrusadeTallies& t, int k) {
    const std::optional<double> age = t.AverageAge(k);
    return age ? Picture(*age, u"##") : QStringLiteral("na");
}

void DrawStatsReport(Printer& surface, const CrusadeSettings& settings, const CrusadeTallies& t) {
    LinePen p{surface};
    DrawMeetingColumn(p, settings, t);
    DrawReligionColumn(p, settings, t);
    DrawTotalsColumn(p, settings, t);
}

}  // namespace fennick

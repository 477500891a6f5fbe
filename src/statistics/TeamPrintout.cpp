#include "statistics/TeamPrintout.h"

#include "data/App.h"
#include "data/CrusadeSettings.h"
#include "data/Text.h"
#include "platform/Printer.h"
#include "printing/PrintCommons.h"
#include "statistics/LinePen.h"
#include "statistics/NumberForms.h"
#include "statistics/StatsPrintout.h"
#include "statistics/TeamReport.h"
#include "statistics/TeamTallies.h"

#include <algorithm>

namespace fennick {

namespace {

struct Heading {
    double x;
    const char* text;
};

void HeadingRow(LinePen& w, std::initializer_list<Heading> heads) {
    const Heading* last = heads.end() - 1;
    for (const Heading* h = heads.begin(); h != heads.end(); ++h) {
        w.at(h->x);
        if (h == last)
            w.end(QString::fromLatin1(h->text));
        else
            w.on(QString::fromLatin1(h->text));
    }
}

// The name column: from its left edge to the rule that closes it (not the count beyond).
constexpr double kNameX = 1.8;
constexpr double kNameRule = 4.3;

void TeamRow(LinePen& w, const TeamTallies& t, int team, const Printer::Fitted& name) {
    const size_t i = size_t(team);
    w.at(1.3);
    w.on(TeamNumber2(team));
    w.at(kNameX);
    w.out.printFitted(name);
    // Each count ends before the next column or the rule between them, condensed when it
    // would reach it.
    const struct {
        double x, right;
        QString text;
    } cells[] = {{4.5, 5.3, BareNumber(t.TeamNameCount[i])},      {5.3, 6.1, BareNumber(t.TeamVisited[i])},
                 {6.5, 7.4, BareNumber(t.TeamActive[i])},         {7.4, 8.3, BareNumber(t.TeamActiveVisited[i])},
                 {8.6, 9.5, Picture(t.TeamCurrent[i], u"###")},   {9.5, 10.3, BareNumber(t.TeamCurrentVisited[i])},
                 {10.8, 11.7, BareNumber(t.TeamGospelNames[i])},  {11.7, 12.8, BareNumber(t.TeamGospelVisited[i])},
                 {13.3, 14.3, BareNumber(t.TeamSabbathNames[i])}, {14.3, 15.1, BareNumber(t.TeamSabbathVisited[i])},
                 {15.5, 16.3, BareNumber(t.TeamIntA[i])},         {16.3, 17.1, BareNumber(t.TeamIntB[i])},
                 {17.1, 18.0, BareNumber(t.TeamIntC[i])},         {18.0, 18.85, BareNumber(t.TeamBaptized[i])}};
    for (const auto& c : cells) w.cell(c.x, c.right, c.text);
    w.at(18.9);
    w.end(t.TeamLastVisitMtg[i] != 0 ? BareNumber(t.TeamLastVisitMtg[i]) : QString());
}

// "(<share>)" under "#%" when both are non-zero, else nothing.
QString Share(qint64 part, qint64 whole) {
    if (part == 0 || whole == 0) return QString();
    return u'(' + Ratio(part, whole, u"#%") + u')';
}

void TotalLine(LinePen& w, const QString& left, const QString& right) {
    w.at(1.3);
    w.on(left);
    w.at(6.5);
    w.end(right);
}

void Totals(LinePen& w, const TeamTallies& t) {
    QString visits = QStringLiteral("  Total visits: ") + Digits(t.TotalVisited);
    if (t.TotalLiveNames != 0) visits += QStringLiteral("/ ") + Percent(t.TotalVisited, t.TotalLiveNames) + u'%';
    TotalLine(w, QStringLiteral("Total Names: ") + Digits(t.TotalLiveNames), visits);
    TotalLine(w, QStringLiteral("Total Active Names: ") + Digits(t.TotalActive),
              QStringLiteral("  Active visits: ") + Digits(t.TotalActiveVisited) +
                  Share(t.TotalActiveVisited, t.TotalActive));
    TotalLine(w, QStringLiteral("Total Current Names: ") + Digits(t.TotalCurrent),
              QStringLiteral("  Current visits: ") + Digits(t.TotalCurrentVisited) + u' ' +
                  Share(t.TotalCurrentVisited, t.TotalCurrent));
    // The Sabbath share is given whenever there are Sabbath names, visited or not.
    const int names = t.SabbathNames1To20();
    const int visited = t.SabbathVisited1To20();
    TotalLine(w, QStringLiteral("Total Sabbath Names: ") + Digits(names),
              QStringLiteral("  Sabbath Visits: ") + Digits(visited) +
                  (names != 0 ? u'(' + Ratio(visited, names, u"#%") + u')' : QString()));
}

}  // namespace

void PrintTeamPage(Printer& printer, const CrusadeSettings& settings, const TeamTallies& t, const QString& dateText) {
    LinePen w{printer};
    w.on(QString());  // begins the document
    printer.setFont(StatsTitleFont());
    // The date ends near 20 cm: its start is 20 less its width in whole centimetres. The
    // title stops where it begins.
    const double dateX = 20.0 - RoundHalfEven(printer.textWidth(dateText));
    w.at(1.0);
    printer.printOnLine(CrusadeTitle(settings, QStringLiteral(" Visitation Report")), dateX);
    w.at(dateX);
    w.end(dateText);

    printer.setFont(StatsBodyFont());
    w.end();
    w.end();
    HeadingRow(w, {{4.8, "Total"},
                   {6.3, "Active Visits"},
                   {8.7, "Current"},
                   {11, "Gospel"},
                   {16, "Interest Level"},
                   {18.9, "Last"}});
    HeadingRow(w, {{1.3, "Team"},
                   {2.7, "Name    "},
                   {4.4, "Names/"},
                   {5.5, "Vis"},
                   {6.3, "Names/ Vis"},
                   {8.5, "Names/ Vis"},
                   {10.6, "Names/ Visits"},
                   {13.15, "Sab. / Visits"},
                   {15.5, "A"},
                   {16.3, "B"},
                   {17.1, "C"},
                   {17.9, "Bapt."},
                   {18.9, "Report"}});

    printer.setDrawWidth(6);
    printer.line(1.4, 2.2, 19.9, 2.2);
    printer.setCurrentY(2.4);

    QList<int> teams;
    QList<Printer::ColumnName> names;
    for (int team = 0; team < kTeamCount; ++team) {
        if (t.TeamNameCount[size_t(team)] == 0) continue;
        teams << team;
        names.append({TeamDisplayName(settings, team), QString(), kNameX, kNameRule});
    }
    const QList<Printer::Fitted> fitted = printer.fitColumn(names);
    // An empty line after every third row printed.
    int row = 1;
    for (qsizetype r = 0; r < teams.size(); ++r) {
        TeamRow(w, t, teams[r], fitted[r]);
        if (++row == 4) {
            w.end();
            row = 1;
        }
    }

    const double bottom = printer.currentY();
    for (const double x : {kNameRule, 6.1, 8.3, 10.3, 12.8, 15.1, 18.85}) printer.line(x, 1.5, x, bottom);

    w.end();
    w.end();
    Totals(w, t);

    // The notes stand at the foot, below the totals (41 teams reach past the foot's usual
    // place).
    printer.setCurrentY(std::max(25.0, printer.currentY()));
    w.at(1);
    w.end(QStringLiteral("NOTE: Active Names are those who have attended 4 or more meetings."));
    w.at(2);
    w.end(QStringLiteral("Current Names are those who have attended one of the last 3 meetings."));
}

bool PrintTeamReport(App& app, const TeamTallies& t) {
    return PrintStatisticsPage(app, [&app, &t](Printer& printer, const QString& date) {
        PrintTeamPage(printer, app.settings, t, date);
    });
}

}  // namespace fennick

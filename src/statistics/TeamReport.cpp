#include "statistics/TeamReport.h"

#include "data/CrusadeSettings.h"
#include "data/Text.h"
#include "platform/Printer.h"
#include "statistics/LinePen.h"
#include "statistics/NumberForms.h"
#include "statistics/TeamTallies.h"

#include <algorithm>

namespace fennick {

namespace {

constexpr int kLastWindowTeam = 21;
// The rule between the team's name and its counts: a long name is fitted before it, as the
// printed page fits it before its rule.
constexpr double kNameRule = 25;
constexpr double kNumberX = 1;

void Headings(LinePen& p) {
    p.out.setCurrentY(0.5);
    const struct {
        double x;
        const char* text;
    } first[] = {{30, "Total"},  {51, "Interest Level"}, {78, "Active"},  {90, "Visits"},
                 {103, "Current"}, {115, "Visits"},       {131, "Sabbath"}, {145, "Gospel"}};
    for (const auto& h : first) {
        p.at(h.x);
        p.on(QString::fromLatin1(h.text));
    }
    p.at(157);
    p.end(QStringLiteral("Last"));

    p.on(QStringLiteral("Team    ") + QStringLiteral("    Name    "));
    const struct {
        double x;
        const char* text;
    } second[] = {{26, "Names"}, {36, "Visits"}, {50, "A"},    {56, "B"},   {62, "C"},
                  {68, "Bpt"},   {78, "Names"},  {88, "Yes"},  {96, "No"},  {103, "Names"},
                  {113, "Yes"},  {121, "No"},    {131, "Visits"}, {145, "Visits"}};
    for (const auto& h : second) {
        p.at(h.x);
        p.on(QString::fromLatin1(h.text));
    }
    p.at(157);
    p.end(QStringLiteral("Report"));
    p.end();
}

void TeamRow(LinePen& p, const TeamTallies& t, int team, const Printer::Fitted& name) {
    const size_t i = size_t(team);
    p.at(kNumberX);
    p.on(TeamNumber2(team) + QStringLiteral("  "));
    p.out.printFitted(name);
    // Each count ends before the next column or the rule between them, condensed when it
    // would reach it.
    const struct {
        double x, right;
        int value;
    } cells[] = {{28, 36, t.TeamNameCount[i]},
                 {36, 43, t.TeamVisited[i]},
                 {50, 56, t.TeamIntA[i]},
                 {56, 62, t.TeamIntB[i]},
                 {62, 68, t.TeamIntC[i]},
                 {68, 75, t.TeamBaptized[i]},
                 {80, 88, t.TeamActive[i]},
                 {88, 96, t.TeamActiveVisited[i]},
                 {96, 102, t.TeamActive[i] - t.TeamActiveVisited[i]},
                 {105, 113, t.TeamCurrent[i]},
                 {113, 121, t.TeamCurrentVisited[i]},
                 {121, 130, t.TeamCurrent[i] - t.TeamCurrentVisited[i]},
                 {131, 136, t.TeamSabbathNames[i]},
                 {136, 143, t.TeamSabbathVisited[i]},
                 {145, 150, t.TeamGospelNames[i]},
                 {150, 155, t.TeamGospelVisited[i]}};
    for (const auto& c : cells) p.cell(c.x, c.right, BareNumber(c.value));
    p.at(158);
    p.end(t.TeamLastVisitMtg[i] != 0 ? BareNumber(t.TeamLastVisitMtg[i]) : QString());
}

// "<visited>/ <percent>%", or "0%" alone when the whole is 0.
QString PartOf(qint64 part, qint64 whole) {
    if (whole == 0) return QStringLiteral("0%");
    return Digits(part) + QStringLiteral("/ ") + Percent(part, whole) + u'%';
}

void Totals(LinePen& p, const TeamTallies& t) {
    p.at(10);
    p.on(QStringLiteral("Total Names: ") + Digits(t.TotalLiveNames));
    p.at(48);
    p.end(QStringLiteral("  Total visits: ") + PartOf(t.TotalVisited, t.TotalLiveNames));

    p.at(10);
    p.on(QStringLiteral("Total Active Names: ") + Digits(t.TotalActive));
    p.at(103);
    p.on(QStringLiteral("(You must use Printer to see teams 21-40)"));
    p.at(48);
    p.end(QStringLiteral("  Active visits: ") +
          (t.TotalActiveVisited == 0 ? QStringLiteral("0%") : PartOf(t.TotalActiveVisited, t.TotalActive)));

    p.at(10);
    p.on(QStringLiteral("Total Current Names: ") + Digits(t.TotalCurrent));
    p.at(48);
    p.end(QStringLiteral("  Current visits: ") + PartOf(t.TotalCurrentVisited, t.TotalCurrent));

    const int names = t.SabbathNames1To20();
    p.at(10);
    p.on(QStringLiteral("Total Sabbath Names: ") + Digits(names));
    p.at(48);
    p.end(QStringLiteral("  Sabbath visits: ") +
          (names == 0 ? QStringLiteral("0/ 0%") : PartOf(t.SabbathVisited1To20(), names)));
}

}  // namespace

QString TeamNumber2(int team) {
    return ZeroPad(team, 2);
}

QString TeamDisplayName(const CrusadeSettings& settings, int team) {
    const QString& entry = settings.TeamNames[size_t(team)];
    const qsizetype colon = entry.indexOf(u':');
    return colon < 0 ? entry : entry.left(colon);
}

QString Percent(qint64 part, qint64 whole) {
    if (whole == 0) return QStringLiteral("0");
    // Rounded as the printed shares under "#%" are, so that both reports agree.
    return Digits(qint64(RoundHalfAway(double(part) / double(whole) * 100.0)));
}

void DrawTeamReport(Printer& surface, const CrusadeSettings& settings, const TeamTallies& t) {
    LinePen p{surface};
    Headings(p);
    // The names follow their numbers; the column holds them after the widest number.
    QList<int> teams;
    QList<Printer::ColumnName> names;
    double numbers = 0;
    for (int team = 0; team <= kLastWindowTeam; ++team) {
        if (t.TeamNameCount[size_t(team)] == 0) continue;
        teams << team;
        names.append({TeamDisplayName(settings, team), QString(), 0, kNameRule});
        numbers = std::max(numbers, surface.textWidth(TeamNumber2(team) + QStringLiteral("  ")));
    }
    for (Printer::ColumnName& name : names) name.x = kNumberX + numbers;
    const QList<Printer::Fitted> fitted = surface.fitColumn(names);
    for (qsizetype r = 0; r < teams.size(); ++r) {
        const int team = teams[r];
        TeamRow(p, t, team, fitted[r]);
        if (team % 4 == 0 && team <= 16) p.end();
    }
    p.end();
    const double lowest = surface.currentY() - 3;
    Totals(p, t);

    surface.setDrawWidth(1);
    for (const double x : {kNameRule, 43.0, 75.0, 102.0, 130.0, 143.0, 155.0}) surface.line(x, 1, x, lowest);
    surface.setDrawWidth(2);
    surface.line(1, 8, 180, 8);
}

}  // namespace fennick

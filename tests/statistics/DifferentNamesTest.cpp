// Names of one list that differ only at their ends, on every printout and window that cuts
// them to a column: each prints as a text of its own, within its column.

#include "StatsFixture.h"
#include "statistics/CrusadeTallies.h"
#include "statistics/StatsPrintout.h"
#include "statistics/StatsReport.h"
#include "statistics/TeamPrintout.h"
#include "statistics/TeamReport.h"
#include "statistics/TeamTallies.h"
#include "tables/TeamListPrintout.h"
#include "tables/ZipPrintout.h"

#include <QSet>

#include <gtest/gtest.h>

#include <functional>

namespace fennick::test {
namespace {

// Four teams, one the start of another, two alike but for the end of a word; churches and
// decisions alike in their first fifteen characters and more.
void SetNamesAlikeAtTheirEnds(App& app) {
    CrusadeSettings& s = app.settings;
    const QString district =
        QStringLiteral("Men's Ministry Outreach Team of the Springfield Adventist Church, %1 District");
    s.TeamNames[1] = QStringLiteral("Men's Ministry Outreach Team");
    s.TeamNames[2] = QStringLiteral("Men's Ministry:555-0102");
    s.TeamNames[3] = district.arg(QStringLiteral("Northeast")) + QStringLiteral(":555-0103");
    s.TeamNames[4] = district.arg(QStringLiteral("Northwest")) + QStringLiteral(":555-0104");
    const QStringList churches{"Church North", "Church South", "Temple of the North Side", "Temple of the South Side"};
    for (int i = 1; i <= 4; ++i) s.ReligionNames[size_t(i)] = QStringLiteral("Springfield Baptist ") + churches[i - 1];
    const QStringList decisions{"",
                                " at the Crusade",
                                " at the Crusade Meetings",
                                " at the Crusade Meetings, First Week",
                                " at the Crusade Meetings, Second Week",
                                " at the Crusade Meetings, Third Week"};
    for (int d = 3; d <= 8; ++d)
        s.DecisionNames[size_t(d)] = QStringLiteral("Rededication to the Lord") + decisions[d - 3];
    for (int team = 1; team <= 4; ++team)
        app.crusade.ZipTable[team] =
            "6270" + QByteArray::number(team) + "     IL0" + QByteArray::number(team) + "Springfield       4";
    app.crusade.ZipCount = 4;
}

TEST(DifferentNames, NeverPrintAlike) {
    TeamTallies teams;
    for (int team = 1; team <= 4; ++team) teams.TeamNameCount[size_t(team)] = 1;
    const CrusadeTallies stats;
    const QString date = QStringLiteral("Monday, March 9, 2026");
    using Draw = std::function<void(App&, Printer&)>;
    const Draw statsPage = [&](App& a, Printer& p) { PrintStatsPage(p, a.settings, stats, date); };
    const Draw statsWindow = [&](App& a, Printer& p) { DrawStatsReport(p, a.settings, stats); };
    const struct {
        const char* printout;
        Draw draw;  // on the printer, or on the window's surface
        bool window;
        const char* names;  // what the list's names begin with
        int different;      // how many different names it holds
    } cases[] = {
        {"zip code count", [](App& a, Printer&) { PrintZips(a); }, false, "Men's", 4},
        {"team list", [](App& a, Printer&) { btnPrintTeams_Click(a); }, false, "Men's", 4},
        {"visitation page", [&](App& a, Printer& p) { PrintTeamPage(p, a.settings, teams, date); }, false, "Men's", 4},
        {"visitation window", [&](App& a, Printer& p) { DrawTeamReport(p, a.settings, teams); }, true, "Men's", 4},
        {"statistics page churches", statsPage, false, "Springf", 4},
        {"statistics page decisions", statsPage, false, "Rede", 6},
        {"statistics window churches", statsWindow, true, "Springf", 4},
        {"statistics window decisions", statsWindow, true, "Rede", 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.printout);
        StatsCrusade f;
        SetNamesAlikeAtTheirEnds(f.app);
        f.t.dialogs.print(PrinterChoice{});
        RecordingSurface window;
        window.setFont(kStatsWindowFont);
        Printer& out = c.window ? static_cast<Printer&>(window) : f.t.printer;
        c.draw(f.app, out);
        // What a command delivered, or what was drawn.
        const PrintedDocument doc = f.t.printer.documents().value(0, out.document());
        QStringList names;  // without a telephone after them
        for (const PrintedItem& it : doc.items)
            if (it.text.startsWith(QLatin1String(c.names))) names << it.text.section(u':', 0, 0);
        EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), c.different) << names.join(u'|').toStdString();
        // Cut names stay in their columns (a window has no printable area).
        QStringList overruns = Overruns(doc, out);
        overruns.removeIf([&c](const QString& o) {
            return o.contains(QLatin1String("|Names/|")) || (c.window && o.endsWith(QLatin1String("printable area")));
        });
        EXPECT_EQ(overruns.join(u'\n').toStdString(), "");
    }
}

}  // namespace
}  // namespace fennick::test

// The statistics pages over names and vocabularies as long and wide as they come: they
// run into no next column and past no printable area where the usual crusade's do not
// (the measuring table finds the headings "Names/" and "Vis" touching, which in the real
// fonts they do not); titles, dates and numbers are printed whole, and two different team
// names never print alike.

#include "DocumentDump.h"
#include "LongFields.h"
#include "StatsFixture.h"
#include "statistics/CrusadeTallies.h"
#include "statistics/StatsPrintout.h"
#include "statistics/StatsReport.h"
#include "statistics/TeamPrintout.h"
#include "statistics/TeamReport.h"
#include "statistics/TeamTallies.h"

#include <QSet>

#include <gtest/gtest.h>

namespace fennick::test {
namespace {

TEST(LongFields, NoPrintoutRunsIntoTheNextColumnOrOffThePage) {
    const LongFieldPrintout<App> printouts[] = {
        {"statistical report", [](App& app) { PrintStatsReport(app, CrusadeStatisticsPass(app)); }},
        {"visitation report", [](App& app) { PrintTeamReport(app, TeamStatisticsPass(app)); }}};
    for (const auto& printout : printouts) {
        SCOPED_TRACE(printout.name);
        StatsCrusade longFields(LongFieldRecords(), 40);
        SetLongFieldSettings(longFields.app);
        StatsCrusade usual;
        for (StatsCrusade* f : {&longFields, &usual}) {
            f->t.dialogs.print(PrinterChoice{});
            printout.print(f->app);
            ASSERT_EQ(f->t.printer.documents().size(), 1);
        }
        RecordingPrinter measure;
        auto overruns = [&](const StatsCrusade& f) {
            return Overruns(f.t.printer.documents().front(), measure).join(u'\n').toStdString();
        };
        EXPECT_EQ(overruns(longFields), overruns(usual));
    }
}

// Every count at its widest, every team with names.
void Widest(CrusadeTallies& c, TeamTallies& t) {
    for (auto* a : {&c.MeetingAttendance, &c.NewCount, &c.LossCount, &c.AllNightsCount, &c.NightsAttendedCount})
        a->fill(9999);
    for (auto* a : {&c.ReligionCount, &c.ReligionBaptisms}) a->fill(9999);
    for (auto* a : {&c.DecisionCount, &c.DecisionBaptisms}) a->fill(9999);
    for (auto* a : {&c.AgeGroupCount, &c.AgeGroupBaptisms, &c.AdvertisingCount, &c.AdvertisingBaptisms}) a->fill(9999);
    c.TotalNames = c.CurrentNames = c.ActiveNames = c.MailListNames = c.Baptisms = c.BaptismDateSet = 9999;
    for (TeamTable* a : {&t.TeamNameCount, &t.TeamVisited, &t.TeamActive, &t.TeamActiveVisited, &t.TeamCurrent,
                         &t.TeamCurrentVisited, &t.TeamGospelNames, &t.TeamGospelVisited, &t.TeamSabbathNames,
                         &t.TeamSabbathVisited, &t.TeamIntA, &t.TeamIntB, &t.TeamIntC, &t.TeamBaptized})
        a->fill(9999);
    t.TotalLiveNames = t.TotalVisited = t.TotalActive = t.TotalActiveVisited = t.TotalCurrent = 9999;
}

// The full-width crusade (40 meetings) with every count at its widest and long team names
// that a cut at their column's rule made alike, on the pages and on the windows: titles and
// dates found whole, nothing run into the next column or into a line below (but the
// headings "Names/" and "Vis", one word that the measuring table finds touching), and the
// names of the name column (left edges from..to) all different.
TEST(LongFields, WholeTextsAndDifferentTeamNames) {
    StatsCrusade f(LongFieldRecords(), 40);
    SetLongFieldSettings(f.app);
    CrusadeSettings& s = f.app.settings;
    for (int i = 1; i <= 40; ++i)
        s.TeamNames[size_t(i)] = QStringLiteral("Springfield Seventh-day Adventist Church Team %1:555-0100").arg(i);
    s.TeamNames[1] = QStringLiteral("Men's Ministry:555-0101");
    s.TeamNames[2] = QStringLiteral("Men's Ministry Outreach Team:555-0102");
    s.TeamNames[3] = QStringLiteral("Men's Ministry Outreach and Community Services Team");
    CrusadeTallies stats = CrusadeStatisticsPass(f.app);
    TeamTallies teams = TeamStatisticsPass(f.app);
    Widest(stats, teams);
    const QString date = QStringLiteral("Wednesday, September 30, 2026");
    const auto statsPage = [&](Printer& p) { PrintStatsPage(p, s, stats, date); };
    const auto teamPage = [&](Printer& p) { PrintTeamPage(p, s, teams, date); };
    const auto teamWindow = [&](Printer& p) { DrawTeamReport(p, s, teams); };
    const auto statsWindow = [&](Printer& p) { DrawStatsReport(p, s, stats); };
    const struct {
        std::function<void(Printer&)> draw;
        bool window;
        double namesFrom, namesTo;
        QStringList whole;
    } cases[] = {
        {statsPage, false, 0, 0, {" Statistical Report", date, " Missed 4 nights- ", "(100% - 100%)"}},
        {teamPage, false, 1.8, 1.9, {" Visitation Report", date, "Men's Ministry", " 9999"}},
        {teamWindow, true, 2, 25, {"Men's Ministry", " 9999"}},
        {statsWindow, true, 0, 0, {"Possible Baptisms: ", " 9999"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.whole.front().toStdString());
        RecordingPrinter paper;
        RecordingSurface window;
        window.setFont(kStatsWindowFont);
        Printer& out = c.window ? static_cast<Printer&>(window) : paper;
        c.draw(out);
        const PrintedDocument& doc = out.document();
        QStringList missing = c.whole, names, overruns;
        for (const PrintedItem& it : doc.items) {
            missing.removeIf([&it](const QString& whole) { return it.text.contains(whole); });
            if (it.x >= c.namesFrom && it.x < c.namesTo && it.y > (c.window ? 8 : 2.2)) names << it.text;
        }
        EXPECT_EQ(missing.join(u'|').toStdString(), "");
        EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), names.size()) << names.join(u'|').toStdString();
        // A window is measured in millimetres and has no printable area.
        for (const QString& o : Overruns(doc, out))
            if (!o.contains(QLatin1String("|Names/|")) && !(c.window && o.endsWith(QLatin1String("printable area"))))
                overruns << o;
        EXPECT_EQ((overruns + OverlappingLines(doc, out)).join(u'\n').toStdString(), "");
    }
}

}  // namespace
}  // namespace fennick::test

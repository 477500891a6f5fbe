// The visitation team statistics: the pass over the edge cases, one expected table per
// team; the report on the window and on paper against golden dumps; the command by mode.

#include "StatsFixture.h"
#include "data/Errors.h"
#include "statistics/StatDataFile.h"
#include "statistics/Stats.h"
#include "statistics/TeamPrintout.h"
#include "statistics/TeamReport.h"
#include "statistics/TeamStats.h"
#include "statistics/TeamTallies.h"

namespace fennick::test {
namespace {

struct TeamCrusade : StatsCrusade {
    explicit TeamCrusade(const QList<AttendeeRecord>& records = TeamRecords(), qint16 lastMeeting = 5)
        : StatsCrusade(records, lastMeeting) {
        SetTeamVocabulary(app);
    }
};

// One team's counts, in the order of the columns below.
using Row = std::array<int, 19>;
Row RowOf(const TeamTallies& s, int team) {
    const size_t t = size_t(team);
    return {s.TeamNameCount[t],      s.TeamIntA[t],          s.TeamIntB[t],        s.TeamIntC[t],
            s.TeamBaptized[t],       s.TeamActive[t],        s.TeamActiveVisited[t], s.TeamCurrent[t],
            s.TeamCurrentVisited[t], s.TeamVisited[t],       s.TeamSabbathNames[t], s.TeamSabbathVisited[t],
            s.TeamGospelNames[t],    s.TeamGospelVisited[t], s.TeamVisitsH[t],     s.TeamVisitsM[t],
            s.TeamVisitsP[t],        s.TeamVisitsL[t],       s.TeamLastVisitMtg[t]};
}

TEST(TeamTallies, EachTeamCountsItsOwnEdgeCases) {
    TeamCrusade f;
    const TeamTallies s = TeamStatisticsPass(f.app);
    EXPECT_EQ(s.SabbathMeeting, 8);  // "sabbath" in lower case and past meeting 30 do not count
    EXPECT_EQ(s.GospelMeeting, 0);

    //                      names A  B  C  G  act av cur cv vis sab sv gos gv  H  M  P  L last
    const std::map<int, Row> expected = {
        {0, {4, 1, 0, 1, 1, 1, 1, 3, 2, 3, 2, 1, 1, 1, 2, 2, 0, 0, 10}},
        {3, {3, 0, 1, 1, 1, 0, 0, 3, 2, 2, 0, 0, 1, 1, 0, 0, 1, 1, 4}},
        {20, {1, 1, 0, 0, 0, 1, 1, 1, 1, 1, 0, 0, 0, 0, 1, 0, 0, 0, 12}},
        {21, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {40, {1, 0, 1, 0, 0, 1, 1, 1, 1, 1, 1, 0, 0, 0, 1, 1, 1, 1, 9}},
    };
    for (int team = 0; team < kTeamCount; ++team) {
        SCOPED_TRACE(team);
        EXPECT_EQ(RowOf(s, team), expected.count(team) ? expected.at(team) : Row{});
    }
    EXPECT_EQ(s.TotalLiveNames, 10);
    EXPECT_EQ(s.TotalVisited, 7);
    EXPECT_EQ(s.TotalActive, 3);
    EXPECT_EQ(s.TotalActiveVisited, 3);
    EXPECT_EQ(s.TotalCurrent, 8);
    EXPECT_EQ(s.TotalCurrentVisited, 6);

    // By the third meeting "current" is every meeting attended, and no visit is counted.
    f.app.settings.LastMeeting = 3;
    const TeamTallies early = TeamStatisticsPass(f.app);
    for (int team = 0; team < kTeamCount; ++team) {
        SCOPED_TRACE(team);
        EXPECT_EQ(early.TeamCurrent[size_t(team)], team == 0 || team == 3 ? 1 : 0);
        EXPECT_EQ(early.TeamCurrentVisited[size_t(team)], 0);
    }
}

TEST(TeamTallies, MeetingsAreFoundByTheirSermonTitles) {
    const struct {
        int at;
        const char* title;
        int sabbath, gospel;
    } rows[] = {
        {12, "The Sabbath Day", 12, 0},
        {30, "Sabbath and Gospel", 30, 30},
        {31, "The Gospel Sabbath", 8, 0},
        {5, "GOSPEL", 8, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.title);
        CrusadeSettings s;
        s.SermonTitles[size_t(r.at)] = QString::fromLatin1(r.title);
        EXPECT_EQ(MeetingWithTitle(s, QStringLiteral("Sabbath"), 8), r.sabbath);
        EXPECT_EQ(MeetingWithTitle(s, QStringLiteral("Gospel"), 0), r.gospel);
    }
}

QString WindowDump(const CrusadeSettings& s, const TeamTallies& t) {
    RecordingSurface surface;
    surface.setFont(kStatsWindowFont);
    DrawTeamReport(surface, s, t);
    return DumpDrawing(surface.displayList());
}

QString PageDump(const CrusadeSettings& s, const TeamTallies& t) {
    RecordingPrinter printer;
    PrintTeamPage(printer, s, t, QStringLiteral("Monday, March 9, 2026"));
    printer.endDoc();
    return DumpDocument(printer.documents().value(0), PrinterChoice{});
}

TEST(TeamReport, WindowAndPageMatchTheirGoldenDumps) {
    // Team 21 drawn, a name without ":", no Sabbath names in teams 1-20.
    TeamCrusade f;
    EXPECT_TRUE(MatchesGolden(WindowDump(f.app.settings, TeamStatisticsPass(f.app)), GoldenPath("teams.window.txt")));

    // Rows for teams 3, 7, 8 and 12 only: the empty line follows team 8.
    TeamCrusade rhythm({Rec("0401", "A", "A").team("03"), Rec("0402", "B", "B").team("07").visits("H04"),
                        Rec("0403", "C", "C").team("08").nights("11S11").visits("M05"),
                        Rec("0404", "D", "D").team("12").nights("11111")});
    EXPECT_TRUE(MatchesGolden(PageDump(rhythm.app.settings, TeamStatisticsPass(rhythm.app)),
                              GoldenPath("rhythm.page.txt")));

    // Every total zero.
    TeamCrusade empty(QList<AttendeeRecord>{});
    EXPECT_TRUE(MatchesGolden(PageDump(empty.app.settings, TeamStatisticsPass(empty.app)), GoldenPath("empty.page.txt")));
}

// The texts of a drawing or a page that begin with one of the visit labels, in order.
QStringList VisitTexts(const QList<PrintedItem>& items) {
    QStringList out;
    for (const PrintedItem& it : items)
        for (const char* label : {"  Total visits: ", "  Active visits: ", "  Current visits: ", "  Sabbath "})
            if (it.text.startsWith(QLatin1String(label))) out << it.text;
    return out;
}

TEST(TeamReport, WindowAndPageRoundTheVisitSharesAlike) {
    // Each visit share from the same counts, on the window and on paper: rounded to the
    // nearest whole percent, halves up.
    const struct {
        int part, whole;
        const char* percent;
    } rows[] = {{74, 106, "70"}, {1, 8, "13"}, {1, 3, "33"}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.percent);
        TeamTallies t;
        t.TotalVisited = t.TotalActiveVisited = t.TotalCurrentVisited = r.part;
        t.TotalLiveNames = t.TotalActive = t.TotalCurrent = r.whole;
        t.TeamSabbathVisited[1] = qint16(r.part);
        t.TeamSabbathNames[1] = qint16(r.whole);
        RecordingSurface surface;
        DrawTeamReport(surface, CrusadeSettings{}, t);
        RecordingPrinter printer;
        PrintTeamPage(printer, CrusadeSettings{}, t, QStringLiteral("Monday, March 9, 2026"));
        printer.endDoc();
        const QStringList texts = VisitTexts(surface.displayList()) + VisitTexts(printer.documents().value(0).items);
        ASSERT_EQ(texts.size(), 8);
        const QString percent = QString::fromLatin1(r.percent) + u'%';
        for (const QString& text : texts)
            EXPECT_TRUE(text.endsWith(u' ' + percent) || text.endsWith(u'(' + percent + u')')) << text.toStdString();
    }
}

TEST(TeamReport, ALongTeamNameStopsABlankBeforeTheRuleOfItsColumn) {
    CrusadeSettings settings;
    settings.TeamNames[1] = QStringLiteral("Men's Ministry Outreach Team:217-555-0112");
    TeamTallies t;
    t.TeamNameCount[1] = 14;
    RecordingPrinter printer;
    PrintTeamPage(printer, settings, t, QStringLiteral("Monday, March 9, 2026"));
    printer.endDoc();
    int names = 0;
    for (const PrintedItem& it : printer.documents().value(0).items) {
        if (!it.text.startsWith(QLatin1String("Men's"))) continue;
        ++names;
        const double blank = TableTextWidth(QStringLiteral(" "), it.font);
        EXPECT_LE(it.x + TableTextWidth(it.text, it.font) + blank, 4.3 + 1e-9) << it.text.toStdString();
    }
    EXPECT_EQ(names, 1);
}

// The fixture over a printer, with a window that records its drawings.
struct TeamRun : TeamCrusade {
    TeamRun() { app.hooks.statsWindow = [this] { return &screen; }; }
    RecordingStatsScreen screen;
};

TEST(TeamStats, EachModeReachesTheWindowThePrinterOrTheFile) {
    PrinterChoice pdf;
    pdf.toPdf = true;
    pdf.pdfPath = QStringLiteral("/tmp/teams.pdf");
    const struct {
        int mode;
        bool answer;  // the printer dialog's: print, or Cancel
        int drawings, printed;
    } rows[] = {
        {kStatsOnWindow, true, 1, 0},
        {kStatsPrinted, true, 1, 1},  // printed, then drawn
        {kStatsPrinted, false, 0, 0},  // Cancel: nothing, silently
        {kStatsFileOnly, true, 0, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.mode);
        TeamRun f;
        if (r.mode == kStatsPrinted) f.t.dialogs.print(r.answer ? std::optional(pdf) : std::nullopt);
        StatDataWriter file;
        TeamStats(f.app, r.mode, &file);
        ASSERT_EQ(f.screen.drawings.size(), r.drawings);
        ASSERT_EQ(f.t.printer.documents().size(), r.printed);
        EXPECT_TRUE(f.t.printer.document().items.isEmpty());
        EXPECT_FALSE(f.t.dialogs.pending());
        EXPECT_TRUE(f.t.dialogs.messages().isEmpty());
        EXPECT_EQ(f.screen.runs, 0);
        EXPECT_EQ(file.lines(), r.mode == kStatsFileOnly ? 280 : 0);
        if (r.drawings) {
            EXPECT_EQ(f.screen.shown, StatsScreen::Report::Visitation);
            EXPECT_EQ(f.app.msg.MsgText, QStringLiteral("TeamStats"));
        }
        if (r.printed) {
            EXPECT_EQ(f.t.printer.documents().first().items.first().text, QStringLiteral("Spring Visitation Report"));
        }
    }
}

}  // namespace
}  // namespace fennick::test

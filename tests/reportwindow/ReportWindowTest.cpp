// The report window without its display: the title of every kind, loading on the view
// the opener set, the master list, the arrows and keys, and the return to the main
// window when it closes.

#include "CrusadeOnDisk.h"
#include "PreviewFixture.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/RecordDisplay.h"
#include "reportwindow/ReportWindow.h"
#include "reportwindow/ViewOptions.h"
#include "views/AttendanceViews.h"
#include "views/Indexes.h"
#include "views/MailViews.h"
#include "views/PersonViews.h"
#include "views/VisitationViews.h"

#include <functional>

namespace fennick::test {
namespace {

using SetUp = std::function<void(PreviewFixture&, PrintReportsState&)>;

SetUp Built(void (*build)(App&)) {
    return [build](PreviewFixture& f, PrintReportsState&) { build(f.app); };
}
SetUp Kind(const char* kind, const std::function<void(App&)>& build) {
    return [kind, build](PreviewFixture& f, PrintReportsState&) {
        f.app.view.ReportKind = QString::fromLatin1(kind);
        build(f.app);
    };
}
SetUp Teams(const SetUp& setUp) {
    return [setUp](PreviewFixture& f, PrintReportsState& w) {
        w.chkTeam = true;
        setUp(f, w);
    };
}

struct TitleCase {
    const char* label;
    SetUp setUp;
};

// Every kind of the title table, each over the view its builder makes on the fixture.
const QList<TitleCase>& TitleCases() {
    static const QList<TitleCase> cases = {
        {"alpha", Built(IndexAlpha)},
        {"alphafilter", Built(IndexAlphaCutoff)},
        {"attend", Built(IndexAttend)},
        {"wcalpha", Built(IndexTeamAlpha)},
        {"wcattend", Built(IndexTeamAttend)},
        {"baptism", [](PreviewFixture& f, PrintReportsState&) { IndexBaptisms(f.app, QStringLiteral("Al")); }},
        {"baptism by team",
         Teams([](PreviewFixture& f, PrintReportsState&) { IndexBaptisms(f.app, QStringLiteral("TC")); })},
        {"date", Built(IndexBaptismDate)},
        {"FutureBapDateSet", Built(IndexFutureBaptismDate)},
        {"CleanMailList", Built(IndexCleanMailList)},
        {"DupAddress", [](PreviewFixture& f, PrintReportsState&) { IndexDuplicateAddresses(f.app, "All"); }},
        {"TDupAddress", [](PreviewFixture& f, PrintReportsState&) { IndexDuplicateAddresses(f.app, "team error"); }},
        {"NDupAddress", [](PreviewFixture& f, PrintReportsState&) { IndexDuplicateAddresses(f.app, "last name"); }},
        {"interest", [](PreviewFixture& f, PrintReportsState&) { IndexInterest(f.app, QStringLiteral("Al")); }},
        {"interest by team",
         Teams([](PreviewFixture& f, PrintReportsState&) { IndexInterest(f.app, QStringLiteral("TC")); })},
        {"NeedInterview", [](PreviewFixture& f, PrintReportsState&) { IndexNeedInterview(f.app, false); }},
        {"WCNeedInterview", [](PreviewFixture& f, PrintReportsState&) { IndexNeedInterview(f.app, true); }},
        {"NeedDate", Built(IndexNeedBaptismDate)},
        {"needsabvis", Built(IndexNeedSabbathVisit)},
        {"NoAssignedInterest", Built(IndexNoInterest)},
        {"InterviewRemain", Built(IndexInterviewRemaining)},
        {"BaptClass", Built(IndexBaptismClass)},
        {"zip", Built(IndexZip)},
        {"map", Built(IndexMapCode)},
        {"mail", Built(IndexMailList)},
        {"mail for labels",
         [](PreviewFixture& f, PrintReportsState& w) {
             w.chkPrnMailLabels = true;
             IndexMailList(f.app);
         }},
        {"marked", Built(IndexMarked)},
        {"notes", Built(IndexNotes)},
        {"PreCrusade", Built(IndexPreMeeting)},
        {"TotalAttend",
         [](PreviewFixture& f, PrintReportsState&) {
             f.app.view.FilterChoice = QStringLiteral("atleast");
             IndexTotalAttend(f.app, false);
         }},
        {"religion",
         [](PreviewFixture& f, PrintReportsState&) {
             f.app.settings.ReligionNames[0] = QStringLiteral("SDA");
             IndexReligion(f.app, QStringLiteral("SDA"));
         }},
        {"decisions", Kind("decision 5", [](App& a) { IndexDecisions(a, false); })},
        {"SelWCAttend name and telephone", [](PreviewFixture& f, PrintReportsState&) {
             QString team = QStringLiteral("03");
             IndexSelectedTeam(f.app, team, QStringLiteral("At"));
         }},
        {"SelWCAttend telephone only", [](PreviewFixture& f, PrintReportsState&) {
             QString team = QStringLiteral("07");
             IndexSelectedTeam(f.app, team, QStringLiteral("Al"));
         }},
        {"SelWCAttend empty name", [](PreviewFixture& f, PrintReportsState&) {
             QString team = QStringLiteral("12");
             IndexSelectedTeam(f.app, team, QStringLiteral("At"));
         }},
        {"missednight", Kind("missednight03", [](App& a) { IndexMissedMeetings(a, false); })},
        {"attendnight", Kind("attendnight05", [](App& a) { IndexAttendNight(a, false); })},
        {"age (no title: master list)", Built(IndexAge)},
    };
    return cases;
}

TEST(PreviewTitles, GoldenTitleAndCountOfEveryKind) {
    QByteArray all;
    QStringList kindsSeen;
    for (const TitleCase& c : TitleCases()) {
        PreviewFixture f;
        PrintReportsState w;
        c.setUp(f, w);
        const QString built = f.app.view.ReportKind;
        kindsSeen << SplitViewKind(built).kind;
        PreviewReport(f.app, w);
        all += QByteArray(c.label) + " | " + built.toLatin1() + " | " + Ansi(w.CrTitleBox) + " | " +
               Ansi(w.boxMailLabelIndicator) + '\n';
    }
    ExpectGolden(QStringLiteral("titles.txt"), all);
    for (const QString& kind : PreviewTitleKinds()) EXPECT_TRUE(kindsSeen.contains(kind)) << kind.toStdString();
}

struct EdgeTitle {
    const char* kind;
    const char* teamEntry;  // team 5's entry
    const char* title;
};

class TitleEdges : public ::testing::TestWithParam<EdgeTitle> {};

TEST_P(TitleEdges, NumbersFromTheKindAreCheckedBeforeUse) {
    PreviewFixture f;
    f.app.settings.TeamNames[5] = QString::fromLatin1(GetParam().teamEntry);
    const auto [kind, number] = SplitViewKind(QString::fromLatin1(GetParam().kind));
    EXPECT_EQ(PreviewTitle(f.app, PrintReportsState{}, kind, number), QString::fromLatin1(GetParam().title));
}

INSTANTIATE_TEST_SUITE_P(
    Table, TitleEdges,
    ::testing::Values(EdgeTitle{"SelWCAttend05", "Lions:555-0105", "05- Lions555-0105 "},
                      EdgeTitle{"SelWCAttend05", "Lions", "05- Lions "},
                      EdgeTitle{"SelWCAttend05", "Lions:", "05- Lions "},
                      EdgeTitle{"SelWCAttend41", "", "Team 41"},
                      EdgeTitle{"SelWCAttend99", "", "Team 99"},
                      EdgeTitle{"SelWCAttendxx", "", "Team xx"},
                      EdgeTitle{"decisions0", "", "Spring: "},
                      EdgeTitle{"decisionsx", "", "Spring: "},
                      EdgeTitle{"decision 9", "", "Spring: Unite"},
                      EdgeTitle{"missednight05", "", "Missed Last 5 Night(s)"},
                      EdgeTitle{"attendnight05", "", "Spring: Meeting: 05"},
                      EdgeTitle{"IntCard", "", ""}));

// --- Loading ---------------------------------------------------------------------------------

struct LoadCase {
    const char* name;
    std::function<void(App&)> build;
    bool dropFilter;
    const char* title;
    bool saveFilterTicked;
    bool dropFilterAfter;
};

class Loading : public ::testing::TestWithParam<LoadCase> {};

TEST_P(Loading, OpensOnTheViewItsOpenerSet) {
    const LoadCase& c = GetParam();
    PreviewFixture f;
    c.build(f.app);
    f.app.program.DropFilterOnExit = c.dropFilter;
    const QString kind = f.app.view.ReportKind;
    const QList<QByteArray> entries = f.fx.entries();
    PrintReportsState w;
    Form_Load(f.app, w);
    EXPECT_EQ(w.CrTitleBox, QString::fromLatin1(c.title));
    EXPECT_EQ(f.app.view.ReportKind, kind);
    EXPECT_EQ(f.fx.entries(), entries);
    EXPECT_EQ(w.BaseMLFilter, kind);
    EXPECT_EQ(w.ChkSaveFilter, c.saveFilterTicked);
    EXPECT_EQ(f.app.program.DropFilterOnExit, c.dropFilterAfter);
    EXPECT_TRUE(w.infoVisible);
    EXPECT_EQ(w.VScroll1, 1);
    EXPECT_EQ(w.focusRequest, QStringLiteral("VScroll1"));
    EXPECT_TRUE(w.Info.startsWith(FromAnsi(showScrollInfo(f.app, PageOptions{}).lines[0].text)));
}

INSTANTIATE_TEST_SUITE_P(
    Table, Loading,
    ::testing::Values(
        LoadCase{"baptismDropping", [](App& a) { IndexBaptisms(a, "Al"); }, true, "Baptism List (3)", false, true},
        LoadCase{"interestKept", [](App& a) { IndexInterest(a, "Al"); }, false, "Priority Interest List (17)", true,
                 false},
        LoadCase{"mailDropping", IndexMailList, true, "Spring (20)", false, true},
        LoadCase{"alphaDropping", IndexAlpha, true, "Master Alphabetical List (22)", false, true},
        LoadCase{"dupAddressKeptIsDropped", [](App& a) { IndexDuplicateAddresses(a, "All"); }, false,
                 "Duplicate Addresses- All (10)", false, true},
        LoadCase{"dupAddressDropping", [](App& a) { IndexDuplicateAddresses(a, "All"); }, true,
                 "Duplicate Addresses- All (10)", false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoadingTest, SetsCaptionsButtonsAndOptionsFromTheSettings) {
    PreviewFixture f;
    IndexAttend(f.app);
    PrintReportsState w;
    Form_Load(f.app, w);
    EXPECT_EQ(w.caption, QStringLiteral("Preview Spring Meeting Number: 12"));
    EXPECT_EQ(w.PrintCutOffBox, QStringLiteral("3"));
    EXPECT_EQ(w.optAtCaption, QStringLiteral("Attend 12"));
    EXPECT_EQ(w.leftButton, LeftButton::Edit);
    EXPECT_EQ(w.optSortOpt, kSortAttend);
    EXPECT_EQ(w.btnTeamCaption[0], QStringLiteral(" 0"));
    EXPECT_EQ(w.btnTeamCaption[9], QStringLiteral(" 9"));
    EXPECT_EQ(w.btnTeamCaption[20], QStringLiteral("20"));
    EXPECT_EQ(w.btnTeamCaption[21], QStringLiteral("All"));
    for (int i = 0; i < kSelectButtons; ++i) {
        EXPECT_EQ(w.btnSelectVisible[size_t(i)], i <= 8) << i;
        EXPECT_EQ(w.btnSelectCaption[size_t(i)], i <= 8 ? f.app.settings.DecisionNames[size_t(i) + 1] : QString());
    }
    EXPECT_EQ(w.btnSelectChosen, -1);
    EXPECT_EQ(w.PVDecisionsCaption, QStringLiteral("View Churches"));
    EXPECT_TRUE(w.chkMailOptVisible);
    EXPECT_FALSE(w.chkMailOpt0);
    EXPECT_EQ(f.app.settings.ReligionNames[0], QStringLiteral("Church Preference"));
    EXPECT_EQ(w.PVInterestLevelToolTip,
              QStringLiteral("Displays Names arranged by Interest Level.  Includes Interest Levels A, B, C and G  Level "
                             "G is for those who have been Baptized"));
    EXPECT_EQ(w.clickSwitch, QStringLiteral("E"));
    EXPECT_EQ(w.LastVpage, 1);
}

TEST(LoadingTest, EmptyViewKeepsThePageHiddenWithItsMessage) {
    PreviewFixture f;
    IndexMarked(f.app);
    EmptyView(f.app.view);
    PrintReportsState w;
    Form_Load(f.app, w);
    EXPECT_EQ(w.CrTitleBox, QStringLiteral("Marked Cards (0)"));
    EXPECT_FALSE(w.infoVisible);
    EXPECT_EQ(w.Info, kPreviewEmptyText);
    Form_Activate(f.app, w);
    EXPECT_FALSE(w.infoVisible);
    EXPECT_EQ(w.Info, QStringLiteral("There are no names to display with this filter.\r\n"));
    EXPECT_EQ(w.VScroll1, 0);
}

TEST(ActivationTest, RedrawsThePageOrPreviewsAListReplacedMeanwhile) {
    PreviewFixture f;
    IndexZip(f.app);
    PrintReportsState w;
    Form_Load(f.app, w);
    w.VScroll1 = 5;
    Form_Activate(f.app, w);
    EXPECT_EQ(w.CrTitleBox, QStringLiteral("Zipcode List (17)"));
    EXPECT_EQ(w.page.top, 5);
    // A cut-off changed on the main window runs the box's rule: the list is rebuilt.
    f.app.settings.PrintCutOff = 2;
    Form_Activate(f.app, w);
    EXPECT_EQ(w.PrintCutOffBox, QStringLiteral("2"));
    EXPECT_EQ(w.CrTitleBox, QStringLiteral("Zipcode List (19)"));
    EXPECT_EQ(w.page.top, 1);

    // The main window beside the preview changes the cut-off and builds another list,
    // which is shown as it was built.
    f.app.settings.PrintCutOff = 3;
    IndexMailList(f.app);
    Form_Activate(f.app, w);
    EXPECT_EQ(w.PrintCutOffBox, QStringLiteral("3"));
    EXPECT_EQ(w.CrTitleBox, QStringLiteral("Spring (20)"));
    EXPECT_EQ(w.page.top, 1);
    EXPECT_EQ(w.page.lines[0].text.left(5), QByteArray("(ML) "));
}

TEST(LoadingTest, KindWithoutTitlePreviewsTheMasterListInItsSortOrder) {
    PreviewFixture f;
    IndexAge(f.app);
    PrintReportsState w;
    Form_Load(f.app, w);
    EXPECT_EQ(f.app.view.ReportKind, QStringLiteral("alphafilter"));
    EXPECT_EQ(w.CrTitleBox, QStringLiteral("Master Alphabetical List (17)"));
    EXPECT_EQ(w.txtInstructions, kMasterListHint);
}

// --- Master list, arrows, keys ---------------------------------------------------------------

struct MasterCase {
    int sort;
    bool teams;
    const char* kind;
    const char* title;
};

class MasterList : public ::testing::TestWithParam<MasterCase> {};

TEST_P(MasterList, RebuildsInTheChosenOrder) {
    PreviewFixture f;
    IndexMailList(f.app);
    PrintReportsState w;
    Form_Load(f.app, w);
    w.optSortOpt = GetParam().sort;
    w.chkTeam = GetParam().teams;
    w.btnSelectChosen = 3;
    w.VScroll1 = 7;
    MasterListButton_Click(f.app, w);
    EXPECT_EQ(f.app.view.ReportKind, QString::fromLatin1(GetParam().kind));
    EXPECT_EQ(w.CrTitleBox, QString::fromLatin1(GetParam().title));
    EXPECT_EQ(w.txtInstructions, QStringLiteral("# -Baptism Date Set"));
    EXPECT_EQ(w.btnSelectChosen, -1);
    EXPECT_EQ(w.VScroll1, 1);
    EXPECT_EQ(w.page.top, 1);
}

INSTANTIATE_TEST_SUITE_P(Table, MasterList,
                         ::testing::Values(MasterCase{kSortAttend, false, "attend", "Master Attendance List (17)"},
                                           MasterCase{kSortAttend, true, "wcattend", "Attendance List by Team (17)"},
                                           MasterCase{kSortAlphabet, false, "alphafilter",
                                                      "Master Alphabetical List (17)"},
                                           MasterCase{kSortAlphabet, true, "wcalpha",
                                                      "Alphabetical List by Team (17)"}));

TEST(CutOffArrows, StopAtTheMeetingBeforeTheLastAndAtZero) {
    PreviewFixture f;
    IndexAlphaCutoff(f.app);
    PrintReportsState w;
    Form_Load(f.app, w);
    struct Step {
        qint16 cutOff;
        bool up;
        const char* box;
    };
    // The box's Change rule sets PrintCutOff; here each step starts from the cut-off given.
    for (const Step& s : {Step{10, true, "11"}, Step{11, true, "11"}, Step{12, true, "12"}, Step{1, false, "0"},
                          Step{0, false, "0"}}) {
        f.app.settings.PrintCutOff = s.cutOff;
        w.PrintCutOffBox = QString::number(s.cutOff);
        IndexAlphaCutoff(f.app);
        if (s.up)
            btnVscrollUp_Click(f.app, w);
        else
            btnVScrollDn_Click(f.app, w);
        EXPECT_EQ(w.PrintCutOffBox, QString::fromLatin1(s.box)) << s.cutOff << (s.up ? " up" : " down");
        // The box's rule takes the new cut-off and rebuilds the list in attendance order.
        EXPECT_EQ(f.app.settings.PrintCutOff, QString::fromLatin1(s.box).toInt());
        const bool moved = QString::number(s.cutOff) != QLatin1String(s.box);
        EXPECT_EQ(f.app.view.ReportKind, moved ? QStringLiteral("attend") : QStringLiteral("alphafilter"));
    }
}

TEST(ScrollKeys, HelpCloseAndInertKeys) {
    PreviewFixture f;
    PrintReportsState w;
    EXPECT_TRUE(VScroll1_KeyDown(f.app, w, previewkey::F1));
    EXPECT_EQ(f.fx.t.dialogs.messages(), QStringList{QStringLiteral("Help for Viewing Reports")});
    EXPECT_FALSE(w.unloadRequested);
    for (int key : {previewkey::F2, previewkey::PageUp, previewkey::PageDown}) EXPECT_TRUE(VScroll1_KeyDown(f.app, w, key));
    for (int key : {38, 40, 36, 35}) EXPECT_FALSE(VScroll1_KeyDown(f.app, w, key));  // arrows, Home, End
    EXPECT_FALSE(w.unloadRequested);
    EXPECT_TRUE(VScroll1_KeyDown(f.app, w, previewkey::Escape));
    EXPECT_TRUE(w.unloadRequested);
    EXPECT_EQ(f.fx.t.dialogs.shown().size(), 1u);
}

TEST(Buttons, HelpExplainsVisitEntry) {
    PreviewFixture f;
    HelpButton_Click(f.app);
    const auto& shown = f.fx.t.dialogs.last();
    EXPECT_EQ(shown.title, QStringLiteral("Entering Visit Information"));
    EXPECT_TRUE(shown.text.startsWith(QStringLiteral("First click the Visits Option Button.\r\nThe default display")));
    EXPECT_TRUE(shown.text.endsWith(
        QStringLiteral("Hold the Ctrl key and Click anywhere in the Visits area for the name to delete the last "
                       "visit.\r\n\r\n")));
    EXPECT_EQ(shown.text.count(QStringLiteral("\r\n")), 14);
    EXPECT_EQ(f.app.msg.MsgAnswer, QStringLiteral("1"));
}

TEST(Buttons, StatisticsCallsItsHookAndTitleClickFocusesTheBar) {
    PreviewFixture f;
    Command1_Click(f.app);  // no statistics window yet: nothing happens
    int calls = 0;
    f.app.hooks.showCrusadeStatistics = [&] { ++calls; };
    Command1_Click(f.app);
    EXPECT_EQ(calls, 1);
    PrintReportsState w;
    CrTitleBox_Click(w);
    EXPECT_EQ(w.focusRequest, QStringLiteral("VScroll1"));
}

TEST(SaveFilterBox, TickedKeepsTheViewAfterClosing) {
    PreviewFixture f;
    PrintReportsState w;
    SetChkSaveFilter(f.app, w, true);
    EXPECT_FALSE(f.app.program.DropFilterOnExit);
    SetChkSaveFilter(f.app, w, false);
    EXPECT_TRUE(f.app.program.DropFilterOnExit);
    // Setting the value it has already runs no rule.
    f.app.program.DropFilterOnExit = false;
    SetChkSaveFilter(f.app, w, false);
    EXPECT_FALSE(f.app.program.DropFilterOnExit);
}

// --- Include 'F' ---------------------------------------------------------------------------

// An interest list built now, as the main window's print builds its own, holds level F.
bool InterestListHasLevelF(App& app) {
    IndexInterest(app, QStringLiteral("Al"));
    for (int i = 1; i <= app.view.ReportCount; ++i)
        if (ReadRecord(app, app.view.recordNumberAt(i)).IntLevel.bytes() == "F") return true;
    return false;
}

// The box is ticked in one opening of the window; what then clears it.
TEST(IncludeFBox, LivesOnlyAsLongAsTheWindowAndTheCrusade) {
    const std::pair<const char*, std::function<void(PreviewFixture&, PrintReportsState&)>> rows[] = {
        {"the next opening", [](PreviewFixture& f, PrintReportsState&) {
             IndexAlpha(f.app);
             PrintReportsState next;
             Form_Load(f.app, next);
         }},
        {"closing the window", [](PreviewFixture& f, PrintReportsState& w) {
             FakeScreen screen;
             Form_Unload(f.app, w, screen);
         }},
        {"opening another crusade", [](PreviewFixture& f, PrintReportsState&) {
             CrusadeSpec other;
             other.records = {Rec("0201", "Fay", "Ford").level("F")};
             ASSERT_TRUE(OpenCrusade(f.app, WriteCrusade(f.fx.t, f.fx.t.path(QStringLiteral("other")),
                                                         QStringLiteral("autumn"), other)));
         }},
    };
    for (const auto& [name, then] : rows) {
        SCOPED_TRACE(name);
        PreviewFixture f;
        PrintReportsState w;
        IndexAttend(f.app);
        Form_Load(f.app, w);
        SetCkIncludeF(f.app, w, true);
        ASSERT_TRUE(InterestListHasLevelF(f.app));
        then(f, w);
        EXPECT_FALSE(f.app.view.IncludeF);
        EXPECT_FALSE(InterestListHasLevelF(f.app));
    }
}

// --- Closing -----------------------------------------------------------------------------------

struct CloseCase {
    const char* name;
    bool saveFilter;
    bool emptyView;
    bool disableCutoff;
    const char* kindAfter;
    bool showAll;
    qint16 cutOffAfter;
};

class Closing : public ::testing::TestWithParam<CloseCase> {};

TEST_P(Closing, ReturnsToTheMainWindowOnTheFirstRecordOfItsView) {
    const CloseCase& c = GetParam();
    PreviewFixture f;
    FakeScreen screen;
    f.app.hooks.editForm = &screen;
    bool addMode = false;
    f.app.hooks.startAddMode = [&] { addMode = true; };
    IndexZip(f.app);
    if (c.emptyView) EmptyView(f.app.view);
    PrintReportsState w;
    Form_Load(f.app, w);
    SetChkSaveFilter(f.app, w, c.saveFilter);
    w.chkDisableCutoff = c.disableCutoff;
    w.PrintCutOffBox = QStringLiteral("7");
    f.app.view.CurIndexPos = 9;  // left by a click on a line
    f.app.printer().printOnLine(QStringLiteral("half a report"));
    // What editing from a line changed on the main window.
    screen.windowVisible = false;
    screen.setVisible(QStringLiteral("ReturnToPreviewMsg"), true);
    for (const char* n : {"SearchBox", "btnDelete", "btnViewFile", "FndNameBx", "EntInd"})
        screen.setVisible(QLatin1String(n), false);
    screen.setText(QStringLiteral("EntInd"), QStringLiteral("x"));
    for (const char* n : {"mnuPrint", "mnuFilterS", "ChgRec(2)"}) screen.setEnabled(QLatin1String(n), false);

    Form_Unload(f.app, w, screen);

    const CurrentView& v = f.app.view;
    EXPECT_EQ(v.ReportKind, QString::fromLatin1(c.kindAfter));
    EXPECT_EQ(screen.isVisible(QStringLiteral("ShowAll")), c.showAll);
    EXPECT_EQ(f.app.settings.PrintCutOff, c.cutOffAfter);
    EXPECT_EQ(w.LastVpage, 0);
    EXPECT_TRUE(f.app.printer().document().items.isEmpty());
    EXPECT_TRUE(screen.windowVisible);
    EXPECT_FALSE(screen.isVisible(QStringLiteral("ReturnToPreviewMsg")));
    for (const char* n : {"SearchBox", "btnDelete", "btnViewFile", "FndNameBx", "EntInd"})
        EXPECT_TRUE(screen.isVisible(QLatin1String(n))) << n;
    EXPECT_EQ(screen.text(QStringLiteral("EntInd")), QString());
    for (const char* n : {"mnuPrint", "mnuFilterS", "ChgRec(2)"}) EXPECT_TRUE(screen.isEnabled(QLatin1String(n))) << n;
    // The record shown is the first of the view, and the counter says so.
    ASSERT_GT(v.ReportCount, 0);
    EXPECT_FALSE(addMode);
    EXPECT_EQ(v.CurIndexPos, 1);
    EXPECT_EQ(f.app.crusade.CurRecNo, v.recordNumberAt(1));
    EXPECT_EQ(screen.text(QStringLiteral("RNum")), FromAnsi(v.ReportIndex[1].left(4)));
    EXPECT_EQ(screen.text(QStringLiteral("RecordCounter")), QStringLiteral("1 of %1").arg(v.ReportCount));
}

INSTANTIATE_TEST_SUITE_P(
    Table, Closing,
    ::testing::Values(CloseCase{"dropped", false, false, false, "alpha", false, 3},
                      CloseCase{"kept", true, false, false, "zip", true, 3},
                      CloseCase{"keptButEmpty", true, true, false, "alpha", false, 3},
                      CloseCase{"disabledCutOffRestored", false, false, true, "alpha", false, 7}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fennick::test

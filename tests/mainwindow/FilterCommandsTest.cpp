#include "FakePlatform.h"
#include "FakeScreen.h"
#include "ViewFixture.h"
#include "data/App.h"
#include "data/DataStore.h"
#include "data/Messages.h"
#include "mainwindow/FilterCommands.h"
#include "mainwindow/MainLifecycle.h"
#include "mainwindow/Navigation.h"
#include "views/Indexes.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace fennick;
using namespace fennick::test;

namespace {

const QString A = "Click the 'Show All Names' button to restore all names in alphabetical order.";
const QString B = "Press the Red 'Show All Names' button on the button bar to restore all names in alphabetical order.";
const QString C = "Click the 'Show all Names' button to restore all names in alphabetical order.";
const QString D = "Click the red 'Show All Names' Button to restore all names in alphabetical order.";
const QString E = "Press the  'All Names' button on the button bar to restore all names in alphabetical order.";
const QString NL = "\r\n";

// The fixture's records and one more who made decision 3.
QList<AttendeeRecord> Records() {
    QList<AttendeeRecord> records = FixtureRecords();
    records << Rec("0122", "Val", "Zorn").nights("------------").last(12).decisions("--3------");
    return records;
}

// One live record that no view but the alphabetical one takes (with cut-off 3).
QList<AttendeeRecord> Nobody() {
    return {Rec("0001", "Al", "Lone").nights("").level("E").mail(0).address("Lone Rd")};
}

struct FilterCommandsTest : ::testing::Test {
    std::unique_ptr<ViewFixture> fx;
    App* app = nullptr;
    FakeScreen screen;
    bool addModeStarted = false;
    int pickedDecision = 3;

    void open(const QList<AttendeeRecord>& records = Records()) {
        fx = std::make_unique<ViewFixture>(records, 12, 3);
        app = &fx->app;
        app->hooks.editForm = &screen;
        app->hooks.startAddMode = [this] { addModeStarted = true; };
        app->hooks.showDecisionPicker = [this](int) {
            if (pickedDecision == 0) return false;
            app->view.ReportKind = QStringLiteral("decision %1").arg(pickedDecision);
            return true;
        };
        app->hooks.showAttendanceFilters = [this] {
            app->settings.TotalAttendNum = 5;
            app->msg.ScratchVar = QStringLiteral("atleast");
        };
        app->settings.DecisionNames[3] = QStringLiteral("Keep the Sabbath");
        app->settings.TeamNames[7] = QStringLiteral("Lions:555-0107");
        ShowAll_Click(*app, screen);
        screen.setText(QStringLiteral("FndNameBx"), QStringLiteral("Smith"));
        screen.setBackColor(QStringLiteral("Notes"), kHighlightColour);  // left by an earlier view
    }
    FakeDialogs& dialogs() { return fx->t.dialogs; }
    void queue(const QStringList& answers) {
        for (const QString& a : answers) dialogs().type(a);
    }
    QString label() const { return screen.text(QStringLiteral("EditLabel")); }
};

TEST_F(FilterCommandsTest, EachCommandShowsItsViewHighlightsItsKeyAndSaysWhatTheListHolds) {
    struct Case {
        const char* command;
        QStringList answers;  // input boxes, in order
        const char* kind;
        QStringList highlighted;
        QString label;
        QString message;
        bool hint;
        bool filtersEnabled;
        bool keepsFoundName;
    };
    const Case cases[] = {
        {"mnuAlphaCutOffFilter",
         {""},
         "alphafilter",
         {},
         "Alphabetical List" + NL + "Last Mtg >3",
         "Names have been sorted and filtered ALPHABETICALLY Print cutoff is 3" + NL + NL + D,
         true,
         false,
         false},
        {"mnuSelTeamCode",
         {"7"},
         "SelWCAttend07",
         {"WorkerCode"},
         "Team Code: 07" + NL + "Lions",
         "Names have been sorted and filtered to show only those who have been ASSIGNED TO TEAM: 07" + NL + "Lions" +
             NL + NL + A,
         false,
         true,
         true},
        {"mnuWCAlpha",
         {""},
         "wcalpha",
         {"Last", "WorkerCode"},
         "Team Codes" + NL + "Last Mtg >3",
         "Names have been sorted and filtered by TEAM CODE." + NL + NL + C,
         true,
         true,
         false},
        {"mnuAttendFilter",
         {""},
         "attend",
         {"Attendance", "Last"},
         "Attendance" + NL + "last mtg >3",
         "Names have been sorted according to the Nightly Attendance.  All names present at the last meeting will be "
         "first Followed by the next to last meeting, etc." +
             NL + NL + A,
         true,
         true,
         false},
        {"mnuFilterSelMtg",
         {"5"},
         "attendnight 5",
         {"Attendance"},
         "Attendance for " + NL + "Mtg:  5",
         "Names have been sorted and filtered to show only those who ATTENDED MEETING 5" + NL + NL + A,
         false,
         true,
         true},
        {"mnuFilterMissedMtgs",
         {"3"},
         "missednight03",
         {"Last"},
         "Missed Last " + NL + "03 night(s).",
         "Names have been filtered to show those who have missed 3 night(s)." + NL + NL + A,
         true,
         true,
         false},
        {"mnuTotalAttend",
         {},
         "TotalAttend",
         {"Attend", "Last"},
         "Total Meetings" + NL + "Attended =5",
         "Names have been sorted to show those who have attended at least 5 times." + NL + NL + A,
         true,
         false,
         false},
        {"mnuAdvFilter",
         {""},
         "Advertising",
         {"Advertising"},
         "",
         "Names have been sorted according to Advertising.  All names present at the last meeting will be first "
         "Followed by the next to last meeting, etc." +
             NL + NL +
             "There will be more names present than the total names in the file because each person may have "
             "checked one or more advertising methods." +
             NL + NL + NL + A,
         true,
         true,
         false},
        {"mnuAgeFilter",
         {""},
         "age",
         {"Age"},
         "",
         "Names have been sorted according to Age." + NL + NL + NL + A,
         true,
         true,
         false},
        {"mnuBaptisms",
         {},
         "baptism",
         {"IntLevel"},
         "Baptism List",
         "Names have been sorted and filtered to show only those who have been BAPTIZED" + NL + NL + A,
         false,
         true,
         false},
        {"mnuBapDate",
         {},
         "date",
         {"BaptDate"},
         "Baptism Dates",
         "Names have been sorted by Baptism Dates Set and filtered to show only those who have a baptism date set." +
             NL + B,
         true,
         true,
         false},
        {"mnuDecisionsFilter",
         {},
         "decisions3",
         {"Dec(2)"},
         "Keep the Sabbath",
         "Names have been sorted and filtered to show only those who have made the DECISION: KEEP THE SABBATH" + NL +
             NL + A,
         false,
         false,
         false},
        {"mnuAddressFilter",
         {},
         "DupAddress",
         {"Address"},
         "Duplicate" + NL + "Address ",
         "Names have been sorted and filtered to show only those who have DUPLICATE ADDRESESS" + NL + NL + A,
         false,
         true,
         false},
        {"mnuIntLevel",
         {},
         "interest",
         {"IntLevel"},
         "Priority List",
         "Names have been sorted by Interest Level and filtered to show only those who have an Interest Level of A, "
         "B, C, or have been Baptized" +
             NL + E,
         true,
         true,
         false},
        {"mnuMailList",
         {},
         "mail",
         {"MailList"},
         "Mail List Filter",
         "Names have been sorted and filtered to show only those who are on the MAIL LIST." + NL + NL + A,
         false,
         true,
         false},
        {"mnuNeedInterview",
         {},
         "NeedInterview",
         {"Class"},
         "Baptism List",
         "Names have been sorted and filtered to show only those 'A' Interests who have not made an appointment for "
         "a baptism interview." +
             NL + NL + A,
         false,
         true,
         false},
        {"mnuNotes",
         {},
         "notes",
         {"Notes"},
         "Cards with Notes",
         "Names have been sorted and filtered to show only those who have NOTES on their cards." + NL + NL + A,
         false,
         true,
         false},
        {"munPre",
         {},
         "PreCrusade",
         {"Advertising"},
         "Pre-Crusade" + NL + "Guests",
         "Names have been filtered to show only those who attended as a result of Pre-Crusade Invitations." + NL +
             "These names are selected by the 'O' for other and 'I' for Invitation fields being marked.    " + NL + B,
         true,
         true,
         false},
        {"mnuReligion",
         {""},
         "religion",
         {"RelPref"},
         "Religion" + NL + "Last Mtg >3",
         "Names have been sorted and filtered by RELIGIOUS PREFERENCE." + NL + NL + C,
         true,
         true,
         false},
        {"mnuZips",
         {""},
         "zip",
         {"Zip"},
         "Zip Code Filter",
         "Names have been sorted and filtered By ZIP CODES." + NL + NL + A,
         true,
         true,
         false},
        {"mnuMarked",
         {},
         "marked",
         {"chkMarkToVisit"},
         "Marked Names",
         "Names have been filtered to show only those which you have selected with the 'Mark to Print' box." + NL + B,
         true,
         true,
         false},
    };
    QStringList covered;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        open();
        queue(c.answers);
        ASSERT_TRUE(RunFilterCommand(*app, screen, QString::fromLatin1(c.command)));
        covered << QString::fromLatin1(c.command);

        EXPECT_EQ(app->view.ReportKind, QString::fromLatin1(c.kind));
        ASSERT_GT(app->view.ReportCount, 0);
        EXPECT_EQ(app->view.CurIndexPos, 1);
        EXPECT_EQ(screen.text("RNum"), QString::fromLatin1(app->view.ReportIndex[1].left(4)));
        EXPECT_EQ(app->mainWindow.EnteredRNum, screen.text("RNum"));
        EXPECT_EQ(screen.highlighted(), c.highlighted);
        EXPECT_EQ(label(), c.label);
        EXPECT_EQ(dialogs().messages(), QStringList{c.message});
        EXPECT_FALSE(dialogs().pending());
        EXPECT_TRUE(screen.isVisible("ShowAll"));
        EXPECT_EQ(screen.isVisible("lblNextFieldBtn"), c.hint);
        EXPECT_EQ(screen.isEnabled("mnuFilterS"), c.filtersEnabled);
        EXPECT_EQ(screen.text("FndNameBx"), c.keepsFoundName ? "Smith" : "");
        EXPECT_FALSE(addModeStarted);
    }
    EXPECT_EQ(covered, FilterViewCommands());
}

TEST_F(FilterCommandsTest, WithoutACutOffTheLastNightIsNotHighlighted) {
    struct Case {
        const char* command;
        QStringList answers;
        QStringList highlighted;
        QString label;
    };
    const Case cases[] = {
        {"mnuAttendFilter", {"0"}, {"Attendance"}, "Attendance" + NL + "last mtg >0"},
        {"mnuTotalAttend", {}, {"Attend"}, "Total Meetings" + NL + "Attended =5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        open();
        app->settings.PrintCutOff = 0;
        queue(c.answers);
        RunFilterCommand(*app, screen, QString::fromLatin1(c.command));
        EXPECT_EQ(app->settings.PrintCutOff, 0);
        EXPECT_EQ(screen.highlighted(), c.highlighted);
        EXPECT_EQ(label(), c.label);
    }
}

TEST_F(FilterCommandsTest, TheScreenGivenHasItsEarlierHighlightsTakenOff) {
    open();
    FakeScreen mainWindow;  // the application's main window is another screen
    app->hooks.editForm = &mainWindow;
    mainWindow.setBackColor(QStringLiteral("Zip"), kHighlightColour);
    RunFilterCommand(*app, screen, QStringLiteral("mnuTotalAttend"));
    EXPECT_EQ(screen.highlighted(), (QStringList{"Attend", "Last"}));  // no longer Notes
    EXPECT_EQ(mainWindow.highlighted(), QStringList{QStringLiteral("Zip")});
}

TEST_F(FilterCommandsTest, AnEmptyViewIsReportedAndAllNamesReturnWithoutAddMode) {
    const QString none = "There are no names to display";
    struct Case {
        const char* command;
        QStringList answers;
        QStringList messages;
    };
    const Case cases[] = {
        {"mnuAlphaCutOffFilter", {""}, {none}},
        {"mnuSelTeamCode", {"7"}, {none}},
        {"mnuWCAlpha", {""}, {none}},
        {"mnuAttendFilter", {""}, {none}},
        {"mnuFilterSelMtg", {"5"}, {"There are no records for this filter."}},
        {"mnuFilterMissedMtgs", {"3"}, {"There were no names who have missed " + NL + "3 night(s)." + NL}},
        {"mnuTotalAttend", {}, {"There are no names to view."}},
        {"mnuAdvFilter", {""}, {none}},
        {"mnuAgeFilter", {""}, {none}},
        {"mnuBaptisms", {}, {"There are no baptisms to display"}},
        {"mnuBapDate", {}, {"There are no baptisms dates set."}},
        {"mnuDecisionsFilter", {}, {"There are no decisions to display"}},
        {"mnuAddressFilter", {}, {"There are no duplicate addresses to display."}},
        {"mnuIntLevel", {}, {"There are no Priority Interests to display"}},
        {"mnuMailList", {}, {"There are no names on the mail list to display"}},
        {"mnuNeedInterview", {}, {none}},
        {"mnuNotes", {}, {"There are no Cards with Notes to display"}},
        {"munPre", {}, {"There are no names for this filter."}},
        {"mnuReligion", {""}, {none}},
        {"mnuZips", {""}, {none}},
        {"mnuMarked", {}, {"There are no marked cards to display"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        open(Nobody());
        queue(c.answers);
        RunFilterCommand(*app, screen, QString::fromLatin1(c.command));
        EXPECT_EQ(dialogs().messages(), c.messages);
        EXPECT_FALSE(dialogs().pending());
        EXPECT_EQ(app->view.ReportKind, "alpha");
        EXPECT_EQ(app->view.CurIndexPos, 1);
        EXPECT_EQ(screen.text("LName"), "Lone");
        EXPECT_EQ(label(), "All Names Sorted Alphabeticaly");
        EXPECT_FALSE(screen.isVisible("ShowAll"));
        EXPECT_TRUE(screen.isEnabled("mnuFilterS"));
        EXPECT_TRUE(screen.highlighted().isEmpty());
        EXPECT_FALSE(addModeStarted);
        EXPECT_FALSE(app->crusade.AddMode);
        EXPECT_TRUE(app->crusade.FileIsOpen);
    }
}

TEST_F(FilterCommandsTest, ACancelledQuestionLeavesTheViewAndItsTitleAsTheyWere) {
    struct Case {
        const char* command;
        QStringList answers;
        QStringList messages;
        std::function<void(App&)> setUp;
    };
    const Case cases[] = {
        {"mnuFilterSelMtg", {""}, {}, {}},
        {"mnuSelTeamCode", {""}, {}, {}},
        {"mnuFilterMissedMtgs", {""}, {}, {}},
        {"mnuFilterMissedMtgs", {"12"}, {"You must select a meeting between 0 and 11"}, {}},
        {"mnuFilterMissedMtgs", {"three"}, {"You must select a meeting between 0 and 11"}, {}},
        {"mnuTotalAttend",
         {},
         {},
         [](App& a) { a.hooks.showAttendanceFilters = [&a] { a.msg.ScratchVar = QStringLiteral("cancel"); }; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        open();
        mnuNotes_Click(*app, screen);
        dialogs().clear();
        screen.setText(QStringLiteral("FndNameBx"), QStringLiteral("Smith"));
        const QList<QByteArray> before = fx->entries();
        const QString prev = app->view.PrevReportKind;
        if (c.setUp) c.setUp(*app);
        queue(c.answers);
        RunFilterCommand(*app, screen, QString::fromLatin1(c.command));
        EXPECT_EQ(dialogs().messages(), c.messages);
        EXPECT_EQ(app->view.ReportKind, "notes");
        EXPECT_EQ(app->view.PrevReportKind, prev);
        EXPECT_EQ(fx->entries(), before);
        EXPECT_EQ(label(), "Cards with Notes");
        EXPECT_EQ(screen.highlighted(), QStringList{"Notes"});
        EXPECT_EQ(screen.text("FndNameBx"), "Smith");
        EXPECT_TRUE(screen.isEnabled("mnuFilterS"));
    }
}

TEST_F(FilterCommandsTest, MissedMeetingsTellsNobodyMissedEvenWhenTheSameQuestionFoundNobodyBefore) {
    open(Nobody());
    queue({"3"});
    mnuFilterMissedMtgs_Click(*app, screen);
    ASSERT_EQ(app->view.PrevReportKind, "missednight03");
    dialogs().clear();

    // From the same alphabetical view, a cancel says nothing and the same answer tells again.
    queue({""});
    mnuFilterMissedMtgs_Click(*app, screen);
    EXPECT_TRUE(dialogs().messages().isEmpty());
    EXPECT_EQ(app->view.PrevReportKind, "missednight03");
    queue({"3"});
    mnuFilterMissedMtgs_Click(*app, screen);
    EXPECT_EQ(dialogs().messages(), QStringList{"There were no names who have missed " + NL + "3 night(s)." + NL});
}

TEST_F(FilterCommandsTest, DecisionsWithNoDecisionChosenSaysSoAndShowsAllNames) {
    open();
    mnuNotes_Click(*app, screen);
    dialogs().clear();
    pickedDecision = 0;
    mnuDecisionsFilter_Click(*app, screen);
    EXPECT_EQ(dialogs().messages(), QStringList{"There are no decisions to display"});
    EXPECT_EQ(app->view.ReportKind, "alpha");
    EXPECT_FALSE(screen.isVisible("ShowAll"));
    EXPECT_TRUE(screen.isEnabled("mnuFilterS"));
}

TEST_F(FilterCommandsTest, TotalAttendanceUsesABuiltViewAsItStands) {
    open();
    queue({"5"});
    mnuFilterSelMtg_Click(*app, screen);
    dialogs().clear();
    app->view.ReportKind = QStringLiteral("TotalAttend");
    app->view.FilterChoice = QStringLiteral("equal");
    app->settings.TotalAttendNum = 7;
    const QList<QByteArray> before = fx->entries();
    app->hooks.showAttendanceFilters = [] { ADD_FAILURE() << "the dialog was shown for a built view"; };
    app->view.IndexBuilt = true;
    mnuTotalAttend_Click(*app, screen);
    EXPECT_EQ(fx->entries(), before);
    EXPECT_EQ(dialogs().messages(),
              QStringList{"Names have been sorted to show those who have attended 7 times." + NL + NL + A});
    EXPECT_EQ(label(), "Total Meetings" + NL + "Attended =7");
}

TEST_F(FilterCommandsTest, ABuilderThatFallsBackToAllNamesLeavesTheViewAndTheFileTrue) {
    // Zed is record 1 and shown second; Lone, the last record read by a build, has a card printed.
    open({Rec("0002", "Bo", "Zed").nights(""), Rec("0001", "Al", "Lone").nights("").card(-1)});
    app->view.CurIndexPos = 2;
    ASSERT_TRUE(ShowCurrentRecord(*app, screen));
    screen.setText(QStringLiteral("Notes"), QStringLiteral("Typed before filtering"));
    queue({"5"});
    mnuFilterSelMtg_Click(*app, screen);

    EXPECT_EQ(dialogs().messages(), QStringList{"There are no records for this filter."});
    EXPECT_EQ(fx->rnums(), (QList<QByteArray>{"0001", "0002"}));
    EXPECT_EQ(screen.text("LName"), "Lone");
    const AttendeeRecord zed = ReadRecord(*app, 1);
    EXPECT_EQ(zed.Notes.trimmed(), QByteArray("Typed before filtering"));
    EXPECT_EQ(zed.CardPrinted, 0);
}

TEST_F(FilterCommandsTest, DoubleClickOnTheTitleRunsThePreviousViewAgain) {
    struct Case {
        const char* prev;
        QStringList answers;
        const char* kind;  // the view afterwards ("notes": nothing was run)
        bool showAll;      // the "All Names" button afterwards
    };
    const Case cases[] = {
        {"wcalpha", {""}, "wcalpha", true},
        {"interest", {}, "interest", true},
        {"baptism", {}, "baptism", true},
        {"date", {}, "date", true},
        {"attend", {""}, "attend", true},
        {"zip", {""}, "zip", true},
        {"religion", {""}, "religion", true},
        {"attendnight 5", {"6"}, "attendnight 6", true},
        {"attendnight12", {"2"}, "attendnight 2", true},
        {"mail", {}, "mail", true},
        {"DupAddress", {}, "DupAddress", true},
        {"PreCrusade", {}, "PreCrusade", true},
        {"Advertising", {""}, "Advertising", true},
        {"marked", {}, "marked", true},
        {"SelWCAttend03", {"7"}, "SelWCAttend07", true},
        {"notes", {}, "alpha", false},
        {"missednight03", {}, "alpha", false},
        {"decisions3", {}, "alpha", false},
        {"TotalAttend", {}, "alpha", false},
        {"NDupAddress", {}, "alpha", false},
        {"alpha", {}, "notes", true},
        {"alphafilter", {}, "notes", true},
        {"", {}, "notes", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.prev);
        open();
        mnuNotes_Click(*app, screen);
        app->view.PrevReportKind = QString::fromLatin1(c.prev);
        dialogs().clear();
        queue(c.answers);
        EditLabel_DblClick(*app, screen);
        EXPECT_EQ(app->view.ReportKind, QString::fromLatin1(c.kind));
        EXPECT_EQ(screen.isVisible("ShowAll"), c.showAll);
        EXPECT_FALSE(dialogs().pending());
    }
}

TEST_F(FilterCommandsTest, DoubleClickAfterZipCodesAndAllNamesAsksTheCutOffAgain) {
    open();
    queue({"5"});
    mnuZips_Click(*app, screen);
    ShowAll_Click(*app, screen);
    dialogs().clear();
    queue({"2"});
    EditLabel_DblClick(*app, screen);
    ASSERT_EQ(dialogs().shown().size(), 2u);
    EXPECT_EQ(dialogs().shown()[0].title, "Set Meeting Cut Off");
    EXPECT_EQ(dialogs().shown()[0].defaultText, "5");
    EXPECT_EQ(app->view.ReportKind, "zip");
    EXPECT_EQ(app->settings.PrintCutOff, 2);
}

}  // namespace

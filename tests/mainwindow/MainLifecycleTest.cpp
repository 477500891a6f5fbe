#include "CrusadeOnDisk.h"
#include "FakePlatform.h"
#include "FakeScreen.h"
#include "RecordBuilder.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/IniFile.h"
#include "data/SideFiles.h"
#include "mainwindow/MainLifecycle.h"
#include "views/Indexes.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

class MainLifecycleTest : public ::testing::Test {
protected:
    TestApp t;
    App& app = t.app;
    FakeScreen screen;
    QString file;

    void SetUp() override {
        CrusadeSpec s;
        AttendeeRecord adams = Person("0013", "John", "Adams");
        adams.Decisions = "C-K------";
        s.records = {Person("0012", "Mary", "Smith"), adams, Person("0014", "Ruth", "Baker")};
        s.members = {MemberEntry("0040", "Brown", "Ann")};
        file = WriteCrusade(t, t.path("data"), QStringLiteral("spring"), s);
        ASSERT_TRUE(OpenCrusade(app, file));
        IndexAlpha(app);  // Adams, Baker, Smith
        app.hooks.editForm = &screen;
        screen.setVisible(QStringLiteral("MtgNum"), false);
    }
    QString shownRNum() const { return screen.text(QStringLiteral("RNum")); }
    void activate(bool typed = false) { Form_Activate(app, screen, typed); }
};

TEST_F(MainLifecycleTest, ActivationRereadsExceptAfterTheAttendanceEditorOrAppointment) {
    struct Case {
        const char* mode;
        bool rereads;
    };
    const Case cases[] = {{"edit", true}, {"attend", true},        {"backup", true},
                          {"", true},     {"attendupdate", false}, {"Appointment", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        screen.setText(QStringLiteral("RNum"), QStringLiteral("9999"));
        screen.setText(QStringLiteral("mPrCut"), QString());
        app.view.CurIndexPos = 2;
        app.program.ScreenMode = QLatin1String(c.mode);
        app.mainWindow.NotesCautionPending = false;
        app.mainWindow.EnteredRNum = QStringLiteral("untouched");
        activate();
        EXPECT_EQ(shownRNum(), c.rereads ? QStringLiteral("0014") : QStringLiteral("9999"));
        EXPECT_EQ(app.mainWindow.EnteredRNum, c.rereads ? QStringLiteral("0014") : QStringLiteral("untouched"));
        EXPECT_EQ(screen.text(QStringLiteral("mPrCut")).isEmpty(), !c.rereads);
        EXPECT_EQ(app.program.ScreenMode, QStringLiteral("edit"));
        EXPECT_TRUE(app.mainWindow.NotesCautionPending);
    }
    EXPECT_EQ(screen.text(QStringLiteral("RecordCounter")), QStringLiteral("2 of 3"));
}

TEST_F(MainLifecycleTest, ActivationCaptionsTheCutOffAndTheDecisions) {
    for (qint16 cutOff : {0, 6}) {
        app.settings.PrintCutOff = cutOff;
        app.settings.DecisionNames[3] = QStringLiteral("Keeps Sabbath %1").arg(cutOff);
        app.view.CurIndexPos = 1;  // Adams: decisions C-K
        activate();
        EXPECT_EQ(screen.text(QStringLiteral("mPrCut")),
                  QStringLiteral("Printer Cutoff Point (Meeting %1)").arg(cutOff));
        for (int n = 1; n <= 9; ++n)
            EXPECT_EQ(screen.text(QStringLiteral("Dec(%1)").arg(n - 1)), app.settings.DecisionNames[size_t(n)]) << n;
        EXPECT_EQ(screen.value(QStringLiteral("Dec(0)")), 1);
        EXPECT_EQ(screen.value(QStringLiteral("Dec(1)")), 0);
        EXPECT_EQ(screen.value(QStringLiteral("Dec(2)")), 1);
        EXPECT_EQ(screen.value(QStringLiteral("Dec(3)")), 0);
    }
    // Without a record to show the decision boxes carry the titles, all unchecked.
    ShowDecisionNames(app, screen);
    for (int i = 0; i <= 8; ++i) EXPECT_EQ(screen.value(QStringLiteral("Dec(%1)").arg(i)), 0);
}

TEST_F(MainLifecycleTest, ButtonCaptionsShowWithTheChartButtonAndTheSetting) {
    struct Case {
        qint16 setting;
        bool excelVisible;
        bool shown;
    };
    for (const Case& c : {Case{-1, true, true}, Case{-1, false, false}, Case{0, true, false}, Case{0, false, false}}) {
        app.program.ShowButtonLabels = c.setting;
        screen.setVisible(QStringLiteral("btnExcel"), c.excelVisible);
        activate();
        EXPECT_EQ(screen.isVisible(QStringLiteral("lblShowButtonLabels")), c.shown) << c.setting << c.excelVisible;
    }
}

TEST_F(MainLifecycleTest, ActivationKeepsWhatWasTyped) {
    app.view.CurIndexPos = 3;  // Smith
    activate();
    ASSERT_EQ(shownRNum(), QStringLiteral("0012"));
    screen.setText(QStringLiteral("FName"), QStringLiteral("Maria"));

    // Typed changes are saved before the reread and stay on screen.
    activate(true);
    EXPECT_EQ(screen.text(QStringLiteral("FName")), QStringLiteral("Maria"));
    EXPECT_EQ(ReadRecord(app, 1).FName.trimmed(), "Maria");

    // When another window has made another record current, the screen is saved into the
    // record it shows (Smith, record 1), which keeps its card flag, and then the current
    // record is shown.
    AttendeeRecord smith = ReadRecord(app, 1);
    smith.CardPrinted = -1;  // set meanwhile by the other window
    WriteRecord(app, 1, smith);
    screen.setText(QStringLiteral("FName"), QStringLiteral("Typed"));
    app.view.CurIndexPos = 1;
    ReadCurrentRecord(app);  // John Adams, record 2
    const QByteArray adamsEntry = app.view.ReportIndex[1];
    activate(true);
    EXPECT_EQ(ReadRecord(app, 1).FName.trimmed(), "Typed");
    EXPECT_EQ(ReadRecord(app, 1).CardPrinted, -1);
    EXPECT_EQ(app.view.ReportIndex[3], QByteArray("0012SMITHTY   1"));
    EXPECT_EQ(ReadRecord(app, 2).FName.trimmed(), "John");
    EXPECT_EQ(app.view.ReportIndex[1], adamsEntry);
    EXPECT_EQ(shownRNum(), QStringLiteral("0013"));
    EXPECT_EQ(app.crusade.CurRecNo, 2);

    // A new name being entered in add mode is neither saved nor replaced.
    app.crusade.AddMode = true;
    app.mainWindow.NewEntryOnScreen = true;
    screen.setVisible(QStringLiteral("MtgNum"), true);
    screen.setText(QStringLiteral("RNum"), QString());
    screen.setText(QStringLiteral("FName"), QStringLiteral("Newcomer"));
    activate(true);
    EXPECT_EQ(screen.text(QStringLiteral("FName")), QStringLiteral("Newcomer"));
    EXPECT_EQ(app.crusade.RecCount, 3);
    EXPECT_EQ(ReadRecord(app, 2).FName.trimmed(), "John");
}

TEST_F(MainLifecycleTest, ExitSavesTheRecordAndWritesTheCrusade) {
    app.view.CurIndexPos = 3;
    activate();
    screen.setText(QStringLiteral("Phone"), QStringLiteral("555-9999"));
    app.settings.LastMeeting = 9;
    EXPECT_TRUE(mnuExit_Click(app, screen));
    EXPECT_EQ(t.help.calls.value(0), QStringLiteral("quit"));
    EXPECT_FALSE(app.crusade.file.isOpen());
    EXPECT_EQ(FileLines(t.path("data/spring.inf")).value(2), " 9");
    EXPECT_EQ(FileLines(IniFilePath(app)).value(0), file.toLatin1());
    app.crusade.file.open(file, AttendeeRecord::Size, false);
    app.crusade.RecCount = 3;
    EXPECT_EQ(ReadRecord(app, 1).Phone.trimmed(), "555-9999");
}

TEST_F(MainLifecycleTest, ExitInAddModeAnsweredStayLeavesEverything) {
    app.view.CurIndexPos = 3;
    activate();
    app.crusade.AddMode = true;
    screen.setVisible(QStringLiteral("MtgNum"), true);
    screen.setText(QStringLiteral("FName"), QStringLiteral("Half typed"));
    int asked = 0;
    app.hooks.cancelAddMode = [&] {
        ++asked;
        if (app.dialogs().msgBox(QStringLiteral("Leave?"), Buttons::YesNo) == AnsNo)
            app.msg.MsgAnswer = QStringLiteral("dontexit");
    };
    const QByteArray infBefore = ReadFileBytes(t.path("data/spring.inf"));
    QFile::remove(IniFilePath(app));

    t.dialogs.answer(AnsNo);
    EXPECT_FALSE(mnuExit_Click(app, screen));
    t.dialogs.answer(AnsNo);
    EXPECT_FALSE(Form_Unload(app, screen));
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(app.msg.MsgAnswer.isEmpty());
    EXPECT_TRUE(app.crusade.AddMode);
    EXPECT_TRUE(app.crusade.file.isOpen());
    EXPECT_EQ(screen.text(QStringLiteral("FName")), QStringLiteral("Half typed"));
    EXPECT_EQ(ReadFileBytes(t.path("data/spring.inf")), infBefore);
    EXPECT_FALSE(QFileInfo::exists(IniFilePath(app)));
    EXPECT_EQ(ReadRecord(app, 1).FName.trimmed(), "Mary");
}

TEST_F(MainLifecycleTest, ExitFromANewEmptyCrusadeDeletesItAndEnds) {
    t.dialogs.choose(t.path("data/autumn")).answer(AnsNo);
    ASSERT_EQ(SelectCrusade(app), CrusadeChoice::Created);
    EXPECT_THROW(mnuExit_Click(app, screen), ProgramEnd);
    EXPECT_FALSE(QFileInfo::exists(t.path("data/autumn.dta")));
    EXPECT_TRUE(QFileInfo::exists(t.path("data/spring.dta")));
}

TEST_F(MainLifecycleTest, NavigationThroughTheView) {
    struct Step {
        int index;
        const char* rnum;
        qint16 prev;  // PrevIndexPos afterwards
    };
    app.view.CurIndexPos = 1;
    activate();
    const Step steps[] = {{2, "0014", 1}, {2, "0012", 2}, {2, "0012", 3},
                          {0, "0013", 3}, {3, "0012", 1}, {1, "0014", 3}};
    for (const Step& s : steps) {
        ChgRec_Click(app, screen, s.index);
        EXPECT_EQ(shownRNum(), QLatin1String(s.rnum)) << s.index;
        EXPECT_EQ(app.mainWindow.PrevIndexPos, s.prev);
        EXPECT_EQ(app.mainWindow.EnteredRNum, QLatin1String(s.rnum));
    }
    EXPECT_EQ(t.sound.played.size(), 0) << "sounds are off";

    mnuPreviousRec_Click(app, screen);
    EXPECT_EQ(shownRNum(), QStringLiteral("0013"));
    screen.setText(QStringLiteral("City"), QStringLiteral("Salem"));
    mnuNextRecord_Click(app, screen);
    EXPECT_EQ(shownRNum(), QStringLiteral("0014"));
    EXPECT_EQ(ReadRecord(app, 2).City.trimmed(), "Salem") << "the record is saved before the move";

    // A refused leave of add mode is consumed by the next click, which does not move.
    app.msg.MsgAnswer = QStringLiteral("dontexit");
    ChgRec_Click(app, screen, 0);
    EXPECT_EQ(shownRNum(), QStringLiteral("0014"));
    EXPECT_TRUE(app.msg.MsgAnswer.isEmpty());
}

TEST_F(MainLifecycleTest, LoadingTheWindow) {
    screen.setEnabled(QStringLiteral("mnuEditMode"), true);
    app.mainWindow.PrevIndexPos = 7;
    Form_Load(app, screen);
    const QStringList churches = screen.items(QStringLiteral("RelPref"));
    ASSERT_EQ(churches.size(), 14);
    EXPECT_EQ(churches.first(), QStringLiteral("SDA"));
    EXPECT_EQ(churches.last(), QStringLiteral("Presbyterian"));
    EXPECT_FALSE(screen.isEnabled(QStringLiteral("mnuEditMode")));
    EXPECT_EQ(app.mainWindow.PrevIndexPos, 1);
}

TEST_F(MainLifecycleTest, ColoursMenuAndSmallHandlers) {
    for (const QString& f : {QStringLiteral("Zip"), QStringLiteral("Phone"), QStringLiteral("Dec(4)"),
                             QStringLiteral("chkMarkToVisit"), QStringLiteral("BirthDate")})
        screen.setBackColor(f, kHighlightColour);
    SetBackColor(screen);
    EXPECT_EQ(screen.highlighted(), (QStringList{"BirthDate", "Phone"}));

    Form_MouseUp(screen, 1);
    Form_MouseUp(screen, 2);
    EXPECT_EQ(screen.popups, QStringList{"mnuEdit"});

    screen.setText(QStringLiteral("Notes"), QStringLiteral("call after six"));
    Label17_DblClick(screen);
    EXPECT_TRUE(screen.text(QStringLiteral("Notes")).isEmpty());
    EntInd_GotFocus(screen);
    SDAIdent_GotFocus(screen);
    EXPECT_EQ(screen.focusHistory, (QStringList{"SearchBox", "SearchBox"}));

    mnuShortcuts_Click(app);
    mnuHelpFiles_Click(app);
    EXPECT_EQ(t.help.calls, (QStringList{"context 340", "contents"}));

    mnuAbout_Click(app);
    const QStringList about = t.dialogs.messages().last().split(QStringLiteral("\r\n"));
    ASSERT_EQ(about.size(), 6);
    EXPECT_EQ(about[0], QStringLiteral("Fennick"));
    EXPECT_EQ(about[1], QStringLiteral("Version 2.5  Release 86"));
    EXPECT_TRUE(about[3].isEmpty());
    EXPECT_EQ(about[4], QStringLiteral("Orvale Outreach Inc."));
}

}  // namespace

#include "FakePlatform.h"
#include "FakeScreen.h"
#include "ViewFixture.h"
#include "data/DataStore.h"
#include "data/RecordDisplay.h"
#include "data/RecordFile.h"
#include "data/Text.h"
#include "mainwindow/MainLifecycle.h"
#include "mainwindow/Navigation.h"
#include "views/Indexes.h"

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

// In alphabetical order: Adams, Allen, Baker, Brown, Clark, Smithers (SMITHJO), Smith (SMITHMA).
QList<AttendeeRecord> People() {
    return {Rec("0012", "Mary", "Smith").nights("1-1-1"),
            Rec("0007", "Al", "Adams"),
            Rec("0020", "Ann", "Allen").address("123 MAIN ST"),
            Rec("0031", "Bob", "Baker"),
            Rec("0044", "Bea", "Brown"),
            Rec("0050", "Cy", "Clark"),
            Rec("0061", "John", "Smithers").nights("11111")};
}

struct NavigationTest : ::testing::Test {
    std::unique_ptr<ViewFixture> fx;
    App* app = nullptr;
    FakeScreen screen;

    void open(const QList<AttendeeRecord>& records = People()) {
        fx = std::make_unique<ViewFixture>(records, 12, 0);
        app = &fx->app;
        app->settings.SoundOn = true;
        app->hooks.editForm = &screen;
        screen.setVisible(QStringLiteral("ReturnToPreviewMsg"), false);
        screen.setVisible(QStringLiteral("btnVisitUpdate"), false);
        IndexAlpha(*app);
        MoveToRecord(*app, 0);
    }
    void showAt(int pos) {
        app->view.CurIndexPos = qint16(pos);
        ASSERT_TRUE(ShowCurrentRecord(*app, screen));
    }
    int played(const char* file) const {
        int n = 0;
        for (const QString& p : fx->t.sound.played) n += p.endsWith(QLatin1String(file)) ? 1 : 0;
        return n;
    }
    int clunks() const { return played("S02.wav"); }
    QString shownName() const { return screen.text(QStringLiteral("LName")); }
    int pos() const { return app->view.CurIndexPos; }
    FakeDialogs& dialogs() { return fx->t.dialogs; }
    // Types text into the search box and presses Enter.
    void search(const QString& text) {
        screen.setText(QStringLiteral("SearchBox"), text);
        EXPECT_EQ(SearchBox_KeyPress(*app, screen, kCharEnter), 0);
    }
};

TEST_F(NavigationTest, StepsThroughTheViewAndClunksAtBothEnds) {
    struct Case {
        int start;
        const char* how;  // "click", "key"
        int index;        // button index, or the key code
        int end;
        int clunks;
    };
    const Case cases[] = {
        {1, "click", 1, 1, 1},          {7, "click", 2, 7, 1},        {1, "click", 2, 2, 0},
        {3, "click", 0, 1, 0},          {3, "click", 3, 7, 0},        {1, "key", kKeyPageUp, 1, 1},
        {7, "key", kKeyPageDown, 7, 1}, {4, "key", kKeyPageUp, 3, 0}, {4, "key", kKeyPageDown, 5, 0},
    };
    for (const Case& c : cases) {
        open();
        showAt(c.start);
        if (QLatin1String(c.how) == QLatin1String("click"))
            ChgRec_Click(*app, screen, c.index);
        else
            ChgRec_KeyDown(*app, screen, c.index);
        EXPECT_EQ(pos(), c.end) << c.how << " " << c.start << " " << c.index;
        EXPECT_EQ(clunks(), c.clunks) << c.how << " " << c.start << " " << c.index;
        EXPECT_EQ(app->crusade.CurRecNo, app->view.recordNumberAt(c.end));
    }

    // Editing from the preview: Page Down only clunks.
    open();
    screen.setVisible(QStringLiteral("ReturnToPreviewMsg"), true);
    SearchBox_KeyDown(*app, screen, kKeyPageDown);
    EXPECT_EQ(pos(), 1);
    EXPECT_EQ(clunks(), 1);

    // The minus sign in the search box steps on and is not kept.
    open();
    EXPECT_EQ(SearchBox_KeyPress(*app, screen, kCharMinus), 0);
    EXPECT_EQ(shownName(), QStringLiteral("Allen"));
    EXPECT_EQ(SearchBox_KeyPress(*app, screen, 'a'), 'a');
}

TEST_F(NavigationTest, RightButtonJumpsToTheNeighbouringGroup) {
    struct Case {
        const char* kind;  // "alpha" or "notes"
        int start;
        int index;
        int button;
        int end;
        bool clunk;
    };
    const Case cases[] = {
        {"alpha", 2, 2, kRightButton, 3, false},  // Allen -> first of the B group
        {"alpha", 3, 1, kRightButton, 2, false},  // Baker -> last of the A group
        {"alpha", 4, 2, kRightButton, 5, false},  // Brown -> Clark, a group of one
        {"alpha", 5, 2, kRightButton, 6, false},  // Clark -> Smithers
        {"alpha", 7, 1, kRightButton, 5, false},  // Smith -> Clark, a group of one
        {"alpha", 7, 2, kRightButton, 7, true},   // the last group
        {"alpha", 2, 1, kRightButton, 2, true},   // the first group
        {"alpha", 2, 2, kLeftButton, 2, false},   // only the right button jumps
        {"notes", 3, 2, kRightButton, 3, true},   // a view without a group key
        // The first and last buttons stay: "clunk" at either end, elsewhere shown again.
        {"alpha", 1, 0, kRightButton, 1, true},
        {"alpha", 7, 0, kRightButton, 7, true},
        {"alpha", 1, 3, kRightButton, 1, true},
        {"alpha", 7, 3, kRightButton, 7, true},
        {"alpha", 3, 0, kRightButton, 3, false},
        {"notes", 4, 3, kRightButton, 4, false},
    };
    for (const Case& c : cases) {
        open();
        app->view.ReportKind = QLatin1String(c.kind);
        showAt(c.start);
        ChgRec_MouseUp(*app, screen, c.index, c.button);
        EXPECT_EQ(pos(), c.end) << c.kind << " " << c.start << " " << c.index;
        EXPECT_EQ(clunks(), c.clunk ? 1 : 0) << c.kind << " " << c.start << " " << c.index;
        EXPECT_EQ(app->crusade.CurRecNo, app->view.recordNumberAt(c.end));
    }

    // The record on the screen is saved under its own entry before the position moves.
    open();
    showAt(2);
    screen.setText(QStringLiteral("FName"), QStringLiteral("Anne"));
    ChgRec_MouseUp(*app, screen, 2, kRightButton);
    EXPECT_EQ(shownName(), QStringLiteral("Baker"));
    EXPECT_EQ(ReadRecord(*app, 3).FName.trimmed(), QByteArray("Anne"));
    EXPECT_EQ(fx->entries()[1], QByteArray("0020ALLENAN   3"));
    EXPECT_EQ(fx->entries()[2], QByteArray("0031BAKERBO   4"));

    // The last button away from the ends saves the record and shows it again.
    open();
    showAt(4);
    screen.setText(QStringLiteral("FName"), QStringLiteral("Beatrice"));
    ChgRec_MouseUp(*app, screen, 3, kRightButton);
    EXPECT_EQ(ReadRecord(*app, 5).FName.trimmed(), QByteArray("Beatrice"));
    EXPECT_EQ(screen.text(QStringLiteral("FName")), QStringLiteral("Beatrice"));
    EXPECT_EQ(app->crusade.OrigRecord.FName.trimmed(), QByteArray("Beatrice"));
}

TEST_F(NavigationTest, GoToReturnsToTheMarkOrThePreviousPositionWithinTheView) {
    open();
    showAt(2);
    ChgRec_Click(*app, screen, 2);
    btnGoTo_Click(*app, screen);
    EXPECT_EQ(shownName(), QStringLiteral("Allen"));

    showAt(7);
    btnMark_Click(*app, screen);
    EXPECT_EQ(screen.text(QStringLiteral("FndNameBx")), QStringLiteral("Smith"));
    ChgRec_Click(*app, screen, 0);
    btnGoTo_Click(*app, screen);
    EXPECT_EQ(shownName(), QStringLiteral("Smith"));
    EXPECT_EQ(app->view.MarkedIndexPos, 7);

    // A filter leaves two names: the mark at position 7 names nobody now.
    app->settings.PrintCutOff = 3;
    IndexAlphaCutoff(*app);
    ASSERT_EQ(app->view.ReportCount, 2);
    ASSERT_TRUE(ShowCurrentRecord(*app, screen));
    btnGoTo_Click(*app, screen);
    EXPECT_EQ(pos(), 1);
    EXPECT_EQ(clunks(), 1);
    EXPECT_EQ(app->view.MarkedIndexPos, 0);
    EXPECT_TRUE(screen.text(QStringLiteral("FndNameBx")).isEmpty());
    // Without the mark Go To falls back on the previous position, also out of the view.
    app->mainWindow.PrevIndexPos = 5;
    btnGoTo_Click(*app, screen);
    EXPECT_EQ(pos(), 1);
    EXPECT_EQ(clunks(), 2);
}

TEST_F(NavigationTest, SearchBoxFindsByNumberNameAndMemberList) {
    const QByteArray member = "0012Smith          Mary           ";
    struct Case {
        const char* typed;
        QList<int> answers;
        int end;  // position afterwards (the search starts at 3, Baker)
        const char* entInd;
        const char* sdaIdent;
        int questions;
    };
    const Case cases[] = {
        {"0012", {}, 7, "", "", 0},
        {"10012", {}, 7, "", "", 0},
        // Two characters never equal a registration number: the member list answers.
        {"12", {}, 3, "SDA", "0012 M. Smith          ", 0},
        {"0099", {}, 3, "?", "0099 Not in file", 0},
        {"smi", {AnsNo, AnsYes}, 7, "", "", 2},
        // No on both names, then No on the member entry.
        {"smi", {AnsNo, AnsNo, AnsNo}, 3, "?", "SMI Not in file", 3},
        {"Smith", {AnsYes}, 6, "", "", 1},  // Smithers is offered first
        // Two letters never match the name piece of an entry; the member entry is offered.
        {"sm", {AnsNo}, 3, "?", "SM Not in file", 1},
    };
    for (const Case& c : cases) {
        open();
        app->crusade.MemberNames = {QByteArray(), "0077Jones          Tom            ", member};
        app->crusade.MemberCount = 2;
        showAt(3);
        for (const int a : c.answers) dialogs().answer(a);
        search(QLatin1String(c.typed));
        EXPECT_EQ(pos(), c.end) << c.typed;
        EXPECT_EQ(app->crusade.CurRecNo, app->view.recordNumberAt(c.end)) << c.typed;
        EXPECT_EQ(screen.text(QStringLiteral("EntInd")), QLatin1String(c.entInd)) << c.typed;
        EXPECT_EQ(screen.text(QStringLiteral("SDAIdent")), QLatin1String(c.sdaIdent)) << c.typed;
        EXPECT_EQ(int(dialogs().shown().size()), c.questions) << c.typed;
        EXPECT_TRUE(screen.text(QStringLiteral("SearchBox")).isEmpty()) << c.typed;
        EXPECT_EQ(app->mainWindow.PrevIndexPos, c.end != 3 ? 3 : 1) << c.typed;
        EXPECT_TRUE(app->mainWindow.NotesCautionPending) << c.typed;
        EXPECT_EQ(played("S01.wav"), 1) << c.typed;
    }

    open();
    showAt(3);
    dialogs().answer(AnsNo).answer(AnsNo);
    search(QStringLiteral("smi"));
    ASSERT_FALSE(dialogs().shown().empty());
    const auto& q = dialogs().shown()[0];
    EXPECT_EQ(q.text,
              QStringLiteral("0061   John Smithers\r\n1 Main St, Springfield\r\n\r\nIs this the Correct Name?"));
    EXPECT_EQ(q.title, QStringLiteral("Searching for Last Name"));
    EXPECT_EQ(q.buttons, Buttons::YesNoCancel);
}

TEST_F(NavigationTest, SearchCancelAndRefusalLeaveTheRecordShown) {
    open();
    showAt(3);
    const AttendeeRecord before = app->crusade.CurRecord;
    dialogs().answer(AnsCancel);
    search(QStringLiteral("smi"));
    EXPECT_EQ(pos(), 3);
    EXPECT_TRUE(app->crusade.CurRecord == before);
    EXPECT_EQ(app->crusade.CurRecNo, 4);
    EXPECT_EQ(played("S01.wav"), 0);
    EXPECT_TRUE(screen.text(QStringLiteral("SearchBox")).isEmpty());
    EXPECT_EQ(screen.focused(), QStringLiteral("SearchBox"));

    // A name search in the zip view is refused and keeps the box's text.
    app->view.ReportKind = QStringLiteral("zip");
    search(QStringLiteral("smi"));
    EXPECT_EQ(dialogs().messages().last(),
              QStringLiteral("You have selected the zip Filter.\r\nYou cannot search by name using this Filter."));
    EXPECT_EQ(screen.text(QStringLiteral("SearchBox")), QStringLiteral("smi"));
    EXPECT_EQ(pos(), 3);
}

TEST_F(NavigationTest, HitTakesOverTheVisitEntriesWhenAutoUpdateIsTicked) {
    open();
    screen.setVisible(QStringLiteral("btnVisitUpdate"), true);
    screen.setValue(QStringLiteral("AutoUpdateVisits"), 1);
    screen.setText(QStringLiteral("boxVisitInterest"), QStringLiteral("B"));
    screen.setText(QStringLiteral("boxVisitVisits"), QStringLiteral("h05"));
    search(QStringLiteral("0031"));
    EXPECT_EQ(shownName(), QStringLiteral("Baker"));
    EXPECT_EQ(screen.text(QStringLiteral("IntLevel")), QStringLiteral("B"));
    EXPECT_EQ(screen.text(QStringLiteral("Visits")), QStringLiteral("h05"));
    EXPECT_EQ(screen.focusHistory.mid(screen.focusHistory.size() - 2),
              (QStringList{QStringLiteral("btnVisitUpdate"), QStringLiteral("SearchBox")}));

    // A miss does not.
    screen.setText(QStringLiteral("boxVisitVisits"), QStringLiteral("m06"));
    search(QStringLiteral("0098"));
    EXPECT_EQ(screen.text(QStringLiteral("Visits")), QStringLiteral("h05"));
}

QList<AttendeeRecord> GlobalPeople() {
    return {Rec("0012", "Mary", "Smith").address("12 Main St"), Rec("0020", "Ann", "Allen").address("123 MAIN ST"),
            Rec("0012", "Old", "Smith").address("9 Main St").deleted(),
            Rec("0040", "Del", "Dorsey").address("4 main st").deleted(), Rec("0050", "Cy", "Clark").zip("99999")};
}

TEST_F(NavigationTest, GlobalSearchAsksInFileOrderAndRestoresADeletedRecord) {
    open(GlobalPeople());
    dialogs().type(QStringLiteral("main st"));
    dialogs().answer(AnsNo).answer(AnsNo).answer(AnsYes).answer(AnsYes).answer(AnsYes).answer(AnsYes);
    mnuGlobal_Click(*app, screen);

    QStringList titles;
    for (const auto& s : dialogs().shown()) titles << s.title;
    EXPECT_EQ(titles,
              (QStringList{QStringLiteral("Enter the Item to search for"), QStringLiteral("Global Search for: main st"),
                           QStringLiteral("Global Search for: main st"), QStringLiteral("Global Search for: main st"),
                           QStringLiteral("A Deleted Record Found"), QStringLiteral("A Deleted Record Found"),
                           QStringLiteral("Global Search for: main st"), QStringLiteral("A Deleted Record Found")}));
    // Old Smith's number is held by Mary Smith: refused, naming her.
    EXPECT_TRUE(dialogs().shown()[5].text.contains(QStringLiteral("Mary Smith (record 1)")));
    EXPECT_EQ(dialogs().shown()[6].text,
              QStringLiteral("0040   Del Dorsey\r\n4 main st, Springfield, 62701\r\n\r\nIs this the correct name?"));
    // Dorsey is restored at the end of the view and shown with team 00.
    EXPECT_EQ(fx->entries().last(), QByteArray("0040Dor   4"));
    EXPECT_EQ(app->view.ReportCount, 4);
    EXPECT_EQ(pos(), 4);
    EXPECT_EQ(shownName(), QStringLiteral("Dorsey"));
    EXPECT_EQ(screen.text(QStringLiteral("WorkerCode")), QStringLiteral("00"));
    ChgRec_Click(*app, screen, 0);
    EXPECT_EQ(ReadRecord(*app, 4).WorkerCode.bytes(), QByteArray("00"));
}

TEST_F(NavigationTest, GlobalSearchShowsTheChosenRecordByItsRecordNumber) {
    QList<AttendeeRecord> records = GlobalPeople();
    records.append(Rec("0012", "Zed", "Smith").address("7 Main St"));
    struct Case {
        const char* filter;  // the view the search starts from
        const char* item;
        QList<int> answers;
        const char* shown;  // first name shown afterwards
        const char* message;
    };
    const Case cases[] = {
        // Zed Smith shares Mary's number and comes after her in the view: he is shown.
        {"alpha", "7 main", {AnsYes}, "Zed", nullptr},
        // Allen is not in the filtered view: all names come back first.
        {"alphafilter", "123 main", {AnsYes}, "Ann", nullptr},
        {"alpha", "zzz", {}, "Cy", "Search item: zzz- not found"},
        {"alpha", "main", {AnsCancel}, "Cy", nullptr},
    };
    for (const Case& c : cases) {
        open(records);
        if (QLatin1String(c.filter) == QLatin1String("alphafilter")) {
            app->settings.PrintCutOff = 0;
            IndexAlphaCutoff(*app);
            app->view.ReportIndex.removeAt(1);  // Allen's entry
            app->view.ReportCount -= 1;
        }
        showAt(1);
        while (app->crusade.CurRecord.FName.trimmed() != "Cy") ChgRec_Click(*app, screen, 2);
        dialogs().type(QLatin1String(c.item));
        for (const int a : c.answers) dialogs().answer(a);
        screen.setText(QStringLiteral("SearchBox"), QStringLiteral("kept"));
        mnuGlobal_Click(*app, screen);
        EXPECT_EQ(screen.text(QStringLiteral("FName")), QLatin1String(c.shown)) << c.item;
        EXPECT_EQ(app->crusade.CurRecord.FName.trimmed(), QByteArray(c.shown)) << c.item;
        if (c.message) {
            EXPECT_EQ(dialogs().messages().last(), QLatin1String(c.message));
        }
        // Cancel keeps the search box's text; every other end empties it.
        EXPECT_EQ(screen.text(QStringLiteral("SearchBox")).isEmpty(), c.answers != QList<int>{AnsCancel}) << c.item;
    }
}

TEST_F(NavigationTest, ShowAllRebuildsTheAlphabeticalViewOrKeepsThePosition) {
    open();
    showAt(4);
    btnMark_Click(*app, screen);
    ShowAll_Click(*app, screen);
    EXPECT_EQ(pos(), 4);
    EXPECT_EQ(shownName(), QStringLiteral("Brown"));
    EXPECT_EQ(app->view.MarkedIndexPos, 0);
    EXPECT_FALSE(screen.isVisible(QStringLiteral("ShowAll")));
    EXPECT_FALSE(screen.isVisible(QStringLiteral("lblShowButtonLabels")));
    EXPECT_EQ(screen.text(QStringLiteral("EditLabel")), QStringLiteral("All Names Sorted Alphabeticaly"));

    app->settings.PrintCutOff = 3;
    IndexAlphaCutoff(*app);
    showAt(2);
    app->mainWindow.PrevIndexPos = 2;
    app->program.ShowButtonLabels = 1;
    screen.setEnabled(QStringLiteral("mnuFilterS"), false);
    screen.setVisible(QStringLiteral("SearchBox"), false);
    mnuAllAlpha_Click(*app, screen);
    EXPECT_EQ(app->view.ReportKind, QStringLiteral("alpha"));
    EXPECT_EQ(app->view.ReportCount, 7);
    EXPECT_EQ(pos(), 1);
    EXPECT_EQ(app->mainWindow.PrevIndexPos, 1);
    EXPECT_EQ(shownName(), QStringLiteral("Adams"));
    EXPECT_TRUE(screen.isEnabled(QStringLiteral("mnuFilterS")));
    EXPECT_TRUE(screen.isVisible(QStringLiteral("SearchBox")));
    EXPECT_TRUE(screen.isVisible(QStringLiteral("lblShowButtonLabels")));
}

TEST_F(NavigationTest, RepairCommandsSaveFirstAndReportSuccessOnlyWhenTheyFinish) {
    const QString success = QStringLiteral("Files have been repaired Successfully.");
    QList<AttendeeRecord> records = People();
    records[1] = Rec("0007", "Al", "Adams").card(-1);
    open(records);
    screen.setText(QStringLiteral("FName"), QStringLiteral("Alfred"));
    mnuClearIntFlag_Click(*app, screen);
    EXPECT_EQ(dialogs().messages(), QStringList{success});
    const AttendeeRecord adams = ReadRecord(*app, 2);
    EXPECT_EQ(adams.FName.trimmed(), QByteArray("Alfred"));
    EXPECT_EQ(adams.CardPrinted, 0);
    EXPECT_EQ(shownName(), QStringLiteral("Adams"));

    // Another program holds the data file: the failure is reported, the success is not.
    showAt(2);
    screen.setText(QStringLiteral("FName"), QStringLiteral("Annie"));
    RecordFile other;
    other.open(app->program.DataFile, AttendeeRecord::Size, false);
    ASSERT_TRUE(other.tryLock());
    mnuFixFile_Click(*app, screen);
    ASSERT_EQ(dialogs().messages().size(), 2);
    EXPECT_TRUE(dialogs().messages().last().contains(QStringLiteral("in use by another program")));
    EXPECT_EQ(ReadRecord(*app, 3).FName.trimmed(), QByteArray("Annie"));
    // The view is all names again.
    EXPECT_EQ(app->view.ReportCount, 7);
    EXPECT_EQ(shownName(), QStringLiteral("Adams"));
}

}  // namespace

#include "WindowFixture.h"
#include "data/Errors.h"
#include "data/LostCrusade.h"
#include "data/Text.h"
#include "mainwindow/AddMode.h"
#include "mainwindow/DeleteUndo.h"
#include "mainwindow/EditFormControls.h"
#include "mainwindow/FieldEntry.h"
#include "mainwindow/FilterCommands.h"
#include "mainwindow/Marks.h"
#include "mainwindow/Navigation.h"
#include "mainwindow/SaveRecord.h"

#include <QDir>
#include <QFileInfo>

#include <cstring>
#include <functional>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace fennick;
using namespace fennick::test;

namespace {

const QString kInvalidMeeting =
    S("The Meeting number you entered is invalid.\r\nYou must select a Meeting Number between 1 and 40");
const QString kCancelQuestion = S("You are exiting this record without saving it.\r\nIs this what you want to do?");
const QString kDuplicate =
    S("0031 is a duplicate record number\r\nThe Registration Number will be reset.\r\n\r\nYou must enter a different "
      "Number.");
const QString kIncomplete = S("This record appears to be incomplete.\r\nAre you sure you want to save it?");

// In alphabetical order: Adams, Allen, Baker, Brown, Smith (record 1, shown).
QList<AttendeeRecord> People() {
    return {Rec("0012", "Mary", "Smith")
                .nights("1-1-1")
                .mark(1)
                .card(-1)
                .team("05")
                .decisions("1--------")
                .notes("Asked for a visit"),
            Rec("0007", "Al", "Adams"), Rec("0020", "Ann", "Allen"), Rec("0031", "Bob", "Baker"),
            Rec("0044", "Bea", "Brown")};
}

struct AddModeTest : WindowFixture {
    void SetUp() override { open(People()); }
    void startAdding(const char* meeting) {
        dialogs().type(S(meeting));
        mnuAddRecords_Click(*app, screen);
    }
    // The record a new entry of meeting m becomes with these boxes typed.
    AttendeeRecord NewName(const char* rnum, const char* first, const char* last, int m) const {
        AttendeeRecord r;
        ClearRecord(r);
        r.RNum = rnum;
        r.FName = first;
        r.LName = last;
        QByteArray nights(40, '-');
        nights[m - 1] = Ansi(Plain(m)).back();
        r.Attendance = nights;
        r.Attend = "1";
        r.Last = qint16(m);
        r.MailList = 1;
        r.MarkToVisit = 1;  // the mark box keeps the state of the record shown before
        return r;
    }
    bool inAddLayout() const {
        return app->crusade.AddMode && screen.isVisible(S("MtgNum")) && screen.isVisible(S("btnSaveNew")) &&
               !screen.isVisible(S("SearchBox")) && !screen.isVisible(S("ChgRec(2)")) &&
               !screen.isEnabled(S("mnuRecords")) && !screen.isEnabled(S("btnDelete"));
    }
    bool inEditLayout() const {
        return !app->crusade.AddMode && !screen.isVisible(S("MtgNum")) && !screen.isVisible(S("btnSaveNew")) &&
               screen.isVisible(S("SearchBox")) && screen.isVisible(S("ChgRec(2)")) &&
               screen.isEnabled(S("mnuRecords")) && screen.isEnabled(S("btnDelete")) &&
               screen.get(S("Line1")).fore == 0xC00000 && screen.focused() == S("SearchBox");
    }
};

TEST_F(AddModeTest, MeetingPrompt) {
    struct Case {
        const char* answer;
        int confirm;  // 0: no question expected, else the answer to it
        bool started;
        qint16 lastMeeting;
    };
    const Case cases[] = {
        {"5", 0, true, 5},   {"6", 0, true, 6},    {"9", AnsYes, true, 9}, {"9", AnsNo, false, 5}, {"0", 0, false, 5},
        {"41", 0, false, 5}, {"abc", 0, false, 5}, {"99999", 0, false, 5}, {"", 0, false, 5},      {"6th", 0, true, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        open(People());
        type("FName", "Maria");  // typed before the command: saved whatever the answer
        dialogs().type(S(c.answer));
        if (c.confirm) dialogs().answer(c.confirm);
        mnuAddRecords_Click(*app, screen);

        const auto& prompt = dialogs().shown().at(0);
        EXPECT_TRUE(prompt.text.startsWith(S("Enter the Meeting Number\r\n\r\nHELPFUL HINT- Remember the F2")));
        EXPECT_EQ(prompt.title, S("Add Names"));
        EXPECT_EQ(prompt.defaultText, S("5"));
        EXPECT_EQ(onDisk(1).FName.trimmed(), QByteArray("Maria"));
        QStringList messages;
        if (c.confirm)
            messages << S(
                "The last meeting was: 5\r\nThe next meeting should be Meeting Number: 6\r\n"
                "You have entered Meeting Number: 9.\r\n\r\nIs this what you want to do?");
        else if (!c.started && *c.answer)
            messages << kInvalidMeeting;
        EXPECT_EQ(dialogs().messages(), messages);
        EXPECT_EQ(inAddLayout(), c.started);
        EXPECT_EQ(app->crusade.AddMode, c.started);  // an early end leaves AddMode as it was
        EXPECT_EQ(app->settings.LastMeeting, c.lastMeeting);
        EXPECT_EQ(text("MtgNum"), c.started ? Plain(c.lastMeeting) : QString());
        EXPECT_EQ(screen.value(S("Dec(0)")), c.started ? 0 : 1);
    }
    // AddMode set before the command (an empty data file was opened) stays set.
    app->crusade.AddMode = true;
    startAdding("");
    EXPECT_TRUE(app->crusade.AddMode);
}

TEST_F(AddModeTest, NewEntryScreen) {
    app->settings.LastMeeting = 12;
    startAdding("12");

    for (const char* box : {"RNum", "FName", "LName", "Address", "City", "State", "Zip", "Phone", "Age", "RelPref",
                            "IntLevel", "Visits", "Notes", "BaptDate", "MapCode", "BirthDate", "txtEmail"})
        EXPECT_EQ(text(box), QString()) << box;
    const QList<QPair<const char*, const char*>> texts = {{"Advertising", "......."},
                                                          {"WorkerCode", "00"},
                                                          {"Decisions", "---------"},
                                                          {"Attendance", "-----------2----------------------------"},
                                                          {"Attend", "1"},
                                                          {"Last", "12"},
                                                          {"RecordCounter", "6"},
                                                          {"RecordPos", "6"},
                                                          {"lblNextFieldBtn", "Total Records"}};
    for (const auto& [box, value] : texts) EXPECT_EQ(text(box), S(value)) << box;
    for (const char* box : {"Dec(0)", "Dec(8)", "Class"}) EXPECT_EQ(screen.value(S(box)), 0) << box;
    EXPECT_EQ(screen.value(S("MailList")), 1);
    EXPECT_EQ(screen.value(S("chkMarkToVisit")), 1);  // Smith's mark stays
    EXPECT_EQ(app->crusade.CurRecord.Attend.bytes(), QByteArray("1 "));
    EXPECT_EQ(app->crusade.CurRecord.Last, 12);
    EXPECT_EQ(screen.caption(), S("Fennick Add Name Screen: Spring Crusade (Meeting # 12)"));
    EXPECT_EQ(screen.focused(), S("RNum"));

    EXPECT_TRUE(inAddLayout());
    EXPECT_EQ(screen.get(S("Line2")).fore, 0x000080u);
    EXPECT_TRUE(screen.isEnabled(S("mnuEditMode")));
    EXPECT_FALSE(screen.isEnabled(S("mnuAddRecords")));
    for (const char* hidden : {"BaptDate", "Visits", "IntLevel", "MapCode", "BirthDate", "EditLabel", "Class"})
        EXPECT_FALSE(screen.isVisible(S(hidden))) << hidden;
}

TEST_F(AddModeTest, NoCrusadeInUseStartsMeetingOneWithoutAsking) {
    // A crusade just created has no view yet; its read starts add mode through the hook.
    InstallAddModeHooks(*app);
    app->crusade.FileIsOpen = false;
    app->view.clear();
    EXPECT_FALSE(ReadCurrentRecord(*app));
    EXPECT_TRUE(inAddLayout());
    EXPECT_TRUE(dialogs().shown().empty());
    EXPECT_EQ(text("MtgNum"), S("1"));
    EXPECT_EQ(text("Attendance"), S("1---------------------------------------"));
}

TEST_F(AddModeTest, AnEmptiedViewOfACrusadeInUseAsksForTheMeeting) {
    // Every name deleted: the crusade stays loaded and the meeting is asked as usual.
    InstallAddModeHooks(*app);
    app->view.clear();
    dialogs().type(S("3"));
    EXPECT_FALSE(ReadCurrentRecord(*app));
    EXPECT_TRUE(app->crusade.FileIsOpen);
    EXPECT_TRUE(inAddLayout());
    EXPECT_EQ(text("MtgNum"), S("3"));
}

TEST_F(AddModeTest, SaveAndNewAppendsAndKeysTheView) {
    startAdding("5");
    type("RNum", "0500");
    type("FName", "Jane");
    type("LName", "Doe");
    btnSaveNew_Click(*app, screen);

    EXPECT_EQ(app->crusade.RecCount, 6);
    EXPECT_EQ(recordsOnDisk(), 6);
    EXPECT_EQ(onDisk(6).encode(), NewName("0500", "Jane", "Doe", 5).encode());
    ASSERT_EQ(app->view.ReportCount, 6);
    EXPECT_EQ(app->view.ReportIndex[6], QByteArray("0500DOE  JA   6"));
    EXPECT_EQ(app->crusade.PrevRecord, onDisk(6));
    // The next entry is ready.
    EXPECT_TRUE(inAddLayout());
    EXPECT_EQ(text("FName"), QString());
    EXPECT_EQ(text("RecordCounter"), S("7"));
    EXPECT_EQ(text("RecordPos"), S("7"));

    // No last name: "Unknown" without a question, and the next reserved number.
    btnSaveNew_Click(*app, screen);
    EXPECT_TRUE(dialogs().messages().isEmpty());
    EXPECT_EQ(onDisk(7).encode(), NewName("0101", "", "Unknown", 5).encode());
    EXPECT_EQ(app->view.ReportIndex[7], QByteArray("0101UNKNO     7"));
    EXPECT_EQ(app->settings.ReservedNumber, 101);
}

TEST_F(AddModeTest, RefusedSaveTakesTheSlotBack) {
    const QByteArray smith = onDisk(1).encode();
    startAdding("5");
    const AttendeeRecord shownBefore = app->crusade.CurRecord;  // Smith, record 1
    type("LName", "Doe");
    type("Last", "x");  // not a meeting number: the save is refused
    btnSaveNew_Click(*app, screen);
    EXPECT_EQ(app->crusade.RecCount, 5);
    EXPECT_EQ(recordsOnDisk(), 5);
    EXPECT_EQ(app->view.ReportCount, 5);
    EXPECT_EQ(app->view.ReportIndex.size(), 6);
    EXPECT_EQ(app->view.CurIndexPos, 5);
    EXPECT_EQ(app->crusade.CurRecNo, 1);
    EXPECT_EQ(app->crusade.CurRecord, shownBefore);
    EXPECT_EQ(app->crusade.CurRecord.Notes.trimmed(), QByteArray("Asked for a visit"));
    EXPECT_EQ(text("LName"), S("Doe"));  // the entry stays to be corrected

    // Corrected, the entry is saved as a new record with nothing of the record before.
    type("Last", "5");
    btnSaveNew_Click(*app, screen);
    EXPECT_EQ(recordsOnDisk(), 6);
    EXPECT_EQ(onDisk(6).CardPrinted, 0);
    EXPECT_EQ(onDisk(1).encode(), smith);
}

TEST_F(AddModeTest, CommandsWhileANewNameIsOnScreenWriteNothing) {
    // Menu shortcuts still reach these commands while their menus are disabled.
    using Command = std::function<void(App&, MainScreen&)>;
    const QString undoQuestion = S(
        "Undo will Erase all of the changes you have made to this record.\r\n\r\nAre you sure this is what you want?");
    struct Case {
        const char* name;
        Command run;
        bool blanked = false;  // the entry starts again, empty
        QStringList messages = {};
    };
    const Case cases[] = {
        {"next", mnuNextRecord_Click},
        {"previous", mnuPreviousRec_Click},
        {"button", [](App& a, MainScreen& f) { ChgRec_Click(a, f, 3); }},
        {"page down", [](App& a, MainScreen& f) { FieldKeyDown(a, f, S("FName"), vk::PageDown, 0); }},
        {"global", mnuGlobal_Click},
        {"fix", mnuFixFile_Click},
        {"go to", btnGoTo_Click},
        {"delete", mnuDeleteRecord_Click},
        {"delete button", btnDelete_Click},
        {"member delete", btnSDA_Click},
        {"copy", mnuCopy_Click},
        {"mark all", mnuMarkMarkers_Click},
        {"filter", mnuMailList_Click},
        {"activation", [](App& a, MainScreen& f) { Form_Activate(a, f, true); }},
        {"save", [](App& a, MainScreen& f) { EXPECT_FALSE(SaveCurrentRecord(a, f)); }},
        {"undo", mnuUndo_Click, true, {undoQuestion}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        open(People());
        bool previewShown = false;
        app->hooks.showPrintReports = [&] { previewShown = true; };
        startAdding("5");
        type("RNum", "0300");
        type("FName", "Nora");
        type("LName", "Newman");
        dialogs().clear();
        if (!c.messages.isEmpty()) dialogs().answer(AnsYes);
        const QByteArray before = fileBytes();
        c.run(*app, screen);

        EXPECT_EQ(fileBytes(), before);
        EXPECT_EQ(dialogs().messages(), c.messages);
        EXPECT_TRUE(inAddLayout());
        EXPECT_FALSE(previewShown);
        EXPECT_EQ(app->crusade.RecCount, 5);
        EXPECT_EQ(app->view.ReportCount, 5);
        EXPECT_EQ(text("LName"), c.blanked ? QString() : S("Newman"));
        EXPECT_EQ(text("FName"), c.blanked ? QString() : S("Nora"));
    }

    // The add-mode buttons append the entry's own record; the next entry is guarded again.
    type("LName", "Newman");
    btnSaveNew_Click(*app, screen);
    EXPECT_EQ(onDisk(6).LName.trimmed(), QByteArray("Newman"));
    EXPECT_EQ(onDisk(1).LName.trimmed(), QByteArray("Smith"));
    type("LName", "Other");
    mnuNextRecord_Click(*app, screen);
    EXPECT_EQ(recordsOnDisk(), 6);
    EXPECT_EQ(onDisk(6).LName.trimmed(), QByteArray("Newman"));
    // Leaving add mode shows a record, which can be saved as usual.
    mnuEditMode_Click(*app, screen);
    type("FName", "Nina");
    mnuPreviousRec_Click(*app, screen);
    EXPECT_EQ(onDisk(6).FName.trimmed(), QByteArray("Nina"));
}

TEST_F(AddModeTest, SaveAndExitAndCancelQuestions) {
    struct Case {
        const char* lname;
        const char* rnum;
        QList<int> answers;
        QStringList questions;
        bool written;
        bool stays;  // still adding names
        const char* msgAnswer;
    };
    const Case cases[] = {
        {"Doe", "500", {}, {}, true, false, ""},
        {"", "0500", {AnsYes}, {kIncomplete}, true, false, "6"},
        {"", "0500", {AnsNo, AnsYes}, {kIncomplete, kCancelQuestion}, false, false, "6"},
        {"", "0500", {AnsNo, AnsNo}, {kIncomplete, kCancelQuestion}, false, true, "dontexit"},
        // A number already in use, typed with the checks skipped by the mouse-down.
        {"Doe", "0031", {}, {kDuplicate}, false, true, "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.lname) + " " + c.rnum);
        open(People());
        startAdding("5");
        dialogs().clear();
        app->msg.MsgAnswer.clear();
        type("RNum", c.rnum);
        type("FName", "Jane");
        type("LName", c.lname);
        type("FndNameBx", "   ");
        for (int a : c.answers) dialogs().answer(a);
        btnSaveExit_MouseDown(*app);
        EXPECT_EQ(app->msg.MsgText, kStopImport);
        btnSaveExit_Click(*app, screen);

        EXPECT_NE(app->msg.MsgText, kStopImport);  // the flag does not outlive the click
        EXPECT_EQ(dialogs().messages(), c.questions);
        for (const auto& q : dialogs().shown()) {
            if (q.text != kCancelQuestion && q.text != kIncomplete) continue;
            EXPECT_EQ(q.title, S("Exit Add Mode"));
            EXPECT_EQ(q.icon, Icon::Question);
            EXPECT_EQ(q.defaultButton, q.text == kCancelQuestion ? 2 : 1);
        }
        EXPECT_EQ(app->msg.MsgAnswer, S(c.msgAnswer));
        EXPECT_EQ(recordsOnDisk(), c.written ? 6 : 5);
        EXPECT_EQ(app->crusade.RecCount, c.written ? 6 : 5);
        EXPECT_EQ(app->view.ReportCount, c.written ? 6 : 5);
        EXPECT_EQ(onDisk(recordsOnDisk()).RNum.bytes(), QByteArray(c.written ? "0500" : "0044"));
        if (c.stays) {
            EXPECT_TRUE(inAddLayout());
            continue;
        }
        // Back in edit mode on the last entry of the view.
        EXPECT_TRUE(inEditLayout());
        EXPECT_EQ(app->view.CurIndexPos, app->view.ReportCount);
        EXPECT_EQ(text("LName"), c.written ? (*c.lname ? S(c.lname) : S("Unknown")) : S("Smith"));
        EXPECT_EQ(app->mainWindow.AddAnother, 0);
        if (c.written) continue;
        // The dropped entry: the marked name and the button captions are put back.
        EXPECT_EQ(text("FndNameBx"), S("Smith"));
        EXPECT_EQ(text("btnSaveNew") + text("btnCancelNew") + text("btnSaveExit"),
                  S("Save and NewCancel and ExitSave and Exit"));
    }
}

TEST_F(AddModeTest, DroppingTheEntryOfAnEmptyView) {
    // A crusade made in this run that never got a record: deleted, the program ends.
    open({});
    app->crusade.NewEmptyFile = true;
    app->crusade.CreatedThisRun = true;
    app->crusade.FileIsOpen = false;
    mnuAddRecords_Click(*app, screen);
    dialogs().answer(AnsYes);
    EXPECT_THROW(btnCancelNew_Click(*app, screen), ProgramEnd);
    EXPECT_FALSE(QFileInfo::exists(app->program.DataFile));

    // An empty crusade kept from before: a fresh entry, which can then be saved.
    open({});
    app->crusade.FileIsOpen = false;
    mnuAddRecords_Click(*app, screen);
    EXPECT_EQ(text("RecordPos"), S("1"));
    type("LName", "Doe");
    dialogs().answer(AnsYes);
    btnCancelNew_Click(*app, screen);
    EXPECT_TRUE(inAddLayout());
    EXPECT_EQ(text("LName"), QString());
    EXPECT_EQ(text("MtgNum"), S("1"));
    type("RNum", "0500");
    type("LName", "Doe");
    btnSaveNew_Click(*app, screen);
    AttendeeRecord first = NewName("0500", "", "Doe", 1);
    first.MarkToVisit = 0;
    EXPECT_EQ(onDisk(1).encode(), first.encode());

    // Records, but none in the view: all names are shown.
    open(People());
    app->view.clear();
    startAdding("5");
    dialogs().answer(AnsYes);
    btnCancelNew_Click(*app, screen);
    EXPECT_TRUE(inEditLayout());
    EXPECT_EQ(app->view.ReportKind, S("alpha"));
    EXPECT_EQ(app->view.ReportCount, 5);
    EXPECT_EQ(text("LName"), S("Smith"));
}

TEST_F(AddModeTest, CopyCarriesTheSavedRecord) {
    type("Address", "99 New Rd");  // a correction typed before the copy
    dialogs().answer(AnsYes);
    mnuCopy_Click(*app, screen);

    const auto& q = dialogs().shown().at(0);
    EXPECT_EQ(q.text, S("This will copy the Current Record to a new record in the file.  You must supply a new "
                        "Record Number.  Is this what you want to do?"));
    EXPECT_EQ(q.title, QString());
    AttendeeRecord expected = onDisk(1);
    EXPECT_EQ(expected.Address.trimmed(), QByteArray("99 New Rd"));
    expected.RNum = "0101";
    expected.FName = "";
    expected.Age = "";
    expected.MailList = 0;
    EXPECT_EQ(recordsOnDisk(), 6);
    EXPECT_EQ(onDisk(6).encode(), expected.encode());
    EXPECT_EQ(app->crusade.CurRecNo, 6);
    EXPECT_EQ(app->view.CurIndexPos, 6);
    EXPECT_EQ(app->view.ReportIndex[6], QByteArray("0101SMITH     6"));
    EXPECT_EQ(app->settings.ReservedNumber, 101);
    EXPECT_EQ(text("RNum"), S("0101"));
    EXPECT_EQ(screen.focused(), S("FName"));
    EXPECT_FALSE(app->crusade.AddMode);

    // No: nothing is copied, no number is drawn.
    dialogs().answer(AnsNo);
    CopyCurrentRecord(*app, screen);
    EXPECT_EQ(recordsOnDisk(), 6);
    EXPECT_EQ(app->settings.ReservedNumber, 101);

    // No number left to issue: nothing is copied.
    app->settings.ReservedNumber = 9999;
    dialogs().answer(AnsYes);
    CopyCurrentRecord(*app, screen);
    EXPECT_EQ(recordsOnDisk(), 6);
    EXPECT_EQ(app->view.ReportCount, 6);
}

// A new name's number box, with Smith (0012) shown before: Esc, or a number refused, puts
// back the new name's own number (none yet, the one it was given, or the copy's), never the
// number of the record shown before.
TEST_F(AddModeTest, ANewNamesNumberBoxFallsBackOnItsOwnNumber) {
    const std::function<void()> esc = [this] { FieldKeyDown(*app, screen, S("RNum"), vk::Escape, 0); };
    const std::function<void()> refused = [this] {
        type("RNum", "12x");
        RNum_LostFocus(*app, screen);
    };
    const struct {
        const char* what;
        std::function<void()> begin;  // the new name on screen
        const char* own;              // its own number
    } starts[] = {
        {"a new name", [this] { startAdding("5"); }, ""},
        {"a new name given a number",
         [this] {
             startAdding("5");
             type("RNum", "");
             RNum_LostFocus(*app, screen);
         },
         "0101"},
        {"a new name given a typed number",
         [this] {
             startAdding("5");
             type("RNum", "77");
             RNum_LostFocus(*app, screen);
         },
         "0077"},
        {"a copy",
         [this] {
             dialogs().answer(AnsYes);
             mnuCopy_Click(*app, screen);
         },
         "0101"},
    };
    for (const auto& start : starts) {
        for (const auto& [how, back] : {std::pair{"Esc", esc}, std::pair{"a refused number", refused}}) {
            SCOPED_TRACE(std::string(start.what) + ", " + how);
            open(People());
            ASSERT_EQ(text("RNum"), S("0012"));
            start.begin();
            type("FName", "Ned");
            type("RNum", "");
            dialogs().clear();
            back();
            EXPECT_EQ(text("RNum").toStdString(), start.own);
            EXPECT_TRUE(dialogs().messages().filter(S("duplicate")).isEmpty());
        }
    }
}

// Esc in any box of a new name that puts back its field, with a record shown before whose
// every field is filled: the box gets the new name's own value as the entry began, never
// the field of the record shown before.
TEST_F(AddModeTest, EscInAnyBoxOfANewNamePutsBackItsOwnValue) {
    QList<AttendeeRecord> people = People();
    people[0] = Rec("0012", "Mary", "Smith")
                    .nights("1-1-1")
                    .address("12 Oak St")
                    .zip("62702")
                    .religion("Methodist")
                    .advertising(".M.....")
                    .team("05")
                    .level("A")
                    .bapt("12/25/26")
                    .interview(1)
                    .with([](AttendeeRecord& r) {
                        r.City = "Chatham";
                        r.State = "IL";
                        r.Phone = "217-555-1234";
                        r.Email = "mary@example.org";
                        r.MapCode = "B7";
                        r.Visits = "A1";
                        r.MailList = 0;
                    });
    int restored = 0;
    for (const QString& box : EditFormControlNames()) {
        open(people);
        startAdding("5");
        const QString text = screen.text(box);
        const int value = screen.value(box);
        screen.setText(box, S("zz"));
        screen.setValue(box, value == 0 ? 1 : 0);
        if (!FieldKeyDown(*app, screen, box, vk::Escape, 0)) continue;
        SCOPED_TRACE(box.toStdString());
        ++restored;
        // A text box gets its text back, a check box its value.
        EXPECT_TRUE(screen.text(box) == text || screen.value(box) == value)
            << screen.text(box).toStdString() << " / " << screen.value(box);
    }
    EXPECT_GT(restored, 10);
}

// The data file gone, the crusade's files saved elsewhere hold what the user kept: a new
// name still on screen, not a copy reported as not made nor a name left or undone; the
// question counts what is saved.
TEST_F(AddModeTest, TheFilesSavedElsewhereHoldWhatTheUserKept) {
    for (const auto& [what, records] : {std::pair("copy", 5), {"leave", 5}, {"undo", 5}, {"keep", 6}}) {
        SCOPED_TRACE(what);
        open(People());
        const QString lost = app->program.DataFile, elsewhere = fx->t.path(S("elsewhere"));
        ASSERT_TRUE(QFile::remove(lost) && QDir().mkpath(elsewhere));
        const std::string act = what;
        if (act == "copy") {
            dialogs().answer(AnsYes);
            mnuCopy_Click(*app, screen);
        } else {
            startAdding("5");
            type("LName", "Stone");
            EXPECT_THROW(btnSaveNew_Click(*app, screen), VbError);
            dialogs().answer(AnsYes);
            if (act == "leave") btnCancelNew_Click(*app, screen);
            if (act == "undo") mnuUndo_Click(*app, screen);
        }
        dialogs().clear();
        dialogs().answer(AnsYes).choose(elsewhere);
        ASSERT_TRUE(SaveLostCrusade(*app));
        EXPECT_TRUE(dialogs().shown().front().text.contains(QStringLiteral(" its %1 records are lost").arg(records)));
        const QByteArray saved = ReadFileBytes(QDir(elsewhere).filePath(QFileInfo(lost).fileName()));
        ASSERT_EQ(saved.size(), records * Crusade::RecLen);
        EXPECT_EQ(AttendeeRecord::decode(saved.right(Crusade::RecLen)).LName.trimmed(),
                  records == 6 ? "Stone" : "Brown");
    }
}

// --- Pre-registration ----------------------------------------------------------------------

struct PreRegistrationTest : AddModeTest {
    QString preFile() const { return PreRegistrationFileName(app->program.DataFile); }
    static AttendeeRecord Entry(const char* first, const char* last, const char* address) {
        return Rec("0000", first, last)
            .address(address)
            .zip("62702")
            .age("")
            .religion("Methodist")
            .advertising(".M.....")
            .notes("Pre-registered")
            .with([](AttendeeRecord& r) {
                r.City = "Chatham";
                r.State = "IL";
                r.Phone = "2175551234";
                r.Email = "mary@example.org";
            });
    }
    void leaveLastName(const char* first, const char* last) {
        type("FName", first);
        type("LName", last);
        LName_LostFocus(*app, screen);
    }
};

TEST_F(PreRegistrationTest, FillsTheEntryFromTheFile) {
    WriteDataFile(preFile(), {Entry("Ann", "Jones", "1 First St"), Entry("Mary", "Smith", "12 Oak St")});
    startAdding("5");
    leaveLastName("mary", "SMITH");

    EXPECT_EQ(text("LName"), S("SMITH"));
    EXPECT_EQ(text("Address"), S("12 Oak St"));
    EXPECT_EQ(Trim(text("City")), S("Chatham"));
    EXPECT_EQ(text("State"), S("IL"));
    EXPECT_EQ(Trim(text("Zip")), S("62702"));
    EXPECT_EQ(text("Phone"), S("217-555-1234"));
    EXPECT_EQ(Trim(text("txtEmail")), S("mary@example.org"));
    EXPECT_EQ(Trim(text("Advertising")), S(".M..P.."));
    EXPECT_EQ(text("Age"), S("NIF"));
    EXPECT_EQ(Trim(text("RelPref")), S("Methodist"));
    EXPECT_EQ(Trim(text("Notes")), S("Pre-registered"));
    EXPECT_EQ(screen.value(S("MailList")), 1);
    EXPECT_EQ(screen.focused(), S("btnSaveNew"));
    EXPECT_EQ(screen.get(S("LName")).back, kWindowBackground);
    ASSERT_EQ(fx->t.sound.played.size(), 1);
    EXPECT_TRUE(fx->t.sound.played[0].endsWith(S("S01.wav")));
    EXPECT_TRUE(dialogs().messages().isEmpty());
    EXPECT_EQ(ReadFileBytes(preFile()).size(), 2 * Crusade::RecLen);  // never written
}

TEST_F(PreRegistrationTest, MatchingRules) {
    struct Case {
        bool adding;
        const char* first;
        const char* last;
        const char* lastAfter;
        const char* address;  // the Address box afterwards
    };
    const Case cases[] = {
        {false, "mary", "smith", "Smith", ""},          // outside add mode only the capital letter
        {true, "Unknown", "Jones", "Jones", ""},        // "Unknown" never matches
        {true, "Ann", "", "Unknown", ""},               // an empty last name becomes "Unknown"
        {true, "Ann", "   ", "Unknown", ""},            // and so does one of blanks
        {false, "Ann", " doe  ", "Doe", ""},            // blanks around the name are dropped
        {true, "Mary", "Smith", "Smith", "2 Late St"},  // the later of two matches wins
        {true, "Mary", "Smithson", "Smithson", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.first) + " " + c.last);
        open(People());
        WriteDataFile(preFile(), {Entry("Mary", "Smith", "12 Oak St"), Entry("Unknown", "Jones", "3 Elm St"),
                                  Entry("Ann", "", "4 Elm St"), Entry("Mary", "Smith", "2 Late St")});
        if (c.adding) startAdding("5");
        type("Address", "");
        leaveLastName(c.first, c.last);
        EXPECT_EQ(text("Address"), S(c.address));
        EXPECT_EQ(text("LName"), S(c.lastAfter));
    }
}

TEST_F(PreRegistrationTest, FileName) {
    EXPECT_EQ(PreRegistrationFileName(S("/crusades/spring.dta")), S("/crusades/pre_spring.dta"));
    // Found whatever the case of its name.
    WriteDataFile(fx->t.path(S("PRE_VIEWS.DTA")), {Entry("Mary", "Smith", "12 Oak St")});
    startAdding("5");
    leaveLastName("Mary", "Smith");
    EXPECT_EQ(text("Address"), S("12 Oak St"));
    EXPECT_EQ(app->msg.MsgText, S("PRE_VIEWS.DTA"));
}

TEST_F(PreRegistrationTest, UnreadableFileIsReportedOnce) {
    // A socket under the file's name: it is listed in the folder but cannot be opened.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(preFile());
    ASSERT_LT(size_t(path.size()), sizeof(addr.sun_path));
    std::memcpy(addr.sun_path, path.constData(), size_t(path.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)), 0);

    startAdding("5");
    type("Address", "");
    leaveLastName("Mary", "Smith");
    ::close(fd);

    ASSERT_EQ(dialogs().messages().size(), 1);
    EXPECT_TRUE(dialogs().messages()[0].startsWith(S("The pre-registration file ") + preFile()));
    EXPECT_EQ(text("Address"), QString());
}

}  // namespace

#include "FakePlatform.h"
#include "FakeScreen.h"
#include "RecordBuilder.h"
#include "ViewFixture.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/RecordDisplay.h"
#include "data/Text.h"
#include "views/Indexes.h"

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

// The attendance screen carries public values in place of some boxes and lacks these.
FakeScreen AttendScreen() {
    return FakeScreen(QStringLiteral("AttendF"),
                      {QStringLiteral("Age"), QStringLiteral("Advertising"), QStringLiteral("RelPref"),
                       QStringLiteral("MailList"), QStringLiteral("MapCode"), QStringLiteral("chkMarkToVisit"),
                       QStringLiteral("RecordPos"), QStringLiteral("EditLabel")});
}

struct RecordDisplayTest : ::testing::Test {
    ViewFixture f{
        {Person("0001", "Ann", "Adams"), Person("0002", "Bob", "Brown"), Person("0003", "Cy", "Clark")}, 7, 0};
    TestApp& t = f.t;
    App& app = f.app;
    FakeScreen screen;

    RecordDisplayTest() {
        app.settings.CrusadeName = QStringLiteral("Spring   ");
        app.settings.SoundOn = true;
    }
    // The alphabetical view over the three records (their file order), on the main window.
    void openView() {
        IndexAlpha(app);
        app.hooks.editForm = &screen;
    }
    QStringList sounds() const { return t.sound.played; }
};

// --- ShowListCaption --------------------------------------------------------------------

TEST_F(RecordDisplayTest, ListCaptionTitlesAndHighlights) {
    app.settings.TeamNames[5] = QStringLiteral("Smith Team:555-1212");
    app.settings.TeamNames[12] = QStringLiteral("Jones");
    app.settings.DecisionNames[3] = QStringLiteral("Baptism");
    app.settings.TotalAttendNum = 7;
    struct Case {
        const char* kind;
        qint16 cutOff;
        const char* title;
        QStringList highlighted;
        const char* scratch = "before";  // ScratchVar afterwards
    };
    const QString kept = QStringLiteral("Caller");
    const Case cases[] = {
        {"age", 0, "Caller", {"Age"}},
        {"Advertising", 0, "Caller", {"Advertising"}},
        {"alpha", 0, "All Names Sorted Alphabetially", {}},
        {"alphafilter", 0, "Alphabetical List\r\nAll Names", {}},
        {"alphafilter", 6, "Alphabetical List\r\nLast Mtg >6", {}},
        {"wcalpha", 6, "Team Codes\r\nLast Mtg >6", {"Last", "WorkerCode"}},
        {"interest", 0, "Priority List", {"IntLevel"}},
        {"baptism", 0, "Baptisms List", {"IntLevel"}},
        {"date", 0, "Baptism Dates", {"BaptDate"}},
        {"FutureBapDateSet", 0, "Future Baptism Dates Set", {"BaptDate"}},
        {"attend", 3, "Attendance \r\nLast Mtg >3", {"Attendance", "Last"}},
        {"attend", 0, "Attendance \r\nLast Mtg >0", {"Attendance", "Last"}},
        {"zip", 0, "Zip Code Filter", {"Zip"}},
        {"religion", 2, "Religion\r\nLast Mtg >2", {}},
        {"attendnight 7", 0, "Attendance for \r\nMtg:  7", {"Last"}, " 7"},
        {"attendnight12", 0, "Attendance for \r\nMtg: 12", {"Last"}, "12"},
        {"mail", 0, "Mail List", {}},
        {"DupAddress", 0, "Duplicate\r\nAddresses", {"Address"}},
        {"NDupAddress", 0, "Dup Address\r\nDifferent Name", {"Address", "LName"}},
        {"TDupAddress", 0, "Duplicate Address\r\nDifferent Team", {"Address", "WorkerCode"}},
        {"CleanMailList", 0, "Clean up Mail List", {"Address", "WorkerCode"}},
        {"PreCrusade", 0, "Pre-Crusade\r\nGuests", {}},
        {"marked", 0, "Marked Names", {"chkMarkToVisit"}},
        {"SelWCAttend05", 0, "Team Code: 05\r\nSmith Team", {"Attendance", "WorkerCode"}, "05"},
        {"SelWCAttend12", 0, "Team Code: 12\r\nJones", {"Attendance", "WorkerCode"}, "12"},
        {"TotalAttend", 0, "Total Meetings\r\nAttended =7", {"Attendance"}},
        {"wcattend", 0, "Caller", {"Attendance", "WorkerCode"}},
        {"decisions3", 0, "Decision:\r\nBaptism", {"Dec(2)"}, "3"},
        {"decision 3", 0, "Decision:\r\nBaptism", {"Dec(2)"}, "3"},
        {"missednight03", 0, "Missed \r\n03 night(s).", {}, "03"},
        {"", 0, "", {}},
        {"notes", 0, "Caller", {"Notes"}},
        {"unsorted", 0, "Caller", {}},
        {"Alpha", 0, "Caller", {}},
    };
    for (const Case& c : cases) {
        FakeScreen s;
        app.view.ReportKind = QLatin1String(c.kind);
        app.settings.PrintCutOff = c.cutOff;
        QString title = kept;
        app.msg.ScratchVar = QStringLiteral("before");
        ShowListCaption(app, s, title);
        EXPECT_EQ(app.msg.ScratchVar, QLatin1String(c.scratch)) << c.kind;
        EXPECT_EQ(title, QLatin1String(c.title)) << c.kind;
        EXPECT_EQ(s.get(QStringLiteral("EditLabel")).text, title) << c.kind;
        EXPECT_EQ(s.highlighted(), c.highlighted) << c.kind;
    }
}

TEST_F(RecordDisplayTest, ListCaptionCounterAndCaptionOnBothScreens) {
    app.view.ReportKind = QStringLiteral("age");
    app.view.ReportCount = 10;
    app.view.CurIndexPos = 3;
    FakeScreen attend = AttendScreen();
    for (FakeScreen* s : {&screen, &attend}) {
        QString title;
        ShowListCaption(app, *s, title);
        EXPECT_EQ(s->get(QStringLiteral("RecordCounter")).text, QStringLiteral("3 of 10"));
        EXPECT_EQ(s->caption(), QStringLiteral("Fennick Edit Screen: Spring Crusade (Meeting # 7)"));
    }
    // The attendance screen has no Age box: the highlight is skipped.
    EXPECT_EQ(attend.highlighted(), QStringList());
    EXPECT_EQ(screen.highlighted(), QStringList{QStringLiteral("Age")});
}

// --- ShowRecord -----------------------------------------------------------------------------

TEST_F(RecordDisplayTest, ShowRecordFillsTheControls) {
    AttendeeRecord r = Person("0012", "Mary", "Smith");
    r.IntLevel = "G";
    r.Attend = "5";
    r.Last = 12;
    r.Notes = "  likes hymns ";
    r.MailList = -1;  // True, as a failed copy could leave it
    r.Class = 2;
    r.MarkToVisit = -1;
    r.Decisions = "AB-D-----";
    r.Email = "mary@example.org";
    app.crusade.CurRecord = r;
    app.crusade.CurRecNo = 17;

    ASSERT_TRUE(ShowRecord(app, screen));
    const QList<QPair<const char*, const char*>> texts = {
        {"RNum", "0012"},
        {"FName", "Mary"},
        {"LName", "Smith"},
        {"Address", "1 Main St"},
        {"City", "Springfield"},
        {"Zip", "62701"},
        {"IntLevel", "G"},
        {"Attend", "5 "},
        {"Last", "12"},
        {"Notes", "likes hymns"},
        {"Decisions", "AB-D-----"},
        {"txtEmail", "mary@example.org"},
        {"RecordPos", "17"},
        {"Attendance", "1---------------------------------------"},
    };
    for (const auto& [name, text] : texts) EXPECT_EQ(screen.get(QLatin1String(name)).text, QLatin1String(text)) << name;
    const QList<QPair<const char*, int>> values = {
        {"Baptized", 1}, {"MailList", 1}, {"Class", 2},  {"chkMarkToVisit", 1}, {"Dec(0)", 1},
        {"Dec(1)", 1},   {"Dec(2)", 0},   {"Dec(3)", 1}, {"Dec(8)", 0},
    };
    for (const auto& [name, value] : values) EXPECT_EQ(screen.get(QLatin1String(name)).value, value) << name;
    EXPECT_EQ(app.crusade.OrigRecord, r);
}

TEST_F(RecordDisplayTest, AddressWarning) {
    struct Case {
        const char* address;
        bool warn;
    };
    for (const Case c : {Case{"PO Box 12", true}, Case{"12 Old PO Road", true}, Case{"Address Unknown", true},
                         Case{"po box 12", false}, Case{"POBox 12", false}, Case{"1 Main St", false}}) {
        app.crusade.CurRecord.Address = c.address;
        ShowRecord(app, screen);
        const auto& box = screen.get(QStringLiteral("Address"));
        EXPECT_EQ(box.fore, c.warn ? kRed : kWindowText) << c.address;
        EXPECT_EQ(box.bold, c.warn) << c.address;
        EXPECT_EQ(app.msg.ScratchVar, QLatin1String(c.address));
    }
}

TEST_F(RecordDisplayTest, UnknownPhoneOnEachScreen) {
    app.settings.SoundOn = false;  // the ring plays whatever the setting
    app.crusade.CurRecord = Person("0012", "Mary", "Smith");
    app.crusade.CurRecord.Phone = "Unknown";

    ShowRecord(app, screen);
    auto box = screen.get(QStringLiteral("Phone"));
    EXPECT_EQ(box.fore, kRed);
    EXPECT_TRUE(box.bold);
    EXPECT_EQ(box.back, kWhite);
    EXPECT_TRUE(sounds().isEmpty());

    FakeScreen attend = AttendScreen();
    ASSERT_TRUE(ShowRecord(app, attend));
    box = attend.get(QStringLiteral("Phone"));
    EXPECT_EQ(box.fore, kWhite);
    EXPECT_EQ(box.back, kRed);
    EXPECT_TRUE(box.bold);
    ASSERT_EQ(sounds().size(), 1);
    EXPECT_TRUE(sounds().at(0).endsWith(QStringLiteral("ring.wav")));
    // The public values stand in for the missing boxes.
    EXPECT_EQ(attend.get(QStringLiteral("Last")).text, QStringLiteral("1"));
    EXPECT_EQ(attend.get(QStringLiteral("Decisions")).text, QStringLiteral("---------"));

    // A known number puts the plain colours back.
    app.crusade.CurRecord.Phone = "555-1234";
    ShowRecord(app, attend);
    box = attend.get(QStringLiteral("Phone"));
    EXPECT_EQ(box.fore, kWindowText);
    EXPECT_EQ(box.back, kWhite);
    EXPECT_FALSE(box.bold);
    EXPECT_EQ(sounds().size(), 1);
}

TEST_F(RecordDisplayTest, NotFoundLeavesThePhoneColours) {
    app.crusade.CurRecord = Person("0012", "Mary", "Smith");
    app.crusade.CurRecord.Phone = "Unknown";
    FakeScreen attend = AttendScreen();
    attend.setBackColor(QStringLiteral("Phone"), kHighlightColour);
    app.msg.MsgText = QStringLiteral("NotFound");
    ShowRecord(app, attend);
    EXPECT_EQ(attend.get(QStringLiteral("Phone")).back, kHighlightColour);
    EXPECT_FALSE(attend.get(QStringLiteral("Phone")).bold);
    EXPECT_TRUE(sounds().isEmpty());
}

TEST_F(RecordDisplayTest, MidnightBaptismDateShowsEmpty) {
    struct Case {
        const char* stored;
        const char* shown;
    };
    for (const Case c : {Case{"12:00AM", ""}, Case{" 12:00AM", ""}, Case{"", ""}, Case{"1/5/99", "1/5/99"}}) {
        app.crusade.CurRecord.BaptDate = c.stored;
        const AttendeeRecord before = app.crusade.CurRecord;
        ShowRecord(app, screen);
        EXPECT_EQ(screen.get(QStringLiteral("BaptDate")).text, QLatin1String(c.shown)) << c.stored;
        EXPECT_EQ(app.crusade.CurRecord, before);
        EXPECT_EQ(app.crusade.OrigRecord, before);
    }
}

// A screen whose Notes box cannot be set.
class BrokenNotesScreen : public FakeScreen {
public:
    void setText(const QString& c, const QString& text) override {
        if (broken && c == QLatin1String("Notes")) throw VbError(err::InvalidCall, QStringLiteral("broken"));
        FakeScreen::setText(c, text);
    }
    bool broken = false;
};

TEST_F(RecordDisplayTest, ShowRecordIsAllOrNothing) {
    BrokenNotesScreen s;
    const AttendeeRecord first = Person("0001", "Ann", "Adams");
    app.crusade.CurRecord = first;
    ASSERT_TRUE(ShowRecord(app, s));

    AttendeeRecord second = Person("0002", "Bob", "Brown");
    second.Decisions = "A--------";
    app.crusade.CurRecord = second;
    s.broken = true;
    EXPECT_FALSE(ShowRecord(app, s));
    EXPECT_EQ(app.crusade.OrigRecord, first);
    const QList<QPair<const char*, const char*>> shown = {
        {"RNum", "0001"}, {"FName", "Ann"}, {"LName", "Adams"}, {"Notes", ""}, {"Decisions", "---------"}};
    for (const auto& [name, text] : shown) EXPECT_EQ(s.get(QLatin1String(name)).text, QLatin1String(text)) << name;
    EXPECT_EQ(s.get(QStringLiteral("Dec(0)")).value, 0);
}

// --- Decisions ------------------------------------------------------------------------------

TEST_F(RecordDisplayTest, ShowDecisionsTicksEveryMadeDecision) {
    app.crusade.CurRecord.Decisions = "AB-D----";  // position 9 blank: counts as made
    ShowDecisions(app, screen);
    const int expected[9] = {1, 1, 0, 1, 0, 0, 0, 0, 1};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(screen.get(QStringLiteral("Dec(%1)").arg(i)).value, expected[i]) << i;
}

TEST_F(RecordDisplayTest, SetDecisionWritesOneCharacter) {
    app.settings.DecisionCodes[2] = QStringLiteral("R");
    app.settings.DecisionCodes[4] = QString();
    struct Case {
        int index;
        int tick;
        const char* decisions;
    };
    const Case cases[] = {
        {2, 0, "AB-D-----   "},  // unticked: "-"
        {1, 1, "AR-D-----   "},  // ticked: the decision's code
        {3, 1, "AR-D-----   "},  // ticked with no code: unchanged
        {8, 0, "AR-D-----   "},
    };
    app.crusade.CurRecord.Decisions = "ABCD-----";
    FakeScreen attend = AttendScreen();
    for (const Case& c : cases) {
        for (FakeScreen* s : {&screen, &attend}) {
            s->setValue(QStringLiteral("Dec(%1)").arg(c.index), c.tick);
            SetDecision(app, c.index, *s);
            EXPECT_EQ(app.crusade.CurRecord.Decisions.bytes(), QByteArray(c.decisions)) << c.index;
            EXPECT_EQ(s->get(QStringLiteral("Decisions")).text, QLatin1String(c.decisions)) << c.index;
        }
    }
    EXPECT_THROW(SetDecision(app, 9, screen), VbError);
}

// --- MoveToRecord -------------------------------------------------------------------------

TEST_F(RecordDisplayTest, MoveThroughTheView) {
    openView();
    struct Case {
        qint16 from;
        int direction;
        qint16 to;
        bool clunk;
    };
    // The last three start at position 0 over a full view (left by a view's fall-back):
    // the first entry is read.
    const Case cases[] = {
        {1, 1, 1, true},  {3, 2, 3, true},  {2, 0, 1, false}, {1, 3, 3, false}, {2, 1, 1, false},
        {2, 2, 3, false}, {2, 7, 2, false}, {0, 1, 1, true},  {0, 7, 1, false}, {0, 2, 1, false},
    };
    const char* names[] = {"", "Ann", "Bob", "Cy"};
    for (const Case& c : cases) {
        t.sound.played.clear();
        app.view.CurIndexPos = c.from;
        MoveToRecord(app, c.direction);
        EXPECT_EQ(app.view.CurIndexPos, c.to) << c.from << "/" << c.direction;
        EXPECT_EQ(app.crusade.CurRecNo, c.to);
        EXPECT_EQ(screen.get(QStringLiteral("FName")).text, QLatin1String(names[c.to]));
        EXPECT_EQ(screen.get(QStringLiteral("RecordCounter")).text, QStringLiteral("%1 of 3").arg(c.to));
        EXPECT_EQ(app.crusade.OrigRecord, app.crusade.CurRecord);
        ASSERT_EQ(sounds().size(), c.clunk ? 1 : 0) << c.from << "/" << c.direction;
        if (c.clunk) {
            EXPECT_TRUE(sounds().at(0).endsWith(QStringLiteral("S02.wav")));
        }
    }
}

TEST_F(RecordDisplayTest, MoveFillsAnEmptyFindBox) {
    openView();
    screen.setText(QStringLiteral("FndNameBx"), QStringLiteral("   "));
    MoveToRecord(app, 2);
    EXPECT_EQ(screen.get(QStringLiteral("FndNameBx")).text, QStringLiteral("Brown").leftJustified(20));
    screen.setText(QStringLiteral("FndNameBx"), QStringLiteral("Ad"));
    MoveToRecord(app, 0);
    EXPECT_EQ(screen.get(QStringLiteral("FndNameBx")).text, QStringLiteral("Ad"));
}

TEST_F(RecordDisplayTest, MoveOnAnEmptyViewStartsAddMode) {
    openView();
    int addModeStarts = 0;
    app.hooks.startAddMode = [&] { ++addModeStarts; };
    screen.setText(QStringLiteral("RecordCounter"), QStringLiteral("1 of 1"));
    app.view.clear();
    app.view.CurIndexPos = 1;  // left over from the view before
    app.crusade.FileIsOpen = true;
    for (int direction : {0, 1, 2, 3}) {
        MoveToRecord(app, direction);
        EXPECT_EQ(app.view.CurIndexPos, 0);
    }
    EXPECT_EQ(addModeStarts, 4);
    EXPECT_TRUE(app.crusade.FileIsOpen);  // the crusade stays loaded
    EXPECT_EQ(screen.get(QStringLiteral("RecordCounter")).text, QStringLiteral("1 of 1"));
    EXPECT_TRUE(sounds().isEmpty());
}

TEST_F(RecordDisplayTest, MoveKeepsThePositionWhenTheRecordCannotBeRead) {
    openView();
    MoveToRecord(app, 0);
    app.view.ReportIndex[2] = "0002XXXXXXX  99";  // names a record past the end
    MoveToRecord(app, 2);
    EXPECT_EQ(app.view.CurIndexPos, 1);
    EXPECT_EQ(app.crusade.CurRecNo, 1);
    EXPECT_EQ(screen.get(QStringLiteral("FName")).text, QStringLiteral("Ann"));
}

// --- EnterVisitCode ---------------------------------------------------------------------------

TEST_F(RecordDisplayTest, EnterVisitCodeCases) {
    struct Case {
        const char* visits;
        const char* kind;
        const char* typed;
        int deleteAnswer;  // 0: no delete question expected
        const char* result;
        bool clunk;
    };
    const Case cases[] = {
        {"L05", "H", "7", 0, "L05h07", false},
        {"L05", "h", "12", 0, "L05h12", false},
        {"L05H06M07P08", "H", "9", 0, "H06M07P08h09", false},
        {"L05H06M07P0", "M", "12", 0, "5H06M07P0m12", false},  // grows past 12: newest 12 kept
        {"h07", "A", "24", 0, "h07A24", false},
        {"", "A", "5", 0, "A05", false},
        {"", "P", "123", 0, "", true},
        {"", "X", "5", 0, "", true},
        {"", "H", "", 0, "", true},
        {"h07", "H", "", AnsYes, "", false},
        {"L05h07", "H", "", AnsYes, "L05", false},
        {"h07", "H", "", AnsNo, "h07", false},
    };
    for (const Case& c : cases) {
        t.dialogs.clear();
        t.sound.played.clear();
        t.dialogs.type(QLatin1String(c.typed));
        if (c.deleteAnswer) t.dialogs.answer(c.deleteAnswer);
        const QString result = EnterVisitCode(app, QLatin1String(c.visits), QLatin1String(c.kind));
        EXPECT_EQ(result, QLatin1String(c.result)) << c.visits << " " << c.kind << " " << c.typed;
        EXPECT_EQ(sounds().size(), c.clunk ? 1 : 0) << c.visits << " " << c.typed;
        EXPECT_FALSE(t.dialogs.pending());
        if (c.deleteAnswer) {
            const auto& box = t.dialogs.last();
            EXPECT_EQ(box.text, QStringLiteral("Do you want to delete the last visit?"));
            EXPECT_EQ(box.title, QStringLiteral("Delete Visit"));
            EXPECT_EQ(box.buttons, Buttons::YesNo);
            EXPECT_EQ(box.icon, Icon::Exclamation);
        }
    }
}

TEST_F(RecordDisplayTest, EnterVisitCodePrompts) {
    t.dialogs.type(QStringLiteral("7")).type(QStringLiteral("24"));
    EnterVisitCode(app, QString(), QStringLiteral("L"));
    EnterVisitCode(app, QString(), QStringLiteral("A"));
    ASSERT_EQ(t.dialogs.shown().size(), 2u);
    const auto& visit = t.dialogs.shown()[0];
    EXPECT_EQ(visit.kind, FakeDialogs::Kind::Input);
    EXPECT_EQ(visit.title, QStringLiteral("Enter Visitation Code"));
    EXPECT_EQ(visit.defaultText, QStringLiteral("7"));
    EXPECT_TRUE(visit.text.startsWith(QStringLiteral("Enter: \r\n   'L' for Left Sermon or Message\r\n")));
    EXPECT_TRUE(visit.text.contains(
        QStringLiteral("H07 Would be a visit in the home following the seventh meeting.\r\n\r\nOr press")));
    const auto& appointment = t.dialogs.shown()[1];
    EXPECT_EQ(appointment.title, QStringLiteral("Enter Appointment Code"));
    EXPECT_EQ(appointment.defaultText, QString());
    EXPECT_TRUE(appointment.text.contains(
        QStringLiteral("A24 Would show an appointment (A) on Monday (2) at 4:00 (4)\r\n\r\n")));
    EXPECT_EQ(app.msg.MsgAnswer, QStringLiteral("A24"));
    EXPECT_EQ(app.msg.MsgText, appointment.text);
}

}  // namespace

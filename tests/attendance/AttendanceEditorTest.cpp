// The per-record attendance editor's rules over a target in memory, one scripted opening
// per row ("n3" clicks night 3, "o1" the first decision option, "all" and "clear" the two
// buttons, with the answers queued), then Save into both screens and the close when the
// screen moves on to another record.

#include "AttendFixture.h"
#include "FakeTarget.h"
#include "attendance/AttendRecord.h"
#include "attendance/AttendanceEditor.h"
#include "attendance/AttendanceMarks.h"
#include "attendance/ScreenTarget.h"
#include "data/Text.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Dialogs.h"

#include <functional>
#include <utility>
#include <vector>

using namespace fennick;
using namespace fennick::test;

namespace {

const char* const kRefused = "You must show at least one meeting attended.";
const char* const kAfterLast =
    "The Meeting Number you have entered is greater than the Last Meeting Number.\r\n"
    "You can change the Last Meeting Number on the File Prefrences Menu.";

struct Edit {
    const char* name;
    const char* attendance;
    int lastMeeting;
    const char* script;
    std::vector<int> answers;
    const char* after;  // the string shown afterwards, dashes to 40 characters
    const char* attend;
    const char* last;
    const char* message;  // the last message shown, or null
};

const Edit kEdits[] = {
    {"an absent night gets its digit", "12--5", 12, "n3", {}, "123-5", "4", "5", nullptr},
    {"a marked night becomes absent without a question", "12C45", 12, "n3", {}, "12-45", "4", "5", nullptr},
    {"night 10 is marked 0", "1", 12, "n10", {}, "1--------0", "2", "10", nullptr},
    {"a decision option writes its letter", "12--5", 12, "o1 n3", {}, "12C-5", "4", "5", nullptr},
    {"with an option a marked night still becomes absent", "12V45", 12, "o2 n3", {}, "12-45", "4", "5", nullptr},
    {"a second click on the option switches the letter off", "12--5", 12, "o1 o1 n3", {}, "123-5", "4", "5", nullptr},
    {"an option whose code cannot be a mark gives the digit", "12--5", 12, "o4 n3", {}, "123-5", "4", "5", nullptr},
    {"the only night cannot be taken out", "--3--", 12, "n3", {}, "--3--", "1", "3", kRefused},
    {"a night after the last meeting is refused", "12--5", 5, "n7", {}, "12--5", "3", "5", kAfterLast},
    {"all marks every night to the last meeting, later nights still count",
     "-V---------------------0",
     5,
     "all",
     {AnsYes},
     "12345------------------0",
     "6",
     "24",
     nullptr},
    {"clear leaves the last meeting, later nights still count",
     "1V345------------------0",
     5,
     "clear",
     {AnsYes},
     "----5------------------0",
     "2",
     "24",
     nullptr},
    {"clear at meeting 1 writes only night 1", "--3", 1, "clear", {AnsYes}, "1-3", "2", "3", nullptr},
    {"all answered No changes nothing", "-V", 5, "all", {AnsNo}, "-V", "1", "2", nullptr},
    {"clear answered No changes nothing", "1V3", 5, "clear", {AnsNo}, "1V3", "3", "3", nullptr},
};

QString Dashed(const char* text) {
    return QString::fromLatin1(text).leftJustified(40, u'-');
}

class AttendanceEditorTest : public ::testing::TestWithParam<Edit> {};

TEST_P(AttendanceEditorTest, Opening) {
    const Edit& c = GetParam();
    TestApp t;
    SetDefaultInfo(t.app);
    t.app.settings.DecisionCodes[4] = QStringLiteral("V");  // a code that reads as video
    t.app.settings.LastMeeting = qint16(c.lastMeeting);
    for (int a : c.answers) t.dialogs.answer(a);
    FakeTarget target;
    target.Attendance = Dashed(c.attendance);
    qint16 last = 0;
    QByteArray counted = target.Attendance.toLatin1();
    target.Attend = QString::number(CountAttendance(counted, last));
    target.Last = last;
    AttendanceEditor editor(t.app, target);
    editor.Form_Load();

    for (const QString& step : QString::fromLatin1(c.script).split(u' ')) {
        if (step.startsWith(u'n')) {
            editor.ATD_Click(step.mid(1).toInt() - 1);
        } else if (step.startsWith(u'o')) {
            editor.optAtDe_MouseDown(step.mid(1).toInt());
            editor.optAtDe_MouseUp(step.mid(1).toInt());
        } else if (step == QLatin1String("all")) {
            editor.btnFill_Click();
        } else {
            editor.btnClearAttend_Click();
        }
    }
    EXPECT_EQ(editor.Attendance, Dashed(c.after));
    EXPECT_EQ(editor.Attend, QString::fromLatin1(c.attend));
    EXPECT_EQ(editor.Last, QString::fromLatin1(c.last));
    const QStringList messages = t.dialogs.messages();
    if (c.message) {
        ASSERT_FALSE(messages.isEmpty());
        EXPECT_EQ(messages.back(), QString::fromLatin1(c.message));
    } else {
        EXPECT_EQ(messages.size(), qsizetype(c.answers.size()));  // the questions only
    }
    EXPECT_FALSE(t.dialogs.pending());
    // Nothing reaches the target before Save.
    EXPECT_EQ(target.Attendance, Dashed(c.attendance));
}

INSTANTIATE_TEST_SUITE_P(Rows, AttendanceEditorTest, ::testing::ValuesIn(kEdits),
                         [](const auto& info) { return CaseName(info.param.name); });

TEST(AttendanceEditor, OptionsAndQuestions) {
    TestApp t;
    SetDefaultInfo(t.app);
    t.app.settings.DecisionCodes[4] = QStringLiteral("V");
    t.app.settings.LastMeeting = 5;
    FakeTarget target;
    target.Attendance = Dashed("1");
    AttendanceEditor editor(t.app, target);
    editor.Form_Load();
    EXPECT_EQ(editor.optionCaption(1), QStringLiteral("Accepts Christ (C)"));
    EXPECT_TRUE(editor.optionUsable(1));
    EXPECT_FALSE(editor.optionUsable(4));
    EXPECT_EQ(editor.lblDecision, QStringLiteral("Click to show Decision Code Instead of Meeting Number"));
    editor.optAtDe_MouseDown(2);
    editor.optAtDe_MouseUp(2);
    EXPECT_EQ(editor.lblDecision, QStringLiteral("'S' will show in Attendance Record Instead of Number"));
    EXPECT_TRUE(editor.lblDecisionHighlighted);
    EXPECT_EQ(editor.focus, QStringLiteral("ExitAttendUpdate"));
    editor.optAtDe_MouseDown(2);
    editor.optAtDe_MouseUp(2);
    EXPECT_EQ(editor.lblDecision, QStringLiteral("Click to show Decision Code Instead of Number"));
    EXPECT_FALSE(editor.lblDecisionHighlighted);
    EXPECT_EQ(editor.chosenOption, 0);

    t.dialogs.answer(AnsNo).answer(AnsNo);
    editor.btnFill_Click();
    editor.btnClearAttend_Click();
    editor.Attendance_Click();
    ASSERT_EQ(t.dialogs.shown().size(), 3u);
    const auto& fill = t.dialogs.shown()[0];
    EXPECT_EQ(fill.text, QStringLiteral("Do you want to fill the attendance record up to the last meemting?"));
    EXPECT_EQ(fill.title, QStringLiteral("Fill the Attendance Record "));
    EXPECT_EQ(fill.buttons, Buttons::YesNo);
    EXPECT_EQ(fill.icon, Icon::Critical);
    EXPECT_EQ(t.dialogs.shown()[1].text,
              QStringLiteral("Do you want to erase the attendance record up to the last meemting?"));
    EXPECT_EQ(t.dialogs.shown()[2].text, QStringLiteral("You cannot edit the attendance record directly, you must use "
                                                        "the buttons below for changing the attendance."));
    EXPECT_EQ(t.app.msg.MsgAnswer, QString::number(AnsNo));

    editor.CancelAttendUpdate_Click();
    EXPECT_EQ(t.app.program.ScreenMode, QStringLiteral("attendupdate"));
    EXPECT_EQ(target.Attendance, Dashed("1"));
}

// Save writes into the screen the editor was opened from: the main window's boxes, or the
// attendance screen's box and variables; the data file only changes when that screen
// saves the record.
TEST_F(AttendFixture, EditorSavesIntoTheAttendanceScreen) {
    open();
    const qint32 n = app->crusade.CurRecNo;
    const AttendeeRecord before = onDisk(n);
    ScreenTarget target(*app, screen);
    AttendanceEditor editor(*app, target);
    editor.Form_Load();
    EXPECT_EQ(editor.Attendance, FromAnsi(before.Attendance.bytes()));
    QByteArray expected = before.Attendance.bytes();
    ToggleNight(expected, 3, '3');
    editor.ATD_Click(2);
    ASSERT_EQ(editor.Attendance, FromAnsi(expected));
    editor.ExitAttendUpdate_Click();
    EXPECT_EQ(app->program.ScreenMode, QStringLiteral("attendupdate"));
    EXPECT_EQ(text("Attendance"), FromAnsi(expected));
    EXPECT_EQ(st.Attend, editor.Attend);
    EXPECT_EQ(st.Last, qint16(Val(editor.Last)));
    EXPECT_EQ(onDisk(n), before);

    ASSERT_TRUE(attendf::SaveRecord(*app, st, screen));
    AttendeeRecord after = before;
    SetAttendance(after, expected);
    EXPECT_EQ(onDisk(n).Attendance, after.Attendance);
    EXPECT_EQ(onDisk(n).Attend, after.Attend);
    EXPECT_EQ(onDisk(n).Last, after.Last);
}

TEST_F(AttendFixture, EditorSavesIntoTheMainWindow) {
    open(FixtureRecords(), {}, nullptr);
    const qint32 n = app->crusade.CurRecNo;
    const AttendeeRecord before = onDisk(n);
    ScreenTarget target(*app, main);
    AttendanceEditor editor(*app, target);
    editor.Form_Load();
    dialogs().answer(AnsYes);
    editor.btnFill_Click();  // nights 1..12
    editor.ExitAttendUpdate_Click();
    EXPECT_EQ(main.text(QStringLiteral("Attendance")), editor.Attendance);
    EXPECT_EQ(main.text(QStringLiteral("Attend")), editor.Attend);
    EXPECT_EQ(main.text(QStringLiteral("Last")), editor.Last);
    EXPECT_EQ(onDisk(n), before);

    ASSERT_TRUE(SaveCurrentRecord(*app, main));
    AttendeeRecord after = onDisk(n);
    EXPECT_EQ(after.Attendance.bytes().left(12), QByteArray("123456789012"));
    EXPECT_EQ(after.Attend.bytes(), AttendText(int(Val(editor.Attend))));
    EXPECT_EQ(after.Last, qint16(Val(editor.Last)));
}

// The editor lets go of its record when its own screen shows another one: an entry, a
// move, a new name, another crusade, or its record marked anew by an entry; the same
// record shown again unchanged or another screen's display does not.
TEST_F(AttendFixture, EditorLetsGoWhenItsScreenShowsAnotherRecord) {
    open();
    enter(Ansi(text("RNum")).constData());  // tonight's mark in place
    ScreenTarget target(*app, screen);
    AttendanceEditor editor(*app, target);
    editor.Form_Load();
    bool shown = false;
    bool left = false;
    app->hooks.recordShown = [&](const RecordScreen& s, qint32 n) {
        shown = true;
        left = left || editor.leftBy(s, n);
    };
    const QByteArray same = Ansi(text("RNum"));
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"the same person entered again", [&] { enter(same.constData()); }},
        {"the main window's display", [&] { ShowCurrentRecord(*app, main); }},
        {"the same person entered again with a decision",
         [&] {
             attendf::DecA_Click(*app, st, screen, 2);
             enter(same.constData());
         }},
        {"another person entered", [&] { enter("0102"); }},
        {"a move", [&] { attendf::PreviousRecord_Click(*app, st, screen); }},
    };
    const bool expected[] = {false, false, true, true, true};
    for (size_t i = 0; i < std::size(steps); ++i) {
        shown = left = false;
        steps[i].second();
        EXPECT_TRUE(shown) << steps[i].first;
        EXPECT_EQ(left, expected[i]) << steps[i].first;
    }

    EXPECT_TRUE(target.leftBy(screen, 0));
    EXPECT_FALSE(target.leftBy(screen, target.recordNumber()));
    app->program.DataFile += QStringLiteral(".other");
    EXPECT_TRUE(target.leftBy(screen, target.recordNumber()));
}

}  // namespace

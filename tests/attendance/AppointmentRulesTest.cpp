// The appointment dialog's rules over a target in memory, one scripted opening per row:
// "d1" and "t8" click day option 1 and time option 8 (button down, then up), "u" ticks or
// clears "Unspecified", then Save, Clear or Cancel. Then the dialog over the attendance
// screen, down to the record in the data file.

#include "AttendFixture.h"
#include "FakeTarget.h"
#include "attendance/AppointmentRules.h"
#include "attendance/AttendRecord.h"
#include "attendance/ScreenTarget.h"
#include "platform/Dialogs.h"

#include <vector>

using namespace fennick;
using namespace fennick::test;

namespace {

struct Opening {
    const char* name;
    const char* visits;
    int interview;
    const char* loaded;  // lblApt after loading
    const char* script;
    std::vector<int> answers;
    const char* visitsAfter;
    int interviewAfter;
    bool closed;
    const char* message;  // the one message shown, or null
};

const char* const kAskTime = "Please select a Time for this Appointment.";
const char* const kErase =
    "You are about to erase this Appointment  that has been scheduled.\r\nIs that what you want to do?";

const Opening kOpenings[] = {
    {"a Monday appointment reopens on Monday at its time",
     "h03A24",
     0,
     "Monday: 04:00pm",
     "cancel",
     {},
     "h03A24",
     1,
     true,
     nullptr},
    {"a Sunday appointment reopens the same way", "A1a", 1, "Sunday: 08:00am", "cancel", {}, "A1a", 1, true, nullptr},
    {"changing only the day keeps the stored time",
     "h03A24p05",
     1,
     "Monday: 04:00pm",
     "d3 save",
     {},
     "H03A44P05",
     1,
     true,
     nullptr},
    {"a second click on the time keeps the stored time",
     "A24",
     1,
     "Monday: 04:00pm",
     "t8 save",
     {},
     "A24",
     1,
     true,
     nullptr},
    {"save without a day takes the appointment out",
     "h03A24p05",
     1,
     "Monday: 04:00pm",
     "d1 save",
     {},
     "H03P05",
     0,
     true,
     nullptr},
    {"save without a day appends nothing", "h03", 0, "No Appointment Scheduled", "save", {}, "H03", 0, true, nullptr},
    {"a day without a time is refused until a time is chosen",
     "h03",
     0,
     "No Appointment Scheduled",
     "d2 save t13 save",
     {},
     "H03A39",
     1,
     true,
     kAskTime},
    {"save puts every visit letter in capitals",
     "h01p02",
     0,
     "No Appointment Scheduled",
     "d0 t0 save",
     {},
     "H01P02A1a",
     1,
     true,
     nullptr},
    {"an appointment to a full field drops the oldest code",
     "h01p02m03l04",
     0,
     "No Appointment Scheduled",
     "d1 t8 save",
     {},
     "P02M03L04A24",
     1,
     true,
     nullptr},
    {"a code cut short is completed in its place", "h05A3", 1, "A3", "t5 save", {}, "H05A31", 1, true, nullptr},
    {"clear erases the appointment after the question",
     "h03A24p05",
     1,
     "Monday: 04:00pm",
     "clear",
     {AnsYes},
     "h03p05",
     0,
     true,
     kErase},
    {"clear answered No keeps everything open",
     "h03A24p05",
     1,
     "Monday: 04:00pm",
     "clear",
     {AnsNo},
     "h03A24p05",
     1,
     false,
     kErase},
    {"cancel after changes writes no code but sets the box from the field",
     "h03A24",
     0,
     "Monday: 04:00pm",
     "d4 t0 cancel",
     {},
     "h03A24",
     1,
     true,
     nullptr},
    {"cancel without an appointment clears the box",
     "h03",
     0,
     "No Appointment Scheduled",
     "cancel",
     {},
     "h03",
     0,
     true,
     nullptr},
    {"unspecified ticks the box without an appointment",
     "h03",
     0,
     "No Appointment Scheduled",
     "u cancel",
     {},
     "h03",
     1,
     true,
     nullptr},
    {"an interview without an appointment stays unspecified",
     "h03",
     1,
     "No Appointment Scheduled",
     "cancel",
     {},
     "h03",
     1,
     true,
     nullptr},
    {"clearing unspecified takes the interview off",
     "h03",
     1,
     "No Appointment Scheduled",
     "u cancel",
     {},
     "h03",
     0,
     true,
     nullptr},
    {"a weekday outside the table selects no day and shows the code",
     "h03A7b",
     1,
     "A7b",
     "cancel",
     {},
     "h03A7b",
     1,
     true,
     nullptr},
    {"an unlisted time selects no time and shows the code", "A2e", 1, "A2e", "d1 save", {}, "", 0, true, nullptr},
};

class AppointmentRulesTest : public ::testing::TestWithParam<Opening> {};

TEST_P(AppointmentRulesTest, Opening) {
    const Opening& c = GetParam();
    TestApp t;
    FillAppointmentTables(t.app.settings);
    for (int a : c.answers) t.dialogs.answer(a);
    FakeTarget target;
    target.Visits = QString::fromLatin1(c.visits);
    target.Class = c.interview;
    AppointmentRules rules(t.app, target);
    rules.Form_Load();
    EXPECT_EQ(rules.lblApt(), QString::fromLatin1(c.loaded));
    EXPECT_EQ(rules.lblAptName(), QStringLiteral("Ann Lee"));

    bool closed = false;
    for (const QString& step : QString::fromLatin1(c.script).split(u' ')) {
        const int option = step.mid(1).toInt();
        if (step.startsWith(u'd') && step.size() <= 2) {
            rules.optAptDay_MouseDown(option);
            rules.optAptDay_MouseUp(option);
        } else if (step.startsWith(u't')) {
            rules.optAptTime_MouseDown(option);
            rules.optAptTime_MouseUp(option);
        } else if (step == u'u') {
            rules.btnUnspecified_Click(!rules.unspecified());
        } else if (step == QLatin1String("save")) {
            closed = rules.btnSave_Click();
        } else if (step == QLatin1String("clear")) {
            closed = rules.btnClear_Click();
        } else {
            rules.btnCancelApt_Click();
            closed = true;
        }
    }
    EXPECT_EQ(target.Visits, QString::fromLatin1(c.visitsAfter));
    EXPECT_EQ(target.Class, c.interviewAfter);
    EXPECT_EQ(closed, c.closed);
    EXPECT_EQ(t.dialogs.messages(), c.message ? QStringList{QString::fromLatin1(c.message)} : QStringList());
    EXPECT_EQ(t.app.program.ScreenMode, QStringLiteral("Appointment"));
    EXPECT_FALSE(t.dialogs.pending());
}

INSTANTIATE_TEST_SUITE_P(Rows, AppointmentRulesTest, ::testing::ValuesIn(kOpenings),
                         [](const auto& info) { return CaseName(info.param.name); });

TEST(AppointmentRules, OptionsFollowTheClicks) {
    TestApp t;
    FillAppointmentTables(t.app.settings);
    FakeTarget target;
    target.Visits = QStringLiteral("h03A24");
    AppointmentRules rules(t.app, target);
    rules.Form_Load();
    EXPECT_EQ(rules.dayOption(), 1);
    EXPECT_EQ(rules.timeOption(), 8);
    const struct {
        bool day;
        int option;
        int dayAfter, timeAfter;
        const char* shown;
    } clicks[] = {
        {true, 1, -1, 8, "No Date Set"},    {false, 3, -1, 3, "No Date Set"},  // no day: the label stays
        {true, 5, 5, 3, "Friday: 11:00am"}, {false, 3, 5, -1, "No Time Set"}, {false, 13, 5, 13, "Friday: 09:00pm"},
    };
    for (const auto& k : clicks) {
        if (k.day) {
            rules.optAptDay_MouseDown(k.option);
            rules.optAptDay_MouseUp(k.option);
        } else {
            rules.optAptTime_MouseDown(k.option);
            rules.optAptTime_MouseUp(k.option);
        }
        EXPECT_EQ(rules.dayOption(), k.dayAfter) << k.shown;
        EXPECT_EQ(rules.timeOption(), k.timeAfter) << k.shown;
        EXPECT_EQ(rules.lblApt(), QString::fromLatin1(k.shown));
    }
    EXPECT_EQ(rules.dayCaptions().join(u','), QStringLiteral("Sunday,Monday,Tuesday,Wednesday,Thursday,Friday"));
    EXPECT_EQ(AppointmentRules::timeCaptions().at(3), QStringLiteral("11:00a"));
}

// Opened from the attendance screen the dialog works on that screen's boxes; the main
// window, which shows another record, is not touched, and the screen's save stores the
// visits and the interview box together.
TEST_F(AttendFixture, AppointmentOnTheAttendanceScreenReachesItsRecordOnly) {
    open();
    FillAppointmentTables(app->settings);
    enter("0102");  // Mary Johnson, visits H02, no interview
    ASSERT_EQ(text("LName"), QStringLiteral("Johnson"));
    const qint32 mary = app->crusade.CurRecNo;
    const QString mainVisits = main.text(QStringLiteral("Visits"));
    const int mainClass = main.value(QStringLiteral("Class"));

    ScreenTarget target(*app, screen);
    AppointmentRules set(*app, target);
    set.Form_Load();
    EXPECT_EQ(set.lblAptName(), QStringLiteral("Mary Johnson"));
    set.optAptDay_MouseDown(2);
    set.optAptDay_MouseUp(2);
    set.optAptTime_MouseDown(6);
    set.optAptTime_MouseUp(6);
    ASSERT_TRUE(set.btnSave_Click());
    EXPECT_EQ(text("Visits"), QStringLiteral("H02A32"));
    EXPECT_EQ(screen.value(QStringLiteral("Class")), 1);
    EXPECT_EQ(main.text(QStringLiteral("Visits")), mainVisits);
    EXPECT_EQ(main.value(QStringLiteral("Class")), mainClass);

    ASSERT_TRUE(attendf::SaveRecord(*app, st, screen));
    AttendeeRecord stored = onDisk(mary);
    EXPECT_EQ(stored.Visits.bytes(), QByteArray("H02A32      "));
    EXPECT_EQ(stored.Class, 1);

    dialogs().answer(AnsYes);
    AppointmentRules erase(*app, target);
    erase.Form_Load();
    ASSERT_TRUE(erase.btnClear_Click());
    ASSERT_TRUE(attendf::SaveRecord(*app, st, screen));
    stored = onDisk(mary);
    EXPECT_EQ(stored.Visits.bytes(), QByteArray("H02         "));
    EXPECT_EQ(stored.Class, 0);

    // An interview stored as any set value stays as it is while the box agrees with it.
    stored.Class = -1;
    WriteRecord(*app, mary, stored);
    ASSERT_TRUE(attendf::ShowCurrentEntry(*app, screen));
    ASSERT_TRUE(attendf::SaveRecord(*app, st, screen));
    EXPECT_EQ(onDisk(mary).Class, -1);
}

}  // namespace

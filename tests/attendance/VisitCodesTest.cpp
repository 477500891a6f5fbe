// The visit and appointment codes of the Visits field as one table: where the appointment
// stands, what it decodes to and how it is shown, codes outside the weekday and time
// tables, and the encoding back; then the appends that push the oldest code out.

#include "FakePlatform.h"
#include "attendance/VisitCodes.h"
#include "data/InfoFile.h"

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

struct Decode {
    const char* visits;
    int pos;
    const char* code;
    int day;
    int time;
    const char* shown;  // as the appointment dialog and the preview show it
};

const Decode kDecodes[] = {
    {"A24", 1, "A24", 2, 8, "Monday: 04:00pm"},
    {"A1a", 1, "A1a", 1, 0, "Sunday: 08:00am"},
    {"A60", 1, "A60", 6, 4, "Friday: 12:00"},
    {"A59", 1, "A59", 5, 13, "Thursday: 09:00pm"},
    {"h03A24", 4, "A24", 2, 8, "Monday: 04:00pm"},
    {"h03A3dp05", 4, "A3d", 3, 3, "Tuesday: 11:00am"},
    {"A2C", 1, "A2C", 2, 2, "Monday: 10:00am"},  // a time letter typed in capitals
    {"", 0, "", 0, -1, ""},
    {"h01p02m03l04", 0, "", 0, -1, ""},
    {"a24", 0, "", 0, -1, ""},  // only a capital starts the code
    // Out of the tables: shown as stored, nothing read past them.
    {"A7b", 1, "A7b", 0, 1, "A7b"},
    {"A0b", 1, "A0b", 0, 1, "A0b"},
    {"A2e", 1, "A2e", 2, -1, "A2e"},  // "E" minus 65 would be noon's index
    {"A2z", 1, "A2z", 2, -1, "A2z"},
    {"A2 ", 1, "A2 ", 2, -1, "A2 "},
    {"h05A", 4, "A", 0, -1, "A"},  // cut short at the end of the field
    {"h05A3", 4, "A3", 3, -1, "A3"},
};

TEST(VisitCodes, AppointmentDecodedFromTheVisits) {
    TestApp t;
    ResetCrusadeSettings(t.app);
    for (const Decode& c : kDecodes) {
        const StoredAppointment a = FindAppointment(QString::fromLatin1(c.visits));
        SCOPED_TRACE(c.visits);
        EXPECT_EQ(a.pos, c.pos);
        EXPECT_EQ(a.code, QString::fromLatin1(c.code));
        EXPECT_EQ(a.day, c.day);
        EXPECT_EQ(a.time, c.time);
        EXPECT_EQ(AppointmentText(t.app.settings, a), QString::fromLatin1(c.shown));
        // A decoded code is made again from its weekday and time (letters in lower case).
        if (a.decoded()) {
            EXPECT_EQ(AppointmentCode(a.day, a.time), a.code.left(2) + TimeCharacter(a.time));
        }
    }
}

TEST(VisitCodes, EncodingStaysInsideTheTables) {
    const struct {
        int day, time;
        const char* code;
    } cases[] = {
        {2, 8, "A24"}, {1, 0, "A1a"}, {6, 4, "A60"}, {5, 13, "A59"}, {3, 3, "A3d"},
        {0, 4, ""},    {7, 4, ""},    {1, -1, ""},   {1, 14, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AppointmentCode(c.day, c.time), QString::fromLatin1(c.code)) << c.day << ' ' << c.time;
    TestApp t;
    ResetCrusadeSettings(t.app);
    for (int outside : {-1, 0, 7, 99}) EXPECT_TRUE(WeekDayName(t.app.settings, outside).isEmpty()) << outside;
    for (int outside : {-1, 14, 16, 99}) EXPECT_TRUE(MeetingTimeText(t.app.settings, outside).isEmpty()) << outside;
    for (char16_t unlisted : {u'e', u'E', u'-', u' ', u'@', u'Z'}) EXPECT_EQ(TimeIndex(QChar(unlisted)), -1);
}

TEST(VisitCodes, AppendsAndRemovals) {
    const struct {
        const char* visits;
        const char* added;  // appended; null: the appointment taken out
        const char* result;
    } cases[] = {
        {"h01p02m03l04", "h05", "p02m03l04h05"},  // the fifth visit pushes the oldest out
        {"h01p02m03l04", "A24", "p02m03l04A24"},  // an appointment to a full field keeps 12
        {"H01P02M03L04", "A1a", "P02M03L04A1a"},
        {"h01", "p02", "h01p02"},
        {"h01p02      ", "m03", "h01p02m03"},  // the field as stored, padded with blanks
        {"", "h07", "h07"},
        {"h03A24p05", nullptr, "h03p05"},
        {"A24", nullptr, ""},
        {"h03p05", nullptr, "h03p05"},
        {"h03A2", nullptr, "h03"},  // a code cut short goes as a whole
    };
    for (const auto& c : cases) {
        const QString visits = QString::fromLatin1(c.visits);
        const QString result =
            c.added ? AppendVisitCode(visits, QString::fromLatin1(c.added)) : WithoutAppointment(visits);
        EXPECT_EQ(result, QString::fromLatin1(c.result)) << c.visits;
    }
    EXPECT_EQ(VisitCodeList(QStringLiteral(" h01p02A24 ")),
              (QStringList{QStringLiteral("h01"), QStringLiteral("p02"), QStringLiteral("A24")}));
    EXPECT_EQ(VisitCodeList(QStringLiteral("h01p0")), (QStringList{QStringLiteral("h01"), QStringLiteral("p0")}));
}

}  // namespace

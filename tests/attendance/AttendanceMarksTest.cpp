// The attendance string's rules as one table: tonight's mark, marking, clearing and
// toggling a night, and the recount into Attend and Last.

#include "attendance/AttendanceMarks.h"

#include <gtest/gtest.h>

using namespace fennick;

namespace {

QByteArray Nights(const char* marks) {
    QByteArray a(marks);
    return a + QByteArray(40 - a.size(), '-');
}

struct Case {
    const char* name;
    const char* start;  // the string before, as stored (may be short or hold blanks)
    char op;            // 'm' mark tonight, 'c' clear, 't' toggle with tonight's mark
    int night;
    const char* decAtt;
    bool video;
    const char* after;  // the first characters after; the rest "-"
    const char* attend;
    qint16 last;
    bool result;  // MarkNight: newly present; ClearNight: a mark was taken out
};

const Case kCases[] = {
    {"blanks count nothing and read as dashes", "                                        ", 'c', 1, "-", false, "",
     "0 ", 0, false},
    {"night 1 is 1", "", 'm', 1, "-", false, "1", "1 ", 1, true},
    {"night 10 is 0", "", 'm', 10, "-", false, "---------0", "1 ", 10, true},
    {"night 11 is 1 again", "", 'm', 11, "-", false, "----------1", "1 ", 11, true},
    {"night 40 is 0", "", 'm', 40, "-", false, "---------------------------------------0", "1 ", 40, true},
    {"a blank night is absent", "12 4", 'm', 3, "-", false, "1234", "4 ", 4, true},
    {"live replaces video, count kept", "1V", 'm', 2, "-", false, "12", "2 ", 2, false},
    {"video", "1", 'm', 2, "-", true, "1V", "2 ", 2, true},
    {"a code beats video", "1", 'm', 12, "C", true, "1----------C", "2 ", 12, true},
    {"a repeat with a code overwrites the digit", "12", 'm', 2, "C", false, "1C", "2 ", 2, false},
    {"letters and V all count", "CSVU", 'm', 6, "-", false, "CSVU-6", "5 ", 6, true},
    {"V is no code", "", 'm', 3, "V", false, "--3", "1 ", 3, true},
    {"lower-case v is no code", "", 'm', 3, "v", true, "--V", "1 ", 3, true},
    {"a dash is no code", "", 'm', 3, "-", false, "--3", "1 ", 3, true},
    {"an empty code is no code", "", 'm', 3, "", false, "--3", "1 ", 3, true},
    {"two letters are no code", "", 'm', 3, "CS", false, "--3", "1 ", 3, true},
    {"a digit is no code", "", 'm', 3, "7", false, "--3", "1 ", 3, true},
    {"night 0 marks nothing", "1", 'm', 0, "-", false, "1", "1 ", 1, false},
    {"night 41 marks nothing", "1", 'm', 41, "-", false, "1", "1 ", 1, false},
    {"a long string is cut to 40", "1111111111111111111111111111111111111111111", 'c', 40, "-", false,
     "111111111111111111111111111111111111111-", "39", 39, true},
    {"clearing the only night leaves 0 and Last 0", "--3", 'c', 3, "-", false, "", "0 ", 0, true},
    {"clearing an absent night changes nothing", "1-3", 'c', 2, "-", false, "1-3", "2 ", 3, false},
    {"clearing the last night gives the one before", "1-3", 'c', 3, "-", false, "1", "1 ", 1, true},
    {"a decision letter toggles to absent", "1C", 't', 2, "S", false, "1", "1 ", 1, false},
    {"and back to the mark chosen now", "1-", 't', 2, "S", false, "1S", "2 ", 2, false},
};

TEST(AttendanceMarksTest, MarkClearToggleAndRecount) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        QByteArray a(c.start);
        const char mark = TonightsMark(QString::fromLatin1(c.decAtt), c.video, c.night);
        bool result = false;
        if (c.op == 'm') result = MarkNight(a, c.night, mark);
        if (c.op == 'c') result = ClearNight(a, c.night);
        if (c.op == 't') ToggleNight(a, c.night, mark);
        if (c.op != 't') {
            EXPECT_EQ(result, c.result);
        }
        EXPECT_EQ(a, Nights(c.after));

        AttendeeRecord rec;
        rec.Last = 17;  // never what the recount gives
        SetAttendance(rec, a);
        EXPECT_EQ(rec.Attendance.bytes(), Nights(c.after));
        EXPECT_EQ(rec.Attend.bytes(), QByteArray(c.attend));
        EXPECT_EQ(rec.Last, c.last);
    }
}

TEST(AttendanceMarksTest, OnlySingleLettersOtherThanVAreMarkCodes) {
    for (const char* code : {"C", "s", "U", "B"}) EXPECT_TRUE(IsMarkCode(QString::fromLatin1(code))) << code;
    for (const char* code : {"", "V", "v", "-", " ", "7", "CS", "#"}) EXPECT_FALSE(IsMarkCode(QString::fromLatin1(code))) << code;
}

}  // namespace

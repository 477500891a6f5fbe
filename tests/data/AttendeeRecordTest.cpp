#include "RecordBuilder.h"
#include "data/AttendeeRecord.h"
#include "data/Text.h"

#include <gtest/gtest.h>

using namespace fennick;

namespace {

// The record whose bytes tests/data/data/record_full.bin holds, every field filled.
AttendeeRecord FullRecord() {
    AttendeeRecord r;
    r.RNum = "0042";
    r.FName = QByteArray("Ren\xE9" "e");
    r.LName = "Smith";
    r.Address = "123 Main St #4B";
    r.City = "Springfield";
    r.State = "IL";
    r.Zip = "62701";
    r.Phone = "555-123-4567";
    r.Age = "30-39";
    r.Advertising = "NM..P.I-Jones";
    r.RelPref = "Baptist";
    r.IntLevel = "B";
    r.Visits = "h05P07A24";
    r.WorkerCode = "07";
    r.Notes = "Prefers evening calls; daughter attends too";
    r.Attendance = QByteArray("12-4-6V8--") + QByteArray(30, '-');
    r.Attend = "6";
    r.Last = 12;
    r.MailList = 1;
    r.Decisions = "CS--B----";
    r.Class = 1;
    r.MapCode = "B-12";
    r.BaptDate = "05/23/09";
    r.CardPrinted = -1;
    r.BirthDate = "1/2/61";
    r.MarkToVisit = 1;
    r.Email = "renee.smith@example.org";
    return r;
}

}  // namespace

TEST(AttendeeRecord, EncodesToTheGoldenBytesAndBack) {
    const QByteArray golden = test::ReadFileBytes(QStringLiteral(FENNICK_TEST_DATA "/record_full.bin"));
    ASSERT_EQ(golden.size(), 461);
    const AttendeeRecord r = FullRecord();
    EXPECT_EQ(r.encode(), golden);
    EXPECT_TRUE(AttendeeRecord::decode(golden) == r);
}

TEST(AttendeeRecord, FieldsSitAtTheirOffsets) {
    const QByteArray b = FullRecord().encode();
    EXPECT_EQ(b.mid(24, 20), QByteArray("Smith               "));
    EXPECT_EQ(b.mid(375, 2), QByteArray("\x0C\x00", 2));  // Last 12
    EXPECT_EQ(b.mid(409, 2), QByteArray("\xFF\xFF", 2));  // CardPrinted True
    EXPECT_EQ(b.mid(4, 5), QByteArray("Ren\xE9" "e"));  // é stays the byte E9
    EXPECT_EQ(FromAnsi(FullRecord().FName.trimmed()), QString::fromUtf8("Renée"));
}

TEST(AttendeeRecord, AssignmentCutsAndPads) {
    AttendeeRecord r;
    r.LName = "Abcdefghijklmnopqrstuvwxyz";
    EXPECT_EQ(r.LName.bytes(), QByteArray("Abcdefghijklmnopqrst"));
    r.State = "I";
    EXPECT_EQ(r.State.bytes(), QByteArray("I "));
    EXPECT_EQ(r.Notes.bytes(), QByteArray(150, ' '));
    // A negative 16-bit value round-trips through the little-endian bytes.
    r.Last = -2;
    EXPECT_EQ(AttendeeRecord::decode(r.encode()).Last, -2);
}

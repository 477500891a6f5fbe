#include "FakeScreen.h"
#include "RecordBuilder.h"
#include "ViewFixture.h"
#include "ZipFixture.h"
#include "data/BulkWrite.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "tables/TeamAssignment.h"

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

AttendeeRecord At(const char* rnum, const char* zip, const char* team) {
    return Rec(rnum, "Ann", "Lee").zip(zip).team(team);
}

// Each record with its team before and after the pass.
struct Row {
    const char* why;
    AttendeeRecord before;
    const char* after;
};

void ExpectPass(const QList<Row>& rows, const QList<QByteArray>& table, bool canadian, int changed) {
    QList<AttendeeRecord> before, after;
    for (const Row& r : rows) {
        before << r.before;
        AttendeeRecord a = r.before;
        a.WorkerCode = r.after;
        after << a;
    }
    ViewFixture f(before);
    f.app.settings.CanadianZip = canadian;
    SetZips(f.app, table);
    f.app.crusade.ZipTable[0] = "0";
    const AttendeeRecord working = Person("4242", "Working", "Record");
    f.app.crusade.CurRecord = working;

    BulkWrite writes(f.app, QStringLiteral("Update File"), kSourceFennick95);
    EXPECT_EQ(AssignTeamsFromZips(f.app, writes), changed);
    for (qint32 i = 0; i < rows.size(); ++i)
        EXPECT_EQ(ReadRecord(f.app, i + 1).WorkerCode.bytes(), QByteArray(rows[i].after)) << rows[i].why;
    // Nothing but the team codes changed, and the working record is not used.
    QByteArray expected;
    for (const AttendeeRecord& a : after) expected += a.encode();
    EXPECT_EQ(ReadFileBytes(f.app.program.DataFile), expected);
    EXPECT_EQ(f.app.crusade.CurRecord, working);
    EXPECT_EQ(Zips(f.app), table);
}

TEST(TeamAssignment, RecordsWithoutATeamTakeTheTeamOfTheirZip) {
    const QList<QByteArray> table = {
        Z("62701", "IL", "05", "Springfield", 3), Z("60601", "IL", "11", "Chicago", 1),
        Z("60601", "IL", "12", "Chicago", 1),     Z("62702", "IL", "09", "Route 1", 3),
        Z("", "IL", "08", "Nowhere", 1),          Z("10001", "NY", "00", "New York", 1),
        Z("20001", "DC", "41", "Washington", 1),  Z("30001", "GA", "##", "Atlanta", 1),
        Z("62701", "IL", "06", "Springfield", 1),
    };
    ExpectPass({{"the zip of an entry", At("0001", "62701", "00"), "05"},
                {"a zip found inside another entry's padding", At("0002", "1", "00"), "00"},
                {"a blank zip", At("0003", "", "00"), "00"},
                {"a team already", At("0004", "62701", "02"), "02"},
                {"a deleted record", Rec("0005", "Ann", "Lee").zip("62701").deleted(), "##"},
                {"two entries of one zip: the first", At("0006", "60601", "00"), "11"},
                {"an entry without a team", At("0007", "10001", "00"), "00"},
                {"an entry whose team is out of range", At("0008", "20001", "00"), "00"},
                {"an entry with the deleted mark", At("0009", "30001", "00"), "00"},
                {"no entry", At("0010", "99999", "00"), "00"},
                {"a blank team is not 00", At("0011", "62701", "  "), "  "}},
               table, false, 2);
}

TEST(TeamAssignment, CanadianCodesMatchByTheirFirstThreeCharacters) {
    const QList<QByteArray> table = {Z("K1A 0B1", "ON", "07", "Ottawa", 1), Z("K1A", "ON", "06", "Ottawa", 2),
                                     Z("M5V", "ON", "03", "Toronto", 1)};
    ExpectPass({{"first postal code of K1A", At("0001", "K1A 0B1", "00"), "06"},
                {"second postal code of K1A", At("0002", "K1A 9Z9", "00"), "06"},
                {"three characters only", At("0003", "M5V", "00"), "03"},
                {"another area", At("0004", "K2B 1A1", "00"), "00"},
                {"blank", At("0005", "", "00"), "00"},
                {"small letters are another code", At("0006", "k1a 0b1", "00"), "00"}},
               table, true, 3);
}

TEST(TeamAssignment, TheCommandAsksTwiceAndNoChangesNothing) {
    for (const QList<int>& answers : {QList<int>{AnsNo}, QList<int>{AnsYes, AnsNo}}) {
        ViewFixture f({At("0001", "62701", "00")});
        SetZips(f.app, {Z("62701", "IL", "05", "Springfield", 1)});
        f.app.settings.SoundOn = true;
        const QByteArray file = ReadFileBytes(f.app.program.DataFile);
        for (int a : answers) f.t.dialogs.answer(a);
        AssignNames(f.app);
        EXPECT_EQ(ReadFileBytes(f.app.program.DataFile), file);
        EXPECT_EQ(f.t.dialogs.shown().size(), size_t(answers.size()));
        EXPECT_EQ(f.t.sound.played.size(), 1);  // "carbrake"
        EXPECT_FALSE(f.t.dialogs.pending());
    }
}

TEST(TeamAssignment, TheCommandUpdatesTheFileAndTheShownRecord) {
    ViewFixture f({At("0001", "62701", "00"), At("0002", "62701", "00")});
    SetZips(f.app, {Z("62701", "IL", "05", "Springfield", 2)});
    Crusade& c = f.app.crusade;
    c.CurRecNo = 1;
    c.CurRecord = ReadRecord(f.app, 1);
    c.OrigRecord = c.CurRecord;
    FakeScreen screen;
    screen.setText(QStringLiteral("RecordPos"), QStringLiteral("1"));
    screen.setText(QStringLiteral("WorkerCode"), QStringLiteral("00"));
    f.app.hooks.editForm = &screen;

    f.t.dialogs.answer(AnsYes).answer(AnsYes);
    AssignNames(f.app);
    const auto& shown = f.t.dialogs.shown();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].title, QStringLiteral("Assign Teams to Records"));
    EXPECT_EQ(shown[0].icon, Icon::Information);
    EXPECT_EQ(shown[1].icon, Icon::Exclamation);
    EXPECT_TRUE(shown[2].text.startsWith(QStringLiteral("The files have been successfully Updated.\r\n")));
    EXPECT_EQ(ReadRecord(f.app, 2).WorkerCode.bytes(), "05");
    // Saving the screen later writes the new team, not the old one.
    EXPECT_EQ(screen.text(QStringLiteral("WorkerCode")), QStringLiteral("05"));
    EXPECT_EQ(c.OrigRecord.WorkerCode.bytes(), "05");
    EXPECT_EQ(c.CurRecord.RNum.bytes(), "0001");
}

}  // namespace

#include "TextList.h"
#include "ViewFixture.h"
#include "views/ZipRebuild.h"

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

AttendeeRecord At(const char* rnum, const char* zip, const char* city = "Springfield", const char* state = "IL") {
    return Rec(rnum, "Ann", "Lee").zip(zip).with([&](AttendeeRecord& r) {
        r.City = city;
        r.State = state;
    });
}

AttendeeRecord Deleted(const AttendeeRecord& r) {
    return Rec("", "", "").with([&](AttendeeRecord& x) { x = r; }).deleted();
}

// A zip table entry as the rebuild writes it.
QByteArray Z(const char* key, const char* state, const char* team, const char* city, int count) {
    return Pad(key, 10) + state + team + Pad(city, 15) + QByteArray::number(count).rightJustified(4);
}

// A crusade open on the records, with the zip table as it stood before the rebuild.
struct Crusade {
    Crusade(const QList<AttendeeRecord>& records, const QList<QByteArray>& oldTable, bool canadian = false)
        : f(records), app(f.app) {
        app.settings.CanadianZip = canadian;
        for (int i = 0; i < oldTable.size(); ++i) app.crusade.ZipTable[i + 1] = oldTable[i];
        app.crusade.ZipCount = qint16(oldTable.size());
        f.t.dialogs.clear();
    }
    std::vector<std::string> rebuilt() {
        RebuildZipTable(app);
        return Strings(app.crusade.ZipTable.mid(1, app.crusade.ZipCount));
    }
    ViewFixture f;
    App& app;
};

TEST(ZipRebuildTest, EntriesCountsAndCarriedTeams) {
    Crusade c({At("0001", "12345"), At("0002", "12346", "Shelbyville", "IN"), At("0003", "12345", "Other Town"),
               Deleted(At("0004", "12345")), At("0005", "12345"), Deleted(At("0006", "99999")), At("0007", "62701")},
              {Z("12345", "IL", "07", "Springfield", 9), Z("12346", "IN", "  ", "Shelbyville", 2),
               Z("99999", "IL", "12", "Gone", 1)});
    c.app.crusade.CurRecord = At("0042", "55555");  // the record on screen
    EXPECT_EQ(c.rebuilt(), Strings({Z("12345", "IL", "07", "Springfield", 3), Z("12346", "IN", "00", "Shelbyville", 1),
                                    Z("62701", "IL", "00", "Springfield", 1)}));
    EXPECT_EQ(c.app.crusade.ZipTable[0], "0");
    EXPECT_EQ(c.app.crusade.CurRecord.RNum.bytes(), "0042");
    EXPECT_TRUE(c.f.t.dialogs.shown().empty());
}

TEST(ZipRebuildTest, OldTeamForms) {
    struct Case {
        QByteArray oldEntry;
        const char* team;
    };
    const Case cases[] = {
        {"12345  05", "05"},                               // short form: 5-character zip, team at 8-9
        {"12345  ", "00"},                                 // short form without a team
        {Z("12345", "IL", "40", "Springfield", 1), "40"},  // highest team
        {Z("12345", "IL", "41", "Springfield", 1), "00"},  // past the last team
        {Z("12345", "IL", "##", "Springfield", 1), "##"},  // the deleted-team mark is kept
        {Z("12345", "IL", "3A", "Springfield", 1), "00"},  // not a team number
        {Z("12345", "IL", " 7", "Springfield", 1), "00"},
        {Z("123456", "IL", "09", "Springfield", 1), "00"},  // another zip
    };
    for (const Case& k : cases) {
        Crusade c({At("0001", "12345")}, {k.oldEntry});
        EXPECT_EQ(c.rebuilt(), Strings({Z("12345", "IL", k.team, "Springfield", 1)})) << k.oldEntry.constData();
    }
}

TEST(ZipRebuildTest, CanadianKeyJoinsPostalCodesByTheirFirstThreeCharacters) {
    Crusade c({At("0001", "K1A 0B1", "Ottawa", "ON"), At("0002", "K1A 9Z9", "Ottawa", "ON"),
               At("0003", "M5V 2T6", "Toronto", "ON")},
              {Z("K1A 0B1", "ON", "14", "Ottawa", 5)}, true);
    EXPECT_EQ(c.rebuilt(), Strings({Z("K1A", "ON", "14", "Ottawa", 2), Z("M5V", "ON", "00", "Toronto", 1)}));
}

TEST(ZipRebuildTest, ZipsMatchByTheWholeKeyOnly) {
    // The first entry's city ends in "45" and blanks, the text of the key of zip 45.
    Crusade c({At("0001", "11111", "Area 45"), At("0002", "45"), At("0003", "45"), At("0004", "4")},
              {Z("4", "IL", "22", "Town", 1)});
    EXPECT_EQ(c.rebuilt(), Strings({Z("11111", "IL", "00", "Area 45", 1), Z("45", "IL", "00", "Springfield", 2),
                                    Z("4", "IL", "22", "Springfield", 1)}));
}

TEST(ZipRebuildTest, NoLiveRecordsGiveAnEmptyTable) {
    Crusade c({Deleted(At("0001", "12345"))}, {Z("12345", "IL", "07", "Springfield", 9)});
    EXPECT_TRUE(c.rebuilt().empty());
    EXPECT_EQ(c.app.crusade.ZipTable[0], "0");
    EXPECT_TRUE(c.app.crusade.ZipTable[1].isEmpty());
}

TEST(ZipRebuildTest, StopsAtTheTableSizeAndSaysSo) {
    QList<AttendeeRecord> records;
    for (int i = 0; i <= kMaxZips; ++i) records.append(At("0001", QByteArray::number(10000 + i).constData()));
    records.append(At("0002", "10000"));  // a zip already in the table still counts
    Crusade c(records, {});
    const std::vector<std::string> table = c.rebuilt();
    ASSERT_EQ(table.size(), size_t(kMaxZips));
    EXPECT_EQ(table.front(), Z("10000", "IL", "00", "Springfield", 2).toStdString());
    EXPECT_EQ(table.back(), Z("11999", "IL", "00", "Springfield", 1).toStdString());
    ASSERT_EQ(c.f.t.dialogs.messages().size(), 1);
    EXPECT_EQ(c.f.t.dialogs.messages().at(0), QStringLiteral("This crusade has more than 2000 different zip codes.\r\n"
                                                             "Only the first 2000 are in the zip table."));
}

}  // namespace

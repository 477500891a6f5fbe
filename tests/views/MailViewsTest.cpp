// The mail, address and zip views.

#include "FixturePeople.h"
#include "data/DataStore.h"
#include "views/Indexes.h"
#include "views/MailViews.h"

namespace fennick::test {
namespace {

class MailBuilders : public ::testing::TestWithParam<BuilderRow> {};

TEST_P(MailBuilders, Entries) {
    CheckBuilderRow(GetParam());
}
TEST_P(MailBuilders, PrevReportKind) {
    EXPECT_EQ(ObservedPrevRule(GetParam().build), GetParam().rule);
}
TEST_P(MailBuilders, SortUnderByNum) {
    CheckSortUnderByNum(GetParam().build, false);
}

void Mail(ViewFixture& f) {
    IndexMailList(f.app);
}
void Zip(ViewFixture& f) {
    IndexZip(f.app);
}
void Clean(ViewFixture& f) {
    IndexCleanMailList(f.app);
}
auto Dup(const char* mode) {
    return [mode](ViewFixture& f) { IndexDuplicateAddresses(f.app, QString::fromLatin1(mode)); };
}

QByteArray M(const char* rnum, const char* zip) {
    return E(rnum, Pad(zip, 10), NameForm::FirstUpper);
}
QByteArray Z(const char* rnum, const char* zip, const char* address) {
    return E(rnum, Pad(zip, 10) + Pad(address, 30), NameForm::FirstUpper);
}
QByteArray D(const char* rnum, const char* address, const char* team, const char* mark = "") {
    return E(rnum, Pad(address, 30), NameForm::FirstUpper, QByteArray(team) + mark);
}

const QList<QByteArray> kPairsWithOtherNames = {D("0102", "40 ELM ST", "03"), D("0103", "40 ELM ST", "07"),
                                                D("0104", "7 PINE RD", "00"), D("0105", "7 PINE RD", "07")};

INSTANTIATE_TEST_SUITE_P(
    Fixture, MailBuilders,
    ::testing::Values(
        // Not on the mail list: Maria Johnsonville and Zoe Adams.
        BuilderRow{"mail",
                   Mail,
                   "mail",
                   58,
                   PrevRule::R,
                   {M("0110", "62701"), M("0109", "62701"), M("0112", "62701"), M("0111", "62701"), M("0117", "62701"),
                    M("0118", "62701"), M("0119", "62701"), M("0101", "62701"), M("0121", "62701"), M("0120", "62701"),
                    M("0102", "62702"), M("0104", "62703"), M("0105", "62703"), M("0114", "62704"), M("0113", "62704"),
                    M("0116", "62705"), M("0115", "62705")}},
        // After the cut-off (Last above 3), by zip, street and name; a blank street first.
        BuilderRow{"zip",
                   Zip,
                   "zip",
                   88,
                   PrevRule::R,
                   {Z("0118", "62701", ""), Z("0121", "62701", "10 ELM CT"), Z("0101", "62701", "12 OAK ST"),
                    Z("0119", "62701", "2 ELM CT"), Z("0110", "62701", "6 ASH LN"), Z("0112", "62701", "8 BAY RD"),
                    Z("0111", "62701", "8 BAY RD"), Z("0102", "62702", "40 ELM ST"), Z("0103", "62702", "40 ELM ST"),
                    Z("0105", "62703", "7 PINE RD"), Z("0114", "62704", "9 HILL CT"), Z("0113", "62704", "9 HILL CT"),
                    Z("0115", "62705", "3 BAY AVE APT 1"), Z("0116", "62705", "3 BAY AVE APT 2")}},
        // "7 Pine Rd" and "7 PINE RD" are one address; the two flats of "3 Bay Ave" are not.
        BuilderRow{
            "DupAddress", Dup("All"), "DupAddress", 80, PrevRule::R,
            kPairsWithOtherNames + QList<QByteArray>{D("0112", "8 BAY RD", "03"), D("0111", "8 BAY RD", "03"),
                                                     D("0114", "9 HILL CT", "40"), D("0113", "9 HILL CT", "40")}},
        BuilderRow{"NDupAddress", Dup("last name"), "NDupAddress", 80, PrevRule::R, kPairsWithOtherNames},
        BuilderRow{"TDupAddress", Dup("team error"), "TDupAddress", 80, PrevRule::R, kPairsWithOtherNames},
        // Households with two labels: the flats of 3 Bay Ave (one household by their first ten
        // characters), 7 Pine Rd, 8 Bay Rd and 9 Hill Ct; 40 Elm St has one label.
        BuilderRow{"CleanMailList",
                   Clean,
                   "CleanMailList",
                   85,
                   PrevRule::R,
                   {D("0115", "3 BAY AVE APT 1", "05", "M00 1"), D("0116", "3 BAY AVE APT 2", "05", "M00 1"),
                    D("0104", "7 PINE RD", "00", "M00 2"), D("0105", "7 PINE RD", "07", "M00 2"),
                    D("0112", "8 BAY RD", "03", "M00 3"), D("0111", "8 BAY RD", "03", "M00 3"),
                    D("0114", "9 HILL CT", "40", "M00 4"), D("0113", "9 HILL CT", "40", "M00 4")}}),
    [](const auto& info) { return std::string(info.param.name); });

// One person at an address: registration number, names, team and mail-list value.
AttendeeRecord At(const char* rnum, const char* first, const char* last, const char* address, const char* team = "01",
                  qint16 mail = 1) {
    return Rec(rnum, first, last).nights("1111").address(address).team(team).mail(mail);
}

TEST(DuplicateAddresses, Modes) {
    const QList<AttendeeRecord> records = {
        At("0001", "Xena", "Smith", "1 A St", "01"),
        At("0002", "Yves", "Smith", "1 a st", "02"),
        At("0003", "Zack", "Jones", "1 A St", "02"),
        At("0004", "Pat", "Brown", "2 B St", "03"),
        At("0005", "Quin", "Brown", "2 B St", "03"),
        At("0006", "Solo", "Person", "3 C St"),
        At("0007", "Un", "Known", "address unknown"),
        At("0008", "Un", "Known", " Address Unknown"),
        At("0009", "No", "Where", ""),
        At("0010", "No", "Where", ""),
    };
    struct Case {
        const char* mode;
        const char* kind;
        QList<QByteArray> rnums;
    };
    const Case cases[] = {
        {"All", "DupAddress", {"0003", "0001", "0002", "0004", "0005"}},
        {"last name", "NDupAddress", {"0003", "0001"}},           // the Smiths share a last name
        {"team error", "TDupAddress", {"0003", "0001", "0002"}},  // the Browns share a team
        {"Team Error", "DupAddress", {"0003", "0001", "0002", "0004", "0005"}},
    };
    for (const Case& c : cases) {
        ViewFixture f(records);
        IndexDuplicateAddresses(f.app, QString::fromLatin1(c.mode));
        EXPECT_EQ(f.app.view.ReportKind, QString::fromLatin1(c.kind));
        EXPECT_EQ(Strings(f.rnums()), Strings(c.rnums)) << c.mode;
        EXPECT_EQ(f.app.view.ReportCount, c.rnums.size());
        EXPECT_EQ(f.app.view.ReportIndex.size(), c.rnums.size() + 1);
    }
}

TEST(DuplicateAddresses, NoSharedAddressGivesAnEmptyView) {
    ViewFixture f({At("0001", "A", "B", "1 A St"), At("0002", "C", "D", "2 A St")});
    IndexDuplicateAddresses(f.app, QStringLiteral("All"));
    EXPECT_EQ(f.app.view.ReportCount, 0);
    EXPECT_EQ(f.app.view.CurIndexPos, 0);
}

TEST(CleanMailList, HouseholdNumbering) {
    const QList<AttendeeRecord> records = {
        At("0001", "Al", "Adams", "1 A St", "01", 1),   At("0002", "Bea", "Adams", "1 A St", "01", 0),  // one label
        At("0003", "Cy", "Baker", "2 B St", "01", 0),   At("0004", "Di", "Baker", "2 B St", "01", 0),   // none
        At("0005", "Ed", "Cole", "3 C St", "01", 1),    At("0006", "Flo", "Cole", "3 C St", "01", 2),   // 2 is no label
        At("0007", "Gus", "Dunn", "4 D St", "01", 1),   At("0008", "Hal", "Dunn", "4 D St", "01", 1),   // two labels
        At("0009", "Ivy", "Eddy", "5 E St", "01", 1),    // alone, one label
        At("0010", "Jo", "Ford", "6 F St #1", "01", 0),  // alone, no label
    };
    ViewFixture f(records);
    IndexCleanMailList(f.app);
    EXPECT_EQ(f.app.view.ReportKind, QStringLiteral("CleanMailList"));
    EXPECT_EQ(f.app.view.FamilyMax, 3);
    QList<QByteArray> marks;
    for (const QByteArray& e : f.entries()) marks.append(e.left(4) + e.mid(76, 5));
    EXPECT_EQ(Strings(marks), Strings({"0003N00 1", "0004N00 1", "0007M00 2", "0008M00 2", "0010N00 3"}));
    EXPECT_TRUE(f.t.dialogs.shown().empty());
}

TEST(CleanMailList, CleanListFallsBackToTheMailKind) {
    const QList<AttendeeRecord> records = {
        At("0001", "Al", "Adams", "1 A St", "01", 1),
        At("0002", "Bea", "Adams", "1 A St", "01", 0),
        At("0003", "Ivy", "Eddy", "5 E St", "01", 1),
        At("0004", "Un", "Known", "Address Unknown", "01", 0),
    };
    ViewFixture f(records);
    f.app.view.ReportKind = QStringLiteral("zip");
    IndexCleanMailList(f.app);
    EXPECT_EQ(f.t.dialogs.messages(),
              QStringList{QStringLiteral("There are no addresses with more than one mail label.  The list is clean.")});
    EXPECT_EQ(f.app.view.ReportKind, QStringLiteral("mail"));
    EXPECT_EQ(f.app.view.PrevReportKind, QStringLiteral("zip"));
    EXPECT_EQ(f.app.view.FamilyMax, 0);
    EXPECT_EQ(f.app.view.CurIndexPos, 0);
    EXPECT_EQ(Strings(f.entries()),
              Strings({Entry("0001", {Pad("1 A ST", 30), Pad("ADAMS", 20), Pad("AL", 20), "01", "M0000"}, 1),
                       Entry("0002", {Pad("1 A ST", 30), Pad("ADAMS", 20), Pad("BEA", 20), "01", "N0000"}, 2),
                       Entry("0003", {Pad("5 E ST", 30), Pad("EDDY", 20), Pad("IVY", 20), "01", "M0000"}, 3)}));
    EXPECT_EQ(f.app.view.ReportCount, 3);
}

TEST(CleanMailList, LargeHouseholdStaysWhole) {
    // A building of 150 names, every one with a label, sorted around a household of two.
    QList<AttendeeRecord> records;
    for (int i = 0; i < 150; ++i) {
        const QByteArray rnum = QByteArray::number(1000 + i);
        records.append(At(rnum.constData(), "Ann", "Lee", "77 Tower Blvd", "01", 1));
    }
    records.append(At("0001", "Al", "Adams", "1 A St", "01", 1));
    records.append(At("0002", "Bea", "Adams", "1 A St", "01", 1));
    ViewFixture f(records);
    IndexCleanMailList(f.app);
    EXPECT_EQ(f.app.view.FamilyMax, 2);
    ASSERT_EQ(f.app.view.ReportCount, 152);
    EXPECT_EQ(f.entries()[1].mid(77, 4), "00 1");
    for (int i = 2; i < 152; ++i) EXPECT_EQ(f.entries()[i].mid(77, 4), "00 2") << i;
}

TEST(CleanMailList, HouseholdKeys) {
    const std::pair<int, const char*> keys[] = {{1, "00 1"}, {7, "00 7"}, {12, "0 12"}, {123, " 123"}, {1234, "1234"}};
    for (const auto& [n, key] : keys) {
        EXPECT_EQ(HouseholdKey(n), QByteArray(key));
        EXPECT_EQ(HouseholdNumber(HouseholdKey(n)), n);
    }
    EXPECT_EQ(HouseholdKeyOf(QByteArray(80, 'x')), QByteArray());
}

TEST(ZipView, CanadianPostalCodesGroupByTheirFirstThreeCharacters) {
    const QList<AttendeeRecord> records = {
        Rec("0001", "A", "Able").nights("1111").zip("K1A 0B1").address("9 B St"),
        Rec("0002", "B", "Baker").nights("1111").zip("K1B 1A1").address("0 Z St"),
        Rec("0003", "C", "Cole").nights("1111").zip("K1A 9Z9").address("1 A St"),
    };
    for (const bool canadian : {true, false}) {
        ViewFixture f(records);
        f.app.settings.CanadianZip = canadian;
        IndexZip(f.app);
        EXPECT_EQ(Strings(f.rnums()), Strings(canadian ? QList<QByteArray>{"0003", "0001", "0002"}
                                                       : QList<QByteArray>{"0001", "0003", "0002"}));
        EXPECT_EQ(f.entries().front().mid(4, 10), canadian ? "K1A       " : "K1A 0B1   ");
    }
}

TEST(MailList, AnyNonZeroValueIsOnTheList) {
    struct Case {
        qint16 mail;
        bool listed;
        const char* mark;
    };
    for (const Case c :
         {Case{1, true, "M0000"}, Case{0, false, "N0000"}, Case{2, true, "N0000"}, Case{-1, true, "N0000"}}) {
        ViewFixture f({At("0001", "A", "B", "1 A St", "01", c.mail)});
        IndexMailList(f.app);
        EXPECT_EQ(f.app.view.ReportCount, c.listed ? 1 : 0) << c.mail;
        EXPECT_EQ(Mark5(ReadRecord(f.app, 1)), c.mark) << c.mail;
    }
}

}  // namespace
}  // namespace fennick::test

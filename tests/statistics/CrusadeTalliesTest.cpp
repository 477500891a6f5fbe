// The crusade statistics pass: every tally of the fixture against one expected table,
// the empty file, the working record left alone, and the sums that pass 16 bits.

#include "StatsFixture.h"
#include "data/DataStore.h"
#include "statistics/CrusadeTallies.h"

#include <map>

namespace fennick::test {
namespace {

// The non-zero entries of a table; every other entry must be 0.
using Sparse = std::map<int, int>;

template <size_t N>
void ExpectTable(const char* name, const std::array<qint16, N>& actual, const Sparse& expected) {
    for (size_t i = 0; i < N; ++i) {
        const auto it = expected.find(int(i));
        EXPECT_EQ(actual[i], it == expected.end() ? 0 : it->second) << name << "(" << i << ")";
    }
}

// Nights k1..k2 all holding value.
Sparse Nights(int k1, int k2, int value, Sparse more = {}) {
    for (int k = k1; k <= k2; ++k) more.emplace(k, value);  // entries given stay
    return more;
}

TEST(CrusadeStatisticsPass, CountsEveryRuleOfTheFixture) {
    StatsCrusade f;
    const CrusadeTallies t = CrusadeStatisticsPass(f.app);

    const struct {
        const char* name;
        int actual, expected;
    } singles[] = {
        {"TotalNames", t.TotalNames, 15},  // 13 live records and a couple
        {"CurrentNames", t.CurrentNames, 5},
        {"ActiveNames", t.ActiveNames, 7},
        {"MailListNames", t.MailListNames, 12},
        {"InterestACount", t.InterestACount, 3},
        {"InterestBCount", t.InterestBCount, 3},
        {"InterestCCount", t.InterestCCount, 2},
        {"Baptisms", t.Baptisms, 3},
        {"InterviewsSet", t.InterviewsSet, 4},
        {"InterviewsBaptized", t.InterviewsBaptized, 1},
        {"InterviewsLeft", t.InterviewsLeft, 3},
        {"BaptismDateSet", t.BaptismDateSet, 2},
        {"BaptismAgeSum", t.BaptismAgeSum, 50},
        {"AvgBaptismAgeGroup", t.AvgBaptismAgeGroup, 2},
    };
    for (const auto& s : singles) EXPECT_EQ(s.actual, s.expected) << s.name;
    EXPECT_TRUE(t.HasAvgBaptismAge);

    // Religion 12 takes "Lutherans", religion 15's name, "sda" and "Other" itself.
    ExpectTable("ReligionCount", t.ReligionCount, {{1, 2}, {2, 5}, {3, 1}, {9, 1}, {12, 4}, {14, 1}});
    ExpectTable("ReligionBaptisms", t.ReligionBaptisms, {{1, 2}, {2, 1}});
    ExpectTable("AdvertisingCount", t.AdvertisingCount, {{1, 2}, {2, 1}, {3, 3}, {4, 2}, {5, 2}, {6, 1}, {7, 2}});
    ExpectTable("AdvertisingBaptisms", t.AdvertisingBaptisms, {{1, 1}, {3, 1}});
    ExpectTable("DecisionCount", t.DecisionCount, {{1, 3}, {2, 3}, {3, 1}, {6, 1}, {9, 2}});
    ExpectTable("DecisionBaptisms", t.DecisionBaptisms, {{1, 2}, {2, 1}, {9, 1}});
    // "9x", a blank and "Under 18" are group 0 with "NIF".
    ExpectTable("AgeGroupCount", t.AgeGroupCount, {{0, 4}, {1, 2}, {2, 2}, {3, 1}, {4, 2}, {5, 1}, {6, 1}, {7, 1}});
    ExpectTable("AgeGroupBaptisms", t.AgeGroupBaptisms, {{0, 1}, {1, 1}, {4, 1}});

    // Fay's Last of 45 reaches night 40 and no further.
    ExpectTable("MeetingAttendance", t.MeetingAttendance,
                Nights(13, 40, 1,
                       {{1, 10}, {2, 10}, {3, 10}, {4, 6}, {5, 5}, {6, 3}, {7, 4}, {8, 3}, {9, 4}, {10, 3}, {11, 5},
                        {12, 4}}));
    ExpectTable("NewCount", t.NewCount, {{1, 10}, {2, 1}, {11, 1}});
    ExpectTable("LossCount", t.LossCount, {{2, 1}, {3, 3}, {4, 2}, {5, 1}, {11, 1}, {12, 3}, {40, 1}});
    ExpectTable("AllNightsCount", t.AllNightsCount,
                Nights(13, 40, 1, Nights(6, 12, 3, {{1, 10}, {2, 9}, {3, 8}, {4, 6}, {5, 4}})));
    // Attend "55" and "-1" count in no row.
    ExpectTable("NightsAttendedCount", t.NightsAttendedCount, {{0, 1}, {2, 3}, {3, 2}, {4, 2}, {5, 1}, {6, 1}, {12, 2}});

    const struct {
        int g;
        Sparse nights;
    } ages[] = {
        {0, Nights(1, 3, 3, Nights(4, 12, 2, Nights(13, 40, 1)))},
        {1, {{2, 1}, {3, 1}, {11, 1}, {12, 1}}},
        {2, Nights(1, 5, 1, {{1, 2}, {2, 2}})},
        {3, Nights(1, 3, 1)},
        {4, Nights(1, 12, 1, {{1, 2}, {2, 2}, {3, 2}, {4, 2}})},
        {5, {}},
        {6, Nights(1, 4, 1)},
        {7, {{1, 1}, {3, 1}, {5, 1}, {7, 1}, {9, 1}, {11, 1}}},
    };
    for (const auto& a : ages) {
        std::array<qint16, kStatsMeetings + 1> column{};
        for (int k = 0; k <= kStatsMeetings; ++k) column[size_t(k)] = t.MeetingAgeCount[size_t(k)][size_t(a.g)];
        ExpectTable(("MeetingAgeCount group " + std::to_string(a.g)).c_str(), column, a.nights);
    }

    const struct {
        int k;
        std::optional<double> age;
    } averages[] = {{1, 315.0 / 7}, {2, 255.0 / 7}, {3, 305.0 / 7}, {4, 45}, {5, 145.0 / 3}, {6, 45},
                    {7, 60},        {11, 45},       {12, 30},       {13, {}}, {40, {}},       {41, {}}};
    for (const auto& a : averages) {
        const std::optional<double> got = t.AverageAge(a.k);
        ASSERT_EQ(got.has_value(), a.age.has_value()) << "night " << a.k;
        if (got) {
            EXPECT_DOUBLE_EQ(*got, *a.age) << "night " << a.k;
        }
    }
}

TEST(CrusadeStatisticsPass, CurrentNamesFollowTheLastMeeting) {
    // The bound LastMeeting - 3 is negative below meeting 3: names that never came count.
    const struct {
        qint16 lastMeeting;
        int current;
    } rows[] = {{1, 13}, {3, 12}, {12, 5}, {40, 1}};
    for (const auto& r : rows) {
        StatsCrusade f(StatsRecords(), r.lastMeeting);
        EXPECT_EQ(CrusadeStatisticsPass(f.app).CurrentNames, r.current) << "LastMeeting " << r.lastMeeting;
    }
}

TEST(CrusadeStatisticsPass, AnEmptyFileGivesEveryCountZero) {
    StatsCrusade f(QList<AttendeeRecord>{});
    const CrusadeTallies t = CrusadeStatisticsPass(f.app);
    const CrusadeTallies zero;
    for (int single : {t.TotalNames, t.CurrentNames, t.ActiveNames, t.MailListNames, t.InterestACount,
                       t.InterestBCount, t.InterestCCount, t.Baptisms, t.InterviewsSet, t.InterviewsBaptized,
                       t.InterviewsLeft, t.BaptismDateSet})
        EXPECT_EQ(single, 0);
    EXPECT_EQ(t.BaptismAgeSum, 0);
    EXPECT_TRUE(t.ReligionCount == zero.ReligionCount && t.ReligionBaptisms == zero.ReligionBaptisms);
    EXPECT_TRUE(t.AdvertisingCount == zero.AdvertisingCount && t.AdvertisingBaptisms == zero.AdvertisingBaptisms);
    EXPECT_TRUE(t.DecisionCount == zero.DecisionCount && t.DecisionBaptisms == zero.DecisionBaptisms);
    EXPECT_TRUE(t.AgeGroupCount == zero.AgeGroupCount && t.AgeGroupBaptisms == zero.AgeGroupBaptisms);
    EXPECT_TRUE(t.MeetingAttendance == zero.MeetingAttendance && t.NewCount == zero.NewCount &&
                t.LossCount == zero.LossCount && t.AllNightsCount == zero.AllNightsCount &&
                t.NightsAttendedCount == zero.NightsAttendedCount && t.MeetingAgeCount == zero.MeetingAgeCount);
    EXPECT_FALSE(t.HasAvgBaptismAge);
    EXPECT_EQ(t.AvgBaptismAgeGroup, 0);
    EXPECT_EQ(t.AdvertisingNames[1], QStringLiteral("Newspaper"));
    EXPECT_EQ(t.AdvertisingNames[7], QStringLiteral("Invitation"));
}

TEST(CrusadeStatisticsPass, LeavesTheRecordOnTheMainWindowAlone) {
    // The main window's save keeps CardPrinted from CurRecord, so a pass that read into it
    // would carry another record's flag into the shown record.
    StatsCrusade f;
    AttendeeRecord shown = ReadRecord(f.app, 2);
    shown.CardPrinted = -1;
    f.app.crusade.CurRecord = shown;
    f.app.crusade.CurRecNo = 2;
    CrusadeStatisticsPass(f.app);
    EXPECT_TRUE(f.app.crusade.CurRecord == shown);
    EXPECT_EQ(f.app.crusade.CurRecNo, 2);
}

TEST(CrusadeStatisticsPass, AverageBaptismAgeGroupAtItsBoundaries) {
    // sum = 10 x group over the baptized names of known age; both roundings take a half to
    // the even neighbour.
    const struct {
        qint32 sum;
        int known;
        int group;
    } rows[] = {
        {0, 0, 0},    {50, -1, 0},     // nobody of known age
        {10, 1, 1},   {70, 1, 7},      // one name of the youngest and of the oldest group
        {30, 2, 2},   {50, 2, 2},      // m = 15 and 25: 1.5 goes up to 2, 2.5 down to 2
        {70, 2, 4},   {50, 3, 2},      // m = 35 gives 4; m = 16.7 -> 17 -> 2
        {140, 3, 5},  {125, 10, 1},    // m = 46.7 -> 47 -> 5; m = 12.5 -> 12 -> 1
        {35000, 500, 7},               // a sum past 32,767
        {900, 10, 7}, {-40, 2, 0},     // out of the table's range: kept within 0..7
    };
    for (const auto& r : rows)
        EXPECT_EQ(AverageBaptismAgeGroup(r.sum, r.known), r.group) << r.sum << " / " << r.known;
}

TEST(CrusadeStatisticsPass, BaptizedNamesWithoutAnAgeDoNotPullTheAverageDown) {
    // One baptized teenager among six baptized names without an age: the average is the
    // teenager's group, not "NIF".
    QList<AttendeeRecord> records;
    records.append(Rec("0301", "Teen", "Ager").level("G").age("10-19"));
    for (int i = 0; i < 6; ++i) records.append(Rec("0302", "No", "Age").level("G").age("NIF"));
    StatsCrusade f(records);
    const CrusadeTallies t = CrusadeStatisticsPass(f.app);
    EXPECT_EQ(t.Baptisms, 7);
    EXPECT_EQ(t.AgeGroupBaptisms[0], 6);
    EXPECT_TRUE(t.HasAvgBaptismAge);
    EXPECT_EQ(t.AvgBaptismAgeGroup, 1);
}

// A stored "12:00AM" is no baptism date: the name still waits for one after its interview.
TEST(CrusadeStatisticsPass, MidnightIsNoBaptismDate) {
    const struct {
        const char* bapt;
        int dateSet, interviewsLeft;
    } rows[] = {{"", 0, 1}, {"12:00AM", 0, 1}, {" 12:00AM ", 0, 1}, {"5/4/26", 1, 0}};
    for (const auto& row : rows) {
        StatsCrusade f({Rec("0301", "Ann", "Able").nights("11").level("B").interview(1).bapt(row.bapt)});
        const CrusadeTallies t = CrusadeStatisticsPass(f.app);
        EXPECT_EQ(t.BaptismDateSet, row.dateSet) << row.bapt;
        EXPECT_EQ(t.InterviewsLeft, row.interviewsLeft) << row.bapt;
    }
}

TEST(CrusadeStatisticsPass, SumsPastSixteenBitsStayRight) {
    // 500 names of the oldest group at night 1: 500 x 75 years and 500 x 70 pass 32,767.
    QList<AttendeeRecord> records;
    for (int i = 0; i < 500; ++i) records.append(Rec("0400", "Old", "Timer").nights("1").level("G").age("70+"));
    StatsCrusade f(records, 1);
    const CrusadeTallies t = CrusadeStatisticsPass(f.app);
    EXPECT_EQ(t.BaptismAgeSum, 35000);
    EXPECT_EQ(t.AvgBaptismAgeGroup, 7);
    ASSERT_TRUE(t.AverageAge(1).has_value());
    EXPECT_DOUBLE_EQ(*t.AverageAge(1), 75.0);
}

}  // namespace
}  // namespace fennick::test

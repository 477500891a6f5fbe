#pragma once
// The crusade statistics: the counts of one pass over the live records of the data file,
// by interest, interview, baptism, mail list, religion, advertising source, decision, age
// group and nightly attendance. The statistical report on the window, the printed report
// and the statistics data file read them under the names below. Counts are 16-bit, as
// stored figures are; a crusade of at most 9,999 records keeps every one below 32,767.
//
// "Baptized" means an interest level of "G".

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

namespace fennick {

class App;
struct AttendeeRecord;

inline constexpr int kStatsMeetings = 40;  // nights 1..40
inline constexpr int kAgeGroups = 8;       // 0 ("NIF", no age given) .. 7
inline constexpr int kReligionRows = 14;   // religions 1..14 are counted and shown
inline constexpr int kAdvertisingSources = 7;

struct CrusadeTallies {
    // Every record counts 1, and 1 more when FName holds "&" (a couple on one record).
    qint16 TotalNames = 0;
    // Last > LastMeeting - 3: came to one of the last three meetings held.
    qint16 CurrentNames = 0;
    // Attend > 3: four meetings or more.
    qint16 ActiveNames = 0;
    qint16 MailListNames = 0;  // MailList non-zero
    qint16 InterestACount = 0;
    qint16 InterestBCount = 0;
    qint16 InterestCCount = 0;
    qint16 Baptisms = 0;            // IntLevel "G"
    qint16 InterviewsSet = 0;       // Class non-zero
    qint16 InterviewsBaptized = 0;  // ... and baptized
    // No baptism date, an interview set and an interest level below "C" ("A", "B", blank).
    qint16 InterviewsLeft = 0;
    qint16 BaptismDateSet = 0;  // a baptism date and not baptized
    // 10 x the age group of every baptized name. Kept in 32 bits: a few thousand baptisms
    // of the older groups pass 32,767.
    qint32 BaptismAgeSum = 0;

    // Indexed by religion 0..15; rows 1..14 counted. A preference that matches none of
    // the fourteen names counts under 12.
    std::array<qint16, 16> ReligionCount{};
    std::array<qint16, 16> ReligionBaptisms{};
    // Sources 1..7: the texts and the records whose Advertising character k is not ".".
    std::array<QString, 8> AdvertisingNames{QString(),
                                            QStringLiteral("Newspaper"),
                                            QStringLiteral("Mail"),
                                            QStringLiteral("Radio"),
                                            QStringLiteral("TV"),
                                            QStringLiteral("PreMeeting"),
                                            QStringLiteral("Other"),
                                            QStringLiteral("Invitation")};
    std::array<qint16, 8> AdvertisingCount{};
    std::array<qint16, 8> AdvertisingBaptisms{};
    // Decisions 1..9.
    std::array<qint16, 10> DecisionCount{};
    std::array<qint16, 10> DecisionBaptisms{};
    // Age groups 0..7.
    std::array<qint16, kAgeGroups> AgeGroupCount{};
    std::array<qint16, kAgeGroups> AgeGroupBaptisms{};
    // Nights 1..40 (index 0 unused).
    std::array<qint16, kStatsMeetings + 1> MeetingAttendance{};
    std::array<qint16, kStatsMeetings + 1> NewCount{};        // first night attended
    std::array<qint16, kStatsMeetings + 1> LossCount{};       // last night attended
    std::array<qint16, kStatsMeetings + 1> AllNightsCount{};  // every night 1..k attended
    // Names that attended exactly n nights, n = 0..40 (the number in Attend).
    std::array<qint16, kStatsMeetings + 1> NightsAttendedCount{};
    // Night k by age group g.
    std::array<std::array<qint16, kAgeGroups>, kStatsMeetings + 1> MeetingAgeCount{};

    // The age group (an index into AgeGroupNames, 0..7) of the average baptized name whose
    // age is known; 0 when none is.
    int AvgBaptismAgeGroup = 0;
    // Some baptized name has a known age group, so there is an average baptism age.
    bool HasAvgBaptismAge = false;

    // The average age of those present at night k whose age group is known, each counted
    // at the middle of its decade (15, 25, ... 75); none when nobody of known age was
    // there. The sums are formed in 32 bits.
    std::optional<double> AverageAge(int k) const;
};

// The age group of a record: the digit "1".."7" that Age begins with; 0 for "N" (no age
// given), a blank, or any other character.
int AgeGroupOf(const AttendeeRecord& rec);

// The average baptism age group from the sum of 10 x group over the baptized names of
// known age and their number: m = sum / count and g = m / 10, each rounded half to even,
// kept within 0..7; 0 when the count is not positive.
int AverageBaptismAgeGroup(qint32 baptismAgeSum, int baptismsOfKnownAge);

// One pass over the live records of the open data file, each read once in file order
// into a record of the pass's own (the record on the main window is left alone). Values
// out of range never reach past a table: Attend and Last count only within 0..40.
CrusadeTallies CrusadeStatisticsPass(App& app);

}  // namespace fennick

#include "statistics/CrusadeTallies.h"

#include "data/App.h"
#include "data/DataStore.h"
#include "data/Text.h"
#include "statistics/NumberForms.h"
#include "views/Indexes.h"

#include <algorithm>

namespace fennick {

std::optional<double> CrusadeTallies::AverageAge(int k) const {
    if (k < 1 || k > kStatsMeetings) return std::nullopt;
    const qint32 known = qint32(MeetingAttendance[size_t(k)]) - MeetingAgeCount[size_t(k)][0];
    if (known <= 0) return std::nullopt;
    qint32 years = 0;
    for (int g = 1; g < kAgeGroups; ++g) years += qint32(MeetingAgeCount[size_t(k)][size_t(g)]) * (10 * g + 5);
    return double(years) / double(known);
}

int AgeGroupOf(const AttendeeRecord& rec) {
    const char c = rec.Age.at(1);
    return c >= '1' && c <= '7' ? c - '0' : 0;
}

int AverageBaptismAgeGroup(qint32 baptismAgeSum, int baptismsOfKnownAge) {
    if (baptismsOfKnownAge <= 0) return 0;
    const double m = RoundHalfEven(double(baptismAgeSum) / double(baptismsOfKnownAge));
    const double g = RoundHalfEven(m / 10.0);
    return int(std::clamp(g, 0.0, double(kAgeGroups - 1)));
}

CrusadeTallies CrusadeStatisticsPass(App& app) {
    CrusadeTallies t;
    const CrusadeSettings& s = app.settings;
    std::array<QByteArray, kReligionRows + 1> religions;
    for (int i = 1; i <= kReligionRows; ++i) religions[size_t(i)] = Ansi(s.ReligionNames[size_t(i)]);
    const int currentAfter = s.LastMeeting - 3;

    ScanLiveRecords(app, [&](const AttendeeRecord& rec, qint32) {
        const char level = rec.IntLevel.at(1);
        const bool baptized = level == 'G';
        const auto count = [baptized](qint16& all, qint16& ofBaptized) {
            ++all;
            if (baptized) ++ofBaptized;
        };

        // Totals.
        const QByteArray first = rec.FName.bytes();
        t.TotalNames = qint16(t.TotalNames + (first.contains('&') ? 2 : 1));
        if (rec.Last > currentAfter) ++t.CurrentNames;

        // Interviews and baptism dates.
        if (rec.Class != 0) count(t.InterviewsSet, t.InterviewsBaptized);
        const bool dated = HasBaptismDate(rec.BaptDate.bytes());
        if (dated && !baptized) ++t.BaptismDateSet;
        if (!dated && rec.Class != 0 && quint8(level) < quint8('C')) ++t.InterviewsLeft;

        // Religion: the first of the fourteen names the preference equals, else 12.
        const QByteArray pref = rec.RelPref.trimmed();
        int religion = 12;
        for (int i = 1; i <= kReligionRows; ++i) {
            if (pref == religions[size_t(i)]) {
                religion = i;
                break;
            }
        }
        count(t.ReligionCount[size_t(religion)], t.ReligionBaptisms[size_t(religion)]);

        // Advertising: any mark but "." in the source's place.
        for (int k = 1; k <= kAdvertisingSources; ++k)
            if (rec.Advertising.at(k) != '.') count(t.AdvertisingCount[size_t(k)], t.AdvertisingBaptisms[size_t(k)]);

        // Interest level and mail list.
        switch (level) {
            case 'A': ++t.InterestACount; break;
            case 'B': ++t.InterestBCount; break;
            case 'C': ++t.InterestCCount; break;
            case 'G': ++t.Baptisms; break;
            default: break;
        }
        if (rec.MailList != 0) ++t.MailListNames;

        // Decisions: 1, 2 and 9 also count when their letter stands in the attendance.
        const QByteArray attendance = rec.Attendance.bytes();
        for (int d = 1; d <= kDecisionCount; ++d) {
            const char mark = rec.Decisions.at(d);
            bool held = mark != '-';
            if (d == 1) held = mark == 'C' || attendance.contains('C');
            if (d == 2) held = mark == 'S' || attendance.contains('S');
            if (d == 9) held = mark == 'U' || attendance.contains('U');
            if (held) count(t.DecisionCount[size_t(d)], t.DecisionBaptisms[size_t(d)]);
        }

        // Age group.
        const int g = AgeGroupOf(rec);
        count(t.AgeGroupCount[size_t(g)], t.AgeGroupBaptisms[size_t(g)]);
        if (baptized) t.BaptismAgeSum += 10 * g;

        // Active names.
        const int attended = AttendCount(rec);
        if (attended > 3) ++t.ActiveNames;

        // Nights 1..Last: any mark but "-" is a night attended.
        const int lastNight = std::min<int>(rec.Last, kStatsMeetings);
        int nights = 0;
        int latest = 0;
        for (int k = 1; k <= lastNight; ++k) {
            if (attendance[k - 1] == '-') continue;
            ++t.MeetingAttendance[size_t(k)];
            if (nights == 0) ++t.NewCount[size_t(k)];
            latest = k;
            ++t.MeetingAgeCount[size_t(k)][size_t(g)];
            if (++nights == k) ++t.AllNightsCount[size_t(k)];
        }
        if (latest > 0) ++t.LossCount[size_t(latest)];
        if (attended >= 0 && attended <= kStatsMeetings) ++t.NightsAttendedCount[size_t(attended)];
    });

    const int ofKnownAge = t.Baptisms - t.AgeGroupBaptisms[0];
    t.HasAvgBaptismAge = t.Baptisms != 0 && ofKnownAge > 0;
    t.AvgBaptismAgeGroup = t.HasAvgBaptismAge ? AverageBaptismAgeGroup(t.BaptismAgeSum, ofKnownAge) : 0;
    return t;
}

}  // namespace fennick

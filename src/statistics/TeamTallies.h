#pragma once
// The visitation team statistics: how the visitation teams are doing with the names
// assigned to them. One pass over the live records fills a table per team 0..40 (team 0:
// the names without a team) and a few totals; the visitation report on the window, the
// printed report and the statistics data file read them under the names below.
//
// A record has visit text when its Visits field, trimmed and lower-cased, is not empty.

#include <QString>
#include <QtGlobal>

#include <array>

namespace fennick {

class App;
struct AttendeeRecord;
struct CrusadeSettings;

inline constexpr int kTeamCount = 41;  // teams 0..40

using TeamTable = std::array<int, kTeamCount>;

struct TeamTallies {
    // Among each team's live records, those ...
    TeamTable TeamNameCount{};       // all of them
    TeamTable TeamIntA{};            // with interest level "A"
    TeamTable TeamIntB{};            // "B"
    TeamTable TeamIntC{};            // "C"
    TeamTable TeamBaptized{};        // "G"
    TeamTable TeamActive{};          // with more than 3 meetings attended
    TeamTable TeamActiveVisited{};   // active, with visit text
    TeamTable TeamCurrent{};         // current (see TeamStatisticsPass)
    TeamTable TeamCurrentVisited{};  // current, with visit text, once LastMeeting > 3
    TeamTable TeamVisited{};         // with visit text
    TeamTable TeamSabbathNames{};
    TeamTable TeamSabbathVisited{};  // ... with a visit on or after the Sabbath meeting
    TeamTable TeamGospelNames{};
    TeamTable TeamGospelVisited{};   // ... with a visit on or after the Gospel meeting
    // Occurrences of the letters h, m, p and l in the lower-cased visit text.
    TeamTable TeamVisitsH{};
    TeamTable TeamVisitsM{};
    TeamTable TeamVisitsP{};
    TeamTable TeamVisitsL{};
    // The highest meeting of a last visit among the team's visited names; 0 for none.
    TeamTable TeamLastVisitMtg{};

    qint32 TotalLiveNames = 0;
    qint32 TotalVisited = 0;
    // Sums over teams 0..40.
    qint32 TotalActive = 0;
    qint32 TotalActiveVisited = 0;
    qint32 TotalCurrent = 0;
    qint32 TotalCurrentVisited = 0;

    int SabbathMeeting = 8;
    int GospelMeeting = 0;

    // The Sabbath names and their visited among teams 1..20 (the reports' Sabbath totals).
    int SabbathNames1To20() const;
    int SabbathVisited1To20() const;
};

// The first meeting 1..30 whose sermon title holds the word, with its capital as given;
// fallback when none does.
int MeetingWithTitle(const CrusadeSettings& settings, const QString& word, int fallback);

// The team a record is counted under: its team code "00".."40" as a number; any other
// code, or one that is not a number, counts as team 0.
int TeamOf(const AttendeeRecord& rec);

// One pass over the live records of the open data file in file order, each read into a
// record of the pass's own (the record on the main window is left alone):
//  - active: the number in Attend is above 3 (an Attend that is not a number: not active);
//  - current: with LastMeeting above 3, a last night after LastMeeting - 3; otherwise
//    every meeting so far attended (Attend equals LastMeeting);
//  - Gospel name: first decision "C" or a "C" in the attendance; Sabbath name: present at
//    the Sabbath meeting, second decision "S" or an "S" in the attendance. Each counts as
//    visited when one of the first three visit codes has a meeting at or after its meeting.
TeamTallies TeamStatisticsPass(App& app);

}  // namespace fennick

#include "statistics/TeamTallies.h"

#include "data/App.h"
#include "data/Text.h"
#include "views/Indexes.h"

#include <algorithm>

namespace fennick {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The value of a two-character number field: "12", " 7", "7 ", "  " (0) at once, any
// other text as its leading number reads. The pass meets these a few times a record.
int TwoCharValue(char a, char b) {
    if (IsDigit(a) && IsDigit(b)) return (a - '0') * 10 + (b - '0');
    if (a == ' ' && (IsDigit(b) || b == ' ')) return b == ' ' ? 0 : b - '0';
    if (IsDigit(a) && b == ' ') return a - '0';
    const char text[] = {a, b};
    return int(Val(QByteArray(text, 2)));
}

// A two-character field that holds a whole number ("05", " 5", "5 "); anything else,
// blanks included, does not.
bool IsTwoCharNumber(char a, char b) {
    if (IsDigit(a) && IsDigit(b)) return true;
    if ((a == ' ' && IsDigit(b)) || (IsDigit(a) && b == ' ')) return true;
    if (a == ' ' && b == ' ') return false;
    const char text[] = {a, b};
    return IsNumeric(QByteArray(text, 2));
}

// One of the first three visit codes (positions 1, 4, 7 of Visits) names a meeting at
// or after the given one; a code's meeting is the value of its two digits, 0 for blanks.
bool VisitedSince(const AttendeeRecord& rec, int meeting) {
    for (int k = 1; k <= 7; k += 3)
        if (TwoCharValue(rec.Visits.at(k + 1), rec.Visits.at(k + 2)) >= meeting) return true;
    return false;
}

// The number of meetings attended as Attend holds it; -1 when it is not a number.
int AttendedMeetings(const AttendeeRecord& rec) {
    const char a = rec.Attend.at(1);
    const char b = rec.Attend.at(2);
    if (!IsTwoCharNumber(a, b)) return -1;
    return IsDigit(a) || a == ' ' ? TwoCharValue(a, b) : int(Val(rec.Attend.bytes()));
}

}  // namespace

int TeamTallies::SabbathNames1To20() const {
    int n = 0;
    for (int t = 1; t <= 20; ++t) n += TeamSabbathNames[size_t(t)];
    return n;
}

int TeamTallies::SabbathVisited1To20() const {
    int n = 0;
    for (int t = 1; t <= 20; ++t) n += TeamSabbathVisited[size_t(t)];
    return n;
}

int MeetingWithTitle(const CrusadeSettings& settings, const QString& word, int fallback) {
    for (int i = 1; i <= 30; ++i)
        if (settings.SermonTitles[size_t(i)].contains(word, Qt::CaseSensitive)) return i;
    return fallback;
}

int TeamOf(const AttendeeRecord& rec) {
    const char a = rec.WorkerCode.at(1);
    const char b = rec.WorkerCode.at(2);
    if (!IsTwoCharNumber(a, b)) return 0;
    const double value = IsDigit(a) || a == ' ' ? TwoCharValue(a, b) : Val(rec.WorkerCode.bytes());
    if (value < 0 || value > kTeamCount - 1 || value != double(int(value))) return 0;
    return int(value);
}

TeamTallies TeamStatisticsPass(App& app) {
    TeamTallies s;
    s.SabbathMeeting = MeetingWithTitle(app.settings, QStringLiteral("Sabbath"), 8);
    s.GospelMeeting = MeetingWithTitle(app.settings, QStringLiteral("Gospel"), 0);
    const int lastMeeting = app.settings.LastMeeting;

    ScanLiveRecords(app, [&](const AttendeeRecord& rec, qint32) {
        const size_t t = size_t(TeamOf(rec));
        ++s.TotalLiveNames;
        ++s.TeamNameCount[t];

        const int attended = AttendedMeetings(rec);
        const bool active = attended > 3;
        if (active) ++s.TeamActive[t];

        // The visit text is Visits without the blanks around it, in lower case.
        const QByteArrayView visits = rec.Visits.view();
        qsizetype end = visits.size();
        while (end > 0 && visits[end - 1] == ' ') --end;
        const bool visited = end > 0;
        for (qsizetype i = 0; i < end; ++i) {
            switch (AnsiLower(visits[i])) {
                case 'h': ++s.TeamVisitsH[t]; break;
                case 'm': ++s.TeamVisitsM[t]; break;
                case 'p': ++s.TeamVisitsP[t]; break;
                case 'l': ++s.TeamVisitsL[t]; break;
                default: break;
            }
        }

        if (lastMeeting > 3) {
            if (rec.Last > lastMeeting - 3) {
                ++s.TeamCurrent[t];
                if (visited) ++s.TeamCurrentVisited[t];
            }
        } else if (attended == lastMeeting) {
            ++s.TeamCurrent[t];
        }

        if (visited) {
            ++s.TotalVisited;
            // The meeting of the last visit: the last two characters of the visit text.
            qsizetype begin = 0;
            while (visits[begin] == ' ') ++begin;
            const int lastVisit = end - begin >= 2 ? TwoCharValue(visits[end - 2], visits[end - 1])
                                                   : TwoCharValue(' ', visits[end - 1]);
            s.TeamLastVisitMtg[t] = std::max(s.TeamLastVisitMtg[t], lastVisit);
            ++s.TeamVisited[t];
            if (active) ++s.TeamActiveVisited[t];
        }

        switch (rec.IntLevel.at(1)) {
            case 'A': ++s.TeamIntA[t]; break;
            case 'B': ++s.TeamIntB[t]; break;
            case 'C': ++s.TeamIntC[t]; break;
            case 'G': ++s.TeamBaptized[t]; break;
            default: break;
        }

        const QByteArrayView attendance = rec.Attendance.view();
        if (rec.Decisions.at(1) == 'C' || attendance.contains('C')) {
            ++s.TeamGospelNames[t];
            if (VisitedSince(rec, s.GospelMeeting)) ++s.TeamGospelVisited[t];
        }
        if (attendance[s.SabbathMeeting - 1] != '-' || rec.Decisions.at(2) == 'S' || attendance.contains('S')) {
            ++s.TeamSabbathNames[t];
            if (VisitedSince(rec, s.SabbathMeeting)) ++s.TeamSabbathVisited[t];
        }
    });

    for (size_t t = 0; t < size_t(kTeamCount); ++t) {
        s.TotalActive += s.TeamActive[t];
        s.TotalActiveVisited += s.TeamActiveVisited[t];
        s.TotalCurrent += s.TeamCurrent[t];
        s.TotalCurrentVisited += s.TeamCurrentVisited[t];
    }
    return s;
}

}  // namespace fennick

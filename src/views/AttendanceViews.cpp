#include "views/AttendanceViews.h"

#include "data/App.h"
#include "data/Text.h"
#include "platform/Dialogs.h"
#include "views/AttendanceFilters.h"
#include "views/Indexes.h"

#include <cmath>

namespace fennick {

namespace {

const QString kTotalAttend = QStringLiteral("TotalAttend");
const QString kCancel = QStringLiteral("cancel");
const QString kEqual = QStringLiteral("equal");


// The highest night that may be asked for: LastMeeting, within the nights a record holds.
int NightLimit(const App& app) {
    return std::min<int>(app.settings.LastMeeting, kMeetings);
}

// The answer's numeric value rounded to a whole number (half to even).
double Rounded(const QString& answer) {
    return std::nearbyint(Val(answer));
}

// The number that ends a kind word ("attendnight 5", "missednight03").
int KindNumber(const QString& kind) {
    return int(Val(Right(kind, 2)));
}

// The test of the total-attendance views: the count equals, or is at least, the number.
std::function<bool(const AttendeeRecord&)> TotalTest(const App& app, bool equal) {
    const int wanted = app.settings.TotalAttendNum;
    return [wanted, equal](const AttendeeRecord& r) {
        const int count = AttendCount(r);
        return equal ? count == wanted : count >= wanted;
    };
}

QByteArray NameKey(const AttendeeRecord& r) {
    return JoinKey({LNAME(r), FName3(r)});
}

// Asks for a team code until a valid one or nothing is given.
QString AskTeam(App& app) {
    QString prompt = QStringLiteral("Enter the desired Team Code (01-20)");
    for (;;) {
        QString team = app.dialogs().input(prompt).trimmed();
        if (team.size() == 1) team.prepend(u'0');
        if (team.isEmpty() || IsTeamCode(Ansi(team))) return team;
        prompt = QStringLiteral("A Team Code is two digits from 00 to %1.").arg(kTeams) + NewLine +
                 QStringLiteral("Enter the desired Team Code (01-20)");
    }
}

// Asks for a night until one from 1 to the limit is given; 0 for none.
int AskNight(App& app) {
    const QString limit = Plain(NightLimit(app));
    QString prompt = QStringLiteral("Enter the Meeting number you would like to see.") + NewLine +
                     QStringLiteral("Must be between 1 and ") + limit;
    for (;;) {
        const double n = Rounded(app.dialogs().input(prompt, QStringLiteral("Select a Meeting to View")));
        if (n == 0) return 0;
        if (n >= 1 && n <= NightLimit(app)) return int(n);
        prompt = QStringLiteral("You must enter a number between 1 and ") + limit;
    }
}

// Asks how many of the last nights were missed; -1 when nothing is to be built.
int AskMissedNights(App& app) {
    const QString prompt =
        QStringLiteral("You would like to see those who have not attended since how many nights?") + NewLine + NewLine +
        QStringLiteral(
            "For example: If you enter 3, then you will only see those names that have missed at least "
            "the last three meetings") +
        NewLine + QStringLiteral("but have attended since meeting (") + Plain(app.settings.PrintCutOff) +
        QStringLiteral(") the meeting cutoff night.");
    const QString answer =
        app.dialogs().input(prompt, QStringLiteral("Select Missing Names to view"), QStringLiteral("2"));
    if (answer.isEmpty()) return -1;
    const int highest = NightLimit(app) - 1;
    const double n = Rounded(answer);
    if (!IsNumeric(answer) || n < 0 || n > highest) {
        app.dialogs().msgBox(QStringLiteral("You must select a meeting between 0 and ") + Plain(highest));
        return -1;
    }
    return int(n);
}

void BuildTotalAttend(App& app, bool equal, bool byTeam) {
    BuildView(app, {.kind = kTotalAttend,
                    .cutOff = true,
                    .test = TotalTest(app, equal),
                    .sortPart =
                        [byTeam](const AttendeeRecord& r) {
                            return JoinKey({byTeam ? Team2(r) : QByteArray(), Count2(r), LNAME(r), FName3(r)});
                        },
                    .order = SortOrder::Descending});
}

}  // namespace

void IndexTotalAttend(App& app, bool ask) {
    CurrentView& v = app.view;
    if (ask) {
        ShowAttendanceFilters(app);
        v.FilterChoice = app.msg.ScratchVar;
    }
    if (v.FilterChoice == kCancel) {
        if (v.ReportCount == 0) IndexAlpha(app);
        return;
    }
    BuildTotalAttend(app, v.FilterChoice == kEqual, false);
    if (v.ReportCount == 0) {
        IndexAlpha(app);
        app.dialogs().msgBox(QStringLiteral("There are no names to view."));
    }
}

void IndexTotalAttendByTeam(App& app) {
    ShowAttendanceFilters(app);
    if (app.msg.ScratchVar == kCancel) return;
    BuildTotalAttend(app, app.msg.ScratchVar == kEqual, true);
}

void IndexAttend(App& app) {
    BuildView(app, {.kind = QStringLiteral("attend"),
                    .rule = PrevRule::P,
                    .cutOff = true,
                    .sortPart = [](const AttendeeRecord& r) {
                        return JoinKey({Latest3(r), LNAME(r), FName3(r)});
                    }});
}

int IndexAttendNight(App& app, bool ask) {
    CurrentView& v = app.view;
    int night = 0;
    if (ask) {
        night = AskNight(app);
        if (night == 0) return 0;
        UpdatePrevReportKind(v, PrevRule::P);
        v.ReportKind = QStringLiteral("attendnight") + Right(QStringLiteral("00") + Str(qint64(night)), 2);
    } else {
        night = KindNumber(v.ReportKind);
        if (night < 1 || night > kMeetings) return 0;
    }
    BuildView(app, {.kind = v.ReportKind,
                    .test = [night](const AttendeeRecord& r) { return r.Attendance.at(night) != '-'; },
                    .sortPart = NameKey});
    if (v.ReportCount > 0) return night;
    app.dialogs().msgBox(QStringLiteral("There are no records for this filter."));
    IndexAlpha(app);
    return 0;
}

void IndexMissedMeetings(App& app, bool ask) {
    CurrentView& v = app.view;
    int n = 0;
    if (ask) {
        n = AskMissedNights(app);
        if (n < 0) return;
        v.ReportKind = QStringLiteral("missednight") + ZeroPad(n, 2);
    } else {
        n = KindNumber(v.ReportKind);
        if (n < 0 || n >= kMeetings) return;
    }
    const int latest = app.settings.LastMeeting - n;
    const int cutOff = app.settings.PrintCutOff;
    BuildView(app, {.kind = v.ReportKind,
                    .test = [latest, cutOff](const AttendeeRecord& r) { return r.Last <= latest && r.Last >= cutOff; },
                    .sortPart = NameKey});
    v.CutOffApplied = true;  // its test leaves out the names last seen before the cut-off
    if (v.ReportCount == 0) IndexAlpha(app);
}

void IndexTeamAttend(App& app) {
    BuildView(app, {.kind = QStringLiteral("wcattend"),
                    .rule = PrevRule::R,
                    .cutOff = true,
                    .sortPart = [](const AttendeeRecord& r) {
                        return JoinKey({Team2(r), Latest3(r), LNAME(r), FName3(r)});
                    }});
}

void IndexSelectedTeam(App& app, QString& team, const QString& order) {
    if (team.isEmpty()) team = AskTeam(app);
    if (!IsTeamCode(Ansi(team))) return;
    const QByteArray code = team.toLatin1();
    const bool byName = order == QLatin1String("Al");
    BuildView(app, {.kind = QStringLiteral("SelWCAttend") + team,
                    .rule = PrevRule::R,
                    .cutOff = true,
                    .test = [code](const AttendeeRecord& r) { return r.WorkerCode.bytes() == code; },
                    .sortPart =
                        [byName](const AttendeeRecord& r) {
                            return JoinKey({Team2(r), byName ? QByteArray("000") : Latest3(r), LNAME(r), FName3(r)});
                        }});
}

void IndexTeamAlpha(App& app) {
    BuildView(app, {.kind = QStringLiteral("wcalpha"),
                    .rule = PrevRule::R,
                    .cutOff = true,
                    .sortPart =
                        [](const AttendeeRecord& r) {
                            return JoinKey({Team2(r), LNAME(r), FNAME(r)});
                        },
                    .kindAfterSort = true});
}

}  // namespace fennick

#include "views/PersonViews.h"

#include "data/App.h"
#include "data/Text.h"
#include "platform/Dialogs.h"
#include "views/Indexes.h"

#include <QList>

namespace fennick {

namespace {

constexpr int kComparedReligions = 14;
constexpr int kSabbathSearchNights = 30;
constexpr int kAdvertisingFlags = 7;

QByteArray NameKey(const AttendeeRecord& r) {
    return JoinKey({LNAME(r), FName3(r)});
}
QByteArray NameKeyUpper(const AttendeeRecord& r) {
    return JoinKey({LNAME(r), FNAME3(r)});
}

bool TeamGrouping(const QString& grouping) {
    return grouping == QLatin1String("TC");
}

// The decision a decisions kind names ("decision 4" or "decisions4"); 0 for any other kind.
int DecisionOfKind(const QString& kind) {
    if (!kind.startsWith(QLatin1String("decision")) || kind.size() <= 8) return 0;
    const QChar c = kind.back();
    const int d = c.isDigit() ? c.digitValue() : 0;
    return d >= 1 && d <= kDecisionCount ? d : 0;
}

// A visit code (a letter and two digits) records a visit on or after night s. An empty
// code counts as night 0.
bool VisitedSince(const AttendeeRecord& r, int s) {
    const QByteArray visits = r.Visits.bytes();
    for (int pos = 1; pos <= 10; pos += 3)
        if (Val(Mid(visits, pos + 1, 2)) >= s) return true;
    return false;
}

}  // namespace

void IndexNotes(App& app) {
    BuildView(app, {.kind = QStringLiteral("notes"),
                    .rule = PrevRule::R,
                    .test = [](const AttendeeRecord& r) { return !r.Notes.trimmed().isEmpty(); },
                    .sortPart = NameKey});
}

void IndexReligion(App& app, const QString& religion) {
    QList<QByteArray> names;
    for (int i = 1; i <= kComparedReligions; ++i)
        if (!app.settings.ReligionNames[size_t(i)].isEmpty()) names.append(Ansi(app.settings.ReligionNames[size_t(i)]));
    const QByteArray wanted = Ansi(religion);
    bool compared = false;
    BuildView(app, {.kind = QStringLiteral("religion"),
                    .rule = PrevRule::R,
                    .cutOff = true,
                    .test =
                        [&](const AttendeeRecord& r) {
                            compared = true;
                            if (wanted.isEmpty()) return true;
                            const QByteArray church = r.RelPref.trimmed();
                            return (names.contains(church) ? church : QByteArray("Other")) == wanted;
                        },
                    .sortPart =
                        [](const AttendeeRecord& r) {
                            return JoinKey({Rel20(r), LNAME(r), FName3(r)});
                        }});
    if (compared) app.msg.ScratchVar = QString::number(kComparedReligions + 1);
}

void IndexChurchMembers(App& app) {
    BuildView(app, {.kind = QStringLiteral("religion"),
                    .cutOff = true,
                    .test = [](const AttendeeRecord& r) { return r.RelPref.trimmed() == "SDA"; },
                    .sortPart =
                        [](const AttendeeRecord& r) {
                            return JoinKey({Rel20(r), LNAME(r), FName3(r)});
                        }});
}

int SabbathNight(const App& app) {
    for (int m = 1; m <= kSabbathSearchNights; ++m)
        if (app.settings.SermonTitles[size_t(m)].contains(QLatin1String("Sabbath"))) return m;
    return 0;
}

void IndexNeedSabbathVisit(App& app) {
    const int s = SabbathNight(app);
    BuildView(app, {.kind = QStringLiteral("needsabvis"),
                    .test =
                        [s](const AttendeeRecord& r) {
                            return s > 0 && static_cast<unsigned char>(r.Attendance.at(s)) > '-' && !VisitedSince(r, s);
                        },
                    .sortPart = NameKey});
}

void IndexAge(App& app) {
    BuildView(app, {.kind = QStringLiteral("age"), .cutOff = true, .sortPart = [](const AttendeeRecord& r) {
                        return JoinKey({Age10(r), LNAME(r), FName3(r)});
                    }});
}

void IndexInterest(App& app, const QString& grouping) {
    const bool byTeam = TeamGrouping(grouping);
    const bool includeF = app.view.IncludeF;
    QByteArray lastTeam;
    BuildView(app, {.kind = QStringLiteral("interest"),
                    .rule = PrevRule::R,
                    .test =
                        [includeF](const AttendeeRecord& r) {
                            const char level = r.IntLevel.at(1);
                            return level == 'A' || level == 'B' || level == 'C' || level == 'G' ||
                                   (level == 'F' && includeF);
                        },
                    .sortPart =
                        [&](const AttendeeRecord& r) {
                            if (byTeam) lastTeam = Team2(r);
                            return JoinKey({byTeam ? Team2(r) : QByteArray(), Level1(r), LNAME(r), FNAME3(r)});
                        },
                    .kindAfterSort = true});
    app.msg.ScratchVar = FromAnsi(lastTeam);
}

void IndexNoInterest(App& app) {
    const int recent = app.settings.LastMeeting - 4;
    BuildView(app, {.kind = QStringLiteral("NoAssignedInterest"),
                    .rule = PrevRule::R,
                    .test =
                        [recent](const AttendeeRecord& r) {
                            const char level = r.IntLevel.at(1);
                            return (level == ' ' || level == 'E') && r.Last > recent;
                        },
                    .sortPart =
                        [](const AttendeeRecord& r) {
                            return JoinKey({Level1(r), LNAME(r), FNAME3(r)});
                        },
                    .kindAfterSort = true});
}

void IndexPreMeeting(App& app) {
    BuildView(app, {.kind = QStringLiteral("PreCrusade"),
                    .rule = PrevRule::R,
                    .test = [](const AttendeeRecord& r) { return r.Advertising.at(5) == 'P'; },
                    .sortPart = NameKeyUpper,
                    .kindAfterSort = true});
}

void IndexAdvertising(App& app) {
    CurrentView& v = app.view;
    EmptyView(v);
    ScanLiveRecords(app, [&](const AttendeeRecord& r, qint32 n) {
        for (int pos = 1; pos <= kAdvertisingFlags; ++pos) {
            // Pos1: the flag itself, so that the entries sort by medium.
            const char flag = r.Advertising.at(pos);
            if (flag != '.') AppendEntry(v, r, JoinKey({QByteArray(1, flag), LName20(r), FNAME3(r)}), n);
        }
    });
    FinishView(v);
    SortIndex(app);
    UpdatePrevReportKind(v, PrevRule::R);
    v.ReportKind = QStringLiteral("Advertising");
}

void IndexMapCode(App& app) {
    QByteArray lastLatest;
    BuildView(app, {.kind = QStringLiteral("map"), .cutOff = true, .sortPart = [&](const AttendeeRecord& r) {
                        lastLatest = Latest3(r);
                        return JoinKey({lastLatest, Team2(r), Map8(r), lastLatest, LNAME(r), FName3(r)});
                    }});
    app.msg.ScratchVar = FromAnsi(lastLatest);
}

void IndexBaptisms(App& app, const QString& grouping) {
    const bool byTeam = TeamGrouping(grouping);
    QByteArray lastTeam;
    BuildView(app, {.kind = QStringLiteral("baptism"),
                    .rule = PrevRule::P,
                    .test = [](const AttendeeRecord& r) { return r.IntLevel.at(1) == 'G'; },
                    .sortPart =
                        [&](const AttendeeRecord& r) {
                            if (byTeam) lastTeam = Team2(r);
                            return JoinKey({byTeam ? Team2(r) : QByteArray(), LNAME(r), FNAME3(r)});
                        },
                    .kindAfterSort = true});
    app.msg.ScratchVar = FromAnsi(lastTeam);
}

void IndexMarked(App& app) {
    BuildView(app, {.kind = QStringLiteral("marked"),
                    .rule = PrevRule::R,
                    .test = [](const AttendeeRecord& r) { return r.MarkToVisit != 0; },
                    .sortPart = NameKeyUpper,
                    .kindAfterSort = true});
}

bool IndexDecisions(App& app, bool ask) {
    CurrentView& v = app.view;
    if (ask && !(app.hooks.showDecisionPicker && app.hooks.showDecisionPicker(DecisionOfKind(v.ReportKind))))
        return false;
    const int d = DecisionOfKind(v.ReportKind);
    if (d == 0) return false;

    bool byLevel = false;
    if (d == 9) {
        const int answer = app.dialogs().msgBox(
            QStringLiteral("Do you want to arrange these decisions by Interest Level?"), Buttons::YesNo, Icon::None,
            QStringLiteral("Arrange Decisions by Interest Level or Alphabetical"));
        app.msg.MsgAnswer = QString::number(answer);
        byLevel = answer == AnsYes;
    }
    // A decision without a code letter is matched by its place in Decisions only.
    const QByteArray code = Trim(Ansi(app.settings.DecisionCodes[size_t(d)]));
    BuildView(app, {.kind = QStringLiteral("decisions") + QString::number(d),
                    .cutOff = true,
                    .test =
                        [d, &code](const AttendeeRecord& r) {
                            if (r.IntLevel.at(1) == 'D') return false;
                            return r.Decisions.at(d) != '-' || (!code.isEmpty() && r.Attendance.bytes().contains(code));
                        },
                    .sortPart =
                        [byLevel](const AttendeeRecord& r) {
                            return JoinKey({byLevel ? Level1(r) : QByteArray(), LNAME(r), FNAME3(r)});
                        }});
    return true;
}

}  // namespace fennick

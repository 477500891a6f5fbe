#include "views/VisitationViews.h"

#include "attendance/VisitCodes.h"
#include "data/App.h"
#include "data/DataStore.h"
#include "data/Text.h"
#include "platform/Dialogs.h"
#include "views/Indexes.h"

namespace fennick {

namespace {

// The time order of an appointment's time character: its MeetingTimes index as two digits
// (8 in the morning 00 to 9 in the evening 13); any other character stands for itself.
QByteArray TimeOrder(char t) {
    const int index = TimeIndex(QChar::fromLatin1(t));
    if (index < 0) return QByteArray(1, t);
    return QByteArray::number(index).rightJustified(2, '0');
}

// Interest levels compare by byte code, so a blank comes before "A".
bool LevelBefore(const AttendeeRecord& r, char level) {
    return quint8(r.IntLevel.at(1)) < quint8(level);
}
bool LevelFrom(const AttendeeRecord& r, char from, char before) {
    return !LevelBefore(r, from) && LevelBefore(r, before);
}

using Test = std::function<bool(const AttendeeRecord&)>;
using Key = std::function<QByteArray(const AttendeeRecord&)>;

void BuildPlain(App& app, const QString& kind, const Test& test, const Key& key) {
    BuildView(app, {.kind = kind, .test = test, .sortPart = key});
}

bool AskYesNo(App& app, const QString& question, int defaultButton) {
    return app.dialogs().msgBox(question, Buttons::YesNo, Icon::None, std::nullopt, defaultButton) == AnsYes;
}

}  // namespace

QByteArray Appt4(const AttendeeRecord& r) {
    const QByteArray v = AnsiUpper(r.Visits.trimmed());
    const int p = AppointmentPos(FromAnsi(v));
    const QByteArray code = p > 0 ? Mid(v, p, 3) : QByteArray("AN0");
    return Fixed(Left(code, 2) + TimeOrder(code.back()), 4);
}

QByteArray Date8(const AttendeeRecord& r) {
    QByteArray d = r.BaptDate.rtrimmed();
    if (InStr(d, "/") == 2) d.prepend('0');
    if (InStr(d, "/", 4) == 5) d = Left(d, 3) + "0" + Mid(d, 4, 4);
    const QByteArray yy = Right(d, 2);
    const QByteArray century = CompareBytes(yy, "50") > 0 ? "19" : "20";
    return Fixed(century + yy + Left(d, 2) + Mid(d, 4, 2), 8);
}

void IndexNeedInterview(App& app, bool byTeam) {
    BuildPlain(
        app, byTeam ? QStringLiteral("WCNeedInterview") : QStringLiteral("NeedInterview"),
        [](const AttendeeRecord& r) { return LevelFrom(r, 'A', 'D') && r.Class == 0; },
        [byTeam](const AttendeeRecord& r) {
            return JoinKey({byTeam ? Team2(r) : QByteArray(), Level1(r), LNAME(r), FNAME3(r)});
        });
}

void IndexNeedBaptismDate(App& app) {
    BuildPlain(
        app, QStringLiteral("NeedDate"),
        [](const AttendeeRecord& r) { return !HasBaptismDate(r.BaptDate.bytes()) && LevelFrom(r, 'A', 'C'); },
        [](const AttendeeRecord& r) {
            return JoinKey({Level1(r), LNAME(r), FNAME3(r)});
        });
}

void IndexFutureBaptismDate(App& app) {
    BuildPlain(
        app, QStringLiteral("FutureBapDateSet"),
        [](const AttendeeRecord& r) { return HasBaptismDate(r.BaptDate.bytes()) && r.IntLevel.at(1) != 'G'; },
        [](const AttendeeRecord& r) {
            return JoinKey({Bapt8(r), LNAME(r), FNAME3(r)});
        });
}

void IndexInterviewRemaining(App& app) {
    BuildPlain(
        app, QStringLiteral("InterviewRemain"),
        [](const AttendeeRecord& r) {
            return LevelBefore(r, 'D') && r.Class != 0 && !HasBaptismDate(r.BaptDate.bytes());
        },
        [](const AttendeeRecord& r) {
            return JoinKey({Appt4(r), LNAME(r), FNAME3(r)});
        });
}

void IndexBaptismClass(App& app) {
    BuildPlain(
        app, QStringLiteral("BaptClass"), [](const AttendeeRecord& r) { return r.Class != 0; },
        [](const AttendeeRecord& r) {
            return JoinKey({Appt4(r), LNAME(r), FNAME3(r)});
        });
}

void IndexInterestCards(App& app) {
    const bool fourNights = AskYesNo(
        app,
        QStringLiteral("You can print card labels for all names or you can") + NewLine +
            QStringLiteral("limit the cards printed to those who have attended 4 or more times.") + NewLine + NewLine +
            QStringLiteral("Do you want to limit the cards printed to those who have attended 4 or more times?"),
        1);
    const bool withTeam =
        AskYesNo(app,
                 QStringLiteral("You can also limit the cards printed to include ") + NewLine +
                     QStringLiteral("only those who have an assigned Team Code.") + NewLine + NewLine +
                     QStringLiteral("Do you want to limit the cards printed to those who have an assigned Team Code?"),
                 2);
    // The selection code the cards announce: + 1 for four nights, + 2 for all teams or + 4
    // for assigned teams only.
    app.msg.ScratchVar = Plain((fourNights ? 1 : 0) + (withTeam ? 4 : 2));
    BuildView(app, {.kind = QStringLiteral("IntCard"),
                    .cutOff = true,
                    .test =
                        [fourNights, withTeam](const AttendeeRecord& r) {
                            return r.CardPrinted != -1 && (!fourNights || AttendCount(r) > 3) &&
                                   (!withTeam || r.WorkerCode.bytes() != "00");
                        },
                    .sortPart =
                        [](const AttendeeRecord& r) {
                            return JoinKey({Team2(r), LNAME(r), FNAME(r)});
                        }});
}

void IndexBaptismDate(App& app) {
    BuildView(app, {.kind = QStringLiteral("date"),
                    .rule = PrevRule::R,
                    .test =
                        [](const AttendeeRecord& r) {
                            return HasBaptismDate(r.BaptDate.bytes()) && Val(r.BaptDate.bytes()) > 0;
                        },
                    .sortPart =
                        [](const AttendeeRecord& r) {
                            return JoinKey({Date8(r), LNAME(r), FNAME(r)});
                        }});
}

}  // namespace fennick

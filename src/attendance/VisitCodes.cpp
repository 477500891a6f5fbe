#include "attendance/VisitCodes.h"

#include "data/CrusadeSettings.h"
#include "data/Text.h"

namespace fennick {

QStringList VisitCodeList(const QString& visits) {
    const QString v = Trim(visits);
    QStringList codes;
    for (int i = 0; i < v.size(); i += kVisitCodeWidth) codes << v.mid(i, kVisitCodeWidth);
    return codes;
}

int AppointmentPos(const QString& visits) {
    return int(visits.indexOf(QLatin1Char('A'))) + 1;
}

int TimeIndex(QChar t) {
    const char16_t c = t.unicode();
    if (c >= u'a' && c <= u'd') return c - u'a';
    if (c >= u'A' && c <= u'D') return c - u'A';
    if (c >= u'0' && c <= u'9') return c - u'0' + 4;
    return -1;
}

QChar TimeCharacter(int index) {
    if (index >= 0 && index < 4) return QChar(u'a' + index);
    if (index >= 4 && index < kMeetingTimeCount) return QChar(u'0' + index - 4);
    return QChar();
}

StoredAppointment FindAppointment(const QString& visits) {
    StoredAppointment a;
    a.pos = AppointmentPos(visits);
    if (!a.found()) return a;
    a.code = visits.mid(a.pos - 1, kVisitCodeWidth);
    if (a.code.size() >= 2) {
        const char16_t d = a.code.at(1).unicode();
        if (d >= u'1' && d < u'1' + kWeekDayCount) a.day = d - u'0';
    }
    if (a.code.size() >= 3) a.time = TimeIndex(a.code.at(2));
    return a;
}

QString AppointmentCode(int day, int time) {
    if (day < 1 || day > kWeekDayCount || TimeCharacter(time).isNull()) return QString();
    return QLatin1Char('A') + QString::number(day) + TimeCharacter(time);
}

QString WithoutAppointment(const QString& visits) {
    const int p = AppointmentPos(visits);
    if (p == 0) return visits;
    return QString(visits).remove(p - 1, kVisitCodeWidth);
}

QString AppendVisitCode(const QString& visits, const QString& code) {
    // The field as stored is padded with blanks: the code goes after its last code.
    return Right(RTrim(visits) + code, kVisitsFieldWidth);
}

QString WeekDayName(const CrusadeSettings& settings, int day) {
    return day >= 1 && day <= kWeekDayCount ? settings.WeekDays[size_t(day)] : QString();
}

QString MeetingTimeText(const CrusadeSettings& settings, int time) {
    return time >= 0 && time < kMeetingTimeCount ? settings.MeetingTimes[size_t(time)] : QString();
}

QString AppointmentText(const CrusadeSettings& settings, const StoredAppointment& a) {
    if (!a.decoded()) return a.code;
    return WeekDayName(settings, a.day) + QStringLiteral(": ") + MeetingTimeText(settings, a.time);
}

}  // namespace fennick

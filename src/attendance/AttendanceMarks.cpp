#include "attendance/AttendanceMarks.h"

#include "data/DataStore.h"

namespace fennick {

bool IsNight(int night) {
    return night >= 1 && night <= kMeetings;
}

bool IsMarkCode(const QString& code) {
    if (code.size() != 1) return false;
    const QChar c = code.at(0);
    const bool letter = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
    return letter && c.toUpper() != QLatin1Char(kVideoMark);
}

char TonightsMark(const QString& decAtt, bool video, int night) {
    if (IsMarkCode(decAtt)) return decAtt.at(0).toLatin1();
    if (video) return kVideoMark;
    return char('0' + (night % 10));
}

QByteArray NormalisedAttendance(const QByteArray& attendance) {
    QByteArray a = attendance.left(kMeetings);
    a.append(QByteArray(kMeetings - a.size(), kAbsentMark));
    a.replace(' ', kAbsentMark);
    return a;
}

bool IsMarked(const QByteArray& attendance, int night) {
    if (!IsNight(night) || night > attendance.size()) return false;
    const char c = attendance.at(night - 1);
    return c != kAbsentMark && c != ' ';
}

bool MarkNight(QByteArray& attendance, int night, char mark) {
    attendance = NormalisedAttendance(attendance);
    if (!IsNight(night)) return false;
    const bool wasAbsent = !IsMarked(attendance, night);
    attendance[night - 1] = mark;
    return wasAbsent;
}

bool ClearNight(QByteArray& attendance, int night) {
    attendance = NormalisedAttendance(attendance);
    if (!IsMarked(attendance, night)) return false;
    attendance[night - 1] = kAbsentMark;
    return true;
}

void ToggleNight(QByteArray& attendance, int night, char mark) {
    if (!ClearNight(attendance, night)) MarkNight(attendance, night, mark);
}

QByteArray AttendText(int count) {
    return QByteArray::number(count).leftJustified(2, ' ');
}

void SetAttendance(AttendeeRecord& rec, const QByteArray& attendance) {
    QByteArray a = NormalisedAttendance(attendance);
    qint16 last = 0;
    const int count = CountAttendance(a, last);
    rec.Attendance = a;
    rec.Attend = AttendText(count);
    rec.Last = last;
}

}  // namespace fennick

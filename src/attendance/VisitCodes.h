#pragma once
// The codes of a record's Visits field (12 characters): up to four three-character codes
// back to back, oldest first. A visit code is a letter (H home, P phone, M meeting, L left
// a sermon or message, D drop packet, in either case) and the two-digit meeting after which
// the visit took place ("h07"). The appointment code is "A" (always upper case), a weekday
// digit "1" (Sunday) to "6" (Friday) and a time character: "a".."d" for 8 to 11 in the
// morning, "0" for noon, "1".."9" for 1 to 9 in the evening. The first upper-case "A" of
// the field starts it; visit letters are never "A".
//
// Every writer and reader of the field goes through these functions, so that a code never
// lands off the three-character grid and a decoded weekday or time never reads past the
// tables WeekDays (1..6) and MeetingTimes (0..13).

#include <QChar>
#include <QString>
#include <QStringList>

namespace fennick {

struct CrusadeSettings;

inline constexpr int kVisitCodeWidth = 3;
inline constexpr int kVisitsFieldWidth = 12;
inline constexpr int kWeekDayCount = 6;       // WeekDays 1..6
inline constexpr int kMeetingTimeCount = 14;  // MeetingTimes 0..13

// The codes of a visits text, oldest first: three characters each from the start, blanks
// at either end left out; a shorter piece at the end stays as it is.
QStringList VisitCodeList(const QString& visits);

// 1-based position of the appointment code (the first upper-case "A"); 0 when none.
int AppointmentPos(const QString& visits);

// The MeetingTimes index a time character stands for: "a".."d" (either case) 0..3, a digit
// its value plus 4; -1 for any other character.
int TimeIndex(QChar t);
// The time character of MeetingTimes index 0..13 ("a".."d", "0".."9"); a null character
// outside.
QChar TimeCharacter(int index);

// The appointment of a visits text as stored.
struct StoredAppointment {
    int pos = 0;    // position of its "A", 0 when the text holds none
    QString code;   // the (up to) three characters from the "A"
    int day = 0;    // weekday 1..6; 0 when the digit names none
    int time = -1;  // MeetingTimes index 0..13; -1 when the character names none
    bool found() const { return pos > 0; }
    // Weekday and time both name an entry of their tables.
    bool decoded() const { return day != 0 && time >= 0; }
};
StoredAppointment FindAppointment(const QString& visits);

// "A", the weekday digit and the time character; empty unless day is 1..6 and time 0..13.
QString AppointmentCode(int day, int time);

// The visits without their appointment code (the three characters from its "A").
QString WithoutAppointment(const QString& visits);

// A code added after the last code (blanks after it left out); a text that then passes 12
// characters keeps its rightmost 12, so the oldest code gives way.
QString AppendVisitCode(const QString& visits, const QString& code);

// WeekDays(day) of the crusade settings, empty outside 1..6; MeetingTimes(time), empty
// outside 0..13.
QString WeekDayName(const CrusadeSettings& settings, int day);
QString MeetingTimeText(const CrusadeSettings& settings, int time);

// The appointment as shown: weekday name, ": " and the time ("Monday: 04:00pm"); a code
// that does not decode is shown as it is stored.
QString AppointmentText(const CrusadeSettings& settings, const StoredAppointment& a);

}  // namespace fennick

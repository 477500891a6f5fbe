#pragma once
// The attendance marks of a record: the 40-character string Attendance (one character per
// meeting night, "-" or a blank for absent, the night's last digit, "V" for video or a
// decision letter for present), the count Attend and the last night attended Last.
// Every writer of a record's attendance marks a night, takes a mark out and recounts
// through these functions, so a mark never lands outside the string and the counts
// always follow the string.

#include "data/AttendeeRecord.h"

#include <QByteArray>
#include <QString>

namespace fennick {

// The mark of a night watched on video.
inline constexpr char kVideoMark = 'V';
inline constexpr char kAbsentMark = '-';

// A meeting night that has a character in the string: 1..40.
bool IsNight(int night);

// Whether a decision code can stand in the attendance string as a mark: one letter other
// than "V" (in either case). Codes are crusade settings that nothing else checks; any
// other code (empty, two characters, a digit, "-") would be read as something else.
bool IsMarkCode(const QString& code);

// Tonight's mark for night (1..40): the decision code chosen (decAtt, "-" when none) when
// it is a mark code, else "V" when video is chosen, else the night's last digit ("2" for
// night 12, "0" for night 40).
char TonightsMark(const QString& decAtt, bool video, int night);

// The string in its stored form: exactly 40 characters, blanks (and whatever is missing
// from a short text) read as "-".
QByteArray NormalisedAttendance(const QByteArray& attendance);

// Night n of the string holds a mark (neither "-" nor a blank). False for a night
// outside 1..40.
bool IsMarked(const QByteArray& attendance, int night);

// Puts mark at night (whatever the night held) in the normalised string. Returns true
// when the night was absent before. A night outside 1..40 changes nothing (false).
bool MarkNight(QByteArray& attendance, int night, char mark);
// Takes the night's mark out. Returns true when there was one.
bool ClearNight(QByteArray& attendance, int night);
// An absent night gets mark, a marked night becomes absent.
void ToggleNight(QByteArray& attendance, int night, char mark);

// The count as Attend stores it: digits, left-aligned in two characters ("5 ", "12").
QByteArray AttendText(int count);

// Stores attendance into the record (40 characters) and recounts it: blanks become "-",
// Attend is the number of nights marked and Last the highest of them, 0 when none is.
void SetAttendance(AttendeeRecord& rec, const QByteArray& attendance);

}  // namespace fennick

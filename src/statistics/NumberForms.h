#pragma once
// The number forms of the statistics reports, shared by the window, the printed pages and
// the statistics data file.

#include <QString>
#include <QStringView>

namespace fennick {

// A number under a format picture. The pictures in use:
//   "####", "###", "##", "##########": the whole number, no filling, and nothing at all
//       for a number that rounds to 0;
//   "0%": the number times 100 as a whole number, then "%";
//   "#%": the same, but with no digit for 0 (the percent sign alone);
//   "  #%": two blanks, then as "#%".
// Halves are rounded away from zero, after the number is taken to 15 significant digits
// (so 0.145 under "0%" gives "15%"). A negative number starts with its minus sign.
QString Picture(double value, QStringView picture);
// A text under a picture: a text that reads as a number is formatted as that number; any
// other text ("na", an age-group label) comes back unchanged.
QString Picture(const QString& text, QStringView picture);
// part / whole under a percentage picture, divided as real numbers; an empty cell when
// whole is 0.
QString Ratio(qint64 part, qint64 whole, QStringView picture);

// A number printed by itself: one blank in the sign's place (or the minus sign), the
// digits and one blank after them: " 12 ", "-5 ", " 0 ".
QString BareNumber(qint64 n);
inline QString BareNumber(int n) {
    return BareNumber(qint64(n));
}
// The same for a number with a fraction, written as computed (15 significant digits):
// " 37.5 ".
QString BareNumber(double value);
// The digits with one blank in the sign's place and none after: " 12", "-5".
QString SignBlank(qint64 n);
// The digits alone: "12", "-5".
QString Digits(qint64 n);

// Halves away from zero (2.5 -> 3, -2.5 -> -3), after taking the number to 15 significant
// digits, as the pictures round.
double RoundHalfAway(double value);
// Halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double value);

}  // namespace fennick

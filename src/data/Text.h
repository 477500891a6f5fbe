#pragma once
// Text and number helpers shared by every part of the program.
//
// Record and side-file text is kept as Windows-1252 bytes (QByteArray): compared,
// sorted and upper-cased by byte code. QString appears only where text meets a
// window, a message or a settings line; Ansi()/FromAnsi() convert at that border.
//
// The string helpers use 1-based positions, as the file layouts and the rules that
// work on them count characters from 1.

#include <QByteArray>
#include <QString>

namespace fennick {

// --- Windows-1252 -----------------------------------------------------------------

QString FromAnsi(const QByteArray& bytes);
// Characters outside Windows-1252 become '?'.
QByteArray Ansi(const QString& text);

char AnsiUpper(char c);
char AnsiLower(char c);
QByteArray AnsiUpper(const QByteArray& s);
QByteArray AnsiLower(const QByteArray& s);

// Byte-code comparison: blank < digits < capitals < small letters < bytes 0x80..0xFF.
int CompareBytes(const QByteArray& a, const QByteArray& b);
bool EqualsNoCase(const QByteArray& a, const QByteArray& b);
bool EqualsNoCase(const QString& a, const QString& b);
// 1-based position of needle in hay at or after start, ignoring case; 0 when absent.
int InStrNoCase(const QByteArray& hay, const QByteArray& needle, int start = 1);

// --- Fixed-width text ---------------------------------------------------------------

// Left-aligned in exactly width bytes: cut or padded with blanks.
QByteArray Fixed(const QByteArray& s, int width);
QString Fixed(const QString& s, int width);

// Blanks (spaces only) removed from both ends / the right / the left.
QByteArray Trim(const QByteArray& s);
QByteArray RTrim(const QByteArray& s);
QByteArray LTrim(const QByteArray& s);
QString Trim(const QString& s);
QString RTrim(const QString& s);
QString LTrim(const QString& s);

// First / last n characters (all when shorter); Mid from 1-based start.
QByteArray Left(const QByteArray& s, int n);
QByteArray Right(const QByteArray& s, int n);
QByteArray Mid(const QByteArray& s, int start, int n = -1);
QString Left(const QString& s, int n);
QString Right(const QString& s, int n);
QString Mid(const QString& s, int start, int n = -1);

// 1-based position of needle in hay at or after start (case-sensitive); 0 when absent.
// An empty needle is found at start (when start is within the text or just past it).
int InStr(const QByteArray& hay, const QByteArray& needle, int start = 1);
int InStr(const QString& hay, const QString& needle, int start = 1);

// Replaces the first occurrence of what (at or after start); returns true when found.
bool ReplaceFirst(QByteArray& s, const QByteArray& what, const QByteArray& with);
bool ReplaceFirst(QString& s, const QString& what, const QString& with);

// --- Numbers --------------------------------------------------------------------------

// The leading number of a text: blanks are skipped, then an optional sign, digits, a
// decimal point and an exponent are read as far as they form a number. "12abc" is 12,
// "abc" is 0, " 3.5 " is 3.5, "&H1F" is 31.
double Val(const QString& text);
double Val(const QByteArray& text);

// True when the whole text (blanks around it allowed) reads as one number.
bool IsNumeric(const QString& text);
bool IsNumeric(const QByteArray& text);

// Rounds half to even and checks the 16-bit range; out of range throws VbError 6.
qint16 ToInt16(double value);
// Whole number in the 16-bit range, for clamping values read from files.
qint16 ClampInt16(double value, qint16 lo, qint16 hi);

// Print form of a number: a blank before a non-negative number ("12" -> " 12", -5 -> "-5").
QString Str(qint64 n);
QString Str(double n);
// Plain form: "12", "-5".
QString Plain(qint64 n);

// Last n characters of zeros followed by the plain number: ZeroPad(7, 4) == "0007".
QString ZeroPad(qint64 n, int width);

}  // namespace fennick

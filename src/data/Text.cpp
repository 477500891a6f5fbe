#include "data/Text.h"

#include "data/Errors.h"

#include <array>
#include <cmath>
#include <cstring>
#include <limits>

namespace fennick {

namespace {

// Unicode code points of the bytes 0x80..0x9F in Windows-1252; 0 where the code page
// leaves the byte undefined (those bytes map to the C1 control of the same value).
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t ToUnicode(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) {
        const char16_t u = kHigh[b - 0x80];
        return u ? u : char16_t(b);
    }
    return char16_t(b);
}

char FromUnicode(char16_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return char(u);
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == u) return char(0x80 + i);
        if (kHigh[i] == 0 && u == 0x80 + i) return char(u);
    }
    return '?';
}

// Upper/lower-case partners in Windows-1252 beyond ASCII.
unsigned char UpperByte(unsigned char c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    if (c == 0x9A) return 0x8A;  // š Š
    if (c == 0x9C) return 0x8C;  // œ Œ
    if (c == 0x9E) return 0x8E;  // ž Ž
    if (c == 0xFF) return 0x9F;  // ÿ Ÿ
    return c;
}

unsigned char LowerByte(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    if (c == 0x8A) return 0x9A;
    if (c == 0x8C) return 0x9C;
    if (c == 0x8E) return 0x9E;
    if (c == 0x9F) return 0xFF;
    return c;
}

template <typename S>
S TrimT(const S& s, bool left, bool right) {
    qsizetype b = 0;
    qsizetype e = s.size();
    if (left)
        while (b < e && s.at(b) == ' ') ++b;
    if (right)
        while (e > b && s.at(e - 1) == ' ') --e;
    return s.mid(b, e - b);
}

template <typename S>
S MidT(const S& s, int start, int n) {
    if (start < 1) start = 1;
    if (start > s.size()) return S();
    if (n < 0) return s.mid(start - 1);
    return s.mid(start - 1, n);
}

template <typename S>
int InStrT(const S& hay, const S& needle, int start) {
    if (start < 1) start = 1;
    if (start > hay.size() + 1) return 0;
    if (needle.isEmpty()) return start <= hay.size() ? start : 0;
    const auto p = hay.indexOf(needle, start - 1);
    return p < 0 ? 0 : int(p) + 1;
}

// Parses the leading number of a text the way the classic Val does: blanks, tabs and
// line feeds are skipped wherever they stand; the number ends at the first character
// that cannot continue it.
double ValImpl(const QString& text, bool* wholeText) {
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r') s.append(c);

    qsizetype i = 0;
    const qsizetype n = s.size();
    auto finish = [&](double v) {
        if (wholeText) *wholeText = (i == n) && n > 0;
        return v;
    };
    if (n >= 2 && s[0] == u'&' && (s[1] == u'H' || s[1] == u'h' || s[1] == u'O' || s[1] == u'o')) {
        const int base = (s[1] == u'H' || s[1] == u'h') ? 16 : 8;
        i = 2;
        qint64 v = 0;
        bool any = false;
        while (i < n) {
            const char16_t c = s[i].toLower().unicode();
            const bool ok = base == 16 ? (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') : (c >= u'0' && c <= u'7');
            if (!ok) break;
            const int d = c <= u'9' ? c - u'0' : c - u'a' + 10;
            // A number past the largest one held stays there rather than wrapping round.
            v = v > (std::numeric_limits<qint64>::max() - d) / base ? std::numeric_limits<qint64>::max() : v * base + d;
            any = true;
            ++i;
        }
        if (!any) i = 0;
        return finish(double(v));
    }

    QByteArray num;
    if (i < n && (s[i] == u'+' || s[i] == u'-')) num.append(char(s[i++].unicode()));
    bool digits = false;
    while (i < n && s[i].isDigit() && s[i].unicode() < 128) {
        num.append(char(s[i++].unicode()));
        digits = true;
    }
    if (i < n && s[i] == u'.') {
        num.append('.');
        ++i;
        while (i < n && s[i].isDigit() && s[i].unicode() < 128) {
            num.append(char(s[i++].unicode()));
            digits = true;
        }
    }
    if (!digits) {
        i = 0;
        return finish(0.0);
    }
    if (i < n && (s[i] == u'e' || s[i] == u'E' || s[i] == u'd' || s[i] == u'D')) {
        qsizetype j = i + 1;
        QByteArray ex("e");
        if (j < n && (s[j] == u'+' || s[j] == u'-')) ex.append(char(s[j++].unicode()));
        bool exDigits = false;
        while (j < n && s[j].isDigit() && s[j].unicode() < 128) {
            ex.append(char(s[j++].unicode()));
            exDigits = true;
        }
        if (exDigits) {
            num.append(ex);
            i = j;
        }
    }
    return finish(num.toDouble());
}

}  // namespace

QString FromAnsi(const QByteArray& bytes) {
    QString out;
    out.resize(bytes.size());
    QChar* d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) d[i] = QChar(ToUnicode(static_cast<unsigned char>(bytes[i])));
    return out;
}

QByteArray Ansi(const QString& text) {
    QByteArray out;
    out.resize(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) out[i] = FromUnicode(text[i].unicode());
    return out;
}

char AnsiUpper(char c) { return char(UpperByte(static_cast<unsigned char>(c))); }
char AnsiLower(char c) { return char(LowerByte(static_cast<unsigned char>(c))); }

QByteArray AnsiUpper(const QByteArray& s) {
    QByteArray out(s);
    for (char& c : out) c = AnsiUpper(c);
    return out;
}

QByteArray AnsiLower(const QByteArray& s) {
    QByteArray out(s);
    for (char& c : out) c = AnsiLower(c);
    return out;
}

int CompareBytes(const QByteArray& a, const QByteArray& b) {
    const qsizetype n = std::min(a.size(), b.size());
    const int r = n ? std::memcmp(a.constData(), b.constData(), size_t(n)) : 0;
    if (r != 0) return r < 0 ? -1 : 1;
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool EqualsNoCase(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (AnsiUpper(a[i]) != AnsiUpper(b[i])) return false;
    return true;
}

bool EqualsNoCase(const QString& a, const QString& b) { return EqualsNoCase(Ansi(a), Ansi(b)); }

int InStrNoCase(const QByteArray& hay, const QByteArray& needle, int start) {
    return InStrT(AnsiUpper(hay), AnsiUpper(needle), start);
}

QByteArray Fixed(const QByteArray& s, int width) {
    if (s.size() >= width) return s.left(width);
    QByteArray out(s);
    out.append(QByteArray(width - s.size(), ' '));
    return out;
}

QString Fixed(const QString& s, int width) {
    if (s.size() >= width) return s.left(width);
    return s + QString(width - s.size(), u' ');
}

QByteArray Trim(const QByteArray& s) { return TrimT(s, true, true); }
QByteArray RTrim(const QByteArray& s) { return TrimT(s, false, true); }
QByteArray LTrim(const QByteArray& s) { return TrimT(s, true, false); }
QString Trim(const QString& s) { return TrimT(s, true, true); }
QString RTrim(const QString& s) { return TrimT(s, false, true); }
QString LTrim(const QString& s) { return TrimT(s, true, false); }

QByteArray Left(const QByteArray& s, int n) { return s.left(std::max(n, 0)); }
QByteArray Right(const QByteArray& s, int n) { return s.right(std::max(n, 0)); }
QByteArray Mid(const QByteArray& s, int start, int n) { return MidT(s, start, n); }
QString Left(const QString& s, int n) { return s.left(std::max(n, 0)); }
QString Right(const QString& s, int n) { return s.right(std::max(n, 0)); }
QString Mid(const QString& s, int start, int n) { return MidT(s, start, n); }

int InStr(const QByteArray& hay, const QByteArray& needle, int start) { return InStrT(hay, needle, start); }
int InStr(const QString& hay, const QString& needle, int start) { return InStrT(hay, needle, start); }

bool ReplaceFirst(QByteArray& s, const QByteArray& what, const QByteArray& with) {
    const auto p = s.indexOf(what);
    if (p < 0 || what.isEmpty()) return false;
    s.replace(p, what.size(), with);
    return true;
}

bool ReplaceFirst(QString& s, const QString& what, const QString& with) {
    const auto p = s.indexOf(what);
    if (p < 0 || what.isEmpty()) return false;
    s.replace(p, what.size(), with);
    return true;
}

double Val(const QString& text) { return ValImpl(text, nullptr); }
double Val(const QByteArray& text) { return ValImpl(FromAnsi(text), nullptr); }

bool IsNumeric(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty()) return false;
    // Blanks inside a number ("1 2") are not a number here.
    if (t.contains(u' ')) return false;
    bool whole = false;
    ValImpl(t, &whole);
    return whole;
}

bool IsNumeric(const QByteArray& text) { return IsNumeric(FromAnsi(text)); }

qint16 ToInt16(double value) {
    const double r = std::nearbyint(value);  // default rounding mode: half to even
    if (!(r >= -32768.0 && r <= 32767.0)) throw VbError(err::Overflow, QStringLiteral("Overflow"));
    return qint16(r);
}

qint16 ClampInt16(double value, qint16 lo, qint16 hi) {
    if (std::isnan(value)) return lo;
    const double r = std::nearbyint(value);
    if (r < lo) return lo;
    if (r > hi) return hi;
    return qint16(r);
}

QString Str(qint64 n) { return n < 0 ? QString::number(n) : QLatin1Char(' ') + QString::number(n); }

QString Str(double n) {
    QString s = QString::number(n, 'g', 15);
    return n < 0 ? s : QLatin1Char(' ') + s;
}

QString Plain(qint64 n) { return QString::number(n); }

QString ZeroPad(qint64 n, int width) { return Right(QString(width, u'0') + QString::number(n), width); }

VbError::VbError(int number, const QString& description)
    : std::runtime_error(description.toStdString()), number_(number), description_(description) {}

QString CommonErrorText(const VbError& e, const QString& source) {
    return QStringLiteral("Error # ") + Str(qint64(e.number())) + QStringLiteral(" was generated by ") + source +
           QStringLiteral("\r\n") + e.description();
}

}  // namespace fennick

#include "statistics/NumberForms.h"

#include "data/Text.h"

#include <cmath>

namespace fennick {

namespace {

bool IsPlaceholder(QChar c) {
    return c == u'#' || c == u'0';
}

}  // namespace

double RoundHalfAway(double value) {
    // A ratio such as 29 / 200 is 0.14499999... in binary; at 15 digits it is the 0.145
    // that the division means, and its half rounds up.
    const double decimal = QByteArray::number(value, 'g', 15).toDouble();
    return std::round(decimal);
}

double RoundHalfEven(double value) {
    return std::nearbyint(value);  // the default rounding mode takes halves to even
}

QString Picture(double value, QStringView picture) {
    // The picture is literal text, placeholders, then literal text ("%" among it).
    qsizetype first = 0;
    while (first < picture.size() && !IsPlaceholder(picture[first])) ++first;
    qsizetype last = first;
    while (last < picture.size() && IsPlaceholder(picture[last])) ++last;
    const QStringView prefix = picture.left(first);
    const QStringView placeholders = picture.mid(first, last - first);
    const QStringView suffix = picture.mid(last);

    const double scaled = suffix.contains(u'%') ? value * 100.0 : value;
    const double r = RoundHalfAway(scaled);
    QString digits;
    if (r == 0) {
        if (placeholders.contains(u'0')) digits = QStringLiteral("0");
    } else {
        digits = QString::number(std::fabs(r), 'f', 0);
    }
    QString out;
    if (r < 0) out += u'-';
    out += prefix;
    out += digits;
    out += suffix;
    return out;
}

QString Picture(const QString& text, QStringView picture) {
    if (!IsNumeric(text)) return text;
    return Picture(Val(text), picture);
}

QString Ratio(qint64 part, qint64 whole, QStringView picture) {
    if (whole == 0) return QString();
    return Picture(double(part) / double(whole), picture);
}

QString BareNumber(qint64 n) {
    return Str(n) + u' ';
}

QString BareNumber(double value) {
    return Str(value) + u' ';
}

QString SignBlank(qint64 n) {
    return Str(n);
}

QString Digits(qint64 n) {
    return Plain(n);
}

}  // namespace fennick

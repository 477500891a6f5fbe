#include "data/SequentialText.h"

#include "data/Errors.h"
#include "data/FileUtil.h"
#include "data/Text.h"

#include <QFile>

namespace fennick {

SequentialTextReader SequentialTextReader::fromFile(const QString& path) {
    QFile f(path);
    if (!f.exists()) throw VbError(err::FileNotFound, QStringLiteral("File not found: ") + path);
    if (!f.open(QIODevice::ReadOnly))
        throw VbError(err::PermissionDenied, QStringLiteral("Permission denied: ") + path);
    return fromBytes(f.readAll());
}

SequentialTextReader SequentialTextReader::fromBytes(const QByteArray& bytes) {
    SequentialTextReader r;
    QByteArray b = bytes;
    // A Ctrl+Z at the end of an old file marks its end.
    const auto eof = b.indexOf('\x1A');
    if (eof >= 0) b.truncate(eof);
    qsizetype start = 0;
    while (start < b.size()) {
        auto nl = b.indexOf('\n', start);
        if (nl < 0) nl = b.size();
        QByteArray line = b.mid(start, nl - start);
        if (line.endsWith('\r')) line.chop(1);
        r.lines_.append(line);
        start = nl + 1;
    }
    return r;
}

QByteArray LineValue(const QByteArray& line) {
    QByteArray v = LTrim(line);
    while (v.startsWith('\t')) v = LTrim(v.mid(1));
    // A quoted value loses its outer pair of quotes only; quotes inside it stay. Blanks
    // after the closing quote are passed over.
    const QByteArray quoted = RTrim(v);
    if (quoted.size() >= 2 && quoted.startsWith('"') && quoted.endsWith('"')) return quoted.mid(1, quoted.size() - 2);
    return v;
}

QByteArray SequentialTextReader::readRawLine() {
    if (atEnd()) throw VbError(err::PastEndOfFile, QStringLiteral("Input past end of file"));
    return lines_[next_++];
}

QByteArray SequentialTextReader::readItemBytes() { return LineValue(readRawLine()); }

QString SequentialTextReader::readItem() { return FromAnsi(readItemBytes()); }

void SequentialTextWriter::text(const QString& value) { bytes(Ansi(value)); }

void SequentialTextWriter::bytes(const QByteArray& value) {
    data_.append(value);
    data_.append("\r\n");
}

void SequentialTextWriter::number(qint64 value) { text(Str(value) + u' '); }

void SequentialTextWriter::number(double value) { text(Str(value) + u' '); }

void SequentialTextWriter::flag(bool value) { text(value ? QStringLiteral("True") : QStringLiteral("False")); }

void SequentialTextWriter::save(const QString& path) const { WriteWholeFile(path, data_); }

}  // namespace fennick

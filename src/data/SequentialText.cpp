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
    // A Ctrl+Z as the very last byte is the end mark old editors wrote; anywhere else it is
    // a character of its line.
    const qsizetype size = bytes.endsWith('\x1A') ? bytes.size() - 1 : bytes.size();
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && bytes[end] != '\r' && bytes[end] != '\n') ++end;
        r.lines_.append(bytes.mid(start, end - start));
        // A line ends in CR LF, LF or a lone CR.
        if (end < size && bytes[end] == '\r' && end + 1 < size && bytes[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return r;
}

QByteArray LineValue(const QByteArray& line) {
    // Blanks and tabs before the value, in any mix, are passed over in one step.
    qsizetype start = 0;
    while (start < line.size() && (line[start] == ' ' || line[start] == '\t')) ++start;
    const QByteArray v = line.mid(start);
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

QByteArray SequentialTextReader::readItemBytes() {
    return LineValue(readRawLine());
}

QString SequentialTextReader::readItem() {
    return FromAnsi(readItemBytes());
}

void SequentialTextWriter::text(const QString& value) {
    bytes(Ansi(value));
}

void SequentialTextWriter::bytes(const QByteArray& value) {
    data_.append(value);
    data_.append("\r\n");
}

void SequentialTextWriter::number(qint64 value) {
    text(Str(value) + u' ');
}

void SequentialTextWriter::number(double value) {
    text(Str(value) + u' ');
}

void SequentialTextWriter::flag(bool value) {
    text(value ? QStringLiteral("True") : QStringLiteral("False"));
}

void SequentialTextWriter::save(Files& files, const QString& path) const {
    WriteWholeFile(files, path, data_);
}

}  // namespace fennick

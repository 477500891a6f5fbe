#pragma once
// Sequential text files of the crusade (settings, ini, member and zip files): one value
// per line, Windows-1252, CRLF line ends when written; CR LF, LF or a lone CR end a line
// when read, and a Ctrl+Z ends the file only as its last byte.
//
// Each line is read whole as one value: leading blanks are skipped and a line that begins
// and ends with a double quote loses that outer pair. A comma inside a value therefore
// stays part of it.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace fennick {

class Files;

class SequentialTextReader {
public:
    // Reads the whole file. Throws VbError 53 when it does not exist.
    static SequentialTextReader fromFile(const QString& path);
    static SequentialTextReader fromBytes(const QByteArray& bytes);

    bool atEnd() const { return next_ >= lines_.size(); }
    int lineCount() const { return int(lines_.size()); }
    // The next line as a value (decoded from Windows-1252). Throws VbError 62 at the end.
    QString readItem();
    // The next line as raw bytes, unchanged but for the line end. Throws VbError 62.
    QByteArray readRawLine();
    // The next line as a value, kept as bytes (side-file entries).
    QByteArray readItemBytes();

private:
    QList<QByteArray> lines_;
    qsizetype next_ = 0;
};

// The value of one line read whole: leading blanks and tabs skipped, the outer pair of
// quotes of a quoted value dropped.
QByteArray LineValue(const QByteArray& line);

class SequentialTextWriter {
public:
    // A text as it stands (Windows-1252).
    void text(const QString& value);
    void bytes(const QByteArray& value);
    // An integer in print form with a trailing blank: " 12 ", "-1 ".
    void number(qint64 value);
    void number(double value);
    // "True" or "False".
    void flag(bool value);

    const QByteArray& data() const { return data_; }
    // Replaces path as a whole (temporary file and rename).
    void save(Files& files, const QString& path) const;

private:
    QByteArray data_;
};

}  // namespace fennick

#pragma once
// The bytes of an export file, line by line: fields joined by a tab or a comma and each
// line ended by CR LF, Windows-1252 bytes as the records hold them, nothing quoted. Each
// field is cleaned as it is written, so that one name stays one line with all its fields:
// a line break (CR LF, CR or LF) becomes " - ", and a tab in a tab-separated file becomes a
// blank, a comma in a comma-separated file "-".

#include <QByteArray>
#include <QByteArrayView>

#include <cstring>

namespace fennick {

class ExportWriter {
public:
    enum class Separator : char { Tab = '\t', Comma = ',' };

    // sizeHint: the bytes the file is likely to need, reserved at once.
    explicit ExportWriter(Separator separator, qsizetype sizeHint = 0);

    // Writes the next field of the line, cleaned.
    ExportWriter& field(QByteArrayView text) {
        if (!lineStart_) *room(1) = separator_, ++used_;
        lineStart_ = false;
        write(text);
        return *this;
    }
    // Writes more of the current field, cleaned (a field made of several pieces).
    ExportWriter& more(QByteArrayView text) {
        write(text);
        return *this;
    }
    // Ends the line with CR LF; the next field begins a new line.
    void endLine() {
        char* w = room(2);
        w[0] = '\r';
        w[1] = '\n';
        used_ += 2;
        lineStart_ = true;
    }

    // The bytes written so far; the writer is empty afterwards.
    QByteArray take();

private:
    // Room for n more bytes at the end; returns where they go.
    char* room(qsizetype n) {
        if (used_ + n > buf_.size()) grow(used_ + n);
        return buf_.data() + used_;
    }
    void grow(qsizetype size);
    void write(QByteArrayView text);

    QByteArray buf_;
    qsizetype used_ = 0;
    char separator_;
    char replacement_;  // what a separator inside a field becomes
    bool lineStart_ = true;
};

// A text with its blanks removed from the right / from both ends, without a copy.
inline QByteArrayView RTrimmed(QByteArrayView text) {
    const char* p = text.data();
    qsizetype e = text.size();
    // Long fields (the notes) are mostly blank: eight bytes at a time while they are.
    constexpr quint64 kBlanks = 0x2020202020202020ULL;
    while (e >= 8) {
        quint64 word;
        std::memcpy(&word, p + e - 8, 8);
        if (word != kBlanks) break;
        e -= 8;
    }
    while (e > 0 && p[e - 1] == ' ') --e;
    return text.first(e);
}
inline QByteArrayView Trimmed(QByteArrayView text) {
    text = RTrimmed(text);
    qsizetype s = 0;
    while (s < text.size() && text[s] == ' ') ++s;
    return text.sliced(s);
}

// One field as a tab-separated / comma-separated file holds it.
QByteArray TabField(QByteArrayView text);
QByteArray CommaField(QByteArrayView text);

}  // namespace fennick

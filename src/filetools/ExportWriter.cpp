#include "filetools/ExportWriter.h"

#include <algorithm>
#include <cstring>

namespace fennick {

ExportWriter::ExportWriter(Separator separator, qsizetype sizeHint)
    : separator_(char(separator)), replacement_(separator == Separator::Tab ? ' ' : '-') {
    buf_.resize(std::max<qsizetype>(sizeHint, 256));
}

QByteArray ExportWriter::take() {
    buf_.truncate(used_);
    used_ = 0;
    lineStart_ = true;
    return std::exchange(buf_, QByteArray());
}

void ExportWriter::grow(qsizetype size) {
    buf_.resize(std::max(buf_.size() * 2, size));
}

void ExportWriter::write(QByteArrayView text) {
    const char* p = text.data();
    const qsizetype n = text.size();
    // A line break of one byte becomes three.
    char* const start = room(3 * n);
    char* w = start;
    for (qsizetype i = 0; i < n; ++i) {
        const char c = p[i];
        if (c == '\r' || c == '\n') {
            std::memcpy(w, " - ", 3);
            w += 3;
            if (c == '\r' && i + 1 < n && p[i + 1] == '\n') ++i;
        } else {
            *w++ = c == separator_ ? replacement_ : c;
        }
    }
    used_ += w - start;
}

QByteArray TabField(QByteArrayView text) {
    ExportWriter w(ExportWriter::Separator::Tab);
    w.field(text);
    return w.take();
}

QByteArray CommaField(QByteArrayView text) {
    ExportWriter w(ExportWriter::Separator::Comma);
    w.field(text);
    return w.take();
}

}  // namespace fennick

#include "platform/Printer.h"

#include <algorithm>
#include <utility>

namespace fennick {

QList<PrintedItem> PrintedDocument::page(int n) const {
    QList<PrintedItem> out;
    for (const PrintedItem& it : items)
        if (it.page == n) out.append(it);
    return out;
}

QString Printer::addText(const QString& text) {
    // A line that would run past the bottom of the page goes to the top of a new one.
    if (y_ + textHeight() > pageHeight() && y_ > 0) newPage();
    PrintedItem it;
    it.kind = PrintedItem::Kind::Text;
    it.page = page_;
    it.x = x_;
    it.y = y_;
    it.text = text.isEmpty() ? text : CutToWidth(*this, text, printableRight() - x_);
    it.font = font_;
    if (!it.text.isEmpty()) doc_.items.append(it);
    doc_.pageCount = std::max(doc_.pageCount, page_);
    return it.text;
}

QString Printer::cutAt(const QString& text, double right) const {
    // One blank stays free before the next column, so that no two fields touch; the
    // printable area's edge needs none.
    const double end = right < printableRight() ? right - textWidth(QStringLiteral(" ")) : printableRight();
    return CutToWidth(*this, text, end - x_);
}

void Printer::print(const QString& text) {
    addText(text);
    x_ = 0;
    y_ += textHeight();
}

void Printer::printOnLine(const QString& text) {
    x_ += textWidth(addText(text));
}

void Printer::line(double x1, double y1, double x2, double y2) {
    PrintedItem it;
    it.kind = PrintedItem::Kind::Line;
    it.page = page_;
    it.x = x1;
    it.y = y1;
    it.x2 = x2;
    it.y2 = y2;
    it.drawWidth = drawWidth_;
    it.font = font_;
    doc_.items.append(it);
    doc_.pageCount = std::max(doc_.pageCount, page_);
    x_ = x2;
    y_ = y2;
}

void Printer::newPage() {
    // The page left counts even when blank; the new one only once something is printed
    // on it, so a new page just before endDoc() adds no blank sheet.
    doc_.pageCount = std::max(doc_.pageCount, page_);
    ++page_;
    x_ = 0;
    y_ = 0;
}

void Printer::endDoc() {
    // The printer starts afresh before delivery, so a failing delivery leaves no half document.
    PrintedDocument finished = std::move(doc_);
    reset();
    if (finished.pageCount > 0 || !finished.items.isEmpty()) {
        finished.pageCount = std::max(finished.pageCount, 1);
        deliver(finished);
    }
}

void Printer::killDoc() { reset(); }

void Printer::reset() {
    doc_ = PrintedDocument();
    page_ = 1;
    x_ = 0;
    y_ = 0;
}

namespace {
double CharEm(QChar c) {
    switch (c.unicode()) {
    case ' ': case 'i': case 'j': case 'l': case 'I': case '.': case ',': case ':': case ';':
    case '\'': case '|': case '!':
        return 0.28;
    case 'f': case 't': case 'r':
        return 0.33;
    case 'm': case 'w':
        return 0.83;
    case 'M': case 'W':
        return 0.94;
    default:
        break;
    }
    if (c >= u'A' && c <= u'Z') return 0.67;
    if (c >= u'0' && c <= u'9') return 0.556;
    return 0.5;
}
constexpr double kCmPerPoint = 2.54 / 72.0;
}  // namespace

double TableTextWidth(const QString& text, const PrinterFont& font) {
    double em = 0;
    for (QChar c : text) em += CharEm(c);
    const double w = em * font.size * kCmPerPoint;
    return font.bold ? w * 1.05 : w;
}

double TableLineHeight(const PrinterFont& font) { return font.size * 1.15 * kCmPerPoint; }

QString CutToWidth(const Printer& printer, const QString& text, double width) {
    qsizetype visible = text.size();
    while (visible > 0 && text.at(visible - 1) == u' ') --visible;
    // A text exactly as wide as the room fits, whatever the rounding of the sums.
    width += 1e-9;
    if (printer.textWidth(text.left(visible)) <= width) return text;
    // The longest start that fits lies between fits (0 characters) and tooLong.
    qsizetype fits = 0;
    qsizetype tooLong = visible;
    while (tooLong - fits > 1) {
        const qsizetype mid = (fits + tooLong) / 2;
        (printer.textWidth(text.left(mid)) <= width ? fits : tooLong) = mid;
    }
    return text.left(fits);
}

double RecordingPrinter::textWidth(const QString& text) const { return TableTextWidth(text, font()); }

double RecordingPrinter::textHeight(const QString&) const { return TableLineHeight(font()); }

void RecordingPrinter::deliver(const PrintedDocument& doc) {
    documents_.append(doc);
    jobs_.append(job());
}

}  // namespace fennick

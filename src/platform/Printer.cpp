#include "platform/Printer.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace fennick {

namespace {
QString RightTrimmed(const QString& s) {
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == u' ') --n;
    return s.left(n);
}
}  // namespace

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

double Printer::columnEnd(double right) const {
    // One blank stays free before the next column, so that no two fields touch; the
    // printable area's edge needs none.
    return right < printableRight() ? right - textWidth(QStringLiteral(" ")) : printableRight();
}

QString Printer::cutAt(const QString& text, double right) const {
    return CutToWidth(*this, text, columnEnd(right) - x_);
}

double Printer::nextColumn(double column) const {
    return std::max(column, x_ + textWidth(QStringLiteral(" ")));
}

Printer::Fitted Printer::fitted(const QString& freeText, const QString& wholeText, double right) const {
    // Widths scale with the stretch, so they are measured once at the normal width.
    const double normal = StretchFactor(font_);
    const auto width = [this, normal](const QString& t) { return textWidth(t) / normal; };
    const double room = columnEnd(right) - x_ + 1e-9;
    const QString text = freeText + wholeText;
    const QString whole = RightTrimmed(wholeText);
    const double full = width(RightTrimmed(text));
    if (full <= room) return {100, text};
    const auto stretchFor = [](double room, double width) { return int(std::floor(100 * room / width)); };
    if (freeText.isEmpty() || stretchFor(room, full) >= kLegibleStretch)
        return {std::max(kNarrowestStretch, stretchFor(room, full)), text};
    // At the legible limit the free part gives way, up to all of it.
    const double legible = kLegibleStretch / 100.0;
    const double wholeWidth = width(whole);
    if (wholeWidth * legible > room) return {std::max(kNarrowestStretch, stretchFor(room, wholeWidth)), whole};
    const double freeRoom = room / legible - wholeWidth;
    qsizetype kept = RightTrimmed(freeText).size();
    while (kept > 0 && width(freeText.left(kept)) > freeRoom) --kept;
    return {kLegibleStretch, freeText.left(kept) + whole};
}

void Printer::printFitted(const Fitted& f) {
    const int stretch = font_.stretch;
    font_.stretch = f.stretch;
    x_ += textWidth(addText(f.text));
    font_.stretch = stretch;
}

void Printer::printOnLine(const QString& text, double right, Fit fit) {
    printFitted(fit == Fit::Whole ? fitted(QString(), text, right) : fitted(text, QString(), right));
}

void Printer::print(const QString& text, double right, Fit fit) {
    printOnLine(text, right, fit);
    print();
}

void Printer::printOnLine(const QString& freeText, const QString& wholeText, double right) {
    printFitted(fitted(freeText, wholeText, right));
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
    const double w = em * font.size * kCmPerPoint * StretchFactor(font);
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

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

double Printer::nextColumn(double column) const {
    return std::max(column, x_ + textWidth(QStringLiteral(" ")));
}

Printer::Fitted Printer::fitted(const QList<Part>& parts, double right) const {
    // Widths scale with the stretch, so they are measured once at the normal width.
    const double normal = StretchFactor(font_);
    const auto width = [this, normal](const QString& t) { return textWidth(t) / normal; };
    const auto joined = [&parts](const QList<qsizetype>& kept) {
        QString s;
        for (qsizetype i = 0; i < parts.size(); ++i) s += parts[i].text.left(kept.value(i, parts[i].text.size()));
        return s;
    };
    const double room = columnEnd(right) - x_ + 1e-9;
    const QString text = joined({});
    const double full = width(RightTrimmed(text));
    if (full <= room) return {100, text};
    const auto stretchFor = [](double room, double width) { return int(std::floor(100 * room / width)); };
    // How much of each part is kept: a free part without its trailing blanks, a whole one all.
    QList<qsizetype> kept;
    bool anyFree = false;
    for (const Part& part : parts) {
        const bool free = part.fit == Fit::Cut;
        kept << (free ? RightTrimmed(part.text).size() : part.text.size());
        anyFree = anyFree || (free && kept.back() > 0);
    }
    if (!anyFree || stretchFor(room, full) >= kLegibleStretch)
        return {std::max(kNarrowestStretch, stretchFor(room, full)), text};
    // At the legible limit the free parts give way, up to all of them.
    const double legibleRoom = room / (kLegibleStretch / 100.0);
    QList<qsizetype> none = kept;
    for (qsizetype i = 0; i < parts.size(); ++i)
        if (parts[i].fit == Fit::Cut) none[i] = 0;
    const QString whole = RightTrimmed(joined(none));
    const double wholeWidth = width(whole);
    if (wholeWidth > legibleRoom) return {std::max(kNarrowestStretch, stretchFor(room, wholeWidth)), whole};
    // The longest free part loses a character (and the blanks it then ends with) until the
    // whole text fits.
    QList<double> widths;
    for (qsizetype i = 0; i < parts.size(); ++i) widths << width(parts[i].text.left(kept[i]));
    QString fit = RightTrimmed(joined(kept));
    while (width(fit) > legibleRoom) {
        qsizetype longest = -1;
        for (qsizetype i = 0; i < parts.size(); ++i)
            if (parts[i].fit == Fit::Cut && kept[i] > 0 && (longest < 0 || widths[i] > widths[longest])) longest = i;
        if (longest < 0) break;
        const QString& t = parts[longest].text;
        qsizetype& k = kept[longest];
        --k;
        while (k > 0 && t.at(k - 1) == u' ') --k;
        widths[longest] = width(t.left(k));
        fit = RightTrimmed(joined(kept));
    }
    return {kLegibleStretch, fit};
}

void Printer::printFitted(const Fitted& f) {
    const int stretch = font_.stretch;
    font_.stretch = f.stretch;
    x_ += textWidth(addText(f.text));
    font_.stretch = stretch;
}

void Printer::printOnLine(const QString& text, double right, Fit fit) {
    printFitted(fitted({{text, fit}}, right));
}

void Printer::print(const QString& text, double right, Fit fit) {
    printOnLine(text, right, fit);
    print();
}

void Printer::printOnLine(const QString& freeText, const QString& wholeText, double right) {
    printFitted(fitted({{freeText, Fit::Cut}, {wholeText, Fit::Whole}}, right));
}

void Printer::printOnLine(const QList<Part>& parts, double right) {
    printFitted(fitted(parts, right));
}

void Printer::print(const QList<Part>& parts, double right) {
    printOnLine(parts, right);
    print();
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
        if (job_.toPdf && outputCheck_) outputCheck_(job_.pdfPath);
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

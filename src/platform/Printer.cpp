#include "platform/Printer.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace fennick {

namespace {
QString RightTrimmed(const QString& s) {
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1) == u' ') --n;
    return s.left(n);
}

// The longest start of text no wider than room as width measures it: text itself when it
// fits, or when all that does not fit is trailing blanks.
template <typename Width>
QString LongestStart(const Width& width, const QString& text, double room) {
    qsizetype visible = text.size();
    while (visible > 0 && text.at(visible - 1) == u' ') --visible;
    // A text exactly as wide as the room fits, whatever the rounding of the sums.
    room += 1e-9;
    if (width(text.left(visible)) <= room) return text;
    // The longest start that fits lies between fits (0 characters) and tooLong.
    qsizetype fits = 0;
    qsizetype tooLong = visible;
    while (tooLong - fits > 1) {
        const qsizetype mid = (fits + tooLong) / 2;
        (width(text.left(mid)) <= room ? fits : tooLong) = mid;
    }
    return text.left(fits);
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
    const auto width = [this](const QString& t) { return textWidth(t); };
    it.text = text.isEmpty() ? text : LongestStart(width, text, printableRight() - x_);
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

double Printer::normalWidth(const QString& text) const {
    return textWidth(text) / StretchFactor(font_);
}

Printer::Fitting Printer::fitting(const QList<Part>& parts, double x, double right) const {
    // Widths scale with the stretch, so they are measured once at the normal width.
    const auto width = [this](const QString& t) { return normalWidth(t); };
    const auto stretchFor = [](double room, double width) { return int(std::floor(100 * room / width)); };
    const auto joined = [&parts](const QList<qsizetype>& kept) {
        QString s;
        for (qsizetype i = 0; i < parts.size(); ++i) s += parts[i].text.left(kept[i]);
        return RightTrimmed(s);
    };
    QList<qsizetype> kept;
    for (const Part& part : parts) kept << part.text.size();
    const double room = columnEnd(right) - x + 1e-9;
    double full = width(joined(kept));
    // Blanks that end a free part before more text give way first, one at a time, from the
    // free part that ends in the most of them.
    while (full > room) {
        qsizetype most = -1;
        qsizetype mostBlanks = 0;
        bool textAfter = false;
        for (qsizetype i = parts.size() - 1; i >= 0; --i) {
            const QString t = parts[i].text.left(kept[i]);
            const qsizetype blanks = t.size() - RightTrimmed(t).size();
            if (textAfter && parts[i].fit == Fit::Cut && blanks > mostBlanks) {
                most = i;
                mostBlanks = blanks;
            }
            textAfter = textAfter || blanks < t.size();
        }
        if (most < 0) break;
        --kept[most];
        full = width(joined(kept));
    }
    // Nothing to print (a text of blanks only) fits wherever the line has come to.
    if (full <= room || full <= 0) return {100, kept};
    // From here on a free part is kept without its trailing blanks, a whole one all.
    bool anyFree = false;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (parts[i].fit != Fit::Cut) continue;
        kept[i] = RightTrimmed(parts[i].text).size();
        anyFree = anyFree || kept[i] > 0;
    }
    if (!anyFree || stretchFor(room, full) >= kLegibleStretch)
        return {std::max(kNarrowestStretch, stretchFor(room, full)), kept};
    // At the legible limit the free parts give way, up to all of them.
    const double legibleRoom = room / (kLegibleStretch / 100.0);
    QList<qsizetype> wholeOnly = kept;
    for (qsizetype i = 0; i < parts.size(); ++i)
        if (parts[i].fit == Fit::Cut) wholeOnly[i] = 0;
    const double wholeWidth = width(joined(wholeOnly));
    if (wholeWidth > legibleRoom) return {std::max(kNarrowestStretch, stretchFor(room, wholeWidth)), wholeOnly};
    // The longest free part loses a character (and the blanks it then ends with) until the
    // whole text fits.
    QList<double> widths;
    for (qsizetype i = 0; i < parts.size(); ++i) widths << width(parts[i].text.left(kept[i]));
    while (width(joined(kept)) > legibleRoom) {
        qsizetype longest = -1;
        for (qsizetype i = 0; i < parts.size(); ++i)
            if (parts[i].fit == Fit::Cut && kept[i] > 0 && (longest < 0 || widths[i] > widths[longest])) longest = i;
        if (longest < 0) break;
        const QString& t = parts[longest].text;
        qsizetype& k = kept[longest];
        --k;
        while (k > 0 && t.at(k - 1) == u' ') --k;
        widths[longest] = width(t.left(k));
    }
    return {kLegibleStretch, kept};
}

Printer::Fitted Printer::fitted(const QList<Part>& parts, const Fitting& f, double x, double right) const {
    QString text;
    for (qsizetype i = 0; i < parts.size(); ++i) text += parts[i].text.left(f.kept[i]);
    // The blanks the text ends with, as far as its column has room for them.
    const double room = columnEnd(right) - x + 1e-9;
    const double factor = f.stretch / 100.0;
    qsizetype n = RightTrimmed(text).size();
    while (n < text.size() && normalWidth(text.left(n + 1)) * factor <= room) ++n;
    text.truncate(n);
    return {f.stretch, text};
}

void Printer::printFitted(const Fitted& f) {
    const int stretch = font_.stretch;
    font_.stretch = f.stretch;
    x_ += textWidth(addText(f.text));
    font_.stretch = stretch;
}

namespace {

const QString kMark(QChar(0x2026));  // "…"

qsizetype CommonStart(const QString& a, const QString& b) {
    qsizetype n = 0;
    while (n < a.size() && n < b.size() && a.at(n) == b.at(n)) ++n;
    return n;
}

// visible cut to room as width measures it: its start, the mark, and its end from `from`
// on (nothing when from is its length). The end reaches back to the start of its word, and
// of the words before it, as long as what it so takes before `from` stays within four
// ninths of the room; it keeps at most two thirds of the room, marked again when cut, and
// the start has the rest. Names that share their first `from` characters so choose the
// same place for their ends, and differ within them.
template <typename Width>
QString Elided(const Width& width, const QString& visible, qsizetype from, double room) {
    room += 1e-9;
    const double markWidth = width(kMark);
    const double endRoom = (room - markWidth) * 2 / 3;
    qsizetype endFrom = from;
    if (from < visible.size()) {
        for (qsizetype word = from; word > 0;) {
            word = word >= 2 && visible.at(word - 1) == u' ' ? visible.lastIndexOf(u' ', word - 2) + 1
                                                             : visible.lastIndexOf(u' ', word - 1) + 1;
            if (width(visible.mid(word, from - word)) > endRoom * 2 / 3) break;
            endFrom = word;
        }
    }
    const QString rest = visible.mid(endFrom);
    QString end = LongestStart(width, rest, endRoom);
    if (end.size() < rest.size()) end = RightTrimmed(LongestStart(width, rest, endRoom - markWidth)) + kMark;
    const QString start = RightTrimmed(LongestStart(width, visible.left(endFrom), room - markWidth - width(end)));
    return start + kMark + end;
}

// text broken at blanks into at most maxLines lines no wider than room as width measures
// it; a line without a blank to end at is broken inside its word, after one character at
// least.
template <typename Width>
QStringList BrokenLines(const Width& width, const QString& text, double room, int maxLines) {
    QStringList lines;
    QString rest = text;
    while (!rest.isEmpty() && lines.size() < maxLines) {
        if (width(rest) <= room + 1e-9) {
            lines << rest;
            break;
        }
        const qsizetype fit = std::max<qsizetype>(1, LongestStart(width, rest, room).size());
        const qsizetype blank = rest.lastIndexOf(QLatin1Char(' '), fit);
        const qsizetype cut = blank > 0 ? blank : fit;
        lines << rest.left(cut);
        rest = rest.mid(cut);
        while (rest.startsWith(QLatin1Char(' '))) rest.remove(0, 1);
    }
    return lines;
}

}  // namespace

QList<Printer::Fitted> Printer::fitColumn(const QList<ColumnName>& names) const {
    const auto width = [this](const QString& t) { return normalWidth(t); };
    QList<Fitted> out;
    // Each name without its trailing blanks, and as it is printed.
    QStringList visible, printed;
    // Where the end kept after the mark begins, for a cut name; -1 for one printed whole.
    QList<qsizetype> endFrom;
    // The room of each name at the legible width, beside its tail.
    QList<double> rooms;
    for (const ColumnName& n : names) {
        const QList<Part> parts{{n.name, Fit::Cut}, {n.tail, Fit::Whole}};
        const Fitting f = fitting(parts, n.x, n.right);
        const QString v = RightTrimmed(n.name);
        const double room = (columnEnd(n.right) - n.x) / (kLegibleStretch / 100.0) - width(n.tail);
        visible << v;
        rooms << room;
        if (f.kept[0] >= v.size() || room < width(kMark)) {
            out << fitted(parts, f, n.x, n.right);
            printed << v.left(f.kept[0]);
            endFrom << -1;
        } else {
            printed << Elided(width, v, v.size(), room);
            out << Fitted{kLegibleStretch, printed.back() + n.tail};
            endFrom << v.size();
        }
    }
    const auto endAt = [&](qsizetype i, qsizetype from) {
        endFrom[i] = from;
        printed[i] = Elided(width, visible[i], from, rooms[i]);
        out[i].text = printed[i] + names[i].tail;
    };
    // Cut names that print alike keep their ends from where each parts from the others.
    const QStringList cut = printed;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (endFrom[i] < 0) continue;
        qsizetype parting = -1;
        for (qsizetype j = 0; j < names.size(); ++j)
            if (j != i && cut[j] == cut[i] && visible[j] != visible[i])
                parting = std::max(parting, CommonStart(visible[i], visible[j]));
        if (parting >= 0) endAt(i, parting);
    }
    // Two different names that still print alike both keep their ends from where these two
    // part. Each round moves an end's start back, so the rounds come to an end.
    for (bool changed = true; changed;) {
        changed = false;
        for (qsizetype i = 0; i < names.size(); ++i) {
            for (qsizetype j = i + 1; j < names.size(); ++j) {
                if (printed[i] != printed[j] || visible[i] == visible[j]) continue;
                const qsizetype parting = CommonStart(visible[i], visible[j]);
                for (const qsizetype k : {i, j}) {
                    if (endFrom[k] <= parting) continue;
                    endAt(k, parting);
                    changed = true;
                }
            }
        }
    }
    return out;
}

Printer::FittedLines Printer::fitLines(const QString& text, double width, int maxLines) const {
    const auto measure = [this](const QString& t) { return normalWidth(t); };
    const QStringList lines = BrokenLines(measure, text, width, maxLines + 1);
    if (lines.size() <= maxLines) return {100, lines};
    // Condensed, a line holds as much as a wider one does at the normal width.
    return {kLegibleStretch, BrokenLines(measure, text, width * 100 / kLegibleStretch, maxLines)};
}

void Printer::printOnLine(const QString& text, double right, Fit fit) {
    printOnLine({{text, fit}}, right);
}

void Printer::print(const QString& text, double right, Fit fit) {
    printOnLine(text, right, fit);
    print();
}

void Printer::printOnLine(const QString& freeText, const QString& wholeText, double right) {
    printOnLine({{freeText, Fit::Cut}, {wholeText, Fit::Whole}}, right);
}

void Printer::printOnLine(const QList<Part>& parts, double right) {
    printFitted(fitted(parts, fitting(parts, x_, right), x_, right));
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
    if (finished.pageCount == 0 && finished.items.isEmpty()) return;
    finished.pageCount = std::max(finished.pageCount, 1);
    if (!output_) return deliver(finished);
    output_->end(job_, [this, &finished] { deliver(finished); });
}

void Printer::bind(Output& output) {
    if (output_ && output_ != &output) throw std::logic_error("the printer belongs to another application object");
    output_ = &output;
}

void Printer::unbind(const Output& output) {
    if (output_ == &output) output_ = nullptr;
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

double RecordingPrinter::textWidth(const QString& text) const { return TableTextWidth(text, font()); }

double RecordingPrinter::textHeight(const QString&) const { return TableLineHeight(font()); }

void RecordingPrinter::deliver(const PrintedDocument& doc) {
    documents_.append(doc);
    jobs_.append(job());
}

}  // namespace fennick

#include "platform/Printer.h"

#include <algorithm>
#include <cmath>
#include <numeric>
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
    const auto width = [this](const QString& t) { return textWidth(t); };
    const QString printed = text.isEmpty() ? text : LongestStart(width, text, printableRight() - x_);
    placeText(printed);
    return printed;
}

void Printer::placeText(const QString& text) {
    // A line that would run past the bottom of what is printed goes to the top of a new
    // page, in its column.
    if (y_ + textHeight() > pageHeight() && y_ > kPrintableMarginCm) {
        const double x = x_;
        newPage();
        x_ = x;
        y_ = kPrintableMarginCm;
    }
    if (!text.isEmpty()) {
        PrintedItem it;
        it.kind = PrintedItem::Kind::Text;
        it.page = page_;
        it.x = x_;
        it.y = y_;
        it.text = text;
        it.font = font_;
        doc_.items.append(it);
    }
    doc_.pageCount = std::max(doc_.pageCount, page_);
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

namespace {

const QString kMark(QChar(0x2026));  // "…"

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// A piece [from, to) of a name that its cut keeps.
struct Span {
    qsizetype from = 0;
    qsizetype to = 0;
};

// The piece around at that a cut keeps whole: the number at falls in, else its character;
// with the blank before it where it begins a word, so that after the mark it reads as a
// word's beginning ("… 4", never the end of "14").
Span WholeAround(const QString& v, qsizetype at) {
    Span s{at, std::min(at + 1, v.size())};
    if (at < v.size() && IsDigit(v.at(at))) {
        while (s.from > 0 && IsDigit(v.at(s.from - 1))) --s.from;
        while (s.to < v.size() && IsDigit(v.at(s.to))) ++s.to;
    }
    if (s.from > 0 && v.at(s.from - 1) == u' ' && v.at(s.from) != u' ') --s.from;
    return s;
}

// Every number of v, each whole.
QList<Span> Numbers(const QString& v) {
    QList<Span> out;
    for (qsizetype i = 0; i < v.size(); ++i)
        if (IsDigit(v.at(i)) && (i == 0 || !IsDigit(v.at(i - 1)))) out << WholeAround(v, i);
    return out;
}

qsizetype CommonStart(const QString& a, const QString& b) {
    qsizetype n = 0;
    while (n < a.size() && n < b.size() && a.at(n) == b.at(n)) ++n;
    return n;
}

// What tells v apart from a name that shares its first `common` characters: where v ends
// there, its last character; else the character where the two part (a blank with the word
// after it), or the number it falls in.
Span Parting(const QString& v, qsizetype common) {
    if (common >= v.size()) return WholeAround(v, v.size() - 1);
    Span s = WholeAround(v, common);
    if (v.at(common) == u' ') {
        while (s.to < v.size() && v.at(s.to) == u' ') ++s.to;
        while (s.to < v.size() && v.at(s.to) != u' ') ++s.to;
    }
    return s;
}

// v (without trailing blanks) cut to room as width measures it: its start and the pieces
// of keep, in order, with the mark wherever text is left out, at the end too unless the
// last piece ends v. Pieces that do not all fit give way from the first on. Each piece
// then takes its whole word and, where the rest fits, the last one runs to v's end; a
// piece reaches back word by word over at most a third of the room. These leave the start
// a third of the room at least, and it has what is left. Names that share their first
// characters so keep them alike and differ in the pieces that part them.
template <typename Width>
QString Abbreviated(const Width& width, const QString& v, QList<Span> keep, double room) {
    room += 1e-9;
    if (width(v) <= room) return v;
    if (width(kMark) > room) return QString();
    const qsizetype n = v.size();
    const auto blanksOnly = [&v](qsizetype from, qsizetype to) {
        for (qsizetype i = from; i < to; ++i)
            if (v.at(i) != u' ') return false;
        return true;
    };
    // Pieces that touch, or stand apart by blanks only, join with no mark between them.
    const auto join = [&](QList<Span>& ps) {
        for (qsizetype i = 0; i + 1 < ps.size();) {
            if (ps[i].to >= ps[i + 1].from || blanksOnly(ps[i].to, ps[i + 1].from)) {
                ps[i].to = std::max(ps[i].to, ps[i + 1].to);
                ps.removeAt(i + 1);
            } else {
                ++i;
            }
        }
    };
    const auto text = [&](const QList<Span>& ps) {
        QString out;
        for (qsizetype i = 0; i < ps.size(); ++i) {
            const QString piece = v.mid(ps[i].from, ps[i].to - ps[i].from);
            const bool gap = ps[i].to < (i + 1 < ps.size() ? ps[i + 1].from : n);
            out += gap ? RightTrimmed(piece) + kMark : piece;
        }
        return out;
    };
    const auto fits = [&](const QList<Span>& ps) { return width(text(ps)) <= room; };
    // The start, then the pieces kept.
    std::sort(keep.begin(), keep.end(), [](const Span& a, const Span& b) { return a.from < b.from; });
    QList<Span> pieces{{0, 0}};
    pieces << keep;
    join(pieces);
    while (pieces.size() > 1 && !fits(pieces)) pieces.removeAt(1);
    if (!fits(pieces)) pieces = {{0, 0}};
    // A piece grows where the start keeps its third of the room, or all it has before it.
    const auto grows = [&](QList<Span> ps) {
        join(ps);
        double reserve = 0;
        if (ps.size() > 1) {
            const double wanted = std::min(room / 3, width(RightTrimmed(v.left(ps[1].from))));
            reserve = std::max(0.0, wanted - width(RightTrimmed(v.left(ps[0].to))));
        }
        if (width(text(ps)) + reserve > room) return false;
        pieces = ps;
        return true;
    };
    for (qsizetype i = 1; i < pieces.size(); ++i) {
        QList<Span> ps = pieces;
        if (v.at(ps[i].from) != u' ')
            while (ps[i].from > 0 && v.at(ps[i].from - 1) != u' ') --ps[i].from;
        while (ps[i].to < n && v.at(ps[i].to) != u' ') ++ps[i].to;
        grows(ps);
    }
    if (pieces.size() > 1) {
        QList<Span> ps = pieces;
        ps.back().to = n;
        grows(ps);
    }
    for (qsizetype i = 1; i < pieces.size(); ++i) {
        double taken = 0;
        while (i < pieces.size() && pieces[i].from > pieces[i - 1].to) {
            qsizetype word = pieces[i].from;
            while (word > 0 && v.at(word - 1) == u' ') --word;
            while (word > 0 && v.at(word - 1) != u' ') --word;
            const double more = width(v.mid(word, pieces[i].from - word));
            QList<Span> ps = pieces;
            ps[i].from = word;
            if (taken + more > room / 3 || !grows(ps)) break;
            taken += more;
        }
    }
    // The start has what is left: all of the text before the first piece, or as much as
    // leaves room for the mark after it.
    const qsizetype limit = pieces.size() > 1 ? pieces[1].from : n;
    const auto startTo = [&](qsizetype to) {
        QList<Span> ps = pieces;
        ps[0].to = std::max(ps[0].to, to);
        join(ps);
        return ps;
    };
    if (fits(startTo(limit))) return text(startTo(limit));
    qsizetype longest = pieces[0].to;
    for (qsizetype tooLong = limit; tooLong - longest > 1;) {
        const qsizetype mid = (longest + tooLong) / 2;
        (fits(startTo(mid)) ? longest : tooLong) = mid;
    }
    return text(startTo(longest));
}

// Whether a cut text can be read as name: the text before its first mark starts name, and
// each piece after a mark stands in name further on, past at least one character left out;
// the last piece ends name unless a mark follows it, which leaves something of name out.
bool ReadsAs(const QString& cut, const QString& name) {
    const QStringList pieces = cut.split(kMark);
    if (pieces.size() < 2) return cut == name;
    if (!name.startsWith(pieces.front())) return false;
    qsizetype at = pieces.front().size();
    for (qsizetype i = 1; i < pieces.size(); ++i) {
        const QString& piece = pieces[i];
        const bool last = i + 1 == pieces.size();
        if (last && piece.isEmpty()) return at < name.size();
        const qsizetype found = last ? name.size() - piece.size() : name.indexOf(piece, at + 1);
        if (found < at + 1 || !name.mid(found).startsWith(piece)) return false;
        at = found + piece.size();
    }
    return true;
}

}  // namespace

Printer::Layout Printer::layout(const QList<Part>& parts, double x, double right) const {
    // Widths scale with the stretch, so they are measured at the normal width.
    const auto width = [this](const QString& t) { return normalWidth(t); };
    const double blank = textWidth(QStringLiteral(" "));
    const double normalBlank = blank / StretchFactor(font_);
    const double room = (right < printableRight() ? right - blank : printableRight()) - x + 1e-9;
    const auto stretchFor = [](double room, double width) { return int(std::floor(100 * room / width)); };
    // The text at a stretch, with the blanks it ends with as far as its column has room for
    // them; visible is its width without them.
    const auto withBlanks = [&](const QString& text, double visible, int stretch) {
        const qsizetype trimmed = RightTrimmed(text).size();
        const double factor = stretch / 100.0;
        const double spare = room / factor - visible;
        const qsizetype blanks =
            spare < 0 ? 0 : std::min(text.size() - trimmed, qsizetype(std::floor(spare / normalBlank + 1e-9)));
        return Fitted{stretch, text.left(trimmed + blanks), (visible + double(blanks) * normalBlank) * factor};
    };
    QString text = parts.size() == 1 ? parts.front().text : QString();
    if (parts.size() > 1)
        for (const Part& part : parts) text += part.text;
    double full = width(RightTrimmed(text));
    // Nothing to print (a text of blanks only) fits wherever the line has come to.
    if (full <= room || full <= 0) return {withBlanks(text, full, 100)};
    QList<QString> texts;
    for (const Part& part : parts) texts << part.text;
    const auto joined = [&texts] {
        QString s;
        for (const QString& t : texts) s += t;
        return s;
    };
    // Blanks that end a free part before more text give way first, one at a time, from the
    // free part that ends in the most of them.
    for (bool more = true; more && full > room;) {
        qsizetype most = -1;
        qsizetype mostBlanks = 0;
        bool textAfter = false;
        for (qsizetype i = parts.size() - 1; i >= 0; --i) {
            const qsizetype blanks = texts[i].size() - RightTrimmed(texts[i]).size();
            if (textAfter && parts[i].fit != Fit::Whole && blanks > mostBlanks) {
                most = i;
                mostBlanks = blanks;
            }
            textAfter = textAfter || blanks < texts[i].size();
        }
        more = most >= 0;
        if (more) {
            texts[most].chop(1);
            full -= normalBlank;
        }
    }
    text = joined();
    full = width(RightTrimmed(text));
    if (full <= room) return {withBlanks(text, full, 100)};
    // From here on a free part is kept without its trailing blanks, a whole one all.
    QList<qsizetype> free;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (parts[i].fit == Fit::Whole) continue;
        texts[i] = RightTrimmed(parts[i].text);
        if (!texts[i].isEmpty()) free << i;
    }
    text = joined();
    full = width(RightTrimmed(text));
    if (free.isEmpty() || stretchFor(room, full) >= kLegibleStretch) {
        const int stretch = std::max(kNarrowestStretch, stretchFor(room, full));
        return {withBlanks(text, full, stretch)};
    }
    // At the legible limit the free parts give way, up to all of them.
    const double legibleRoom = room / (kLegibleStretch / 100.0);
    const QList<QString> freeTexts = texts;
    for (const qsizetype i : free) texts[i].clear();
    const QString whole = joined();
    const double wholeWidth = width(RightTrimmed(whole));
    if (wholeWidth > legibleRoom) {
        const int stretch = std::max(kNarrowestStretch, stretchFor(room, wholeWidth));
        return {withBlanks(whole, wholeWidth, stretch), free.contains(0), 0};
    }
    // The longest free parts are cut to one width, the room the others leave them, and
    // narrower once more where the whole still runs long.
    QList<double> widths;
    for (const qsizetype i : free) widths << width(freeTexts[i]);
    QList<double> sorted = widths;
    std::sort(sorted.begin(), sorted.end());
    double level = legibleRoom - wholeWidth;
    for (qsizetype k = 0; k < sorted.size(); ++k) {
        const double share = (legibleRoom - wholeWidth - std::accumulate(sorted.begin(), sorted.begin() + k, 0.0)) /
                             double(sorted.size() - k);
        if (share <= sorted[k]) {
            level = share;
            break;
        }
    }
    QList<double> budgets(free.size(), level);
    const auto cutTo = [&](qsizetype k) {
        const qsizetype i = free[k];
        const Part& part = parts[i];
        if (widths[k] <= budgets[k] + 1e-9) {
            texts[i] = freeTexts[i];
        } else if (part.fit == Fit::Cut) {
            texts[i] = Abbreviated(width, freeTexts[i], {}, budgets[k]);
        } else {
            QStringList kind;
            for (const QString& name : part.kind) kind << RightTrimmed(name);
            texts[i] = cutApart(freeTexts[i], kind, budgets[k]);
        }
    };
    const auto measure = [&] {
        text = joined();
        full = width(RightTrimmed(text));
        return full <= legibleRoom;
    };
    for (int round = 0;; ++round) {
        for (qsizetype k = 0; k < free.size(); ++k) cutTo(k);
        if (measure() || round == 20) break;
        for (double& b : budgets) b *= 0.97;
    }
    // What the cuts leave over goes back, the narrowest part cut first: enough to print it
    // whole, or what there is.
    QList<qsizetype> order;
    for (qsizetype k = 0; k < free.size(); ++k) order << k;
    std::sort(order.begin(), order.end(), [&widths](qsizetype a, qsizetype b) { return widths[a] < widths[b]; });
    const auto widen = [&](qsizetype k, double budget) {
        const double before = budgets[k];
        budgets[k] = budget;
        cutTo(k);
        if (measure()) return;
        budgets[k] = before;
        cutTo(k);
        measure();
    };
    for (const qsizetype k : order) {
        if (widths[k] <= budgets[k] + 1e-9) continue;
        widen(k, widths[k]);
        if (widths[k] > budgets[k] + 1e-9) widen(k, width(texts[free[k]]) + legibleRoom - full);
    }
    const bool firstCut = free.contains(0) && widths[0] > budgets[0] + 1e-9;
    return {withBlanks(text, full, kLegibleStretch), firstCut, free.contains(0) ? budgets[0] : 0};
}

QString Printer::cutApart(const QString& name, const QStringList& others, double room) const {
    const auto width = [this](const QString& t) { return normalWidth(t); };
    QList<Span> keep = Numbers(name);
    QString printed = Abbreviated(width, name, keep, room);
    if (name.isEmpty()) return printed;
    // Where it can be read as another name it keeps the piece where the two part, the name
    // most alike first (its piece often tells the others apart too), till it can be read
    // so no more or has no piece to add. Pieces are only added, so the rounds end.
    QList<std::pair<qsizetype, QString>> alike;  // what each other name shares, and it
    for (const QString& other : others)
        if (other != name) alike.append({CommonStart(name, other), other});
    std::sort(alike.begin(), alike.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (bool changed = true; changed;) {
        changed = false;
        for (const auto& [common, other] : alike) {
            if (!ReadsAs(printed, other)) continue;
            const Span part = Parting(name, common);
            const bool held = std::any_of(keep.begin(), keep.end(), [&part](const Span& s) {
                return s.from <= part.from && s.to >= part.to;
            });
            if (held) continue;
            keep << part;
            printed = Abbreviated(width, name, keep, room);
            changed = true;
        }
    }
    return printed;
}

void Printer::printFitted(const Fitted& f) {
    const int stretch = font_.stretch;
    font_.stretch = f.stretch;
    // A text known to end within the printable area is put there as it is.
    if (f.width >= 0 && x_ + f.width <= printableRight() + 1e-9) {
        placeText(f.text);
        x_ += f.width;
    } else {
        x_ += textWidth(addText(f.text));
    }
    font_.stretch = stretch;
}

namespace {

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
    QList<Fitted> out;
    QStringList visible;
    QList<double> rooms;
    QList<bool> cut;
    for (const ColumnName& n : names) {
        const Layout l = layout({{n.name, Fit::Name}, {n.tail, Fit::Whole}}, n.x, n.right);
        out << l.fitted;
        visible << RightTrimmed(n.name);
        rooms << l.firstRoom;
        cut << (l.firstCut && l.firstRoom > 0);
    }
    for (qsizetype i = 0; i < names.size(); ++i)
        if (cut[i]) out[i] = {kLegibleStretch, cutApart(visible[i], visible, rooms[i]) + names[i].tail};
    return out;
}

Printer::FittedLines Printer::fitLines(const QString& text, double width, int maxLines) const {
    const auto measure = [this](const QString& t) { return normalWidth(t); };
    const QStringList lines = BrokenLines(measure, text, width, maxLines + 1);
    if (lines.size() <= maxLines) return {100, lines};
    // Condensed, a line holds as much as a wider one does at the normal width; what the
    // lines leave out is marked at the end of the last.
    const double room = width * 100 / kLegibleStretch;
    QStringList condensed = BrokenLines(measure, text, room, maxLines + 1);
    if (condensed.size() > maxLines) {
        condensed.resize(maxLines);
        const QString last = condensed.back() + kMark;
        condensed.back() = measure(last) <= room + 1e-9 ? last : Abbreviated(measure, last, {}, room);
    }
    return {kLegibleStretch, condensed};
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
    printFitted(layout(parts, x_, right).fitted);
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

#include "statistics/NameColumn.h"

#include "data/Text.h"

#include <algorithm>
#include <cmath>

namespace fennick {

namespace {

const QString kMark(QChar(0x2026));  // "…"

qsizetype CommonStart(const QString& a, const QString& b) {
    qsizetype n = 0;
    while (n < a.size() && n < b.size() && a.at(n) == b.at(n)) ++n;
    return n;
}

// Measures in the printer's font (at its normal width: the names are fitted before any is
// printed condensed) within room.
class Column {
public:
    Column(const Printer& out, double room) : out_(out), room_(room + 1e-9) {}

    double width(const QString& text) const { return out_.textWidth(text); }

    // visible as its start, the mark, and its end from `from` on (nothing when from is its
    // length). The end reaches back to the start of its word, and of the words before it,
    // as long as what it so takes before `from` stays within four ninths of the room; it keeps
    // at most two thirds of the room, marked again when cut, and the start has the rest.
    // Names that share their first `from` characters so choose the same place for their
    // ends, and differ within them.
    QString elided(const QString& visible, qsizetype from) const {
        const double markWidth = width(kMark);
        const double endRoom = (room_ - markWidth) * 2 / 3;
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
        QString end = CutToWidth(out_, rest, endRoom);
        if (end.size() < rest.size()) end = RTrim(CutToWidth(out_, rest, endRoom - markWidth)) + kMark;
        const QString start = RTrim(CutToWidth(out_, visible.left(endFrom), room_ - markWidth - width(end)));
        return start + kMark + end;
    }

private:
    const Printer& out_;
    double room_;
};

}  // namespace

QList<FittedName> FitNameColumn(const Printer& out, const QStringList& names, double room) {
    const double legible = Printer::kLegibleStretch / 100.0;
    const Column normal(out, room);
    const Column condensed(out, room / legible);
    QList<FittedName> fitted;
    QStringList visible;
    // Where the end kept after the mark begins, for a cut name; -1 for a whole one.
    QList<qsizetype> endFrom;
    for (const QString& name : names) {
        const QString v = RTrim(name);
        const double width = normal.width(v);
        visible << v;
        if (width <= room + 1e-9) {
            fitted.append({100, name});
            endFrom << -1;
        } else if (width * legible <= room + 1e-9) {
            fitted.append({std::max(Printer::kLegibleStretch, int(std::floor(100 * room / width))), name});
            endFrom << -1;
        } else {
            fitted.append({Printer::kLegibleStretch, condensed.elided(v, v.size())});
            endFrom << v.size();
        }
    }
    // Cut names that print alike keep their ends from where each parts from the others.
    const QList<FittedName> cut = fitted;
    for (qsizetype i = 0; i < fitted.size(); ++i) {
        qsizetype parting = -1;
        for (qsizetype j = 0; j < fitted.size(); ++j)
            if (j != i && endFrom[i] >= 0 && cut[j].text == cut[i].text && visible[j] != visible[i])
                parting = std::max(parting, CommonStart(visible[i], visible[j]));
        if (parting < 0) continue;
        endFrom[i] = parting;
        fitted[i].text = condensed.elided(visible[i], parting);
    }
    // Two different names that still print alike both keep their ends from where these two
    // part. Each round moves an end's start back, so the rounds come to an end.
    for (bool changed = true; changed;) {
        changed = false;
        for (qsizetype i = 0; i < fitted.size(); ++i) {
            for (qsizetype j = i + 1; j < fitted.size(); ++j) {
                if (fitted[i].text != fitted[j].text || visible[i] == visible[j]) continue;
                const qsizetype parting = CommonStart(visible[i], visible[j]);
                for (const qsizetype k : {i, j}) {
                    if (endFrom[k] <= parting) continue;
                    endFrom[k] = parting;
                    fitted[k].text = condensed.elided(visible[k], parting);
                    changed = true;
                }
            }
        }
    }
    return fitted;
}

void PrintFittedName(Printer& out, const FittedName& name) {
    PrinterFont font = out.font();
    const int stretch = font.stretch;
    font.stretch = name.stretch;
    out.setFont(font);
    out.printOnLine(name.text);
    font.stretch = stretch;
    out.setFont(font);
}

}  // namespace fennick

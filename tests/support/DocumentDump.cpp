#include "DocumentDump.h"

#include "data/Text.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <functional>

namespace fennick::test {

namespace {

QString Cm(double v) {
    return QString::number(v, 'f', 2);
}

QString ItemLine(const PrintedItem& it) {
    if (it.kind == PrintedItem::Kind::Line)
        return QStringLiteral("rule  %1 %2 - %3 %4  width %5")
            .arg(Cm(it.x), Cm(it.y), Cm(it.x2), Cm(it.y2))
            .arg(it.drawWidth);
    QString font = it.font.face + QLatin1Char(' ') + QString::number(it.font.size);
    if (it.font.bold) font += QStringLiteral(" bold");
    if (it.font.underline) font += QStringLiteral(" underline");
    if (it.font.italic) font += QStringLiteral(" italic");
    if (it.font.stretch != 100) font += QStringLiteral(" stretch %1").arg(it.font.stretch);
    return QStringLiteral("text  %1 %2  %3  |%4|").arg(Cm(it.x), Cm(it.y), font, it.text);
}

}  // namespace

QString DumpDocument(const PrintedDocument& doc, const PrinterChoice& job) {
    const int first = std::max(1, job.fromPage);
    const int last = std::min(doc.pageCount, job.toPage);
    const int copies = std::max(1, job.copies);
    QStringList out;
    for (int c = 1; c <= copies; ++c) {
        for (int p = first; p <= last; ++p) {
            out << (copies > 1 ? QStringLiteral("copy %1 page %2").arg(c).arg(p) : QStringLiteral("page %1").arg(p));
            for (const PrintedItem& it : doc.items)
                if (it.page == p) out << ItemLine(it);
        }
    }
    return out.join(QLatin1Char('\n')) + (out.isEmpty() ? QString() : QStringLiteral("\n"));
}

QString DumpDocuments(const RecordingPrinter& printer) {
    QString out;
    for (qsizetype i = 0; i < printer.documents().size(); ++i) {
        const PrintedDocument& doc = printer.documents()[i];
        const PrinterChoice job = i < printer.jobs().size() ? printer.jobs()[i] : PrinterChoice();
        out += QStringLiteral("document %1: pages %2-%3 of %4, %5 copies\n")
                   .arg(i + 1)
                   .arg(job.fromPage)
                   .arg(job.toPage)
                   .arg(doc.pageCount)
                   .arg(job.copies);
        out += DumpDocument(doc, job);
    }
    return out;
}

QStringList Overruns(const PrintedDocument& doc, Printer& measure) {
    struct Box {
        const PrintedItem* item;
        double right;   // where its visible text ends
        double bottom;  // the upper part of its line, where the letters stand
    };
    QList<Box> boxes;
    for (const PrintedItem& it : doc.items) {
        if (it.kind != PrintedItem::Kind::Text) continue;
        QString visible = it.text;
        while (visible.endsWith(QLatin1Char(' '))) visible.chop(1);
        if (visible.isEmpty()) continue;
        measure.setFont(it.font);
        boxes.append({&it, it.x + measure.textWidth(visible), it.y + 0.7 * measure.textHeight()});
    }
    constexpr double kSlack = 1e-6;
    QStringList out;
    for (const Box& a : boxes) {
        const PrintedItem& ai = *a.item;
        const QString where = QStringLiteral("page %1 at %2 %3: |%4|").arg(ai.page).arg(Cm(ai.x), Cm(ai.y), ai.text);
        if (a.right > Printer::kPrintableRightCm + kSlack)
            out << where + QStringLiteral(" ends at ") + Cm(a.right) + QStringLiteral(", past the printable area");
        for (const Box& b : boxes) {
            const PrintedItem& bi = *b.item;
            if (bi.page != ai.page || bi.x <= ai.x || bi.x >= a.right - kSlack) continue;
            if (ai.y < b.bottom && bi.y < a.bottom)
                out << where + QStringLiteral(" runs into |") + bi.text + QStringLiteral("| at ") + Cm(bi.x);
        }
    }
    return out;
}

QStringList OverlappingLines(const PrintedDocument& doc, Printer& measure) {
    QList<const PrintedItem*> texts;
    for (const PrintedItem& it : doc.items)
        if (it.kind == PrintedItem::Kind::Text && !RTrim(it.text).isEmpty()) texts << &it;
    const auto right = [&measure](const PrintedItem& it) {
        measure.setFont(it.font);
        return it.x + measure.textWidth(RTrim(it.text)) - 1e-6;
    };
    QStringList out;
    for (const PrintedItem* a : texts) {
        measure.setFont(a->font);
        const double bottom = a->y + measure.textHeight() - 1e-6;
        for (const PrintedItem* b : texts)
            if (b->page == a->page && b->y > a->y && b->y < bottom && b->x < right(*a) && a->x < right(*b))
                out << QStringLiteral("page %1 at %2 %3: |%4| runs into |%5| at %6 %7")
                           .arg(a->page)
                           .arg(Cm(a->x), Cm(a->y), a->text, b->text, Cm(b->x), Cm(b->y));
    }
    return out;
}

::testing::AssertionResult StaysInItsColumns(const RecordingPrinter& printer, Printer& measure) {
    if (printer.documents().isEmpty()) return ::testing::AssertionFailure() << "nothing printed";
    QStringList out;
    for (const PrintedDocument& doc : printer.documents()) out << Overruns(doc, measure);
    if (out.isEmpty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << out.join(QLatin1Char('\n')).toStdString();
}

::testing::AssertionResult PrintsWhole(const RecordingPrinter& printer, const QStringList& texts) {
    QStringList missing;
    for (const QString& text : texts) {
        bool found = false;
        for (const PrintedDocument& doc : printer.documents())
            for (const PrintedItem& it : doc.items) found = found || it.text.contains(text);
        if (!found) missing << text;
    }
    if (printer.documents().isEmpty()) return ::testing::AssertionFailure() << "nothing printed";
    if (missing.isEmpty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "not printed whole: |" << missing.join(QStringLiteral("|, |")).toStdString()
                                         << "|";
}

bool CanBeCutOf(const QString& cut, const QString& name) {
    const QStringList pieces = cut.split(QChar(0x2026));
    if (pieces.size() == 1) return cut == name;
    // Piece `piece` and the ones after it, found in name past `at`.
    std::function<bool(qsizetype, qsizetype)> from = [&](qsizetype piece, qsizetype at) {
        const QString& p = pieces[piece];
        const bool last = piece + 1 == pieces.size();
        if (last && p.isEmpty()) return at < name.size();
        for (qsizetype found = name.indexOf(p, at + 1); found >= 0; found = name.indexOf(p, found + 1)) {
            const qsizetype end = found + p.size();
            if (last ? end == name.size() : from(piece + 1, end)) return true;
        }
        return false;
    };
    return name.startsWith(pieces.front()) && from(1, pieces.front().size());
}

::testing::AssertionResult MatchesGolden(const QString& actual, const QString& goldenPath) {
    QFile golden(goldenPath);
    QString expected;
    const bool found = golden.open(QIODevice::ReadOnly);
    if (found) expected = QString::fromUtf8(golden.readAll());
    if (found && expected == actual) {
        QFile::remove(goldenPath + QStringLiteral(".actual"));
        return ::testing::AssertionSuccess();
    }
    QFile out(goldenPath + QStringLiteral(".actual"));
    if (out.open(QIODevice::WriteOnly | QIODevice::Truncate)) out.write(actual.toUtf8());
    if (!found) return ::testing::AssertionFailure() << "no golden file " << goldenPath.toStdString();
    const QStringList a = actual.split(QLatin1Char('\n'));
    const QStringList e = expected.split(QLatin1Char('\n'));
    qsizetype line = 0;
    while (line < a.size() && line < e.size() && a[line] == e[line]) ++line;
    return ::testing::AssertionFailure() << goldenPath.toStdString() << " differs at line " << (line + 1)
                                         << "\n  expected: " << (line < e.size() ? e[line].toStdString() : "<end>")
                                         << "\n  actual:   " << (line < a.size() ? a[line].toStdString() : "<end>")
                                         << "\n  actual text written to " << goldenPath.toStdString() << ".actual";
}

}  // namespace fennick::test

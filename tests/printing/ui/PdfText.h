#pragma once
// Reading back a printed PDF file: its page count (pdfinfo) and the text of one page
// (pdftotext), for the smoke tests that print reports through the Qt printer.

#include "platform/Printer.h"

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace fennick::test {

inline QString RunTool(const QString& program, const QStringList& args) {
    QProcess proc;
    proc.start(program, args);
    EXPECT_TRUE(proc.waitForFinished(30000)) << program.toStdString() << " did not finish";
    return QString::fromUtf8(proc.readAllStandardOutput());
}

inline int PdfPages(const QString& path) {
    const auto m = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
                       .match(RunTool(QStringLiteral("pdfinfo"), {path}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The text of one page, with runs of blanks made single.
inline QString PdfPageText(const QString& path, int page) {
    const QString p = QString::number(page);
    QString text = RunTool(QStringLiteral("pdftotext"),
                           {QStringLiteral("-f"), p, QStringLiteral("-l"), p, path, QStringLiteral("-")});
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
}

// Success when the PDF file has pages and no word ends past the printable area's right
// edge; else each such word as "page N: word ends at X cm", from pdftotext's word boxes
// (in points).
inline ::testing::AssertionResult StaysInThePrintableArea(const QString& path) {
    if (PdfPages(path) < 1) return ::testing::AssertionFailure() << "no pages in " << path.toStdString();
    static const QRegularExpression word(QStringLiteral("<word [^>]*xMax=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
    QStringList past;
    int page = 0;
    const QString html = RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    for (const QString& line : html.split(QLatin1Char('\n'))) {
        if (line.contains(QLatin1String("<page "))) ++page;
        const QRegularExpressionMatch m = word.match(line);
        const double right = m.captured(1).toDouble() * 2.54 / 72.0;
        // A hundredth of a centimetre for the rounding of the boxes.
        if (m.hasMatch() && right > Printer::kPrintableRightCm + 0.01)
            past << QStringLiteral("page %1: %2 ends at %3 cm").arg(page).arg(m.captured(2)).arg(right, 0, 'f', 2);
    }
    if (past.isEmpty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << past.join(QLatin1Char('\n')).toStdString();
}

}  // namespace fennick::test

#pragma once
// Reading back a printed PDF file: its page count (pdfinfo) and the text of one page
// (pdftotext), for the smoke tests that print reports through the Qt printer.

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

}  // namespace fennick::test

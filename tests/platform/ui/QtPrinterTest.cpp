// The Qt printer: real font metrics and documents painted to PDF files.

#include "data/Errors.h"
#include "data/ReportFonts.h"
#include "platform/ui/QtPrinter.h"
#include "FileSizeLimit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace fennick {
namespace {

constexpr double kCmPerPoint = 2.54 / 72.0;

// What pdfinfo says about a PDF file: its page count and page size.
struct PdfInfo {
    int pages = -1;
    QString pageSize;
};

PdfInfo ReadPdfInfo(const QString& path) {
    QProcess proc;
    proc.start(QStringLiteral("pdfinfo"), {path});
    EXPECT_TRUE(proc.waitForFinished(20000)) << "pdfinfo did not finish";
    const QString out = QString::fromUtf8(proc.readAllStandardOutput());
    PdfInfo info;
    const auto pages =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption).match(out);
    if (pages.hasMatch()) info.pages = pages.captured(1).toInt();
    const auto size =
        QRegularExpression(QStringLiteral("^Page size:\\s+(.*)$"), QRegularExpression::MultilineOption).match(out);
    if (size.hasMatch()) info.pageSize = size.captured(1).trimmed();
    return info;
}

// Three pages: a heading and lines on the first, a page broken by a text below the
// bottom, and a third begun by newPage().
void PrintThreePages(Printer& p) {
    const ReportFonts& f = TheReportFonts();
    p.setFont(f.FontArial14);
    p.setCurrentX(6.0);
    p.print(QStringLiteral("Spring Crusade: Alphabetical List"));
    p.setFont(f.FontTimes10);
    p.line(1.0, 1.5, 20.5, 1.5);
    p.setCurrentY(2.0);
    for (int i = 1; i <= 5; ++i) p.print(QStringLiteral("%1  Smith, Mary   12 Oak St").arg(i, 4, 10, QLatin1Char('0')));
    p.setCurrentY(Printer::kPageHeightCm - 0.05);
    p.print(QStringLiteral("carried to page 2"));
    p.newPage();
    p.setFont(f.FontCourier8);
    p.print(QStringLiteral("page 3"));
}

TEST(QtPrinter, PrintsADocumentToAPdfFileWithTheChosenPagesAndCopies) {
    QTemporaryDir dir;
    struct Case {
        int from, to, copies;
        int pages;  // in the PDF; 0 = no file
    } const cases[] = {
        {1, 1000, 1, 3}, {2, 3, 1, 2},  {3, 3, 1, 1},
        {1, 1000, 2, 6}, {4, 10, 1, 0},  // no page of the document in the range
    };
    int n = 0;
    for (const Case& c : cases) {
        const QString path = dir.filePath(QStringLiteral("report%1.pdf").arg(++n));
        QtPrinter p;
        PrinterChoice job;
        job.fromPage = c.from;
        job.toPage = c.to;
        job.copies = c.copies;
        p.setJob(job);
        p.setOutputPdf(path);
        PrintThreePages(p);
        EXPECT_EQ(p.page(), 3);
        p.endDoc();
        if (c.pages == 0) {
            EXPECT_FALSE(QFileInfo::exists(path)) << n;
            continue;
        }
        const PdfInfo info = ReadPdfInfo(path);
        EXPECT_EQ(info.pages, c.pages) << "case " << n;
        EXPECT_TRUE(info.pageSize.contains(QLatin1String("612 x 792"))) << info.pageSize.toStdString();
    }
}

// A PDF that cannot be written whole is a printer error naming the file and the reason,
// and the file that was there stays as it was: a missing folder, and a disk that fills
// half way (the child's files may not grow past a few bytes).
TEST(QtPrinter, APdfNotWrittenWholeLeavesTheFileAsItWas) {
    QTemporaryDir dir;
    const QString existing = dir.filePath(QStringLiteral("report.pdf"));
    {
        QFile f(existing);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("the earlier report");
    }
    struct Case {
        const char* name;
        QString path;
        qint64 limit;  // bytes a file may grow to; 0: no limit
        const char* reason;
    } const cases[] = {
        {"missing folder", QStringLiteral("/nonexistent-folder/report.pdf"), 0, "No such file or directory"},
        {"disk full over an existing file", existing, 4096, "File too large"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto print = [&c]() -> QByteArray {
            QtPrinter p;
            p.setOutputPdf(c.path);
            PrintThreePages(p);
            try {
                p.endDoc();
            } catch (const VbError& e) {
                return QByteArray::number(e.number()) + ' ' + e.description().toUtf8();
            }
            return "no error";
        };
        const QByteArray told = c.limit > 0 ? test::InChildWithFileSizeLimit(c.limit, print).value_or("crashed") : print();
        EXPECT_TRUE(told.startsWith(QByteArray::number(err::PrinterError) + ' ')) << told.toStdString();
        EXPECT_TRUE(told.contains(c.path.toUtf8())) << told.toStdString();
        EXPECT_TRUE(told.contains(c.reason)) << told.toStdString();
    }
    QFile f(existing);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("the earlier report"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("report.pdf")});
}

TEST(QtPrinter, MeasuresTextWithTheRealFonts) {
    const ReportFonts& f = TheReportFonts();
    QtPrinter p;
    // The report faces resolve to metric-compatible fonts ("courrier new" too), which give
    // the widths the layouts were made for: a digit of Arial is 0.556 em, of Times 0.5 em,
    // every character of Courier 0.6 em.
    struct Case {
        PrinterFont font;
        const char* text;
        double em;
    } const cases[] = {
        {f.FontArial14, "0123456789", 10 * 0.556},
        {f.FontTimes10, "0123456789", 10 * 0.5},
        {f.FontCourier8, "Smith, Mary", 11 * 0.6},
        {f.FontCourier7B, "0012", 4 * 0.6},
    };
    for (const Case& c : cases) {
        p.setFont(c.font);
        const double expected = c.em * c.font.size * kCmPerPoint;
        EXPECT_NEAR(p.textWidth(QString::fromLatin1(c.text)), expected, expected * 0.01) << c.text;
    }

    p.setFont(f.FontArial14);
    const double mary = p.textWidth(QStringLiteral("Mary"));
    EXPECT_GT(p.textWidth(QStringLiteral("Mary Smith")), mary);
    EXPECT_EQ(p.textWidth(QString()), 0.0);
    EXPECT_NEAR(p.textHeight(), 14 * 1.15 * kCmPerPoint, 14 * kCmPerPoint * 0.05);
    p.setFont(f.FontArial28B);
    EXPECT_GT(p.textWidth(QStringLiteral("Mary")), 2 * mary);  // larger and bold
    PrinterFont plain = f.FontArial28B;
    plain.bold = false;
    const double bold = p.textWidth(QStringLiteral("Mary Smith"));
    p.setFont(plain);
    EXPECT_GT(bold, p.textWidth(QStringLiteral("Mary Smith")));
}

}  // namespace
}  // namespace fennick

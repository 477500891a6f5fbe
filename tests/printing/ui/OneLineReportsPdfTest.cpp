// One-line lists printed for real: through the Qt printer to PDF files, read back with
// pdfinfo and pdftotext.

#include "../ReportFixture.h"
#include "PdfText.h"
#include "platform/ui/QtPrinter.h"
#include "views/VisitationViews.h"

#include <gtest/gtest.h>

namespace fennick::test {
namespace {

struct PdfCase {
    const char* name;
    QList<AttendeeRecord> records;
    std::function<void(ReportFixture&)> before;
    int type;
    bool fromPrintButton;
    int pages;
    const char* title;
    const char* person;  // a name on page 1
};

TEST(OneLineReportsPdf, PlainAndAppointmentListsPrintToPdf) {
    const PdfCase cases[] = {
        {"plain", FixtureWith(MorePeople(170)), nullptr, 1, false, 4, "Spring Crusade Master Alphabetical List",
         "00 0108 Adams, Zoe"},
        {"appointments", FixtureWith(MorePeople(110, true)), [](ReportFixture& f) { IndexBaptismClass(f.app); }, 10,
         true, 4, "Spring Crusade Baptism Interview Set", "05 Ng, Lee"},
    };
    for (const PdfCase& c : cases) {
        SCOPED_TRACE(c.name);
        QtPrinter printer;
        ReportFixture f(c.records, 12, &printer);
        if (c.before) c.before(f);
        PrinterChoice pdf;
        pdf.toPdf = true;
        pdf.pdfPath = f.t.path(QStringLiteral("list.pdf"));
        f.t.dialogs.print(pdf);
        if (c.fromPrintButton)
            f.printBuilt(c.type);
        else
            f.print(c.type);

        ASSERT_EQ(PdfPages(pdf.pdfPath), c.pages);
        const QString first = PdfPageText(pdf.pdfPath, 1);
        EXPECT_TRUE(first.contains(QString::fromLatin1(c.title))) << first.toStdString();
        EXPECT_TRUE(first.contains(QLatin1String("Monday, March 9, 2026")));
        EXPECT_TRUE(first.contains(QString::fromLatin1(c.person))) << first.toStdString();
        const QString third = PdfPageText(pdf.pdfPath, 3);
        EXPECT_TRUE(third.contains(QString::fromLatin1(c.title) + QStringLiteral(": Page 3"))) << third.toStdString();
        EXPECT_TRUE(f.t.dialogs.messages().isEmpty());
    }
}

}  // namespace
}  // namespace fennick::test

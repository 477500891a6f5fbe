// The printing commons: the report fonts by number and the printer dialog's choice as the
// printer's job. The header, page breaks and footers are checked through the lists' golden
// documents.

#include "FakePlatform.h"
#include "data/Errors.h"
#include "printing/PrintCommons.h"

#include <gtest/gtest.h>

namespace fennick::test {
namespace {

TEST(PrintCommons, ReportFontsComeInTheirNumberedOrder) {
    struct Row {
        int n;
        const char* face;
        double size;
        bool bold, underline;
    } const rows[] = {
        {1, "Times New Roman", 12, false, false}, {2, "Courier New", 7, true, false},
        {3, "Times New Roman", 8, false, false},  {4, "Times New Roman", 8, true, false},
        {5, "Times New Roman", 10, false, false}, {6, "Arial", 14, false, false},
        {7, "Arial", 28, true, false},            {8, "Arial", 10, false, true},
        {9, "Arial", 13, false, true},            {10, "Arial", 13, true, true},
        {11, "courrier new", 8, false, false},
    };
    for (const Row& r : rows) {
        const PrinterFont& f = ReportFont(r.n);
        EXPECT_EQ(f.face, QString::fromLatin1(r.face)) << r.n;
        EXPECT_EQ(f.size, r.size) << r.n;
        EXPECT_EQ(f.bold, r.bold) << r.n;
        EXPECT_EQ(f.underline, r.underline) << r.n;
    }
    for (int n : {0, 12, -1}) {
        try {
            ReportFont(n);
            ADD_FAILURE() << "font " << n;
        } catch (const VbError& e) {
            EXPECT_EQ(e.number(), err::SubscriptRange);
        }
    }
}

TEST(PrintCommons, SelPrinterMakesTheChoiceThePrintersJob) {
    struct Case {
        const char* name;
        std::optional<PrinterChoice> choice;
        bool result;
        int from, to, copies;
    };
    PrinterChoice pdf;
    pdf.fromPage = 2;
    pdf.toPage = 5;
    pdf.copies = 3;
    pdf.toPdf = true;
    pdf.pdfPath = QStringLiteral("/tmp/list.pdf");
    PrinterChoice noPage = pdf;
    noPage.fromPage = 0;
    const Case cases[] = {
        {"pdf file, pages and copies", pdf, true, 2, 5, 3},
        {"cancel", std::nullopt, false, 7, 7, 7},
        {"no first page", noPage, false, 7, 7, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        t.printer.print(QStringLiteral("left from before"));
        t.dialogs.print(c.choice);
        int from = 7, to = 7, copies = 7;
        EXPECT_EQ(SelPrinter(t.app, from, to, copies), c.result);
        EXPECT_EQ(from, c.from);
        EXPECT_EQ(to, c.to);
        EXPECT_EQ(copies, c.copies);
        EXPECT_TRUE(t.dialogs.messages().isEmpty());
        if (c.result) {
            EXPECT_EQ(t.printer.job().fromPage, 2);
            EXPECT_EQ(t.printer.job().toPage, 5);
            EXPECT_EQ(t.printer.job().copies, 3);
            EXPECT_EQ(t.printer.job().pdfPath, QStringLiteral("/tmp/list.pdf"));
        } else {
            EXPECT_TRUE(t.printer.document().items.isEmpty());  // discarded
        }
    }
}

}  // namespace
}  // namespace fennick::test

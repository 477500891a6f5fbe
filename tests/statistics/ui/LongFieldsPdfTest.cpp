// The statistics pages over the long-field crusade in the real fonts: laid out as they
// reach paper, nothing runs into the next column, and nothing on the PDF page passes the
// printable area.

#include "../../printing/ui/PdfText.h"
#include "../LongFieldPrintouts.h"
#include "DocumentDump.h"
#include "RealFontPrinter.h"

#include <gtest/gtest.h>

namespace fennick::test {
namespace {

TEST(LongFieldsPdf, RealFontsKeepBothPagesWithinTheirColumnsAndThePage) {
    QtPrinter measure;
    for (const auto& printout : LongFieldPrintouts()) {
        SCOPED_TRACE(printout.name);
        RealFontPrinter recorder;
        PrintLongFields(printout, &recorder);
        EXPECT_TRUE(StaysInItsColumns(recorder, measure));

        QtPrinter printer;
        QTemporaryDir folder;
        PrinterChoice pdf;
        pdf.toPdf = true;
        pdf.pdfPath = folder.filePath(QStringLiteral("long.pdf"));
        PrintLongFields(printout, &printer, pdf);
        EXPECT_EQ(PdfPages(pdf.pdfPath), 1);
        EXPECT_TRUE(StaysInThePrintableArea(pdf.pdfPath));
    }
}

}  // namespace
}  // namespace fennick::test

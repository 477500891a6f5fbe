// Every printout of this subsystem over a crusade of long fields in the real fonts: laid
// out as they reach paper, nothing runs into the next column, every caption, number, code,
// date and decision is printed whole (condensed where it must be, and so read back from the
// PDF file), and nothing on the PDF page passes the printable area.

#include "../LongFieldPrintouts.h"
#include "PdfText.h"
#include "RealFontPrinter.h"

#include <gtest/gtest.h>

namespace fennick::test {
namespace {

TEST(LongFieldsPdf, RealFontsKeepEveryPrintoutWithinItsColumnsAndThePage) {
    QtPrinter measure;
    for (const auto& printout : LongFieldPrintouts()) {
        SCOPED_TRACE(printout.name);
        RealFontPrinter recorder;
        printout.print(*LongFieldCrusade(&recorder));
        EXPECT_TRUE(StaysInItsColumns(recorder, measure));
        EXPECT_TRUE(PrintsWhole(recorder, printout.whole));

        QtPrinter printer;
        const auto f = LongFieldCrusade(&printer);
        f->pdfPath = f->t.path(QStringLiteral("long.pdf"));
        printout.print(*f);
        EXPECT_TRUE(StaysInThePrintableArea(f->pdfPath));
        QString text;
        for (int page = 1; page <= PdfPages(f->pdfPath); ++page) text += PdfPageText(f->pdfPath, page);
        for (QString whole : printout.whole) {
            whole = whole.simplified();
            EXPECT_TRUE(text.contains(whole)) << whole.toStdString() << " not in the PDF file";
        }
    }
}

}  // namespace
}  // namespace fennick::test

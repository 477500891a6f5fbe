// Every printout of this subsystem over a crusade of long fields in the real fonts: laid
// out as they reach paper, nothing runs into the next column, and nothing on the PDF page
// passes the printable area.

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

        QtPrinter printer;
        const auto f = LongFieldCrusade(&printer);
        f->pdfPath = f->t.path(QStringLiteral("long.pdf"));
        printout.print(*f);
        EXPECT_TRUE(StaysInThePrintableArea(f->pdfPath));
    }
}

}  // namespace
}  // namespace fennick::test

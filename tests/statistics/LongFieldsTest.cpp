// The statistics pages over names and vocabularies as long and wide as they come: they
// run into no next column and past no printable area where the usual crusade's do not
// (the measuring table finds the headings "Names/" and "Vis" touching, which in the real
// fonts they do not, as the PDF test shows).

#include "DocumentDump.h"
#include "LongFieldPrintouts.h"

#include <gtest/gtest.h>

namespace fennick::test {
namespace {

QString OverrunsOf(const RecordingPrinter& printer) {
    RecordingPrinter measure;
    EXPECT_EQ(printer.documents().size(), 1);
    return printer.documents().isEmpty() ? QString()
                                         : Overruns(printer.documents().front(), measure).join(QLatin1Char('\n'));
}

TEST(LongFields, NoPrintoutRunsIntoTheNextColumnOrOffThePage) {
    for (const auto& printout : LongFieldPrintouts()) {
        SCOPED_TRACE(printout.name);
        RecordingPrinter printer;
        PrintLongFields(printout, &printer);
        StatsCrusade usual;
        usual.t.dialogs.print(PrinterChoice{});
        printout.print(usual.app);
        EXPECT_EQ(OverrunsOf(printer).toStdString(), OverrunsOf(usual.t.printer).toStdString());
    }
}

}  // namespace
}  // namespace fennick::test

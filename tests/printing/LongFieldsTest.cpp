// Every printout of this subsystem over a crusade of fields as long and wide as they come:
// nothing runs into the next column or past the printable area, and every caption, number,
// code, date and decision is printed whole.

#include "LongFieldPrintouts.h"

#include <gtest/gtest.h>

namespace fennick::test {
namespace {

TEST(LongFields, NoPrintoutRunsIntoTheNextColumnOrOffThePageOrCutsAWholeText) {
    RecordingPrinter measure;
    for (const auto& printout : LongFieldPrintouts()) {
        SCOPED_TRACE(printout.name);
        const auto f = LongFieldCrusade();
        printout.print(*f);
        ASSERT_EQ(f->documents(), 1);
        EXPECT_TRUE(StaysInItsColumns(f->t.printer, measure));
        EXPECT_TRUE(PrintsWhole(f->t.printer, printout.whole));
        EXPECT_FALSE(f->t.dialogs.pending());
    }
}

}  // namespace
}  // namespace fennick::test

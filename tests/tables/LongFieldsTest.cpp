// The printouts of the tables over entries and team names as long and wide as they come:
// nothing runs into the next column or past the printable area; a team's name and
// telephone in the zip code count are cut at the printable area's edge.

#include "DocumentDump.h"
#include "LongFields.h"
#include "ZipFixture.h"
#include "tables/MemberPrintout.h"
#include "tables/TeamListPrintout.h"
#include "tables/ZipPrintout.h"

#include <gtest/gtest.h>

namespace fennick::test {
namespace {

TEST(LongFields, NoPrintoutRunsIntoTheNextColumnOrOffThePage) {
    const LongFieldPrintout<App> printouts[] = {
        {"zip code count", PrintZips}, {"member list", PrintMembers}, {"team list", btnPrintTeams_Click}};
    RecordingPrinter measure;
    for (const auto& printout : printouts) {
        SCOPED_TRACE(printout.name);
        TestApp t;
        SetLongFieldSettings(t.app);
        t.dialogs.print(PrinterChoice{});
        printout.print(t.app);
        EXPECT_TRUE(StaysInItsColumns(t.printer, measure));
    }
}

// The name and telephone that ran off the page, and a wide city cut where the count begins.
TEST(LongFields, TheZipCodeCountCutsALongTeamAtTheEdge) {
    TestApp t;
    t.app.settings.CrusadeName = QStringLiteral("Spring Crusade");
    t.app.settings.TeamNames[5] = QStringLiteral("Men's Ministry:217-555-0123");
    SetZips(t.app, {Z("62701", "IL", "05", "Springfield", 12), Z("K1A", "ON", "05", "WWWWWWWWWWWWWWW", 3)});
    t.dialogs.print(PrinterChoice{});
    PrintZips(t.app);
    EXPECT_TRUE(MatchesGolden(DumpDocuments(t.printer), QStringLiteral(FENNICK_TEST_DATA "/zip_count_long_team.txt")));
}

}  // namespace
}  // namespace fennick::test

// The printouts of the tables over entries and team names as long and wide as they come:
// nothing runs into the next column, a line below or past the printable area; zip codes,
// states, counts, numbers, telephones, captions and titles are printed whole, and only
// names and cities are cut.

#include "DocumentDump.h"
#include "LongFields.h"
#include "ZipFixture.h"
#include "tables/MemberPrintout.h"
#include "tables/TeamListPrintout.h"
#include "tables/ZipPrintout.h"

#include <gtest/gtest.h>

namespace fennick::test {
namespace {

// Over the full-width crusade, with a zip code of ten digits, a count of four and a team
// whose name and telephone reach past the page's edge: the texts each printout prints whole.
TEST(LongFields, NoPrintoutRunsIntoTheNextColumnOrOffThePage) {
    const struct {
        const char* name;
        void (*print)(App&);
        QStringList whole;
    } printouts[] = {
        {"zip code count",
         PrintZips,
         {" Zip Code Count", "WWWWWWWWWW", "62704-1234", ", WW", ", IL", " 9999 ", "05- ", ":217-555-0123",
          ":(217) 555-0188 ext. 4488"}},
        {"member list", PrintMembers, {"SDA Members", "1001", "1150"}},
        {"team list",
         btnPrintTeams_Click,
         {" Vistiation Teams", "Team #05", "Team #40", "217-555-0123", "(217) 555-0188 ext. 4488"}},
    };
    RecordingPrinter measure;
    for (const auto& printout : printouts) {
        SCOPED_TRACE(printout.name);
        TestApp t;
        SetLongFieldSettings(t.app);
        t.app.settings.TeamNames[8] =
            QStringLiteral("Springfield Seventh-day Adventist Church Outreach Team:(217) 555-0188 ext. 4488");
        SetZips(t.app, Zips(t.app) << Z("62704-1234", "IL", "08", "WWWWWWWWWWWWWWW", 9999));
        t.dialogs.print(PrinterChoice{});
        printout.print(t.app);
        EXPECT_TRUE(StaysInItsColumns(t.printer, measure));
        EXPECT_EQ(OverlappingLines(t.printer.documents().value(0), measure).join(u'\n').toStdString(), "");
        EXPECT_TRUE(PrintsWhole(t.printer, printout.whole));
    }
}

// The name and telephone that ran off the page, and a wide city with its state, condensed.
TEST(LongFields, TheZipCodeCountFitsALongTeamAndCity) {
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

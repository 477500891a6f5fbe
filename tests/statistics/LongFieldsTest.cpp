// The statistics pages over names and vocabularies as long and wide as they come: they
// run into no next column and past no printable area where the usual crusade's do not
// (the measuring table finds the headings "Names/" and "Vis" touching, which in the real
// fonts they do not).

#include "DocumentDump.h"
#include "LongFields.h"
#include "StatsFixture.h"
#include "statistics/CrusadeTallies.h"
#include "statistics/StatsPrintout.h"
#include "statistics/TeamPrintout.h"
#include "statistics/TeamTallies.h"

#include <gtest/gtest.h>

namespace fennick::test {
namespace {

// The overruns of the one page printed over the crusade.
QString PageOverruns(StatsCrusade& f, const std::function<void(App&)>& print) {
    f.t.dialogs.print(PrinterChoice{});
    print(f.app);
    RecordingPrinter measure;
    EXPECT_EQ(f.t.printer.documents().size(), 1);
    if (f.t.printer.documents().isEmpty()) return QString();
    return Overruns(f.t.printer.documents().front(), measure).join(QLatin1Char('\n'));
}

TEST(LongFields, NoPrintoutRunsIntoTheNextColumnOrOffThePage) {
    const LongFieldPrintout<App> printouts[] = {
        {"statistical report", [](App& app) { PrintStatsReport(app, CrusadeStatisticsPass(app)); }},
        {"visitation report", [](App& app) { PrintTeamReport(app, TeamStatisticsPass(app)); }}};
    for (const auto& printout : printouts) {
        SCOPED_TRACE(printout.name);
        StatsCrusade longFields(LongFieldRecords(), 40);
        SetLongFieldSettings(longFields.app);
        StatsCrusade usual;
        EXPECT_EQ(PageOverruns(longFields, printout.print).toStdString(),
                  PageOverruns(usual, printout.print).toStdString());
    }
}

}  // namespace
}  // namespace fennick::test

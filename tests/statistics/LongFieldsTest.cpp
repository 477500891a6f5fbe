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

TEST(LongFields, NoPrintoutRunsIntoTheNextColumnOrOffThePage) {
    const LongFieldPrintout<App> printouts[] = {
        {"statistical report", [](App& app) { PrintStatsReport(app, CrusadeStatisticsPass(app)); }},
        {"visitation report", [](App& app) { PrintTeamReport(app, TeamStatisticsPass(app)); }}};
    for (const auto& printout : printouts) {
        SCOPED_TRACE(printout.name);
        StatsCrusade longFields(LongFieldRecords(), 40);
        SetLongFieldSettings(longFields.app);
        StatsCrusade usual;
        for (StatsCrusade* f : {&longFields, &usual}) {
            f->t.dialogs.print(PrinterChoice{});
            printout.print(f->app);
            ASSERT_EQ(f->t.printer.documents().size(), 1);
        }
        RecordingPrinter measure;
        auto overruns = [&](const StatsCrusade& f) {
            return Overruns(f.t.printer.documents().front(), measure).join(u'\n').toStdString();
        };
        EXPECT_EQ(overruns(longFields), overruns(usual));
    }
}

}  // namespace
}  // namespace fennick::test

#pragma once
// The two statistics pages over the long-field crusade, with the printer dialog answered.

#include "LongFields.h"
#include "StatsFixture.h"
#include "statistics/CrusadeTallies.h"
#include "statistics/StatsPrintout.h"
#include "statistics/TeamPrintout.h"
#include "statistics/TeamTallies.h"

namespace fennick::test {

inline QList<LongFieldPrintout<App>> LongFieldPrintouts() {
    return {{"statistical report", [](App& app) { PrintStatsReport(app, CrusadeStatisticsPass(app)); }},
            {"visitation report", [](App& app) { PrintTeamReport(app, TeamStatisticsPass(app)); }}};
}

// Prints one of them over the long-field crusade, on printer (null: the recording
// printer); the printer dialog answers choice.
inline void PrintLongFields(const LongFieldPrintout<App>& printout, Printer* printer,
                            const PrinterChoice& choice = {}) {
    StatsCrusade f(LongFieldRecords(), 40, printer);
    SetLongFieldSettings(f.app);
    f.t.dialogs.print(choice);
    printout.print(f.app);
}

}  // namespace fennick::test

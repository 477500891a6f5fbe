// Printed reports over 9,999 names on the recording printer: the master attendance list
// (its view built too) should take well under half a second.

#include "BenchData.h"
#include "data/InfoFile.h"
#include "printing/OneLineReports.h"

#include <benchmark/benchmark.h>

namespace fennick::bench {
namespace {

void BM_AttendanceListToRecordingPrinter(benchmark::State& state) {
    BenchApp b;
    SetDefaultInfo(b.app);
    b.app.settings.CrusadeName = QStringLiteral("Bench Crusade");
    b.dialogs.printerChoice = PrinterChoice();
    int pages = 0;
    for (auto _ : state) {
        b.printer.clearDocuments();
        int type = 2;
        PrintOneLineReport(b.app, type);
        pages = b.printer.documents().isEmpty() ? 0 : b.printer.documents().front().pageCount;
    }
    state.counters["names"] = b.app.view.ReportCount;
    state.counters["pages"] = pages;
}
BENCHMARK(BM_AttendanceListToRecordingPrinter)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fennick::bench

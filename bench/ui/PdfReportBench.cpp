// The master attendance list over 9,999 names printed for real: through the Qt printer
// to a PDF file, on the offscreen platform. It should take under three seconds.

#include "../BenchData.h"
#include "data/InfoFile.h"
#include "platform/ui/QtPrinter.h"
#include "printing/OneLineReports.h"

#include <QFileInfo>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace fennick::bench {
namespace {

void BM_AttendanceListToPdf(benchmark::State& state) {
    QtPrinter printer;
    BenchApp b(kBenchRecords, &printer);
    SetDefaultInfo(b.app);
    b.app.settings.CrusadeName = QStringLiteral("Bench Crusade");
    PrinterChoice pdf;
    pdf.toPdf = true;
    pdf.pdfPath = b.dir.filePath(QStringLiteral("attendance.pdf"));
    b.dialogs.printerChoice = pdf;
    for (auto _ : state) {
        int type = 2;
        PrintOneLineReport(b.app, type);
    }
    state.counters["names"] = b.app.view.ReportCount;
    state.counters["kB"] = double(QFileInfo(pdf.pdfPath).size()) / 1024;
}
BENCHMARK(BM_AttendanceListToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fennick::bench

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

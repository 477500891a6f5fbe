// Printed reports over 9,999 names on the recording printer: the master attendance list
// (its view built too) and the registration list with 2,000 church members (the member
// merge, the sort, the layout) should each take well under half a second; the interest
// cards of every name, with the marks written to the data file, under a second.

#include "BenchData.h"
#include "data/InfoFile.h"
#include "data/DataStore.h"
#include "printing/InterestCards.h"
#include "printing/OneLineReports.h"
#include "printing/RegistrationLists.h"

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

// 2,000 church members: every fifth one registered under an attendee's number, every
// tenth without a number, the rest numbered from 5000 up.
void AddMembers(App& app) {
    static const char* const last[] = {"Abbott", "Moss", "Nolan", "Ortiz", "Price", "Quade", "Reyes", "Stone"};
    QList<QByteArray>& members = app.crusade.MemberNames;
    members = {QByteArray()};
    for (int i = 0; i < 2000; ++i) {
        QByteArray number = i % 5 == 0   ? QByteArray::number(1 + i).rightJustified(4, '0')
                            : i % 10 == 1 ? QByteArray(4, ' ')
                                          : QByteArray::number(5000 + i);
        members << number + QByteArray(last[i % 8]).leftJustified(15) + ("M" + QByteArray::number(i)).leftJustified(15);
    }
    app.crusade.MemberCount = 2000;
}

void BM_RegistrationListWithMembers(benchmark::State& state) {
    BenchApp b;
    b.app.settings.CrusadeName = QStringLiteral("Bench Crusade");
    AddMembers(b.app);
    b.dialogs.questionAnswer = AnsYes;  // the church members too
    b.dialogs.printerChoice = PrinterChoice();
    int pages = 0;
    for (auto _ : state) {
        b.printer.clearDocuments();
        PrintRegistrationList(b.app, RegistrationList::Numbers);
        pages = b.printer.documents().isEmpty() ? 0 : b.printer.documents().front().pageCount;
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_RegistrationListWithMembers)->Unit(benchmark::kMillisecond);

// Every live name without a card yet: each run starts from a file with no card marked
// (written outside the timing) and marks them all.
void BM_InterestCardsForEveryName(benchmark::State& state) {
    BenchApp b;
    b.app.settings.PrintCutOff = 0;
    // No limits; Yes to the confirmation.
    b.dialogs.answerFor = [](const MessageBoxSpec& spec) {
        return spec.text.contains(QLatin1String("being sent to the printer")) ? int(AnsYes) : int(AnsNo);
    };
    b.dialogs.printerChoice = PrinterChoice();
    QList<AttendeeRecord> records = ReadAllRecords(b.app);
    for (AttendeeRecord& r : records) r.CardPrinted = 0;
    int pages = 0;
    for (auto _ : state) {
        state.PauseTiming();
        for (qint32 i = 0; i < records.size(); ++i) WriteRecord(b.app, i + 1, records[i]);
        b.printer.clearDocuments();
        state.ResumeTiming();
        InterestCard2x4(b.app);
        pages = b.printer.documents().isEmpty() ? 0 : b.printer.documents().front().pageCount;
    }
    state.counters["sheets"] = pages;
}
BENCHMARK(BM_InterestCardsForEveryName)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fennick::bench

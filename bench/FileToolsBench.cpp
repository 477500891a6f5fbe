// The file tools on the 9,999-record file. The text export and the mail-merge file of the
// alphabetical view, built and written whole, should each take at most twice as long as
// IndexAlpha on the same file, measured in the same run; the compaction of the file (about
// 200 deleted records) with the rebuilt view at most four times as long. The merge of a
// 5,000-record crusade whose numbers all collide into a 4,999-record master, and the
// comparison with a 9,999-record backup with its repair pass, each under a second.

#include "BenchData.h"
#include "data/BulkWrite.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/FileUtil.h"
#include "data/FixFiles.h"
#include "filetools/AppendedRecords.h"
#include "filetools/BackupCompare.h"
#include "filetools/Compaction.h"
#include "filetools/CrusadeMerge.h"
#include "filetools/MailMergeFile.h"
#include "filetools/TextExportFile.h"
#include "views/Indexes.h"

#include <benchmark/benchmark.h>

#include <QFile>

#include <algorithm>
#include <functional>
#include <vector>

namespace fennick::bench {
namespace {

BenchApp& Shared() {
    static BenchApp b;
    return b;
}

void BM_FileTools_IndexAlpha(benchmark::State& state) {
    BenchApp& b = Shared();
    for (auto _ : state) {
        IndexAlpha(b.app);
        benchmark::DoNotOptimize(b.app.view.ReportCount);
    }
    state.counters["entries"] = b.app.view.ReportCount;
}
BENCHMARK(BM_FileTools_IndexAlpha)->Apply([](auto* b) { Timed(b); });

// The bytes of a file alone, without the write.
void BuildOnly(benchmark::State& state, const std::function<QByteArray(App&)>& build) {
    BenchApp& b = Shared();
    IndexAlpha(b.app);
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray file = build(b.app);
        bytes = file.size();
        benchmark::DoNotOptimize(file.constData());
    }
    state.counters["bytes"] = double(bytes);
}

void BM_TextExportBytes(benchmark::State& state) {
    BuildOnly(state, TextExportFile);
}
BENCHMARK(BM_TextExportBytes)->Apply([](auto* b) { Timed(b); });

void BM_MailMergeBytes(benchmark::State& state) {
    BuildOnly(state, [](App& app) { return MailMergeFile(app, false); });
}
BENCHMARK(BM_MailMergeBytes)->Apply([](auto* b) { Timed(b); });

void BM_TextExport(benchmark::State& state) {
    BenchApp& b = Shared();
    IndexAlpha(b.app);
    const QString path = b.dir.filePath(QStringLiteral("export.txt"));
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray file = TextExportFile(b.app);
        WriteWholeFile(b.app.files(), path, file);
        bytes = file.size();
    }
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(BM_TextExport)->Apply([](auto* b) { Timed(b); });

void BM_MailMergeFile(benchmark::State& state) {
    BenchApp& b = Shared();
    IndexAlpha(b.app);
    const QString path = b.dir.filePath(QStringLiteral("merge.doc"));
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray file = MailMergeFile(b.app, false);
        WriteWholeFile(b.app.files(), path, file);
        bytes = file.size();
    }
    state.counters["bytes"] = double(bytes);
}
BENCHMARK(BM_MailMergeFile)->Apply([](auto* b) { Timed(b); });

// Each run compacts the original file again: it is put back, untimed, before each run.
void BM_CompactWithView(benchmark::State& state) {
    static BenchApp b;
    const QString file = b.app.program.DataFile;
    const QString original = b.dir.filePath(QStringLiteral("original.dta"));
    if (!QFile::exists(original)) QFile::copy(file, original);
    int dropped = 0;
    for (auto _ : state) {
        state.PauseTiming();
        CloseDataFile(b.app);
        QFile::remove(file);
        QFile::copy(original, file);
        OpenDataFile(b.app);
        state.ResumeTiming();
        dropped = CompactDataFile(b.app);
        IndexAlpha(b.app);
        benchmark::DoNotOptimize(b.app.view.ReportCount);
    }
    state.counters["dropped"] = dropped;
    state.counters["entries"] = b.app.view.ReportCount;
}
BENCHMARK(BM_CompactWithView)->Apply([](auto* b) { Timed(b); });

// Every other record's number is held in the master by someone else: each gets a new one.
void BM_MergeCrusadeAllColliding(benchmark::State& state) {
    static BenchApp b(4999);
    const QString file = b.app.program.DataFile;
    const QString original = b.dir.filePath(QStringLiteral("master.dta"));
    if (!QFile::exists(original)) QFile::copy(file, original);
    QList<AttendeeRecord> other = BenchRecords(5000);
    for (qsizetype i = 0; i < other.size(); ++i) {
        other[i].RNum = QByteArray::number(1 + i % 4999).rightJustified(4, '0');
        other[i].FName = "Other " + QByteArray::number(i);
        other[i].WorkerCode = "00";
    }
    b.app.settings.ReservedDirection = QStringLiteral("UP");
    int appended = 0;
    for (auto _ : state) {
        state.PauseTiming();
        CloseDataFile(b.app);
        QFile::remove(file);
        QFile::copy(original, file);
        OpenDataFile(b.app);
        IndexAlpha(b.app);
        b.app.settings.ReservedNumber = 4999;
        state.ResumeTiming();
        BulkWrite writes(b.app, QStringLiteral("Merge Files"), kSourceFennick3);
        BringingIn in(b.app, writes, other);
        MergeCrusadeRecords(other, in);
        appended = in.added();
        if (writes.failed()) state.SkipWithError(writes.report(QString()).toStdString().c_str());
        SortIndex(b.app);
    }
    state.counters["appended"] = appended;
}
BENCHMARK(BM_MergeCrusadeAllColliding)->Apply([](auto* b) { Timed(b); });

// A backup identical to the crusade: nothing is offered; the repair pass and the view follow.
void BM_CompareWithBackup(benchmark::State& state) {
    static BenchApp b;
    const QList<AttendeeRecord> backup = BenchRecords();
    for (auto _ : state) {
        BulkWrite writes(b.app, QStringLiteral("Compare"), kSourceFennick3);
        BringingIn in(b.app, writes, backup);
        AddMissingRecords(b.app, backup, in);
        FixFiles(b.app);
        IndexAlpha(b.app);
        benchmark::DoNotOptimize(in.added());
    }
}
BENCHMARK(BM_CompareWithBackup)->Apply([](auto* b) { Timed(b); });

}  // namespace
}  // namespace fennick::bench

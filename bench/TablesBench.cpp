// The zip-code table over 9,999 records: the team assignment with a table of 2,000 entries
// against IndexAlpha on the same file (it should take at most twice as long), the sorts of
// the editor and the team totals.

#include "BenchData.h"
#include "data/BulkWrite.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "tables/TeamAssignment.h"
#include "tables/TeamTotals.h"
#include "tables/ZipTable.h"
#include "views/Indexes.h"
#include "views/ZipRebuild.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace fennick::bench {
namespace {

// A full table: 1,800 zips no record has, then the records' own zips (the last entries a
// scan of the table would reach), each with a team.
void FillTable(App& app) {
    RebuildZipTable(app);
    Crusade& c = app.crusade;
    QList<QByteArray> own = c.ZipTable.mid(1, c.ZipCount);
    QList<QByteArray> table;
    for (int i = 0; table.size() + own.size() < kMaxZips; ++i)
        table << QByteArray::number(10000 + i).leftJustified(10) + "IL00Elsewhere        " + "   1";
    for (int i = 0; i < own.size(); ++i) table << own[i].left(12) + QByteArray::number(1 + i % 40).rightJustified(2, '0') + own[i].mid(14);
    for (int i = 0; i < table.size(); ++i) c.ZipTable[i + 1] = table[i];
    c.ZipCount = qint16(table.size());
}

// The bench file as written, or with every live record still without a team.
QList<AttendeeRecord> FileRecords(bool allUnassigned) {
    QList<AttendeeRecord> records = BenchRecords();
    for (AttendeeRecord& r : records)
        if (allUnassigned && !r.isDeleted()) r.WorkerCode = "00";
    return records;
}

// Each run starts from the same file: the records a run changed are written back as they
// were, outside the timing.
void AssignOver(benchmark::State& state, bool allUnassigned) {
    static BenchApp b;
    App& app = b.app;
    FillTable(app);
    const QList<AttendeeRecord> original = FileRecords(allUnassigned);
    for (qint32 i = 0; i < original.size(); ++i) WriteRecord(app, i + 1, original[i]);
    int changed = 0;
    for (auto _ : state) {
        BulkWrite writes(app, QStringLiteral("Update File"), kSourceFennick95);
        changed = AssignTeamsFromZips(app, writes);
        state.PauseTiming();
        const QList<AttendeeRecord> now = ReadAllRecords(app);
        for (qint32 i = 0; i < now.size(); ++i)
            if (now[i] != original[i]) WriteRecord(app, i + 1, original[i]);
        state.ResumeTiming();
    }
    state.counters["changed"] = changed;
}

void BM_IndexAlphaSameFile(benchmark::State& state) {
    static BenchApp b;
    for (auto _ : state) {
        IndexAlpha(b.app);
        benchmark::DoNotOptimize(b.app.view.ReportCount);
    }
}
BENCHMARK(BM_IndexAlphaSameFile)->Apply([](auto* b) { Timed(b); });

void BM_AssignTeamsFromZips(benchmark::State& state) {
    AssignOver(state, false);
}
BENCHMARK(BM_AssignTeamsFromZips)->Apply([](auto* b) { Timed(b); });

// Every live record written back: the most the pass can do.
void BM_AssignTeamsFromZipsAllUnassigned(benchmark::State& state) {
    AssignOver(state, true);
}
BENCHMARK(BM_AssignTeamsFromZipsAllUnassigned)->Apply([](auto* b) { Timed(b); });

void BM_SortZipStrings(benchmark::State& state) {
    static BenchApp b;
    FillTable(b.app);
    const QList<QByteArray> table = b.app.crusade.ZipTable;
    const ZipSortOption& byCount = kZipSortOptions[2];
    for (auto _ : state) {
        state.PauseTiming();
        b.app.crusade.ZipTable = table;
        b.app.crusade.ZipTable.detach();
        state.ResumeTiming();
        SortZipStrings(b.app.crusade, byCount.start, byCount.len, byCount.ascending);
    }
}
BENCHMARK(BM_SortZipStrings)->Apply([](auto* b) { Timed(b); });

void BM_TeamTotals(benchmark::State& state) {
    static BenchApp b;
    FillTable(b.app);
    for (auto _ : state) benchmark::DoNotOptimize(TeamTotalRows(b.app));
}
BENCHMARK(BM_TeamTotals)->Apply([](auto* b) { Timed(b); });

}  // namespace
}  // namespace fennick::bench

// The crusade statistics over 9,999 records: the pass alone, a whole run on the window
// (pass and drawing), and the statistics data file alone (both passes and the file). The
// pass should take at most twice as long as IndexAlpha on the same file, the data file
// run at most three times; their "vsIndexAlpha" counters give the ratios measured in the
// same run.

#include "BenchData.h"
#include "platform/DrawingSurface.h"
#include "statistics/CrusadeTallies.h"
#include "statistics/Stats.h"
#include "statistics/StatsScreen.h"
#include "statistics/TeamTallies.h"
#include "views/Indexes.h"

#include <benchmark/benchmark.h>

#include <QElapsedTimer>

#include <algorithm>
#include <functional>
#include <vector>

namespace fennick::bench {
namespace {

BenchApp& Shared() {
    static BenchApp b;
    return b;
}

// The fastest of a few runs, in nanoseconds.
qint64 Fastest(const std::function<void()>& run) {
    qint64 best = -1;
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        const qint64 ns = timer.nsecsElapsed();
        if (best < 0 || ns < best) best = ns;
    }
    return best;
}

void BM_StatsIndexAlpha(benchmark::State& state) {
    BenchApp& b = Shared();
    for (auto _ : state) {
        IndexAlpha(b.app);
        benchmark::DoNotOptimize(b.app.view.ReportCount);
    }
}
BENCHMARK(BM_StatsIndexAlpha)->Apply([](auto* b) { Timed(b); });

void BM_CrusadeStatisticsPass(benchmark::State& state) {
    BenchApp& b = Shared();
    int total = 0;
    for (auto _ : state) {
        const CrusadeTallies t = CrusadeStatisticsPass(b.app);
        benchmark::DoNotOptimize(&t);
        total = t.TotalNames;
    }
    state.counters["names"] = total;
    const double pass = double(Fastest([&] { benchmark::DoNotOptimize(CrusadeStatisticsPass(b.app)); }));
    const double alpha = double(Fastest([&] { IndexAlpha(b.app); }));
    state.counters["vsIndexAlpha"] = pass / alpha;
}
BENCHMARK(BM_CrusadeStatisticsPass)->Apply([](auto* b) { Timed(b); });

// A statistics window that only keeps the drawing.
class BenchScreen : public StatsScreen {
public:
    Printer& beginReport(Report) override {
        surface.clear();
        return surface;
    }
    void endReport() override {}
    RecordingSurface surface;
};

void BM_StatsOnWindow(benchmark::State& state) {
    BenchApp& b = Shared();
    BenchScreen screen;
    screen.surface.setFont(kStatsWindowFont);
    b.app.hooks.statsWindow = [&screen] { return &screen; };
    for (auto _ : state) {
        Stats(b.app, kStatsOnWindow);
        benchmark::DoNotOptimize(screen.surface.displayList().size());
    }
    state.counters["items"] = double(screen.surface.displayList().size());
    b.app.hooks.statsWindow = nullptr;
}
BENCHMARK(BM_StatsOnWindow)->Apply([](auto* b) { Timed(b); });

void BM_TeamStatisticsPass(benchmark::State& state) {
    BenchApp& b = Shared();
    for (auto _ : state) benchmark::DoNotOptimize(TeamStatisticsPass(b.app).TotalLiveNames);
}
BENCHMARK(BM_TeamStatisticsPass)->Apply([](auto* b) { Timed(b); });

void BM_StatsDataFile(benchmark::State& state) {
    BenchApp& b = Shared();
    for (auto _ : state) benchmark::DoNotOptimize(Stats(b.app, kStatsFileOnly));
    const double run = double(Fastest([&] { Stats(b.app, kStatsFileOnly); }));
    const double alpha = double(Fastest([&] { IndexAlpha(b.app); }));
    state.counters["vsIndexAlpha"] = run / alpha;
}
BENCHMARK(BM_StatsDataFile)->Apply([](auto* b) { Timed(b); });

}  // namespace
}  // namespace fennick::bench

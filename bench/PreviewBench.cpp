// The report window's page over 9,999 records: one page of 26 lines at positions spread
// over the view should take well under 16 ms, and "Master List" (the attendance view
// rebuilt and its first page drawn) no more than IndexAttend alone plus one page.

#include "BenchData.h"
#include "data/InfoFile.h"
#include "reportwindow/PreviewPage.h"
#include "reportwindow/ReportWindow.h"
#include "reportwindow/ViewOptions.h"
#include "views/AttendanceViews.h"
#include "views/Indexes.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace fennick::bench {
namespace {

BenchApp& Shared() {
    static BenchApp b;
    return b;
}

// The shared file with the crusade's default vocabularies (decision titles for the marks,
// weekdays and times for the interview layout).
App& Prepared() {
    static App& app = []() -> App& {
        App& a = Shared().app;
        SetDefaultInfo(a);
        a.settings.CrusadeName = QStringLiteral("Bench");
        return a;
    }();
    return app;
}

void BM_PreviewPage(benchmark::State& state) {
    App& app = Prepared();
    IndexAttend(app);
    const int count = app.view.ReportCount;
    int top = 1;
    for (auto _ : state) {
        const PreviewPage page = showScrollInfo(app, PageOptions{top});
        benchmark::DoNotOptimize(page.lines.size());
        top = (top + 997) % count + 1;
    }
    state.counters["entries"] = count;
}
BENCHMARK(BM_PreviewPage)->Apply([](auto* b) { Timed(b); });

void BM_IndexAttend(benchmark::State& state) {
    App& app = Prepared();
    for (auto _ : state) {
        IndexAttend(app);
        benchmark::DoNotOptimize(app.view.ReportCount);
    }
    state.counters["entries"] = app.view.ReportCount;
}
BENCHMARK(BM_IndexAttend)->Apply([](auto* b) { Timed(b); });

void BM_MasterList(benchmark::State& state) {
    App& app = Prepared();
    PrintReportsState w;
    w.optSortOpt = kSortAttend;
    for (auto _ : state) {
        MasterListButton_Click(app, w);
        benchmark::DoNotOptimize(w.Info.size());
    }
    state.counters["entries"] = app.view.ReportCount;
}
BENCHMARK(BM_MasterList)->Apply([](auto* b) { Timed(b); });

// "Mail List Only" ticked on the alphabetical view: the view narrowed to the mail list in
// place and its first page drawn (the alphabetical view is rebuilt outside the timing).
void BM_MailListOnly(benchmark::State& state) {
    App& app = Prepared();
    for (auto _ : state) {
        state.PauseTiming();
        IndexAlpha(app);
        PrintReportsState w;
        w.BaseMLFilter = app.view.ReportKind;
        state.ResumeTiming();
        SetChkMailOpt(app, w, true);
        benchmark::DoNotOptimize(w.Info.size());
    }
    state.counters["entries"] = app.view.ReportCount;
}
BENCHMARK(BM_MailListOnly)->Apply([](auto* b) { Timed(b); });

}  // namespace
}  // namespace fennick::bench

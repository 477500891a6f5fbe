// The current view over 9,999 records: opening the data file, the alphabetical view, the
// comb sort alone, and every builder of the attendance, team, visitation and baptism
// views. No builder should take more than twice as long as IndexAlpha.

#include "BenchData.h"
#include "data/DataStore.h"
#include "views/AttendanceViews.h"
#include "views/Indexes.h"
#include "views/VisitationViews.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <random>
#include <vector>

namespace fennick::bench {
namespace {

BenchApp& Shared() {
    static BenchApp b;
    return b;
}

void BM_OpenDataFile(benchmark::State& state) {
    BenchApp& b = Shared();
    for (auto _ : state) {
        CloseDataFile(b.app);
        OpenDataFile(b.app);
        benchmark::DoNotOptimize(b.app.crusade.RecCount);
    }
}
BENCHMARK(BM_OpenDataFile)->Apply([](auto* b) { Timed(b); });

void BM_SortIndexAlone(benchmark::State& state) {
    BenchApp& b = Shared();
    IndexAlpha(b.app);
    QList<QByteArray> shuffled = b.app.view.ReportIndex;
    std::shuffle(shuffled.begin() + 1, shuffled.end(), std::mt19937(7));
    for (auto _ : state) {
        state.PauseTiming();
        b.app.view.ReportIndex = shuffled;
        b.app.view.ReportIndex.detach();
        state.ResumeTiming();
        SortIndex(b.app);
    }
    state.counters["entries"] = b.app.view.ReportCount;
}
BENCHMARK(BM_SortIndexAlone)->Apply([](auto* b) { Timed(b); });

// Runs one builder over the shared file and counts the entries it made.
void RunBuilder(benchmark::State& state, const std::function<void(App&)>& build) {
    BenchApp& b = Shared();
    for (auto _ : state) {
        build(b.app);
        benchmark::DoNotOptimize(b.app.view.ReportCount);
    }
    state.counters["entries"] = b.app.view.ReportCount;
}

// Puts a kind in place so that a builder that reads its number from it finds one.
std::function<void(App&)> FromKind(const char* kind, const std::function<void(App&)>& build) {
    return [kind, build](App& app) {
        app.view.ReportKind = QString::fromLatin1(kind);
        build(app);
    };
}

void AnswerAtLeast(App& app) {
    app.hooks.showAttendanceFilters = [&app] { app.msg.ScratchVar = QStringLiteral("atleast"); };
}

const struct {
    const char* name;
    std::function<void(App&)> build;
} kBuilders[] = {
    {"IndexAlpha", IndexAlpha},
    {"IndexAlphaCutoff", IndexAlphaCutoff},
    {"IndexDeleted", IndexDeleted},
    {"IndexTotalAttend",
     [](App& app) {
         app.view.FilterChoice = QStringLiteral("atleast");
         IndexTotalAttend(app, false);
     }},
    {"IndexTotalAttendByTeam",
     [](App& app) {
         AnswerAtLeast(app);
         IndexTotalAttendByTeam(app);
     }},
    {"IndexAttend", IndexAttend},
    {"IndexAttendNight", FromKind("attendnight20", [](App& app) { IndexAttendNight(app, false); })},
    {"IndexMissedMeetings", FromKind("missednight03", [](App& app) { IndexMissedMeetings(app, false); })},
    {"IndexTeamAttend", IndexTeamAttend},
    {"IndexSelectedTeam",
     [](App& app) {
         QString team = QStringLiteral("07");
         IndexSelectedTeam(app, team, QString());
     }},
    {"IndexTeamAlpha", IndexTeamAlpha},
    {"IndexNeedInterview", [](App& app) { IndexNeedInterview(app, false); }},
    {"IndexNeedInterviewByTeam", [](App& app) { IndexNeedInterview(app, true); }},
    {"IndexNeedBaptismDate", IndexNeedBaptismDate},
    {"IndexFutureBaptismDate", IndexFutureBaptismDate},
    {"IndexInterviewRemaining", IndexInterviewRemaining},
    {"IndexBaptismClass", IndexBaptismClass},
    {"IndexInterestCards", IndexInterestCards},
    {"IndexBaptismDate", IndexBaptismDate},
};

[[maybe_unused]] const bool kRegistered = [] {
    for (const auto& b : kBuilders)
        Timed(benchmark::RegisterBenchmark(b.name, [&b](benchmark::State& state) { RunBuilder(state, b.build); }));
    return true;
}();

}  // namespace
}  // namespace fennick::bench

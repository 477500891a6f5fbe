// The mail, address and zip views, the views by person attributes, the decision view and
// the zip table rebuild over 9,999 records. No builder should take more than twice as long
// as IndexAlpha (ViewBench.cpp), the second passes of the duplicate and clean-up views
// included.

#include "BenchData.h"
#include "views/Indexes.h"
#include "views/MailViews.h"
#include "views/PersonViews.h"
#include "views/ZipRebuild.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace fennick::bench {
namespace {

// The generated crusade with the settings these views read.
App& Crusade() {
    static BenchApp b;
    static const bool configured = [] {
        CrusadeSettings& s = b.app.settings;
        s.SermonTitles[6] = QStringLiteral("The Sabbath");
        s.ReligionNames[1] = QStringLiteral("Baptist");
        s.ReligionNames[2] = QStringLiteral("Catholic");
        s.ReligionNames[3] = QStringLiteral("SDA");
        for (int d = 1; d <= 9; ++d) s.DecisionCodes[size_t(d)] = QString(QChar(u'A' + d));
        b.dialogs.questionAnswer = AnsYes;
        return true;
    }();
    (void)configured;
    return b.app;
}

// Puts a kind in place so that the decision view finds its decision there.
std::function<void(App&)> Decision(int d) {
    return [d](App& app) {
        app.view.ReportKind = QStringLiteral("decisions%1").arg(d);
        IndexDecisions(app, false);
    };
}

std::function<void(App&)> WithText(void (*build)(App&, const QString&), const char* text) {
    return [build, text](App& app) { build(app, QString::fromLatin1(text)); };
}

const struct {
    const char* name;
    std::function<void(App&)> build;
} kBuilders[] = {
    {"IndexMailList", IndexMailList},
    {"IndexDuplicateAddresses/All", WithText(IndexDuplicateAddresses, "All")},
    {"IndexDuplicateAddresses/LastName", WithText(IndexDuplicateAddresses, "last name")},
    {"IndexDuplicateAddresses/Team", WithText(IndexDuplicateAddresses, "team error")},
    {"IndexCleanMailList", IndexCleanMailList},
    {"IndexZip", IndexZip},
    {"RebuildZipTable", RebuildZipTable},
    {"IndexNotes", IndexNotes},
    {"IndexReligion/All", WithText(IndexReligion, "")},
    {"IndexReligion/Other", WithText(IndexReligion, "Other")},
    {"IndexChurchMembers", IndexChurchMembers},
    {"IndexNeedSabbathVisit", IndexNeedSabbathVisit},
    {"IndexAge", IndexAge},
    {"IndexInterest", WithText(IndexInterest, "")},
    {"IndexInterest/ByTeam", WithText(IndexInterest, "TC")},
    {"IndexNoInterest", IndexNoInterest},
    {"IndexPreMeeting", IndexPreMeeting},
    {"IndexAdvertising", IndexAdvertising},
    {"IndexMapCode", IndexMapCode},
    {"IndexBaptisms/ByTeam", WithText(IndexBaptisms, "TC")},
    {"IndexMarked", IndexMarked},
    {"IndexDecisions/2", Decision(2)},
    {"IndexDecisions/9ByLevel", Decision(9)},
};

[[maybe_unused]] const bool kRegistered = [] {
    for (const auto& b : kBuilders)
        benchmark::RegisterBenchmark(b.name,
                                     [&b](benchmark::State& state) {
                                         App& app = Crusade();
                                         for (auto _ : state) {
                                             b.build(app);
                                             benchmark::DoNotOptimize(app.view.ReportCount);
                                         }
                                         state.counters["entries"] = app.view.ReportCount;
                                     })
            ->Unit(benchmark::kMillisecond)
            // With repetitions also the fastest run, the figure least disturbed by other work.
            ->ComputeStatistics("min",
                                [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
    return true;
}();

}  // namespace
}  // namespace fennick::bench

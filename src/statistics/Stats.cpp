#include "statistics/Stats.h"

#include "data/App.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Busy.h"
#include "statistics/CrusadeTallies.h"
#include "statistics/StatsPrintout.h"
#include "statistics/StatsReport.h"
#include "statistics/StatsScreen.h"

namespace fennick {

namespace {

// Marks a statistics run on the window for as long as it lasts.
class RunOnWindow {
public:
    explicit RunOnWindow(StatsScreen* w) : w_(w) {
        if (w_) ++w_->runs;
    }
    ~RunOnWindow() {
        if (w_) --w_->runs;
    }
    RunOnWindow(const RunOnWindow&) = delete;
    RunOnWindow& operator=(const RunOnWindow&) = delete;

private:
    StatsScreen* w_;
};

}  // namespace

StatsScreen* StatsWindow(App& app) {
    return app.hooks.statsWindow ? app.hooks.statsWindow() : nullptr;
}

void Stats(App& app, int mode) {
    StatsScreen* window = mode == kStatsFileOnly ? nullptr : StatsWindow(app);
    RunOnWindow run(window);

    CrusadeTallies t;
    {
        BusyGuard busy(app.platform.busy);
        t = CrusadeStatisticsPass(app);
    }
    if (mode == kStatsFileOnly) return;

    if (window) {
        Printer& surface = window->beginReport(StatsScreen::Report::Statistics);
        DrawStatsReport(surface, app.settings, t);
        window->endReport();
    }
    if (mode == kStatsOnWindow) return;

    if (!PrintStatsReport(app, t)) return;
    app.msg.MsgText = QStringLiteral("Stats");
    Stats(app, kStatsOnWindow);
}

void mnuStats_Click(App& app, MainScreen& form) {
    SaveCurrentRecord(app, form);
    if (StatsScreen* w = StatsWindow(app)) w->ShowingStats = true;
    Stats(app, kStatsOnWindow);
}

void ShowCrusadeStatistics(App& app) {
    if (StatsScreen* w = StatsWindow(app)) w->ShowingStats = true;
    Stats(app, kStatsOnWindow);
}

}  // namespace fennick

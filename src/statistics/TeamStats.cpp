#include "statistics/TeamStats.h"

#include "data/App.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Busy.h"
#include "statistics/StatDataFile.h"
#include "statistics/Stats.h"
#include "statistics/StatsScreen.h"
#include "statistics/TeamPrintout.h"
#include "statistics/TeamReport.h"
#include "statistics/TeamTallies.h"

namespace fennick {

void TeamStats(App& app, int mode, StatDataWriter* file) {
    if (mode == kStatsFileOnly) {
        if (file) WriteTeamLines(*file, app.settings, TeamStatisticsPass(app));
        return;
    }
    StatsScreen* window = StatsWindow(app);
    RunOnWindow run(window);

    TeamTallies t;
    {
        BusyGuard busy(app.platform.busy);
        t = TeamStatisticsPass(app);
    }
    if (mode == kStatsOnWindow) {
        if (window) {
            Printer& surface = window->beginReport(StatsScreen::Report::Visitation);
            DrawTeamReport(surface, app.settings, t);
            window->endReport();
        }
        app.msg.MsgText = QStringLiteral("TeamStats");
        return;
    }

    if (!PrintTeamReport(app, t)) return;
    TeamStats(app, kStatsOnWindow);
}

void ShowTeamStats(App& app, MainScreen& form) {
    SaveCurrentRecord(app, form);
    if (StatsScreen* w = StatsWindow(app)) w->ShowingStats = false;
    TeamStats(app, kStatsOnWindow);
}

}  // namespace fennick

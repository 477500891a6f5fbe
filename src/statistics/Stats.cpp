#include "statistics/Stats.h"

#include "data/App.h"
#include "data/Messages.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Busy.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "statistics/CrusadeTallies.h"
#include "statistics/StatDataFile.h"
#include "statistics/StatsPrintout.h"
#include "statistics/StatsReport.h"
#include "statistics/StatsScreen.h"
#include "statistics/TeamStats.h"

#include <QDir>

namespace fennick {

StatsScreen* StatsWindow(App& app) {
    return app.hooks.statsWindow ? app.hooks.statsWindow() : nullptr;
}

namespace {

// The pass over the data file under the hourglass; with file, the lines of the
// statistics data file too, the visitation team pass's with them.
CrusadeTallies StatisticsPass(App& app, StatDataWriter* file) {
    BusyGuard busy(app.platform.busy);
    CrusadeTallies t = CrusadeStatisticsPass(app);
    if (file) {
        WriteCrusadeLines(*file, app.settings, t, app.crusade);
        TeamStats(app, kStatsFileOnly, file);
    }
    return t;
}

// A statistics run; writeFile false leaves the data file as the run before it wrote it
// (the window's drawing after a printout, made from the same file).
bool RunStats(App& app, int mode, bool writeFile) {
    StatsScreen* window = mode == kStatsFileOnly ? nullptr : StatsWindow(app);
    RunOnWindow run(window);

    StatDataWriter file;
    const CrusadeTallies t = StatisticsPass(app, writeFile ? &file : nullptr);
    // A file that cannot be written is reported; the report still reaches the window and
    // the printer.
    const bool written = writeFile && SaveStatData(app, file);
    if (mode == kStatsFileOnly) return written;

    if (window) {
        Printer& surface = window->beginReport(StatsScreen::Report::Statistics);
        DrawStatsReport(surface, app.settings, t);
        window->endReport();
    }
    if (mode == kStatsOnWindow) return written;

    if (!PrintStatsReport(app, t)) return written;
    app.msg.MsgText = QStringLiteral("Stats");
    RunStats(app, kStatsOnWindow, false);
    return written;
}

}  // namespace

bool Stats(App& app, int mode) {
    return RunStats(app, mode, true);
}

void WriteStatsFile(App& app) {
    StatDataWriter file;
    StatisticsPass(app, &file);
    WriteStatData(app, file);
}

void mnuStats_Click(App& app, MainScreen& form) {
    SaveCurrentRecord(app, form);
    if (StatsScreen* w = StatsWindow(app)) w->ShowingStats = true;
    Stats(app, kStatsOnWindow);
}

void mnuExcel_Click(App& app, MainScreen& form) {
    SaveCurrentRecord(app, form);
    // An old file must not pass for the current one.
    if (!Stats(app, kStatsFileOnly)) return;
    const QString folder = app.program.ProgramDir;
    const int result = app.platform.shell.open(QDir(folder).filePath(kStatsWorkbookName), folder);
    if (result == kShellFileNotFound) {
        app.dialogs().msgBox(kStatsWorkbookName + QStringLiteral(" was not found.") + NewLine +
                             QStringLiteral("Please copy the file to the ") + QDir::toNativeSeparators(folder) +
                             QStringLiteral(" folder and try again"));
    } else if (result == kShellNoAssociation) {
        app.dialogs().msgBox(QStringLiteral("No spreadsheet program was found on this computer.  You must install a "
                                            "spreadsheet program in order to run this option."));
    }
}

void ShowCrusadeStatistics(App& app) {
    if (StatsScreen* w = StatsWindow(app)) w->ShowingStats = true;
    Stats(app, kStatsOnWindow);
}

}  // namespace fennick

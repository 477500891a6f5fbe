#pragma once
// The crusade statistics command: one pass over the data file, which rewrites the
// statistics data file, then, by mode, the statistical report on the statistics window and
// on the printer.

#include <QString>

namespace fennick {

class App;
class MainScreen;
class StatsScreen;

// Modes of Stats. Any mode other than these counts as kStatsPrinted.
inline constexpr int kStatsOnWindow = 0;
inline constexpr int kStatsPrinted = -1;  // the window, the printed page, the window again
inline constexpr int kStatsFileOnly = 9;  // the pass only: no window, nothing drawn or printed

// The statistics run. The hourglass shows over the pass and the visitation team pass,
// whose counts go with the crusade's into the statistics data file. In the window modes
// the window is shown and the report drawn once on its cleared surface; the printed mode
// then prints the page and, when it was printed, runs again on the window. Cancel in the
// printer dialog, or a printer error, ends the run there without a message of its own (a
// page that could not be delivered is told by the printer's end). A data file that cannot
// be written is told once and the report goes on; returns whether the file was written.
bool Stats(App& app, int mode);

// The pass and the statistics data file only, for a command that tells a failure in its
// own closing message: no window and no message. Throws VbError when the file cannot be
// written (any earlier file stays as it was).
void WriteStatsFile(App& app);

// The statistics window, made on first use but not shown by this; null where there is no
// window (app.hooks.statsWindow unset).
StatsScreen* StatsWindow(App& app);

// "&Statistics" of the main window and its toolbar button: saves the shown record, then
// the statistics on the window.
void mnuStats_Click(App& app, MainScreen& form);

// The user's statistics workbook, in the program folder.
inline const QString kStatsWorkbookName = QStringLiteral("FennickStatsPackage.xls");

// "Open &Excel Charts" and the toolbar's Chart button: saves the shown record, writes the
// statistics data file and opens the workbook with the program the desktop gives it, in
// the program folder. A file that could not be written opens nothing.
void mnuExcel_Click(App& app, MainScreen& form);

// The report window's statistics command: the statistics on the window.
void ShowCrusadeStatistics(App& app);

}  // namespace fennick

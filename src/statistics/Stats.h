#pragma once
// The crusade statistics command: one pass over the data file, then, by mode, the
// statistical report on the statistics window and on the printer.

namespace fennick {

class App;
class MainScreen;
class StatsScreen;

// Modes of Stats. Any mode other than these counts as kStatsPrinted.
inline constexpr int kStatsOnWindow = 0;
inline constexpr int kStatsPrinted = -1;  // the window, the printed page, the window again
inline constexpr int kStatsFileOnly = 9;  // the pass only: no window, nothing drawn or printed

// The statistics run. The hourglass shows over the pass. In the window modes the window
// is shown and the report drawn once on its cleared surface; the printed mode then prints
// the page and, when it was printed, runs again on the window. Cancel in the printer
// dialog, or a printer error, ends the run there without a message.
void Stats(App& app, int mode);

// The statistics window, made on first use but not shown by this; null where there is no
// window (app.hooks.statsWindow unset).
StatsScreen* StatsWindow(App& app);

// "&Statistics" of the main window and its toolbar button: saves the shown record, then
// the statistics on the window.
void mnuStats_Click(App& app, MainScreen& form);

// The report window's statistics command: the statistics on the window.
void ShowCrusadeStatistics(App& app);

}  // namespace fennick

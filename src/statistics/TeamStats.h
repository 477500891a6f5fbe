#pragma once
// The visitation report command: its own pass over the data file (TeamStatisticsPass),
// then, by mode, the report on the statistics window, on the printer, or the team lines
// of the statistics data file that a statistics run is building.

namespace fennick {

class App;
class MainScreen;
class StatDataWriter;

// The run by mode (the modes of Stats): kStatsOnWindow draws the report once on the
// window's cleared surface and leaves "TeamStats" in MsgText; kStatsFileOnly appends the
// team lines to file and shows nothing; any other mode prints the page and, when it was
// printed, runs again on the window (Cancel or a printer error ends it silently; a page
// that could not be delivered is told by the printer's end).
void TeamStats(App& app, int mode, StatDataWriter* file = nullptr);

// The visitation report on the window: the shown record is saved first.
void ShowTeamStats(App& app, MainScreen& form);

}  // namespace fennick

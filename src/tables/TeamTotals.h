#pragma once
// The team totals of the "Workers" window beside the zip-code editor: per visitation team,
// the sum of the address counts of its zip codes.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>

namespace fennick {

class App;
struct Crusade;

// Address counts per team 0..40, summed over entries 1..ZipCount by the numeric value of
// each team code: one that is no number ("##", blanks) counts for team 0, one outside
// 0..40 is left out.
std::array<int, 41> TeamTotals(const Crusade& c);

struct TeamTotalRow {
    int team = 0;
    QString name;   // "Unassigned" for team 0, else the team's stored text
    QString count;  // the total right-aligned in four
};
// The window's rows: "Unassigned" first, then every team 1..40 with a total, in team order.
QList<TeamTotalRow> TeamTotalRows(const App& app);

// Where the totals window stands beside the zip-code editor. Frames are given with title bar
// and borders, on the screen; the result is the totals' frame, always within room (the title
// bar first when the window is taller than the room). The totals stand right of the editor,
// level with it; else left of it; else below or above it, shortened to the room there but
// to no less than a third of their height; with no room clear of the editor, at the right
// edge of the room: the editor in front of them covers the names at their left before the
// counts at their right.
QRect PlaceTeamTotals(const QRect& room, const QRect& editor, const QSize& totals);
// Where a zip-code editor that opens stands: the editor and its totals side by side, as a pair
// centred in room, the editor at the left. The top left corner of the editor's frame.
QPoint PlaceZipEditor(const QRect& room, const QSize& editor, const QSize& totals);

}  // namespace fennick

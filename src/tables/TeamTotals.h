#pragma once
// The team totals of the "Workers" window beside the zip-code editor: per visitation team,
// the sum of the address counts of its zip codes.

#include <QList>
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

}  // namespace fennick

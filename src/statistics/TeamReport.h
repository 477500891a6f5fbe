#pragma once
// The visitation report on the statistics window: a table in millimetres with a row for
// each of teams 0..21 that has names, four total lines and the ruling lines, drawn with
// the print position in the window's own font; a long team name is cut before its rule.
// Teams past 21 need the printer.

#include <QString>

namespace fennick {

class Printer;
struct CrusadeSettings;
struct TeamTallies;

// Draws the report on the surface as it stands (the caller clears it first).
void DrawTeamReport(Printer& surface, const CrusadeSettings& settings, const TeamTallies& t);

// What both visitation reports share:
// the team number in two digits ("00".."40");
QString TeamNumber2(int team);
// the team's name: its entry up to the first ":", the whole entry when it has none;
QString TeamDisplayName(const CrusadeSettings& settings, int team);
// part x 100 / whole rounded to a whole number, halves up, as digits; "0" when whole is 0.
QString Percent(qint64 part, qint64 whole);

}  // namespace fennick

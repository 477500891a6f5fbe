#pragma once
// The statistical report on the statistics window: three columns of text at fixed places
// in millimetres, drawn with the print position on the window's surface in the window's
// own font. Column 1: attendance by meeting and the spread of nights attended; column 2:
// religion, advertising, interviews and baptism dates; column 3: totals, decisions and
// age groups.

#include <QString>

namespace fennick {

class Printer;
struct CrusadeSettings;
struct CrusadeTallies;

// Draws the report on the surface as it stands (the caller clears it first).
void DrawStatsReport(Printer& surface, const CrusadeSettings& settings, const CrusadeTallies& t);

// What both statistical reports share:
// the meetings reported, LastMeeting kept within 0..40;
int ReportedMeetings(const CrusadeSettings& settings);
// the lowest n of the spread of nights attended (which runs from the last meeting down
// to it, at most five lines);
int SpreadLow(int lastMeeting);
// the label of the spread line for n nights attended;
QString SpreadLabel(int lastMeeting, int n);
// the average age of night k under "##", or "na".
QString AverageAgeCell(const CrusadeTallies& t, int k);

}  // namespace fennick

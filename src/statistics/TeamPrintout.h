#pragma once
// The printed visitation report: one page in centimetres with the crusade's title and
// today's date, two heading rows, a row for every team 0..40 that has names (an empty
// line after every third row), the column rules, four total lines and two notes at the
// foot. It uses the fonts of the printed statistical report.

#include <QString>

namespace fennick {

class App;
class Printer;
struct CrusadeSettings;
struct TeamTallies;

// Draws the page on the printer's current document; dateText is the title line's date.
// The document is left open.
void PrintTeamPage(Printer& printer, const CrusadeSettings& settings, const TeamTallies& t, const QString& dateText);

// The printer dialog, then the page, delivered once and whole (see PrintStatisticsPage).
// Cancel, or an error from the printer, drops the document and ends it silently with
// false (a page that could not be delivered is told by the printer's end).
bool PrintTeamReport(App& app, const TeamTallies& t);

}  // namespace fennick

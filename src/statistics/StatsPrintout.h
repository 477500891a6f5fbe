#pragma once
// The printed statistical report: one page in centimetres with the crusade's title and
// today's date over a rule, a summary block and the meeting table in the left column,
// the age, religion, advertising and decision blocks in the right column, and two notes
// at the foot. It makes its own two fonts.

#include <QString>

#include <functional>

namespace fennick {

class App;
class Printer;
struct CrusadeSettings;
struct CrusadeTallies;

// The title font "Arial" 16 and the body font "Times New Roman" 10.
struct PrinterFont;
const PrinterFont& StatsTitleFont();
const PrinterFont& StatsBodyFont();

// Draws the page on the printer's current document; dateText is the title line's date.
// The document is left open.
void PrintStatsPage(Printer& printer, const CrusadeSettings& settings, const CrusadeTallies& t,
                    const QString& dateText);

// The print step of a statistics run: the printer dialog, then the page on the printer
// or PDF file chosen there (one copy, whatever the dialog said), with today's date from
// the clock left in MsgText. Returns true when the page was delivered. Cancel, or an error
// from the printer, ends it silently with false (a page that could not be delivered is
// told by the printer's end); the document begun is dropped either way, so nothing of it
// reaches the next printout.
bool PrintStatsReport(App& app, const CrusadeTallies& t);

// The print step shared by the statistics pages: the printer dialog, then draw(printer,
// date) on one page delivered as above. Returns true when the page was delivered.
bool PrintStatisticsPage(App& app, const std::function<void(Printer&, const QString& dateText)>& draw);

}  // namespace fennick

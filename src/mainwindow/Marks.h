#pragma once
// The marks of the records ("Mark to Print", MarkToVisit) set and cleared in bulk, and the
// meeting cut-off (PrintCutOff) that most views apply. The window wires its Tools, Filters
// and Print Reports items to these functions.

#include <QString>

namespace fennick {

class App;
class MainScreen;

// Tools, Mark all Displayed Records: the shown record is saved (written only when it was
// edited), every record of the current view is marked (-1) in the data file and the record
// at the view position is shown again. An empty view changes nothing. A pass stopped part
// way ends with one message: how many records it marked, those it did not, and that
// running it again is safe. Clear Markers and Clear Selection Marks tell a stop alike.
void mnuMarkMarkers_Click(App& app, MainScreen& form);

// Tools, Clear Markers: the shown record is saved, the mark of every record of the data
// file (deleted ones too) is cleared and the first name of the view is shown.
void mnuClearMark_Click(App& app, MainScreen& form);

// Filters, Clear Selection Marks: as Clear Markers, then the hint label is hidden and the
// user is told.
void mnuClearMarks_Click(App& app, MainScreen& form);

// Print Reports, Meeting Cut Off Point: asks for the cut-off. An empty answer (or Cancel)
// changes nothing; an answer that is not a whole number from 0 to LastMeeting - 1 is
// refused with a message and the cut-off kept. An accepted cut-off is shown in the menu
// item's caption.
void mPrCut_Click(App& app, MainScreen& form);

}  // namespace fennick

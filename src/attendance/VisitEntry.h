#pragma once
// Visit entry on the main window: the frame "Update Visits" holds one visit code and one
// interest level that its Update button (or each search hit, with "Auto Update" ticked)
// applies to the record shown, so that a visitation team's report is typed person after
// person. Edit, Enter Visits shows and hides the frame. A double click in the frame's visit
// box opens the visit-code window for the code's letter and meeting.

namespace fennick {

class App;
class MainScreen;

// Shows the frame and its boxes, or hides them and switches "Auto Update" off; the menu
// item's check mark follows. Showing the frame applies nothing.
void mnuVisits_Click(App& app, MainScreen& form);
void frameVisit_DblClick(App& app, MainScreen& form);
// The visit-code window for the box's letter; its answer (letter and meeting, "H7") goes
// back into the box, whose leave rule makes it a code ("h07").
void boxVisitVisits_DblClick(App& app, MainScreen& form);

}  // namespace fennick

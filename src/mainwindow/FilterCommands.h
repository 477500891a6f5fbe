#pragma once
// The Filters menu of the main window. Each view command saves the record on the screen,
// has a view builder replace the current view, shows the first name of the new view with
// the fields the view is keyed on highlighted, shows the "All Names" button (ShowAll) and
// tells the user what the list now holds. A view that comes out empty is reported and the
// window goes back to all names; a cancelled question leaves the view as it was. A double
// click on the view's title (EditLabel) runs the command of the view before again.
//
// The window wires its menu items to these functions, or runs them by name.

#include <QString>
#include <QStringList>

namespace fennick {

class App;
class MainScreen;

void mnuAlphaCutOffFilter_Click(App& app, MainScreen& form);
void mnuSelTeamCode_Click(App& app, MainScreen& form);
void mnuWCAlpha_Click(App& app, MainScreen& form);
void mnuAttendFilter_Click(App& app, MainScreen& form);
void mnuFilterSelMtg_Click(App& app, MainScreen& form);
void mnuFilterMissedMtgs_Click(App& app, MainScreen& form);
// While IndexBuilt is set (a printed report uses the view) the view is shown as it stands.
void mnuTotalAttend_Click(App& app, MainScreen& form);
void mnuAdvFilter_Click(App& app, MainScreen& form);
void mnuAgeFilter_Click(App& app, MainScreen& form);
void mnuBaptisms_Click(App& app, MainScreen& form);
void mnuBapDate_Click(App& app, MainScreen& form);
void mnuDecisionsFilter_Click(App& app, MainScreen& form);
void mnuAddressFilter_Click(App& app, MainScreen& form);
void mnuIntLevel_Click(App& app, MainScreen& form);
void mnuMailList_Click(App& app, MainScreen& form);
void mnuNeedInterview_Click(App& app, MainScreen& form);
void mnuNotes_Click(App& app, MainScreen& form);
void munPre_Click(App& app, MainScreen& form);
void mnuReligion_Click(App& app, MainScreen& form);
void mnuZips_Click(App& app, MainScreen& form);
void mnuMarked_Click(App& app, MainScreen& form);

// Runs the view of PrevReportKind again; nothing after an alphabetical view, all names
// after a view that has no command of its own.
void EditLabel_DblClick(App& app, MainScreen& form);
// The Filters menu item that EditLabel_DblClick runs for a previous view kind: empty for
// none, "ShowAll" for the return to all names.
QString CommandForPreviousView(const QString& prevReportKind);

// Runs the Filters menu item of that name (the view commands above, "mnuAllAlpha" and
// "mnuClearMarks"); false when no item has that name.
bool RunFilterCommand(App& app, MainScreen& form, const QString& menuName);
// The view commands above by their menu item names, in menu order.
QStringList FilterViewCommands();

}  // namespace fennick

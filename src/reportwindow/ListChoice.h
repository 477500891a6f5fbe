#pragma once
// The report window's list choice: its six list menus, the row of list buttons, the
// column of decision or church options and the team buttons. Every choice runs the
// steps it needs first (Teams refused or off, decisions cleared, Mail List Only off),
// one view builder, the preview, and leaves its one-line explanation in txtInstructions.

#include "reportwindow/PrintReportsState.h"

#include <QList>
#include <QString>

namespace fennick {

class App;

// One list of the menus or the list buttons, by its control's name.
struct ListCommand {
    const char* control;
    void (*run)(App& app, PrintReportsState& w);
};
// Every menu item and list button that chooses a list, in menu order, then the buttons.
const QList<ListCommand>& ListCommands();
// Runs the list of that control; false when there is none.
bool RunListCommand(App& app, PrintReportsState& w, const QString& control);

// The lists other rules reuse.
void btnBaptisms_Click(App& app, PrintReportsState& w);
void PVInterestLevel_Click(App& app, PrintReportsState& w);
void MnuInterview_Click(App& app, PrintReportsState& w);
void mnuDupAddTeam_Click(App& app, PrintReportsState& w);
// The list of all teams in the chosen order.
void PViewWCAttend_Click(App& app, PrintReportsState& w);

// Switches the option column between the decisions and the churches, and shows the list
// of decision 1 or of all churches.
void PVDecisions_Click(App& app, PrintReportsState& w);
// Option i of the column: the church's or the decision's list.
void btnSelect_Click(App& app, PrintReportsState& w, int index);
// Switches the team buttons between teams 0-20 and 21-40.
void btnTeamSel_Click(PrintReportsState& w);
// Team button i: that team's list (button 21: the master list).
void btnTeam_Click(App& app, PrintReportsState& w, int index);
// The list of team t (0..40) in the chosen order, titled by its TeamNames entry.
void ShowTeamList(App& app, PrintReportsState& w, int team);
// The title of a team's list from its TeamNames entry, without the count.
QString TeamListTitle(const QString& entry, int team, const QString& number);

inline const QString kCleanUpHint = QStringLiteral(
    "(ML) indicates Mail List----  T = xx is Total Meetings attended and L = xx is the last meeting atttended.");
inline const QString kTeamEmptyText = QStringLiteral(
    "There are no names in this filter to view.\r\nEither select a lower Cut Off point or a different Team Code.");

}  // namespace fennick

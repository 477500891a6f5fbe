#pragma once
// The report window's options that narrow or reshape the list on view: Mail List Only,
// the meeting cut-off with its Disable box, Teams, Mail Labels, Include 'F' and the sort
// order. Changing one rebuilds the list through SelectFilter, which re-runs the builder
// that made it, and previews it again.
//
// A box or option set from code runs its Click rule exactly once, as a user's click does,
// and only when its value changes (the Set... procedures); the list choices rely on it.

#include "reportwindow/PrintReportsState.h"

#include <QString>

namespace fennick {

class App;

// Rebuilds the view of BaseMLFilter with the options as they stand; does not preview. A
// kind that cannot be rebuilt keeps the view and is titled "Need a Filter".
void SelectFilter(App& app, PrintReportsState& w);
// Narrows the current view to the live names on the mail list. The entries keep their
// order and their characters (the page and the printouts read them); ReportKind stays.
void GetHeadOfHouse(App& app);

// The Click rules, each run after its box or option took its new value.
void chkMailOpt_Click(App& app, PrintReportsState& w, int index);
void chkDisableCutoff_Click(App& app, PrintReportsState& w);
void PrintCutOffBox_Change(App& app, PrintReportsState& w);
void chkTeam_Click(App& app, PrintReportsState& w);
void chkPrnMailLabels_Click(App& app, PrintReportsState& w);
void CkIncludeF_Click(App& app, PrintReportsState& w);
void optSortOpt_Click(App& app, PrintReportsState& w, int index);

// Setting a box from code (or from the window after a click): the Click rule runs when
// the value changed.
void SetChkMailOpt(App& app, PrintReportsState& w, bool ticked);
void SetChkDisableCutoff(App& app, PrintReportsState& w, bool ticked);
void SetChkTeam(App& app, PrintReportsState& w, bool ticked);
void SetChkPrnMailLabels(App& app, PrintReportsState& w, bool ticked);
void SetCkIncludeF(App& app, PrintReportsState& w, bool ticked);
// Selecting a sort option runs its rule (a selected option is not selected again).
void SetOptSortOpt(App& app, PrintReportsState& w, int index);
// New text for the cut-off box: a whole number from 0 to 40, or empty for 0. Other text
// is refused (false) and the box keeps its value; a changed value runs the Change rule.
bool SetPrintCutOffBox(App& app, PrintReportsState& w, const QString& text);

// The list kinds the Teams box reshapes, and the refusal for the others.
bool HasTeamForm(const QString& kind);
inline const QString kNoTeamForm = QStringLiteral("Fennick does not print this list by Team");
inline const QString kNeedFilterTitle = QStringLiteral("Need a Filter");
inline const QString kConflictingTeamsTitle = QStringLiteral("Conflicting Team Assignments");
inline const QString kMailIndicator = QStringLiteral("Mail List for");
inline const QString kLabelIndicator = QStringLiteral("Print Mail Labels For");

}  // namespace fennick

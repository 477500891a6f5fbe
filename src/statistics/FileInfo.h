#pragma once
// Two quick counts of the main window, each in a message box: "File &Information" (the
// mail list and the interest levels) and "Count &Team Names" (the names of each
// visitation team). Both count the live records only, as every scan does.

#include <QString>

namespace fennick {

class App;
class MainScreen;

// The text of the "File Information" box: the crusade, its data file, the mail-list
// names and the names of interest levels A, B, C and G (baptized).
QString FileInformationText(App& app);
// The text of the "Worker Information" box: one line for each of teams 0..20, then one
// for each of teams 21..40 that has names. A team code that is not "00".."40" counts
// under team 0.
QString WorkerInformationText(App& app);

// The commands: the shown record is saved first and shown again afterwards.
void mnuInfo_Click(App& app, MainScreen& form);
void CountWorkers(App& app, MainScreen& form);

}  // namespace fennick

#pragma once
// The main window's report commands: the previews of its View Reports menu and toolbar,
// which build or name a view and open the report window on it, and the commands of its
// Print Reports menu, which call a report generator directly. Every command first saves
// the record on screen; a refused save stops it with nothing changed.
//
// A print command never opens the report window. However it ends (printed, cancelled,
// refused, an empty list) it ends with the return to the main window (ReturnToEditForm),
// so the main window never goes on in a view a generator built.

#include <QList>
#include <QString>

namespace fennick {

class App;
class MainScreen;

// --- Previews --------------------------------------------------------------------------

// "Master Alphabetical List": all names in alphabetical order.
void mnuPreAlpha_Click(App& app, MainScreen& form);
// "Master Attendance List": refused for a file of one record; the alphabetical view
// becomes the attendance view, any other view is previewed as it is.
void mnuPreviewFile_Click(App& app, MainScreen& form);
// The toolbar's PreV: the current view, when it has names.
void btnViewFile_Click(App& app, MainScreen& form);
// "Baptism List", "Interest Level", "Preview Mail List", "Duplicate Addresses": each
// builds its list first.
void mnuPreBap_Click(App& app, MainScreen& form);
void mnuPreInt_Click(App& app, MainScreen& form);
void mnuPreMailList_Click(App& app, MainScreen& form);
// The duplicate addresses are kept after the window closes.
void mnuPreAddress_Click(App& app, MainScreen& form);
// "Decisions": the decision picker chooses; a cancelled picker ends the command. The main
// window stays visible.
void mnuPreDec_Click(App& app, MainScreen& form);
// "Master by Zipcode List": the zip list; the main window stays visible.
void mnuPreZipMaster_Click(App& app, MainScreen& form);

// Print Reports, "Mail Labels": the report window on the current view with "Mail List
// Only" and "Mail Labels" ticked, in place of the main window.
void mnuPrMailLbl_Click(App& app, MainScreen& form);

// "Write Mail Merge File": the mail-merge export, once it exists.
void mnuMailMerge_Click(App& app, MainScreen& form);

// The preview commands by menu item or button name.
struct PreviewCommand {
    const char* item;
    void (*run)(App& app, MainScreen& form);
};
const QList<PreviewCommand>& PreviewCommands();

// --- Print commands --------------------------------------------------------------------

// A report generator: builds its own view (the report type chooses it) and prints it.
using ReportGenerator = void (*)(App& app, int& reportType);

// What a print command does before its generator runs.
enum class PrintFirst {
    Save,                  // saves the record on screen
    SaveUnlessIndexBuilt,  // ... only while no report uses the view as it stands
    SaveAndPickDecision,   // saves, then the decision picker chooses the report type
};

// One print command: its menu item, its first steps, the generator with its report type.
// A command whose generator is not built yet has none; its menu item stays disabled.
struct PrintCommand {
    const char* item;
    PrintFirst first;
    const char* generatorName;  // the generator's procedure
    int reportType;             // 0 for generators without one
    ReportGenerator generator;  // null while not built
};
const QList<PrintCommand>& PrintCommands();
const PrintCommand* FindPrintCommand(const QString& item);

// Runs one print command (a row of the table, or one made by a caller).
void RunPrintCommand(App& app, MainScreen& form, const PrintCommand& command);
// Runs the print command of that menu item; false when there is none or it is not built.
bool RunPrintCommand(App& app, MainScreen& form, const QString& item);

// Messages of the commands.
inline const QString kOnlyOneRecord = QStringLiteral(
    "There is only one record in this file.  You must add a name first before using this feature.");
inline const QString kInsufficientRecords =
    QStringLiteral("There are insufficient records in this file or filter.\r\nYou must add one more names to this "
                   "filter or file before using this feature.");

}  // namespace fennick

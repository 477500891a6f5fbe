#pragma once
// Adding names on the main window: add mode with its meeting prompt and its own layout,
// the three add-mode buttons (Save and New, Save and Exit, Cancel and Exit), the return
// to the normal layout ("Edit Mode"), copying the shown record into a new record, and
// the last-name box's lookup in the pre-registration file.
//
// The window wires its events to these functions.

#include <QString>

namespace fennick {

class App;
class MainScreen;

// Left in MsgText by a mouse-down on Save and Exit or Cancel and Exit: the number box's
// next leave, which comes before the click, skips its checks.
inline const QString kStopImport = QStringLiteral("StopImport");
// Left in MsgAnswer when the user chooses to stay in add mode.
inline const QString kDontExit = QStringLiteral("dontexit");

// Asks for the meeting the new names attend, saves the shown record and begins the
// first entry. A cancelled or refused meeting changes nothing (AddMode included). With
// no crusade in use yet the meeting is 1 and nothing is asked.
void mnuAddRecords_Click(App& app, MainScreen& form);
// Lays the window out for add mode and blanks it for one new name of the meeting shown
// in MtgNum.
void AddNewRecord(App& app, MainScreen& form);

// Saves the entry as a new record at the end of the file and of the view, then begins
// the next entry.
void btnSaveNew_Click(App& app, MainScreen& form);
// Saves the entry (asking first when it has no last name) and leaves add mode, showing
// the record just added.
void btnSaveExit_Click(App& app, MainScreen& form);
// Drops the entry after a question and leaves add mode; "dontexit" in MsgAnswer when the
// user chooses to stay.
void btnCancelNew_Click(App& app, MainScreen& form);
void btnSaveExit_MouseDown(App& app);
void btnCancelNew_MouseDown(App& app);

// Leaves add mode and restores the normal layout with the last record of the view.
void mnuEditMode_Click(App& app, MainScreen& form);

// Makes a new record of the shown one for another member of the household: a new
// registration number, no first name, no age, off the mail list; written at once.
// The record is copied as the save before this command left it.
void CopyCurrentRecord(App& app, MainScreen& form);
// Records, Copy to New Record: the shown record is saved, then copied.
void mnuCopy_Click(App& app, MainScreen& form);

// The last name as ProperFirstText gives it (trimmed; "Unknown" for a box of blanks or
// nothing); in add mode the pre-registration file fills in the person's details when it
// holds the typed names.
void LName_LostFocus(App& app, MainScreen& form);

// The pre-registration file of a data file: "pre_" and the data file's name less its
// last four characters, with ".dta", in the data file's folder.
QString PreRegistrationFileName(const QString& dataFile);
// How often the pre-registration file is tried before the lookup gives up with a message.
inline constexpr int kPreRegistrationAttempts = 3;

// Points the application's add-mode hooks (the empty view's start of add mode, the
// search box's copy, the close-down's cancel) at these commands on the main window.
void InstallAddModeHooks(App& app);

}  // namespace fennick

#pragma once
// Leaving the loaded crusade for another one while the program runs: File, "C&hange
// Meeting" and "&New Meeting" (one dialog, in which a name that does not exist may be
// typed) and the recent-file items of the File menu, which skip the dialog. The crusade
// chosen is looked for through FindCrusadeToOpen. An existing crusade is reopened with
// the repair pass; a new name is created, after a question, with the vocabularies of the
// crusade just closed and begins in add mode.
//
// The crusade loaded before is closed (its files written, or deleted after the warning
// when it was new and never got a record) only once the choice is made. A crusade that
// cannot be opened or created in three tries leaves the one loaded before opened again.

namespace fennick {

class App;
class MainScreen;

// "C&hange Meeting". When MsgText holds "skipDialog" (a recent file), ScratchVar names the
// data file and no dialog is shown; MsgText is emptied. A cancelled dialog leaves
// "cancel" in ScratchVar and changes nothing.
void mnuChgCr_Click(App& app, MainScreen& form);
// "&New Meeting": the same command.
void mnuNewCr_Click(App& app, MainScreen& form);
// A recent file of the File menu (index 1 to 4): the change without the dialog, then the
// recent-file items are filled again.
void mnuRecentFile_Click(App& app, MainScreen& form, int index);

}  // namespace fennick

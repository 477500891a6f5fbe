#pragma once
// Start-up: the program folder is prepared, then the start screen loads the crusade used
// last and offers "Last File", "New File" and "Exit".

#include "data/CrusadeFiles.h"

#include <QString>

#include <functional>

namespace fennick {

class App;
class MainScreen;
class StartScreen;

// The program's version information.
inline constexpr int kVersionMajor = FENNICK_VERSION_MAJOR;
inline constexpr int kVersionMinor = FENNICK_VERSION_MINOR;
inline constexpr int kVersionRevision = FENNICK_VERSION_PATCH;
inline const QString kCompanyName = QStringLiteral("Orvale Outreach Inc.");
inline const QString kProductComments =
    QStringLiteral("Keeps the names, attendance, visits and decisions of the people who come to a series of meetings.");
inline const QString kLegalCopyright =
    QStringLiteral("Copyright \u00A9 1995-2026 Orvale Outreach Inc. All rights reserved.");
inline const QString kPlatformText = QStringLiteral("For Linux desktops");

// "Version 2.5.86"
QString VersionText();

// The start-up steps before the start screen: the program folder becomes the current
// folder; a leftover "temp" folder is emptied and removed; the "data" folder is made when
// missing (with a message); leftover installer files are deleted. Nothing outside the
// program folder is touched.
void PrepareProgramFolder(App& app);

// True when a printer is installed. The start screen asks once and never prints.
using PrinterProbe = std::function<bool()>;

// The start screen's loading: version and title, the ini file, the greeting sound and
// the crusade used last, looked for through FindCrusadeToOpen (a replacement of its files
// cut off is ended first, and told). When there is none, or it cannot be loaded, the
// screen stays in its no-file state ("Last File" hidden) and FileIsOpen is False.
void frmSplash_Load(App& app, StartScreen& screen, const PrinterProbe& printerInstalled);

// "Last File": the repair pass over the loaded crusade. Returns true: the start screen
// is to close and the main window to open. Without a loaded crusade it returns false and
// the screen goes to its no-file state.
bool btnLastCrusade_Click(App& app, StartScreen& screen);

// "New File": the choice of SelectCrusade. On Cancelled the start screen stays, in its
// no-file state when the crusade chosen could not be opened (the loaded one was closed
// first); a VbError passes on after that.
CrusadeChoice btSelect_Click(App& app, StartScreen& screen);

// "Exit": the crusade is closed and the program ends (throws ProgramEnd); when the
// crusade's files cannot be written and the user chooses to go on, it returns.
void btnExitFennick_Click(App& app);

// A key, or a click on one of the screen's labels: "Last File" when a crusade is loaded.
// Returns true when the start screen is to close.
bool frmSplash_KeyPress(App& app, StartScreen& screen);

// Begins the first record of a crusade just created: night 1 attended, every other field
// blank, and the main window's add command.
void BeginFirstRecord(App& app, MainScreen& screen);

}  // namespace fennick

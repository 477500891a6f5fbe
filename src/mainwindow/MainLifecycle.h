#pragma once
// The main window's life: loading, activation, focus, closing and the exit command, the
// field colours, the decision captions, the About message, and the small menu and toolbar
// handlers that hand over to a command. The window (EditForm) calls these with itself as
// the screen.

#include <QString>

namespace fennick {

class App;
class MainScreen;

// Once, when the window is made: help, the recent files, the church list of RelPref.
void Form_Load(App& app, MainScreen& screen);

// Each time the window becomes active (first showing included). Returning from the
// attendance editor or the appointment dialog keeps the screen as it is; otherwise the
// record at the current view position is read and shown again. What the user typed into
// the record on screen is saved first (typedChanges); a new name being entered in add
// mode is kept on screen as it is.
void Form_Activate(App& app, MainScreen& screen, bool typedChanges = false);
void Form_GotFocus(App& app, MainScreen& screen, bool typedChanges = false);
void Form_LostFocus(App& app, MainScreen& screen);
void Form_Deactivate(App& app);
// A release of the right button on the window's background pops up the Edit menu.
void Form_MouseUp(MainScreen& screen, int button);

// Closing the window and File, Exit take one path: the help closes, add mode is left
// (the user may choose to stay), the shown record is saved and the crusade closed.
// Returns true when the program is to end; false leaves everything as it was. Closing
// the window while it edits a name opened from the report window only saves the record,
// hides the window and brings the report window back (false).
bool Form_Unload(App& app, MainScreen& screen);
bool mnuExit_Click(App& app, MainScreen& screen);

// White background on the fields that a view highlights and on the decision boxes.
void ResetBackColor(MainScreen& screen);
// Called by the report window when it closes.
void SetBackColor(MainScreen& screen);

// Dec(0)..Dec(8) get the crusade's decision titles and are unchecked.
void ShowDecisionNames(App& app, MainScreen& screen);

// "Printer Cutoff Point (Meeting 0)"
QString CutOffCaption(const App& app);

// The About message, line by line.
QString AboutText();
void mnuAbout_Click(App& app);

// Reads the record at the current view position and shows it with the view's caption.
// Returns false when there is no record to show (an empty view starts add mode).
bool ShowCurrentRecord(App& app, MainScreen& screen);

// A navigation button: 0 first, 1 previous, 2 next, 3 last entry of the view.
void ChgRec_Click(App& app, MainScreen& screen, int index);
void mnuNextRecord_Click(App& app, MainScreen& screen);
void mnuPreviousRec_Click(App& app, MainScreen& screen);

// The main window over a crusade just loaded in place of another: its church list, the
// cut-off caption, the decision titles and the record at the view position. The view
// before (PrevReportKind), the mark and the search box's texts of the crusade left go.
void ShowLoadedCrusade(App& app, MainScreen& screen);

void mnuPrintManual_Click(App& app, MainScreen& screen);
void mnuHelpFiles_Click(App& app);
void mnuShortcuts_Click(App& app);

// The search result boxes only display; the focus goes on to the search box.
void EntInd_GotFocus(MainScreen& screen);
void SDAIdent_GotFocus(MainScreen& screen);
// Double click on "Notes for Data Entry Only": the notes box is emptied.
void Label17_DblClick(MainScreen& screen);

}  // namespace fennick

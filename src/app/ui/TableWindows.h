#pragma once
// The zip-code editor "EditZip" and its team totals window "ZipCnt" as two of the crusade's
// modeless windows: built on first use by the owner of those windows, and closed by it with
// the crusade. The editor shows the totals again after a team-code change and keeps the
// focus when the program shows the totals; the totals stand beside the editor, within the
// screen, take the focus only when the user clicks them, and come forward with the editor
// however it is brought forward. The editor's Close takes the totals with it.

class QString;
class QWidget;

namespace fennick {

class App;
class CrusadeWindows;
class EditZip;
class ZipCnt;

// The names under which the owner holds the two windows.
extern const char* const kEditZipWindow;
extern const char* const kZipCntWindow;

// Registers both windows with the owner; they stand over mainWindow, which the editor's
// Close shows again.
void AddTableWindows(App& app, CrusadeWindows& windows, QWidget* mainWindow);

// The totals window, then the editor in front of it with the focus in its team code box;
// an editor that opens stands with its totals side by side, totals shown again stand beside
// the editor. An open editor with its totals is only brought forward.
void ShowZipEditor(CrusadeWindows& windows);
// The totals built anew from the table while the editor stands; a totals window the user
// closed is shown again beside the editor.
void ShowTeamTotals(CrusadeWindows& windows);
// Closes the editor, which keeps its shown entry in the table first, and the totals.
void CloseTableWindows(CrusadeWindows& windows);

// The windows while they stand; null otherwise.
EditZip* FindZipEditor(const CrusadeWindows& windows);
ZipCnt* FindTeamTotals(const CrusadeWindows& windows);

}  // namespace fennick

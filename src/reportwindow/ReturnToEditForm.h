#pragma once
// The return from the report window, and from every print command of the main window, to
// the main window: the window is shown with its full menus and buttons, the cut-off kept
// by the report window's Disable box is restored, the view is kept (when "Save Filter on
// Exit" is ticked and it has names) or becomes all names in alphabetical order, and the
// first record of that view is shown with its caption.

#include <QtGlobal>

#include <optional>

namespace fennick {

class App;
class MainScreen;

// cutOffShown: the cut-off box's number when the report window's Disable box is ticked
// (PrintCutOff takes it back); nullopt otherwise and for the print commands.
// A record opened from a preview line: the main window shows the return message and hides
// or disables its searching, menus, buttons and moves until the report window closes
// (ReturnToEditForm undoes it); closing the main window meanwhile goes back to the report
// window.
void ShowEditFromPreview(App& app, MainScreen& editForm);

void ReturnToEditForm(App& app, MainScreen& editForm, std::optional<qint16> cutOffShown = std::nullopt);

}  // namespace fennick

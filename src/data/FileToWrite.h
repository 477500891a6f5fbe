#pragma once
// The questions of every command that writes a file the user names: a file of the open
// crusade or of the program (data/ProtectedFiles.h) is refused, with a message, before
// anything is asked about replacing it, and the dialog is offered again.

#include "platform/Dialogs.h"

#include <QString>

#include <optional>

namespace fennick {

class App;

// The save dialog of spec until it gives a file that may be written, or is cancelled
// (nullopt). A protected file is refused with its message and the dialog is offered again
// at it. An existing file is asked about when spec.askToReplace ("<name> already exists.",
// "Do you want to replace it?", Yes/No): No offers the dialog again. The dialog itself asks
// no replace question and refuses a protected file before it closes where it can.
std::optional<QString> AskFileToWrite(App& app, FileDialogSpec spec);

}  // namespace fennick

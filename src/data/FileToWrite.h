#pragma once
// The one way a command asks for a file the user names to be written (a save dialog, or the
// PDF file of the printer dialog): the dialog is offered until it gives a name the command
// may write, or is cancelled. A name that cannot be a file, a refusal of the command's own
// and a file of the open crusade or of the program (data/ProtectedFiles.h) are told, with a
// message, before anything is asked about replacing it, and the dialog is offered again at
// the name chosen.

#include "platform/Dialogs.h"

#include <QString>

#include <functional>
#include <optional>

namespace fennick {

class App;

// What a command asks of the file chosen, beyond the protected files.
struct FileQuestions {
    enum class Reply { Take, Again, Stop };

    // The file the command writes for the name chosen (a ".dta" added); unset: that name.
    std::function<QString(const QString& chosen)> complete;
    // Why the command does not write that file (empty: it may), told before the protected
    // files' refusal.
    std::function<QString(const QString& file)> refusal;
    // The file the command writes in a folder chosen; unset: a folder is refused.
    std::function<QString(const QString& folder)> inFolder;
    // Whether that file is taken as chosen; otherwise the dialog is offered again at it.
    bool takeFileInFolder = false;
    // The question about a file chosen, asked once nothing refuses it: Take, Again (the
    // dialog again) or Stop (nothing is written). Unset: an existing file is asked about as
    // FileDialogSpec::askToReplace says.
    std::function<Reply(const QString& file)> replace;
};

// One dialog shown: offered is the name to offer (empty: the dialog's own), refusal what
// the dialog asks of a name before it closes, where it can. Returns the name chosen, nullopt
// when cancelled, or an empty name for a choice that writes no file (a printer), taken as
// it stands.
using FileDialogRun = std::function<std::optional<QString>(const QString& offered,
                                                           const std::function<QString(const QString&)>& refusal)>;

// The dialog of run until it gives a file that may be written (nullopt: cancelled or
// stopped). The refusals are worked out once for each name chosen, whether the dialog or
// this loop asks them.
std::optional<QString> AskUntilAllowed(App& app, const FileDialogRun& run, const FileQuestions& questions = {});

// The save dialog of spec through AskUntilAllowed. An existing file is asked about when
// spec.askToReplace and no questions.replace is given ("<name> already exists.", "Do you
// want to replace it?", Yes/No): No offers the dialog again. The dialog itself asks no
// replace question.
std::optional<QString> AskFileToWrite(App& app, FileDialogSpec spec, const FileQuestions& questions = {});

}  // namespace fennick

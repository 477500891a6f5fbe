#include "data/FileToWrite.h"

#include "data/App.h"
#include "data/Messages.h"
#include "data/ProtectedFiles.h"
#include "data/Utilities.h"

#include <QFileInfo>

namespace fennick {

std::optional<QString> AskFileToWrite(App& app, FileDialogSpec spec) {
    const bool askToReplace = spec.askToReplace;
    spec.askToReplace = false;
    spec.refusal = [&app](const QString& path) { return WriteRefusal(app, path); };
    for (;;) {
        const std::optional<QString> chosen = app.dialogs().saveFile(spec);
        if (!chosen || chosen->isEmpty()) return std::nullopt;
        // Offered again, the dialog opens at the name chosen.
        const QFileInfo info(*chosen);
        spec.initialDir = info.absolutePath();
        spec.fileName = info.fileName();
        if (const QString refusal = WriteRefusal(app, *chosen); !refusal.isEmpty()) {
            app.dialogs().msgBox(refusal, Buttons::OK, Icon::Exclamation);
            continue;
        }
        if (askToReplace && info.exists() && !info.isDir() &&
            app.dialogs().msgBox(FileTitle(*chosen) + QStringLiteral(" already exists.") + NewLine +
                                     QStringLiteral("Do you want to replace it?"),
                                 Buttons::YesNo, Icon::Exclamation, spec.title, 2) != AnsYes)
            continue;
        return chosen;
    }
}

}  // namespace fennick

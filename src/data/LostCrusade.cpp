#include "data/LostCrusade.h"

#include "data/App.h"
#include "data/CrusadeFiles.h"
#include "data/Errors.h"
#include "data/FileUtil.h"
#include "data/IniFile.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace fennick {

namespace {

const QString kSaveTitle = QStringLiteral("Save the Crusade in Another Folder");

bool AskToSave(App& app, qint64 records) {
    app.msg.MsgText = app.crusade.file.whatWasLost() + NewLine +
                      QStringLiteral("The crusade's files cannot be written there, and its ") + Plain(records) +
                      QStringLiteral(" records are lost when it is closed unless they are saved in another folder.") +
                      NewLine + NewLine + QStringLiteral("Do you want to save the crusade's files in another folder?");
    const int answer = app.dialogs().msgBox(app.msg.MsgText, Buttons::YesNo, Icon::Exclamation, kSaveTitle);
    app.msg.MsgAnswer = QString::number(answer);
    return answer == AnsYes;
}

// The new data file: the name chosen, or the data file's own name in a folder chosen;
// nullopt when the dialog was cancelled, the name refused or an existing file kept.
std::optional<QString> AskWhere(App& app, const QString& lost) {
    FileDialogSpec spec;
    spec.title = kSaveTitle;
    spec.filter = QStringLiteral("Crusade Files (*.dta)|*.dta|Crusade Files");
    spec.filterIndex = 1;
    spec.fileName = QDir(QDir::homePath()).filePath(FileTitle(lost));
    spec.askToReplace = false;  // asked below
    const std::optional<QString> chosen = app.dialogs().saveFile(spec);
    if (!chosen || chosen->isEmpty()) return std::nullopt;
    const QString target =
        QFileInfo(*chosen).isDir() ? QDir(*chosen).filePath(FileTitle(lost)) : NewCrusadeFileName(*chosen);
    if (target.isEmpty()) {
        RefuseCrusadeName(app, *chosen);
        return std::nullopt;
    }
    if (QFileInfo::exists(target) &&
        app.dialogs().msgBox(target + QStringLiteral(" already exists on this disk, do you want to overwrite it?"),
                             Buttons::OKCancel, Icon::Critical, QStringLiteral("Overwriting a file Warning")) != AnsOK)
        return std::nullopt;
    return target;
}

}  // namespace

bool SaveLostCrusade(App& app) {
    const QString lost = app.program.DataFile;
    QByteArray records;
    try {
        records = app.crusade.file.readAll();
    } catch (const VbError& e) {
        app.dialogs().msgBox(app.crusade.file.whatWasLost() + NewLine +
                                 QStringLiteral("Its records cannot be read either: ") + e.description(),
                             Buttons::OK, Icon::Critical);
        return false;
    }
    while (AskToSave(app, records.size() / Crusade::RecLen)) {
        const std::optional<QString> target = AskWhere(app, lost);
        if (!target) continue;
        SetDataFile(app, *target);
        try {
            WriteWholeFile(app.files(), *target, records);
            SaveCrusadeFiles(app);
        } catch (const VbError& e) {
            SetDataFile(app, lost);
            app.dialogs().msgBox(QStringLiteral("The crusade's files could not be saved in ") + FolderOf(*target) +
                                     NewLine + e.description(),
                                 Buttons::OK, Icon::Critical);
            continue;
        }
        app.dialogs().msgBox(QStringLiteral("The crusade's files have been saved in ") + FolderOf(*target) +
                             QStringLiteral(" with its data file ") + FileTitle(*target) + QStringLiteral("."));
        return true;
    }
    return false;
}

}  // namespace fennick

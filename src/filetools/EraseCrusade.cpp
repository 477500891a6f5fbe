#include "filetools/EraseCrusade.h"

#include "data/App.h"
#include "data/FileUtil.h"
#include "data/ProtectedFiles.h"
#include "data/Utilities.h"
#include "platform/Busy.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"

#include <QFileInfo>

namespace fennick {

namespace {

const QString kTenBlanks = QStringLiteral("          ");

// The data file chosen is the loaded crusade's, by whatever name leads to it, or one that
// differs from it in case only in its folder, which the program would take for it.
bool IsLoadedDataFile(const App& app, const QString& chosen) {
    for (const ProtectedFile& file : ProtectedFilesAt(app, chosen))
        if (file.kind == OwnFile::DataFile) return true;
    return false;
}

bool IsCrusadeFile(const QString& path) {
    const QFileInfo fi(path);
    return fi.isFile() && fi.suffix().compare(QLatin1String("dta"), Qt::CaseInsensitive) == 0 &&
           !fi.completeBaseName().isEmpty();
}

}  // namespace

QStringList ErasableFiles(const App& app, const QString& dataFile) {
    const QFileInfo fi(dataFile);
    QStringList out;
    // No file of the loaded crusade is among them, nor, for a crusade named as one of the
    // program's own files beside them (Fennick, StatData), those files.
    for (const QString& f : FilesWithBaseName(fi.absolutePath(), fi.completeBaseName()))
        if (ProtectedFilesAt(app, f).isEmpty()) out << f;
    return out;
}

void mnuErase_Click(App& app) {
    app.msg.MsgText.clear();
    FileDialogSpec spec;
    spec.title = QStringLiteral("Select the File to Erase");
    spec.filter = QStringLiteral("Crusade Files (*.dta)|*.dta|Crusade Files");
    spec.filterIndex = 1;
    spec.initialDir = app.program.DataDir;
    const std::optional<QString> chosen = app.dialogs().openFile(spec);
    if (!chosen || chosen->isEmpty()) {
        app.msg.MsgText = QStringLiteral("cancel");
        return;
    }
    if (!IsCrusadeFile(*chosen)) {
        app.dialogs().msgBox(QStringLiteral("Only an existing crusade file with the extension \".dta\" can be erased.") +
                                 NewLine + QStringLiteral("\"") + *chosen + QStringLiteral("\" was not erased."),
                             Buttons::OK, Icon::Exclamation);
        return;
    }
    if (IsLoadedDataFile(app, *chosen)) {
        app.dialogs().msgBox(QStringLiteral("You Cannot Erase the Currently Loaded File.") + NewLine +
                             QStringLiteral("You must either Create a New File or Change Crusades first."));
        return;
    }
    const QString pattern = chosen->left(chosen->size() - 3) + u'*';
    const QStringList files = ErasableFiles(app, *chosen);
    PlaySound(app, QStringLiteral("carbrake"));

    QString first = QStringLiteral("This will Erase the files for the following Meeting:") + NewLine + kTenBlanks +
                    pattern + NewLine;
    for (const QString& f : files) first += NewLine + kTenBlanks + FileTitle(f);
    first += NewLine + NewLine + QStringLiteral("Is this what you want?");
    if (app.dialogs().msgBox(first, Buttons::YesNo) != AnsYes) return;
    if (app.dialogs().msgBox(QStringLiteral("Last Chance!") + NewLine + QStringLiteral("You have selected to erase: ") +
                                 pattern + NewLine + QStringLiteral("Are you sure?"),
                             Buttons::YesNo, Icon::Critical) != AnsYes)
        return;

    QStringList failed;
    {
        BusyGuard busy(app.platform.busy);
        for (const QString& f : files) {
            const FileResult r = app.files().remove(f);
            if (!r.ok()) failed << FileTitle(f) + QStringLiteral(": ") + r.description;
        }
    }
    if (failed.isEmpty()) {
        app.dialogs().msgBox(pattern + QStringLiteral(" Files have been erased."));
        return;
    }
    QString text = QStringLiteral("These files could not be erased:") + NewLine + failed.join(NewLine);
    if (failed.size() < files.size()) text += NewLine + QStringLiteral("The other files listed have been erased.");
    app.dialogs().msgBox(text, Buttons::OK, Icon::Critical);
}

}  // namespace fennick

#include "data/ProtectedFiles.h"

#include "data/App.h"
#include "data/CrusadeSet.h"
#include "data/IniFile.h"
#include "data/RecentFiles.h"
#include "platform/Files.h"

#include <QDir>
#include <QFileInfo>

namespace fennick {

namespace {

// One of the protected files: the same file on the disk, or, in the same folder, a name
// that differs from it in case only.
bool Same(const FileIdentity& a, const FileIdentity& b) {
    if (SameFile(a, b)) return true;
    return !a.name.isEmpty() && a.folder == b.folder && a.name.compare(b.name, Qt::CaseInsensitive) == 0;
}

// The files as they are named now: the crusade's while a data file is named, the program's
// always (the recent-files list where the settings are kept in a file).
QList<ProtectedFile> ProtectedFiles(const App& app) {
    QList<ProtectedFile> files;
    const QString& dataFile = app.program.DataFile;
    if (!dataFile.isEmpty()) {
        for (const CrusadeFile& file : CrusadeFilesOf(dataFile)) files.append({file.kind, file.path});
    }
    files.append({OwnFile::IniFile, IniFilePath(app)});
    if (const QString recent = RecentFilesPath(app); !recent.isEmpty()) files.append({OwnFile::RecentFiles, recent});
    files.append({OwnFile::StatData, StatDataPath(app)});
    return files;
}

}  // namespace

QString StatDataPath(const App& app) {
    return QDir(app.program.ProgramDir).filePath(kStatDataFileName);
}

QList<ProtectedFile> ProtectedFilesAt(const App& app, const QString& target) {
    QList<ProtectedFile> found;
    if (target.isEmpty()) return found;
    const FileIdentity wanted = IdentityOf(target);
    for (const ProtectedFile& file : ProtectedFiles(app))
        if (Same(wanted, IdentityOf(file.path))) found.append(file);
    return found;
}

QString ProtectedFileText(const ProtectedFile& file) {
    QString what;
    if (const CrusadeFileKind* k = CrusadeFileKindOf(file.kind)) {
        what = QStringLiteral("the open crusade's ") + QLatin1String(k->what);
    } else {
        switch (file.kind) {
            case OwnFile::IniFile:
                what = QStringLiteral("Fennick's own settings file");
                break;
            case OwnFile::RecentFiles:
                what = QStringLiteral("Fennick's list of recently used files");
                break;
            case OwnFile::StatData:
                what = QStringLiteral("Fennick's statistics data file");
                break;
            default:
                break;
        }
    }
    return QFileInfo(file.path).absoluteFilePath() + QStringLiteral(" is ") + what + u'.';
}

QString WriteRefusal(const App& app, const QString& target) {
    const QList<ProtectedFile> found = ProtectedFilesAt(app, target);
    if (found.isEmpty()) return QString();
    return ProtectedFileText(found.first()) + QStringLiteral(" Choose another name.");
}

}  // namespace fennick

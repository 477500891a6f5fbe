#include "data/ProtectedFiles.h"

#include "data/App.h"
#include "data/FileUtil.h"
#include "data/IniFile.h"
#include "data/RecentFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace fennick {

namespace {

// Where a write to path lands: a link that names no file yet is followed to the name it
// gives (a save through it makes that file).
QString LandingPath(const QString& path) {
    QString p = QFileInfo(path).absoluteFilePath();
    for (int hops = 0; hops < 16; ++hops) {
        const QFileInfo fi(p);
        if (!fi.isSymLink() || fi.exists()) break;
        p = fi.symLinkTarget();
    }
    return p;
}

struct Identity {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    QString folder;  // canonical where it exists
    QString name;    // case-folded
};

Identity IdentityOf(const QString& path) {
    Identity id;
    const QFileInfo fi(LandingPath(path));
    struct stat st {};
    if (::stat(QFile::encodeName(fi.absoluteFilePath()).constData(), &st) == 0) {
        id.exists = true;
        id.device = st.st_dev;
        id.inode = st.st_ino;
    }
    const QString canonical = QFileInfo(fi.absolutePath()).canonicalFilePath();
    id.folder = canonical.isEmpty() ? QDir::cleanPath(fi.absolutePath()) : canonical;
    id.name = fi.fileName().toCaseFolded();
    return id;
}

bool Same(const Identity& a, const Identity& b) {
    if (a.exists && b.exists && a.device == b.device && a.inode == b.inode) return true;
    return !a.name.isEmpty() && a.name == b.name && a.folder == b.folder;
}

// The files as they are named now: the crusade's while a data file is named, the program's
// always (the recent-files list where the settings are kept in a file).
QList<ProtectedFile> ProtectedFiles(const App& app) {
    QList<ProtectedFile> files;
    const QString& dataFile = app.program.DataFile;
    if (!dataFile.isEmpty()) {
        files.append({OwnFile::DataFile, dataFile});
        files.append({OwnFile::InfoFile, SideFileName(dataFile, QStringLiteral("inf"))});
        files.append({OwnFile::MemberFile, SideFileName(dataFile, QStringLiteral("mem"))});
        files.append({OwnFile::ZipFile, SideFileName(dataFile, QStringLiteral("zps"))});
        files.append({OwnFile::PrayerJournal, PrayerRequestFile(dataFile)});
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
    const Identity wanted = IdentityOf(target);
    for (const ProtectedFile& file : ProtectedFiles(app))
        if (Same(wanted, IdentityOf(file.path))) found.append(file);
    return found;
}

QString ProtectedFileText(const ProtectedFile& file) {
    QString what;
    switch (file.kind) {
        case OwnFile::DataFile:
            what = QStringLiteral("the open crusade's data file");
            break;
        case OwnFile::InfoFile:
            what = QStringLiteral("the open crusade's settings file");
            break;
        case OwnFile::MemberFile:
            what = QStringLiteral("the open crusade's church member list");
            break;
        case OwnFile::ZipFile:
            what = QStringLiteral("the open crusade's zip code table");
            break;
        case OwnFile::PrayerJournal:
            what = QStringLiteral("the open crusade's prayer request journal");
            break;
        case OwnFile::IniFile:
            what = QStringLiteral("Fennick's own settings file");
            break;
        case OwnFile::RecentFiles:
            what = QStringLiteral("Fennick's list of recently used files");
            break;
        case OwnFile::StatData:
            what = QStringLiteral("Fennick's statistics data file");
            break;
    }
    return QFileInfo(file.path).absoluteFilePath() + QStringLiteral(" is ") + what + u'.';
}

QString WriteRefusal(const App& app, const QString& target) {
    const QList<ProtectedFile> found = ProtectedFilesAt(app, target);
    if (found.isEmpty()) return QString();
    return ProtectedFileText(found.first()) + QStringLiteral(" Choose another name.");
}

}  // namespace fennick

#include "data/CrusadeSet.h"

#include "data/FileUtil.h"
#include "data/Messages.h"
#include "platform/Files.h"

#include <QDir>
#include <QFileInfo>

namespace fennick {

QList<OwnFile> CrusadeSetKinds() {
    QList<OwnFile> kinds;
    for (const CrusadeFileKind& k : kCrusadeSet) kinds.append(k.kind);
    return kinds;
}

const CrusadeFileKind* CrusadeFileKindOf(OwnFile kind) {
    for (const CrusadeFileKind& k : kCrusadeSet)
        if (k.kind == kind) return &k;
    return nullptr;
}

QString CrusadeFilePath(const QString& dataFile, OwnFile kind) {
    switch (kind) {
        case OwnFile::DataFile:
            return dataFile;
        case OwnFile::PrayerJournal:
            return PrayerRequestFile(dataFile);
        default:
            break;
    }
    const CrusadeFileKind* k = CrusadeFileKindOf(kind);
    return k ? SideFileName(dataFile, QLatin1String(k->ending + 1)) : QString();
}

QList<CrusadeFile> CrusadeFilesOf(const QString& dataFile) {
    QList<CrusadeFile> files;
    for (const CrusadeFileKind& k : kCrusadeSet) files.append({k.kind, CrusadeFilePath(dataFile, k.kind)});
    return files;
}

QList<CrusadeFile> ExistingCrusadeFiles(const QString& dataFile) {
    QList<CrusadeFile> files;
    for (const CrusadeFile& f : CrusadeFilesOf(dataFile))
        if (QFileInfo(f.path).isFile()) files.append(f);
    return files;
}

std::optional<AnotherCrusadesFile> FileOfAnotherCrusade(const QString& path, const QString& ownDataFile) {
    const QFileInfo fi(LandingPath(path));
    const QString name = fi.fileName();
    for (const CrusadeFileKind& k : kCrusadeSet) {
        const QLatin1String ending(k.ending);
        if (name.size() <= ending.size() || !name.endsWith(ending, Qt::CaseInsensitive)) continue;
        const QString dataFile =
            FindFileNoCase(QDir(fi.absolutePath()).filePath(name.chopped(ending.size()) + QStringLiteral(".dta")));
        if (dataFile.isEmpty() || SameFile(dataFile, ownDataFile)) continue;
        return AnotherCrusadesFile{k.kind, dataFile};
    }
    return std::nullopt;
}

QString MadeNameRefusal(const QString& path, const QString& ownDataFile, const QString& what) {
    const std::optional<AnotherCrusadesFile> other = FileOfAnotherCrusade(path, ownDataFile);
    if (!other) return QString();
    const QString crusade = QFileInfo(other->dataFile).completeBaseName();
    const QString full = QFileInfo(path).absoluteFilePath();
    return what + QStringLiteral(" was not written: ") + full + QStringLiteral(" is the ") +
           QLatin1String(CrusadeFileKindOf(other->kind)->what) + QStringLiteral(" of the crusade \"") + crusade +
           QStringLiteral("\" in that folder, whose data file is ") + other->dataFile + QStringLiteral(".") + NewLine +
           QStringLiteral("A file Fennick names itself never takes the place of another crusade's file.");
}

}  // namespace fennick

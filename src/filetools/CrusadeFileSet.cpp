#include "filetools/CrusadeFileSet.h"

#include "data/FileUtil.h"

#include <QDir>
#include <QFileInfo>

namespace fennick {

namespace {

QString CanonicalPath(const QString& path) {
    const QFileInfo fi(path);
    const QString file = fi.canonicalFilePath();
    if (!file.isEmpty()) return file;
    const QString folder = QFileInfo(fi.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? fi.absolutePath() : folder) + u'/' + fi.fileName();
}

}  // namespace

CrusadeFileSet FileSetOf(const QString& dataFile) {
    CrusadeFileSet set;
    set.data = dataFile;
    set.info = SideFileName(dataFile, QStringLiteral("inf"));
    set.members = SideFileName(dataFile, QStringLiteral("mem"));
    set.zips = SideFileName(dataFile, QStringLiteral("zps"));
    const QString prayer = dataFile.left(std::max<qsizetype>(0, dataFile.size() - 4)) + QStringLiteral("_prayer.txt");
    const QString found = FindFileNoCase(prayer);
    set.prayer = found.isEmpty() ? prayer : found;
    return set;
}

bool SameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    return CanonicalPath(a) == CanonicalPath(b);
}

bool OnRemovableMedia(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    return full.startsWith(QLatin1String("/media/")) || full.startsWith(QLatin1String("/run/media/"));
}

}  // namespace fennick

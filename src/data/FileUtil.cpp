#include "data/FileUtil.h"

#include "data/Errors.h"
#include "platform/Files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace fennick {

namespace {

// Whether name is that of a file a replacement puts in place for the crusade of that
// base name: its data file, its settings, member and zip files or its prayer journal.
// Side files copied from other systems may differ in case.
bool IsFileOfSet(QStringView name, const QString& base) {
    if (name.compare(base + QStringLiteral("_prayer.txt"), Qt::CaseInsensitive) == 0) return true;
    for (const char* ext : {"dta", "inf", "mem", "zps"})
        if (name.compare(base + u'.' + QLatin1String(ext), Qt::CaseInsensitive) == 0) return true;
    return false;
}

bool AllDigits(QStringView s) {
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Whether name is a copy or an old file that a replacement left beside a file of the set:
// the file's name, the suffix and a number or none; or, for a file whose name leaves no
// room for the suffix, the short name made in its place (NameBeside) and a number. names
// are the files of folder, among which the set's own are found in the case they have.
bool IsLeftOverOfSet(const QString& name, const QString& base, const QString& folder, const QStringList& names) {
    const QLatin1String suffixes[] = {QLatin1String(kNewCopySuffix), QLatin1String(kOldFileSuffix)};
    for (const QLatin1String suffix : suffixes) {
        const qsizetype at = name.lastIndexOf(suffix);
        if (at >= 0 && AllDigits(QStringView(name).mid(at + suffix.size())) &&
            IsFileOfSet(QStringView(name).left(at), base))
            return true;
    }
    if (!name.startsWith(QStringLiteral(".fennick-"))) return false;
    QStringList files;
    for (const QString& n : names)
        if (IsFileOfSet(n, base)) files << n;
    for (const char* ext : {".dta", ".inf", ".mem", ".zps"}) files << base + QLatin1String(ext);
    files << base + QStringLiteral("_prayer.txt");
    for (const QString& file : files)
        for (const QLatin1String suffix : suffixes) {
            const QString full = QDir(folder).filePath(file);
            const QString beside = NameBeside(full, suffix);
            if (beside == full + suffix) continue;  // the name with the suffix fits: matched above
            const QString shortName = QFileInfo(beside).fileName();
            if (name.startsWith(shortName) && AllDigits(QStringView(name).mid(shortName.size()))) return true;
        }
    return false;
}

}  // namespace

void WriteWholeFile(Files& files, const QString& path, const QByteArray& bytes) {
    const FileResult r = files.save(path, bytes);
    if (!r.ok()) throw VbError(r.error, r.description);
}

QString FindFileNoCase(const QString& path) {
    if (path.isEmpty()) return QString();
    if (QFileInfo(path).isFile()) return path;
    const QFileInfo fi(path);
    const QDir dir = fi.dir();
    if (!dir.exists()) return QString();
    const QString want = fi.fileName();
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& n : names)
        if (n.compare(want, Qt::CaseInsensitive) == 0) return dir.filePath(n);
    return QString();
}

QString SideFileName(const QString& dataFile, const QString& ext) {
    const QString wanted = dataFile.left(std::max<qsizetype>(0, dataFile.size() - 3)) + ext.toLower();
    const QString found = FindFileNoCase(wanted);
    return found.isEmpty() ? wanted : found;
}

QString PrayerRequestFile(const QString& dataFile) {
    const bool extension = QFileInfo(dataFile).suffix().size() == 3 && dataFile.size() > 4;
    const QString wanted = (extension ? dataFile.chopped(4) : dataFile) + QStringLiteral("_prayer.txt");
    const QString found = FindFileNoCase(wanted);
    return found.isEmpty() ? wanted : found;
}

QString FolderOf(const QString& path) {
    const auto p = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return p < 0 ? QString() : path.left(p + 1);
}

QString ExistingFolderOf(const QString& path) {
    if (!QDir::isAbsolutePath(path)) return QString();
    const QFileInfo fi(path);
    const QString folder = fi.isDir() ? fi.absoluteFilePath() : fi.absolutePath();
    return QFileInfo(folder).isDir() ? folder : QString();
}

QStringList FilesWithBaseName(const QString& folder, const QString& base) {
    QStringList out;
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    const QString prefix = base + u'.';
    for (const QString& n : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (n.startsWith(prefix) && n.size() > prefix.size() && !n.mid(prefix.size()).contains(u'.'))
            out << dir.filePath(n);
    }
    return out;
}

QByteArray JournalHeader() {
    return "pid " + QByteArray::number(QCoreApplication::applicationPid());
}

QString ReplaceJournalPath(const QString& target) {
    const QFileInfo info(target);
    return NameBeside(QDir(info.path()).filePath(info.completeBaseName()), QStringLiteral(".fennick-set"));
}

QString KeptAsideName(const QString& path, const QString& suffix) {
    const QFileInfo info(path);
    const QDir folder(info.path());
    const QString name = info.fileName();
    for (int i = 0;; ++i) {
        const QString tail = suffix + (i > 0 ? u'.' + QString::number(i) : QString());
        QString candidate = folder.filePath(name + tail);
        // A name too long for the suffix is cut short, and marked as cut so that it names
        // no crusade file.
        for (qsizetype keep = name.size(); !NameFits(candidate) && keep > 1;) {
            --keep;
            if (name[keep].isLowSurrogate()) --keep;
            candidate = folder.filePath(name.left(keep) + u'~' + tail);
        }
        if (!QFileInfo::exists(candidate)) return candidate;
    }
}

void RecoverReplacedSet(Files& files, const QString& target) {
    const QString journal = ReplaceJournalPath(target);
    if (files.exists(journal)) {
        QFile f(journal);
        const QList<QByteArray> lines = f.open(QIODevice::ReadOnly) ? f.readAll().split('\n') : QList<QByteArray>();
        // A replacement this program is making now (a restore loading the set it put in
        // place) is its own to finish or undo.
        if (lines.value(0) == JournalHeader()) return;
        // Back to front, as the targets were put in place front to back.
        for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
            const QStringList part = QString::fromUtf8(*it).split(u'\t');
            if (part.size() != 3 || part[0].isEmpty()) continue;
            const QString &to = part[0], &copy = part[1], &old = part[2];
            if (!old.isEmpty() && files.exists(old)) {
                if (files.exists(to)) files.remove(to);
                files.rename(old, to);
            } else if (old.isEmpty() && !files.exists(copy) && files.exists(to)) {
                files.remove(to);  // the new file put where there was none
            }
        }
        files.remove(journal);
    }
    // Copies not put in place and old files not yet removed are of no use now; those of
    // another crusade (of a base name that begins with this one's) are its own.
    const QFileInfo info(target);
    const QStringList names = files.list(info.path());
    for (const QString& name : names)
        if (IsLeftOverOfSet(name, info.completeBaseName(), info.path(), names))
            files.remove(QDir(info.path()).filePath(name));
}

}  // namespace fennick

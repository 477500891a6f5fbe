#include "data/FileUtil.h"

#include "data/CrusadeSet.h"
#include "data/Errors.h"
#include "data/Messages.h"
#include "platform/FileLock.h"
#include "platform/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <iterator>
#include <optional>
#include <utility>

namespace fennick {

namespace {

// Whether name is that of a file a replacement puts in place for the crusade of that
// base name: its data file, its settings, member and zip files or its prayer journal.
// Side files copied from other systems may differ in case.
bool IsFileOfSet(QStringView name, const QString& base) {
    for (const CrusadeFileKind& k : kCrusadeSet)
        if (name.compare(base + QLatin1String(k.ending), Qt::CaseInsensitive) == 0) return true;
    return false;
}

bool AllDigits(QStringView s) {
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// A copy or an old file that a replacement left beside a file of its set: the name of
// that file, and whether it is a copy.
struct LeftOver {
    QString file;
    bool copy = false;
};

// The file of the set that name was left beside, if it is a copy or an old file of it:
// the file's name, the suffix and a number or none; or, for a file whose name leaves no
// room for the suffix, the short name made in its place (NameBeside) and a number. names
// are the files of folder, among which the set's own are found in the case they have.
std::optional<LeftOver> LeftOverOfSet(const QString& name, const QString& base, const QString& folder,
                                      const QStringList& names) {
    const QLatin1String suffixes[] = {QLatin1String(kNewCopySuffix), QLatin1String(kOldFileSuffix)};
    for (const QLatin1String suffix : suffixes) {
        const qsizetype at = name.lastIndexOf(suffix);
        if (at >= 0 && AllDigits(QStringView(name).mid(at + suffix.size())) &&
            IsFileOfSet(QStringView(name).left(at), base))
            return LeftOver{name.left(at), suffix == suffixes[0]};
    }
    if (!name.startsWith(QStringLiteral(".fennick-"))) return std::nullopt;
    QStringList files;
    for (const QString& n : names)
        if (IsFileOfSet(n, base)) files << n;
    for (const CrusadeFileKind& k : kCrusadeSet) files << base + QLatin1String(k.ending);
    for (const QString& file : files)
        for (const QLatin1String suffix : suffixes) {
            const QString full = QDir(folder).filePath(file);
            const QString beside = NameBeside(full, suffix);
            if (beside == full + suffix) continue;  // the name with the suffix fits: matched above
            const QString shortName = QFileInfo(beside).fileName();
            if (name.startsWith(shortName) && AllDigits(QStringView(name).mid(shortName.size())))
                return LeftOver{file, suffix == suffixes[0]};
        }
    return std::nullopt;
}

const char* const kKindWords[] = {"", "backup", "restore", "rescue"};

// The kind and source a journal's lines name; Unknown when none does.
std::pair<SetKind, QString> OriginOf(const QList<QByteArray>& lines) {
    for (const QByteArray& line : lines) {
        const QList<QByteArray> part = line.split('\t');
        if (part.size() != 2) continue;
        for (int kind = 1; kind < int(std::size(kKindWords)); ++kind)
            if (part[0] == kKindWords[kind])
                return {SetKind(kind), QString::fromUtf8(QByteArray::fromPercentEncoding(part[1]))};
    }
    return {SetKind::Unknown, QString()};
}

// "a, b and c"
QString Listed(const QStringList& items) {
    if (items.size() < 2) return items.value(0);
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") + items.last();
}

// The replacement a journal names, as the subject of a sentence, and what its targets are
// once it is undone.
std::pair<QString, QString> CutOffReplacement(SetKind kind, const QString& source, const QString& folder,
                                              const QString& base) {
    switch (kind) {
        case SetKind::Restore:
            return {QStringLiteral("The restore from ") + FolderOf(source),
                    QStringLiteral("the crusade is as it was before it")};
        case SetKind::Backup:
            return {QStringLiteral("The backup of ") + source + QStringLiteral(" to ") + folder,
                    QStringLiteral("the files there are as they were before it")};
        case SetKind::Rescue:
            return {QStringLiteral("The saving of the crusade ") + source + QStringLiteral(" in ") + folder,
                    QStringLiteral("the files there are as they were before it")};
        case SetKind::Unknown:
            break;
    }
    return {QStringLiteral("A backup, restore or save of the files of ") + base + QStringLiteral(" in ") + folder,
            QStringLiteral("they are as they were before it")};
}

// Why a file operation failed, without the name of the file.
QString WhyNot(const FileResult& r) {
    return r.reason.isEmpty() ? r.description : r.reason;
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

bool OnRemovableMedia(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    return full.startsWith(QLatin1String("/media/")) || full.startsWith(QLatin1String("/run/media/"));
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
    return "locked";
}

bool CrusadeIsOnDisk(const QString& dataFile) {
    return QFileInfo(dataFile).isFile() || !FindFileNoCase(ReplaceJournalPath(dataFile)).isEmpty();
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

QByteArray JournalOrigin(SetKind kind, const QString& source) {
    return QByteArray(kKindWords[int(kind)]) + '\t' + source.toUtf8().toPercentEncoding("/");
}

SetRepair RecoverReplacedSet(Files& files, const QString& target) {
    const QFileInfo info(target);
    const QString folder = FolderOf(info.absoluteFilePath());
    const QString base = info.completeBaseName();
    // A set copied from another system may carry upper-case names, its journal with them.
    const QString found = FindFileNoCase(ReplaceJournalPath(target));
    const QString journal = found.isEmpty() ? ReplaceJournalPath(target) : found;
    SetRepair repair;
    QStringList told;
    // The journal's writer runs for as long as it holds the journal's lock; the lock is
    // held here while the replacement is ended, so that no other program ends it too.
    FileLock lock;
    FileLock::Outcome owner = FileLock::Outcome::NoFile;
    if (files.exists(journal)) owner = lock.take(journal);
    // A replacement this program is making now (a restore loading the set it put in
    // place) is its own to finish or undo.
    if (owner == FileLock::Outcome::HeldHere) return repair;
    if (owner == FileLock::Outcome::HeldElsewhere) {
        QFile f(journal);
        const QList<QByteArray> lines = f.open(QIODevice::ReadOnly) ? f.readAll().split('\n') : QList<QByteArray>();
        const auto [kind, source] = OriginOf(lines);
        repair.whole = false;
        repair.told = CutOffReplacement(kind, source, folder, base).first +
                      QStringLiteral(" is still running in another copy of Fennick.") + NewLine +
                      QStringLiteral("Fennick does not use these files until it has finished.");
        return repair;
    }
    if (owner != FileLock::Outcome::NoFile) {
        QFile f(journal);
        if (owner == FileLock::Outcome::Unreadable || !f.open(QIODevice::ReadOnly)) {
            repair.whole = false;
            repair.told = QStringLiteral("The list of the files of ") + base + QStringLiteral(" in ") + folder +
                          QStringLiteral(" that a backup, restore or save was replacing could not be read: ") +
                          (owner == FileLock::Outcome::Unreadable ? lock.error() : f.errorString()) + NewLine +
                          QStringLiteral("Fennick does not use these files until it can be read.");
            return repair;
        }
        const QList<QByteArray> lines = f.readAll().split('\n');
        f.close();
        QStringList putBack, removed, failed;
        bool listed = false;  // none listed in an emptied list: the set was all in place
        // Back to front, as the targets were put in place front to back.
        for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
            const QStringList part = QString::fromUtf8(*it).split(u'\t');
            if (part.size() != 3 || part[0].isEmpty()) continue;
            listed = true;
            const QString &to = part[0], &copy = part[1], &old = part[2];
            if (!old.isEmpty() && files.exists(old)) {
                FileResult r = files.exists(to) ? files.remove(to) : FileResult();
                if (r.ok()) r = files.rename(old, to);
                if (r.ok())
                    putBack.prepend(to);
                else
                    failed.prepend(to + QStringLiteral(" could not be put back from ") + old + QStringLiteral(": ") +
                                   WhyNot(r));
            } else if (old.isEmpty() && !files.exists(copy) && files.exists(to)) {
                // The new file put where there was none.
                if (const FileResult r = files.remove(to); r.ok())
                    removed.prepend(to);
                else
                    failed.prepend(to + QStringLiteral(" could not be removed: ") + WhyNot(r));
            }
        }
        if (listed) {
            const auto [kind, source] = OriginOf(lines);
            const auto [subject, undone] = CutOffReplacement(kind, source, folder, base);
            if (!failed.isEmpty()) {
                // The list stays for the next attempt, and the old files with it.
                repair.whole = false;
                repair.told = subject + QStringLiteral(" was not finished, and not every file could be put back:") +
                              NewLine + failed.join(NewLine) + NewLine +
                              QStringLiteral("Fennick does not use these files until they are put back.");
                return repair;
            }
            QString text = subject + QStringLiteral(" was not finished; ") + undone + u'.';
            if (!putBack.isEmpty())
                text += NewLine + QStringLiteral("Put back as they were: ") + Listed(putBack) + u'.';
            if (!removed.isEmpty())
                text += NewLine + QStringLiteral("Removed, as they were not there before: ") + Listed(removed) + u'.';
            told << text;
        }
        // A list that cannot be removed is emptied, which leaves nothing to put back; one
        // left as it is would undo a later replacement.
        if (const FileResult r = files.remove(journal); !r.ok() && !files.save(journal, QByteArray()).ok()) {
            repair.whole = false;
            told << QStringLiteral("The list of replaced files ") + journal +
                        QStringLiteral(" could not be removed: ") + WhyNot(r) + NewLine +
                        QStringLiteral("Fennick does not use these files until it is removed.");
            repair.told = told.join(NewLine);
            return repair;
        }
    }
    // Copies not put in place and old files not yet removed are of no use now; those of
    // another crusade (of a base name that begins with this one's) are its own.
    QStringList copies, olds, notDone;  // notDone: sentences naming what could not be removed
    const QStringList names = files.list(info.path());
    for (const QString& name : names) {
        const std::optional<LeftOver> left = LeftOverOfSet(name, base, info.path(), names);
        if (!left) continue;
        const QString path = QDir(info.path()).filePath(name);
        if (const FileResult r = files.remove(path); !r.ok())
            notDone << path + QStringLiteral(" could not be removed: ") + WhyNot(r);
        else if (!(left->copy ? copies : olds).contains(left->file))
            (left->copy ? copies : olds) << left->file;
    }
    // Without a list the set was either not yet being put in place (copies only) or all
    // in place (old files only): what is left is told, as the user may take a replacement
    // that never ended for one that did, or the other way round.
    const QString subject = CutOffReplacement(SetKind::Unknown, QString(), folder, base).first;
    const bool unlisted = told.isEmpty();
    if (unlisted && !copies.isEmpty())
        told << subject + QStringLiteral(" was not finished: none of them was replaced. The copies made of ") +
                    Listed(copies) + QStringLiteral(" were removed.");
    if (unlisted && !olds.isEmpty())
        told << subject + QStringLiteral(" had replaced them all; the old files of ") + Listed(olds) +
                    QStringLiteral(" that it kept until then were removed.");
    told += notDone;
    repair.told = told.join(NewLine);
    return repair;
}

}  // namespace fennick

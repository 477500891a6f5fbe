#pragma once
// File-system helpers shared by the crusade files.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace fennick {

class Files;

// Writes the whole file through a temporary file in the same folder and renames it into
// place (Files::save), so a crash or a full disk never leaves half a file. Throws VbError
// on failure.
void WriteWholeFile(Files& files, const QString& path, const QByteArray& bytes);

// The existing file whose name matches path's name without regard to case (the exact
// name first); empty when there is none. Crusade files copied from other systems may
// carry upper-case names.
QString FindFileNoCase(const QString& path);

// The data file's name less its last three characters, followed by ext ("inf", "mem",
// "zps", "bak"). An existing file of that name in any case is returned as it is found;
// otherwise the name with ext in lower case.
QString SideFileName(const QString& dataFile, const QString& ext);

// The crusade's prayer-request journal: the data file's name less its extension (".dta")
// followed by "_prayer.txt"; a name without a three-letter extension is kept whole. An
// existing file of that name in any case is returned as it is found.
QString PrayerRequestFile(const QString& dataFile);

// Folder part of a path, ending in '/' (empty when the path has no folder).
QString FolderOf(const QString& path);

// The folder a remembered path names on this machine: the path itself when it is a folder,
// else the folder it lies in; empty when that is no existing folder here, as for a path
// kept from another system ("c:\backup\") or on a medium that is not in place.
QString ExistingFolderOf(const QString& path);

// Whether the path lies on removable media (a diskette or a memory stick mounted under
// /media or /run/media), where the user is told to have the medium in place.
bool OnRemovableMedia(const QString& path);

// Files of folder whose name is base followed by "." and any extension, by exact name.
QStringList FilesWithBaseName(const QString& folder, const QString& base);

// A name for a file kept aside beside path for the user to find (a data file's stray tail,
// an unreadable settings file): path followed by suffix, or by suffix and ".1", ".2", ...,
// whichever no file has. Where that name would not fit the file system, path's name is cut
// short and followed by "~" before the suffix.
QString KeptAsideName(const QString& path, const QString& suffix);

// A set of files replaced as one (backup, restore) lies beside its targets as copies named
// "<target>.fennick-new"; while they are being put in place, the old files are kept as
// "<target>.fennick-old". A journal "<base>.fennick-set" in the targets' folder stands from
// the first copy to the end: a first line (JournalHeader), for one that says what it is a
// "kind TAB source" line (JournalOrigin), and, once the set is being put in place, each
// target with its copy and its old file, one "target TAB copy TAB old" line each. Its
// writer holds a lock on it (platform/FileLock.h) for as long as it runs, which tells
// whether a journal found was cut off. Journals of earlier versions name the writer's
// process number in their first line ("pid N"); that number is not trusted, as the system
// gives it again. A name too long for a suffix gets the short name NameBeside
// (platform/Files.h) makes instead.
inline constexpr char kNewCopySuffix[] = ".fennick-new";
inline constexpr char kOldFileSuffix[] = ".fennick-old";
QString ReplaceJournalPath(const QString& target);
QByteArray JournalHeader();

// Whether the crusade of dataFile is on the disk: its data file is there, or the journal
// of a replacement of its set is, which may have moved the data file aside until the
// crusade is next opened.
bool CrusadeIsOnDisk(const QString& dataFile);

// What a replacement of a set is, as the one that ends it after it was cut off tells the
// user: a backup of the source data file into the targets' folder, a restore from the
// source (a backup's data file), or the crusade of the source data file saved in another
// folder. Unknown for a journal of an earlier version, which does not say.
enum class SetKind { Unknown, Backup, Restore, Rescue };
// The journal's line naming kind and source: two parts, where a target's line has three,
// so that a version that does not know it passes it over.
QByteArray JournalOrigin(SetKind kind, const QString& source);

// What ending a replacement cut off found and did.
struct SetRepair {
    // Sentences for the user: what was found, what was put back or removed; empty when
    // nothing was left.
    QString told;
    // False when some old file could not be put back: its journal stays, so that the next
    // attempt finds it, and the set's files are not to be used meanwhile.
    bool whole = true;
};

// Ends a replacement that was cut off (the program killed) in the folder of target, for
// the set of target's base name: with a journal every target gets its old file back (a
// target that had none is removed) and the journal goes; copies and old files left
// without a journal are removed, and told too: without a journal the user cannot know
// whether the replacement took effect. An old file that cannot be put back, or a journal
// that can be neither read nor removed, leaves the set not whole. Nothing is done when
// nothing was left, nor for a replacement this program is making. A replacement another
// program still makes (it holds the journal's lock) is left to it, and the set, not
// whole meanwhile, is told to be in use.
SetRepair RecoverReplacedSet(Files& files, const QString& target);

}  // namespace fennick

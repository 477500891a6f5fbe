#pragma once
// The files of one crusade, in the one list that everything taking a crusade's files as a
// set reads: the backup, the restore, the rescue in another folder, the erase, the guard of
// the open crusade's files and the check of the names the program makes itself. They are
// the data file and, beside it, the files named by the data file's name less ".dta"
// followed by each one's ending.

#include "data/ProtectedFiles.h"

#include <QList>
#include <QString>

#include <optional>

namespace fennick {

struct CrusadeFileKind {
    OwnFile kind;
    const char* ending;  // after the data file's name less ".dta"
    const char* what;    // as messages name it: "settings file"
    bool always;         // every crusade has one; the others once they hold something
    bool appended;       // only ever added to, never written whole: the closing writes none
};

// In the order a set is put in place.
inline constexpr CrusadeFileKind kCrusadeSet[] = {
    {OwnFile::DataFile, ".dta", "data file", true, false},
    {OwnFile::InfoFile, ".inf", "settings file", true, false},
    {OwnFile::MemberFile, ".mem", "church member list", false, false},
    {OwnFile::ZipFile, ".zps", "zip code table", false, false},
    {OwnFile::PrayerJournal, "_prayer.txt", "prayer request journal", false, true},
};

// The kinds of the list, in its order.
QList<OwnFile> CrusadeSetKinds();
// The list's entry of a kind of crusade file; null for a file of the program.
const CrusadeFileKind* CrusadeFileKindOf(OwnFile kind);

struct CrusadeFile {
    OwnFile kind;
    QString path;
};

// The file of kind for the crusade of dataFile: the data file itself, or beside it the file
// of that ending as found without regard to case, else named with the ending as it stands.
QString CrusadeFilePath(const QString& dataFile, OwnFile kind);
// Every file of the crusade of dataFile, in the list's order, whether it exists or not.
QList<CrusadeFile> CrusadeFilesOf(const QString& dataFile);
// Those of them that exist.
QList<CrusadeFile> ExistingCrusadeFiles(const QString& dataFile);

// The crusade other than that of ownDataFile whose file path names in its folder, by its
// name alone (its letter case aside), whether that file exists yet or not: a crusade is
// there while its data file is. kind: which of its files; dataFile: its data file.
struct AnotherCrusadesFile {
    OwnFile kind;
    QString dataFile;
};
std::optional<AnotherCrusadesFile> FileOfAnotherCrusade(const QString& path, const QString& ownDataFile);

// Why the program may not write a file it names itself (no dialog asks the user for it):
// path is a file of another crusade in its folder, which such a file never replaces, nor
// takes the place of. what names the file written ("The text file"). Empty when it may.
QString MadeNameRefusal(const QString& path, const QString& ownDataFile, const QString& what);

}  // namespace fennick

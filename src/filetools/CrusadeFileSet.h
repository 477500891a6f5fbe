#pragma once
// The files of one crusade as the backup, the restore and the erase see them: the data
// file, its settings, member and zip files and its prayer journal; and the two questions
// they ask of paths.

#include <QString>

namespace fennick {

struct CrusadeFileSet {
    QString data;     // base & ".dta"
    QString info;     // base & ".inf"
    QString members;  // base & ".mem"
    QString zips;     // base & ".zps"
    QString prayer;   // base & "_prayer.txt"
};

// The file set of a data file: each side file as found beside it without regard to case,
// otherwise named in lower case.
CrusadeFileSet FileSetOf(const QString& dataFile);

// Whether two paths name the same file, however spelled (links, "..", a folder reached
// twice); a file that does not exist yet is compared by its folder and name.
bool SameFile(const QString& a, const QString& b);

// Whether the path lies on removable media (a diskette or a memory stick mounted under
// /media or /run/media), where the user is told to have the medium in place.
bool OnRemovableMedia(const QString& path);

}  // namespace fennick

#pragma once
// The program's own ini file, "Fennick.ini" in the program folder: the last data file
// and a few display settings, five lines.

#include "data/Errors.h"

#include <QString>

namespace fennick {

class App;

inline const QString kIniFileName = QStringLiteral("Fennick.ini");

// Sets DataFile and DataDir together: DataDir is the data file's folder (ending in '/'),
// empty when path is empty. Every change of DataFile goes through here.
void SetDataFile(App& app, const QString& path);

// Full path of "Fennick.ini" in the program folder.
QString IniFilePath(const App& app);

// Reads the ini file: DataFile, ShowButtonLabels, LabelOffsetDown, LabelOffsetRight.
// A missing or unreadable line leaves its setting as it was; a file that ends before
// its fifth line empties DataFile. A DataFile whose crusade is not on the disk (neither
// its data file nor the journal of a replacement that moved it aside) is emptied too.
// Nothing is shown.
void LoadIniFile(App& app);

// Writes the five lines of the ini file. Throws IniFileNotWritten when it cannot be
// written.
void SaveIniFile(App& app);

// The program's own ini file could not be written: a failure the closing tells apart from
// one of the crusade's files, which it offers to save in another folder.
class IniFileNotWritten : public VbError {
public:
    using VbError::VbError;
};

}  // namespace fennick

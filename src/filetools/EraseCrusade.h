#pragma once
// "&Erase Meeting Files": deletes another crusade's files, every file of its data file's
// base name with any extension (its prayer journal stays). Never a file of the loaded
// crusade, however its path is spelled.

#include <QString>
#include <QStringList>

namespace fennick {

class App;

// The files the erase of dataFile deletes: those of its base name and an extension in
// its folder, less any the loaded crusade uses (the files of the loaded data file's base
// name in its folder, compared by canonical path).
QStringList ErasableFiles(const App& app, const QString& dataFile);

// Asks for the data file in an open dialog, refuses anything but an existing ".dta" file
// and the loaded crusade, lists the files in the first of two confirmations and deletes
// them; each deletion that fails is named, and then no success is told.
void mnuErase_Click(App& app);

}  // namespace fennick

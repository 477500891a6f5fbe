#pragma once
// The text export: the names of the current view as a tab-separated file beside the data
// file, for other programs. No header; one line of eleven fields per name: number, first
// and last name, telephone, address, city, state, zip, e-mail, advertising and notes.

#include <QByteArray>
#include <QString>

namespace fennick {

class App;

// The data file's path less its extension, with ".txt": "spring.dta" gives "spring.txt".
QString TextExportPath(const App& app);

// The notes as the text export writes them: right-trimmed, the first comma as "-", line
// breaks as " - " and tabs as blanks.
QByteArray TextExportNote(const QByteArray& notes);

// The whole file, from the current view (an empty view gives an empty file).
QByteArray TextExportFile(App& app);

}  // namespace fennick

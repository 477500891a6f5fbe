#pragma once
// "&Compact Database": the loaded data file rewritten without its deleted records. The
// live records keep their order and close up, so record numbers change and the view is
// rebuilt. The new file replaces the old one in one step (WriteWholeFile): a failure
// leaves the original as it was, open and loaded.

#include <QByteArray>

namespace fennick {

class App;
class MainScreen;

// The live records of a data file's bytes, in order (a trailing part record is dropped).
QByteArray LiveRecords(const QByteArray& dataFile, int recordCount);

// Rewrites the loaded data file with its live records and opens it again (RecCount from
// the new length; an empty file is told as OpenDataFile tells it). Returns the number of
// records dropped. Throws VbError with the file unchanged and still open.
int CompactDataFile(App& app);

// Asks first, saves the shown record, closes the crusade's windows (record numbers
// change under them), compacts and shows the alphabetical view from its first name.
void mnuCompact_Click(App& app, MainScreen& form);

}  // namespace fennick

#pragma once
// "&Compact Database": the loaded data file rewritten without its deleted records. The
// live records keep their order and close up, so record numbers change and the view is
// rebuilt. The new file replaces the old one in one step (WriteWholeFile): a failure to
// write it leaves the original as it was, open and loaded.

#include "data/Errors.h"

#include <QByteArray>

namespace fennick {

class App;
class MainScreen;

// The compacted file has taken the data file's place but could not be opened again; the
// data file is closed.
class CompactedNotReopened : public VbError {
public:
    explicit CompactedNotReopened(const VbError& e) : VbError(e) {}
};

// The live records of a data file's bytes, in order (a trailing part record is dropped).
QByteArray LiveRecords(const QByteArray& dataFile, int recordCount);

// Rewrites the loaded data file with its live records and opens it again (RecCount from
// the new length; an empty file is told as OpenDataFile tells it). Returns the number of
// records dropped. Throws VbError with the file unchanged and still open, or
// CompactedNotReopened.
int CompactDataFile(App& app);

// Asks first, saves the shown record, closes the crusade's windows (record numbers
// change under them), compacts and shows the alphabetical view from its first name. A
// compacted file that cannot be opened again has the crusade closed, with a message.
void mnuCompact_Click(App& app, MainScreen& form);

}  // namespace fennick

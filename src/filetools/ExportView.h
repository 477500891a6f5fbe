#pragma once
// The walk over the current view that every export of the view makes.

#include "data/AttendeeRecord.h"

#include <functional>

namespace fennick {

class App;

// Calls visit with the record of each entry of the current view, in view order. Each
// record is read from the data file by the record number the entry ends with, into a
// record of the caller's own: CurRecord and CurRecNo stay as they are. An entry that names
// no record of the file (a new name not written yet) is passed over. Throws VbError when
// the data file cannot be read.
void ForEachViewRecord(App& app, const std::function<void(const AttendeeRecord&)>& visit);

// The bytes an export of n names is likely to need, to reserve them at once.
qsizetype ExportSizeHint(const App& app, int bytesPerName);

}  // namespace fennick

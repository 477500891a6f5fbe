#pragma once
// The zip table rebuilt from the live records of the data file. Each zip keeps the team
// it had in the table before the rebuild; zips no live record uses any more drop out.

#include "data/AttendeeRecord.h"

#include <QByteArray>

namespace fennick {

class App;

// The zip key of a record (10 characters): with Canadian postal codes the first three
// characters and seven blanks, otherwise the whole zip.
QByteArray ZipKey10(const AttendeeRecord& rec, bool canadianZip);

// Recreates ZipTable (entries 1..ZipCount, entry 0 "0") from the live records: one
// entry per zip in the order the zips first occur, 33 characters: zip key (10), state
// (2), team (2), city (15), count (4). A table that would exceed 2000 zips stops at 2000
// and the user is told. The working record CurRecord is left as it is.
void RebuildZipTable(App& app);

}  // namespace fennick

#pragma once
// What the commands that add records from elsewhere (text import, crusade merge) share:
// the reserved numbers drawn written once, and a record appended to the data file with its
// alphabetical entry in the current view.

#include "data/AttendeeRecord.h"

#include <QByteArray>

namespace fennick {

class App;
class BulkWrite;

// Writes the settings file when ReservedNumber is no longer before; throws VbError when
// it cannot be written.
void SaveDrawnNumbers(App& app, qint16 before);

// Writes rec through writes as the new last record of the data file and appends its entry
// (number, the first five letters of the last name and two of the first name in capitals,
// record number) after the view's last entry. False when the record was not written
// (writes tells why); the view is then unchanged.
bool AppendWithEntry(App& app, BulkWrite& writes, const AttendeeRecord& rec);

}  // namespace fennick

#pragma once
// What the commands that add records from elsewhere (text import, crusade merge, the
// comparison with a backup, the attendance merge) share: the next free number given to a
// record that needs one, the numbers drawn written once, a record appended to the data file
// with its alphabetical entry in the current view, and the repair pass after them.

#include "data/AttendeeRecord.h"

#include <QByteArray>

namespace fennick {

class App;
class BulkWrite;
class MainScreen;

// Gives rec the next free registration number, stepped in memory (StepRegNumber). When no
// number is left the command stops at rec through writes, with why, and false is returned.
bool GiveNextNumber(App& app, BulkWrite& writes, AttendeeRecord& rec);

// After the records are added: writes the settings file when ReservedNumber is no longer
// before, so that the numbers drawn stay issued; a failure is kept by writes.
void SaveDrawnNumbers(App& app, BulkWrite& writes, qint16 before);

// Writes rec through writes as the new last record of the data file and appends its entry
// (number, the first five letters of the last name and two of the first name in capitals,
// record number) after the view's last entry. False when the record was not written
// (writes tells why); the view is then unchanged.
bool AppendWithEntry(App& app, BulkWrite& writes, const AttendeeRecord& rec);

// After records were added: the repair pass (app.hooks.fixFiles when set), then the
// alphabetical view with its current record shown on form, under the hourglass; a failure
// of either is kept by writes. True when the repair pass ran to its end.
bool RepairAndShowAlphabetical(App& app, BulkWrite& writes, MainScreen& form);

}  // namespace fennick

#pragma once
// File, Compare: the open crusade compared with its last backup (BackupPath). Every live
// record of the backup whose registration number no live record of the crusade holds is
// shown and, when the user agrees, appended to the data file as it stands; then the files
// are repaired and the alphabetical view is shown. The backup is only read.

#include "data/AttendeeRecord.h"

#include <QList>

namespace fennick {

class App;
class BulkWrite;
class MainScreen;

// What the comparison did with the records missing from the crusade.
struct BackupComparison {
    int added = 0;
    int declined = 0;
    bool full = false;  // the data file reached 9,999 records before the last was added
};

// Offers each live backup record whose number (without regard to case) no live record of
// the data file holds, the ones added here included; Yes appends it unchanged through
// writes. A record not written stops the offers (writes names it and those not offered);
// what was added before stays.
BackupComparison AddMissingRecords(App& app, const QList<AttendeeRecord>& backup, BulkWrite& writes);

// The command behind File, Compare (mnuCompare_Click only calls it).
void CompareWithBackup(App& app, MainScreen& form);
void mnuCompare_Click(App& app, MainScreen& form);

}  // namespace fennick

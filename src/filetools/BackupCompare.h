#pragma once
// File, Compare: the open crusade compared with its last backup (BackupPath). Every live
// record of the backup that is no person of the crusade is shown and, when the user agrees,
// appended to the data file: as it stands when no live record of the crusade holds its
// number, under the next free number when another person holds it or it has none. Then
// the files are repaired and the alphabetical view is shown. The backup is only read.

#include "data/AttendeeRecord.h"
#include "filetools/CrusadeMerge.h"

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
    QList<MergeRenumbered> renumbered;  // added under a new number, in the backup's order
};

// Offers each live backup record that is no person of the data file, the ones added here
// included: a person is a live record holding its number (without regard to case) under
// its first and last names (trimmed, case aside), or, for a backup record whose number
// another person holds or that has none, a live record bearing its names under any number.
// Yes appends it through writes, unchanged or under the next free number. A record not
// written stops the offers (writes names it and those not offered); what was added before
// stays. The numbers drawn are written to the settings file, a failure there kept by writes.
BackupComparison AddMissingRecords(App& app, const QList<AttendeeRecord>& backup, BulkWrite& writes);

// The command behind File, Compare (mnuCompare_Click only calls it).
void CompareWithBackup(App& app, MainScreen& form);
void mnuCompare_Click(App& app, MainScreen& form);

}  // namespace fennick

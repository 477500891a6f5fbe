#pragma once
// File, Compare: the open crusade compared with its last backup (BackupPath). Every live
// record of the backup that is no person of the crusade (SamePerson: its number and its
// first and last names) is shown and, when the user agrees, appended to the data file: as
// it stands when no live record holds its number, under the next free number when one
// does or it has none. Then the files are repaired and the alphabetical view is shown. The
// backup is only read.

#include "data/AttendeeRecord.h"

#include <QList>

namespace fennick {

class App;
class BringingIn;
class MainScreen;

// Offers each live backup record that is no person on file when the comparison began
// (BringingIn::samePerson); Yes appends it through in, No leaves it out as declined. Once
// the data file is full the rest are left out without a question. A record not written
// stops the offers (the BulkWrite of in names it and those not offered); what was added
// before stays. The numbers drawn are written to the settings file.
void AddMissingRecords(App& app, const QList<AttendeeRecord>& backup, BringingIn& in);

// The command behind File, Compare (mnuCompare_Click only calls it).
void CompareWithBackup(App& app, MainScreen& form);
void mnuCompare_Click(App& app, MainScreen& form);

}  // namespace fennick

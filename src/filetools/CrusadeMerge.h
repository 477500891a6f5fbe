#pragma once
// File, Merge Files: the live records of another crusade appended to the open one (the
// master file). A record whose registration number a live record of the master already
// holds is skipped when a record of the master bears exactly its first and last name, and
// otherwise gets the next free reserved number. The other crusade's church member list is
// merged by member number, and a master named "Master" writes the statistics data file.
// The other crusade's files are only read.

#include "data/AttendeeRecord.h"

#include <QList>
#include <QString>

namespace fennick {

class App;
class MainScreen;

// What the record merge did.
struct CrusadeMergeResult {
    int appended = 0;
    int renumbered = 0;  // appended under a new number
    int sameName = 0;    // skipped: the master holds the number and the same names
    QString stopped;     // why the merge stopped before the last record; empty when it did not
};

// Appends the live records of other to the data file and the current view. Numbers are
// looked up among all live records of the data file (without regard to case), names among
// all its records, deleted ones included; both include the records appended here. Stops
// at the data file's 9,999 records, when no registration number is left to issue and on
// an error (thrown as VbError); what was appended before stays.
CrusadeMergeResult MergeCrusadeRecords(App& app, const QList<AttendeeRecord>& other);

// The menu command.
void mnuMerge_Click(App& app, MainScreen& form);

}  // namespace fennick

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

// A record of the other crusade that was not appended, and why.
struct MergeLeftOut {
    QByteArray number;     // its registration number
    QByteArray firstName;  // its names, blanks after them cut
    QByteArray lastName;
    QByteArray sameNameAs;  // the master's number under which its names are on file; empty: it is deleted
    bool sameNameDeleted = false;  // that number is of a deleted record: no live record bears the names
};

// What the record merge did.
struct CrusadeMergeResult {
    int appended = 0;
    int renumbered = 0;           // appended under a new number
    QList<MergeLeftOut> leftOut;  // every record skipped, in the other file's order
    QString stopped;              // why the merge stopped before the last record; empty when it did not
};

// Appends the live records of other to the data file and the current view. Numbers are
// looked up among all live records of the data file (without regard to case), names among
// all its records, deleted ones included; both include the records appended here. A name
// on file is named by the number of its first live record, or of its first deleted one
// when no live record bears it. Stops
// at the data file's 9,999 records, when no registration number is left to issue and on
// an error (thrown as VbError); what was appended before stays.
CrusadeMergeResult MergeCrusadeRecords(App& app, const QList<AttendeeRecord>& other);

// The closing message of a merge: the names added and each record left out with why, the
// first twenty of them one a line and a count of the rest, then why it stopped early.
QString MergeSummary(const CrusadeMergeResult& r);

// The menu command.
void mnuMerge_Click(App& app, MainScreen& form);

}  // namespace fennick

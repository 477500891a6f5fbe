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
class BulkWrite;
class MainScreen;

// A record of the other crusade that was not appended, and why.
struct MergeLeftOut {
    QByteArray number;     // its registration number
    QByteArray firstName;  // its names, blanks after them cut
    QByteArray lastName;
    QByteArray sameNameAs;  // the master's number under which its names are on file; empty: it is deleted
    bool sameNameDeleted = false;  // that number is of a deleted record: no live record bears the names
};

// A record of the other crusade appended under a new number, as a live record with other
// names holds its own or it had none.
struct MergeRenumbered {
    QByteArray number;     // its own number
    QByteArray newNumber;  // the number it was added under
    QByteArray firstName;  // its names, blanks after them cut
    QByteArray lastName;
    QByteArray holderFirstName;  // the names of the record holding its number
    QByteArray holderLastName;
};

// What the record merge did.
struct CrusadeMergeResult {
    int appended = 0;
    QList<MergeRenumbered> renumbered;  // appended under a new number, in the other file's order
    QList<MergeLeftOut> leftOut;        // every record skipped, in the other file's order
    QString stopped;                    // why the data file took no more records; empty when it took them all
};

// Appends the live records of other to the data file and the current view, writing through
// writes. Numbers are looked up among all live records of the data file (without regard to
// case), names among all its records, deleted ones included; both include the records
// appended here. A name on file is named by the number of its first live record, or of its
// first deleted one when no live record bears it. Stops at the data file's 9,999 records,
// and, through writes, when no registration number is left to give or a record is not
// written (writes names it and the rest); what was appended before stays. The numbers
// drawn are written to the settings file, a failure there kept by writes.
CrusadeMergeResult MergeCrusadeRecords(App& app, const QList<AttendeeRecord>& other, BulkWrite& writes);

// The closing message of a merge: the names added, each record renumbered with the names
// holding its number, and each record left out with why, the first twenty of each one a
// line and a count of the rest, then why it stopped early.
QString MergeSummary(const CrusadeMergeResult& r);
// The part of such a message that names each record added under a new number ("1 record
// was given a new number:" and a line each, the first twenty, then a count).
QString RenumberedText(const QList<MergeRenumbered>& renumbered);

// The menu command.
void mnuMerge_Click(App& app, MainScreen& form);

}  // namespace fennick

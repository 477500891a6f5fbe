#pragma once
// The attendance taken on a second computer during a meeting, merged into the open
// crusade: the other computer's data file is chosen, and for everybody it marked at its
// last meeting either that night's mark or the whole record is taken over; registrations
// that exist only there are offered for adding, its church member list is merged, then
// the repair pass runs and the main window shows the alphabetical view.
//
// Nothing is written until the other crusade has been read and checked (a data file of
// whole records, not the loaded one, whose settings file names its last meeting) and the
// user has answered the three questions. Records are then written one at a time; an error
// stops the merge and is shown, and the repair pass still runs.

#include "filetools/CrusadeMerge.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace fennick {

class App;
class BulkWrite;
class MainScreen;
struct AttendeeRecord;

// A record of the other computer whose number a local record holds under other names,
// and what became of it.
struct OtherPerson {
    QByteArray number;     // the number both hold
    QByteArray firstName;  // the other computer's names, blanks around them cut
    QByteArray lastName;
    QByteArray localFirstName;  // the local record's
    QByteArray localLastName;
    QString outcome;  // "the same person, merged", "another person, added as number 0042", ...
};

// What the record merge did.
struct RecordMerge {
    int updated = 0;          // local records written from the other computer's
    int added = 0;            // missing records added at the end of the data file
    int addedRenumbered = 0;  // of them under a new number, as another person holds theirs here or they had none
    // Missing records that had no room left (the file holds kMaxRecords), named as the
    // missing-record question names them.
    QStringList notAdded;
    QList<OtherPerson> otherPeople;     // in the other file's order
    QList<MergeRenumbered> unnumbered;  // added under the next free number, as they had none
};

// Merges the other computer's records into the data file through writes. A deleted record
// there is passed over. A registration number is looked up among all live records of the
// data file (the first in file order wins, without regard to case). A record found is the
// same person only when its first and last names agree too (blanks around them and case
// ignored); otherwise the user is asked, naming both. The same person, when the other
// record's Last is night, has either night's character copied and the local record
// recounted (attendanceOnly) or the whole other record replace it. A number found nowhere is
// offered with the missing-record question and, on Yes, appended; it is then found by any
// later record of the same number. Another person is offered as a missing record too and
// appended under the next free number, as is a missing record without a number; the
// numbers drawn are written to the settings file after the last record.
// A record not written stops the merge (writes names it and those not reached); what was
// written before stays. Throws VbError when a record cannot be read.
RecordMerge MergeRecords(App& app, const QList<AttendeeRecord>& other, int night, bool attendanceOnly,
                         BulkWrite& writes);

// Appends to MemberNames the entries whose first four characters (the member number)
// no entry has yet; returns how many were added.
int MergeMembers(App& app, const QList<QByteArray>& entries);

// EditForm.MergeAttendanceUpdates: the whole command over the main window.
void MergeAttendanceUpdates(App& app, MainScreen& editForm);
// File, Merge Attendance Updates.
void mnuMergeAttendance_Click(App& app, MainScreen& editForm);

}  // namespace fennick

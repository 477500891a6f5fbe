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
// stops the merge, and the repair pass still runs. One closing message tells what was
// updated, added and left out, every failure, and whether running it again is safe.

#include <QByteArray>
#include <QList>

namespace fennick {

class App;
class BringingIn;
class MainScreen;
struct AttendeeRecord;

// Merges the other computer's records into the data file through in. A deleted record
// there is passed over. A record that is a person on file (BringingIn::samePerson: its
// number and names) is merged when its Last is night: that night's character copied and
// the local record recounted (attendanceOnly), or the whole other record in its place. A
// record whose number a live record on file holds under other names is asked about,
// naming both: Yes merges it into that record as the same person. Any other record (one
// answered No, one whose number is found nowhere, one without a number) is offered with
// the missing-record question and, on Yes, appended, under the next free number when it
// has none or a live record holds its number; a record this merge added is never matched
// by a later one. A record not written stops the merge (the BulkWrite of in names it and
// those not reached); what was written before stays. The numbers drawn are written to the
// settings file after the last record. Throws VbError when a record cannot be read.
void MergeRecords(App& app, const QList<AttendeeRecord>& other, int night, bool attendanceOnly, BringingIn& in);

// Appends to MemberNames the entries whose first four characters (the member number)
// no entry has yet; returns how many were added.
int MergeMembers(App& app, const QList<QByteArray>& entries);

// EditForm.MergeAttendanceUpdates: the whole command over the main window.
void MergeAttendanceUpdates(App& app, MainScreen& editForm);
// File, Merge Attendance Updates.
void mnuMergeAttendance_Click(App& app, MainScreen& editForm);

}  // namespace fennick

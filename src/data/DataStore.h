#pragma once
// The crusade data file and the record-level rules: opening it, reading the record of
// the current view position, blanking a record, issuing registration numbers, counting
// attendance and refusing duplicate registration numbers.

#include "data/AttendeeRecord.h"

#include <QByteArray>

#include <functional>
#include <optional>

namespace fennick {

class App;

// Records are addressed by a four-character number in the views: at most 9999.
inline constexpr qint32 kMaxRecords = 9999;

// Opens the data file (creating an empty one), sets RecCount. An empty file shows the
// "There are no records in: " message and sets NewEmptyFile and AddMode. A file that ends
// in part of a record is first copied aside whole ("<name>.dta.tail") and cut to its
// whole records, and the user is told.
void OpenDataFile(App& app);
// Closes the data file (file number 1).
void CloseDataFile(App& app);
// The data file is open but no longer the file at its path: it, or the crusade's folder,
// was removed, renamed or replaced. Its records can still be read.
bool DataFileLost(const App& app);

// Reads the record of the view entry at CurIndexPos into CurRecord. With an empty view
// clears FileIsOpen, starts the main window's add mode and returns false. Any failure
// returns false and leaves CurRecord as it was.
bool ReadCurrentRecord(App& app);

// Record n as the program holds it: the refused write of it kept while the data file is
// gone (what the user kept, which the crusade's files saved elsewhere hold), else the data
// file's. Every screen, view, report and export reads it so. Throws VbError when it cannot
// be read.
AttendeeRecord ReadRecord(App& app, qint32 n);
// Record n as the data file itself holds it, without a refused write of it: what
// discarding the changes of a record puts back.
AttendeeRecord ReadFileCopy(App& app, qint32 n);
// Discards the changes of record n that the program holds beyond its data file (the
// refused write of it): what is kept of n goes back to `before`, what was kept before a
// command that did not happen, or to nothing, the data file's own copy being the record
// again. Every route that discards a record's unsaved changes comes here.
void DiscardChanges(App& app, qint32 n, const std::optional<QByteArray>& before = std::nullopt);
// Writes record n (RecCount grows when n is past the end). A live record whose
// registration number another live record holds is not written when that number is new
// to it (it had another, it was deleted, or it is a new record): DuplicateNumber is
// thrown, naming the record that holds it, and the catcher tells the user. False when the
// write changed nothing because the data file is not at its path (RecordFile::write).
bool WriteRecord(App& app, qint32 n, const AttendeeRecord& rec);
// The same write without the number check: for the repair pass, whose renumbering of a
// whole file passes through numbers held twice until it ends, and for building files as
// older versions left them.
bool WriteRecordUnchecked(App& app, qint32 n, const AttendeeRecord& rec);
// Every record at once as the program holds them (as ReadRecord), in file order.
QList<AttendeeRecord> ReadAllRecords(App& app);

// Blanks CurRecord for a new entry (Attendance, Attend, Last and Email are kept).
void ClearRecord(AttendeeRecord& rec);
void ClearRecord(App& app);

// The next registration number ("0042"); the settings file is written at once so a
// number is never issued twice. Returns an empty text, after a message, when the
// numbers are used up (the next one would lie outside 0001..9999) or the direction is
// neither "UP" nor "DOWN". Throws VbError, with the number not issued, when the
// settings file cannot be written.
QByteArray NextRegNumber(App& app);
// The same number stepped in memory only, for a command that draws many at once and
// writes the settings file once after them. Both pass over numbers a record holds; this
// one also over those for which alsoTaken is true (the numbers of the records a command
// has still to bring in). When no number can be issued it returns an empty text without a
// message: why (when given) gets the reason, for the command's own closing message.
QByteArray StepRegNumber(App& app, QString* why = nullptr,
                         const std::function<bool(const QByteArray& number)>& alsoTaken = {});
// Whether a live record holds number (upper case and lower case alike), as the data file
// has it, with the records whose writing was refused while its folder is gone.
bool RegNumberOnFile(App& app, const QByteArray& number);

// Counts the nights attended: blanks become "-", last = the highest night marked (left
// unchanged when none is). Returns the count.
int CountAttendance(QByteArray& attendance, qint16& last);
// Recounts Attend and Last of a record from its Attendance; a record with no night
// attended gets Last 0.
void RecountAttendance(AttendeeRecord& rec);

// 1-based position in the view of the shown record's registration number; 0 when none.
int FindRNumPos(App& app);

// 3 when number belongs to another live record of the file (in add mode to any live
// record), after the duplicate message; the main window's RNum box is emptied. Any other
// value when the number is free.
int CheckDuplicateRNum(App& app, const QByteArray& number);
// The same check for a screen that puts its own box right: no box is emptied.
int CheckDuplicateRNumOnly(App& app, const QByteArray& number);
// The duplicate message for number ("0014 is a duplicate record number ..."); the answer
// is left in MsgAnswer.
void TellDuplicateNumber(App& app, const QByteArray& number);

// "12:00AM" or blanks in BaptDate mean no baptism date: the one test of a baptism date
// for the screens, the views, the printouts and the statistics.
bool HasBaptismDate(const QByteArray& baptDate);

}  // namespace fennick

#pragma once
// The erase pass run when the preferences lower the last meeting: every record of the
// data file, deleted ones included, loses the nights after the new last meeting.

#include <QByteArray>
#include <QList>
#include <QString>

namespace fennick {

class App;
class BulkWrite;

// A live record that attended only nights after the new last meeting; the pass marked it
// as present at that meeting.
struct AdjustedRecord {
    QByteArray RNum;
    QByteArray FName;
    QByteArray LName;
};

// For each record 1..RecCount: nights newLast+1..40 of the 40 fixed night positions become
// "-" (blanks count as absent), then Attend and Last are recounted. A live record that lost
// every night it had is marked at night newLast instead (the last digit of the number,
// Attend "1", Last newLast) and its names lose their surrounding blanks; a record that lost
// nothing is left as it was. Records that changed are written back in place through
// writes, the first not written stopping the pass (writes names it and the rest); CurRecord
// is read again afterwards. Shows the hourglass. Throws VbError when a record cannot be
// read. Only records written are returned.
QList<AdjustedRecord> EraseAttendanceAfter(App& app, int newLast, BulkWrite& writes);

// The one message that lists the adjusted records after the pass.
QString AdjustedRecordsMessage(const QList<AdjustedRecord>& adjusted, int oldLast, int newLast);

}  // namespace fennick

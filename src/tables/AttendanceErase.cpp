#include "tables/AttendanceErase.h"

#include "data/App.h"
#include "data/BulkWrite.h"
#include "data/DataStore.h"
#include "data/ListedEntries.h"
#include "data/Messages.h"
#include "data/Text.h"
#include "platform/Busy.h"

namespace fennick {

namespace {

constexpr int kNights = 40;

bool IsDeleted(const AttendeeRecord& rec) {
    return rec.WorkerCode.bytes() == "##";
}

// Erases the nights after newLast; true when a night attended was among them.
bool EraseLaterNights(QByteArray& attendance, int newLast) {
    bool lost = false;
    for (int night = newLast + 1; night <= kNights; ++night) {
        char& mark = attendance[night - 1];
        if (mark != '-' && mark != ' ') lost = true;
        mark = '-';
    }
    return lost;
}

QString NameLine(const AdjustedRecord& r) {
    return FromAnsi(r.RNum) + u' ' + FromAnsi(r.FName) + u' ' + FromAnsi(r.LName);
}

}  // namespace

QList<AdjustedRecord> EraseAttendanceAfter(App& app, int newLast, BulkWrite& writes) {
    BusyGuard hourglass(app.platform.busy);
    Crusade& c = app.crusade;
    QList<AdjustedRecord> adjusted;
    for (qint32 r = 1; r <= c.RecCount; ++r) {
        AttendeeRecord rec = ReadRecord(app, r);
        QByteArray attendance = rec.Attendance.bytes();
        if (!EraseLaterNights(attendance, newLast)) continue;
        qint16 last = 0;
        const int count = CountAttendance(attendance, last);
        if (count > 0) {
            rec.Attend = QByteArray::number(count);
            rec.Last = last;
        } else if (IsDeleted(rec)) {
            rec.Attend = "0";
            rec.Last = 0;
        } else {
            attendance[newLast - 1] = char('0' + newLast % 10);
            rec.Attend = "1";
            rec.Last = qint16(newLast);
            rec.FName = rec.FName.trimmed();
            rec.LName = rec.LName.trimmed();
        }
        rec.Attendance = attendance;
        const bool marked = count == 0 && !IsDeleted(rec);
        if (writes.write(r, rec) && marked)
            adjusted.append({rec.RNum.bytes(), rec.FName.trimmed(), rec.LName.trimmed()});
    }
    if (c.CurRecNo >= 1 && c.CurRecNo <= c.RecCount) c.CurRecord = ReadRecord(app, c.CurRecNo);
    return adjusted;
}

QString AdjustedRecordsMessage(const QList<AdjustedRecord>& adjusted, int oldLast, int newLast) {
    if (adjusted.size() == 1)
        return NameLine(adjusted.front()) + NewLine + QStringLiteral("Had not attended before meeting number ") +
               QString::number(oldLast) + NewLine +
               QStringLiteral("This record has been adjusted to show  attendance for meeting number: ") +
               QString::number(newLast) + NewLine + NewLine +
               QStringLiteral("You may want to make a note of the number and edit this record manually or delete it.");
    QStringList lines;
    for (const AdjustedRecord& a : adjusted) lines << NameLine(a);
    return ListedEntries(lines).mid(NewLine.size()) + NewLine +
           QStringLiteral("Had not attended before meeting number ") + QString::number(oldLast) + NewLine +
           QStringLiteral("These records have been adjusted to show  attendance for meeting number: ") +
           QString::number(newLast) + NewLine + NewLine +
           QStringLiteral("You may want to make a note of the numbers and edit these records manually or delete them.");
}

}  // namespace fennick

#pragma once
// The open crusade: its data file, the working records and the side tables.

#include "data/AttendeeRecord.h"
#include "data/RecordFile.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

namespace fennick {

inline constexpr int kZipSlots = 2001;  // entries 0..2000; 1..ZipCount in use
inline constexpr int kMaxZips = 2000;

// The registration numbers of the data file's live records, as WriteRecord checks them:
// read from the file when it changed otherwise, and kept by each write of a record.
struct RegNumbers {
    quint64 fileChanges = ~quint64(0);  // the data file's change count they were read at
    QList<QByteArray> ofRecord;         // by record (0-based): its number upper-cased; empty when none
    QHash<QByteArray, int> holders;     // live records that hold each number
};

struct Crusade {
    static constexpr int RecLen = AttendeeRecord::Size;

    RecordFile file;  // the data file, open while the crusade is loaded
    RegNumbers numbers;
    qint32 RecCount = 0;
    qint32 CurRecNo = 0;

    AttendeeRecord CurRecord;   // the record shown or edited, at CurRecNo
    AttendeeRecord OrigRecord;  // copy taken when the record was shown
    AttendeeRecord PrevRecord;  // the record saved last; a second file's record

    bool FileIsOpen = false;
    bool NewEmptyFile = false;
    bool AddMode = false;
    // The crusade was created in this run (only such a crusade may be deleted at close).
    bool CreatedThisRun = false;

    QList<QByteArray> ZipTable = QList<QByteArray>(kZipSlots);
    qint16 ZipCount = 0;
    // The zip or member file could not be read; it is not overwritten at close-down.
    bool ZipFileUnreadable = false;

    QList<QByteArray> MemberNames = QList<QByteArray>(1);  // entry 0 unused
    qint16 MemberCount = 0;
    bool MemberFileUnreadable = false;

    // The registration counter was taken from the records and every choice of it would
    // count an entry without names as issued automatically: the repair pass deletes no
    // such entry until settings are read again.
    bool KeepEmptyEntries = false;

    // The settings file that could not be read (empty, not opened, or its header
    // unreadable); it is kept aside, not overwritten, when the settings are next written.
    QString UnreadableInfoFile;
};

}  // namespace fennick

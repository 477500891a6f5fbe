#pragma once
// Conversion of data files written by older versions, whose records hold the same 369
// bytes of fields with notes of 100 characters and no mark-to-visit or e-mail: records
// 371 bytes apart (the oldest files) or 369 bytes apart. The converted file takes the
// data file's name; the old one is kept with the extension "bak".

#include "data/AttendeeRecord.h"

#include <QString>

namespace fennick {

class App;

inline constexpr int kOldRecordSpacing = 371;
inline constexpr int kRecordLen22 = 369;
inline const QString kOldDatabaseTitle = QStringLiteral("Fennick 95: Old Database");

// Byte offsets of the fields that moved in the old record layout (those before Notes
// lie where they lie in the current layout).
namespace oldoff {
inline constexpr int Notes = 183, Attendance = 283, Attend = 323, Last = 325, MailList = 327, Decisions = 329,
                     Class = 341, MapCode = 343, BaptDate = 351, CardPrinted = 359, BirthDate = 361;
inline constexpr int NotesWidth = 100;
}  // namespace oldoff

// One old record (369 bytes of fields at old) in the current layout: notes widened to
// 150, birth date, mark-to-visit and e-mail empty; CardPrinted kept only when asked.
AttendeeRecord ConvertRecord(const char* old, bool keepCardPrinted);

// True when most of the file's whole records read as current records (an empty file
// counts as current; part of a record at the end is not looked at, but a file shorter
// than one record is not current). Such a file is never converted, whatever its settings
// file says.
bool IsCurrentDataFile(const QString& path);
// The same test over the bytes of a data file.
bool HoldsCurrentRecords(const QByteArray& bytes);

// The name the old data file is kept under: its name with "bak" in place of its last
// three characters, or, when a file of that name exists, a new name beside it.
QString BakFileName(const QString& dataFile);

// Asks whether to convert the data file (OK or Cancel); the answer is also left in
// MsgAnswer.
int AskToConvert(App& app);

// Converts DataFile from records 371 bytes apart. Returns false when it failed: the
// user has been told, the original file is untouched and the crusade is not opened.
bool ConvertOldData(App& app);
// Asks first (Cancel throws ProgramEnd), then converts DataFile from 369-byte records.
bool ConvertData22(App& app);

}  // namespace fennick

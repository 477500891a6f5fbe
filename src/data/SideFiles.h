#pragma once
// The crusade's member file ("mem") and zip file ("zps"): one entry per line beside the
// data file, read and written whole; neither has a header or a count line.

#include <QByteArray>
#include <QList>
#include <QString>

namespace fennick {

class App;
class SequentialTextWriter;

// A church member entry: registration number (4), last name (15) and first name (15),
// each left-aligned and padded or cut, 34 characters.
QByteArray MemberEntry(const QByteArray& rnum, const QByteArray& lastName, const QByteArray& firstName);
// A zip table entry: zip key (10), state (2), team code (2), city (15) and the number
// of addresses right-aligned in 4, 33 characters.
QByteArray ZipEntry(const QByteArray& zipKey, const QByteArray& state, const QByteArray& team, const QByteArray& city,
                    int count);

// Writes one value so that the reader, which skips leading blanks and unquotes, gets it
// back as it stands: a value that begins with a blank, a tab or a double quote is put in
// double quotes. Every value of a sequential file the program writes goes through it.
void WriteValue(SequentialTextWriter& out, const QByteArray& value);
void WriteValue(SequentialTextWriter& out, const QString& value);

// The entries a side table's file holds once it is written: entries 1..count of the
// table, empty ones left out.
QList<QByteArray> EntriesToWrite(const QList<QByteArray>& table, int count);

// Reads the member file into MemberNames 1.. and sets MemberCount. No file gives an
// empty list. A file that cannot be read is reported, the list starts empty and the
// file is marked so that SaveMembers leaves it alone. When unusable is given, the
// report is not shown but left there: why the file cannot be used, after its name.
void LoadMembers(App& app, QString* unusable = nullptr);
// Writes MemberNames 1..MemberCount when the list holds names; an empty list writes
// nothing, and neither does a list whose file could not be read.
void SaveMembers(App& app);

// Reads the zip file into ZipTable 1.. and sets ZipCount. No file gives an empty table.
// A file that cannot be read or holds more than 2000 entries is reported, the table
// starts empty and the file is marked so that SaveZips leaves it alone (unusable as for
// LoadMembers).
void LoadZips(App& app, QString* unusable = nullptr);
// Writes ZipTable 1..ZipCount when the table holds entries (as SaveMembers).
void SaveZips(App& app);

// The bytes SaveMembers and SaveZips write; empty when they write nothing.
QByteArray MemberFileBytes(const App& app);
QByteArray ZipFileBytes(const App& app);

}  // namespace fennick

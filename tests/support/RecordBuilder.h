#pragma once
// Attendee records and data files built byte for byte for the tests.

#include "data/AttendeeRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace fennick::test {

// A live record with the given number and names and plausible defaults elsewhere.
AttendeeRecord Person(const char* rnum, const char* first, const char* last);

// Writes the records back to back as a data file.
void WriteDataFile(const QString& path, const QList<AttendeeRecord>& records);
QByteArray ReadFileBytes(const QString& path);
void WriteFileBytes(const QString& path, const QByteArray& bytes);

}  // namespace fennick::test

#pragma once
// Crusades written to disk for the tests of opening, closing and start-up: a data file of
// records beside its settings, member and zip files.

#include "FakePlatform.h"
#include "data/AttendeeRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace fennick::test {

struct CrusadeSpec {
    QList<AttendeeRecord> records;
    QList<QByteArray> members;  // member file lines; none: no member file
    QList<QByteArray> zips;     // zip file lines; none: no zip file
    qint16 lastMeeting = 5;
    QString team1 = QStringLiteral("Blue Team:555-0101");
};

// Writes name.dta, name.inf (default tables, the given last meeting and team 1) and the
// member and zip files into folder; returns the data file's path. The application's own
// settings and DataFile are left as they were.
QString WriteCrusade(TestApp& t, const QString& folder, const QString& name, const CrusadeSpec& spec);

// Writes Fennick.ini in the program folder naming dataFile.
void WriteIni(TestApp& t, const QString& dataFile);

// The lines of a text file (CR LF removed).
QList<QByteArray> FileLines(const QString& path);

}  // namespace fennick::test

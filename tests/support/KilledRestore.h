#pragma once
// A crusade whose restore from a backup was killed once it had moved the data file aside,
// before the backup's took its place: what a kill or a power cut may leave for the next
// opening to put back.

#include <QByteArray>
#include <QString>

namespace fennick::test {

struct TestApp;

struct KilledRestore {
    QString dataFile, backup;
    QByteArray before;  // the data file's bytes before the restore
    QString told;       // what an opening that ends the restore tells
};

// Writes the crusade name in t's "data" folder, and a backup of it with one more record
// in "backup", then restores it in a child process that ends at that moment.
KilledRestore KillRestore(TestApp& t, const QString& name);

}  // namespace fennick::test

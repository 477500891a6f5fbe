#pragma once
// A crusade on disk and a user of the commands that bring records in (BringInCommands):
// each command's source written from records, and the command run as the main window runs
// it, by a user who adds every record offered and takes none for another person whose
// number it holds.

#include "FakePlatform.h"
#include "FakeScreen.h"
#include "filetools/AppendedRecords.h"

#include <QList>
#include <QString>

namespace fennick::test {

class BringInDriver {
public:
    // The meeting the other computer took its attendance at, and the crusade's last one.
    static constexpr qint16 kMeeting = 12;

    // here: the crusade's records, with a church member list, loaded; its registration
    // numbers count down from reserved.
    explicit BringInDriver(const QList<AttendeeRecord>& here, qint16 reserved = 9990);

    // Writes command's source holding incoming (every record there attended kMeeting) and
    // queues its choice in the file dialog.
    void prepare(const BringInCommand& command, const QList<AttendeeRecord>& incoming);
    // Runs command from its menu item's function.
    void run(const BringInCommand& command);
    void bringIn(const BringInCommand& command, const QList<AttendeeRecord>& incoming) {
        prepare(command, incoming);
        run(command);
    }
    // The live records of the data file as the program holds them.
    QList<AttendeeRecord> live();

    TestApp t;
    App& app;
    FakeScreen screen;
    QString dataFile;
    QString source;  // the file the command reads
};

}  // namespace fennick::test

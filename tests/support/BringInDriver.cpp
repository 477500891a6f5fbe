#include "BringInDriver.h"

#include "CrusadeOnDisk.h"
#include "RecordBuilder.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/SideFiles.h"
#include "mainwindow/MainLifecycle.h"
#include "views/Indexes.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace fennick::test {

namespace {

// A field of a comma-separated line, quoted so that its blanks stay.
QByteArray Quoted(const QByteArray& field) {
    return '"' + QByteArray(field).replace('"', "\"\"") + '"';
}

}  // namespace

BringInDriver::BringInDriver(const QList<AttendeeRecord>& here, qint16 reserved) : app(t.app) {
    CrusadeSpec s;
    s.records = here;
    s.lastMeeting = kMeeting;
    s.members = {MemberEntry("0040", "Brown", "Ann")};
    dataFile = WriteCrusade(t, t.path(QStringLiteral("data")), QStringLiteral("spring"), s);
    if (!OpenCrusade(app, dataFile)) throw std::runtime_error("the crusade did not open");
    app.settings.ReservedNumber = reserved;
    app.settings.ReservedDirection = QStringLiteral("DOWN");
    app.hooks.editForm = &screen;
    IndexAlpha(app);
    ShowCurrentRecord(app, screen);
    // Every record offered is added; no record is taken for another person of its number;
    // the attendance is merged, not whole records.
    t.dialogs.answerBy([](const FakeDialogs::Shown& shown) {
        if (shown.text.contains(QStringLiteral("Is this the same person?")) ||
            shown.text.contains(QStringLiteral("Do You want to update the entire record?")))
            return int(AnsNo);
        return shown.buttons == Buttons::OKCancel ? int(AnsOK) : int(AnsYes);
    });
}

void BringInDriver::prepare(const BringInCommand& command, const QList<AttendeeRecord>& incoming) {
    QList<AttendeeRecord> records = incoming;
    for (AttendeeRecord& r : records) {
        r.Attendance = QByteArray(kMeeting - 1, '-') + '1';
        RecountAttendance(r);
    }
    using S = BringInCommand::Source;
    switch (command.source) {
        case S::OtherComputer: {
            CrusadeSpec s;
            s.records = records;
            s.lastMeeting = kMeeting;
            source = WriteCrusade(t, t.path(QStringLiteral("desk2")), QStringLiteral("spring"), s);
            app.settings.BackupPath = QFileInfo(source).path();
            t.dialogs.choose(source);
            break;
        }
        case S::OtherCrusade: {
            CrusadeSpec s;
            s.records = records;
            source = WriteCrusade(t, t.path(QStringLiteral("fall")), QStringLiteral("fall"), s);
            t.dialogs.choose(source);
            break;
        }
        case S::Backup:
            QDir().mkpath(t.path(QStringLiteral("backup")));
            source = QDir(t.path(QStringLiteral("backup"))).filePath(QStringLiteral("spring.dta"));
            WriteDataFile(source, records);
            app.settings.BackupPath = source;
            break;
        case S::TextFile: {
            QByteArray text;
            for (const AttendeeRecord& r : records) {
                QList<QByteArray> items;
                for (const QByteArray& f :
                     {r.RNum.bytes(), r.FName.bytes(), r.LName.bytes(), r.Address.bytes(), r.City.bytes(),
                      r.State.bytes(), r.Zip.bytes(), r.Phone.bytes(), r.Email.bytes()})
                    items << Quoted(f);
                text += items.join(',') + "\r\n";
            }
            source = t.path(QStringLiteral("names.csv"));
            WriteFileBytes(source, text);
            t.dialogs.answer(AnsOK).choose(source);  // the notice before the file dialog
            break;
        }
        case S::None:
            ADD_FAILURE() << command.item << " brings no records in";
            break;
    }
}

void BringInDriver::run(const BringInCommand& command) {
    command.run(app, screen);
}

QList<AttendeeRecord> BringInDriver::live() {
    QList<AttendeeRecord> out;
    for (const AttendeeRecord& r : ReadAllRecords(app))
        if (!r.isDeleted()) out << r;
    return out;
}

}  // namespace fennick::test

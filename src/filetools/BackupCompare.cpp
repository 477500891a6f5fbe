#include "filetools/BackupCompare.h"

#include "data/App.h"
#include "data/BulkWrite.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/FixFiles.h"
#include "data/OtherDataFile.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "filetools/AppendedRecords.h"
#include "filetools/CrusadeFileSet.h"
#include "mainwindow/MainLifecycle.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Busy.h"
#include "platform/Dialogs.h"
#include "views/Indexes.h"

#include <QFileInfo>

namespace fennick {

namespace {

// A backup on a diskette or a memory stick is to be in place; false when the user cancels.
bool MediumReady(App& app, const QString& path) {
    const QString drive = path.left(3).toUpper();
    const bool diskette = drive == QLatin1String("A:\\") || drive == QLatin1String("B:\\");
    if (!diskette && !OnRemovableMedia(path)) return true;
    return app.dialogs().msgBox(
               QStringLiteral("Make sure a backup diskette is in place and the drive is ready before proceeding."),
               Buttons::OKCancel, Icon::None, QStringLiteral("Restore files from Backup")) != AnsCancel;
}

QString MissingRecordQuestion(const AttendeeRecord& r) {
    return QStringLiteral("Found Missing Record: ") + NewLine + FromAnsi(r.WorkerCode.bytes()) + QStringLiteral("  ") +
           FromAnsi(r.RNum.bytes()) + QStringLiteral("  ") + FromAnsi(r.LName.trimmed()) + QStringLiteral(", ") +
           FromAnsi(r.FName.bytes()) + NewLine + FromAnsi(r.Attendance.bytes()) + NewLine + NewLine +
           QStringLiteral("Add this record to the main file?");
}

}  // namespace

BackupComparison AddMissingRecords(App& app, const QList<AttendeeRecord>& backup, BulkWrite& writes) {
    BackupComparison result;
    for (const AttendeeRecord& r : backup) {
        if (r.isDeleted() || RegNumberHeld(app, r.RNum.bytes())) continue;
        if (writes.stopped()) {
            writes.notReached(r);
            continue;
        }
        if (app.crusade.RecCount >= kMaxRecords) {
            result.full = true;
            break;
        }
        const int answer = app.dialogs().msgBox(MissingRecordQuestion(r), Buttons::YesNo);
        app.msg.MsgAnswer = QString::number(answer);
        if (answer != AnsYes) {
            ++result.declined;
            continue;
        }
        if (writes.write(app.crusade.RecCount + 1, r)) ++result.added;
    }
    return result;
}

void CompareWithBackup(App& app, MainScreen& form) {
    if (!app.crusade.file.isOpen()) return;
    if (app.view.ReportCount > 0 && !SaveCurrentRecord(app, form)) return;
    const QString backup = app.settings.BackupPath;
    const QString& dataFile = app.program.DataFile;
    if (backup.isEmpty()) {
        app.dialogs().msgBox(QStringLiteral("These files have not been backed up.  You cannot restore them.") +
                             NewLine +
                             QStringLiteral("If you would like to use different files then you can use the Change "
                                            "Crusade feature from the Files menu."));
        return;
    }
    if (!MediumReady(app, backup)) return;
    if (!QFileInfo(backup).isFile()) {
        app.dialogs().msgBox(QStringLiteral("Unable to find ") + backup +
                             QStringLiteral(" on Flopy Drive.  Insert Diskette and try again."));
        return;
    }
    if (SameFile(backup, dataFile)) {
        app.dialogs().msgBox(QStringLiteral("You Cannot Compare the Currently Loaded File to itself.") + NewLine +
                             QStringLiteral("You must must select a different File Name to merge."));
        return;
    }
    OtherDataFile other = ReadOtherDataFile(backup);
    if (!other.ok()) {
        app.dialogs().msgBox(other.refusal + NewLine + NewLine + QStringLiteral("Nothing has been compared."),
                             Buttons::OK, Icon::Exclamation);
        return;
    }
    PlaySound(app, QStringLiteral("carbrake"));
    const QString six = QStringLiteral("      ");
    app.msg.MsgText = QStringLiteral("You will compare ") + Plain(app.crusade.RecCount) +
                      QStringLiteral(" records in:") + NewLine + six + dataFile + NewLine + NewLine +
                      QStringLiteral("with: ") + Plain(other.records.size()) +
                      QStringLiteral(" records in the backup file:") + NewLine + six + backup + NewLine + NewLine +
                      NewLine + QStringLiteral("Is this what you want to do?");
    if (app.dialogs().msgBox(app.msg.MsgText, Buttons::YesNo, Icon::Critical) != AnsYes) return;

    BulkWrite writes(app, QStringLiteral("Compare"), kSourceFennick3);
    const BackupComparison compared = AddMissingRecords(app, other.records, writes);
    bool repaired = false;
    {
        BusyGuard busy(app.platform.busy);
        writes.step(QStringLiteral("The repair pass did not run to its end."),
                    [&] { repaired = app.hooks.fixFiles ? app.hooks.fixFiles() : FixFiles(app); });
        writes.step(QStringLiteral("The main window could not show the names."), [&] {
            IndexAlpha(app);
            ShowCurrentRecord(app, form);
        });
    }
    if (writes.failed()) app.msg.ScratchVar = QStringLiteral("cancel");
    const bool success = compared.declined == 0 && !compared.full && !writes.failed() && repaired;
    QString text = success ? QStringLiteral("Files have been repaired Successfully.")
                           : QStringLiteral("Files have not been repaired.");
    text += NewLine + NewLine + QStringLiteral("Records added from the backup: %1").arg(compared.added) + NewLine +
            QStringLiteral("Records declined: %1").arg(compared.declined);
    if (compared.full)
        text += NewLine + NewLine +
                QStringLiteral(
                    "The data file holds %1 records, the most Fennick can keep: no more records can be "
                    "added.")
                    .arg(kMaxRecords);
    if (writes.failed())
        text += NewLine + NewLine +
                writes.report(QStringLiteral("Running Compare again is safe: the records added are found by their "
                                             "number and not offered again."));
    app.msg.MsgAnswer =
        QString::number(app.dialogs().msgBox(text, Buttons::OK, success ? Icon::Information : Icon::Critical));
}

void mnuCompare_Click(App& app, MainScreen& form) {
    CompareWithBackup(app, form);
}

}  // namespace fennick

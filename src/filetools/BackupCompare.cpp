#include "filetools/BackupCompare.h"

#include "data/App.h"
#include "data/BulkWrite.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/FileUtil.h"
#include "data/OtherDataFile.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "filetools/AppendedRecords.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"

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

QString MissingRecordQuestion(const AttendeeRecord& r, const AttendeeRecord* holder, bool renumbered) {
    QString text = QStringLiteral("Found Missing Record: ") + NewLine + FromAnsi(r.WorkerCode.bytes()) +
                   QStringLiteral("  ") + FromAnsi(r.RNum.bytes()) + QStringLiteral("  ") +
                   FromAnsi(r.LName.trimmed()) + QStringLiteral(", ") + FromAnsi(r.FName.bytes()) + NewLine +
                   FromAnsi(r.Attendance.bytes()) + NewLine + NewLine;
    if (holder)
        text += QStringLiteral("Its number is held here by ") + FromAnsi(holder->LName.trimmed()) +
                QStringLiteral(", ") + FromAnsi(holder->FName.trimmed()) +
                QStringLiteral(": it is added under the next free number.") + NewLine + NewLine;
    else if (r.RNum.trimmed().isEmpty())
        text += QStringLiteral("It has no registration number: it is added under the next free number.") + NewLine +
                NewLine;
    else if (renumbered)
        text += QStringLiteral("Its number is held here: it is added under the next free number.") + NewLine + NewLine;
    return text + QStringLiteral("Add this record to the main file?");
}

// Whether running the comparison again is safe: a record added under its own number is a
// person on file then; one given a new number is offered again.
QString CompareRerun(const BringingIn& in) {
    return QStringLiteral(
               "Running Compare again is safe: the records added are found by their number and names and not offered "
               "again.") +
           in.offeredAgain();
}

}  // namespace

void AddMissingRecords(App& app, const QList<AttendeeRecord>& backup, BringingIn& in) {
    for (const AttendeeRecord& r : backup) {
        if (r.isDeleted()) continue;
        in.reach(r);
        if (in.samePerson(r)) continue;
        if (in.stopped()) {
            in.notReached(r);
            continue;
        }
        if (in.full()) {
            in.leaveOut(r, FullFileWhy());
            continue;
        }
        const qint32 holder = in.holder(r);
        const int answer = app.dialogs().msgBox(
            MissingRecordQuestion(r, holder ? &in.record(holder) : nullptr, in.needsNumber(r)), Buttons::YesNo);
        app.msg.MsgAnswer = QString::number(answer);
        if (answer != AnsYes) {
            in.leaveOut(r, QStringLiteral("declined"));
            continue;
        }
        in.append(r, false);
    }
    in.finish();
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
    // A replacement cut off there may have moved the backup's data file aside: it is put
    // back before the file is looked for.
    if (!EndCutOffReplacement(app, backup, QStringLiteral("Nothing has been compared."))) return;
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
    BringingIn in(app, writes, other.records);
    AddMissingRecords(app, other.records, in);
    const bool repaired = RepairAndShowAlphabetical(app, writes, form);
    if (writes.failed()) app.msg.ScratchVar = QStringLiteral("cancel");
    // Files repaired: every record of the backup is a person on file now.
    const bool success = in.leftOut() == 0 && !writes.failed() && repaired;
    const QString opening = success ? QStringLiteral("Files have been repaired Successfully.")
                                    : QStringLiteral("Files have not been repaired.");
    app.msg.MsgAnswer = QString::number(app.dialogs().msgBox(
        in.closing(opening, false, {}, CompareRerun(in)), Buttons::OK, success ? Icon::Information : Icon::Critical));
}

void mnuCompare_Click(App& app, MainScreen& form) {
    CompareWithBackup(app, form);
}

}  // namespace fennick

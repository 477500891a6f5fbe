#include "filetools/BackupCompare.h"

#include "data/App.h"
#include "data/BulkWrite.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/OtherDataFile.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "filetools/AppendedRecords.h"
#include "filetools/CrusadeFileSet.h"
#include "filetools/CrusadeMerge.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Dialogs.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

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

// A person by the names: first and last, blanks around them and case aside.
QByteArray PersonKey(const AttendeeRecord& r) {
    QByteArray key = r.FName.trimmed();
    key += '\t';
    key += r.LName.trimmed();
    for (char& c : key) c = AnsiUpper(c);
    return key;
}

// The live records of the crusade as the comparison finds a person among them: the first
// record holding each number (upper-cased), and the names they bear. Each record's names
// are keyed once, and the records are kept, not copied into the tables.
class LivePeople {
public:
    explicit LivePeople(QList<AttendeeRecord> records) : records_(std::move(records)) {
        byNumber_.reserve(records_.size());
        names_.reserve(records_.size());
        for (qsizetype i = 0; i < records_.size(); ++i) index(i);
    }
    void add(const AttendeeRecord& r) {
        records_.append(r);
        index(records_.size() - 1);
    }
    // The record holding r's number, if any (until the next add()), and its names' key.
    struct Holder {
        const AttendeeRecord* record = nullptr;
        QByteArray names;
    };
    Holder holderOf(const AttendeeRecord& r) const {
        if (r.RNum.trimmed().isEmpty()) return {};
        const auto it = byNumber_.constFind(AnsiUpper(r.RNum.bytes()));
        if (it == byNumber_.cend()) return {};
        return {&records_[it->record], it->names};
    }
    bool bearsNames(const QByteArray& names) const { return names_.contains(names); }

private:
    struct Numbered {
        qsizetype record;
        QByteArray names;
    };
    void index(qsizetype i) {
        const AttendeeRecord& r = records_[i];
        if (r.isDeleted()) return;
        QByteArray names = PersonKey(r);
        names_.insert(names);
        if (r.RNum.trimmed().isEmpty()) return;
        const QByteArray number = AnsiUpper(r.RNum.bytes());
        if (!byNumber_.contains(number)) byNumber_.insert(number, {i, std::move(names)});
    }

    QList<AttendeeRecord> records_;
    QHash<QByteArray, Numbered> byNumber_;
    QSet<QByteArray> names_;
};

QString MissingRecordQuestion(const AttendeeRecord& r, const AttendeeRecord* holder) {
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
    return text + QStringLiteral("Add this record to the main file?");
}

}  // namespace

BackupComparison AddMissingRecords(App& app, const QList<AttendeeRecord>& backup, BulkWrite& writes) {
    BackupComparison result;
    LivePeople people(ReadAllRecords(app));
    const qint16 reserved = app.settings.ReservedNumber;
    for (const AttendeeRecord& r : backup) {
        if (r.isDeleted()) continue;
        // A person is on file when a live record holds the number under the same names; one
        // whose number another person holds, or who has none, when a live record bears the
        // names, whatever its number.
        const LivePeople::Holder held = people.holderOf(r);
        const AttendeeRecord* holder = held.record;
        const QByteArray names = PersonKey(r);
        const bool renumber = holder || r.RNum.trimmed().isEmpty();
        if (holder && held.names == names) continue;
        if (renumber && people.bearsNames(names)) continue;
        if (writes.stopped()) {
            writes.notReached(r);
            continue;
        }
        if (app.crusade.RecCount >= kMaxRecords) {
            result.full = true;
            break;
        }
        const int answer = app.dialogs().msgBox(MissingRecordQuestion(r, holder), Buttons::YesNo);
        app.msg.MsgAnswer = QString::number(answer);
        if (answer != AnsYes) {
            ++result.declined;
            continue;
        }
        AttendeeRecord rec = r;
        if (renumber && !GiveNextNumber(app, writes, rec)) continue;
        if (!writes.write(app.crusade.RecCount + 1, rec)) continue;
        if (renumber)
            result.renumbered << MergeRenumbered{r.RNum.bytes(),       rec.RNum.bytes(),
                                                 r.FName.trimmed(),    r.LName.trimmed(),
                                                 holder ? holder->FName.trimmed() : QByteArray(),
                                                 holder ? holder->LName.trimmed() : QByteArray()};
        people.add(rec);
        ++result.added;
    }
    SaveDrawnNumbers(app, writes, reserved);
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
    if (!EndCutOffReplacement(app, backup, QStringLiteral("Nothing has been compared."))) return;
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
    const bool repaired = RepairAndShowAlphabetical(app, writes, form);
    if (writes.failed()) app.msg.ScratchVar = QStringLiteral("cancel");
    const bool success = compared.declined == 0 && !compared.full && !writes.failed() && repaired;
    QString text = success ? QStringLiteral("Files have been repaired Successfully.")
                           : QStringLiteral("Files have not been repaired.");
    text += NewLine + NewLine + QStringLiteral("Records added from the backup: %1").arg(compared.added) + NewLine +
            QStringLiteral("Records declined: %1").arg(compared.declined);
    if (!compared.renumbered.isEmpty()) text += NewLine + NewLine + RenumberedText(compared.renumbered);
    if (compared.full)
        text += NewLine + NewLine +
                QStringLiteral(
                    "The data file holds %1 records, the most Fennick can keep: no more records can be "
                    "added.")
                    .arg(kMaxRecords);
    if (writes.failed())
        text += NewLine + NewLine +
                writes.report(QStringLiteral("Running Compare again is safe: the records added are found by their "
                                             "number or names and not offered again."));
    app.msg.MsgAnswer =
        QString::number(app.dialogs().msgBox(text, Buttons::OK, success ? Icon::Information : Icon::Critical));
}

void mnuCompare_Click(App& app, MainScreen& form) {
    CompareWithBackup(app, form);
}

}  // namespace fennick

#include "attendance/AttendanceMerge.h"

#include "attendance/AttendanceMarks.h"
#include "data/App.h"
#include "data/BulkWrite.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/FileUtil.h"
#include "data/InfoFile.h"
#include "data/OtherDataFile.h"
#include "data/SequentialText.h"
#include "data/SideFiles.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "filetools/AppendedRecords.h"
#include "mainwindow/MainScreen.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>
#include <optional>

namespace fennick {

namespace {

const QString kTitle = QStringLiteral("Fennick Attendance Update from Remote Computer");
const QString kNothingMerged = QStringLiteral("Nothing has been merged.");

// The other computer's crusade, read and checked before anything is written.
struct OtherCrusade {
    QString dataFile;
    QList<AttendeeRecord> records;
    int lastMeeting = 0;
};

void Refuse(App& app, const QString& why) {
    app.dialogs().msgBox(why + NewLine + NewLine + kNothingMerged, Buttons::OK, Icon::Exclamation, kTitle);
}

// The backup path names where the other computer's file is usually found; false when the
// user is sent away or cancels.
bool BackupPathReady(App& app) {
    const QString path = app.settings.BackupPath;
    if (path.isEmpty()) {
        app.dialogs().msgBox(
            QStringLiteral("These files have not been backed up.  You cannot restore them.") + NewLine +
            QStringLiteral(
                "If you would like to use different files then you can use the Change Crusade feature from the Files "
                "menu."));
        return false;
    }
    const QString drive = path.left(3).toUpper();
    if (drive == QLatin1String("A:\\") || drive == QLatin1String("B:\\")) {
        const int answer = app.dialogs().msgBox(
            QStringLiteral("Make sure a backup diskette is in place and the drive is ready before proceeding."),
            Buttons::OKCancel, Icon::None, QStringLiteral("Restore files from Backup"));
        if (answer == AnsCancel) return false;
    }
    // A replacement cut off there may have moved the data file aside: it is put back before
    // the file is looked for.
    if (!EndCutOffReplacement(app, path, kNothingMerged)) return false;
    // A directory look-up finds a file, or a folder only by the files in it.
    const QFileInfo fi(path);
    const bool found = fi.isFile() || (fi.isDir() && !app.files().list(path).isEmpty());
    if (!found)
        app.dialogs().msgBox(QStringLiteral("Unable to find ") + path +
                             QStringLiteral(" on Flopy Drive.  Insert Diskette and try again."));
    return true;
}

// A meeting number as the settings file holds it: a whole number 1..40, blanks around it
// allowed.
std::optional<int> MeetingNumber(const QString& item) {
    const QString t = Trim(item);
    if (t.isEmpty() || t.size() > 2 || !std::all_of(t.begin(), t.end(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    const int n = t.toInt();
    if (!IsNight(n)) return std::nullopt;
    return n;
}

// Reads the chosen data file and the last meeting of its settings file (line 3, read as a
// whole line so that a comma in the crusade name shifts nothing). Refuses, after a
// message, what is not a crusade data file or has no usable last meeting.
std::optional<OtherCrusade> ReadOtherCrusade(App& app, const QString& chosen) {
    OtherCrusade other;
    other.dataFile = chosen;
    if (!EndCutOffReplacement(app, chosen, QStringLiteral("Nothing has been merged."))) return std::nullopt;
    OtherDataFile file = ReadOtherDataFile(chosen);
    if (file.ok() && file.records.isEmpty())
        file.refusal = chosen + NewLine + QStringLiteral("is not a crusade data file: it holds no records.");
    if (!file.ok()) {
        Refuse(app, file.refusal);
        return std::nullopt;
    }
    other.records = std::move(file.records);

    const QString settings = SideFileName(chosen, QStringLiteral("inf"));
    QString item;
    try {
        SequentialTextReader in = ReadSettingsFile(settings);
        for (int line = 1; line <= 3 && !in.atEnd(); ++line) item = in.readItem();
        if (in.lineCount() < 3) item.clear();
    } catch (const VbError& e) {
        Refuse(app, QStringLiteral("The other computer's settings file ") + settings + NewLine +
                        QStringLiteral("could not be read: ") + e.description());
        return std::nullopt;
    }
    const std::optional<int> meeting = MeetingNumber(item);
    if (!meeting) {
        Refuse(app, QStringLiteral("The other computer's settings file ") + settings + NewLine +
                        QStringLiteral("does not give its last meeting as a number from 1 to 40 (line 3: \"") + item +
                        QStringLiteral("\")."));
        return std::nullopt;
    }
    other.lastMeeting = *meeting;
    return other;
}

// The three questions; false when the user stops. attendanceOnly is set from the second.
bool Confirmed(App& app, const OtherCrusade& other, bool& attendanceOnly) {
    const QString meeting = Plain(other.lastMeeting);
    const QString what = QStringLiteral("You will update the Attendance records in:") + NewLine +
                         QStringLiteral("      ") + app.program.DataFile + NewLine + NewLine +
                         QStringLiteral("with the Attendance records in the file in Drive: ") + other.dataFile +
                         NewLine + NewLine + QStringLiteral("For Meeting Number: ") + meeting + NewLine +
                         QStringLiteral("The last Meeting Number for the Current Database is: ") +
                         Plain(app.settings.LastMeeting) + NewLine + NewLine +
                         QStringLiteral("Is this what you want to do?");
    if (app.dialogs().msgBox(what, Buttons::YesNo, Icon::Critical, kTitle) != AnsYes) return false;

    const QString whole =
        QStringLiteral("This will only update the Attendance record for those attending Meeting ") + meeting + NewLine +
        QStringLiteral("You can choose 'Yes' to update the entire record for those attending Meeting: ") + meeting +
        NewLine + NewLine + QStringLiteral("Do You want to update the entire record?");
    attendanceOnly = app.dialogs().msgBox(whole, Buttons::YesNo, Icon::Critical, kTitle, 2) != AnsYes;

    const QString last = QStringLiteral("Last Chance!") + NewLine + NewLine + QStringLiteral("Are you sure?");
    return app.dialogs().msgBox(last, Buttons::YesNo, Icon::Critical, kTitle) == AnsYes;
}

// The other record as the missing-record question shows it: team, number, names.
QString MissingName(const AttendeeRecord& rec) {
    return FromAnsi(rec.WorkerCode.bytes()) + QStringLiteral("  ") + FromAnsi(rec.RNum.bytes()) + QStringLiteral("  ") +
           FromAnsi(rec.LName.trimmed()) + QStringLiteral(", ") + FromAnsi(rec.FName.bytes());
}

// Asked when a local record holds the other record's number under other names.
QString SamePersonQuestion(const AttendeeRecord& theirs, const AttendeeRecord& here) {
    return QStringLiteral("Found Record Number ") + FromAnsi(theirs.RNum.bytes()) +
           QStringLiteral(" Under Another Name: ") + NewLine + QStringLiteral("Other computer:  ") +
           MissingName(theirs) + NewLine + QStringLiteral("This computer:  ") + MissingName(here) + NewLine + NewLine +
           QStringLiteral("Is this the same person?");
}

// Whether running the merge again is safe, after it stopped (stopped) or not.
QString MergeRerun(const BringingIn& in, bool stopped) {
    QString text = QStringLiteral(
        "Running Merge Attendance Updates again is safe: the records merged are merged the same way again, and those "
        "added are found by their number and names.");
    text += in.offeredAgain();
    if (stopped) text += NewLine + QStringLiteral("The church members were not merged: running it again merges them.");
    return text;
}

// Merges the other computer's member list; returns a note for the final message when it
// has none. Throws VbError when it cannot be read or the list cannot be written.
QString MergeMemberFile(App& app, const QString& otherDataFile) {
    const QString path = SideFileName(otherDataFile, QStringLiteral("mem"));
    QList<QByteArray> entries;
    try {
        SequentialTextReader in = SequentialTextReader::fromFile(path);
        while (!in.atEnd()) {
            QByteArray entry = in.readItemBytes();
            if (!entry.isEmpty()) entries.append(std::move(entry));
        }
    } catch (const VbError& e) {
        if (e.number() != err::FileNotFound) throw;
        return QStringLiteral("The other computer has no church member list (") + path +
               QStringLiteral("); the church members were not merged.");
    }
    // A member editor keeps what it holds in the list and closes before the list changes.
    if (app.hooks.closeTableWindows) app.hooks.closeTableWindows();
    MergeMembers(app, entries);
    SaveMembers(app);
    return QString();
}

}  // namespace

void MergeRecords(App& app, const QList<AttendeeRecord>& other, int night, bool attendanceOnly, BringingIn& in) {
    if (!IsNight(night)) return;
    // The other record merged into local record n, when it attended night.
    const auto merge = [&](qint32 n, const AttendeeRecord& theirs) {
        if (theirs.Last != night) return;
        AttendeeRecord rec = theirs;
        if (attendanceOnly) {
            rec = in.record(n);
            QByteArray attendance = NormalisedAttendance(rec.Attendance.bytes());
            attendance[night - 1] = theirs.Attendance.at(night);
            SetAttendance(rec, attendance);
        }
        in.update(n, rec);
    };
    for (const AttendeeRecord& theirs : other) {
        if (theirs.isDeleted()) continue;
        in.reach(theirs);
        const qint32 same = in.samePerson(theirs);
        if (in.stopped()) {
            // What would have been written or offered.
            if (!same || theirs.Last == night) in.notReached(theirs);
            continue;
        }
        if (same) {
            merge(same, theirs);
            continue;
        }
        const qint32 holder = in.holder(theirs);
        if (holder && app.dialogs().msgBox(SamePersonQuestion(theirs, in.record(holder)), Buttons::YesNo) == AnsYes) {
            merge(holder, theirs);
            continue;
        }
        const QString another = holder ? QStringLiteral("its number is held here by ") +
                                             FromAnsi(in.record(holder).LName.trimmed()) + QStringLiteral(", ") +
                                             FromAnsi(in.record(holder).FName.trimmed()) + QStringLiteral(", ")
                                       : QString();
        if (in.full()) {
            in.leaveOut(theirs, another + FullFileWhy());
            continue;
        }
        const QString question = QStringLiteral("Found Missing Record: ") + NewLine + MissingName(theirs) + NewLine +
                                 FromAnsi(theirs.Attendance.bytes()) + NewLine + NewLine +
                                 QStringLiteral("Add this record to the main file?");
        if (app.dialogs().msgBox(question, Buttons::YesNo) != AnsYes) {
            in.leaveOut(theirs, another + QStringLiteral("not added, as answered"));
            continue;
        }
        in.append(theirs, false);
    }
    in.finish();
}

int MergeMembers(App& app, const QList<QByteArray>& entries) {
    Crusade& c = app.crusade;
    if (c.MemberNames.isEmpty()) c.MemberNames.resize(1);
    QSet<QByteArray> numbers;
    for (qint32 i = 1; i <= c.MemberCount && i < c.MemberNames.size(); ++i) numbers.insert(Left(c.MemberNames[i], 4));
    int added = 0;
    for (const QByteArray& entry : entries) {
        if (c.MemberCount >= 32767 || numbers.contains(Left(entry, 4))) continue;
        numbers.insert(Left(entry, 4));
        c.MemberNames.resize(c.MemberCount + 1);
        c.MemberNames.append(entry);
        ++c.MemberCount;
        ++added;
    }
    return added;
}

void MergeAttendanceUpdates(App& app, MainScreen& editForm) {
    if (app.view.ReportCount > 0 && !SaveCurrentRecord(app, editForm)) return;
    if (!BackupPathReady(app)) return;

    FileDialogSpec spec;
    spec.title = QStringLiteral("Merge Attendance Records from Remote Computer");
    spec.filter = kOpenCrusadeFilter;
    spec.filterIndex = 1;
    // The last backup while its folder is on this machine, the home folder otherwise.
    if (ExistingFolderOf(app.settings.BackupPath).isEmpty())
        spec.initialDir = QDir::homePath();
    else
        spec.fileName = app.settings.BackupPath;
    std::optional<QString> chosen = app.dialogs().openFile(spec);
    if (!chosen || chosen->isEmpty()) return;
    chosen = ListedDataFile(*chosen);
    if (SameFile(*chosen, app.program.DataFile)) {
        app.dialogs().msgBox(QStringLiteral("You Cannot Update the Currently Loaded File to itself.") + NewLine +
                             QStringLiteral("You must must select a different File Name to merge."));
        return;
    }
    const std::optional<OtherCrusade> other = ReadOtherCrusade(app, *chosen);
    if (!other) return;
    PlaySound(app, QStringLiteral("carbrake"));
    bool attendanceOnly = false;
    if (!Confirmed(app, *other, attendanceOnly)) return;

    // The loaded crusade's last meeting never goes back; the night merged is the other's.
    app.settings.LastMeeting = qint16(std::max<int>(app.settings.LastMeeting, other->lastMeeting));
    // One closing message, whatever stopped the merge or failed after it.
    BulkWrite writes(app, QStringLiteral("Merge Attendance Updates"), kSourceFennick3);
    std::optional<BringingIn> in;
    QString note;
    bool recordsMerged = false;
    try {
        in.emplace(app, writes, other->records);
        MergeRecords(app, other->records, other->lastMeeting, attendanceOnly, *in);
        recordsMerged = !writes.stopped();
    } catch (const VbError& e) {
        writes.stepFailed(QStringLiteral("The merge stopped: a record of the data file could not be read. The church "
                                         "members were not merged."),
                          e);
    }
    if (recordsMerged)
        writes.step(QStringLiteral("The church members were not merged."),
                    [&] { note = MergeMemberFile(app, other->dataFile); });

    const bool repaired = RepairAndShowAlphabetical(app, writes, editForm);
    const bool success = !writes.failed() && repaired && in && !in->full();
    if (writes.failed()) app.msg.ScratchVar = QStringLiteral("cancel");
    const QString opening =
        !writes.failed() && repaired ? QStringLiteral("Attendance has been updated Successfully.") : QString();
    // A data file whose records could not be read was not merged at all.
    const QString text = in ? in->closing(opening, true, {note}, MergeRerun(*in, writes.stopped()))
                            : writes.report(QString()) + NewLine + NewLine +
                                  QStringLiteral("Running Merge Attendance Updates again is safe: nothing was merged.");
    app.msg.MsgAnswer =
        QString::number(app.dialogs().msgBox(text, Buttons::OK, success ? Icon::Information : Icon::Exclamation,
                                             success ? std::nullopt : std::optional<QString>(kTitle)));
}

void mnuMergeAttendance_Click(App& app, MainScreen& editForm) {
    // The merge saves the shown record first itself.
    MergeAttendanceUpdates(app, editForm);
}

}  // namespace fennick

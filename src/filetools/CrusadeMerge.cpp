#include "filetools/CrusadeMerge.h"

#include "attendance/AttendanceMerge.h"
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
#include "mainwindow/MainLifecycle.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Busy.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "statistics/Stats.h"
#include "views/Indexes.h"
#include "views/ZipRebuild.h"

#include <algorithm>
#include <optional>

namespace fennick {

namespace {

// Whether running the merge again is safe: a record added under its own number is then
// the same person on file and left out; one given a new number is not.
QString MergeRerun(const BringingIn& in) {
    if (in.renumbered() == 0)
        return QStringLiteral(
            "Running Merge Files again is safe: the records added are left out as the same people on file, and the "
            "rest are added.");
    return (in.renumbered() == 1
                ? QStringLiteral("Running Merge Files again adds a second time the 1 record given a new number")
                : QStringLiteral("Running Merge Files again adds a second time the %1 records given a new number")
                      .arg(in.renumbered())) +
           QStringLiteral(": merge a copy of the other crusade without them instead.");
}

// The other crusade's member list merged into the open one by member number. A missing or
// unreadable list ends the reading without a message; what was read is kept. The open
// crusade's list is written in any case (a failure there is thrown).
void MergeMemberList(App& app, const QString& otherDataFile) {
    QList<QByteArray> entries;
    try {
        SequentialTextReader in = SequentialTextReader::fromFile(SideFileName(otherDataFile, QStringLiteral("mem")));
        while (!in.atEnd()) {
            QByteArray entry = in.readItemBytes();
            if (!entry.isEmpty()) entries.append(std::move(entry));
        }
    } catch (const VbError&) {
    }
    // A member editor keeps what it holds and closes before the list changes.
    if (app.hooks.closeTableWindows) app.hooks.closeTableWindows();
    MergeMembers(app, entries);
    SaveMembers(app);
}

// The statistics data file of a master named "Master", from the merged file. The other
// crusade's name and date come from its settings file; without them nothing is written.
// Why the file was not written is kept by writes.
void MasterStatistics(App& app, BulkWrite& writes, const QString& otherDataFile, int n) {
    const QString settings = SideFileName(otherDataFile, QStringLiteral("inf"));
    try {
        SequentialTextReader in = ReadSettingsFile(settings);
        if (in.lineCount() < 2) throw VbError(err::PastEndOfFile, QStringLiteral("Input past end of file"));
        in.readItem();
        app.msg.MsgText = in.readItem();
    } catch (const VbError& e) {
        writes.stepFailed(QStringLiteral("The statistics data file was not written: the settings file ") + settings +
                              QStringLiteral(" could not be read."),
                          e);
        return;
    }
    app.msg.ScratchVar = QString::number(n);
    writes.step(QStringLiteral("The statistics data file was not written."), [&] { WriteStatsFile(app); });
}

// How many records the merged file holds, n of them added: at most what a data file may.
QString MergedCount(qint64 n, qint32 recCount) {
    if (n + recCount <= kMaxRecords)
        return QStringLiteral("The Merged file will contain ") + Plain(n + recCount) + QStringLiteral(" records.");
    return QStringLiteral("The Merged file can hold no more than ") + Plain(kMaxRecords) +
           QStringLiteral(" records: at most ") + Plain(std::max<qint64>(0, kMaxRecords - recCount)) +
           QStringLiteral(" of the ") + Plain(n) + QStringLiteral(" new names can be added.");
}

}  // namespace

void MergeCrusadeRecords(const QList<AttendeeRecord>& other, BringingIn& in) {
    for (const AttendeeRecord& theirs : other) {
        if (theirs.isDeleted()) {
            in.leaveOut(theirs, QStringLiteral("deleted"));
            continue;
        }
        in.reach(theirs);
        if (in.stopped()) {
            in.notReached(theirs);
        } else if (in.samePerson(theirs)) {
            in.leaveOut(theirs, kAlreadyOnFile);
        } else if (in.full()) {
            in.leaveOut(theirs, FullFileWhy());
        } else {
            in.append(theirs, true);
        }
    }
    in.finish();
}

void mnuMerge_Click(App& app, MainScreen& form) {
    if (!app.crusade.file.isOpen()) return;
    if (app.view.ReportCount > 0 && !SaveCurrentRecord(app, form)) return;
    app.msg.ScratchVar.clear();

    FileDialogSpec spec;
    spec.title = QStringLiteral("Merge Files into the Master File");
    spec.filter = kOpenCrusadeFilter;
    spec.filterIndex = 1;
    spec.initialDir = app.program.DataDir;
    std::optional<QString> chosen = app.dialogs().openFile(spec);
    if (!chosen || chosen->isEmpty()) {
        app.msg.ScratchVar = QStringLiteral("cancel");
        return;
    }
    chosen = ListedDataFile(*chosen);
    const QString& dataFile = app.program.DataFile;
    if (SameFile(*chosen, dataFile)) {
        app.dialogs().msgBox(QStringLiteral("You Cannot Merge the Currently Loaded File into itself.") + NewLine +
                             QStringLiteral("You must must select a different File Name to merge."));
        return;
    }
    if (!EndCutOffReplacement(app, *chosen, QStringLiteral("Nothing has been merged."))) return;
    OtherDataFile other = ReadOtherDataFile(*chosen);
    if (!other.ok()) {
        app.dialogs().msgBox(other.refusal + NewLine + NewLine + QStringLiteral("Nothing has been merged."),
                             Buttons::OK, Icon::Exclamation);
        return;
    }
    const qint64 n = other.records.size();
    // One closing message, whatever stopped the merge or failed after it. The records on
    // file are those the question counts the merge's new names against.
    BulkWrite writes(app, QStringLiteral("Merge Files"), kSourceFennick3);
    BringingIn in(app, writes, other.records);
    PlaySound(app, QStringLiteral("carbrake"));
    const QString six = QStringLiteral("      ");
    app.msg.MsgText = QStringLiteral("You will merge ") + Plain(n) + QStringLiteral(" records from:") + NewLine + six +
                      *chosen + NewLine + QStringLiteral("into: ") + NewLine + six + dataFile + NewLine + NewLine +
                      MergedCount(in.newPeople(other.records), app.crusade.RecCount) + NewLine + NewLine +
                      QStringLiteral("Is this what you want to do?");
    if (app.dialogs().msgBox(app.msg.MsgText, Buttons::YesNo, Icon::Critical) != AnsYes) return;
    if (app.dialogs().msgBox(QStringLiteral("Last Chance! Are you sure?"), Buttons::YesNo, Icon::Critical) != AnsYes)
        return;
    {
        BusyGuard busy(app.platform.busy);
        MergeCrusadeRecords(other.records, in);
    }
    writes.step(QStringLiteral("The main window could not show the merged names."), [&] {
        if (app.view.CurIndexPos == 0 && app.view.ReportCount > 0) app.view.CurIndexPos = 1;
        SortIndex(app);
        ShowCurrentRecord(app, form);
    });
    writes.step(QStringLiteral("The church members were not merged."), [&] { MergeMemberList(app, *chosen); });
    if (app.settings.CrusadeName == QLatin1String("Master")) MasterStatistics(app, writes, *chosen, int(n));
    writes.step(QStringLiteral("The zip-code table was not rebuilt."), [&] { RebuildZipTable(app); });
    if (writes.failed()) app.msg.ScratchVar = QStringLiteral("cancel");
    app.dialogs().msgBox(in.closing(QString(), false, {}, MergeRerun(in)), Buttons::OK,
                         writes.failed() || in.full() ? Icon::Exclamation : Icon::Information);
}

}  // namespace fennick

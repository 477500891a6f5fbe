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

#include <QSet>

#include <optional>

namespace fennick {

namespace {

// The names as the same-person test compares them: both fields whole, as stored.
QByteArray NameKey(const AttendeeRecord& r) {
    return r.FName.bytes() + r.LName.bytes();
}

// The most records left out that the closing message names one by one: with them it
// still fits on the screen.
constexpr qsizetype kListedLeftOut = 20;

// After a merge stopped part way: a name added is found again by its number and names and
// left out.
const QString kMergeRerun = QStringLiteral(
    "Running Merge Files again is safe: the names added are left out as already on file, and the rest are added.");

MergeLeftOut LeftOut(const AttendeeRecord& r, const QByteArray& sameNameAs, bool deleted = false) {
    return {r.RNum.bytes(), r.FName.trimmed(), r.LName.trimmed(), sameNameAs, deleted};
}

// The names on file and the number each is named by: a live record's number replaces a
// deleted one's, and the first live record's stays.
class NamesOnFile {
public:
    void add(const AttendeeRecord& r) {
        const QByteArray key = NameKey(r);
        if (live_.contains(key)) return;
        if (!r.isDeleted()) {
            live_.insert(key);
            number_.insert(key, r.RNum.bytes());
        } else if (!number_.contains(key)) {
            number_.insert(key, r.RNum.bytes());
        }
    }
    // The number the names of r are on file under; empty when they are not.
    QByteArray numberOf(const AttendeeRecord& r) const { return number_.value(NameKey(r)); }
    // Whether only deleted records bear the names of r.
    bool onlyDeleted(const AttendeeRecord& r) const { return !live_.contains(NameKey(r)); }

private:
    QHash<QByteArray, QByteArray> number_;
    QSet<QByteArray> live_;
};

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

// "Baker, Ruth"
QString ListedName(const QByteArray& lastName, const QByteArray& firstName) {
    return FromAnsi(lastName) + QStringLiteral(", ") + FromAnsi(firstName);
}

}  // namespace

CrusadeMergeResult MergeCrusadeRecords(App& app, const QList<AttendeeRecord>& other, BulkWrite& writes) {
    CrusadeMergeResult result;
    NamesOnFile names;
    // The names of the first live record holding each number (upper-cased).
    QHash<QByteArray, AttendeeRecord> holders;
    const auto hold = [&holders](const AttendeeRecord& r) {
        if (!r.isDeleted() && !r.RNum.trimmed().isEmpty() && !holders.contains(AnsiUpper(r.RNum.bytes())))
            holders.insert(AnsiUpper(r.RNum.bytes()), r);
    };
    for (const AttendeeRecord& r : ReadAllRecords(app)) {
        names.add(r);
        hold(r);
    }
    const qint16 reserved = app.settings.ReservedNumber;
    for (const AttendeeRecord& theirs : other) {
        if (writes.stopped()) {
            if (!theirs.isDeleted()) writes.notReached(theirs);
            continue;
        }
        if (theirs.isDeleted()) {
            result.leftOut << LeftOut(theirs, QByteArray());
            continue;
        }
        AttendeeRecord rec = theirs;
        // A record without a number takes the next one, as one whose number is held: two
        // names without a number would read as one number held twice.
        const bool held = rec.RNum.trimmed().isEmpty() || RegNumberHeld(app, rec.RNum.bytes());
        const QByteArray onFile = held ? names.numberOf(rec) : QByteArray();
        if (!onFile.isEmpty()) {
            result.leftOut << LeftOut(rec, onFile, names.onlyDeleted(rec));
            continue;
        }
        if (app.crusade.RecCount >= kMaxRecords) {
            result.stopped =
                QStringLiteral("The data file holds %1 records, the most Fennick can keep.").arg(kMaxRecords);
            break;
        }
        if (held) {
            if (!GiveNextNumber(app, writes, rec)) continue;
            app.msg.MsgAnswer = FromAnsi(rec.RNum.bytes());
        }
        if (!AppendWithEntry(app, writes, rec)) continue;
        if (held) {
            const AttendeeRecord holder = holders.value(AnsiUpper(theirs.RNum.bytes()));
            result.renumbered << MergeRenumbered{theirs.RNum.bytes(), rec.RNum.bytes(),       rec.FName.trimmed(),
                                                 rec.LName.trimmed(), holder.FName.trimmed(), holder.LName.trimmed()};
        }
        names.add(rec);
        hold(rec);
        ++result.appended;
    }
    SaveDrawnNumbers(app, writes, reserved);
    return result;
}

QString RenumberedText(const QList<MergeRenumbered>& renumbered) {
    // "number" and its digits are joined by a no-break space, so that a line wrapped in
    // the message box never parts them.
    const QString number = QStringLiteral("number") + QChar(0x00A0);
    QString text = renumbered.size() == 1
                       ? QStringLiteral("1 record was given a new number:")
                       : QStringLiteral("%1 records were given a new number:").arg(renumbered.size());
    for (qsizetype i = 0; i < std::min(renumbered.size(), kListedLeftOut); ++i) {
        const MergeRenumbered& m = renumbered[i];
        const QString holder = m.holderLastName.isEmpty() && m.holderFirstName.isEmpty()
                                   ? QStringLiteral("another record")
                                   : ListedName(m.holderLastName, m.holderFirstName);
        text += NewLine + ListedName(m.lastName, m.firstName) + QStringLiteral(": added as ") + number +
                FromAnsi(m.newNumber) +
                (m.number.trimmed().isEmpty() ? QStringLiteral(", as it had none")
                                              : QStringLiteral(", its ") + number + FromAnsi(m.number) +
                                                    QStringLiteral(" is held by ") + holder);
    }
    if (renumbered.size() > kListedLeftOut)
        text += NewLine + QStringLiteral("and %1 more.").arg(renumbered.size() - kListedLeftOut);
    return text;
}

QString MergeSummary(const CrusadeMergeResult& r) {
    QString text =
        r.appended == 1 ? QStringLiteral("1 name was added.") : QStringLiteral("%1 names were added.").arg(r.appended);
    const QString number = QStringLiteral("number") + QChar(0x00A0);
    if (!r.renumbered.isEmpty()) text += NewLine + NewLine + RenumberedText(r.renumbered);
    if (!r.leftOut.isEmpty()) {
        text += NewLine + NewLine +
                (r.leftOut.size() == 1 ? QStringLiteral("1 record was left out:")
                                       : QStringLiteral("%1 records were left out:").arg(r.leftOut.size()));
        for (qsizetype i = 0; i < std::min(r.leftOut.size(), kListedLeftOut); ++i) {
            const MergeLeftOut& l = r.leftOut[i];
            QString why = QStringLiteral("deleted");
            if (l.sameNameDeleted)
                why = QStringLiteral("the same name is on file only in a deleted record, ") + number +
                      FromAnsi(l.sameNameAs);
            else if (!l.sameNameAs.isEmpty())
                why = QStringLiteral("the same name already on file as ") + number + FromAnsi(l.sameNameAs);
            text += NewLine + FromAnsi(l.number) + QStringLiteral("  ") + ListedName(l.lastName, l.firstName) +
                    QStringLiteral(": ") + why;
        }
        if (r.leftOut.size() > kListedLeftOut)
            text += NewLine + QStringLiteral("and %1 more.").arg(r.leftOut.size() - kListedLeftOut);
    }
    if (!r.stopped.isEmpty())
        text += NewLine + NewLine + r.stopped + NewLine +
                (r.appended == 1
                     ? QStringLiteral("The merge stopped after 1 record; it stays in the file.")
                     : QStringLiteral("The merge stopped after %1 records; they stay in the file.").arg(r.appended));
    return text;
}

void mnuMerge_Click(App& app, MainScreen& form) {
    if (!app.crusade.file.isOpen()) return;
    if (app.view.ReportCount > 0 && !SaveCurrentRecord(app, form)) return;
    app.msg.ScratchVar.clear();

    FileDialogSpec spec;
    spec.title = QStringLiteral("Merge Files into the Master File");
    spec.filter = QStringLiteral("Crusade Files (*.dta)|*.dta|Crusade Files");
    spec.filterIndex = 1;
    spec.initialDir = app.program.DataDir;
    const std::optional<QString> chosen = app.dialogs().openFile(spec);
    if (!chosen || chosen->isEmpty()) {
        app.msg.ScratchVar = QStringLiteral("cancel");
        return;
    }
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
    PlaySound(app, QStringLiteral("carbrake"));
    const QString six = QStringLiteral("      ");
    app.msg.MsgText = QStringLiteral("You will merge ") + Plain(n) + QStringLiteral(" records from:") + NewLine + six +
                      *chosen + NewLine + QStringLiteral("into: ") + NewLine + six + dataFile + NewLine + NewLine +
                      QStringLiteral("The Merged file will contain ") + Plain(n + app.crusade.RecCount) +
                      QStringLiteral(" records.") + NewLine + NewLine + QStringLiteral("Is this what you want to do?");
    if (app.dialogs().msgBox(app.msg.MsgText, Buttons::YesNo, Icon::Critical) != AnsYes) return;
    if (app.dialogs().msgBox(QStringLiteral("Last Chance! Are you sure?"), Buttons::YesNo, Icon::Critical) != AnsYes)
        return;

    // One closing message, whatever stopped the merge or failed after it.
    BulkWrite writes(app, QStringLiteral("Merge Files"), kSourceFennick3);
    CrusadeMergeResult merged;
    {
        BusyGuard busy(app.platform.busy);
        merged = MergeCrusadeRecords(app, other.records, writes);
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
    QString text = MergeSummary(merged);
    if (writes.failed()) text += NewLine + NewLine + writes.report(kMergeRerun);
    app.dialogs().msgBox(text, Buttons::OK,
                         merged.stopped.isEmpty() && !writes.failed() ? Icon::Information : Icon::Exclamation);
}

}  // namespace fennick

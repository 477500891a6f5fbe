#include "filetools/CrusadeMerge.h"

#include "attendance/AttendanceMerge.h"
#include "data/App.h"
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
#include "filetools/CrusadeFileSet.h"
#include "mainwindow/MainLifecycle.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Busy.h"
#include "platform/Dialogs.h"
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
// crusade's name and date come from its settings file; without them nothing is written
// and the user is told.
void MasterStatistics(App& app, const QString& otherDataFile, int n) {
    const QString settings = SideFileName(otherDataFile, QStringLiteral("inf"));
    try {
        SequentialTextReader in = ReadSettingsFile(settings);
        if (in.lineCount() < 2) throw VbError(err::PastEndOfFile, QStringLiteral("Input past end of file"));
        in.readItem();
        app.msg.MsgText = in.readItem();
    } catch (const VbError& e) {
        app.dialogs().msgBox(QStringLiteral("The statistics data file was not written: the settings file ") + settings +
                                 QStringLiteral(" could not be read.") + NewLine + e.description(),
                             Buttons::OK, Icon::Exclamation);
        return;
    }
    app.msg.ScratchVar = QString::number(n);
    Stats(app, kStatsFileOnly);
}

}  // namespace

CrusadeMergeResult MergeCrusadeRecords(App& app, const QList<AttendeeRecord>& other) {
    CrusadeMergeResult result;
    NamesOnFile names;
    for (const AttendeeRecord& r : ReadAllRecords(app)) names.add(r);
    const qint16 reserved = app.settings.ReservedNumber;
    try {
        for (const AttendeeRecord& theirs : other) {
            if (theirs.isDeleted()) {
                result.leftOut << LeftOut(theirs, QByteArray());
                continue;
            }
            AttendeeRecord rec = theirs;
            const bool held = RegNumberHeld(app, rec.RNum.bytes());
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
                const QByteArray number = StepRegNumber(app);
                if (number.isEmpty()) {
                    result.stopped = QStringLiteral("No registration number is left to issue.");
                    break;
                }
                app.msg.MsgAnswer = FromAnsi(number);
                rec.RNum = number;
                ++result.renumbered;
            }
            AppendWithEntry(app, rec);
            names.add(rec);
            ++result.appended;
        }
    } catch (const VbError&) {
        // The numbers drawn stay issued: the records written hold them.
        try {
            SaveDrawnNumbers(app, reserved);
        } catch (const VbError&) {
        }
        throw;
    }
    SaveDrawnNumbers(app, reserved);
    return result;
}

QString MergeSummary(const CrusadeMergeResult& r) {
    QString text =
        r.appended == 1 ? QStringLiteral("1 name was added.") : QStringLiteral("%1 names were added.").arg(r.appended);
    if (!r.leftOut.isEmpty()) {
        text += NewLine + NewLine +
                (r.leftOut.size() == 1 ? QStringLiteral("1 record was left out:")
                                       : QStringLiteral("%1 records were left out:").arg(r.leftOut.size()));
        // "number" and its digits are joined by a no-break space, so that a line wrapped in
        // the message box never parts them.
        const QString number = QStringLiteral("number") + QChar(0x00A0);
        for (qsizetype i = 0; i < std::min(r.leftOut.size(), kListedLeftOut); ++i) {
            const MergeLeftOut& l = r.leftOut[i];
            QString why = QStringLiteral("deleted");
            if (l.sameNameDeleted)
                why = QStringLiteral("the same name is on file only in a deleted record, ") + number +
                      FromAnsi(l.sameNameAs);
            else if (!l.sameNameAs.isEmpty())
                why = QStringLiteral("the same name already on file as ") + number + FromAnsi(l.sameNameAs);
            text += NewLine + FromAnsi(l.number) + QStringLiteral("  ") + FromAnsi(l.lastName) + QStringLiteral(", ") +
                    FromAnsi(l.firstName) + QStringLiteral(": ") + why;
        }
        if (r.leftOut.size() > kListedLeftOut)
            text += NewLine + QStringLiteral("and %1 more.").arg(r.leftOut.size() - kListedLeftOut);
    }
    if (!r.stopped.isEmpty())
        text += NewLine + NewLine + r.stopped + NewLine +
                QStringLiteral("The merge stopped after %1 records; they stay in the file.").arg(r.appended);
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

    // The closing message; none when the record merge failed (its error was shown).
    std::optional<CrusadeMergeResult> merged;
    try {
        BusyGuard busy(app.platform.busy);
        merged = MergeCrusadeRecords(app, other.records);
    } catch (const VbError& e) {
        app.msg.ScratchVar = QStringLiteral("cancel");
        app.dialogs().msgBox(CommonErrorText(e, kSourceFennick3));
    }
    const auto guarded = [&app](const std::function<void()>& step) {
        try {
            step();
        } catch (const VbError& e) {
            app.msg.ScratchVar = QStringLiteral("cancel");
            app.dialogs().msgBox(CommonErrorText(e, kSourceFennick3));
        }
    };
    guarded([&] {
        if (app.view.CurIndexPos == 0 && app.view.ReportCount > 0) app.view.CurIndexPos = 1;
        SortIndex(app);
        ShowCurrentRecord(app, form);
    });
    guarded([&] { MergeMemberList(app, *chosen); });
    if (app.settings.CrusadeName == QLatin1String("Master")) guarded([&] { MasterStatistics(app, *chosen, int(n)); });
    guarded([&] { RebuildZipTable(app); });
    if (merged)
        app.dialogs().msgBox(MergeSummary(*merged), Buttons::OK,
                             merged->stopped.isEmpty() ? Icon::Information : Icon::Exclamation);
}

}  // namespace fennick

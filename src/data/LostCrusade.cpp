#include "data/LostCrusade.h"

#include "data/App.h"
#include "data/CrusadeFiles.h"
#include "data/CrusadeSet.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/FileSetReplace.h"
#include "data/FileToWrite.h"
#include "data/FileUtil.h"
#include "data/InfoFile.h"
#include "data/IniFile.h"
#include "data/SideFiles.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>
#include <iterator>

namespace fennick {

namespace {

const QString kSaveTitle = QStringLiteral("Save the Crusade in Another Folder");
const QString kAskToSave = QStringLiteral("Do you want to save the crusade's files in another folder?");

// The crusade's records as the program holds them (each record whose write was refused
// in its place); refused: how many such records there are. A new record whose write was
// refused is kept only while the main window shows it as the name being added: a copy or
// an added record the user was told was not made, and a name the user left without
// saving, are not.
struct KeptRecords {
    QByteArray records;
    qsizetype refused = 0;
};

// The new record whose write was refused, while the main window shows it as the name
// being added; inFile: the records of the data file.
std::optional<QByteArray> AddedOnScreen(App& app, qint64 inFile) {
    const QMap<qint64, QByteArray>& refused = app.crusade.file.unwritten();
    const auto added = refused.constFind(inFile + 1);
    if (added == refused.cend() || !app.crusade.AddMode || !app.mainWindow.NewEntryOnScreen) return std::nullopt;
    return *added;
}

// How many records whose write was refused the program holds, as RecordsToSave counts them.
qsizetype RefusedRecordsKept(App& app) {
    const qint64 inFile = app.crusade.file.recordCount();
    const QMap<qint64, QByteArray>& refused = app.crusade.file.unwritten();
    return std::distance(refused.cbegin(), refused.upperBound(inFile)) + (AddedOnScreen(app, inFile) ? 1 : 0);
}

KeptRecords RecordsToSave(App& app) {
    RecordFile& file = app.crusade.file;
    KeptRecords kept{file.readAll()};
    const qint64 inFile = kept.records.size() / Crusade::RecLen;
    if (const std::optional<QByteArray> added = AddedOnScreen(app, inFile)) kept.records.append(*added);
    kept.refused = RefusedRecordsKept(app);
    return kept;
}

// How many records the saved data file holds, as the screens count them: "56 records",
// and the deleted ones it keeps besides.
QString RecordsText(const QByteArray& records) {
    qsizetype live = 0, deleted = 0;
    for (qsizetype at = 0; at + Crusade::RecLen <= records.size(); at += Crusade::RecLen)
        ++(AttendeeRecord::decode(records.constData() + at).isDeleted() ? deleted : live);
    QString text = Plain(live) + QStringLiteral(" records");
    if (deleted > 0) text += QStringLiteral(" (and ") + Plain(deleted) + QStringLiteral(" deleted ones)");
    return text;
}

// The sentence naming the records whose write was refused, which the saved files hold.
QString RefusedRecordsText(qsizetype n) {
    if (n == 0) return QString();
    return QStringLiteral(" They include ") +
           (n == 1 ? QStringLiteral("the record") : Plain(n) + QStringLiteral(" records")) +
           QStringLiteral(" whose writing was refused, as entered.");
}

// The question before the crusade's files are saved where a crusade of that name has files
// (found without regard to case): what they are and that they go. OK takes the name, Cancel
// offers the dialog again.
FileQuestions::Reply AskToReplaceCrusade(App& app, const QString& target) {
    const QList<CrusadeFile> there = ExistingCrusadeFiles(target);
    if (there.isEmpty()) return FileQuestions::Reply::Take;
    QStringList names;
    for (const CrusadeFile& f : there) names << FileTitle(f.path);
    const QString crusade = QStringLiteral("\"") + CrusadeNameOf(target) + QStringLiteral("\"");
    QString text;
    if (there.first().kind == OwnFile::DataFile) {
        QFile data(target);
        const QByteArray records = data.open(QIODevice::ReadOnly) ? data.readAll() : QByteArray();
        text = QStringLiteral("The folder ") + FolderOf(target) + QStringLiteral(" holds the crusade ") + crusade +
               QStringLiteral(" with ") + RecordsText(records) + QStringLiteral(", and they will be replaced.") +
               NewLine + QStringLiteral("Saving the crusade's files there puts them in place of that crusade's ");
    } else {
        text = QStringLiteral("The folder ") + FolderOf(target) + QStringLiteral(" holds files of a crusade ") +
               crusade + QStringLiteral(" without its data file.") + NewLine +
               QStringLiteral("Saving the crusade's files there puts them in place of its ");
    }
    text += names.join(QStringLiteral(", ")) +
            QStringLiteral(", and removes those of them that this crusade has none of.") + NewLine + NewLine +
            QStringLiteral("Do you want to replace them?");
    const int answer = app.dialogs().msgBox(text, Buttons::OKCancel, Icon::Critical,
                                            QStringLiteral("Replacing Another Crusade Warning"), 2);
    return answer == AnsOK ? FileQuestions::Reply::Take : FileQuestions::Reply::Again;
}

// The new data file: the name chosen (".dta" added where it has no extension), or the
// data file's own name in a folder chosen; nullopt when the dialog was cancelled. A
// crusade of that name there is asked about.
std::optional<QString> AskWhere(App& app, const QString& lost) {
    FileDialogSpec spec;
    spec.title = kSaveTitle;
    spec.filter = QStringLiteral("Crusade Files (*.dta)|*.dta|Crusade Files");
    spec.filterIndex = 1;
    spec.fileName = QDir(QDir::homePath()).filePath(FileTitle(lost));
    spec.askToReplace = false;  // asked below
    FileQuestions q;
    q.complete = [](const QString& chosen) {
        const QString target = NewCrusadeFileName(chosen);
        if (target.isEmpty()) return chosen;
        // A crusade of that name copied from another system may carry an upper-case name.
        const QString existing = FindFileNoCase(target);
        return existing.isEmpty() ? target : existing;
    };
    q.refusal = [](const QString& file) { return IsCrusadeFileName(file) ? QString() : CrusadeNameRefusal(file); };
    q.inFolder = [&lost](const QString& folder) { return QDir(folder).filePath(FileTitle(lost)); };
    q.takeFileInFolder = true;
    q.replace = [&app](const QString& file) { return AskToReplaceCrusade(app, file); };
    return AskFileToWrite(app, spec, q);
}

// The bytes of a file of the set that the program holds in memory; empty for a member list
// or zip table the crusade has none of.
QByteArray KeptFileBytes(App& app, OwnFile kind, const QByteArray& records) {
    switch (kind) {
        case OwnFile::DataFile:
            return records;
        case OwnFile::InfoFile:
            return InfoFileBytes(app);
        case OwnFile::MemberFile:
            return MemberFileBytes(app);
        case OwnFile::ZipFile:
            return ZipFileBytes(app);
        default:
            return QByteArray();
    }
}

// Writes the crusade's files with target as the data file, as one set: each is written
// beside the file it replaces, and only when all are written are they put in place
// together, so that a failure leaves every file in target's folder as it was (and
// DataFile naming lost) and is told. The files the program holds are written from memory;
// the prayer journal, which it only adds to, is copied from beside the lost data file while
// it can be read there. A file of the set the crusade has none of (an empty member list or
// zip table, no journal) is removed there: none of a crusade it replaces stays in the set.
// The program's settings then name the new data file.
bool SaveSetIn(App& app, const QString& target, const QString& lost, const QByteArray& records) {
    // The journal where prayer requests went last; one whose folder was renamed is beside
    // the data file there.
    QString journal = PrayerRequestFile(lost);
    if (const QString now = app.crusade.file.currentPath(); !QFileInfo(journal).isFile() && !now.isEmpty())
        journal = PrayerRequestFile(now);
    const bool journalRead = QFileInfo(journal).isFile();
    SetDataFile(app, target);
    FileSetReplace set(app.files());
    set.setOrigin(SetKind::Rescue, lost);
    const GuardedFiles::OwnSave own(app, CrusadeSetKinds());
    QStringList removed;  // the files there that this crusade has none of
    for (const CrusadeFileKind& k : kCrusadeSet) {
        const QString to = CrusadeFilePath(target, k.kind);
        const QByteArray bytes = KeptFileBytes(app, k.kind, records);
        if (k.appended && journalRead) {
            set.add(journal, to);
        } else if (!k.appended && (k.always || !bytes.isEmpty())) {
            set.addBytes(bytes, to);
        } else {
            set.add(QString(), to, true, FileSetReplace::Missing::RemoveTarget);
            if (QFileInfo(to).isFile()) removed << FileTitle(to);
        }
    }
    FileResult r = set.copyAll();
    // What ending an earlier save there cut off found and did comes first.
    if (!set.repaired().isEmpty())
        app.dialogs().msgBox(set.repaired().join(NewLine + NewLine), Buttons::OK, Icon::Exclamation);
    if (r.ok()) r = set.putInPlace();
    if (!r.ok()) {
        SetDataFile(app, lost);
        QString text =
            QStringLiteral("The crusade's files could not be saved in ") + FolderOf(target) + NewLine + r.description;
        for (const QString& line : set.leftOver()) text += NewLine + line;
        app.dialogs().msgBox(text, Buttons::OK, Icon::Critical);
        return false;
    }
    set.finish();
    QString text = QStringLiteral("The crusade's files have been saved in ") + FolderOf(target) +
                   QStringLiteral(" with its data file ") + FileTitle(target) + QStringLiteral(".");
    if (journalRead)
        text += QStringLiteral(" Its prayer request journal went with them.");
    else if (!QFileInfo(FolderOf(lost)).isDir())
        text += NewLine + QStringLiteral("Its prayer request journal, if it has one, is in ") + FolderOf(lost) +
                QStringLiteral(", which Fennick can no longer reach: none was saved.");
    if (!removed.isEmpty())
        text += NewLine + QStringLiteral("Removed there, as this crusade has none of them: ") +
                removed.join(QStringLiteral(", ")) + QStringLiteral(".");
    for (const QString& line : set.leftOver()) text += NewLine + line;
    try {
        SaveIniFile(app);
    } catch (const VbError& e) {
        text += NewLine + NewLine +
                QStringLiteral(
                    "Fennick's own settings file could not be written, so Fennick does "
                    "not open this crusade by itself next time:") +
                NewLine + e.description();
    }
    app.dialogs().msgBox(text);
    return true;
}

enum class Rescue { Saved, Declined, GoOn };

// Asks (ask returns the answer) until the user declines or the files are saved in another
// folder; Cancel, where ask offers it, goes on with the crusade.
Rescue OfferToSaveElsewhere(App& app, const QByteArray& records, const std::function<int()>& ask) {
    const QString lost = app.program.DataFile;
    for (;;) {
        const int answer = ask();
        app.msg.MsgAnswer = QString::number(answer);
        if (answer == AnsCancel) return Rescue::GoOn;
        if (answer != AnsYes) return Rescue::Declined;
        const std::optional<QString> target = AskWhere(app, lost);
        if (target && SaveSetIn(app, *target, lost, records)) return Rescue::Saved;
    }
}

}  // namespace

bool SaveLostCrusade(App& app) {
    KeptRecords kept;
    try {
        kept = RecordsToSave(app);
    } catch (const VbError& e) {
        app.dialogs().msgBox(app.crusade.file.whatWasLost() + NewLine +
                                 QStringLiteral("Its records cannot be read either: ") + e.description(),
                             Buttons::OK, Icon::Critical);
        return false;
    }
    const auto ask = [&] {
        app.msg.MsgText = app.crusade.file.whatWasLost() + NewLine +
                          QStringLiteral("The crusade's files cannot be written there, and its ") +
                          RecordsText(kept.records) +
                          QStringLiteral(
                              " are lost when it is closed unless they are saved in another "
                              "folder.") +
                          RefusedRecordsText(kept.refused) + NewLine + NewLine + kAskToSave;
        return app.dialogs().msgBox(app.msg.MsgText, Buttons::YesNo, Icon::Exclamation, kSaveTitle);
    };
    return OfferToSaveElsewhere(app, kept.records, ask) == Rescue::Saved;
}

bool RefuseWhileFilesLost(App& app, const QString& command) {
    if (!DataFileLost(app)) return false;
    const qsizetype refused = RefusedRecordsKept(app);
    QString text = app.crusade.file.whatWasLost() + NewLine + command +
                   QStringLiteral(" was not run: the crusade's files there are not those Fennick holds");
    if (refused > 0)
        text += QStringLiteral(", which include ") +
                (refused == 1 ? QStringLiteral("a record") : Plain(refused) + QStringLiteral(" records")) +
                QStringLiteral(" whose writing was refused");
    text += QStringLiteral(", and nothing more is written there.") + NewLine + NewLine +
            QStringLiteral(
                "The crusade's files can still be saved in another folder: close the crusade (File, Change Meeting, "
                "or Exit) and answer Yes when Fennick offers it. Then open the crusade from that folder and run ") +
            command + QStringLiteral(" there.");
    app.dialogs().msgBox(text, Buttons::OK, Icon::Exclamation);
    return true;
}

std::optional<bool> CloseCrusadeToLeave(App& app) {
    try {
        return CloseCrusade(app);
    } catch (const IniFileNotWritten& e) {
        // The program's own settings, not the crusade's files: nothing to save elsewhere.
        app.msg.MsgText = QStringLiteral("Fennick's own settings file could not be written:") + NewLine +
                          e.description() + NewLine + NewLine +
                          QStringLiteral(
                              "It names the crusade Fennick opens next and holds the button and label "
                              "settings.") +
                          NewLine + NewLine + QStringLiteral("Do you want to leave Fennick without it?");
        const int answer = app.dialogs().msgBox(app.msg.MsgText, Buttons::YesNo, Icon::Exclamation);
        app.msg.MsgAnswer = QString::number(answer);
        if (answer != AnsYes) return std::nullopt;
        CloseDataFile(app);
        return false;
    } catch (const VbError& e) {
        const QString why = QStringLiteral("The crusade's files could not be written:") + NewLine + e.description();
        RecordFile& file = app.crusade.file;
        QByteArray records;
        try {
            if (!file.isOpen()) file.openReadOnly(app.program.DataFile, Crusade::RecLen);
            records = RecordsToSave(app).records;
        } catch (const VbError&) {
            // With no records to save elsewhere the user may still leave.
            app.msg.MsgText = why + NewLine + NewLine + QStringLiteral("Do you want to leave Fennick without them?");
            const int answer = app.dialogs().msgBox(app.msg.MsgText, Buttons::YesNo, Icon::Exclamation);
            app.msg.MsgAnswer = QString::number(answer);
            if (answer != AnsYes) return std::nullopt;
            file.close();
            return false;
        }
        const auto ask = [&] {
            app.msg.MsgText = why + NewLine + NewLine +
                              QStringLiteral(
                                  "Its records are in its data file, but what changed in its settings, "
                                  "members and zip codes is lost when Fennick is left unless the "
                                  "crusade's files are saved in another folder. Choose Cancel to go on "
                                  "with the crusade.") +
                              NewLine + NewLine + kAskToSave;
            return app.dialogs().msgBox(app.msg.MsgText, Buttons::YesNoCancel, Icon::Exclamation, kSaveTitle);
        };
        if (OfferToSaveElsewhere(app, records, ask) == Rescue::GoOn) return std::nullopt;
        file.close();
        return false;
    }
}

}  // namespace fennick

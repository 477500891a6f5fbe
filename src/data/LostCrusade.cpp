#include "data/LostCrusade.h"

#include "data/App.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/FileSetReplace.h"
#include "data/FileUtil.h"
#include "data/InfoFile.h"
#include "data/IniFile.h"
#include "data/SideFiles.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QFileInfo>

#include <functional>
#include <iterator>

namespace fennick {

namespace {

const QString kSaveTitle = QStringLiteral("Save the Crusade in Another Folder");
const QString kAskToSave = QStringLiteral("Do you want to save the crusade's files in another folder?");

// The crusade's records as the program holds them (each record whose write was refused
// in its place); refused: how many such records there are. A new record whose write was
// refused is held only while the main window shows it as the name being added: a copy or
// an added record the user was told was not made, and a name the user left without
// saving, are not.
struct HeldRecords {
    QByteArray records;
    qsizetype refused = 0;
};

HeldRecords RecordsToSave(App& app) {
    RecordFile& file = app.crusade.file;
    HeldRecords held{file.readAll()};
    const qint64 inFile = held.records.size() / Crusade::RecLen;
    const QMap<qint64, QByteArray>& refused = file.unwritten();
    held.refused = std::distance(refused.cbegin(), refused.upperBound(inFile));
    const auto added = refused.constFind(inFile + 1);
    if (added != refused.cend() && app.crusade.AddMode && app.mainWindow.NewEntryOnScreen) {
        held.records.append(*added);
        ++held.refused;
    }
    return held;
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

// The new data file: the name chosen, or the data file's own name in a folder chosen;
// nullopt when the dialog was cancelled, the name refused or an existing file kept.
std::optional<QString> AskWhere(App& app, const QString& lost) {
    FileDialogSpec spec;
    spec.title = kSaveTitle;
    spec.filter = QStringLiteral("Crusade Files (*.dta)|*.dta|Crusade Files");
    spec.filterIndex = 1;
    spec.fileName = QDir(QDir::homePath()).filePath(FileTitle(lost));
    spec.askToReplace = false;  // asked below
    const std::optional<QString> chosen = app.dialogs().saveFile(spec);
    if (!chosen || chosen->isEmpty()) return std::nullopt;
    QString target = QFileInfo(*chosen).isDir() ? QDir(*chosen).filePath(FileTitle(lost)) : NewCrusadeFileName(*chosen);
    if (target.isEmpty()) {
        RefuseCrusadeName(app, *chosen);
        return std::nullopt;
    }
    // A crusade of that name copied from another system may carry an upper-case name.
    if (const QString existing = FindFileNoCase(target); !existing.isEmpty()) target = existing;
    if (QFileInfo::exists(target) &&
        app.dialogs().msgBox(target + QStringLiteral(" already exists on this disk, do you want to overwrite it?"),
                             Buttons::OKCancel, Icon::Critical, QStringLiteral("Overwriting a file Warning")) != AnsOK)
        return std::nullopt;
    return target;
}

// Writes the crusade's files with target as the data file, as one set: each is written
// beside the file it replaces, and only when all are written are they put in place
// together, so that a failure leaves every file in target's folder as it was (and
// DataFile naming lost) and is told. A member list or zip table the crusade has none of
// is not written, and a file of that name there is left as it is. The program's settings
// then name the new data file.
bool SaveSetIn(App& app, const QString& target, const QString& lost, const QByteArray& records) {
    SetDataFile(app, target);
    FileSetReplace set(app.files());
    set.setOrigin(SetKind::Rescue, lost);
    const GuardedFiles::OwnSave own(app, {OwnFile::DataFile, OwnFile::InfoFile, OwnFile::MemberFile, OwnFile::ZipFile});
    set.addBytes(records, target);
    set.addBytes(InfoFileBytes(app), SideFileName(target, QStringLiteral("inf")));
    if (const QByteArray members = MemberFileBytes(app); !members.isEmpty())
        set.addBytes(members, SideFileName(target, QStringLiteral("mem")));
    if (const QByteArray zips = ZipFileBytes(app); !zips.isEmpty())
        set.addBytes(zips, SideFileName(target, QStringLiteral("zps")));
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
    HeldRecords held;
    try {
        held = RecordsToSave(app);
    } catch (const VbError& e) {
        app.dialogs().msgBox(app.crusade.file.whatWasLost() + NewLine +
                                 QStringLiteral("Its records cannot be read either: ") + e.description(),
                             Buttons::OK, Icon::Critical);
        return false;
    }
    const auto ask = [&] {
        app.msg.MsgText = app.crusade.file.whatWasLost() + NewLine +
                          QStringLiteral("The crusade's files cannot be written there, and its ") +
                          RecordsText(held.records) +
                          QStringLiteral(
                              " are lost when it is closed unless they are saved in another "
                              "folder.") +
                          RefusedRecordsText(held.refused) + NewLine + NewLine + kAskToSave;
        return app.dialogs().msgBox(app.msg.MsgText, Buttons::YesNo, Icon::Exclamation, kSaveTitle);
    };
    return OfferToSaveElsewhere(app, held.records, ask) == Rescue::Saved;
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

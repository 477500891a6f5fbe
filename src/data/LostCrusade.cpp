#include "data/LostCrusade.h"

#include "data/App.h"
#include "data/CrusadeFiles.h"
#include "data/Errors.h"
#include "data/FileUtil.h"
#include "data/IniFile.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <functional>

namespace fennick {

namespace {

const QString kSaveTitle = QStringLiteral("Save the Crusade in Another Folder");
const QString kAskToSave = QStringLiteral("Do you want to save the crusade's files in another folder?");

// The crusade's records as the program holds them: those of the open data file, each
// record whose write was refused put in its place (one added past the end among them).
QByteArray HeldRecords(App& app) {
    QByteArray all = app.crusade.file.readAll();
    const QMap<qint64, QByteArray>& refused = app.crusade.file.unwritten();
    for (auto it = refused.cbegin(); it != refused.cend(); ++it) {
        const qsizetype at = qsizetype(it.key() - 1) * Crusade::RecLen;
        if (all.size() < at + Crusade::RecLen) all.resize(at + Crusade::RecLen, '\0');
        all.replace(at, Crusade::RecLen, it.value());
    }
    return all;
}

// The sentence naming the records whose write was refused, which the saved files hold.
QString RefusedRecordsText(const App& app) {
    const qsizetype n = app.crusade.file.unwritten().size();
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
    const QString target =
        QFileInfo(*chosen).isDir() ? QDir(*chosen).filePath(FileTitle(lost)) : NewCrusadeFileName(*chosen);
    if (target.isEmpty()) {
        RefuseCrusadeName(app, *chosen);
        return std::nullopt;
    }
    if (QFileInfo::exists(target) &&
        app.dialogs().msgBox(target + QStringLiteral(" already exists on this disk, do you want to overwrite it?"),
                             Buttons::OKCancel, Icon::Critical, QStringLiteral("Overwriting a file Warning")) != AnsOK)
        return std::nullopt;
    return target;
}

// Which file a path names now (its inode), 0 when there is none: a file saved anew is
// another file.
quint64 FileIdentity(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? quint64(st.st_ino) : 0;
}

// Writes the crusade's files with target as the data file. On failure DataFile names lost
// again, every file of the set this attempt wrote in target's folder is removed, so that
// no part of a set is left there, and the user is told.
bool SaveSetIn(App& app, const QString& target, const QString& lost, const QByteArray& records) {
    QStringList set{target};
    for (const char* ext : {"inf", "mem", "zps"}) set << SideFileName(target, QLatin1String(ext));
    QList<quint64> before;
    for (const QString& f : set) before << FileIdentity(f);
    SetDataFile(app, target);
    try {
        WriteWholeFile(app.files(), target, records);
        SaveCrusadeFiles(app);
        return true;
    } catch (const VbError& e) {
        SetDataFile(app, lost);
        for (qsizetype i = 0; i < set.size(); ++i)
            if (const quint64 now = FileIdentity(set[i]); now != 0 && now != before[i]) app.files().remove(set[i]);
        app.dialogs().msgBox(
            QStringLiteral("The crusade's files could not be saved in ") + FolderOf(target) + NewLine + e.description(),
            Buttons::OK, Icon::Critical);
        return false;
    }
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
        if (!target || !SaveSetIn(app, *target, lost, records)) continue;
        app.dialogs().msgBox(QStringLiteral("The crusade's files have been saved in ") + FolderOf(*target) +
                             QStringLiteral(" with its data file ") + FileTitle(*target) + QStringLiteral("."));
        return Rescue::Saved;
    }
}

}  // namespace

bool SaveLostCrusade(App& app) {
    QByteArray records;
    try {
        records = HeldRecords(app);
    } catch (const VbError& e) {
        app.dialogs().msgBox(app.crusade.file.whatWasLost() + NewLine +
                                 QStringLiteral("Its records cannot be read either: ") + e.description(),
                             Buttons::OK, Icon::Critical);
        return false;
    }
    const auto ask = [&] {
        app.msg.MsgText = app.crusade.file.whatWasLost() + NewLine +
                          QStringLiteral("The crusade's files cannot be written there, and its ") +
                          Plain(records.size() / Crusade::RecLen) +
                          QStringLiteral(
                              " records are lost when it is closed unless they are saved in another "
                              "folder.") +
                          RefusedRecordsText(app) + NewLine + NewLine + kAskToSave;
        return app.dialogs().msgBox(app.msg.MsgText, Buttons::YesNo, Icon::Exclamation, kSaveTitle);
    };
    return OfferToSaveElsewhere(app, records, ask) == Rescue::Saved;
}

std::optional<bool> CloseCrusadeToLeave(App& app) {
    try {
        return CloseCrusade(app);
    } catch (const VbError& e) {
        const QString why = QStringLiteral("The crusade's files could not be written:") + NewLine + e.description();
        RecordFile& file = app.crusade.file;
        QByteArray records;
        try {
            if (!file.isOpen()) file.openReadOnly(app.program.DataFile, Crusade::RecLen);
            records = HeldRecords(app);
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

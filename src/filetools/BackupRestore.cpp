#include "filetools/BackupRestore.h"

#include "data/App.h"
#include "data/CrusadeFiles.h"
#include "data/CrusadeSet.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/FileSetReplace.h"
#include "data/FileToWrite.h"
#include "data/FileUtil.h"
#include "data/InfoFile.h"
#include "data/SequentialText.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "mainwindow/MainLifecycle.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Busy.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "views/Indexes.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace fennick {

namespace {

const QString kCrusadeFilter = QStringLiteral("Crusade Files (*.dta)|*.dta|Crusade Files");
const QString kTenBlanks = QStringLiteral("          ");
const QString kDisketteNotice =
    QStringLiteral("Make sure a backup diskette is in place and the drive is ready before proceeding.");
constexpr int kInfoDateLine = 133;

bool SaveShown(App& app, MainScreen& form) {
    return app.view.ReportCount == 0 || SaveCurrentRecord(app, form);
}

// "The Backup file must have the same name as the Original File." for a file of another name.
QString SameNameRefusal(const App& app, const QString& chosen, const QString& verb, const QString& preposition) {
    return QStringLiteral("You are attempting to ") + verb + u' ' + app.program.DataFile + preposition + chosen +
           NewLine + QStringLiteral("The Backup file must have the same name as the Original File.");
}

bool SameNameOrRefuse(App& app, const QString& chosen, const QString& verb, const QString& preposition) {
    if (FileTitle(chosen) == FileTitle(app.program.DataFile)) return true;
    app.dialogs().msgBox(SameNameRefusal(app, chosen, verb, preposition), Buttons::OK, Icon::Critical);
    return false;
}

// The copies of a crusade's set, from the crusade of one data file to another's: the data
// file and the settings file must be there, the others are copied when they exist. A backup
// drops those an earlier backup in its place still has, so that it never joins this
// crusade's records to another time's member list; a restore leaves the crusade's own. A
// restore copies in the list's order; a backup copies the data file after the files written
// whole beside it and before the journal.
void AddFileSet(FileSetReplace& set, const QString& from, const QString& to, bool restore) {
    const auto missing = restore ? FileSetReplace::Missing::KeepTarget : FileSetReplace::Missing::RemoveTarget;
    const auto turn = [restore](const CrusadeFileKind& k) {
        if (restore) return 0;
        return k.appended ? 2 : k.kind == OwnFile::DataFile ? 1 : 0;
    };
    for (int now = 0; now <= 2; ++now)
        for (const CrusadeFileKind& k : kCrusadeSet)
            if (turn(k) == now) set.add(CrusadeFilePath(from, k.kind), CrusadeFilePath(to, k.kind), !k.always, missing);
}

// The error number with its sign position and the description.
QString ErrorLines(const FileResult& r) {
    return Str(qint64(r.error)) + NewLine + r.description;
}

QString WithLeftOver(QString text, const QStringList& leftOver) {
    for (const QString& line : leftOver) text += NewLine + line;
    return text;
}

// What ending a backup or restore cut off earlier found and did, told before the outcome
// of the one made now.
void TellRepairs(App& app, const QStringList& repaired) {
    if (!repaired.isEmpty()) app.dialogs().msgBox(repaired.join(NewLine + NewLine), Buttons::OK, Icon::Exclamation);
}

// The windows of the crusade close before its files are replaced, so that none of them
// writes into the files put in their place.
void CloseWindows(App& app) {
    if (app.hooks.closeTableWindows) app.hooks.closeTableWindows();
    if (app.hooks.closeCrusadeWindows) app.hooks.closeCrusadeWindows();
}

// Where the backup and restore dialogs open: the folder of the last backup while it is a
// folder on this machine, the home folder otherwise. BackupPath itself stays as it is
// until a new backup is made.
QString BackupFolder(const App& app) {
    const QString folder = ExistingFolderOf(app.settings.BackupPath);
    return folder.isEmpty() ? QDir::homePath() : folder;
}

// --- Backup ----------------------------------------------------------------------------

// The save dialog until it gives the backup's data file: a name without ".dta" gets it, a
// folder chosen the data file's name in it, offered again. A name other than the data file's
// and the crusade's own folder, also through a link to it, are refused before anything is
// asked, and the dialog offered again; an existing file is then asked about, and Cancel
// ends the command. ownFolder is set when the crusade's own folder was refused.
std::optional<QString> AskBackupFile(App& app, const QString& proposal, bool& ownFolder) {
    const QString dataFile = app.program.DataFile;
    FileDialogSpec spec;
    spec.title = QStringLiteral("Backup the existing Crusade");
    spec.filter = kCrusadeFilter;
    spec.filterIndex = 1;
    spec.fileName = proposal;
    spec.askToReplace = false;  // asked below
    FileQuestions q;
    q.complete = [](const QString& chosen) {
        return chosen.endsWith(QLatin1String(".dta"), Qt::CaseInsensitive) ? chosen : chosen + QStringLiteral(".dta");
    };
    q.refusal = [&](const QString& file) {
        if (FileTitle(file) != FileTitle(dataFile))
            return SameNameRefusal(app, file, QStringLiteral("backup"), QStringLiteral(" to a file named "));
        if (!SameFile(QFileInfo(file).absolutePath(), QFileInfo(dataFile).absolutePath())) return QString();
        ownFolder = true;
        return QStringLiteral("You cannot backup the file to the same Folder.  Choose a different Folder.");
    };
    q.inFolder = [&](const QString& folder) { return QDir(folder).filePath(FileTitle(dataFile)); };
    q.replace = [&](const QString& file) {
        if (!QFileInfo::exists(file)) return FileQuestions::Reply::Take;
        const int answer =
            app.dialogs().msgBox(file + QStringLiteral(" already exists on this disk, do you want to overwrite it?"),
                                 Buttons::OKCancel, Icon::Critical, QStringLiteral("Overwriting a file Warning"));
        return answer == AnsOK ? FileQuestions::Reply::Take : FileQuestions::Reply::Stop;
    };
    return AskFileToWrite(app, spec, q);
}

QString BackupFailureText(const FileResult& r) {
    if (r.error == err::FileNotFound || r.error == err::PathNotFound)
        return QStringLiteral("You are attempting to back up files to a folder that does not exist on this computer.") +
               NewLine + QStringLiteral("Try backing up again and change the destination folder.");
    if (r.error == err::PermissionDenied)
        return QStringLiteral("Files are not backed up.") + NewLine + r.description + NewLine +
               QStringLiteral("Close Fennick and insure that you do not have another copy of Fennick Running.") +
               NewLine + QStringLiteral("Then restart Fennick and attempt to back up again.");
    return ErrorLines(r);
}

// Writes the crusade's files and copies the set to the backup's names. The crusade stays
// open throughout: its records are written as they change, so the data file is complete.
FileResult CopyToBackup(App& app, const QString& backupFile, QStringList& leftOver, QStringList& repaired) {
    try {
        SaveCrusadeFiles(app);
    } catch (const VbError& e) {
        return FileResult{e.number(), e.description()};
    }
    FileSetReplace set(app.files());
    set.setOrigin(SetKind::Backup, app.program.DataFile);
    AddFileSet(set, app.program.DataFile, backupFile, false);
    FileResult r = set.copyAll();
    repaired = set.repaired();
    if (r.ok()) r = set.putInPlace();
    if (r.ok()) set.finish();
    leftOver = set.leftOver();
    return r;
}

// --- Restore ---------------------------------------------------------------------------

std::optional<QString> AskRestoreFile(App& app) {
    FileDialogSpec spec;
    spec.title = QStringLiteral("Restore the Information From a Backup file");
    spec.filter = kOpenCrusadeFilter;
    spec.filterIndex = 1;
    spec.initialDir = BackupFolder(app);
    std::optional<QString> chosen = app.dialogs().openFile(spec);
    if (!chosen || chosen->isEmpty()) return std::nullopt;
    chosen = ListedDataFile(*chosen);
    if (!SameNameOrRefuse(app, *chosen, QStringLiteral("restore"), QStringLiteral(" from a file named ")))
        return std::nullopt;
    return chosen;
}

int AskWhichBackup(App& app, const QString& restoreFile) {
    app.msg.MsgText = QStringLiteral("Restore this file From:   ") + restoreFile + NewLine +
                      QStringLiteral("Which was last updated on: ") + BackupDate(restoreFile) + NewLine + NewLine +
                      QStringLiteral("The current file was last updated on: ") + app.settings.LastUpdated + NewLine +
                      NewLine + NewLine + QStringLiteral("Is this what you want?") + NewLine +
                      QStringLiteral("If not, then click 'No' to select a different backup file.");
    const int answer = app.dialogs().msgBox(app.msg.MsgText, Buttons::YesNoCancel, Icon::Question,
                                            QStringLiteral("Select Backup File to Restore From."));
    app.msg.MsgAnswer = QString::number(answer);
    return answer;
}

bool ConfirmRestore(App& app, const QString& restoreFile) {
    PlaySound(app, QStringLiteral("carbrake"));
    app.msg.MsgText = QStringLiteral("You have chosen to RESTORE the data files") + NewLine +
                      QStringLiteral(
                          "This will Erase the current information from the file and replace it with "
                          "information from: ") +
                      NewLine + NewLine + kTenBlanks + restoreFile + NewLine + NewLine +
                      QStringLiteral("Are you sure this is what you want to do?");
    return app.dialogs().msgBox(app.msg.MsgText, Buttons::YesNo, Icon::Critical, QStringLiteral("Restore Files")) ==
           AnsYes;
}

// Loads the crusade from its files; false after its message when they cannot be used.
// When unusable is given, a settings, member or zip file that cannot be used is not told
// but left there (as OpenCrusade).
bool Reload(App& app, UnusableFiles* unusable = nullptr) {
    try {
        if (!OpenCrusade(app, app.program.DataFile, unusable)) return false;
    } catch (const VbError& e) {
        app.dialogs().msgBox(CommonErrorText(e, kSourceFennick3), Buttons::OK, Icon::None, QStringLiteral("Error"));
        return false;
    } catch (const ProgramEnd&) {
        // A backup of an older layout whose conversion was refused.
        return false;
    }
    IndexAlpha(app);
    return true;
}

}  // namespace

QString BackupDate(const QString& backupDataFile) {
    const QString info =
        FindFileNoCase(backupDataFile.left(std::max<qsizetype>(0, backupDataFile.size() - 3)) + QStringLiteral("inf"));
    const QString unknown = QStringLiteral("Unknown Date");
    if (info.isEmpty()) return unknown;
    try {
        SequentialTextReader in = SequentialTextReader::fromFile(info);
        if (in.lineCount() < kInfoDateLine) return unknown;
        for (int line = 1; line < kInfoDateLine; ++line) in.readRawLine();
        return in.readItem();
    } catch (const VbError&) {
        return unknown;
    }
}

void BackupFiles(App& app) {
    CrusadeSettings& s = app.settings;
    const QString earlier = s.BackupPath;
    const QString dataFile = app.program.DataFile;
    // The last backup's own file while its folder is here; else the data file's name in
    // the folder the dialog opens at.
    const bool lastBackupHere = !ExistingFolderOf(earlier).isEmpty() && !QFileInfo(earlier).isDir();
    const QString proposal = lastBackupHere ? earlier : QDir(BackupFolder(app)).filePath(FileTitle(dataFile));

    bool ownFolder = false;
    const std::optional<QString> chosen = AskBackupFile(app, proposal, ownFolder);
    // The crusade's own folder refused: it no longer names an earlier backup.
    if (ownFolder) s.BackupPath.clear();
    if (!chosen) return;
    const QString backupFile = *chosen;

    s.BackupPath = backupFile;
    QString question = QStringLiteral("Backing up ") + NewLine + kTenBlanks + dataFile + NewLine +
                       QStringLiteral("  to:") + NewLine + kTenBlanks + backupFile + NewLine;
    if (OnRemovableMedia(backupFile)) question += NewLine + kDisketteNotice;
    question += NewLine + QStringLiteral("Do You want to Continue?");
    if (app.dialogs().msgBox(question, Buttons::YesNo) != AnsYes) return;

    QStringList leftOver, repaired;
    FileResult r;
    {
        BusyGuard busy(app.platform.busy);
        r = CopyToBackup(app, backupFile, leftOver, repaired);
    }
    TellRepairs(app, repaired);
    if (!r.ok()) {
        // The settings file names the earlier backup again.
        s.BackupPath = earlier;
        try {
            SaveInfoFile(app);
        } catch (const VbError& e) {
            leftOver << QStringLiteral("The settings file could not be written again: ") + e.description();
        }
        app.dialogs().msgBox(WithLeftOver(BackupFailureText(r), leftOver), Buttons::OK, Icon::Critical);
        return;
    }
    if (!leftOver.isEmpty()) {
        app.dialogs().msgBox(WithLeftOver(QStringLiteral("The backup was made, but some of the earlier backup's files "
                                                         "could not be removed:"),
                                          leftOver),
                             Buttons::OK, Icon::Exclamation);
        return;
    }
    PlaySound(app, QStringLiteral("filedone"));
    app.dialogs().msgBox(QStringLiteral("Backup Completed Successfully"));
}

void RestoreCrusade(App& app, MainScreen& form) {
    if (app.settings.BackupPath.isEmpty()) {
        app.dialogs().msgBox(QStringLiteral("These files have not been backed up.  You cannot restore them.") +
                             NewLine +
                             QStringLiteral("If you would like to use different files then you can use the Change "
                                            "Crusade feature from the Files menu."));
        return;
    }
    std::optional<QString> restoreFile = AskRestoreFile(app);
    if (!restoreFile) return;
    if (OnRemovableMedia(*restoreFile) && app.dialogs().msgBox(kDisketteNotice, Buttons::OKCancel, Icon::None,
                                                               QStringLiteral("Restore files from Backup")) != AnsOK)
        return;
    // A cut-off replacement there is ended before anything is read: the date the question
    // shows is then of the files the restore copies.
    if (!EndCutOffReplacement(app, *restoreFile, QStringLiteral("The files were not restored."))) return;
    const int answer = AskWhichBackup(app, *restoreFile);
    if (answer == AnsCancel) return;
    if (answer == AnsNo) {
        restoreFile = AskRestoreFile(app);
        if (!restoreFile) return;
    }
    if (SameFile(*restoreFile, app.program.DataFile)) {
        app.dialogs().msgBox(QStringLiteral("You cannot restore a file from itself.  Choose a different directory."));
        return;
    }
    if (!ConfirmRestore(app, *restoreFile)) return;

    FileResult r;
    QStringList leftOver, repaired;
    bool restored = false;
    {
        BusyGuard busy(app.platform.busy);
        try {
            SaveCrusadeFiles(app);
        } catch (const VbError& e) {
            r = FileResult{e.number(), e.description()};
        }
        CloseWindows(app);
        FileSetReplace set(app.files());
        const GuardedFiles::OwnSave own(app, CrusadeSetKinds());
        if (r.ok()) {
            set.setOrigin(SetKind::Restore, *restoreFile);
            AddFileSet(set, *restoreFile, app.program.DataFile, true);
            r = set.copyAll();
            repaired = set.repaired();
        }
        if (r.ok()) r = set.putInPlace();
        if (r.ok()) {
            const QString folder = QFileInfo(app.program.DataFile).absolutePath();
            const QStringList beforeLoad = app.files().list(folder);
            // A file of the backup that cannot be used is named by the refusal below: the
            // readers' own messages would name the crusade's file and what they do with it.
            UnusableFiles unusable;
            restored = Reload(app, &unusable);
            // A backup with a file that could not be read (the message said why) is not taken:
            // defaults or an empty list would stand in for the crusade's own.
            const Crusade& c = app.crusade;
            if (restored && (!c.UnreadableInfoFile.isEmpty() || c.MemberFileUnreadable || c.ZipFileUnreadable)) {
                CloseDataFile(app);
                restored = false;
            }
            if (restored) {
                set.finish();
            } else {
                // The backup's files cannot be used: the crusade's own go back and are loaded.
                set.undo();
                // What opening the backup's files made beside them (stray bytes kept aside,
                // an older layout's original) is the backup's, which keeps it: it goes too.
                for (const QString& name : app.files().list(folder))
                    if (!beforeLoad.contains(name)) app.files().remove(QDir(folder).filePath(name));
                Reload(app);
                const auto backup = [&](OwnFile kind) { return CrusadeFilePath(*restoreFile, kind); };
                QString why = *restoreFile + QStringLiteral(" could not be loaded.");
                if (!unusable.settings.isEmpty())
                    why += NewLine + QStringLiteral("The crusade settings file ") + backup(OwnFile::InfoFile) +
                           QStringLiteral(" could not be read:") + NewLine + unusable.settings;
                if (!unusable.zips.isEmpty())
                    why += NewLine + QStringLiteral("The zip code file ") + backup(OwnFile::ZipFile) + u' ' +
                           unusable.zips;
                if (!unusable.members.isEmpty())
                    why += NewLine + QStringLiteral("The church member file ") + backup(OwnFile::MemberFile) + u' ' +
                           unusable.members;
                r = FileResult{err::PathFileAccess, why};
            }
        }
        leftOver = set.leftOver();
    }
    ShowLoadedCrusade(app, form);
    TellRepairs(app, repaired);
    if (!r.ok()) {
        app.dialogs().msgBox(
            WithLeftOver(ErrorLines(r) + NewLine + QStringLiteral("The files were not restored."), leftOver),
            Buttons::OK, Icon::Critical);
        return;
    }
    if (!leftOver.isEmpty()) {
        app.dialogs().msgBox(
            WithLeftOver(
                QStringLiteral("The files were restored, but some of the replaced files could not be removed:"),
                leftOver),
            Buttons::OK, Icon::Exclamation);
        return;
    }
    PlaySound(app, QStringLiteral("filedone"));
    app.dialogs().msgBox(QStringLiteral("Files have been Restored successfuly!"));
}

void mnuBackup_Click(App& app, MainScreen& form) {
    // Without a crusade open there is nothing to back up.
    if (!app.crusade.file.isOpen() || !SaveShown(app, form)) return;
    app.program.ScreenMode = QStringLiteral("backup");
    BackupFiles(app);
}

void mnuRestoreCr_Click(App& app, MainScreen& form) {
    if (!app.crusade.file.isOpen() || !SaveShown(app, form)) return;
    RestoreCrusade(app, form);
}

}  // namespace fennick

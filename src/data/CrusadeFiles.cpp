#include "data/CrusadeFiles.h"

#include "data/App.h"
#include "data/CrusadeSet.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/FileUtil.h"
#include "data/InfoFile.h"
#include "data/IniFile.h"
#include "data/LostCrusade.h"
#include "data/RecentFiles.h"
#include "data/SequentialText.h"
#include "data/SideFiles.h"
#include "data/StartScreen.h"
#include "data/Utilities.h"
#include "platform/Busy.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "views/Indexes.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace fennick {

namespace {

const QString kCrusadeExtension = QStringLiteral("dta");
const QString kNotOpened = QStringLiteral("The crusade was not opened.");

FileDialogSpec CrusadeDialog(const App& app, const QString& filter) {
    FileDialogSpec spec;
    spec.title = kAppTitle + QStringLiteral(": Create a New Crusade or Select an Existing Crusade");
    spec.filter = filter;
    spec.filterIndex = 1;
    spec.initialDir = DataFolder(app);
    spec.hideReadOnly = true;
    return spec;
}

// The data folder must exist before the dialog opens in it; it is made when missing.
bool PrepareDataFolder(App& app) {
    if (QFileInfo(DataFolder(app)).isDir() || app.files().makeFolder(DataFolder(app)).ok()) return true;
    app.dialogs().msgBox(
        CommonErrorText(VbError(err::PathNotFound, QStringLiteral("Path not found: ") + DataFolder(app)),
                        kSourceFennick3),
        Buttons::OK, Icon::None, QStringLiteral("Error"));
    return false;
}

// The loaded crusade, if any, is closed completely before another one is opened, so
// that none of its tables can reach the other crusade's files.
void CloseLoadedCrusade(App& app) {
    if (app.crusade.FileIsOpen || app.crusade.file.isOpen()) CloseCrusade(app);
    app.crusade.FileIsOpen = false;
}

void EmptyTables(Crusade& c) {
    c.ZipTable = QList<QByteArray>(kZipSlots);
    c.ZipCount = 0;
    c.ZipFileUnreadable = false;
    c.MemberNames = QList<QByteArray>(1);
    c.MemberCount = 0;
    c.MemberFileUnreadable = false;
}

void CloseCrusadeWindows(App& app) {
    if (app.hooks.closeCrusadeWindows) app.hooks.closeCrusadeWindows();
}

}  // namespace

void ForgetCrusade(App& app) {
    CloseCrusadeWindows(app);
    Crusade& c = app.crusade;
    CloseDataFile(app);
    ResetCrusadeSettings(app);
    EmptyTables(c);
    EmptyView(app.view);
    app.view.ReportKind.clear();
    app.view.IncludeF = false;
    c.RecCount = 0;
    c.CurRecNo = 0;
    c.FileIsOpen = false;
    c.NewEmptyFile = false;
    c.AddMode = false;
    c.CreatedThisRun = false;
    c.KeepEmptyEntries = false;
}

namespace {

CrusadeChoice OpenChosenCrusade(App& app, const QString& path, StartScreen* start) {
    CloseLoadedCrusade(app);
    BusyGuard busy(app.platform.busy);
    if (!OpenCrusade(app, path)) {
        app.msg.MsgText = QStringLiteral("NoFileSelected");
        return CrusadeChoice::Cancelled;
    }
    if (start) {
        start->setText(QStringLiteral("lblLastCrusadeName"), QStringLiteral("Loading ") + app.settings.CrusadeName);
        start->repaint();
    }
    RepairCrusade(app);
    SaveIniFile(app);
    app.msg.MsgText = QStringLiteral("oldfileselected");
    return CrusadeChoice::Existing;
}

// Takes the settings body of a prior crusade's settings file: its teams, Sabbath
// meetings, decisions, churches, sermons and sound switch, none of its header values.
// An empty or unreadable file gives the defaults, and the user is told.
void ImportPriorSettings(App& app, const QString& chosen) {
    SetDefaultInfo(app);
    const QString path = FindFileNoCase(chosen.left(chosen.size() - 3) + QStringLiteral("inf"));
    if (path.isEmpty()) return;
    try {
        SequentialTextReader in = ReadSettingsFile(path);
        QString versionLine;
        for (int line = 1; line <= 9 && !in.atEnd(); ++line) versionLine = in.readItem();
        ReadInfoBody(app, in, InfoTeamLines(InfoVersionValue(versionLine)));
    } catch (const VbError& e) {
        SetDefaultInfo(app);
        app.msg.MsgText = QStringLiteral("The crusade settings file ") + path + QStringLiteral(" could not be read:") +
                          NewLine + e.description() + NewLine + NewLine +
                          QStringLiteral("The new crusade takes the default settings.");
        app.dialogs().msgBox(app.msg.MsgText, Buttons::OK, Icon::Exclamation);
    }
}

void AskForPriorSettings(App& app) {
    app.msg.MsgText = QStringLiteral("You can choose to use the Infomation settings from a prior meeting for:") +
                      NewLine + QStringLiteral("Decisions, Churches, Sermons and etc.") + NewLine +
                      QStringLiteral("Or you can choose to use the default settings.") + NewLine + NewLine +
                      QStringLiteral("Would you like to import the information from a prior meeting?");
    const int answer =
        app.dialogs().msgBox(app.msg.MsgText, Buttons::YesNo, Icon::None, QStringLiteral("Select Preferences Option"));
    if (answer != AnsYes) {
        SetDefaultInfo(app);
        return;
    }
    const auto prior =
        app.dialogs().openFile(CrusadeDialog(app, QStringLiteral("Crusade Files (*.inf)|*.inf|Crusade Files")));
    if (prior)
        ImportPriorSettings(app, *prior);
    else
        SetDefaultInfo(app);
}

// The settings of a new crusade that are its own, set over whatever vocabularies it took.
void NewCrusadeHeader(App& app, const QString& path) {
    CrusadeSettings& s = app.settings;
    s.CrusadeName = CrusadeNameOf(path);
    s.CrusadeDate = ShortDate(app.clock().today());
    SetDataFile(app, path);
    s.ReservedDirection = QStringLiteral("DOWN");
    s.ReservedNumber = 9999;
    s.BackupPath.clear();
    SaveIniFile(app);
}

// The new crusade's settings file and its empty data file, in add mode.
void StartNewCrusade(App& app) {
    CrusadeSettings& s = app.settings;
    s.LastMeeting = 1;
    s.TotalAttendNum = 1;
    s.PrintCutOff = 0;
    SaveInfoFile(app);
    app.view.ReportKind = QStringLiteral("unsorted");

    OpenDataFile(app);
    app.crusade.CreatedThisRun = true;
    app.crusade.AddMode = true;
    if (s.ReligionNames[1].isEmpty()) SetDefaultInfo(app);
    app.crusade.NewEmptyFile = true;
    app.msg.MsgText.clear();
}

CrusadeChoice CreateCrusade(App& app, const QString& path) {
    CloseLoadedCrusade(app);
    ForgetCrusade(app);
    NewCrusadeHeader(app, path);
    AskForPriorSettings(app);
    StartNewCrusade(app);
    return CrusadeChoice::Created;
}

}  // namespace

QString DataFolder(const App& app) {
    return QDir(app.program.ProgramDir).filePath(QStringLiteral("data"));
}

QString CrusadeNameRefusal(const QString& chosen) {
    return QStringLiteral("A crusade file must be named with the extension \".dta\".") + NewLine +
           QStringLiteral("\"") + FileTitle(chosen) + QStringLiteral("\" cannot be used as a crusade file.");
}

void RefuseCrusadeName(App& app, const QString& chosen) {
    app.dialogs().msgBox(CrusadeNameRefusal(chosen), Buttons::OK, Icon::Exclamation);
}

QString CrusadeNameOf(const QString& dataFile) {
    const QString title = FileTitle(dataFile);
    return title.left(std::max<qsizetype>(0, title.size() - 4));
}

QString NewCrusadeFileName(const QString& chosen) {
    const QString title = FileTitle(chosen);
    const qsizetype dot = title.lastIndexOf(u'.');
    if (dot < 0) return title.isEmpty() ? QString() : chosen + u'.' + kCrusadeExtension;
    if (dot == 0) return QString();  // ".dta" alone names no crusade
    const QString ext = title.mid(dot + 1);
    if (ext.isEmpty()) return chosen + kCrusadeExtension;
    return ext.compare(kCrusadeExtension, Qt::CaseInsensitive) == 0 ? chosen : QString();
}

bool IsCrusadeFileName(const QString& path) {
    return !path.isEmpty() && NewCrusadeFileName(path) == path;
}

CrusadeChoice SelectCrusade(App& app, StartScreen* start) {
    app.msg.MsgText = QStringLiteral("NoFileSelected");
    if (!PrepareDataFolder(app)) return CrusadeChoice::Cancelled;

    FileDialogSpec spec = CrusadeDialog(app, kOpenCrusadeFilter);
    spec.mayCreate = true;  // a new crusade is made by typing its name
    const auto chosen = app.dialogs().openFile(spec);
    if (!chosen || chosen->isEmpty()) return CrusadeChoice::Cancelled;

    const CrusadeToOpen found = FindCrusadeToOpen(app, *chosen);
    if (found.dataFile.isEmpty()) RefuseCrusadeName(app, *chosen);
    if (found.dataFile.isEmpty() || !found.usable) {
        app.msg.MsgText = QStringLiteral("NoFileSelected");
        return CrusadeChoice::Cancelled;
    }
    if (found.exists) return OpenChosenCrusade(app, found.dataFile, start);
    return CreateCrusade(app, found.dataFile);
}

const QString kOpenCrusadeFilter = QStringLiteral("Crusade Files (*.dta)|*.dta;*.dta") + QLatin1String(kOldFileSuffix) +
                                   QStringLiteral("*;*.DTA") + QLatin1String(kOldFileSuffix) +
                                   QStringLiteral("*|Crusade Files");

const QStringList& CrusadeOpeningCommands() {
    static const QStringList commands = [] {
        QStringList names = {QStringLiteral("btnLastCrusade"), QStringLiteral("btSelect"), QStringLiteral("mnuNewCr"),
                             QStringLiteral("mnuChgCr")};
        for (int i = 1; i <= kRecentFiles; ++i) names << QStringLiteral("mnuRecentFile(%1)").arg(i);
        return names;
    }();
    return commands;
}

QString ListedDataFile(const QString& name) {
    // A data file kept aside is "<data file>.fennick-old" and a number or none.
    const qsizetype at = name.lastIndexOf(QLatin1String(kOldFileSuffix));
    if (at > 0 && std::all_of(name.begin() + at + qsizetype(qstrlen(kOldFileSuffix)), name.end(),
                              [](QChar c) { return c.isDigit(); }))
        return name.left(at);
    return name;
}

CrusadeToOpen FindCrusadeToOpen(App& app, const QString& name) {
    CrusadeToOpen found;
    found.dataFile = NewCrusadeFileName(ListedDataFile(name));
    if (found.dataFile.isEmpty()) return found;
    found.usable = EndCutOffReplacement(app, found.dataFile, kNotOpened);
    // A crusade copied from another system may carry an upper-case name.
    if (const QString existing = FindFileNoCase(found.dataFile); found.usable && !existing.isEmpty()) {
        found.dataFile = existing;
        found.exists = true;
    }
    return found;
}

bool OpenCrusade(App& app, const QString& dataFile, UnusableFiles* unusable) {
    // No table window may stay open over the tables of another crusade.
    if (app.hooks.closeTableWindows) app.hooks.closeTableWindows();
    ForgetCrusade(app);
    SetDataFile(app, dataFile);
    try {
        // A backup, restore or save elsewhere cut off while putting its files in place is
        // undone, and the user told: who restored takes the backup to be in place. A set
        // not wholly put back is not used.
        SetRepair repair;
        {
            const GuardedFiles::OwnSave own(app, CrusadeSetKinds());
            repair = RecoverReplacedSet(app.files(), dataFile);
        }
        if (!repair.told.isEmpty())
            app.dialogs().msgBox(repair.told, Buttons::OK, repair.whole ? Icon::Exclamation : Icon::Critical);
        if (!repair.whole) {
            ForgetCrusade(app);
            return false;
        }
        if (!LoadInfoFile(app, unusable ? &unusable->settings : nullptr)) {
            ForgetCrusade(app);
            return false;
        }
        OpenDataFile(app);
        LoadZips(app, unusable ? &unusable->zips : nullptr);
        LoadMembers(app, unusable ? &unusable->members : nullptr);
    } catch (const VbError&) {
        ForgetCrusade(app);
        throw;
    }
    app.crusade.FileIsOpen = true;
    return true;
}

void RepairCrusade(App& app) {
    // A pass that failed part way leaves a partial view: the whole one is built instead.
    const bool repaired = app.hooks.fixFiles && app.hooks.fixFiles();
    if (!repaired || app.view.ReportKind != QStringLiteral("alpha")) IndexAlpha(app);
}

bool EndCutOffReplacement(App& app, const QString& dataFile, const QString& notDone) {
    SetRepair repair;
    {
        BusyGuard busy(app.platform.busy);
        repair = RecoverReplacedSet(app.files(), dataFile);
    }
    if (!repair.told.isEmpty())
        app.dialogs().msgBox(repair.whole ? repair.told : repair.told + NewLine + notDone, Buttons::OK,
                             repair.whole ? Icon::Exclamation : Icon::Critical);
    return repair.whole;
}

void SaveCrusadeFiles(App& app) {
    // The table windows keep what they show before the tables are written.
    if (app.hooks.closeTableWindows) app.hooks.closeTableWindows();
    // A data file back at its path takes the records kept while it was gone, before a
    // backup or restore copies it.
    if (app.crusade.file.isOpen()) app.crusade.file.writeKept();
    SaveIniFile(app);
    SaveInfoFile(app);
    if (app.crusade.MemberCount > 0) SaveMembers(app);
    SaveZips(app);
}

void UnloadCrusade(App& app) {
    try {
        SaveCrusadeFiles(app);
    } catch (const VbError&) {
        ForgetCrusade(app);
        throw;
    }
    ForgetCrusade(app);
}

void CreateCrusadeLike(App& app, const QString& path, const CrusadeSettings& vocabularies) {
    CloseLoadedCrusade(app);
    ForgetCrusade(app);
    app.settings = vocabularies;
    NewCrusadeHeader(app, path);
    StartNewCrusade(app);
}

bool CloseCrusade(App& app) {
    // The table windows keep what they show before the tables are written.
    if (app.hooks.closeTableWindows) app.hooks.closeTableWindows();
    // The crusade's windows close while its files are still open.
    CloseCrusadeWindows(app);
    Crusade& c = app.crusade;
    const bool loaded = c.FileIsOpen || c.file.isOpen();
    // The data file is closed only once everything else is written: a crusade whose files
    // cannot be written (a full disk) stays loaded and usable, and is closed again later.
    // The crusade's folder went away while it was open: its files can only be saved in
    // another one, from the records the open data file still holds.
    if (DataFileLost(app)) {
        const bool saved = SaveLostCrusade(app);
        if (!saved) SaveIniFile(app);
        CloseDataFile(app);
        return false;
    }

    const QString dataFile = app.program.DataFile;
    const bool neverUsed = app.view.ReportCount == 0 && c.NewEmptyFile && c.CreatedThisRun &&
                           QFileInfo(dataFile).isFile() && QFileInfo(dataFile).size() == 0;
    if (neverUsed) {
        CloseDataFile(app);
        app.dialogs().msgBox(QStringLiteral("There are no records in the file.") + NewLine +
                                 QStringLiteral("This file will be deleted and you must start over with another new "
                                                "file next time you start Fennick"),
                             Buttons::OK, Icon::Critical, QStringLiteral("Exit Fennick"));
        Files& files = app.files();
        QList<OwnFile> own = CrusadeSetKinds();
        own.append(OwnFile::IniFile);
        const GuardedFiles::OwnSave removal(app, own);
        // The files it wrote: a journal of that name, which only prayer requests add to, is
        // another time's.
        for (const CrusadeFileKind& k : kCrusadeSet)
            if (!k.appended) files.remove(CrusadeFilePath(dataFile, k.kind));
        files.remove(IniFilePath(app));
        c.FileIsOpen = false;
        c.NewEmptyFile = false;
        c.CreatedThisRun = false;
        return true;
    }
    if (loaded) {
        // The data file is back at its path: the records the user kept while it was gone go in.
        c.file.writeKept();
        SaveInfoFile(app);
        if (c.MemberCount > 0) SaveMembers(app);
        SaveZips(app);
        // The program's own file last: its failure is told apart from the crusade's.
        SaveIniFile(app);
    }
    CloseDataFile(app);
    return false;
}

}  // namespace fennick

#include "data/StartUp.h"

#include "data/App.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/IniFile.h"
#include "data/LostCrusade.h"
#include "data/StartScreen.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "mainwindow/MainScreen.h"
#include "platform/Busy.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace fennick {

namespace {

const QString kLastCrusadeName = QStringLiteral("lblLastCrusadeName");
const QString kLastFile = QStringLiteral("btnLastCrusade");

void ShowDataFolderMade(App& app) {
    app.dialogs().msgBox(QStringLiteral("Fennick has created a folder named 'Data' in the 'Fennick' program folder.") +
                         NewLine +
                         QStringLiteral("It is recommended that you use this folder for all of your crusade files."));
}

// A folder directly inside the program folder, itself a folder and not a link that leads
// elsewhere.
bool IsOwnFolder(const QFileInfo& folder) {
    return folder.isDir() && !folder.isSymLink();
}

// The files directly in folder matching the patterns (links are removed as links).
QFileInfoList FilesIn(const QDir& folder, const QStringList& patterns) {
    return folder.entryInfoList(patterns, QDir::Files | QDir::Hidden | QDir::System);
}

void RemoveTempFolder(App& app, const QDir& program) {
    const QFileInfo temp(program.filePath(QStringLiteral("temp")));
    if (!IsOwnFolder(temp)) return;
    const QFileInfoList files = FilesIn(QDir(temp.filePath()), {QStringLiteral("*")});
    if (files.isEmpty()) return;
    for (const QFileInfo& f : files) QFile::remove(f.filePath());
    program.rmdir(QStringLiteral("temp"));
    program.mkpath(QStringLiteral("data"));
    ShowDataFolderMade(app);
}

void MakeDataFolder(App& app, const QDir& program) {
    if (QFileInfo(program.filePath(QStringLiteral("data"))).isDir()) return;
    program.mkpath(QStringLiteral("data"));
    ShowDataFolderMade(app);
}

void RemoveInstallLeftovers(const QDir& program) {
    const QFileInfoList leftovers = FilesIn(program, {QStringLiteral("*.??_")});
    if (leftovers.isEmpty()) return;
    for (const QFileInfo& f : leftovers) QFile::remove(f.filePath());
    const QFileInfo setup(program.filePath(QStringLiteral("setup.exe")));
    if (setup.isFile() || setup.isSymLink()) QFile::remove(setup.filePath());
}

// No crusade is loaded: only "New File" and "Exit" act.
void NoFileState(App& app, StartScreen& screen) {
    screen.setText(kLastCrusadeName, QString());
    screen.setVisible(kLastFile, false);
    screen.setVisible(QStringLiteral("LineLastCrusadeTop"), false);
    screen.setVisible(QStringLiteral("LineLastCrusadeLeft"), false);
    app.program.ShowButtonLabels = -1;
    app.crusade.FileIsOpen = false;
}

// The ini file names no crusade that is on the disk.
void NoCrusadeFound(App& app, StartScreen& screen) {
    app.dialogs().msgBox(QStringLiteral("Fennick could not find a Meeting data file.  ") + NewLine +
                             QStringLiteral("You must select 'New' to either create a new meeting file or search "
                                            "for an existing file."),
                         Buttons::OK, Icon::Information, QStringLiteral("No File Present"));
    NoFileState(app, screen);
}

QString MeetingCaption(const App& app) {
    return app.settings.CrusadeName + QStringLiteral(":  Meeting #") + Plain(app.settings.LastMeeting);
}

// Loads the crusade named by the ini file; false after telling the user why not.
bool LoadLastCrusade(App& app) {
    BusyGuard busy(app.platform.busy);
    try {
        return OpenCrusade(app, app.program.DataFile);
    } catch (const VbError& e) {
        app.dialogs().msgBox(CommonErrorText(e, kSourceFennick95));
        app.dialogs().msgBox(QStringLiteral("Database: ") + app.program.DataFile +
                             QStringLiteral("Info --Not Available- select another crusade"));
        return false;
    }
}

}  // namespace

QString VersionText() {
    return QStringLiteral("Version %1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
}

void PrepareProgramFolder(App& app) {
    const QDir program(app.program.ProgramDir);
    QDir().mkpath(program.path());
    QDir::setCurrent(program.path());
    app.program.AskCanada = true;
    RemoveTempFolder(app, program);
    MakeDataFolder(app, program);
    RemoveInstallLeftovers(program);
    app.program.DropFilterOnExit = true;
}

void frmSplash_Load(App& app, StartScreen& screen, const PrinterProbe& printerInstalled) {
    screen.setText(QStringLiteral("lblVersion"), VersionText());
    screen.setText(QStringLiteral("lblProductName"), kAppTitle);

    const bool iniFound = QFileInfo(IniFilePath(app)).isFile();
    if (iniFound) {
        LoadIniFile(app);
        PlayWave(app, QStringLiteral("S06.wav"));
    }
    if (!iniFound || app.program.DataFile.isEmpty()) {
        NoCrusadeFound(app, screen);
        return;
    }
    // The crusade's other files share the base name of whatever the ini file names.
    if (!IsCrusadeFileName(app.program.DataFile)) {
        RefuseCrusadeName(app, app.program.DataFile);
        SetDataFile(app, QString());
        NoFileState(app, screen);
        return;
    }
    // A replacement of its files cut off is ended before the data file is looked for; the
    // files are no open crusade's meanwhile, for the ending to put them back.
    const QString last = app.program.DataFile;
    SetDataFile(app, QString());
    const CrusadeToOpen found = FindCrusadeToOpen(app, last);
    if (!found.usable) {
        NoFileState(app, screen);
        return;
    }
    if (!found.exists) {
        NoCrusadeFound(app, screen);
        return;
    }
    SetDataFile(app, found.dataFile);
    if (!LoadLastCrusade(app)) {
        NoFileState(app, screen);
        return;
    }
    screen.setText(kLastCrusadeName, MeetingCaption(app));
    screen.setEnabled(kLastFile, true);
    screen.setVisible(kLastFile, true);

    if (!printerInstalled())
        app.dialogs().msgBox(QStringLiteral("There is no printer attached to your computer") + NewLine +
                             QStringLiteral("Until a printer is set up, reports can be printed to PDF files."));
}

bool btnLastCrusade_Click(App& app, StartScreen& screen) {
    if (!app.crusade.FileIsOpen || !app.crusade.file.isOpen()) {
        NoFileState(app, screen);
        return false;
    }
    BusyGuard busy(app.platform.busy);
    screen.setText(kLastCrusadeName, QStringLiteral("Loading ") + MeetingCaption(app));
    screen.repaint();
    RepairCrusade(app);
    return true;
}

CrusadeChoice btSelect_Click(App& app, StartScreen& screen) {
    // A crusade chosen but not opened has had the loaded one closed already.
    try {
        const CrusadeChoice choice = SelectCrusade(app, &screen);
        if (choice == CrusadeChoice::Cancelled && !app.crusade.FileIsOpen) NoFileState(app, screen);
        return choice;
    } catch (const VbError&) {
        if (!app.crusade.FileIsOpen) NoFileState(app, screen);
        throw;
    }
}

void btnExitFennick_Click(App& app) {
    // The user may choose to go on when the crusade's files cannot be written.
    if (!CloseCrusadeToLeave(app)) return;
    throw ProgramEnd{};
}

bool frmSplash_KeyPress(App& app, StartScreen& screen) {
    if (!app.crusade.FileIsOpen) return false;
    return btnLastCrusade_Click(app, screen);
}

void BeginFirstRecord(App& app, MainScreen& screen) {
    AttendeeRecord& rec = app.crusade.CurRecord;
    const QByteArray nightOne = OneNightAttendance(1);
    rec.Attendance = nightOne;
    screen.setText(QStringLiteral("Attendance"), FromAnsi(nightOne));
    ClearRecord(rec);
    app.crusade.OrigRecord = rec;
    if (app.hooks.startAddMode) app.hooks.startAddMode();
}

}  // namespace fennick

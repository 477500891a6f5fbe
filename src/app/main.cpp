// Fennick: follows the people who attend a series of public meetings.
//
// Start-up: the program folder is prepared, the start screen loads the crusade used last
// and offers its choices, and the main window then drives the program.

#include "app/ui/ProgramWindows.h"
#include "data/App.h"
#include "data/CommandGuard.h"
#include "data/Errors.h"
#include "data/StartUp.h"
#include "data/ui/Artwork.h"
#include "data/ui/frmSplash.h"
#include "mainwindow/ui/EditForm.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/SettingsStore.h"
#include "platform/ui/QtBusy.h"
#include "platform/ui/QtDialogs.h"
#include "platform/ui/QtHelp.h"
#include "platform/ui/QtNetwork.h"
#include "platform/ui/QtPrinter.h"
#include "platform/ui/QtShell.h"
#include "platform/ui/QtSound.h"
#include "platform/ui/Resources.h"

#include <QApplication>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTextBrowser>  // completes the help window's browser type
#include <QTimer>

namespace {

bool PrinterInstalled() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fennick"));
    QApplication::setApplicationVersion(fennick::VersionText().mid(8));
    QGuiApplication::setDesktopFileName(QStringLiteral("fennick"));
    QApplication::setWindowIcon(fennick::AppIcon());
    fennick::InitResources();

    fennick::QtDialogs dialogs;
    fennick::QtPrinter printer;
    fennick::QtSound sound;
    fennick::QtHelp help;
    fennick::QtShell shell;
    fennick::QtSettingsStore store;
    fennick::SystemClock clock;
    fennick::QtBusy busy;
    fennick::QtFiles files;
    fennick::QtNetwork network;
    fennick::App app(fennick::Platform{dialogs, printer, sound, help, shell, store, clock, busy, files, network});
    app.program.ProgramDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // The main window, the dialogs over it and the crusade's modeless windows, with every
    // hook they provide.
    fennick::ProgramWindows windows(app);
    fennick::EditForm& form = windows.main();
    fennick::frmSplash splash(app, PrinterInstalled);
    dialogs.setParent(&splash);
    // The program folder is prepared as soon as the start screen stands, before its own
    // loading, so that every window is built and a first-run message opens over it.
    QTimer::singleShot(0, &splash, [&] {
        fennick::RunGuarded(app, fennick::kSourceFennick95, [&app] { fennick::PrepareProgramFolder(app); });
        splash.load();
    });
    if (splash.exec() != QDialog::Accepted) return splash.exitCode();

    dialogs.setParent(&form);
    help.setParent(&form);
    form.load();
    if (splash.choice() == fennick::CrusadeChoice::Created) form.run([&] { fennick::BeginFirstRecord(app, form); });
    if (form.ended()) return form.exitCode();
    form.show();
    return qapp.exec();
}

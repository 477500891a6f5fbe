#include "app/ui/ProgramWindows.h"

#include "app/ui/CrusadeWindows.h"
#include "app/ui/PasteRules.h"
#include "app/ui/TableWindows.h"
#include "attendance/ui/AppointmentFm.h"
#include "attendance/ui/AttendF.h"
#include "attendance/ui/AttendFieldUpdate.h"
#include "attendance/ui/fEnterVisits.h"
#include "data/App.h"
#include "data/FixFiles.h"
#include "mainwindow/AddMode.h"
#include "mainwindow/MainScreen.h"
#include "mainwindow/ui/EditForm.h"
#include "platform/ui/QtDialogs.h"
#include "reportwindow/ui/PrintReports.h"
#include "reportwindow/ui/SelDecFm.h"
#include "statistics/Stats.h"
#include "statistics/ui/BlankFrm.h"
#include "tables/ui/Members.h"
#include "tables/ui/frmTab.h"
#include "views/ui/frmFilters.h"

#include <QPointer>

#include <memory>

namespace fennick {

ProgramWindows::ProgramWindows(App& app) : app_(app), pasteRules_(std::make_unique<PasteRules>()) {
    // The repair pass run whenever a crusade is opened.
    app.hooks.fixFiles = [&app] { return FixFiles(app); };
    // Add mode on the main window: started by an empty view, cancelled at close-down, and
    // the search box's copy of the shown record.
    InstallAddModeHooks(app);

    // The main window exists from the start, so that the repair pass run from the start
    // screen can show its first record there; it is loaded and shown afterwards.
    main_ = std::make_unique<EditForm>(app);
    EditForm* form = main_.get();
    // The view commands' dialogs open over the main window.
    frmFilters::install(app, form);
    SelDecFm::install(app, form);

    // Over the main window and the attendance screen: the appointment dialog and the
    // visit-code window of the visit frame (both modal).
    AppointmentFm::install(app);
    fEnterVisits::install(app);

    windows_ = std::make_unique<CrusadeWindows>(app);
    CrusadeWindows* windows = windows_.get();
    // The attendance editor, over the screen whose Attendance box was clicked. It is one of
    // the crusade's windows, so that it closes, writing nothing back, before the crusade
    // it works on is closed or replaced; it goes before the screen it stands over.
    auto editorScreen = std::make_shared<MainScreen*>(nullptr);
    windows->add(
        QStringLiteral("AttendFieldUpdate"), [&app, editorScreen] { return new AttendFieldUpdate(app, **editorScreen); },
        [](QWidget* w) { static_cast<AttendFieldUpdate*>(w)->dismiss(); });
    AttendFieldUpdate::install(app, [windows, editorScreen](MainScreen& screen) {
        *editorScreen = &screen;
        auto* editor = windows->window<AttendFieldUpdate>(QStringLiteral("AttendFieldUpdate"));
        *editorScreen = nullptr;
        return editor;
    });
    // The attendance screen, opened from the main window for a meeting night.
    windows->add(
        QStringLiteral("AttendF"), [&app, form] { return new AttendF(app, form); },
        [](QWidget* w) {
            // Unloaded with the crusade even when it refuses to close.
            w->close();
            static_cast<AttendF*>(w)->releaseHooks();
        });
    app.hooks.showAttendanceScreen = [windows] { windows->window<AttendF>(QStringLiteral("AttendF"))->open(); };
    // The report window, opened by the main window's previews; the crusade's closing
    // closes it without returning to the main window.
    windows->add(
        QStringLiteral("PrintReports"),
        [&app] {
            auto* w = new PrintReports(app);
            w->setAttribute(Qt::WA_DeleteOnClose);
            return w;
        },
        [](QWidget* w) { static_cast<PrintReports*>(w)->dismiss(); });
    app.hooks.openPrintReports = [windows] { windows->window<PrintReports>(QStringLiteral("PrintReports"))->open(); };
    // The statistics window, opened by the statistics commands over the main window.
    windows->add(QStringLiteral("BlankFrm"), [&app, form] { return new BlankFrm(app, form); });
    app.hooks.statsWindow = [windows]() -> StatsScreen* { return windows->window<BlankFrm>(QStringLiteral("BlankFrm")); };
    app.hooks.showCrusadeStatistics = [&app] { ShowCrusadeStatistics(app); };
    // The zip-code editor beside its team totals, over the main window. Before the tables
    // are replaced or rebuilt the editor keeps its shown entry, then both close.
    AddTableWindows(app, *windows, form);
    app.hooks.showZipEditor = [windows] { ShowZipEditor(*windows); };

    // The preferences dialog, modeless from the menus and modal over the window whose
    // command asks for the team names (the zip editor), which is in front again once it
    // closes. One already open keeps its boxes, and comes on its team tab when the team
    // names are asked for.
    windows->add(QStringLiteral("frmTab"), [&app, form] { return new frmTab(app, form); });
    auto preferences = [&app, windows, form](bool modal) {
        QPointer<frmTab> dialog = qobject_cast<frmTab*>(windows->find(QStringLiteral("frmTab")));
        if (dialog)
            dialog->showAgain();
        else
            dialog = windows->window<frmTab>(QStringLiteral("frmTab"));
        if (!modal) {
            dialog->show();
            dialog->raise();
            dialog->activateWindow();
            return;
        }
        const QPointer<QWidget> asker = DialogOwner(form);
        // Shown again below, modal now when it was open without modality.
        dialog->hide();
        if (asker && dialog->parentWidget() != asker) dialog->setParent(asker, dialog->windowFlags());
        dialog->exec();
        if (asker && asker->isVisible()) {
            asker->raise();
            asker->activateWindow();
        }
    };
    app.hooks.showPreferences = [preferences] { preferences(false); };
    app.hooks.editTeamNames = [&app, preferences] {
        app.msg.MsgText = QStringLiteral("team");
        preferences(true);
    };
    // The church member list, over the main window.
    windows->add(
        QStringLiteral("Members"), [&app, form] { return new Members(app, form); },
        [](QWidget* w) { static_cast<Members*>(w)->closeKeepingEntry(); });
    app.hooks.showMembers = [windows] {
        QWidget* w = windows->window(QStringLiteral("Members"));
        w->show();
        w->raise();
        w->activateWindow();
    };
    // Every table window keeps what it shows and closes before the tables or the settings
    // are replaced.
    app.hooks.closeTableWindows = [windows] {
        CloseTableWindows(*windows);
        windows->close(QStringLiteral("Members"));
        windows->close(QStringLiteral("frmTab"));
    };
}

ProgramWindows::~ProgramWindows() {
    // The windows take the hooks they set with them; those set here go as well.
    windows_.reset();
    main_.reset();
    Hooks& h = app_.hooks;
    h.fixFiles = nullptr;
    h.startAddMode = nullptr;
    h.copyCurrentRecord = nullptr;
    h.cancelAddMode = nullptr;
    h.showAttendanceFilters = nullptr;
    h.showDecisionPicker = nullptr;
    h.showAttendanceScreen = nullptr;
    h.openPrintReports = nullptr;
    h.statsWindow = nullptr;
    h.showAppointment = nullptr;
    h.attendFAppointment = nullptr;
    h.showAttendanceUpdate = nullptr;
    h.attendFAttendanceUpdate = nullptr;
    h.enterVisitCode = nullptr;
    h.showCrusadeStatistics = nullptr;
    h.showZipEditor = nullptr;
    h.showPreferences = nullptr;
    h.editTeamNames = nullptr;
    h.showMembers = nullptr;
    h.closeTableWindows = nullptr;
}

}  // namespace fennick

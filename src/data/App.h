#pragma once
// The application object: it owns the shared state and the platform services, and is
// passed by reference to every procedure and window that needs them.

#include "data/Crusade.h"
#include "data/CrusadeSettings.h"
#include "data/GuardedFiles.h"
#include "data/Messages.h"
#include "data/PrintOutput.h"
#include "data/ProgramSettings.h"
#include "mainwindow/MainWindowState.h"
#include "platform/Platform.h"
#include "views/CurrentView.h"

#include <functional>

namespace fennick {

class MainScreen;
class StatsScreen;
class RecordScreen;

// Procedures of the windows that the display-free code calls back.
struct Hooks {
    // The main window's end of the program: it hides the windows and quits with the exit
    // code. Commands that end the program (ProgramEnd) reach it through RunGuarded.
    std::function<void(int exitCode)> endProgram;
    // Closes every modeless window that shows the open crusade (the owner of those windows
    // sets it). Run when the crusade is closed and before another is opened or created,
    // so that no window shows or writes another crusade's records.
    std::function<void()> closeCrusadeWindows;
    // The main window's add command: begins a new entry in add mode.
    std::function<void()> startAddMode;
    // The repair pass run when a crusade is opened; false when it failed part way.
    std::function<bool()> fixFiles;
    // The main window's return to all names.
    std::function<void()> showAll;
    // The add-mode command that copies the shown record into a new entry.
    std::function<void()> copyCurrentRecord;
    // Shows the zip-code editor beside its team totals window (modeless), creating them on
    // first use.
    std::function<void()> showZipEditor;
    // Closes the modeless windows that show the crusade's tables (zip-code editor, team
    // totals) after each has kept what it shows in the table in memory. Called before
    // anything replaces or rebuilds the zip table, the member list or the settings: closing
    // and opening a crusade, the repair pass, the zip table's rebuild. Unset: none is open.
    std::function<void()> closeTableWindows;
    // The preferences dialog (modeless), on its team tab when MsgText holds "team"; one
    // already open is only brought forward.
    std::function<void()> showPreferences;
    // The zip-code editor's "Edit Team Names": the preferences dialog on its team tab,
    // modal; one already open is only brought forward.
    std::function<void()> editTeamNames;
    // The church member list window (modeless); one already open is only brought forward.
    std::function<void()> showMembers;
    // Add mode's "Cancel and Exit", run when the main window closes in add mode; leaves
    // "dontexit" in MsgAnswer when the user chooses to stay.
    std::function<void()> cancelAddMode;
    // The attendance filter dialog (modal); leaves "equal", "atleast" or "cancel" in
    // ScratchVar.
    std::function<void()> showAttendanceFilters;
    // The decision picker (modal), with decision d offered (0 for none). OK sets
    // ReportKind to "decision" followed by a blank and the chosen number and returns true;
    // Cancel changes nothing and returns false.
    std::function<bool(int d)> showDecisionPicker;
    // Dialogs of the attendance subsystem over the main window, set once they exist: the
    // appointment dialog (the Class box), the per-record attendance editor (the Attendance
    // box) and the prayer-request entry (a double click in Notes).
    std::function<void()> showAppointment;
    std::function<void()> showAttendanceUpdate;
    std::function<void()> enterPrayer;
    // Whether the attendance screen is loaded (no record may be deleted meanwhile); unset
    // while that screen does not exist, which means it is never loaded.
    std::function<bool()> attendanceFormLoaded;
    // Shows the report window again (without modality), for the return to its preview
    // after a record opened from it was deleted; unset while that window does not exist.
    std::function<void()> showPrintReports;
    // Closes the report window as its Close button does; unset while that window does not
    // exist.
    std::function<void()> closePrintReports;
    // Ticks the report window's "Mail List Only" and "Mail Labels" boxes, their rules
    // running as for a click; unset while that window does not exist.
    std::function<void()> tickPrintReportsMailLabels;
    // Shows the attendance screen without modality for the meeting number left in
    // MsgAnswer; unset while that screen does not exist.
    std::function<void()> showAttendanceScreen;
    // Windows opened from the attendance screen, each working on that screen's boxes and
    // variables; unset while they do not exist (their controls stay disabled): the
    // per-record attendance editor (the Attendance box), the appointment dialog (the
    // Interview box) and the prayer-request entry (its button and Tools, Prayer Requests).
    std::function<void(MainScreen& attendF)> attendFAttendanceUpdate;
    std::function<void(MainScreen& attendF)> attendFAppointment;
    std::function<void(MainScreen& attendF)> attendFPrayerRequest;
    // Opens the report window on the current view (an open one is loaded afresh) and
    // shows it without modality.
    std::function<void()> openPrintReports;
    // The crusade statistics on the statistics window (the report window's "Statistics").
    std::function<void()> showCrusadeStatistics;
    // Writes the mail-merge file from the current view, asking its own questions.
    std::function<void()> mailMerge;
    // The statistics window, made on first use (not shown by this); unset where there is
    // no window.
    std::function<StatsScreen*()> statsWindow;
    // The visit-code window (modal): the letter left in MsgText chooses the visit type;
    // on closing MsgText holds the letter and the meeting number ("H7").
    std::function<void()> enterVisitCode;
    // A screen now shows record n (0: a new name not written yet), told by every display
    // of a record, so that a window working on the record shown before can let it go.
    std::function<void(const RecordScreen& screen, qint32 n)> recordShown;
    // The main window as a record screen; null while it does not exist.
    MainScreen* editForm = nullptr;
};

class App {
public:
    explicit App(const Platform& platform) : platform(platform) {}
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Dialogs& dialogs() { return platform.dialogs; }
    Printer& printer() { return platform.printer; }
    Clock& clock() { return platform.clock; }
    // The platform's file operations, refusing to write over the open crusade's and the
    // program's files except in their own saves (GuardedFiles).
    Files& files() { return guardedFiles; }

    Platform platform;
    GuardedFiles guardedFiles{platform.files, *this};
    ProgramSettings program;
    CrusadeSettings settings;
    Crusade crusade;
    CurrentView view;
    Messages msg;
    Hooks hooks;
    MainWindowState mainWindow;
    // The end of every print: the platform's printer is bound to it while the object lives.
    PrintOutput printOutput{*this};
};

}  // namespace fennick

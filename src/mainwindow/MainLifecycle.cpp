#include "mainwindow/MainLifecycle.h"

#include "data/App.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/LostCrusade.h"
#include "data/RecentFiles.h"
#include "data/RecordDisplay.h"
#include "data/StartUp.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "mainwindow/MainScreen.h"
#include "mainwindow/Navigation.h"
#include "mainwindow/NoCrusade.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Dialogs.h"


namespace fennick {

namespace {

const QString kEdit = QStringLiteral("edit");

// The fields a view highlights, in the order their colour is put back.
const char* const kColouredFields[] = {"Advertising",    "Address",    "Age",      "Attend", "Attendance", "BaptDate",
                                       "chkMarkToVisit", "Class",      "IntLevel", "Last",   "LName",      "MailList",
                                       "Notes",          "WorkerCode", "RelPref",  "Zip"};

void FillChurchList(App& app, MainScreen& screen) {
    QStringList churches;
    for (int i = 1; i <= 14; ++i) churches << app.settings.ReligionNames[size_t(i)];
    screen.setItems(QStringLiteral("RelPref"), churches);
}

// Saves the record on screen; with an empty view there is no record to save.
bool SaveShownRecord(App& app, MainScreen& screen) {
    return app.view.ReportCount == 0 || SaveCurrentRecord(app, screen);
}

// A new name being entered in add mode. It is not a record yet, so it is neither saved nor
// replaced by a reread.
bool AddEntryOnScreen(const App& app) {
    return app.crusade.AddMode && app.mainWindow.NewEntryOnScreen;
}

// What the user typed is saved before the screen is read again, into the record the
// screen shows (RecordPos): another window may have made another record current
// meanwhile. That record is then read first, for its CardPrinted (which has no box) and
// as the copy the screen is compared with; the save re-keys its own view entry.
bool KeepTypedChanges(App& app, MainScreen& screen) {
    // A new name left behind when add mode ended elsewhere has no record to be saved into.
    if (app.view.ReportCount == 0 || app.mainWindow.NewEntryOnScreen) return true;
    Crusade& c = app.crusade;
    const qint32 shown = qint32(Val(screen.text(QStringLiteral("RecordPos"))));
    if (shown != c.CurRecNo) {
        if (shown < 1 || shown > c.RecCount) return true;  // the screen names no record of the file
        c.CurRecord = ReadRecord(app, shown);
        c.CurRecNo = shown;
        c.OrigRecord = c.CurRecord;
    }
    return SaveCurrentRecord(app, screen);
}

void Redisplay(App& app, MainScreen& screen, bool typedChanges) {
    if (!CrusadeLoaded(app)) {
        ShowNoCrusade(app, screen);
        return;
    }
    screen.setText(QStringLiteral("mPrCut"), CutOffCaption(app));
    if (AddEntryOnScreen(app)) return;
    if (typedChanges && !KeepTypedChanges(app, screen)) return;
    ShowDecisionNames(app, screen);
    ShowCurrentRecord(app, screen);
}

// The shown record is saved before the crusade closes. When the crusade's folder went
// away the record cannot be written: the user is told and the closing goes on, so that
// the crusade's files can be saved in another folder.
bool SaveBeforeClosing(App& app, MainScreen& screen) {
    try {
        return SaveShownRecord(app, screen);
    } catch (const VbError& e) {
        if (!DataFileLost(app)) throw;
        app.dialogs().msgBox(CommonErrorText(e, kSourceFennick95));
        return true;
    }
}

bool CloseDown(App& app, MainScreen& screen) {
    QuitHelp(app);
    if (app.crusade.AddMode && app.hooks.cancelAddMode) {
        // Leaving the entry of a crusade that has no record yet closes the crusade; when its
        // files cannot be written the closing below tells so and offers a way out.
        try {
            app.hooks.cancelAddMode();
        } catch (const VbError&) {
            if (!app.crusade.file.isOpen()) throw;
        }
    }
    if (app.msg.MsgAnswer == QStringLiteral("dontexit")) {
        app.msg.MsgAnswer.clear();
        return false;
    }
    // A name still being added has no record of its own yet; it is not written.
    if (!app.crusade.AddMode && !SaveBeforeClosing(app, screen)) return false;
    app.msg.MsgText.clear();
    // Files that cannot be written never keep the user in: the closing offers to save them
    // elsewhere, to leave without them or to go on.
    const std::optional<bool> deleted = CloseCrusadeToLeave(app);
    if (!deleted) return false;
    // A crusade made in this run that never got a record is deleted by its closing.
    if (*deleted) throw ProgramEnd{};
    return true;
}

}  // namespace

void Form_Load(App& app, MainScreen& screen) {
    InitHelp(app);
    LoadRecentFiles(app, screen);
    if (app.crusade.FileIsOpen) screen.setEnabled(QStringLiteral("mnuEditMode"), false);
    FillChurchList(app, screen);
    app.mainWindow.PrevIndexPos = 1;
}

void Form_Activate(App& app, MainScreen& screen, bool typedChanges) {
    app.mainWindow.NotesCautionPending = true;
    QString& mode = app.program.ScreenMode;
    if (mode == QStringLiteral("attendupdate") || mode == QStringLiteral("Appointment")) {
        mode = kEdit;
        return;
    }
    Redisplay(app, screen, typedChanges);
    mode = kEdit;
    screen.setVisible(QStringLiteral("lblShowButtonLabels"),
                      screen.isVisible(QStringLiteral("btnExcel")) && app.program.ShowButtonLabels != 0);
}

void Form_GotFocus(App& app, MainScreen& screen, bool typedChanges) {
    Redisplay(app, screen, typedChanges);
    app.program.ScreenMode = kEdit;
}

void Form_LostFocus(App& app, MainScreen& screen) {
    app.program.ScreenMode = kEdit;
    for (const char* b : {"btnSaveNew", "btnSaveExit", "btnCancelNew"}) screen.setVisible(QLatin1String(b), false);
}

void Form_Deactivate(App& app) {
    app.program.ScreenMode = kEdit;
}

void Form_MouseUp(MainScreen& screen, int button) {
    if (button == 2) screen.popupMenu(QStringLiteral("mnuEdit"));
}

bool Form_Unload(App& app, MainScreen& screen) {
    // A name opened from the report window: the record is saved and the report window,
    // still open, comes back in front. A refused save keeps the window.
    if (app.mainWindow.EditFromPreview && app.hooks.showPrintReports) {
        if (!SaveShownRecord(app, screen)) return false;
        screen.setWindowVisible(false);
        app.hooks.showPrintReports();
        return false;
    }
    return CloseDown(app, screen);
}

bool mnuExit_Click(App& app, MainScreen& screen) {
    return CloseDown(app, screen);
}

void ResetBackColor(MainScreen& screen) {
    for (const char* f : kColouredFields) screen.setBackColor(QLatin1String(f), kWhite);
    for (int i = 0; i <= 8; ++i) screen.setBackColor(QStringLiteral("Dec(%1)").arg(i), kWhite);
}

void SetBackColor(MainScreen& screen) {
    ResetBackColor(screen);
}

void ShowDecisionNames(App& app, MainScreen& screen) {
    for (int n = 1; n <= 9; ++n) {
        const QString box = QStringLiteral("Dec(%1)").arg(n - 1);
        screen.setText(box, app.settings.DecisionNames[size_t(n)]);
        screen.setValue(box, 0);
    }
}

QString CutOffCaption(const App& app) {
    return QStringLiteral("Printer Cutoff Point (Meeting ") + Plain(app.settings.PrintCutOff) + QStringLiteral(")");
}

QString AboutText() {
    return kAppTitle + NewLine +
           QStringLiteral("Version %1.%2  Release %3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision) +
           NewLine + kProductComments + NewLine + NewLine + kCompanyName + NewLine + kLegalCopyright;
}

void mnuAbout_Click(App& app) {
    app.dialogs().msgBox(AboutText());
}

bool ShowCurrentRecord(App& app, MainScreen& screen) {
    if (!ReadCurrentRecord(app)) return false;
    ShowRecord(app, screen);
    app.mainWindow.EnteredRNum = screen.text(QStringLiteral("RNum"));
    QString title;
    ShowListCaption(app, screen, title);
    return true;
}

void ChgRec_Click(App& app, MainScreen& screen, int index) {
    if (app.msg.MsgAnswer == QStringLiteral("dontexit")) {
        app.msg.MsgAnswer.clear();
        return;
    }
    app.mainWindow.PrevIndexPos = app.view.CurIndexPos;
    if (!SaveShownRecord(app, screen)) return;
    MoveToRecord(app, index);
    app.mainWindow.EnteredRNum = screen.text(QStringLiteral("RNum"));
}

void mnuNextRecord_Click(App& app, MainScreen& screen) {
    if (SaveShownRecord(app, screen)) ChgRec_Click(app, screen, 2);
}

void mnuPreviousRec_Click(App& app, MainScreen& screen) {
    if (SaveShownRecord(app, screen)) ChgRec_Click(app, screen, 1);
}

void ShowLoadedCrusade(App& app, MainScreen& screen) {
    EndNoCrusade(app, screen);
    FillChurchList(app, screen);
    // The view before, the marked name and the search belong to the crusade they were made in.
    app.view.PrevReportKind.clear();
    ForgetViewPositions(app);
    for (const char* box : {"FndNameBx", "SearchBox", "EntInd", "SDAIdent"})
        screen.setText(QLatin1String(box), QString());
    Redisplay(app, screen, false);
}

void mnuPrintManual_Click(App& app, MainScreen& screen) {
    // A new name being entered stays on screen unsaved while the manual opens.
    if (app.mainWindow.NewEntryOnScreen || SaveShownRecord(app, screen)) OpenManual(app);
}

void mnuHelpFiles_Click(App& app) {
    ShowHelpContents(app);
}

void mnuShortcuts_Click(App& app) {
    ShowHelpContext(app, kHelpShortcuts);
}

void EntInd_GotFocus(MainScreen& screen) {
    screen.setFocus(QStringLiteral("SearchBox"));
}

void SDAIdent_GotFocus(MainScreen& screen) {
    screen.setFocus(QStringLiteral("SearchBox"));
}

void Label17_DblClick(MainScreen& screen) {
    screen.setText(QStringLiteral("Notes"), QString());
}

}  // namespace fennick

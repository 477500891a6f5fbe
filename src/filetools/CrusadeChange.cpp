#include "filetools/CrusadeChange.h"

#include "data/App.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/IniFile.h"
#include "data/RecentFiles.h"
#include "data/StartUp.h"
#include "mainwindow/MainLifecycle.h"
#include "mainwindow/MainScreen.h"
#include "mainwindow/NoCrusade.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Busy.h"
#include "platform/Dialogs.h"

#include <functional>
#include <optional>

namespace fennick {

namespace {

const QString kSkipDialog = QStringLiteral("skipDialog");
// Tries of a step that fails before the crusade loaded before is opened again.
constexpr int kTries = 3;

// Runs step until it succeeds, telling each failure; false after the last try failed.
bool Attempt(App& app, const std::function<void()>& step) {
    for (int tries = 1;; ++tries) {
        try {
            step();
            return true;
        } catch (const VbError& e) {
            app.dialogs().msgBox(CommonErrorText(e, kSourceFennick3), Buttons::OK, Icon::None,
                                 QStringLiteral("Error"));
            if (tries == kTries) return false;
        }
    }
}

std::optional<QString> AskCrusadeFile(App& app) {
    app.msg.ScratchVar.clear();
    FileDialogSpec spec;
    spec.title = QStringLiteral("Create a New Crusade or Select an Existing Crusade");
    spec.filter = kOpenCrusadeFilter;
    spec.filterIndex = 1;
    spec.initialDir = DataFolder(app);
    spec.fileName = app.program.DataFile;
    spec.mayCreate = true;
    std::optional<QString> chosen = app.dialogs().openFile(spec);
    if (!chosen || chosen->isEmpty()) {
        app.msg.ScratchVar = QStringLiteral("cancel");
        return std::nullopt;
    }
    return chosen;
}

// Opens and repairs the crusade of dataFile. False when it cannot be opened: after
// kTries failures, or at once when its settings refuse it (a conversion refused or
// failed, which the user has been told).
bool OpenAndRepair(App& app, const QString& dataFile) {
    bool refused = false;
    const bool done = Attempt(app, [&] {
        refused = false;
        try {
            if (!OpenCrusade(app, dataFile)) {
                refused = true;
                return;
            }
        } catch (const ProgramEnd&) {
            refused = true;
            return;
        }
        RepairCrusade(app);
        SaveIniFile(app);
    });
    return done && !refused;
}

// The crusade loaded before comes back after the chosen one could not be loaded. When
// it cannot (it was deleted as new and empty, or fails itself) no crusade stays loaded.
void OpenPrevious(App& app, MainScreen& form, const QString& previous) {
    const CrusadeToOpen found = FindCrusadeToOpen(app, previous);
    if (found.exists && OpenAndRepair(app, found.dataFile)) {
        ShowLoadedCrusade(app, form);
        return;
    }
    // Nothing of a crusade opened part way stays.
    ForgetCrusade(app);
    ShowNoCrusade(app, form);
    app.dialogs().msgBox(QStringLiteral("No crusade is loaded.") + NewLine +
                             QStringLiteral("Use Change Meeting on the File menu to open or create one."),
                         Buttons::OK, Icon::Critical);
}

// The loaded crusade stays loaded as it is when its files could not be written: read
// back from them, its settings and tables would lose what the files did not take. Only
// its data file is opened again, should it have been closed.
void KeepLoaded(App& app, MainScreen& form, const QString& previous) {
    try {
        if (!app.crusade.file.isOpen()) OpenDataFile(app);
    } catch (const VbError&) {
        OpenPrevious(app, form, previous);
        return;
    }
    ShowLoadedCrusade(app, form);
}

// Closes the loaded crusade before another is loaded; false when its files could not
// be written (after kTries messages).
bool CloseLoaded(App& app) {
    if (!app.crusade.FileIsOpen && !app.crusade.file.isOpen()) return true;
    return Attempt(app, [&] { CloseCrusade(app); });
}

void AfterChange(MainScreen& form) {
    form.setVisible(QStringLiteral("ShowAll"), false);
    form.setEnabled(QStringLiteral("mnuFilterS"), true);
}

void Reopen(App& app, MainScreen& form, const QString& dataFile) {
    const QString previous = app.program.DataFile;
    bool opened = false;
    {
        BusyGuard busy(app.platform.busy);
        if (!CloseLoaded(app)) {
            KeepLoaded(app, form, previous);
            return;
        }
        opened = OpenAndRepair(app, dataFile);
        if (opened) {
            ShowLoadedCrusade(app, form);
            AddRecentFile(app, form, app.program.DataFile);
            AfterChange(form);
        }
    }
    if (!opened) {
        OpenPrevious(app, form, previous);
        return;
    }
    app.dialogs().msgBox(app.settings.CrusadeName + QStringLiteral(" Has been loaded successfully."));
}

void Create(App& app, MainScreen& form, const QString& dataFile) {
    app.msg.MsgText = QStringLiteral("The file ") + dataFile +
                      QStringLiteral(" does not exist.  Would you like to create a new file with this name?");
    if (app.dialogs().msgBox(app.msg.MsgText, Buttons::YesNo, Icon::None, QStringLiteral("Change Crusade")) == AnsNo)
        return;
    const QString previous = app.program.DataFile;
    const CrusadeSettings vocabularies = app.settings;
    if (!CloseLoaded(app)) {
        KeepLoaded(app, form, previous);
        return;
    }
    if (!Attempt(app, [&] { CreateCrusadeLike(app, dataFile, vocabularies); })) {
        OpenPrevious(app, form, previous);
        return;
    }
    EndNoCrusade(app, form);
    form.setText(QStringLiteral("MtgNum"), QStringLiteral("1"));
    BeginFirstRecord(app, form);
    ShowLoadedCrusade(app, form);
    AfterChange(form);
}

}  // namespace

void mnuChgCr_Click(App& app, MainScreen& form) {
    const bool skipDialog = app.msg.MsgText == kSkipDialog;
    if (skipDialog) app.msg.MsgText.clear();
    if (app.view.ReportCount > 0 && !app.mainWindow.NewEntryOnScreen && !SaveCurrentRecord(app, form)) return;

    QString chosen;
    if (skipDialog) {
        chosen = app.msg.ScratchVar;
    } else {
        const std::optional<QString> asked = AskCrusadeFile(app);
        if (!asked) return;
        chosen = *asked;
    }
    // Only a data file is opened: its side files share the base name of any other file
    // beside it (an export, a side file itself), which opening that file would rewrite.
    const CrusadeToOpen found = FindCrusadeToOpen(app, chosen);
    if (found.dataFile.isEmpty()) {
        RefuseCrusadeName(app, chosen);
        return;
    }
    if (!found.usable) return;
    if (found.exists)
        Reopen(app, form, found.dataFile);
    else
        Create(app, form, found.dataFile);
}

void mnuNewCr_Click(App& app, MainScreen& form) {
    mnuChgCr_Click(app, form);
}

void mnuRecentFile_Click(App& app, MainScreen& form, int index) {
    const QString file = form.text(QStringLiteral("mnuRecentFile(%1)").arg(index));
    if (file.isEmpty()) return;
    app.msg.ScratchVar = file;
    app.msg.MsgText = kSkipDialog;
    mnuChgCr_Click(app, form);
    LoadRecentFiles(app, form);
}

}  // namespace fennick

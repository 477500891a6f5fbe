#include "mainwindow/NoCrusade.h"

#include "data/App.h"
#include "data/CrusadeFiles.h"
#include "mainwindow/MainLifecycle.h"
#include "mainwindow/MainScreen.h"
#include "mainwindow/MenuBar.h"
#include "platform/Dialogs.h"

#include <QStringList>

namespace fennick {

namespace {

// The record's text boxes and check boxes, and what shows the record's place.
const char* const kRecordBoxes[] = {"RNum",      "FName",      "LName",   "Address",     "City",    "State",
                                    "Zip",       "Phone",      "Age",     "Advertising", "RelPref", "IntLevel",
                                    "Visits",    "WorkerCode", "Attend",  "Attendance",  "Notes",   "Last",
                                    "Decisions", "BaptDate",   "MapCode", "BirthDate",   "txtEmail"};
const char* const kRecordChecks[] = {"MailList", "Class", "Baptized", "chkMarkToVisit"};
const char* const kPlaceTexts[] = {"RecordPos", "RecordCounter", "SearchBox", "EntInd", "SDAIdent", "FndNameBx"};
// Menus each of whose commands reads or writes the crusade.
const char* const kCrusadeMenus[] = {"mnuEdit", "mnuRecords", "mnuTools", "mnuPreview", "mnuPrint", "mnuFilterS"};
// Controls besides the record's boxes and the toolbar that act on the view or a record.
const char* const kViewControls[] = {"ChgRec(0)", "ChgRec(1)", "ChgRec(2)",  "ChgRec(3)", "SearchBox",
                                     "EntInd",    "SDAIdent",  "frameVisit", "EditLabel"};

// The File items that need no crusade: they open or create one, or end the program.
bool NeedsNoCrusade(const QString& item) {
    return item == QLatin1String("mnuExit") || CrusadeOpeningCommands().contains(item);
}

QString DecisionBox(int i) {
    return QStringLiteral("Dec(%1)").arg(i);
}

// Every control, menu and menu item out of use while no crusade is loaded.
QStringList CrusadeControls() {
    QStringList names;
    for (const char* n : kRecordBoxes) names << QLatin1String(n);
    for (const char* n : kRecordChecks) names << QLatin1String(n);
    for (int i = 0; i <= 8; ++i) names << DecisionBox(i);
    for (const ToolbarButton& b : ToolbarButtons()) names << b.name;
    for (const char* n : kViewControls) names << QLatin1String(n);
    for (const char* n : kCrusadeMenus) names << QLatin1String(n);
    for (const MenuEntry& e : MenuChildren(QStringLiteral("mnuFile")))
        if (!e.separator && !e.name.isEmpty() && !NeedsNoCrusade(e.name)) names << e.name;
    return names;
}

}  // namespace

bool CrusadeLoaded(const App& app) {
    return app.crusade.file.isOpen();
}

void ShowNoCrusade(App& app, MainScreen& screen) {
    for (const char* n : kRecordBoxes) screen.setText(QLatin1String(n), QString());
    for (const char* n : kRecordChecks) screen.setValue(QLatin1String(n), 0);
    for (int i = 0; i <= 8; ++i) screen.setValue(DecisionBox(i), 0);
    for (const char* n : kPlaceTexts) screen.setText(QLatin1String(n), QString());
    ResetBackColor(screen);
    screen.setVisible(QStringLiteral("ShowAll"), false);
    screen.setText(QStringLiteral("EditLabel"), QStringLiteral("No crusade is loaded."));
    screen.setCaption(kAppTitle);
    for (const QString& n : CrusadeControls()) screen.setEnabled(n, false);
    app.mainWindow.NewEntryOnScreen = false;
    app.mainWindow.NoCrusadeShown = true;
}

void EndNoCrusade(App& app, MainScreen& screen) {
    if (!app.mainWindow.NoCrusadeShown || !CrusadeLoaded(app)) return;
    app.mainWindow.NoCrusadeShown = false;
    for (const QString& n : CrusadeControls()) screen.setEnabled(n, true);
}

}  // namespace fennick

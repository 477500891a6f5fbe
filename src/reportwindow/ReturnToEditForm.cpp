#include "reportwindow/ReturnToEditForm.h"

#include "data/App.h"
#include "mainwindow/MainLifecycle.h"
#include "mainwindow/MainScreen.h"
#include "mainwindow/Navigation.h"
#include "views/Indexes.h"

namespace fennick {

namespace {

// What editing a record from a preview line hid or disabled on the main window.
const char* const kPreviewMenus[] = {"mnuEdit", "mnuRecords", "mnuFilterS", "mnuFile",
                                     "mnuPreview", "mnuTools", "mnuPrint"};
const char* const kPreviewButtons[] = {"btnDelete", "btnUndelete", "btnViewFile", "btnGoTo",
                                       "btnSDA",    "btnMark",     "btnAttend",   "btnGlobal",
                                       "btnExcel",  "btnStats",    "btnAddName"};

// The buttons a record opened from a preview line hides (a part of those restored).
const char* const kEditFromPreviewButtons[] = {"btnGoTo", "btnUndelete", "btnMark",   "btnAttend",
                                               "btnGlobal", "btnExcel",  "btnAddName", "btnStats"};

void RestoreFullWindow(App& app, MainScreen& form) {
    app.mainWindow.EditFromPreview = false;
    form.setWindowVisible(true);
    form.setVisible(QStringLiteral("ReturnToPreviewMsg"), false);
    form.setVisible(QStringLiteral("SearchBox"), true);
    form.setVisible(QStringLiteral("SearchBoxLabel"), true);
    for (const char* menu : kPreviewMenus) form.setEnabled(QLatin1String(menu), true);
    for (const char* button : kPreviewButtons) form.setVisible(QLatin1String(button), true);
    form.setVisible(QStringLiteral("FndNameBx"), true);
    for (const char* box : {"EntInd", "SDAIdent"}) {
        form.setText(QLatin1String(box), QString());
        form.setVisible(QLatin1String(box), true);
    }
    form.setVisible(QStringLiteral("lblShowButtonLabels"), app.program.ShowButtonLabels != 0);
    form.setVisible(QStringLiteral("ShowAll"), app.view.ReportKind != QLatin1String("alpha"));
    for (int i = 0; i <= 3; ++i) form.setEnabled(QStringLiteral("ChgRec(%1)").arg(i), true);
}

}  // namespace

void ShowEditFromPreview(App& app, MainScreen& form) {
    app.mainWindow.EditFromPreview = true;
    form.setVisible(QStringLiteral("ReturnToPreviewMsg"), true);
    form.setVisible(QStringLiteral("SearchBox"), false);
    form.setVisible(QStringLiteral("SearchBoxLabel"), false);
    for (const char* menu : kPreviewMenus) form.setEnabled(QLatin1String(menu), false);
    for (const char* button : kEditFromPreviewButtons) form.setVisible(QLatin1String(button), false);
    form.setVisible(QStringLiteral("lblShowButtonLabels"), false);
    form.setVisible(QStringLiteral("FndNameBx"), false);
    for (const char* box : {"EntInd", "SDAIdent"}) {
        form.setText(QLatin1String(box), QString());
        form.setVisible(QLatin1String(box), false);
    }
    for (int i = 0; i <= 3; ++i) form.setEnabled(QStringLiteral("ChgRec(%1)").arg(i), false);
    form.setVisible(QStringLiteral("ShowAll"), false);
}

void ReturnToEditForm(App& app, MainScreen& editForm, std::optional<qint16> cutOffShown) {
    RestoreFullWindow(app, editForm);
    if (cutOffShown) app.settings.PrintCutOff = *cutOffShown;

    CurrentView& v = app.view;
    const bool keepView = !app.program.DropFilterOnExit && v.ReportCount > 0;
    if (!keepView) {
        IndexAlpha(app);
        ForgetViewPositions(app);
    }
    editForm.setVisible(QStringLiteral("ShowAll"), keepView);

    SetBackColor(editForm);
    // The position first, so that the record shown is the one its counter names.
    v.CurIndexPos = v.ReportCount > 0 ? 1 : 0;
    ShowCurrentRecord(app, editForm);
}

}  // namespace fennick

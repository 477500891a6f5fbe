#include "reportwindow/ReportMenus.h"

#include "data/App.h"
#include "data/Text.h"
#include "mainwindow/MainLifecycle.h"
#include "mainwindow/MainScreen.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Dialogs.h"
#include "printing/BaptismDecisionReports.h"
#include "printing/InterestCards.h"
#include "printing/OneLineReports.h"
#include "printing/RegistrationLists.h"
#include "printing/TeamReports.h"
#include "reportwindow/ReturnToEditForm.h"
#include "views/AttendanceViews.h"
#include "views/Indexes.h"
#include "views/MailViews.h"
#include "views/PersonViews.h"

namespace fennick {

namespace {

// Saves the record on screen; an empty view has none. False when the save was refused.
bool SaveShown(App& app, MainScreen& form) {
    return app.view.ReportCount == 0 || SaveCurrentRecord(app, form);
}

void OpenPreview(App& app) {
    if (app.hooks.openPrintReports) app.hooks.openPrintReports();
}

// Opens the report window on the view and hides the main window behind it.
void PreviewInstead(App& app, MainScreen& form) {
    OpenPreview(app);
    form.setWindowVisible(false);
}

// Saves the record, builds the view and previews it in place of the main window.
void BuildAndPreview(App& app, MainScreen& form, void (*build)(App&)) {
    if (!SaveShown(app, form)) return;
    build(app);
    PreviewInstead(app, form);
}

// The baptism and decision reports as print commands: the decision is the report type.
void PrintBaptismsCommand(App& app, int&) {
    PrintBaptisms(app);
}
void PrintDecisionsCommand(App& app, int& decision) {
    PrintDecisions(app, decision);
}
// The registration lists and tickets, which take no report type.
void IntMemCommand(App& app, int&) {
    mnuIntMem_Click(app);
}
void MemIntTicketsCommand(App& app, int&) {
    mnuMemIntTickets_Click(app);
}
void NamesByNumberCommand(App& app, int&) {
    mnunamesbynumber_Click(app);
}
void InterestCardsCommand(App& app, int&) {
    InterestCard2x4(app);
}

}  // namespace

void mnuPreAlpha_Click(App& app, MainScreen& form) {
    BuildAndPreview(app, form, IndexAlpha);
}

void mnuPreviewFile_Click(App& app, MainScreen& form) {
    if (app.crusade.RecCount == 1) {
        app.dialogs().msgBox(kOnlyOneRecord);
        return;
    }
    form.setText(QStringLiteral("FndNameBx"), QString());
    if (form.text(QStringLiteral("RNum")) != app.mainWindow.EnteredRNum) form.setFocus(QStringLiteral("LName"));
    if (!SaveShown(app, form)) return;
    const QString& kind = app.view.ReportKind;
    if (kind == QLatin1String("alpha") || kind == QLatin1String("alphafilter")) IndexAttend(app);
    PreviewInstead(app, form);
}

void btnViewFile_Click(App& app, MainScreen& form) {
    if (!SaveShown(app, form)) return;
    if (app.view.ReportCount <= 0) {
        app.dialogs().msgBox(kInsufficientRecords);
        return;
    }
    ResetBackColor(form);
    PreviewInstead(app, form);
}

void mnuPreBap_Click(App& app, MainScreen& form) {
    BuildAndPreview(app, form, [](App& a) { IndexBaptisms(a, QStringLiteral("Al")); });
}

void mnuPreInt_Click(App& app, MainScreen& form) {
    BuildAndPreview(app, form, [](App& a) { IndexInterest(a, QStringLiteral("Al")); });
}

void mnuPreMailList_Click(App& app, MainScreen& form) {
    BuildAndPreview(app, form, IndexMailList);
}

void mnuPreAddress_Click(App& app, MainScreen& form) {
    if (!SaveShown(app, form)) return;
    IndexDuplicateAddresses(app, QStringLiteral("All"));
    app.program.DropFilterOnExit = false;
    PreviewInstead(app, form);
}

void mnuPreDec_Click(App& app, MainScreen& form) {
    if (!SaveShown(app, form)) return;
    if (!IndexDecisions(app, true)) return;
    OpenPreview(app);
}

void mnuPreZipMaster_Click(App& app, MainScreen& form) {
    if (!SaveShown(app, form)) return;
    IndexZip(app);
    OpenPreview(app);
}

void mnuPrMailLbl_Click(App& app, MainScreen& form) {
    if (!SaveShown(app, form)) return;
    OpenPreview(app);
    if (app.hooks.tickPrintReportsMailLabels) app.hooks.tickPrintReportsMailLabels();
    form.setWindowVisible(false);
}

void mnuMailMerge_Click(App& app, MainScreen& form) {
    if (!SaveShown(app, form)) return;
    if (app.hooks.mailMerge) app.hooks.mailMerge();
}

const QList<PreviewCommand>& PreviewCommands() {
    static const QList<PreviewCommand> commands = {
        {"mnuPreAlpha", mnuPreAlpha_Click},       {"mnuPreviewFile", mnuPreviewFile_Click},
        {"mnuPreZipMaster", mnuPreZipMaster_Click}, {"mnuPreBap", mnuPreBap_Click},
        {"mnuPreDec", mnuPreDec_Click},           {"mnuPreInt", mnuPreInt_Click},
        {"mnuPreMailList", mnuPreMailList_Click}, {"mnuPreAddress", mnuPreAddress_Click},
        {"btnViewFile", btnViewFile_Click},       {"mnuPrMailLbl", mnuPrMailLbl_Click},
    };
    return commands;
}

const QList<PrintCommand>& PrintCommands() {
    using P = PrintFirst;
    static const QList<PrintCommand> commands = {
        {"mnuIntMem", P::Save, "mnuIntMem_Click", 0, IntMemCommand},
        {"mnuMemIntTickets", P::Save, "mnuMemIntTickets_Click", 0, MemIntTicketsCommand},
        {"mnunamesbynumber", P::Save, "mnunamesbynumber_Click", 0, NamesByNumberCommand},
        {"mnuPrRptSubAlpha", P::Save, "PrintOneLineReport", 1, PrintOneLineReport},
        {"mnuRptSubAttend", P::Save, "PrintOneLineReport", 2, PrintOneLineReport},
        {"mnuMapCode", P::Save, "PrintOneLineReport", 3, PrintOneLineReport},
        {"mnuRptSubZip", P::Save, "PrintOneLineReport", 4, PrintOneLineReport},
        {"mnuPrBaptDate", P::Save, "PrintOneLineReport", 5, PrintOneLineReport},
        {"mnuPrIntLevel", P::SaveUnlessIndexBuilt, "PrintOneLineReport", 6, PrintOneLineReport},
        {"mnuPrintBaptClass", P::Save, "PrintOneLineReport", 7, PrintOneLineReport},
        {"mnuPreCrusade", P::Save, "PrintOneLineReport", 8, PrintOneLineReport},
        {"mnuPrMarked", P::Save, "PrintOneLineReport", 10, PrintOneLineReport},
        {"mnuSDARpt", P::Save, "PrintOneLineReport", 11, PrintOneLineReport},
        {"mnuPrRptSelectedMtg", P::Save, "PrintOneLineReport", 12, PrintOneLineReport},
        {"mnuPrnTotalAttended", P::Save, "PrintOneLineReport", 13, PrintOneLineReport},
        {"mnuPrintAlphaWC", P::Save, "PrintWCReport", 1, PrintWCReport},
        {"mnuPrintAttendWC", P::Save, "PrintWCReport", 2, PrintWCReport},
        {"mnuTeamMaster", P::Save, "PrintWCReport", 4, PrintWCReport},
        {"mnuPrnTotalAttendedWC", P::Save, "PrintWCReport", 5, PrintWCReport},
        {"mnuPrBapt", P::Save, "PrintBaptisms", 0, PrintBaptismsCommand},
        {"mnuICard", P::Save, "InterestCard2x4", 0, InterestCardsCommand},
        {"mnuPrDecisions", P::SaveAndPickDecision, "PrintDecisions", 0, PrintDecisionsCommand},
    };
    return commands;
}

const PrintCommand* FindPrintCommand(const QString& item) {
    for (const PrintCommand& c : PrintCommands())
        if (item == QLatin1String(c.item)) return &c;
    return nullptr;
}

void RunPrintCommand(App& app, MainScreen& form, const PrintCommand& command) {
    const bool save = command.first != PrintFirst::SaveUnlessIndexBuilt || !app.view.IndexBuilt;
    if (save && !SaveShown(app, form)) return;
    int reportType = command.reportType;
    try {
        if (command.first == PrintFirst::SaveAndPickDecision) {
            // A cancelled picker prints nothing, whatever decision the view named before.
            if (!IndexDecisions(app, true)) {
                ReturnToEditForm(app, form);
                return;
            }
            reportType = int(Val(Right(app.view.ReportKind, 1)));
        }
        if (command.generator) command.generator(app, reportType);
    } catch (...) {
        ReturnToEditForm(app, form);
        throw;
    }
    ReturnToEditForm(app, form);
}

bool RunPrintCommand(App& app, MainScreen& form, const QString& item) {
    const PrintCommand* command = FindPrintCommand(item);
    if (!command || !command->generator) return false;
    RunPrintCommand(app, form, *command);
    return true;
}

}  // namespace fennick

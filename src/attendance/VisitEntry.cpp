#include "attendance/VisitEntry.h"

#include "data/App.h"
#include "data/Text.h"
#include "mainwindow/MainScreen.h"

namespace fennick {

namespace {

const QString kFrame = QStringLiteral("frameVisit");
const QString kVisitBox = QStringLiteral("boxVisitVisits");

}  // namespace

void mnuVisits_Click(App&, MainScreen& form) {
    const bool show = !form.isVisible(kFrame);
    for (const char* name : {"frameVisit", "lblVisitInt", "boxVisitVisits", "boxVisitInterest"})
        form.setVisible(QLatin1String(name), show);
    form.setValue(QStringLiteral("mnuVisits"), show ? 1 : 0);
    if (!show) form.setValue(QStringLiteral("AutoUpdateVisits"), 0);
}

void frameVisit_DblClick(App& app, MainScreen& form) {
    mnuVisits_Click(app, form);
}

void boxVisitVisits_DblClick(App& app, MainScreen& form) {
    if (!app.hooks.enterVisitCode) return;
    app.msg.MsgText = Left(Trim(form.text(kVisitBox)), 1);
    app.hooks.enterVisitCode();
    form.setText(kVisitBox, app.msg.MsgText);
    form.setFocus(kVisitBox);
}

}  // namespace fennick

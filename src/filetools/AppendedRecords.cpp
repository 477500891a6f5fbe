#include "filetools/AppendedRecords.h"

#include "data/App.h"
#include "data/BulkWrite.h"
#include "data/DataStore.h"
#include "data/FixFiles.h"
#include "data/InfoFile.h"
#include "data/Messages.h"
#include "data/Text.h"
#include "mainwindow/MainLifecycle.h"
#include "platform/Busy.h"
#include "views/Indexes.h"

namespace fennick {

bool GiveNextNumber(App& app, BulkWrite& writes, AttendeeRecord& rec) {
    QString why;
    const QByteArray number = StepRegNumber(app, &why);
    if (number.isEmpty()) {
        writes.stopAt(rec, why.replace(NewLine, QStringLiteral(" ")));
        return false;
    }
    rec.RNum = number;
    return true;
}

void SaveDrawnNumbers(App& app, BulkWrite& writes, qint16 before) {
    writes.step(QStringLiteral("The registration numbers given could not be kept in the settings file."), [&] {
        if (app.settings.ReservedNumber != before) SaveInfoFile(app);
    });
}

bool AppendWithEntry(App& app, BulkWrite& writes, const AttendeeRecord& rec) {
    const qint32 n = app.crusade.RecCount + 1;
    if (!writes.write(n, rec)) return false;
    CurrentView& v = app.view;
    v.ReportIndex.resize(v.ReportCount + 1);
    AppendEntry(v, rec, LName5(rec) + FName2(rec), n);
    v.ReportCount = qint16(v.ReportIndex.size() - 1);
    return true;
}

bool RepairAndShowAlphabetical(App& app, BulkWrite& writes, MainScreen& form) {
    BusyGuard busy(app.platform.busy);
    bool repaired = false;
    writes.step(QStringLiteral("The repair pass did not run to its end."),
                [&] { repaired = app.hooks.fixFiles ? app.hooks.fixFiles() : FixFiles(app); });
    writes.step(QStringLiteral("The main window could not show the names."), [&] {
        IndexAlpha(app);
        ShowCurrentRecord(app, form);
    });
    return repaired;
}

}  // namespace fennick

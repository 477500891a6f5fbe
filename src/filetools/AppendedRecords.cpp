#include "filetools/AppendedRecords.h"

#include "data/App.h"
#include "data/BulkWrite.h"
#include "data/DataStore.h"
#include "data/InfoFile.h"
#include "data/Messages.h"
#include "data/Text.h"
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

}  // namespace fennick

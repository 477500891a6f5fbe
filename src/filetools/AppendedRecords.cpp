#include "filetools/AppendedRecords.h"

#include "data/App.h"
#include "data/DataStore.h"
#include "data/InfoFile.h"
#include "data/Text.h"
#include "views/Indexes.h"

namespace fennick {

void SaveDrawnNumbers(App& app, qint16 before) {
    if (app.settings.ReservedNumber != before) SaveInfoFile(app);
}

void AppendWithEntry(App& app, const AttendeeRecord& rec) {
    const qint32 n = app.crusade.RecCount + 1;
    WriteRecord(app, n, rec);
    CurrentView& v = app.view;
    v.ReportIndex.resize(v.ReportCount + 1);
    AppendEntry(v, rec, LName5(rec) + FName2(rec), n);
    v.ReportCount = qint16(v.ReportIndex.size() - 1);
}

}  // namespace fennick

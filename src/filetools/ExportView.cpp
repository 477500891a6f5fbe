#include "filetools/ExportView.h"

#include "data/App.h"

namespace fennick {

namespace {

// The record number of entry i: its last four characters, right-aligned digits.
qint32 RecordNumberAt(const CurrentView& v, int i) {
    const QByteArray& e = v.ReportIndex[i];
    if (e.size() < 4) return v.recordNumberAt(i);
    qint32 n = 0;
    for (qsizetype k = e.size() - 4; k < e.size(); ++k) {
        const char c = e[k];
        if (c == ' ' && n == 0) continue;
        if (c < '0' || c > '9') return v.recordNumberAt(i);
        n = n * 10 + (c - '0');
    }
    return n;
}

}  // namespace

void ForEachViewRecord(App& app, const std::function<void(const AttendeeRecord&)>& visit) {
    const CurrentView& v = app.view;
    const int count = std::min<int>(v.ReportCount, int(v.ReportIndex.size()) - 1);
    if (count <= 0) return;
    // One read of the whole file is much faster than a seek and a read per entry.
    const QByteArray all = app.crusade.file.readAll();
    const qint32 records = std::min<qint32>(app.crusade.RecCount, qint32(all.size() / AttendeeRecord::Size));
    for (int i = 1; i <= count; ++i) {
        const qint32 r = RecordNumberAt(v, i);
        if (r < 1 || r > records) continue;
        visit(AttendeeRecord::decode(all.constData() + qsizetype(r - 1) * AttendeeRecord::Size));
    }
}

qsizetype ExportSizeHint(const App& app, int bytesPerName) {
    return qsizetype(std::max<int>(0, app.view.ReportCount)) * bytesPerName;
}

}  // namespace fennick

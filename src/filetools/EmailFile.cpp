#include "filetools/EmailFile.h"

#include "data/App.h"
#include "data/Text.h"
#include "filetools/ExportView.h"
#include "filetools/ExportWriter.h"

namespace fennick {

QByteArray EmailFile(App& app) {
    ExportWriter file(ExportWriter::Separator::Comma, ExportSizeHint(app, 100));
    file.field("Name").field("FName").field("LName").field("EMail").field("Meeting").endLine();
    const QByteArray meeting = Ansi(app.settings.CrusadeName);
    ForEachViewRecord(app, [&](const AttendeeRecord& r) {
        if (r.Email.isBlank()) return;
        const QByteArrayView first = RTrimmed(r.FName.view());
        const QByteArrayView last = RTrimmed(r.LName.view());
        file.field(first).more(" ").more(last);
        file.field(first).field(last).field(RTrimmed(r.Email.view())).field(meeting).endLine();
    });
    return file.take();
}

}  // namespace fennick

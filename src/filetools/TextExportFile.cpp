#include "filetools/TextExportFile.h"

#include "data/App.h"
#include "filetools/ExportView.h"
#include "filetools/ExportWriter.h"

namespace fennick {

QString TextExportPath(const App& app) {
    const QString& dataFile = app.program.DataFile;
    return dataFile.left(std::max<qsizetype>(0, dataFile.size() - 4)) + QStringLiteral(".txt");
}

namespace {

// The note as the last field of the file: right-trimmed, its first comma as "-" (as the
// files of earlier versions have it), cleaned as every field.
void AppendNote(ExportWriter& file, QByteArrayView notes) {
    const QByteArrayView note = RTrimmed(notes);
    const qsizetype comma = note.indexOf(',');
    if (comma < 0) {
        file.field(note);
    } else {
        file.field(note.first(comma)).more("-").more(note.sliced(comma + 1));
    }
}

}  // namespace

QByteArray TextExportNote(const QByteArray& notes) {
    ExportWriter file(ExportWriter::Separator::Tab);
    AppendNote(file, notes);
    return file.take();
}

QByteArray TextExportFile(App& app) {
    ExportWriter file(ExportWriter::Separator::Tab, ExportSizeHint(app, 120));
    ForEachViewRecord(app, [&](const AttendeeRecord& r) {
        file.field(r.RNum.view())
            .field(RTrimmed(r.FName.view()))
            .field(RTrimmed(r.LName.view()))
            .field(Trimmed(r.Phone.view()))
            .field(RTrimmed(r.Address.view()))
            .field(RTrimmed(r.City.view()))
            .field(RTrimmed(r.State.view()))
            .field(RTrimmed(r.Zip.view()))
            .field(RTrimmed(r.Email.view()))
            .field(Trimmed(r.Advertising.view()));
        AppendNote(file, r.Notes.view());
        file.endLine();
    });
    return file.take();
}

}  // namespace fennick

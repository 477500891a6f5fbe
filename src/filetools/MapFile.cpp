#include "filetools/MapFile.h"

#include "data/App.h"
#include "data/Messages.h"
#include "filetools/ExportView.h"
#include "filetools/ExportWriter.h"

namespace fennick {

QString MapExportQuestion(const QString& reportKind) {
    return QStringLiteral("You have selected to Export a text file for Maping.") + NewLine + NewLine +
           QStringLiteral("Filter: ") + reportKind + NewLine + NewLine +
           QStringLiteral(
               "It is suggested that you choose to eliminate the names not on the mail list in order to remove "
               "duplicate addresses.") +
           NewLine + QStringLiteral("Is this what you want to do?") + NewLine + NewLine +
           QStringLiteral("Click Yes to eliminate the names which are not on the mail list.") + NewLine +
           QStringLiteral("Click No to include all of the selected names, even those not on the mail list.") + NewLine +
           QStringLiteral("Click Cancel to exit and change the filter");
}

QByteArray MapFile(App& app, bool mailListOnly) {
    ExportWriter file(ExportWriter::Separator::Comma, ExportSizeHint(app, 90));
    ForEachViewRecord(app, [&](const AttendeeRecord& r) {
        if (mailListOnly && r.MailList == 0) return;
        file.field(Trimmed(r.RNum.view()))
            .more(" ")
            .more(Trimmed(r.FName.view()))
            .more(" ")
            .more(Trimmed(r.LName.view()));
        file.field(Trimmed(r.Address.view()))
            .field(Trimmed(r.City.view()))
            .field(r.State.view())
            .field(Trimmed(r.Zip.view()))
            .field(Trimmed(r.Phone.view()))
            .endLine();
    });
    return file.take();
}

}  // namespace fennick

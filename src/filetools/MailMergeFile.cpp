#include "filetools/MailMergeFile.h"

#include "data/App.h"
#include "data/Messages.h"
#include "data/RecordDisplay.h"
#include "data/Text.h"
#include "filetools/ExportView.h"
#include "filetools/ExportWriter.h"

namespace fennick {

QString MailMergeDescription(const QString& reportKind, int printCutOff) {
    const ViewKindParts parts = SplitViewKind(reportKind);
    const QString& kind = parts.kind;
    const QString& number = parts.number;
    if (kind == QLatin1String("date")) return QStringLiteral(" those who have set a baptism date");
    if (kind == QLatin1String("BaptClass"))
        return QStringLiteral(" those who have enrolled in the baptismal/ Bible School class");
    if (kind == QLatin1String("baptism")) return QStringLiteral(" those who have been baptized.");
    if (kind == QLatin1String("interest"))
        return QStringLiteral(" interest levels A, B and C and those who have been baptized");
    if (kind == QLatin1String("attendnight")) return QStringLiteral("Filtered for night ") + number;
    if (kind == QLatin1String("missednight"))
        return QStringLiteral("Filtered for those who have missed the last ") + number + QStringLiteral(" night(s).)");
    if (kind == QLatin1String("wcattend")) return QStringLiteral("Filtered by Team Code Attendance ");
    if (kind == QLatin1String("wcalpha")) return QStringLiteral("Filtered Alphabetically by Team Code ");
    if (kind == QLatin1String("SelWCAttend")) return QStringLiteral(" Team Code ") + number;
    QString all = QStringLiteral("all names");
    if (printCutOff >= 2)
        all += NewLine +
               QStringLiteral("You have also chosen to eliminate those who have not attended since night number: ") +
               Plain(printCutOff);
    return all;
}

QString MailMergeQuestion(const QString& description, const QString& macroDocument) {
    return QStringLiteral(
               "If you are going to use the fennick macros, for MS Word for Windows, you must write the merge "
               "file to:") +
           NewLine + QStringLiteral("    '") + macroDocument + QStringLiteral(".'") + NewLine + NewLine +
           QStringLiteral("You have selected to write a MailMerge file for ") + description + QStringLiteral(".") +
           NewLine + NewLine +
           QStringLiteral("In addition you can choose to eliminate the names not on the mail list.") + NewLine +
           QStringLiteral("Is this what you want to do?") + NewLine + NewLine +
           QStringLiteral("Click Yes to eliminate the names which are not on the mail list.") + NewLine +
           QStringLiteral("Click No to include all of the selected names, even those not on the mail list.") + NewLine +
           QStringLiteral("Click Cancel to exit and change the filter");
}

QByteArray MailMergeFile(App& app, bool mailListOnly) {
    ExportWriter file(ExportWriter::Separator::Tab, ExportSizeHint(app, 200));
    for (const char* name :
         {"FName", "LName", "Reg Number", "Phone", "Address", "City", "State", "Zip", "Age", "RelPref", "IntLevel",
          "Visits", "WorkerCode", "Notes", "Attendance", "MapCode", "Advertising", "Baptism Date"})
        file.field(name);
    file.endLine();
    ForEachViewRecord(app, [&](const AttendeeRecord& r) {
        if (mailListOnly && r.MailList == 0) return;
        file.field(RTrimmed(r.FName.view()))
            .field(RTrimmed(r.LName.view()))
            .field(RTrimmed(r.RNum.view()))
            .field(Trimmed(r.Phone.view()))
            .field(RTrimmed(r.Address.view()))
            .field(RTrimmed(r.City.view()))
            .field(RTrimmed(r.State.view()))
            .field(RTrimmed(r.Zip.view()))
            .field(RTrimmed(r.Age.view()))
            .field(RTrimmed(r.RelPref.view()))
            .field(Trimmed(r.IntLevel.view()))
            .field(Trimmed(r.Visits.view()))
            .field(RTrimmed(r.WorkerCode.view()))
            .field(RTrimmed(r.Notes.view()))
            .field(Trimmed(r.Attendance.view()))
            .field(Trimmed(r.MapCode.view()))
            .field(Trimmed(r.Advertising.view()))
            .field(Trimmed(r.BaptDate.view()))
            .endLine();
    });
    return file.take();
}

}  // namespace fennick

#include "filetools/TextImport.h"

#include "data/App.h"
#include "data/BulkWrite.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/SequentialText.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "filetools/AppendedRecords.h"
#include "mainwindow/MainLifecycle.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Busy.h"
#include "platform/Dialogs.h"
#include "views/Indexes.h"
#include "views/ZipRebuild.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace fennick {

namespace {

const QString kNoticeTitle = QStringLiteral("Import Text File into Interest File");
const QString kSourceImport = QStringLiteral("Fennick Add Import Function ");

// A character of an item as a record field takes it: a tab or any other control
// character becomes a blank, so that none reaches a record.
char FieldChar(char c) {
    return (uchar(c) < 0x20 || c == '\x7F') ? ' ' : c;
}

// The items of one line.
QList<QByteArray> SplitCsvLine(const QByteArray& line) {
    QList<QByteArray> items;
    QByteArray item;
    bool inQuotes = false, quoted = false;
    // The item holds only blanks so far: a quote there opens a quoted item. Kept
    // as it grows, so that a long item is not looked through again at every quote.
    bool blankSoFar = true;
    const auto endItem = [&] {
        items.append(quoted ? item : Trim(item));
        item.clear();
        quoted = false;
        blankSoFar = true;
    };
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = FieldChar(line[i]);
        if (inQuotes) {
            if (c != '"') {
                item += c;
            } else if (i + 1 < line.size() && line[i + 1] == '"') {
                item += '"';
                ++i;
            } else {
                inQuotes = false;
            }
        } else if (c == '"' && !quoted && blankSoFar) {
            inQuotes = quoted = true;
            item.clear();
        } else if (c == ',') {
            endItem();
        } else {
            item += c;
            blankSoFar = blankSoFar && c == ' ';
        }
    }
    endItem();
    return items;
}

}  // namespace

QByteArray ImportBytesAs1252(const QByteArray& file) {
    static const QByteArray bom("\xEF\xBB\xBF");
    const bool marked = file.startsWith(bom);
    const QByteArray body = marked ? file.mid(bom.size()) : file;
    if (!marked && std::all_of(body.begin(), body.end(), [](char c) { return uchar(c) < 0x80; })) return body;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(body);
    if (!marked && utf8.hasError()) return body;  // not UTF-8: Windows-1252 already
    return Ansi(text);
}

QList<ImportRow> SplitCsvRows(const QByteArray& text) {
    QList<ImportRow> rows;
    SequentialTextReader lines = SequentialTextReader::fromBytes(text);
    for (int line = 1; !lines.atEnd(); ++line) {
        ImportRow row{line, SplitCsvLine(lines.readRawLine())};
        if (!(row.items.size() == 1 && row.items[0].isEmpty())) rows.append(std::move(row));
    }
    return rows;
}

AttendeeRecord ImportedRecord(const QList<QByteArray>& items) {
    const auto at = [&](int i) { return i <= items.size() ? items[i - 1] : QByteArray(); };
    AttendeeRecord r;
    r.RNum = at(1);
    r.FName = at(2);
    r.LName = at(3);
    r.Address = at(4);
    r.City = at(5);
    r.State = at(6);
    r.Zip = at(7);
    r.Phone = at(8);
    r.Email = at(9);
    r.Attendance = QByteArray("1") + QByteArray(kMeetings - 1, '-');
    r.Attend = " 1";
    r.Last = 1;
    r.MailList = 1;
    r.WorkerCode = "00";
    r.Age = "NIF";
    r.Advertising = "....P..";
    r.RelPref = "UnSpecified";
    r.Decisions = QByteArray(kDecisionCount, '-');
    return r;
}

QByteArray ImportedNumber(const QByteArray& item) {
    const QByteArray t = Trim(item);
    if (t.isEmpty() || t.size() > 4 || !std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return QByteArray();
    const int n = t.toInt();
    if (n < 1) return QByteArray();
    return QByteArray::number(n).rightJustified(4, '0');
}

QString ImportNames(App& app, const QByteArray& file, const std::function<void(BulkWrite&)>& after) {
    BulkWrite writes(app, QStringLiteral("The import"), kSourceImport);
    QList<AttendeeRecord> records;
    QList<int> lines;  // the line of each record
    QStringList refused;
    for (const ImportRow& row : SplitCsvRows(ImportBytesAs1252(file))) {
        if (row.items.size() != kImportItems) {
            refused << QStringLiteral("line %1: %2 items, not nine").arg(row.line).arg(row.items.size());
            continue;
        }
        AttendeeRecord rec = ImportedRecord(row.items);
        rec.RNum = ImportedNumber(row.items[0]);
        records << rec;
        lines << row.line;
    }
    BringingIn in(app, writes, records);
    for (const QString& line : refused) in.leaveOut(line);
    for (qsizetype i = 0; i < records.size(); ++i) {
        const AttendeeRecord& rec = records[i];
        const QString line = QStringLiteral("line %1, ").arg(lines[i]);
        in.reach(rec);
        if (in.stopped())
            in.notReached(rec);
        else if (in.samePerson(rec))
            in.leaveOut(rec, line + kAlreadyOnFile);
        else if (in.full())
            in.leaveOut(rec, line + FullFileWhy());
        else
            in.append(rec, true);
    }
    in.finish();
    if (after) after(writes);
    QString rerun = QStringLiteral(
        "Running the import again on the same file is safe: the names imported are left out as the "
        "same people on file.");
    if (in.renumbered() > 0)
        rerun = (in.renumbered() == 1 ? QStringLiteral("Running the import again on the same file adds a second time "
                                                       "the 1 name given a new number")
                                      : QStringLiteral("Running the import again on the same file adds a second time "
                                                       "the %1 names given a new number")
                                            .arg(in.renumbered())) +
                QStringLiteral(": import a file without their lines instead.");
    return in.closing(QString(), false, {}, rerun);
}

void mnuImportText_Click(App& app, MainScreen& form) {
    const int notice = app.dialogs().msgBox(
        QStringLiteral("In order to import a file from Excel you must first export the data from Excel as a '.csv' "
                       "file.") +
            NewLine +
            QStringLiteral("You must also be prepared to tell Fennick the number of columns in the Excel file that you "
                           "will be importing."),
        Buttons::OKCancel, Icon::None, kNoticeTitle);
    app.msg.MsgAnswer = QString::number(notice);
    if (notice == AnsCancel) return;
    if (app.view.ReportCount > 0 && !SaveCurrentRecord(app, form)) return;

    app.msg.ScratchVar.clear();
    FileDialogSpec spec;
    spec.title = QStringLiteral("Import Excel File into Fennick");
    spec.filter = QStringLiteral("Text Files (*.csv)|*.csv|Text Files");
    spec.filterIndex = 1;
    spec.initialDir = app.program.DataDir;
    const std::optional<QString> chosen = app.dialogs().openFile(spec);
    const bool picked = chosen && !chosen->isEmpty();
    QByteArray bytes;
    QString unread;  // why the file chosen could not be read
    if (picked) {
        PlaySound(app, QStringLiteral("carbrake"));
        app.msg.MsgText = QStringLiteral("You will Import the records from:") + NewLine + QStringLiteral("      ") +
                          *chosen + NewLine + QStringLiteral("into the Fennick Program Database: ") + NewLine +
                          QStringLiteral("      ") + app.program.DataFile + NewLine + NewLine + NewLine +
                          QStringLiteral("Is this what you want to do?");
        if (app.dialogs().msgBox(app.msg.MsgText, Buttons::YesNo, Icon::Critical) != AnsYes) return;
        QFile file(*chosen);
        if (file.open(QIODevice::ReadOnly))
            bytes = file.readAll();
        else
            unread = CommonErrorText(VbError(err::PathFileAccess,
                                             *chosen + QStringLiteral(" could not be read: ") + file.errorString()),
                                     kSourceImport) +
                     NewLine + NewLine + QStringLiteral("Nothing has been imported.");
    } else {
        app.msg.ScratchVar = QStringLiteral("cancel");
    }
    app.msg.MsgText.clear();

    // The view is sorted again and the zip table rebuilt in any case; what fails there is
    // told in the closing message.
    bool failed = !unread.isEmpty();
    const auto sortAndShow = [&](BulkWrite& writes) {
        writes.step(QStringLiteral("The main window could not show the names imported."), [&] {
            if (app.view.CurIndexPos == 0 && app.view.ReportCount > 0) app.view.CurIndexPos = 1;
            SortIndex(app);
            ShowCurrentRecord(app, form);
        });
        writes.step(QStringLiteral("The zip-code table was not rebuilt."), [&] { RebuildZipTable(app); });
        failed = failed || writes.failed();
    };
    QStringList summary;
    {
        BusyGuard busy(app.platform.busy);
        if (picked && unread.isEmpty()) {
            summary << ImportNames(app, bytes, sortAndShow);
        } else {
            BulkWrite writes(app, QStringLiteral("The import"), kSourceImport);
            sortAndShow(writes);
            summary << unread << writes.report(QString());
        }
    }
    summary.removeAll(QString());
    if (failed) app.msg.ScratchVar = QStringLiteral("cancel");
    if (!summary.isEmpty())
        app.dialogs().msgBox(summary.join(NewLine + NewLine), Buttons::OK,
                             failed ? Icon::Exclamation : Icon::Information, kNoticeTitle);
}

}  // namespace fennick

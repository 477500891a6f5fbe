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

// The first lines of a list, and how many more: a file of thousands of refused lines
// still gives a message that fits on the screen.
constexpr qsizetype kListedLines = 20;

QString LineList(const QList<int>& lines) {
    QStringList out;
    for (qsizetype i = 0; i < std::min(lines.size(), kListedLines); ++i) out << QString::number(lines[i]);
    QString text = out.join(QStringLiteral(", "));
    if (lines.size() > kListedLines) text += QStringLiteral(" and %1 more").arg(lines.size() - kListedLines);
    return text;
}

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

ImportResult ImportNames(App& app, const QByteArray& file) {
    ImportResult result;
    BulkWrite writes(app, QStringLiteral("The import"), kSourceImport);
    int stopLine = 0;  // the line of the name not written
    const QList<ImportRow> rows = SplitCsvRows(ImportBytesAs1252(file));
    const qint16 reserved = app.settings.ReservedNumber;
    for (const ImportRow& row : rows) {
        if (row.items.size() != kImportItems) {
            result.refusedLines << row.line;
            continue;
        }
        AttendeeRecord rec = ImportedRecord(row.items);
        if (writes.stopped()) {
            writes.notReached(rec);
            continue;
        }
        if (app.crusade.RecCount >= kMaxRecords) {
            result.stopped = QStringLiteral(
                                 "The data file holds %1 records, the most Fennick can keep: the import "
                                 "stopped at line %2.")
                                 .arg(kMaxRecords)
                                 .arg(row.line);
            break;
        }
        QByteArray number = ImportedNumber(row.items[0]);
        bool renumbered = false;
        if (number.isEmpty() || RegNumberHeld(app, number)) {
            QString why;
            number = StepRegNumber(app, &why);
            if (number.isEmpty()) {
                result.stopped = why + NewLine +
                                 QStringLiteral(
                                     "No registration number is left to give the name of line %1: "
                                     "the import stopped there.")
                                     .arg(row.line);
                break;
            }
            renumbered = true;
        }
        rec.RNum = number;
        if (!AppendWithEntry(app, writes, rec)) {
            stopLine = row.line;
            continue;
        }
        if (renumbered) result.renumberedLines << row.line;
        ++result.imported;
    }
    SaveDrawnNumbers(app, writes, reserved);
    QString rerun;
    if (result.imported == 0)
        rerun = QStringLiteral("Running the import again is safe: no name was imported.");
    else
        rerun = (result.imported == 1 ? QStringLiteral("Running the import again on the same file adds the 1 name "
                                                       "imported a second time")
                                      : QStringLiteral("Running the import again on the same file adds the %1 names "
                                                       "imported a second time")
                                            .arg(result.imported)) +
                QStringLiteral(": import a file of its lines from line %1 on instead.").arg(stopLine);
    result.failed = writes.report(rerun);
    return result;
}

QString ImportSummary(const ImportResult& r) {
    QString text = r.imported == 1 ? QStringLiteral("1 name was imported.")
                                   : QStringLiteral("%1 names were imported.").arg(r.imported);
    if (!r.refusedLines.isEmpty())
        text += NewLine + NewLine + QStringLiteral("Lines not imported, as they do not hold nine items: ") +
                LineList(r.refusedLines);
    if (!r.renumberedLines.isEmpty())
        text += NewLine + NewLine +
                QStringLiteral("Lines given the next registration number, as theirs was missing or already in use: ") +
                LineList(r.renumberedLines);
    if (!r.stopped.isEmpty()) text += NewLine + NewLine + r.stopped;
    if (!r.failed.isEmpty()) text += NewLine + NewLine + r.failed;
    return text;
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
    QString summary;
    bool failed = false;
    if (chosen && !chosen->isEmpty()) {
        PlaySound(app, QStringLiteral("carbrake"));
        app.msg.MsgText = QStringLiteral("You will Import the records from:") + NewLine + QStringLiteral("      ") +
                          *chosen + NewLine + QStringLiteral("into the Fennick Program Database: ") + NewLine +
                          QStringLiteral("      ") + app.program.DataFile + NewLine + NewLine + NewLine +
                          QStringLiteral("Is this what you want to do?");
        if (app.dialogs().msgBox(app.msg.MsgText, Buttons::YesNo, Icon::Critical) != AnsYes) return;
        QFile in(*chosen);
        if (!in.open(QIODevice::ReadOnly)) {
            summary = ImportSummary({}) + NewLine + NewLine +
                      CommonErrorText(VbError(err::PathFileAccess,
                                              *chosen + QStringLiteral(" could not be read: ") + in.errorString()),
                                      kSourceImport);
        } else {
            BusyGuard busy(app.platform.busy);
            const ImportResult r = ImportNames(app, in.readAll());
            summary = ImportSummary(r);
            failed = !r.failed.isEmpty();
        }
    } else {
        app.msg.ScratchVar = QStringLiteral("cancel");
    }

    app.msg.MsgText.clear();
    // What fails after the names were added is told with them.
    BulkWrite after(app, QStringLiteral("The import"), kSourceImport);
    {
        BusyGuard busy(app.platform.busy);
        after.step(QStringLiteral("The main window could not show the names imported."), [&] {
            if (app.view.CurIndexPos == 0 && app.view.ReportCount > 0) app.view.CurIndexPos = 1;
            SortIndex(app);
            ShowCurrentRecord(app, form);
        });
        after.step(QStringLiteral("The zip-code table was not rebuilt."), [&] { RebuildZipTable(app); });
    }
    if (after.failed()) summary += (summary.isEmpty() ? QString() : NewLine + NewLine) + after.report(QString());
    if (!summary.isEmpty())
        app.dialogs().msgBox(summary, Buttons::OK, failed || after.failed() ? Icon::Exclamation : Icon::Information,
                             kNoticeTitle);
}

}  // namespace fennick

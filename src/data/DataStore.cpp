#include "data/DataStore.h"

#include "data/App.h"
#include "data/Conversion.h"
#include "data/Errors.h"
#include "data/FileUtil.h"
#include "data/InfoFile.h"
#include "data/Text.h"
#include "mainwindow/MainScreen.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"

#include <algorithm>

namespace fennick {

namespace {

// A data file that ends in part of a record, as a write of an older copy of the program
// cut off leaves it, is copied aside whole before anything is written to it (under a name
// no command takes for a crusade file), and then cut to its whole records, which the
// crusade goes on with: the next name added would otherwise be written over those bytes.
// A file whose whole records do not read as records of this layout is left as it is.
void KeepStrayBytes(App& app) {
    RecordFile& file = app.crusade.file;
    const qint64 stray = file.byteSize() % Crusade::RecLen;
    if (stray == 0 || !HoldsCurrentRecords(file.readAll())) return;
    const QString& dataFile = app.program.DataFile;
    const QString kept = KeptAsideName(dataFile, QStringLiteral(".tail"));
    const FileResult copied = app.files().copy(dataFile, kept);
    QString text = QStringLiteral("The data file ") + dataFile + QStringLiteral(" ends in ") + QString::number(stray) +
                   QStringLiteral(" bytes that are not a whole record, as a write cut off leaves them.") + NewLine;
    if (copied.ok()) {
        text += QStringLiteral("They have been kept aside, with the whole file, as ") + kept + QStringLiteral(".");
        try {
            file.cutToWholeRecords();
            text += NewLine + QStringLiteral("The crusade goes on with its ") + QString::number(file.recordCount()) +
                    QStringLiteral(" whole records.");
        } catch (const VbError& e) {
            text += NewLine + e.description() + NewLine + QStringLiteral("The next name added is written over them.");
        }
    } else {
        text += QStringLiteral("They could not be kept aside: ") + copied.description + NewLine +
                QStringLiteral("The next name added is written over them.");
    }
    app.dialogs().msgBox(text, Buttons::OK, Icon::Exclamation);
}

}  // namespace

void OpenDataFile(App& app) {
    Crusade& c = app.crusade;
    c.file.open(app.program.DataFile, Crusade::RecLen, true);
    KeepStrayBytes(app);
    c.RecCount = qint32(c.file.recordCount());
    if (c.RecCount == 0) {
        app.msg.MsgText = QStringLiteral("There are no records in: ") + NewLine + app.program.DataFile + NewLine +
                          QStringLiteral("You must enter records before attempting other options.") + NewLine +
                          NewLine + QStringLiteral("DO NOT EXIT FENNICK BEFORE ENTERING AT LEAST ONE RECORD.");
        app.dialogs().msgBox(app.msg.MsgText, Buttons::OK);
        c.NewEmptyFile = true;
        c.AddMode = true;
    }
}

void CloseDataFile(App& app) {
    app.crusade.file.close();
}

bool DataFileLost(const App& app) {
    return app.crusade.file.isOpen() && !app.crusade.file.atItsPath();
}

AttendeeRecord ReadRecord(App& app, qint32 n) {
    if (n < 1 || n > app.crusade.RecCount) throw VbError(err::BadRecordNumber, QStringLiteral("Bad record number"));
    return AttendeeRecord::decode(app.crusade.file.read(n));
}

AttendeeRecord ReadFileCopy(App& app, qint32 n) {
    if (n < 1 || n > app.crusade.RecCount) throw VbError(err::BadRecordNumber, QStringLiteral("Bad record number"));
    return AttendeeRecord::decode(app.crusade.file.readFromFile(n));
}

void DiscardChanges(App& app, qint32 n, const std::optional<QByteArray>& before) {
    app.crusade.file.putBackKept(n, before);
}

namespace {

// The number a record holds for the duplicate check, upper-cased; empty for a deleted
// record and for one without a number.
QByteArray LiveNumber(const AttendeeRecord& r) {
    if (r.isDeleted() || r.RNum.trimmed().isEmpty()) return QByteArray();
    return AnsiUpper(r.RNum.bytes());
}

// The live records' numbers as the program holds them now: the data file's records, the
// records whose writing was refused because the file's folder went away as they were to
// be written (those are saved with the crusade's files elsewhere), and a name added whose
// writing was refused.
const RegNumbers& NumbersOnFile(App& app) {
    Crusade& c = app.crusade;
    RegNumbers& onFile = c.numbers;
    if (onFile.fileChanges == c.file.changes()) return onFile;
    const QByteArray all = c.file.readAll();
    onFile = RegNumbers();
    onFile.ofRecord.reserve(all.size() / Crusade::RecLen);
    for (qsizetype at = 0; at + Crusade::RecLen <= all.size(); at += Crusade::RecLen)
        onFile.ofRecord.append(LiveNumber(AttendeeRecord::decode(all.constData() + at)));
    const QMap<qint64, QByteArray>& refused = c.file.unwritten();
    for (auto it = refused.cbegin(); it != refused.cend(); ++it) {
        if (it.key() <= onFile.ofRecord.size()) continue;  // read above
        onFile.ofRecord.resize(it.key());
        onFile.ofRecord[it.key() - 1] = LiveNumber(AttendeeRecord::decode(it.value()));
    }
    for (const QByteArray& number : onFile.ofRecord)
        if (!number.isEmpty()) ++onFile.holders[number];
    onFile.fileChanges = c.file.changes();
    return onFile;
}

// A record is never given a number that another live record holds, whichever command
// writes it: a record written with another number than it has on file, a deleted one
// brought back and a new one are refused. A record that keeps its number is written even
// where an older file gave it to two records.
void RefuseTakenNumber(App& app, qint32 n, const AttendeeRecord& rec) {
    const QByteArray number = LiveNumber(rec);
    if (number.isEmpty()) return;
    const RegNumbers& onFile = NumbersOnFile(app);
    if (n <= onFile.ofRecord.size() && onFile.ofRecord[n - 1] == number) return;
    if (onFile.holders.value(number) == 0) return;
    const auto holder = std::find(onFile.ofRecord.cbegin(), onFile.ofRecord.cend(), number);
    throw DuplicateNumber{rec.RNum.bytes(), qint32(holder - onFile.ofRecord.cbegin()) + 1};
}

// After record n was written: the numbers on file follow it when they were the file's just
// before; otherwise they are read again when next needed.
void NoteWrittenNumber(App& app, qint32 n, const AttendeeRecord& rec) {
    Crusade& c = app.crusade;
    RegNumbers& onFile = c.numbers;
    const quint64 now = c.file.changes();
    if (onFile.fileChanges + 1 != now || n > onFile.ofRecord.size() + 1) return;
    if (n == onFile.ofRecord.size() + 1) onFile.ofRecord.append(QByteArray());
    QByteArray& number = onFile.ofRecord[n - 1];
    if (!number.isEmpty() && --onFile.holders[number] == 0) onFile.holders.remove(number);
    number = LiveNumber(rec);
    if (!number.isEmpty()) ++onFile.holders[number];
    onFile.fileChanges = now;
}

}  // namespace

bool RegNumberOnFile(App& app, const QByteArray& number) {
    return !Trim(number).isEmpty() && NumbersOnFile(app).holders.contains(AnsiUpper(Fixed(number, 4)));
}

bool WriteRecord(App& app, qint32 n, const AttendeeRecord& rec) {
    RefuseTakenNumber(app, n, rec);
    const bool reached = WriteRecordUnchecked(app, n, rec);
    NoteWrittenNumber(app, n, rec);
    return reached;
}

bool WriteRecordUnchecked(App& app, qint32 n, const AttendeeRecord& rec) {
    const bool reached = app.crusade.file.write(n, rec.encode());
    if (n > app.crusade.RecCount) app.crusade.RecCount = n;
    return reached;
}

QList<AttendeeRecord> ReadAllRecords(App& app) {
    const QByteArray all = app.crusade.file.readAll();
    const qint32 n = std::min<qint32>(app.crusade.RecCount, qint32(all.size() / Crusade::RecLen));
    QList<AttendeeRecord> out;
    out.reserve(n);
    for (qint32 i = 0; i < n; ++i) out.append(AttendeeRecord::decode(all.constData() + qsizetype(i) * Crusade::RecLen));
    return out;
}

bool ReadCurrentRecord(App& app) {
    CurrentView& v = app.view;
    Crusade& c = app.crusade;
    if (v.CurIndexPos == 0) {
        // An empty view starts add mode; the crusade stays loaded, so close-down and the
        // repair pass still treat it as open.
        if (app.hooks.startAddMode) app.hooks.startAddMode();
        return false;
    }
    if (v.CurIndexPos < 0 || v.CurIndexPos > v.ReportCount || v.CurIndexPos >= v.ReportIndex.size()) return false;

    const QByteArray& entry = v.ReportIndex[v.CurIndexPos];
    const qint32 n = qint32(Val(Right(entry, 4)));
    try {
        if (n < 1 || n > c.RecCount) throw VbError(err::BadRecordNumber, QStringLiteral("Bad record number"));
        const AttendeeRecord rec = ReadRecord(app, n);
        c.CurRecNo = n;
        c.CurRecord = rec;
        return true;
    } catch (const VbError&) {
        // An empty entry in a file of exactly one record: the view is repaired to name
        // that record, provided it is a live one.
        if (Trim(entry).isEmpty() && c.RecCount == 1) {
            try {
                const AttendeeRecord first = ReadRecord(app, 1);
                if (!first.isDeleted()) {
                    v.ReportIndex[v.CurIndexPos] = QByteArray("---------   1");
                    v.ReportCount = 1;
                    c.CurRecNo = 1;
                    c.CurRecord = first;
                    return true;
                }
            } catch (const VbError&) {
            }
        }
        return false;
    }
}

void ClearRecord(AttendeeRecord& r) {
    const auto attendance = r.Attendance;
    const auto attend = r.Attend;
    const qint16 last = r.Last;
    const auto email = r.Email;
    r = AttendeeRecord();
    r.Advertising = ".......";
    r.WorkerCode = "00";
    r.Decisions = "---------";
    r.Attendance = attendance;
    r.Attend = attend;
    r.Last = last;
    r.Email = email;
}

void ClearRecord(App& app) {
    ClearRecord(app.crusade.CurRecord);
}

namespace {

// Tells why no registration number is issued; the user types one instead.
void RefuseRegNumber(App& app, const QString& why) {
    app.msg.MsgText = why + NewLine +
                      QStringLiteral(
                          "Type a free number into the Registration Number box, or change the "
                          "direction in Fennick Preferences.");
    app.dialogs().msgBox(app.msg.MsgText, Buttons::OK, Icon::Critical);
}

}  // namespace

QByteArray NextRegNumber(App& app) {
    const qint16 before = app.settings.ReservedNumber;
    QString why;
    QByteArray number = StepRegNumber(app, &why);
    if (number.isEmpty()) {
        RefuseRegNumber(app, why);
        return number;
    }
    // A crusade whose folder went away keeps the number in memory: its settings file can
    // only be written with the rest of its files in another folder, and the record the
    // number is for is kept for that.
    if (DataFileLost(app)) return number;
    try {
        SaveInfoFile(app);
    } catch (const VbError&) {
        // The number is not issued: the settings stay as their file holds them.
        app.settings.ReservedNumber = before;
        throw;
    }
    return number;
}

QByteArray StepRegNumber(App& app, QString* why, const std::function<bool(const QByteArray& number)>& alsoTaken) {
    CrusadeSettings& s = app.settings;
    const auto refuse = [why](const QString& reason) {
        if (why) *why = reason;
        return QByteArray();
    };
    qint32 next = s.ReservedNumber;
    if (s.ReservedDirection == QLatin1String("UP")) {
        next += 1;
    } else if (s.ReservedDirection == QLatin1String("DOWN")) {
        next -= 1;
    } else {
        // Issuing the same number again would give two records one number.
        return refuse(QStringLiteral("No registration number can be issued: the direction \"") + s.ReservedDirection +
                      QStringLiteral("\" is neither UP nor DOWN."));
    }
    // A number that a record was given by hand is passed over.
    const bool open = app.crusade.file.isOpen();
    const auto taken = [&](qint32 n) {
        const QByteArray number = Ansi(ZeroPad(n, 4));
        return (open && RegNumberOnFile(app, number)) || (alsoTaken && alsoTaken(number));
    };
    const int step = next - s.ReservedNumber;
    while (next >= 1 && next <= 9999 && taken(next)) next += step;
    if (next < 1 || next > 9999)
        return refuse(QStringLiteral("No more registration numbers can be issued counting ") + s.ReservedDirection +
                      QStringLiteral(" from ") + ZeroPad(s.ReservedNumber, 4) + QStringLiteral(".") + NewLine +
                      QStringLiteral("Registration numbers run from 0001 to 9999."));
    s.ReservedNumber = qint16(next);
    return Ansi(ZeroPad(next, 4));
}

int CountAttendance(QByteArray& attendance, qint16& last) {
    int count = 0;
    if (attendance.size() < 40) attendance = Fixed(attendance, 40);
    for (int i = 1; i <= 40; ++i) {
        char& ch = attendance[i - 1];
        if (ch == ' ') ch = '-';
        if (ch != '-') {
            ++count;
            last = qint16(i);
        }
    }
    return count;
}

void RecountAttendance(AttendeeRecord& rec) {
    QByteArray a = rec.Attendance.bytes();
    qint16 last = 0;
    const int count = CountAttendance(a, last);
    rec.Attendance = a;
    rec.Last = last;
    rec.Attend = QByteArray::number(count);
}

int FindRNumPos(App& app) {
    const QByteArray rnum = app.crusade.CurRecord.RNum.bytes();
    for (int i = 1; i <= app.view.ReportCount && i < app.view.ReportIndex.size(); ++i)
        if (EqualsNoCase(Left(app.view.ReportIndex[i], 4), rnum)) return i;
    return 0;
}

int CheckDuplicateRNum(App& app, const QByteArray& number) {
    const int result = CheckDuplicateRNumOnly(app, number);
    if (result == 3 && app.hooks.editForm) app.hooks.editForm->setText(QStringLiteral("RNum"), QString());
    return result;
}

int CheckDuplicateRNumOnly(App& app, const QByteArray& number) {
    const Crusade& c = app.crusade;
    const QList<AttendeeRecord> records = ReadAllRecords(app);
    for (qint32 i = 0; i < records.size(); ++i) {
        const AttendeeRecord& r = records[i];
        if (r.isDeleted()) continue;
        if (!c.AddMode && i + 1 == c.CurRecNo) continue;  // the record being edited
        if (!EqualsNoCase(r.RNum.bytes(), Fixed(number, 4)) || number.size() > 4) continue;
        TellDuplicateNumber(app, r.RNum.bytes());
        return 3;
    }
    return 0;
}

void TellDuplicateNumber(App& app, const QByteArray& number) {
    app.msg.MsgText = FromAnsi(number) + QStringLiteral(" is a duplicate record number") + NewLine +
                      QStringLiteral("The Registration Number will be reset.") + NewLine + NewLine +
                      QStringLiteral("You must enter a different Number.");
    const int answer = app.dialogs().msgBox(app.msg.MsgText, Buttons::OK, Icon::Critical);
    app.msg.MsgAnswer = QString::number(answer);
}

bool HasBaptismDate(const QByteArray& baptDate) {
    const QByteArray t = Trim(baptDate);
    return !t.isEmpty() && t != "12:00AM";
}

}  // namespace fennick

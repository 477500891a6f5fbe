#include "data/Conversion.h"

#include "data/App.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/FileUtil.h"
#include "data/InfoFile.h"
#include "data/IniFile.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"

#include <QFile>

#include <algorithm>
#include <cstring>

namespace fennick {

namespace {

// Fields from Attendance to BaptDate follow one another in both layouts.
constexpr int kBlockOld = oldoff::Attendance;
constexpr int kBlockNew = recoff::Attendance;
constexpr int kBlockLen = oldoff::CardPrinted - oldoff::Attendance;

bool IsCheckValue(qint16 v) {
    return v >= -1 && v <= 2;
}

// Whether 461 bytes look like a record of the current layout: plausible team code,
// attendance count, last night and check-box values.
bool ReadsAsCurrentRecord(const char* bytes) {
    const AttendeeRecord r = AttendeeRecord::decode(bytes);
    const QByteArray team = r.WorkerCode.bytes();
    const bool teamOk = team == "##" || std::all_of(team.begin(), team.end(),
                                                    [](char c) { return c == ' ' || (c >= '0' && c <= '9'); });
    const QByteArray attend = r.Attend.trimmed();
    const bool attendOk = std::all_of(attend.begin(), attend.end(), [](char c) { return c >= '0' && c <= '9'; });
    return teamOk && attendOk && r.Last >= 0 && r.Last <= 40 && IsCheckValue(r.MailList) && IsCheckValue(r.Class) &&
           IsCheckValue(r.CardPrinted) && IsCheckValue(r.MarkToVisit);
}

QByteArray ReadOldFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw VbError(err::PathFileAccess, QStringLiteral("The data file could not be read: ") + f.errorString());
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw VbError(err::PathFileAccess, QStringLiteral("The data file could not be read: ") + f.errorString());
    return bytes;
}

void ReportFailure(App& app, const QString& reason, const QString& originalAt) {
    app.msg.MsgText = QStringLiteral("Error# 0100 converting your data file.  Call Tech. Support for help.") + NewLine +
                      NewLine + reason + NewLine + NewLine + QStringLiteral("The original data file is unchanged: ") +
                      originalAt + NewLine + QStringLiteral("The crusade has not been opened.");
    app.dialogs().msgBox(app.msg.MsgText, Buttons::OK, Icon::Critical);
}

// Converts every old record (oldLen bytes apart) to the current layout, keeps the old file
// as "bak" and replaces the data file with the converted records.
bool Convert(App& app, int oldLen, bool keepCardPrinted, const QString& doneText) {
    const QString dataFile = app.program.DataFile;
    CloseDataFile(app);

    qint32 count = 0;
    QByteArray converted;
    try {
        const QByteArray old = ReadOldFile(dataFile);
        count = qint32(old.size() / oldLen);
        converted.reserve(qsizetype(count) * AttendeeRecord::Size);
        for (qint32 i = 0; i < count; ++i)
            converted.append(ConvertRecord(old.constData() + qsizetype(i) * oldLen, keepCardPrinted).encode());
    } catch (const VbError& e) {
        ReportFailure(app, e.description(), dataFile);
        return false;
    }

    // The original is copied to its backup name first; the converted records then replace
    // the data file in one step, so there is always a whole data file under its name.
    Files& files = app.files();
    const QString bak = BakFileName(dataFile);
    if (!files.copy(dataFile, bak).ok()) {
        ReportFailure(app, QStringLiteral("The data file could not be copied to ") + bak, dataFile);
        return false;
    }
    const GuardedFiles::OwnSave own(app, {OwnFile::DataFile});
    if (const FileResult saved = files.save(dataFile, converted); !saved.ok()) {
        files.remove(bak);
        ReportFailure(app, saved.description, dataFile);
        return false;
    }
    app.crusade.RecCount = count;

    try {
        SaveInfoFile(app);
        SaveIniFile(app);
    } catch (const VbError& e) {
        app.dialogs().msgBox(QStringLiteral("The data file has been converted, but its settings could not be saved:") +
                                 NewLine + e.description(),
                             Buttons::OK, Icon::Exclamation);
    }
    app.dialogs().msgBox(doneText, Buttons::OK);
    return true;
}

}  // namespace

AttendeeRecord ConvertRecord(const char* old, bool keepCardPrinted) {
    QByteArray b = AttendeeRecord().encode();
    std::memcpy(b.data(), old, recoff::Notes);
    std::memcpy(b.data() + recoff::Notes, old + oldoff::Notes, oldoff::NotesWidth);
    std::memcpy(b.data() + kBlockNew, old + kBlockOld, kBlockLen);
    if (keepCardPrinted) std::memcpy(b.data() + recoff::CardPrinted, old + oldoff::CardPrinted, 2);
    return AttendeeRecord::decode(b);
}

bool IsCurrentDataFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray all = f.readAll();
    // A write cut off leaves part of a record at the end: the whole records tell the
    // layout, and the opening keeps the stray bytes aside. A file shorter than one record
    // holds none of this layout.
    const qsizetype whole = all.size() - all.size() % AttendeeRecord::Size;
    if (whole == 0) return all.isEmpty();
    return HoldsCurrentRecords(all.left(whole));
}

bool HoldsCurrentRecords(const QByteArray& all) {
    if (all.size() % AttendeeRecord::Size != 0) return false;
    const qsizetype n = all.size() / AttendeeRecord::Size;
    qsizetype current = 0;
    for (qsizetype i = 0; i < n; ++i)
        if (ReadsAsCurrentRecord(all.constData() + i * AttendeeRecord::Size)) ++current;
    return n == 0 || current * 2 > n;
}

QString BakFileName(const QString& dataFile) {
    const QString base = dataFile.left(std::max<qsizetype>(0, dataFile.size() - 3)) + QStringLiteral("bak");
    QString name = base;
    for (int i = 1; !FindFileNoCase(name).isEmpty(); ++i) name = base + u'.' + QString::number(i);
    return name;
}

int AskToConvert(App& app) {
    const QString& dataFile = app.program.DataFile;
    app.msg.MsgText = QStringLiteral("You are attempting to use: ") + NewLine + dataFile + NewLine + NewLine +
                      QStringLiteral("This file was created with an older version of Fennick") + NewLine +
                      QStringLiteral("If you want to use this file with the current version of Fennick, ") + NewLine +
                      QStringLiteral("You will need to convert your datafile. ") + NewLine + NewLine +
                      QStringLiteral("Fennick will save the old file as: ") + NewLine + BakFileName(dataFile) +
                      NewLine + NewLine +
                      QStringLiteral(
                          "Click OK to proceed with converting the file or Cancel if you want to Exit "
                          "the program.");
    const int answer = app.dialogs().msgBox(app.msg.MsgText, Buttons::OKCancel, Icon::Critical, kOldDatabaseTitle);
    app.msg.MsgAnswer = QString::number(answer);
    return answer;
}

bool ConvertOldData(App& app) {
    return Convert(app, kOldRecordSpacing, false, QStringLiteral("Conversion Complete."));
}

bool ConvertData22(App& app) {
    if (AskToConvert(app) != AnsOK) {
        CloseDataFile(app);
        throw ProgramEnd{};
    }
    return Convert(app, kRecordLen22, true, QStringLiteral("Conversion Complete. "));
}

}  // namespace fennick

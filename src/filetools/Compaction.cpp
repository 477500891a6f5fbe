#include "filetools/Compaction.h"

#include "data/App.h"
#include "data/AttendeeRecord.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/FileUtil.h"
#include "data/Text.h"
#include "mainwindow/MainLifecycle.h"
#include "mainwindow/Navigation.h"
#include "mainwindow/NoCrusade.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Busy.h"
#include "platform/Dialogs.h"
#include "views/Indexes.h"

#include <optional>

namespace fennick {

namespace {

bool IsDeletedRecord(const char* record) {
    return record[recoff::WorkerCode] == '#' && record[recoff::WorkerCode + 1] == '#';
}

// The compacted file is in place but cannot be opened: the crusade is closed, so that
// nothing goes on with the old record numbers, and the user is told what is on disk.
void CloseCompactedCrusade(App& app, const VbError& e) {
    QString text = app.program.DataFile + QStringLiteral(" has been compacted, but it could not be opened again.") +
                   NewLine + Str(qint64(e.number())) + NewLine + e.description();
    try {
        UnloadCrusade(app);
    } catch (const VbError& unsaved) {
        text += NewLine + QStringLiteral("Its settings, member list and zip table could not be written: ") +
                unsaved.description();
    }
    app.dialogs().msgBox(text + NewLine +
                             QStringLiteral("The crusade has been closed. Use Change Meeting on the File menu to open "
                                            "it again."),
                         Buttons::OK, Icon::Critical);
}

}  // namespace

QByteArray LiveRecords(const QByteArray& dataFile, int recordCount) {
    constexpr int len = AttendeeRecord::Size;
    const qsizetype n = std::min<qsizetype>(recordCount, dataFile.size() / len);
    QByteArray live;
    live.reserve(n * len);
    for (qsizetype i = 0; i < n; ++i) {
        const char* record = dataFile.constData() + i * len;
        if (!IsDeletedRecord(record)) live.append(record, len);
    }
    return live;
}

int CompactDataFile(App& app) {
    Crusade& c = app.crusade;
    const QByteArray all = c.file.readAll();
    const QByteArray live = LiveRecords(all, c.RecCount);
    const int dropped = c.RecCount - int(live.size() / AttendeeRecord::Size);
    {
        const GuardedFiles::OwnSave own(app, {OwnFile::DataFile});
        WriteWholeFile(app.files(), app.program.DataFile, live);
    }
    // The open file is the one just replaced: the new one is opened in its place.
    CloseDataFile(app);
    try {
        OpenDataFile(app);
    } catch (const VbError& e) {
        throw CompactedNotReopened(e);
    }
    if (!live.isEmpty()) c.PrevRecord = AttendeeRecord::decode(live.constData() + live.size() - AttendeeRecord::Size);
    return dropped;
}

void mnuCompact_Click(App& app, MainScreen& form) {
    if (!app.crusade.file.isOpen()) return;
    app.msg.MsgText = QStringLiteral("This will permanently remove all deleted names. You will not be able to restore "
                                     "deleted names to the file after running this option.") +
                      NewLine + NewLine + QStringLiteral("Do you want to continue?");
    const int answer =
        app.dialogs().msgBox(app.msg.MsgText, Buttons::YesNo, Icon::Exclamation, QStringLiteral("Compact the Database"));
    app.msg.MsgAnswer = QString::number(answer);
    if (answer != AnsYes) return;
    if (app.view.ReportCount > 0 && !SaveCurrentRecord(app, form)) return;

    // Record numbers change: no window may keep or write a record by its old number.
    if (app.hooks.closeTableWindows) app.hooks.closeTableWindows();
    if (app.hooks.closeCrusadeWindows) app.hooks.closeCrusadeWindows();
    std::optional<VbError> failure;
    std::optional<VbError> notReopened;
    {
        BusyGuard busy(app.platform.busy);
        try {
            CompactDataFile(app);
        } catch (const CompactedNotReopened& e) {
            notReopened = e;
        } catch (const VbError& e) {
            failure = e;
        }
        if (!failure && !notReopened) {
            IndexAlpha(app);
            ForgetViewPositions(app);
            ShowCurrentRecord(app, form);
        }
    }
    if (notReopened) {
        CloseCompactedCrusade(app, *notReopened);
        ShowNoCrusade(app, form);
        return;
    }
    if (failure) {
        app.dialogs().msgBox(Str(qint64(failure->number())) + NewLine + failure->description() + NewLine +
                                 QStringLiteral("The database was not compacted; it is as it was."),
                             Buttons::OK, Icon::Critical);
        return;
    }
    app.dialogs().msgBox(QStringLiteral("File Compact Completed"));
}

}  // namespace fennick

#include "statistics/FileInfo.h"

#include "data/App.h"
#include "data/DataStore.h"
#include "data/Messages.h"
#include "data/RecordDisplay.h"
#include "data/Text.h"
#include "mainwindow/MainScreen.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Dialogs.h"
#include "statistics/TeamReport.h"
#include "statistics/TeamTallies.h"
#include "views/Indexes.h"

namespace fennick {

namespace {

// Saves the shown record so the count reads the saved file; false when the save was
// refused (its message told why).
bool SaveShown(App& app, MainScreen& form) {
    return app.view.ReportCount == 0 || SaveCurrentRecord(app, form);
}

// Reads the record of the view position again and shows it, as it was saved.
void ShowAgain(App& app, MainScreen& form) {
    if (app.view.CurIndexPos < 1) return;  // an empty view shows no record
    if (ReadCurrentRecord(app)) ShowRecord(app, form);
}

}  // namespace

QString FileInformationText(App& app) {
    int mail = 0, a = 0, b = 0, c = 0, g = 0;
    ScanLiveRecords(app, [&](const AttendeeRecord& rec, qint32) {
        switch (rec.IntLevel.at(1)) {
            case 'A': ++a; break;
            case 'B': ++b; break;
            case 'C': ++c; break;
            case 'G': ++g; break;
            default: break;
        }
        if (rec.MailList != 0) ++mail;
    });
    return app.settings.CrusadeName + NewLine + app.program.DataFile + NewLine + QStringLiteral("Mail List-------- ") +
           Plain(mail) + NewLine + NewLine + QStringLiteral("Interest Level A: ") + Plain(a) + NewLine +
           QStringLiteral("Interest Level B: ") + Plain(b) + NewLine + QStringLiteral("Interest Level C: ") + Plain(c) +
           NewLine + QStringLiteral("Total Baptized--- ") + Plain(g) + NewLine;
}

QString WorkerInformationText(App& app) {
    TeamTable count{};
    ScanLiveRecords(app, [&](const AttendeeRecord& rec, qint32) { ++count[size_t(TeamOf(rec))]; });
    QString text;
    for (int t = 0; t < kTeamCount; ++t) {
        if (t > 20 && count[size_t(t)] == 0) continue;
        text += QStringLiteral("Team ") + TeamNumber2(t) + QStringLiteral("-    ") + Plain(count[size_t(t)]) +
                QStringLiteral("    (") + app.settings.TeamNames[size_t(t)] + u')' + NewLine;
    }
    return text;
}

void mnuInfo_Click(App& app, MainScreen& form) {
    if (!SaveShown(app, form)) return;
    const QString text = FileInformationText(app);
    ShowAgain(app, form);
    app.dialogs().msgBox(text, Buttons::OK, Icon::None, QStringLiteral("File Information"));
}

void CountWorkers(App& app, MainScreen& form) {
    if (!SaveShown(app, form)) return;
    const QString text = WorkerInformationText(app);
    ShowAgain(app, form);
    app.dialogs().msgBox(text, Buttons::OK, Icon::None, QStringLiteral("Worker Information"));
}

}  // namespace fennick

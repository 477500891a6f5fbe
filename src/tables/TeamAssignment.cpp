#include "tables/TeamAssignment.h"

#include "data/App.h"
#include "data/BulkWrite.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "mainwindow/MainScreen.h"
#include "platform/Busy.h"
#include "platform/Dialogs.h"
#include "tables/ZipTable.h"
#include "views/ZipRebuild.h"

#include <QHash>

namespace fennick {

namespace {

const QString kAssignTitle = QStringLiteral("Assign Teams to Records");

// Zip key -> team of the first entry in table order with that key; blank keys are none.
QHash<QByteArray, QByteArray> TeamOfZip(const Crusade& c) {
    QHash<QByteArray, QByteArray> teams;
    const int n = ZipEntriesUsed(c);
    teams.reserve(n);
    for (int i = 1; i <= n; ++i) {
        const QByteArray& e = c.ZipTable[i];
        if (e.size() < 14) continue;  // no team in it
        const QByteArray zip = ZipEntryZip(e);
        if (Trim(zip).isEmpty() || teams.contains(zip)) continue;
        teams.insert(zip, Mid(e, 13, 2));
    }
    return teams;
}

// Record number -> new team of every record the pass changed.
QHash<qint32, QByteArray> AssignPass(App& app, BulkWrite& writes) {
    const QHash<QByteArray, QByteArray> teams = TeamOfZip(app.crusade);
    const bool canadian = app.settings.CanadianZip;
    QHash<qint32, QByteArray> changed;
    const QList<AttendeeRecord> records = ReadAllRecords(app);
    for (qint32 i = 0; i < records.size(); ++i) {
        const AttendeeRecord& r = records[i];
        if (r.WorkerCode.bytes() != "00") continue;
        const auto found = teams.constFind(ZipKey10(r, canadian));
        if (found == teams.cend() || !IsTeamCode(*found) || *found == "00") continue;
        AttendeeRecord updated = r;
        updated.WorkerCode = *found;
        if (writes.write(i + 1, updated)) changed.insert(i + 1, *found);
    }
    return changed;
}

// The record the main window holds takes its new team: the copies it compares and saves
// with, and the team box while it still shows the old "00".
void ShowNewTeam(App& app, const QHash<qint32, QByteArray>& changed) {
    Crusade& c = app.crusade;
    const auto team = changed.constFind(c.CurRecNo);
    if (team == changed.cend()) return;
    if (c.CurRecord.WorkerCode.bytes() == "00") c.CurRecord.WorkerCode = *team;
    c.OrigRecord.WorkerCode = *team;
    MainScreen* screen = app.hooks.editForm;
    if (!screen || app.mainWindow.NewEntryOnScreen) return;
    if (qint32(Val(screen->text(QStringLiteral("RecordPos")))) != c.CurRecNo) return;
    if (Trim(screen->text(QStringLiteral("WorkerCode"))) == QLatin1String("00"))
        screen->setText(QStringLiteral("WorkerCode"), FromAnsi(*team));
}

}  // namespace

int AssignTeamsFromZips(App& app, BulkWrite& writes) {
    return int(AssignPass(app, writes).size());
}

void AssignNames(App& app) {
    Messages& m = app.msg;
    PlaySound(app, QStringLiteral("carbrake"));
    m.MsgText = QStringLiteral("This will look at the zipcode for each name, and if the current workercode assigned is "
                               "'00' then it will update the Team code in that record with the Team code assigned to "
                               "that zipcode.") +
                NewLine + NewLine + QStringLiteral("If there is already a Team code assigned, it will skip that record.") +
                NewLine + NewLine + QStringLiteral("Are you sure this is what you want to do?");
    if (app.dialogs().msgBox(m.MsgText, Buttons::YesNo, Icon::Information, kAssignTitle) != AnsYes) return;
    m.MsgText = QStringLiteral("This process cannot be reversed.") + NewLine +
                QStringLiteral("You should have a back up before proceeding.") + NewLine + NewLine +
                QStringLiteral("Are you sure you want to continue.");
    if (app.dialogs().msgBox(m.MsgText, Buttons::YesNo, Icon::Exclamation, kAssignTitle) != AnsYes) return;

    BulkWrite writes(app, QStringLiteral("Update File"), kSourceFennick95);
    QHash<qint32, QByteArray> changed;
    {
        BusyGuard busy(app.platform.busy);
        changed = AssignPass(app, writes);
    }
    ShowNewTeam(app, changed);
    if (writes.failed()) {
        m.MsgText = writes.report(
            QStringLiteral("Running Update File again is safe: the records given a team are passed over, and the rest "
                           "take theirs."));
        app.dialogs().msgBox(m.MsgText, Buttons::OK, Icon::Exclamation, kAssignTitle);
        return;
    }
    m.MsgText = QStringLiteral("The files have been successfully Updated.") + NewLine +
                QStringLiteral("Check for Duplicate Address with Different Team Code Assignmnets ") +
                QStringLiteral("from the Preview Screen 'Duplicates' menu");
    app.dialogs().msgBox(m.MsgText);
}

}  // namespace fennick

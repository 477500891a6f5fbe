#include "mainwindow/Marks.h"

#include "data/App.h"
#include "data/BulkWrite.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/RecordDisplay.h"
#include "data/Text.h"
#include "mainwindow/MainLifecycle.h"
#include "mainwindow/MainScreen.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Dialogs.h"
#include "views/Indexes.h"

#include <algorithm>

namespace fennick {

namespace {

// Saves the record on the screen; an empty view has none.
bool SaveShown(App& app, MainScreen& form) {
    return app.view.ReportCount == 0 || SaveCurrentRecord(app, form);
}

// The highest cut-off: the cut-off leaves out the names whose last night is not after it,
// so LastMeeting itself would leave out everyone.
int HighestCutOff(const App& app) {
    return std::max(0, app.settings.LastMeeting - 1);
}

// The cut-off an answer gives; -1 when it is not a whole number from 0 to the highest.
int AcceptedCutOff(const App& app, const QString& answer) {
    bool whole = false;
    const int n = answer.trimmed().toInt(&whole);
    return whole && n >= 0 && n <= HighestCutOff(app) ? n : -1;
}

// After a pass that stopped part way: the one message saying how many marks it set or
// cleared (clears) and naming the records left as they were. False when all were written.
bool TellStop(App& app, const BulkWrite& writes, bool clears) {
    if (!writes.failed()) return false;
    const int n = writes.written();
    QString done;
    if (clears)
        done = n == 0   ? QStringLiteral("No mark was cleared.")
               : n == 1 ? QStringLiteral("The mark of 1 record was cleared.")
                        : QStringLiteral("The marks of %1 records were cleared.").arg(n);
    else
        done = n == 0   ? QStringLiteral("No record was marked.")
               : n == 1 ? QStringLiteral("1 record was marked.")
                        : QStringLiteral("%1 records were marked.").arg(n);
    const QString does = clears ? QStringLiteral("clears") : QStringLiteral("sets");
    app.dialogs().msgBox(done + NewLine + NewLine +
                             writes.report(QStringLiteral("Running it again is safe: it ") + does +
                                           QStringLiteral(" the marks of the records left as they were.")),
                         Buttons::OK, Icon::Exclamation);
    return true;
}

}  // namespace

void mnuMarkMarkers_Click(App& app, MainScreen& form) {
    const int n = app.view.ReportCount;
    if (n <= 0) return;
    if (!SaveShown(app, form)) return;
    BulkWrite writes(app, QStringLiteral("Mark all Displayed Records"), kSourceFennick95);
    for (int i = 1; i <= n && i < app.view.ReportIndex.size(); ++i) {
        // An entry of a record not written yet names no record of the file.
        const qint32 r = app.view.recordNumberAt(i);
        if (r < 1 || r > app.crusade.RecCount) continue;
        AttendeeRecord rec = ReadRecord(app, r);
        rec.MarkToVisit = -1;
        writes.write(r, rec);
    }
    ShowCurrentRecord(app, form);
    TellStop(app, writes, false);
}

void mnuClearMark_Click(App& app, MainScreen& form) {
    if (!SaveShown(app, form)) return;
    BulkWrite writes(app, QStringLiteral("Clear Markers"), kSourceFennick95);
    ClearMarks(app, writes);
    if (app.view.ReportCount > 0) {
        MoveToRecord(app, 0);
        app.mainWindow.EnteredRNum = form.text(QStringLiteral("RNum"));
    }
    TellStop(app, writes, true);
}

void mnuClearMarks_Click(App& app, MainScreen& form) {
    if (!SaveShown(app, form)) return;
    BulkWrite writes(app, QStringLiteral("Clear Selection Marks"), kSourceFennick95);
    ClearMarks(app, writes);
    if (app.view.ReportCount > 0) ShowCurrentRecord(app, form);
    form.setVisible(QStringLiteral("lblNextFieldBtn"), false);
    if (!TellStop(app, writes, true))
        app.dialogs().msgBox(QStringLiteral("Marks have been removed from all names.") + NewLine);
}

void mPrCut_Click(App& app, MainScreen& form) {
    const QString prompt =
        QStringLiteral("Enter the Meeting Number that you would like to Begin With.") + NewLine + NewLine +
        QStringLiteral(
            "For example: If you select a Cut Off number of 8, you will eliminate those who have not "
            "attended since the 7th meeting.") +
        NewLine + NewLine + QStringLiteral("Enter 0 (zero) to show all names.");
    const QString answer =
        app.dialogs().input(prompt, QStringLiteral("Set Meeting Cut Off"), Plain(app.settings.PrintCutOff));
    app.msg.MsgAnswer = answer;
    if (answer.trimmed().isEmpty()) return;
    const int cutOff = AcceptedCutOff(app, answer);
    if (cutOff < 0) {
        app.dialogs().msgBox(QStringLiteral("You must select a meeting between 0 and ") + Plain(HighestCutOff(app)));
        return;
    }
    app.settings.PrintCutOff = qint16(cutOff);
    form.setText(QStringLiteral("mPrCut"), CutOffCaption(app));
}

}  // namespace fennick

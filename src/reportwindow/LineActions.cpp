#include "reportwindow/LineActions.h"

#include "attendance/AttendanceMarks.h"
#include "attendance/VisitCodes.h"
#include "data/App.h"
#include "data/BulkWrite.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/Messages.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "mainwindow/FieldRules.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Dialogs.h"
#include "reportwindow/ReportWindow.h"
#include "reportwindow/ReturnToEditForm.h"
#include "views/MailViews.h"

#include <algorithm>

namespace fennick {

namespace {

const QString kVScroll1 = QStringLiteral("VScroll1");

bool IsTeamOrVisit(const QString& s) {
    return s == QLatin1String("T") || s == QLatin1String("V");
}

// The code chosen for a visit: its letter and a meeting of two digits.
QString VisitCode(QChar letter, int meeting) {
    return QString(letter) + ZeroPad(meeting, 2);
}

// Step 2: the clicked column chooses the action of this click (outside Mail Labels).
void ChooseByColumn(App& app, PrintReportsState& w, const PreviewLine* line, int column) {
    if (w.chkPrnMailLabels || !line) return;
    if (line->team.contains(column)) w.clickSwitch = QStringLiteral("T");
    // The visits stand last on their lines: everything to their right counts as theirs.
    if (!line->visits.empty() && column >= line->visits.first) w.clickSwitch = QStringLiteral("V");
    if (line->interest.contains(column)) w.leftButton = LeftButton::Interest;
    if (line->attendance.contains(column) && w.leftButton != LeftButton::Attend) {
        const QString text = QStringLiteral("This will ") + QStringLiteral("update") +
                             QStringLiteral(" the attendance record for meeting #") + Plain(app.settings.LastMeeting);
        if (app.dialogs().msgBox(text, Buttons::OKCancel, Icon::None, kAttendanceUpdateTitle) == AnsOK)
            w.leftButton = LeftButton::Attend;
    }
}

// Step 6: what the click does to the record.
QString ActionOf(const App& app, const PrintReportsState& w) {
    QString s = w.clickSwitch;
    if (!IsTeamOrVisit(s)) {
        s = QStringLiteral("E");
        if (w.chkPrnMailLabels) {
            if (w.leftButton == LeftButton::Interest) s = QStringLiteral("ML");
        } else if (w.leftButton == LeftButton::Attend) {
            s = QStringLiteral("A");
        } else if (w.leftButton == LeftButton::Interest) {
            s = QStringLiteral("I");
        }
    }
    if (app.view.ReportKind == QLatin1String("CleanMailList")) s = QStringLiteral("M");
    return s;
}

// The last meeting marked for this person, or (after a question) its mark taken out; the
// counts follow.
void ClickAttendance(App& app, AttendeeRecord& rec) {
    const int night = app.settings.LastMeeting;
    QByteArray a = NormalisedAttendance(rec.Attendance.bytes());
    if (!IsMarked(a, night)) {
        MarkNight(a, night, TonightsMark(QStringLiteral("-"), false, night));
    } else {
        PlaySound(app, QStringLiteral("carbrake"));
        Messages& m = app.msg;
        m.MsgTitle = kUndoAttendanceTitle;
        m.MsgText = FromAnsi(rec.RNum.bytes() + "   " + rec.FName.trimmed() + " " + rec.LName.trimmed()) + NewLine +
                    QStringLiteral("This Will Undo the Attendance for Night") + Str(qint64(night)) + NewLine +
                    QStringLiteral("Are you sure you want to Undo this Entry?");
        const int answer = app.dialogs().msgBox(m.MsgText, Buttons::OKCancel, Icon::Question, m.MsgTitle);
        m.MsgAnswer = QString::number(answer);
        if (answer == AnsOK) ClearNight(a, night);
    }
    SetAttendance(rec, a);
}

// A new team code: one or two digits from 00 to 40; an empty answer keeps the code.
void ClickTeam(App& app, AttendeeRecord& rec) {
    const QString answer = app.dialogs().input(kEnterTeamCode);
    app.msg.MsgAnswer = answer;
    if (answer.trimmed().isEmpty()) return;
    const std::optional<QString> code = ParseTeamCode(answer);
    if (!code) {
        app.dialogs().msgBox(TeamCodeRefusal());
        return;
    }
    rec.WorkerCode = Ansi(*code);
}

// The visit code appended, or with Ctrl the last code taken off.
void ClickVisit(const PrintReportsState& w, AttendeeRecord& rec, int shift) {
    const QString v = FromAnsi(rec.Visits.rtrimmed());
    if (shift == 0) {
        rec.Visits = Ansi(AppendVisitCode(v, w.QuickVisit));
    } else if (shift == kCtrlMask) {
        rec.Visits = Ansi(v.size() > kVisitCodeWidth ? v.left(v.size() - kVisitCodeWidth) : QString());
    }
}

// Household mode: the editor on every entry sharing the clicked line's household, then
// each member of the household it closed on written from its mark.
// The editor may move to any household of the view and write it, so the main window's
// screen is saved first when it shows a record of the view, and shown again afterwards.
void ClickHousehold(App& app, const LineWindows& windows, int p) {
    QList<QByteArray> family = HouseholdEntries(app.view, HouseholdKeyOf(app.view.ReportIndex[p]));
    if (family.isEmpty() || !windows.editHousehold) return;
    const qint32 shown = app.crusade.CurRecNo;
    const bool inView = std::any_of(app.view.ReportIndex.cbegin() + 1, app.view.ReportIndex.cend(),
                                    [shown](const QByteArray& e) { return Val(Right(e, 4)) == shown; });
    if (inView && !SaveScreenBeforeWrite(app, shown)) return;
    windows.editHousehold(family);
    BulkWrite writes(app, QStringLiteral("Writing the household's mail list"), kSourceFennick95);
    for (const QByteArray& entry : family) {
        const qint32 r = qint32(Val(Right(entry, 4)));
        AttendeeRecord rec = ReadRecord(app, r);
        rec.MailList = entry.startsWith('$') ? 1 : 0;
        writes.write(r, rec);
    }
    if (inView) ShowRecordAfterWrite(app, shown);
    if (writes.failed())
        app.dialogs().msgBox(writes.report(QStringLiteral("Running it again is safe: the household's ticks are "
                                                          "written again when its editor closes.")),
                             Buttons::OK, Icon::Exclamation);
}

// Step 11: the record of entry p on the main window, in the edit-from-preview state. The
// name the main window shows is saved first; a save refused keeps it there.
void EditOnMainWindow(App& app, const LineWindows& windows, int p) {
    if (p < 1 || p > app.view.ReportCount) return;
    if (!SaveScreenBeforeWrite(app, app.crusade.CurRecNo)) return;
    app.view.CurIndexPos = qint16(p);
    if (app.hooks.editForm) ShowEditFromPreview(app, *app.hooks.editForm);
    if (windows.showEditForm) windows.showEditForm();
}

}  // namespace

void Info_MouseDown(App& app, PrintReportsState& w, const LineWindows& windows, int row, int column, int shift) {
    const LeftButton noted = w.leftButton;
    const int p = row + std::max(w.VScroll1, 1);
    w.clickSwitch.clear();
    ChooseByColumn(app, w, w.page.lineOf(p), column);
    w.focusRequest = kVScroll1;

    const bool acts = w.leftButton == LeftButton::Attend || w.leftButton == LeftButton::Interest ||
                      IsTeamOrVisit(w.clickSwitch);
    if (!acts) {
        EditOnMainWindow(app, windows, p);
    } else if (p >= 1 && p <= app.view.ReportCount && p < app.view.ReportIndex.size()) {
        const qint32 r = app.view.recordNumberAt(p);
        w.clickSwitch = ActionOf(app, w);
        const QString& s = w.clickSwitch;
        if (s == QLatin1String("V") && w.QuickVisit.isEmpty()) {
            // Nothing is written or drawn, and the option stays as the column left it.
            app.dialogs().msgBox(kChooseVisitFirst);
            return;
        }
        // The main window beside the preview may show this record with typed changes:
        // they are saved before the record is read, and the screen shows the change after.
        const bool single = s != QLatin1String("M");
        if (single && !SaveScreenBeforeWrite(app, r)) {
            if (noted != LeftButton::Visit) w.leftButton = noted;
            return;
        }
        AttendeeRecord rec = ReadRecord(app, r);
        if (s == QLatin1String("I")) {
            if (windows.pickInterest) windows.pickInterest(rec);
        } else if (s == QLatin1String("T")) {
            ClickTeam(app, rec);
        } else if (s == QLatin1String("V")) {
            ClickVisit(w, rec, shift);
        } else if (s == QLatin1String("ML")) {
            rec.MailList = rec.MailList == 0 ? 1 : 0;
        } else if (s == QLatin1String("A")) {
            ClickAttendance(app, rec);
        }
        if (single) {
            WriteRecord(app, r, rec);
            ShowRecordAfterWrite(app, r);
        } else {
            ClickHousehold(app, windows, p);
        }
        showScrollInfo(app, w);
    }
    if (noted != LeftButton::Visit) w.leftButton = noted;
}

void OptVisit_Click(App& app, PrintReportsState& w) {
    const int last = app.settings.LastMeeting;
    app.msg.ScratchVar = Plain(last);
    w.leftButton = LeftButton::Visit;
    w.QuickVisit = VisitCode(u'h', last);
    w.OptVisitCaption = QStringLiteral("Visit ") + w.QuickVisit;
}

bool OptVisit_KeyPress(App& app, PrintReportsState& w, QChar key) {
    if (w.QuickVisit.size() != kVisitCodeWidth) return false;
    const QChar k = key.toLower();
    const QChar letter = w.QuickVisit.at(0);
    const int meeting = int(Val(Right(w.QuickVisit, 2)));
    QString code;
    if (k == u'h' || k == u'l' || k == u'm' || k == u'p') {
        code = VisitCode(k, meeting);
    } else if (key == u'+' || key == u'=' || key == u'-') {
        const int next = meeting + (key == u'-' ? -1 : 1);
        app.msg.ScratchVar = Plain(next);
        if (next < 1 || next > app.settings.LastMeeting) return false;
        code = VisitCode(letter, next);
    } else {
        return false;
    }
    if (code == w.QuickVisit) return false;
    w.QuickVisit = code;
    w.OptVisitCaption = QStringLiteral("Visit ") + w.QuickVisit;
    return true;
}

}  // namespace fennick

#include "attendance/AttendCommands.h"

#include "attendance/AttendFState.h"
#include "attendance/AttendOpening.h"
#include "attendance/AttendRecord.h"
#include "attendance/AttendanceMarks.h"
#include "attendance/NightlyEntry.h"
#include "data/App.h"
#include "data/DataStore.h"
#include "data/RecordDisplay.h"
#include "data/SideFiles.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "mainwindow/MainScreen.h"
#include "mainwindow/Navigation.h"
#include "platform/Dialogs.h"
#include "views/Indexes.h"

#include <algorithm>
#include <optional>

namespace fennick::attendf {

namespace {

const QString kSearchBox = QStringLiteral("SearchBox");

std::optional<QString> TitleOrApp(const QString& title) {
    return title.isEmpty() ? std::nullopt : std::optional<QString>(title);
}

// Writes CurRecord at CurRecNo when that is a record of the file.
void WriteShown(App& app) {
    const Crusade& c = app.crusade;
    if (c.CurRecNo >= 1 && c.CurRecNo <= c.RecCount) WriteRecord(app, c.CurRecNo, c.CurRecord);
}

// Tonight's decisions are offered for removal one by one: those ticked in "Decisions to
// be Entered" whose letter the record holds.
void OfferDecisionRemoval(App& app, MainScreen& form) {
    Messages& m = app.msg;
    for (int i = 0; i < kDecisionCount; ++i) {
        if (form.value(QStringLiteral("ED(%1)").arg(i)) != 1) continue;
        if (app.crusade.CurRecord.Decisions.at(i + 1) == '-') continue;
        const QString caption = form.text(QStringLiteral("ED(%1)").arg(i));
        m.MsgText = caption + NewLine +
                    QStringLiteral("There is no way for Fennick to know if this decision had been previously entered.") +
                    NewLine +
                    QStringLiteral("If in doubt, check no and review your records or check with the visiting person to "
                                   "get the proper information.") +
                    NewLine + NewLine + QStringLiteral("Do you want to undo the ") + caption +
                    QStringLiteral(" decision now?");
        const int answer = app.dialogs().msgBox(m.MsgText, Buttons::YesNo, Icon::None,
                                                QStringLiteral("Remove the ") + caption + QStringLiteral(" Decision?"));
        m.MsgAnswer = QString::number(answer);
        if (answer != AnsYes) continue;
        app.crusade.CurRecord.Decisions.setAt(i + 1, '-');
        form.setValue(QStringLiteral("Dec(%1)").arg(i), 0);
        Dec_Click(app, form, i);
    }
}

// The text a global search looks through.
QByteArray SearchText(const AttendeeRecord& r) {
    const QByteArray sep = "--";
    return r.LName.bytes() + sep + r.FName.bytes() + sep + r.Address.bytes() + sep + r.City.bytes() + sep +
           r.State.bytes() + sep + r.Zip.bytes() + sep + r.Phone.bytes() + sep + r.RelPref.bytes();
}

int AskCorrectName(App& app, const AttendeeRecord& r) {
    app.msg.MsgText = QStringLiteral("Is this the correct name?") + NewLine + NewLine + FromAnsi(r.RNum.bytes()) +
                      QStringLiteral("   ") + FromAnsi(r.FName.rtrimmed()) + QStringLiteral(" ") +
                      FromAnsi(r.LName.rtrimmed()) + NewLine + FromAnsi(r.Address.rtrimmed()) + QStringLiteral(", ") +
                      FromAnsi(r.City.rtrimmed()) + QStringLiteral(", ") + FromAnsi(r.Zip.rtrimmed());
    const int answer = app.dialogs().askAbout(FoundNameControls(), app.msg.MsgText, Buttons::YesNoCancel,
                                              Icon::Question, TitleOrApp(app.msg.MsgTitle));
    app.msg.MsgAnswer = QString::number(answer);
    return answer;
}

int PositionOfRecord(const App& app, qint32 r) {
    const CurrentView& v = app.view;
    for (int p = 1; p <= v.ReportCount && p < v.ReportIndex.size(); ++p)
        if (v.recordNumberAt(p) == r) return p;
    return 0;
}

}  // namespace

void Undo_Click(App& app, AttendFState& st, MainScreen& form) {
    Crusade& c = app.crusade;
    // What was typed since the last entry is stored before the record is shown again.
    if (!SaveRecord(app, st, form)) return;
    const int night = Tonight(app, st, form);
    if (night == 0) return;
    QByteArray attendance = NormalisedAttendance(Ansi(form.text(QStringLiteral("Attendance"))));
    if (!ClearNight(attendance, night)) {
        form.setFocus(kSearchBox);
        return;
    }
    SetAttendance(c.CurRecord, attendance);
    // Only a mark this opening added was counted.
    if (st.MarkedHere.remove(AttendFState::markKey(c.CurRecNo, night)))
        st.TotalAttending = qint16(std::max(0, st.TotalAttending - 1));
    WriteShown(app);
    ShowRecord(app, form);
    RefreshCaption(app, st, form, QStringLiteral("Attendance: ") + Str(qint64(st.TotalAttending)));
    OfferDecisionRemoval(app, form);
    form.setFocus(kSearchBox);
}

void btnGlobal_Click(App& app, AttendFState& st, MainScreen& form) {
    if (!SaveRecord(app, st, form)) return;
    const QString item = app.dialogs().input(
        QStringLiteral("You can search for all or part of the First Name- Last Name- Address- City- State- Zipcode- "
                       "Phone Number- and Religion."),
        QStringLiteral("Enter the Item to search for"));
    if (item.isEmpty()) {
        form.setFocus(kSearchBox);
        return;
    }
    const QByteArray needle = Ansi(item);
    const QList<AttendeeRecord> records = ReadAllRecords(app);
    qint32 chosen = 0;
    for (qint32 r = 1; r <= records.size() && chosen == 0; ++r) {
        const AttendeeRecord& rec = records[r - 1];
        if (InStrNoCase(SearchText(rec), needle) == 0) continue;
        const int answer = AskCorrectName(app, rec);
        if (answer == AnsCancel) {
            form.setFocus(kSearchBox);
            return;
        }
        if (answer != AnsYes) continue;
        if (rec.isDeleted() && !RestoreDeleted(app, records, r)) continue;
        chosen = r;
    }
    if (chosen == 0) {
        app.dialogs().msgBox(QStringLiteral("Search item: ") + item + QStringLiteral("- not found"));
        form.setFocus(kSearchBox);
        return;
    }

    // The chosen record's own entry, by its record number: another entry may share its
    // registration number.
    int pos = PositionOfRecord(app, chosen);
    if (pos == 0) {
        IndexAlpha(app);
        pos = PositionOfRecord(app, chosen);
    }
    if (pos == 0) {
        form.setFocus(kSearchBox);
        return;
    }
    app.view.CurIndexPos = qint16(pos);
    if (!ShowCurrentEntry(app, form)) return;
    MarkTonight(app, st, form);
    ShowRecord(app, form);
    // A restored record is stored live, with no team, by the next save.
    if (records[chosen - 1].isDeleted()) form.setText(QStringLiteral("WorkerCode"), QStringLiteral("00"));
    RefreshCaption(app, st, form, AttendanceTitle(st));
    form.setFocus(kSearchBox);
}

void MoveToSDA_Click(App& app, AttendFState& st, MainScreen& form) {
    Crusade& c = app.crusade;
    CurrentView& v = app.view;
    Messages& m = app.msg;
    // The view must keep a name to show, as the main window keeps the last record.
    if (v.ReportCount <= 1) {
        app.dialogs().msgBox(QStringLiteral("You Cannot Delete the Last Record from the File."));
        form.setFocus(kSearchBox);
        return;
    }
    const QString rnum = form.text(QStringLiteral("RNum"));
    const QString first = form.text(QStringLiteral("FName"));
    const QString last = form.text(QStringLiteral("LName"));
    m.MsgTitle = QStringLiteral("Remove SDA Names");
    m.MsgText = QStringLiteral("This Will Remove the information for,") + NewLine + QString(9, u' ') + rnum +
                QStringLiteral("  ") + first + QStringLiteral(" ") + last + NewLine +
                QStringLiteral("and add it to the SDA members File.") + NewLine + NewLine +
                QStringLiteral("  Are you sure you want to Remove this Entry?");
    const int answer = app.dialogs().askAbout(PersonBoxes(), m.MsgText, Buttons::YesNo, Icon::Critical, m.MsgTitle);
    m.MsgAnswer = QString::number(answer);
    if (answer != AnsYes) {
        form.setFocus(kSearchBox);
        return;
    }
    const int pos = EntryOfRecord(app, c.CurRecNo);
    if (pos == 0 || c.CurRecNo < 1 || c.CurRecNo > c.RecCount) return;

    // The record is deleted first: the person joins the member list only once it is. A
    // refused write moves nobody: the record stays as it was held, with no deletion kept
    // for the crusade's files saved elsewhere.
    AttendeeRecord deleted = c.CurRecord;
    deleted.WorkerCode = "##";
    const std::optional<QByteArray> kept = c.file.kept(c.CurRecNo);
    try {
        WriteRecord(app, c.CurRecNo, deleted);
    } catch (...) {
        DiscardChanges(app, c.CurRecNo, kept);
        throw;
    }
    c.CurRecord = deleted;
    v.ReportIndex.removeAt(pos);
    v.ReportCount -= 1;
    v.CurIndexPos = qint16(std::min<int>(pos, v.ReportCount));

    c.MemberCount += 1;
    c.MemberNames.resize(c.MemberCount + 1);
    c.MemberNames[c.MemberCount] = MemberEntry(Ansi(rnum), Ansi(last), Ansi(first));
    // The list is written now: the deleted record no longer holds the name.
    SaveMembers(app);

    ShowCurrentEntry(app, form);
    RefreshCaption(app, st, form);
    form.setFocus(kSearchBox);
}

}  // namespace fennick::attendf

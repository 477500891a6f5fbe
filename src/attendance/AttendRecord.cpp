#include "attendance/AttendRecord.h"

#include "attendance/AttendFState.h"
#include "data/App.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/RecordDisplay.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "mainwindow/FieldEntry.h"
#include "mainwindow/FieldRules.h"
#include "mainwindow/MainLifecycle.h"
#include "mainwindow/MainScreen.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "views/Indexes.h"

namespace fennick::attendf {

namespace {

const QString kSearchBox = QStringLiteral("SearchBox");
const QString kRNum = QStringLiteral("RNum");
const QString kTeam = QStringLiteral("WorkerCode");
const QString kLevel = QStringLiteral("IntLevel");
const QString kBaptDate = QStringLiteral("BaptDate");

template <int N>
void CopyBox(const MainScreen& form, const char* box, FixedText<N>& field) {
    field = Ansi(form.text(QLatin1String(box)));
}

// The number and team boxes refuse other texts when they are left; a text that reaches
// the save another way is refused here with the box's message.
bool CodesAccepted(App& app, MainScreen& form) {
    const QString number = form.text(kRNum);
    if (ParseRegNumber(number) != number) {
        app.dialogs().msgBox(RegNumberRefusal(number));
        form.focusRefusedBox(kRNum);
        return false;
    }
    const QString team = form.text(kTeam);
    if (ParseTeamCode(team) != team) {
        app.dialogs().msgBox(TeamCodeRefusal());
        form.focusRefusedBox(kTeam);
        return false;
    }
    return true;
}

// Moves to position pos of the view (already checked) and shows the record there.
void MoveTo(App& app, AttendFState& st, MainScreen& form, int pos) {
    app.view.CurIndexPos = qint16(pos);
    ShowCurrentEntry(app, form);
    RefreshCaption(app, st, form);
    form.setFocus(kSearchBox);
}

enum class Step { First, Previous, Next, Last };

void Navigate(App& app, AttendFState& st, MainScreen& form, Step step) {
    if (!SaveRecord(app, st, form)) return;
    const CurrentView& v = app.view;
    if (v.ReportCount < 1) {
        form.setFocus(kSearchBox);
        return;
    }
    int pos = v.CurIndexPos;
    switch (step) {
        case Step::First:
            pos = 1;
            break;
        case Step::Last:
            pos = v.ReportCount;
            break;
        case Step::Previous:
        case Step::Next: {
            const bool atEnd = step == Step::Previous ? pos <= 1 : pos >= v.ReportCount;
            if (atEnd) {
                PlaySound(app, QStringLiteral("clunk"));
                form.setFocus(kSearchBox);
                return;
            }
            pos += step == Step::Previous ? -1 : 1;
            break;
        }
    }
    MoveTo(app, st, form, pos);
}

}  // namespace

int EntryOfRecord(const App& app, qint32 n) {
    const CurrentView& v = app.view;
    auto inView = [&](int p) { return p >= 1 && p <= v.ReportCount && p < v.ReportIndex.size(); };
    if (inView(v.CurIndexPos) && v.recordNumberAt(v.CurIndexPos) == n) return v.CurIndexPos;
    for (int p = 1; inView(p); ++p)
        if (v.recordNumberAt(p) == n) return p;
    return 0;
}

QString AttendanceTitle(const AttendFState& st) {
    return st.TotalAttending == 0 ? QString() : QStringLiteral("Attendance: ") + Plain(st.TotalAttending);
}

void RefreshCaption(App& app, AttendFState& st, MainScreen& form, QString title) {
    ShowListCaption(app, form, title);
    const QString count = QStringLiteral("lblTotalAttending");
    if (form.has(count)) form.setText(count, QStringLiteral("Attendance: ") + Plain(st.TotalAttending));
}

bool ShowCurrentEntry(App& app, MainScreen& form) {
    const CurrentView& v = app.view;
    if (v.CurIndexPos < 1 || v.CurIndexPos > v.ReportCount) return false;
    if (!ReadCurrentRecord(app)) return false;
    return ShowRecord(app, form);
}

bool SaveRecord(App& app, AttendFState& st, MainScreen& form) {
    Crusade& c = app.crusade;
    // Only a record of the file is ever written.
    if (c.CurRecNo < 1 || c.CurRecNo > c.RecCount) return false;
    if (!CodesAccepted(app, form)) return false;

    AttendeeRecord r = c.CurRecord;
    CopyBox(form, "FName", r.FName);
    CopyBox(form, "LName", r.LName);
    CopyBox(form, "RNum", r.RNum);
    CopyBox(form, "Address", r.Address);
    CopyBox(form, "City", r.City);
    CopyBox(form, "State", r.State);
    CopyBox(form, "Zip", r.Zip);
    CopyBox(form, "Phone", r.Phone);
    CopyBox(form, "BaptDate", r.BaptDate);
    CopyBox(form, "WorkerCode", r.WorkerCode);
    CopyBox(form, "Visits", r.Visits);
    CopyBox(form, "IntLevel", r.IntLevel);
    CopyBox(form, "BirthDate", r.BirthDate);
    CopyBox(form, "Attendance", r.Attendance);
    r.Attend = Ansi(st.Attend);
    r.Last = st.Last;
    CopyBox(form, "Notes", r.Notes);
    r.Decisions = Ansi(st.Decisions);
    CopyBox(form, "txtEmail", r.Email);
    // The appointment dialog sets the interview box with the appointment code, so that
    // Class and the code agree in the file; an unchanged box keeps the stored value.
    const int interview = form.value(QStringLiteral("Class"));
    if ((interview != 0) != (r.Class != 0)) r.Class = qint16(interview);
    try {
        WriteRecord(app, c.CurRecNo, r);
    } catch (const DuplicateNumber& e) {
        // Another live record holds the number: the box gets the record's own back.
        TellDuplicateNumber(app, e.number);
        form.setText(kRNum, FromAnsi(c.CurRecord.RNum.trimmed()));
        form.focusRefusedBox(kRNum);
        return false;
    }
    c.CurRecord = r;

    if (const int pos = EntryOfRecord(app, c.CurRecNo); pos > 0)
        app.view.ReportIndex[pos] = r.RNum.bytes() + LName5(r) + FName2(r) + RecordNumber4(c.CurRecNo);
    RefreshCaption(app, st, form, QStringLiteral("Attendance: ") + Str(qint64(st.TotalAttending)));
    return true;
}

void Address_LostFocus(MainScreen& form) {
    const QString box = QStringLiteral("Address");
    form.setForeColor(box, kWindowText);
    form.setBold(box, false);
}

void Phone_LostFocus(MainScreen& form) {
    const QString box = QStringLiteral("Phone");
    form.setForeColor(box, kWindowText);
    form.setBackColor(box, kWhite);
    form.setBold(box, false);
}

void IntLevel_Change(App& app, MainScreen& form) {
    fennick::IntLevel_Change(app, form);
}

void Baptized_Click(App& app, MainScreen& form) {
    if (form.value(QStringLiteral("Baptized")) == 1) {
        form.setText(kLevel, QStringLiteral("G"));
        if (Val(form.text(kBaptDate)) == 0) form.setText(kBaptDate, DateMMDDYY(app.clock().today()));
    } else if (Trim(form.text(kLevel)) == QLatin1String("G")) {
        app.dialogs().msgBox(QStringLiteral("Please Enter the Correct Interest Level and Baptismal Date."));
        form.setText(kLevel, QString());
        form.setFocus(kLevel);
    }
}

void BaptDate_DblClick(App& app, MainScreen& form) {
    fennick::BaptDate_DblClick(app, form);
}

bool BaptDate_KeyDown(App& app, MainScreen& form, int keyCode) {
    if (keyCode == kKeyEscape) {
        const auto& date = app.crusade.OrigRecord.BaptDate;
        form.setText(kBaptDate, HasBaptismDate(date.bytes()) ? FromAnsi(date.trimmed()) : QString());
        return true;
    }
    if (keyCode != kKeyPlus && keyCode != kKeyPlusSign && keyCode != kKeyMinus) return false;
    // A box without a valid date is not stepped; the key types nothing either.
    if (const auto stepped = StepDate(form.text(kBaptDate), keyCode == kKeyMinus ? -1 : 1))
        form.setText(kBaptDate, *stepped);
    return true;
}

bool Notes_KeyDown(App& app, MainScreen& form, int keyCode) {
    return fennick::Notes_KeyDown(app, form, keyCode);
}

void Notes_MouseDown(App& app, AttendFState& st) {
    if (st.Nt) {
        const int answer = app.dialogs().msgBox(
            QStringLiteral("Notes entered here are only for data entry items and are not available to visitaton "
                           "teams.") +
                NewLine +
                QStringLiteral("Use the 'Comments/ Prayer Request'  button for information the teams should see."),
            Buttons::OK, Icon::Exclamation, QStringLiteral("Note Box Caution!"));
        app.msg.MsgAnswer = QString::number(answer);
    }
    st.Nt = false;
}

bool RNum_LostFocus(App& app, MainScreen& form) {
    const QString remembered = FromAnsi(app.crusade.CurRecord.RNum.trimmed());
    QString text = Trim(form.text(kRNum));
    if (text == remembered) return true;
    auto refuse = [&] {
        form.setText(kRNum, remembered);
        form.setFocus(kRNum);
        return false;
    };
    if (text.isEmpty()) {
        text = FromAnsi(NextRegNumber(app));
        if (text.isEmpty()) return refuse();  // the numbers are used up; NextRegNumber said so
    }
    const auto number = ParseRegNumber(text);
    if (!number) {
        app.dialogs().msgBox(RegNumberRefusal(text));
        return refuse();
    }
    form.setText(kRNum, *number);
    // The main window shows another record: only this screen's box is put right.
    if (CheckDuplicateRNumOnly(app, Ansi(*number)) == 3) return refuse();
    return true;
}

bool WorkerCode_LostFocus(App& app, MainScreen& form) {
    return fennick::WorkerCode_LostFocus(app, form);
}

void SDAIdent_GotFocus(MainScreen& form) {
    fennick::SDAIdent_GotFocus(form);
}

void Dec_Click(App& app, MainScreen& form, int index) {
    SetDecision(app, index, form);
}

void Attendance_Click(App& app, MainScreen& form) {
    app.program.ScreenMode = QStringLiteral("attend");
    form.setFocus(kSearchBox);
    if (app.hooks.attendFAttendanceUpdate) app.hooks.attendFAttendanceUpdate(form);
}

void Class_MouseUp(App& app, MainScreen& form) {
    if (app.hooks.attendFAppointment) app.hooks.attendFAppointment(form);
}

void btnPrayerRequest_Click(App& app, MainScreen& form) {
    if (app.hooks.attendFPrayerRequest) app.hooks.attendFPrayerRequest(form);
}

void FirstRecordButton_Click(App& app, AttendFState& st, MainScreen& form) {
    Navigate(app, st, form, Step::First);
}
void PreviousRecord_Click(App& app, AttendFState& st, MainScreen& form) {
    Navigate(app, st, form, Step::Previous);
}
void NextRecord_Button_Click(App& app, AttendFState& st, MainScreen& form) {
    Navigate(app, st, form, Step::Next);
}
void LastRecordButton_Click(App& app, AttendFState& st, MainScreen& form) {
    Navigate(app, st, form, Step::Last);
}

}  // namespace fennick::attendf

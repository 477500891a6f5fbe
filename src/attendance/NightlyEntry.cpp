#include "attendance/NightlyEntry.h"

#include "attendance/AttendFState.h"
#include "attendance/AttendOpening.h"
#include "attendance/AttendRecord.h"
#include "attendance/AttendanceMarks.h"
#include "data/App.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "mainwindow/MainScreen.h"
#include "platform/Dialogs.h"

namespace fennick::attendf {

namespace {

const QString kSearchBox = QStringLiteral("SearchBox");
const QString kEntInd = QStringLiteral("EntInd");
const QString kSDAIdent = QStringLiteral("SDAIdent");

enum class Outcome { Hit, Miss, Cancelled };
struct Found {
    Outcome outcome = Outcome::Miss;
    int pos = 0;
};

bool InView(const App& app, int p) {
    return p >= 1 && p <= app.view.ReportCount && p < app.view.ReportIndex.size();
}

// A number finds the first entry with that registration number; five digits or more
// use the last four. No question is asked.
Found NumberSearch(const App& app, const QByteArray& typed) {
    const QByteArray key = typed.size() >= 5 ? Right(typed, 4) : typed;
    for (int p = 1; InView(app, p); ++p)
        if (EqualsNoCase(Left(app.view.ReportIndex[p], 4), key)) return {Outcome::Hit, p};
    return {};
}

// Letters: each entry whose name characters begin with the first three letters is read
// (as a working copy; the record shown stays current) and offered when its last name
// begins with the whole text.
Found NameSearch(App& app, const QByteArray& upper) {
    const QByteArray key = Left(upper, 3);
    for (int p = 1; InView(app, p); ++p) {
        if (!EqualsNoCase(Mid(app.view.ReportIndex[p], 5, 3), key)) continue;
        const qint32 n = app.view.recordNumberAt(p);
        if (n < 1 || n > app.crusade.RecCount) continue;
        const AttendeeRecord rec = ReadRecord(app, n);
        if (Left(AnsiUpper(rec.LName.bytes()), int(upper.size())) != upper) continue;
        const QString question = app.msg.MsgText + NewLine + NewLine + FromAnsi(rec.RNum.bytes()) +
                                 QStringLiteral("   ") + FromAnsi(rec.FName.rtrimmed()) + QStringLiteral(" ") +
                                 FromAnsi(rec.LName.rtrimmed()) + NewLine + FromAnsi(rec.Address.rtrimmed()) +
                                 QStringLiteral(", ") + FromAnsi(rec.City.rtrimmed());
        const int answer = app.dialogs().askAbout(FoundNameControls(), question, Buttons::YesNoCancel, Icon::Question,
                                                  app.msg.MsgTitle);
        app.msg.MsgAnswer = QString::number(answer);
        if (answer == AnsYes) return {Outcome::Hit, p};
        if (answer == AnsCancel) return {Outcome::Cancelled, 0};
    }
    return {};
}

// A text the view does not hold is looked up in the church member list: the first entry
// holding it anywhere is shown as number, first initial and last name.
void MemberSearch(App& app, MainScreen& form, const QByteArray& typed) {
    const Crusade& c = app.crusade;
    if (c.MemberCount <= 0) return;
    for (int i = 1; i <= c.MemberCount && i < c.MemberNames.size(); ++i) {
        const QByteArray& entry = c.MemberNames[i];
        if (InStrNoCase(entry, typed) == 0) continue;
        form.setText(kEntInd, QStringLiteral("SDA"));
        form.setText(kSDAIdent, FromAnsi(Left(entry, 4)) + QStringLiteral(" ") + FromAnsi(Mid(entry, 20, 1)) +
                                    QStringLiteral(". ") + FromAnsi(Mid(entry, 5, 15)));
        PlaySound(app, QStringLiteral("chimes"));
        return;
    }
    PlaySound(app, QStringLiteral("clunk"));
}

// Tonight's decisions: each ticked box of "Decisions to be Entered" ticks the record's
// decision, which records its letter.
void EnterDecisions(App& app, MainScreen& form) {
    for (int i = 0; i < kDecisionCount; ++i) {
        const QString dec = QStringLiteral("Dec(%1)").arg(i);
        if (form.value(QStringLiteral("ED(%1)").arg(i)) != 1 || form.value(dec) == 1) continue;
        form.setValue(dec, 1);
        Dec_Click(app, form, i);
    }
}

// The end of every entry: the record at the current position shown again, the caption
// with the count of names marked, the search box emptied for the next person.
void CloseEntry(App& app, AttendFState& st, MainScreen& form) {
    ShowCurrentEntry(app, form);
    st.Nt = true;
    RefreshCaption(app, st, form, AttendanceTitle(st));
    form.setFocus(kSearchBox);
    form.setText(kSearchBox, QString());
}

void Entry(App& app, AttendFState& st, MainScreen& form) {
    Messages& m = app.msg;
    CurrentView& v = app.view;
    const QString text = form.text(kSearchBox);
    // Enter on an empty box looks for nobody.
    if (text.isEmpty()) {
        form.setFocus(kSearchBox);
        return;
    }
    if (Tonight(app, st, form) == 0) return;
    if (!SaveRecord(app, st, form)) return;

    app.crusade.AddMode = false;
    form.setText(kEntInd, QString());
    form.setText(kSDAIdent, QString());
    m.MsgText = QStringLiteral("Is this the Correct Name?");
    m.MsgTitle = QStringLiteral("Searching for Last Name");
    // The position shown before the search, to come back to when nobody is found.
    const qint16 before = v.CurIndexPos;
    const QByteArray typed = Ansi(text);
    const QByteArray upper = AnsiUpper(typed);

    const Found found = IsNumeric(text) ? NumberSearch(app, typed) : NameSearch(app, upper);
    if (found.outcome == Outcome::Miss) {
        form.setText(kEntInd, QStringLiteral("?"));
        form.setText(kSDAIdent, FromAnsi(upper) + QStringLiteral(" Not in file"));
        MemberSearch(app, form, typed);
        v.CurIndexPos = before;
        m.MsgText = QStringLiteral("NotFound");
    } else if (found.outcome == Outcome::Hit) {
        v.CurIndexPos = qint16(found.pos);
        ShowCurrentEntry(app, form);
        m.MsgText.clear();
        RefreshCaption(app, st, form, QStringLiteral("Attendance: ") + Plain(st.TotalAttending));
        if (MarkTonight(app, st, form)) {
            EnterDecisions(app, form);
            WriteRecord(app, v.recordNumberAt(v.CurIndexPos), app.crusade.CurRecord);
        }
    }
    CloseEntry(app, st, form);
}

void SetVariable(AttendFState& st, MainScreen& form, const QString& name, const QString& text) {
    st.setVariable(name, text);
    if (form.has(name)) form.setText(name, text);
}

}  // namespace

bool MarkTonight(App& app, AttendFState& st, MainScreen& form) {
    const int night = Tonight(app, st, form);
    if (night == 0) return false;
    Crusade& c = app.crusade;
    QByteArray attendance = NormalisedAttendance(Ansi(form.text(QStringLiteral("Attendance"))));
    const bool video = form.value(QStringLiteral("optVid(1)")) == 1;
    if (MarkNight(attendance, night, TonightsMark(st.DecAtt, video, night))) {
        form.setText(kEntInd, QString());
        st.TotalAttending += 1;
        st.MarkedHere.insert(AttendFState::markKey(c.CurRecNo, night));
    } else {
        form.setText(kEntInd, QStringLiteral("E"));
    }
    SetAttendance(c.CurRecord, attendance);
    RaiseLastMeeting(app, night);
    form.setText(QStringLiteral("Attendance"), FromAnsi(c.CurRecord.Attendance.bytes()));
    SetVariable(st, form, QStringLiteral("Attend"), FromAnsi(c.CurRecord.Attend.bytes()));
    SetVariable(st, form, QStringLiteral("Last"), Plain(c.CurRecord.Last));
    return true;
}

bool SearchBox_KeyPress(App& app, AttendFState& st, MainScreen& form, int keyAscii, bool* closeScreen) {
    switch (keyAscii) {
        case kKeyEnter:
            Entry(app, st, form);
            return true;
        case kKeyEscape: {
            const bool close = Exit_Click(app, st, form);
            if (closeScreen) *closeScreen = close;
            return true;
        }
        case kKeyMarkShown:
            MarkTonight(app, st, form);
            return true;
        default:
            return false;
    }
}

}  // namespace fennick::attendf

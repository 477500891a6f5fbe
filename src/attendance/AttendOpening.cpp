#include "attendance/AttendOpening.h"

#include "attendance/AttendFState.h"
#include "attendance/AttendRecord.h"
#include "attendance/AttendanceMarks.h"
#include "data/App.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/RecordDisplay.h"
#include "data/Text.h"
#include "mainwindow/MainLifecycle.h"
#include "mainwindow/MainScreen.h"
#include "mainwindow/Navigation.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Dialogs.h"
#include "views/Indexes.h"

#include <algorithm>
#include <cmath>

namespace fennick {

namespace {

const QString kSearchBox = QStringLiteral("SearchBox");
const QString kMtgNum = QStringLiteral("MtgNum");
const QString kDecLabel = QStringLiteral("lblDecInAtt");
const QString kDecLabelResting = QStringLiteral(
    "Select a circular button to enter the decision into the Attendance Record. For Example: 12-4C-7---");
constexpr BgrColor kLabelGrey = 0xC0C0C0;

QString InvalidMeetingText() {
    return QStringLiteral("The Meeting number you entered is invalid.") + NewLine +
           QStringLiteral("You must select a Meeting Number between 1 and 40");
}

// The box's number when it is a whole night 1..40 (blanks around it allowed); 0 otherwise.
int NightInBox(const MainScreen& form) {
    const QString text = Trim(form.text(kMtgNum));
    if (text.isEmpty() || text.size() > 2) return 0;
    for (QChar ch : text)
        if (!ch.isDigit()) return 0;
    const int n = text.toInt();
    return IsNight(n) ? n : 0;
}

// The main window's record is saved first; an empty view has none.
bool SaveMainRecord(App& app, MainScreen& editForm) {
    return app.view.ReportCount == 0 || SaveCurrentRecord(app, editForm);
}

void RefuseNoNames(App& app) {
    app.dialogs().msgBox(QStringLiteral("There are no names in this crusade to take attendance for.") + NewLine +
                             QStringLiteral("Enter the names on the main window first."),
                         Buttons::OK, Icon::Exclamation);
}

QString DecName(const char* kind, int i) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(kind)).arg(i);
}

void StepNight(App& app, AttendFState& st, MainScreen& form, int step) {
    int n = NightInBox(form);
    if (n == 0) n = st.Night;
    if (IsNight(n + step)) n += step;
    form.setText(kMtgNum, Plain(n));
    // The box is not left: the last meeting waits until a night is marked or the box is left.
    st.Night = qint16(n);
    attendf::RefreshCaption(app, st, form);
    app.dialogs().msgBox(QStringLiteral("You have just changed the meeting number") + NewLine +
                         QStringLiteral("Check that the Live or Video option is correct."));
}

}  // namespace

int MeetingNumberAnswer(const QString& answer) {
    const double v = std::nearbyint(Val(answer));
    if (!std::isfinite(v) || v > kMeetings) return kMeetings + 1;
    if (v < 0) return -1;
    return int(v);
}

void mnuAttendUpdate_Click(App& app, MainScreen& editForm) {
    CurrentView& v = app.view;
    if (v.ReportKind == QLatin1String("alpha") && v.ReportCount == 0) {
        RefuseNoNames(app);
        return;
    }
    const QString answer =
        app.dialogs().input(QStringLiteral("Enter the Meeting Number for which you are updating the Attendance"),
                            QStringLiteral("Nightly Attendance Update"), Plain(app.settings.LastMeeting));
    const int n = MeetingNumberAnswer(answer);
    if (n == 0) return;
    if (!IsNight(n)) {
        app.msg.MsgAnswer = QString::number(app.dialogs().msgBox(InvalidMeetingText(), Buttons::OK, Icon::Critical));
        return;
    }
    const qint16 last = app.settings.LastMeeting;
    if (n > last + 1) {
        app.msg.MsgText = QStringLiteral("The last meeting was: ") + Plain(last) + NewLine +
                          QStringLiteral("The next meeting should be Meeting Number: ") + Plain(last + 1) + NewLine +
                          QStringLiteral("You have entered Meeting Number: ") + Plain(n) + QStringLiteral(".") +
                          NewLine + NewLine + QStringLiteral("Is this what you want to do?");
        if (app.dialogs().msgBox(app.msg.MsgText, Buttons::YesNo, Icon::Question) != AnsYes) return;
    }
    if (!SaveMainRecord(app, editForm)) return;
    if (v.ReportKind != QLatin1String("alpha")) {
        IndexAlpha(app);
        ForgetViewPositions(app);
        if (v.ReportCount > 0) ShowCurrentRecord(app, editForm);
        editForm.setVisible(kSearchBox, true);
        editForm.setVisible(QStringLiteral("SearchBoxLabel"), true);
        editForm.setVisible(QStringLiteral("ShowAll"), false);
    }
    // Nobody to mark: the screen would have no record to show or write.
    if (v.ReportCount == 0) {
        RefuseNoNames(app);
        return;
    }
    app.msg.MsgAnswer = Plain(n);
    if (!app.hooks.showAttendanceScreen) return;
    // The main window goes first, so that the screen shown is the active window.
    editForm.setWindowVisible(false);
    app.hooks.showAttendanceScreen();
}

void btnAttend_Click(App& app, MainScreen& editForm) {
    if (editForm.isVisible(QStringLiteral("ReturnToPreviewMsg")) && app.hooks.closePrintReports)
        app.hooks.closePrintReports();
    mnuAttendUpdate_Click(app, editForm);
}

namespace attendf {

void RaiseLastMeeting(App& app, int night) {
    if (night > app.settings.LastMeeting) app.settings.LastMeeting = qint16(night);
}

int Tonight(App& app, AttendFState& st, MainScreen& form) {
    const int night = NightInBox(form);
    if (night != 0) {
        st.Night = qint16(night);
        return night;
    }
    app.msg.MsgAnswer = QString::number(app.dialogs().msgBox(InvalidMeetingText(), Buttons::OK, Icon::Critical));
    form.setText(kMtgNum, Plain(st.Night));
    return 0;
}

void Form_Load(App& app, AttendFState& st, MainScreen& form) {
    st = AttendFState();
    CrusadeSettings& s = app.settings;
    if (s.LastMeeting == 0) s.LastMeeting = 1;
    st.OrigLastMtg = s.LastMeeting;
    int nn = MeetingNumberAnswer(app.msg.MsgAnswer);
    if (!IsNight(nn)) nn = std::clamp<int>(s.LastMeeting, 1, kMeetings);
    st.NN = qint16(nn);
    st.Night = qint16(nn);
    RaiseLastMeeting(app, nn);
    form.setText(kMtgNum, Plain(nn));
    ClearDecisionCode(st, form);
}

void Form_Activate(App& app, AttendFState& st, MainScreen& form) {
    st.Nt = true;
    QString& mode = app.program.ScreenMode;
    if (mode == QLatin1String("attendupdate") || mode == QLatin1String("Appointment")) {
        // A dialog over the screen wrote into its boxes: they stay until the next save.
        mode = QStringLiteral("attend");
    } else if (!ShowCurrentEntry(app, form)) {
        ShowRecord(app, form);
    }
    RefreshCaption(app, st, form);
    form.setValue(QStringLiteral("optVid(0)"), 1);
    form.setValue(QStringLiteral("optVid(1)"), 0);
    const CrusadeSettings& s = app.settings;
    for (int i = 1; i <= kDecisionCount; ++i) {
        form.setText(DecName("ED", i - 1), s.DecisionNames[size_t(i)]);
        form.setText(DecName("Dec", i - 1), s.DecisionNames[size_t(i)]);
        // Only a code that reads as a mark can be written into the attendance string.
        const QString code = s.DecisionCodes[size_t(i)];
        form.setText(DecName("DecA", i - 1), code);
        form.setEnabled(DecName("DecA", i - 1), IsMarkCode(code));
    }
    if (!IsMarkCode(st.DecAtt)) ClearDecisionCode(st, form);
}

void Form_Deactivate(App& app, AttendFState& st, MainScreen& form) {
    app.program.ScreenMode = QStringLiteral("attend");
    SaveRecord(app, st, form);
}

bool Exit_Click(App& app, AttendFState& st, MainScreen& form) {
    bool saved = false;
    try {
        saved = SaveRecord(app, st, form);
    } catch (const VbError& e) {
        // The crusade's folder went away: nothing is written there any more, and the
        // screen closes all the same, so that the crusade can be closed and its files
        // saved in another folder with the record as the screen held it.
        if (!DataFileLost(app)) throw;
        app.dialogs().msgBox(CommonErrorText(e, kSourceFennick95));
        saved = true;
    }
    if (!saved && app.crusade.CurRecNo >= 1 && app.crusade.CurRecNo <= app.crusade.RecCount) return false;
    ClearDecisionCode(st, form);
    app.program.ScreenMode = QStringLiteral("attend");
    return true;
}

void Form_Unload(App& app, AttendFState& st) {
    if (app.settings.LastMeeting < st.OrigLastMtg) app.settings.LastMeeting = st.OrigLastMtg;
    if (app.hooks.editForm) app.hooks.editForm->setWindowVisible(true);
}

void MtgNum_Change(App& app, AttendFState& st, MainScreen& form) {
    RefreshCaption(app, st, form);
}

bool MtgNum_KeyPress(MainScreen& form, int keyAscii) {
    if (keyAscii != kKeyEnter) return false;
    form.setFocus(kSearchBox);
    return true;
}

bool MtgNum_LostFocus(App& app, AttendFState& st, MainScreen& form) {
    ClearDecisionCode(st, form);
    const int night = Tonight(app, st, form);
    if (night == 0) return false;
    RaiseLastMeeting(app, night);
    form.setText(kMtgNum, Plain(night));
    RefreshCaption(app, st, form);
    return true;
}

void btnVscrollUp_Click(App& app, AttendFState& st, MainScreen& form) {
    StepNight(app, st, form, 1);
}

void btnVScrollDn_Click(App& app, AttendFState& st, MainScreen& form) {
    StepNight(app, st, form, -1);
}

void ClearDecisionCode(AttendFState& st, MainScreen& form) {
    st.DecAtt = QStringLiteral("-");
    for (int i = 0; i < kDecisionCount; ++i) form.setValue(DecName("DecA", i), 0);
    form.setText(kDecLabel, kDecLabelResting);
    form.setBackColor(kDecLabel, kLabelGrey);
}

void DecA_MouseDown(App& app, AttendFState& st, MainScreen& form, int index) {
    if (form.value(DecName("DecA", index)) != 1) return;
    app.msg.MsgText = QStringLiteral("ClearButton");
    ClearDecisionCode(st, form);
}

void DecA_Click(App& app, AttendFState& st, MainScreen& form, int index) {
    Messages& m = app.msg;
    if (index < 0 || index >= kDecisionCount) return;
    const QString code = app.settings.DecisionCodes[size_t(index + 1)];
    if (m.MsgText == QLatin1String("ClearButton") || !IsMarkCode(code)) {
        if (m.MsgText == QLatin1String("ClearButton")) m.MsgText.clear();
        ClearDecisionCode(st, form);
        return;
    }
    st.DecAtt = code;
    for (int i = 0; i < kDecisionCount; ++i) form.setValue(DecName("DecA", i), i == index ? 1 : 0);
    m.MsgText = QStringLiteral("For Example: ---") + code + QStringLiteral("---");
    form.setText(kDecLabel, app.settings.DecisionNames[size_t(index + 1)] + QStringLiteral(" will be entered as '") +
                                code + QStringLiteral("' into the Attendance Record.") + NewLine + m.MsgText);
    form.setBackColor(kDecLabel, kHighlightColour);
    form.setFocus(kSearchBox);
}

void ED_Click(MainScreen& form) {
    form.setFocus(kSearchBox);
}

}  // namespace attendf
}  // namespace fennick

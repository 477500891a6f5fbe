#include "attendance/AttendanceEditor.h"

#include "attendance/AttendanceMarks.h"
#include "attendance/EditingTarget.h"
#include "data/App.h"
#include "data/DataStore.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "platform/Dialogs.h"

#include <algorithm>

namespace fennick {

namespace {

const QString kTitle = QStringLiteral("Attendance Update");
const QString kSave = QStringLiteral("ExitAttendUpdate");
const QString kCancel = QStringLiteral("CancelAttendUpdate");

char NightDigit(int night) {
    return char('0' + night % 10);
}

}  // namespace

AttendanceEditor::AttendanceEditor(App& app, EditingTarget& target) : app_(app), target_(target) {}

QString AttendanceEditor::optionCaption(int i) const {
    if (i < 1 || i > kDecisionOptions) return QString();
    const CrusadeSettings& s = app_.settings;
    return s.DecisionNames[size_t(i)] + QStringLiteral(" (") + s.DecisionCodes[size_t(i)] + QStringLiteral(")");
}

bool AttendanceEditor::optionUsable(int i) const {
    return i >= 1 && i <= kDecisionOptions && IsMarkCode(app_.settings.DecisionCodes[size_t(i)]);
}

int AttendanceEditor::lastMeeting() const {
    return std::clamp<int>(app_.settings.LastMeeting, 0, kNights);
}

void AttendanceEditor::Form_Load() {
    lblName = target_.name();
    Attendance = RTrim(target_.attendance());
    loaded_ = Attendance;
    Last = Plain(target_.last());
    Attend = target_.attend();
    AttendRecord = Attendance;
}

void AttendanceEditor::Form_Activate() {
    PlaySound(app_, QStringLiteral("laser"));
}

QString AttendanceEditor::ToggleNight(int night) {
    const char mark = IsMarkCode(ADec) ? ADec.at(0).toLatin1() : NightDigit(night);
    QByteArray a = Ansi(Attendance);
    fennick::ToggleNight(a, night, mark);
    AttendRecord = FromAnsi(a);
    return AttendRecord;
}

bool AttendanceEditor::Recounted(QByteArray attendance) {
    qint16 last = 0;
    const int count = CountAttendance(attendance, last);
    if (count == 0) {
        app_.msg.MsgAnswer = QString::number(app_.dialogs().msgBox(
            QStringLiteral("You must show at least one meeting attended."), Buttons::OK, Icon::Critical, kTitle));
        focus = kSave;
        return false;
    }
    Attendance = FromAnsi(attendance);
    Attend = Plain(count);
    Last = Plain(last);
    return true;
}

void AttendanceEditor::ATD_Click(int index) {
    const int night = index + 1;
    if (!IsNight(night)) return;
    if (night > lastMeeting()) {
        app_.msg.MsgAnswer = QString::number(app_.dialogs().msgBox(
            QStringLiteral("The Meeting Number you have entered is greater than the Last Meeting Number.") + NewLine +
                QStringLiteral("You can change the Last Meeting Number on the File Prefrences Menu."),
            Buttons::OK, Icon::Information, kTitle));
        focus = kSave;
        return;
    }
    if (Recounted(Ansi(ToggleNight(night)))) focus = kCancel;
}

void AttendanceEditor::Attendance_Click() {
    app_.dialogs().msgBox(
        QStringLiteral("You cannot edit the attendance record directly, you must use the buttons "
                       "below for changing the attendance."));
    focus = kSave;
}

void AttendanceEditor::btnFill_Click() {
    const int answer =
        app_.dialogs().msgBox(QStringLiteral("Do you want to fill the attendance record up to the last meemting?"),
                              Buttons::YesNo, Icon::Critical, QStringLiteral("Fill the Attendance Record "));
    app_.msg.MsgAnswer = QString::number(answer);
    focus = kSave;
    if (answer == AnsNo) return;
    QByteArray a = NormalisedAttendance(Ansi(Attendance));
    for (int night = 1; night <= lastMeeting(); ++night) MarkNight(a, night, NightDigit(night));
    // Count and last night come from the recount: nights marked after the last meeting
    // still count.
    Recounted(a);
}

void AttendanceEditor::btnClearAttend_Click() {
    const int answer =
        app_.dialogs().msgBox(QStringLiteral("Do you want to erase the attendance record up to the last meemting?"),
                              Buttons::YesNo, Icon::Critical, QStringLiteral("Fill the Attendance Record "));
    app_.msg.MsgAnswer = QString::number(answer);
    focus = kSave;
    if (answer == AnsNo) return;
    const int lm = lastMeeting();
    QByteArray a = NormalisedAttendance(Ansi(Attendance));
    for (int night = 1; night < lm; ++night) ClearNight(a, night);
    MarkNight(a, lm, NightDigit(lm));
    Recounted(a);
}

void AttendanceEditor::optAtDe_MouseDown(int index) {
    testChange = index == chosenOption;
}

void AttendanceEditor::optAtDe_MouseUp(int index) {
    Messages& m = app_.msg;
    if (testChange || !optionUsable(index)) {
        chosenOption = 0;
        ADec.clear();
        m.MsgText = QStringLiteral("Click to show Decision Code Instead of Number");
        lblDecision = m.MsgText;
        lblDecisionHighlighted = false;
    } else {
        chosenOption = index;
        ADec = app_.settings.DecisionCodes[size_t(index)];
        m.MsgText = QStringLiteral("'") + ADec + QStringLiteral("' will show in Attendance Record Instead of Number");
        lblDecision = m.MsgText;
        lblDecisionHighlighted = true;
    }
    focus = kSave;
}

void AttendanceEditor::ExitAttendUpdate_Click() {
    target_.setAttendance(Attendance);
    target_.setAttend(Attend);
    target_.setLast(int(Val(Last)));
    app_.program.ScreenMode = QStringLiteral("attendupdate");
}

void AttendanceEditor::CancelAttendUpdate_Click() {
    app_.program.ScreenMode = QStringLiteral("attendupdate");
}

bool AttendanceEditor::leftBy(const RecordScreen& screen, qint32 shown) const {
    return target_.leftBy(screen, shown) || RTrim(target_.attendance()) != loaded_;
}

}  // namespace fennick

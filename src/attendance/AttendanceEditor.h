#pragma once
// The per-record attendance editor without its display: it corrects the attendance of
// the record its target shows night by night, through the attendance marks: a click on a
// night up to the last meeting toggles it between absent and the night's digit (or the
// decision code chosen with its options), All marks every night up to the last meeting
// and Clear leaves only the last meeting. Count and last night always come from the
// recount, and no change may leave the record without a night attended. Save writes the
// string, count and last night into the target; the screen saves the record by its own
// rules. When the target's screen shows another record the editor closes without writing.
// After each of its messages the focus is on Save.

#include <QString>

namespace fennick {

class App;
class EditingTarget;
class RecordScreen;

class AttendanceEditor {
public:
    static constexpr int kNights = 40;
    static constexpr int kDecisionOptions = 9;  // optAtDe(1..9)

    AttendanceEditor(App& app, EditingTarget& target);

    // The caption of optAtDe(i), i = 1..9, and whether its code can stand in the
    // attendance string (one letter other than "V").
    QString optionCaption(int i) const;
    bool optionUsable(int i) const;

    void Form_Load();
    // The window coming forward, not from one of the editor's own messages.
    void Form_Activate();
    void ATD_Click(int index);
    void Attendance_Click();
    void btnFill_Click();
    void btnClearAttend_Click();
    void optAtDe_MouseDown(int index);
    void optAtDe_MouseUp(int index);
    void ExitAttendUpdate_Click();
    void CancelAttendUpdate_Click();

    // Showing record `shown` on `screen` moves the editor's screen off its record, or
    // shows its record with an attendance other than the one the editor loaded (the person
    // entered again on the attendance screen): what the editor holds would undo it.
    bool leftBy(const RecordScreen& screen, qint32 shown) const;

    // What the window shows: the string with its count and last night (the labels
    // Attendance, Attend, Last), the name, the decision option chosen (0 for none), the
    // decision label with its highlight, and the control that is to get the focus.
    QString Attendance;
    QString Attend;
    QString Last;
    QString lblName;
    int chosenOption = 0;
    QString lblDecision = QStringLiteral("Click to show Decision Code Instead of Meeting Number");
    bool lblDecisionHighlighted = false;
    QString focus;

    // The form's variables: the string being changed, the decision code to write instead
    // of the night's digit (empty for none), and whether the option under the mouse was
    // already chosen when the button went down.
    QString AttendRecord;
    QString ADec;
    bool testChange = false;

private:
    QString ToggleNight(int night);
    // Shows the string with its recount; false, after the refusal, when no night is left.
    bool Recounted(QByteArray attendance);
    int lastMeeting() const;

    App& app_;
    EditingTarget& target_;
    QString loaded_;  // the attendance string as the screen showed it at loading
};

}  // namespace fennick

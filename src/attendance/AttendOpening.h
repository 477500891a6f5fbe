#pragma once
// The attendance screen's life and its evening settings: the main window's commands that
// open it for one meeting night, loading, activation, deactivation, Done and unloading,
// the meeting number box with its arrows, the decision code written as tonight's mark
// (DecA) and the Live and Video options.
//
// The screen is reached by control name (AttendF's own names: "MtgNum", "DecA(0)",
// "optVid(1)", ...); its variables are in AttendFState. The window turns its events into
// these calls.

#include <QString>

namespace fennick {

class App;
class MainScreen;
struct AttendFState;

// The number the opening command asks for: the answer's numeric value rounded to a whole
// number, 0 for an empty answer or a text without a leading number. Values too large for
// a meeting number come back as 41.
int MeetingNumberAnswer(const QString& answer);

// Tools, Attendance Update Form on the main window: asks for the meeting number, saves
// the main window's record, makes the view alphabetical, leaves the number in MsgAnswer,
// shows the attendance screen and hides the main window. A crusade without a live record
// opens no screen (a message says why).
void mnuAttendUpdate_Click(App& app, MainScreen& editForm);
// The main window's Attend button: a record opened from the report window closes that
// window first; then as the menu item.
void btnAttend_Click(App& app, MainScreen& editForm);

namespace attendf {

// The screen's view of the night: the MtgNum box's number when it is a night 1..40;
// otherwise the message that refuses it, the box gets the last valid number back and 0
// is returned. LastMeeting is left as it is.
int Tonight(App& app, AttendFState& st, MainScreen& form);
// LastMeeting rises to night when it is below it. The screen raises it at loading, when
// the meeting number box is left and when a night is marked; the arrows beside the box
// only change the box.
void RaiseLastMeeting(App& app, int night);

void Form_Load(App& app, AttendFState& st, MainScreen& form);
void Form_Activate(App& app, AttendFState& st, MainScreen& form);
void Form_Deactivate(App& app, AttendFState& st, MainScreen& form);
// Done (and Esc in the search box). Returns true when the screen is to unload; a refused
// save keeps it open with the box to correct. A save refused because the crusade's folder
// went away is told, and the screen unloads.
bool Exit_Click(App& app, AttendFState& st, MainScreen& form);
// After the screen unloaded: LastMeeting back to at least its value at opening, the
// main window shown.
void Form_Unload(App& app, AttendFState& st);

// Every change of the meeting number box.
void MtgNum_Change(App& app, AttendFState& st, MainScreen& form);
// Enter moves to the search box; returns true when the key was taken.
bool MtgNum_KeyPress(MainScreen& form, int keyAscii);
// A whole number 1..40 is taken (LastMeeting rises to it); anything else is refused and
// the box gets its number back. Either way the decision code must be chosen again.
// Returns false when the box was refused.
bool MtgNum_LostFocus(App& app, AttendFState& st, MainScreen& form);
void btnVscrollUp_Click(App& app, AttendFState& st, MainScreen& form);
void btnVScrollDn_Click(App& app, AttendFState& st, MainScreen& form);

// The decision options: a press on the option already chosen takes the code off; the
// click that follows chooses the option's code, or finishes taking it off.
void DecA_MouseDown(App& app, AttendFState& st, MainScreen& form, int index);
void DecA_Click(App& app, AttendFState& st, MainScreen& form, int index);
// No code chosen: the options clear and the explanation shows its resting text.
void ClearDecisionCode(AttendFState& st, MainScreen& form);
// A click on a tonight's-decision box hands the focus back to the search box.
void ED_Click(MainScreen& form);

}  // namespace attendf
}  // namespace fennick

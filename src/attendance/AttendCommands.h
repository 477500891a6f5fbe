#pragma once
// Three commands of the attendance screen on the person shown: Undo takes tonight's mark
// out again and offers to take back tonight's decisions, Global Search finds anyone in the
// data file (a deleted record may be restored) and marks them present, and the member
// button moves a church member from the attendee file to the church member list.

namespace fennick {

class App;
class MainScreen;
struct AttendFState;

namespace attendf {

void Undo_Click(App& app, AttendFState& st, MainScreen& form);
void btnGlobal_Click(App& app, AttendFState& st, MainScreen& form);
void MoveToSDA_Click(App& app, AttendFState& st, MainScreen& form);

}  // namespace attendf
}  // namespace fennick

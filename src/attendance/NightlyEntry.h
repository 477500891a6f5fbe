#pragma once
// The nightly entry of the attendance screen: a registration number or the first letters
// of a last name typed into the search box and Enter find the person in the view (or in
// the church member list), mark tonight, record tonight's decisions and write the record.

namespace fennick {

class App;
class MainScreen;
struct AttendFState;

namespace attendf {

// The key code no keyboard sends: tonight is marked on the shown record (the global
// search's hit), nothing is written.
inline constexpr int kKeyMarkShown = 999;

// Enter runs the entry, Esc is Done, 999 marks the shown record. Returns true when the
// key was taken (every other key is typed as usual). closeScreen is set when Esc
// unloaded the screen.
bool SearchBox_KeyPress(App& app, AttendFState& st, MainScreen& form, int keyAscii, bool* closeScreen = nullptr);

// Tonight's mark on the shown record: the Attendance box, the variables Attend and Last
// and CurRecord follow; EntInd tells whether the night was marked before ("E"), and a
// new mark counts in TotalAttending; LastMeeting rises to the night. Nothing is written.
// Returns false when the meeting number box holds no night.
bool MarkTonight(App& app, AttendFState& st, MainScreen& form);

}  // namespace attendf
}  // namespace fennick

#pragma once
// The attendance screen's record: storing the screen into the record (SaveRecord), the
// rules of its boxes, and the buttons that step through the view. The boxes are named like
// the record's fields; Attend, Decisions and Last are the screen's variables.

#include <QString>
#include <QtGlobal>

namespace fennick {

class App;
class MainScreen;
struct AttendFState;

namespace attendf {

// Key codes the boxes react to.
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeyPlus = 187;   // "=" and "+" of the main keyboard
inline constexpr int kKeyPlusSign = 43;
inline constexpr int kKeyMinus = 189;

// Stores the screen into CurRecord, writes it at CurRecNo, re-keys its entry of the
// alphabetical view and refreshes the caption. A registration number or team code the
// boxes would refuse is refused here with their message (false, nothing stored), and so
// is a number another live record holds (the RNum box gets the record's own back); a
// record number outside the file writes nothing (false).
bool SaveRecord(App& app, AttendFState& st, MainScreen& form);

// The record counter and caption for the current view; the count of names marked is
// shown beside them. An empty title takes the view's own.
void RefreshCaption(App& app, AttendFState& st, MainScreen& form, QString title = QString());
// "Attendance: " and the count of names marked (empty while none is).
QString AttendanceTitle(const AttendFState& st);
// The view entry that names record n: the current position when it does, otherwise the
// first entry with that record number; 0 when the view holds none.
int EntryOfRecord(const App& app, qint32 n);
// Reads the record at CurIndexPos and shows it; false when the view names none.
bool ShowCurrentEntry(App& app, MainScreen& form);

void Address_LostFocus(MainScreen& form);
void Phone_LostFocus(MainScreen& form);
void IntLevel_Change(App& app, MainScreen& form);
void Baptized_Click(App& app, MainScreen& form);
void BaptDate_DblClick(App& app, MainScreen& form);
// Esc, "+" and "-" in the baptism date box; true when the key was taken.
bool BaptDate_KeyDown(App& app, MainScreen& form, int keyCode);
// True when the key is refused (Enter, a comma); the messages of a full box come first.
bool Notes_KeyDown(App& app, MainScreen& form, int keyCode);
void Notes_MouseDown(App& app, AttendFState& st);
// Returns false when the box's number was refused (it gets the record's number back).
bool RNum_LostFocus(App& app, MainScreen& form);
bool WorkerCode_LostFocus(App& app, MainScreen& form);
void SDAIdent_GotFocus(MainScreen& form);
void Dec_Click(App& app, MainScreen& form, int index);
void Attendance_Click(App& app, MainScreen& form);
void Class_MouseUp(App& app, MainScreen& form);
// The prayer-request button and menu item.
void btnPrayerRequest_Click(App& app, MainScreen& form);

void FirstRecordButton_Click(App& app, AttendFState& st, MainScreen& form);
void PreviousRecord_Click(App& app, AttendFState& st, MainScreen& form);
void NextRecord_Button_Click(App& app, AttendFState& st, MainScreen& form);
void LastRecordButton_Click(App& app, AttendFState& st, MainScreen& form);

}  // namespace attendf
}  // namespace fennick

#pragma once
// The event procedures of the main window's field boxes: what a box does when it gets the
// focus, when a key goes down or a character is typed in it, when it changes or is
// clicked, and when it loses the focus. The window wires its events to these functions
// and reaches nothing else; the rules on the text itself are in FieldRules.
//
// Key codes are the classic virtual-key codes (the window maps its keys to them), with
// the shift state as a mask (1 Shift, 2 Ctrl, 4 Alt). A KeyDown or KeyPress function
// that returns true has handled the key: the window does not pass it on to the box.
// A key pressed with Ctrl or Alt is a menu shortcut and is never taken by a box.
//
// The window reports a loss of focus only when the focus really moves to another control
// of the window (not when a dialog opens over it).

#include <QChar>
#include <QString>

namespace fennick {

class App;
class MainScreen;

namespace vk {
inline constexpr int Back = 8, Tab = 9, Enter = 13, Shift = 16, Control = 17, Alt = 18, CapsLock = 20, Escape = 27,
                     PageUp = 33, PageDown = 34, Delete = 46, F2 = 113, F3 = 114, Plus = 187, Comma = 188, Minus = 189;
inline constexpr int ShiftMask = 1, CtrlMask = 2, AltMask = 4;
}  // namespace vk

// --- Every field box -----------------------------------------------------------------------

// Selects the box's text and, in add mode, highlights it (RNum, RelPref, Advertising,
// MailList, WorkerCode, MapCode and IntLevel have their own ways).
void FieldGotFocus(App& app, MainScreen& screen, const QString& box);
// Runs the box's own leave rule and takes the add-mode highlight off. Returns false when
// the rule refused the box's text (after its message; the box holds an accepted text).
bool FieldLostFocus(App& app, MainScreen& screen, const QString& box);
// Enter to the next box, F2 and F3 (add mode) copying from the name entered before, Esc
// back to the record as shown, PgUp and PgDn saving and moving, and the keys of the date,
// visit, church and notes boxes.
bool FieldKeyDown(App& app, MainScreen& screen, const QString& box, int keyCode, int shift);
// Characters typed in the boxes that react to them (Age, MailList, RelPref, MtgNum).
bool FieldKeyPress(App& app, MainScreen& screen, const QString& box, QChar ch);

// --- Names, address, zip, city, state, telephone ------------------------------------------------

void FName_LostFocus(App& app, MainScreen& screen);
void Address_LostFocus(App& app, MainScreen& screen);
// The zip is normalised and looked up in the zip table; a zip not in the table leaves
// the "NotSaved" marker after the last entry for the city box.
void Zip_LostFocus(App& app, MainScreen& screen);
// Makes the table entry of a new zip, or checks the city of a known one.
void City_LostFocus(App& app, MainScreen& screen);
void State_LostFocus(App& app, MainScreen& screen);
void Phone_LostFocus(App& app, MainScreen& screen);

// --- Number, team, categories -----------------------------------------------------------

void RNum_GotFocus(App& app, MainScreen& screen);
// The leave rules that can refuse the box's text return false when they did.
bool RNum_LostFocus(App& app, MainScreen& screen);
bool WorkerCode_LostFocus(App& app, MainScreen& screen);
// On every change of the box.
void IntLevel_Change(App& app, MainScreen& screen);
bool RelPref_KeyDown(App& app, MainScreen& screen, int keyCode);
// Every character is taken: the box completes the typed beginning from its list.
bool RelPref_KeyPress(App& app, MainScreen& screen, QChar ch);
void RelPref_LostFocus(App& app, MainScreen& screen);
// The character stays in the box; the focus moves on.
bool Age_KeyPress(App& app, MainScreen& screen, QChar ch);
bool Age_LostFocus(App& app, MainScreen& screen);
void MailList_LostFocus(App& app, MainScreen& screen);
void txtEmail_LostFocus(App& app, MainScreen& screen);

// --- Dates, decisions, visits, advertising, notes, meeting ----------------------------------

// "+" and "-" step the date by a day (a box without a valid date stays as it is, and the
// key is taken all the same); "P" puts in the preset baptism date.
bool BaptDate_KeyDown(App& app, MainScreen& screen, int keyCode, int shift);
void BaptDate_Change(App& app, MainScreen& screen);
void BaptDate_LostFocus(App& app, MainScreen& screen);
void BaptDate_DblClick(App& app, MainScreen& screen);
void BirthDate_Change(App& app, MainScreen& screen);
void Baptized_Click(App& app, MainScreen& screen);
// Any mouse button released over the interview box opens the appointment dialog.
void Class_MouseUp(App& app);
void Dec_MouseUp(App& app, MainScreen& screen, int index);
bool Visits_KeyDown(App& app, MainScreen& screen, int keyCode, int shift);
void Visits_LostFocus(App& app, MainScreen& screen);
void boxVisitInterest_Change(MainScreen& screen);
void boxVisitVisits_LostFocus(App& app, MainScreen& screen);
void Advertising_GotFocus(App& app, MainScreen& screen);
void Advertising_LostFocus(App& app, MainScreen& screen);
void Attendance_Click(App& app, MainScreen& screen);
bool Notes_KeyDown(App& app, MainScreen& screen, int keyCode);
void Notes_MouseDown(App& app);
void Notes_DblClick(App& app);
bool MtgNum_KeyPress(App& app, MainScreen& screen, QChar ch);
bool MtgNum_LostFocus(App& app, MainScreen& screen);
// Tools, View Prayer List: the crusade's prayer-request journal opened by the desktop;
// the user is told when there is none or it could not be opened.
void mnuViewPrayerList_Click(App& app);

}  // namespace fennick

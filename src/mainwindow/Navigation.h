#pragma once
// Moving the main window through the current view and finding people: the navigation
// buttons with their jump to the next key group, Page Up and Page Down, the mark and Go
// To, the search box (registration number or last name, then the church member list),
// the global search over every record of the data file, the return to all names, and the
// repair commands of the File and Tools menus.
//
// The window wires its events to these functions. Every command that shows another
// record first saves the record on the screen; a refused save stops the command.

#include <QList>

namespace fennick {

class App;
class MainScreen;
struct AttendeeRecord;

// Key codes of the keys handled here.
inline constexpr int kKeyPageUp = 33;
inline constexpr int kKeyPageDown = 34;
inline constexpr int kKeyF2 = 113;
inline constexpr int kKeyEquals = 187;  // the equals-sign key of the main keyboard
// Characters of the search box.
inline constexpr int kCharEnter = 13;
inline constexpr int kCharMinus = 45;
// Mouse buttons as the events report them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;

// The mark and the position shown before the last move name positions of one view; a
// rebuilt view clears them (no mark, back to the first position).
void ForgetViewPositions(App& app);

// Navigation buttons: 0 first, 1 previous, 2 next, 3 last (their click is ChgRec_Click).
// The right button on the previous or next button jumps to the neighbouring group of the
// view's sort key (the previous group's last entry, the next group's first entry); on the
// first or last button it shows the record again, except at either end of the view.
void ChgRec_MouseUp(App& app, MainScreen& form, int index, int button);
// Page Up and Page Down on a navigation button.
void ChgRec_KeyDown(App& app, MainScreen& form, int keyCode);

// Remembers the position shown (and shows its last name in FndNameBx).
void btnMark_Click(App& app, MainScreen& form);
// Returns to the mark, else to the position shown before the last move.
void btnGoTo_Click(App& app, MainScreen& form);

// Page Up, Page Down, F2 (copy the record in add mode) and "=" (global search).
void SearchBox_KeyDown(App& app, MainScreen& form, int keyCode);
// Minus steps to the next record; Enter searches for the box's text. Returns the
// character the box is to take (0 for none).
int SearchBox_KeyPress(App& app, MainScreen& form, int keyAscii);

// Searches the text of every record, deleted ones too, and shows the one the user
// chooses; a deleted record can be restored.
void mnuGlobal_Click(App& app, MainScreen& form);

// Offers record r of records (the whole data file, in file order), a deleted one, for
// restoring. On Yes it gets an entry at the end of the view (registration number, the
// first three letters of the last name, the record number) and true is returned, unless a
// live record holds its registration number meanwhile: that is refused with a message.
bool RestoreDeleted(App& app, const QList<AttendeeRecord>& records, qint32 r);

// All names in alphabetical order, with the full menus and button bar.
void ShowAll_Click(App& app, MainScreen& form);
void mnuAllAlpha_Click(App& app, MainScreen& form);

// The visit frame's entries go into the interest level and visits of the screen.
void btnVisitUpdate_Click(MainScreen& form);

// File, Fix the File: the repair pass, then all names from the first.
void mnuFixFile_Click(App& app, MainScreen& form);
// Tools, Clear Interest Card Flag: the repair pass clearing every CardPrinted as well.
void mnuClearIntFlag_Click(App& app, MainScreen& form);

}  // namespace fennick

#pragma once
// Deleting names on the main window (the team code "##" marks a record deleted; it stays
// in the data file until the file is compacted), the church-member variant that also
// adds the person to the host church's member list, the view of the deleted records with
// its restore button, and undo of the changes typed into the shown record.
//
// The window wires its events to these functions.

#include <QString>

namespace fennick {

class App;
class MainScreen;

// The title that puts the delete in church-member mode (21 blanks, then the words).
inline const QString kRemoveSdaTitle = QString(21, u' ') + QStringLiteral("Remove SDA Names");
// Left in MsgAnswer by the right button on btnSDA: the click that follows does nothing.
inline const QString kRightClick = QStringLiteral("right click");

// Marks the shown record deleted and takes it out of the view, after two confirmations
// (one in church-member mode, which also adds the person to the member list). Refused
// while the attendance screen is loaded and for the only name of the view or the file;
// does nothing while a new name of add mode is on screen.
void mnuDeleteRecord_Click(App& app, MainScreen& form);
// The delete, then the search box, or the return to the report window's preview when
// the record was opened from it (the search box is then hidden).
void btnDelete_Click(App& app, MainScreen& form);
// Asks, then deletes in church-member mode.
void btnSDA_Click(App& app, MainScreen& form);

// Shows the deleted records with the restore button and the way back to all names.
void munUndeleteRec_Click(App& app, MainScreen& form);
// Gives the shown deleted record the team "00" and writes it; refused when a live record
// holds its registration number. Outside the deleted records' view it opens that view.
void btnUndelete_Click(App& app, MainScreen& form);

// Throws away what was typed into the shown record: the screen shows the record as the
// data file holds it. A new name of add mode is blanked for entering again.
void mnuUndo_Click(App& app, MainScreen& form);
void btnUndo_Click(App& app, MainScreen& form);

}  // namespace fennick

#pragma once
// The rules of the zip-code editor "Zip Codes" over a typed form. The window (EditZip)
// copies its boxes into a ZipForm, calls one procedure, and shows the form again: boxes,
// caption, which buttons stand (Adding), and the focus the procedure asked for. The tests
// drive the same procedures without a window.
//
// The editor browses entries 1..ZipCount (CurIdx stays within them), edits the shown entry
// in place, appends new entries (adding), searches and sorts. The table reaches its file
// when the crusade is closed.
//
// Every write into an entry goes through one check: a team code box holds "00" to "40"
// (one digit gets a leading "0", an empty box is "00") and a state box at most two
// characters; anything else is refused with a message before it reaches an entry. A box
// still showing what its entry holds is written back as it stands.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace fennick {

class App;
class MainScreen;

struct ZipForm {
    // Boxes, as shown or typed.
    QString Zip;
    QString State;
    QString WorkerCode;
    QString City;
    QString NumberAddresses;  // display only
    QString RCounter;
    QString Caption;  // the window's caption
    QString Label2;   // the heading, with " (Canadian)" when Canadian codes are in use
    int SortOpt = 0;  // the sort option chosen: 0 by zip, 1 by city, 2 by count

    // The window's state. While Adding, AddZip, AddZipLbl, Search and SearchLbl are hidden
    // and Edit and EditLbl stand; otherwise the other way round.
    qint16 CurIdx = 1;
    bool Adding = false;
    QByteArray OldEntry;  // the entry as last shown or written

    // Asked of the window by the last procedure; the window meets and clears them.
    QString Focus;                // the control to receive the focus
    bool SelectTeamCode = false;  // the team code box's whole text selected

    // Set by the window: shows the form as it stands, for a procedure that asks the user
    // about the entry it has just put into the boxes.
    std::function<void()> ShowNow;
};

// The names of the window's controls, each once: boxes, labels, buttons, the sort frame
// and its options "SortOpt(0)".."SortOpt(2)".
const QStringList& EditZipControls();

// Key codes handled by the team code box.
inline constexpr int kZipKeyReturn = 13;
inline constexpr int kZipKeyPageUp = 33;
inline constexpr int kZipKeyPageDown = 34;

// Edit > "Assign ZipCodes" and Tools > "Team Assignments": the shown record is saved, then
// the editor opens beside its totals window (hooks.showZipEditor). An empty table gets
// "There are no zipcodes in the file to edit." instead.
void mnuZipCodes_Click(App& app, MainScreen& form);

// Opening: the table sorted by zip, entry 1 shown, the heading set; with Canadian codes on
// and the question still due, the user confirms them once (No turns them off).
void EditZip_Load(App& app, ZipForm& form);
// Each activation of the window.
void EditZip_Activate(App& app);

// Shows entry CurIdx (held to 1..ZipCount) in the boxes, then the counter and caption.
void ShowZipRecord(App& app, ZipForm& form);
// Writes the boxes into entry CurIdx (its count kept). While adding nothing is written:
// the boxes hold the entry being typed. False when a box was refused (after the message;
// the box shows the entry's value again and has the focus).
bool SaveZipChanges(App& app, ZipForm& form);
void UpdateZipCaption(App& app, ZipForm& form);

// The record buttons: each first keeps the shown entry (while adding, the typed entry is
// dropped and adding ends), then moves; Next on the last entry and Previous on the first
// play "clunk" and stay.
void FirstRecordButton_Click(App& app, ZipForm& form);
void PreviousRecord_Click(App& app, ZipForm& form);
void NextRecord_Button_Click(App& app, ZipForm& form);
void LastRecordButton_Click(App& app, ZipForm& form);

// Adding: AddZip empties the zip, city and state boxes (the team code stays); the State
// box's lost focus appends the typed entry, with a count of 0, and asks "Add Another
// Record?": Yes or Cancel go on, No ends adding on the new entry. Nothing is appended while
// the zip box is blank, and not past 2000 entries. Edit ends adding.
void AddZip_Click(App& app, ZipForm& form);
void State_LostFocus(App& app, ZipForm& form);
void Edit_Click(App& app, ZipForm& form);

// Search: the text asked for is looked for in entries 1..ZipCount, case ignored; each entry
// holding it is shown, then offered with "Correct Record?" (Yes keeps it, Cancel stops, No
// goes on).
// An empty or cancelled answer does nothing.
void Search_Click(App& app, ZipForm& form);
// A sort option: the shown entry kept, the table sorted, entry 1 shown.
void SortOpt_Click(App& app, ZipForm& form, int index);

// The team code box: Enter keeps the code (the leave rule below) and moves to the city,
// Page Up is Previous, Page Down keeps the code and is Next, staying in the box. True when
// the key was taken. totalsChanged is set when a team code of the table changed.
bool WorkerCode_KeyDown(App& app, ZipForm& form, int keyCode, bool& totalsChanged);
// Leaving the team code box: a code that differs from the entry's is written into the
// entry at once. True when it changed a team code (the totals are shown again).
bool WorkerCode_LostFocus(App& app, ZipForm& form);

// Print and Update File keep the shown entry first.
void PrintZips_Click(App& app, ZipForm& form);
void AssignNames_Click(App& app, ZipForm& form);

// Edit Team Names: the preferences dialog on its team names, modal (hooks.editTeamNames).
// True when it ran: the totals show the names again.
bool btnEditTeamNames_Click(App& app);

// Close: the shown entry is kept. False when a box was refused: the window stays open.
bool CoseForm_Click(App& app, ZipForm& form);

}  // namespace fennick

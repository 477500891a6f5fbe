#pragma once
// The rules of the church member list window (Members) over a typed form. The window
// copies its three boxes into a MemberForm, calls one procedure and shows the form again:
// boxes, title, counter, caption, which buttons stand (Adding) and the focus asked for.
//
// The window browses MemberNames 1..MemberCount, edits the entry shown, adds entries and
// deletes them. Every entry stored reaches the member file at once, written whole
// (never a member file that could not be read, and never another crusade's). A new entry
// left empty is dropped, never stored or written.

#include <QByteArray>
#include <QString>

#include <functional>

namespace fennick {

class App;
class MainScreen;

struct MemberForm {
    // Boxes, as shown or typed.
    QString RNum;
    QString LName;
    QString FName;
    QString MemTitleBox;
    QString RCounter;
    QString Caption;  // the window's caption

    // While Adding, Edit and EditLbl stand; otherwise AddMem and AddMemLbl.
    qint16 CurIdx = 1;
    bool Adding = false;
    QByteArray OldEntry;  // the entry as last shown or stored; empty for a new one
    QString DataFile;     // the crusade the window was loaded from

    // Asked of the window by the last procedure; the window meets and clears it.
    QString Focus;

    // Set by the window: shows the form as it stands, for a procedure that asks the user
    // about the entry it has just put into the boxes.
    std::function<void()> ShowNow;
};

// Edit > "SDA Members" and the right button on the toolbar's SDA button: the shown record
// is saved, then the window opens.
void mnuMembers_Click(App& app, MainScreen& form);

// Opening: entry 1 shown; an empty list starts adding at once.
void Members_Load(App& app, MemberForm& form);
// Each activation of the window.
void Members_Activate(App& app);

void ShowMemRecord(App& app, MemberForm& form);
// Stores the entry the boxes make at CurIdx when it differs from OldEntry and writes the
// member file. A new entry whose boxes are empty is dropped instead.
void SaveMemChanges(App& app, MemberForm& form);
void UpdateMemCaption(App& app, MemberForm& form);

// The record buttons keep the entry shown (adding ends), then move; Next on the last entry
// and Previous on the first play "clunk" and stay.
void FirstRecordButton_Click(App& app, MemberForm& form);
void PreviousRecord_Click(App& app, MemberForm& form);
void NextRecord_Button_Click(App& app, MemberForm& form);
void LastRecordButton_Click(App& app, MemberForm& form);

// Adding: the entry shown is kept, then a new empty entry at the end.
void AddMem_Click(App& app, MemberForm& form);
void Edit_Click(App& app, MemberForm& form);
// Enter in RNum, FName or LName: the focus moves on (RNum -> FName -> LName -> RNum).
void MemberBox_Enter(MemberForm& form, const QString& box);
// Leaving the boxes: an empty number gets the next registration number, the names pass
// through ProperFirst; leaving LName while adding stores the entry and asks for another.
void RNum_LostFocus(App& app, MemberForm& form);
void FName_LostFocus(App& app, MemberForm& form);
void LName_LostFocus(App& app, MemberForm& form);

// The search over the entries, case ignored: each entry holding the text is shown, then
// offered with "Correct Record?". An empty answer does nothing.
void Search_Click(App& app, MemberForm& form);
// Delete after its question; the whole list is written (an empty file for an empty list).
void btnDeleteSDA_Click(App& app, MemberForm& form);
// Print: the entry shown is kept, the list sorted and printed, and the entry found again.
void btnPrintMem_Click(App& app, MemberForm& form);
// Close (Command4): the empty new entry is dropped, the entry shown kept.
void Command4_Click(App& app, MemberForm& form);

// Writes MemberNames 1..MemberCount as the member file, whole: an empty list leaves an
// empty file. Nothing when the file could not be read at opening. Throws VbError.
void WriteMemberFile(App& app);

}  // namespace fennick

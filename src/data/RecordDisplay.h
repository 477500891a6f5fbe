#pragma once
// Showing the working record on a record screen (the main window or the attendance
// screen), captioning the screen for the current view, stepping through the view, the
// decision check boxes and the visit codes. Controls are reached by the record fields'
// names; a control that a screen does not carry is skipped.

#include <QString>

namespace fennick {

class App;
class RecordScreen;

// A view kind split into its kind word and the number it carries: "attendnight",
// "missednight" and "SelWCAttend" carry their last two characters, the decision views
// ("decisions3", and the picker's "decision 3") become "decisions" with the last
// character. Any other kind is itself, with a null number.
struct ViewKindParts {
    QString kind;
    QString number;
};
ViewKindParts SplitViewKind(const QString& reportKind);

// Puts CurRecord into the screen's controls, then OrigRecord = CurRecord, or the data
// file's own copy of the record when a refused write of it is held (so that Esc and Undo
// put back what the file holds). All or
// nothing: when a control cannot be set, the controls already set get their earlier
// values back, OrigRecord is left alone and false is returned. A record shown on the main
// window ends the new name of add mode that was on it (NewEntryOnScreen).
bool ShowRecord(App& app, RecordScreen& form);

// Sets the list title of the current view (returned in title, kept for kinds without a
// title of their own), shows it in EditLabel, highlights the fields the view is keyed
// on, fills RecordCounter ("n of m") and sets the window caption.
void ShowListCaption(App& app, RecordScreen& form, QString& title);
// The view kinds ShowListCaption gives a title or highlights of their own.
QStringList CaptionedViewKinds();

// Puts white back on every field of the screen that a view highlights.
void ResetFieldColors(RecordScreen& form);

// Direction 0 first, 1 previous, 2 next, 3 last entry of the view; reads the record and
// shows it on the main window. At either end "clunk" plays and the record is shown again.
void MoveToRecord(App& app, int direction);

// Dec(0)..Dec(8) from CurRecord.Decisions: ticked unless the character is "-".
void ShowDecisions(App& app, RecordScreen& form);
// Decision index + 1 of CurRecord.Decisions from the state of Dec(index); the field is
// shown in the screen's Decisions. The record is not written here.
void SetDecision(App& app, int index, RecordScreen& form);

// Asks for one visit code (kind "L", "H", "M", "P") or appointment code (kind "A") and
// returns the new visit codes; an empty answer offers to delete the last code.
QString EnterVisitCode(App& app, QString visits, const QString& kind);

}  // namespace fennick

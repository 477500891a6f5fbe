#pragma once
// Clicks on the preview's lines and the Visit option's keys. A click acts at once on the
// person of the clicked line, as the frame "Left Mouse Button Function", the Mail Labels
// box, the view's kind and the clicked column choose: it opens the record on the main
// window beside the preview, marks or undoes the last meeting's attendance, sets the
// interest level in its picker, asks a new team code, appends or removes a visit code,
// flips the mail-list flag or edits a household's flags; the record is written and the
// page drawn again. The clicked records are read into records of their own: the working
// record (CurRecord, CurRecNo) belongs to the main window, which saves its screen there.
// When the main window shows a record a click is to write, its screen is saved first and
// the record shown again after the write, so neither the typing nor the click is lost.

#include "data/AttendeeRecord.h"
#include "reportwindow/PrintReportsState.h"

#include <QByteArray>
#include <QChar>
#include <QList>

#include <functional>

namespace fennick {

class App;

// The windows a click opens.
struct LineWindows {
    // The interest-level picker (modal) on the clicked record: it leaves the level chosen,
    // or the one it had, in rec.IntLevel.
    std::function<void(AttendeeRecord& rec)> pickInterest;
    // The household editor (modal) on the entries of one household: on closing each entry
    // begins with "$" (stays on the mail list) or "-"; the household may have changed.
    std::function<void(QList<QByteArray>& family)> editHousehold;
    // Shows the main window beside the preview and brings it forward.
    std::function<void()> showEditForm;
};

// The keys held during a click, counted as 1 Shift, 2 Ctrl, 4 Alt.
inline constexpr int kShiftMask = 1, kCtrlMask = 2, kAltMask = 4;

// A click on the page: row is the line counted from the top of the page (0-based), column
// the character of the line under the pointer (1-based; past the end of the text counts on),
// shift the keys held.
void Info_MouseDown(App& app, PrintReportsState& w, const LineWindows& windows, int row, int column, int shift);

// The Visit option chosen (or double-clicked): the visit code becomes a home visit after
// the last meeting ("h07") and the option shows it.
void OptVisit_Click(App& app, PrintReportsState& w);
// A key on the Visit option: H, L, M, P (either case) change the visit type, "+" or "="
// the next meeting up to the last one, "-" the one before down to 1. Returns whether the
// code changed.
bool OptVisit_KeyPress(App& app, PrintReportsState& w, QChar key);

// The questions and messages of the clicks.
inline const QString kAttendanceUpdateTitle = QStringLiteral("Automatic Attendance Update");
inline const QString kUndoAttendanceTitle = QStringLiteral("Undo the Attendance Update");
inline const QString kEnterTeamCode = QStringLiteral("Enter Team Code");
inline const QString kChooseVisitFirst = QStringLiteral(
    "You must select 'Visit' in the 'Left Mouse Button Funcion' Box above, in order to enter a visit.");

}  // namespace fennick

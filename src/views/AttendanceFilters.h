#pragma once
// The attendance filter dialog's rules, apart from its widgets: the total-attendance
// number with its comparison ("Equals" or "At Least") and the meeting cut-off. The
// dialog leaves its answer in ScratchVar: "equal", "atleast" or "cancel".

#include <QString>

#include <array>

namespace fennick {

class App;

// What the dialog shows: the two boxes, the selected option and the option captions.
struct AttendanceFiltersForm {
    QString txtTotalAttend;
    QString txtLastMtgCutoff;
    int optTotal = 1;  // the selected option: 0 "Equals", 1 "At Least"
    std::array<QString, 2> optTotalCaption{QStringLiteral("Equals"), QStringLiteral("At Least")};
};

// Fills the boxes from TotalAttendNum (0 becomes 1) and PrintCutOff; "At Least" selected.
void Form_Load(App& app, AttendanceFiltersForm& form);
// Every change of the total-attendance box: the captions follow the text; a number above
// LastMeeting is refused with a message and replaced by LastMeeting.
void txtTotalAttend_Change(App& app, AttendanceFiltersForm& form);
// Stores the cut-off (below LastMeeting) and the number, and the comparison in ScratchVar.
// Returns false, after a message, when a box does not hold a whole number of 0 or more;
// the dialog then stays open.
bool btnSave_Click(App& app, AttendanceFiltersForm& form);
// "cancel" in ScratchVar; also what closing the dialog by its frame means.
void btnCancel_Click(App& app, AttendanceFiltersForm& form);

// Shows the dialog through the application's hook; without a window to show it is
// answered as cancelled.
void ShowAttendanceFilters(App& app);

}  // namespace fennick

#pragma once
// The one-line list reports: the current view printed with one line per name, under a
// dated first-page header, with group headings, page breaks and page footers.

namespace fennick {

class App;

// Prints the list of reportType:
//   1 master alphabetical list     2 master attendance list    3 attendance by map code
//   4 names by zip code            5 baptism dates with totals  6 priority interest list
//   7 Bible school (appointments)  8 pre-meeting invitations    9 names to visit by map code
//  10 the current view, titled by its kind (the menu's marked names build that view first)
//  11 church members               12 attending a chosen meeting
//  13 attending (at least) TotalAttendNum meetings          any other: master report by team
// With the view's IndexBuilt set (the report window's Print button) types 1, 2, 4, 6 on an
// interest view, 10 and 13 print the current view as it stands; otherwise each type builds
// its own. Types 7 and 8 leave 1 in reportType, and the kinds of type 10 that print as
// type 5 or 6 leave that number.
//
// Display-free: the printer dialog and messages go through the Dialogs; it reads every
// record into a record of its own and leaves CurRecord and CurRecNo alone; an empty view
// shows its message and returns to all names. A record that cannot be read is thrown as
// VbError before the printer dialog; a delivery that fails is thrown as VbError (the
// printer is left with a fresh document either way).
void PrintOneLineReport(App& app, int& reportType);

}  // namespace fennick

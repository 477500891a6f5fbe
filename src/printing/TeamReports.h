#pragma once
// The team reports: the names of a team-keyed view (team code in characters 5-6 of every
// entry) grouped by visitation team, one line per name under a team heading, either one
// section per team (each team begins a page whose header names the team) or one run of
// sheets with the team headings inline.

namespace fennick {

class App;

// Prints the team report of reportType:
//   1 alphabetical by team                 2 attendance by team, "Missing Since" groups
//   4 master attendance list by team (one run of sheets)
//   5 attending (at least) TotalAttendNum meetings, grouped by the count
//   6 baptisms by team (the current view; asks whether each team gets a page of its own)
//   7 priority list by team, grouped by interest level (the current view)
//   8 need a baptism interview, by team (the current view; one run of sheets)
//   any other: master attendance report by team
// With the view's IndexBuilt set (the report window's Print button) types 1, 2, 4 and
// the others print the current view as it stands; otherwise they build their own. Type 5
// always asks the attendance filter dialog; abandoning it prints nothing.
//
// The printer dialog's first page counts team sections when each team has a page of its
// own (an overflow page belongs to its team's section) and sheets otherwise; the last
// page is counted the same way, and the copies are left to the printer's job. A first
// page past the last section or sheet prints nothing and says "Print Error".
//
// Display-free: dialogs and messages go through the Dialogs; every record is read into a
// record of its own before the printer dialog (CurRecord and CurRecNo are left alone).
// An empty list says "There are no names in this list to print". A record that cannot
// be read, or a delivery that fails, is thrown as VbError.
void PrintWCReport(App& app, int& reportType);

}  // namespace fennick

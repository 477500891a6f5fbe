#pragma once
// The baptism report and the report of one decision: a header on the first page only, a
// page break once a line passes 25.0 cm, a footer at 26.1 cm from page 2 on, and totals
// that stay together on the last page.

namespace fennick {

class App;

// The baptized names (interest level "G") in alphabetical order with address, telephone,
// baptism and birth dates. A name whose baptism decision is not recorded is marked "*"
// (profession of faith), one whose uniting decision is not recorded "(r)" (re-baptism);
// the decisions are the last ones whose titles contain "BAPT" and "UNITE" (no title, no
// mark). Totals: all additions, the baptisms (names with neither mark), professions of
// faith and re-baptisms. A view of kind "baptism" is printed as it stands; any other
// gives way to the baptized names. The main window's record is not touched.
void PrintBaptisms(App& app);

// The names who made decision decisionNumber (1 to 9; any other number prints nothing),
// with team, address, attendance, interest level, decisions and visits; for decision 9
// the last visit and whether an appointment is set ("Apt") or a baptism date fixed
// ("Apt-CL"). A view whose kind begins with "decision" is printed as it stands;
// otherwise the decision picker builds one first (a cancelled picker prints nothing).
void PrintDecisions(App& app, int decisionNumber);

// Both: the printer dialog's pages and copies go to the printer's job, a first page past
// the last page prints nothing and says "Print Error"; Cancel prints nothing. Every
// record is read into a record of its own; a record that cannot be read, or a delivery
// that fails, is thrown as VbError.

}  // namespace fennick

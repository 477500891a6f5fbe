#pragma once
// The zip-code count printout of the zip-code editor's Print button: the crusade's title
// and a rule, then one line per entry of the table with its zip, city and state, address
// count and, for an entry with a team, the team code and the team's name.

namespace fennick {

class App;

// Asks for the printer, then prints in Arial 16 (title) and 14 (lines). Lines past the
// bottom of a page go on to the next page. Cancel in the printer dialog or any error ends
// the printout without a message, and nothing of it is printed; a table that could not be
// delivered has been told by the printer's end (PrintOutput).
void PrintZips(App& app);

}  // namespace fennick

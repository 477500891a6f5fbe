#pragma once
// The church member list printout of the member window's Print button, and the sort by
// name it prints in.

namespace fennick {

class App;
struct Crusade;

// Comb sort of MemberNames 1..MemberCount by their text from character 5 on (last name,
// then first name), by byte code. Shows the hourglass.
void SortMembers(App& app);

// Sorts the list, asks for the printer, then prints "SDA Members" and every entry
// (number, two blanks, "last, first") in three columns of 70 lines at 2, 9 and 15 cm;
// the 211th line starts a new page headed "SDA's Page " and its number at 18 cm, and
// counts its columns from there. Cancel prints nothing. An error drops the document and
// is passed on (VbError).
void PrintMembers(App& app);

}  // namespace fennick

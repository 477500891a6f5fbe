#pragma once
// The team list of the preferences dialog's print button: the crusade's named visitation
// teams with their telephones under a title and a rule, from the saved settings.

#include <QString>

namespace fennick {

class App;

// Whether team entry "name:telephone" is printed: not a default name ("Team #" and a
// number, or anything else beginning with "Team") and not empty or ":" alone.
bool IsPrintedTeam(const QString& entry);

// Asks for the printer, then prints in Arial 16: the title CrusadeName & " Vistiation
// Teams", a rule, and one line per printed team ("Team #07" at 2 cm, the name at 5.5 cm,
// the telephone when there is one at 9.5 cm or as far right as the longest name needs and
// the widest telephone allows). Cancel in the printer dialog or any error ends the
// printout silently, and nothing of it is printed; a list that could not be delivered has
// been told by the printer's end (PrintOutput).
void btnPrintTeams_Click(App& app);

}  // namespace fennick

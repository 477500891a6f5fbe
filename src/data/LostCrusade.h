#pragma once
// A crusade whose files cannot be written where they are: its folder was removed or
// renamed while it was open, or the closing could not write its files there (a full or
// read-only disk). Its records can still be read through the open data file, so the
// closing offers to save its files in a folder the user picks.

#include <optional>

namespace fennick {

class App;

// Asks, until the user declines or the files are saved, whether to save the crusade's
// files in another folder, and writes there the data file (its records read from the
// open file, with every record whose write was refused as it was to be written), the
// settings, member and zip files and the ini file, as closing does. True when they were
// saved: DataFile then names the new data file. A failure is told, the files it wrote in
// the chosen folder are removed and the question asked again.
bool SaveLostCrusade(App& app);

// Closes the crusade as the program is left (CloseCrusade). When its files cannot be
// written, the user is told why and asked whether to save them in another folder (Yes,
// as SaveLostCrusade), to leave without them (No) or to go on with the crusade (Cancel).
// nullopt when the user goes on (the crusade stays loaded as it was); otherwise whether
// the closing deleted a crusade that never got a record, as CloseCrusade returns.
std::optional<bool> CloseCrusadeToLeave(App& app);

}  // namespace fennick

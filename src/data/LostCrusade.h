#pragma once
// A crusade whose folder was removed or renamed while it was open: its data file can no
// longer be written, but its records can still be read through the open file, so closing
// the crusade offers to save its files in a folder the user picks.

namespace fennick {

class App;

// Asks, until the user declines or the files are saved, whether to save the crusade's
// files in another folder, and writes there the data file (its records read from the
// open file), the settings, member and zip files and the ini file, as closing does. True
// when they were saved: DataFile then names the new data file. A failure is told and
// the question asked again.
bool SaveLostCrusade(App& app);

}  // namespace fennick

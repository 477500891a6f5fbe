#pragma once
// A crusade whose files cannot be written where they are: its folder was removed or
// renamed while it was open, or the closing could not write its files there (a full or
// read-only disk). Its records can still be read through the open data file, so the
// closing offers to save its files in a folder the user picks.

#include <QString>

#include <optional>

namespace fennick {

class App;

// Asks, until the user declines or the files are saved, whether to save the crusade's
// files in another folder, and writes there the data file (its records read from the
// open file, with every record the user kept whose write was refused, as it was to be
// written), the settings, member and zip files and the prayer journal where it can still
// be read, as one set over any crusade of that name there (which the user is asked about,
// naming it and its records), none of whose files stays in the set; and then the ini file.
// True when they were saved: DataFile then names the new data file. A failure leaves the
// chosen folder as it was, is told, and the question is asked again.
bool SaveLostCrusade(App& app);

// The commands that copy, rewrite or read the crusade's files as a whole call this first:
// while its data file is not at its path (DataFileLost), the files there lack what the
// program holds (the records whose write was refused, the open file's own records), and
// no record is written there. True, after a message naming command and where the crusade's
// files can still go (closing it offers to save them in another folder), when it refuses.
bool RefuseWhileFilesLost(App& app, const QString& command);

// Closes the crusade as the program is left (CloseCrusade). When its files cannot be
// written, the user is told why and asked whether to save them in another folder (Yes,
// as SaveLostCrusade), to leave without them (No) or to go on with the crusade (Cancel);
// when only the program's ini file cannot, whether to leave without it or go on.
// nullopt when the user goes on (the crusade stays loaded as it was); otherwise whether
// the closing deleted a crusade that never got a record, as CloseCrusade returns.
std::optional<bool> CloseCrusadeToLeave(App& app);

}  // namespace fennick

#pragma once
// The export commands of the main window's Tools menu: each saves the record shown, asks
// what the file needs (whether only names on the mail list, and under which name), builds
// the file in memory and writes it whole, then says where it went. A failure shows one
// message and writes nothing: an earlier file of that name stays as it was.

namespace fennick {

class App;
class MainScreen;

// "Export to Text File": the current view as a tab-separated file beside the data file
// (its name with ".txt"), without a question; refused, with nothing written, where that
// name is a file of another crusade there (data/CrusadeSet.h).
void mnuExportText_Click(App& app, MainScreen& form);

// "Export to E-Mail File": the names of the current view that have an e-mail address, as
// a comma-separated list under a name chosen in a save dialog.
void mnuEmail_Click(App& app, MainScreen& form);

// The main window's public procedure behind "Write Mail Merge File" (whose menu command
// saves the shown record first): tells which list the current view holds, offers to keep
// only the names on the mail list, asks for the file's name and writes the mail-merge file.
void MailMerge(App& app);

// "Merge Name and Number": every live name of the crusade with its number, sorted by
// name. "Duplicate Int and Mem Names": the same with the church member list, keeping only
// the names found more than once. Both then show the alphabetical view at its first name.
void mnuNamAndNum_Click(App& app, MainScreen& form);
void mnuMMDupIntMemNam_Click(App& app, MainScreen& form);

// "Export To Street Atlas Maps": saves the shown record, then MapExport.
void mnuExpMap_Click(App& app, MainScreen& form);
// The main window's public procedure that writes the map file of the current view,
// offering to keep only the names on the mail list (one address per household).
void MapExport(App& app);

}  // namespace fennick

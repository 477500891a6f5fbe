#pragma once
// Choosing, opening and closing a crusade: the set of files that share one base name in
// one folder (the data file ".dta" and its "inf", "mem" and "zps" side files).

#include <QString>
#include <QStringList>

namespace fennick {

class App;
class StartScreen;
struct CrusadeSettings;

enum class CrusadeChoice {
    Cancelled,  // nothing was chosen ("NoFileSelected" in MsgText)
    Existing,   // an existing crusade was opened ("oldfileselected")
    Created,    // a new crusade was created; NewEmptyFile and AddMode are set
};

// The file filter of the dialogs that open a crusade: its data files, and those a backup,
// restore or save cut off kept aside ("spring.dta.fennick-old"), each of which stands for
// its crusade until an opening puts it back.
extern const QString kOpenCrusadeFilter;
// The data file a name those dialogs list stands for: a data file kept aside names its
// crusade's data file; any other name stands for itself.
QString ListedDataFile(const QString& name);

// The commands that open a crusade, by the names of their controls: the start screen's
// "Last File" (with the crusade its loading finds) and "New File", the main window's New
// Meeting, Change Meeting and recent files. Each looks for its crusade through
// FindCrusadeToOpen, and none needs a crusade loaded.
const QStringList& CrusadeOpeningCommands();

// What a command that opens a crusade found for the name it was given.
struct CrusadeToOpen {
    // Its data file, as it is on the disk (in any case), or as a new crusade of that name
    // is named; empty when the name names no crusade ("A crusade file must be named ...").
    QString dataFile;
    bool exists = false;  // the data file is there, to be opened
    bool usable = true;   // false: a replacement cut off there could not be ended (told)
};

// Looks for the crusade of name for a command that opens one: name is a data file, or a
// data file kept aside (as the crusade dialogs list them), which stands for the data file.
// A backup, restore or save cut off in its folder is ended first and told
// (EndCutOffReplacement), and only then is the data file looked for: one it had moved
// aside is back in place by then.
CrusadeToOpen FindCrusadeToOpen(App& app, const QString& name);

// The start screen's "New File": the file dialog opens in the program's data folder; the
// crusade chosen is looked for through FindCrusadeToOpen, an existing one is opened
// (closing the loaded crusade first), a new name creates a crusade, optionally with the
// settings of a prior one. A new name without an extension gets ".dta"; any other
// extension is refused. start shows "Loading ..." when given.
CrusadeChoice SelectCrusade(App& app, StartScreen* start = nullptr);

// Loads the crusade of dataFile: settings, data file, zip table, member list, in this
// order, over fresh settings, an emptied view and emptied tables; a replacement of its
// files cut off earlier is ended first, and what it found told. Returns false, with
// nothing loaded and the data file closed, when such a replacement could not be undone
// (told), when the settings reader refused the crusade or a file could not be opened
// (VbError passes to the caller after the data file is closed). When unusable
// is given, a settings file that cannot be read refuses the crusade too, and a member or
// zip file that cannot be used is marked so, each without a message: why is left there.
struct UnusableFiles {
    QString settings;  // the reader's description
    QString members;   // why, after the file's name
    QString zips;
};
bool OpenCrusade(App& app, const QString& dataFile, UnusableFiles* unusable = nullptr);

// The repair pass over the opened crusade; it leaves the alphabetical view built. While
// the repair pass is not installed, or when it failed, the alphabetical view is built
// directly.
void RepairCrusade(App& app);

// Closes the crusade. A crusade created in this run that never received a record is
// deleted (its own four files and the ini file) after a warning, and true is returned:
// the exit paths then end the program, the commands that load another crusade go on.
// Otherwise a loaded crusade has its ini, settings, member and zip files written (an
// empty list or table writes nothing) and false is returned. A crusade whose folder went
// away while it was open is offered to be saved in another folder (SaveLostCrusade);
// declined, only the ini file is written. When a file cannot be written, VbError passes
// to the caller with the crusade still loaded and its data file open.
bool CloseCrusade(App& app);

// Writes the loaded crusade's ini, settings, member and zip files as closing does, with
// the table windows closed first so that what they show is kept, but leaves the crusade
// open and never deletes it.
void SaveCrusadeFiles(App& app);

// Ends a replacement of the files of the crusade of dataFile cut off earlier (a backup,
// restore or save in its folder), telling what it found, before a command reads them:
// another crusade to merge, a backup to compare or restore. False, after a message ending
// in notDone, when it cannot be ended; the command then reads nothing. The guard on the
// open crusade's files stands meanwhile: a list naming them is never followed onto them.
bool EndCutOffReplacement(App& app, const QString& dataFile, const QString& notDone);

// Closes the loaded crusade with no other to follow: its ini, settings, member and zip
// files are written as closing writes them (never deleted), and nothing of it stays
// loaded. Throws VbError when a file cannot be written; the crusade is unloaded all the
// same.
void UnloadCrusade(App& app);

// Drops the loaded crusade without writing any of its files: its windows close, its data
// file closes, and its settings, tables and view are emptied.
void ForgetCrusade(App& app);

// Creates an empty crusade at path (a name NewCrusadeFileName gave) in place of the
// loaded one, which is closed first. The new crusade takes the vocabularies of the
// settings given (teams, Sabbath meetings, decisions, churches, sermons, sound, Canadian
// codes) but its own name, today's date, meeting 1, numbers counting down from 9999 and
// no backup path. The data file is created empty and add mode is set, as after the start
// screen's creation. Throws VbError when a file cannot be written.
void CreateCrusadeLike(App& app, const QString& path, const CrusadeSettings& vocabularies);

// Tells that a name chosen for a new crusade cannot be used (NewCrusadeFileName gave
// none), and the text it tells.
void RefuseCrusadeName(App& app, const QString& chosen);
QString CrusadeNameRefusal(const QString& chosen);

// The program's folder of crusade files ("data" in the program folder).
QString DataFolder(const App& app);

// The crusade name of a data file: its file name less the last four characters.
QString CrusadeNameOf(const QString& dataFile);

// The data file name a new crusade gets for the name chosen: ".dta" appended to a name
// without an extension; empty when the name has another extension or no base name.
QString NewCrusadeFileName(const QString& chosen);

// Whether path names a data file: a base name followed by ".dta" in any case.
bool IsCrusadeFileName(const QString& path);

}  // namespace fennick

#pragma once
// The main window's commands that copy, rewrite or read the open crusade's files as a
// whole: the backup and the restore, the merges, the import and the compare that add to
// the data file, its compaction and repair, and the exports. The window runs each through
// RunCrusadeFileCommand, which refuses it while the crusade's data file is not at its
// path, so that none reports success over files that lack what the program holds.

#include <QList>
#include <QString>

namespace fennick {

class App;
class MainScreen;

// Where a command that brings records in takes them from.
enum class RecordSource {
    None,           // the command brings no records in
    OtherComputer,  // another computer's copy of the crusade (its .dta, .inf and .mem)
    OtherCrusade,   // another crusade's data file and member list
    Backup,         // the crusade's last backup (BackupPath)
    TextFile,       // a spreadsheet's comma-separated file
};

struct CrusadeFileCommand {
    const char* item;  // the menu item's name
    void (*run)(App& app, MainScreen& form);
    RecordSource bringsIn = RecordSource::None;
};

// Every such command, in the order of the menus.
const QList<CrusadeFileCommand>& CrusadeFileCommands();

// The command as the menu names it: its caption without the access mark ("Backup File").
QString CommandCaption(const CrusadeFileCommand& command);

// Runs the command, unless the crusade's data file is lost (RefuseWhileFilesLost), which
// is told instead.
void RunCrusadeFileCommand(App& app, MainScreen& form, const CrusadeFileCommand& command);

}  // namespace fennick

#pragma once
// The File menu's backup and restore: the loaded crusade's whole file set (data,
// settings, member list, zip table, prayer journal) copied under the data file's own name
// into another folder, and copied back over the loaded crusade. The last backup's path is
// the crusade setting BackupPath; a restore is only offered once it is set.
//
// Both replace their targets as one set (FileSetReplace): a failure on the way leaves the
// files it would have replaced as they were, names any file it could not put back, and
// never ends in a success message. The crusade stays loaded whatever happens.

#include <QString>

namespace fennick {

class App;
class MainScreen;

// "&Backup File": saves the shown record, then BackupFiles.
void mnuBackup_Click(App& app, MainScreen& form);
// "&Restore from Backup": saves the shown record, then RestoreCrusade.
void mnuRestoreCr_Click(App& app, MainScreen& form);

// Asks where to (proposing BackupPath, or the data file's name in the home folder the
// first time or when BackupPath names no folder on this machine); another file name and
// the data file's own folder, also through a link to it, are refused before any other
// question and the dialog offered again. Then confirms, writes the crusade's files and
// copies the set there. A failure gives BackupPath back its earlier value.
void BackupFiles(App& app);

// Asks for the backup to restore from (the data file's own name in another folder), ends
// and tells a replacement of its files cut off earlier, shows both dates and confirms
// twice, then puts the backup's files in place of the crusade's and shows the crusade
// again from its alphabetical view on form.
void RestoreCrusade(App& app, MainScreen& form);

// The date a backup's settings were saved: its settings file's 133rd line, read whole;
// "Unknown Date" when the file is missing or shorter.
QString BackupDate(const QString& backupDataFile);

}  // namespace fennick

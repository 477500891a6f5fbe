#pragma once
// The recently used data files: kept in the per-user settings (application "MDINote",
// section "Recent Files", "RecentFile1" newest to "RecentFile4") and shown in the main
// window's File menu as "mnuRecentFile(1)" to "mnuRecentFile(4)" below the separator
// "mnuRecentFile(0)".

#include <QString>

namespace fennick {

class App;
class MainScreen;

inline constexpr int kRecentFiles = 4;

// True when one of the menu items carries exactly file as its caption.
bool IsRecentFile(MainScreen& screen, const QString& file);
// Stores file first unless the menu lists it already (a list that cannot be written is
// told); then refreshes the menu.
void AddRecentFile(App& app, MainScreen& screen, const QString& file);
// Puts file first in the stored list; the others move down one place (a path already in
// the list moves up instead of appearing twice) and the oldest beyond four is dropped.
void SaveRecentFile(App& app, const QString& file);
// Shows each stored path whose crusade is still on the disk (CrusadeIsOnDisk) in its menu
// item, with the separator.
void LoadRecentFiles(App& app, MainScreen& screen);
// The file that holds the list; empty when the settings are kept in no file.
QString RecentFilesPath(const App& app);

}  // namespace fennick

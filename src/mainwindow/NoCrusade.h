#pragma once
// The main window while no crusade is loaded: Change Meeting could open neither the
// crusade chosen nor the one loaded before, or a compacted data file could not be opened
// again. The window then shows no record and offers only what opens a crusade, Exit and
// Help, until a crusade is loaded.

namespace fennick {

class App;
class MainScreen;

// A crusade is loaded: its data file is open.
bool CrusadeLoaded(const App& app);

// Empties the record's boxes and puts them out of use with every command that reads or
// writes a crusade: the toolbar, the navigation and search row, the Edit, Records, Tools,
// View Reports, Print Reports and Filters menus and the File items other than New
// Meeting, Change Meeting, the recent files and Exit.
void ShowNoCrusade(App& app, MainScreen& screen);

// Puts back in use what ShowNoCrusade put out of use, once a crusade is loaded again and
// before it is shown; nothing otherwise.
void EndNoCrusade(App& app, MainScreen& screen);

}  // namespace fennick

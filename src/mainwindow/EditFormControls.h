#pragma once
// The main window's controls, menus and menu items by name: the window names its widgets
// from this list and refuses any other name, and the display-free code and the tests
// reach them by these names only.

#include <QStringList>

namespace fennick {

// Every name of the window: the menus and items of the menu bar, the toolbar and other
// command buttons, and the record's boxes, captions, groups and lines ("Dec(3)").
const QStringList& EditFormControlNames();

}  // namespace fennick

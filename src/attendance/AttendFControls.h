#pragma once
// The attendance screen's controls, menu items and public variables by name: the window
// names its widgets from this list, and the display-free code and the tests reach them by
// these names only.

#include <QStringList>

namespace fennick {

// Every name of the screen: menus, boxes, labels, buttons, options ("DecA(3)"), and the
// variables Attend, Decisions and Last that stand in for record fields without a box.
const QStringList& AttendFControlNames();

// The names above that only the main window has among the record display's: the
// attendance screen shows no age, church, advertising, mail-list or map boxes.
const QStringList& MainWindowOnlyControls();

}  // namespace fennick

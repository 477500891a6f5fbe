#pragma once
// The main window's menu bar and toolbar as data: every menu, item and button with its
// name, caption, shortcut and place, and whether its command is built. The window builds
// its menus and buttons from these tables; an item whose command is not built yet is
// shown disabled and cannot be enabled.

#include <QList>
#include <QString>

namespace fennick {

struct MenuEntry {
    QString name;      // the control name ("mnuExit", "mnuRecentFile(1)"); empty for a plain separator
    QString caption;   // with "&" before the access letter; empty for a separator
    QString shortcut;  // portable key-sequence text ("Ctrl+I", "Shift+Del", "F7"); empty for none
    QString parent;    // the menu or submenu holding it; empty for a menu of the bar
    bool separator = false;
    bool hidden = false;  // hidden until the program shows it (or never)
    bool built = false;   // its command exists; menus count as built, a submenu when one of its items is
};

// Every menu, submenu, item and separator, depth first: a menu is followed by its items,
// a submenu by its own items.
const QList<MenuEntry>& MenuBarEntries();
// The entries directly under parent, in order ("" gives the menus of the bar).
QList<MenuEntry> MenuChildren(const QString& parent);
// The entry of that name; null when there is none.
const MenuEntry* FindMenuEntry(const QString& name);
// A menu of the bar or a submenu: an entry that holds other entries.
bool IsSubmenu(const QString& name);

struct ToolbarButton {
    QString name;
    QString caption;  // the short caption shown under the button
    QString toolTip;
    bool built = false;
};

// The buttons of the toolbar row, left to right. The marked name (FndNameBx) stands
// between "GoTo" and "Undo".
const QList<ToolbarButton>& ToolbarButtons();
// The other command buttons of the window: add mode, navigation, all names, the visit
// frame's update.
const QList<ToolbarButton>& OtherButtons();

// True when name is a menu item or button whose command is not built yet.
bool IsUnbuiltCommand(const QString& name);

// The caption line under the toolbar buttons.
inline const QString kButtonLabelsCaption =
    QStringLiteral("Global  New  SDA   Del/ Restore  Mark  GoTo      Name        Undo  Attend   PreV  Chart  Stats");

}  // namespace fennick

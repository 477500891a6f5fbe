#pragma once
// The pictures of the main window's toolbar buttons, painted in code.

#include <QIcon>
#include <QString>

namespace fennick {

// The picture of a toolbar button by its name ("btnGlobal", "btnUndo" ...); a null icon
// for a name without one.
QIcon ToolbarIcon(const QString& button);

}  // namespace fennick

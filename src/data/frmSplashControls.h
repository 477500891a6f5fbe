#pragma once
// The start screen's controls by name: the window names its widgets from this list and
// refuses any other name, and the start-up code and the tests reach them by these names.

#include <QStringList>

namespace fennick {

const QStringList& frmSplashControlNames();

}  // namespace fennick

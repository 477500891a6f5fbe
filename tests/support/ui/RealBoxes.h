#pragma once
// While it lives, every dialog the scripted fakes answer also stands on the screen for a
// moment as a real modal message box over a window, as the program's own dialogs do: the
// windows see the focus go to a dialog and the box go away before they are active again.

#include "FakeDialogs.h"

class QWidget;

namespace fennick::test {

class RealBoxes {
public:
    RealBoxes(FakeDialogs& dialogs, QWidget* over);
    ~RealBoxes();
    RealBoxes(const RealBoxes&) = delete;
    RealBoxes& operator=(const RealBoxes&) = delete;

private:
    FakeDialogs& dialogs_;
};

// Another program's window takes the focus, then window gets it back: a real activation.
// False when either did not become active.
bool ActivateFromAnotherProgram(QWidget* window);

}  // namespace fennick::test

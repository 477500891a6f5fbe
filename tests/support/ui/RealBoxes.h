#pragma once
// While it lives, every dialog the scripted fakes answer also stands on the screen for a
// moment as a real modal box over a window, a message box as the program's own
// (QtDialogs), as the program's own dialogs do: the windows see the focus go to a dialog
// and the box go away before they are active again.

#include "FakeDialogs.h"

#include <QList>
#include <QRect>

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

// A message box of the program as it stood on the screen, its details opened when it has
// any.
struct ShownBox {
    QRect frame;           // on the screen, with the title bar
    QList<QRect> buttons;  // on the screen
    QRect room;            // the screen's available area
    bool details = false;  // it had details, and they were opened
    QString text;          // the text in view, without the details
    // The box and every one of its buttons lie within the room.
    bool fits() const;
};

// Shows spec as the program's real message box (QtDialogs) over over, opens its details,
// measures it and closes it. The modal box is to be allowed (ModalGuard::allow).
ShownBox ShowInRealBox(const MessageBoxSpec& spec, QWidget* over);

// Another program's window takes the focus, then window gets it back: a real activation.
// False when either did not become active.
bool ActivateFromAnotherProgram(QWidget* window);

}  // namespace fennick::test

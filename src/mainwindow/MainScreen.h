#pragma once
// The main window as the display-free commands see it: a record screen whose controls,
// buttons and menu items are reached by name. The window (EditForm) implements it with
// widgets; tests use a scripted fake. Names are the controls' own ("SearchBox",
// "btnSaveNew", "ChgRec(2)", "mnuFilterS", "mPrCut", "Line1").

#include "data/RecordScreen.h"

#include <QStringList>

namespace fennick {

class MainScreen : public RecordScreen {
public:
    // Controls and menu items.
    virtual void setVisible(const QString& name, bool visible) = 0;
    virtual bool isVisible(const QString& name) const = 0;
    virtual void setEnabled(const QString& name, bool enabled) = 0;
    virtual bool isEnabled(const QString& name) const = 0;

    // Keyboard focus.
    virtual void setFocus(const QString& name) = 0;
    virtual QString focused() const = 0;
    // The box that holds the focus is left as a move to another control would leave it
    // (its rule runs), so that what is saved next is the record as its boxes left it; the
    // focus stays. A box left so and unchanged since is not left again. False when the
    // box's rule refused its text (after its message). A screen without such rules: true.
    virtual bool leaveFocusedBox() { return true; }
    // A box's text was refused (after its message): the focus goes back to the box, and
    // the window comes to the front if another window is there, so that the box is put
    // right in sight whichever window's command met the refusal.
    void focusRefusedBox(const QString& name) {
        setFocus(name);
        bringForward();
    }
    // The window, when it is shown, comes in front of the program's other windows and takes
    // the keyboard. A screen that is no window of its own: nothing.
    virtual void bringForward() {}

    // Text selection of a text box or combo box.
    virtual void setSelection(const QString& name, int start, int length) = 0;
    virtual int selectionStart(const QString& name) const = 0;

    // Items of a combo box.
    virtual void setItems(const QString& name, const QStringList& items) = 0;
    virtual QStringList items(const QString& name) const = 0;

    // Opens a menu of the menu bar as a pop-up menu at the pointer.
    virtual void popupMenu(const QString& name) = 0;
    // Shows or hides the whole window.
    virtual void setWindowVisible(bool visible) = 0;
};

}  // namespace fennick

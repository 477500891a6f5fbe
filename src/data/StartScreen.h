#pragma once
// The start screen as the display-free start-up code sees it: labels and buttons reached
// by name ("lblLastCrusadeName", "btnLastCrusade", "LineLastCrusadeTop" ...). The window
// (frmSplash) implements it with widgets; tests use a fake.

#include <QString>

namespace fennick {

class StartScreen {
public:
    virtual ~StartScreen() = default;
    virtual void setText(const QString& control, const QString& text) = 0;
    virtual QString text(const QString& control) const = 0;
    virtual void setVisible(const QString& control, bool visible) = 0;
    virtual bool isVisible(const QString& control) const = 0;
    virtual void setEnabled(const QString& control, bool enabled) = 0;
    // Paints the window at once, before a long load begins.
    virtual void repaint() = 0;
};

}  // namespace fennick

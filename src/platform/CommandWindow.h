#pragma once
// The window whose command runs. A window's command entry holds a CommandWindow while the
// command runs, so that every dialog asked meanwhile belongs to that window, whichever
// window the window manager has made active at that moment. Commands nest (a window's
// command opens a dialog whose own commands run inside it): the innermost counts.

#include <QList>
#include <QObject>
#include <QPointer>

namespace fennick {

class CommandWindow {
public:
    explicit CommandWindow(QObject* window);
    ~CommandWindow();
    CommandWindow(const CommandWindow&) = delete;
    CommandWindow& operator=(const CommandWindow&) = delete;

    // The windows whose commands are running, the innermost last; one deleted meanwhile
    // is null.
    static const QList<QPointer<QObject>>& running();
};

}  // namespace fennick

#include "platform/CommandWindow.h"

namespace fennick {

namespace {

// Commands run on the thread of the windows only.
QList<QPointer<QObject>>& Stack() {
    static QList<QPointer<QObject>> stack;
    return stack;
}

}  // namespace

CommandWindow::CommandWindow(QObject* window) {
    Stack().append(window);
}

CommandWindow::~CommandWindow() {
    Stack().removeLast();
}

const QList<QPointer<QObject>>& CommandWindow::running() {
    return Stack();
}

}  // namespace fennick

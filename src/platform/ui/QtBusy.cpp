#include "platform/ui/QtBusy.h"

#include <QCursor>
#include <QGuiApplication>

namespace fennick {

void QtBusy::begin() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    ++depth_;
}

void QtBusy::end() {
    if (depth_ == 0) return;
    --depth_;
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace fennick

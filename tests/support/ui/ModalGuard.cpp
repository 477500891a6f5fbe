#include "ModalGuard.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace fennick::test {

namespace {
bool g_allowed = false;
}

ModalGuard::ModalGuard() { qApp->installEventFilter(this); }
ModalGuard::~ModalGuard() { qApp->removeEventFilter(this); }

void ModalGuard::allow(bool allowed) { g_allowed = allowed; }

bool ModalGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && !g_allowed) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && w->isWindow() && w->isModal()) {
            ADD_FAILURE() << "An unexpected modal window appeared: " << w->metaObject()->className() << " \""
                          << w->windowTitle().toStdString() << "\"";
            QTimer::singleShot(0, w, [w] {
                if (auto* d = qobject_cast<QDialog*>(w))
                    d->reject();
                else
                    w->close();
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace fennick::test

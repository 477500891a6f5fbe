#include "RealBoxes.h"

#include "ModalGuard.h"

#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace fennick::test {

RealBoxes::RealBoxes(FakeDialogs& dialogs, QWidget* over) : dialogs_(dialogs) {
    ModalGuard::allow(true);
    dialogs_.onShow = [window = QPointer<QWidget>(over)](const FakeDialogs::Shown& shown) {
        QMessageBox box(window);
        box.setText(shown.text);
        QTimer::singleShot(30, &box, &QMessageBox::accept);
        box.exec();
    };
}

RealBoxes::~RealBoxes() {
    dialogs_.onShow = nullptr;
    ModalGuard::allow(false);
}

bool ActivateFromAnotherProgram(QWidget* window) {
    QWidget other;
    other.show();
    other.activateWindow();
    if (!QTest::qWaitForWindowActive(&other)) return false;
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

}  // namespace fennick::test

#include "RealBoxes.h"

#include "ModalGuard.h"
#include "platform/ui/QtDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace fennick::test {

RealBoxes::RealBoxes(FakeDialogs& dialogs, QWidget* over) : dialogs_(dialogs) {
    ModalGuard::allow(true);
    dialogs_.onShow = [window = QPointer<QWidget>(over)](const FakeDialogs::Shown& shown) {
        if (shown.kind == FakeDialogs::Kind::Message) {
            ShowInRealBox({shown.text, shown.buttons, shown.icon, shown.title, shown.defaultButton, shown.about},
                          window);
            return;
        }
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

bool ShownBox::fits() const {
    return room.contains(frame) &&
           std::all_of(buttons.cbegin(), buttons.cend(), [this](const QRect& b) { return room.contains(b); });
}

ShownBox ShowInRealBox(const MessageBoxSpec& spec, QWidget* over) {
    ShownBox seen;
    // Looks for the box until it stands on the screen, however long its showing takes.
    QTimer look;
    look.setInterval(20);
    QObject::connect(&look, &QTimer::timeout, [&seen, &look] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        look.stop();
        (void)QTest::qWaitForWindowExposed(box);
        for (QAbstractButton* b : box->buttons()) {
            if (box->buttonRole(b) != QMessageBox::ActionRole) continue;
            b->click();  // "Show Details..."
            seen.details = true;
        }
        QTest::qWait(50);
        seen.frame = box->frameGeometry();
        seen.text = box->text();
        seen.room = box->screen()->availableGeometry();
        for (QAbstractButton* b : box->buttons())
            if (b->isVisible()) seen.buttons << QRect(b->mapToGlobal(QPoint(0, 0)), b->size());
        box->done(QDialog::Rejected);
    });
    look.start();
    QtDialogs(over).messageBox(spec);
    return seen;
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

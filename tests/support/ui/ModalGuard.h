#pragma once
// Watches for modal windows during window tests. A modal window that appears fails the
// running test and is closed at once, so a test never waits for a click nobody makes.

#include <QObject>

namespace fennick::test {

class ModalGuard : public QObject {
public:
    ModalGuard();
    ~ModalGuard() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Modal windows that are expected (a test driving its own dialog) may be allowed.
    static void allow(bool allowed);
};

}  // namespace fennick::test

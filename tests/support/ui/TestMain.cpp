// Entry of the window tests: a QApplication on the offscreen platform (or on the display
// given, when FENNICK_TEST_DISPLAY is set), with a guard that fails a test which opens a
// modal window nobody scripted instead of letting it hang.

#include "ModalGuard.h"
#include "platform/ui/Resources.h"

#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("FENNICK_TEST_DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    fennick::InitResources();
    fennick::test::ModalGuard guard;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

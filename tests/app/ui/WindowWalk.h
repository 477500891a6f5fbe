#pragma once
// Every window of the program in each of its modes, as start-up builds them and a user
// reaches them: the main window with a record shown, adding names, showing the deleted
// names and beside the preview; then each of the crusade's windows by the names their
// owner holds, and each dialog the program shows over them. A test visits each window
// while it stands (a modal one while it runs) and walks its widgets.

#include "CrusadeOnDisk.h"
#include "FakePlatform.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace fennick {
class ProgramWindows;
}

namespace fennick::test {

// The widgets of that window itself, not of another window standing over it.
QList<QWidget*> OwnWidgets(QWidget* window);

class WindowWalk : public ::testing::Test {
protected:
    TestApp t;
    App& app = t.app;
    std::unique_ptr<ProgramWindows> windows;

    WindowWalk();
    ~WindowWalk() override;
    void SetUp() override;
    void TearDown() override;

    // Visits each window in each mode; the name says which window and mode. Every stop
    // is left as it was found.
    using Visit = std::function<void(const QString& stop, QWidget* window)>;
    void walk(const Visit& visit);

private:
    void visitModal(const QString& stop, const Visit& visit, const std::function<void()>& open);
};

}  // namespace fennick::test

#pragma once
// The report window over the shown main window: the filter dropped on exit as start-up
// leaves it, the window's hooks installed, and any open report window dismissed after
// each test.

#include "../../mainwindow/ui/OpenWindow.h"

#include "reportwindow/ui/PrintReports.h"

#include <QLineEdit>

namespace fennick::test {

class ReportWindowFixture : public OpenWindow {
protected:
    void SetUp() override {
        OpenWindow::SetUp();
        app.program.DropFilterOnExit = true;
        PrintReports::install(app);
    }
    void TearDown() override {
        if (PrintReports* w = PrintReports::current()) w->dismiss();
        QTest::qWait(1);
        OpenWindow::TearDown();
    }

    static PrintReports* window() { return PrintReports::current(); }
    template <typename T = QWidget>
    static T* control(const char* name) {
        auto* w = qobject_cast<T*>(window()->object(QLatin1String(name)));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static QString title() { return control<QLineEdit>("CrTitleBox")->text(); }
    // Waits until the report window is shown, then brings it forward.
    static void waitShown() {
        ASSERT_NE(window(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window()));
        window()->activateWindow();
        QTest::qWait(10);
    }
};

}  // namespace fennick::test

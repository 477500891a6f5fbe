#pragma once
// The report window over the shown main window: the filter dropped on exit as start-up
// leaves it, the window's hooks installed, and any open report window dismissed after
// each test.

#include "../../mainwindow/ui/OpenWindow.h"

#include "reportwindow/ui/PrintReports.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <functional>

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

    // count people numbered first + 1 on, each "Name<number>, <given>", then shaped by set.
    static CrusadeSpec Numbered(int count, int first, const char* given,
                                const std::function<void(AttendeeRecord&, int)>& set = {}) {
        CrusadeSpec s;
        for (int i = 1; i <= count; ++i) {
            const QByteArray n = QByteArray::number(first + i);
            s.records << Person(n.constData(), given, ("Name" + n).constData());
            if (set) set(s.records.last(), i);
        }
        return s;
    }

    static PrintReports* window() { return PrintReports::current(); }
    template <typename T = QWidget>
    static T* control(const char* name) {
        auto* w = qobject_cast<T*>(window()->object(QLatin1String(name)));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static QString title() { return control<QLineEdit>("CrTitleBox")->text(); }
    // A click in the middle of character `column` (1-based) of line `row` of the page.
    static void clickLine(int row, int column) {
        auto* info = control<QPlainTextEdit>("Info");
        const QTextBlock block = info->document()->findBlockByNumber(row);
        QTextCursor c(block);
        c.setPosition(block.position() + column - 1);
        const QRect r = info->cursorRect(c);
        const QPoint at(r.left() + info->fontMetrics().horizontalAdvance(QLatin1Char('M')) / 2, r.center().y());
        QTest::mouseClick(info->viewport(), Qt::LeftButton, {}, at);
    }
    // Waits until the report window is shown, then brings it forward.
    static void waitShown() {
        ASSERT_NE(window(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window()));
        window()->activateWindow();
        QTest::qWait(10);
    }
};

}  // namespace fennick::test

// A name opened on the main window from a line of the report window: closing the main
// window goes back to the report window, and only closing it outside that state ends the
// program.

#include "ReportWindowFixture.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

using namespace fennick;
using namespace fennick::test;

namespace {

class EditFromPreviewTest : public ReportWindowFixture {
protected:
    // Forty people, so that the page scrolls.
    CrusadeSpec crusade() const override {
        CrusadeSpec s;
        for (int i = 1; i <= 40; ++i) {
            const QByteArray n = QByteArray::number(2000 + i);
            s.records << Person(n.constData(), "Lee", ("Name" + n).constData());
        }
        return s;
    }
    void SetUp() override {
        ReportWindowFixture::SetUp();
        click(QStringLiteral("btnViewFile"));
        waitShown();
    }
    static QString page() { return control<QPlainTextEdit>("Info")->toPlainText(); }
    // A click on the name of line `row` of the page, and the main window that opens on it.
    void openName(int row) {
        clickLine(row, 12);
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QTest::qWait(10);
    }
    void closeMainWindow() {
        form->close();
        QTest::qWait(10);
    }
};

TEST_F(EditFromPreviewTest, ClosingTheMainWindowSavesAndGoesBackToThePage) {
    control<QScrollBar>("VScroll1")->setValue(5);
    openName(2);  // Name2007
    ASSERT_EQ(text(QStringLiteral("RNum")), QStringLiteral("2007"));
    retype(QStringLiteral("FName"), QStringLiteral("Lou"));

    closeMainWindow();
    EXPECT_FALSE(form->ended());
    EXPECT_FALSE(form->isVisible());
    ASSERT_NE(window(), nullptr);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_TRUE(window()->isActiveWindow());
    EXPECT_EQ(onFile(7).FName.bytes().trimmed(), QByteArray("Lou"));
    // The same page, with the name as saved.
    EXPECT_EQ(control<QScrollBar>("VScroll1")->value(), 5);
    EXPECT_TRUE(page().startsWith(QStringLiteral("00 2005 ")));
    EXPECT_TRUE(page().section(u'\n', 2, 2).startsWith(QStringLiteral("00 2007  Name2007, Lou")));

    // Another name opens the main window in the same state, and closing it goes back again.
    openName(4);
    EXPECT_EQ(text(QStringLiteral("RNum")), QStringLiteral("2009"));
    EXPECT_TRUE(widget(QStringLiteral("ReturnToPreviewMsg"))->isVisible());
    closeMainWindow();
    EXPECT_FALSE(form->ended());
    EXPECT_TRUE(window()->isVisible());

    // Closed outside that state, the main window ends the program.
    window()->activateWindow();
    QTest::mouseClick(control<QPushButton>("CloseBut"), Qt::LeftButton);
    QTest::qWait(10);
    ASSERT_TRUE(form->isVisible());
    EXPECT_FALSE(widget(QStringLiteral("ReturnToPreviewMsg"))->isVisible());
    closeMainWindow();
    EXPECT_TRUE(form->ended());
    // Ending the program stops every event loop to come; one loop run to its end lets the
    // tests that follow open their modal windows again.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

// The main window opened on a name leaves the report window's title row with Close in
// sight, and goes back to its own place and size once the report window closes.
TEST_F(EditFromPreviewTest, TheWindowsStandBesideEachOtherUntilThePreviewCloses) {
    const QRect own(form->pos(), form->size());
    for (int row : {1, 3}) {
        openName(row);
        const QRect room = window()->screen()->availableGeometry();
        EXPECT_EQ(window()->frameGeometry().topLeft(), room.topLeft());
        const QWidget* close = control("CloseBut");
        EXPECT_FALSE(form->frameGeometry().intersects(QRect(close->mapToGlobal(QPoint()), close->size())));
        EXPECT_GE(form->width(), form->minimumSizeHint().width());
        EXPECT_LE(form->frameGeometry().bottom(), room.bottom());
        // Closing the main window and opening the next name places them again.
        closeMainWindow();
    }
    window()->activateWindow();
    QTest::mouseClick(control<QPushButton>("CloseBut"), Qt::LeftButton);
    QTest::qWait(10);
    ASSERT_TRUE(form->isVisible());
    EXPECT_EQ(QRect(form->pos(), form->size()), own);
}

}  // namespace

// A name opened on the main window from a line of the report window: the two windows
// stand beside each other, closing the main window goes back to the report window, and
// only closing it outside that state ends the program.

#include "ReportWindowFixture.h"

#include <QAbstractButton>
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
    CrusadeSpec crusade() const override { return Numbered(40, 2000, "Lee"); }
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
    // The report window at the screen's top left with its Close button in sight, and the
    // main window within the screen and no narrower than it can be.
    void expectBesideThePreview() const {
        const QRect room = window()->screen()->availableGeometry();
        EXPECT_EQ(window()->frameGeometry().topLeft(), room.topLeft());
        const QWidget* close = control("CloseBut");
        EXPECT_FALSE(form->frameGeometry().intersects(QRect(close->mapToGlobal(QPoint()), close->size())));
        EXPECT_GE(form->width(), form->minimumSizeHint().width());
        EXPECT_LE(form->frameGeometry().bottom(), room.bottom());
    }
    static void closePreview() {
        window()->activateWindow();
        QTest::mouseClick(control<QPushButton>("CloseBut"), Qt::LeftButton);
        QTest::qWait(10);
    }
};

// The main window opened on a name stands beside the report window and closing it goes
// back to the same page; once the report window closes it is back at its own place and
// size, and closing it ends the program.
TEST_F(EditFromPreviewTest, ClosingTheMainWindowSavesAndGoesBackToThePage) {
    const QRect own(form->pos(), form->size());
    control<QScrollBar>("VScroll1")->setValue(5);
    openName(2);  // Name2007
    ASSERT_EQ(text(QStringLiteral("RNum")), QStringLiteral("2007"));
    expectBesideThePreview();
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

    // Another name opens the main window in the same state and place, and closing it goes
    // back again.
    for (int row : {4, 1}) {
        openName(row);
        EXPECT_EQ(text(QStringLiteral("RNum")), QString::number(2005 + row));
        EXPECT_TRUE(widget(QStringLiteral("ReturnToPreviewMsg"))->isVisible());
        expectBesideThePreview();
        closeMainWindow();
        EXPECT_FALSE(form->ended());
        EXPECT_TRUE(window()->isVisible());
    }

    // Closed outside that state, the main window ends the program.
    closePreview();
    ASSERT_TRUE(form->isVisible());
    EXPECT_EQ(QRect(form->pos(), form->size()), own);
    EXPECT_FALSE(widget(QStringLiteral("ReturnToPreviewMsg"))->isVisible());
    closeMainWindow();
    EXPECT_TRUE(form->ended());
    // Ending the program stops every event loop to come; one loop run to its end lets the
    // tests that follow open their modal windows again.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

// Every name opened from the page, the first after each opening of the report window as
// well as the next, puts the two windows in the same places, the report window's buttons
// uncovered and the main window within the screen's height (the test screen is narrower
// than the main window can be).
TEST_F(EditFromPreviewTest, EveryOpenedNamePlacesTheWindowsAlike) {
    QList<QRect> places;
    for (int opening = 0; opening < 2; ++opening) {
        for (int row : {2, 4}) {
            SCOPED_TRACE(QStringLiteral("opening %1, line %2").arg(opening).arg(row).toStdString());
            openName(row);
            expectBesideThePreview();
            const QWidget* master = control("MasterListButton");  // the report window's buttons uncovered
            EXPECT_FALSE(form->frameGeometry().intersects({master->mapToGlobal(QPoint()), master->size()}));
            EXPECT_LE(form->frameGeometry().width(), 1366);
            places << window()->frameGeometry() << form->frameGeometry();
            EXPECT_EQ(places.mid(places.size() - 2), places.mid(0, 2));
            closeMainWindow();
        }
        closePreview();
        click(QStringLiteral("btnViewFile"));
        waitShown();
    }
}

// A name opened from the page with another person's number typed into its number box, the
// box not left: every way on leaves the box first, and the number is refused with the box's
// message, the file as it was. Closing the report window saves a free number.
enum class Then { Nothing, ActivateMain, CloseMain, CloseReportWindow };

struct Route {
    const char* name;
    const char* control;  // clicked first on the report window (may be null)
    int line, column;     // then a click on the page (line -1: none; column -1: the visits)
    Then then;
    bool duplicate;  // Name2002's number; otherwise a free 0099, and the report window closes
};

class TypedNumberRoutesTest : public EditFromPreviewTest, public ::testing::WithParamInterface<Route> {};

TEST_P(TypedNumberRoutesTest, TheNumberBoxIsLeftFirst) {
    const Route& r = GetParam();
    openName(0);  // Name2001, record 1
    retype(QStringLiteral("RNum"), r.duplicate ? QStringLiteral("2002") : QStringLiteral("0099"));
    const QByteArray before = ReadFileBytes(file);
    t.dialogs.clear();

    window()->activateWindow();
    if (r.control) QTest::mouseClick(control<QAbstractButton>(r.control), Qt::LeftButton);
    if (r.line >= 0) clickLine(r.line, r.column > 0 ? r.column : int(page().section(u'\n', r.line, r.line).size()));
    if (r.then == Then::ActivateMain || r.then == Then::CloseMain) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    if (r.then == Then::CloseMain) closeMainWindow();
    if (r.then == Then::CloseReportWindow) window()->close();
    QTest::qWait(10);

    EXPECT_EQ(t.dialogs.messages().filter(QStringLiteral("is a duplicate record number")).size(), r.duplicate ? 1 : 0);
    EXPECT_EQ(window() != nullptr, r.duplicate);
    if (r.duplicate) {
        EXPECT_EQ(ReadFileBytes(file), before);
        EXPECT_EQ(text(QStringLiteral("RNum")), QStringLiteral("2001"));
        EXPECT_EQ(text(QStringLiteral("LName")), QStringLiteral("Name2001"));
    } else {
        EXPECT_EQ(onFile(1).RNum.bytes(), QByteArray("0099"));
    }
}

const Route kRoutes[] = {
    {"AttendThenTheLine", "optAt", 0, 12, Then::Nothing, true},
    {"VisitThenTheLine", "OptVisit", 0, -1, Then::Nothing, true},
    {"InterestThenTheLine", "OptIntML", 0, 12, Then::Nothing, true},
    {"AnotherName", nullptr, 1, 12, Then::Nothing, true},
    {"MasterListThenAName", "MasterListButton", 1, 12, Then::Nothing, true},
    {"MainWindowActivated", nullptr, -1, 0, Then::ActivateMain, true},
    {"SortAttendThenClosingTheMainWindow", "optSortOpt(0)", -1, 0, Then::CloseMain, true},
    {"ClosePreview", "CloseBut", -1, 0, Then::Nothing, true},
    {"TheTitleBar", nullptr, -1, 0, Then::CloseReportWindow, true},
    {"ClosePreviewWithAFreeNumber", "CloseBut", -1, 0, Then::Nothing, false},
    {"TheTitleBarWithAFreeNumber", nullptr, -1, 0, Then::CloseReportWindow, false},
};

INSTANTIATE_TEST_SUITE_P(Routes, TypedNumberRoutesTest, ::testing::ValuesIn(kRoutes),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

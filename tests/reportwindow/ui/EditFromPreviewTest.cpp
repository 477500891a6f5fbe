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

// A name opened from the page with a box typed into and not left: every way on leaves the
// box first, its rule running as when the focus moves on. A text the box refuses (another
// person's number, a team code out of range) is refused with the box's message, the file
// as it was, and the main window comes to the front with the focus in that box; a rule
// that only asks or rewrites (the zip code's city question, a date's two digits) does so
// before the save. Closing the report window saves a free number.
enum class Then { Nothing, ActivateMain, CloseMain, CloseReportWindow };

enum class Typed { TakenNumber, FreeNumber, TeamCode, City, Date };
struct Typing {
    const char* box;
    const char* keys;
    const char* message;  // shown by the box's rule (null: none)
    bool refused;
    QByteArray (*field)(const AttendeeRecord&);
    const char* saved;  // the field on file afterwards
};
const Typing kTypings[] = {
    {"RNum", "2002", "is a duplicate record number", true, [](const AttendeeRecord& r) { return r.RNum.bytes(); },
     "2001"},
    {"RNum", "0099", nullptr, false, [](const AttendeeRecord& r) { return r.RNum.bytes(); }, "0099"},
    {"WorkerCode", "77", "invalid Team code", true, [](const AttendeeRecord& r) { return r.WorkerCode.bytes(); }, "00"},
    {"City", "Chatham", "Has already been assigned", false, [](const AttendeeRecord& r) { return r.City.trimmed(); },
     "Chatham"},
    {"BaptDate", "5/3/09", nullptr, false, [](const AttendeeRecord& r) { return r.BaptDate.trimmed(); }, "05/03/09"},
};

struct Route {
    const char* name;
    const char* control;  // clicked first on the report window (may be null)
    int line, column;     // then a click on the page (line -1: none; column -1: the visits)
    Then then;
    Typed typed;
};

class TypedNumberRoutesTest : public EditFromPreviewTest, public ::testing::WithParamInterface<Route> {};

TEST_P(TypedNumberRoutesTest, TheBoxIsLeftFirst) {
    const Route& r = GetParam();
    const Typing& typing = kTypings[int(r.typed)];
    const QString box = QLatin1String(typing.box);
    app.crusade.ZipTable[1] = "62701     IL00Springfield       2";
    app.crusade.ZipCount = 1;
    openName(0);  // Name2001, record 1
    retype(box, QLatin1String(typing.keys));
    const QByteArray before = ReadFileBytes(file);
    t.dialogs.clear();
    if (r.typed == Typed::City) t.dialogs.answer(AnsNo);

    window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
    if (r.control) QTest::mouseClick(control<QAbstractButton>(r.control), Qt::LeftButton);
    if (r.line >= 0) clickLine(r.line, r.column > 0 ? r.column : int(page().section(u'\n', r.line, r.line).size()));
    if (r.then == Then::ActivateMain || r.then == Then::CloseMain) {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    if (r.then == Then::CloseMain) closeMainWindow();
    if (r.then == Then::CloseReportWindow) window()->close();
    QTest::qWait(10);

    if (typing.message) {
        EXPECT_EQ(t.dialogs.messages().filter(QLatin1String(typing.message)).size(), 1);
    }
    EXPECT_FALSE(t.dialogs.pending());
    const bool closing = r.then == Then::CloseReportWindow || (r.control && r.control == std::string("CloseBut"));
    EXPECT_EQ(window() != nullptr, typing.refused || !closing);
    EXPECT_EQ(typing.field(onFile(1)), QByteArray(typing.saved));
    EXPECT_EQ(app.crusade.ZipTable[1], QByteArray("62701     IL00Springfield       2"));
    if (typing.refused) {
        EXPECT_EQ(ReadFileBytes(file), before);
        EXPECT_EQ(text(box), QLatin1String(typing.saved));
        EXPECT_EQ(text(QStringLiteral("LName")), QStringLiteral("Name2001"));
        // The main window in front with the focus in the box, unless it was closed after
        // its activation refused the box. Offscreen, windows are activated at once
        // whoever asks: only a window manager shows which window is in front.
        if (r.then != Then::CloseMain && QGuiApplication::platformName() != QLatin1String("offscreen")) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
            EXPECT_EQ(QApplication::focusWidget(), widget(box));
        }
    }
}

const Route kRoutes[] = {
    {"AttendThenTheLine", "optAt", 0, 12, Then::Nothing, Typed::TakenNumber},
    {"VisitThenTheLine", "OptVisit", 0, -1, Then::Nothing, Typed::TakenNumber},
    {"InterestThenTheLine", "OptIntML", 0, 12, Then::Nothing, Typed::TakenNumber},
    {"AnotherName", nullptr, 1, 12, Then::Nothing, Typed::TakenNumber},
    {"MasterListThenAName", "MasterListButton", 1, 12, Then::Nothing, Typed::TakenNumber},
    {"MainWindowActivated", nullptr, -1, 0, Then::ActivateMain, Typed::TakenNumber},
    {"SortAttendThenClosingTheMainWindow", "optSortOpt(0)", -1, 0, Then::CloseMain, Typed::TakenNumber},
    {"ClosePreview", "CloseBut", -1, 0, Then::Nothing, Typed::TakenNumber},
    {"TheTitleBar", nullptr, -1, 0, Then::CloseReportWindow, Typed::TakenNumber},
    {"ClosePreviewWithAFreeNumber", "CloseBut", -1, 0, Then::Nothing, Typed::FreeNumber},
    {"TheTitleBarWithAFreeNumber", nullptr, -1, 0, Then::CloseReportWindow, Typed::FreeNumber},
    {"TeamCodeThenTheVisitLine", "OptVisit", 0, -1, Then::Nothing, Typed::TeamCode},
    {"TeamCodeThenClosePreview", "CloseBut", -1, 0, Then::Nothing, Typed::TeamCode},
    {"CityThenMainWindowActivated", nullptr, -1, 0, Then::ActivateMain, Typed::City},
    {"CityThenAttendTheLine", "optAt", 0, 12, Then::Nothing, Typed::City},
    {"CityThenClosePreview", "CloseBut", -1, 0, Then::Nothing, Typed::City},
    {"DateThenAnotherName", nullptr, 1, 12, Then::Nothing, Typed::Date},
    {"DateThenTheTitleBar", nullptr, -1, 0, Then::CloseReportWindow, Typed::Date},
    {"DateThenClosingTheMainWindow", nullptr, -1, 0, Then::CloseMain, Typed::Date},
};

INSTANTIATE_TEST_SUITE_P(Routes, TypedNumberRoutesTest, ::testing::ValuesIn(kRoutes),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// The program's windows as start-up builds them: which hooks stand once it has, and the
// real modeless windows closing with the crusade.

#include "CrusadeOnDisk.h"
#include "FakePlatform.h"
#include "ModalGuard.h"
#include "RecordBuilder.h"
#include "app/ui/CrusadeWindows.h"
#include "app/ui/ProgramWindows.h"
#include "app/ui/TableWindows.h"
#include "attendance/ui/AttendF.h"
#include "attendance/ui/AttendFieldUpdate.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/FileUtil.h"
#include "mainwindow/MenuBar.h"
#include "mainwindow/ui/EditForm.h"
#include "reportwindow/ui/PrintReports.h"
#include "statistics/ui/BlankFrm.h"
#include "tables/ui/EditZip.h"
#include "tables/ui/ZipCnt.h"
#include "views/Indexes.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using namespace fennick;
using namespace fennick::test;

namespace {

enum class When {
    StartUp,      // set once start-up has built the windows
    WhileWindow,  // set while its modeless window stands
    NotBuiltYet,  // its window does not exist yet: unset, and its commands stay disabled
};

struct HookRow {
    const char* hook;
    std::function<bool(const Hooks&)> isSet;
    When when;
    QStringList commands;  // the main window's menu items and buttons that need it
};

#define HOOK(name) #name, [](const Hooks& h) { return bool(h.name); }

// Every hook of App::Hooks. A hook added there gets its row here.
const QList<HookRow>& HookRows() {
    static const QList<HookRow> rows = {
        {HOOK(endProgram), When::StartUp, {"mnuExit"}},
        {HOOK(closeCrusadeWindows), When::StartUp, {}},
        {HOOK(startAddMode), When::StartUp, {"mnuAddRecords", "btnAddName"}},
        {HOOK(fixFiles), When::StartUp, {"mnuFixFile"}},
        {HOOK(showAll), When::StartUp, {"ShowAll"}},
        {HOOK(copyCurrentRecord), When::StartUp, {"mnuCopy"}},
        {HOOK(showZipEditor), When::StartUp, {"mnuZipCodes", "mnuTeamAssignments"}},
        {HOOK(closeTableWindows), When::StartUp, {}},
        {HOOK(showPreferences), When::StartUp, {"mnuPref", "mnuEditTeamNames"}},
        {HOOK(editTeamNames), When::StartUp, {}},
        {HOOK(showMembers), When::StartUp, {"mnuMembers"}},
        {HOOK(cancelAddMode), When::StartUp, {"btnCancelNew"}},
        {HOOK(showAttendanceFilters), When::StartUp, {"mnuTotalAttend"}},
        {HOOK(showDecisionPicker), When::StartUp, {"mnuDecisionsFilter"}},
        {HOOK(showAppointment), When::StartUp, {}},
        {HOOK(showAttendanceUpdate), When::StartUp, {}},
        {HOOK(enterPrayer), When::StartUp, {"mnuEnterPrayerRequest", "btnPrayer"}},
        {HOOK(attendanceFormLoaded), When::WhileWindow, {}},
        {HOOK(showPrintReports), When::WhileWindow, {}},
        {HOOK(closePrintReports), When::WhileWindow, {}},
        {HOOK(tickPrintReportsMailLabels), When::WhileWindow, {}},
        {HOOK(showAttendanceScreen), When::StartUp, {"mnuAttendUpdate", "btnAttend"}},
        {HOOK(attendFAttendanceUpdate), When::StartUp, {}},
        {HOOK(attendFAppointment), When::StartUp, {}},
        {HOOK(attendFPrayerRequest), When::WhileWindow, {}},
        {HOOK(openPrintReports), When::StartUp, {"mnuPreAlpha", "btnViewFile"}},
        {HOOK(showCrusadeStatistics), When::StartUp, {"mnuStats", "btnStats"}},
        {HOOK(statsWindow), When::StartUp, {"mnuWkrStats"}},
        {HOOK(enterVisitCode), When::StartUp, {}},
        {HOOK(recordShown), When::WhileWindow, {}},
        {HOOK(mailMerge), When::StartUp, {"mnuMailMerge"}},
        {"editForm", [](const Hooks& h) { return h.editForm != nullptr; }, When::StartUp, {}},
    };
    return rows;
}

#undef HOOK

const QByteArray kSpringZip = "62701     IL00Springfield       2";
const QByteArray kAutumnZip = "10001     NY04New York          1";

class ProgramWindowsTest : public ::testing::Test {
protected:
    TestApp t;
    App& app = t.app;
    QString spring, autumn;

    void SetUp() override {
        CrusadeSpec s;
        s.records = {Person("0012", "Mary", "Smith"), Person("0013", "John", "Adams")};
        s.zips = {kSpringZip};
        spring = WriteCrusade(t, t.path("data"), QStringLiteral("spring"), s);
        s.zips = {kAutumnZip};
        autumn = WriteCrusade(t, t.path("data"), QStringLiteral("autumn"), s);
        ASSERT_TRUE(OpenCrusade(app, spring));
        IndexAlpha(app);
    }
};

TEST_F(ProgramWindowsTest, AfterStartUpEveryHookOfABuiltPartIsSet) {
    ProgramWindows windows(app);
    windows.main().load();
    for (const HookRow& row : HookRows()) {
        SCOPED_TRACE(row.hook);
        EXPECT_EQ(row.isSet(app.hooks), row.when == When::StartUp);
        for (const QString& command : row.commands) {
            SCOPED_TRACE(command.toStdString());
            // A command needing a hook that is not set is not built, and stays disabled.
            EXPECT_EQ(IsUnbuiltCommand(command), row.when == When::NotBuiltYet);
            if (row.when == When::NotBuiltYet) {
                EXPECT_FALSE(windows.main().isEnabled(command));
            }
        }
    }
}

TEST_F(ProgramWindowsTest, TheHooksGoWithTheWindows) {
    { ProgramWindows windows(app); }
    for (const HookRow& row : HookRows()) EXPECT_FALSE(row.isSet(app.hooks)) << row.hook;
}

TEST_F(ProgramWindowsTest, TheReportWindowAndTheAttendanceScreenCloseWithTheCrusade) {
    ModalGuard::allow(true);
    ProgramWindows windows(app);
    windows.main().load();
    CrusadeWindows& owner = windows.crusadeWindows();

    app.hooks.openPrintReports();
    QPointer<QWidget> report = owner.find(QStringLiteral("PrintReports"));
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report, PrintReports::current());
    EXPECT_TRUE(report->isVisible());
    EXPECT_TRUE(bool(app.hooks.showPrintReports));

    app.msg.MsgAnswer = QStringLiteral("3");
    app.hooks.showAttendanceScreen();
    QPointer<QWidget> screen = owner.find(QStringLiteral("AttendF"));
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(bool(app.hooks.attendanceFormLoaded));

    t.dialogs.clear();
    ASSERT_TRUE(OpenCrusade(app, autumn));
    EXPECT_EQ(owner.find(QStringLiteral("PrintReports")), nullptr);
    EXPECT_EQ(owner.find(QStringLiteral("AttendF")), nullptr);
    EXPECT_EQ(PrintReports::current(), nullptr);
    for (const HookRow& row : HookRows()) {
        if (row.when == When::WhileWindow) {
            EXPECT_FALSE(row.isSet(app.hooks)) << row.hook;
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(report.isNull());
    EXPECT_TRUE(screen.isNull());
    ModalGuard::allow(false);
}

// The attendance editor is one of the crusade's windows: another crusade opened while it
// stands closes it, and the night clicked in it reaches neither the main window nor a file.
TEST_F(ProgramWindowsTest, TheAttendanceEditorClosesWithTheCrusadeWritingNothing) {
    const auto bytes = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray springBefore = bytes(spring);
    const QByteArray autumnBefore = bytes(autumn);
    ProgramWindows windows(app);
    EditForm& form = windows.main();
    form.load();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    const QString shown = form.text(QStringLiteral("Attendance"));
    ASSERT_TRUE(shown.startsWith(QStringLiteral("1--")));

    app.hooks.showAttendanceUpdate();
    QPointer<AttendFieldUpdate> editor = form.findChild<AttendFieldUpdate*>();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    editor->findChild<QPushButton*>(QStringLiteral("ATD(1)"))->click();
    ASSERT_EQ(editor->findChild<QLineEdit*>(QStringLiteral("Attendance"))->text().left(3), QStringLiteral("12-"));

    const QString mode = app.program.ScreenMode;
    ASSERT_TRUE(OpenCrusade(app, autumn));
    EXPECT_FALSE(bool(app.hooks.recordShown));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(editor.isNull());
    EXPECT_EQ(form.text(QStringLiteral("Attendance")), shown);
    EXPECT_EQ(app.program.ScreenMode, mode);  // closed, not cancelled by its user
    EXPECT_EQ(bytes(spring), springBefore);
    EXPECT_EQ(bytes(autumn), autumnBefore);
}

// Ctrl+A opens the zip-code editor beside its totals; a team code typed there and not yet
// left reaches the table file of its own crusade when another is chosen, never the other.
TEST_F(ProgramWindowsTest, TheZipEditorKeepsItsEntryInItsOwnCrusade) {
    ProgramWindows windows(app);
    EditForm& main = windows.main();
    main.load();
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &main, Qt::Key_A, Qt::ControlModifier);
    QPointer<EditZip> editor = FindZipEditor(windows.crusadeWindows());
    ASSERT_NE(editor, nullptr);
    QPointer<ZipCnt> totals = FindTeamTotals(windows.crusadeWindows());
    ASSERT_NE(totals, nullptr);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(totals->isVisible());

    editor->findChild<QLineEdit*>(QStringLiteral("WorkerCode"))->setText(QStringLiteral("5"));
    t.dialogs.clear();
    // Another crusade chosen: the open one is closed, then the other opened.
    CloseCrusade(app);
    ASSERT_TRUE(OpenCrusade(app, autumn));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(editor.isNull());
    EXPECT_TRUE(totals.isNull());
    EXPECT_EQ(FileLines(SideFileName(spring, QStringLiteral("zps"))),
              QList<QByteArray>({"62701     IL05Springfield       2"}));
    EXPECT_EQ(app.crusade.ZipTable.mid(1, app.crusade.ZipCount), QList<QByteArray>({kAutumnZip}));
    EXPECT_EQ(FileLines(SideFileName(autumn, QStringLiteral("zps"))), QList<QByteArray>({kAutumnZip}));
}

// A window closed while another is active may be activated afterwards, as a window manager
// does when the focus comes back (the statistics window after its print dialog): the
// activation runs nothing and the window is not deleted under its own event, nor when it is
// replaced while such an event waits.
TEST_F(ProgramWindowsTest, AnActivationReachingAClosedWindowRunsNothingAndDeletesNothing) {
    ModalGuard::allow(true);
    ProgramWindows windows(app);
    EditForm& main = windows.main();
    main.load();
    main.show();
    CrusadeWindows& owner = windows.crusadeWindows();
    const struct {
        const char* name;
        std::function<void()> open;
    } cases[] = {
        {"BlankFrm", [&] { app.hooks.showCrusadeStatistics(); }},
        {"PrintReports", [&] { app.hooks.openPrintReports(); }},
        {"AttendF",
         [&] {
             app.msg.MsgAnswer = QStringLiteral("3");
             app.hooks.showAttendanceScreen();
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.open();
        QPointer<QWidget> w = owner.find(QLatin1String(c.name));
        ASSERT_NE(w, nullptr);
        QEvent leave(QEvent::WindowDeactivate);
        QApplication::sendEvent(w, &leave);
        ASSERT_TRUE(w->close());
        t.dialogs.clear();
        QEvent back(QEvent::WindowActivate);
        QApplication::sendEvent(w, &back);
        EXPECT_FALSE(w.isNull()) << "deleted under its own event";
        EXPECT_EQ(owner.find(QLatin1String(c.name)), nullptr);
        EXPECT_TRUE(t.dialogs.shown().empty());
        // Opened again while another activation for the closed one waits: that one stands
        // until the event loop, which hands it the activation and then deletes it.
        QApplication::postEvent(w, new QEvent(QEvent::WindowActivate));
        c.open();
        QPointer<QWidget> again = owner.find(QLatin1String(c.name));
        ASSERT_NE(again, nullptr);
        EXPECT_NE(again, w);
        ASSERT_FALSE(w.isNull()) << "deleted while an event for it waits";
        t.dialogs.clear();
        QCoreApplication::sendPostedEvents(w, QEvent::WindowActivate);
        EXPECT_TRUE(t.dialogs.shown().empty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(w.isNull());
        EXPECT_FALSE(again.isNull());
        owner.close(QLatin1String(c.name));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    ModalGuard::allow(false);
}

// On a desktop (the window-manager run of these tests): the statistics window closed by
// its Close button while the main window is active, as after a print dialog. The window
// manager activates the window clicked as Close hides it.
TEST_F(ProgramWindowsTest, UnderAWindowManagerAStatisticsWindowClosedWhileInactiveEndsNothing) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs a window manager";
    ModalGuard::allow(true);
    ProgramWindows windows(app);
    EditForm& main = windows.main();
    main.load();
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    CrusadeWindows& owner = windows.crusadeWindows();
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        app.hooks.showCrusadeStatistics();
        QPointer<QWidget> stats = owner.find(QStringLiteral("BlankFrm"));
        ASSERT_NE(stats, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(stats));
        // Its Close button clear of the main window, which stands at the top left.
        const QRect room = stats->screen()->availableGeometry();
        stats->move(room.right() - stats->frameGeometry().width(), room.bottom() - stats->frameGeometry().height());
        main.move(room.topLeft());
        main.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
        // A real click, which the window manager sees as the user's.
        QWidget* close = stats->findChild<QPushButton*>(QStringLiteral("CloseStatsBut"));
        const QPoint at = close->mapToGlobal(close->rect().center());
        ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"),
                                    {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                                     QStringLiteral("click"), QStringLiteral("1")}),
                  0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return stats.isNull(); }, 5000));
        QTest::qWait(100);  // the activation that follows the click
        EXPECT_EQ(owner.find(QStringLiteral("BlankFrm")), nullptr);
    }
    ModalGuard::allow(false);
}

}  // namespace

// The program's windows as start-up builds them: which hooks stand once it has, and the
// real modeless windows closing with the crusade.

#include "CrusadeOnDisk.h"
#include "FakePlatform.h"
#include "ModalGuard.h"
#include "RealBoxes.h"
#include "RecordBuilder.h"
#include "app/ui/CrusadeWindows.h"
#include "app/ui/ProgramWindows.h"
#include "app/ui/TableWindows.h"
#include "attendance/ui/AttendF.h"
#include "attendance/ui/AttendFieldUpdate.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/FileUtil.h"
#include "data/SideFiles.h"
#include "mainwindow/MenuBar.h"
#include "mainwindow/ui/EditForm.h"
#include "platform/ui/QtDialogs.h"
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
#include <QTabWidget>
#include <QTest>
#include <QTimer>

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
        s.members = {MemberEntry("0301", "Baker", "Ruth")};
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

// Watches the program: the windows it raises, and the owner of each modal window shown (and
// the tab a preferences dialog shows), each answered a moment later by Save where it has one.
class Watcher : public QObject {
public:
    Watcher() { qApp->installEventFilter(this); }
    QStringList raised;
    QList<QPointer<QWidget>> owners;
    int tab = -1;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || !w->isWindow()) return false;
        if (e->type() == QEvent::ZOrderChange) raised << w->objectName();
        if (e->type() != QEvent::Show || !w->isModal()) return false;
        owners << w->parentWidget();
        if (const auto* tabs = w->findChild<QTabWidget*>(QStringLiteral("tabPref"))) tab = tabs->currentIndex();
        QTimer::singleShot(QGuiApplication::platformName() == QLatin1String("xcb") ? 100 : 0, w, [w] {
            if (auto* save = w->findChild<QPushButton*>(QStringLiteral("btnSave")))
                save->click();
            else
                w->close();
        });
        return false;
    }
};

// Every route by which a window's command asks a box or a dialog, or brings the zip editor
// forward, with the main window in front and active before it (another window where the
// main window is hidden or asks itself): each box and dialog stands over the window whose
// command asks, the main window is not brought forward, the window keeps the keyboard, and
// the zip editor's totals come forward with it. On a desktop, the stacking as well.
TEST_F(ProgramWindowsTest, TheWindowWhoseCommandRunsStaysInFront) {
    const bool desktop = QGuiApplication::platformName() == QLatin1String("xcb");
    const auto inFront = [](const QWidget* w) {
        return QTest::qWaitFor(
            [w] { return QGuiApplication::topLevelAt(w->mapToGlobal(w->rect().center())) == w->windowHandle(); }, 3000);
    };
    ProgramWindows windows(app);
    EditForm* main = &windows.main();
    main->load();
    main->setGeometry(main->screen()->availableGeometry().adjusted(0, 40, 0, 0));  // over the others
    main->show();
    QWidget other;
    other.setGeometry(QRect(main->screen()->availableGeometry().bottomRight() - QPoint(160, 120), QSize(120, 60)));
    ModalGuard::allow(true);
    // The dialogs the fakes answer stand for a moment as the program's own boxes.
    QtDialogs real(main);
    t.dialogs.onShow = [&real](const FakeDialogs::Shown& shown) {
        if (shown.kind == FakeDialogs::Kind::Input)
            real.inputBox({shown.text, std::nullopt, QString(), std::nullopt});
        else
            real.msgBox(shown.text, shown.buttons, shown.icon);
    };
    const auto open = [&](const QString& name) -> QWidget* {
        if (name == QLatin1String("EditZip")) app.hooks.showZipEditor();
        if (name == QLatin1String("Members")) app.hooks.showMembers();
        if (name == QLatin1String("PrintReports")) app.hooks.openPrintReports();
        if (name == QLatin1String("BlankFrm")) app.hooks.showCrusadeStatistics();
        if (name == QLatin1String("AttendF")) {
            app.msg.MsgAnswer = QStringLiteral("3");
            app.hooks.showAttendanceScreen();
        }
        return name.isEmpty() ? main : windows.crusadeWindows().find(name);
    };
    // A click on button, with the text typed into the input box it asks and the answer given.
    const auto click = [&](const char* button, const QString& typed = {}, int answer = 0) {
        return [&, button, typed, answer](QWidget* w) {
            if (!typed.isEmpty()) t.dialogs.type(typed);
            if (answer) t.dialogs.answer(answer);
            w->findChild<QAbstractButton*>(QLatin1String(button))->click();
        };
    };
    const struct {
        const char* what;
        const char* window;  // the one whose command runs; empty: the main window
        std::function<void(QWidget*)> command;
        int dialogs;
        int tab = -1;
    } routes[] = {
        {"zip editor, Search, found", "EditZip", click("Search", QStringLiteral("Springfield"), AnsYes), 2},
        {"zip editor, Search, not found", "EditZip", click("Search", QStringLiteral("Nowhere")), 2},
        {"zip editor, a refused team code", "EditZip",
         [](QWidget* w) {
             auto* code = w->findChild<QLineEdit*>(QStringLiteral("WorkerCode"));
             code->setText(QStringLiteral("zz"));
             QTest::keyClick(code, Qt::Key_Return);
         },
         1},
        {"zip editor, Edit Team Names", "EditZip", click("btnEditTeamNames"), 1, 4},
        {"zip editor, Edit Team Names with the preferences open on General", "EditZip",
         [&](QWidget* w) {
             main->action(QStringLiteral("mnuPref"))->trigger();
             click("btnEditTeamNames")(w);
         },
         1, 4},
        {"zip editor, Ctrl+A in the main window", "EditZip",
         [](QWidget*) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier); }, 0},
        {"zip editor, Tools, Team Assignments", "EditZip",
         [&](QWidget*) { main->action(QStringLiteral("mnuTeamAssignments"))->trigger(); }, 0},
        {"zip editor, a click on it", "EditZip", [](QWidget* w) { EXPECT_TRUE(ActivateFromAnotherProgram(w)); }, 0},
        {"member list, Search, found", "Members", click("Search", QStringLiteral("Baker"), AnsYes), 2},
        {"member list, Search, not found", "Members", click("Search", QStringLiteral("Nobody")), 2},
        {"member list, Delete", "Members", click("btnDeleteSDA", {}, AnsNo), 1},
        {"attendance screen, Global Search", "AttendF", click("btnGlobal", QStringLiteral("zzyzx")), 2},
        {"report window, F1", "PrintReports",
         [](QWidget* w) {
             QTest::keyClick(static_cast<QWidget*>(static_cast<PrintReports*>(w)->object(QStringLiteral("VScroll1"))),
                             Qt::Key_F1);
         },
         1},
        {"statistics window, Print", "BlankFrm",
         [&](QWidget* w) {
             t.dialogs.print(std::nullopt);
             click("PrintStatsBut")(w);
         },
         1},
        {"main window, About", "", [&](QWidget*) { main->action(QStringLiteral("mnuAbout"))->trigger(); }, 1},
    };
    for (const auto& r : routes) {
        SCOPED_TRACE(r.what);
        QWidget* asker = open(QLatin1String(r.window));
        ASSERT_TRUE(asker && asker->isVisible());
        t.dialogs.clear();
        QWidget* elsewhere = asker == main || !main->isVisible() ? &other : main;
        elsewhere->show();
        elsewhere->raise();
        ASSERT_TRUE(ActivateFromAnotherProgram(elsewhere));
        Watcher watch;
        r.command(asker);
        EXPECT_FALSE(t.dialogs.pending());
        EXPECT_EQ(watch.owners, QList<QPointer<QWidget>>(r.dialogs, asker));
        EXPECT_EQ(watch.tab, r.tab);
        if (asker != main) {
            EXPECT_FALSE(watch.raised.contains(main->objectName())) << "the main window brought forward";
            EXPECT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == asker->windowHandle(); }));
        }
        if (desktop && elsewhere == main) {
            EXPECT_TRUE(inFront(asker));
        }
        if (ZipCnt* totals = FindTeamTotals(windows.crusadeWindows()); totals && asker != main) {
            EXPECT_TRUE(watch.raised.contains(QStringLiteral("ZipCnt"))) << "the totals left behind";
            EXPECT_TRUE(!desktop || inFront(totals));
        }
        other.hide();
        t.dialogs.otherwise(AnsNo);
        windows.crusadeWindows().closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        t.dialogs.clear();
        main->show();
    }
    t.dialogs.onShow = nullptr;
    ModalGuard::allow(false);
}

// Under a window manager, until it has framed a window and told so.
void WaitFramed(const QWidget* w) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
    (void)QTest::qWaitFor([w] { return w->geometry().top() > w->frameGeometry().top(); }, 1000);
    QTest::qWait(100);
}

// The questions asked about what a window shows (the names a search offers, the record a
// delete removes), as the program's own boxes show them: each names those controls and
// leaves them in view. A search question is about the text searched for and the person shown.
TEST_F(ProgramWindowsTest, EachQuestionLeavesWhatItAsksAboutInView) {
    ProgramWindows windows(app);
    EditForm* main = &windows.main();
    main->load();
    main->show();
    const QStringList member = {"RNum", "LName", "FName", "RCounter"};
    const QStringList search = {"SearchBox", "EntInd", "SDAIdent", "RNum", "FName", "LName"};
    const QStringList zip = {"Zip", "City", "State", "WorkerCode", "NumberAddresses", "RCounter"};
    const struct {
        const char* window;  // empty: the main window
        const char* typed;   // into the input box asked first
        const char* button;  // clicked; without one, the typed text is entered in the search box
        int answer;
        QStringList about;
    } cases[] = {
        {"Members", "Baker", "Search", AnsYes, member},
        {"Members", "", "btnDeleteSDA", AnsNo, member},
        {"EditZip", "Springfield", "Search", AnsYes, zip},
        {"", "smi", nullptr, AnsYes, search},
        {"", "bak", nullptr, AnsYes, search},  // a church member
        {"", "Adams", "btnGlobal", AnsYes, search},
        {"", "", "btnDelete", AnsNo, {"RNum", "FName", "LName"}},
        {"AttendF", "smi", nullptr, AnsNo, search},
        {"AttendF", "Adams", "btnGlobal", AnsCancel, search},
        {"AttendF", "", "MoveToSDA", AnsNo, {"RNum", "FName", "LName"}},
    };
    ModalGuard::allow(true);
    QtDialogs real(main);
    for (const auto& c : cases) {
        app.msg.MsgAnswer = QStringLiteral("3");  // the attendance screen's meeting
        if (c.window == QLatin1String("Members")) app.hooks.showMembers();
        if (c.window == QLatin1String("EditZip")) app.hooks.showZipEditor();
        if (c.window == QLatin1String("AttendF")) app.hooks.showAttendanceScreen();
        QWidget* asker = *c.window ? windows.crusadeWindows().find(QLatin1String(c.window)) : main;
        ASSERT_TRUE(asker && QTest::qWaitForWindowActive(asker));
        WaitFramed(asker);
        SCOPED_TRACE(c.about.join(u' ').toStdString() + " of " + c.window);

        // The question stands first as the program's own box, whose frame is taken as no
        // smaller than the asking window's: what it covers of the controls, or of the edge.
        QStringList covered;
        t.dialogs.onShow = [&](const FakeDialogs::Shown& shown) {
            if (shown.buttons == Buttons::OK || shown.kind != FakeDialogs::Kind::Message) return;
            QTimer::singleShot(0, [&] {
                QWidget* box = QApplication::activeModalWidget();
                ASSERT_TRUE(box && QTest::qWaitForWindowExposed(box));
                WaitFramed(box);
                const QRect in = asker->geometry(), out = asker->frameGeometry();
                const QRect place = box->frameGeometry() |
                                    box->geometry().adjusted(out.left() - in.left(), out.top() - in.top(),
                                                             out.right() - in.right(), out.bottom() - in.bottom());
                covered << (asker->screen()->availableGeometry().contains(place) ? "asked" : "asked off the screen");
                for (const QString& name : c.about) {
                    const QWidget* w = nullptr;  // the control shown under that name
                    for (const QWidget* found : asker->findChildren<QWidget*>(name))
                        if (found->window() == asker && found->isVisible()) w = found;
                    if (!w || QRect(w->mapToGlobal(QPoint()), w->size()).intersects(place)) covered << name;
                }
                box->close();
            });
            // The question names what it is about, so that it is placed clear of it at any
            // size of the screen and the window, not only where a centred box happens to be.
            for (const QString& name : c.about)
                if (!shown.about.contains(name)) covered << QStringLiteral("unnamed ") + name;
            real.messageBox({shown.text, shown.buttons, shown.icon, shown.title, shown.defaultButton, shown.about});
        };
        if (c.button && *c.typed) t.dialogs.type(QLatin1String(c.typed));
        t.dialogs.answer(c.answer);
        if (c.button) {
            asker->findChild<QAbstractButton*>(QLatin1String(c.button))->click();
        } else {
            auto* box = asker->findChild<QLineEdit*>(QStringLiteral("SearchBox"));
            box->setFocus(Qt::OtherFocusReason);
            QTest::keyClicks(box, QLatin1String(c.typed));
            QTest::keyClick(box, Qt::Key_Return);
        }
        t.dialogs.onShow = nullptr;
        EXPECT_EQ(covered.join(u' ').toStdString(), "asked");

        t.dialogs.otherwise(AnsNo);
        windows.crusadeWindows().closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        t.dialogs.clear();
        main->show();
        main->activateWindow();
    }
    ModalGuard::allow(false);
}

}  // namespace

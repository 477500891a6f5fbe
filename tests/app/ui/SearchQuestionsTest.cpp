// The questions asked about what a window shows (the names a search offers, the record a
// delete removes), as the program's own boxes show them over the program's windows: each
// box leaves those controls in view, within the screen.

#include "CrusadeOnDisk.h"
#include "FakePlatform.h"
#include "ModalGuard.h"
#include "RecordBuilder.h"
#include "app/ui/CrusadeWindows.h"
#include "app/ui/ProgramWindows.h"
#include "data/CrusadeFiles.h"
#include "data/SideFiles.h"
#include "mainwindow/ui/EditForm.h"
#include "platform/ui/QtDialogs.h"
#include "views/Indexes.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace fennick;
using namespace fennick::test;

namespace {

QString Str(const QRect& r) {
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The frame of each question box, and what it covered of the controls named, as it stood
// on the screen.
struct Seen {
    QString question;
    QRect frame;
    QStringList covered;
};

// The screen rectangles of the controls of window named, each of which must be shown.
QList<QPair<QString, QRect>> Controls(const QWidget* window, const QStringList& names) {
    QList<QPair<QString, QRect>> out;
    for (const QString& name : names) {
        const QWidget* found = nullptr;
        for (const QWidget* w : window->findChildren<QWidget*>(name))
            if (w->window() == window && w->isVisible()) found = w;
        EXPECT_TRUE(found) << name.toStdString() << " is not shown";
        if (found) out.append({name, QRect(found->mapToGlobal(QPoint(0, 0)), found->size())});
    }
    return out;
}

class SearchQuestionsTest : public ::testing::Test {
protected:
    TestApp t;
    App& app = t.app;

    void SetUp() override {
        CrusadeSpec s;
        s.records = {Person("0012", "Mary", "Smith"), Person("0013", "John", "Adams")};
        s.zips = {"62701     IL00Springfield       2"};
        s.members = {MemberEntry("0301", "Baker", "Ruth")};
        ASSERT_TRUE(OpenCrusade(app, WriteCrusade(t, t.path("data"), QStringLiteral("spring"), s)));
        IndexAlpha(app);
    }
};

TEST_F(SearchQuestionsTest, EachQuestionLeavesWhatItAsksAboutInView) {
    const bool desktop = QGuiApplication::platformName() == QLatin1String("xcb");
    ProgramWindows windows(app);
    EditForm* main = &windows.main();
    main->load();
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));

    const QStringList entry = {"RNum", "LName", "FName", "RCounter"};
    const QStringList zipEntry = {"Zip", "City", "State", "WorkerCode", "NumberAddresses", "RCounter"};
    const QStringList searchRow = {"SearchBox", "EntInd", "SDAIdent"};
    const QStringList person = {"RNum", "FName", "LName"};
    const auto click = [](const char* button) {
        return [button](QWidget* w) { w->findChild<QAbstractButton*>(QLatin1String(button))->click(); };
    };
    const auto enter = [](const char* typed) {
        return [typed](QWidget* w) {
            auto* box = w->findChild<QLineEdit*>(QStringLiteral("SearchBox"));
            box->setFocus(Qt::OtherFocusReason);
            QTest::keyClicks(box, QLatin1String(typed));
            QTest::keyClick(box, Qt::Key_Return);
        };
    };
    const struct {
        const char* what;
        const char* window;  // empty: the main window
        const char* typed;   // into the input box the search asks first
        QList<int> answers;
        std::function<void(QWidget*)> command;
        QStringList about;
    } cases[] = {
        {"member list, Search", "Members", "Baker", {AnsYes}, click("Search"), entry},
        {"member list, Delete", "Members", "", {AnsNo}, click("btnDeleteSDA"), entry},
        {"zip editor, Search", "EditZip", "Springfield", {AnsYes}, click("Search"), zipEntry},
        {"main window, a name", "", "", {AnsYes}, enter("smi"), searchRow},
        {"main window, a church member", "", "", {AnsYes}, enter("bak"), searchRow},
        {"main window, Global Search", "", "Adams", {AnsYes}, click("btnGlobal"), searchRow},
        {"main window, Delete", "", "", {AnsNo}, click("btnDelete"), person},
        {"attendance screen, a name", "AttendF", "", {AnsNo}, enter("smi"), searchRow},
        {"attendance screen, Global Search", "AttendF", "Adams", {AnsCancel}, click("btnGlobal"), searchRow},
    };

    ModalGuard::allow(true);
    QtDialogs real(main);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QWidget* asker = main;
        if (c.window == QLatin1String("Members")) app.hooks.showMembers();
        if (c.window == QLatin1String("EditZip")) app.hooks.showZipEditor();
        if (c.window == QLatin1String("AttendF")) {
            app.msg.MsgAnswer = QStringLiteral("3");
            app.hooks.showAttendanceScreen();
        }
        if (*c.window) asker = windows.crusadeWindows().find(QLatin1String(c.window));
        ASSERT_TRUE(asker);
        ASSERT_TRUE(QTest::qWaitForWindowActive(asker));
        if (desktop) {
            // The window manager has framed and placed the window, and told so.
            EXPECT_TRUE(QTest::qWaitFor([asker] { return asker->geometry().top() > asker->frameGeometry().top(); }));
            QTest::qWait(150);
        }
        t.dialogs.clear();

        // Each question the fakes answer stands first as the program's own box.
        QList<Seen> seen;
        t.dialogs.onShow = [&](const FakeDialogs::Shown& shown) {
            if (shown.kind != FakeDialogs::Kind::Message || shown.buttons == Buttons::OK) return;
            QTimer::singleShot(0, [&seen, &c, asker, desktop, text = shown.text] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                ASSERT_TRUE(box);
                EXPECT_TRUE(QTest::qWaitForWindowExposed(box));
                if (desktop) {
                    // The window manager frames and places the box, and tells so (or its frame's
                    // size is not told: the box is taken to be framed as the asking window is).
                    (void)QTest::qWaitFor([box] { return box->geometry().top() > box->frameGeometry().top(); }, 1000);
                    QTest::qWait(100);
                }
                const QMargins askerFrame(asker->geometry().left() - asker->frameGeometry().left(),
                                          asker->geometry().top() - asker->frameGeometry().top(),
                                          asker->frameGeometry().right() - asker->geometry().right(),
                                          asker->frameGeometry().bottom() - asker->geometry().bottom());
                Seen s{text, box->frameGeometry() | box->geometry().marginsAdded(askerFrame), {}};
                for (const auto& [name, rect] : Controls(asker, c.about))
                    if (rect.intersects(s.frame)) s.covered << name + Str(rect);
                seen << s;
                box->close();
            });
            real.messageBox({shown.text, shown.buttons, shown.icon, shown.title, shown.defaultButton, shown.about});
        };
        if (*c.typed) t.dialogs.type(QLatin1String(c.typed));
        for (int a : c.answers) t.dialogs.answer(a);
        c.command(asker);
        t.dialogs.onShow = nullptr;
        EXPECT_FALSE(t.dialogs.pending());

        ASSERT_EQ(seen.size(), 1);
        const QRect screen = asker->screen()->availableGeometry();
        for (const Seen& s : seen) {
            SCOPED_TRACE(s.question.left(40).toStdString());
            EXPECT_TRUE(s.covered.isEmpty())
                << "box " << Str(s.frame).toStdString() << " covers " << s.covered.join(u' ').toStdString();
            EXPECT_TRUE(screen.contains(s.frame)) << Str(s.frame).toStdString() << " off " << Str(screen).toStdString();
        }
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

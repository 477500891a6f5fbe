// The questions asked about what a window shows (the names a search offers, the record a
// delete removes), as the program's own boxes show them: each leaves those controls in view.

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
#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace fennick;
using namespace fennick::test;

namespace {

// Under a window manager, until it has framed a window and told so.
void WaitFramed(const QWidget* w) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
    (void)QTest::qWaitFor([w] { return w->geometry().top() > w->frameGeometry().top(); }, 1000);
    QTest::qWait(100);
}

TEST(SearchQuestions, EachQuestionLeavesWhatItAsksAboutInView) {
    TestApp t;
    App& app = t.app;
    CrusadeSpec s;
    s.records = {Person("0012", "Mary", "Smith"), Person("0013", "John", "Adams")};
    s.zips = {"62701     IL00Springfield       2"};
    s.members = {MemberEntry("0301", "Baker", "Ruth")};
    ASSERT_TRUE(OpenCrusade(app, WriteCrusade(t, t.path("data"), QStringLiteral("spring"), s)));
    IndexAlpha(app);
    ProgramWindows windows(app);
    EditForm* main = &windows.main();
    main->load();
    main->show();

    const QStringList member = {"RNum", "LName", "FName", "RCounter"};
    const QStringList zip = {"Zip", "City", "State", "WorkerCode", "NumberAddresses", "RCounter"};
    const QStringList searchRow = {"SearchBox", "EntInd", "SDAIdent"};
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
        const char* window;  // empty: the main window
        const char* typed;   // into the input box asked first
        int answer;
        std::function<void(QWidget*)> command;
        QStringList about;
    } cases[] = {
        {"Members", "Baker", AnsYes, click("Search"), member},
        {"Members", "", AnsNo, click("btnDeleteSDA"), member},
        {"EditZip", "Springfield", AnsYes, click("Search"), zip},
        {"", "", AnsYes, enter("smi"), searchRow},
        {"", "", AnsYes, enter("bak"), searchRow},  // a church member
        {"", "Adams", AnsYes, click("btnGlobal"), searchRow},
        {"", "", AnsNo, click("btnDelete"), {"RNum", "FName", "LName"}},
        {"AttendF", "", AnsNo, enter("smi"), searchRow},
        {"AttendF", "Adams", AnsCancel, click("btnGlobal"), searchRow},
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

        // The question the fakes answer stands first as the program's own box. Its frame is
        // taken as no smaller than the asking window's around it.
        QStringList covered;
        int questions = 0;
        t.dialogs.onShow = [&](const FakeDialogs::Shown& shown) {
            if (shown.buttons == Buttons::OK || shown.kind != FakeDialogs::Kind::Message) return;
            QTimer::singleShot(0, [&] {
                auto* box = QApplication::activeModalWidget();
                ASSERT_TRUE(box && QTest::qWaitForWindowExposed(box));
                WaitFramed(box);
                const QRect in = asker->geometry(), out = asker->frameGeometry();
                const QMargins frame(in.left() - out.left(), in.top() - out.top(), out.right() - in.right(),
                                     out.bottom() - in.bottom());
                const QRect place = box->frameGeometry() | box->geometry().marginsAdded(frame);
                ++questions;
                if (!asker->screen()->availableGeometry().contains(place)) covered << "the screen's edge";
                for (const QString& name : c.about) {
                    const QWidget* w = nullptr;  // the control shown under that name
                    for (const QWidget* found : asker->findChildren<QWidget*>(name))
                        if (found->window() == asker && found->isVisible()) w = found;
                    if (!w || QRect(w->mapToGlobal(QPoint()), w->size()).intersects(place)) covered << name;
                }
                box->close();
            });
            real.messageBox({shown.text, shown.buttons, shown.icon, shown.title, shown.defaultButton, shown.about});
        };
        if (*c.typed) t.dialogs.type(QLatin1String(c.typed));
        t.dialogs.answer(c.answer);
        c.command(asker);
        t.dialogs.onShow = nullptr;
        EXPECT_EQ(questions, 1);
        EXPECT_EQ(covered.join(u' ').toStdString(), "");

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

// The owner of the crusade's modeless windows, with a stand-in window: built once on
// first use, and closed with its hooks whenever the open crusade goes.

#include "CrusadeOnDisk.h"
#include "FakePlatform.h"
#include "ModalGuard.h"
#include "RecordBuilder.h"
#include "app/ui/CrusadeWindows.h"
#include "data/CrusadeFiles.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

using namespace fennick;
using namespace fennick::test;

namespace {

// A modeless window of the crusade: it provides a hook from its making until it closes or
// goes, unless a newer one set it since, and may refuse to close.
class StandIn : public QWidget {
public:
    StandIn(App& app, bool refuse) : app_(app), refuse_(refuse) {
        setAttribute(Qt::WA_DeleteOnClose);
        app_.hooks.attendanceFormLoaded = [] { return true; };
        hooksOwner = this;
    }
    ~StandIn() override { release(); }
    void release() {
        if (hooksOwner != this) return;
        hooksOwner = nullptr;
        app_.hooks.attendanceFormLoaded = nullptr;
    }
    static inline StandIn* hooksOwner = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override {
        if (refuse_)
            event->ignore();
        else
            release();
    }

private:
    App& app_;
    bool refuse_;
};

class CrusadeWindowsTest : public ::testing::Test {
protected:
    TestApp t;
    App& app = t.app;
    CrusadeWindows owner{app};
    int built = 0;
    bool refuse = false;
    QString spring, autumn;

    void SetUp() override {
        CrusadeSpec s;
        s.records = {Person("0012", "Mary", "Smith")};
        spring = WriteCrusade(t, t.path("data"), QStringLiteral("spring"), s);
        s.records = {Person("0020", "Ann", "Able")};
        autumn = WriteCrusade(t, t.path("data"), QStringLiteral("autumn"), s);
        ASSERT_TRUE(OpenCrusade(app, spring));
        owner.add(
            QStringLiteral("StandIn"),
            [this] {
                ++built;
                return new StandIn(app, refuse);
            },
            [](QWidget* w) {
                w->close();
                static_cast<StandIn*>(w)->release();
            });
        ModalGuard::allow(true);
    }
    void TearDown() override { ModalGuard::allow(false); }

    QWidget* standIn() { return owner.window(QStringLiteral("StandIn")); }
    bool hookSet() const { return bool(app.hooks.attendanceFormLoaded); }
};

TEST_F(CrusadeWindowsTest, BuiltOnceOnFirstUse) {
    EXPECT_EQ(owner.find(QStringLiteral("StandIn")), nullptr);
    EXPECT_FALSE(hookSet());
    QWidget* w = standIn();
    ASSERT_NE(w, nullptr);
    w->show();
    EXPECT_EQ(standIn(), w);
    EXPECT_EQ(owner.find(QStringLiteral("StandIn")), w);
    EXPECT_EQ(built, 1);
    EXPECT_TRUE(hookSet());
    EXPECT_TRUE(bool(app.hooks.closeCrusadeWindows));
    EXPECT_EQ(owner.names(), QStringList{QStringLiteral("StandIn")});
}

TEST_F(CrusadeWindowsTest, ClosingOrOpeningACrusadeClosesTheWindow) {
    const struct {
        const char* what;
        bool refuses;
        std::function<void()> change;
    } cases[] = {
        {"closing the crusade", false, [&] { CloseCrusade(app); }},
        {"opening another crusade", false, [&] { OpenCrusade(app, autumn); }},
        {"reopening the same crusade", false, [&] { OpenCrusade(app, spring); }},
        {"a window that refuses to close", true, [&] { OpenCrusade(app, autumn); }},
        {"choosing another crusade", false,
         [&] {
             t.dialogs.choose(autumn);
             SelectCrusade(app);
         }},
        {"creating a crusade", false,
         [&] {
             t.dialogs.choose(t.path("data/winter")).answer(AnsNo);
             SelectCrusade(app);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(OpenCrusade(app, spring));
        refuse = c.refuses;
        QPointer<QWidget> w = standIn();
        w->show();
        const int before = built;
        c.change();
        EXPECT_FALSE(hookSet());
        EXPECT_EQ(owner.find(QStringLiteral("StandIn")), nullptr);
        ASSERT_FALSE(w.isNull()) << "deleted by the event loop, not at once";
        EXPECT_FALSE(w->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(w.isNull());
        // The next use builds a fresh window for the crusade now open.
        QWidget* fresh = standIn();
        EXPECT_EQ(built, before + 1);
        EXPECT_TRUE(hookSet());
        delete fresh;
        EXPECT_FALSE(hookSet());
    }
}

TEST_F(CrusadeWindowsTest, AWindowItsUserClosedIsBuiltAfreshWithItsHooks) {
    QPointer<QWidget> first = standIn();
    first->show();
    ASSERT_TRUE(first->close());
    ASSERT_FALSE(first.isNull()) << "its deletion waits for the event loop";
    EXPECT_EQ(owner.find(QStringLiteral("StandIn")), nullptr);
    // The one waiting for deletion goes later, leaving the new one its hooks.
    QPointer<QWidget> second = standIn();
    EXPECT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_TRUE(hookSet());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_FALSE(second.isNull());
    EXPECT_TRUE(hookSet());
    // Only hidden, a window stands and is used again.
    second->show();
    second->hide();
    EXPECT_EQ(standIn(), second.data());
    EXPECT_EQ(built, 2);
}

TEST_F(CrusadeWindowsTest, TheOwnerTakesItsWindowsAndItsHookWithIt) {
    QPointer<QWidget> w;
    {
        CrusadeWindows other(app);
        other.add(QStringLiteral("StandIn"), [this] { return new StandIn(app, true); });
        w = other.window(QStringLiteral("StandIn"));
        w->show();
    }
    EXPECT_TRUE(w.isNull());
    EXPECT_FALSE(hookSet());
    EXPECT_FALSE(bool(app.hooks.closeCrusadeWindows));
}

}  // namespace

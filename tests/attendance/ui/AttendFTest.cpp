// The attendance screen driven from the keyboard alone, as at the registration desk: the
// main window's menu opens it for the next meeting, a number and Enter, three letters,
// Enter and Enter for Yes mark two people, Alt+U takes the last entry back, and Esc
// returns to the main window with everything written.

#include "CrusadeOnDisk.h"
#include "FakePlatform.h"
#include "RecordBuilder.h"
#include "attendance/AttendFControls.h"
#include "attendance/ui/AttendF.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "mainwindow/AddMode.h"
#include "mainwindow/ui/EditForm.h"
#include "views/Indexes.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace fennick;
using namespace fennick::test;

namespace {

class AttendFTest : public ::testing::Test {
protected:
    TestApp t;
    App& app = t.app;
    std::unique_ptr<EditForm> form;

    void SetUp() override {
        CrusadeSpec spec;  // last meeting 5
        spec.records = {Person("0012", "Mary", "Smith"), Person("0013", "John", "Adams"), Person("0014", "Ruth", "Baker")};
        const QString file = WriteCrusade(t, t.path("data"), QStringLiteral("spring"), spec);
        ASSERT_TRUE(OpenCrusade(app, file));
        IndexAlpha(app);
        InstallAddModeHooks(app);
        form = std::make_unique<EditForm>(app);
        AttendF::install(app, form.get());
        form->load();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void TearDown() override {
        if (AttendF* s = screen()) s->close();
        form->hide();
    }

    AttendF* screen() const { return form->findChild<AttendF*>(); }
    QWidget* focusWidget() const { return QApplication::focusWidget(); }
    void type(const QString& keys) { QTest::keyClicks(focusWidget(), keys); }
    void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(focusWidget(), key, mods); }
    char night6(qint32 record) { return ReadRecord(app, record).Attendance.at(6); }
};

TEST_F(AttendFTest, TwoPeopleMarkedFromTheKeyboardThenEscBackToTheMainWindow) {
    t.dialogs.type(QStringLiteral("6"));
    form->action(QStringLiteral("mnuAttendUpdate"))->trigger();
    AttendF* s = screen();
    ASSERT_NE(s, nullptr);
    // The screen, not the main window it replaces, takes the keyboard.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == s->windowHandle(); }));
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(s->text(QStringLiteral("MtgNum")), QStringLiteral("6"));
    EXPECT_EQ(s->focused(), QStringLiteral("SearchBox"));

    type(QStringLiteral("0013"));
    press(Qt::Key_Return);
    EXPECT_EQ(night6(2), '6');
    EXPECT_EQ(s->focused(), QStringLiteral("SearchBox"));
    EXPECT_EQ(s->text(QStringLiteral("SearchBox")), QString());
    EXPECT_EQ(s->text(QStringLiteral("LName")), QStringLiteral("Adams"));

    t.dialogs.answer(AnsYes);  // Enter on the name question
    type(QStringLiteral("smi"));
    press(Qt::Key_Return);
    EXPECT_EQ(night6(1), '6');
    EXPECT_EQ(s->focused(), QStringLiteral("SearchBox"));
    EXPECT_EQ(s->text(QStringLiteral("lblTotalAttending")), QStringLiteral("Attendance: 2"));

    // Alt+U: Undo takes Smith's mark back; the focus stays for the next person.
    press(Qt::Key_U, Qt::AltModifier);
    QTest::qWait(250);  // an access key presses its button for a moment
    EXPECT_EQ(night6(1), '-');
    EXPECT_EQ(s->text(QStringLiteral("lblTotalAttending")), QStringLiteral("Attendance: 1"));
    EXPECT_EQ(s->focused(), QStringLiteral("SearchBox"));

    press(Qt::Key_Escape);
    QTest::qWait(20);
    EXPECT_EQ(screen(), nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(app.hooks.attendanceFormLoaded);
    EXPECT_EQ(app.settings.LastMeeting, 6);
    EXPECT_EQ(night6(2), '6');
    EXPECT_FALSE(t.dialogs.pending());
}

// The arrows beside the meeting number change the box only: the crusade's last meeting
// rises when a night above it is marked or the box is left, and closing the screen keeps
// it otherwise.
TEST_F(AttendFTest, TheMeetingArrowsRaiseTheLastMeetingOnlyWhenTheNightIsUsed) {
    struct Case {
        const char* name;
        QStringList steps;  // "up", "down", a number to enter, "leave" (the box left)
        const char* box;
        int lastWhileOpen;
        int lastAfter;
    };
    const Case cases[] = {
        {"up and down again", {"up", "down"}, "5", 5, 5},
        {"up, nobody marked", {"up", "up"}, "7", 5, 5},
        {"up, a person marked", {"up", "0013"}, "6", 6, 6},
        {"up, the box left", {"up", "leave"}, "6", 6, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app.settings.LastMeeting = 5;
        t.dialogs.type(QStringLiteral("5"));
        form->action(QStringLiteral("mnuAttendUpdate"))->trigger();
        AttendF* s = screen();
        ASSERT_NE(s, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == s->windowHandle(); }));
        auto* box = qobject_cast<QWidget*>(s->object(QStringLiteral("MtgNum")));
        for (const QString& step : c.steps) {
            if (step == QLatin1String("up") || step == QLatin1String("down")) {
                QTest::mouseClick(qobject_cast<QWidget*>(s->object(step == QLatin1String("up")
                                                                       ? QStringLiteral("btnVscrollUp")
                                                                       : QStringLiteral("btnVScrollDn"))),
                                  Qt::LeftButton);
            } else if (step == QLatin1String("leave")) {
                QTest::mouseClick(box, Qt::LeftButton);
                QTest::mouseClick(qobject_cast<QWidget*>(s->object(QStringLiteral("SearchBox"))), Qt::LeftButton);
            } else {
                s->setFocus(QStringLiteral("SearchBox"));
                type(step);
                press(Qt::Key_Return);
            }
        }
        EXPECT_EQ(s->text(QStringLiteral("MtgNum")), QLatin1String(c.box));
        EXPECT_EQ(app.settings.LastMeeting, c.lastWhileOpen);
        s->setFocus(QStringLiteral("SearchBox"));
        press(Qt::Key_Escape);
        QTest::qWait(20);
        ASSERT_EQ(screen(), nullptr);
        EXPECT_EQ(app.settings.LastMeeting, c.lastAfter);
    }
    EXPECT_FALSE(t.dialogs.pending());
}

TEST_F(AttendFTest, AFailingCommandIsReportedOnceAndTheScreenGoesOn) {
    t.dialogs.type(QStringLiteral("6"));
    form->action(QStringLiteral("mnuAttendUpdate"))->trigger();
    AttendF* s = screen();
    ASSERT_NE(s, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == s->windowHandle(); }));
    t.dialogs.clear();
    t.dialogs.fail(err::PermissionDenied, QStringLiteral("Permission denied"));
    qobject_cast<QAbstractButton*>(s->object(QStringLiteral("btnGlobal")))->click();
    // The global search's question failed; the error is told once and nothing else is asked.
    ASSERT_EQ(t.dialogs.shown().size(), 2u);
    EXPECT_EQ(t.dialogs.shown()[1].text,
              QStringLiteral("Error #  70 was generated by Fennick95 Error: \r\nPermission denied"));
    s->setFocus(QStringLiteral("SearchBox"));
    type(QStringLiteral("0014"));
    press(Qt::Key_Return);
    EXPECT_EQ(night6(3), '6');
    EXPECT_TRUE(s->isVisible());
}

TEST_F(AttendFTest, EveryControlBearsItsNameAndTheDialogControlsWaitForTheirWindows) {
    t.dialogs.type(QStringLiteral("5"));
    form->action(QStringLiteral("mnuAttendUpdate"))->trigger();
    AttendF* s = screen();
    ASSERT_NE(s, nullptr);
    for (const QString& name : AttendFControlNames()) {
        EXPECT_TRUE(s->has(name)) << name.toStdString();
        if (!AttendFState::isVariable(name)) {
            EXPECT_EQ(s->object(name)->objectName(), name);
        }
    }
    for (const char* name : {"Attendance", "Class"}) EXPECT_FALSE(s->isEnabled(QLatin1String(name))) << name;
    for (const char* name : {"btnPrayerRequest", "mnuAtPrayerReq"})
        EXPECT_TRUE(s->isEnabled(QLatin1String(name))) << name;
    // A name the screen does not have stops a test build instead of being ignored.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(s->setText(QStringLiteral("SerachBox"), QString()), "no control SerachBox");
    EXPECT_DEATH((void)s->isEnabled(QStringLiteral("btnUndoo")), "no control btnUndoo");
    // The screen fits a 1366x768 screen.
    EXPECT_LE(s->frameGeometry().width(), 1366);
    EXPECT_LE(s->sizeHint().height(), 728);
}

}  // namespace

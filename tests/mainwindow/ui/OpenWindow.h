#pragma once
// The main window over a crusade of three people, shown and active, for the tests that
// drive it with the keyboard and the mouse as a person would.

// Mouse presses go through the window, as a real click does: the window sees the press
// before the focus moves to the control under the pointer.
#define QTEST_QPA_MOUSE_HANDLING

#include "CrusadeOnDisk.h"
#include "FakePlatform.h"
#include "RecordBuilder.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "mainwindow/AddMode.h"
#include "mainwindow/ui/EditForm.h"
#include "views/Indexes.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Test failures show texts as text.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace fennick::test {

class OpenWindow : public ::testing::Test {
protected:
    TestApp t;
    App& app = t.app;
    QString file;
    std::unique_ptr<EditForm> form;

    // Adams (record 2), Baker (record 3), Smith (record 1), in that order in the view.
    virtual CrusadeSpec crusade() const {
        CrusadeSpec s;
        s.records = {Person("0012", "Mary", "Smith"), Person("0013", "John", "Adams"), Person("0014", "Ruth", "Baker")};
        return s;
    }

    void SetUp() override {
        file = WriteCrusade(t, t.path("data"), QStringLiteral("spring"), crusade());
        ASSERT_TRUE(OpenCrusade(app, file));
        IndexAlpha(app);
        InstallAddModeHooks(app);
        form = std::make_unique<EditForm>(app);
        form->load();
        show();
    }
    void TearDown() override {
        if (form) form->hide();
    }

    void show() {
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QTest::qWait(10);
    }

    QWidget* widget(const QString& name) const { return qobject_cast<QWidget*>(form->object(name)); }
    QString text(const QString& name) const { return form->text(name); }
    QString focused() const { return form->focused(); }
    void focus(const QString& name) { form->setFocus(name); }
    // A key pressed in the control that has the focus.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(widget(focused()), key, modifiers);
    }
    // Text typed into the control that has the focus, over what it had selected.
    void type(const QString& keys) { QTest::keyClicks(widget(focused()), keys); }
    // Replaces a box's text from the keyboard: the box gets the focus and its text is typed over.
    void retype(const QString& box, const QString& keys) {
        focus(box);
        if (auto* edit = qobject_cast<QLineEdit*>(widget(box))) edit->selectAll();
        type(keys);
    }
    void click(const QString& name, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(widget(name), button);
    }
    void trigger(const QString& item) { form->action(item)->trigger(); }
    // In add mode: the first boxes typed from the number box on, each left with Enter,
    // then Save and Exit.
    void addAndSave(const QStringList& boxes) {
        ASSERT_EQ(focused(), QStringLiteral("RNum"));
        for (const QString& keys : boxes) {
            type(keys);
            press(Qt::Key_Return);
        }
        click(QStringLiteral("btnSaveExit"));
        ASSERT_FALSE(app.crusade.AddMode);
    }
    AttendeeRecord onFile(qint32 n) { return ReadRecord(app, n); }
};

}  // namespace fennick::test

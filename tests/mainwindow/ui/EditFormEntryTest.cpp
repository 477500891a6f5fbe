// The record boxes of the main window driven from the keyboard and the mouse: the Enter
// order, the add-mode copy keys, Esc, the page keys, the leave rules before a button's
// click, and the menu shortcuts inside a text box.

#include "OpenWindow.h"

#include "platform/Dialogs.h"

#include <QCheckBox>

using namespace fennick;
using namespace fennick::test;

namespace {

class EditFormEntryTest : public OpenWindow {
protected:
    void SetUp() override {
        OpenWindow::SetUp();
        app.settings.SoundOn = true;
        ASSERT_EQ(text(QStringLiteral("RNum")), QStringLiteral("0013"));
    }
    // Enters add mode from the Records menu for the last meeting.
    void addMode() {
        t.dialogs.type(QStringLiteral("5"));
        trigger(QStringLiteral("mnuAddRecords"));
        ASSERT_TRUE(app.crusade.AddMode);
    }
    // The boxes Enter visits from box, up to the first that does not move on.
    QStringList enterFrom(const QString& box, int presses) {
        focus(box);
        QStringList seen{focused()};
        for (int i = 0; i < presses; ++i) {
            press(Qt::Key_Return);
            seen << focused();
        }
        return seen;
    }
};

TEST_F(EditFormEntryTest, EnterWalksTheBoxesInTheScreensOrder) {
    // The advertising box asks for its letters when it gets the focus, then hands it on.
    t.dialogs.type(QStringLiteral("mt"));
    focus(QStringLiteral("Advertising"));
    EXPECT_EQ(text(QStringLiteral("Advertising")), QStringLiteral(".M.T..."));
    EXPECT_EQ(focused(), QStringLiteral("WorkerCode"));
    EXPECT_EQ(t.dialogs.last().title, QStringLiteral("Advertising Information"));

    EXPECT_EQ(enterFrom(QStringLiteral("WorkerCode"), 5),
              QStringList({"WorkerCode", "IntLevel", "Visits", "BaptDate", "Class", "Baptized"}));
    // Notes takes no Enter: it says so and stays.
    EXPECT_EQ(enterFrom(QStringLiteral("Notes"), 1), QStringList({"Notes", "Notes"}));
    EXPECT_EQ(t.dialogs.messages(), QStringList{QStringLiteral("You cannot enter multiple lines in this box.")});

    // Enter in the age box is a key like any other: the box moves on.
    EXPECT_EQ(enterFrom(QStringLiteral("RNum"), 10), QStringList({"RNum", "FName", "LName", "Address", "Zip", "State",
                                                                  "City", "MailList", "Phone", "txtEmail", "Age"}));
    // The age box takes one key and moves on; its leave turns the key into the group.
    type(QStringLiteral("3"));
    EXPECT_EQ(focused(), QStringLiteral("MapCode"));
    EXPECT_EQ(text(QStringLiteral("Age")), QStringLiteral("30-39"));
    press(Qt::Key_Return);
    EXPECT_EQ(focused(), QStringLiteral("RelPref"));
    // Outside add mode the church box hands the focus to the age box however it is left.
    focus(QStringLiteral("Phone"));
    EXPECT_EQ(focused(), QStringLiteral("Age"));
}

TEST_F(EditFormEntryTest, F2AndF3CopyTheNameEnteredBeforeOnlyInAddMode) {
    AttendeeRecord before = Person("0020", "Anne", "Clark");
    before.Address = "9 Elm Ave";
    before.City = "Dayton";
    before.State = "OH";
    before.Zip = "45402";
    before.Phone = "555-9876";
    app.crusade.PrevRecord = before;

    focus(QStringLiteral("Address"));
    press(Qt::Key_F2);
    EXPECT_EQ(text(QStringLiteral("Address")), QStringLiteral("1 Main St"));
    EXPECT_EQ(focused(), QStringLiteral("Address"));

    addMode();
    app.crusade.PrevRecord = before;  // the add command saved the record shown before
    EXPECT_EQ(focused(), QStringLiteral("RNum"));
    focus(QStringLiteral("Address"));
    press(Qt::Key_F2);
    EXPECT_EQ(text(QStringLiteral("Address")), QStringLiteral("9 Elm Ave"));
    EXPECT_EQ(focused(), QStringLiteral("Zip"));

    focus(QStringLiteral("LName"));
    press(Qt::Key_F3);
    const QStringList block = {text(QStringLiteral("LName")), text(QStringLiteral("Address")),
                               text(QStringLiteral("City")),  text(QStringLiteral("State")),
                               text(QStringLiteral("Zip")),   text(QStringLiteral("Phone"))};
    EXPECT_EQ(block, QStringList({"Clark", "9 Elm Ave", "Dayton", "OH", "45402", "555-9876"}));
    EXPECT_EQ(form->value(QStringLiteral("MailList")), 0);
    EXPECT_EQ(focused(), QStringLiteral("Age"));
    EXPECT_TRUE(t.sound.played.last().endsWith(QStringLiteral("S01.wav")));
}

TEST_F(EditFormEntryTest, EscPutsTheFieldBackAsItWasShown) {
    retype(QStringLiteral("FName"), QStringLiteral("Zed"));
    EXPECT_EQ(text(QStringLiteral("FName")), QStringLiteral("Zed"));
    press(Qt::Key_Escape);
    EXPECT_EQ(text(QStringLiteral("FName")), QStringLiteral("John"));
    EXPECT_EQ(focused(), QStringLiteral("FName"));
    // A check box too.
    focus(QStringLiteral("Class"));
    press(Qt::Key_Space);
    EXPECT_EQ(form->value(QStringLiteral("Class")), 1);
    press(Qt::Key_Escape);
    EXPECT_EQ(form->value(QStringLiteral("Class")), 0);
}

TEST_F(EditFormEntryTest, PageKeysSaveTheRecordAndMove) {
    retype(QStringLiteral("FName"), QStringLiteral("Johnny"));
    press(Qt::Key_PageDown);
    EXPECT_EQ(text(QStringLiteral("RNum")), QStringLiteral("0014"));
    EXPECT_EQ(onFile(2).FName.trimmed(), "Johnny");
    press(Qt::Key_PageUp);
    EXPECT_EQ(text(QStringLiteral("RNum")), QStringLiteral("0013"));
    EXPECT_EQ(text(QStringLiteral("FName")), QStringLiteral("Johnny"));

    // A record edited for the report window's preview stays where it is.
    form->setVisible(QStringLiteral("ReturnToPreviewMsg"), true);
    t.sound.played.clear();
    press(Qt::Key_PageDown);
    EXPECT_EQ(text(QStringLiteral("RNum")), QStringLiteral("0013"));
    ASSERT_EQ(t.sound.played.size(), 1);
    EXPECT_TRUE(t.sound.played.last().endsWith(QStringLiteral("S02.wav")));
}

TEST_F(EditFormEntryTest, TheBoxLeftRunsItsRuleBeforeTheButtonsClick) {
    // The address is put right as the box is left, so the record saved by the click
    // holds it that way.
    retype(QStringLiteral("Phone"), QStringLiteral("(555) 123-4567"));
    retype(QStringLiteral("Address"), QStringLiteral("5 oak avenue apt 4b"));
    click(QStringLiteral("ChgRec(2)"));
    EXPECT_EQ(text(QStringLiteral("RNum")), QStringLiteral("0014"));
    EXPECT_EQ(onFile(2).Address.trimmed(), "5 Oak Ave #4B");
    EXPECT_EQ(onFile(2).Phone.trimmed(), "555-123-4567");
    EXPECT_TRUE(t.dialogs.messages().isEmpty());
}

TEST_F(EditFormEntryTest, TheExitButtonsMouseDownComesBeforeTheNumberBoxsLeave) {
    // A new entry begins in the number box, highlighted, even when the focus was there.
    focus(QStringLiteral("RNum"));
    addMode();
    EXPECT_EQ(focused(), QStringLiteral("RNum"));
    EXPECT_EQ(widget(QStringLiteral("RNum"))->palette().color(QPalette::Base), QColor(255, 192, 128));
    retype(QStringLiteral("RNum"), QStringLiteral("12a"));
    // Leaving by the mouse for Cancel and Exit skips the number's checks: only the
    // question of the cancel is asked.
    t.dialogs.answer(AnsYes);
    click(QStringLiteral("btnCancelNew"));
    ASSERT_EQ(t.dialogs.messages().size(), 1);
    EXPECT_TRUE(t.dialogs.messages().first().startsWith(QStringLiteral("You are exiting this record without saving")));
    EXPECT_FALSE(app.crusade.AddMode);
    EXPECT_TRUE(app.msg.MsgText.isEmpty());

    // Leaving the box any other way checks the number.
    addMode();
    t.dialogs.clear();
    retype(QStringLiteral("RNum"), QStringLiteral("12a"));
    press(Qt::Key_Tab);
    ASSERT_EQ(t.dialogs.messages().size(), 1);
    EXPECT_TRUE(t.dialogs.messages().first().startsWith(QStringLiteral("You entered << 12a >>")));
    EXPECT_EQ(focused(), QStringLiteral("RNum"));
}

TEST_F(EditFormEntryTest, MenuShortcutsActInsideATextBox) {
    retype(QStringLiteral("FName"), QStringLiteral("Zed"));
    t.dialogs.answer(AnsYes);
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(t.dialogs.last().title, QStringLiteral("Undo Record Changes"));
    EXPECT_EQ(text(QStringLiteral("FName")), QStringLiteral("John"));

    press(Qt::Key_F8);
    EXPECT_EQ(text(QStringLiteral("RNum")), QStringLiteral("0014"));

    // While names are added the menus are out of use, and so are their shortcuts.
    addMode();
    t.dialogs.clear();
    focus(QStringLiteral("FName"));
    press(Qt::Key_Delete, Qt::ShiftModifier);
    press(Qt::Key_F7);
    EXPECT_TRUE(t.dialogs.shown().empty());
    EXPECT_TRUE(app.crusade.AddMode);
    EXPECT_EQ(app.view.ReportCount, 3);
}

}  // namespace

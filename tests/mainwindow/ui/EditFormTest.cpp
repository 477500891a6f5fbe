#include "CrusadeOnDisk.h"
#include "FakePlatform.h"
#include "RecordBuilder.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "mainwindow/EditFormControls.h"
#include "mainwindow/MenuBar.h"
#include "mainwindow/ui/EditForm.h"
#include "views/Indexes.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace fennick;
using namespace fennick::test;

namespace {

class EditFormTest : public ::testing::Test {
protected:
    TestApp t;
    App& app = t.app;
    QString file;
    std::unique_ptr<EditForm> form;

    void SetUp() override {
        CrusadeSpec s;
        AttendeeRecord adams = Person("0013", "John", "Adams");
        adams.Decisions = "-S-------";
        s.records = {Person("0012", "Mary", "Smith"), adams, Person("0014", "Ruth", "Baker")};
        file = WriteCrusade(t, t.path("data"), QStringLiteral("spring"), s);
        ASSERT_TRUE(OpenCrusade(app, file));
        IndexAlpha(app);  // Adams, Baker, Smith
        form = std::make_unique<EditForm>(app);
        form->load();
    }
    void TearDown() override {
        if (form) form->hide();
    }
    // Shows the window and lets its activation run.
    void show() {
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        QTest::qWait(20);
    }
    QString text(const char* name) const { return form->text(QLatin1String(name)); }
    template <typename T>
    T* widget(const char* name) const {
        return qobject_cast<T*>(form->object(QLatin1String(name)));
    }
};

// The menus as the window shows them, in the format of the menu table.
void RenderMenu(const EditForm& form, const QList<QAction*>& actions, int depth, QStringList& out) {
    for (QAction* a : actions) {
        QString s = QString(depth * 2, u' ');
        if (a->isSeparator()) {
            s += QStringLiteral("---");
            if (!a->objectName().isEmpty()) s += u' ' + a->objectName();
        } else {
            s += a->objectName() + QStringLiteral(" \"") + a->text() + u'"';
        }
        const QString keys = a->shortcut().toString(QKeySequence::PortableText);
        if (!keys.isEmpty()) s += QStringLiteral(" [") + keys + u']';
        if (!a->isVisible()) s += QStringLiteral(" hidden");
        if (!(a->objectName().isEmpty() ? a->isEnabled() : form.isEnabled(a->objectName())))
            s += QStringLiteral(" off");
        out << s;
        if (a->menu()) RenderMenu(form, a->menu()->actions(), depth + 1, out);
    }
}

void RenderTable(const QString& parent, int depth, QStringList& out) {
    for (const MenuEntry& e : MenuChildren(parent)) {
        QString s = QString(depth * 2, u' ');
        s += e.separator ? QStringLiteral("---") + (e.name.isEmpty() ? QString() : u' ' + e.name)
                         : e.name + QStringLiteral(" \"") + e.caption + u'"';
        if (!e.shortcut.isEmpty()) s += QStringLiteral(" [") + e.shortcut + u']';
        if (e.hidden) s += QStringLiteral(" hidden");
        // Edit Mode is out of use while a loaded crusade is shown in edit mode.
        if (!e.built || e.name == QStringLiteral("mnuEditMode")) s += QStringLiteral(" off");
        out << s;
        if (IsSubmenu(e.name)) RenderTable(e.name, depth + 1, out);
    }
}

TEST_F(EditFormTest, TheMenuBarIsBuiltFromTheTable) {
    QStringList shown, table;
    RenderMenu(*form, form->menuBar()->actions(), 0, shown);
    RenderTable(QString(), 0, table);
    ASSERT_EQ(shown.size(), table.size());
    for (int i = 0; i < table.size(); ++i)
        EXPECT_EQ(shown[i].toStdString(), table[i].toStdString()) << "line " << i + 1;
}

TEST_F(EditFormTest, EveryControlOfTheRecordScreenIsThere) {
    struct Kind {
        const char* className;
        QStringList names;
    };
    const Kind kinds[] = {
        {"QLineEdit", {"RNum",          "FName",      "LName",
                       "Address",       "City",       "State",
                       "Zip",           "Phone",      "Age",
                       "Advertising",   "IntLevel",   "Visits",
                       "WorkerCode",    "Attendance", "Attend",
                       "Last",          "Decisions",  "MapCode",
                       "BaptDate",      "BirthDate",  "txtEmail",
                       "RecordCounter", "SearchBox",  "EntInd",
                       "SDAIdent",      "MtgNum",     "boxVisitInterest",
                       "boxVisitVisits"}},
        {"QComboBox", {"RelPref"}},
        {"QPlainTextEdit", {"Notes"}},
        {"QCheckBox",
         {"MailList", "Class", "Baptized", "chkMarkToVisit", "AutoUpdateVisits", "Dec(0)", "Dec(1)", "Dec(2)", "Dec(3)",
          "Dec(4)", "Dec(5)", "Dec(6)", "Dec(7)", "Dec(8)"}},
        {"QLabel",
         {"RecordPos", "EditLabel", "FndNameBx", "lblNextFieldBtn", "SearchBoxLabel", "ReturnToPreviewMsg",
          "MtgNumLabel", "AddNameLabel", "Label_MailListFocus", "Label17", "VisitsLabel", "IntLabel", "lblBapDate",
          "BaptDateLbl", "MapCodeLbl", "ClassLbl", "lBaptized", "lBDate"}},
        {"QAbstractButton", {"ChgRec(0)",   "ChgRec(1)",    "ChgRec(2)", "ChgRec(3)",     "btnMark",   "btnGoTo",
                             "btnGlobal",   "btnAddName",   "btnDelete", "btnUndelete",   "btnSDA",    "btnUndo",
                             "btnAttend",   "btnViewFile",  "btnExcel",  "btnStats",      "btnPrayer", "btnSaveNew",
                             "btnSaveExit", "btnCancelNew", "ShowAll",   "btnVisitUpdate"}},
        {"QGroupBox", {"frameVisit"}},
        {"QFrame", {"Line1", "Line2"}},
        {"QWidget", {"lblShowButtonLabels"}},
    };
    for (const Kind& k : kinds)
        for (const QString& name : k.names) {
            QObject* o = form->object(name);
            ASSERT_NE(o, nullptr) << name.toStdString();
            EXPECT_TRUE(o->inherits(k.className)) << name.toStdString() << " is a " << o->metaObject()->className();
            EXPECT_EQ(o->objectName(), name);
            EXPECT_TRUE(form->has(name));
        }
    EXPECT_FALSE(form->has(QStringLiteral("NoSuchControl")));
    for (const char* hidden : {"btnSaveNew", "btnSaveExit", "btnCancelNew", "ShowAll", "MtgNum", "MtgNumLabel",
                               "AddNameLabel", "ReturnToPreviewMsg", "frameVisit", "Label_MailListFocus"})
        EXPECT_FALSE(form->isVisible(QLatin1String(hidden))) << hidden;
    EXPECT_EQ(form->items(QStringLiteral("RelPref")).size(), 14);
    EXPECT_EQ(form->text(QStringLiteral("lblShowButtonLabels")), kButtonLabelsCaption);
}

TEST_F(EditFormTest, TheNameListIsTheWindowsControls) {
    for (const QString& name : EditFormControlNames()) {
        QObject* o = form->object(name);
        ASSERT_NE(o, nullptr) << name.toStdString();
        EXPECT_EQ(o->objectName(), name);
    }
    // A name the window does not have stops a test build instead of being ignored.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(form->setText(QStringLiteral("SerachBox"), QString()), "no control SerachBox");
    EXPECT_DEATH((void)form->isVisible(QStringLiteral("mnuExitt")), "no control mnuExitt");
}

TEST_F(EditFormTest, ControlsAndMenusByName) {
    form->setText(QStringLiteral("mPrCut"), QStringLiteral("Printer Cutoff Point (Meeting 4)"));
    EXPECT_EQ(form->action(QStringLiteral("mPrCut"))->text(), QStringLiteral("Printer Cutoff Point (Meeting 4)"));

    form->setText(QStringLiteral("mnuRecentFile(1)"), file);
    form->setVisible(QStringLiteral("mnuRecentFile(1)"), true);
    EXPECT_TRUE(form->action(QStringLiteral("mnuRecentFile(1)"))->isVisible());
    EXPECT_TRUE(form->isEnabled(QStringLiteral("mnuRecentFile(1)")));

    // Menus are enabled and disabled as a whole.
    form->setEnabled(QStringLiteral("mnuFilterS"), false);
    EXPECT_FALSE(form->isEnabled(QStringLiteral("mnuFilterS")));
    EXPECT_FALSE(form->menu(QStringLiteral("mnuFilterS"))->isEnabled());
    form->setEnabled(QStringLiteral("mnuFilterS"), true);
    EXPECT_TRUE(form->isEnabled(QStringLiteral("mnuFilterS")));
    form->setEnabled(QStringLiteral("ChgRec(1)"), false);
    EXPECT_FALSE(widget<QWidget>("ChgRec(1)")->isEnabled());

    form->setBackColor(QStringLiteral("Zip"), kHighlightColour);
    EXPECT_EQ(widget<QLineEdit>("Zip")->palette().color(QPalette::Base), QColor(255, 192, 128));
    form->setBackColor(QStringLiteral("Zip"), kWindowBackground);
    EXPECT_EQ(widget<QLineEdit>("Zip")->palette().color(QPalette::Base),
              QApplication::palette(widget<QLineEdit>("Zip")).color(QPalette::Base));
    form->setForeColor(QStringLiteral("Phone"), kRed);
    EXPECT_EQ(widget<QLineEdit>("Phone")->palette().color(QPalette::Text), QColor(255, 0, 0));
    form->setBold(QStringLiteral("Address"), true);
    EXPECT_TRUE(widget<QLineEdit>("Address")->font().bold());

    for (int v : {1, 2, 0}) {
        form->setValue(QStringLiteral("Dec(2)"), v);
        EXPECT_EQ(form->value(QStringLiteral("Dec(2)")), v);
    }
    const QString title = QStringLiteral("Attendance for \r\nMtg:  7");
    form->setText(QStringLiteral("EditLabel"), title);
    EXPECT_EQ(text("EditLabel"), title);
    EXPECT_EQ(widget<QLabel>("EditLabel")->text(), QStringLiteral("Attendance for \nMtg:  7"));

    form->setText(QStringLiteral("RelPref"), QStringLiteral("Friends"));
    form->setItems(QStringLiteral("RelPref"), {QStringLiteral("SDA"), QStringLiteral("Other")});
    EXPECT_EQ(text("RelPref"), QStringLiteral("Friends"));
    EXPECT_EQ(form->items(QStringLiteral("RelPref")), (QStringList{"SDA", "Other"}));

    form->setText(QStringLiteral("FName"), QStringLiteral("Theodora"));
    form->setSelection(QStringLiteral("FName"), 2, 3);
    EXPECT_EQ(form->selectionStart(QStringLiteral("FName")), 2);
    EXPECT_EQ(widget<QLineEdit>("FName")->selectedText(), QStringLiteral("eod"));
}

TEST_F(EditFormTest, ShowingTheWindowShowsTheRecordAndItsCaptions) {
    app.settings.DecisionNames[2] = QStringLiteral("Sabbath Keeper");
    app.view.CurIndexPos = 1;
    show();
    EXPECT_EQ(text("RNum"), QStringLiteral("0013"));
    EXPECT_EQ(text("RecordCounter"), QStringLiteral("1 of 3"));
    EXPECT_EQ(text("mPrCut"), QStringLiteral("Printer Cutoff Point (Meeting 0)"));
    EXPECT_EQ(text("Dec(1)"), QStringLiteral("Sabbath Keeper"));
    EXPECT_EQ(form->value(QStringLiteral("Dec(1)")), 1);
    EXPECT_EQ(form->value(QStringLiteral("Dec(0)")), 0);
    EXPECT_TRUE(form->windowTitle().startsWith(QStringLiteral("Fennick Edit Screen: spring")));

    // Another window of the program took over and moved on; showing the window again
    // reads the record at the current position, unless the attendance editor had it.
    form->hide();
    app.view.CurIndexPos = 3;
    app.program.ScreenMode = QStringLiteral("attendupdate");
    show();
    EXPECT_EQ(text("RNum"), QStringLiteral("0013"));
    EXPECT_EQ(app.program.ScreenMode, QStringLiteral("edit"));
    form->hide();
    show();
    EXPECT_EQ(text("RNum"), QStringLiteral("0012"));
}

// The window opens centred on the screen and comes back to where it stood whenever another
// window (the attendance screen, the report window) hid it: its place is set as its own, so
// a window manager does not place it anew when it is shown again.
TEST_F(EditFormTest, OpensCentredAndKeepsItsPlace) {
    show();
    const QRect room = form->screen()->availableGeometry();
    EXPECT_NEAR(form->frameGeometry().center().y(), room.center().y(), 4);
    EXPECT_TRUE(form->testAttribute(Qt::WA_Moved));
    for (const QPoint& moved : {QPoint(0, 0), QPoint(0, 25)}) {
        form->move(form->pos() + moved);
        const QRect place = form->frameGeometry();
        form->setWindowVisible(false);
        QTest::qWait(10);
        show();
        EXPECT_EQ(form->frameGeometry(), place);
    }
}

TEST_F(EditFormTest, ReturningFromAnotherWindowKeepsWhatWasTyped) {
    app.view.CurIndexPos = 2;  // Baker, record 3
    show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    auto* first = widget<QLineEdit>("FName");
    first->setFocus();
    first->selectAll();
    QTest::keyClicks(first, QStringLiteral("Rutha"));
    EXPECT_TRUE(form->typedChanges());

    QWidget other;
    other.setWindowTitle(QStringLiteral("Another window of the program"));
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::qWait(20);
    EXPECT_EQ(text("FName"), QStringLiteral("Rutha"));
    EXPECT_EQ(ReadRecord(app, 3).FName.trimmed(), "Rutha");
    EXPECT_FALSE(form->typedChanges());
}

TEST_F(EditFormTest, NavigationButtonsAndKeys) {
    app.view.CurIndexPos = 1;
    show();
    QTest::mouseClick(widget<QWidget>("ChgRec(2)"), Qt::LeftButton);
    EXPECT_EQ(text("RNum"), QStringLiteral("0014"));
    QTest::mouseClick(widget<QWidget>("ChgRec(3)"), Qt::LeftButton);
    EXPECT_EQ(text("RNum"), QStringLiteral("0012"));
    form->action(QStringLiteral("mnuPreviousRec"))->trigger();
    EXPECT_EQ(text("RNum"), QStringLiteral("0014"));
    form->action(QStringLiteral("mnuNextRecord"))->trigger();
    EXPECT_EQ(text("RNum"), QStringLiteral("0012"));
    QTest::mouseClick(widget<QWidget>("ChgRec(0)"), Qt::LeftButton);
    EXPECT_EQ(text("RNum"), QStringLiteral("0013"));
}

TEST_F(EditFormTest, RightClickOnTheBackgroundPopsUpTheEditMenu) {
    show();
    QTest::mouseClick(form->centralWidget(), Qt::RightButton, {}, QPoint(5, 5));
    QMenu* edit = form->menu(QStringLiteral("mnuEdit"));
    EXPECT_TRUE(edit->isVisible());
    edit->close();
    QTest::mouseClick(form->centralWidget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(edit->isVisible());
}

TEST_F(EditFormTest, ClosingInAddModeAnsweredStayKeepsTheWindow) {
    show();
    app.crusade.AddMode = true;
    form->setVisible(QStringLiteral("MtgNum"), true);
    int asked = 0;
    app.hooks.cancelAddMode = [&] {
        ++asked;
        app.msg.MsgAnswer = QStringLiteral("dontexit");
    };
    EXPECT_FALSE(form->close());
    form->action(QStringLiteral("mnuExit"))->trigger();
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(form->QMainWindow::isVisible());
    EXPECT_FALSE(form->ended());
    EXPECT_TRUE(app.crusade.file.isOpen());
}

TEST_F(EditFormTest, ExitWritesTheCrusadeAndEndsTheProgram) {
    show();
    app.settings.LastMeeting = 11;
    form->action(QStringLiteral("mnuExit"))->trigger();
    EXPECT_TRUE(form->ended());
    EXPECT_EQ(form->exitCode(), 0);
    EXPECT_FALSE(form->QMainWindow::isVisible());
    EXPECT_FALSE(app.crusade.file.isOpen());
    EXPECT_EQ(FileLines(t.path("data/spring.inf")).value(2), " 11");
}

TEST_F(EditFormTest, AFailingMenuCommandIsReportedOnceAndTheWindowGoesOn) {
    show();
    t.dialogs.fail(err::PermissionDenied, QStringLiteral("Permission denied"));
    form->action(QStringLiteral("mnuAbout"))->trigger();
    ASSERT_EQ(t.dialogs.messages().size(), 2);
    EXPECT_EQ(t.dialogs.messages().last(),
              QStringLiteral("Error #  70 was generated by Fennick95 Error: \r\nPermission denied"));
    form->action(QStringLiteral("mnuAbout"))->trigger();
    EXPECT_EQ(t.dialogs.messages().size(), 3);
    EXPECT_EQ(t.dialogs.messages().last(), t.dialogs.messages().first()) << "the same command works again";
    EXPECT_FALSE(form->ended());
    EXPECT_TRUE(form->QMainWindow::isVisible());
}

TEST_F(EditFormTest, NoErrorLeavesACommand) {
    form->run([] { throw VbError(err::FileNotFound, QStringLiteral("File not found")); });
    EXPECT_EQ(t.dialogs.messages().last(),
              QStringLiteral("Error #  53 was generated by Fennick95 Error: \r\nFile not found"));
    EXPECT_FALSE(form->ended());
    form->run([] { throw ProgramEnd{3}; });
    EXPECT_TRUE(form->ended());
    EXPECT_EQ(form->exitCode(), 3);
}

TEST_F(EditFormTest, TheWindowFitsASmallScreen) {
    const QSize least = form->minimumSizeHint();
    EXPECT_LE(least.width(), 1366);
    EXPECT_LE(least.height(), 740);
    EXPECT_LE(form->width(), 1366);
    EXPECT_LE(form->height(), 740);
}

}  // namespace

// The preferences dialog and the church member list as start-up wires them: opened from
// the main window's menus, one instance each, and closed with their entries kept before
// the crusade's tables are replaced, never writing into another crusade.

#include "CrusadeOnDisk.h"
#include "FakePlatform.h"
#include "ModalGuard.h"
#include "RecordBuilder.h"
#include "app/ui/CrusadeWindows.h"
#include "app/ui/ProgramWindows.h"
#include "data/CrusadeFiles.h"
#include "data/SideFiles.h"
#include "mainwindow/ui/EditForm.h"
#include "tables/ui/Members.h"
#include "tables/ui/frmTab.h"
#include "views/Indexes.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

class TableDialogsTest : public ::testing::Test {
protected:
    TestApp t;
    App& app = t.app;
    QString spring, autumn;
    std::unique_ptr<ProgramWindows> windows;

    void SetUp() override {
        CrusadeSpec s;
        s.records = {Person("0012", "Mary", "Smith")};
        s.members = {MemberEntry("0301", "Baker", "Ruth")};
        spring = WriteCrusade(t, t.path("data"), QStringLiteral("spring"), s);
        autumn = WriteCrusade(t, t.path("data"), QStringLiteral("autumn"), s);
        ASSERT_TRUE(OpenCrusade(app, spring));
        IndexAlpha(app);
        windows = std::make_unique<ProgramWindows>(app);
        windows->main().load();
        // Shown and active, the main window shows its first record, which the menus save.
        windows->main().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&windows->main()));
        t.dialogs.clear();
    }
    void trigger(const char* item) {
        QAction* a = windows->main().action(QLatin1String(item));
        ASSERT_NE(a, nullptr);
        ASSERT_TRUE(a->isEnabled()) << item;
        a->trigger();
    }
    template <typename W>
    W* shown(const char* name) {
        return qobject_cast<W*>(windows->crusadeWindows().find(QLatin1String(name)));
    }
    QLineEdit* box(QWidget* w, const char* name) {
        return w->findChild<QLineEdit*>(QLatin1String(name));
    }
};

// Edit Team Names opens the dialog on the team tab with its print button; the Preferences
// item then only brings it forward, its boxes as typed.
TEST_F(TableDialogsTest, TeamNamesOpenTheTeamTabAndASecondOpeningKeepsTheBoxes) {
    trigger("mnuEditTeamNames");
    QPointer<frmTab> dialog = shown<frmTab>("frmTab");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->findChild<QTabWidget*>(QStringLiteral("tabPref"))->currentIndex(), 4);
    EXPECT_TRUE(dialog->control(QStringLiteral("btnPrintTeams"))->isVisible());
    EXPECT_TRUE(app.msg.MsgText.isEmpty());

    box(dialog, "Team(3)")->selectAll();
    QTest::keyClicks(box(dialog, "Team(3)"), QStringLiteral("Red"));
    trigger("mnuPref");
    EXPECT_EQ(shown<frmTab>("frmTab"), dialog.data());
    EXPECT_EQ(box(dialog, "Team(3)")->text(), QStringLiteral("Red"));
    EXPECT_TRUE(dialog->form().PrefsChanged);

    // Save writes the team and closes the dialog.
    QTest::mouseClick(static_cast<QPushButton*>(dialog->control(QStringLiteral("btnSave"))), Qt::LeftButton);
    EXPECT_TRUE(dialog.isNull() || !dialog->isVisible());
    EXPECT_EQ(app.settings.TeamNames[3], QStringLiteral("Red:"));
    EXPECT_TRUE(FileLines(t.path("data/spring.inf")).contains("Red:"));
}

// The crusade's name, date and last meeting mark the dialog changed when they are left
// differing from what was loaded, not at every keystroke: an edit typed and taken back
// before leaving lets Cancel close without its question.
TEST_F(TableDialogsTest, NameDateAndLastMeetingMarkAChangeWhenLeft) {
    struct Case {
        const char* box;
        const char* keys;  // typed at the end of the box; '<' is a backspace
        bool byEsc;        // Cancel by Esc in the box, else by a click on Cancel
        bool asks;
    };
    const Case cases[] = {
        {"CrNameM_Box", "X<", false, false},
        {"CrNameM_Box", "X", false, true},
        {"CrDateM_Box", "1<", true, false},
        {"CrDateM_Box", "1", true, true},
        {"LastMeetingBox", "0<", false, false},
        {"LastMeetingBox", "<<2", true, true},
    };
    const QString question = QStringLiteral("Are you sure you want to leave without saving your changes?");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.keys);
        trigger("mnuPref");
        QPointer<frmTab> dialog = shown<frmTab>("frmTab");
        ASSERT_NE(dialog, nullptr);
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == dialog->windowHandle(); }));
        QLineEdit* edit = box(dialog, c.box);
        edit->setFocus(Qt::MouseFocusReason);
        edit->end(false);
        for (const char* k = c.keys; *k; ++k)
            QTest::keyClick(edit, *k == '<' ? Qt::Key_Backspace : Qt::Key(*k));
        EXPECT_FALSE(dialog->form().PrefsChanged);  // not left yet
        t.dialogs.clear();
        if (c.asks) t.dialogs.answer(AnsYes);
        if (c.byEsc)
            QTest::keyClick(edit, Qt::Key_Escape);
        else
            QTest::mouseClick(static_cast<QPushButton*>(dialog->control(QStringLiteral("btnCancel"))), Qt::LeftButton);
        EXPECT_EQ(t.dialogs.messages(), c.asks ? QStringList{question} : QStringList());
        QApplication::processEvents();
        EXPECT_TRUE(dialog.isNull() || !dialog->isVisible());
    }
}

// The zip editor's Edit Team Names: the dialog on the team tab, modal over the editor.
TEST_F(TableDialogsTest, TheZipEditorsButtonOpensTheTeamTabModally) {
    ModalGuard::allow(true);
    int tab = -1;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        if (frmTab* d = shown<frmTab>("frmTab")) {
            tab = d->findChild<QTabWidget*>(QStringLiteral("tabPref"))->currentIndex();
            modal = d->isModal();
            d->close();
        }
    });
    app.hooks.editTeamNames();
    ModalGuard::allow(false);
    EXPECT_EQ(tab, 4);
    EXPECT_TRUE(modal);
    EXPECT_TRUE(app.msg.MsgText.isEmpty());
}

// The member list keeps the edit it shows when the tables are replaced: opening another
// crusade closes both windows, the edit reaches the first crusade's member file and the
// other crusade's files are left alone.
TEST_F(TableDialogsTest, OpeningAnotherCrusadeClosesBothWindowsKeepingTheMember) {
    trigger("mnuMembers");
    QPointer<Members> members = shown<Members>("Members");
    ASSERT_NE(members, nullptr);
    EXPECT_EQ(box(members, "LName")->text(), QStringLiteral("Baker"));
    trigger("mnuPref");
    QPointer<frmTab> dialog = shown<frmTab>("frmTab");
    ASSERT_NE(dialog, nullptr);
    box(dialog, "CrNameM_Box")->setText(QStringLiteral("Not Saved"));

    box(members, "FName")->setText(QStringLiteral("Ruthie"));
    const QByteArray autumnMembers = ReadFileBytes(t.path("data/autumn.mem"));
    const QByteArray autumnInfo = ReadFileBytes(t.path("data/autumn.inf"));
    ASSERT_TRUE(OpenCrusade(app, autumn));
    EXPECT_TRUE(members.isNull() || !members->isVisible());
    EXPECT_TRUE(dialog.isNull() || !dialog->isVisible());
    EXPECT_EQ(FileLines(t.path("data/spring.mem")), QList<QByteArray>{MemberEntry("0301", "Baker", "Ruthie")});
    EXPECT_EQ(ReadFileBytes(t.path("data/autumn.mem")), autumnMembers);
    EXPECT_EQ(ReadFileBytes(t.path("data/autumn.inf")), autumnInfo);
}

}  // namespace

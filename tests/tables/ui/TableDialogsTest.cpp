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

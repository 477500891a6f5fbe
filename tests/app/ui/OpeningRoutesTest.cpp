// Every command that opens a crusade, as the program lists them, run in its own window
// after a restore was killed with the crusade's data file moved aside: the command ends
// the restore and tells it before it looks for the data file, and opens the crusade as
// it was; the crusade dialogs list the data file kept aside.

#include "CrusadeOnDisk.h"
#include "FakePlatform.h"
#include "KilledRestore.h"
#include "RecordBuilder.h"
#include "app/ui/ProgramWindows.h"
#include "data/CrusadeFiles.h"
#include "data/frmSplashControls.h"
#include "data/ui/frmSplash.h"
#include "mainwindow/ui/EditForm.h"
#include "views/Indexes.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

TEST(OpeningRoutes, EachEndsARestoreCutOffBeforeItLooksForTheDataFile) {
    ASSERT_FALSE(CrusadeOpeningCommands().isEmpty());
    for (const QString& command : CrusadeOpeningCommands()) {
        SCOPED_TRACE(command.toStdString());
        TestApp t;
        App& app = t.app;
        // The program was killed restoring spring, the crusade it opens first, and
        // another copy of it restoring summer, which the recent files and the dialogs
        // lead to.
        const KilledRestore spring = KillRestore(t, QStringLiteral("spring"));
        const KilledRestore summer = KillRestore(t, QStringLiteral("summer"));
        const QString autumn = WriteCrusade(t, t.path("data"), QStringLiteral("autumn"), CrusadeSpec{});
        t.dialogs.clear();
        WriteIni(t, spring.dataFile);
        for (int i = 1; i <= 4; ++i)
            t.store.save(QStringLiteral("MDINote"), QStringLiteral("Recent Files"),
                         QStringLiteral("RecentFile%1").arg(i), summer.dataFile);
        // A dialog chooses the file of summer that its filter lists.
        t.dialogs.onShow = [&](const FakeDialogs::Shown& shown) {
            if (shown.kind != FakeDialogs::Kind::Open) return;
            const QDir folder(shown.file.initialDir);
            const QStringList listed =
                folder.entryList(shown.file.filter.split(u'|').value(1).split(u';'), QDir::Files);
            EXPECT_EQ(listed.filter(QRegularExpression("^summer\\.")).size(), 1) << listed.join(' ').toStdString();
            t.dialogs.choose(folder.filePath(listed.filter(QRegularExpression("^summer\\.")).value(0)));
        };

        if (frmSplashControlNames().contains(command)) {
            frmSplash screen(app, [] { return true; });
            screen.load();
            QTest::mouseClick(screen.findChild<QLabel*>(command), Qt::LeftButton);
            EXPECT_EQ(screen.result(), QDialog::Accepted) << t.dialogs.messages().join(" / ").toStdString();
        } else {
            ASSERT_TRUE(OpenCrusade(app, autumn));
            IndexAlpha(app);
            ProgramWindows windows(app);
            windows.main().load();
            QAction* item = windows.main().action(command);
            ASSERT_TRUE(item && item->isEnabled());
            item->trigger();
        }

        // The crusade opened is one of those cut off, ended and told before its opening
        // went on, as it was before the restore, with nothing of the restore left.
        const KilledRestore& opened = app.program.DataFile == spring.dataFile ? spring : summer;
        ASSERT_EQ(app.program.DataFile, opened.dataFile);
        EXPECT_TRUE(app.crusade.file.isOpen());
        EXPECT_EQ(ReadFileBytes(opened.dataFile), opened.before);
        const QStringList shown = t.dialogs.messages();
        const qsizetype at = shown.indexOf(opened.told);
        EXPECT_GE(at, 0) << shown.join(" / ").toStdString();
        EXPECT_FALSE(shown.mid(0, at).join(u'|').contains("loaded successfully"));
        const QString left = QFileInfo(opened.dataFile).completeBaseName() + ".*fennick-*";
        EXPECT_EQ(QDir(t.path("data")).entryList({left}, QDir::Files | QDir::Hidden).join(' ').toStdString(), "");
    }
}

}  // namespace

// Every command that opens a crusade, as the program lists them, run in its own window
// after a restore was killed with the crusade's data file moved aside: the command ends
// the restore and tells it before it looks for the data file, and opens the crusade as
// it was; the crusade dialogs list the data file kept aside.

#include "CrusadeOnDisk.h"
#include "FakePlatform.h"
#include "FakeScreen.h"
#include "FileSizeLimit.h"
#include "RecordBuilder.h"
#include "app/ui/ProgramWindows.h"
#include "data/CrusadeFiles.h"
#include "data/FileUtil.h"
#include "data/frmSplashControls.h"
#include "data/ui/frmSplash.h"
#include "filetools/BackupRestore.h"
#include "mainwindow/ui/EditForm.h"
#include "views/Indexes.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace fennick;
using namespace fennick::test;

namespace {

// A crusade of the data folder with a backup of other records, whose restore was killed.
struct CutOff {
    QString dataFile, backup;
    QByteArray before;  // the data file's bytes before the restore
};

// A crusade name, written with a backup; the restore from it is killed once it has moved
// the data file aside, before the backup's takes its place.
CutOff KilledRestore(TestApp& t, const QString& name) {
    CrusadeSpec s;
    s.records = {Person("0012", "Mary", "Smith")};
    CutOff c;
    c.dataFile = WriteCrusade(t, t.path("data"), name, s);
    s.records << Person("0013", "John", "Adams");
    c.backup = WriteCrusade(t, t.path("backup"), name, s);
    c.before = ReadFileBytes(c.dataFile);
    const auto left = InChildWithFileSizeLimit(qint64(1) << 40, [&] {
        App& app = t.app;
        if (!OpenCrusade(app, c.dataFile)) return QByteArray("not opened");
        IndexAlpha(app);
        app.settings.BackupPath = c.backup;
        t.files.afterCall = [&](const QString& call) {
            if (call.startsWith("rename " + c.dataFile + " > ")) ::_exit(0);
        };
        t.dialogs.choose(c.backup).answer(AnsYes).answer(AnsYes);
        FakeScreen form;
        RestoreCrusade(app, form);
        return QByteArray("not killed");
    });
    EXPECT_EQ(left.value_or("crashed"), QByteArray());
    EXPECT_FALSE(QFileInfo::exists(c.dataFile));
    EXPECT_TRUE(QFileInfo::exists(c.dataFile + kOldFileSuffix));
    return c;
}

// The file of the folder an open dialog shows that its filter lists, for the crusade of
// that name; empty when it lists none.
QString Listed(const FileDialogSpec& spec, const QString& name) {
    const QStringList patterns = spec.filter.split(u'|').value(1).split(u';', Qt::SkipEmptyParts);
    for (const QString& file : QDir(spec.initialDir).entryList(patterns, QDir::Files))
        if (file.startsWith(name + u'.')) return QDir(spec.initialDir).filePath(file);
    return QString();
}

TEST(OpeningRoutes, EachEndsARestoreCutOffBeforeItLooksForTheDataFile) {
    ASSERT_FALSE(CrusadeOpeningCommands().isEmpty());
    for (const QString& command : CrusadeOpeningCommands()) {
        SCOPED_TRACE(command.toStdString());
        TestApp t;
        App& app = t.app;
        // The program was killed restoring spring, the crusade it opens first, and
        // another copy of it restoring summer, which the recent files and the dialogs
        // lead to.
        const CutOff spring = KilledRestore(t, QStringLiteral("spring"));
        const CutOff summer = KilledRestore(t, QStringLiteral("summer"));
        const QString autumn = WriteCrusade(t, t.path("data"), QStringLiteral("autumn"), CrusadeSpec{});
        t.dialogs.clear();
        WriteIni(t, spring.dataFile);
        for (int i = 1; i <= 4; ++i)
            t.store.save(QStringLiteral("MDINote"), QStringLiteral("Recent Files"),
                         QStringLiteral("RecentFile%1").arg(i), summer.dataFile);
        t.dialogs.onShow = [&](const FakeDialogs::Shown& shown) {
            if (shown.kind != FakeDialogs::Kind::Open) return;
            const QString listed = Listed(shown.file, QStringLiteral("summer"));
            EXPECT_FALSE(listed.isEmpty()) << "the dialog lists no file of summer";
            t.dialogs.choose(listed);
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
        const CutOff& opened = app.program.DataFile == spring.dataFile ? spring : summer;
        ASSERT_EQ(app.program.DataFile, opened.dataFile);
        EXPECT_TRUE(app.crusade.file.isOpen());
        EXPECT_EQ(ReadFileBytes(opened.dataFile), opened.before);
        const QStringList shown = t.dialogs.messages();
        const QString told =
            "The restore from " + t.path("backup/") +
            " was not finished; the crusade is as it was before it.\r\nPut back as they were: " + opened.dataFile + ".";
        const qsizetype at = shown.indexOf(told);
        EXPECT_GE(at, 0) << shown.join(" / ").toStdString();
        for (qsizetype i = 0; i < at; ++i)
            EXPECT_FALSE(shown[i].contains("loaded successfully")) << shown[i].toStdString();
        const QString base = QFileInfo(opened.dataFile).completeBaseName();
        for (const QString& file : QDir(t.path("data")).entryList(QDir::Files | QDir::Hidden))
            EXPECT_FALSE(file.startsWith(base + u'.') && file.contains(".fennick-")) << file.toStdString();
    }
}

}  // namespace

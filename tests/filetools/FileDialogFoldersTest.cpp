// Where the file dialogs of the crusade tools open: at the last backup while its folder is
// on this machine, the home folder otherwise, the crusade's folder for its imports and
// merges. A remembered backup path stays as it is until a new backup is made.

#include "CrusadeToolsFixture.h"
#include "filetools/BackupRestore.h"
#include "filetools/CrusadeMerge.h"
#include "filetools/TextImport.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

// Each command up to its file dialog, which the test cancels.
using Command = void (*)(CrusadeToolsWorld&);
void Backup(CrusadeToolsWorld& w) {
    BackupFiles(w.app);
}
void Restore(CrusadeToolsWorld& w) {
    RestoreCrusade(w.app, w.screen);
}
void Import(CrusadeToolsWorld& w) {
    mnuImportText_Click(w.app, w.screen);
}
void Merge(CrusadeToolsWorld& w) {
    mnuMerge_Click(w.app, w.screen);
}

// "~/", "@/" and "data/" at the start of a path stand for the home, backup and data folders.
QString Resolved(const CrusadeToolsWorld& w, const char* path) {
    QString p = QString::fromLatin1(path);
    if (p.startsWith(QLatin1String("~/"))) return QDir(QDir::homePath()).filePath(p.mid(2));
    if (p.startsWith(QLatin1String("@/"))) return w.backup(p.mid(2));
    if (p.startsWith(QLatin1String("data/"))) return w.data(p.mid(5));
    return p;
}

TEST(FileDialogFoldersTest, EachDialogOpensWhereItsFilesAre) {
    const struct {
        const char* what;
        Command command;
        const char* remembered;  // BackupPath
        const char* folder;      // the dialog's folder and file name, as proposed
        const char* file;
    } cases[] = {
        {"backup, a path from Windows", Backup, "c:\\backup\\", "", "~/spring.dta"},
        {"backup, a folder that is gone", Backup, "/earlier/spring.dta", "", "~/spring.dta"},
        {"backup, the last backup", Backup, "@/spring.dta", "", "@/spring.dta"},
        {"backup, a folder remembered", Backup, "@/", "", "@/spring.dta"},
        {"restore, a path from Windows", Restore, "c:\\backup\\", "~/", ""},
        {"restore, the last backup", Restore, "@/spring.dta", "@/", ""},
        {"import", Import, "", "data/", ""},
        {"merge", Merge, "", "data/", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CrusadeToolsWorld w;
        const QString remembered = Resolved(w, c.remembered);
        w.app.settings.BackupPath = remembered;
        if (c.command == Import) w.t.dialogs.answer(AnsOK);  // the import's notice comes first
        w.t.dialogs.choose(std::nullopt);
        c.command(w);
        const auto& dialog = w.t.dialogs.last();
        EXPECT_EQ(QDir::cleanPath(dialog.file.initialDir).toStdString(),
                  QDir::cleanPath(Resolved(w, c.folder)).toStdString());
        EXPECT_EQ(dialog.file.fileName.toStdString(), Resolved(w, c.file).toStdString());
        EXPECT_EQ(w.app.settings.BackupPath, remembered);
        EXPECT_FALSE(w.t.dialogs.pending());
    }
}

}  // namespace

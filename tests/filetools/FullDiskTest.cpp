// Every kind of whole-file save, and the copies of a backup and a restore, on a disk that
// fills part way through a file: the crusade's, the backup's and the program's files stay
// byte for byte as they were and the failure is told with the file's name. The writes
// fail in a child process whose files cannot grow (FileSizeLimit.h).

#include "CrusadeToolsFixture.h"
#include "FileSizeLimit.h"
#include "RecordBuilder.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/FileUtil.h"
#include "data/InfoFile.h"
#include "data/IniFile.h"
#include "data/SideFiles.h"
#include "data/Text.h"
#include "filetools/BackupRestore.h"
#include "filetools/Compaction.h"
#include "filetools/ExportCommands.h"
#include "filetools/TextExportFile.h"
#include "statistics/StatDataFile.h"
#include "statistics/Stats.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>

using namespace fennick;
using namespace fennick::test;

namespace {

// Smaller than any file the program writes.
constexpr qint64 kFullAfter = 8;
// Larger than the crusade's side files, smaller than its data file once it has grown.
constexpr qint64 kFullInTheDataFile = 6000;

struct SaveKind {
    const char* what;  // also the test's name
    std::function<QString(const App&)> target;
    std::function<void(CrusadeToolsWorld&)> run;
    qint64 limit = kFullAfter;
    const char* says = "Could not write";  // the start of the failure's description
};

void PrintTo(const SaveKind& kind, std::ostream* os) {
    *os << kind.what;
}

QString InData(const App& app, const char* ext) {
    return SideFileName(app.program.DataFile, QLatin1String(ext));
}

// Answers the backup's questions: the backup folder's file, overwrite, go on.
void BackUp(CrusadeToolsWorld& w) {
    w.t.dialogs.choose(w.backup(QStringLiteral("spring.dta")));
    if (QFileInfo::exists(w.backup(QStringLiteral("spring.dta")))) w.t.dialogs.answer(AnsOK);
    w.t.dialogs.answer(AnsYes);
    BackupFiles(w.app);
}

const SaveKind kKinds[] = {
    {"SettingsFile", [](const App& a) { return InData(a, "inf"); },
     [](CrusadeToolsWorld& w) {
         w.app.settings.LastMeeting = 7;
         SaveInfoFile(w.app);
     }},
    {"ProgramIni", [](const App& a) { return IniFilePath(a); },
     [](CrusadeToolsWorld& w) {
         w.app.program.LabelOffsetDown = 3;
         SaveIniFile(w.app);
     }},
    {"ZipTable", [](const App& a) { return InData(a, "zps"); },
     [](CrusadeToolsWorld& w) {
         w.app.crusade.ZipTable[1] = ZipEntry("62702", "IL", "04", "Capital", 1);
         SaveZips(w.app);
     }},
    {"MemberList", [](const App& a) { return InData(a, "mem"); },
     [](CrusadeToolsWorld& w) {
         w.app.crusade.MemberNames[1] = "0041Changed";
         SaveMembers(w.app);
     }},
    {"StatisticsDataFile", [](const App& a) { return StatDataPath(a); },
     [](CrusadeToolsWorld& w) { Stats(w.app, kStatsFileOnly); }},
    {"TextExport", [](const App& a) { return TextExportPath(a); },
     [](CrusadeToolsWorld& w) { mnuExportText_Click(w.app, w.screen); }},
    {"Compaction", [](const App& a) { return a.program.DataFile; },
     [](CrusadeToolsWorld& w) {
         w.t.dialogs.answer(AnsYes);
         mnuCompact_Click(w.app, w.screen);
     }},
    {"Backup", [](const App& a) { return a.program.DataFile; }, BackUp, kFullInTheDataFile, "Could not copy"},
    {"Restore", [](const App& a) { return a.program.DataFile; },
     [](CrusadeToolsWorld& w) {
         w.t.dialogs.choose(w.backup(QStringLiteral("spring.dta"))).answer(AnsYes).answer(AnsYes);
         RestoreCrusade(w.app, w.screen);
     },
     kFullInTheDataFile, "Could not copy"},
};

// Every file of the program, data and backup folders, by name.
FolderFiles Everything(CrusadeToolsWorld& w) {
    FolderFiles all = FilesIn(w.t.dir.path());
    for (const char* folder : {"data", "backup"}) {
        const FolderFiles in = FilesIn(w.t.path(QLatin1String(folder)));
        for (auto it = in.begin(); it != in.end(); ++it)
            all.insert(QLatin1String(folder) + u'/' + it.key(), it.value());
    }
    return all;
}

class FullDisk : public ::testing::TestWithParam<SaveKind> {};

TEST_P(FullDisk, LeavesTheFileAsItWasAndTellsWhichCouldNotBeWritten) {
    const SaveKind& kind = GetParam();
    CrusadeToolsWorld w;
    // Every file the kinds write exists beforehand, and a backup to restore; the data file
    // grows past the side files.
    for (qint32 n = 5; n <= 20; ++n) WriteRecord(w.app, n, Person(qPrintable(ZeroPad(100 + n, 4)), "More", "Names"));
    ASSERT_TRUE(Stats(w.app, kStatsFileOnly));
    mnuExportText_Click(w.app, w.screen);
    BackUp(w);
    ASSERT_EQ(w.t.dialogs.messages().last(), QStringLiteral("Backup Completed Successfully"));
    w.t.dialogs.clear();
    const QString target = kind.target(w.app);
    const FolderFiles before = Everything(w);
    ASSERT_TRUE(before.contains(QDir(w.t.dir.path()).relativeFilePath(target))) << target.toStdString();

    const std::optional<QByteArray> told = InChildWithFileSizeLimit(kind.limit, [&] {
        try {
            kind.run(w);
        } catch (const VbError& e) {
            return ("thrown: " + e.description()).toUtf8();
        }
        return w.t.dialogs.messages().join(u'|').toUtf8();
    });
    ASSERT_TRUE(told.has_value()) << "the child did not finish";
    EXPECT_TRUE(told->contains(kind.says) && told->contains(target.toUtf8())) << told->constData();
    EXPECT_FALSE(told->contains("Unknown error")) << told->constData();
    const FolderFiles after = Everything(w);
    for (auto it = before.begin(); it != before.end(); ++it)
        EXPECT_TRUE(after.value(it.key()) == it.value()) << it.key().toStdString() << " changed";
    EXPECT_EQ(after.keys(), before.keys());
}

INSTANTIATE_TEST_SUITE_P(EachKind, FullDisk, ::testing::ValuesIn(kKinds),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace

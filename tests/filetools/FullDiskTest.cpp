// Every kind of whole-file save on a disk that fills part way through the file: the
// crusade's and the program's files stay byte for byte as they were and the failure is
// told with the file's name. The writes fail in a child process whose files cannot grow
// (FileSizeLimit.h).

#include "CrusadeToolsFixture.h"
#include "FileSizeLimit.h"
#include "data/Errors.h"
#include "data/FileUtil.h"
#include "data/InfoFile.h"
#include "data/IniFile.h"
#include "data/SideFiles.h"
#include "filetools/Compaction.h"
#include "filetools/ExportCommands.h"
#include "filetools/TextExportFile.h"
#include "statistics/StatDataFile.h"
#include "statistics/Stats.h"

#include <QDir>

#include <gtest/gtest.h>

#include <functional>

using namespace fennick;
using namespace fennick::test;

namespace {

// Smaller than any file the program writes.
constexpr qint64 kFullAfter = 8;

struct SaveKind {
    const char* what;
    std::function<QString(const App&)> target;
    std::function<void(CrusadeToolsWorld&)> run;
};

void PrintTo(const SaveKind& kind, std::ostream* os) {
    *os << kind.what;
}

QString InData(const App& app, const char* ext) {
    return SideFileName(app.program.DataFile, QLatin1String(ext));
}

const SaveKind kKinds[] = {
    {"settings file", [](const App& a) { return InData(a, "inf"); },
     [](CrusadeToolsWorld& w) {
         w.app.settings.LastMeeting = 7;
         SaveInfoFile(w.app);
     }},
    {"program ini", [](const App& a) { return IniFilePath(a); },
     [](CrusadeToolsWorld& w) {
         w.app.program.LabelOffsetDown = 3;
         SaveIniFile(w.app);
     }},
    {"zip table", [](const App& a) { return InData(a, "zps"); },
     [](CrusadeToolsWorld& w) {
         w.app.crusade.ZipTable[1] = ZipEntry("62702", "IL", "04", "Capital", 1);
         SaveZips(w.app);
     }},
    {"member list", [](const App& a) { return InData(a, "mem"); },
     [](CrusadeToolsWorld& w) {
         w.app.crusade.MemberNames[1] = "0041Changed";
         SaveMembers(w.app);
     }},
    {"statistics data file", [](const App& a) { return StatDataPath(a); },
     [](CrusadeToolsWorld& w) { Stats(w.app, kStatsFileOnly); }},
    {"text export", [](const App& a) { return TextExportPath(a); },
     [](CrusadeToolsWorld& w) { mnuExportText_Click(w.app, w.screen); }},
    {"compaction", [](const App& a) { return a.program.DataFile; },
     [](CrusadeToolsWorld& w) {
         w.t.dialogs.answer(AnsYes);
         mnuCompact_Click(w.app, w.screen);
     }},
};

// Every file of both folders, by name.
FolderFiles Everything(CrusadeToolsWorld& w) {
    FolderFiles all = FilesIn(w.t.dir.path());
    const FolderFiles data = FilesIn(w.t.path(QStringLiteral("data")));
    for (auto it = data.begin(); it != data.end(); ++it) all.insert(QStringLiteral("data/") + it.key(), it.value());
    return all;
}

class FullDisk : public ::testing::TestWithParam<SaveKind> {};

TEST_P(FullDisk, LeavesTheFileAsItWasAndTellsWhichCouldNotBeWritten) {
    const SaveKind& kind = GetParam();
    CrusadeToolsWorld w;
    // Every file the kinds write exists beforehand.
    ASSERT_TRUE(Stats(w.app, kStatsFileOnly));
    mnuExportText_Click(w.app, w.screen);
    w.t.dialogs.clear();
    const QString target = kind.target(w.app);
    const FolderFiles before = Everything(w);
    ASSERT_TRUE(before.contains(QDir(w.t.dir.path()).relativeFilePath(target))) << target.toStdString();

    const std::optional<QByteArray> told = InChildWithFileSizeLimit(kFullAfter, [&] {
        try {
            kind.run(w);
        } catch (const VbError& e) {
            return ("thrown: " + e.description()).toUtf8();
        }
        return w.t.dialogs.messages().join(u'|').toUtf8();
    });
    ASSERT_TRUE(told.has_value()) << "the child did not finish";
    EXPECT_TRUE(told->contains(target.toUtf8())) << told->constData();
    EXPECT_TRUE(Everything(w) == before) << "a file changed";
}

INSTANTIATE_TEST_SUITE_P(EachKind, FullDisk, ::testing::ValuesIn(kKinds),
                         [](const auto& info) {
                             QString name = QString::fromLatin1(info.param.what);
                             name.remove(u' ');
                             return name.toStdString();
                         });

}  // namespace

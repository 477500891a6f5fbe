// The commands over the crusade's files as a whole, taken from the program's own list: none
// runs over files that lack what the program holds, none takes a hard link to the open data
// file for another file, the backup's dialog refuses before it asks, and the text export
// never takes the name of another crusade's file.

#include "CrusadeOnDisk.h"
#include "CrusadeToolsFixture.h"
#include "RecordBuilder.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "filetools/CrusadeFileCommands.h"
#include "filetools/ExportCommands.h"
#include "filetools/TextExportFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <unistd.h>

#include <functional>

using namespace fennick;
using namespace fennick::test;

namespace {

const CrusadeFileCommand& Command(const char* item) {
    for (const CrusadeFileCommand& c : CrusadeFileCommands())
        if (QLatin1String(c.item) == QLatin1String(item)) return c;
    throw std::runtime_error(item);
}

// Every file under the test's folder, by path.
FolderFiles EveryFile(const CrusadeToolsWorld& w) {
    FolderFiles out;
    for (const char* folder : {"", "data", "moved", "backup"})
        for (const auto& [name, bytes] : FilesIn(w.t.path(QLatin1String(folder))).asKeyValueRange())
            out.insert(QLatin1String(folder) + u'/' + name, bytes);
    return out;
}

TEST(CrusadeFileCommands, RefuseWhileTheProgramHoldsWhatTheDataFileLacks) {
    for (const CrusadeFileCommand& command : CrusadeFileCommands())
        for (const bool folderGone : {true, false}) {
            SCOPED_TRACE(std::string(command.item) + (folderGone ? " folder gone" : " data file replaced"));
            CrusadeToolsWorld w;
            WriteFileBytes(w.backup(QStringLiteral("spring.dta")), ReadFileBytes(w.spring));
            w.app.settings.BackupPath = w.backup(QStringLiteral("spring.dta"));
            if (folderGone) {
                ASSERT_TRUE(QDir().rename(w.t.path(QStringLiteral("data")), w.t.path(QStringLiteral("moved"))));
            } else {
                // A copy of the data file put in its place.
                ASSERT_TRUE(QFile::copy(w.spring, w.spring + QStringLiteral(".copy")));
                ASSERT_TRUE(QFile::remove(w.spring));
                ASSERT_TRUE(QFile::rename(w.spring + QStringLiteral(".copy"), w.spring));
            }
            AttendeeRecord maria = ReadRecord(w.app, 1);
            maria.FName = "Maria";
            EXPECT_THROW(WriteRecord(w.app, 1, maria), VbError);
            const FolderFiles before = EveryFile(w);

            RunCrusadeFileCommand(w.app, w.screen, command);

            ASSERT_EQ(w.t.dialogs.shown().size(), 1u) << "the refusal, before anything else";
            const QString told = w.t.dialogs.shown()[0].text;
            EXPECT_TRUE(told.startsWith(w.app.crusade.file.whatWasLost())) << told.toStdString();
            EXPECT_TRUE(told.contains(CommandCaption(command) + QStringLiteral(" was not run: ")));
            EXPECT_TRUE(told.contains(QStringLiteral("which include a record whose writing was refused")));
            EXPECT_TRUE(told.contains(QStringLiteral("close the crusade (File, Change Meeting, or Exit)")));
            EXPECT_EQ(EveryFile(w), before);
            EXPECT_EQ(w.app.crusade.file.kept(1), maria.encode()) << "the change is still held";
        }
}

// The same commands with the crusade in its place go on to their own questions.
TEST(CrusadeFileCommands, RunWhileTheDataFileIsInItsPlace) {
    for (const CrusadeFileCommand& command : CrusadeFileCommands()) {
        SCOPED_TRACE(command.item);
        CrusadeToolsWorld w;
        w.t.dialogs.otherwise(AnsNo);
        w.app.hooks.mailMerge = [&w] { MailMerge(w.app); };
        RunCrusadeFileCommand(w.app, w.screen, command);
        EXPECT_FALSE(w.t.dialogs.shown().empty());
        EXPECT_TRUE(w.t.dialogs.messages().filter(QStringLiteral(" was not run: ")).isEmpty());
    }
}

// A hard link to the open data file, in another folder under the data file's name, is the
// open data file to every command that refuses it.
TEST(CrusadeFileCommands, AHardLinkToTheOpenDataFileIsThatFile) {
    const struct {
        const char* item;
        std::function<void(CrusadeToolsWorld&, const QString& link)> answer;
        const char* refusal;
    } rows[] = {
        {"mnuBackup", [](CrusadeToolsWorld& w, const QString& link) { w.t.dialogs.choose(link).choose(std::nullopt); },
         "<data> is the open crusade's data file."},
        {"mnuRestoreCr", [](CrusadeToolsWorld& w, const QString& link) { w.t.dialogs.choose(link).answer(AnsYes); },
         "You cannot restore a file from itself."},
        {"mnuMerge", [](CrusadeToolsWorld& w, const QString& link) { w.t.dialogs.choose(link); },
         "You Cannot Merge the Currently Loaded File into itself."},
        {"mnuMergeAttendance", [](CrusadeToolsWorld& w, const QString& link) { w.t.dialogs.choose(link); },
         "You Cannot Update the Currently Loaded File to itself."},
        {"mnuCompare", [](CrusadeToolsWorld&, const QString&) {},
         "You Cannot Compare the Currently Loaded File to itself."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.item);
        CrusadeToolsWorld w;
        const QString link = w.backup(QStringLiteral("spring.dta"));
        ASSERT_EQ(::link(QFile::encodeName(w.spring).constData(), QFile::encodeName(link).constData()), 0);
        w.app.settings.BackupPath = link;
        const FolderFiles before = EveryFile(w);
        row.answer(w, link);
        RunCrusadeFileCommand(w.app, w.screen, Command(row.item));
        EXPECT_FALSE(w.t.dialogs.pending());
        EXPECT_TRUE(
            w.t.dialogs.messages().last().startsWith(QString::fromLatin1(row.refusal).replace("<data>", w.spring)))
            << w.t.dialogs.messages().join(" / ").toStdString();
        EXPECT_EQ(EveryFile(w), before);
        EXPECT_EQ(w.app.crusade.RecCount, 4);
    }
}

// Backup File tells what it refuses before it asks anything, and offers the dialog again.
TEST(CrusadeFileCommands, TheBackupRefusesBeforeItAsksAndOffersTheDialogAgain) {
    using Kind = FakeDialogs::Kind;
    const struct {
        const char* name;
        const char* chosen;   // under the test's folder
        const char* refusal;  // the start of the message; null: none, the dialog comes back at once
        const char* offered;  // the name the dialog is offered again at
    } rows[] = {
        {"the crusade's own folder through a link to it", "alias/spring.dta", "You cannot backup the file to the same",
         "alias/spring.dta"},
        {"a name ending in a slash", "backup/spring.dta/", "\"", "backup/spring.dta/"},
        {"another name", "backup/autumn", "You are attempting to backup ", "backup/autumn"},
        {"a folder", "backup", nullptr, "backup/spring.dta"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CrusadeToolsWorld w;
        ASSERT_TRUE(QFile::link(w.t.path(QStringLiteral("data")), w.t.path(QStringLiteral("alias"))));
        const FolderFiles before = EveryFile(w);
        w.t.dialogs.choose(w.t.path(QLatin1String(row.chosen))).choose(std::nullopt);
        RunCrusadeFileCommand(w.app, w.screen, Command("mnuBackup"));

        std::vector<Kind> kinds;
        for (const auto& shown : w.t.dialogs.shown()) kinds.push_back(shown.kind);
        const std::vector<Kind> expected = row.refusal ? std::vector<Kind>{Kind::Save, Kind::Message, Kind::Save}
                                                       : std::vector<Kind>{Kind::Save, Kind::Save};
        ASSERT_EQ(kinds, expected);
        if (row.refusal) {
            const QString told = w.t.dialogs.shown()[1].text;
            EXPECT_TRUE(told.startsWith(QLatin1String(row.refusal))) << told.toStdString();
            EXPECT_FALSE(told.contains(QStringLiteral("Error #")));
        }
        const FileDialogSpec& again = w.t.dialogs.shown().back().file;
        EXPECT_EQ(QDir(again.initialDir).filePath(again.fileName),
                  QDir::cleanPath(w.t.path(QLatin1String(row.offered))));
        EXPECT_EQ(EveryFile(w), before);
    }
}

// A crusade "spring_prayer" beside the crusade "spring": its text export would be spring's
// prayer journal.
TEST(CrusadeFileCommands, TheTextExportNeverTakesTheNameOfAnotherCrusadesFile) {
    const struct {
        const char* name;
        bool journal;          // spring has its journal
        const char* springAs;  // spring's data file renamed so; null: spring's files gone
        bool written;
    } rows[] = {
        {"spring's journal", true, "spring.dta", false},
        {"the journal spring has not made yet, its data file in capitals", false, "SPRING.DTA", false},
        {"its own earlier export, with no crusade spring there", true, nullptr, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CrusadeToolsWorld w({true, true, row.journal});
        CrusadeSpec spec;
        spec.records = {Person("0020", "Paul", "Prayer")};
        const QString other =
            WriteCrusade(w.t, w.t.path(QStringLiteral("data")), QStringLiteral("spring_prayer"), spec);
        const QString path = w.data(QStringLiteral("spring_prayer.txt"));
        if (!row.springAs)
            for (const char* ext : {".dta", ".inf", ".mem", ".zps"})
                QFile::remove(w.data(QStringLiteral("spring") + ext));
        else
            QFile::rename(w.spring, w.data(QLatin1String(row.springAs)));
        w.load(other);
        const std::optional<QByteArray> earlier =
            QFileInfo::exists(path) ? std::optional(ReadFileBytes(path)) : std::nullopt;

        RunCrusadeFileCommand(w.app, w.screen, Command("mnuExportText"));

        ASSERT_EQ(w.t.dialogs.messages().size(), 1);
        if (row.written) {
            EXPECT_EQ(w.t.dialogs.messages()[0], QStringLiteral("The Text File has been Saved to: ") + path);
            EXPECT_EQ(ReadFileBytes(path), TextExportFile(w.app));
            continue;
        }
        EXPECT_EQ(w.t.dialogs.messages()[0].toStdString(),
                  (QStringLiteral("The text file was not written: ") + path +
                   QStringLiteral(" is the prayer request journal of the crusade \"") +
                   QFileInfo(QLatin1String(row.springAs)).completeBaseName() +
                   QStringLiteral("\" in that folder, whose data file is ") + w.data(QLatin1String(row.springAs)) +
                   QStringLiteral(".\r\nA file Fennick names itself never takes the place of another crusade's "
                                  "file."))
                      .toStdString());
        EXPECT_EQ(QFileInfo::exists(path) ? std::optional(ReadFileBytes(path)) : std::nullopt, earlier);
    }
}

}  // namespace

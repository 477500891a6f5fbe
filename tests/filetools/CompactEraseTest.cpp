#include "CrusadeOnDisk.h"
#include "CrusadeToolsFixture.h"
#include "RecordBuilder.h"
#include "platform/ErrorNumbers.h"
#include "data/DataStore.h"
#include "filetools/Compaction.h"
#include "data/IniFile.h"
#include "filetools/EraseCrusade.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

const QString kCompacted = QStringLiteral("File Compact Completed");

AttendeeRecord Deleted(const char* rnum, const char* first, const char* last) {
    AttendeeRecord r = Person(rnum, first, last);
    r.WorkerCode = "##";
    return r;
}

TEST(CompactionTest, DropsTheDeletedRecordsAndLeavesEverythingElse) {
    const AttendeeRecord mary = Person("0012", "Mary", "Smith"), john = Person("0013", "John", "Adams");
    const struct {
        const char* what;
        QList<AttendeeRecord> records;
        QList<AttendeeRecord> after;
    } cases[] = {
        {"none deleted", {mary, john}, {mary, john}},
        {"some deleted", {Deleted("0001", "A", "Gone"), mary, Deleted("0002", "B", "Gone"), john}, {mary, john}},
        {"all deleted", {Deleted("0001", "A", "Gone"), Deleted("0002", "B", "Gone")}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CrusadeToolsWorld w;
        const QString file = w.data(QStringLiteral("autumn.dta"));
        WriteCrusade(w.t, w.t.path(QStringLiteral("data")), QStringLiteral("autumn"), CrusadeSpec{c.records, {}, {}});
        WriteFileBytes(w.data(QStringLiteral("autumn.new")), "stale records");
        w.load(file);
        const FolderFiles before = FilesIn(w.t.path(QStringLiteral("data")));
        WriteDataFile(w.t.path(QStringLiteral("expected.dta")), c.after);

        w.t.dialogs.answer(AnsYes);
        mnuCompact_Click(w.app, w.screen);
        EXPECT_EQ(w.t.dialogs.messages().last(), kCompacted);
        EXPECT_EQ(w.closings, (QStringList{"tables", "windows"}));
        EXPECT_EQ(ReadFileBytes(file), ReadFileBytes(w.t.path(QStringLiteral("expected.dta"))));
        FolderFiles after = FilesIn(w.t.path(QStringLiteral("data")));
        after.remove(QStringLiteral("autumn.dta"));
        FolderFiles others = before;
        others.remove(QStringLiteral("autumn.dta"));
        EXPECT_EQ(after, others) << "no other file, the stale autumn.new included, changed or was added";
        EXPECT_EQ(w.app.crusade.RecCount, c.after.size());
        EXPECT_EQ(w.app.view.ReportCount, c.after.size());
        EXPECT_TRUE(w.app.crusade.file.isOpen());
        if (!c.after.isEmpty()) {
            EXPECT_EQ(w.screen.text(QStringLiteral("RNum")), QStringLiteral("0013"));
        }
    }
}

TEST(CompactionTest, AFailedWriteOrNoLeavesTheFileOpenAndAsItWas) {
    for (bool refuse : {false, true}) {
        SCOPED_TRACE(refuse ? "answered No" : "the write fails");
        CrusadeToolsWorld w;
        const QByteArray before = ReadFileBytes(w.spring);
        if (refuse) {
            w.t.dialogs.answer(AnsNo);
        } else {
            w.t.dialogs.answer(AnsYes);
            w.t.files.failAt(1, err::DiskFull, FakeFiles::Op::Save);
        }
        mnuCompact_Click(w.app, w.screen);
        EXPECT_EQ(ReadFileBytes(w.spring), before);
        EXPECT_EQ(w.app.crusade.RecCount, 4);
        EXPECT_EQ(ReadRecord(w.app, 4).FName.trimmed(), "Ruth") << "still open on the original";
        EXPECT_FALSE(w.t.dialogs.messages().contains(kCompacted));
        if (!refuse) {
            EXPECT_TRUE(w.t.dialogs.messages().last().startsWith(QStringLiteral(" 61\r\n")));
            EXPECT_TRUE(w.t.dialogs.messages().last().contains(QStringLiteral("not compacted")));
        }
    }
}

TEST(CompactionTest, ACompactedFileThatCannotBeOpenedAgainClosesTheCrusade) {
    const struct {
        const char* what;
        bool folderGone;  // the crusade's other files cannot be written either
    } cases[] = {{"the data file cannot be opened", false}, {"the folder has gone", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CrusadeToolsWorld w;
        const QString moved = w.t.path(QStringLiteral("moved"));
        const QByteArray compacted =
            ReadRecord(w.app, 1).encode() + ReadRecord(w.app, 3).encode() + ReadRecord(w.app, 4).encode();
        // Once the compacted file is in place it is taken away: a folder stands in its
        // place, or its whole folder goes.
        w.t.files.afterCall = [&](const QString& call) {
            if (call != QStringLiteral("save ") + w.spring) return;
            if (c.folderGone) {
                QDir().rename(w.t.path(QStringLiteral("data")), moved);
            } else {
                QDir().mkpath(moved);
                QFile::rename(w.spring, QDir(moved).filePath(QStringLiteral("spring.dta")));
                QDir().mkpath(w.spring);
            }
        };
        w.t.dialogs.answer(AnsYes);
        mnuCompact_Click(w.app, w.screen);

        const QString told = w.t.dialogs.messages().join(NewLine);
        EXPECT_TRUE(told.contains(w.spring + QStringLiteral(" has been compacted, but it could not be opened again.")));
        EXPECT_FALSE(told.contains(QStringLiteral("not compacted")));
        EXPECT_FALSE(told.contains(kCompacted));
        EXPECT_EQ(told.contains(QStringLiteral("could not be written")), c.folderGone);
        EXPECT_EQ(ReadFileBytes(QDir(moved).filePath(QStringLiteral("spring.dta"))), compacted);
        EXPECT_FALSE(w.app.crusade.FileIsOpen);
        EXPECT_FALSE(w.app.crusade.file.isOpen());
        EXPECT_EQ(w.app.view.ReportCount, 0) << "no view keeps the old record numbers";
        EXPECT_EQ(w.app.crusade.RecCount, 0);
    }
}

class EraseTest : public ::testing::Test {
protected:
    CrusadeToolsWorld w;
    const QStringList autumnFiles = {"autumn.bak", "autumn.dta", "autumn.inf", "autumn.mem", "autumn.txt", "autumn.zps"};
    const QStringList others = {"autumn_prayer.txt", "autumnal.dta"};

    void SetUp() override {
        for (const QString& name : autumnFiles + others) WriteFileBytes(w.data(name), name.toLatin1());
    }
    QStringList dataFolder() const {
        return QDir(w.t.path(QStringLiteral("data"))).entryList(QDir::Files, QDir::Name);
    }
    QStringList springFiles() const { return dataFolder().filter(QStringLiteral("spring")); }
};

TEST_F(EraseTest, ErasesEveryFileOfTheBaseNameAndListsThem) {
    const QStringList spring = springFiles();
    w.t.dialogs.choose(w.data(QStringLiteral("autumn.dta"))).answer(AnsYes).answer(AnsYes);
    mnuErase_Click(w.app);
    const QString first = w.t.dialogs.shown()[1].text;
    for (const QString& name : autumnFiles) EXPECT_TRUE(first.contains(QStringLiteral("          ") + name)) << name.toStdString();
    for (const QString& name : others) EXPECT_FALSE(first.contains(name)) << name.toStdString();
    EXPECT_EQ(w.t.dialogs.messages().last(), w.data(QStringLiteral("autumn.*")) + QStringLiteral(" Files have been erased."));
    EXPECT_EQ(dataFolder(), others + spring);
}

TEST_F(EraseTest, RefusalsAndNoEraseNothing) {
    const struct {
        const char* what;
        QString chosen;
        QList<int> answers;
        const char* message;  // the start of the last message
    } cases[] = {
        {"the loaded crusade spelled otherwise", w.t.path(QStringLiteral("backup/../data/spring.dta")), {},
         "You Cannot Erase the Currently Loaded File."},
        {"not a crusade file", w.data(QStringLiteral("autumn.txt")), {}, "Only an existing crusade file"},
        {"no such file", w.data(QStringLiteral("winter.dta")), {}, "Only an existing crusade file"},
        {"No at first", w.data(QStringLiteral("autumn.dta")), {AnsNo}, "This will Erase the files"},
        {"No at last", w.data(QStringLiteral("autumn.dta")), {AnsYes, AnsNo}, "Last Chance!"},
    };
    const QStringList before = dataFolder();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        w.t.dialogs.clear();
        w.t.dialogs.choose(c.chosen);
        for (int a : c.answers) w.t.dialogs.answer(a);
        mnuErase_Click(w.app);
        EXPECT_TRUE(w.t.dialogs.last().text.startsWith(QLatin1String(c.message))) << w.t.dialogs.last().text.toStdString();
        EXPECT_EQ(dataFolder(), before);
        EXPECT_TRUE(w.t.files.calls.isEmpty());
    }
    // Nor does a file the loaded crusade uses ever reach the list, reached through a link.
    ASSERT_TRUE(QFile::link(w.t.path(QStringLiteral("data")), w.t.path(QStringLiteral("alias"))));
    EXPECT_EQ(ErasableFiles(w.app, w.t.path(QStringLiteral("alias/autumn.dta"))).size(), autumnFiles.size());
    EXPECT_TRUE(ErasableFiles(w.app, w.t.path(QStringLiteral("alias/spring.dta"))).isEmpty());
    // Nor a file of the program's own, beside a crusade named as it.
    const QString program = w.app.program.ProgramDir;
    for (const char* name : {"Fennick.dta", "Fennick.ini", "StatData.dta", "StatData.txt"})
        WriteFileBytes(QDir(program).filePath(QLatin1String(name)), "x");
    EXPECT_EQ(ErasableFiles(w.app, QDir(program).filePath(QStringLiteral("Fennick.dta"))),
              QStringList{QDir(program).filePath(QStringLiteral("Fennick.dta"))});
    EXPECT_EQ(ErasableFiles(w.app, QDir(program).filePath(QStringLiteral("StatData.dta"))),
              QStringList{QDir(program).filePath(QStringLiteral("StatData.dta"))});
    EXPECT_FALSE(w.app.files().remove(IniFilePath(w.app)).ok());
    EXPECT_TRUE(QFileInfo::exists(IniFilePath(w.app)));
}

TEST_F(EraseTest, AFailedDeletionIsNamedAndNoSuccessTold) {
    w.t.files.failAt(2, err::PermissionDenied, FakeFiles::Op::Remove);
    w.t.dialogs.choose(w.data(QStringLiteral("autumn.dta"))).answer(AnsYes).answer(AnsYes);
    mnuErase_Click(w.app);
    const QString last = w.t.dialogs.messages().last();
    EXPECT_TRUE(last.startsWith(QStringLiteral("These files could not be erased:\r\nautumn.dta: "))) << last.toStdString();
    EXPECT_FALSE(w.t.dialogs.messages().join(u' ').contains(QStringLiteral("Files have been erased.")));
    EXPECT_EQ(dataFolder().filter(QStringLiteral("autumn.")), QStringList{"autumn.dta"});
}

}  // namespace

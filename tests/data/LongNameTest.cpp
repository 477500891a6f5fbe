// A crusade whose name is as long as the file system allows ("<name>.dta" of 255 bytes):
// every name the program makes beside its files fits, so that opening, saving and leaving
// it succeed on the real file system; and every refused operation says the system's reason.

#include "CrusadeOnDisk.h"
#include "FakePlatform.h"
#include "RecordBuilder.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/FileSetReplace.h"
#include "data/FileUtil.h"
#include "data/LostCrusade.h"
#include "data/RecordFile.h"
#include "data/SideFiles.h"
#include "platform/ErrorNumbers.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

const QString kLongName = QString(251, u'n');

QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

TEST(LongName, OpeningWithAStrayTailSavingAndLeavingSucceed) {
    TestApp t;
    CrusadeSpec s;
    s.records = {Person("0012", "Mary", "Smith"), Person("0013", "John", "Adams")};
    s.members = {MemberEntry("0040", "Brown", "Ann")};
    s.zips = {"62701     IL03Springfield"};
    const QString folder = t.path("data"), file = WriteCrusade(t, folder, kLongName, s);
    ASSERT_EQ(QFile::encodeName(QFileInfo(file).fileName()).size(), 255);
    const QByteArray original = ReadFileBytes(file) + QByteArray(200, 'x');
    WriteFileBytes(file, original);

    // The tail is kept aside, with the whole file, under a name that fits, and told.
    ASSERT_TRUE(OpenCrusade(t.app, file));
    const QStringList tails = FilesIn(folder).filter(QStringLiteral(".tail"));
    ASSERT_EQ(tails.size(), 1) << FilesIn(folder).join(u' ').toStdString();
    const QString kept = QDir(folder).filePath(tails[0]);
    EXPECT_EQ(ReadFileBytes(kept), original);
    EXPECT_EQ(t.dialogs.messages().filter(QStringLiteral("kept aside, with the whole file, as ") + kept).size(), 1);

    WriteRecord(t.app, 3, Person("0014", "Ruth", "Baker"));
    t.app.settings.LastMeeting = 9;
    EXPECT_NO_THROW(SaveCrusadeFiles(t.app));
    t.dialogs.clear();
    EXPECT_EQ(CloseCrusadeToLeave(t.app), std::optional<bool>(false));  // leaving, no question asked
    EXPECT_TRUE(t.dialogs.shown().empty());
    // The crusade's files and the tail kept aside, nothing else beside them.
    EXPECT_EQ(FilesIn(folder),
              QStringList({kLongName + ".dta", kLongName + ".inf", kLongName + ".mem", kLongName + ".zps", tails[0]}));
    EXPECT_EQ(FileLines(QDir(folder).filePath(kLongName + ".inf")).value(2), " 9");
    EXPECT_EQ(ReadFileBytes(file).size(), 3 * AttendeeRecord::Size);  // the tail cut, the new record added
}

// A backup or restore of the crusade cut off once its files were put in place (the
// program killed): its journal and the old files kept aside are found at the next opening
// and put back; copies left without a journal are removed, another crusade's are not.
TEST(LongName, AReplacementCutOffIsUndoneFromItsJournal) {
    TestApp t;
    const QDir folder(t.path("data")), source(t.path("backup"));
    const QStringList set = {kLongName + ".dta", kLongName + ".inf"};
    const QString dta = folder.filePath(set[0]), inf = folder.filePath(set[1]);
    ASSERT_TRUE(folder.mkpath(".") && source.mkpath("."));
    for (const QString& name : set) {
        WriteFileBytes(folder.filePath(name), "old");
        WriteFileBytes(source.filePath(name), "new");
    }
    {
        FileSetReplace replace(t.files);
        for (const QString& name : set) replace.add(source.filePath(name), folder.filePath(name));
        ASSERT_TRUE(replace.copyAll().ok() && replace.putInPlace().ok());
    }
    ASSERT_EQ(ReadFileBytes(dta), "new");
    // Another copy of the program finds what this one left.
    const QString journal = ReplaceJournalPath(dta);
    ASSERT_TRUE(QFileInfo::exists(journal));
    WriteFileBytes(journal, ReadFileBytes(journal).replace(JournalHeader(), "pid 1"));
    RecoverReplacedSet(t.files, dta);
    EXPECT_EQ(ReadFileBytes(dta) + ReadFileBytes(inf), "oldold");
    EXPECT_EQ(FilesIn(folder.path()), set);

    WriteFileBytes(NameBeside(dta, kNewCopySuffix), "left");
    WriteFileBytes(NameBeside(inf, kOldFileSuffix, 2), "left");
    WriteFileBytes(folder.filePath(".fennick-0123456789abcdef"), "another crusade's");
    RecoverReplacedSet(t.files, dta);
    EXPECT_EQ(FilesIn(folder.path()), QStringList{".fennick-0123456789abcdef"} + set);
}

// The longest name the system allows is saved and copied to; each refusal names the file
// and the system's reason, under the program's number; nothing is left beside the files.
TEST(FileErrors, SayTheSystemsReason) {
    TestApp t;
    const QString tooLong = t.path(QString(256, u'n') + ".dta");
    const QString fits = t.path(kLongName + ".dta"), copied = t.path(kLongName + ".inf");
    WriteFileBytes(t.path("source"), "bytes");
    QtFiles files;
    EXPECT_TRUE(files.save(fits, "x").ok());
    EXPECT_TRUE(files.copy(t.path("source"), copied).ok());
    EXPECT_EQ(ReadFileBytes(fits) + ReadFileBytes(copied), "xbytes");

    RecordFile record;
    // op: 's' a save, 'a' an addition, 'o' a data file opened.
    const auto refusal = [&](char op, const QString& path) {
        try {
            const FileResult r = op == 'o'   ? (record.open(path, 10), FileResult{})
                                 : op == 's' ? files.save(path, "x")
                                             : files.append(path, "x");
            return VbError(r.error, r.description);
        } catch (const VbError& e) {
            return e;
        }
    };
    const struct {
        const char* what;
        char op;
        QString path;
        int error;
        const char* reason;
    } cases[] = {
        {"a save under a name too long", 's', tooLong, err::PathFileAccess, "File name too long"},
        {"an addition to a name too long", 'a', tooLong, err::PathFileAccess, "File name too long"},
        {"a data file under a name too long", 'o', tooLong, err::PathFileAccess, "File name too long"},
        {"a data file that is a folder", 'o', t.dir.path(), err::PathFileAccess, "Is a directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const VbError e = refusal(c.op, c.path);
        EXPECT_EQ(e.number(), c.error) << e.description().toStdString();
        EXPECT_TRUE(e.description().contains(c.path) && e.description().endsWith(QLatin1String(c.reason)))
            << e.description().toStdString();
    }
    EXPECT_EQ(FilesIn(t.dir.path()), (QStringList{kLongName + ".dta", kLongName + ".inf", "source"}));
}

}  // namespace

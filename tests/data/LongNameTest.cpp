// A crusade whose name is as long as the file system allows ("<name>.dta" of 255 bytes):
// every name the program makes beside its files fits, so that opening, saving and leaving
// it succeed on the real file system; and every refused operation says the system's reason.

#include "CrusadeOnDisk.h"
#include "FakePlatform.h"
#include "RecordBuilder.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/FileUtil.h"
#include "data/LostCrusade.h"
#include "data/RecordFile.h"
#include "data/SideFiles.h"
#include "filetools/FileSetReplace.h"
#include "platform/ErrorNumbers.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>

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
    const QString folder = t.path("data");
    const QString file = WriteCrusade(t, folder, kLongName, s);
    ASSERT_EQ(QFile::encodeName(QFileInfo(file).fileName()).size(), 255);
    const QByteArray original = ReadFileBytes(file) + QByteArray(200, 'x');
    WriteFileBytes(file, original);

    ASSERT_TRUE(OpenCrusade(t.app, file));
    const QStringList tails = FilesIn(folder).filter(QStringLiteral(".tail"));
    ASSERT_EQ(tails.size(), 1) << FilesIn(folder).join(u' ').toStdString();
    const QString kept = QDir(folder).filePath(tails[0]);
    EXPECT_EQ(ReadFileBytes(kept), original);
    const QStringList told = t.dialogs.messages().filter(QStringLiteral("not a whole record"));
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains(QStringLiteral("kept aside, with the whole file, as ") + kept))
        << told[0].toStdString();
    EXPECT_EQ(t.app.crusade.RecCount, 2);

    WriteRecord(t.app, 3, Person("0014", "Ruth", "Baker"));
    t.app.settings.LastMeeting = 9;
    EXPECT_NO_THROW(SaveCrusadeFiles(t.app));
    t.dialogs.clear();
    EXPECT_EQ(CloseCrusadeToLeave(t.app), std::optional<bool>(false));  // leaving, no question asked
    EXPECT_TRUE(t.dialogs.shown().empty());
    EXPECT_FALSE(t.app.crusade.file.isOpen());

    // The crusade's files and the tail kept aside, nothing else beside them.
    QStringList expected{kept.section(u'/', -1)};
    for (const char* ext : {".dta", ".inf", ".mem", ".zps"}) expected << kLongName + QLatin1String(ext);
    expected.sort();
    EXPECT_EQ(FilesIn(folder), expected);
    EXPECT_EQ(FileLines(QDir(folder).filePath(kLongName + ".inf")).value(2), " 9");
    EXPECT_EQ(ReadFileBytes(file).size(), 3 * AttendeeRecord::Size);
}

// A backup or restore of the crusade cut off once its files were put in place (the
// program killed): its journal and the old files kept aside are found at the next opening
// and put back; copies left without a journal are removed.
TEST(LongName, AReplacementCutOffIsUndoneFromItsJournal) {
    TestApp t;
    const QString folder = t.path("data"), source = t.path("backup");
    QDir().mkpath(folder);
    QDir().mkpath(source);
    const QString dta = QDir(folder).filePath(kLongName + ".dta"), inf = QDir(folder).filePath(kLongName + ".inf");
    for (const QString& f : {dta, inf}) {
        WriteFileBytes(f, "old");
        WriteFileBytes(QDir(source).filePath(QFileInfo(f).fileName()), "new");
    }
    {
        FileSetReplace set(t.files);
        for (const QString& f : {dta, inf}) set.add(QDir(source).filePath(QFileInfo(f).fileName()), f);
        ASSERT_TRUE(set.copyAll().ok());
        ASSERT_TRUE(set.putInPlace().ok());
    }
    EXPECT_EQ(ReadFileBytes(dta), "new");
    // Another copy of the program finds what this one left.
    const QString journal = ReplaceJournalPath(dta);
    ASSERT_TRUE(QFileInfo::exists(journal));
    WriteFileBytes(journal, ReadFileBytes(journal).replace(JournalHeader(), "pid 1"));
    RecoverReplacedSet(t.files, dta);
    EXPECT_EQ(ReadFileBytes(dta), "old");
    EXPECT_EQ(ReadFileBytes(inf), "old");
    const QStringList set = {QFileInfo(dta).fileName(), QFileInfo(inf).fileName()};
    EXPECT_EQ(FilesIn(folder), set);

    for (const QString& left : {NameBeside(dta, kNewCopySuffix), NameBeside(inf, kOldFileSuffix, 2)})
        WriteFileBytes(left, "left");
    const QString others = QDir(folder).filePath(".fennick-0123456789abcdef");
    WriteFileBytes(others, "another crusade's");
    RecoverReplacedSet(t.files, dta);
    EXPECT_EQ(FilesIn(folder), QStringList({QFileInfo(others).fileName()}) + set);
}

// Each refusal names the file and the system's reason, under the program's number.
TEST(FileErrors, SayTheSystemsReason) {
    TestApp t;
    const QString tooLong = t.path(QString(256, u'n') + ".dta");
    const QString fits = t.path(kLongName + ".dta"), copied = t.path(kLongName + ".inf");
    WriteFileBytes(t.path("source"), "bytes");
    QtFiles files;
    const auto result = [](const FileResult& r) { return VbError(r.error, r.description); };
    const auto thrown = [](const std::function<void()>& f) {
        try {
            f();
        } catch (const VbError& e) {
            return e;
        }
        return VbError(0, QStringLiteral("nothing refused"));
    };
    RecordFile record;
    const struct {
        const char* what;
        std::function<VbError()> call;
        int error;
        const char* reason;  // null: none refused
        QString named;
    } cases[] = {
        {"a save under the longest name", [&] { return result(files.save(fits, "x")); }, 0, nullptr, fits},
        {"a copy to the longest name", [&] { return result(files.copy(t.path("source"), copied)); }, 0, nullptr,
         copied},
        {"a save under a name too long", [&] { return result(files.save(tooLong, "x")); }, err::PathFileAccess,
         "File name too long", tooLong},
        {"an addition to a name too long", [&] { return result(files.append(tooLong, "x")); }, err::PathFileAccess,
         "File name too long", tooLong},
        {"a save over a folder", [&] { return result(files.save(t.dir.path(), "x")); }, err::PermissionDenied,
         "Is a directory", t.dir.path()},
        {"a save into a missing folder", [&] { return result(files.save(t.path("none/a.inf"), "x")); },
         err::PathNotFound, "No such file or directory", t.path("none/a.inf")},
        {"a data file under a name too long", [&] { return thrown([&] { record.open(tooLong, 10); }); },
         err::PathFileAccess, "File name too long", tooLong},
        {"a data file that is a folder", [&] { return thrown([&] { record.open(t.dir.path(), 10); }); },
         err::PathFileAccess, "Is a directory", t.dir.path()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const VbError e = c.call();
        const std::string said = e.description().toStdString();
        EXPECT_EQ(e.number(), c.error) << said;
        if (!c.reason) continue;
        EXPECT_TRUE(e.description().contains(c.named)) << said;
        EXPECT_TRUE(e.description().endsWith(QLatin1String(c.reason))) << said;
    }
    // Nothing is left beside the files written.
    EXPECT_EQ(FilesIn(t.dir.path()),
              QStringList({fits, copied, t.path("source")}).replaceInStrings(t.dir.path() + '/', QString()));
    EXPECT_EQ(ReadFileBytes(fits), "x");
    EXPECT_EQ(ReadFileBytes(copied), "bytes");
}

}  // namespace

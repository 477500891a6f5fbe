// A backup or restore cut off while putting its files in place: opening the crusade
// brings back the old files at every point the replacement may have stopped, and leaves
// alone one whose writer still runs.

#include "FakePlatform.h"
#include "KilledRestore.h"
#include "RecordBuilder.h"
#include "data/CrusadeFiles.h"
#include "data/FileUtil.h"
#include "platform/ErrorNumbers.h"
#include "platform/FileLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

TEST(ReplacedSet, EveryCutOffPointComesBackToTheOldFiles) {
    struct Case {
        const char* name;
        const char* target;  // what the target, its copy beside it and its old file kept
        const char* copy;    // aside held when the program was killed ("-": no file)
        const char* old;
        bool journal;       // the list of the set was written
        const char* after;  // the target afterwards ("-": none)
    };
    const Case cases[] = {
        {"copies being made", "old", "ne", "-", false, "old"},
        {"old file moved aside", "-", "new", "old", true, "old"},
        {"new file in place", "new", "-", "old", true, "old"},
        {"new file where there was none", "new", "-", "-", true, "-"},
        {"list removed, old file not yet", "new", "-", "old", false, "new"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        const QString to = t.path("spring.dta");
        const auto put = [](const QString& path, const char* what) {
            if (QByteArray(what) != "-") WriteFileBytes(path, what);
        };
        put(to, c.target);
        put(to + kNewCopySuffix, c.copy);
        put(to + kOldFileSuffix, c.old);
        WriteFileBytes(t.path("spring.inf"), "settings");
        if (c.journal) {
            const QString old = QByteArray(c.old) == "-" ? QString() : to + kOldFileSuffix;
            WriteFileBytes(ReplaceJournalPath(to),
                           "pid 1\n" + (to + u'\t' + to + kNewCopySuffix + u'\t' + old).toUtf8() + '\n');
        }

        RecoverReplacedSet(t.files, to);
        EXPECT_EQ(QFileInfo::exists(to) ? ReadFileBytes(to) : QByteArray("-"), QByteArray(c.after));
        EXPECT_EQ(QDir(t.dir.path()).entryList(QDir::Files),
                  QByteArray(c.after) == "-" ? QStringList{"spring.inf"} : QStringList({"spring.dta", "spring.inf"}));
    }
}

// A journal is begun before the first copy; cut off while its first lines were being
// written, it lists nothing, and the opening removes it with the copies.
TEST(ReplacedSet, AJournalCutOffInItsFirstLinesGoesWithTheCopies) {
    for (const QByteArray& head : {QByteArray(), QByteArray("lo"), JournalHeader() + "\nresto"}) {
        SCOPED_TRACE(head.constData());
        TestApp t;
        const QString to = t.path("spring.dta");
        WriteFileBytes(to, "old");
        WriteFileBytes(to + kNewCopySuffix, "ne");
        WriteFileBytes(ReplaceJournalPath(to), head);
        EXPECT_TRUE(RecoverReplacedSet(t.files, to).whole);
        EXPECT_EQ(ReadFileBytes(to), "old");
        EXPECT_EQ(QDir(t.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"spring.dta"});
    }
}

TEST(ReplacedSet, AReplacementThisProgramIsMakingIsLeftToIt) {
    TestApp t;
    const QString to = t.path("spring.dta");
    WriteFileBytes(to, "new");
    WriteFileBytes(to + kOldFileSuffix, "old");
    const QByteArray journal =
        JournalHeader() + '\n' + (to + u'\t' + to + kNewCopySuffix + u'\t' + to + kOldFileSuffix).toUtf8() + '\n';
    WriteFileBytes(ReplaceJournalPath(to), journal);
    FileLock own;
    ASSERT_EQ(own.take(ReplaceJournalPath(to)), FileLock::Outcome::Taken);

    EXPECT_EQ(RecoverReplacedSet(t.files, to).told, QString());
    EXPECT_EQ(ReadFileBytes(to), "new");
    EXPECT_EQ(ReadFileBytes(to + kOldFileSuffix), "old");
    EXPECT_EQ(ReadFileBytes(ReplaceJournalPath(to)), journal);
    // Once its lock goes, the replacement is one cut off.
    own.release();
    RecoverReplacedSet(t.files, to);
    EXPECT_EQ(ReadFileBytes(to), "old");
    EXPECT_FALSE(QFileInfo::exists(ReplaceJournalPath(to)));
}

// Whether a journal's writer still runs is told by its lock, never by the process number
// a journal of an earlier version names: the system gives that number again, to this
// program too (a container starts every program as the same number).
TEST(ReplacedSet, AJournalWhoseWriterIsGoneIsEndedAtTheOpeningWhateverNumberItNames) {
    const QByteArray headers[] = {"", "pid " + QByteArray::number(QCoreApplication::applicationPid()), "pid 1"};
    for (const QByteArray& header : headers) {
        SCOPED_TRACE(header.isEmpty() ? "as written" : header.constData());
        TestApp t;
        const KilledRestore k = KillRestore(t, QStringLiteral("spring"));
        const QString journal = ReplaceJournalPath(k.dataFile);
        if (!header.isEmpty()) {
            const QByteArray bytes = ReadFileBytes(journal);
            WriteFileBytes(journal, header + bytes.mid(bytes.indexOf('\n')));
        }
        ASSERT_TRUE(OpenCrusade(t.app, k.dataFile));
        EXPECT_EQ(t.dialogs.messages(), QStringList{k.told});
        EXPECT_EQ(ReadFileBytes(k.dataFile), k.before);
        EXPECT_EQ(QDir(t.path("data")).entryList({"*.fennick-*"}, QDir::Files | QDir::Hidden).join(' ').toStdString(),
                  "");
    }
}

// A journal whose writer still runs (here: another opening of it holds its lock) is left
// alone, and the set not used, until the lock goes.
TEST(ReplacedSet, AJournalWhoseWriterStillRunsIsLeftToIt) {
    TestApp t;
    const KilledRestore k = KillRestore(t, QStringLiteral("spring"));
    const int writer = ::open(QFile::encodeName(ReplaceJournalPath(k.dataFile)).constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(writer, LOCK_EX | LOCK_NB), 0);
    const QStringList asLeft = QDir(t.path("data")).entryList(QDir::Files | QDir::Hidden);

    EXPECT_FALSE(OpenCrusade(t.app, k.dataFile));
    EXPECT_EQ(t.dialogs.messages(), QStringList{"The restore from " + t.path("backup/") +
                                                " is still running in another copy of Fennick.\r\nFennick does not "
                                                "use these files until it has finished."});
    EXPECT_EQ(QDir(t.path("data")).entryList(QDir::Files | QDir::Hidden), asLeft);

    ::close(writer);  // as the writer ends, killed
    t.dialogs.clear();
    ASSERT_TRUE(OpenCrusade(t.app, k.dataFile));
    EXPECT_EQ(t.dialogs.messages(), QStringList{k.told});
    EXPECT_EQ(ReadFileBytes(k.dataFile), k.before);
    EXPECT_EQ(QDir(t.path("data")).entryList({"*.fennick-*"}, QDir::Files | QDir::Hidden).join(' ').toStdString(), "");
}

TEST(ReplacedSet, LeftoversWithoutAListGoForTheirOwnCrusadeOnly) {
    // Copies and old files a replacement cut off may leave beside each file of a set.
    const QMap<QString, QStringList> leftovers = {
        {"x.dta",
         {"x.dta.fennick-new", "x.inf.fennick-old", "X.ZPS.fennick-new2", "x.mem.fennick-old1",
          "x_prayer.txt.fennick-new", "x_prayer.txt.fennick-old"}},
        {"x_prayer.dta", {"x_prayer.dta.fennick-new", "x_prayer.inf.fennick-old", "x_prayer_prayer.txt.fennick-new"}},
        {"x.y.dta", {"x.y.dta.fennick-new", "x.y.inf.fennick-old", "x.y_prayer.txt.fennick-old"}},
    };
    // Files that are no replacement's leftovers.
    const QStringList others = {"x.dta",   "x_prayer.dta",      "x_prayer.txt",
                                "x.y.dta", "x.txt.fennick-new", "x.dta.fennick-newer"};
    for (auto crusade = leftovers.begin(); crusade != leftovers.end(); ++crusade) {
        SCOPED_TRACE(crusade.key().toStdString());
        TestApp t;
        QStringList all = others;
        for (const QStringList& names : leftovers) all += names;
        for (const QString& name : all) WriteFileBytes(t.path(name), name.toUtf8());

        RecoverReplacedSet(t.files, t.path(crusade.key()));
        for (const QString& name : crusade.value()) all.removeOne(name);
        all.sort();
        EXPECT_EQ(QDir(t.dir.path()).entryList(QDir::Files, QDir::Name).join(u' ').toStdString(),
                  all.join(u' ').toStdString());
    }
}

// An old file that cannot be put back stays, with the list naming it, for the next
// attempt; the opening tells it and does not use the crusade meanwhile.
TEST(ReplacedSet, AnOldFileThatCannotBePutBackIsKeptWithItsList) {
    TestApp t;
    const QString to = t.path("spring.dta"), old = to + kOldFileSuffix, journal = ReplaceJournalPath(to);
    WriteFileBytes(to, "new");
    WriteFileBytes(old, "old");
    WriteFileBytes(journal, "pid 1\n" + (to + u'\t' + to + kNewCopySuffix + u'\t' + old).toUtf8() + '\n');
    t.files.failAt(1, err::PermissionDenied, FakeFiles::Op::Rename);

    EXPECT_FALSE(OpenCrusade(t.app, to));
    EXPECT_EQ(t.dialogs.messages(),
              QStringList{"A backup, restore or save of the files of spring in " + t.path("") +
                          "/ was not finished, and not every file could be put back:\r\n" + to +
                          " could not be put back from " + old +
                          ": Failed on purpose\r\nFennick does not use these files until they are put back."});
    EXPECT_EQ(ReadFileBytes(old), "old");
    EXPECT_TRUE(QFileInfo::exists(journal));
    RecoverReplacedSet(t.files, to);  // the next attempt
    EXPECT_EQ(QDir(t.dir.path()).entryList(QDir::Files), QStringList{"spring.dta"});
    EXPECT_EQ(ReadFileBytes(to), "old");
}

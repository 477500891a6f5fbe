// The file operations on the disk and their failing stand-in.

#include "FakeFiles.h"
#include "FileSizeLimit.h"
#include "RecordBuilder.h"
#include "platform/ErrorNumbers.h"
#include "platform/Files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>

namespace fennick {
namespace {

TEST(QtFiles, FailuresCarryTheProgramsErrorNumbers) {
    QTemporaryDir dir;
    const auto at = [&](const char* name) { return dir.filePath(QLatin1String(name)); };
    test::WriteFileBytes(at("a.txt"), "old");
    test::WriteFileBytes(at("b.txt"), "other");
    QtFiles files;
    struct Case {
        const char* what;
        std::function<FileResult()> call;
        int error;
    } const cases[] = {
        {"copy of a missing file", [&] { return files.copy(at("none"), at("c.txt")); }, err::FileNotFound},
        {"copy onto a file", [&] { return files.copy(at("a.txt"), at("b.txt")); }, err::FileExists},
        {"copy into a missing folder", [&] { return files.copy(at("a.txt"), at("no/c.txt")); }, err::PathNotFound},
        {"rename onto a file", [&] { return files.rename(at("a.txt"), at("b.txt")); }, err::FileExists},
        {"rename of a missing file", [&] { return files.rename(at("none"), at("c.txt")); }, err::FileNotFound},
        {"remove of a missing file", [&] { return files.remove(at("none")); }, err::FileNotFound},
        {"save into a missing folder", [&] { return files.save(at("no/c.txt"), "x"); }, err::PathNotFound},
        {"save over a folder", [&] { return files.save(dir.path(), "x"); }, err::PermissionDenied},
        {"append into a missing folder", [&] { return files.append(at("no/c.txt"), "x"); }, err::PathNotFound},
        {"append to a folder", [&] { return files.append(dir.path(), "x"); }, err::PermissionDenied},
        {"folder where a file stands", [&] { return files.makeFolder(at("a.txt/sub")); }, err::PathFileAccess},
    };
    for (const Case& c : cases) {
        const FileResult r = c.call();
        EXPECT_EQ(r.error, c.error) << c.what;
        EXPECT_FALSE(r.description.isEmpty()) << c.what;
    }
    // Nothing a failure touched has changed.
    EXPECT_EQ(test::ReadFileBytes(at("a.txt")), "old");
    EXPECT_EQ(test::ReadFileBytes(at("b.txt")), "other");
    EXPECT_EQ(files.list(dir.path()), QStringList({"a.txt", "b.txt"}));
}

TEST(QtFiles, SaveReplacesTheWholeFileAndAppendAddsToTheEnd) {
    QTemporaryDir dir;
    const QString path = dir.filePath("a.txt");
    test::WriteFileBytes(path, "a longer old content");
    QtFiles files;
    ASSERT_TRUE(files.save(path, "new").ok());
    EXPECT_EQ(test::ReadFileBytes(path), "new");
    ASSERT_TRUE(files.append(path, " and more").ok());
    ASSERT_TRUE(files.append(dir.filePath("b.txt"), "made").ok());
    EXPECT_EQ(test::ReadFileBytes(path), "new and more");
    EXPECT_EQ(test::ReadFileBytes(dir.filePath("b.txt")), "made");
    EXPECT_TRUE(files.makeFolder(dir.filePath("x/y")).ok());
    EXPECT_TRUE(files.makeFolder(dir.filePath("x/y")).ok()) << "an existing folder is no error";
    EXPECT_EQ(files.list(dir.path()), QStringList({"a.txt", "b.txt"})) << "folders are not listed";
}

// Writes cut off part way, as on a full disk: a file cannot grow past 512 bytes. Each
// operation reports the failure with the file's name and leaves what was there as it was,
// nothing beside it; small files too, which the write buffers whole until the end.
TEST(QtFiles, WritesCutOffPartWayLeaveEveryFileAsItWas) {
    constexpr qint64 kLimit = 512;
    const QByteArray small(886, 's'), large(3000, 'l');
    struct Case {
        const char* what;
        const char* target;  // the file the operation writes
        std::function<FileResult(QtFiles&, const QString& folder)> call;
    } const cases[] = {
        {"save of a small file over one", "old.txt", [&](QtFiles& f, const QString& d) { return f.save(d + "/old.txt", small); }},
        {"save of a large file over one", "old.txt", [&](QtFiles& f, const QString& d) { return f.save(d + "/old.txt", large); }},
        {"save of a new file", "new.txt", [&](QtFiles& f, const QString& d) { return f.save(d + "/new.txt", small); }},
        {"copy", "new.txt", [](QtFiles& f, const QString& d) { return f.copy(d + "/source.txt", d + "/new.txt"); }},
        {"append to a file", "old.txt", [&](QtFiles& f, const QString& d) { return f.append(d + "/old.txt", small); }},
        {"append to a new file", "new.txt", [&](QtFiles& f, const QString& d) { return f.append(d + "/new.txt", small); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        test::WriteFileBytes(dir.filePath("old.txt"), "the old content\r\n");
        test::WriteFileBytes(dir.filePath("source.txt"), large);
        const auto names = [&] { return QDir(dir.path()).entryList(QDir::Files).join(u' ').toStdString(); };
        const std::string before = names();
        const std::optional<QByteArray> said = test::InChildWithFileSizeLimit(kLimit, [&] {
            QtFiles files;
            const FileResult r = c.call(files, dir.path());
            return QByteArray::number(r.error) + ' ' + r.description.toUtf8();
        });
        ASSERT_TRUE(said.has_value());
        EXPECT_EQ(said->left(said->indexOf(' ')), QByteArray::number(err::DiskFull)) << said->constData();
        EXPECT_TRUE(said->contains(QDir(dir.path()).filePath(QLatin1String(c.target)).toUtf8())) << said->constData();
        EXPECT_TRUE(said->endsWith("File too large")) << said->constData();
        EXPECT_EQ(test::ReadFileBytes(dir.filePath("old.txt")), "the old content\r\n");
        EXPECT_EQ(test::ReadFileBytes(dir.filePath("source.txt")), large);
        EXPECT_EQ(names(), before);
    }
}

// A save (over a file or of a new one) or a copy failing at any step, its new file made
// without a name where the file system allows or named from the start: the folder is as it
// was, nothing of the operation's left. A file made without a name has none until whole.
TEST(QtFiles, AFailureAtAnyStepLeavesTheFolderAsItWas) {
    using Step = QtFiles::Step;
    QTemporaryDir probe;
    for (const bool named : {false, true}) {
        if (!named && !test::OffersUnnamedFiles(probe.path())) continue;
        for (const char* op : {"save old.txt", "save new.txt", "copy"})
            for (const Step step : {Step::Create, Step::Write, Step::Sync, Step::Name, Step::Close, Step::Rename}) {
                SCOPED_TRACE(std::string(op) + (named ? ", named, step " : ", unnamed, step ") +
                             std::to_string(int(step)));
                QTemporaryDir tmp;
                const QDir dir(tmp.path());
                test::WriteFileBytes(dir.filePath("old.txt"), "old content");
                const auto contents = [&] {
                    return dir.entryList(QDir::Files | QDir::Hidden) << test::ReadFileBytes(dir.filePath("old.txt"));
                };
                const QStringList before = contents();
                QtFiles files;
                bool reached = false;
                files.setFaults({[&](Step at) {
                                     if (at != step) return 0;
                                     reached = true;
                                     if (!named && at < Step::Close) {
                                         EXPECT_EQ(contents(), before) << "named before whole";
                                     }
                                     return EIO;
                                 },
                                 named});
                const bool copy = op == std::string("copy");
                const QString target = dir.filePath(copy ? "new.txt" : QString::fromLatin1(op + 5));
                const FileResult r = copy ? files.copy(dir.filePath("old.txt"), target) : files.save(target, "new");
                // An unnamed file is named from the template only for a rename over a file;
                // a copy, which replaces none, takes its own name in one step.
                const bool taken = !(step == Step::Name && (named || copy)) && !(step == Step::Close && !named && copy);
                EXPECT_EQ(reached, taken);
                if (!taken) continue;
                EXPECT_TRUE(!r.ok() && r.description.contains(target) && r.description.endsWith(qt_error_string(EIO)))
                    << r.description.toStdString();
                EXPECT_EQ(contents(), before);
            }
    }
}

TEST(FakeFiles, FailsTheChosenCallOfItsKindAndChangesNothing) {
    QTemporaryDir dir;
    const QString a = dir.filePath("a.txt"), b = dir.filePath("b.txt");
    test::WriteFileBytes(a, "old");
    test::FakeFiles files;
    files.failAt(2, err::DiskFull, test::FakeFiles::Op::Save).failAt(3, err::PermissionDenied);
    EXPECT_TRUE(files.copy(a, b).ok());
    EXPECT_TRUE(files.save(a, "one").ok());
    const FileResult failed = files.save(a, "two");  // the second save and the third call
    EXPECT_EQ(failed.error, err::DiskFull);
    EXPECT_TRUE(files.remove(b).ok());
    EXPECT_EQ(test::ReadFileBytes(a), "one");
    EXPECT_FALSE(files.exists(b));
    EXPECT_EQ(files.calls, QStringList({"copy " + a + " > " + b, "save " + a, "save " + a + " failed", "remove " + b}));
}

}  // namespace
}  // namespace fennick

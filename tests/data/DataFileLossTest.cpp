// Nothing entered is lost when a record write fails part way (a full disk).

#include "CrusadeOnDisk.h"
#include "FakePlatform.h"
#include "RecordBuilder.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/RecordFile.h"
#include "data/SideFiles.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

using namespace fennick;
using namespace fennick::test;

namespace {

constexpr int kRecLen = AttendeeRecord::Size;

const QList<AttendeeRecord> kThree = {Person("0012", "Mary", "Smith"), Person("0013", "John", "Adams"),
                                      Person("0014", "Ruth", "Baker")};

// The crusade "spring" of kThree in the folder "data", opened as the start screen opens it.
struct OpenSpring {
    TestApp t;
    App& app = t.app;
    const QString folder = t.path("data");
    QString file;

    explicit OpenSpring(const QByteArray& stray = QByteArray()) {
        CrusadeSpec s;
        s.records = kThree;
        s.members = {MemberEntry("0040", "Brown", "Ann")};
        s.zips = {"62701     IL03Springfield"};
        file = WriteCrusade(t, folder, QStringLiteral("spring"), s);
        if (!stray.isEmpty()) WriteFileBytes(file, ReadFileBytes(file) + stray);
    }
    bool open() { return OpenCrusade(app, file); }
    QString in(const QString& name) const { return QDir(folder).filePath(name); }
};

// A write system call that writes part of the first call's bytes and refuses the rest as a
// full disk does; every later call writes as pwrite does.
RecordFile::WriteCall CutShort(qint64 part, int& calls) {
    return [part, &calls](int fd, const char* data, qint64 size, qint64 offset) -> qint64 {
        ++calls;
        if (calls == 1 && part > 0) return ::pwrite(fd, data, size_t(std::min(part, size)), offset);
        if (calls <= 2) {
            errno = ENOSPC;
            return -1;
        }
        return ::pwrite(fd, data, size_t(size), offset);
    };
}

TEST(RecordWriteCutShort, LeavesWholeRecordsAndTheRecordIsNotCounted) {
    struct Case {
        const char* name;
        qint32 record;  // written
        qint64 part;    // bytes that reach the file before the refusal
    };
    const Case cases[] = {
        {"a record added", 4, 200},
        {"a record written over", 2, 200},
        {"a record added past the end", 6, 300},
        {"a record refused at once", 4, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenSpring s;
        ASSERT_TRUE(s.open());
        const QByteArray before = ReadFileBytes(s.file);
        int calls = 0;
        s.app.crusade.file.setWriteCall(CutShort(c.part, calls));
        const AttendeeRecord written = Person("0099", "Eve", "Stone");
        try {
            WriteRecord(s.app, c.record, written);
            ADD_FAILURE() << "the write was not refused";
        } catch (const VbError& e) {
            EXPECT_EQ(e.number(), err::DiskFull);
            EXPECT_TRUE(e.description().contains(s.file)) << e.description().toStdString();
            EXPECT_TRUE(e.description().contains(QString::fromLocal8Bit(std::strerror(ENOSPC))));
        }
        EXPECT_EQ(ReadFileBytes(s.file), before);
        EXPECT_EQ(s.app.crusade.RecCount, 3);

        // The next opening finds the three records, with nothing to tell.
        s.t.dialogs.clear();
        CloseDataFile(s.app);
        OpenDataFile(s.app);
        EXPECT_EQ(s.app.crusade.RecCount, 3);
        EXPECT_TRUE(s.t.dialogs.shown().empty());

        // Once the disk has room the same write goes where it belongs.
        s.app.crusade.file.setWriteCall({});
        WriteRecord(s.app, c.record, written);
        EXPECT_EQ(ReadRecord(s.app, c.record), written);
        EXPECT_EQ(ReadFileBytes(s.file).size(), std::max<qint64>(3, c.record) * kRecLen);
    }
}

// A write stopped by the system's file size limit (as by a full disk): a child process
// adds a fourth record under a limit 200 bytes past the three records, then lifts the
// limit and closes the file, which must not bring the refused record back.
TEST(RecordWriteCutShort, AWriteStoppedByTheSystemLeavesTheFileAsItWas) {
    TestApp t;
    const QString file = t.path("spring.dta");
    WriteDataFile(file, kThree);
    const QByteArray before = ReadFileBytes(file);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        int code = 0;
        RecordFile f;
        f.open(file, kRecLen);
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const rlim_t soft = limit.rlim_cur;
        ::signal(SIGXFSZ, SIG_IGN);
        limit.rlim_cur = rlim_t(before.size() + 200);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        try {
            f.write(4, Person("0099", "Eve", "Stone").encode());
            code = 1;
        } catch (const VbError& e) {
            const bool named = e.description().contains(file) &&
                               e.description().contains(QString::fromLocal8Bit(std::strerror(EFBIG)));
            code = e.number() == err::DiskFull && named ? 0 : 2;
        }
        limit.rlim_cur = soft;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        f.close();
        ::_exit(code);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the write was not refused; 2: the message names no file or reason";
    EXPECT_EQ(ReadFileBytes(file), before);
}

}  // namespace

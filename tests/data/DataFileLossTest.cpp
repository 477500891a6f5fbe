// Nothing entered is lost when a record write fails part way (a full disk), when the
// data file ends in part of a record, or when the crusade's folder goes away while the
// crusade is open.

#include "CrusadeOnDisk.h"
#include "FakeDialogs.h"
#include "FakePlatform.h"
#include "FileSizeLimit.h"
#include "RecordBuilder.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/FileUtil.h"
#include "data/IniFile.h"
#include "data/LostCrusade.h"
#include "data/RecordFile.h"
#include "data/SideFiles.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <functional>

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

    OpenSpring() {
        CrusadeSpec s;
        s.records = kThree;
        s.members = {MemberEntry("0040", "Brown", "Ann")};
        s.zips = {"62701     IL03Springfield"};
        file = WriteCrusade(t, folder, QStringLiteral("spring"), s);
    }
    bool open() { return OpenCrusade(app, file); }
    QString in(const QString& name) const { return QDir(folder).filePath(name); }
};

// The error f throws; with none thrown the test fails and the error is numbered 0.
VbError Refused(const std::function<void()>& f) {
    try {
        f();
    } catch (const VbError& e) {
        return e;
    }
    ADD_FAILURE() << "the write was not refused";
    return VbError(0, QString());
}

// --- A record write cut short -------------------------------------------------------------

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
        const VbError e = Refused([&] { WriteRecord(s.app, c.record, written); });
        EXPECT_EQ(e.number(), err::DiskFull);
        EXPECT_TRUE(e.description().contains(s.file)) << e.description().toStdString();
        EXPECT_TRUE(e.description().contains(QString::fromLocal8Bit(std::strerror(ENOSPC))));
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

// A write stopped by the system's file size limit (as by a full disk): a fourth record is
// added under a limit 200 bytes past the three records; the limit is then lifted and the
// file closed, which must not bring the refused record back.
TEST(RecordWriteCutShort, AWriteStoppedByTheSystemLeavesTheFileAsItWas) {
    TestApp t;
    const QString file = t.path("spring.dta");
    WriteDataFile(file, kThree);
    const QByteArray before = ReadFileBytes(file);
    const std::optional<QByteArray> said = InChildWithFileSizeLimit(before.size() + 200, [&] {
        RecordFile f;
        f.open(file, kRecLen);
        const VbError e = Refused([&] { f.write(4, Person("0099", "Eve", "Stone").encode()); });
        LiftFileSizeLimit();
        f.close();
        return QByteArray::number(e.number()) + ' ' + e.description().toUtf8();
    });
    ASSERT_TRUE(said.has_value()) << "the child did not finish";
    EXPECT_TRUE(said->startsWith(QByteArray::number(err::DiskFull) + ' ')) << said->constData();
    EXPECT_TRUE(said->contains(file.toUtf8()) && said->contains(std::strerror(EFBIG))) << said->constData();
    EXPECT_EQ(ReadFileBytes(file), before);
}

// --- A data file ending in part of a record ----------------------------------------------

TEST(StrayBytes, AreKeptAsideOnceAndTheWholeRecordsGoOn) {
    struct Case {
        const char* name;
        int records;
        int stray;
        const char* earlier;  // a file kept aside before, or null
        const char* kept;     // the name the file is kept as, or null: nothing to keep
    };
    const Case cases[] = {
        {"three records and 200 bytes", 3, 200, nullptr, "spring.dta.tail"},
        {"part of a record alone", 0, 200, nullptr, "spring.dta.tail"},
        {"a file kept aside before", 3, 460, "spring.dta.tail", "spring.dta.tail.1"},
        {"whole records", 3, 0, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenSpring s;
        WriteDataFile(s.file, kThree.mid(0, c.records));
        const QByteArray whole = ReadFileBytes(s.file);
        const QByteArray original = whole + QByteArray(c.stray, 'x');
        WriteFileBytes(s.file, original);
        if (c.earlier) WriteFileBytes(s.in(QLatin1String(c.earlier)), "kept before");

        ASSERT_TRUE(s.open());
        EXPECT_EQ(s.app.crusade.RecCount, c.records);
        EXPECT_EQ(ReadFileBytes(s.file), whole);
        const QStringList told = s.t.dialogs.messages().filter(QStringLiteral("not a whole record"));
        if (!c.kept) {
            EXPECT_TRUE(told.isEmpty());
            EXPECT_FALSE(QFileInfo::exists(s.file + ".tail"));
            continue;
        }
        const QString kept = s.in(QLatin1String(c.kept));
        ASSERT_EQ(told.size(), 1);
        EXPECT_TRUE(told[0].contains(s.file + QStringLiteral(" ends in %1 bytes").arg(c.stray)));
        EXPECT_TRUE(told[0].contains(kept));
        EXPECT_EQ(ReadFileBytes(kept), original);
        if (c.earlier) {
            EXPECT_EQ(ReadFileBytes(s.in(QLatin1String(c.earlier))), "kept before");
        }
        // No command that takes the crusade's files by their base name takes the copy.
        EXPECT_FALSE(FilesWithBaseName(s.folder, QStringLiteral("spring")).contains(kept));

        // A name added goes after the whole records; the copy keeps the bytes it overwrites.
        WriteRecord(s.app, c.records + 1, Person("0099", "Eve", "Stone"));
        EXPECT_EQ(ReadFileBytes(s.file).size(), (c.records + 1) * kRecLen);
        EXPECT_EQ(ReadFileBytes(kept), original);

        // Told once: the next opening finds whole records.
        CloseCrusade(s.app);
        s.t.dialogs.clear();
        ASSERT_TRUE(s.open());
        EXPECT_TRUE(s.t.dialogs.messages().filter(QStringLiteral("not a whole record")).isEmpty());
        EXPECT_EQ(s.app.crusade.RecCount, c.records + 1);
    }
}

TEST(StrayBytes, ThatCannotBeKeptAsideStayInTheFile) {
    OpenSpring s;
    const QByteArray original = ReadFileBytes(s.file) + QByteArray(200, 'x');
    WriteFileBytes(s.file, original);
    s.t.files.failAt(1, err::DiskFull, FakeFiles::Op::Copy);
    ASSERT_TRUE(s.open());
    const QStringList told = s.t.dialogs.messages().filter(QStringLiteral("not a whole record"));
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains(QStringLiteral("could not be kept aside")));
    EXPECT_EQ(ReadFileBytes(s.file), original);
    EXPECT_EQ(s.app.crusade.RecCount, 3);
}

// Files of the older record layouts are converted, or, when their settings do not ask for
// it, left as they are: their length is not that of a part record.
TEST(StrayBytes, AFileOfAnOlderLayoutIsNoPartRecord) {
    struct Case {
        const char* versionLine;
        bool converted;
    };
    for (const Case c : {Case{"version 2.3.2", true}, Case{"version 2.4", false}}) {
        SCOPED_TRACE(c.versionLine);
        OpenSpring s;
        const QByteArray old = ReadFileBytes(QStringLiteral(FENNICK_TEST_DATA "/old371.dta"));
        ASSERT_NE(old.size() % kRecLen, 0);
        WriteFileBytes(s.file, old);
        QList<QByteArray> info = FileLines(s.in("spring.inf"));
        info[8] = c.versionLine;
        WriteFileBytes(s.in("spring.inf"), info.join("\r\n") + "\r\n");
        if (c.converted) s.t.dialogs.answer(AnsOK);

        ASSERT_TRUE(s.open());
        EXPECT_TRUE(s.t.dialogs.messages().filter(QStringLiteral("not a whole record")).isEmpty());
        EXPECT_FALSE(QFileInfo::exists(s.file + ".tail"));
        EXPECT_EQ(ReadFileBytes(s.file) == old, !c.converted);
        EXPECT_EQ(s.app.crusade.RecCount, c.converted ? 3 : old.size() / kRecLen);
    }
}

// --- The crusade's folder gone ------------------------------------------------------------

TEST(FolderGone, NoRecordIsWrittenIntoTheLostFile) {
    struct Case {
        const char* name;
        bool folderGone;  // else the data file alone was replaced
        bool renamed;     // the folder renamed rather than removed
    };
    const Case cases[] = {
        {"folder removed", true, false},
        {"folder renamed", true, true},
        {"data file replaced", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenSpring s;
        ASSERT_TRUE(s.open());
        WriteRecord(s.app, 1, Person("0012", "Maria", "Smith"));
        const QByteArray before = ReadFileBytes(s.file);
        const QString moved = s.t.path("moved");
        if (c.renamed)
            ASSERT_TRUE(QDir().rename(s.folder, moved));
        else if (c.folderGone)
            ASSERT_TRUE(QDir(s.folder).removeRecursively());
        else {
            ASSERT_TRUE(QFile::remove(s.file));
            WriteDataFile(s.file, kThree);
        }
        const QByteArray other = c.folderGone ? QByteArray() : ReadFileBytes(s.file);
        EXPECT_TRUE(DataFileLost(s.app));

        const VbError e = Refused([&] { WriteRecord(s.app, 2, Person("0013", "Jon", "Adams")); });
        EXPECT_EQ(e.number(), err::PathNotFound);
        const QString gone = c.folderGone ? QStringLiteral("The crusade's folder ") + s.folder
                                          : QStringLiteral("The crusade's data file ") + s.file;
        EXPECT_TRUE(e.description().startsWith(gone)) << e.description().toStdString();
        EXPECT_TRUE(e.description().contains(QStringLiteral("Record 2 was not written")));
        EXPECT_EQ(s.app.crusade.RecCount, 3);
        // What was written before is still there to be read, and nothing was added to it.
        EXPECT_EQ(ReadRecord(s.app, 1).FName.trimmed(), "Maria");
        EXPECT_EQ(s.app.crusade.file.readAllFromFile(), before);
        if (c.renamed) {
            EXPECT_EQ(ReadFileBytes(QDir(moved).filePath("spring.dta")), before);
        }
        if (!c.folderGone) {
            EXPECT_EQ(ReadFileBytes(s.file), other);
        }

        // A folder renamed back is the crusade's folder again.
        if (c.renamed) {
            ASSERT_TRUE(QDir().rename(moved, s.folder));
            EXPECT_FALSE(DataFileLost(s.app));
            WriteRecord(s.app, 2, Person("0013", "Jon", "Adams"));
            EXPECT_EQ(ReadFileBytes(s.file).mid(kRecLen, kRecLen), Person("0013", "Jon", "Adams").encode());
        }
    }
}

TEST(FolderGone, ClosingOffersToSaveTheCrusadeInAnotherFolder) {
    struct Case {
        const char* name;
        bool folderChosen;  // the folder rather than the file is chosen
        bool failsOnce;     // the first save fails and is tried again
        bool declined;
    };
    const Case cases[] = {{"saved", false, false, false},
                          {"a folder chosen", true, false, false},
                          {"a save that fails once", false, true, false},
                          {"declined", false, false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenSpring s;
        ASSERT_TRUE(s.open());
        WriteRecord(s.app, 4, Person("0015", "Eve", "Stone"));
        s.app.settings.LastMeeting = 9;
        const QByteArray records = ReadFileBytes(s.file);
        ASSERT_TRUE(QDir(s.folder).removeRecursively());

        const QString elsewhere = s.t.path("elsewhere");
        ASSERT_TRUE(QDir().mkpath(elsewhere));
        const QString target = QDir(elsewhere).filePath("spring.dta");
        if (c.failsOnce) {
            s.t.files.failAt(1, err::DiskFull, FakeFiles::Op::Save);
            s.t.dialogs.answer(AnsYes).choose(target);
        }
        if (c.declined)
            s.t.dialogs.answer(AnsNo);
        else
            s.t.dialogs.answer(AnsYes).choose(c.folderChosen ? elsewhere : target);
        EXPECT_FALSE(CloseCrusade(s.app));
        EXPECT_FALSE(s.app.crusade.file.isOpen());
        EXPECT_FALSE(s.t.dialogs.pending());

        const auto& first = s.t.dialogs.shown().front();
        EXPECT_EQ(first.title, QStringLiteral("Save the Crusade in Another Folder"));
        EXPECT_TRUE(first.text.startsWith(QStringLiteral("The crusade's folder ") + s.folder));
        EXPECT_TRUE(first.text.contains(QStringLiteral(" 4 records are lost")));
        if (c.declined) {
            EXPECT_EQ(s.t.dialogs.shown().size(), 1u);
            EXPECT_FALSE(QFileInfo::exists(target));
            EXPECT_EQ(FileLines(IniFilePath(s.app)).value(0), s.file.toUtf8());
            continue;
        }
        if (c.failsOnce) {
            EXPECT_EQ(s.t.dialogs.messages().filter(QStringLiteral("could not be saved in ") + elsewhere).size(), 1);
        }
        EXPECT_EQ(ReadFileBytes(target), records);
        EXPECT_EQ(FileLines(QDir(elsewhere).filePath("spring.inf")).value(2), " 9");
        EXPECT_EQ(FileLines(QDir(elsewhere).filePath("spring.mem")),
                  QList<QByteArray>{MemberEntry("0040", "Brown", "Ann")});
        EXPECT_TRUE(QFileInfo::exists(QDir(elsewhere).filePath("spring.zps")));
        EXPECT_EQ(FileLines(IniFilePath(s.app)).value(0), target.toUtf8());
        EXPECT_TRUE(
            s.t.dialogs.messages().last().startsWith(QStringLiteral("The crusade's files have been saved in ")));

        // The crusade opens from its new folder with every record.
        s.t.dialogs.clear();
        ASSERT_TRUE(OpenCrusade(s.app, target));
        EXPECT_EQ(s.app.crusade.RecCount, 4);
        EXPECT_EQ(ReadRecord(s.app, 4).FName.trimmed(), "Eve");
    }
}

// The crusade saved in another folder over an older crusade of its name there, by either
// route: its folder gone (the records the program holds, refused writes among them) or its
// closing refused. A failure at any write or rename leaves the older set byte for byte.
TEST(FolderGone, TheRescueSavesTheHeldRecordsOrLeavesTheOlderSetAsItWas) {
    const AttendeeRecord changed = Person("0013", "Jon", "Adams"), added = Person("0015", "Eve", "Stone");
    for (const bool folderGone : {true, false})
        for (const FakeFiles::Op op : {FakeFiles::Op::Save, FakeFiles::Op::Rename})
            for (int k = 1;; ++k) {
                SCOPED_TRACE(std::to_string(folderGone) + " " + std::to_string(int(op)) + " " + std::to_string(k));
                OpenSpring s;
                ASSERT_TRUE(s.open());
                QByteArray records = ReadFileBytes(s.file);
                const QDir elsewhere(s.t.path("elsewhere"));
                const QStringList older = {"other.txt", "spring.dta", "spring.inf", "spring.mem", "spring.zps"};
                ASSERT_TRUE(elsewhere.mkpath("."));
                for (const QString& n : older) WriteFileBytes(elsewhere.filePath(n), n.toUtf8());
                if (folderGone) {
                    ASSERT_TRUE(QDir(s.folder).removeRecursively());
                    EXPECT_NO_THROW(EXPECT_FALSE(NextRegNumber(s.app).isEmpty()));
                    Refused([&] { WriteRecord(s.app, 2, changed); });
                    Refused([&] { WriteRecord(s.app, 4, added); });
                    s.app.crusade.AddMode = s.app.mainWindow.NewEntryOnScreen = true;  // the name added is on screen
                    records = kThree[0].encode() + changed.encode() + kThree[2].encode() + added.encode();
                } else {
                    s.t.files.failAt(1, err::DiskFull, FakeFiles::Op::Save);
                }
                s.t.files.failAt(k + (folderGone || op != FakeFiles::Op::Save ? 0 : 1), err::DiskFull, op);
                s.t.dialogs.answer(AnsYes).choose(elsewhere.path()).answer(AnsOK).otherwise(AnsNo);
                if (folderGone)
                    CloseCrusade(s.app);
                else
                    CloseCrusadeToLeave(s.app);
                if (folderGone) {
                    EXPECT_TRUE(s.t.dialogs.shown().front().text.contains(
                        QStringLiteral(" 4 records are lost when it is closed unless they are saved in another "
                                       "folder. They include 2 records whose writing was refused")));
                }
                const QStringList failed = s.t.files.calls.filter(QStringLiteral(" failed"));
                if (failed.size() > (folderGone ? 0 : 1) && !failed.last().contains(kIniFileName)) {
                    EXPECT_EQ(elsewhere.entryList(QDir::Files | QDir::Hidden), older) << failed.last().toStdString();
                    for (const QString& n : older) EXPECT_EQ(ReadFileBytes(elsewhere.filePath(n)), n.toUtf8());
                    continue;
                }
                EXPECT_EQ(ReadFileBytes(elsewhere.filePath("spring.dta")), records);
                EXPECT_EQ(FileLines(elsewhere.filePath("spring.mem")),
                          QList<QByteArray>{MemberEntry("0040", "Brown", "Ann")});
                if (failed.size() == (folderGone ? 0 : 1)) break;
            }
}

// The rescue named into a folder holding another crusade of the same name, with 8 records
// and its own journal: the question says so, Cancel offers the dialog again, and the set
// written is whole: the rescued crusade's journal goes with it while it can be read, and
// the other crusade's journal never stays beside the rescued records.
TEST(FolderGone, TheRescueOverAnotherCrusadeOfItsNameSaysSoAndLeavesNothingOfItInTheSet) {
    enum Loss { FolderGone, FolderRenamed, DataFileReplaced };
    for (const Loss loss : {FolderGone, FolderRenamed, DataFileReplaced}) {
        SCOPED_TRACE(int(loss));
        const bool folderGone = loss == FolderGone;
        OpenSpring s;
        WriteFileBytes(s.in("spring_prayer.txt"), "Pray for Mary\r\n");
        ASSERT_TRUE(s.open());
        const QString other = s.t.path("other");
        CrusadeSpec eight;
        for (int i = 0; i < 8; ++i) eight.records << Person(QByteArray::number(100 + i), "Other", "Person");
        const QString target = WriteCrusade(s.t, other, QStringLiteral("spring"), eight);
        WriteFileBytes(QDir(other).filePath("spring_prayer.txt"), "Pray for the other crusade\r\n");
        if (loss == FolderGone) {
            ASSERT_TRUE(QDir(s.folder).removeRecursively());
        } else if (loss == FolderRenamed) {
            ASSERT_TRUE(QDir().rename(s.folder, s.folder + QStringLiteral("-moved")));
        } else {
            ASSERT_TRUE(QFile::remove(s.file));
            WriteDataFile(s.file, kThree);
        }
        Refused([&] { WriteRecord(s.app, 2, Person("0013", "Jon", "Adams")); });
        s.t.dialogs.answer(AnsYes).choose(other).answer(AnsCancel).choose(target).answer(AnsOK);
        CloseCrusade(s.app);
        EXPECT_FALSE(s.t.dialogs.pending());

        using Kind = FakeDialogs::Kind;
        std::vector<Kind> kinds;
        for (const auto& shown : s.t.dialogs.shown()) kinds.push_back(shown.kind);
        ASSERT_EQ(kinds, (std::vector<Kind>{Kind::Message, Kind::Save, Kind::Message, Kind::Save, Kind::Message,
                                            Kind::Message}));
        const auto& asked = s.t.dialogs.shown()[2];
        EXPECT_TRUE(asked.text.startsWith(QStringLiteral("The folder ") + other +
                                          QStringLiteral("/ holds the crusade \"spring\" with 8 records, and they will "
                                                         "be replaced.")))
            << asked.text.toStdString();
        EXPECT_TRUE(asked.text.contains(QStringLiteral("spring.dta, spring.inf, spring_prayer.txt")));
        EXPECT_EQ(asked.buttons, Buttons::OKCancel);
        EXPECT_EQ(s.t.dialogs.shown()[4].text, asked.text);

        EXPECT_EQ(ReadFileBytes(target),
                  kThree[0].encode() + Person("0013", "Jon", "Adams").encode() + kThree[2].encode());
        const QString journal = QDir(other).filePath("spring_prayer.txt");
        const QString saved = s.t.dialogs.messages().last();
        EXPECT_TRUE(saved.startsWith(QStringLiteral("The crusade's files have been saved in ") + other + u'/'));
        if (folderGone) {
            EXPECT_FALSE(QFileInfo::exists(journal));
            EXPECT_TRUE(
                saved.contains(QStringLiteral("Removed there, as this crusade has none of them: "
                                              "spring_prayer.txt.")))
                << saved.toStdString();
        } else {
            EXPECT_EQ(ReadFileBytes(journal), "Pray for Mary\r\n");
            EXPECT_TRUE(saved.contains(QStringLiteral("Its prayer request journal went with them.")));
        }
    }
}

}  // namespace

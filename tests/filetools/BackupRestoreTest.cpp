#include "CrusadeToolsFixture.h"
#include "FileSizeLimit.h"
#include "RecordBuilder.h"
#include "platform/ErrorNumbers.h"
#include "data/Crusade.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/FileSetReplace.h"
#include "data/FileUtil.h"
#include "data/InfoFile.h"
#include "data/LostCrusade.h"
#include "filetools/BackupRestore.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>

using namespace fennick;
using namespace fennick::test;

namespace {

using Op = FakeFiles::Op;

const QString kBackedUp = QStringLiteral("Backup Completed Successfully");
const QString kRestored = QStringLiteral("Files have been Restored successfuly!");

// Backs spring up to the backup folder, answering every question with go on.
void Backup(CrusadeToolsWorld& w) {
    const QString to = w.backup(QStringLiteral("spring.dta"));
    w.t.dialogs.choose(to);
    if (QFileInfo::exists(to)) w.t.dialogs.answer(AnsOK);
    w.t.dialogs.answer(AnsYes);
    BackupFiles(w.app);
}

// Restores spring from the backup folder, answering every question with go on.
void Restore(CrusadeToolsWorld& w) {
    w.t.dialogs.choose(w.backup(QStringLiteral("spring.dta"))).answer(AnsYes).answer(AnsYes);
    RestoreCrusade(w.app, w.screen);
}

// A change to every file of the crusade, so that the backup and the crusade differ.
void ChangeSpring(CrusadeToolsWorld& w) {
    AttendeeRecord mary = ReadRecord(w.app, 1);
    mary.FName = "Maria";
    WriteRecord(w.app, 1, mary);
    w.app.settings.TeamNames[1] = QStringLiteral("Green Team:555-0202");
    if (w.app.crusade.MemberCount > 0) w.app.crusade.MemberNames[1] = "0041Changed";
    if (w.app.crusade.ZipCount > 0) w.app.crusade.ZipTable[1] = "99999";
    if (QFileInfo::exists(w.data(QStringLiteral("spring_prayer.txt"))))
        WriteFileBytes(w.data(QStringLiteral("spring_prayer.txt")), "Pray for Maria\r\n");
    w.load(w.spring);
    // The settings name an earlier backup elsewhere.
    w.app.settings.BackupPath = QStringLiteral("/earlier/spring.dta");
    SaveInfoFile(w.app);
}

bool Loaded(CrusadeToolsWorld& w) {
    return w.app.crusade.FileIsOpen && w.app.crusade.file.isOpen() && w.app.program.DataFile == w.spring;
}

TEST(BackupRestoreTest, RoundTripsWithAndWithoutTheSideFiles) {
    const SpringParts cases[] = {{true, true, true}, {false, false, false}, {true, false, false}, {false, true, true}};
    for (const SpringParts& parts : cases) {
        SCOPED_TRACE(QStringLiteral("members %1 zips %2 prayer %3").arg(parts.members).arg(parts.zips).arg(parts.prayer).toStdString());
        CrusadeToolsWorld w(parts);
        Backup(w);
        ASSERT_EQ(w.t.dialogs.messages().last(), kBackedUp);
        EXPECT_EQ(w.app.settings.BackupPath, w.backup(QStringLiteral("spring.dta")));
        const FolderFiles original = FilesIn(w.t.path(QStringLiteral("data")));
        const FolderFiles backedUp = FilesIn(w.t.path(QStringLiteral("backup")));
        EXPECT_EQ(backedUp, original) << "every file of the set, under the same names, and nothing else";
        EXPECT_TRUE(Loaded(w));

        ChangeSpring(w);
        Restore(w);
        ASSERT_EQ(w.t.dialogs.messages().last(), kRestored);
        ASSERT_GE(w.closings.size(), 2);
        EXPECT_EQ(w.closings.mid(w.closings.indexOf(QStringLiteral("windows")) - 1, 2),
                  (QStringList{"tables", "windows"}))
            << "the table windows close before the crusade's windows";
        EXPECT_TRUE(Loaded(w));
        EXPECT_EQ(ReadRecord(w.app, 1).FName.trimmed(), "Mary");
        EXPECT_EQ(w.app.view.ReportCount, 3);
        EXPECT_EQ(w.screen.text(QStringLiteral("RNum")), QStringLiteral("0013")) << "Adams, first by name";
        EXPECT_EQ(FilesIn(w.t.path(QStringLiteral("data"))), backedUp) << "and no file left beside them";
    }
}

TEST(BackupRestoreTest, ABackupDropsTheSideFilesTheCrusadeNoLongerHas) {
    CrusadeToolsWorld w;
    Backup(w);
    QFile::remove(w.data(QStringLiteral("spring.mem")));
    QFile::remove(w.data(QStringLiteral("spring_prayer.txt")));
    w.load(w.spring);
    Backup(w);
    EXPECT_EQ(w.t.dialogs.messages().last(), kBackedUp);
    EXPECT_EQ(FilesIn(w.t.path(QStringLiteral("backup"))), FilesIn(w.t.path(QStringLiteral("data"))));
}

TEST(BackupRestoreTest, TheBackupDateIsTheSettingsFilesLastLineReadWhole) {
    CrusadeToolsWorld w;
    const QString folder = w.t.path(QStringLiteral("dates"));
    QDir().mkpath(folder);
    QByteArray full;
    for (int line = 1; line < 133; ++line) full += "x\r\n";
    const struct {
        const char* name;
        QByteArray inf;  // empty: no settings file
        const char* date;
    } cases[] = {
        {"comma", full + "March 3, 2024\r\n", "March 3, 2024"},
        {"short", "spring\r\n03/01/2024\r\n", "Unknown Date"},
        {"none", QByteArray(), "Unknown Date"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString dta = QDir(folder).filePath(QLatin1String(c.name) + QStringLiteral(".dta"));
        if (!c.inf.isEmpty()) WriteFileBytes(dta.chopped(3) + QStringLiteral("inf"), c.inf);
        EXPECT_EQ(BackupDate(dta), QLatin1String(c.date));
    }
    // The question before a restore shows it.
    Backup(w);
    WriteFileBytes(w.backup(QStringLiteral("spring.inf")), full + "March 3, 2024\r\n");
    w.t.dialogs.choose(w.backup(QStringLiteral("spring.dta"))).answer(AnsCancel);
    RestoreCrusade(w.app, w.screen);
    EXPECT_TRUE(w.t.dialogs.last().text.contains(QStringLiteral("Which was last updated on: March 3, 2024\r\n")));
}

// A backup whose files cannot be used is not restored: the reader's message or the refusal
// says why (an unreadable settings file is the backup's, and no message names the
// crusade's own), the crusade's files stay as they were and it is loaded from them.
TEST(BackupRestoreTest, ABackupThatCannotBeUsedLeavesTheCrusadeAsItWas) {
    const struct {
        const char* what;
        std::function<void(CrusadeToolsWorld&)> spoil;
        const char* message;  // in the messages after the two questions; <backup>: its spring
    } cases[] = {
        {"settings that cannot be read",
         [](CrusadeToolsWorld& w) {
             QByteArray inf = ReadFileBytes(w.backup(QStringLiteral("spring.inf")));
             for (char& c : inf)
                 if (c != '\r' && c != '\n') c = '\xFF';
             WriteFileBytes(w.backup(QStringLiteral("spring.inf")), inf);
         },
         "could not be loaded.\r\nThe crusade settings file <backup>.inf could not be read:\r\nType mismatch"},
        {"an empty settings file",
         [](CrusadeToolsWorld& w) { WriteFileBytes(w.backup(QStringLiteral("spring.inf")), QByteArray()); },
         "could not be loaded.\r\nThe crusade settings file <backup>.inf could not be read:\r\nThe file is "
         "empty."},
        {"a zip table longer than Fennick keeps",
         [](CrusadeToolsWorld& w) {
             WriteFileBytes(w.backup(QStringLiteral("spring.zps")), QByteArray("62701     IL03Springfield       2\r\n").repeated(kMaxZips + 1));
         },
         "could not be loaded.\r\nThe zip code file <backup>.zps holds 2001 zip codes; Fennick can keep at most "
         "2000."},
        {"records of an older layout not converted",
         [](CrusadeToolsWorld& w) {
             QByteArray inf = ReadFileBytes(w.backup(QStringLiteral("spring.inf")));
             const qsizetype at = inf.indexOf("version ");
             inf.replace(at, inf.indexOf('\r', at) - at, "version 2.3.0");
             WriteFileBytes(w.backup(QStringLiteral("spring.inf")), inf);
             WriteFileBytes(w.backup(QStringLiteral("spring.dta")), QByteArray(1000, 'x'));
             w.t.dialogs.answer(AnsCancel);  // to the question to convert
         },
         "You are attempting to use: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CrusadeToolsWorld w;
        Backup(w);
        ASSERT_EQ(w.t.dialogs.messages().last(), kBackedUp);
        ChangeSpring(w);
        const FolderFiles before = FilesIn(w.t.path(QStringLiteral("data")));
        w.t.dialogs.clear();
        w.t.dialogs.choose(w.backup(QStringLiteral("spring.dta"))).answer(AnsYes).answer(AnsYes);
        c.spoil(w);
        RestoreCrusade(w.app, w.screen);
        const QStringList shown = w.t.dialogs.messages().mid(2);
        ASSERT_FALSE(shown.isEmpty());
        const QString message = QString::fromLatin1(c.message).replace("<backup>", w.backup("spring"));
        EXPECT_EQ(shown.filter(message).size(), 1) << shown.join(" / ").toStdString();
        // Nothing names the crusade's own files, which stay as they were.
        for (const char* ext : {".inf", ".zps", ".mem"})
            EXPECT_TRUE(shown.filter(w.data("spring") + ext).isEmpty()) << shown.join(" / ").toStdString();
        EXPECT_TRUE(shown.last().endsWith(QStringLiteral("\r\nThe files were not restored.")))
            << shown.last().toStdString();
        EXPECT_EQ(FilesIn(w.t.path(QStringLiteral("data"))), before);
        EXPECT_TRUE(Loaded(w));
        EXPECT_TRUE(w.app.crusade.UnreadableInfoFile.isEmpty());
        EXPECT_EQ(ReadRecord(w.app, 1).FName.trimmed(), "Maria");
        EXPECT_FALSE(w.t.dialogs.pending());
    }
}

TEST(BackupRestoreTest, RefusalsChangeNoFile) {
    struct Case {
        const char* what;
        std::function<void(CrusadeToolsWorld&)> run;
        const char* message;  // the start of the last message
        bool clearsBackupPath;
    };
    const Case cases[] = {
        {"backup into the data folder",
         [](CrusadeToolsWorld& w) {
             w.t.dialogs.choose(w.data(QStringLiteral("spring"))).choose(std::nullopt);
             BackupFiles(w.app);
         },
         "You cannot backup the file to the same Folder.", true},
        {"backup into the data folder spelled otherwise",
         [](CrusadeToolsWorld& w) {
             w.t.dialogs.choose(w.t.path(QStringLiteral("backup/../data/spring.dta"))).choose(std::nullopt);
             BackupFiles(w.app);
         },
         "You cannot backup the file to the same Folder.", true},
        {"backup under another name",
         [](CrusadeToolsWorld& w) {
             w.t.dialogs.choose(w.backup(QStringLiteral("autumn.dta"))).choose(std::nullopt);
             BackupFiles(w.app);
         },
         "You are attempting to backup ", false},
        {"backup answered No",
         [](CrusadeToolsWorld& w) {
             w.t.dialogs.choose(w.backup(QStringLiteral("spring.dta"))).answer(AnsNo);
             BackupFiles(w.app);
         },
         "Backing up ", false},
        {"restore before any backup",
         [](CrusadeToolsWorld& w) {
             w.app.settings.BackupPath.clear();
             RestoreCrusade(w.app, w.screen);
         },
         "These files have not been backed up.", true},
        {"restore from itself",
         [](CrusadeToolsWorld& w) {
             w.t.dialogs.choose(w.t.path(QStringLiteral("backup/../data/spring.dta"))).answer(AnsYes);
             RestoreCrusade(w.app, w.screen);
         },
         "You cannot restore a file from itself.", false},
        {"restore answered No at last",
         [](CrusadeToolsWorld& w) {
             w.t.dialogs.choose(w.backup(QStringLiteral("spring.dta"))).answer(AnsYes).answer(AnsNo);
             RestoreCrusade(w.app, w.screen);
         },
         "You have chosen to RESTORE", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CrusadeToolsWorld w;
        w.app.settings.BackupPath = QStringLiteral("/earlier/spring.dta");
        const FolderFiles before = FilesIn(w.t.path(QStringLiteral("data")));
        c.run(w);
        const QString told = w.t.dialogs.messages().value(w.t.dialogs.messages().size() - 1);
        EXPECT_TRUE(told.startsWith(QLatin1String(c.message))) << told.toStdString();
        EXPECT_FALSE(w.t.dialogs.pending());
        EXPECT_EQ(FilesIn(w.t.path(QStringLiteral("data"))), before);
        EXPECT_TRUE(Loaded(w));
        if (c.clearsBackupPath) {
            EXPECT_TRUE(w.app.settings.BackupPath.isEmpty());
        }
    }
}

TEST(BackupRestoreTest, AFirstBackupProposesTheHomeFolderAndAMissingFolderIsTold) {
    CrusadeToolsWorld w;
    w.app.settings.BackupPath.clear();
    w.t.dialogs.choose(w.t.path(QStringLiteral("nowhere/spring.dta"))).answer(AnsYes);
    BackupFiles(w.app);
    EXPECT_EQ(w.t.dialogs.shown().front().file.fileName, QDir(QDir::homePath()).filePath(QStringLiteral("spring.dta")));
    EXPECT_TRUE(w.t.dialogs.last().text.startsWith(
        QStringLiteral("You are attempting to back up files to a folder that does not exist")));
    EXPECT_TRUE(w.app.settings.BackupPath.isEmpty());
    EXPECT_FALSE(w.t.dialogs.messages().contains(kBackedUp));
    EXPECT_TRUE(Loaded(w));
}

// A backup into a folder the system refuses says why, as every failed write does.
TEST(BackupRestoreTest, ARefusedBackupGivesTheSystemsReason) {
    CrusadeToolsWorld w;
    w.t.files.failAt(1, err::PermissionDenied, Op::Copy);
    Backup(w);
    EXPECT_TRUE(w.t.dialogs.messages().last().startsWith("Files are not backed up.\r\nCould not copy " +
                                                         w.data("spring.inf") + " to " + w.backup("spring.inf") +
                                                         ": Failed on purpose\r\n"));
}

// A failure planned at the k-th call of kind op, for every k until a run makes no such
// call. Before each run the backup folder holds an earlier backup and the crusade has
// changed since. run(w) is the command; check(w, failed call) what must hold afterwards.
void ForEveryFailure(Op op, bool restore) {
    int k = 1;
    for (;; ++k) {
        SCOPED_TRACE(QStringLiteral("call %1").arg(k).toStdString());
        CrusadeToolsWorld w;
        Backup(w);
        ASSERT_EQ(w.t.dialogs.messages().last(), kBackedUp);
        ChangeSpring(w);
        const QString backupPath = w.app.settings.BackupPath;
        const FolderFiles data = FilesIn(w.t.path(QStringLiteral("data")));
        const FolderFiles backup = FilesIn(w.t.path(QStringLiteral("backup")));

        w.t.files.failAt(k, err::DiskFull, op);
        restore ? Restore(w) : Backup(w);
        const QStringList failed = w.t.files.calls.filter(QStringLiteral(" failed"));
        if (failed.isEmpty()) {
            EXPECT_EQ(w.t.dialogs.messages().last(), restore ? kRestored : kBackedUp);
            break;
        }
        if (failed.first().startsWith(QStringLiteral("remove ")) && failed.first().contains(QStringLiteral(".fennick-set"))) {
            // The set is in place; the list of its files, which could not be removed, is emptied.
            EXPECT_EQ(w.t.dialogs.messages().last(), restore ? kRestored : kBackedUp);
            EXPECT_TRUE(ReadFileBytes(failed.first().mid(7).chopped(7)).isEmpty());
            continue;
        }
        EXPECT_TRUE(Loaded(w));
        EXPECT_FALSE(w.t.dialogs.pending());
        EXPECT_FALSE(w.t.dialogs.messages().contains(restore ? kRestored : kBackedUp));
        EXPECT_FALSE(w.t.sound.played.join(u' ').contains(QStringLiteral("filedone")));
        if (failed.first().startsWith(QStringLiteral("remove ")) && failed.first().contains(QStringLiteral(".fennick-old"))) {
            // The set is in place; only an old file it replaced is left, and named.
            const QString left = failed.first().mid(7).chopped(7);
            EXPECT_TRUE(w.t.dialogs.messages().last().contains(left));
            EXPECT_TRUE(QFileInfo::exists(left));
            continue;
        }
        EXPECT_EQ(FilesIn(w.t.path(QStringLiteral("data"))), data) << failed.first().toStdString();
        EXPECT_EQ(FilesIn(w.t.path(QStringLiteral("backup"))), backup) << failed.first().toStdString();
        EXPECT_EQ(w.app.settings.BackupPath, backupPath);
        EXPECT_EQ(ReadRecord(w.app, 1).FName.trimmed(), "Maria");
    }
    EXPECT_GT(k, 1) << "the command makes calls of that kind";
}

TEST(BackupRestoreTest, AFailedBackupLeavesBothSetsAsTheyWere) {
    for (Op op : {Op::Copy, Op::Rename, Op::Remove, Op::Save, Op::Append}) {
        SCOPED_TRACE(int(op));
        ForEveryFailure(op, false);
    }
}

TEST(BackupRestoreTest, AFailedRestoreLeavesTheCrusadeAsItWasAndLoaded) {
    for (Op op : {Op::Copy, Op::Rename, Op::Remove, Op::Save, Op::Append}) {
        SCOPED_TRACE(int(op));
        ForEveryFailure(op, true);
    }
}

// The crusade's closing refused (its first save fails), its files saved over the crusade
// of its name in "elsewhere".
void Rescue(CrusadeToolsWorld& w) {
    w.t.files.failAt(1, err::DiskFull, Op::Save);
    w.t.dialogs.answer(AnsYes).choose(w.t.path("elsewhere")).answer(AnsOK).otherwise(AnsNo);
    CloseCrusadeToLeave(w.app);
}

// A set each command replaces (a backup, a copy of the crusade elsewhere); the crusade changed since.
void Prepare(CrusadeToolsWorld& w) {
    Backup(w);
    QDir().mkpath(w.t.path("elsewhere"));
    for (const QString& n : QDir(w.data("")).entryList(QDir::Files)) QFile::copy(w.data(n), w.t.path("elsewhere/" + n));
    ChangeSpring(w);
}

// "folder/a, folder/b and folder/c"
QString Listed(const QStringList& names, const QString& folder) {
    QStringList paths;
    for (const QString& n : names) paths << folder + n;
    return paths.size() < 2 ? paths.value(0) : paths.mid(0, paths.size() - 1).join(", ") + " and " + paths.last();
}

// Each command killed (no clean-up runs) just after the call that reaches a point of its
// replacement: what ends it (the next backup, the next opening) leaves the set as it was,
// or as made once all was in place, and tells what it found and did.
TEST(BackupRestoreTest, ACutOffReplacementIsUndoneOrKeptAndTold) {
    const struct {
        void (*run)(CrusadeToolsWorld&);
        const char* folder;
        const char* told;          // of a journal found; <d>, <b>, <f>: the data, backup and that folder
        QStringList order;         // the set's files as they are put in place
        bool restoreEnds = false;  // a restore from the folder ends it, not the next backup
    } kinds[] = {
        {Backup,
         "backup/",
         "The backup of <d>spring.dta to <f> was not finished; the files there are as they were before it.",
         {"spring.inf", "spring.mem", "spring.zps", "spring.dta", "spring_prayer.txt"}},
        {Restore,
         "data/",
         "The restore from <b> was not finished; the crusade is as it was before it.",
         {"spring.dta", "spring.inf", "spring.mem", "spring.zps", "spring_prayer.txt"}},
        {Rescue,
         "elsewhere/",
         "The saving of the crusade <d>spring.dta in <f> was not finished; the files there are as they were before it.",
         {"spring.dta", "spring.inf", "spring.mem", "spring.zps", "spring_prayer.txt"}},
        {Backup,
         "backup/",
         "The backup of <d>spring.dta to <f> was not finished; the files there are as they were before it.",
         {"spring.inf", "spring.mem", "spring.zps", "spring.dta", "spring_prayer.txt"},
         true},
    };
    const char* const points[] = {"copies partly made", "journal written", "some files in place",
                                  "all in place, old files kept", "journal removed, old files kept"};
    for (const auto& kind : kinds)
        for (int point = 0; point < 5; ++point) {
            SCOPED_TRACE(std::string(kind.folder) + points[point]);
            CrusadeToolsWorld w;
            Prepare(w);
            // The backup cut off is of a later day than the one it replaces.
            const QString earlierDate = BackupDate(w.backup(QStringLiteral("spring.dta")));
            const QString laterDate = QStringLiteral("3/10/2026");
            if (kind.restoreEnds) w.t.clock.at = w.t.clock.at.addDays(1);
            const QString folder = w.t.path(kind.folder);
            FolderFiles expected = FilesIn(folder);
            const std::optional<QByteArray> left = InChildWithFileSizeLimit(qint64(1) << 40, [&] {
                int copies = 0, placed = 0, listed = 0;
                w.t.files.afterCall = [&](const QString& call) {
                    const bool copy = !call.startsWith("rename") && call.endsWith(kNewCopySuffix);
                    const bool place = call.startsWith("rename") && call.contains(".fennick-new > ");
                    const bool journal = call.endsWith(".fennick-set");
                    copies += copy;
                    placed += place;
                    // The journal's first lines are written before the first copy, its targets
                    // once every copy is made.
                    listed += journal && call.startsWith("append");
                    const bool reached[] = {copy, journal && call.startsWith("append") && listed == 2, place,
                                            place && placed == copies, journal && call.startsWith("remove")};
                    if (reached[point]) std::_Exit(0);
                };
                kind.run(w);
                return QByteArray("the point was not reached");
            });
            ASSERT_EQ(left.value_or("crashed"), QByteArray());
            QStringList olds;  // left beside the new set
            if (point == 4) {
                expected = FilesIn(folder);
                for (const QString& name : expected.keys())
                    if (name.endsWith(kOldFileSuffix) && expected.remove(name)) olds << name.chopped(12);
            }
            QString told = "A backup, restore or save of the files of spring in " + folder;
            if (point == 0)
                told += " was not finished: none of them was replaced. The copies made of " + kind.order[0] +
                        " were removed.";
            else if (point == 4)
                told += " had replaced them all; the old files of " + Listed(olds, "") +
                        " that it kept until then were removed.";
            else
                told = QString(kind.told)
                           .replace("<d>", w.t.path("data/"))
                           .replace("<b>", w.t.path("backup/"))
                           .replace("<f>", folder) +
                       (point == 1 ? ""
                                   : "\r\nPut back as they were: " +
                                         Listed(kind.order.mid(0, point == 2 ? 1 : -1), folder) + ".");
            if (kind.restoreEnds) {
                // Ended and told before the question, which shows the date of the set as it now is.
                Restore(w);
                const QStringList shown = w.t.dialogs.messages();
                qsizetype asked = shown.size() - 1;
                while (asked >= 0 && !shown[asked].startsWith(QLatin1String("Restore this file From:"))) --asked;
                ASSERT_GE(asked, 0) << shown.join(" / ").toStdString();
                EXPECT_LT(shown.indexOf(told), asked);
                EXPECT_TRUE(shown[asked].contains(QStringLiteral("Which was last updated on: ") +
                                                  (point == 4 ? laterDate : earlierDate) + "\r\n"))
                    << shown[asked].toStdString();
            } else if (kind.run == Backup) {  // the next backup ends it; its first copy fails, to show the folder
                w.t.files.failAt(1, err::DiskFull, Op::Copy);
                Backup(w);
            } else {
                OpenCrusade(w.app, folder + "spring.dta");
            }
            EXPECT_TRUE(w.t.dialogs.messages().contains(told)) << w.t.dialogs.messages().join(" / ").toStdString();
            EXPECT_EQ(FilesIn(folder), expected);
        }
}

// A set write refused by the fake at a call, or by the disk at a step (a name too long for
// a suffix, whose temporary files are hidden ones): the message names the user's file.
TEST(BackupRestoreTest, AFailedSetWriteNamesTheUsersFileAndTheReason) {
    const QString longName(251, u'n');
    const struct {
        const char* says;    // <d>, <b>, <e>, <t>: the data, backup, elsewhere and test folders; <n>: the long name
        const char* target;  // on the disk: a set of this one file, copied (".dta") or written
        QtFiles::Step step;
        int nth, error;
        const char* refused = nullptr;  // else the fake's call that fails, in the command run
        void (*run)(CrusadeToolsWorld&) = nullptr;
    } cases[] = {
        {"Could not copy <d>spring.inf to <b>spring.inf: Failed on purpose", "", {}, 0, 0, "inf.fennick-new", Backup},
        {"Could not write <b>spring.inf: Failed on purpose", "", {}, 0, 0, "spring.fennick-set", Backup},
        {"Could not replace <d>spring.dta: Failed on purpose", "", {}, 0, 0, "<d>spring.dta > ", Restore},
        {"Could not replace <b>spring.dta: Failed on purpose", "", {}, 0, 0, "new > <b>spring.dta", Backup},
        {"Could not write <e>spring.mem: Failed on purpose", "", {}, 0, 0, "spring.mem.fennick-new", Rescue},
        {"Could not write <t><n>.mem: No space left on device", ".mem", QtFiles::Step::Write, 1, ENOSPC},
        // The journal is begun by appending to it: the first file made by a step is the copy.
        {"Could not copy <d>spring.dta to <t><n>.dta: Permission denied", ".dta", QtFiles::Step::Create, 1, EACCES},
        {"Could not write <t><n>.inf: No space left on device", ".inf", QtFiles::Step::Create, 1, ENOSPC},
    };
    for (const auto& c : cases) {
        CrusadeToolsWorld w;
        Prepare(w);
        const auto named = [&](QString text) {
            return text.replace("<d>", w.t.path("data/"))
                .replace("<b>", w.t.path("backup/"))
                .replace("<e>", w.t.path("elsewhere/"))
                .replace("<t>", w.t.path("") + '/')
                .replace("<n>", longName);
        };
        SCOPED_TRACE(named(c.says).toStdString());
        QString told;
        if (c.refused) {
            w.t.files.failWhere(named(c.refused), err::DiskFull);
            c.run(w);
            told = w.t.dialogs.messages().join('|');
        } else {
            QtFiles files;
            int seen = 0;
            files.setFaults(
                {[&](QtFiles::Step step) { return step == c.step && ++seen == c.nth ? c.error : 0; }, false});
            FileSetReplace set(files);
            const QString target = named("<t><n>") + c.target;
            c.target == QString(".dta") ? set.add(w.spring, target) : set.addBytes("x", target);
            FileResult r = set.copyAll();
            told = (r.ok() ? set.putInPlace() : r).description;
        }
        EXPECT_TRUE(told.contains(named(c.says))) << told.toStdString();
        EXPECT_FALSE(told.contains(".fennick-")) << told.toStdString();
    }
}

}  // namespace

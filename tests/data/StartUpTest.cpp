#include "CrusadeOnDisk.h"
#include "FakePlatform.h"
#include "FakeScreen.h"
#include "FakeStartScreen.h"
#include "RecordBuilder.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/FixFiles.h"
#include "data/IniFile.h"
#include "data/SideFiles.h"
#include "data/StartUp.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

const QString kNoFile = QStringLiteral(
    "Fennick could not find a Meeting data file.  \r\nYou must select 'New' to either create a new meeting file "
    "or search for an existing file.");
const QString kNoPrinter = QStringLiteral(
    "There is no printer attached to your computer\r\nUntil a printer is set up, reports can be printed to PDF files.");

class StartUpTest : public ::testing::Test {
protected:
    TestApp t;
    App& app = t.app;
    FakeStartScreen screen;
    bool printer = true;
    int repairs = 0;

    StartUpTest() {
        app.hooks.fixFiles = [this] {
            ++repairs;
            return true;
        };
    }
    void load() {
        frmSplash_Load(app, screen, [this] { return printer; });
    }
    void expectNoFileState() {
        EXPECT_TRUE(screen.hidden.value("btnLastCrusade"));
        EXPECT_TRUE(screen.hidden.value("LineLastCrusadeTop"));
        EXPECT_TRUE(screen.hidden.value("LineLastCrusadeLeft"));
        EXPECT_FALSE(app.crusade.FileIsOpen);
        EXPECT_FALSE(app.crusade.file.isOpen());
        // A key (or a click on a label) does nothing then.
        EXPECT_FALSE(frmSplash_KeyPress(app, screen));
        EXPECT_EQ(repairs, 0);
    }
    // A settings file of an old version asks to convert the data file; the conversion
    // cannot keep the old file under its backup name, so the crusade is not opened.
    void makeUnconvertible(const QString& dataFile) {
        const QString infoFile = dataFile.chopped(3) + QStringLiteral("inf");
        QList<QByteArray> inf = FileLines(infoFile);
        inf[8] = "version 2.3.0";
        QByteArray bytes;
        for (const QByteArray& l : inf) bytes += l + "\r\n";
        WriteFileBytes(infoFile, bytes);
        WriteFileBytes(dataFile, QByteArray(371, 'x'));
        t.files.failAt(1, err::PathFileAccess, FakeFiles::Op::Copy);
    }
    QString springFile() {
        CrusadeSpec s;
        s.records = {Person("0012", "Mary", "Smith"), Person("0013", "John", "Adams")};
        s.members = {MemberEntry("0040", "Brown", "Ann")};
        s.zips = {ZipEntry("62701", "IL", "03", "Springfield", 2), ZipEntry("62702", "IL", "04", "Springfield", 1)};
        s.lastMeeting = 5;
        return WriteCrusade(t, t.path("data"), QStringLiteral("spring"), s);
    }
};

TEST_F(StartUpTest, WithoutAnIniFileTheStartScreenOffersOnlyNewAndExit) {
    load();
    EXPECT_EQ(screen.texts.value("lblVersion"), QStringLiteral("Version 2.5.86"));
    EXPECT_EQ(screen.texts.value("lblProductName"), QStringLiteral("Fennick"));
    ASSERT_EQ(t.dialogs.messages(), QStringList{kNoFile});
    EXPECT_EQ(t.dialogs.last().title, QStringLiteral("No File Present"));
    EXPECT_EQ(t.dialogs.last().icon, Icon::Information);
    EXPECT_EQ(app.program.ShowButtonLabels, -1);
    EXPECT_TRUE(t.sound.played.isEmpty()) << "the greeting needs the ini file";
    expectNoFileState();
}

TEST_F(StartUpTest, AnIniNamingADeletedCrusadeTakesTheNoFilePath) {
    const QString file = springFile();
    WriteIni(t, file);
    QFile::remove(file);
    load();
    EXPECT_EQ(t.dialogs.messages(), QStringList{kNoFile});
    ASSERT_EQ(t.sound.played.size(), 1);
    EXPECT_TRUE(t.sound.played[0].endsWith(QStringLiteral("S06.wav")));
    expectNoFileState();
}

TEST_F(StartUpTest, TheLastCrusadeIsLoadedAndAKeyOpensIt) {
    const QString file = springFile();
    WriteIni(t, file);
    for (bool printerInstalled : {true, false}) {
        SCOPED_TRACE(printerInstalled);
        t.dialogs.clear();
        repairs = 0;
        printer = printerInstalled;
        load();
        EXPECT_EQ(app.program.DataFile, file);
        EXPECT_EQ(app.settings.CrusadeName, QStringLiteral("spring"));
        EXPECT_EQ(app.crusade.RecCount, 2);
        EXPECT_EQ(app.crusade.ZipCount, 2);
        EXPECT_EQ(app.crusade.MemberCount, 1);
        EXPECT_TRUE(app.crusade.FileIsOpen);
        EXPECT_FALSE(screen.hidden.value("btnLastCrusade"));
        EXPECT_EQ(screen.texts.value("lblLastCrusadeName"), QStringLiteral("spring:  Meeting #5"));
        EXPECT_EQ(t.dialogs.messages(), printerInstalled ? QStringList{} : QStringList{kNoPrinter});
        EXPECT_EQ(repairs, 0) << "the repair pass waits for the user's choice";

        ASSERT_TRUE(frmSplash_KeyPress(app, screen));
        EXPECT_EQ(repairs, 1);
        EXPECT_EQ(screen.paintedTexts.last(), QStringLiteral("Loading spring:  Meeting #5"));
        EXPECT_EQ(app.view.ReportKind, QStringLiteral("alpha"));
        EXPECT_EQ(app.view.ReportCount, 2);
    }
}

TEST_F(StartUpTest, ACrusadeThatCannotBeLoadedLeavesTheNoFileState) {
    const QString file = springFile();
    makeUnconvertible(file);
    WriteIni(t, file);
    t.dialogs.answer(AnsOK);

    load();
    EXPECT_FALSE(t.dialogs.pending());
    EXPECT_GE(t.dialogs.messages().size(), 2);
    expectNoFileState();
}

TEST_F(StartUpTest, ANewFileThatCannotBeOpenedLeavesTheNoFileState) {
    const QString spring = springFile();
    const QString autumn = WriteCrusade(t, t.path("data"), QStringLiteral("autumn"), CrusadeSpec{});
    makeUnconvertible(autumn);
    // winter's data file leads nowhere: opening it fails with an error.
    const QString winter = WriteCrusade(t, t.path("data"), QStringLiteral("winter"), CrusadeSpec{});
    QFile::remove(winter);
    ASSERT_TRUE(QFile::link(t.path("missing/winter.dta"), winter));
    WriteIni(t, spring);

    for (const QString& chosen : {autumn, winter}) {
        SCOPED_TRACE(chosen.toStdString());
        load();
        ASSERT_TRUE(app.crusade.FileIsOpen);
        ASSERT_FALSE(screen.hidden.value("btnLastCrusade"));
        t.dialogs.clear();
        t.dialogs.choose(chosen);
        if (chosen == autumn) {
            t.dialogs.answer(AnsOK);
            EXPECT_EQ(btSelect_Click(app, screen), CrusadeChoice::Cancelled);
        } else {
            EXPECT_THROW(btSelect_Click(app, screen), VbError);
        }
        EXPECT_FALSE(t.dialogs.pending());
        expectNoFileState();
        EXPECT_TRUE(screen.texts.value("lblLastCrusadeName").isEmpty());
        // "Last File" opens nothing over the closed crusade.
        EXPECT_FALSE(btnLastCrusade_Click(app, screen));
        EXPECT_EQ(repairs, 0);
        EXPECT_FALSE(app.crusade.FileIsOpen);
    }
}

TEST_F(StartUpTest, NewFileAndExitFromTheStartScreen) {
    // "New File" cancelled: the start screen stays.
    t.dialogs.choose(std::nullopt);
    EXPECT_EQ(btSelect_Click(app, screen), CrusadeChoice::Cancelled);

    // A new crusade, then its first record is begun on the main window.
    t.dialogs.choose(t.path("data/autumn")).answer(AnsNo);
    ASSERT_EQ(btSelect_Click(app, screen), CrusadeChoice::Created);
    FakeScreen main;
    int addCommands = 0;
    app.hooks.startAddMode = [&] { ++addCommands; };
    app.crusade.CurRecord.FName = "Left over";
    BeginFirstRecord(app, main);
    EXPECT_EQ(main.text("Attendance"), QStringLiteral("1") + QString(39, u'-'));
    EXPECT_EQ(app.crusade.CurRecord.Attendance.bytes(), "1" + QByteArray(39, '-'));
    EXPECT_TRUE(app.crusade.CurRecord.FName.isBlank());
    EXPECT_TRUE(app.crusade.OrigRecord == app.crusade.CurRecord);
    EXPECT_EQ(addCommands, 1);

    // "Exit" closes the crusade (the new one is removed) and ends the program.
    EXPECT_THROW(btnExitFennick_Click(app), ProgramEnd);
    EXPECT_FALSE(QFileInfo::exists(t.path("data/autumn.dta")));
}

TEST_F(StartUpTest, ExitWritesTheLoadedCrusade) {
    const QString file = springFile();
    WriteIni(t, file);
    load();
    app.settings.LastMeeting = 7;
    EXPECT_THROW(btnExitFennick_Click(app), ProgramEnd);
    EXPECT_EQ(FileLines(t.path("data/spring.inf")).value(2), " 7");
}

TEST_F(StartUpTest, ThePreparedProgramFolder) {
    QTemporaryDir outside;
    WriteFileBytes(QDir(outside.path()).filePath("keep.ex_"), "outside");
    WriteFileBytes(QDir(outside.path()).filePath("setup.exe"), "outside");

    struct Case {
        const char* name;
        bool tempFiles;   // a temp folder with files
        bool linkedTemp;  // temp is a link to a folder outside
        bool dataFolder;  // the data folder exists already
        int messages;
    };
    const Case cases[] = {
        {"fresh", false, false, false, 1},
        {"ready", false, false, true, 0},
        {"temp files", true, false, true, 1},
        {"temp link", false, true, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp f;
        const QDir program(f.path("Fennick"));
        f.app.program.ProgramDir = program.path();
        QDir().mkpath(program.path());
        if (c.dataFolder) program.mkpath("data");
        if (c.tempFiles) {
            program.mkpath("temp");
            WriteFileBytes(program.filePath("temp/a.tmp"), "x");
        }
        if (c.linkedTemp) QFile::link(outside.path(), program.filePath("temp"));
        WriteFileBytes(program.filePath("fennick.ex_"), "leftover");
        WriteFileBytes(program.filePath("setup.exe"), "leftover");
        WriteFileBytes(program.filePath("notes.txt"), "mine");

        PrepareProgramFolder(f.app);
        EXPECT_EQ(QDir::currentPath(), program.path());
        ASSERT_EQ(f.dialogs.messages().size(), c.messages);
        if (c.messages) {
            EXPECT_TRUE(f.dialogs.messages()[0].startsWith(
                QStringLiteral("Fennick has created a folder named 'Data' in the 'Fennick' program folder.")));
        }
        EXPECT_TRUE(QFileInfo(program.filePath("data")).isDir());
        EXPECT_EQ(QFileInfo::exists(program.filePath("temp")), c.linkedTemp);
        EXPECT_FALSE(QFileInfo::exists(program.filePath("fennick.ex_")));
        EXPECT_FALSE(QFileInfo::exists(program.filePath("setup.exe")));
        EXPECT_TRUE(QFileInfo::exists(program.filePath("notes.txt")));
        EXPECT_TRUE(f.app.program.AskCanada);
        EXPECT_TRUE(f.app.program.DropFilterOnExit);
        // Nothing outside the program folder was touched.
        EXPECT_EQ(QDir(outside.path()).entryList(QDir::Files).size(), 2);
    }
}

}  // namespace

namespace {

// A record with no names or address that holds what the team learned of the person.
AttendeeRecord Unnamed(const char* rnum) {
    AttendeeRecord r = Person(rnum, "", "Unknown");
    r.Address = "";
    r.Attendance = "1-3" + QByteArray(37, '-');
    r.Phone = "555-0102";
    r.Decisions = "C--------";
    r.Notes = "Asked for a visit";
    return r;
}

}  // namespace

TEST(StartUpRegistrationTest, ACrusadeWithoutItsSettingsFileKeepsItsEntriesWithoutNames) {
    struct Case {
        const char* what;
        QList<AttendeeRecord> records;
        const char* direction;  // of the counter taken from the records
        bool keptWhenReopened;  // the counter written at close keeps them in later runs too
    };
    const Case cases[] = {
        {"low numbers in use", {Person("0001", "Ann", "Able"), Unnamed("0002")}, "DOWN", true},
        {"high numbers in use", {Person("9998", "Ann", "Able"), Unnamed("9997")}, "UP", true},
        {"both ends in use", {Person("0001", "Ann", "Able"), Unnamed("9997"), Person("9998", "Bo", "Bee")}, "UP", true},
        {"unnamed at both ends", {Unnamed("0001"), Person("5000", "Ann", "Able"), Unnamed("9999")}, nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestApp t;
        App& app = t.app;
        app.hooks.fixFiles = [&app] { return FixFiles(app); };
        CrusadeSpec spec;
        spec.records = c.records;
        const QString file = WriteCrusade(t, t.path("data"), QStringLiteral("spring"), spec);
        QFile::remove(t.path("data/spring.inf"));
        WriteIni(t, file);
        QSet<QByteArray> used;
        for (const AttendeeRecord& r : c.records) used.insert(r.RNum.bytes());

        const int runs = c.keptWhenReopened ? 2 : 1;
        for (int run = 1; run <= runs; ++run) {
            SCOPED_TRACE(run);
            FakeStartScreen screen;
            frmSplash_Load(app, screen, [] { return true; });
            ASSERT_TRUE(frmSplash_KeyPress(app, screen));
            if (run == 1 && c.direction) {
                EXPECT_EQ(app.settings.ReservedDirection.toStdString(), c.direction);
            }
            // The repair command run later in the same session keeps them as well.
            if (run == runs) {
                ASSERT_TRUE(FixFiles(app));
            }
            for (qint32 n = 1; n <= app.crusade.RecCount; ++n)
                EXPECT_FALSE(ReadRecord(app, n).isDeleted()) << ReadRecord(app, n).RNum.bytes().constData();
            EXPECT_EQ(app.view.ReportCount, c.records.size());
            if (run == runs) {
                EXPECT_FALSE(used.contains(NextRegNumber(app)));
            }
            CloseCrusade(app);
        }
    }
}

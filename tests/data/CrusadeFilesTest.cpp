#include "CrusadeOnDisk.h"
#include "FakePlatform.h"
#include "RecordBuilder.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/FixFiles.h"
#include "data/IniFile.h"
#include "data/RecordFile.h"
#include "data/SideFiles.h"
#include "views/Indexes.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

class CrusadeFilesTest : public ::testing::Test {
protected:
    TestApp t;
    App& app = t.app;
    const QString data = t.path("data");

    QString inData(const QString& name) const { return QDir(data).filePath(name); }
    QStringList dataFolder() const { return QDir(data).entryList(QDir::Files, QDir::Name); }

    // Creates a crusade through the dialog, answering No to the prior settings.
    CrusadeChoice create(const QString& typed) {
        t.dialogs.choose(inData(typed)).answer(AnsNo);
        return SelectCrusade(app);
    }
    CrusadeSpec spring() const {
        CrusadeSpec s;
        s.records = {Person("0012", "Mary", "Smith"), Person("0013", "John", "Adams")};
        s.members = {MemberEntry("0040", "Brown", "Ann"), MemberEntry("0041", "Green", "Tom")};
        s.zips = {ZipEntry("62701", "IL", "03", "Springfield", 2)};
        return s;
    }
};

TEST_F(CrusadeFilesTest, ANewCrusadeIsCreatedUnderTheNameTyped) {
    struct Case {
        const char* typed;
        const char* dataFile;  // empty: refused
    };
    const Case cases[] = {
        {"autumn.dta", "autumn.dta"},
        {"autumn", "autumn.dta"},
        {"autumn.", "autumn.dta"},
        {"Autumn.DTA", "Autumn.DTA"},
        {"autumn.txt", ""},
        {"autumn.dta.bak", ""},
        {".dta", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        TestApp f;
        const QDir folder(f.path("data"));
        f.dialogs.choose(folder.filePath(QLatin1String(c.typed))).answer(AnsNo);
        const CrusadeChoice choice = SelectCrusade(f.app);
        if (*c.dataFile == '\0') {
            EXPECT_EQ(choice, CrusadeChoice::Cancelled);
            EXPECT_EQ(f.app.msg.MsgText, QStringLiteral("NoFileSelected"));
            EXPECT_TRUE(folder.entryList(QDir::Files).isEmpty());
            EXPECT_TRUE(f.dialogs.pending()) << "refused before the settings question";
            f.dialogs.clear();
            continue;
        }
        ASSERT_EQ(choice, CrusadeChoice::Created);
        const QString dta = folder.filePath(QLatin1String(c.dataFile));
        const QString name = QFileInfo(dta).completeBaseName();
        EXPECT_EQ(f.app.program.DataFile, dta);
        EXPECT_EQ(QFileInfo(dta).size(), 0);
        EXPECT_EQ(f.app.settings.CrusadeName, name);
        EXPECT_TRUE(f.app.crusade.AddMode);
        EXPECT_TRUE(f.app.crusade.NewEmptyFile);
        EXPECT_TRUE(f.app.crusade.CreatedThisRun);
        EXPECT_TRUE(f.app.crusade.file.isOpen());
        // The settings file: name, date, meeting 1, 9999 counting down, no cut-off.
        const QList<QByteArray> inf = FileLines(dta.left(dta.size() - 3) + "inf");
        ASSERT_GE(inf.size(), 9);
        EXPECT_EQ(inf[0], name.toLatin1());
        EXPECT_EQ(inf[1], "3/9/2026");
        EXPECT_EQ(inf[2], " 1");
        EXPECT_EQ(inf[3], " 9999 ");
        EXPECT_EQ(inf[4], "DOWN");
        EXPECT_EQ(inf[7], " 0 ");
        // The ini file names the new crusade, and the empty-file message was shown.
        EXPECT_EQ(FileLines(IniFilePath(f.app)).value(0), dta.toLatin1());
        EXPECT_TRUE(f.dialogs.messages().last().startsWith(QStringLiteral("There are no records in: ")));
    }
}

TEST_F(CrusadeFilesTest, CancellingChangesNothing) {
    t.dialogs.choose(std::nullopt);
    app.settings.CrusadeName = QStringLiteral("kept");
    EXPECT_EQ(SelectCrusade(app), CrusadeChoice::Cancelled);
    EXPECT_EQ(app.msg.MsgText, QStringLiteral("NoFileSelected"));
    EXPECT_EQ(app.settings.CrusadeName, QStringLiteral("kept"));
    EXPECT_TRUE(QFileInfo(data).isDir()) << "the dialog opens in the data folder, made when missing";
    EXPECT_EQ(t.dialogs.last().file.initialDir, data);
    EXPECT_TRUE(t.dialogs.last().file.mayCreate) << "a new name may be typed";
    EXPECT_EQ(t.dialogs.last().file.title,
              QStringLiteral("Fennick: Create a New Crusade or Select an Existing Crusade"));
}

TEST_F(CrusadeFilesTest, PriorSettingsGiveTablesButNotTheHeader) {
    CrusadeSpec prior = spring();
    prior.team1 = QStringLiteral("Gideons:555-7777");
    const QString springFile = WriteCrusade(t, data, QStringLiteral("spring"), prior);

    t.dialogs.choose(inData("autumn")).answer(AnsYes).choose(springFile);
    ASSERT_EQ(SelectCrusade(app), CrusadeChoice::Created);
    EXPECT_EQ(t.dialogs.messages().first(),
              QStringLiteral("You can choose to use the Infomation settings from a prior meeting for:\r\nDecisions, "
                             "Churches, Sermons and etc.\r\nOr you can choose to use the default settings.\r\n\r\n"
                             "Would you like to import the information from a prior meeting?"));
    EXPECT_EQ(app.settings.TeamNames[1], QStringLiteral("Gideons:555-7777"));
    EXPECT_EQ(app.settings.DecisionNames[3], QStringLiteral("Keep Sabbath"));
    EXPECT_EQ(app.settings.CrusadeName, QStringLiteral("autumn"));
    EXPECT_EQ(app.settings.CrusadeDate, QStringLiteral("3/9/2026"));
    EXPECT_EQ(app.settings.ReservedNumber, 9999);
    EXPECT_EQ(app.settings.ReservedDirection, QStringLiteral("DOWN"));
    EXPECT_EQ(app.settings.LastMeeting, 1);
    // What was taken over is in the new crusade's own settings file.
    EXPECT_TRUE(FileLines(inData("autumn.inf")).contains("Gideons:555-7777"));

    // No, a cancelled second dialog, or a settings file found empty (as a write cut off by a
    // full disk leaves it, and said so) gives the default tables.
    for (const int way : {0, 1, 2}) {  // No, cancelled, the empty file chosen
        TestApp other;
        const QString empty = other.path("prior.inf");
        WriteFileBytes(empty, QByteArray());
        other.dialogs.choose(QDir(other.path("data")).filePath("winter"));
        if (way == 0)
            other.dialogs.answer(AnsNo);
        else
            other.dialogs.answer(AnsYes).choose(way == 1 ? std::nullopt : std::optional(empty));
        ASSERT_EQ(SelectCrusade(other.app), CrusadeChoice::Created);
        EXPECT_EQ(other.dialogs.messages().count("The crusade settings file " + empty +
                                                 " could not be read:\r\nThe file is empty.\r\n\r\n"
                                                 "The new crusade takes the default settings."),
                  way == 2 ? 1 : 0);
        EXPECT_EQ(other.app.settings.ReligionNames[1], QStringLiteral("SDA"));
        EXPECT_EQ(other.app.settings.DecisionNames[4], QStringLiteral("Sabbath Prob"));
        EXPECT_TRUE(other.app.settings.TeamNames[1].isEmpty());
    }
}

TEST_F(CrusadeFilesTest, ClosingTheNewEmptyCrusadeRemovesOnlyItsOwnFiles) {
    ASSERT_EQ(create(QStringLiteral("autumn")), CrusadeChoice::Created);
    WriteFileBytes(inData("autumn.txt"), "keep me");
    WriteFileBytes(inData("autumn.mem"), "0001Someone\r\n");
    WriteFileBytes(inData("autumns.dta"), "");
    ASSERT_TRUE(QFileInfo::exists(IniFilePath(app)));

    EXPECT_TRUE(CloseCrusade(app));
    EXPECT_EQ(t.dialogs.last().title, QStringLiteral("Exit Fennick"));
    EXPECT_EQ(t.dialogs.last().icon, Icon::Critical);
    EXPECT_EQ(dataFolder(), (QStringList{"autumn.txt", "autumns.dta"}));
    EXPECT_FALSE(QFileInfo::exists(IniFilePath(app)));
}

TEST_F(CrusadeFilesTest, AnExistingEmptyCrusadeIsNeverDeleted) {
    CrusadeSpec empty;
    const QString file = WriteCrusade(t, data, QStringLiteral("quiet"), empty);
    ASSERT_TRUE(OpenCrusade(app, file));
    EXPECT_TRUE(app.crusade.NewEmptyFile) << "an empty data file reads as new";
    EXPECT_EQ(app.view.ReportCount, 0);

    EXPECT_FALSE(CloseCrusade(app));
    EXPECT_TRUE(QFileInfo::exists(file));
    EXPECT_TRUE(QFileInfo::exists(inData("quiet.inf")));
    EXPECT_EQ(FileLines(IniFilePath(app)).value(0), file.toLatin1());
}

TEST_F(CrusadeFilesTest, CloseDownWritesTheFilesUnderTheEmptyTableRules) {
    struct Case {
        const char* name;
        bool members;  // the member list holds names at close
        bool zips;
    };
    const Case cases[] = {{"both", true, true}, {"no members", false, true}, {"no zips", true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp f;
        const QString folder = f.path("data");
        const QString file = WriteCrusade(f, folder, QStringLiteral("spring"), spring());
        ASSERT_TRUE(OpenCrusade(f.app, file));
        IndexAlpha(f.app);
        Crusade& cr = f.app.crusade;
        if (c.members)
            cr.MemberNames[2] = MemberEntry("0041", "Greene", "Tom");
        else
            cr.MemberCount = 0;
        if (c.zips)
            cr.ZipTable[1] = ZipEntry("62701", "IL", "07", "Springfield", 2);
        else
            cr.ZipCount = 0;
        f.app.settings.LastMeeting = 9;
        // An empty view (a filter that found nobody) does not stop the close-down.
        EmptyView(f.app.view);
        ReadCurrentRecord(f.app);

        CloseCrusade(f.app);
        EXPECT_FALSE(cr.file.isOpen());
        EXPECT_EQ(FileLines(QDir(folder).filePath("spring.inf")).value(2), " 9");
        EXPECT_EQ(FileLines(IniFilePath(f.app)).value(0), file.toLatin1());
        const QList<QByteArray> mem = FileLines(QDir(folder).filePath("spring.mem"));
        const QList<QByteArray> zps = FileLines(QDir(folder).filePath("spring.zps"));
        EXPECT_EQ(mem.value(1), c.members ? MemberEntry("0041", "Greene", "Tom") : MemberEntry("0041", "Green", "Tom"));
        EXPECT_EQ(zps.value(0).mid(12, 2), c.zips ? "07" : "03");
    }
}

TEST_F(CrusadeFilesTest, OpeningAnotherCrusadeClosesTheFirstCompletely) {
    const QString springFile = WriteCrusade(t, data, QStringLiteral("spring"), spring());
    CrusadeSpec winterSpec;
    winterSpec.records = {Person("0100", "Ruth", "Baker")};
    winterSpec.lastMeeting = 3;
    const QString winterFile = WriteCrusade(t, data, QStringLiteral("winter"), winterSpec);
    ASSERT_TRUE(OpenCrusade(app, springFile));
    app.crusade.MemberNames[1] = MemberEntry("0040", "Browne", "Ann");
    app.settings.LastMeeting = 8;

    // The repair pass sees the new crusade's own tables only.
    QStringList seenByRepair;
    app.hooks.fixFiles = [&] {
        seenByRepair << app.program.DataFile << QString::number(app.crusade.MemberCount)
                     << QString::number(app.crusade.ZipCount) << QString::number(app.settings.LastMeeting);
        return true;
    };
    t.dialogs.choose(winterFile);
    ASSERT_EQ(SelectCrusade(app), CrusadeChoice::Existing);
    EXPECT_EQ(app.msg.MsgText, QStringLiteral("oldfileselected"));
    EXPECT_EQ(seenByRepair, (QStringList{winterFile, "0", "0", "3"}));

    // spring was written before winter was read; nothing of spring reached winter.
    EXPECT_EQ(FileLines(inData("spring.mem")).value(0), MemberEntry("0040", "Browne", "Ann"));
    EXPECT_EQ(FileLines(inData("spring.inf")).value(2), " 8");
    EXPECT_FALSE(QFileInfo::exists(inData("winter.mem")));
    EXPECT_EQ(app.crusade.MemberCount, 0);
    EXPECT_EQ(app.crusade.RecCount, 1);
    EXPECT_TRUE(app.crusade.FileIsOpen);
    EXPECT_EQ(app.view.ReportKind, QStringLiteral("alpha"));
    EXPECT_EQ(app.view.ReportCount, 1);
    EXPECT_EQ(FileLines(IniFilePath(app)).value(0), winterFile.toLatin1());

    // Closing winter leaves no member file either, and a new crusade starts empty too.
    CloseCrusade(app);
    EXPECT_FALSE(QFileInfo::exists(inData("winter.mem")));
    ASSERT_EQ(create(QStringLiteral("autumn")), CrusadeChoice::Created);
    EXPECT_EQ(app.crusade.MemberCount, 0);
    EXPECT_EQ(app.crusade.ZipCount, 0);
}

TEST_F(CrusadeFilesTest, NothingOfTheCrusadeBeforeReachesACrusadeWithoutSettings) {
    const QString springFile = WriteCrusade(t, data, QStringLiteral("spring"), spring());
    CrusadeSpec winterSpec;
    winterSpec.records = {Person("0100", "Ruth", "Baker"), Person("0101", "Sam", "Baker")};
    const QString winterFile = WriteCrusade(t, data, QStringLiteral("winter"), winterSpec);
    QFile::remove(inData("winter.inf"));
    ASSERT_TRUE(OpenCrusade(app, springFile));
    CrusadeSettings& s = app.settings;
    s.TeamNames[2] = QStringLiteral("Spring team:555-0102");
    s.SabbathMeetings = {6, 13, 20, 27};
    s.SoundOn = true;
    s.BackupPath = QStringLiteral("/media/spring");
    s.TotalAttendNum = 9;
    s.ReservedNumber = 9000;
    s.ReservedDirection = QStringLiteral("DOWN");

    t.dialogs.choose(winterFile);
    ASSERT_EQ(SelectCrusade(app), CrusadeChoice::Existing);
    EXPECT_TRUE(s.TeamNames[2].isEmpty());
    EXPECT_EQ(s.SabbathMeetings, (std::array<qint16, 4>{}));
    EXPECT_FALSE(s.SoundOn);
    EXPECT_TRUE(s.BackupPath.isEmpty());
    EXPECT_EQ(s.TotalAttendNum, 0);
    // The counter goes on from winter's own numbers.
    EXPECT_EQ(NextRegNumber(app), QByteArray("0102"));

    CloseCrusade(app);
    const QList<QByteArray> written = FileLines(inData("winter.inf"));
    EXPECT_FALSE(written.contains("Spring team:555-0102"));
    EXPECT_FALSE(written.contains("/media/spring"));
}

TEST_F(CrusadeFilesTest, AFailedRepairPassLeavesTheWholeAlphabeticalView) {
    const QString springFile = WriteCrusade(t, data, QStringLiteral("spring"), spring());
    ASSERT_TRUE(OpenCrusade(app, springFile));
    app.hooks.fixFiles = [this] { return FixFiles(app); };
    RecordFile other;  // another program holds the data file: the pass fails at once
    other.open(springFile, AttendeeRecord::Size, false);
    ASSERT_TRUE(other.tryLock());

    RepairCrusade(app);
    EXPECT_EQ(t.dialogs.messages().size(), 1);
    EXPECT_EQ(app.view.ReportKind, QStringLiteral("alpha"));
    EXPECT_EQ(app.view.ReportCount, 2);
    EXPECT_EQ(app.view.CurIndexPos, 1);
}

TEST_F(CrusadeFilesTest, AnExistingCrusadeIsFoundWithoutRegardToCase) {
    const QString file = WriteCrusade(t, data, QStringLiteral("SPRING"), spring());
    t.dialogs.choose(inData("spring"));
    ASSERT_EQ(SelectCrusade(app), CrusadeChoice::Existing);
    EXPECT_EQ(app.program.DataFile, file);
    EXPECT_EQ(app.crusade.RecCount, 2);
    EXPECT_EQ(app.crusade.MemberCount, 2);
    EXPECT_FALSE(app.crusade.CreatedThisRun);
}

}  // namespace

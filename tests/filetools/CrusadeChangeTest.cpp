#include "CrusadeOnDisk.h"
#include "CrusadeToolsFixture.h"
#include "FakeStartScreen.h"
#include "RecordBuilder.h"
#include "platform/ErrorNumbers.h"
#include "data/DataStore.h"
#include "data/FixFiles.h"
#include "data/IniFile.h"
#include "data/RecentFiles.h"
#include "data/SideFiles.h"
#include "data/StartUp.h"
#include "filetools/CrusadeChange.h"

#include <QDir>
#include <QFileInfo>

#include <functional>

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

const QString kMdi = QStringLiteral("MDINote"), kRecent = QStringLiteral("Recent Files");

class CrusadeChangeTest : public ::testing::Test {
protected:
    CrusadeToolsWorld w;
    App& app = w.app;
    QString winter;

    void SetUp() override {
        CrusadeSpec s;
        s.records = {Person("0100", "Ruth", "Winters")};
        s.lastMeeting = 3;
        winter = WriteCrusade(w.t, w.t.path(QStringLiteral("data")), QStringLiteral("winter"), s);
        app.settings.BackupPath = QStringLiteral("/backups/spring.dta");
        app.settings.DecisionNames[4] = QStringLiteral("Spring's own decision");
        w.t.store.save(kMdi, kRecent, QStringLiteral("RecentFile1"), w.spring);
        w.t.store.save(kMdi, kRecent, QStringLiteral("RecentFile2"), winter);
        LoadRecentFiles(app, w.screen);
    }
    QStringList dataFolder() const {
        return QDir(w.t.path(QStringLiteral("data"))).entryList(QDir::Files, QDir::Name);
    }
    QString recent(int i) const { return w.t.store.get(kMdi, kRecent, QStringLiteral("RecentFile%1").arg(i)); }
};

TEST_F(CrusadeChangeTest, CancelOrNoChangesNothing) {
    const FolderFiles before = FilesIn(w.t.path(QStringLiteral("data")));
    const QByteArray ini = ReadFileBytes(IniFilePath(app));
    w.t.dialogs.choose(std::nullopt);
    mnuChgCr_Click(app, w.screen);
    EXPECT_EQ(app.msg.ScratchVar, QStringLiteral("cancel"));
    EXPECT_EQ(w.t.dialogs.last().file.title, QStringLiteral("Create a New Crusade or Select an Existing Crusade"));
    EXPECT_EQ(w.t.dialogs.last().file.fileName, w.spring);

    w.t.dialogs.choose(w.data(QStringLiteral("autumn"))).answer(AnsNo);
    mnuNewCr_Click(app, w.screen);
    EXPECT_EQ(w.t.dialogs.last().title, QStringLiteral("Change Crusade"));

    EXPECT_EQ(app.program.DataFile, w.spring);
    EXPECT_TRUE(app.crusade.FileIsOpen);
    EXPECT_EQ(FilesIn(w.t.path(QStringLiteral("data"))), before);
    EXPECT_EQ(ReadFileBytes(IniFilePath(app)), ini);
    EXPECT_EQ(recent(1), w.spring);
}

TEST_F(CrusadeChangeTest, ANameTypedCreatesACrusadeWithTheVocabulariesOfTheOneClosed) {
    w.t.dialogs.choose(w.data(QStringLiteral("autumn"))).answer(AnsYes);
    mnuChgCr_Click(app, w.screen);
    EXPECT_EQ(w.t.dialogs.shown()[1].text,
              QStringLiteral("The file ") + w.data(QStringLiteral("autumn.dta")) +
                  QStringLiteral(" does not exist.  Would you like to create a new file with this name?"));
    const QString autumn = w.data(QStringLiteral("autumn.dta"));
    EXPECT_EQ(app.program.DataFile, autumn);
    EXPECT_EQ(QFileInfo(autumn).size(), 0);
    EXPECT_EQ(app.settings.CrusadeName, QStringLiteral("autumn"));
    EXPECT_EQ(app.settings.TeamNames[1], QStringLiteral("Blue Team:555-0101"));
    EXPECT_EQ(app.settings.DecisionNames[4], QStringLiteral("Spring's own decision"));
    EXPECT_TRUE(app.settings.BackupPath.isEmpty()) << "another crusade's backup is not this one's";
    EXPECT_EQ(app.settings.ReservedNumber, 9999);
    EXPECT_EQ(app.settings.ReservedDirection, QStringLiteral("DOWN"));
    EXPECT_EQ(app.settings.LastMeeting, 1);
    EXPECT_TRUE(app.crusade.AddMode);
    EXPECT_EQ(w.closings.mid(0, 2), (QStringList{"tables", "windows"}));
    EXPECT_EQ(w.screen.text(QStringLiteral("MtgNum")), QStringLiteral("1"));
    const QList<QByteArray> inf = FileLines(w.data(QStringLiteral("autumn.inf")));
    EXPECT_EQ(inf.value(5), QByteArray()) << "no backup path";
    EXPECT_TRUE(inf.contains("Blue Team:555-0101"));
    // Spring was written on its way out: its settings name its backup.
    EXPECT_TRUE(FileLines(w.data(QStringLiteral("spring.inf"))).contains("/backups/spring.dta"));

    // A name with another extension is refused.
    w.t.dialogs.choose(w.data(QStringLiteral("autumn.txt")));
    mnuChgCr_Click(app, w.screen);
    EXPECT_TRUE(w.t.dialogs.messages().last().startsWith(QStringLiteral("A crusade file must be named")));
    EXPECT_EQ(app.program.DataFile, autumn);
}

TEST_F(CrusadeChangeTest, ARecentFileReopensThroughTheSameCommand) {
    ASSERT_EQ(w.screen.text(QStringLiteral("mnuRecentFile(2)")), winter);
    app.crusade.MemberNames[1] = "0040Browne";
    mnuRecentFile_Click(app, w.screen, 2);
    EXPECT_EQ(app.program.DataFile, winter);
    EXPECT_EQ(w.t.dialogs.messages().last(), QStringLiteral("winter Has been loaded successfully."));
    EXPECT_EQ(w.closings.mid(0, 2), (QStringList{"tables", "windows"}));
    EXPECT_EQ(w.screen.text(QStringLiteral("RNum")), QStringLiteral("0100"));
    EXPECT_FALSE(w.screen.isVisible(QStringLiteral("ShowAll")));
    EXPECT_EQ(app.crusade.MemberCount, 0);
    EXPECT_EQ(FileLines(w.data(QStringLiteral("spring.mem"))).value(0), "0040Browne");
    EXPECT_EQ(FileLines(IniFilePath(app)).value(0), winter.toLatin1());
    EXPECT_EQ(recent(1), w.spring) << "a file the menu lists keeps its place";
    EXPECT_TRUE(app.msg.MsgText.isEmpty());

    // The loaded crusade chosen again is reopened.
    mnuRecentFile_Click(app, w.screen, 2);
    EXPECT_EQ(w.t.dialogs.messages().last(), QStringLiteral("winter Has been loaded successfully."));

    // A recent file that has gone leads to the create question for its path.
    const QString gone = w.data(QStringLiteral("gone.dta"));
    w.screen.setText(QStringLiteral("mnuRecentFile(3)"), gone);
    w.t.dialogs.answer(AnsNo);
    mnuRecentFile_Click(app, w.screen, 3);
    EXPECT_TRUE(w.t.dialogs.last().text.startsWith(QStringLiteral("The file ") + gone + QStringLiteral(" does not exist.")));
    EXPECT_EQ(app.program.DataFile, winter);
}

// The filter, the marked name and the typed search of the crusade left go with it, by
// either way of opening another (the repair pass running as in the program).
TEST_F(CrusadeChangeTest, TheViewBeforeAndTheMarkedNameStayWithTheirCrusade) {
    app.hooks.fixFiles = [this] { return FixFiles(app); };
    for (const bool newMeeting : {false, true}) {
        SCOPED_TRACE(newMeeting ? "New Meeting" : "Change Meeting");
        app.view.PrevReportKind = QStringLiteral("notes");
        app.view.MarkedIndexPos = 2;
        w.screen.setText(QStringLiteral("FndNameBx"), QStringLiteral("Smith"));
        w.screen.setText(QStringLiteral("SearchBox"), QStringLiteral("Jon"));
        if (newMeeting) {
            w.t.dialogs.choose(w.data(QStringLiteral("autumn"))).answer(AnsYes);
            mnuNewCr_Click(app, w.screen);
        } else {
            w.t.dialogs.choose(winter);
            mnuChgCr_Click(app, w.screen);
        }
        EXPECT_EQ(app.view.PrevReportKind, QString());
        EXPECT_EQ(app.view.MarkedIndexPos, 0);
        EXPECT_EQ(w.screen.text(QStringLiteral("FndNameBx")) + w.screen.text(QStringLiteral("SearchBox")), QString());
    }
}

TEST_F(CrusadeChangeTest, LeavingANewEmptyCrusadeDeletesItsOwnFilesAndGoesOn) {
    w.t.dialogs.choose(w.data(QStringLiteral("autumn.dta"))).answer(AnsYes);
    mnuChgCr_Click(app, w.screen);
    ASSERT_EQ(app.program.DataFile, w.data(QStringLiteral("autumn.dta")));
    WriteFileBytes(w.data(QStringLiteral("autumnal.dta")), "");
    app.view.ReportCount = 0;

    w.t.dialogs.clear();
    w.t.dialogs.choose(winter);
    mnuChgCr_Click(app, w.screen);
    EXPECT_EQ(w.t.dialogs.shown()[1].title, QStringLiteral("Exit Fennick"));
    EXPECT_EQ(dataFolder(), (QStringList{"autumnal.dta", "spring.dta", "spring.inf", "spring.mem", "spring.zps",
                                         "spring_prayer.txt", "winter.dta", "winter.inf"}));
    EXPECT_EQ(app.program.DataFile, winter);
    EXPECT_TRUE(app.crusade.FileIsOpen);
    EXPECT_EQ(w.t.dialogs.messages().last(), QStringLiteral("winter Has been loaded successfully."));
}

TEST_F(CrusadeChangeTest, ARefusedConversionBringsTheCrusadeBeforeBack) {
    const QString old = WriteCrusade(w.t, w.t.path(QStringLiteral("data")), QStringLiteral("old"), CrusadeSpec{});
    const QByteArray records = ReadFileBytes(QStringLiteral(FENNICK_TEST_DATA "/../../data/data/old371.dta"));
    ASSERT_FALSE(records.isEmpty());
    WriteFileBytes(old, records);
    QList<QByteArray> inf = FileLines(w.data(QStringLiteral("old.inf")));
    inf[8] = "version 2.3.0";
    WriteFileBytes(w.data(QStringLiteral("old.inf")), inf.join("\r\n") + "\r\n");

    w.t.dialogs.choose(old).answer(AnsCancel);
    mnuChgCr_Click(app, w.screen);
    EXPECT_TRUE(w.t.dialogs.shown()[1].text.startsWith(QStringLiteral("You are attempting to use: ")));
    EXPECT_EQ(app.program.DataFile, w.spring);
    EXPECT_TRUE(app.crusade.FileIsOpen);
    EXPECT_EQ(ReadFileBytes(old), records);
}

TEST_F(CrusadeChangeTest, AFailingStepIsTriedThreeTimesThenTheCrusadeBeforeComesBack) {
    // The writes of the closing fail: once (the change goes on) or three times.
    for (int failures : {1, 3}) {
        SCOPED_TRACE(failures);
        w.load(w.spring);
        // A change to the member list that only the closing writes.
        const QByteArray changed = MemberEntry("0041", failures == 1 ? "Once" : "Thrice", "Ann");
        app.crusade.MemberNames[1] = changed;
        for (int i = 1; i <= failures; ++i) w.t.files.failAt(i, err::DiskFull, FakeFiles::Op::Save);
        w.t.dialogs.choose(winter);
        mnuChgCr_Click(app, w.screen);
        EXPECT_EQ(w.t.dialogs.messages().filter(QStringLiteral("Error #  61 was generated by Fennick3")).size(), failures);
        EXPECT_EQ(app.program.DataFile, failures < 3 ? winter : w.spring);
        EXPECT_TRUE(app.crusade.FileIsOpen);
        EXPECT_TRUE(app.crusade.file.isOpen());
        EXPECT_EQ(w.t.dialogs.messages().contains(QStringLiteral("winter Has been loaded successfully.")), failures < 3);
        if (failures < 3) {
            EXPECT_EQ(FileLines(w.data(QStringLiteral("spring.mem"))).value(0), changed);
        } else {
            // Spring stays as it was in memory, not as its files hold it, for a later closing.
            EXPECT_EQ(app.crusade.MemberNames.value(1), changed);
            EXPECT_EQ(w.screen.text(QStringLiteral("RNum")), QStringLiteral("0013"));
        }
    }
}

TEST_F(CrusadeChangeTest, EveryWayOfOpeningRefusesAFileThatIsNotADataFile) {
    // Crusade x: its data file beside its side files, its journal and a text export.
    CrusadeSpec x;
    x.records = {Person("0200", "Anna", "Exley")};
    x.members = {MemberEntry("0041", "Exley", "Tom")};
    x.zips = {ZipEntry("62703", "IL", "05", "Springfield", 1)};
    WriteCrusade(w.t, w.t.path(QStringLiteral("data")), QStringLiteral("x"), x);
    WriteFileBytes(w.data(QStringLiteral("x_prayer.txt")), "Pray for Anna\r\n");
    WriteFileBytes(w.data(QStringLiteral("x.txt")), "0200,Anna,Exley,1 Main St,Springfield,IL,62703\r\n");

    // The repair pass runs over whatever is opened, as in the program.
    app.hooks.fixFiles = [this] { return FixFiles(app); };
    FakeStartScreen start;
    const struct {
        const char* way;
        bool chosen;        // the file is chosen in a file dialog
        bool loadedBefore;  // the crusade open before stays open
        std::function<void(const QString&)> open;
    } ways[] = {
        {"Change Meeting", true, true, [&](const QString&) { mnuChgCr_Click(app, w.screen); }},
        {"New Meeting", true, true, [&](const QString&) { mnuNewCr_Click(app, w.screen); }},
        {"New File of the start screen", true, true,
         [&](const QString&) { EXPECT_EQ(btSelect_Click(app, start), CrusadeChoice::Cancelled); }},
        {"a recent file", false, true,
         [&](const QString& file) {
             w.screen.setText(QStringLiteral("mnuRecentFile(3)"), file);
             mnuRecentFile_Click(app, w.screen, 3);
         }},
        {"the last file of Fennick.ini", false, false,
         [&](const QString& file) {
             CloseDataFile(app);
             app.crusade.FileIsOpen = false;
             WriteIni(w.t, file);
             frmSplash_Load(app, start, [] { return true; });
             EXPECT_FALSE(start.isVisible(QStringLiteral("btnLastCrusade")));
             EXPECT_FALSE(frmSplash_KeyPress(app, start)) << "no key opens it";
         }},
    };
    for (const auto& way : ways) {
        for (const char* name : {"x.txt", "x.inf", "x.zps", "x.mem", "x_prayer.txt"}) {
            SCOPED_TRACE(QStringLiteral("%1, %2").arg(QLatin1String(way.way), QLatin1String(name)).toStdString());
            w.load(w.spring);
            const FolderFiles before = FilesIn(w.t.path(QStringLiteral("data")));
            const QByteArray ini = ReadFileBytes(IniFilePath(app));
            const QString recentFirst = recent(1);

            if (way.chosen) w.t.dialogs.choose(w.data(QLatin1String(name)));
            way.open(w.data(QLatin1String(name)));
            const QStringList shown = w.t.dialogs.messages();
            EXPECT_TRUE(shown.value(shown.size() - 1).contains(u'"' + QLatin1String(name) + u'"'))
                << "the refusal names the file";
            EXPECT_FALSE(shown.join(u' ').contains(QStringLiteral("loaded successfully")));
            EXPECT_EQ(FilesIn(w.t.path(QStringLiteral("data"))), before);
            if (way.loadedBefore) {
                EXPECT_EQ(ReadFileBytes(IniFilePath(app)), ini);
                EXPECT_EQ(app.program.DataFile, w.spring);
                EXPECT_TRUE(app.crusade.FileIsOpen);
                EXPECT_EQ(app.crusade.RecCount, 4);
                EXPECT_EQ(w.closings, QStringList()) << "nothing of spring was closed";
            } else {
                EXPECT_FALSE(app.crusade.FileIsOpen);
                EXPECT_FALSE(app.crusade.file.isOpen());
                EXPECT_TRUE(app.program.DataFile.isEmpty());
            }
            EXPECT_EQ(recent(1), recentFirst);
        }
    }
}

}  // namespace

// The preferences dialog's rules over its form, against a crusade on disk: what Save
// writes, what it refuses, and the questions of the last meeting.

#include "CrusadeOnDisk.h"
#include "RecordBuilder.h"
#include "data/CrusadeFiles.h"
#include "data/Errors.h"
#include "data/InfoFile.h"
#include "data/IniFile.h"
#include "tables/Preferences.h"

#include <gtest/gtest.h>

#include <functional>

using namespace fennick;
using namespace fennick::test;

namespace {

struct Prefs : ::testing::Test {
    TestApp t;
    App& app = t.app;
    PreferencesForm form;
    QString dataFile, infoFile;

    void SetUp() override {
        CrusadeSpec s;
        s.records = {Person("0012", "Mary", "Smith")};
        s.records[0].Attendance = QByteArray("1234567890").leftJustified(40, '-');
        s.lastMeeting = 10;
        dataFile = WriteCrusade(t, t.path(QStringLiteral("data")), QStringLiteral("spring"), s);
        infoFile = t.path(QStringLiteral("data/spring.inf"));
        ASSERT_TRUE(OpenCrusade(app, dataFile));
        t.dialogs.clear();
        frmTab_Load(app, form);
    }
    void edit(const QString& box, const QString& text) {
        *form.text(box) = text;
        MarkChange(form, box);
    }
    // The settings as the file gives them back.
    CrusadeSettings reread() {
        app.settings = CrusadeSettings();
        EXPECT_TRUE(LoadInfoFile(app));
        return app.settings;
    }
};

// Each kind of edit reaches the settings file and reads back as typed.
TEST_F(Prefs, EveryKindOfEditIsWrittenAndReadBack) {
    edit(QStringLiteral("CrNameM_Box"), QStringLiteral("Autumn Meetings"));
    edit(QStringLiteral("CrDateM_Box"), QStringLiteral("10/4/2026"));
    edit(QStringLiteral("bxSabAM2"), QString());
    edit(QStringLiteral("bxSabAM3"), QStringLiteral("14"));
    edit(QStringLiteral("PrintCutOffBox"), QStringLiteral("3"));
    edit(QStringLiteral("ResNumMM"), QStringLiteral("700"));
    ResDirMM_Click(app, form, 1);
    form.ckSoundOff = true;
    MarkChange(form, QStringLiteral("ckSoundOff"));
    form.ckCanada = true;
    MarkChange(form, QStringLiteral("ckCanada"));
    edit(QStringLiteral("prefDec(4)"), QStringLiteral("Tithe"));
    edit(QStringLiteral("prefDecCode(4)"), QStringLiteral("T"));
    edit(QStringLiteral("prefReligion(14)"), QStringLiteral("Quaker"));
    edit(QStringLiteral("prefSerm(40)"), QStringLiteral("The Last Word"));
    edit(QStringLiteral("Team(7)"), QStringLiteral("Red"));
    edit(QStringLiteral("TmPhone(7)"), QStringLiteral("555-0107"));
    edit(QStringLiteral("Team(1)"), QString());
    edit(QStringLiteral("TmPhone(1)"), QString());
    Team_DblClick(form, 21);
    edit(QStringLiteral("bxLabelTop"), QStringLiteral("2.5"));

    ASSERT_TRUE(btnSave_Click(app, form));
    EXPECT_FALSE(form.PrefsChanged);
    EXPECT_EQ(form.bxSabAM[2], QStringLiteral("0"));  // an emptied box shows 0
    EXPECT_EQ(app.program.LabelOffsetDown, 2.5f);
    EXPECT_TRUE(t.dialogs.messages().isEmpty());

    // Team lines follow the nine header lines; an empty team is ":" on its line.
    const QList<QByteArray> lines = FileLines(infoFile);
    ASSERT_GE(lines.size(), 50);
    EXPECT_EQ(lines[9], QByteArray(":"));
    EXPECT_EQ(lines[15], QByteArray("Red:555-0107"));
    const CrusadeSettings s = reread();
    EXPECT_EQ(s.CrusadeName, QStringLiteral("Autumn Meetings"));
    EXPECT_TRUE(s.CanadianZip);
    EXPECT_EQ(s.CrusadeDate, QStringLiteral("10/4/2026"));
    EXPECT_EQ(s.SabbathMeetings, (std::array<qint16, 4>{0, 0, 14, 0}));
    EXPECT_EQ(s.PrintCutOff, 3);
    EXPECT_EQ(s.ReservedNumber, 700);
    EXPECT_EQ(s.ReservedDirection, QStringLiteral("DOWN"));
    EXPECT_FALSE(s.SoundOn);
    EXPECT_EQ(s.DecisionNames[4], QStringLiteral("Tithe"));
    EXPECT_EQ(s.DecisionCodes[4], QStringLiteral("T"));
    EXPECT_EQ(s.ReligionNames[14], QStringLiteral("Quaker"));
    EXPECT_EQ(s.SermonTitles[40], QStringLiteral("The Last Word"));
    EXPECT_EQ(s.TeamNames[7], QStringLiteral("Red:555-0107"));
    EXPECT_EQ(s.TeamNames[21], QStringLiteral("Team #21:"));
    EXPECT_EQ(s.LastMeeting, 10);
}

// A refused number names its box, keeps the dialog open on it, and copies nothing.
TEST_F(Prefs, EveryRefusedNumberLeavesTheFileAsItWas) {
    const struct Case {
        const char* box;
        const char* text;
        const char* named;
    } cases[] = {
        {"LastMeetingBox", "0", "The Last Meeting"},      {"LastMeetingBox", "41", "The Last Meeting"},
        {"LastMeetingBox", "7x", "The Last Meeting"},     {"PrintCutOffBox", "40", "The Print Cut Off"},
        {"PrintCutOffBox", "-1", "The Print Cut Off"},    {"bxSabAM4", "41", "Each Sabbath AM Meeting"},
        {"bxSabAM1", "3.5", "Each Sabbath AM Meeting"},   {"ResNumMM", "10000", "The Reserved Number"},
        {"ResNumMM", "", "The Reserved Number"},          {"bxLabelTop", "abc", "Move Down (mm)"},
        {"bxLabelRight", "", "Move Right (mm)"},
    };
    const QByteArray before = ReadFileBytes(infoFile);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box + std::string(" = ") + c.text);
        frmTab_Load(app, form);
        tabPref_Click(form, 5);
        edit(QStringLiteral("CrNameM_Box"), QStringLiteral("Renamed"));
        edit(QLatin1String(c.box), QLatin1String(c.text));
        t.dialogs.clear();
        EXPECT_FALSE(btnSave_Click(app, form));
        ASSERT_EQ(t.dialogs.messages().size(), 1u);
        EXPECT_TRUE(t.dialogs.messages().front().startsWith(QLatin1String(c.named)));
        EXPECT_EQ(form.Focus, QLatin1String(c.box));
        EXPECT_EQ(form.Tab, 1);
        EXPECT_TRUE(form.PrefsChanged);
        EXPECT_EQ(app.settings.CrusadeName, QStringLiteral("spring"));
        EXPECT_EQ(ReadFileBytes(infoFile), before);
    }
}

// A Save whose settings file cannot be written changes nothing in memory: after Cancel,
// the files that closing writes hold what they held before, and no attendance is erased.
TEST_F(Prefs, AFailedSaveLeavesWhatClosingWritesAsItWas) {
    const std::function<void()> changes[] = {
        [&] {  // every kind of box of the settings file
            for (const char* box : {"CrNameM_Box", "CrDateM_Box", "Team(3)", "TmPhone(3)", "prefDec(4)",
                                    "prefReligion(2)", "prefSerm(5)"})
                edit(QLatin1String(box), QStringLiteral("New"));
            edit(QStringLiteral("bxSabAM1"), QStringLiteral("6"));
            edit(QStringLiteral("ResNumMM"), QStringLiteral("700"));
            form.ckSoundOff = !form.ckSoundOff;
            form.ckCanada = !form.ckCanada;
            MarkChange(form, QStringLiteral("ckCanada"));
        },
        [&] {  // label offsets and button labels
            edit(QStringLiteral("bxLabelTop"), QStringLiteral("2.5"));
            edit(QStringLiteral("bxLabelRight"), QStringLiteral("-1"));
            form.boxShowButtonLabels = !form.boxShowButtonLabels;
            MarkChange(form, QStringLiteral("boxShowButtonLabels"));
        },
        [&] {  // the last meeting lowered, Yes to erasing the later attendance
            edit(QStringLiteral("LastMeetingBox"), QStringLiteral("4"));
            t.dialogs.answer(AnsYes);
        },
    };
    SaveCrusadeFiles(app);
    const auto files = [&] {
        return QByteArrayList{ReadFileBytes(infoFile), ReadFileBytes(IniFilePath(app)), ReadFileBytes(dataFile)};
    };
    const QByteArrayList before = files();
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        frmTab_Load(app, form);
        changes[i]();
        t.files.failAt(1, err::DiskFull, FakeFiles::Op::Save);
        EXPECT_THROW(btnSave_Click(app, form), VbError);
        EXPECT_TRUE(form.PrefsChanged);
        t.dialogs.answer(AnsYes);
        EXPECT_TRUE(btnCancel_Click(app, form));
        SaveCrusadeFiles(app);
        EXPECT_EQ(files(), before);
    }
}

TEST_F(Prefs, TheTeamWordOpensTheTeamTabWithItsPrintButton) {
    for (const bool team : {true, false}) {
        app.msg.MsgText = team ? QStringLiteral("team") : QString();
        frmTab_Load(app, form);
        EXPECT_EQ(form.Tab, team ? 5 : 1);
        EXPECT_EQ(form.btnPrintTeams, team);
        EXPECT_TRUE(app.msg.MsgText.isEmpty());
    }
    tabPref_Click(form, 4);
    EXPECT_EQ(form.Focus, QStringLiteral("prefSerm(1)"));
    EXPECT_FALSE(form.btnPrintTeams);
}

// The direction takes effect at once, even when the dialog is then cancelled.
TEST_F(Prefs, DownAndThenCancelKeepsDown) {
    ResDirMM_Click(app, form, 1);
    t.dialogs.answer(AnsYes);
    EXPECT_TRUE(btnCancel_Click(app, form));
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("Are you sure you want to leave without saving your changes?"));
    EXPECT_EQ(app.settings.ReservedDirection, QStringLiteral("DOWN"));
    // No keeps the dialog open with its edits.
    edit(QStringLiteral("CrDateM_Box"), QStringLiteral("5/5/2026"));
    t.dialogs.answer(AnsNo);
    EXPECT_FALSE(btnCancel_Click(app, form));
    EXPECT_EQ(form.CrDateM_Box, QStringLiteral("5/5/2026"));
}

// Loaded 10, box 12: the question; No restores the box and keeps the dialog open on it,
// the other settings of that Save are written.
TEST_F(Prefs, NoToTheNextMeetingQuestionKeepsTheLastMeeting) {
    edit(QStringLiteral("LastMeetingBox"), QStringLiteral("12"));
    edit(QStringLiteral("CrNameM_Box"), QStringLiteral("Renamed"));
    t.dialogs.answer(AnsNo);
    EXPECT_FALSE(btnSave_Click(app, form));
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("The last meeting was: 10\r\nThe next meeting should be Meeting "
                                                    "Number: 11\r\nYou have entered Meeting Number: 12.\r\n\r\nIs "
                                                    "this what you want to do?"));
    EXPECT_EQ(t.dialogs.last().icon, Icon::Question);
    EXPECT_EQ(form.LastMeetingBox, QStringLiteral("10"));
    EXPECT_EQ(form.Focus, QStringLiteral("LastMeetingBox"));
    EXPECT_FALSE(form.PrefsChanged);
    const CrusadeSettings s = reread();
    EXPECT_EQ(s.LastMeeting, 10);
    EXPECT_EQ(s.CrusadeName, QStringLiteral("Renamed"));
}

// Settings that other windows move while the dialog is open are not put back by a Save
// that did not touch their boxes.
TEST_F(Prefs, UntouchedCountersKeepWhatOtherWindowsSetMeanwhile) {
    app.settings.LastMeeting = 11;  // the attendance screen took meeting 11
    app.settings.ReservedNumber = 812;  // numbers were issued
    edit(QStringLiteral("CrNameM_Box"), QStringLiteral("Renamed"));
    ASSERT_TRUE(btnSave_Click(app, form));
    const CrusadeSettings s = reread();
    EXPECT_EQ(s.LastMeeting, 11);
    EXPECT_EQ(s.ReservedNumber, 812);
}

// A dialog loaded from one crusade never saves into another.
TEST_F(Prefs, ASaveAfterACrusadeChangeWritesNothing) {
    CrusadeSpec other;
    other.records = {Person("0001", "Ann", "Brown")};
    const QString autumn = WriteCrusade(t, t.path(QStringLiteral("data")), QStringLiteral("autumn"), other);
    const QString autumnInfo = t.path(QStringLiteral("data/autumn.inf"));
    edit(QStringLiteral("CrNameM_Box"), QStringLiteral("Spring Renamed"));
    ASSERT_TRUE(OpenCrusade(app, autumn));
    const QByteArray before = ReadFileBytes(autumnInfo);
    btnSave_Click(app, form);
    EXPECT_EQ(ReadFileBytes(autumnInfo), before);
    EXPECT_NE(app.settings.CrusadeName, QStringLiteral("Spring Renamed"));
}

TEST_F(Prefs, LockedDecisionsAreRefusedOnAClick) {
    for (int i = 1; i <= 9; ++i) {
        form.Focus.clear();
        const bool locked = i == 1 || i == 2 || i == 9;
        EXPECT_EQ(prefDec_Click(app, form, i), locked) << i;
        EXPECT_EQ(prefDecCode_Click(app, form, i), locked) << i;
        EXPECT_EQ(form.Focus, locked ? QStringLiteral("HelpButton") : QString()) << i;
    }
    EXPECT_EQ(t.dialogs.messages().size(), 6u);
    prefSerm_KeyDown(form, 40);
    EXPECT_EQ(form.Focus, QStringLiteral("prefSerm(1)"));
    prefSerm_KeyDown(form, 7);
    EXPECT_EQ(form.Focus, QStringLiteral("prefSerm(8)"));
}

}  // namespace

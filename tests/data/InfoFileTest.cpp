#include "FakePlatform.h"
#include "RecordBuilder.h"
#include "data/Conversion.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/InfoFile.h"
#include "data/IniFile.h"
#include "data/Text.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

QByteArray Golden(const char* name) {
    return ReadFileBytes(QStringLiteral(FENNICK_TEST_DATA "/") + name);
}

QByteArray JoinLines(const QList<QByteArray>& lines) {
    QByteArray b;
    for (const QByteArray& l : lines) b += l + "\r\n";
    return b;
}

QList<QByteArray> SplitLines(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    if (lines.last().isEmpty()) lines.removeLast();
    for (QByteArray& l : lines) l.chop(1);
    return lines;
}

// A settings file of the given version line with teamLines team lines ("Team 1:101" ...)
// and recognisable values after them.
QList<QByteArray> SettingsLines(const QByteArray& versionLine, int teamLines) {
    QList<QByteArray> l = {"Spring", "March 3, 2024", " 12", " 42 ", "UP", "/backup", " 5 ", " 3 ", versionLine};
    for (int i = 1; i <= teamLines; ++i) l << "Team " + QByteArray::number(i) + ":" + QByteArray::number(100 + i);
    l << " 7 "
      << " 14 "
      << " 21 "
      << " 28 ";
    for (int i = 1; i <= 8; ++i) l << "Decision " + QByteArray::number(i);
    for (int i = 1; i <= 15; ++i) l << "Church " + QByteArray::number(i);
    for (int i = 0; i < 7; ++i) l << "Blank";
    l << "CSKPBTADU";
    for (int i = 0; i < 7; ++i) l << "Blank";
    for (int i = 1; i <= 40; ++i) l << "Sermon " + QByteArray::number(i);
    l << "True"
      << "3/1/2024";
    return l;
}

// A settings file whose line of the last meeting is not a number.
QByteArray UnreadableSettings() {
    QList<QByteArray> l = SettingsLines("version 2.5.86", 40);
    l[2] = "five";
    return JoinLines(l);
}

class InfoFileTest : public ::testing::Test {
protected:
    TestApp t;
    App& app = t.app;
    const QString dataFile = t.path("spring.dta");
    const QString infoFile = t.path("spring.inf");

    void SetUp() override { SetDataFile(app, dataFile); }
    void writeInfo(const QList<QByteArray>& lines) { WriteFileBytes(infoFile, JoinLines(lines)); }
    void writeCurrentData() { WriteDataFile(dataFile, {Person("0001", "Ann", "Able"), Person("0002", "Bo", "Bee")}); }
};

TEST_F(InfoFileTest, NewCrusadeIsWrittenByteForByte) {
    SetDataFile(app, t.path("autumn.dta"));
    SetDefaultInfo(app);
    CrusadeSettings& s = app.settings;
    s.CrusadeName = "autumn";
    s.CrusadeDate = "3/9/2026";
    s.ReservedDirection = "DOWN";
    s.ReservedNumber = 9999;
    s.LastMeeting = 1;
    s.TotalAttendNum = 1;
    s.PrintCutOff = 0;
    SaveInfoFile(app);
    EXPECT_EQ(ReadFileBytes(t.path("autumn.inf")), Golden("new-crusade.inf"));
}

TEST_F(InfoFileTest, SaveAndLoadKeepEverySetting) {
    SetDefaultInfo(app);
    CrusadeSettings& s = app.settings;
    s.CrusadeName = " \"Spring\", North";  // a leading blank, quotes and a comma
    s.CanadianZip = true;
    s.CrusadeDate = "March 3, 2024";
    s.LastMeeting = 17;
    s.ReservedNumber = 4321;
    s.ReservedDirection = "UP";
    s.BackupPath = "/media/usb, stick";
    s.TotalAttendNum = 9;
    s.PrintCutOff = 6;
    for (int i = 1; i <= 40; ++i) s.TeamNames[size_t(i)] = QStringLiteral("Smith, Bob %1:555-01%1").arg(i);
    s.TeamNames[3] = QStringLiteral("\"Doc\" Smith:555-1234");
    s.SabbathMeetings = {6, 13, 20, 27};
    for (int i = 1; i <= 9; ++i) s.DecisionNames[size_t(i)] = QStringLiteral("Title %1").arg(i);
    for (int i = 1; i <= 15; ++i) s.ReligionNames[size_t(i)] = QStringLiteral("Ch\u00e9rch %1").arg(i);
    // Empty codes keep the later codes in their places.
    const char codes[] = "CSX Z  QU";
    for (int i = 1; i <= 9; ++i) s.DecisionCodes[size_t(i)] = Trim(QString(QLatin1Char(codes[i - 1])));
    for (int i = 1; i <= 40; ++i) s.SermonTitles[size_t(i)] = QStringLiteral("Night %1, part 2").arg(i);
    s.SermonTitles[5] = QStringLiteral(" \"Lead\" blank");
    s.SermonTitles[6] = QStringLiteral("\"Fall\" of Babylon");
    s.SoundOn = true;
    writeCurrentData();
    SaveInfoFile(app);
    EXPECT_EQ(SplitLines(ReadFileBytes(infoFile)).size(), 133);

    const CrusadeSettings saved = s;
    app.settings = CrusadeSettings();
    ASSERT_TRUE(LoadInfoFile(app));
    EXPECT_TRUE(t.dialogs.shown().empty());
    const CrusadeSettings& r = app.settings;
    EXPECT_EQ(r.CrusadeName, saved.CrusadeName);
    EXPECT_TRUE(r.CanadianZip);
    EXPECT_EQ(r.CrusadeDate, saved.CrusadeDate);
    EXPECT_EQ(r.LastMeeting, 17);
    EXPECT_EQ(r.ReservedNumber, 4321);
    EXPECT_EQ(r.ReservedDirection, "UP");
    EXPECT_EQ(r.BackupPath, saved.BackupPath);
    EXPECT_EQ(r.TotalAttendNum, 9);
    EXPECT_EQ(r.PrintCutOff, 6);
    EXPECT_EQ(r.TeamNames[0], "Unassigned:");
    for (int i = 1; i <= 40; ++i) EXPECT_EQ(r.TeamNames[size_t(i)], saved.TeamNames[size_t(i)]);
    EXPECT_EQ(r.SabbathMeetings, saved.SabbathMeetings);
    for (int i = 3; i <= 8; ++i) EXPECT_EQ(r.DecisionNames[size_t(i)], saved.DecisionNames[size_t(i)]);
    EXPECT_EQ(r.DecisionNames[1], "Accept Christ");
    EXPECT_EQ(r.DecisionNames[2], "Accept Sabbath");
    EXPECT_EQ(r.DecisionNames[9], "Unite with Church");
    EXPECT_EQ(r.ReligionNames, saved.ReligionNames);
    EXPECT_EQ(r.DecisionCodes, saved.DecisionCodes);
    EXPECT_EQ(r.SermonTitles, saved.SermonTitles);
    EXPECT_TRUE(r.SoundOn);
    EXPECT_EQ(r.LastUpdated, "3/9/2026");
    EXPECT_EQ(r.AgeGroupNames[0], "NIF");
    EXPECT_EQ(r.AgeGroupNames[6], "60-69");
    EXPECT_EQ(r.WeekDays[6], "Friday");
    EXPECT_EQ(r.MeetingTimes[13], "09:00pm");
}

TEST_F(InfoFileTest, VersionLinePicksTeamLinesAndConversion) {
    enum Data { Current, Old371, Old369 };
    struct Case {
        const char* versionLine;
        int teamLines;
        Data data;
        bool asks;
        const char* converted;  // golden data file after the load, or null: untouched
    };
    const Case cases[] = {
        {"version 2.5.86", 40, Current, false, nullptr},
        {"version 2.4.7", 20, Current, false, nullptr},
        {"version 2.4", 20, Old371, false, nullptr},  // 2.4 is not older than 2.4
        {"version 2.3.2", 20, Old371, true, "old371-converted.dta"},
        {"version 2.3.2", 20, Current, false, nullptr},  // a current data file is never converted
        {"Version 2.5", 40, Old369, true, "old369-converted.dta"},
        {"Version 2.5", 40, Current, false, nullptr},
    };
    for (const Case& c : cases) {
        TestApp local;
        App& a = local.app;
        const QString data = local.path("spring.dta");
        SetDataFile(a, data);
        if (c.data == Current)
            WriteDataFile(data, {Person("0001", "Ann", "Able")});
        else
            WriteFileBytes(data, Golden(c.data == Old371 ? "old371.dta" : "old369.dta"));
        const QByteArray before = ReadFileBytes(data);
        WriteFileBytes(local.path("spring.inf"), JoinLines(SettingsLines(c.versionLine, c.teamLines)));
        if (c.asks) local.dialogs.answer(AnsOK);

        ASSERT_TRUE(LoadInfoFile(a)) << c.versionLine;
        EXPECT_EQ(a.settings.TeamNames[size_t(c.teamLines)],
                  QStringLiteral("Team %1:%2").arg(c.teamLines).arg(100 + c.teamLines))
            << c.versionLine;
        EXPECT_EQ(a.settings.SabbathMeetings[3], 28) << c.versionLine;
        EXPECT_EQ(a.settings.SermonTitles[40], "Sermon 40") << c.versionLine;
        EXPECT_FALSE(local.dialogs.pending()) << c.versionLine;
        if (c.converted) {
            EXPECT_EQ(ReadFileBytes(data), Golden(c.converted)) << c.versionLine;
            EXPECT_EQ(ReadFileBytes(local.path("spring.bak")), before) << c.versionLine;
            EXPECT_EQ(SplitLines(ReadFileBytes(local.path("spring.inf")))[8], "version 2.5.86");
        } else {
            EXPECT_EQ(ReadFileBytes(data), before) << c.versionLine;
            EXPECT_TRUE(local.dialogs.shown().empty()) << c.versionLine;
        }
    }
}

TEST_F(InfoFileTest, ATwentyTeamFileLeavesTheOtherTeamsAlone) {
    writeCurrentData();
    QList<QByteArray> lines = SettingsLines("version 2.4.1", 20);
    ASSERT_EQ(lines.size(), 113);
    writeInfo(lines);
    app.settings.TeamNames[21] = "Kept:1";
    ASSERT_TRUE(LoadInfoFile(app));
    EXPECT_EQ(app.settings.TeamNames[20], "Team 20:120");
    EXPECT_EQ(app.settings.TeamNames[21], "Kept:1");
    EXPECT_EQ(app.settings.SabbathMeetings[0], 7);
}

TEST_F(InfoFileTest, TeamLinesNameAndCanadaLine) {
    struct Case {
        QByteArray line;
        QString team7;
    };
    const Case teams[] = {
        {"", "Team #  7"}, {":", "Team #  7"}, {"  :  ", "Team #  7"}, {"Smith, Bob:555-1234", "Smith, Bob:555-1234"}};
    writeCurrentData();
    for (const Case& c : teams) {
        QList<QByteArray> lines = SettingsLines("version 2.5.86", 40);
        lines[9 + 6] = c.line;
        writeInfo(lines);
        ASSERT_TRUE(LoadInfoFile(app));
        EXPECT_EQ(app.settings.TeamNames[7], c.team7) << c.line.constData();
    }

    struct Name {
        QByteArray line;
        QString name;
        bool canada;
    };
    const Name names[] = {{"Spring*Canada", "Spring", true},
                          {"Spring*canada", "Spring*canada", false},
                          {"\"  Spring, North\"", "  Spring, North", false}};
    for (const Name& n : names) {
        QList<QByteArray> lines = SettingsLines("version 2.5.86", 40);
        lines[0] = n.line;
        writeInfo(lines);
        ASSERT_TRUE(LoadInfoFile(app));
        EXPECT_EQ(app.settings.CrusadeName, n.name);
        EXPECT_EQ(app.settings.CanadianZip, n.canada);
    }
    SaveInfoFile(app);
    EXPECT_EQ(SplitLines(ReadFileBytes(infoFile))[0], "\"  Spring, North\"");
}

TEST_F(InfoFileTest, DecisionCodeLineInBothForms) {
    struct Case {
        QList<QByteArray> lines84to91;
        QString codes;  // codes 1 to 9 joined with '|'
    };
    const Case cases[] = {
        {{"CSKPBTADU", "Blank", "Blank", "Blank", "Blank", "Blank", "Blank", "Blank"}, "C|S|K|P|B|T|A|D|U"},
        {{"XYZ", "Blank", "Blank", "Blank", "Blank", "Blank", "Blank", "Blank"}, "C|S|Z||||||U"},
        {{"CSK P  DU", "Blank", "Blank", "Blank", "Blank", "Blank", "Blank", "Blank"}, "C|S|K||P|||D|U"},
        // One code per line: codes 1 to 8, an empty line keeps the default.
        {{"Q", "R", "", "L", "M", "N", "O", "W"}, "C|S|K|L|M|N|O|W|U"},
        {{"", "R", "E", "L", "M", "N", "O", "W"}, "C|S|E|L|M|N|O|W|U"},
    };
    writeCurrentData();
    for (const Case& c : cases) {
        QList<QByteArray> lines = SettingsLines("version 2.5.86", 40);
        for (int i = 0; i < 8; ++i) lines[83 + i] = c.lines84to91[i];
        writeInfo(lines);
        ASSERT_TRUE(LoadInfoFile(app));
        QStringList got;
        for (int i = 1; i <= 9; ++i) got << app.settings.DecisionCodes[size_t(i)];
        EXPECT_EQ(got.join(u'|'), c.codes);
        EXPECT_EQ(app.settings.SermonTitles[1], "Sermon 1");
    }
}

TEST_F(InfoFileTest, ValuesThatIndexAreClampedAndSoundWordsParsed) {
    struct Case {
        QByteArray last, reserved, total, cutoff, sabbath, sound;
        qint16 wantLast, wantReserved, wantTotal, wantCutoff, wantSabbath;
        bool soundBefore, wantSound;
    };
    const Case cases[] = {
        {" 99", " 20000 ", " 77 ", " 50 ", " 99 ", "True", 40, 9999, 40, 39, 40, false, true},
        {" 0", "-5 ", "-1 ", "-3 ", "-2 ", "False", 1, 0, 0, 0, 0, true, false},
        {" 7.6", " 12 ", " 3 ", " 2 ", " 6 ", "0", 8, 12, 3, 2, 6, true, false},
        {" 7", " 12 ", " 3 ", " 2 ", " 6 ", "-1", 7, 12, 3, 2, 6, false, true},
        {" 7", " 12 ", " 3 ", " 2 ", " 6 ", "maybe", 7, 12, 3, 2, 6, true, true},
    };
    const QByteArray directions[] = {"UP", " down ", "Up", "DOWN  "};
    const QString wantDirections[] = {"UP", "DOWN", "UP", "DOWN"};
    writeCurrentData();
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        QList<QByteArray> lines = SettingsLines("version 2.5.86", 40);
        lines[2] = c.last;
        lines[4] = directions[i % std::size(directions)];
        lines[3] = c.reserved;
        lines[6] = c.total;
        lines[7] = c.cutoff;
        lines[49] = c.sabbath;
        lines[131] = c.sound;
        writeInfo(lines);
        app.settings.SoundOn = c.soundBefore;
        ASSERT_TRUE(LoadInfoFile(app));
        EXPECT_TRUE(t.dialogs.shown().empty());
        EXPECT_EQ(app.settings.LastMeeting, c.wantLast) << c.last.constData();
        EXPECT_EQ(app.settings.ReservedNumber, c.wantReserved);
        EXPECT_EQ(app.settings.ReservedDirection, wantDirections[i % std::size(directions)]);
        EXPECT_EQ(app.settings.TotalAttendNum, c.wantTotal);
        EXPECT_EQ(app.settings.PrintCutOff, c.wantCutoff);
        EXPECT_EQ(app.settings.SabbathMeetings[0], c.wantSabbath);
        EXPECT_EQ(app.settings.SoundOn, c.wantSound) << c.sound.constData();
    }
}

TEST_F(InfoFileTest, MissingFileGivesFreshSettings) {
    app.settings.TeamNames[3] = "Kept:3";
    app.settings.ReservedNumber = 77;
    ASSERT_TRUE(LoadInfoFile(app));
    ASSERT_EQ(t.dialogs.shown().size(), 1u);
    EXPECT_EQ(t.dialogs.last().text,
              "The Crusade information file is missing, Check Prefrences from the file menu to view the current "
              "information.");
    EXPECT_EQ(t.dialogs.last().icon, Icon::Critical);
    const CrusadeSettings& s = app.settings;
    EXPECT_EQ(s.CrusadeName, "spring");
    EXPECT_EQ(s.CrusadeDate, "3/9/2026");
    EXPECT_EQ(s.ReservedDirection, "UP");
    EXPECT_EQ(s.ReservedNumber, 0);
    EXPECT_EQ(s.LastMeeting, 1);
    EXPECT_EQ(s.TeamNames[3], "Kept:3");
    EXPECT_EQ(s.DecisionNames[1], "Accepts Christ");
    EXPECT_TRUE(s.WeekDays[1].isEmpty());
}

// A settings file that cannot be read, an empty one among them (what a write cut off by
// a full disk leaves), is reported with its name and the name it is kept under; the first
// save then keeps it there as it was, and later saves replace only the new file.
TEST_F(InfoFileTest, AnUnreadableOrEmptyFileIsReportedAndKeptAside) {
    const struct {
        const char* what;
        QByteArray bytes;
        bool keptBefore;  // a file kept aside earlier lies there already
        const char* reason;
        QString name;
    } cases[] = {
        {"a header line that is not a number", UnreadableSettings(), false, "Type mismatch", "Spring"},
        {"an empty file", "", false, "The file is empty.", "spring"},
        {"an empty file, one kept before", "", true, "The file is empty.", "spring"},
        {"only the end mark", "\x1A", false, "The file is empty.", "spring"},
    };
    writeCurrentData();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString kept = infoFile + (c.keptBefore ? ".unreadable.1" : ".unreadable");
        QFile::remove(infoFile + ".unreadable");
        QFile::remove(infoFile + ".unreadable.1");
        if (c.keptBefore) WriteFileBytes(infoFile + ".unreadable", "earlier");
        WriteFileBytes(infoFile, c.bytes);
        ResetCrusadeSettings(app);
        t.dialogs.clear();

        ASSERT_TRUE(LoadInfoFile(app));
        ASSERT_EQ(t.dialogs.messages().size(), 1);
        EXPECT_EQ(t.dialogs.messages()[0],
                  "The crusade settings file " + infoFile + " could not be read:\r\n" + c.reason +
                      "\r\n\r\nFennick goes on with default values for the settings it could not read. When the "
                      "settings are saved, the file is kept as " +
                      kept + ", so nothing it holds is lost.");
        EXPECT_EQ(t.dialogs.last().icon, Icon::Exclamation);
        EXPECT_EQ(app.settings.CrusadeName, c.name);
        EXPECT_EQ(app.settings.LastMeeting, 1);
        EXPECT_EQ(app.settings.ReservedNumber, 2);  // from the records
        EXPECT_EQ(ReadFileBytes(infoFile), c.bytes) << "changed before a save";

        SaveInfoFile(app);
        EXPECT_EQ(ReadFileBytes(kept), c.bytes);
        EXPECT_EQ(SplitLines(ReadFileBytes(infoFile)).size(), 133);
        if (c.keptBefore) {
            EXPECT_EQ(ReadFileBytes(infoFile + ".unreadable"), "earlier");
        }
        // Kept once: the next save simply replaces the new file.
        SaveInfoFile(app);
        EXPECT_FALSE(QFileInfo::exists(infoFile + (c.keptBefore ? ".unreadable.2" : ".unreadable.1")));
        EXPECT_EQ(ReadFileBytes(kept), c.bytes);
        t.dialogs.clear();
        ASSERT_TRUE(LoadInfoFile(app));
        EXPECT_TRUE(t.dialogs.shown().empty());
        EXPECT_EQ(app.settings.CrusadeName, c.name);
    }
}

TEST_F(InfoFileTest, ARegistrationCounterNotInTheFileComesFromTheRecords) {
    AttendeeRecord deleted = Person("0500", "Del", "Eted");
    deleted.WorkerCode = "##";
    struct Case {
        const char* what;
        QList<AttendeeRecord> records;
        int badLine;  // 0-based line made unreadable; -1: no settings file at all
        qint16 number;
        QString direction;
    };
    const Case cases[] = {
        {"line 3 unreadable", {Person("0001", "A", "A"), Person("0002", "B", "B")}, 2, 2, "UP"},
        {"numbers issued downwards", {Person("9990", "A", "A"), Person("9995", "B", "B")}, 3, 9990, "DOWN"},
        {"a deleted record counts", {Person("0001", "A", "A"), deleted}, 2, 500, "UP"},
        {"numbers that are no numbers", {Person("12AB", "A", "A"), Person("0040", "B", "B")}, 2, 40, "UP"},
        {"no records", {}, 2, 0, "UP"},
        {"missing file", {Person("0007", "A", "A"), Person("0003", "B", "B")}, -1, 7, "UP"},
        {"line 7 unreadable keeps the file's counter", {Person("0001", "A", "A")}, 6, 42, "UP"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteDataFile(dataFile, c.records);
        QList<QByteArray> lines = SettingsLines("version 2.5.86", 40);
        if (c.badLine >= 0) {
            lines[c.badLine] = "unreadable";
            writeInfo(lines);
        } else {
            QFile::remove(infoFile);
        }
        app.settings.ReservedNumber = 7777;  // another crusade's counter
        app.settings.ReservedDirection = "DOWN";
        t.dialogs.clear();
        ASSERT_TRUE(LoadInfoFile(app));
        EXPECT_EQ(app.settings.ReservedNumber, c.number);
        EXPECT_EQ(app.settings.ReservedDirection, c.direction);
    }
}

TEST_F(InfoFileTest, ShortFileConvertsNothingWhenTheDataIsCurrent) {
    writeCurrentData();
    const QByteArray before = ReadFileBytes(dataFile);
    writeInfo({"Spring", "3/1/2024", " 4"});
    ASSERT_TRUE(LoadInfoFile(app));
    EXPECT_TRUE(t.dialogs.shown().empty());
    EXPECT_EQ(app.settings.LastMeeting, 4);
    EXPECT_EQ(ReadFileBytes(dataFile), before);
}

TEST_F(InfoFileTest, ShortFileOverOldDataWarnsThenAsks) {
    WriteFileBytes(dataFile, Golden("old371.dta"));
    writeInfo({"Spring", "3/1/2024", " 20"});
    t.dialogs.answer(AnsOK).answer(AnsOK);
    ASSERT_TRUE(LoadInfoFile(app));
    const QStringList shown = t.dialogs.messages();
    ASSERT_EQ(shown.size(), 3);
    EXPECT_TRUE(shown[0].startsWith("This file was created with an older version than 1.1\r\n"));
    EXPECT_TRUE(shown[1].startsWith("You are attempting to use: \r\n" + dataFile + "\r\n"));
    EXPECT_EQ(shown[2], "Conversion Complete.");
    EXPECT_EQ(ReadFileBytes(dataFile), Golden("old371-converted.dta"));
}

// A settings file that cannot be read gives no version: a data file whose records are not
// of this version is then offered for conversion, the original kept, instead of being
// opened as current records.
TEST_F(InfoFileTest, AnUnreadableFileOverOldDataOffersTheConversion) {
    for (const QByteArray& settings : {QByteArray(), UnreadableSettings()}) {
        SCOPED_TRACE(settings.isEmpty() ? "empty" : "header not a number");
        QFile::remove(t.path("spring.bak"));
        WriteFileBytes(dataFile, Golden("old371.dta"));
        WriteFileBytes(infoFile, settings);
        t.dialogs.clear();
        t.dialogs.answer(AnsOK).answer(AnsOK).answer(AnsOK);
        ASSERT_TRUE(LoadInfoFile(app));
        const QStringList shown = t.dialogs.messages();
        ASSERT_EQ(shown.size(), 4);
        EXPECT_TRUE(shown[0].startsWith("The crusade settings file " + infoFile + " could not be read:"));
        EXPECT_TRUE(shown[1].startsWith("This file was created with an older version than 1.1\r\n"));
        EXPECT_TRUE(shown[2].startsWith("You are attempting to use: \r\n" + dataFile + "\r\n"));
        EXPECT_EQ(ReadFileBytes(dataFile), Golden("old371-converted.dta"));
        EXPECT_EQ(ReadFileBytes(t.path("spring.bak")), Golden("old371.dta"));
        EXPECT_EQ(ReadFileBytes(infoFile + ".unreadable"), settings) << "the settings file kept aside";
        QFile::remove(infoFile + ".unreadable");
    }
}

TEST_F(InfoFileTest, RefusedConversionEndsTheProgram) {
    WriteFileBytes(dataFile, Golden("old371.dta"));
    writeInfo(SettingsLines("version 2.3.0", 20));
    t.dialogs.answer(AnsCancel);
    EXPECT_THROW(LoadInfoFile(app), ProgramEnd);
    EXPECT_EQ(t.dialogs.last().title, "Fennick 95: Old Database");
    EXPECT_EQ(t.dialogs.last().buttons, Buttons::OKCancel);
    EXPECT_EQ(app.msg.MsgAnswer, "2");
    EXPECT_EQ(ReadFileBytes(dataFile), Golden("old371.dta"));
}

TEST_F(InfoFileTest, IssuingARegistrationNumberSavesTheSettings) {
    SetDefaultInfo(app);
    app.settings.ReservedNumber = 9999;
    app.settings.ReservedDirection = "DOWN";
    EXPECT_EQ(NextRegNumber(app), "9998");
    EXPECT_EQ(SplitLines(ReadFileBytes(infoFile))[3], " 9998 ");
}

}  // namespace

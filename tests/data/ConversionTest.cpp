#include "FakePlatform.h"
#include "RecordBuilder.h"
#include "data/Conversion.h"
#include "data/Errors.h"
#include "data/IniFile.h"

#include <QDir>
#include <QFileInfo>

#include <atomic>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

QByteArray Fixture(const char* name) {
    return ReadFileBytes(QStringLiteral(FENNICK_TEST_DATA "/") + name);
}

// The three people of the older fixture files, as the conversion must leave them.
QList<AttendeeRecord> ExpectedPeople(bool keepCardPrinted) {
    AttendeeRecord mary;
    mary.RNum = "0012";
    mary.FName = "Mary";
    mary.LName = "Smith";
    mary.Address = "1 Main St";
    mary.City = "Springfield";
    mary.State = "IL";
    mary.Zip = "62701";
    mary.Phone = "555-1234";
    mary.Age = "30-39";
    mary.Advertising = "N.R....";
    mary.RelPref = "Baptist";
    mary.IntLevel = "A";
    mary.Visits = "V01A02";
    mary.WorkerCode = "03";
    mary.Notes = "Called twice; prefers evening visits after the meeting, asks about Daniel 2 and the Sabbath. The end";
    mary.Attendance = "12-4------------------------------------";
    mary.Attend = "3";
    mary.Last = 4;
    mary.MailList = 1;
    mary.Decisions = "C--------";
    mary.Class = 1;
    mary.MapCode = "M12";
    mary.BaptDate = "03/01/26";
    mary.CardPrinted = keepCardPrinted ? -1 : 0;

    AttendeeRecord john;
    john.RNum = "0013";
    john.FName = "John";
    john.LName = "Doe";
    john.Address = "Address Unknown";
    john.City = "Unknown";
    john.State = "IL";
    john.Zip = "NoZip";
    john.Phone = "Unknown";
    john.Age = "NIF";
    john.Advertising = ".......";
    john.RelPref = "UnSpecified";
    john.WorkerCode = "##";
    john.Notes = "deleted";
    john.Attendance = "1---------------------------------------";
    john.Attend = "1";
    john.Last = 1;
    john.Decisions = "---------";
    john.BaptDate = "12:00AM";

    AttendeeRecord renee;
    renee.RNum = "0014";
    renee.FName =
        "Ren\xe9"
        "e";
    renee.LName = "L\xe9vesque";
    renee.Address = "22 Rue d'\xc9rable";
    renee.City =
        "Qu\xe9"
        "bec";
    renee.State = "QC";
    renee.Zip = "G1R";
    renee.Phone = "418-555-0000";
    renee.Age = "60-70";
    renee.Advertising = ".M....IPastor Bob";
    renee.RelPref = "Catholic";
    renee.IntLevel = "G";
    renee.WorkerCode = "40";
    renee.Attendance = "---------------------------------------0";
    renee.Attend = "1";
    renee.Last = 40;
    renee.MailList = 1;
    renee.Decisions = "CS-P----U";
    renee.MapCode = "Q7";
    renee.CardPrinted = keepCardPrinted ? 1 : 0;
    return {mary, john, renee};
}

class ConversionTest : public ::testing::Test {
protected:
    TestApp t;
    App& app = t.app;
    const QString dataFile = t.path("spring.dta");

    void SetUp() override { SetDataFile(app, dataFile); }
};

struct Format {
    const char* input;
    const char* golden;
    bool keepCardPrinted;
    bool asks;
    bool (*convert)(App&);
    const char* done;
};
const Format kFormats[] = {
    {"old371.dta", "old371-converted.dta", false, false, ConvertOldData, "Conversion Complete."},
    {"old369.dta", "old369-converted.dta", true, true, ConvertData22, "Conversion Complete. "},
};

TEST(ConversionGolden, GoldenOutputsHoldThePeopleFieldByField) {
    for (const Format& f : kFormats) {
        QByteArray expected;
        for (const AttendeeRecord& r : ExpectedPeople(f.keepCardPrinted)) expected += r.encode();
        EXPECT_EQ(Fixture(f.golden), expected) << f.golden;
    }
}

TEST_F(ConversionTest, OlderFilesConvertToTheGoldenOutput) {
    for (const Format& f : kFormats) {
        TestApp local;
        const QString data = local.path("spring.dta");
        SetDataFile(local.app, data);
        WriteFileBytes(data, Fixture(f.input));
        if (f.asks) local.dialogs.answer(AnsOK);

        ASSERT_TRUE(f.convert(local.app)) << f.input;
        EXPECT_EQ(ReadFileBytes(data), Fixture(f.golden)) << f.input;
        EXPECT_EQ(ReadFileBytes(local.path("spring.bak")), Fixture(f.input)) << f.input;
        EXPECT_EQ(local.app.crusade.RecCount, 3);
        // The old file is kept first; the converted one replaces it, leaving no working file.
        EXPECT_EQ(local.files.calls,
                  QStringList({"copy " + data + " > " + local.path("spring.bak"), "save " + data,
                               "save " + local.path("spring.inf"), "save " + local.path("Fennick.ini")}));
        EXPECT_EQ(QDir(local.dir.path()).entryList(QDir::Files, QDir::Name),
                  QStringList({"Fennick.ini", "spring.bak", "spring.dta", "spring.inf"}));
        EXPECT_TRUE(ReadFileBytes(local.path("Fennick.ini")).startsWith(data.toUtf8() + "\r\nAvailable\r\n"));
        EXPECT_EQ(local.dialogs.last().text, f.done);
        if (f.asks) {
            EXPECT_EQ(local.dialogs.shown()[0].title, kOldDatabaseTitle);
            EXPECT_EQ(local.dialogs.shown()[0].icon, Icon::Critical);
            EXPECT_TRUE(local.dialogs.shown()[0].text.contains("\r\nFennick will save the old file as: \r\n" +
                                                               local.path("spring.bak") + "\r\n"));
        }
    }
}

TEST_F(ConversionTest, EmptyOldFileGivesAnEmptyDataFile) {
    WriteFileBytes(dataFile, QByteArray());
    ASSERT_TRUE(ConvertOldData(app));
    EXPECT_EQ(ReadFileBytes(dataFile).size(), 0);
    EXPECT_EQ(app.crusade.RecCount, 0);
    EXPECT_EQ(t.dialogs.last().text, "Conversion Complete.");
}

TEST_F(ConversionTest, AnExistingBakFileSurvives) {
    WriteFileBytes(t.path("spring.bak"), "an earlier backup");
    WriteFileBytes(t.path("spring.bak.1"), "a second one");
    WriteFileBytes(dataFile, Fixture("old371.dta"));
    ASSERT_TRUE(ConvertOldData(app));
    EXPECT_EQ(ReadFileBytes(t.path("spring.bak")), "an earlier backup");
    EXPECT_EQ(ReadFileBytes(t.path("spring.bak.1")), "a second one");
    EXPECT_EQ(ReadFileBytes(t.path("spring.bak.2")), Fixture("old371.dta"));
    EXPECT_EQ(ReadFileBytes(dataFile), Fixture("old371-converted.dta"));
}

TEST_F(ConversionTest, TheDataFileIsNeverMissingWhileItIsReplaced) {
    // Another thread looks for the data file all the time the conversions run.
    const std::string path = QFile::encodeName(dataFile).toStdString();
    WriteFileBytes(dataFile, Fixture("old371.dta"));
    std::atomic<bool> stop{false};
    std::atomic<int> missing{0};
    std::thread watcher([&] {
        while (!stop)
            if (!std::filesystem::exists(path)) ++missing;
    });
    bool converted = true;
    for (int i = 0; i < 20 && converted; ++i) {
        WriteFileBytes(dataFile, Fixture("old371.dta"));
        converted = ConvertOldData(app);
        QFile::remove(t.path("spring.bak"));
    }
    stop = true;
    watcher.join();
    ASSERT_TRUE(converted);
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(ReadFileBytes(dataFile), Fixture("old371-converted.dta"));
}

TEST(ConversionFailure, AFailureAtAnyStepLeavesTheOriginalOrItsBackup) {
    // Each file operation of the conversion fails in turn, until none is left to fail.
    const QByteArray original = Fixture("old371.dta");
    bool failedAtTheDataFile = false;
    for (int step = 1;; ++step) {
        SCOPED_TRACE(step);
        TestApp t;
        const QString data = t.path("spring.dta");
        SetDataFile(t.app, data);
        WriteFileBytes(data, original);
        t.files.failAt(step, err::DiskFull);

        if (ConvertOldData(t.app)) {
            // Failing after the data file was replaced: the converted file stands, the
            // original is kept as its backup, and only the settings could not be saved.
            EXPECT_EQ(ReadFileBytes(data), Fixture("old371-converted.dta"));
            EXPECT_EQ(ReadFileBytes(t.path("spring.bak")), original);
            if (!t.files.calls.filter(" failed").isEmpty()) {
                EXPECT_TRUE(t.dialogs.messages().first().startsWith(
                    "The data file has been converted, but its settings could not be saved:"));
                continue;
            }
            break;  // no step was left to fail
        }
        EXPECT_EQ(ReadFileBytes(data), original);
        EXPECT_FALSE(QFileInfo::exists(t.path("spring.bak")));
        EXPECT_FALSE(QFileInfo::exists(t.path("spring.inf")));
        EXPECT_EQ(QDir(t.dir.path()).entryList(QDir::Files), QStringList{"spring.dta"}) << "no working file is left";
        failedAtTheDataFile |= t.files.calls.contains("save " + data + " failed");
        ASSERT_EQ(t.dialogs.messages().size(), 1);
        const QString text = t.dialogs.last().text;
        EXPECT_TRUE(text.startsWith("Error# 0100 converting your data file.  Call Tech. Support for help."))
            << text.toStdString();
        EXPECT_TRUE(text.contains("The original data file is unchanged: " + data));
    }
    EXPECT_TRUE(failedAtTheDataFile);
}

TEST_F(ConversionTest, RefusingThe369ConversionEndsTheProgram) {
    WriteFileBytes(dataFile, Fixture("old369.dta"));
    t.dialogs.answer(AnsCancel);
    EXPECT_THROW(ConvertData22(app), ProgramEnd);
    EXPECT_EQ(ReadFileBytes(dataFile), Fixture("old369.dta"));
    EXPECT_EQ(app.msg.MsgAnswer, "2");
}

TEST(ConversionDetect, OnlyCurrentRecordsCountAsACurrentFile) {
    TestApp t;
    const QByteArray old371 = Fixture("old371.dta").left(3 * kOldRecordSpacing);
    QByteArray deleted = Person("0003", "Del", "Eted").encode();
    deleted.replace(181, 2, "##");
    QByteArray current;
    for (const char* n : {"0001", "0002"}) current += Person(n, "Ann", "Able").encode();
    struct Case {
        const char* what;
        QByteArray bytes;
        bool current;
    };
    const Case cases[] = {
        {"empty", QByteArray(), true},
        {"current records", current + deleted, true},
        {"one damaged record among three", current + QByteArray(461, 'x'), true},
        // Part of a record at the end is what a write cut off leaves; it is kept aside at
        // the opening, not taken for an older layout.
        {"current with a partial record", current + "abc", true},
        {"less than one record", QByteArray(200, ' '), false},
        {"371-byte records", old371, false},
        // 461 records of 371 bytes fill a whole number of 461-byte records.
        {"old records of a current length", old371.left(kOldRecordSpacing).repeated(461), false},
    };
    for (const Case& c : cases) {
        WriteFileBytes(t.path("x.dta"), c.bytes);
        EXPECT_EQ(IsCurrentDataFile(t.path("x.dta")), c.current) << c.what;
    }
}

}  // namespace

#include "FakePlatform.h"
#include "FakeScreen.h"
#include "RecordBuilder.h"
#include "ViewFixture.h"
#include "attendance/AttendFState.h"
#include "attendance/AttendRecord.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/RecordDisplay.h"
#include "data/Text.h"
#include "mainwindow/SaveRecord.h"
#include "views/Indexes.h"

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

const QString kUpdated = QStringLiteral("3/9/2026 4:05:09 PM");

// Six records of Ann Adams and, seventh, Mary Smith.
QList<AttendeeRecord> Records() {
    QList<AttendeeRecord> records;
    for (int i = 1; i <= 6; ++i) records << Person(qPrintable(ZeroPad(i, 4)), "Ann", "Adams");
    AttendeeRecord mary = Person("0123", "Mary", "Smith");
    mary.Last = 12;
    mary.WorkerCode = "05";
    mary.MapCode = "M12";
    mary.IntLevel = "B";
    mary.BaptDate = "1/5/99";
    mary.Visits = "HA3b";  // an interview on weekday 3 at the second meeting time
    return records << mary;
}

struct SaveRecordTest : ::testing::Test {
    ViewFixture f{Records()};
    TestApp& t = f.t;
    App& app = f.app;
    FakeScreen screen;

    // The alphabetical view lists the records in file order; the main window shows Mary.
    void SetUp() override {
        IndexAlpha(app);
        show(7);
    }
    void show(qint16 pos) {
        app.view.CurIndexPos = pos;
        ASSERT_TRUE(ReadCurrentRecord(app));
        ASSERT_TRUE(ShowRecord(app, screen));
    }
    // Reopens the data file for reading only: a save that writes fails with an error.
    void forbidWrites() { app.crusade.file.openReadOnly(app.program.DataFile, Crusade::RecLen); }
    AttendeeRecord onDisk(qint32 n) {
        return AttendeeRecord::decode(
            ReadFileBytes(app.program.DataFile).mid((n - 1) * Crusade::RecLen, Crusade::RecLen));
    }
    void type(const char* control, const char* text) { screen.setText(QLatin1String(control), QLatin1String(text)); }
};

TEST_F(SaveRecordTest, UnchangedScreenWritesNothing) {
    forbidWrites();
    app.crusade.NewEmptyFile = true;
    app.crusade.FileIsOpen = false;
    app.crusade.PrevRecord = AttendeeRecord();
    const QByteArray entry = app.view.ReportIndex[7];

    EXPECT_TRUE(SaveCurrentRecord(app, screen));
    EXPECT_TRUE(app.settings.LastUpdated.isEmpty());
    EXPECT_TRUE(app.crusade.NewEmptyFile);
    EXPECT_TRUE(app.crusade.FileIsOpen);
    EXPECT_EQ(app.crusade.PrevRecord, app.crusade.OrigRecord);
    EXPECT_EQ(app.view.ReportIndex[7], entry);
    EXPECT_EQ(app.mainWindow.EnteredRNum, QStringLiteral("0123"));
    EXPECT_TRUE(t.dialogs.shown().empty());
}

TEST_F(SaveRecordTest, ChangeOfCaseWrites) {
    app.crusade.NewEmptyFile = true;
    type("FName", "mary");
    EXPECT_TRUE(SaveCurrentRecord(app, screen));
    EXPECT_EQ(onDisk(7).FName.bytes(), Pad("mary", 20));
    EXPECT_EQ(onDisk(6), Person("0006", "Ann", "Adams"));
    EXPECT_EQ(app.settings.LastUpdated, kUpdated);
    EXPECT_FALSE(app.crusade.NewEmptyFile);
    EXPECT_EQ(app.crusade.PrevRecord, onDisk(7));
    EXPECT_EQ(app.view.ReportIndex[7], QByteArray("0123SMITHMA   7"));
    // OrigRecord is renewed only by showing the record again: the next save writes again.
    EXPECT_NE(app.crusade.OrigRecord, app.crusade.CurRecord);
}

TEST_F(SaveRecordTest, NotSavedYetIsAlwaysWritten) {
    // A copied record: a new slot whose entry says it was never written.
    AppendRecordSlot(app);
    app.view.ReportIndex[app.view.CurIndexPos] = kNotSavedYet;
    type("RNum", "0124");  // the copy's number of its own
    AttendeeRecord copy = app.crusade.OrigRecord;
    copy.RNum = "0124";

    EXPECT_TRUE(SaveCurrentRecord(app, screen));
    EXPECT_EQ(app.crusade.RecCount, 8);
    EXPECT_EQ(onDisk(8), copy);
    EXPECT_EQ(app.view.ReportIndex[8], QByteArray("0124SMITHMA   8"));
    EXPECT_EQ(app.settings.LastUpdated, kUpdated);
}

TEST_F(SaveRecordTest, EmptyViewWritesNothing) {
    forbidWrites();
    app.view.clear();
    app.crusade.FileIsOpen = false;
    const AttendeeRecord prev = app.crusade.PrevRecord;
    type("LName", "Smithson");
    EXPECT_TRUE(SaveCurrentRecord(app, screen));
    EXPECT_TRUE(app.settings.LastUpdated.isEmpty());
    EXPECT_EQ(app.crusade.PrevRecord, prev);
    EXPECT_FALSE(app.crusade.FileIsOpen);
    EXPECT_EQ(app.view.ReportIndex.size(), 1);
}

TEST_F(SaveRecordTest, ReKeyedEntryForEachLayout) {
    const QByteArray L = Pad("SMITHSON", 20);
    const QByteArray FU = Pad("MARY", 20);
    struct Case {
        const char* kind;
        const char* baptDate;
        QByteArray entry;
        const char* scratch;  // nullptr: not checked
    };
    const Case cases[] = {
        {"alpha", "1/5/99", "0123SMITHMA   7", nullptr},
        {"attend", "1/5/99", "0123987" + L + "Mar   7", "987"},
        {"date", "1/5/99", "012301/05/99" + L + FU + "   7", "5"},
        {"date", "1/15/99", "012301/15/99 " + L + FU + "   7", "6"},
        {"date", "12/5/99", "012312/05/99" + L + FU + "   7", "5"},
        {"date", "12:00AM", "0123        " + L + FU + "   7", nullptr},
        {"interest", "1/5/99", "0123B" + L + "MAR   7", nullptr},
        {"map", "1/5/99", "012398705M12     987" + L + "Mar   7", "987"},
        {"religion", "1/5/99", "0123" + Pad("Baptist", 20) + L + "Mar   7", nullptr},
        {"wcalpha", "1/5/99", "012305" + L + FU + "   7", nullptr},
        {"wcattend", "1/5/99", "012305987" + L + "Mar   7", "987"},
        {"zip", "1/5/99", "0123" + Pad("62701", 10) + L + FU + "   7", nullptr},
        {"SelWCAttend05", "1/5/99", "012305" + L + "Mar   7", "05"},
        {"attendnight 5", "1/5/99", "0123" + L + "MAR   7", " 5"},
        {"missednight03", "1/5/99", "0123" + L + "MAR   7", "03"},
        {"decision 3", "1/5/99", "0123" + L + "MAR   7", "3"},
        {"decisions3", "1/5/99", "0123" + L + "MAR   7", "3"},
        // The interview lists show the appointment their entry holds (weekday, hour).
        {"BaptClass", "1/5/99", "0123A301" + L + "MAR   7", nullptr},
        {"InterviewRemain", "1/5/99", "0123A301" + L + "MAR   7", nullptr},
        {"alphafilter", "1/5/99", "0123" + L + "MAR   7", nullptr},
        {"Alpha", "1/5/99", "0123" + L + "MAR   7", nullptr},
    };
    for (const Case& c : cases) {
        app.view.ReportKind = QLatin1String(c.kind);
        show(7);
        type("LName", "Smithson");
        type("BaptDate", c.baptDate);
        ASSERT_TRUE(SaveCurrentRecord(app, screen));
        EXPECT_EQ(app.view.ReportIndex[7], c.entry) << c.kind << " " << c.baptDate;
        if (c.scratch) {
            EXPECT_EQ(app.msg.ScratchVar, QLatin1String(c.scratch)) << c.kind;
        }
        // The entry keeps its place; the others are untouched.
        EXPECT_EQ(app.view.ReportIndex[6], QByteArray("0006ADAMSAN   6"));
        // Put the file's record back for the next case.
        app.crusade.file.write(7, app.crusade.OrigRecord.encode());
    }
}

TEST_F(SaveRecordTest, LastBoxMustHoldAMeetingNumber) {
    struct Case {
        const char* last;
        bool accepted;
        qint16 value;
    };
    const Case cases[] = {
        {"abc", false, 0},   {"", false, 0},      {"41", false, 0}, {"-1", false, 0}, {"3.5", false, 0},
        {"99999", false, 0}, {"12abc", false, 0}, {"0", true, 0},   {"40", true, 40}, {" 9 ", true, 9},
    };
    for (const Case& c : cases) {
        show(7);
        t.dialogs.clear();
        app.crusade.file.openReadOnly(app.program.DataFile, Crusade::RecLen);
        const AttendeeRecord shown = app.crusade.CurRecord;
        type("FName", "Maria");
        type("Last", c.last);
        screen.setValue(QStringLiteral("MailList"), 0);
        if (c.accepted) {
            // Accepted: the save goes on to write, which the read-only file refuses.
            EXPECT_THROW(SaveCurrentRecord(app, screen), VbError) << c.last;
            EXPECT_EQ(app.crusade.CurRecord.Last, c.value);
            EXPECT_EQ(app.crusade.CurRecord.MailList, 0);
            EXPECT_TRUE(t.dialogs.shown().empty());
        } else {
            EXPECT_FALSE(SaveCurrentRecord(app, screen)) << c.last;
            EXPECT_EQ(app.crusade.CurRecord, shown) << c.last;  // nothing copied, MailList as it was
            ASSERT_EQ(t.dialogs.messages().size(), 1) << c.last;
            EXPECT_TRUE(t.dialogs.messages().at(0).contains(
                QStringLiteral(" 13 was generated by Fennick95 Error: \r\nType mismatch")));
        }
        app.crusade.file.open(app.program.DataFile, Crusade::RecLen);
    }
}

TEST_F(SaveRecordTest, NumberAndTeamBoxesMustHoldValidCodes) {
    const QString badNumber = QStringLiteral(
        " >> for the Registration Number.\r\nThe Registration Number cannot have any letters in it, it must be all "
        "numbers.");
    const QString badTeam =
        QStringLiteral("You have entered an invalid Team code.  \r\nIt must be a number between 00 and 40");
    struct Case {
        const char* box;
        const char* typed;
        bool accepted;
    };
    const Case cases[] = {
        {"RNum", "0042", true},      {"RNum", "1e3", false},     {"RNum", "12", false},
        {"RNum", "12345", false},    {"RNum", "00a1", false},    {"WorkerCode", "00", true},
        {"WorkerCode", "40", true},  {"WorkerCode", "##", true}, {"WorkerCode", "41", false},
        {"WorkerCode", "99", false}, {"WorkerCode", "7", false}, {"WorkerCode", "#", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.typed);
        show(7);
        t.dialogs.clear();
        const QByteArray before = ReadFileBytes(app.program.DataFile);
        type("FName", "Maria");
        type(c.box, c.typed);
        screen.setFocus(QStringLiteral("SearchBox"));
        EXPECT_EQ(SaveCurrentRecord(app, screen), c.accepted);
        EXPECT_EQ(ReadFileBytes(app.program.DataFile) != before, c.accepted);
        // A refused box gets the focus back, to be put right.
        EXPECT_EQ(screen.focused(), c.accepted ? QStringLiteral("SearchBox") : QLatin1String(c.box));
        if (c.accepted) {
            EXPECT_TRUE(t.dialogs.shown().empty());
            continue;
        }
        const QString message = QLatin1String(c.box) == QLatin1String("RNum")
                                    ? QStringLiteral("You entered << ") + QLatin1String(c.typed) + badNumber
                                    : badTeam;
        EXPECT_EQ(t.dialogs.messages(), QStringList{message});
        EXPECT_EQ(app.crusade.CurRecord, app.crusade.OrigRecord);  // nothing copied
    }
}

TEST_F(SaveRecordTest, EmptyNameBoxes) {
    struct Case {
        const char* box;
        const char* shown;
        QByteArray saved;
    };
    for (const Case& c : {Case{"", "Unknown", Pad("Unknown", 20)}, Case{" ", " ", Pad("", 20)}}) {
        type("LName", c.box);
        ASSERT_TRUE(SaveCurrentRecord(app, screen));
        EXPECT_EQ(screen.get(QStringLiteral("LName")).text, QLatin1String(c.shown));
        EXPECT_EQ(onDisk(7).LName.bytes(), c.saved);
    }
}

TEST_F(SaveRecordTest, EmptyNumberBoxGetsTheNextReservedNumber) {
    app.settings.ReservedNumber = 41;
    app.settings.ReservedDirection = QStringLiteral("UP");
    type("RNum", "");
    ASSERT_TRUE(SaveCurrentRecord(app, screen));
    EXPECT_EQ(screen.get(QStringLiteral("RNum")).text, QStringLiteral("0042"));
    EXPECT_EQ(onDisk(7).RNum.bytes(), QByteArray("0042"));
    EXPECT_EQ(app.mainWindow.EnteredRNum, QStringLiteral("0042"));
    EXPECT_EQ(app.settings.ReservedNumber, 42);
}

TEST_F(SaveRecordTest, NoNumberLeftRefusesTheSave) {
    forbidWrites();
    app.settings.ReservedNumber = 9999;
    app.settings.ReservedDirection = QStringLiteral("UP");
    const AttendeeRecord shown = app.crusade.CurRecord;
    type("RNum", "");
    type("FName", "Maria");
    EXPECT_FALSE(SaveCurrentRecord(app, screen));
    EXPECT_EQ(t.dialogs.messages().size(), 1);
    EXPECT_EQ(screen.get(QStringLiteral("RNum")).text, QString());
    EXPECT_EQ(app.crusade.CurRecord, shown);
    EXPECT_TRUE(app.settings.LastUpdated.isEmpty());
}

TEST_F(SaveRecordTest, ScreenCopiesEveryControl) {
    struct Case {
        const char* control;
        const char* typed;
        int offset;
        int width;
        const char* stored;
    };
    const Case cases[] = {
        {"RNum", "0999", recoff::RNum, 4, "0999"},
        {"FName", "Zoe", recoff::FName, 20, "Zoe"},
        {"LName", "Young", recoff::LName, 20, "Young"},
        {"Address", "PO Box 1", recoff::Address, 30, "PO Box 1"},
        {"City", "Salem", recoff::City, 20, "Salem"},
        {"State", "OR", recoff::State, 2, "OR"},
        {"Zip", "97301", recoff::Zip, 10, "97301"},
        {"Phone", "555-0000", recoff::Phone, 12, "555-0000"},
        {"Age", "20-29", recoff::Age, 10, "20-29"},
        {"Advertising", "N......", recoff::Advertising, 20, "N......"},
        {"RelPref", "None", recoff::RelPref, 20, "None"},
        {"IntLevel", "AB", recoff::IntLevel, 1, "A"},
        {"Visits", "h01", recoff::Visits, 12, "h01"},
        {"WorkerCode", "07", recoff::WorkerCode, 2, "07"},
        {"Attend", "2", recoff::Attend, 2, "2"},
        {"Attendance", "11", recoff::Attendance, 40, "11"},
        {"Notes", " note ", recoff::Notes, 150, " note "},
        {"Decisions", "A", recoff::Decisions, 12, "A"},
        {"BaptDate", "2/2/26", recoff::BaptDate, 8, "2/2/26"},
        {"MapCode", "Z9", recoff::MapCode, 8, "Z9"},
        {"BirthDate", "1/1/90", recoff::BirthDate, 8, "1/1/90"},
        {"txtEmail", "z@y.org", recoff::Email, 40, "z@y.org"},
    };
    for (const Case& c : cases) type(c.control, c.typed);
    type("Last", "2");
    screen.setValue(QStringLiteral("Class"), 2);
    screen.setValue(QStringLiteral("MailList"), 0);
    screen.setValue(QStringLiteral("chkMarkToVisit"), 1);
    app.crusade.CurRecord.CardPrinted = 1;  // no control: kept

    ASSERT_TRUE(ScreenToRecord(app, screen));
    const AttendeeRecord& r = app.crusade.CurRecord;
    const QByteArray bytes = r.encode();
    for (const Case& c : cases) EXPECT_EQ(bytes.mid(c.offset, c.width), Pad(c.stored, c.width)) << c.control;
    EXPECT_EQ(r.Last, 2);
    EXPECT_EQ(r.Class, 2);
    EXPECT_EQ(r.MailList, 0);
    EXPECT_EQ(r.MarkToVisit, 1);
    EXPECT_EQ(r.CardPrinted, 1);
}

TEST_F(SaveRecordTest, AppendRecordSlot) {
    app.crusade.RecCount = 50;
    app.crusade.FileIsOpen = false;
    app.view.ReportIndex.resize(11);
    app.view.ReportCount = 10;
    app.view.CurIndexPos = 3;
    app.mainWindow.AddAnother = 0;
    AppendRecordSlot(app);
    EXPECT_EQ(app.crusade.RecCount, 51);
    EXPECT_EQ(app.crusade.CurRecNo, 51);
    EXPECT_TRUE(app.crusade.FileIsOpen);
    EXPECT_EQ(app.view.ReportCount, 11);
    EXPECT_EQ(app.view.CurIndexPos, 11);
    ASSERT_EQ(app.view.ReportIndex.size(), 12);
    EXPECT_EQ(app.view.ReportIndex[11], QByteArray("-------  51"));
    EXPECT_EQ(app.view.ReportIndex[7], QByteArray("0123SMITHMA   7"));
    EXPECT_EQ(app.mainWindow.AddAnother, 1);
    EXPECT_EQ(ReadFileBytes(app.program.DataFile).size(), 7 * Crusade::RecLen);
}

TEST_F(SaveRecordTest, AppendRecordSlotStopsAtTheLastAddressableRecord) {
    app.crusade.RecCount = kMaxRecords;
    EXPECT_THROW(AppendRecordSlot(app), VbError);
    EXPECT_EQ(app.crusade.RecCount, kMaxRecords);
    EXPECT_EQ(app.view.ReportCount, 7);
    EXPECT_EQ(app.mainWindow.AddAnother, 0);
}

// A live record never takes a number another live record holds, whoever writes it: new,
// renumbered or brought back, it is refused with the duplicate message and the file is as
// it was. A deleted record, a number freed by a write before and a number kept, though an
// older file gave it to two records, are written. The screens put the record's own back.
TEST_F(SaveRecordTest, NoWriteGivesANumberAnotherLiveRecordHolds) {
    const auto tried = [this](qint32 n, const AttendeeRecord& rec) {
        const QByteArray before = ReadFileBytes(app.program.DataFile);
        try {
            WriteRecord(app, n, rec);
        } catch (const DuplicateNumber&) {
            EXPECT_EQ(ReadFileBytes(app.program.DataFile), before);
            return false;
        }
        return true;
    };
    EXPECT_FALSE(tried(8, Person("0003", "Al", "New")));
    EXPECT_TRUE(tried(3, Rec("0001", "Al", "Gone").deleted()));
    EXPECT_FALSE(tried(3, Person("0001", "Al", "Back")));
    EXPECT_TRUE(tried(1, Person("0099", "Ann", "Adams")));
    EXPECT_TRUE(tried(3, Person("0001", "Al", "Back")));
    EXPECT_FALSE(tried(2, Person("0099", "Ann", "Adams")));
    WriteRecordUnchecked(app, 2, Person("0099", "Ann", "Adams"));
    EXPECT_TRUE(tried(2, Person("0099", "Anna", "Adams")));

    const QByteArray before = ReadFileBytes(app.program.DataFile);
    const AttendeeRecord mary = app.crusade.CurRecord;
    AttendFState st;
    FakeScreen attendF(QStringLiteral("AttendF"));
    ShowRecord(app, attendF);
    for (FakeScreen* s : {&screen, &attendF}) {
        s->setText(QStringLiteral("RNum"), QStringLiteral("0004"));
        EXPECT_FALSE(s == &screen ? SaveCurrentRecord(app, screen) : attendf::SaveRecord(app, st, attendF));
        EXPECT_EQ(s->text(QStringLiteral("RNum")), QStringLiteral("0123"));
        EXPECT_EQ(app.crusade.CurRecord, mary);
    }
    EXPECT_EQ(ReadFileBytes(app.program.DataFile), before);
    // The store refuses without a word; the two screens tell with the box's message.
    EXPECT_EQ(t.dialogs.messages().filter(QStringLiteral("is a duplicate record number")).size(), 2);

    // A number drawn for a new name passes over those held, also by a record whose writing
    // was refused because the data file went away (it is saved elsewhere at the closing).
    app.settings.ReservedDirection = QStringLiteral("UP");
    app.settings.ReservedNumber = 98;
    EXPECT_EQ(StepRegNumber(app), QByteArray("0100"));
    ASSERT_TRUE(QFile::rename(app.program.DataFile, app.program.DataFile + QStringLiteral(".moved")));
    EXPECT_THROW(WriteRecord(app, 5, Person("0101", "Al", "Held")), VbError);
    EXPECT_EQ(StepRegNumber(app), QByteArray("0102"));
    EXPECT_THROW(WriteRecord(app, 6, Person("0101", "Bo", "Twice")), DuplicateNumber);
}

}  // namespace

// A save after the view was rebuilt (a filter that fell back to all names) re-keys the
// saved record's own entry, wherever the new view holds it, and no other.
TEST(SaveAfterRebuild, ReKeysTheSavedRecordsOwnEntry) {
    fennick::test::TestApp t;
    fennick::App& app = t.app;
    app.program.DataFile = t.path(QStringLiteral("s.dta"));
    fennick::test::WriteDataFile(app.program.DataFile, {fennick::test::Person("0001", "Ann", "Able"),
                                                        fennick::test::Person("0002", "Bob", "Baker"),
                                                        fennick::test::Person("0003", "Cy", "Cole")});
    fennick::OpenDataFile(app);
    fennick::IndexAlpha(app);
    app.view.CurIndexPos = 3;  // Cole, record 3
    ASSERT_TRUE(fennick::ReadCurrentRecord(app));
    fennick::test::FakeScreen screen;
    fennick::ShowRecord(app, screen);
    screen.setText(QStringLiteral("FName"), QStringLiteral("Cyrus"));

    fennick::IndexAlpha(app);  // the view is rebuilt: position 1 now, Cole still at 3
    ASSERT_EQ(app.view.CurIndexPos, 1);
    ASSERT_TRUE(fennick::SaveCurrentRecord(app, screen));
    EXPECT_EQ(app.view.ReportIndex[1], QByteArray("0001ABLE AN   1"));
    EXPECT_EQ(app.view.ReportIndex[3], QByteArray("0003COLE CY   3"));
    EXPECT_EQ(fennick::ReadRecord(app, 3).FName.trimmed(), QByteArray("Cyrus"));
    EXPECT_EQ(fennick::ReadRecord(app, 1).FName.trimmed(), QByteArray("Ann"));
}

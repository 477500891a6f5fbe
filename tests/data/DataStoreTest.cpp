#include "FakePlatform.h"
#include "FakeScreen.h"
#include "RecordBuilder.h"
#include "data/DataStore.h"
#include "data/Text.h"

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

struct DataStoreTest : ::testing::Test {
    TestApp t;
    App& app = t.app;

    void open(const QList<AttendeeRecord>& records) {
        app.program.DataFile = t.path(QStringLiteral("spring.dta"));
        WriteDataFile(app.program.DataFile, records);
        OpenDataFile(app);
    }
    // A view over every record in file order (entries as the alphabetical view keys them).
    void viewAll() {
        app.view.clear();
        for (int i = 1; i <= app.crusade.RecCount; ++i) {
            const AttendeeRecord r = ReadRecord(app, i);
            app.view.ReportIndex.append(r.RNum.bytes() + "XXXXXXX" + Ansi(QString::number(i).rightJustified(4)));
        }
        app.view.ReportCount = qint16(app.crusade.RecCount);
        app.view.CurIndexPos = app.view.ReportCount > 0 ? 1 : 0;
    }
};

TEST_F(DataStoreTest, RecordCountIsWholeRecords) {
    struct Case {
        int bytes;
        qint32 records;
    };
    for (const Case c : {Case{0, 0}, Case{922, 2}, Case{1000, 2}, Case{461, 1}}) {
        TestApp t2;
        t2.app.program.DataFile = t2.path(QStringLiteral("x.dta"));
        WriteFileBytes(t2.app.program.DataFile, QByteArray(c.bytes, ' '));
        OpenDataFile(t2.app);
        EXPECT_EQ(t2.app.crusade.RecCount, c.records) << c.bytes;
        EXPECT_EQ(t2.app.crusade.NewEmptyFile, c.records == 0);
        EXPECT_EQ(t2.app.crusade.AddMode, c.records == 0);
        EXPECT_EQ(t2.dialogs.messages().size(), c.records == 0 ? 1u : 0u);
    }
}

TEST_F(DataStoreTest, EmptyFileMessage) {
    open({});
    ASSERT_EQ(t.dialogs.messages().size(), 1);
    EXPECT_EQ(t.dialogs.messages().at(0),
              QStringLiteral("There are no records in: \r\n") + app.program.DataFile +
                  QStringLiteral("\r\nYou must enter records before attempting other options.\r\n\r\n"
                                 "DO NOT EXIT FENNICK BEFORE ENTERING AT LEAST ONE RECORD."));
}

TEST_F(DataStoreTest, ReadCurrentRecordFollowsTheEntry) {
    open({Person("0001", "Ann", "Able"), Person("0002", "Bob", "Baker")});
    app.view.ReportIndex = {QByteArray(), QByteArray("0002BAKERBO   2"), QByteArray("0001ABLEAN    1")};
    app.view.ReportCount = 2;
    app.view.CurIndexPos = 1;
    ASSERT_TRUE(ReadCurrentRecord(app));
    EXPECT_EQ(app.crusade.CurRecNo, 2);
    EXPECT_EQ(app.crusade.CurRecord.LName.trimmed(), QByteArray("Baker"));
}

TEST_F(DataStoreTest, ReadCurrentRecordFailures) {
    open({Person("0001", "Ann", "Able")});
    const AttendeeRecord before = app.crusade.CurRecord;
    // A record number beyond the file is a failure, never a zero-filled record.
    app.view.ReportIndex = {QByteArray(), QByteArray("0009XXXXXXX   9")};
    app.view.ReportCount = 1;
    app.view.CurIndexPos = 1;
    EXPECT_FALSE(ReadCurrentRecord(app));
    EXPECT_TRUE(app.crusade.CurRecord == before);
    // A position outside the view.
    app.view.CurIndexPos = 2;
    EXPECT_FALSE(ReadCurrentRecord(app));
    // An empty view starts add mode; the crusade stays loaded.
    int started = 0;
    app.hooks.startAddMode = [&] { ++started; };
    app.crusade.FileIsOpen = true;
    app.view.CurIndexPos = 0;
    EXPECT_FALSE(ReadCurrentRecord(app));
    EXPECT_EQ(started, 1);
    EXPECT_TRUE(app.crusade.FileIsOpen);
}

TEST_F(DataStoreTest, EmptyEntryIsRepairedOnlyToALiveRecord) {
    open({Person("0001", "Ann", "Able")});
    app.view.ReportIndex = {QByteArray(), QByteArray()};
    app.view.ReportCount = 1;
    app.view.CurIndexPos = 1;
    EXPECT_TRUE(ReadCurrentRecord(app));
    EXPECT_EQ(app.view.ReportIndex[1], QByteArray("---------   1"));
    EXPECT_EQ(app.crusade.CurRecNo, 1);

    AttendeeRecord gone = Person("0001", "Ann", "Able");
    gone.WorkerCode = "##";
    TestApp t2;
    t2.app.program.DataFile = t2.path(QStringLiteral("d.dta"));
    WriteDataFile(t2.app.program.DataFile, {gone});
    OpenDataFile(t2.app);
    t2.app.view.ReportIndex = {QByteArray(), QByteArray()};
    t2.app.view.ReportCount = 1;
    t2.app.view.CurIndexPos = 1;
    EXPECT_FALSE(ReadCurrentRecord(t2.app));
    EXPECT_EQ(t2.app.view.ReportIndex[1], QByteArray());
}

TEST(CountAttendance, CountsAndRepairsBlanks) {
    struct Case {
        QByteArray in;
        int count;
        qint16 last;
        QByteArray out;
    };
    const Case cases[] = {
        {"1-3" + QByteArray(37, ' '), 2, 3, "1-3" + QByteArray(37, '-')},
        {QByteArray(40, '-'), 0, 99, QByteArray(40, '-')},  // last left unchanged
        {QByteArray(39, '-') + "V", 1, 40, QByteArray(39, '-') + "V"},
        {"C-" + QByteArray(38, '-'), 1, 1, "C-" + QByteArray(38, '-')},
    };
    for (const Case& c : cases) {
        QByteArray a = c.in;
        qint16 last = 99;
        EXPECT_EQ(CountAttendance(a, last), c.count) << c.in.constData();
        EXPECT_EQ(last, c.last);
        EXPECT_EQ(a, c.out);
    }
    AttendeeRecord r;
    r.Attendance = QByteArray(40, '-');
    r.Last = 7;
    RecountAttendance(r);
    EXPECT_EQ(r.Last, 0);  // no night attended
    EXPECT_EQ(r.Attend.bytes(), QByteArray("0 "));
}

TEST_F(DataStoreTest, NextRegNumberCountsAndStopsAtTheEnds) {
    open({Person("0500", "Ann", "Able"), Person("0002", "Bob", "Baker")});
    struct Case {
        qint16 reserved;
        const char* direction;
        QByteArray result;
        qint16 after;
    };
    // A number a record holds is passed over. The last three have neither direction:
    // nothing is issued, so no number is issued twice.
    const Case cases[] = {
        {9999, "DOWN", "9998", 9998}, {41, "UP", "0042", 42},     {9999, "UP", "", 9999},
        {1, "DOWN", "", 1},           {9998, "UP", "9999", 9999}, {2, "DOWN", "0001", 1},
        {499, "UP", "0501", 501},     {501, "DOWN", "0499", 499}, {3, "DOWN", "0001", 1},
        {5, "down", "", 5},           {5, "DOWN ", "", 5},        {5, "", "", 5},
    };
    for (const Case& c : cases) {
        app.settings.ReservedNumber = c.reserved;
        app.settings.ReservedDirection = QString::fromLatin1(c.direction);
        t.dialogs.clear();
        EXPECT_EQ(NextRegNumber(app), c.result) << c.reserved << c.direction;
        EXPECT_EQ(app.settings.ReservedNumber, c.after);
        EXPECT_EQ(t.dialogs.messages().size(), c.result.isEmpty() ? 1u : 0u);
    }
}

TEST_F(DataStoreTest, DuplicateNumbersAreFoundInTheWholeFile) {
    AttendeeRecord deleted = Person("0077", "Del", "Eted");
    deleted.WorkerCode = "##";
    open({Person("0042", "Ann", "Able"), Person("0043", "Bob", "Baker"), deleted, Person("0050", "Cy", "Cole")});
    // The view holds only the first two records (a filter): 0050 is still a duplicate.
    app.view.ReportIndex = {QByteArray(), QByteArray("0042XXXXXXX   1"), QByteArray("0043XXXXXXX   2")};
    app.view.ReportCount = 2;
    app.view.CurIndexPos = 1;
    app.crusade.CurRecNo = 1;
    FakeScreen screen;
    screen.setText(QStringLiteral("RNum"), QStringLiteral("0050"));
    app.hooks.editForm = &screen;

    struct Case {
        QByteArray number;
        bool addMode;
        bool duplicate;
    };
    const Case cases[] = {
        {"0042", false, false},  // the record being edited itself
        {"0042", true, true},    // in add mode every record counts
        {"0043", false, true},   {"0050", false, true},  // outside the view
        {"0077", false, false},  // a deleted record does not hold its number
        {"0099", true, false},   {"12", true, false},
    };
    for (const Case& c : cases) {
        app.crusade.AddMode = c.addMode;
        t.dialogs.clear();
        screen.setText(QStringLiteral("RNum"), QString::fromLatin1(c.number));
        EXPECT_EQ(CheckDuplicateRNum(app, c.number) == 3, c.duplicate) << c.number.constData() << c.addMode;
        if (c.duplicate) {
            ASSERT_EQ(t.dialogs.messages().size(), 1u);
            EXPECT_EQ(t.dialogs.last().icon, Icon::Critical);
            EXPECT_TRUE(t.dialogs.messages().at(0).startsWith(QString::fromLatin1(c.number) +
                                                              QStringLiteral(" is a duplicate record number\r\n")));
            EXPECT_EQ(screen.text(QStringLiteral("RNum")), QString());
        } else {
            EXPECT_TRUE(t.dialogs.messages().isEmpty());
        }
    }
}

TEST_F(DataStoreTest, FindRNumPosIgnoresCase) {
    open({Person("0001", "Ann", "Able")});
    viewAll();
    app.view.ReportIndex.append("ab12XXXXXXX   1");
    app.view.ReportCount = 2;
    app.crusade.CurRecord.RNum = "AB12";
    EXPECT_EQ(FindRNumPos(app), 2);
    app.crusade.CurRecord.RNum = "0009";
    EXPECT_EQ(FindRNumPos(app), 0);
}

TEST(ClearRecord, BlanksForANewEntry) {
    AttendeeRecord r = Person("0001", "Ann", "Able");
    r.Email = "a@b.c";
    r.MarkToVisit = 1;
    r.CardPrinted = -1;
    ClearRecord(r);
    EXPECT_TRUE(r.LName.isBlank());
    EXPECT_EQ(r.Advertising.bytes(), Fixed(QByteArray("......."), 20));
    EXPECT_EQ(r.WorkerCode.bytes(), QByteArray("00"));
    EXPECT_EQ(r.Decisions.bytes(), QByteArray("---------   "));
    EXPECT_EQ(r.MarkToVisit, 0);
    EXPECT_EQ(r.CardPrinted, 0);
    EXPECT_EQ(r.Last, 1);  // kept
    EXPECT_EQ(r.Email.trimmed(), QByteArray("a@b.c"));
}

TEST(HasBaptismDate, MidnightMeansNone) {
    EXPECT_FALSE(HasBaptismDate("12:00AM "));
    EXPECT_FALSE(HasBaptismDate("        "));
    EXPECT_TRUE(HasBaptismDate("05/23/09"));
}

}  // namespace

#include "FakePlatform.h"
#include "FakeScreen.h"
#include "RecordBuilder.h"
#include "ViewFixture.h"
#include "data/DataStore.h"
#include "data/FileUtil.h"
#include "data/FixFiles.h"
#include "data/RecordFile.h"
#include "data/SideFiles.h"
#include "data/Text.h"
#include "platform/ErrorNumbers.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace fennick;
using namespace fennick::test;

namespace {

// A record left behind by an abandoned new entry: no names, no address.
Rec EmptyEntry(const char* rnum) {
    return Rec(rnum, "", "Unknown").address("");
}

struct FixFilesTest : ::testing::Test {
    std::unique_ptr<ViewFixture> fx;
    App* app = nullptr;

    void open(const QList<AttendeeRecord>& records) {
        fx = std::make_unique<ViewFixture>(records, 1, 0);
        app = &fx->app;
        app->settings.ReservedDirection = QStringLiteral("DOWN");
        app->settings.ReservedNumber = 9000;
        const char* codes = "CSBRPFTMU";
        for (int j = 1; j <= 9; ++j) app->settings.DecisionCodes[size_t(j)] = QString(QLatin1Char(codes[j - 1]));
        for (int d = 0; d <= 7; ++d) app->settings.AgeGroupNames[size_t(d)] = QStringLiteral("Age%1").arg(d);
    }
    AttendeeRecord record(qint32 n) { return ReadRecord(*app, n); }
    QString memPath() const { return SideFileName(app->program.DataFile, QStringLiteral("mem")); }
    FakeDialogs& dialogs() { return fx->t.dialogs; }
};

TEST_F(FixFilesTest, EmptyAutomaticEntriesAreDeletedAtBothEndsOfTheIssuedRange) {
    struct Case {
        const char* direction;
        QList<QByteArray> deleted;  // numbers of the entries that end deleted
    };
    for (const Case& c : {Case{"DOWN", {"5000", "5001"}}, Case{"UP", {"4999", "5000"}}, Case{"SIDEWAYS", {}}}) {
        open({EmptyEntry("4999"), EmptyEntry("5000"), EmptyEntry("5001"), Rec("5002", "Ann", "Unknown").address(""),
              Rec("5003", "", "Unknown"), EmptyEntry("50x3")});
        app->settings.ReservedDirection = QLatin1String(c.direction);
        app->settings.ReservedNumber = 5000;
        ASSERT_TRUE(FixFiles(*app));
        for (qint32 n = 1; n <= 6; ++n) {
            const AttendeeRecord r = record(n);
            EXPECT_EQ(r.isDeleted(), c.deleted.contains(r.RNum.bytes())) << c.direction << " " << r.RNum.bytes().data();
            // A record just marked deleted gets no entry of the view.
            EXPECT_EQ(fx->rnums().contains(r.RNum.bytes()), !r.isDeleted()) << c.direction;
        }
        EXPECT_EQ(app->view.ReportCount, 6 - c.deleted.size());
    }
}

TEST_F(FixFilesTest, AttendanceTeamAgeAndDecisionsAreRepaired) {
    open({Rec("0001", "Ann", "Able").nights("1234567"),
          Rec("0002", "Bob", "Baker").with([](AttendeeRecord& r) { r.Attendance = ""; }).attend("9").last(9),
          Rec("0003", "Cy", "Cole").with([](AttendeeRecord& r) { r.Attendance = " 2 4"; }).last(30),
          Rec("0004", "Di", "Dunn").nights("").last(12).attend("3"),
          Rec("0005", "Ed", "Eng").team("45").age("25 to 34 yrs").decisions(" S-------"),
          Rec("0006", "Flo", "Fay").team("AB").age("Unknown").decisions("XS BR-----YZ"),
          Rec("0007", "Gus", "Gray").team("07").age("70+").decisions("CSBRPFTMU"),
          Rec("0008", "Hal", "Hu").team("").age("85 and over"),
          Rec("0009", "Ivy", "Ito").age("").decisions("c--------"), Rec("0010", "Jo", "Jay").age("Adult women"),
          Rec("0011", "Kit", "Kay").deleted().nights("").age("Unknown").decisions("  X------")});
    ASSERT_TRUE(FixFiles(*app));

    struct Expect {
        qint32 n;
        const char* attendance;  // first 10 nights
        const char* attend;
        qint16 last;
        const char* team;
        const char* age;
        const char* decisions;
    };
    const Expect expected[] = {
        {1, "1234567---", "7 ", 7, "00", "30-39", "---------   "},
        // An empty string gets the last meeting so far (night 7) marked.
        {2, "------7---", "1 ", 7, "00", "30-39", "---------   "},
        // A leading blank shifts nothing: nights 2 and 4 stay where they were.
        {3, "-2-4------", "2 ", 4, "00", "30-39", "---------   "},
        // No night marked: Last 0, not the previous record's value.
        {4, "----------", "0 ", 0, "00", "30-39", "---------   "},
        {5, "1---------", "1 ", 1, "00", "Age2", "-S-------   "},
        {6, "1---------", "1 ", 1, "00", "NIF", "CS-RP----   "},
        {7, "1---------", "1 ", 1, "07", "70+", "CSBRPFTMU   "},
        {8, "1---------", "1 ", 1, "00", "85 and ove", "---------   "},
        {9, "1---------", "1 ", 1, "00", "NIF", "C--------   "},
        {10, "1---------", "1 ", 1, "00", "Adult wome", "---------   "},
        // A deleted record has its decisions repaired and nothing else.
        {11, "----------", "0 ", 0, "##", "Unknown", "--B------   "},
    };
    for (const Expect& e : expected) {
        const AttendeeRecord r = record(e.n);
        EXPECT_EQ(Left(r.Attendance.bytes(), 10), QByteArray(e.attendance)) << e.n;
        EXPECT_EQ(Mid(r.Attendance.bytes(), 11), QByteArray(30, '-')) << e.n;
        EXPECT_EQ(r.Attend.bytes(), QByteArray(e.attend)) << e.n;
        EXPECT_EQ(r.Last, e.last) << e.n;
        EXPECT_EQ(r.WorkerCode.bytes(), QByteArray(e.team)) << e.n;
        EXPECT_EQ(r.Age.trimmed(), QByteArray(e.age)) << e.n;
        EXPECT_EQ(r.Decisions.bytes(), QByteArray(e.decisions)) << e.n;
    }
    EXPECT_EQ(app->settings.LastMeeting, 7);
}

TEST_F(FixFilesTest, ViewIsTheSortedAlphabeticalViewOfTheLiveRecords) {
    open({Rec("0003", "Zoe", "Young"), Rec("0001", "Al", "Adams").deleted(), Rec("0002", "Bea", "Brown")});
    app->view.MarkedIndexPos = 3;
    app->mainWindow.PrevIndexPos = 3;
    ASSERT_TRUE(FixFiles(*app));
    EXPECT_EQ(fx->entries(), (QList<QByteArray>{"0002BROWNBE   3", "0003YOUNGZO   1"}));
    EXPECT_EQ(app->view.ReportIndex[0], QByteArray("alpha"));
    EXPECT_EQ(app->view.ReportKind, QStringLiteral("alpha"));
    EXPECT_EQ(app->view.CurIndexPos, 1);
    // Positions remembered in the old view are forgotten.
    EXPECT_EQ(app->view.MarkedIndexPos, 0);
    EXPECT_EQ(app->mainWindow.PrevIndexPos, 1);
}

TEST_F(FixFilesTest, MasterFileIsRenumberedInFileOrder) {
    open({Rec("0500", "Ann", "Able"), Rec("0777", "Del", "Dee").deleted(), Rec("0300", "Bob", "Baker"),
          Rec("0500", "Cy", "Cole")});
    app->settings.CrusadeName = QStringLiteral("Master");
    ASSERT_TRUE(FixFiles(*app));
    const QList<QByteArray> numbers = {"0001", "0777", "0002", "0003"};
    for (qint32 n = 1; n <= 4; ++n) EXPECT_EQ(record(n).RNum.bytes(), numbers[n - 1]) << n;
    EXPECT_EQ(fx->rnums(), (QList<QByteArray>{"0001", "0002", "0003"}));

    // Any other crusade name keeps the numbers.
    open({Rec("0500", "Ann", "Able")});
    app->settings.CrusadeName = QStringLiteral("master");
    ASSERT_TRUE(FixFiles(*app));
    EXPECT_EQ(record(1).RNum.bytes(), QByteArray("0500"));
}

TEST_F(FixFilesTest, ClearFlagClearsEveryCardMarkOnce) {
    const QList<AttendeeRecord> records = {Rec("0001", "Ann", "Able").card(-1),
                                           Rec("0002", "Bob", "Baker").card(-1).deleted()};
    for (const bool flag : {false, true}) {
        open(records);
        app->msg.ScratchVar = flag ? QStringLiteral("ClearFlag") : QStringLiteral("clearflag");
        ASSERT_TRUE(FixFiles(*app));
        for (qint32 n = 1; n <= 2; ++n) EXPECT_EQ(record(n).CardPrinted, flag ? 0 : -1) << flag << n;
        EXPECT_EQ(app->msg.ScratchVar.isEmpty(), flag);
    }
}

TEST_F(FixFilesTest, EachDuplicatedNumberIsReportedOnce) {
    const QList<AttendeeRecord> records = {Rec("0012", "Ann", "Able"), Rec("0013", "Bob", "Baker"),
                                           Rec("0012", "Cy", "Cole"),  Rec("0014", "Di", "Dunn"),
                                           Rec("0013", "Ed", "Eng"),   Rec("0013", "Flo", "Fay")};
    const auto text = [](const char* n) {
        return QStringLiteral(
                   "The following record is duplicated: %1\r\nYou should manually remove one of these "
                   "records after 'Fix Files' is completed.")
            .arg(QLatin1String(n));
    };
    struct Case {
        QList<int> answers;
        QStringList shown;
        QString lastAnswer;
    };
    for (const Case& c : {Case{{AnsOK, AnsOK}, {text("0012"), text("0013")}, QStringLiteral("1")},
                          Case{{AnsCancel}, {text("0012")}, QStringLiteral("2")}}) {
        open(records);
        for (const int a : c.answers) dialogs().answer(a);
        ASSERT_TRUE(FixFiles(*app));
        EXPECT_EQ(dialogs().messages(), c.shown);
        EXPECT_EQ(dialogs().last().buttons, Buttons::OKCancel);
        EXPECT_EQ(app->msg.MsgAnswer, c.lastAnswer);
        // Nothing is changed in the file: every record keeps its number and its entry.
        EXPECT_EQ(app->view.ReportCount, 6);
    }
}

TEST_F(FixFilesTest, MemberListDuplicatesAreOfferedForRemoval) {
    const QByteArray first = "0012Smith          John           ";
    const QByteArray other = "0013Jones          Mary           ";
    const QByteArray second = "0012Smythe         Jon            ";
    struct Case {
        int answer;
        QList<QByteArray> kept;
    };
    for (const Case& c : {Case{AnsYes, {first, other}}, Case{AnsNo, {first, other, second}}}) {
        open({Rec("0001", "Ann", "Able")});
        app->crusade.FileIsOpen = true;
        app->crusade.MemberNames = {QByteArray(), first, other, second};
        app->crusade.MemberCount = 3;
        dialogs().answer(c.answer);
        ASSERT_TRUE(FixFiles(*app));

        ASSERT_EQ(dialogs().shown().size(), 1u);
        const auto& q = dialogs().last();
        EXPECT_EQ(q.title, QStringLiteral("Duplicate Chruch member Name"));
        EXPECT_EQ(q.buttons, Buttons::YesNo);
        EXPECT_EQ(q.icon, Icon::Question);
        EXPECT_EQ(q.text, QStringLiteral("The following number is in the SDA Member file two times:\r\n\r\n") +
                              FromAnsi(second) + QStringLiteral("\r\n") + FromAnsi(first) +
                              QStringLiteral("\r\n\r\nDo you want to remove ") + FromAnsi(second) +
                              QStringLiteral("?"));
        EXPECT_EQ(app->crusade.MemberCount, c.kept.size());
        EXPECT_EQ(app->crusade.MemberNames.mid(1), c.kept);
        QByteArray file;
        for (const QByteArray& line : c.kept) file += line + "\r\n";
        EXPECT_EQ(ReadFileBytes(memPath()), file);
    }
}

TEST_F(FixFilesTest, AMemberListSaveThatFailsLeavesTheListInMemoryForTheClose) {
    const QList<QByteArray> list = {"0012Smith          John           ", "0013Jones          Mary           "};
    const QByteArray file = list.join("\r\n") + "\r\n";
    struct Case {
        const char* what;
        std::function<void(FakeFiles&)> plan;
    } const cases[] = {
        {"the save fails", [](FakeFiles& f) { f.failAt(1, err::DiskFull, FakeFiles::Op::Save); }},
        {"the save leaves an empty file unnoticed", [](FakeFiles& f) { f.emptyAt(1); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        open({Rec("0001", "Ann", "Able")});
        app->crusade.FileIsOpen = true;
        app->crusade.MemberNames = QList<QByteArray>{QByteArray()} + list;
        app->crusade.MemberCount = 2;
        WriteFileBytes(memPath(), file);
        c.plan(fx->t.files);

        EXPECT_FALSE(FixFiles(*app));
        ASSERT_EQ(dialogs().messages().size(), 1);
        EXPECT_TRUE(dialogs().messages()[0].contains(memPath())) << dialogs().messages()[0].toStdString();
        EXPECT_EQ(app->crusade.MemberCount, 2);
        EXPECT_EQ(app->crusade.MemberNames.mid(1), list);
        // The close writes the list it still holds.
        SaveMembers(*app);
        EXPECT_EQ(ReadFileBytes(memPath()), file);
    }
}

TEST_F(FixFilesTest, ShowsTheFirstRecordAndReturnsToAllNamesWhenACrusadeIsLoaded) {
    open({Rec("0002", "Bea", "Brown"), Rec("0001", "Al", "Adams")});
    FakeScreen screen;
    int showAll = 0;
    app->hooks.editForm = &screen;
    app->hooks.showAll = [&] {
        ++showAll;
        EXPECT_FALSE(screen.isVisible(QStringLiteral("ShowAll")));
    };
    app->crusade.FileIsOpen = false;
    ASSERT_TRUE(FixFiles(*app));
    EXPECT_EQ(showAll, 0);
    app->crusade.FileIsOpen = true;
    ASSERT_TRUE(FixFiles(*app));
    EXPECT_EQ(showAll, 1);
    EXPECT_EQ(screen.text(QStringLiteral("LName")), QStringLiteral("Adams"));
}

TEST_F(FixFilesTest, ReadFailurePartWayIsReportedAndLeavesAConsistentView) {
    open({Rec("0003", "Cy", "Cole"), Rec("0001", "Al", "Adams"), Rec("0002", "Bea", "Brown").card(-1)});
    app->crusade.FileIsOpen = true;
    app->crusade.MemberNames = {QByteArray(), "0012Smith          John           "};
    app->crusade.MemberCount = 1;
    // The file loses its last record after it was opened.
    QFile::resize(app->program.DataFile, 2 * AttendeeRecord::Size + 100);
    app->msg.ScratchVar = QStringLiteral("ClearFlag");
    app->settings.LastMeeting = 12;

    EXPECT_FALSE(FixFiles(*app));
    EXPECT_EQ(app->settings.LastMeeting, 12);  // not lowered to the records read before the failure
    ASSERT_EQ(dialogs().messages().size(), 1);
    EXPECT_TRUE(dialogs().messages()[0].startsWith(QStringLiteral("Error #  62 was generated by")));
    EXPECT_EQ(fx->entries(), (QList<QByteArray>{"0001ADAMSAL   2", "0003COLE CY   1"}));
    EXPECT_EQ(app->view.CurIndexPos, 1);
    EXPECT_FALSE(app->crusade.file.isLocked());
    // The member list was not touched.
    EXPECT_EQ(app->crusade.MemberCount, 1);
    EXPECT_FALSE(QFile::exists(memPath()));
}

TEST_F(FixFilesTest, LockHeldByAnotherProgramIsTriedABoundedTimeAndReported) {
    open({Rec("0001", "Ann", "Able").team("45")});
    const QByteArray before = ReadFileBytes(app->program.DataFile);
    RecordFile other;
    other.open(app->program.DataFile, AttendeeRecord::Size, false);
    ASSERT_TRUE(other.tryLock());
    app->settings.LastMeeting = 12;

    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(FixFiles(*app));
    const qint64 waited = clock.elapsed();
    EXPECT_GE(waited, (kFixAttempts - 1) * kFixRetryPauseMs);
    EXPECT_LT(waited, (kFixAttempts + 4) * kFixRetryPauseMs);
    ASSERT_EQ(dialogs().messages().size(), 1);
    EXPECT_TRUE(dialogs().messages()[0].contains(QStringLiteral("in use by another program")));
    EXPECT_EQ(ReadFileBytes(app->program.DataFile), before);
    EXPECT_EQ(app->view.ReportCount, 0);
    EXPECT_EQ(app->settings.LastMeeting, 12);

    // Once the other program lets go the pass runs, and releases the lock afterwards.
    other.unlock();
    EXPECT_TRUE(FixFiles(*app));
    EXPECT_EQ(record(1).WorkerCode.bytes(), QByteArray("00"));
    EXPECT_FALSE(app->crusade.file.isLocked());
    EXPECT_TRUE(other.tryLock());
}

}  // namespace

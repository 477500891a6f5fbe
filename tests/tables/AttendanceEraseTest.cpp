// Lowering the last meeting in the preferences: the erase pass over a data file on disk,
// compared byte for byte with the records it must leave.

#include "CrusadeOnDisk.h"
#include "RecordBuilder.h"
#include "data/BulkWrite.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "tables/AttendanceErase.h"
#include "tables/Preferences.h"

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

AttendeeRecord Attended(const char* rnum, const char* first, const char* last, const char* nights, const char* count,
                        qint16 lastNight, bool deleted = false) {
    AttendeeRecord r = Person(rnum, first, last);
    r.Attendance = QByteArray(nights).leftJustified(40, '-');
    r.Attend = count;
    r.Last = lastNight;
    if (deleted) r.WorkerCode = "##";
    return r;
}

struct Erase : ::testing::Test {
    TestApp t;
    App& app = t.app;
    QString dataFile;

    void open(const QList<AttendeeRecord>& records, qint16 lastMeeting) {
        CrusadeSpec s;
        s.records = records;
        s.lastMeeting = lastMeeting;
        dataFile = WriteCrusade(t, t.path(QStringLiteral("data")), QStringLiteral("spring"), s);
        ASSERT_TRUE(OpenCrusade(app, dataFile));
        t.dialogs.clear();
    }
    void expectFile(const QList<AttendeeRecord>& records) {
        QByteArray bytes;
        for (const AttendeeRecord& r : records) bytes += r.encode();
        EXPECT_EQ(ReadFileBytes(dataFile), bytes);
    }
};

// Loaded 10, box 6, Yes: nights 7..40 go in every record; the one who came only after
// night 6 is marked at night 6 with one message after the pass.
TEST_F(Erase, LoweringTenToSixErasesTheLaterNightsOfEveryRecord) {
    open({Attended("0001", "Ann", "Able", "1234567890", "10", 10),
          Attended("0002", " Bob ", "Baker", "------7890", "4", 10),
          Attended("0003", "Cy", "Cole", " 2-4-6-8-0", "5", 10),  // begins with a blank: absent
          Attended("0004", "Di", "Dunn", "", "0", 0),              // never attended
          Attended("0005", "Ed", "Eck", "-----67890", "5", 10, true),
          Attended("0006", "Flo", "Fry", "------7---", "1", 7, true)},
         10);
    PreferencesForm form;
    frmTab_Load(app, form);
    form.LastMeetingBox = QStringLiteral("6");
    MarkChange(form, QStringLiteral("LastMeetingBox"));
    t.dialogs.answer(AnsYes);
    ASSERT_TRUE(btnSave_Click(app, form));

    ASSERT_EQ(t.dialogs.shown().size(), 2u);
    EXPECT_EQ(t.dialogs.shown()[0].title, QStringLiteral("Erase Attendance After Meeting 6"));
    EXPECT_EQ(t.dialogs.shown()[0].icon, Icon::Critical);
    EXPECT_EQ(t.dialogs.shown()[1].text,
              QStringLiteral("0002 Bob Baker\r\nHad not attended before meeting number 10\r\nThis record has been "
                             "adjusted to show  attendance for meeting number: 6\r\n\r\nYou may want to make a note "
                             "of the number and edit this record manually or delete it."));
    EXPECT_EQ(app.settings.LastMeeting, 6);

    AttendeeRecord bob = Attended("0002", "Bob", "Baker", "-----6", "1", 6);
    expectFile({Attended("0001", "Ann", "Able", "123456", "6", 6), bob, Attended("0003", "Cy", "Cole", "-2-4-6", "3", 6),
                Attended("0004", "Di", "Dunn", "", "0", 0), Attended("0005", "Ed", "Eck", "-----6", "1", 6, true),
                Attended("0006", "Flo", "Fry", "", "0", 0, true)});
}

// Loaded 12, box 10: one who came only on night 11 is marked "0" at night 10.
TEST_F(Erase, LoweringTwelveToTenMarksNightTenWithItsLastDigit) {
    open({Attended("0001", "Gil", "Gray", "----------1", "1", 11), Attended("0002", "Hal", "Hart", "1", "1", 1)}, 12);
    BulkWrite writes(app, QStringLiteral("Erasing"), kSourceFennick95);
    const QList<AdjustedRecord> adjusted = EraseAttendanceAfter(app, 10, writes);
    ASSERT_EQ(adjusted.size(), 1);
    EXPECT_EQ(adjusted.front().RNum, QByteArray("0001"));
    expectFile({Attended("0001", "Gil", "Gray", "---------0", "1", 10), Attended("0002", "Hal", "Hart", "1", "1", 1)});
}

// No to the erase question erases nothing and keeps the dialog open on the box.
TEST_F(Erase, NoToTheEraseQuestionLeavesTheFile) {
    open({Attended("0001", "Ann", "Able", "1234567890", "10", 10)}, 10);
    const QByteArray before = ReadFileBytes(dataFile);
    PreferencesForm form;
    frmTab_Load(app, form);
    form.LastMeetingBox = QStringLiteral("3");
    MarkChange(form, QStringLiteral("LastMeetingBox"));
    t.dialogs.answer(AnsNo);
    EXPECT_FALSE(btnSave_Click(app, form));
    EXPECT_EQ(ReadFileBytes(dataFile), before);
    EXPECT_EQ(app.settings.LastMeeting, 10);
    EXPECT_EQ(form.LastMeetingBox, QStringLiteral("10"));
}

}  // namespace

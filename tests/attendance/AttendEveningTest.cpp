// One evening at the registration desk on the shared fixture crusade, through the
// screen's procedures: numbers, names, a member of the church, a repeat, video, a
// decision code with tonight's decisions, a correction on the spot, stepping through
// names, an undo, a global search that restores a deleted record and a move to the member
// list. The data file and the member list end as the golden files.

#include "AttendFixture.h"
#include "RecordBuilder.h"
#include "attendance/AttendCommands.h"
#include "attendance/AttendRecord.h"
#include "data/SideFiles.h"
#include "platform/Dialogs.h"

using namespace fennick;
using namespace fennick::test;

namespace {

QByteArray Golden(const char* name) {
    return ReadFileBytes(QStringLiteral(FENNICK_TEST_DATA "/") + QLatin1String(name));
}

class AttendEveningTest : public AttendFixture {};

TEST_F(AttendEveningTest, AnEveningEndsAsTheGoldenFiles) {
    open(FixtureRecords(), {MemberEntry("0301", "Baker", "Ruth"), MemberEntry("0302", "Smithson", "Carl")});
    EXPECT_EQ(app->settings.LastMeeting, 13);
    EXPECT_EQ(text("MtgNum"), QStringLiteral("13"));
    EXPECT_FALSE(main.windowVisible);
    QStringList seen;

    enter("0101");  // John Smith
    seen << outcome();
    enter("10102");  // five digits: the last four, Mary Johnson
    seen << outcome();
    dialogs().answer(AnsNo).answer(AnsYes);  // Mary Johnson no, Maria Johnsonville yes
    enter("johns");
    seen << outcome();
    EXPECT_EQ(dialogs().shown()[0].text, QStringLiteral("Is this the Correct Name?\r\n\r\n0102   Mary Johnson\r\n"
                                                        "40 Elm St, Springfield"));
    EXPECT_EQ(dialogs().shown()[0].title, QStringLiteral("Searching for Last Name"));
    dialogs().answer(AnsCancel);  // Sam Green offered, cancelled
    enter("gre");
    seen << outcome();
    enter("Zed");  // nobody, and no member
    seen << outcome();
    enter("baker");  // a church member
    seen << outcome();
    enter("0101");  // a repeat
    seen << outcome();

    screen.setValue(QStringLiteral("optVid(1)"), 1);
    enter("0113");  // Bob Hill watched on video
    seen << outcome();

    // Accept Christ as tonight's mark, Accept Christ and Baptism as tonight's decisions.
    attendf::DecA_Click(*app, st, screen, 0);
    screen.setValue(QStringLiteral("ED(0)"), 1);
    screen.setValue(QStringLiteral("ED(4)"), 1);
    enter("0120");  // Liz Young: the code, not "V"
    seen << outcome();
    EXPECT_EQ(text("LName"), QStringLiteral("Young"));

    // A correction on the spot is stored by the next entry.
    type("Notes", "Wants a Bible");
    type("Phone", "555-7788");
    attendf::DecA_MouseDown(*app, st, screen, 0);
    attendf::DecA_Click(*app, st, screen, 0);
    EXPECT_EQ(st.DecAtt, QStringLiteral("-"));
    screen.setValue(QStringLiteral("optVid(0)"), 1);
    screen.setValue(QStringLiteral("optVid(1)"), 0);
    enter("0117");  // Ray Ortiz, by mistake
    seen << outcome();

    // Undo: the mark goes; of tonight's two decisions the first is taken back.
    dialogs().answer(AnsYes).answer(AnsNo);
    attendf::Undo_Click(*app, st, screen);
    seen << outcome();
    screen.setValue(QStringLiteral("ED(0)"), 0);
    screen.setValue(QStringLiteral("ED(4)"), 0);

    attendf::NextRecord_Button_Click(*app, st, screen);
    EXPECT_EQ(text("LName"), QStringLiteral("Price"));
    attendf::PreviousRecord_Click(*app, st, screen);
    EXPECT_EQ(text("LName"), QStringLiteral("Ortiz"));

    // The global search finds a deleted record, restores it and marks it.
    dialogs().type(QStringLiteral("gone")).answer(AnsYes).answer(AnsYes);
    attendf::btnGlobal_Click(*app, st, screen);
    seen << outcome();
    EXPECT_EQ(text("WorkerCode"), QStringLiteral("00"));

    enter("0108");  // Zoe Adams, then moved to the member list
    seen << outcome();
    dialogs().answer(AnsYes);
    attendf::MoveToSDA_Click(*app, st, screen);
    EXPECT_EQ(text("LName"), QStringLiteral("Brown"));
    EXPECT_EQ(text("FName"), QStringLiteral("Tim"));
    EXPECT_EQ(screen.focused(), QStringLiteral("SearchBox"));

    bool close = false;
    EXPECT_TRUE(attendf::SearchBox_KeyPress(*app, st, screen, 27, &close));
    EXPECT_TRUE(close);
    attendf::Form_Unload(*app, st);
    EXPECT_TRUE(main.windowVisible);
    EXPECT_FALSE(dialogs().pending());

    EXPECT_EQ(seen, QStringList({
                        "||1",
                        "||2",
                        "||3",
                        "||3",
                        "?|ZED Not in file|3",
                        "SDA|0301 R. Baker          |3",
                        "E||3",
                        "||4",
                        "||5",
                        "||6",
                        "||5",
                        "||6",
                        "||7",
                    }));
    EXPECT_EQ(played("chimes.wav"), 1);
    EXPECT_EQ(played("S02.wav"), 1);  // the one "clunk": nobody found

    const QByteArray data = ReadFileBytes(app->program.DataFile);
    const QString mem = app->program.DataFile.chopped(3) + QStringLiteral("mem");
    EXPECT_TRUE(data == Golden("evening.dta"));
    EXPECT_EQ(ReadFileBytes(mem), Golden("evening.mem"));
}

}  // namespace

// The attendance screen's own box rules, options and moves, one case each on the fixture
// crusade with the screen open for night 13 on Zoe Adams (the first name of the view).

#include "AttendFixture.h"
#include "attendance/AttendCommands.h"
#include "attendance/AttendRecord.h"
#include "platform/Dialogs.h"

#include <functional>

using namespace fennick;
using namespace fennick::test;

namespace {

struct RuleCase {
    const char* name;
    std::function<void(AttendFixture&)> run;
};

void PrintTo(const RuleCase& c, std::ostream* os) {
    *os << c.name;
}

class AttendScreenRulesTest : public AttendFixture, public ::testing::WithParamInterface<RuleCase> {
protected:
    void SetUp() override { open(); }
};

TEST_P(AttendScreenRulesTest, Holds) {
    ASSERT_EQ(text("LName"), QStringLiteral("Adams"));
    GetParam().run(*this);
    EXPECT_FALSE(dialogs().pending());
}

const RuleCase kRules[] = {
    {"the baptized box sets G and today's date, and clearing it asks for the level",
     [](AttendFixture& f) {
         f.screen.setValue(QStringLiteral("Baptized"), 1);
         attendf::Baptized_Click(*f.app, f.screen);
         EXPECT_EQ(f.text("IntLevel"), QStringLiteral("G"));
         EXPECT_EQ(f.text("BaptDate"), QStringLiteral("03/09/26"));
         f.screen.setValue(QStringLiteral("Baptized"), 0);
         attendf::Baptized_Click(*f.app, f.screen);
         EXPECT_EQ(f.text("IntLevel"), QString());
         EXPECT_EQ(f.screen.focused(), QStringLiteral("IntLevel"));
         EXPECT_EQ(f.dialogs().messages(),
                   QStringList{QStringLiteral("Please Enter the Correct Interest Level and Baptismal Date.")});
     }},
    {"the baptism date steps by a day and Esc gives back the date shown",
     [](AttendFixture& f) {
         f.type("BaptDate", "2/28/99");
         EXPECT_TRUE(attendf::BaptDate_KeyDown(*f.app, f.screen, attendf::kKeyPlus));
         EXPECT_EQ(f.text("BaptDate"), QStringLiteral("03/01/99"));
         EXPECT_TRUE(attendf::BaptDate_KeyDown(*f.app, f.screen, attendf::kKeyMinus));
         EXPECT_EQ(f.text("BaptDate"), QStringLiteral("02/28/99"));
         f.type("BaptDate", "soon");
         EXPECT_TRUE(attendf::BaptDate_KeyDown(*f.app, f.screen, attendf::kKeyPlusSign));
         EXPECT_EQ(f.text("BaptDate"), QStringLiteral("soon"));
         EXPECT_TRUE(attendf::BaptDate_KeyDown(*f.app, f.screen, attendf::kKeyEscape));
         EXPECT_EQ(f.text("BaptDate"), QString());
         EXPECT_FALSE(attendf::BaptDate_KeyDown(*f.app, f.screen, 'X'));
     }},
    {"the notes caution comes once per entry",
     [](AttendFixture& f) {
         attendf::Notes_MouseDown(*f.app, f.st);
         attendf::Notes_MouseDown(*f.app, f.st);
         ASSERT_EQ(f.dialogs().shown().size(), 1u);
         EXPECT_EQ(f.dialogs().last().title, QStringLiteral("Note Box Caution!"));
         f.enter("0101");
         attendf::Notes_MouseDown(*f.app, f.st);
         EXPECT_EQ(f.dialogs().shown().size(), 2u);
     }},
    {"the moves save first and clunk at either end",
     [](AttendFixture& f) {
         f.type("Notes", "Saved by the move");
         attendf::PreviousRecord_Click(*f.app, f.st, f.screen);
         EXPECT_EQ(f.text("LName"), QStringLiteral("Adams"));
         EXPECT_EQ(f.onDisk(8).Notes.trimmed(), QByteArray("Saved by the move"));
         attendf::LastRecordButton_Click(*f.app, f.st, f.screen);
         EXPECT_EQ(f.text("LName"), QStringLiteral("\u00C1lvarez"));
         EXPECT_EQ(f.text("RecordCounter"), QStringLiteral("19 of 19"));
         attendf::NextRecord_Button_Click(*f.app, f.st, f.screen);
         attendf::FirstRecordButton_Click(*f.app, f.st, f.screen);
         EXPECT_EQ(f.text("LName"), QStringLiteral("Adams"));
         EXPECT_EQ(f.played("S02.wav"), 2);
         EXPECT_EQ(f.screen.focused(), QStringLiteral("SearchBox"));
     }},
    {"a save re-keys the entry in the alphabetical layout and leaves it in place",
     [](AttendFixture& f) {
         f.type("LName", "Zimmer");
         f.type("FName", "Zoey");
         EXPECT_TRUE(attendf::SaveRecord(*f.app, f.st, f.screen));
         EXPECT_EQ(f.app->view.ReportIndex[1], QByteArray("0108ZIMMEZO   8"));
         EXPECT_EQ(f.onDisk(8).LName.trimmed(), QByteArray("Zimmer"));
     }},
    {"a second click on the chosen decision code takes it off",
     [](AttendFixture& f) {
         attendf::DecA_MouseDown(*f.app, f.st, f.screen, 2);
         attendf::DecA_Click(*f.app, f.st, f.screen, 2);
         EXPECT_EQ(f.st.DecAtt, QStringLiteral("K"));
         EXPECT_EQ(f.screen.value(QStringLiteral("DecA(2)")), 1);
         EXPECT_EQ(f.text("lblDecInAtt"),
                   QStringLiteral("Keep Sabbath will be entered as 'K' into the Attendance Record.\r\n"
                                  "For Example: ---K---"));
         attendf::DecA_MouseDown(*f.app, f.st, f.screen, 2);
         attendf::DecA_Click(*f.app, f.st, f.screen, 2);
         EXPECT_EQ(f.st.DecAtt, QStringLiteral("-"));
         EXPECT_EQ(f.screen.value(QStringLiteral("DecA(2)")), 0);
         // Leaving the meeting number takes a chosen code off too.
         attendf::DecA_Click(*f.app, f.st, f.screen, 0);
         attendf::MtgNum_LostFocus(*f.app, f.st, f.screen);
         EXPECT_EQ(f.st.DecAtt, QStringLiteral("-"));
     }},
    {"the arrows stay within 1 and 40 and leave the last meeting to the night marked",
     [](AttendFixture& f) {
         f.type("MtgNum", "40");
         attendf::btnVscrollUp_Click(*f.app, f.st, f.screen);
         EXPECT_EQ(f.text("MtgNum"), QStringLiteral("40"));
         EXPECT_EQ(f.app->settings.LastMeeting, 13);
         f.type("MtgNum", "1");
         attendf::btnVScrollDn_Click(*f.app, f.st, f.screen);
         EXPECT_EQ(f.text("MtgNum"), QStringLiteral("1"));
         EXPECT_EQ(f.dialogs().messages(),
                   QStringList(2, QStringLiteral("You have just changed the meeting number\r\n"
                                                 "Check that the Live or Video option is correct.")));
         f.type("MtgNum", "14");
         attendf::btnVscrollUp_Click(*f.app, f.st, f.screen);
         attendf::Undo_Click(*f.app, f.st, f.screen);  // nothing to undo on night 15
         EXPECT_EQ(f.app->settings.LastMeeting, 13);
         f.enter("0101");
         EXPECT_EQ(f.onDisk(1).Attendance.bytes().mid(12, 3), QByteArray("--5"));
         EXPECT_EQ(f.app->settings.LastMeeting, 15);
         attendf::Form_Unload(*f.app, f.st);
         EXPECT_EQ(f.app->settings.LastMeeting, 15);
     }},
};

INSTANTIATE_TEST_SUITE_P(Rules, AttendScreenRulesTest, ::testing::ValuesIn(kRules),
                         [](const ::testing::TestParamInfo<RuleCase>& info) { return CaseName(info.param.name); });

}  // namespace

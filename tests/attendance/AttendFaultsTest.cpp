// The attendance screen's sound behaviour where a careless reading would lose or corrupt
// data: one case per fault, each on a fresh crusade.

#include "AttendFixture.h"
#include "RecordBuilder.h"
#include "attendance/AttendCommands.h"
#include "attendance/AttendRecord.h"
#include "platform/Dialogs.h"

#include <functional>

using namespace fennick;
using namespace fennick::test;

namespace {

const QString kInvalidNight =
    QStringLiteral("The Meeting number you entered is invalid.\r\nYou must select a Meeting Number between 1 and 40");

struct FaultCase {
    const char* name;
    std::function<void(AttendFixture&)> run;
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

class AttendFaultsTest : public AttendFixture, public ::testing::WithParamInterface<FaultCase> {
protected:
    // The shared fixture crusade, the screen open for night 13; a case may open another.
    void SetUp() override { open(); }
};

TEST_P(AttendFaultsTest, Holds) {
    GetParam().run(*this);
    EXPECT_FALSE(dialogs().pending());
}

const FaultCase kFaults[] = {
    {"the meeting number is a whole night 1..40 or is refused",
     [](AttendFixture& f) {
         for (const char* typed : {"41", "0", "2.5", "abc", "-3"}) {
             f.type("MtgNum", typed);
             EXPECT_FALSE(attendf::MtgNum_LostFocus(*f.app, f.st, f.screen)) << typed;
             EXPECT_EQ(f.text("MtgNum"), QStringLiteral("13")) << typed;
         }
         EXPECT_EQ(f.dialogs().messages(), QStringList(5, kInvalidNight));
         EXPECT_EQ(f.app->settings.LastMeeting, 13);
         // A number typed and never left marks nobody either.
         const AttendeeRecord before = f.onDisk(1);
         f.type("MtgNum", "45");
         f.enter("0101");
         EXPECT_TRUE(f.onDisk(1) == before);
         EXPECT_EQ(f.text("MtgNum"), QStringLiteral("13"));
         f.type("MtgNum", "14");
         EXPECT_TRUE(attendf::MtgNum_LostFocus(*f.app, f.st, f.screen));
         EXPECT_EQ(f.app->settings.LastMeeting, 14);
     }},
    {"a blank night is absent when marked and undone",
     [](AttendFixture& f) {
         AttendeeRecord smith = f.onDisk(1);
         smith.Attendance = "111111111111";  // blank-padded from night 13 on
         WriteRecord(*f.app, 1, smith);
         f.dialogs().clear();
         attendf::Undo_Click(*f.app, f.st, f.screen);  // on the shown record: nothing to undo
         EXPECT_TRUE(f.dialogs().shown().empty());
         f.enter("0101");
         EXPECT_EQ(f.outcome(), QStringLiteral("||1"));
         EXPECT_EQ(f.onDisk(1).Attendance.bytes(), QByteArray("1111111111113").leftJustified(40, '-'));
         EXPECT_EQ(f.onDisk(1).Attend.bytes(), QByteArray("13"));
     }},
    {"a decision code that is not one letter other than V never becomes a mark",
     [](AttendFixture& f) {
         f.app->settings.DecisionCodes[1] = QString();
         f.app->settings.DecisionCodes[2] = QStringLiteral("V");
         attendf::Form_Activate(*f.app, f.st, f.screen);
         EXPECT_FALSE(f.screen.isEnabled(QStringLiteral("DecA(0)")));
         EXPECT_FALSE(f.screen.isEnabled(QStringLiteral("DecA(1)")));
         EXPECT_TRUE(f.screen.isEnabled(QStringLiteral("DecA(2)")));
         attendf::DecA_Click(*f.app, f.st, f.screen, 1);
         EXPECT_EQ(f.st.DecAtt, QStringLiteral("-"));
         f.enter("0101");
         EXPECT_EQ(f.onDisk(1).Attendance.at(13), '3');
     }},
    {"a crusade without a live record opens no screen",
     [](AttendFixture& f) {
         f.open({Rec("0001", "Ann", "Gone").deleted()}, {}, nullptr);
         mnuAttendUpdate_Click(*f.app, f.main);
         EXPECT_FALSE(f.screenShown);
         EXPECT_EQ(f.dialogs().shown().size(), 1u);
         EXPECT_TRUE(f.main.windowVisible);
     }},
    {"the screen never writes outside the file's records",
     [](AttendFixture& f) {
         const QByteArray before = ReadFileBytes(f.app->program.DataFile);
         for (qint32 n : {0, f.app->crusade.RecCount + 1}) {
             f.app->crusade.CurRecNo = n;
             EXPECT_FALSE(attendf::SaveRecord(*f.app, f.st, f.screen)) << n;
             attendf::Undo_Click(*f.app, f.st, f.screen);
         }
         EXPECT_EQ(ReadFileBytes(f.app->program.DataFile), before);
     }},
    {"the last name of the view is not moved to the member list",
     [](AttendFixture& f) {
         f.open({Rec("0001", "Ann", "Only"), Rec("0002", "Bob", "Gone").deleted()});
         const QByteArray before = ReadFileBytes(f.app->program.DataFile);
         attendf::MoveToSDA_Click(*f.app, f.st, f.screen);
         EXPECT_EQ(f.dialogs().messages(), QStringList{QStringLiteral("You Cannot Delete the Last Record from the File.")});
         EXPECT_EQ(ReadFileBytes(f.app->program.DataFile), before);
         EXPECT_EQ(f.app->crusade.MemberCount, 0);
         EXPECT_EQ(f.app->view.ReportCount, 1);
     }},
    {"the number and team boxes follow the main window's rules on this screen only",
     [](AttendFixture& f) {
         f.enter("0101");
         f.main.setText(QStringLiteral("RNum"), QStringLiteral("0123"));
         struct Typed {
             const char* box;
             const char* typed;
             const char* after;
             bool accepted;
         };
         const Typed rows[] = {{"RNum", "12a", "0101", false}, {"RNum", "0102", "0101", false},
                               {"RNum", "12", "0012", true},   {"RNum", "", "0501", true},
                               {"WorkerCode", "##", "03", false}, {"WorkerCode", "99", "03", false},
                               {"WorkerCode", "7", "07", true}};
         for (const Typed& r : rows) {
             f.type(r.box, r.typed);
             const bool ok = QLatin1String(r.box) == QLatin1String("RNum")
                                 ? attendf::RNum_LostFocus(*f.app, f.screen)
                                 : attendf::WorkerCode_LostFocus(*f.app, f.screen);
             EXPECT_EQ(ok, r.accepted) << r.box << " " << r.typed;
             EXPECT_EQ(f.text(r.box), QString::fromLatin1(r.after)) << r.box << " " << r.typed;
             if (!r.accepted) f.type(r.box, r.after);
         }
         EXPECT_EQ(f.main.text(QStringLiteral("RNum")), QStringLiteral("0123"));
         // A team typed and never left is refused by the save, and Done stays open.
         f.type("WorkerCode", "99");
         bool close = true;
         attendf::SearchBox_KeyPress(*f.app, f.st, f.screen, 27, &close);
         EXPECT_FALSE(close);
         EXPECT_EQ(f.onDisk(1).WorkerCode.bytes(), QByteArray("03"));
     }},
    {"undo keeps what was typed since the entry",
     [](AttendFixture& f) {
         f.enter("0101");
         f.type("Notes", "Moved house");
         attendf::Undo_Click(*f.app, f.st, f.screen);
         EXPECT_EQ(f.onDisk(1).Notes.trimmed(), QByteArray("Moved house"));
         EXPECT_EQ(f.text("Notes"), QStringLiteral("Moved house"));
         EXPECT_EQ(f.onDisk(1).Attend.bytes(), QByteArray("12"));
     }},
    {"undoing the only night leaves Attend 0 and Last 0",
     [](AttendFixture& f) {
         f.enter("0108");  // Zoe Adams, never came before
         EXPECT_EQ(f.onDisk(8).Last, 13);
         attendf::Undo_Click(*f.app, f.st, f.screen);
         EXPECT_EQ(f.onDisk(8).Attend.bytes(), QByteArray("0 "));
         EXPECT_EQ(f.onDisk(8).Last, 0);
         EXPECT_EQ(f.text("Last"), QStringLiteral("0"));
     }},
    {"only a mark of this opening counts, and the count stays at 0 or above",
     [](AttendFixture& f) {
         f.enter("0101");
         f.enter("0102");
         EXPECT_EQ(f.st.TotalAttending, 2);
         attendf::Undo_Click(*f.app, f.st, f.screen);
         attendf::Undo_Click(*f.app, f.st, f.screen);  // nothing left to undo
         EXPECT_EQ(f.st.TotalAttending, 1);
         // The screen opened again: Smith was marked at the earlier opening.
         attendf::Exit_Click(*f.app, f.st, f.screen);
         f.dialogs().type(QStringLiteral("13"));
         mnuAttendUpdate_Click(*f.app, f.main);
         attendf::Form_Load(*f.app, f.st, f.screen);
         attendf::Form_Activate(*f.app, f.st, f.screen);
         f.enter("0113");
         f.enter("0101");
         EXPECT_EQ(f.outcome(), QStringLiteral("E||1"));
         attendf::Undo_Click(*f.app, f.st, f.screen);
         EXPECT_EQ(f.st.TotalAttending, 1);
         EXPECT_EQ(f.onDisk(1).Attend.bytes(), QByteArray("12"));
     }},
    {"the global search shows the record chosen, not another with its number",
     [](AttendFixture& f) {
         f.open({Rec("0150", "Al", "Abbot"), Rec("0150", "Bea", "Baxter"), Rec("0151", "Cy", "Cole")});
         f.dialogs().type(QStringLiteral("baxter")).answer(AnsYes);
         attendf::btnGlobal_Click(*f.app, f.st, f.screen);
         EXPECT_EQ(f.text("LName"), QStringLiteral("Baxter"));
         EXPECT_EQ(f.app->crusade.CurRecNo, 2);
         EXPECT_EQ(f.app->view.recordNumberAt(f.app->view.CurIndexPos), 2);
         attendf::SaveRecord(*f.app, f.st, f.screen);
         EXPECT_EQ(f.onDisk(2).Attendance.at(13), '3');
         EXPECT_EQ(f.onDisk(1).Attendance.at(13), '-');
     }},
    {"a deleted record whose number a live record holds is not restored",
     [](AttendFixture& f) {
         QList<AttendeeRecord> records = FixtureRecords();
         records.append(Rec("0102", "Old", "Zzyzx").deleted());
         f.open(records);
         const qint16 count = f.app->view.ReportCount;
         f.dialogs().type(QStringLiteral("zzyzx")).answer(AnsYes).answer(AnsYes);
         attendf::btnGlobal_Click(*f.app, f.st, f.screen);
         EXPECT_EQ(f.app->view.ReportCount, count);
         EXPECT_TRUE(f.onDisk(22).isDeleted());
         EXPECT_EQ(f.dialogs().messages().constLast(), QStringLiteral("Search item: zzyzx- not found"));
         EXPECT_EQ(f.st.TotalAttending, 0);
     }},
};

INSTANTIATE_TEST_SUITE_P(Faults, AttendFaultsTest, ::testing::ValuesIn(kFaults),
                         [](const ::testing::TestParamInfo<FaultCase>& info) { return CaseName(info.param.name); });

}  // namespace

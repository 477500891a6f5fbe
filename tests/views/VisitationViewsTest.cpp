// Visitation, baptism and interview views over the shared fixture (cut-off 3), and the
// computed pieces Appt4 and Date8.

#include "ViewFixture.h"
#include "data/App.h"
#include "views/VisitationViews.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

using test::Entry;
using test::ObservedPrevRule;
using test::Pad;
using test::Rec;
using test::ViewFixture;

// LNAME and FNAME3 of a fixture name.
QByteArray N3(const char* last, const char* first3) {
    return Pad(last, 20) + first3;
}
// LNAME and FNAME.
QByteArray NF(const char* last, const char* first) {
    return Pad(last, 20) + Pad(first, 20);
}

TEST(Appt4Test, AppointmentOrder) {
    struct Case {
        const char* visits;
        const char* expected;
    };
    const Case cases[] = {
        {"A3b", "A301"},     // Tuesday, 9 in the morning
        {"A30", "A304"},     // Tuesday noon
        {"H05P07", "AN04"},  // visits only: after every weekday
        {"", "AN04"},        //
        {"A1a", "A100"},     // Sunday, 8 in the morning
        {"A69", "A613"},     // Friday, 9 in the evening
        {"A2c", "A202"},     // small letters count as capitals
        {"H02A6d", "A603"},  // the first "A" starts the code
        {"  A41 ", "A405"},  // blanks around are trimmed
        {"A2x", "A2X "},     // another character stands for itself; still four long
        {"H05A", "A00 "},    // a code cut short
    };
    for (const Case& c : cases) {
        const AttendeeRecord r = Rec("0001", "A", "B").visits(c.visits);
        EXPECT_EQ(Appt4(r), QByteArray(c.expected)) << c.visits;
    }
}

TEST(Date8Test, YearMonthDay) {
    struct Case {
        const char* bapt;
        const char* expected;
    };
    const Case cases[] = {
        {"1/5/98", "19980105"},  {"12/25/03", "20031225"}, {"1/15/51", "19510115"}, {"3/1/50", "20500301"},
        {"10/9/49", "20491009"}, {"01/02/26", "20260102"}, {"5", "2055    "},
    };
    for (const Case& c : cases) {
        const AttendeeRecord r = Rec("0001", "A", "B").bapt(c.bapt);
        EXPECT_EQ(Date8(r), QByteArray(c.expected)) << c.bapt;
    }
}

class VisitationBuilders : public ::testing::TestWithParam<test::BuilderRow> {};

TEST_P(VisitationBuilders, EntriesOrderAndKind) {
    test::CheckBuilderRow(GetParam());
}

TEST_P(VisitationBuilders, PrevReportKindRule) {
    EXPECT_EQ(ObservedPrevRule(GetParam().build), GetParam().rule);
}

// Interest-card answers: attendance limit, then team limit.
void Cards(ViewFixture& f, int fourNights, int team) {
    f.t.dialogs.answer(fourNights).answer(team);
    IndexInterestCards(f.app);
}

INSTANTIATE_TEST_SUITE_P(
    Fixture, VisitationBuilders,
    ::testing::Values(
        // Levels A to C without an interview; a blank level is not among them.
        test::BuilderRow{"NeedInterview",
                         [](ViewFixture& f) { IndexNeedInterview(f.app, false); },
                         "NeedInterview",
                         32,
                         PrevRule::None,
                         {Entry("0109", {"A", N3("BROWN", "TOM")}, 9), Entry("0113", {"A", N3("HILL", "BOB")}, 13),
                          Entry("0117", {"A", N3("ORTIZ", "RAY")}, 17), Entry("0119", {"A", N3("QUINN", "DAN")}, 19),
                          Entry("0101", {"A", N3("SMITH", "JOH")}, 1), Entry("0102", {"B", N3("JOHNSON", "MAR")}, 2),
                          Entry("0120", {"B", N3("YOUNG", "LIZ")}, 20), Entry("0114", {"C", N3("HILL", "ANN")}, 14)}},
        test::BuilderRow{
            "NeedInterviewByTeam",
            [](ViewFixture& f) { IndexNeedInterview(f.app, true); },
            "WCNeedInterview",
            34,
            PrevRule::None,
            {Entry("0117", {"00A", N3("ORTIZ", "RAY")}, 17), Entry("0120", {"00B", N3("YOUNG", "LIZ")}, 20),
             Entry("0101", {"03A", N3("SMITH", "JOH")}, 1), Entry("0102", {"03B", N3("JOHNSON", "MAR")}, 2),
             Entry("0119", {"07A", N3("QUINN", "DAN")}, 19), Entry("0109", {"12A", N3("BROWN", "TOM")}, 9),
             Entry("0113", {"40A", N3("HILL", "BOB")}, 13), Entry("0114", {"40C", N3("HILL", "ANN")}, 14)}},
        // "12:00AM" is no date (Tom Brown); "0/0/00" is one (Ray Ortiz).
        test::BuilderRow{"NeedDate",
                         [](ViewFixture& f) { IndexNeedBaptismDate(f.app); },
                         "NeedDate",
                         32,
                         PrevRule::None,
                         {Entry("0110", {"A", N3("BROWN", "TIM")}, 10), Entry("0109", {"A", N3("BROWN", "TOM")}, 9),
                          Entry("0113", {"A", N3("HILL", "BOB")}, 13), Entry("0119", {"A", N3("QUINN", "DAN")}, 19),
                          Entry("0101", {"A", N3("SMITH", "JOH")}, 1), Entry("0102", {"B", N3("JOHNSON", "MAR")}, 2),
                          Entry("0115", {"B", N3("NG", "LEE")}, 15)}},
        // Dates set, not baptized; "12:00AM" (Tom Brown, Ed van Dyke) is not a date.
        test::BuilderRow{
            "FutureBaptismDate",
            [](ViewFixture& f) { IndexFutureBaptismDate(f.app); },
            "FutureBapDateSet",
            39,
            PrevRule::None,
            {Entry("0117", {"0/0/00  ", N3("ORTIZ", "RAY")}, 17), Entry("0114", {"1/15/51 ", N3("HILL", "ANN")}, 14),
             Entry("0112", {"3/1/26  ", N3("GREEN", "SAM")}, 12), Entry("0120", {"5/4/26  ", N3("YOUNG", "LIZ")}, 20)}},
        // Ed van Dyke has "12:00AM", which is no date: his interview remains.
        test::BuilderRow{
            "InterviewRemaining",
            [](ViewFixture& f) { IndexInterviewRemaining(f.app); },
            "InterviewRemain",
            35,
            PrevRule::None,
            {Entry("0115", {"A100", N3("NG", "LEE")}, 15), Entry("0103", {"A301", N3("JOHNSONVILLE", "MAR")}, 3),
             Entry("0110", {"A603", N3("BROWN", "TIM")}, 10), Entry("0104", {"AN04", N3("DE LA CRUZ", "ANA")}, 4),
             Entry("0121", {"AN04", N3("VAN DYKE", "ED ")}, 21)}},
        test::BuilderRow{
            "BaptismClass",
            [](ViewFixture& f) { IndexBaptismClass(f.app); },
            "BaptClass",
            35,
            PrevRule::None,
            {Entry("0115", {"A100", N3("NG", "LEE")}, 15), Entry("0112", {"A104", N3("GREEN", "SAM")}, 12),
             Entry("0103", {"A301", N3("JOHNSONVILLE", "MAR")}, 3), Entry("0110", {"A603", N3("BROWN", "TIM")}, 10),
             Entry("0104", {"AN04", N3("DE LA CRUZ", "ANA")}, 4), Entry("0121", {"AN04", N3("VAN DYKE", "ED ")}, 21)}},
        // Both limits off: every name after the cut-off whose card is not printed (Tim Brown's is).
        test::BuilderRow{
            "InterestCardsAll",
            [](ViewFixture& f) { Cards(f, AnsNo, AnsNo); },
            "IntCard",
            50,
            PrevRule::None,
            {Entry("0112", {"03", NF("GREEN", "SAM")}, 12), Entry("0111", {"03", NF("GREEN", "SUE")}, 11),
             Entry("0102", {"03", NF("JOHNSON", "MARY")}, 2), Entry("0101", {"03", NF("SMITH", "JOHN")}, 1),
             Entry("0116", {"05", NF("NG", "KIM")}, 16), Entry("0115", {"05", NF("NG", "LEE")}, 15),
             Entry("0103", {"07", NF("JOHNSONVILLE", "MARIA")}, 3), Entry("0118", {"07", NF("PRICE", "EVE")}, 18),
             Entry("0119", {"07", NF("QUINN", "DAN")}, 19), Entry("0105", {"07", NF("\xC1LVAREZ", "JOS\xC9")}, 5),
             Entry("0121", {"12", NF("VAN DYKE", "ED")}, 21), Entry("0114", {"40", NF("HILL", "ANN")}, 14),
             Entry("0113", {"40", NF("HILL", "BOB")}, 13)}},
        test::BuilderRow{
            "InterestCardsFourNightsAndTeam",
            [](ViewFixture& f) { Cards(f, AnsYes, AnsYes); },
            "IntCard",
            50,
            PrevRule::None,
            {Entry("0112", {"03", NF("GREEN", "SAM")}, 12), Entry("0111", {"03", NF("GREEN", "SUE")}, 11),
             Entry("0102", {"03", NF("JOHNSON", "MARY")}, 2), Entry("0101", {"03", NF("SMITH", "JOHN")}, 1),
             Entry("0116", {"05", NF("NG", "KIM")}, 16), Entry("0118", {"07", NF("PRICE", "EVE")}, 18),
             Entry("0121", {"12", NF("VAN DYKE", "ED")}, 21), Entry("0114", {"40", NF("HILL", "ANN")}, 14)}},
        // Without a cut-off, the team limit leaves out the names of team 00.
        test::BuilderRow{
            "InterestCardsTeamOnly",
            [](ViewFixture& f) { Cards(f, AnsNo, AnsYes); },
            "IntCard",
            50,
            PrevRule::None,
            {Entry("0112", {"03", NF("GREEN", "SAM")}, 12), Entry("0111", {"03", NF("GREEN", "SUE")}, 11),
             Entry("0102", {"03", NF("JOHNSON", "MARY")}, 2), Entry("0101", {"03", NF("SMITH", "JOHN")}, 1),
             Entry("0116", {"05", NF("NG", "KIM")}, 16), Entry("0115", {"05", NF("NG", "LEE")}, 15),
             Entry("0103", {"07", NF("JOHNSONVILLE", "MARIA")}, 3), Entry("0118", {"07", NF("PRICE", "EVE")}, 18),
             Entry("0119", {"07", NF("QUINN", "DAN")}, 19), Entry("0105", {"07", NF("\xC1LVAREZ", "JOS\xC9")}, 5),
             Entry("0109", {"12", NF("BROWN", "TOM")}, 9), Entry("0121", {"12", NF("VAN DYKE", "ED")}, 21),
             Entry("0114", {"40", NF("HILL", "ANN")}, 14), Entry("0113", {"40", NF("HILL", "BOB")}, 13)},
            0},
        // By date; "0/0/00" (value 0) and "12:00AM" are not dates.
        test::BuilderRow{"BaptismDate",
                         [](ViewFixture& f) { IndexBaptismDate(f.app); },
                         "date",
                         56,
                         PrevRule::R,
                         {Entry("0114", {"19510115", NF("HILL", "ANN")}, 14),
                          Entry("0105", {"20031225", NF("\xC1LVAREZ", "JOS\xC9")}, 5),
                          Entry("0112", {"20260301", NF("GREEN", "SAM")}, 12),
                          Entry("0120", {"20260504", NF("YOUNG", "LIZ")}, 20)}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InterestCards, Questions) {
    ViewFixture f;
    Cards(f, AnsNo, AnsNo);
    const auto& shown = f.t.dialogs.shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text,
              QStringLiteral("You can print card labels for all names or you can\r\nlimit the cards printed "
                             "to those who have attended 4 or more times.\r\n\r\nDo you want to limit the "
                             "cards printed to those who have attended 4 or more times?"));
    EXPECT_EQ(shown[1].text,
              QStringLiteral("You can also limit the cards printed to include \r\nonly those who have an "
                             "assigned Team Code.\r\n\r\nDo you want to limit the cards printed to those "
                             "who have an assigned Team Code?"));
    for (const auto& s : shown) EXPECT_EQ(s.buttons, Buttons::YesNo);
    EXPECT_EQ(shown[0].defaultButton, 1);
    EXPECT_EQ(shown[1].defaultButton, 2);
}

TEST(VisitationViewsEmpty, LeftEmptyWithoutAMessage) {
    ViewFixture f({Rec("0001", "Al", "Able").level("E"), Rec("0002", "Bo", "Baker").level("A").deleted()});
    for (auto build : {+[](App& a) { IndexNeedInterview(a, false); }, +[](App& a) { IndexBaptismDate(a); },
                       +[](App& a) { IndexBaptismClass(a); }}) {
        build(f.app);
        EXPECT_EQ(f.app.view.ReportCount, 0);
        EXPECT_EQ(f.app.view.CurIndexPos, 0);
        EXPECT_EQ(f.app.view.ReportIndex.size(), 1);
    }
    EXPECT_TRUE(f.t.dialogs.shown().empty());
}

}  // namespace
}  // namespace fennick

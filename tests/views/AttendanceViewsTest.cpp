// Views by attendance and team over the shared fixture (LastMeeting 12, cut-off 3), their
// prompts, and the rules of the attendance filter dialog.

#include "ViewFixture.h"
#include "data/App.h"
#include "views/AttendanceFilters.h"
#include "views/AttendanceViews.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

using test::Entry;
using test::ExpectView;
using test::ObservedPrevRule;
using test::Pad;
using test::ViewFixture;

// LNAME and FName3 of a fixture name.
QByteArray N(const char* last, const char* first3) {
    return Pad(last, 20) + first3;
}

// The attendance filter dialog as a script: it answers with the comparison and number.
void AnswerFilters(ViewFixture& f, const char* choice, qint16 number) {
    f.app.hooks.showAttendanceFilters = [&f, choice, number] {
        f.app.settings.TotalAttendNum = number;
        f.app.msg.ScratchVar = QString::fromLatin1(choice);
    };
}

class AttendanceBuilders : public ::testing::TestWithParam<test::BuilderRow> {};

TEST_P(AttendanceBuilders, EntriesOrderAndKind) {
    test::CheckBuilderRow(GetParam());
}

TEST_P(AttendanceBuilders, PrevReportKindRule) {
    EXPECT_EQ(ObservedPrevRule(GetParam().build), GetParam().rule);
}

INSTANTIATE_TEST_SUITE_P(
    Fixture, AttendanceBuilders,
    ::testing::Values(
        // Highest count first; within one count names descending; "9 " sorts below "10".
        test::BuilderRow{"TotalAtLeast9",
                    [](ViewFixture& f) {
                        AnswerFilters(f, "atleast", 9);
                        IndexTotalAttend(f.app, true);
                    },
                    "TotalAttend",
                    33,
                    PrevRule::None,
                    {Entry("0101", {"12", N("SMITH", "Joh")}, 1), Entry("0112", {"11", N("GREEN", "Sam")}, 12),
                     Entry("0121", {"10", N("VAN DYKE", "Ed ")}, 21), Entry("0111", {"10", N("GREEN", "Sue")}, 11),
                     Entry("0118", {"09", N("PRICE", "Eve")}, 18)}},
        // Tom Brown (3 nights, Last 3 = the cut-off) is left out.
        test::BuilderRow{"TotalEquals3",
                    [](ViewFixture& f) {
                        AnswerFilters(f, "equal", 3);
                        IndexTotalAttend(f.app, true);
                    },
                    "TotalAttend",
                    33,
                    PrevRule::None,
                    {Entry("0105", {"03", N("\xC1LVAREZ", "Jos")}, 5),
                     Entry("0103", {"03", N("JOHNSONVILLE", "Mar")}, 3)}},
        // Without asking, the last answer (kept in FilterChoice) is used again.
        test::BuilderRow{"TotalReusesChoice",
                    [](ViewFixture& f) {
                        f.app.view.FilterChoice = QStringLiteral("equal");
                        f.app.settings.TotalAttendNum = 10;
                        IndexTotalAttend(f.app, false);
                    },
                    "TotalAttend",
                    33,
                    PrevRule::None,
                    {Entry("0121", {"10", N("VAN DYKE", "Ed ")}, 21), Entry("0111", {"10", N("GREEN", "Sue")}, 11)}},
        test::BuilderRow{"TotalByTeam",
                    [](ViewFixture& f) {
                        AnswerFilters(f, "atleast", 9);
                        IndexTotalAttendByTeam(f.app);
                    },
                    "TotalAttend",
                    35,
                    PrevRule::None,
                    {Entry("0121", {"12", "10", N("VAN DYKE", "Ed ")}, 21),
                     Entry("0118", {"07", "09", N("PRICE", "Eve")}, 18), Entry("0101", {"03", "12", N("SMITH", "Joh")}, 1),
                     Entry("0112", {"03", "11", N("GREEN", "Sam")}, 12),
                     Entry("0111", {"03", "10", N("GREEN", "Sue")}, 11)}},
        test::BuilderRow{"Attend", [](ViewFixture& f) { IndexAttend(f.app); }, "attend", 34, PrevRule::P,
                    {Entry("0113", {"987", N("HILL", "Bob")}, 13), Entry("0119", {"987", N("QUINN", "Dan")}, 19),
                     Entry("0101", {"987", N("SMITH", "Joh")}, 1), Entry("0105", {"987", N("\xC1LVAREZ", "Jos")}, 5),
                     Entry("0112", {"988", N("GREEN", "Sam")}, 12), Entry("0114", {"988", N("HILL", "Ann")}, 14),
                     Entry("0111", {"989", N("GREEN", "Sue")}, 11), Entry("0121", {"989", N("VAN DYKE", "Ed ")}, 21),
                     Entry("0118", {"990", N("PRICE", "Eve")}, 18), Entry("0116", {"991", N("NG", "Kim")}, 16),
                     Entry("0103", {"993", N("JOHNSONVILLE", "Mar")}, 3), Entry("0102", {"994", N("JOHNSON", "Mar")}, 2),
                     Entry("0110", {"995", N("BROWN", "Tim")}, 10), Entry("0115", {"995", N("NG", "Lee")}, 15)}},
        // No cut-off here: a night is a night.
        test::BuilderRow{"Night4",
                    [](ViewFixture& f) {
                        f.t.dialogs.type("4");
                        EXPECT_EQ(IndexAttendNight(f.app, true), 4);
                    },
                    "attendnight 4",
                    31,
                    PrevRule::P,
                    {Entry("0110", {N("BROWN", "Tim")}, 10), Entry("0112", {N("GREEN", "Sam")}, 12),
                     Entry("0111", {N("GREEN", "Sue")}, 11), Entry("0102", {N("JOHNSON", "Mar")}, 2),
                     Entry("0103", {N("JOHNSONVILLE", "Mar")}, 3), Entry("0115", {N("NG", "Lee")}, 15),
                     Entry("0118", {N("PRICE", "Eve")}, 18), Entry("0101", {N("SMITH", "Joh")}, 1),
                     Entry("0121", {N("VAN DYKE", "Ed ")}, 21)}},
        // Out-of-range answers ask again; 11.6 rounds to night 12.
        test::BuilderRow{"Night12AfterBadAnswers",
                    [](ViewFixture& f) {
                        f.t.dialogs.type("13").type("-2").type("11.6");
                        EXPECT_EQ(IndexAttendNight(f.app, true), 12);
                        ASSERT_EQ(f.t.dialogs.shown().size(), 3u);
                        EXPECT_EQ(f.t.dialogs.shown()[1].text, QStringLiteral("You must enter a number between 1 and 12"));
                        EXPECT_EQ(f.t.dialogs.shown()[0].title, QStringLiteral("Select a Meeting to View"));
                    },
                    "attendnight12",
                    31,
                    PrevRule::P,
                    {Entry("0113", {N("HILL", "Bob")}, 13), Entry("0119", {N("QUINN", "Dan")}, 19),
                     Entry("0101", {N("SMITH", "Joh")}, 1), Entry("0105", {N("\xC1LVAREZ", "Jos")}, 5)}},
        // A name whose Last equals the cut-off is kept; 3.4 is taken as 3.
        test::BuilderRow{"Missed3",
                    [](ViewFixture& f) {
                        f.t.dialogs.type("3.4");
                        IndexMissedMeetings(f.app, true);
                    },
                    "missednight03",
                    31,
                    PrevRule::None,
                    {Entry("0110", {N("BROWN", "Tim")}, 10), Entry("0109", {N("BROWN", "Tom")}, 9),
                     Entry("0102", {N("JOHNSON", "Mar")}, 2), Entry("0103", {N("JOHNSONVILLE", "Mar")}, 3),
                     Entry("0116", {N("NG", "Kim")}, 16), Entry("0115", {N("NG", "Lee")}, 15),
                     Entry("0118", {N("PRICE", "Eve")}, 18), Entry("0120", {N("YOUNG", "Liz")}, 20)}},
        test::BuilderRow{"MissedFromKind",
                    [](ViewFixture& f) {
                        f.app.view.ReportKind = QStringLiteral("missednight08");
                        IndexMissedMeetings(f.app, false);
                    },
                    "missednight08",
                    31,
                    PrevRule::None,
                    {Entry("0110", {N("BROWN", "Tim")}, 10), Entry("0109", {N("BROWN", "Tom")}, 9),
                     Entry("0115", {N("NG", "Lee")}, 15), Entry("0120", {N("YOUNG", "Liz")}, 20)}},
        test::BuilderRow{"TeamAttend", [](ViewFixture& f) { IndexTeamAttend(f.app); }, "wcattend", 36, PrevRule::R,
                    {Entry("0101", {"03987", N("SMITH", "Joh")}, 1), Entry("0112", {"03988", N("GREEN", "Sam")}, 12),
                     Entry("0111", {"03989", N("GREEN", "Sue")}, 11), Entry("0102", {"03994", N("JOHNSON", "Mar")}, 2),
                     Entry("0116", {"05991", N("NG", "Kim")}, 16), Entry("0115", {"05995", N("NG", "Lee")}, 15),
                     Entry("0119", {"07987", N("QUINN", "Dan")}, 19), Entry("0105", {"07987", N("\xC1LVAREZ", "Jos")}, 5),
                     Entry("0118", {"07990", N("PRICE", "Eve")}, 18),
                     Entry("0103", {"07993", N("JOHNSONVILLE", "Mar")}, 3),
                     Entry("0121", {"12989", N("VAN DYKE", "Ed ")}, 21), Entry("0110", {"12995", N("BROWN", "Tim")}, 10),
                     Entry("0113", {"40987", N("HILL", "Bob")}, 13), Entry("0114", {"40988", N("HILL", "Ann")}, 14)}},
        test::BuilderRow{"SelectedTeamByAttendance",
                    [](ViewFixture& f) {
                        QString team = QStringLiteral("07");
                        IndexSelectedTeam(f.app, team, QString());
                    },
                    "SelWCAttend07",
                    36,
                    PrevRule::R,
                    {Entry("0119", {"07987", N("QUINN", "Dan")}, 19), Entry("0105", {"07987", N("\xC1LVAREZ", "Jos")}, 5),
                     Entry("0118", {"07990", N("PRICE", "Eve")}, 18),
                     Entry("0103", {"07993", N("JOHNSONVILLE", "Mar")}, 3)}},
        // Asked: "41" and "x" are no team codes and ask again; "7" becomes "07".
        test::BuilderRow{"SelectedTeamAskedByName",
                    [](ViewFixture& f) {
                        f.t.dialogs.type("41").type("x").type("7");
                        QString team;
                        IndexSelectedTeam(f.app, team, QStringLiteral("Al"));
                        EXPECT_EQ(team, QStringLiteral("07"));
                        EXPECT_EQ(f.t.dialogs.shown().front().text, QStringLiteral("Enter the desired Team Code (01-20)"));
                    },
                    "SelWCAttend07",
                    36,
                    PrevRule::R,
                    {Entry("0103", {"07000", N("JOHNSONVILLE", "Mar")}, 3), Entry("0118", {"07000", N("PRICE", "Eve")}, 18),
                     Entry("0119", {"07000", N("QUINN", "Dan")}, 19),
                     Entry("0105", {"07000", N("\xC1LVAREZ", "Jos")}, 5)}},
        test::BuilderRow{"TeamAlpha", [](ViewFixture& f) { IndexTeamAlpha(f.app); }, "wcalpha", 50, PrevRule::R,
                    {Entry("0112", {"03", Pad("GREEN", 20), Pad("SAM", 20)}, 12),
                     Entry("0111", {"03", Pad("GREEN", 20), Pad("SUE", 20)}, 11),
                     Entry("0102", {"03", Pad("JOHNSON", 20), Pad("MARY", 20)}, 2),
                     Entry("0101", {"03", Pad("SMITH", 20), Pad("JOHN", 20)}, 1),
                     Entry("0116", {"05", Pad("NG", 20), Pad("KIM", 20)}, 16),
                     Entry("0115", {"05", Pad("NG", 20), Pad("LEE", 20)}, 15),
                     Entry("0103", {"07", Pad("JOHNSONVILLE", 20), Pad("MARIA", 20)}, 3),
                     Entry("0118", {"07", Pad("PRICE", 20), Pad("EVE", 20)}, 18),
                     Entry("0119", {"07", Pad("QUINN", 20), Pad("DAN", 20)}, 19),
                     Entry("0105", {"07", Pad("\xC1LVAREZ", 20), Pad("JOS\xC9", 20)}, 5),
                     Entry("0110", {"12", Pad("BROWN", 20), Pad("TIM", 20)}, 10),
                     Entry("0121", {"12", Pad("VAN DYKE", 20), Pad("ED", 20)}, 21),
                     Entry("0114", {"40", Pad("HILL", 20), Pad("ANN", 20)}, 14),
                     Entry("0113", {"40", Pad("HILL", 20), Pad("BOB", 20)}, 13)}}),
    [](const auto& info) { return std::string(info.param.name); });

// The view as it stood, to check that a builder left it alone.
struct ViewState {
    QList<QByteArray> index;
    QString kind, prev;
    bool operator==(const ViewState&) const = default;
};
ViewState StateOf(const App& app) {
    return {app.view.ReportIndex, app.view.ReportKind, app.view.PrevReportKind};
}

TEST(AttendancePrompts, CancelOrRefusalKeepsTheView) {
    struct Case {
        const char* name;
        std::function<void(ViewFixture&)> run;
        QStringList messages;        // message boxes expected
        const char* kind = nullptr;  // ReportKind before the builder, when not "attend"
    };
    const QString between = QStringLiteral("You must select a meeting between 0 and 11");
    const Case cases[] = {
        {"night cancelled",
         [](ViewFixture& f) {
             f.t.dialogs.type("");
             EXPECT_EQ(IndexAttendNight(f.app, true), 0);
         },
         {}},
        {"night not a number",
         [](ViewFixture& f) {
             f.t.dialogs.type("abc");
             EXPECT_EQ(IndexAttendNight(f.app, true), 0);
         },
         {}},
        {"missed cancelled",
         [](ViewFixture& f) {
             f.t.dialogs.type("");
             IndexMissedMeetings(f.app, true);
         },
         {}},
        {"missed too many",
         [](ViewFixture& f) {
             f.t.dialogs.type("12");
             IndexMissedMeetings(f.app, true);
         },
         {between}},
        {"missed negative",
         [](ViewFixture& f) {
             f.t.dialogs.type("-1");
             IndexMissedMeetings(f.app, true);
         },
         {between}},
        {"missed not a number",
         [](ViewFixture& f) {
             f.t.dialogs.type("many");
             IndexMissedMeetings(f.app, true);
         },
         {between}},
        {"team cancelled",
         [](ViewFixture& f) {
             QString t;
             f.t.dialogs.type("");
             IndexSelectedTeam(f.app, t, QString());
         },
         {}},
        {"team given out of range",
         [](ViewFixture& f) {
             QString t = QStringLiteral("41");
             IndexSelectedTeam(f.app, t, QString());
         },
         {}},
        {"total cancelled",
         [](ViewFixture& f) {
             AnswerFilters(f, "cancel", 1);
             IndexTotalAttend(f.app, true);
         },
         {}},
        {"total without a window", [](ViewFixture& f) { IndexTotalAttend(f.app, true); }, {}},
        {"total by team cancelled",
         [](ViewFixture& f) {
             AnswerFilters(f, "cancel", 1);
             IndexTotalAttendByTeam(f.app);
         },
         {}},
        {"night from a kind beyond the nights",
         [](ViewFixture& f) { EXPECT_EQ(IndexAttendNight(f.app, false), 0); },
         {},
         "attendnight99"},
    };
    for (const Case& c : cases) {
        ViewFixture f;
        IndexAttend(f.app);
        if (c.kind) f.app.view.ReportKind = QString::fromLatin1(c.kind);
        const ViewState before = StateOf(f.app);
        c.run(f);
        EXPECT_TRUE(StateOf(f.app) == before) << c.name;
        EXPECT_EQ(f.t.dialogs.messages(), c.messages) << c.name;
        EXPECT_EQ(f.app.view.CurIndexPos, 1) << c.name;
    }
}

TEST(AttendancePrompts, PromptTexts) {
    ViewFixture f;
    f.t.dialogs.type("");
    IndexMissedMeetings(f.app, true);
    const auto& shown = f.t.dialogs.last();
    EXPECT_EQ(shown.title, QStringLiteral("Select Missing Names to view"));
    EXPECT_EQ(shown.defaultText, QStringLiteral("2"));
    EXPECT_EQ(shown.text,
              QStringLiteral("You would like to see those who have not attended since how many nights?\r\n\r\n"
                             "For example: If you enter 3, then you will only see those names that have "
                             "missed at least the last three meetings\r\nbut have attended since meeting (3) "
                             "the meeting cutoff night."));
    f.t.dialogs.type("");
    IndexAttendNight(f.app, true);
    EXPECT_EQ(f.t.dialogs.last().text, QStringLiteral("Enter the Meeting number you would like to see.\r\nMust be "
                                                      "between 1 and 12"));
}

TEST(AttendancePrompts, EmptyResultsReturnToAlpha) {
    struct Case {
        const char* name;
        std::function<void(ViewFixture&)> run;
        QStringList messages;
        const char* prevAfter;  // PrevReportKind left by the return to "alpha"
    };
    const Case cases[] = {
        {"total",
         [](ViewFixture& f) {
             AnswerFilters(f, "equal", 7);
             IndexTotalAttend(f.app, true);
         },
         {QStringLiteral("There are no names to view.")},
         "TotalAttend"},
        {"night nobody came",
         [](ViewFixture& f) {
             f.app.view.ReportKind = QStringLiteral("attendnight40");
             EXPECT_EQ(IndexAttendNight(f.app, false), 0);
         },
         {QStringLiteral("There are no records for this filter.")},
         "attendnight40"},
        {"missed",
         [](ViewFixture& f) {
             f.app.settings.PrintCutOff = 10;
             f.t.dialogs.type("5");
             IndexMissedMeetings(f.app, true);
         },
         {},
         "missednight05"},
        {"cancelled total on an empty view",
         [](ViewFixture& f) {
             f.app.view.ReportKind = QStringLiteral("zip");
             AnswerFilters(f, "cancel", 1);
             IndexTotalAttend(f.app, true);
         },
         {},
         "zip"},
    };
    for (const Case& c : cases) {
        ViewFixture f;
        c.run(f);
        EXPECT_EQ(f.app.view.ReportKind, QStringLiteral("alpha")) << c.name;
        EXPECT_EQ(f.app.view.ReportCount, 19) << c.name;
        EXPECT_EQ(f.app.view.CurIndexPos, 1) << c.name;
        EXPECT_EQ(f.app.view.PrevReportKind, QString::fromLatin1(c.prevAfter)) << c.name;
        EXPECT_EQ(f.t.dialogs.messages(), c.messages) << c.name;
    }
}

TEST(AttendancePrompts, SelectedTeamWithNobodyStaysEmpty) {
    ViewFixture f;
    QString team = QStringLiteral("39");
    IndexSelectedTeam(f.app, team, QString());
    ExpectView(f, QStringLiteral("SelWCAttend39"), {}, 36);
    EXPECT_TRUE(f.t.dialogs.shown().empty());
}

// --- The attendance filter dialog's rules --------------------------------------------------

TEST(AttendanceFilters, LoadShowsTheSettings) {
    test::TestApp t;
    t.app.settings.LastMeeting = 12;
    t.app.settings.PrintCutOff = 4;
    t.app.settings.TotalAttendNum = 0;
    AttendanceFiltersForm form;
    form.optTotal = 0;
    Form_Load(t.app, form);
    EXPECT_EQ(t.app.settings.TotalAttendNum, 1);
    EXPECT_EQ(form.txtTotalAttend, QStringLiteral("1"));
    EXPECT_EQ(form.txtLastMtgCutoff, QStringLiteral("4"));
    EXPECT_EQ(form.optTotal, 1);
    EXPECT_EQ(form.optTotalCaption[0], QStringLiteral("Equals 1"));
    EXPECT_EQ(form.optTotalCaption[1], QStringLiteral("At Least 1"));
}

TEST(AttendanceFilters, TotalAboveTheLastMeetingIsCorrected) {
    struct Case {
        const char* typed;
        const char* box;
        bool warned;
    };
    for (const Case& c : {Case{"25", " 12", true}, Case{"12", "12", false}, Case{"3", "3", false}}) {
        test::TestApp t;
        t.app.settings.LastMeeting = 12;
        AttendanceFiltersForm form;
        form.txtTotalAttend = QString::fromLatin1(c.typed);
        txtTotalAttend_Change(t.app, form);
        EXPECT_EQ(form.txtTotalAttend, QString::fromLatin1(c.box));
        EXPECT_EQ(form.optTotalCaption[0], QStringLiteral("Equals ") + c.box);
        EXPECT_EQ(form.optTotalCaption[1], QStringLiteral("At Least ") + c.box);
        EXPECT_EQ(
            t.dialogs.messages(),
            c.warned ? QStringList{QStringLiteral("Number must be smaller than the last meeting.")} : QStringList{});
    }
}

TEST(AttendanceFilters, SaveAndCancel) {
    struct Case {
        const char* total;
        const char* cutOff;
        int option;
        bool closes;
        const char* scratch;
        qint16 printCutOff;
        qint16 totalNum;
    };
    const Case cases[] = {
        {"5", "12", 1, true, "atleast", 11, 5},  // a cut-off of LastMeeting becomes LastMeeting - 1
        {"5", "11", 0, true, "equal", 11, 5},   {" 7 ", "0", 0, true, "equal", 0, 7},
        {"abc", "2", 1, false, "before", 3, 9},  // refused: nothing changes
        {"5", "-1", 1, false, "before", 3, 9},  {"2.5", "2", 1, false, "before", 3, 9},
        {"5", "", 1, false, "before", 3, 9},
    };
    for (const Case& c : cases) {
        test::TestApp t;
        t.app.settings.LastMeeting = 12;
        t.app.settings.PrintCutOff = 3;
        t.app.settings.TotalAttendNum = 9;
        t.app.msg.ScratchVar = QStringLiteral("before");
        AttendanceFiltersForm form;
        form.txtTotalAttend = QString::fromLatin1(c.total);
        form.txtLastMtgCutoff = QString::fromLatin1(c.cutOff);
        form.optTotal = c.option;
        EXPECT_EQ(btnSave_Click(t.app, form), c.closes) << c.total << "/" << c.cutOff;
        EXPECT_EQ(t.app.msg.ScratchVar, QString::fromLatin1(c.scratch));
        EXPECT_EQ(t.app.settings.PrintCutOff, c.printCutOff);
        EXPECT_EQ(t.app.settings.TotalAttendNum, c.totalNum);
        EXPECT_EQ(t.dialogs.messages().size(), c.closes ? 0 : 1);
    }
    test::TestApp t;
    AttendanceFiltersForm form;
    btnCancel_Click(t.app, form);
    EXPECT_EQ(t.app.msg.ScratchVar, QStringLiteral("cancel"));
}

}  // namespace
}  // namespace fennick

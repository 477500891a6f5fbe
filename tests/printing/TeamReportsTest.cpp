// The team reports on the recording printer: golden documents of a page per team and of
// sheets with inline team headings, the sub-headings of the grouped types, the chosen
// pages counted as the report counts them, and the faults they must not repeat.

#include "ReportFixture.h"
#include "data/Errors.h"
#include "printing/PrintCommons.h"
#include "printing/TeamReports.h"
#include "views/AttendanceViews.h"
#include "views/PersonViews.h"

#include <gtest/gtest.h>

#include <functional>

namespace fennick::test {
namespace {

// The fixture crusade with names and telephones for its teams.
class TeamFixture : public ReportFixture {
public:
    explicit TeamFixture(const QList<AttendeeRecord>& records = FixtureRecords(), qint16 cutOff = 3)
        : ReportFixture(records) {
        app.settings.PrintCutOff = cutOff;
        auto& names = app.settings.TeamNames;
        names[3] = QStringLiteral("Andrews:555-0103");
        names[5] = QStringLiteral("Baker:555-0105");
        names[7] = QStringLiteral("Cole:555-0107");
        names[12] = QStringLiteral("Dunn:555-0112");
        names[40] = QStringLiteral("Evans:555-0140");
    }
    // Prints as the main window's menus do (the report builds its own view).
    void printTeams(int type) { PrintWCReport(app, type); }
    // Prints the current view as the report window's Print button does.
    void printTeamsBuilt(int type) {
        app.view.IndexBuilt = true;
        PrintWCReport(app, type);
        app.view.IndexBuilt = false;
    }
    // The attendance filter dialog answers with the comparison word.
    void filterAnswers(const char* word) {
        app.hooks.showAttendanceFilters = [this, word] { app.msg.ScratchVar = QString::fromLatin1(word); };
    }
    // Texts printed on the given page of the only document, in order.
    QStringList texts(int page = 0) const {
        QStringList out;
        for (const PrintedItem& it : t.printer.documents().front().items)
            if (it.kind == PrintedItem::Kind::Text && (page == 0 || it.page == page)) out << it.text;
        return out;
    }
    // The titles, team headings and sub-headings printed (fonts 6 and 8), in order.
    QStringList headings() const {
        QStringList out;
        for (const PrintedItem& it : t.printer.documents().front().items)
            if (it.kind == PrintedItem::Kind::Text && (it.font == ReportFont(6) || it.font == ReportFont(8)))
                out << it.text;
        return out;
    }
};

struct GoldenCase {
    const char* golden;
    std::function<QList<AttendeeRecord>()> records;
    qint16 cutOff;
    std::function<void(TeamFixture&)> before;  // settings, the view, dialog answers
    int type;
    bool fromPrintButton;
    int fromPage;
};

TEST(TeamReports, PrintTheirGoldenDocuments) {
    const GoldenCase cases[] = {
        // Three teams, each on a page of its own; the first team's section is left out.
        {"team_alpha_from_page_2", FixtureRecords, 10, nullptr, 1, false, 2},
        // One run of sheets: team headings inline, footers from the second sheet on.
        {"team_master_sheets", [] { return FixtureWith(MorePeople(100)); }, 3, nullptr, 4, false, 1},
        // Missing Since groups in every team, with a Sabbath meeting among them.
        {"team_attendance_groups", [] { return FixtureWith({LongNamed("0131", "03")}); }, 3,
         [](TeamFixture& f) {
             f.app.settings.SabbathMeetings = {4, 8, 0, 0};
         },
         2, false, 1},
        // A team's telephones too long for the heading even condensed: the meeting number
        // moves on past them.
        {"team_long_telephone", FixtureRecords, 10,
         [](TeamFixture& f) {
             f.app.settings.TeamNames[40] = QStringLiteral(
                 "Evans:555-0140 (home), 555-0141 (cell), 555-0142 (church office), "
                 "555-0143 (evenings and Sundays), 555-0144 (work, ask for Tom)");
         },
         1, false, 3},
        {"team_total_attended", FixtureRecords, 3,
         [](TeamFixture& f) {
             f.app.settings.TotalAttendNum = 4;
             f.filterAnswers("atleast");
         },
         5, false, 1},
    };
    for (const GoldenCase& c : cases) {
        SCOPED_TRACE(c.golden);
        TeamFixture f(c.records(), c.cutOff);
        if (c.before) c.before(f);
        f.choosePrinter(c.fromPage);
        const AttendeeRecord shown = f.app.crusade.CurRecord;
        if (c.fromPrintButton)
            f.printTeamsBuilt(c.type);
        else
            f.printTeams(c.type);
        EXPECT_TRUE(MatchesGolden(f.dump(), Golden(c.golden)));
        EXPECT_TRUE(f.app.crusade.CurRecord == shown);
        EXPECT_EQ(f.app.crusade.CurRecNo, 2);
        EXPECT_TRUE(f.t.dialogs.messages().isEmpty()) << f.t.dialogs.messages().join(" / ").toStdString();
        EXPECT_FALSE(f.t.dialogs.pending());
    }
}

// One fault case: a crusade, how the report is reached, and what must come of it.
struct FaultCase {
    const char* name;
    std::function<QList<AttendeeRecord>()> records;
    qint16 cutOff;
    std::function<void(TeamFixture&)> before;
    int type;
    bool fromPrintButton;
    int fromPage;
    bool printerDialog;       // the printer dialog is reached
    QStringList messages;     // messages shown
    QStringList headingsOut;  // titles, headings and sub-headings printed
};

const QString kNoNames = QStringLiteral("There are no names in this list to print");
const QString kPrintError = QStringLiteral(
    "The page you selected to begin with was greater than the total number of pages available to print.");

// Two teams whose groups carry on from one team to the next: team 03 ends with a name last
// seen on night 7 at level B, and team 05 begins with one.
QList<AttendeeRecord> CarriedGroups() {
    return {
        Rec("0601", "Ann", "Abel").nights("111111111111").team("03").level("A"),
        Rec("0602", "Bea", "Bond").nights("1111111").team("03").level("B"),
        Rec("0603", "Cal", "Cole").nights("1111111").team("05").level("B"),
        Rec("0604", "Dot", "Dale").nights("11111").team("05").level("B"),
    };
}

// Names with team codes that no team has, as a file written elsewhere may hold them.
QList<AttendeeRecord> StrangeTeams() {
    return {
        Rec("0701", "Ann", "Abel").nights("1111").team("45"),
        Rec("0702", "Bea", "Bond").nights("1111").team("ab"),
    };
}

TEST(TeamReports, FaultsAreMended) {
    const FaultCase cases[] = {
        // The report's own builder finds nobody, whatever view was current: nothing is
        // printed and entry 1 of an empty view is never read.
        {"own view empty, type 1", FixtureRecords, 12, [](TeamFixture& f) { IndexAlpha(f.app); }, 1, false, 1, false,
         {kNoNames}, {}},
        {"own view empty, type 2", FixtureRecords, 12, [](TeamFixture& f) { IndexAlpha(f.app); }, 2, false, 1, false,
         {kNoNames}, {}},
        {"own view empty, type 4", FixtureRecords, 12, [](TeamFixture& f) { IndexAlpha(f.app); }, 4, false, 1, false,
         {kNoNames}, {}},
        {"own view empty, type 5", FixtureRecords, 12,
         [](TeamFixture& f) {
             IndexAlpha(f.app);
             f.filterAnswers("atleast");
         },
         5, false, 1, false, {kNoNames}, {}},
        // ... and an empty view at the call does not stop a report that finds names.
        {"current view empty, own view not", CarriedGroups, 3, [](TeamFixture& f) { EmptyView(f.app.view); }, 4,
         false, 1, true, {},
         {"Spring Crusade Master Attendance List by Team: Battle for Mind", "Team 03  Andrews:555-0103",
          "Team 05  Baker:555-0105"}},
        {"filter dialog abandoned", FixtureRecords, 3, [](TeamFixture& f) { f.filterAnswers(""); }, 5, false, 1, false,
         {}, {}},
        // Groups begin afresh with each team, and a group's count ends with its team.
        {"last night groups restart", CarriedGroups, 3, nullptr, 2, false, 1, true, {},
         {"Team 03:  Andrews 555-0103      Spring Crusade Attendance: Battle for Mind",
          "Missing Since Meeting # 7: Creation",
          "Team 05:  Baker 555-0105      Spring Crusade Attendance: Battle for Mind",
          "Missing Since Meeting # 7: Creation", "Missing Since Meeting # 5: The Gospel"}},
        {"level groups restart", CarriedGroups, 3, [](TeamFixture& f) { IndexInterest(f.app, QStringLiteral("TC")); },
         7, true, 1, true, {},
         {"Team 03:  Andrews 555-0103      Spring Crusade Priority List by Team", "Interest Level: A    (1)",
          "Interest Level: B    (1)", "Team 05:  Baker 555-0105      Spring Crusade Priority List by Team",
          "Interest Level: B    (2)"}},
        // A first page past the last team prints nothing.
        {"first page past the last team", FixtureRecords, 10, nullptr, 1, false, 4, true, {kPrintError}, {}},
        {"first page on the last team", FixtureRecords, 10, nullptr, 1, false, 3, true, {},
         {"Team 03:  Andrews 555-0103      Spring Crusade Team Alphabetical List",
          "Team 07:  Cole 555-0107      Spring Crusade Team Alphabetical List",
          "Team 40:  Evans 555-0140      Spring Crusade Team Alphabetical List"}},
        // Team codes that are no team never reach past the team names.
        {"team codes outside the teams, page per team", StrangeTeams, 3, nullptr, 1, false, 1, true, {},
         {"Team 45:  Team # 45      Spring Crusade Team Alphabetical List",
          "Team ab:  Team # ab      Spring Crusade Team Alphabetical List"}},
        {"team codes outside the teams, sheets", StrangeTeams, 3, nullptr, 4, false, 1, true, {},
         {"Spring Crusade Master Attendance List by Team: Battle for Mind", "Team 45  Team # 45",
          "Team ab  Team # ab"}},
        // Nights outside the sermon titles: the last meeting past 40, a hand-made entry.
        {"nights outside the sermon titles", FixtureRecords, 3,
         [](TeamFixture& f) {
             f.app.settings.LastMeeting = 45;
             CurrentView& v = f.app.view;
             v.ReportKind = QStringLiteral("wcattend");
             v.ReportIndex = {QByteArray(), Entry("0101", {"03500SMITH"}, 1)};
             v.ReportCount = 1;
         },
         2, true, 1, true, {},
         {"Team 03:  Andrews 555-0103      Spring Crusade Attendance: ", "Missing Since Meeting # 499: "}},
    };
    for (const FaultCase& c : cases) {
        SCOPED_TRACE(c.name);
        TeamFixture f(c.records(), c.cutOff);
        if (c.before) c.before(f);
        if (c.printerDialog) f.choosePrinter(c.fromPage);
        if (c.fromPrintButton)
            f.printTeamsBuilt(c.type);
        else
            f.printTeams(c.type);
        EXPECT_EQ(f.t.dialogs.messages(), c.messages);
        EXPECT_FALSE(f.t.dialogs.pending());
        const bool printed = c.printerDialog && c.messages.isEmpty();
        ASSERT_EQ(f.documents(), printed ? 1 : 0);
        if (!printed) continue;
        EXPECT_EQ(f.headings().join(QLatin1Char('\n')).toStdString(),
                  QStringList(c.headingsOut).join(QLatin1Char('\n')).toStdString());
        // One page a team here: the job begins at the chosen team's page.
        EXPECT_EQ(f.t.printer.jobs().front().fromPage, c.fromPage);
    }
}

TEST(TeamReports, ChosenPagesCountSectionsOrSheetsAndTheJobKeepsTheRest) {
    // Teams 00, 03, 05 (two pages), 07, 12 and 40: seven pages in six sections.
    const QList<AttendeeRecord> records = FixtureWith(MorePeople(100));
    struct Case {
        const char* name;
        int type;
        int from, to, copies;
        int jobFrom, jobTo;
    } const cases[] = {
        {"section 3, both of its pages", 1, 3, 3, 1, 3, 4},
        {"sections 4 to 6", 1, 4, 6, 2, 5, 7},
        {"sheets 2 to 3", 4, 2, 3, 1, 2, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TeamFixture f(records);
        f.choosePrinter(c.from, c.to, c.copies);
        f.printTeams(c.type);
        ASSERT_EQ(f.documents(), 1);
        const PrinterChoice& job = f.t.printer.jobs().front();
        EXPECT_EQ(job.fromPage, c.jobFrom);
        EXPECT_EQ(job.toPage, c.jobTo);
        EXPECT_EQ(job.copies, c.copies);
        // The dialog's choice is the printer's job again for what follows.
        EXPECT_EQ(f.t.printer.job().fromPage, c.from);
        EXPECT_EQ(f.t.printer.job().toPage, c.to);
    }
    // An overflow page inside a team repeats its section's number.
    TeamFixture f(records);
    f.choosePrinter();
    f.printTeams(1);
    EXPECT_EQ(f.texts(3).back(), QStringLiteral("Spring Crusade Team Alphabetical List: Page 3"));
    EXPECT_FALSE(f.texts(4).join(' ').contains(QLatin1String(": Page")));
    EXPECT_EQ(f.t.printer.documents().front().pageCount, 7);
}

TEST(TeamReports, BaptismsAskForTheirLayoutAndCancelPrintsNothing) {
    for (const int answer : {AnsYes, AnsNo}) {
        QList<AttendeeRecord> baptized = CarriedGroups();
        for (AttendeeRecord& r : baptized) r.IntLevel = "G";
        TeamFixture f(baptized);
        IndexBaptisms(f.app, QStringLiteral("TC"));
        f.choosePrinter();
        f.t.dialogs.answer(answer);
        f.printTeamsBuilt(6);
        EXPECT_EQ(f.t.dialogs.last().text, QStringLiteral("Separate the Teams with a page break?"));
        EXPECT_EQ(f.t.dialogs.last().title, QStringLiteral("Select Print Format"));
        EXPECT_EQ(f.app.msg.ScratchVar, QString::number(answer));
        ASSERT_EQ(f.documents(), 1);
        EXPECT_EQ(f.t.printer.documents().front().pageCount, answer == AnsYes ? 2 : 1);
        EXPECT_EQ(f.headings().size(), answer == AnsYes ? 2 : 3);
    }
    TeamFixture f;
    f.t.dialogs.print(std::nullopt);
    f.printTeams(1);
    EXPECT_EQ(f.documents(), 0);
    EXPECT_TRUE(f.t.dialogs.messages().isEmpty());
    EXPECT_TRUE(f.t.printer.document().items.isEmpty());
}

TEST(TeamReports, AFailedDeliveryIsThrownAndTheChosenJobStands) {
    TeamFixture f;
    f.t.printer.failDeliveries = 1;
    f.choosePrinter(2, 3);
    EXPECT_THROW(f.printTeams(1), VbError);
    EXPECT_EQ(f.documents(), 0);
    EXPECT_EQ(f.t.printer.job().fromPage, 2);
    EXPECT_EQ(f.t.printer.job().toPage, 3);
    EXPECT_TRUE(f.t.printer.document().items.isEmpty());
}

}  // namespace
}  // namespace fennick::test

// The Print button over recording generators: the report each kind and box state reaches,
// the refusal of an attendance list under "Mail List Only", and IndexBuilt only while a
// report runs.

#include "PreviewFixture.h"
#include "data/Errors.h"
#include "reportwindow/PrintDispatch.h"
#include "reportwindow/ViewOptions.h"
#include "views/AttendanceViews.h"
#include "views/MailViews.h"
#include "views/PersonViews.h"

#include <functional>

namespace fennick::test {
namespace {

// Generators that note what they were asked, and when the view was not flagged to be
// printed as it stands.
struct Recorder {
    explicit Recorder(App& app) {
        auto note = [this, &app](const QString& call) { calls << call + (app.view.IndexBuilt ? "" : ", IndexBuilt off"); };
        generators.mailLabels = [note](App&, PrintReportsState&) { note(QStringLiteral("labels")); };
        generators.oneLine = [note](App&, int& type) { note(QStringLiteral("one-line %1").arg(type)); };
        generators.team = [note](App&, int& type) { note(QStringLiteral("team %1").arg(type)); };
        generators.baptisms = [note](App&) { note(QStringLiteral("baptisms")); };
        generators.decisions = [note](App&, int n) { note(QStringLiteral("decision %1").arg(n)); };
    }
    PrintGenerators generators;
    QStringList calls;
};

TEST(PrintDispatch, EachKindReachesItsReport) {
    struct Case {
        const char* kind;
        bool labels, mailListOnly, teams;
        int answer;  // to the question on page breaks (0: none asked)
        const char* call;
    } const cases[] = {
        {"alphafilter", false, false, false, 0, "one-line 1"},
        {"alpha", false, false, false, 0, "one-line 10"},
        {"attend", false, false, false, 0, "one-line 2"},
        {"attend", false, true, false, 0, ""},  // refused
        {"attend", true, true, false, 0, "labels, IndexBuilt off"},
        {"zip", true, false, true, 0, "labels, IndexBuilt off"},
        {"wcalpha", false, false, false, 0, "team 1"},
        {"SelWCAttend07", false, false, false, 0, "team 2"},
        {"WCNeedInterview", false, false, false, 0, "team 8"},
        {"wcattend", false, false, false, AnsYes, "team 2"},
        {"wcattend", false, false, false, AnsNo, "team 4"},
        {"map", false, false, false, 0, "one-line 3"},
        {"zip", false, false, true, 0, "one-line 4"},
        {"baptism", false, false, false, 0, "baptisms"},
        {"baptism", false, false, true, 0, "team 6"},
        {"decision 3", false, false, false, 0, "decision 3"},
        {"decisions9", false, false, false, 0, "decision 9"},
        {"interest", false, false, false, 0, "one-line 6"},
        {"interest", false, true, true, 0, "team 7"},
        {"date", false, false, false, 0, "one-line 5"},
        {"TotalAttend", false, false, false, 0, "one-line 13"},
        {"PreCrusade", false, false, false, 0, "one-line 8"},
        {"attendnight05", false, false, false, 0, "one-line 10"},
        {"mail", false, true, false, 0, "one-line 10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.kind) + (c.labels ? " labels" : "") + (c.mailListOnly ? " mail-only" : "") +
                     (c.teams ? " teams" : ""));
        PreviewFixture f;
        Recorder r(f.app);
        PrintReportsState w;
        w.chkPrnMailLabels = c.labels;
        w.chkMailOpt0 = c.mailListOnly;
        w.chkTeam = c.teams;
        f.app.view.ReportKind = QLatin1String(c.kind);
        if (c.answer) f.fx.t.dialogs.answer(c.answer);
        btnPrint_Click(f.app, w, r.generators);

        EXPECT_EQ(r.calls, *c.call ? QStringList{QLatin1String(c.call)} : QStringList());
        EXPECT_FALSE(f.app.view.IndexBuilt);
        const auto& shown = f.fx.t.dialogs.shown();
        if (!*c.call) {
            ASSERT_EQ(shown.size(), 1u);
            EXPECT_EQ(shown[0].text, kNoMailListAttendance);
            EXPECT_EQ(shown[0].icon, Icon::Information);
        } else if (c.answer) {
            ASSERT_EQ(shown.size(), 1u);
            EXPECT_EQ(shown[0].text, kSeparateTeams);
            EXPECT_EQ(shown[0].title, QStringLiteral("Select Print Format"));
        } else {
            EXPECT_TRUE(shown.empty());
        }
    }
}

// Print with Mail Labels: the notice names the meeting cut-off only when the list whose
// labels are printed left out the names before it.
TEST(PrintDispatch, LabelNoticeNamesTheCutOffOnlyForAListThatAppliesIt) {
    struct Case {
        const char* name;
        std::function<void(App&, PrintReportsState&)> list;
        bool namesCutOff;
    } const cases[] = {
        {"master attendance list", [](App& a, PrintReportsState&) { IndexAttend(a); }, true},
        {"attendance list, Mail List Only",
         [](App& a, PrintReportsState& w) {
             IndexAttend(a);
             w.BaseMLFilter = a.view.ReportKind;
             SetChkMailOpt(a, w, true);
         },
         true},
        {"missed meetings",
         [](App& a, PrintReportsState&) {
             a.view.ReportKind = QStringLiteral("missednight02");
             IndexMissedMeetings(a, false);
         },
         true},
        {"mail list", [](App& a, PrintReportsState&) { IndexMailList(a); }, false},
        {"interest list", [](App& a, PrintReportsState&) { IndexInterest(a, QStringLiteral("Al")); }, false},
    };
    const QString cutOff =
        QStringLiteral("Labels will not be printed for those who have not attended since meeting number: 3\r\n\r\n");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PreviewFixture f;
        PrintReportsState w;
        c.list(f.app, w);
        w.chkPrnMailLabels = true;
        f.fx.t.dialogs.answer(AnsNo);
        btnPrint_Click(f.app, w);
        ASSERT_EQ(f.fx.t.dialogs.messages().size(), 1);
        EXPECT_TRUE(f.fx.t.dialogs.messages().last().endsWith(QStringLiteral("printer is on.\r\n\r\n") +
                                                              (c.namesCutOff ? cutOff : QString()) +
                                                              QStringLiteral("Is this what you want to do?")))
            << f.fx.t.dialogs.messages().last().toStdString();
    }
}

TEST(PrintDispatch, IndexBuiltEndsWithAReportThatFails) {
    PreviewFixture f;
    PrintGenerators g;
    g.oneLine = [](App&, int&) { throw VbError(err::PrinterError, QStringLiteral("Printer error")); };
    PrintReportsState w;
    f.app.view.ReportKind = QStringLiteral("attend");
    EXPECT_THROW(btnPrint_Click(f.app, w, g), VbError);
    EXPECT_FALSE(f.app.view.IndexBuilt);
}

}  // namespace
}  // namespace fennick::test

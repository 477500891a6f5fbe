// The report window's list choice and options without a display: every list of the menus
// and buttons (golden), the decision and church column and the team buttons (golden), and
// the options as one table of cases.

#include "PreviewFixture.h"
#include "DocumentDump.h"
#include "data/DataStore.h"
#include "reportwindow/ListChoice.h"
#include "reportwindow/ReportWindow.h"
#include "reportwindow/ViewOptions.h"
#include "printing/OneLineReports.h"
#include "views/AttendanceViews.h"
#include "views/Indexes.h"
#include "views/MailViews.h"
#include "views/PersonViews.h"

#include <QRegularExpression>

#include <functional>

namespace fennick::test {
namespace {

// The page fixture with team 25 (two people), an A-level interest off the mail list and
// an F-level interest.
QList<AttendeeRecord> ChoiceRecords() {
    QList<AttendeeRecord> records = PageFixtureRecords();
    records << Rec("0125", "Zed", "Abel").nights("1111111111--").team("25").level("B").address("9 Fir Rd");
    records << Rec("0126", "Amy", "Zorn").nights("11111111111").team("25").level("C").address("8 Fir Rd");
    records << Rec("0127", "Ned", "Off").nights("1111111").team("07").level("A").mail(0).decisions("1--------").address("7 Fir Rd");
    records << Rec("0128", "Fay", "Fenn").nights("11111").team("05").level("F").address("6 Fir Rd");
    return records;
}

struct Choice : PreviewFixture {
    Choice() : PreviewFixture(ChoiceRecords()) {
        app.hooks.showAttendanceFilters = [this] { app.msg.ScratchVar = QStringLiteral("atleast"); };
        IndexAlphaCutoff(app);
        Form_Load(app, w);
        fx.t.dialogs.clear();
    }
    PrintReportsState w;

    QByteArray line(const QString& label) {
        const auto box = [](bool on, char c) { return on ? c : '-'; };
        const QByteArray boxes = QByteArray() + box(w.chkTeam, 'T') + box(w.chkMailOpt0, 'M') +
                                 box(w.chkPrnMailLabels, 'L') + char('0' + int(w.leftButton)) +
                                 (w.btnSelectChosen < 0 ? '-' : char('0' + w.btnSelectChosen));
        QStringList shown;
        for (const QString& m : fx.t.dialogs.messages()) shown << m.left(30).replace(u'\n', u' ').replace(u'\r', u' ');
        return Ansi(label) + " | " + Ansi(app.view.ReportKind) + " | " + QByteArray::number(app.view.ReportCount) +
               " | " + Ansi(w.CrTitleBox) + " | " + Ansi(w.txtInstructions) + " | " + boxes + " | " +
               Ansi(w.boxMailLabelIndicator) + " | " + Ansi(shown.join(QStringLiteral(" / "))) + '\n';
    }
};

void Script(Choice& c, const QString& control) {
    if (control == QLatin1String("mnuMissedMtgs")) c.fx.t.dialogs.type(QStringLiteral("2"));
    if (control == QLatin1String("mnuSelMtg")) c.fx.t.dialogs.type(QStringLiteral("5"));
}

TEST(ListChoiceGolden, EveryMenuItemAndListButton) {
    QByteArray all;
    for (const bool boxesTicked : {false, true}) {
        for (const ListCommand& command : ListCommands()) {
            Choice c;
            const QString control = QLatin1String(command.control);
            if (boxesTicked) {
                // Teams and Mail List Only ticked and a decision chosen, as a user leaves them.
                c.w.chkTeam = true;
                c.w.chkMailOpt0 = true;
                c.w.btnSelectChosen = 2;
                c.w.txtInstructions = QStringLiteral("old");
            }
            Script(c, control);
            ASSERT_TRUE(RunListCommand(c.app, c.w, control));
            EXPECT_FALSE(c.fx.t.dialogs.pending()) << command.control;
            all += c.line((boxesTicked ? QStringLiteral("ticked ") : QString()) + control);
        }
    }
    ExpectGolden(QStringLiteral("lists.txt"), all);
}

TEST(ListChoiceGolden, DecisionChurchAndTeamButtons) {
    Choice c;
    QByteArray all;
    const auto column = [&] {
        QStringList shown;
        for (int i = 0; i < kSelectButtons; ++i)
            if (c.w.btnSelectVisible[size_t(i)]) shown << c.w.btnSelectCaption[size_t(i)];
        return c.w.PVDecisionsCaption + QStringLiteral(": ") + shown.join(u',');
    };
    const auto teams = [&] {
        QStringList shown;
        for (int i = 0; i < kTeamButtons; ++i)
            if (c.w.btnTeamVisible[size_t(i)]) shown << c.w.btnTeamCaption[size_t(i)].trimmed();
        return c.w.btnTeamSelCaption + QStringLiteral(": ") + shown.join(u',');
    };
    c.w.chkMailOpt0 = true;
    PVDecisions_Click(c.app, c.w);
    all += c.line(QStringLiteral("View Churches")) + Ansi(column()) + '\n';
    btnSelect_Click(c.app, c.w, 1);
    all += c.line(QStringLiteral("church 1"));
    EXPECT_EQ(c.app.settings.ReligionNames[0], QStringLiteral("Church Preference"));
    PVDecisions_Click(c.app, c.w);
    all += c.line(QStringLiteral("View Decisions")) + Ansi(column()) + '\n';
    btnSelect_Click(c.app, c.w, 4);
    all += c.line(QStringLiteral("decision 5"));
    c.fx.t.dialogs.answer(AnsYes);
    btnSelect_Click(c.app, c.w, 8);
    all += c.line(QStringLiteral("decision 9 by level"));

    c.app.settings.TeamNames[25] = QStringLiteral("Team #25 North:555-0125");
    c.app.settings.TeamNames[40] = QStringLiteral("Lee:");
    for (const auto& [switchSet, button] : std::initializer_list<std::pair<bool, int>>{
             {false, 3}, {false, 7}, {false, 12}, {false, 20}, {true, 4}, {false, 19}, {false, 21}, {true, 0}}) {
        c.fx.t.dialogs.clear();
        if (switchSet) {
            btnTeamSel_Click(c.w);
            all += Ansi(teams()) + '\n';
        }
        btnTeam_Click(c.app, c.w, button);
        all += c.line(QStringLiteral("btnTeam(%1) team %2").arg(button).arg(c.w.ActiveTeam));
        if (c.app.view.ReportCount == 0) all += Ansi(c.w.Info).replace("\r\n", " ") + '\n';
    }
    ExpectGolden(QStringLiteral("choices.txt"), all);
}

// --- Options ---------------------------------------------------------------------------------

struct OptionCase {
    const char* name;
    std::function<void(Choice&)> run;
};

QList<QByteArray> Entries(const App& app) {
    return app.view.ReportIndex.mid(1, app.view.ReportCount);
}

const QList<OptionCase>& OptionCases() {
    static const QList<OptionCase> cases = {
        {"Mail List Only on a decision list: No keeps the list without a second preview",
         [](Choice& c) {
             btnSelect_Click(c.app, c.w, 0);
             const QList<QByteArray> before = Entries(c.app);
             c.w.CrTitleBox = QStringLiteral("not previewed again");
             c.fx.t.dialogs.answer(AnsNo);
             SetChkMailOpt(c.app, c.w, true);
             ASSERT_EQ(c.fx.t.dialogs.messages().size(), 1);
             EXPECT_TRUE(c.fx.t.dialogs.last().text.startsWith(QStringLiteral("CAUTION: \r\nIt is possible")));
             EXPECT_EQ(c.fx.t.dialogs.last().buttons, Buttons::YesNo);
             EXPECT_FALSE(c.w.chkMailOpt0);
             EXPECT_EQ(Entries(c.app), before);
             EXPECT_EQ(c.w.CrTitleBox, QStringLiteral("not previewed again"));
             EXPECT_TRUE(c.app.msg.MsgText.isEmpty());
         }},
        {"Mail List Only on a decision list: Yes narrows, clearing rebuilds the whole list",
         [](Choice& c) {
             btnSelect_Click(c.app, c.w, 0);
             const QList<QByteArray> before = Entries(c.app);
             c.fx.t.dialogs.answer(AnsYes);
             SetChkMailOpt(c.app, c.w, true);
             EXPECT_LT(c.app.view.ReportCount, before.size());
             EXPECT_EQ(c.w.boxMailLabelIndicator, kMailIndicator);
             SetChkMailOpt(c.app, c.w, false);
             EXPECT_EQ(Entries(c.app), before);
             EXPECT_EQ(c.app.view.ReportKind, QStringLiteral("decisions1"));
         }},
        {"Mail List Only on an interest list keeps the entries it does not drop; Print groups by level",
         [](Choice& c) {
             PVInterestLevel_Click(c.app, c.w);
             QList<QByteArray> expected;
             for (int i = 1; i <= c.app.view.ReportCount; ++i) {
                 const AttendeeRecord r = ReadRecord(c.app, c.app.view.recordNumberAt(i));
                 if (r.MailList != 0) expected << c.app.view.ReportIndex[i];
             }
             ASSERT_LT(expected.size(), c.app.view.ReportCount);
             SetChkMailOpt(c.app, c.w, true);
             EXPECT_EQ(Entries(c.app), expected);
             EXPECT_EQ(c.app.view.ReportKind, QStringLiteral("interest"));
             EXPECT_EQ(c.w.CrTitleBox, QStringLiteral("Priority Interest List (%1)").arg(expected.size()));
             PrinterChoice p;
             c.fx.t.dialogs.print(p);
             c.app.view.IndexBuilt = true;
             int type = 6;
             PrintOneLineReport(c.app, type);
             const QString dump = DumpDocuments(c.fx.t.printer);
             QStringList levels;
             const QRegularExpression heading(QStringLiteral("Interest Level: (\\S)"));
             for (auto it = heading.globalMatch(dump); it.hasNext();) levels << it.next().captured(1);
             EXPECT_EQ(levels.join(QString()), QStringLiteral("ABC"));
             EXPECT_TRUE(dump.contains(QStringLiteral("Baptized/ *Profession of Faith")));
         }},
        {"Disable sets the cut-off to 0 and back takes the box's number",
         [](Choice& c) {
             const int before = c.app.view.ReportCount;
             SetChkDisableCutoff(c.app, c.w, true);
             EXPECT_EQ(c.app.settings.PrintCutOff, 0);
             EXPECT_FALSE(c.w.cutOffEnabled);
             EXPECT_GT(c.app.view.ReportCount, before);
             EXPECT_EQ(c.app.view.ReportKind, QStringLiteral("attend"));
             SetChkDisableCutoff(c.app, c.w, false);
             EXPECT_EQ(c.app.settings.PrintCutOff, 3);
             EXPECT_TRUE(c.w.cutOffEnabled);
             EXPECT_EQ(c.app.view.ReportCount, before);
         }},
        {"The cut-off box refuses what is not a meeting from 0 to 40 and takes empty as 0",
         [](Choice& c) {
             for (const char* bad : {"41", "x", "-1", "4.5", "1e1", "100"}) {
                 EXPECT_FALSE(SetPrintCutOffBox(c.app, c.w, QLatin1String(bad))) << bad;
                 EXPECT_EQ(c.w.PrintCutOffBox, QStringLiteral("3"));
                 EXPECT_EQ(c.app.settings.PrintCutOff, 3);
             }
             EXPECT_TRUE(SetPrintCutOffBox(c.app, c.w, QString()));
             EXPECT_EQ(c.w.PrintCutOffBox, QStringLiteral("0"));
             EXPECT_EQ(c.app.settings.PrintCutOff, 0);
             EXPECT_TRUE(SetPrintCutOffBox(c.app, c.w, QStringLiteral("40")));
             EXPECT_EQ(c.app.settings.PrintCutOff, 40);
             EXPECT_EQ(c.app.view.ReportCount, 0);
         }},
        {"Teams on a zip list is refused and the box clears itself",
         [](Choice& c) {
             RunListCommand(c.app, c.w, QStringLiteral("mnuByZip"));
             SetChkTeam(c.app, c.w, true);
             EXPECT_EQ(c.fx.t.dialogs.messages(), QStringList{kNoTeamForm});
             EXPECT_FALSE(c.w.chkTeam);
             EXPECT_EQ(c.app.view.ReportKind, QStringLiteral("zip"));
         }},
        {"The team-conflict question answered Yes shows the team-error list",
         [](Choice& c) {
             c.fx.t.dialogs.answer(AnsYes);
             SetChkTeam(c.app, c.w, true);
             ASSERT_EQ(c.fx.t.dialogs.shown().size(), 1u);
             EXPECT_EQ(c.fx.t.dialogs.last().title, kConflictingTeamsTitle);
             EXPECT_EQ(c.fx.t.dialogs.last().icon, Icon::Critical);
             EXPECT_TRUE(c.fx.t.dialogs.last().text.endsWith(
                 QStringLiteral("\r\n\r\n                  Would you like to change them now?")));
             EXPECT_FALSE(c.w.chkTeam);
             EXPECT_EQ(c.app.view.ReportKind, QStringLiteral("TDupAddress"));
             EXPECT_EQ(c.w.txtInstructions, kCleanUpHint);
         }},
        {"The team-conflict question answered No builds the team form",
         [](Choice& c) {
             c.fx.t.dialogs.answer(AnsNo);
             SetChkTeam(c.app, c.w, true);
             EXPECT_TRUE(c.w.chkTeam);
             EXPECT_EQ(c.app.view.ReportKind, QStringLiteral("wcalpha"));
         }},
        {"Team 25's list re-sorted by Alphabet",
         [](Choice& c) {
             c.w.optSortOpt = kSortAttend;
             btnTeamSel_Click(c.w);
             btnTeam_Click(c.app, c.w, 4);
             ASSERT_EQ(c.app.view.ReportCount, 2);
             EXPECT_EQ(c.app.view.recordNumberAt(1), 26);  // Zorn came last
             SetOptSortOpt(c.app, c.w, kSortAlphabet);
             EXPECT_EQ(c.app.view.ReportKind, QStringLiteral("SelWCAttend25"));
             EXPECT_EQ(c.app.view.recordNumberAt(1), 25);  // Abel
             EXPECT_EQ(c.w.ActiveTeam, 25);
         }},
        {"A church list re-filtered after a cut-off change keeps its church and title",
         [](Choice& c) {
             PVDecisions_Click(c.app, c.w);
             btnSelect_Click(c.app, c.w, 1);
             const int atThree = c.app.view.ReportCount;
             ASSERT_GT(atThree, 0);
             EXPECT_EQ(c.w.CrTitleBox, QStringLiteral("SDA (%1)").arg(atThree));
             btnVScrollDn_Click(c.app, c.w);
             EXPECT_EQ(c.app.settings.PrintCutOff, 2);
             EXPECT_EQ(c.app.view.ReportKind, QStringLiteral("religion"));
             EXPECT_GE(c.app.view.ReportCount, atThree);
             EXPECT_EQ(c.w.CrTitleBox, QStringLiteral("SDA (%1)").arg(c.app.view.ReportCount));
             for (int i = 1; i <= c.app.view.ReportCount; ++i)
                 EXPECT_EQ(ReadRecord(c.app, c.app.view.recordNumberAt(i)).RelPref.bytes().trimmed(), "SDA");
         }},
        {"A mail view goes back to the list it was made from when Mail List Only is cleared",
         [](Choice& c) {
             RunListCommand(c.app, c.w, QStringLiteral("mnuMLAllNames"));
             EXPECT_TRUE(c.w.chkMailOpt0);
             EXPECT_EQ(c.w.boxMailLabelIndicator, kLabelIndicator);
             SetChkMailOpt(c.app, c.w, false);
             EXPECT_EQ(c.app.view.ReportKind, QStringLiteral("attend"));
             EXPECT_EQ(c.w.boxMailLabelIndicator, kLabelIndicator);
         }},
        {"A list that cannot be rebuilt keeps the view and asks for a filter",
         [](Choice& c) {
             RunListCommand(c.app, c.w, QStringLiteral("mnuNotes"));
             const QList<QByteArray> before = Entries(c.app);
             SelectFilter(c.app, c.w);
             EXPECT_EQ(c.w.CrTitleBox, kNeedFilterTitle);
             EXPECT_EQ(Entries(c.app), before);
         }},
        {"Include 'F' rebuilds the interest list with level F",
         [](Choice& c) {
             PVInterestLevel_Click(c.app, c.w);
             const int without = c.app.view.ReportCount;
             SetCkIncludeF(c.app, c.w, true);
             EXPECT_EQ(c.app.view.ReportKind, QStringLiteral("interest"));
             EXPECT_GT(c.app.view.ReportCount, without);
         }},
    };
    return cases;
}

TEST(ViewOptionsTable, EveryCase) {
    for (const OptionCase& oc : OptionCases()) {
        SCOPED_TRACE(oc.name);
        Choice c;
        oc.run(c);
    }
}

}  // namespace
}  // namespace fennick::test

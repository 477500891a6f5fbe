#include "reportwindow/PrintDispatch.h"

#include "data/App.h"
#include "data/RecordDisplay.h"
#include "data/Text.h"
#include "platform/Dialogs.h"
#include "printing/BaptismDecisionReports.h"
#include "printing/MailLabels.h"
#include "printing/OneLineReports.h"
#include "printing/TeamReports.h"
#include "reportwindow/ReportWindow.h"

namespace fennick {

namespace {

constexpr int kTeamsOnPages = 2;  // "wcattend" answered Yes
constexpr int kTeamsInOneRun = 4;
constexpr int kViewAsItStands = 10;

// IndexBuilt for as long as the report runs, whichever way it ends.
class IndexBuiltWhile {
public:
    explicit IndexBuiltWhile(CurrentView& v) : v_(v) { v_.IndexBuilt = true; }
    ~IndexBuiltWhile() { v_.IndexBuilt = false; }
    IndexBuiltWhile(const IndexBuiltWhile&) = delete;
    IndexBuiltWhile& operator=(const IndexBuiltWhile&) = delete;

private:
    CurrentView& v_;
};

}  // namespace

const PrintGenerators& TheGenerators() {
    static const PrintGenerators generators{
        [](App& app, PrintReportsState& w) { prnMailLabels(app, w.chkMailOpt0, [&] { PreviewReport(app, w); }); },
        PrintOneLineReport,
        PrintWCReport,
        PrintBaptisms,
        PrintDecisions,
    };
    return generators;
}

const QList<PrintLayout>& PrintLayouts() {
    using G = Generator;
    static const QList<PrintLayout> layouts = {
        {"alphafilter", G::OneLine, 1, 0},     {"attend", G::OneLine, 2, 0},
        {"wcalpha", G::Team, 1, 0},            {"SelWCAttend", G::Team, 2, 0},
        {"WCNeedInterview", G::Team, 8, 0},    {"wcattend", G::Team, kTeamsOnPages, 0},
        {"map", G::OneLine, 3, 0},             {"zip", G::OneLine, 4, 0},
        {"baptism", G::Baptisms, 0, 6},        {"decisions", G::Decisions, 0, 0},
        {"interest", G::OneLine, 6, 7},        {"date", G::OneLine, 5, 0},
        {"TotalAttend", G::OneLine, 13, 0},    {"PreCrusade", G::OneLine, 8, 0},
    };
    return layouts;
}

void btnPrint_Click(App& app, PrintReportsState& w, const PrintGenerators& generators) {
    if (w.chkPrnMailLabels) {
        generators.mailLabels(app, w);
        return;
    }
    if (w.chkMailOpt0 && app.view.ReportKind == QLatin1String("attend")) {
        const int answer = app.dialogs().msgBox(kNoMailListAttendance, Buttons::OK, Icon::Information);
        app.msg.ScratchVar = QString::number(answer);
        return;
    }
    IndexBuiltWhile built(app.view);
    const auto [kind, number] = SplitViewKind(app.view.ReportKind);
    if (!number.isNull()) app.msg.ScratchVar = number;

    PrintLayout layout{"", Generator::OneLine, kViewAsItStands, 0};
    for (const PrintLayout& row : PrintLayouts())
        if (kind == QLatin1String(row.kind)) {
            layout = row;
            break;
        }
    int reportType = layout.reportType;
    if (kind == QLatin1String("wcattend")) {
        const int answer = app.dialogs().msgBox(kSeparateTeams, Buttons::YesNo, Icon::Question,
                                                QStringLiteral("Select Print Format"));
        app.msg.ScratchVar = QString::number(answer);
        reportType = answer == AnsYes ? kTeamsOnPages : kTeamsInOneRun;
    }
    if (w.chkTeam && layout.teamsReportType) {
        reportType = layout.teamsReportType;
        layout.generator = Generator::Team;
    }
    switch (layout.generator) {
    case Generator::OneLine:
        generators.oneLine(app, reportType);
        break;
    case Generator::Team:
        generators.team(app, reportType);
        break;
    case Generator::Baptisms:
        generators.baptisms(app);
        break;
    case Generator::Decisions:
        generators.decisions(app, int(Val(number)));
        break;
    }
}

}  // namespace fennick

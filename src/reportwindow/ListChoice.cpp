#include "reportwindow/ListChoice.h"

#include "data/App.h"
#include "data/Text.h"
#include "platform/Dialogs.h"
#include "reportwindow/ReportWindow.h"
#include "reportwindow/ViewOptions.h"
#include "views/AttendanceViews.h"
#include "views/Indexes.h"
#include "views/MailViews.h"
#include "views/PersonViews.h"
#include "views/VisitationViews.h"

namespace fennick {

namespace {

const QString kAllChurches = QStringLiteral("All Churches");
const QString kViewDecisions = QStringLiteral("View Decisions");
const QString kViewChurches = QStringLiteral("View Churches");
const QString kSecondTeamSet = QStringLiteral("0-20");
const QString kFirstTeamSet = QStringLiteral("21-40");

// The lists without a team form say so and are shown without teams; the box stays.
void TeamsRefused(App& app, const PrintReportsState& w) {
    if (w.chkTeam) app.dialogs().msgBox(kNoTeamForm);
}

// Teams off, decisions cleared and Mail List Only off, as the plain lists begin.
void PlainList(App& app, PrintReportsState& w, bool refuseTeams) {
    if (refuseTeams)
        TeamsRefused(app, w);
    else
        SetChkTeam(app, w, false);
    ClrDecisions(w);
    SetChkMailOpt(app, w, false);
}

// The builder's view previewed, then the list's explanation.
void Show(App& app, PrintReportsState& w, const QString& instructions) {
    PreviewReport(app, w);
    w.txtInstructions = instructions;
}

void Show(App& app, PrintReportsState& w) {
    PreviewReport(app, w);
}

void Duplicates(App& app, PrintReportsState& w, const QString& mode) {
    IndexDuplicateAddresses(app, mode);
    Show(app, w, kCleanUpHint);
}

void mnuPreMeeting_Click(App& app, PrintReportsState& w) {
    PlainList(app, w, true);
    IndexPreMeeting(app);
    Show(app, w, QStringLiteral("Must select 'P' for Pre Meeting Interest in the Advertising field to appear on this list"));
}

void mnuTotalAttendance_Click(App& app, PrintReportsState& w) {
    PlainList(app, w, true);
    IndexTotalAttend(app, true);
    Show(app, w, QString());
}

void mnuByZip_Click(App& app, PrintReportsState& w) {
    PlainList(app, w, false);
    IndexZip(app);
    Show(app, w, QString());
}

void mnuMLAllNames_Click(App& app, PrintReportsState& w) {
    IndexMailList(app);
    SetChkPrnMailLabels(app, w, true);
    SetChkMailOpt(app, w, true);
    Show(app, w);
}

void mnuCleanMList_Click(App& app, PrintReportsState& w) {
    IndexCleanMailList(app);
    SetChkPrnMailLabels(app, w, true);
    w.OptIntMLVisible = true;
    w.leftButton = LeftButton::Interest;
    Show(app, w, kCleanUpHint);
}

void mnuMissedMtgs_Click(App& app, PrintReportsState& w) {
    IndexMissedMeetings(app, true);
    Show(app, w);
}

void mnuSelMtg_Click(App& app, PrintReportsState& w) {
    IndexAttendNight(app, true);
    Show(app, w, QString());
}

void mnuDupAdd_Click(App& app, PrintReportsState& w) {
    Duplicates(app, w, QStringLiteral("All"));
}

void mnuDupAddName_Click(App& app, PrintReportsState& w) {
    app.msg.MsgText = QStringLiteral("last name");
    Duplicates(app, w, app.msg.MsgText);
}

void mnuNeedSabVis_Click(App& app, PrintReportsState& w) {
    IndexNeedSabbathVisit(app);
    Show(app, w, QStringLiteral("All who heard the Sabbath sermon and have not been visited yet."));
}

void mnuNeedIntLev_Click(App& app, PrintReportsState& w) {
    IndexNoInterest(app);
    Show(app, w, QStringLiteral("All Current names with NO Interest Level Assigned."));
}

void mnuMap_Click(App& app, PrintReportsState& w) {
    IndexMapCode(app);
    Show(app, w, QString());
}

void mnuMarkedCards_Click(App& app, PrintReportsState& w) {
    IndexMarked(app);
    Show(app, w, QStringLiteral("Only names with a check in the marked box will appear here."));
}

void mnuNotes_Click(App& app, PrintReportsState& w) {
    IndexNotes(app);
    Show(app, w, QStringLiteral("Only records with notes with appear in this list."));
}

void MnuInterviewSet_Click(App& app, PrintReportsState& w) {
    IndexBaptismClass(app);
    Show(app, w, QStringLiteral("Check the Bapt. Interview/ Class checkbox for a name to appear on this list"));
}

void mnuBapIntRem_Click(App& app, PrintReportsState& w) {
    IndexInterviewRemaining(app);
    Show(app, w,
         QStringLiteral("A, B, or C names who have a baptism interview scheduled but do not have a baptism date set."));
}

void mnuNeedDate_Click(App& app, PrintReportsState& w) {
    IndexNeedBaptismDate(app);
    Show(app, w, QStringLiteral("A or B names who do not have a baptism date scheduled."));
}

void mnuBapDateSet_Click(App& app, PrintReportsState& w) {
    IndexFutureBaptismDate(app);
    Show(app, w);
}

void mnuAllBapDates_Click(App& app, PrintReportsState& w) {
    PlainList(app, w, false);
    IndexBaptismDate(app);
    Show(app, w);
}

void pvBapDate_Click(App& app, PrintReportsState& w) {
    mnuAllBapDates_Click(app, w);
    w.txtInstructions =
        QStringLiteral("Must have a baptism date entered on the edit screen for a name to appear on this list.");
}

void Command2_Click(App& app, PrintReportsState& w) {
    mnuCleanMList_Click(app, w);
}

// Decision or church options: the label mode of the line-click options again.
void LabelModeAgain(PrintReportsState& w) {
    w.leftButton = LeftButton::Edit;
    w.OptIntMLVisible = true;
    if (w.chkPrnMailLabels) {
        w.boxMailLabelIndicator = kLabelIndicator;
        w.optAtVisible = false;
    } else {
        w.optAtVisible = true;
        w.OptIntMLCaption = QStringLiteral("Interest");
        w.boxMailLabelIndicator.clear();
    }
}

}  // namespace

void btnBaptisms_Click(App& app, PrintReportsState& w) {
    ClrDecisions(w);
    SetChkMailOpt(app, w, false);
    app.msg.ScratchVar = w.chkTeam ? QStringLiteral("TC") : QStringLiteral("Al");
    IndexBaptisms(app, app.msg.ScratchVar);
    Show(app, w, QStringLiteral("Must have an interest level of G (Baptized) to appear on this list."));
}

void PVInterestLevel_Click(App& app, PrintReportsState& w) {
    app.msg.ScratchVar = w.chkTeam ? QStringLiteral("TC") : QStringLiteral("Al");
    ClrDecisions(w);
    IndexInterest(app, app.msg.ScratchVar);
    Show(app, w,
         QStringLiteral(
             "Only interest level of A, B, C or G (Baptized) appear on this list.  #- Bap date set, @- Appointment Set."));
}

void MnuInterview_Click(App& app, PrintReportsState& w) {
    // The text stands while the builder asks or finds nothing.
    w.txtInstructions = QStringLiteral("A, B, or C names who do not have a baptism interview scheduled.");
    IndexNeedInterview(app, w.chkTeam);
    Show(app, w);
}

void mnuDupAddTeam_Click(App& app, PrintReportsState& w) {
    app.msg.MsgText = QStringLiteral("team error");
    Duplicates(app, w, app.msg.MsgText);
}

void PViewWCAttend_Click(App& app, PrintReportsState& w) {
    SetChkMailOpt(app, w, false);
    ClrDecisions(w);
    if (w.optSortOpt == kSortAttend)
        IndexTeamAttend(app);
    else
        IndexTeamAlpha(app);
    Show(app, w, QString());
}

const QList<ListCommand>& ListCommands() {
    static const QList<ListCommand> commands = {
        {"mnuPreMeeting", mnuPreMeeting_Click},
        {"mnuTotalAttendance", mnuTotalAttendance_Click},
        {"mnuByZip", mnuByZip_Click},
        {"mnuMLAllNames", mnuMLAllNames_Click},
        {"mnuCleanMList", mnuCleanMList_Click},
        {"mnuMissedMtgs", mnuMissedMtgs_Click},
        {"mnuSelMtg", mnuSelMtg_Click},
        {"mnuDupAdd", mnuDupAdd_Click},
        {"mnuDupAddName", mnuDupAddName_Click},
        {"mnuDupAddTeam", mnuDupAddTeam_Click},
        {"mnuNeedSabVis", mnuNeedSabVis_Click},
        {"mnuNeedIntLev", mnuNeedIntLev_Click},
        {"mnuMap", mnuMap_Click},
        {"mnuMarkedCards", mnuMarkedCards_Click},
        {"mnuNotes", mnuNotes_Click},
        {"MnuInterviewSet", MnuInterviewSet_Click},
        {"mnuBapIntRem", mnuBapIntRem_Click},
        {"MnuInterview", MnuInterview_Click},
        {"mnuNeedDate", mnuNeedDate_Click},
        {"mnuBapDateSet", mnuBapDateSet_Click},
        {"mnuAllBapDates", mnuAllBapDates_Click},
        {"mnuBaptisms", btnBaptisms_Click},
        {"btnInterviewNeeded", MnuInterview_Click},
        {"btnBaptisms", btnBaptisms_Click},
        {"pvBapDate", pvBapDate_Click},
        {"Appointments", MnuInterviewSet_Click},
        {"NeedBapDate", mnuNeedDate_Click},
        {"PVInterestLevel", PVInterestLevel_Click},
        {"Command2", Command2_Click},
    };
    return commands;
}

bool RunListCommand(App& app, PrintReportsState& w, const QString& control) {
    for (const ListCommand& c : ListCommands()) {
        if (control != QLatin1String(c.control)) continue;
        c.run(app, w);
        return true;
    }
    return false;
}

void PVDecisions_Click(App& app, PrintReportsState& w) {
    SetChkMailOpt(app, w, false);
    if (w.PVDecisionsCaption == kViewDecisions) {
        for (int i = 0; i < kSelectButtons; ++i) {
            const bool decision = i < kDecisionCount;
            w.btnSelectCaption[size_t(i)] = decision ? app.settings.DecisionNames[size_t(i) + 1] : QString();
            w.btnSelectVisible[size_t(i)] = decision;
        }
        w.PVDecisionsCaption = kViewChurches;
    } else {
        for (int i = 1; i < kSelectButtons; ++i) {
            w.btnSelectCaption[size_t(i)] = app.settings.ReligionNames[size_t(i)];
            w.btnSelectVisible[size_t(i)] = true;
        }
        w.btnSelectCaption[0] = kAllChurches;
        w.btnSelectVisible[0] = true;
        w.PVDecisionsCaption = kViewDecisions;
    }
    w.btnSelectChosen = 0;
    btnSelect_Click(app, w, 0);
}

void btnSelect_Click(App& app, PrintReportsState& w, int index) {
    if (index < 0 || index >= kSelectButtons) return;
    w.btnSelectChosen = index;
    w.txtInstructions.clear();
    auto& religions = app.settings.ReligionNames;
    if (w.PVDecisionsCaption == kViewDecisions) {
        // The options list the churches; option 0 is every church, grouped by church.
        if (index == 0) religions[0].clear();
        const QString church = Trim(religions[size_t(index)]);
        IndexReligion(app, church);
        religions[size_t(index)] = church;
        if (index == 0) religions[0] = QStringLiteral("Church Preference");
        w.Church = church;
        w.churchChosen = true;
        w.churchGeneration = app.view.Generation;
    } else {
        SetChkMailOpt(app, w, false);
        app.view.ReportKind = QStringLiteral("decisions") + Str(qint64(index) + 1);
        IndexDecisions(app, false);
    }
    LabelModeAgain(w);
    PreviewReport(app, w);
}

void btnTeamSel_Click(PrintReportsState& w) {
    const bool toSecond = w.btnTeamSelCaption == kFirstTeamSet;
    for (int i = 0; i < 20; ++i)
        w.btnTeamCaption[size_t(i)] = toSecond ? Plain(qint64(i) + 21) : Right(Str(qint64(i)), 2);
    w.btnTeamVisible[20] = !toSecond;
    w.btnTeamSelCaption = toSecond ? kSecondTeamSet : kFirstTeamSet;
}

void btnTeam_Click(App& app, PrintReportsState& w, int index) {
    if (index == kTeamButtons - 1) {
        MasterListButton_Click(app, w);
        return;
    }
    if (index < 0 || index >= kTeamButtons) return;
    ShowTeamList(app, w, index + (w.btnTeamSelCaption == kSecondTeamSet ? 21 : 0));
}

QString TeamListTitle(const QString& entry, int team, const QString& number) {
    const int c = InStr(entry, QStringLiteral(":"));
    if (c == 1) return QStringLiteral("Team- ") + Plain(qint64(team));
    const QString name = c > 0 ? Left(entry, c - 1) : QString();
    QString telephone;
    if (c == 0)
        telephone = QLatin1Char(' ') + entry + QLatin1Char(' ');
    else if (c < entry.size())
        telephone = QLatin1Char(' ') + Mid(entry, c + 1) + QLatin1Char(' ');
    if (name.startsWith(QLatin1String("Team #"))) return name;
    return number + QLatin1Char('-') + name + telephone;
}

void ShowTeamList(App& app, PrintReportsState& w, int team) {
    if (team < 0 || team > kTeams) return;
    CurrentView& v = app.view;
    w.txtInstructions.clear();
    w.ActiveTeam = qint16(team);
    QString code = ZeroPad(team, 2);
    IndexSelectedTeam(app, code, w.optSortOpt == kSortAttend ? QStringLiteral("At") : QStringLiteral("Al"));
    w.BaseMLFilter = v.ReportKind;
    w.CrTitleBox = TeamListTitle(app.settings.TeamNames[size_t(team)], team, Right(v.ReportKind, 2)) +
                   QStringLiteral(" (") + Plain(v.ReportCount) + QLatin1Char(')');
    w.viewGeneration = v.Generation;
    if (v.ReportCount > 0) {
        w.infoVisible = true;
        w.VScroll1 = 1;
        showScrollInfo(app, w);
    } else {
        ShowEmptyList(w, kTeamEmptyText);
    }
}

}  // namespace fennick

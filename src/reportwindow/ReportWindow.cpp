#include "reportwindow/ReportWindow.h"

#include "data/App.h"
#include "data/AttendeeRecord.h"
#include "data/Errors.h"
#include "data/Messages.h"
#include "data/RecordDisplay.h"
#include "data/Text.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "reportwindow/ReturnToEditForm.h"
#include "reportwindow/ViewOptions.h"
#include "views/AttendanceViews.h"
#include "views/Indexes.h"

#include <algorithm>

namespace fennick {

namespace {

const QString kVScroll1 = QStringLiteral("VScroll1");

// One row of the title table: a fixed title, or one made from the settings, the boxes
// and the number the kind carries.
struct TitleRow {
    const char* kind;
    const char* title;
    QString (*make)(const App& app, const PrintReportsState& w, const QString& number);
};

QString TeamTitle(const App& app, const QString& team) {
    if (!IsTeamCode(team.toLatin1())) return QStringLiteral("Team ") + team;
    const QString& entry = app.settings.TeamNames[size_t(team.toInt())];
    const int colon = InStr(entry, QStringLiteral(":"));
    const QString name = colon > 0 ? Left(entry, colon - 1) : QString();
    const QString telephone = colon > 0 ? Mid(entry, colon + 1) : entry;
    return team + QStringLiteral("- ") + name + telephone + QLatin1Char(' ');
}

QString DecisionTitle(const App& app, const QString& number) {
    const double n = Val(number);
    const QString name =
        IsNumeric(number) && n >= 1 && n <= kDecisionCount ? app.settings.DecisionNames[size_t(n)] : QString();
    return app.settings.CrusadeName + QStringLiteral(": ") + name;
}

const TitleRow kTitles[] = {
    {"alpha", "Master Alphabetical List", nullptr},
    {"alphafilter", "Master Alphabetical List", nullptr},
    {"attend", "Master Attendance List", nullptr},
    {"wcalpha", "Alphabetical List by Team", nullptr},
    {"wcattend", "Attendance List by Team", nullptr},
    {"baptism", nullptr,
     [](const App&, const PrintReportsState& w, const QString&) {
         return w.chkTeam ? QStringLiteral("Team Baptism List") : QStringLiteral("Baptism List");
     }},
    {"date", "All Baptism Dates", nullptr},
    {"FutureBapDateSet", "Baptism Date Set", nullptr},
    {"CleanMailList", "Clean up Mail List", nullptr},
    {"DupAddress", "Duplicate Addresses- All", nullptr},
    {"TDupAddress", "Multiple Teams Per Address", nullptr},
    {"NDupAddress", "Duplicate Address- Last Name", nullptr},
    {"interest", nullptr,
     [](const App&, const PrintReportsState& w, const QString&) {
         return w.chkTeam ? QStringLiteral("Team Priority Interest List") : QStringLiteral("Priority Interest List");
     }},
    {"NeedInterview", "Needs Baptism Interview", nullptr},
    {"WCNeedInterview", "Needs Baptism Interview- Team List", nullptr},
    {"NeedDate", "A and B Interests that Need Baptism Date", nullptr},
    {"needsabvis", "Needs Sabbath Visit", nullptr},
    {"NoAssignedInterest", "Need Interest Level Assignment", nullptr},
    {"InterviewRemain", "Baptism Interviews Remaining", nullptr},
    {"BaptClass", "Baptism Interview Set", nullptr},
    {"zip", "Zipcode List", nullptr},
    {"map", "Map Code List", nullptr},
    {"mail", nullptr, [](const App& app, const PrintReportsState&, const QString&) { return app.settings.CrusadeName; }},
    {"marked", "Marked Cards", nullptr},
    {"notes", "Notes and Coments", nullptr},
    {"PreCrusade", "Pre-Crusade Invitations", nullptr},
    {"TotalAttend", nullptr,
     [](const App& app, const PrintReportsState&, const QString&) {
         return QStringLiteral("Attended at least ") + Plain(app.settings.TotalAttendNum) + QStringLiteral(" Meetings");
     }},
    {"religion", nullptr,
     [](const App& app, const PrintReportsState& w, const QString&) {
         // A church list this window built is titled by its church.
         const bool chosen = w.churchChosen && w.churchGeneration == app.view.Generation && !w.Church.isEmpty();
         return chosen ? w.Church : app.settings.ReligionNames[0];
     }},
    {"decisions", nullptr,
     [](const App& app, const PrintReportsState&, const QString& n) { return DecisionTitle(app, n); }},
    {"SelWCAttend", nullptr,
     [](const App& app, const PrintReportsState&, const QString& team) { return TeamTitle(app, team); }},
    {"missednight", nullptr,
     [](const App&, const PrintReportsState&, const QString& night) {
         return QStringLiteral("Missed Last ") + Plain(qint64(Val(night))) + QStringLiteral(" Night(s)");
     }},
    {"attendnight", nullptr,
     [](const App& app, const PrintReportsState&, const QString& night) {
         return app.settings.CrusadeName + QStringLiteral(": Meeting: ") + night;
     }},
};

PageOptions OptionsOf(const PrintReportsState& w) {
    return {w.VScroll1, w.chkMailOpt0, w.chkPrnMailLabels, w.leftButton};
}

void FillTeamButtons(PrintReportsState& w) {
    for (int i = 0; i <= 20; ++i) {
        w.btnTeamCaption[size_t(i)] = Right(Str(qint64(i)), 2);
        w.btnTeamVisible[size_t(i)] = true;
    }
    w.btnTeamCaption[21] = QStringLiteral("All");
    w.btnTeamVisible[21] = true;
    w.btnTeamSelCaption = QStringLiteral("21-40");
}

void FillDecisionButtons(const App& app, PrintReportsState& w) {
    for (int i = 0; i < kSelectButtons; ++i) {
        const bool decision = i < kDecisionCount;
        w.btnSelectCaption[size_t(i)] = decision ? app.settings.DecisionNames[size_t(i) + 1] : QString();
        w.btnSelectVisible[size_t(i)] = decision;
    }
    w.btnSelectChosen = -1;
}

// A name opened from the page is saved as the main window saves it, the box being typed
// in left first. A record that cannot be written is told and keeps nobody in the window.
bool KeepEditedName(App& app) {
    if (!app.mainWindow.EditFromPreview) return true;
    try {
        return SaveScreenBeforeWrite(app, app.crusade.CurRecNo);
    } catch (const VbError& e) {
        app.dialogs().msgBox(CommonErrorText(e, kSourceFennick95));
        return true;
    }
}

}  // namespace

QString PreviewTitle(const App& app, const PrintReportsState& w, const QString& kind, const QString& number) {
    for (const TitleRow& row : kTitles) {
        if (kind != QLatin1String(row.kind)) continue;
        return row.make ? row.make(app, w, number) : QString::fromLatin1(row.title);
    }
    return QString();
}

QStringList PreviewTitleKinds() {
    QStringList kinds;
    for (const TitleRow& row : kTitles) kinds << QString::fromLatin1(row.kind);
    return kinds;
}

void Form_Load(App& app, PrintReportsState& w) {
    CurrentView& v = app.view;
    const CrusadeSettings& s = app.settings;
    // The window opens on the view its opener set; the box only says whether that view
    // stays once the window is closed.
    SetChkSaveFilter(app, w, !app.program.DropFilterOnExit);
    if (v.ReportKind == QLatin1String("DupAddress")) SetChkSaveFilter(app, w, false);
    // Include 'F' is a box of this window: every opening starts with it clear.
    v.IncludeF = false;
    w.BaseMLFilter = v.ReportKind;
    w.caption = QStringLiteral("Preview ") + s.CrusadeName + QStringLiteral(" Meeting Number: ") + Plain(s.LastMeeting);

    w.infoVisible = false;
    w.PrintCutOffBox = Plain(s.PrintCutOff);
    w.optAtCaption = QStringLiteral("Attend ") + Plain(s.LastMeeting);
    w.leftButton = LeftButton::Edit;
    const bool byAttendance = v.ReportKind == QLatin1String("attend") || v.ReportKind == QLatin1String("wcattend");
    w.optSortOpt = byAttendance ? kSortAttend : kSortAlphabet;

    FillTeamButtons(w);
    w.chkMailOpt0 = false;
    w.chkMailOptVisible = true;
    w.lblMailOptVisible = true;
    FillDecisionButtons(app, w);
    w.PVDecisionsCaption = QStringLiteral("View Churches");
    w.PVInterestLevelToolTip = QStringLiteral(
        "Displays Names arranged by Interest Level.  Includes Interest Levels A, B, C and G  Level G is for those "
        "who have been Baptized");
    w.CkIncludeFToolTip = QStringLiteral(
        "Includes Interest Level 'F' in the list.  F means a future interest, not ready for Baptism yet.");
    app.settings.ReligionNames[0] = QStringLiteral("Church Preference");
    PreviewReport(app, w);
}

void Form_Activate(App& app, PrintReportsState& w) {
    // A list that another window replaced meanwhile is titled and shown from its start; it
    // was built with the cut-off as it stands, which the box only shows.
    const bool replaced = w.viewGeneration != app.view.Generation;
    const QString cutOff = Plain(app.settings.PrintCutOff);
    // A cut-off changed on another window runs the box's rule on the list on view; the
    // same number written otherwise ("05") is left as typed.
    if (!w.chkDisableCutoff && Val(w.PrintCutOffBox) != app.settings.PrintCutOff) {
        if (replaced)
            w.PrintCutOffBox = cutOff;
        else if (SetPrintCutOffBox(app, w, cutOff))
            return;
    }
    if (replaced) {
        PreviewReport(app, w);
        return;
    }
    showScrollInfo(app, w);
}

bool Form_Unload(App& app, PrintReportsState& w, MainScreen& editForm) {
    if (!KeepEditedName(app)) return false;
    w.LastVpage = 0;
    app.printer().killDoc();
    // The box goes with the window: the main window's interest lists leave level F out.
    app.view.IncludeF = false;
    std::optional<qint16> cutOff;
    if (w.chkDisableCutoff) cutOff = ClampInt16(Val(w.PrintCutOffBox), 0, kMeetings - 1);
    ReturnToEditForm(app, editForm, cutOff);
    return true;
}

void PreviewReport(App& app, PrintReportsState& w) {
    CurrentView& v = app.view;
    const auto [kind, number] = SplitViewKind(v.ReportKind);
    if (!number.isNull())
        app.msg.ScratchVar = kind == QLatin1String("missednight") ? Plain(qint64(Val(number))) : number;
    const QString title = PreviewTitle(app, w, kind, number);
    if (title.isNull()) {
        MasterListButton_Click(app, w);
        return;
    }
    if (kind == QLatin1String("mail"))
        w.boxMailLabelIndicator =
            w.chkPrnMailLabels ? QStringLiteral("Print Mail Labels For") : QStringLiteral("Mail List for");
    w.CrTitleBox = title + QStringLiteral(" (") + Plain(v.ReportCount) + QLatin1Char(')');
    w.viewGeneration = v.Generation;
    if (v.ReportKind != QLatin1String("mail")) w.BaseMLFilter = v.ReportKind;

    if (v.ReportCount > 0) {
        w.infoVisible = true;
        w.focusRequest = kVScroll1;
        w.VScroll1 = 1;
        showScrollInfo(app, w);
    } else {
        ShowEmptyList(w, kPreviewEmptyText);
    }
}

void showScrollInfo(App& app, PrintReportsState& w) {
    const int count = std::max<int>(0, app.view.ReportCount);
    w.PageSize = kPageStep;
    w.VScroll1Max = count;
    w.VScroll1 = std::clamp(w.VScroll1, 0, count);
    // An empty view leaves the scroll bar at 0 and the page says so.
    if (count > 0) {
        if (w.VScroll1 == 0) w.VScroll1 = 1;
        w.LastVpage = qint16(w.VScroll1);
    }
    w.page = showScrollInfo(app, OptionsOf(w));
    w.viewGeneration = app.view.Generation;
    w.clickSwitch = w.page.clickSwitch;
    w.Info = w.page.text();
    if (!w.page.lines.isEmpty() && !w.chkPrnMailLabels)
        w.optAtCaption = QStringLiteral("Attend ") + Plain(app.settings.LastMeeting);
}

void ShowEmptyList(PrintReportsState& w, const QString& message) {
    w.page = PreviewPage();
    w.VScroll1 = 0;
    w.VScroll1Max = 0;
    w.Info = message;
}

void MasterListButton_Click(App& app, PrintReportsState& w) {
    const bool teams = w.chkTeam;
    w.LastVpage = 0;
    SetChkMailOpt(app, w, false);
    ClrDecisions(w);
    if (w.optSortOpt == kSortAttend) {
        if (teams)
            IndexTeamAttend(app);
        else
            IndexAttend(app);
    } else {
        if (teams)
            IndexTeamAlpha(app);
        else
            IndexAlphaCutoff(app);
    }
    PreviewReport(app, w);
    w.txtInstructions = kMasterListHint;
}

void ClrDecisions(PrintReportsState& w) {
    w.btnSelectChosen = -1;
}

void btnVscrollUp_Click(App& app, PrintReportsState& w) {
    w.LastVpage = 0;
    const qint16 cutOff = app.settings.PrintCutOff;
    if (cutOff < app.settings.LastMeeting - 1) SetPrintCutOffBox(app, w, Plain(qint64(Val(w.PrintCutOffBox)) + 1));
}

void btnVScrollDn_Click(App& app, PrintReportsState& w) {
    w.LastVpage = 0;
    if (app.settings.PrintCutOff != 0) SetPrintCutOffBox(app, w, Plain(qint64(Val(w.PrintCutOffBox)) - 1));
}

bool VScroll1_KeyDown(App& app, PrintReportsState& w, int keyCode) {
    switch (keyCode) {
        case previewkey::F1:
            app.dialogs().msgBox(kPreviewKeysHelp);
            return true;
        case previewkey::Escape:
            CloseBut_Click(w);
            return true;
        case previewkey::F2:
        case previewkey::PageUp:
        case previewkey::PageDown:
            return true;
        default:
            return false;
    }
}

void VScroll1_Change(App& app, PrintReportsState& w) {
    showScrollInfo(app, w);
}

void CrTitleBox_Click(PrintReportsState& w) {
    w.focusRequest = kVScroll1;
}

void Command1_Click(App& app) {
    if (app.hooks.showCrusadeStatistics) app.hooks.showCrusadeStatistics();
}

void HelpButton_Click(App& app) {
    const QString nl = NewLine;
    QString& text = app.msg.MsgText;
    text = QStringLiteral("First click the Visits Option Button.") + nl +
           QStringLiteral("The default display appears as a home visit with the last meeting number.") + nl +
           QStringLiteral("For Example- if the last meeting was 5 the code would be h05.") + nl + nl +
           QStringLiteral("Double Click the Visit button will reset the visit to default.") + nl + nl +
           QStringLiteral("You can change the type visit by typing H or P or M or L") + nl + nl +
           QStringLiteral("You can change the meeting number by typing '+ or =' to increase or '-' to decrease.") + nl +
           nl + QStringLiteral("Click anywhere in the Visits area for the name to automatically enter the displayed code") +
           nl + nl +
           QStringLiteral(
               "Hold the Ctrl key and Click anywhere in the Visits area for the name to delete the last visit.") +
           nl + nl;
    const int answer =
        app.dialogs().msgBox(text, Buttons::OK, Icon::None, QStringLiteral("Entering Visit Information"));
    app.msg.MsgAnswer = QString::number(answer);
}

void CloseBut_Click(PrintReportsState& w) {
    w.unloadRequested = true;
}

void ChkSaveFilter_Click(App& app, PrintReportsState& w) {
    app.program.DropFilterOnExit = !w.ChkSaveFilter;
}

void SetChkSaveFilter(App& app, PrintReportsState& w, bool ticked) {
    if (w.ChkSaveFilter == ticked) return;
    w.ChkSaveFilter = ticked;
    ChkSaveFilter_Click(app, w);
}

}  // namespace fennick

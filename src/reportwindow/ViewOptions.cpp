#include "reportwindow/ViewOptions.h"

#include "data/App.h"
#include "data/DataStore.h"
#include "data/Text.h"
#include "platform/Dialogs.h"
#include "reportwindow/ListChoice.h"
#include "reportwindow/ReportWindow.h"
#include "views/AttendanceViews.h"
#include "views/Indexes.h"
#include "views/MailViews.h"
#include "views/PersonViews.h"
#include "views/VisitationViews.h"

#include <vector>

namespace fennick {

namespace {

bool StartsWith(const QString& s, const char* word) {
    return s.startsWith(QLatin1String(word));
}

bool OneOf(const QString& s, std::initializer_list<const char*> words) {
    for (const char* w : words)
        if (s == QLatin1String(w)) return true;
    return false;
}

QString Order(const PrintReportsState& w) {
    return w.optSortOpt == kSortAttend ? QStringLiteral("At") : QStringLiteral("Al");
}

// The church of the church list on view, when this window built it; else all churches.
QString ChurchOfView(const App& app, const PrintReportsState& w) {
    return w.churchChosen && w.churchGeneration == app.view.Generation ? w.Church : QString();
}

QString CautionText() {
    const QString nl = NewLine;
    return QStringLiteral("CAUTION: ") + nl +
           QStringLiteral(
               "It is possible that someone other than the one on the mail list in a household will make a decision "
               "different from the one on the mail list. When selecting this filter with the Decision List, you may "
               "leave out the individual who is not on the mail list, if the one who is did not make the same "
               "decision.") +
           nl + QStringLiteral("Do you want to continue?");
}

QString ConflictText(int count) {
    const QString nl = NewLine;
    return QStringLiteral("There are ") + Plain(qint64(count)) + QStringLiteral(" addresses with more than one team assigned.") +
           nl + QStringLiteral("It is highly recommended that you check the Duplicate Name list and ") + nl +
           QStringLiteral("reassign the names to the same team.") + nl + nl +
           QString(18, QLatin1Char(' ')) + QStringLiteral("Would you like to change them now?");
}

// A whole number from 0 to kMeetings written in digits; -1 for anything else.
int CutOffNumber(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 2) return -1;
    for (const QChar c : t)
        if (c < u'0' || c > u'9') return -1;
    const int n = t.toInt();
    return n <= kMeetings ? n : -1;
}

}  // namespace

bool HasTeamForm(const QString& kind) {
    return OneOf(kind, {"baptism", "interest", "alpha", "attend", "wcalpha", "wcattend", "alphafilter"});
}

void SelectFilter(App& app, PrintReportsState& w) {
    CurrentView& v = app.view;
    QString& scratch = app.msg.ScratchVar;
    const QString& base = w.BaseMLFilter;
    QString k = base;
    if (StartsWith(base, "decision")) {
        k = QStringLiteral("decision");
        scratch = Right(base, 1);
    }
    for (const char* word : {"attendnight", "missednight", "SelWCAttend"}) {
        if (!StartsWith(base, word)) continue;
        k = QLatin1String(word);
        scratch = Right(base, 2);
    }

    if (OneOf(k, {"alpha", "alphafilter", "attend"})) {
        IndexAttend(app);
    } else if (k == QLatin1String("wcalpha")) {
        IndexTeamAlpha(app);
    } else if (k == QLatin1String("wcattend")) {
        IndexTeamAttend(app);
    } else if (k == QLatin1String("baptism")) {
        scratch = w.chkTeam ? QStringLiteral("TC") : QStringLiteral("Al");
        IndexBaptisms(app, scratch);
    } else if (k == QLatin1String("decision")) {
        v.ReportKind = QStringLiteral("decision") + scratch;
        IndexDecisions(app, false);
    } else if (k == QLatin1String("interest")) {
        IndexInterest(app, QStringLiteral("Al"));
    } else if (k == QLatin1String("zip")) {
        IndexZip(app);
    } else if (k == QLatin1String("PreCrusade")) {
        IndexPreMeeting(app);
    } else if (k == QLatin1String("date")) {
        IndexBaptismDate(app);
    } else if (k == QLatin1String("TotalAttend")) {
        IndexTotalAttend(app, false);
    } else if (k == QLatin1String("DupAddress")) {
        IndexDuplicateAddresses(app, QStringLiteral("All"));
    } else if (k == QLatin1String("marked")) {
        IndexMarked(app);
    } else if (k == QLatin1String("religion")) {
        // The church list keeps the church it was chosen for.
        const QString church = ChurchOfView(app, w);
        IndexReligion(app, church);
        if (w.churchChosen && church == w.Church) w.churchGeneration = v.Generation;
    } else if (k == QLatin1String("attendnight")) {
        v.ReportKind = QStringLiteral("attendnight") + scratch;
        IndexAttendNight(app, false);
    } else if (k == QLatin1String("SelWCAttend")) {
        v.ReportKind = QStringLiteral("SelWCAttend") + scratch;
        QString team = scratch;
        IndexSelectedTeam(app, team, Order(w));
    } else {
        w.CrTitleBox = kNeedFilterTitle;
    }
}

void GetHeadOfHouse(App& app) {
    CurrentView& v = app.view;
    // One pass over the data file: which records are live and on the mail list.
    std::vector<bool> onMailList(size_t(kMaxRecords) + 1, false);
    ScanLiveRecords(app, [&](const AttendeeRecord& rec, qint32 r) { onMailList[size_t(r)] = rec.MailList != 0; });
    int n = 0;
    const int count = std::min<int>(v.ReportCount, int(v.ReportIndex.size()) - 1);
    for (int i = 1; i <= count; ++i) {
        const qint32 r = v.recordNumberAt(i);
        if (r < 1 || r > kMaxRecords || !onMailList[size_t(r)]) continue;
        ++n;
        if (n != i) v.ReportIndex[n] = v.ReportIndex[i];
    }
    v.ReportIndex.resize(n + 1);
    v.ReportCount = qint16(n);
    v.CurIndexPos = n > 0 ? 1 : 0;
}

void chkMailOpt_Click(App& app, PrintReportsState& w, int index) {
    QString& msgText = app.msg.MsgText;
    if (index == 0) {
        const bool decision = StartsWith(w.BaseMLFilter, "decision");
        if (w.chkMailOpt0) {
            if (decision) {
                msgText = CautionText();
                const int answer = app.dialogs().msgBox(msgText, Buttons::YesNo);
                app.msg.MsgAnswer = QString::number(answer);
                if (answer != AnsYes) {
                    SetChkMailOpt(app, w, false);
                    return;
                }
                // Accepted: the caution must not stop the box's next clearing.
                msgText.clear();
            }
            GetHeadOfHouse(app);
            w.boxMailLabelIndicator = w.chkPrnMailLabels ? kLabelIndicator : kMailIndicator;
        } else {
            if (msgText.startsWith(QLatin1String("CAUTION:"))) {
                msgText.clear();
                return;
            }
            w.boxMailLabelIndicator = w.chkPrnMailLabels ? kLabelIndicator : QString();
            SelectFilter(app, w);
        }
    }
    PreviewReport(app, w);
}

void chkDisableCutoff_Click(App& app, PrintReportsState& w) {
    w.cutOffEnabled = !w.chkDisableCutoff;
    app.settings.PrintCutOff = w.chkDisableCutoff ? 0 : qint16(std::max(0, CutOffNumber(w.PrintCutOffBox)));
    SelectFilter(app, w);
    PreviewReport(app, w);
}

void PrintCutOffBox_Change(App& app, PrintReportsState& w) {
    if (w.PrintCutOffBox.isEmpty()) {
        app.settings.PrintCutOff = 0;
        SetPrintCutOffBox(app, w, QStringLiteral("0"));
        return;
    }
    app.settings.PrintCutOff = qint16(std::max(0, CutOffNumber(w.PrintCutOffBox)));
    SelectFilter(app, w);
    PreviewReport(app, w);
}

void chkTeam_Click(App& app, PrintReportsState& w) {
    CurrentView& v = app.view;
    if (w.chkTeam && HasTeamForm(v.ReportKind)) {
        app.msg.ScratchVar = v.ReportKind;
        IndexDuplicateAddresses(app, QStringLiteral("team error"));
        if (v.ReportCount > 0) {
            app.msg.MsgText = ConflictText(v.ReportCount);
            const int answer =
                app.dialogs().msgBox(app.msg.MsgText, Buttons::YesNo, Icon::Critical, kConflictingTeamsTitle);
            app.msg.MsgAnswer = QString::number(answer);
            if (answer == AnsYes) {
                mnuDupAddTeam_Click(app, w);
                SetChkTeam(app, w, false);
                return;
            }
        }
        v.ReportKind = app.msg.ScratchVar;
    }
    const QString kind = v.ReportKind;
    if (kind == QLatin1String("baptism")) {
        btnBaptisms_Click(app, w);
    } else if (kind == QLatin1String("interest")) {
        PVInterestLevel_Click(app, w);
    } else if (OneOf(kind, {"alpha", "attend", "wcalpha", "wcattend", "alphafilter"})) {
        MasterListButton_Click(app, w);
    } else if (OneOf(kind, {"NeedInterview", "WCNeedInterview"})) {
        // The team form has a kind of its own; clearing Teams must bring the plain list back.
        MnuInterview_Click(app, w);
    } else if (w.chkTeam) {
        app.dialogs().msgBox(kNoTeamForm);
        SetChkTeam(app, w, false);
    }
}

void chkPrnMailLabels_Click(App& app, PrintReportsState& w) {
    if (w.chkPrnMailLabels) {
        w.boxMailLabelIndicator = kLabelIndicator;
        w.OptIntMLCaption = QStringLiteral("Mail");
        w.OptIntMLVisible = true;
        w.optAtVisible = false;
    } else {
        w.optAtVisible = true;
        w.OptIntMLVisible = true;
        w.OptIntMLCaption = QStringLiteral("Interest");
        w.boxMailLabelIndicator.clear();
    }
    w.leftButton = LeftButton::Edit;
    if (app.view.ReportKind == QLatin1String("CleanMailList")) {
        w.OptIntMLCaption = QStringLiteral("Mail");
        w.OptIntMLVisible = true;
        w.optAtVisible = false;
    }
    PreviewReport(app, w);
}

void CkIncludeF_Click(App& app, PrintReportsState& w) {
    PVInterestLevel_Click(app, w);
}

void optSortOpt_Click(App& app, PrintReportsState& w, int) {
    QString kind = app.view.ReportKind;
    if (StartsWith(kind, "SelWCAttend")) kind = QStringLiteral("SelWCAttend");
    if (OneOf(kind, {"alphafilter", "alpha", "attend"})) {
        MasterListButton_Click(app, w);
    } else if (OneOf(kind, {"wcattend", "wcalpha"})) {
        PViewWCAttend_Click(app, w);
    } else if (kind == QLatin1String("SelWCAttend")) {
        ShowTeamList(app, w, w.ActiveTeam);
    }
}

void SetChkMailOpt(App& app, PrintReportsState& w, bool ticked) {
    if (w.chkMailOpt0 == ticked) return;
    w.chkMailOpt0 = ticked;
    chkMailOpt_Click(app, w, 0);
}

void SetChkDisableCutoff(App& app, PrintReportsState& w, bool ticked) {
    if (w.chkDisableCutoff == ticked) return;
    w.chkDisableCutoff = ticked;
    chkDisableCutoff_Click(app, w);
}

void SetChkTeam(App& app, PrintReportsState& w, bool ticked) {
    if (w.chkTeam == ticked) return;
    w.chkTeam = ticked;
    chkTeam_Click(app, w);
}

void SetChkPrnMailLabels(App& app, PrintReportsState& w, bool ticked) {
    if (w.chkPrnMailLabels == ticked) return;
    w.chkPrnMailLabels = ticked;
    chkPrnMailLabels_Click(app, w);
}

void SetCkIncludeF(App& app, PrintReportsState& w, bool ticked) {
    if (app.view.IncludeF == ticked) return;
    app.view.IncludeF = ticked;
    CkIncludeF_Click(app, w);
}

void SetOptSortOpt(App& app, PrintReportsState& w, int index) {
    if (w.optSortOpt == index) return;
    w.optSortOpt = index;
    optSortOpt_Click(app, w, index);
}

bool SetPrintCutOffBox(App& app, PrintReportsState& w, const QString& text) {
    const QString t = text.trimmed();
    if (!t.isEmpty() && CutOffNumber(t) < 0) return false;
    if (t == w.PrintCutOffBox) return true;
    w.PrintCutOffBox = t;
    PrintCutOffBox_Change(app, w);
    return true;
}

}  // namespace fennick

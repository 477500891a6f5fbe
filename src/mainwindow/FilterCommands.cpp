#include "mainwindow/FilterCommands.h"

#include "data/App.h"
#include "data/RecordDisplay.h"
#include "data/Text.h"
#include "mainwindow/MainLifecycle.h"
#include "mainwindow/MainScreen.h"
#include "mainwindow/Marks.h"
#include "mainwindow/Navigation.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Dialogs.h"
#include "views/AttendanceViews.h"
#include "views/Indexes.h"
#include "views/MailViews.h"
#include "views/PersonViews.h"
#include "views/VisitationViews.h"

#include <functional>
#include <utility>
#include <vector>

namespace fennick {

namespace {

const QString kShowAll = QStringLiteral("ShowAll");
const QString kHint = QStringLiteral("lblNextFieldBtn");
const QString kEditLabel = QStringLiteral("EditLabel");
const QString kFoundName = QStringLiteral("FndNameBx");
const QString kFiltersMenu = QStringLiteral("mnuFilterS");
const QString kAlpha = QStringLiteral("alpha");
const QString kMissedNight = QStringLiteral("missednight");
const QString kSelectedTeam = QStringLiteral("SelWCAttend");
const QString kTotalAttend = QStringLiteral("TotalAttend");
const QString kNoNames = QStringLiteral("There are no names to display");

// The ways back to all names that the messages name.
const QString kRestoreA =
    QStringLiteral("Click the 'Show All Names' button to restore all names in alphabetical order.");
const QString kRestoreB = QStringLiteral(
    "Press the Red 'Show All Names' button on the button bar to restore all names in alphabetical order.");
const QString kRestoreC =
    QStringLiteral("Click the 'Show all Names' button to restore all names in alphabetical order.");
const QString kRestoreD =
    QStringLiteral("Click the red 'Show All Names' Button to restore all names in alphabetical order.");
const QString kRestoreE =
    QStringLiteral("Press the  'All Names' button on the button bar to restore all names in alphabetical order.");

QString Lines(int n) {
    return NewLine.repeated(n);
}

// How a command runs: when it asks the meeting cut-off, and whether it shows the "All
// Names" button, the hint and the highlights before the build or after the first name.
enum class Form {
    Guarded,      // save, build, show the first name, then the button, hint and highlights
    Prepared,     // save, button, hint and highlights, build, show the first name
    CutOffFirst,  // ask the cut-off, save, button, hint and highlights, build, show
    CutOffLast,   // save, ask the cut-off, build, show, then button, hint and highlights
};

// What the builder did.
enum class Built {
    View,        // built the command's view (it may be empty)
    Nobody,      // no view to show and nothing said yet (nobody found, no decision chosen)
    NobodyTold,  // the builder went back to all names and told the user why
    Cancelled,   // its question was cancelled or refused: the view is as it was
};

using AppText = std::function<QString(const App&)>;
using AppControls = std::function<QStringList(const App&)>;

struct FilterCommand {
    QString name{};
    Form form = Form::Guarded;
    std::function<Built(App&)> build{};
    AppControls keys{};            // the controls highlighted
    bool hint = false;             // lblNextFieldBtn ends visible
    AppText label{};               // EditLabel; none: the title ShowListCaption set stays
    AppText message{};             // what the list now holds
    AppText none{};                // an empty view; none: the builder has told the user
    bool keepsFoundName = false;   // FndNameBx keeps the marked or found name
    bool disablesFilters = false;  // the Filters menu stays disabled until all names return
};

AppText Text(const QString& text) {
    return [text](const App&) { return text; };
}

AppControls Keys(const QStringList& names) {
    return [names](const App&) { return names; };
}

// The key control, and Last while a meeting cut-off is in force.
AppControls KeyAndCutOff(const QString& key) {
    return [key](const App& a) {
        QStringList keys{key};
        if (a.settings.PrintCutOff > 0) keys << QStringLiteral("Last");
        return keys;
    };
}

std::function<Built(App&)> Builds(void (*builder)(App&)) {
    return [builder](App& a) {
        builder(a);
        return Built::View;
    };
}

// The number that ends the current view's kind, in plain form.
QString KindNumber(const QString& kind) {
    return Plain(qint64(Val(SplitViewKind(kind).number)));
}

int DecisionShown(const App& app) {
    return int(Val(SplitViewKind(app.view.ReportKind).number));
}

QString DecisionName(const App& app) {
    const int d = DecisionShown(app);
    return d >= 1 && d <= 9 ? app.settings.DecisionNames[size_t(d)] : QString();
}

// The visitation team's name: its TeamNames entry up to the first ":".
QString TeamName(const App& app, const QString& code) {
    const int t = int(Val(code));
    if (t < 0 || t > 40) return QString();
    const QString& entry = app.settings.TeamNames[size_t(t)];
    return entry.section(u':', 0, 0);
}

// The meeting night asked. Nobody that night sends the builder back to all names after
// its own message; a question cancelled over the alphabetical view takes the same return,
// which then only shows all names again.
Built BuildAttendNight(App& app) {
    if (IndexAttendNight(app, true) > 0) return Built::View;
    return app.view.ReportKind == kAlpha ? Built::NobodyTold : Built::Cancelled;
}

Built BuildSelectedTeam(App& app) {
    QString team;                             // asked
    IndexSelectedTeam(app, team, QString());  // latest attendance first
    return !team.isEmpty() && app.view.ReportKind == kSelectedTeam + team ? Built::View : Built::Cancelled;
}

// Puts PrevReportKind back when the builder left it blank.
struct KeepPrevReportKind {
    CurrentView& view;
    QString prev;
    ~KeepPrevReportKind() {
        if (view.PrevReportKind.isEmpty()) view.PrevReportKind = prev;
    }
};

Built BuildMissedMeetings(App& app) {
    CurrentView& v = app.view;
    // The builder leaves PrevReportKind alone; only its return to all names, when nobody
    // has missed the nights, passes the missed-nights kind on to it. Blanking it first
    // tells that return from a cancelled or refused question.
    bool nobody = false;
    {
        KeepPrevReportKind keep{v, std::exchange(v.PrevReportKind, QString())};
        IndexMissedMeetings(app, true);
        nobody = !v.PrevReportKind.isEmpty();
    }
    // A question cancelled over a missed-nights view leaves that view, shown as what it is.
    if (v.ReportKind.startsWith(kMissedNight)) return Built::View;
    return nobody ? Built::Nobody : Built::Cancelled;
}

// While a printed report uses the view (IndexBuilt) it is shown as it stands.
Built BuildTotalAttend(App& app) {
    CurrentView& v = app.view;
    const QString before = v.ReportKind;
    if (!v.IndexBuilt) IndexTotalAttend(app, true);
    // A cancelled dialog over an empty view has the builder return to all names.
    if (v.FilterChoice == QLatin1String("cancel")) return v.ReportKind == before ? Built::Cancelled : Built::NobodyTold;
    if (v.IndexBuilt || v.ReportKind == kTotalAttend) return Built::View;
    return Built::NobodyTold;
}

const std::vector<FilterCommand>& Commands() {
    static const std::vector<FilterCommand> commands = {
        {.name = QStringLiteral("mnuAlphaCutOffFilter"),
         .form = Form::CutOffFirst,
         .build = Builds(IndexAlphaCutoff),
         .keys = Keys({}),
         .hint = true,
         .message =
             [](const App& a) {
                 return QStringLiteral("Names have been sorted and filtered ALPHABETICALLY Print cutoff is ") +
                        Plain(a.settings.PrintCutOff) + Lines(2) + kRestoreD;
             },
         .none = Text(kNoNames),
         .disablesFilters = true},
        {.name = QStringLiteral("mnuSelTeamCode"),
         .build = BuildSelectedTeam,
         .keys = Keys({QStringLiteral("WorkerCode")}),
         .message =
             [](const App& a) {
                 const QString code = Right(a.view.ReportKind, 2);
                 return QStringLiteral(
                            "Names have been sorted and filtered to show only those who have been "
                            "ASSIGNED TO TEAM: ") +
                        code + NewLine + TeamName(a, code) + Lines(2) + kRestoreA;
             },
         .none = Text(kNoNames),
         .keepsFoundName = true},
        {.name = QStringLiteral("mnuWCAlpha"),
         .form = Form::CutOffFirst,
         .build = Builds(IndexTeamAlpha),
         .keys = Keys({QStringLiteral("WorkerCode")}),
         .hint = true,
         .message = Text(QStringLiteral("Names have been sorted and filtered by TEAM CODE.") + Lines(2) + kRestoreC),
         .none = Text(kNoNames)},
        {.name = QStringLiteral("mnuAttendFilter"),
         .form = Form::CutOffLast,
         .build = Builds(IndexAttend),
         .keys = KeyAndCutOff(QStringLiteral("Attendance")),
         .hint = true,
         .label =
             [](const App& a) {
                 return QStringLiteral("Attendance") + NewLine + QStringLiteral("last mtg >") +
                        Plain(a.settings.PrintCutOff);
             },
         .message = Text(QStringLiteral("Names have been sorted according to the Nightly Attendance.  All names "
                                        "present at the last meeting will be first Followed by the next to last "
                                        "meeting, etc.") +
                         Lines(2) + kRestoreA),
         .none = Text(kNoNames)},
        {.name = QStringLiteral("mnuFilterSelMtg"),
         .build = BuildAttendNight,
         .keys = Keys({QStringLiteral("Attendance")}),
         .message =
             [](const App& a) {
                 return QStringLiteral("Names have been sorted and filtered to show only those who ATTENDED MEETING ") +
                        KindNumber(a.view.ReportKind) + Lines(2) + kRestoreA;
             },
         .none = Text(kNoNames),
         .keepsFoundName = true},
        {.name = QStringLiteral("mnuFilterMissedMtgs"),
         .build = BuildMissedMeetings,
         .keys = Keys({QStringLiteral("Last")}),
         .hint = true,
         .label =
             [](const App& a) {
                 return QStringLiteral("Missed Last ") + NewLine + Right(a.view.ReportKind, 2) +
                        QStringLiteral(" night(s).");
             },
         .message =
             [](const App& a) {
                 return QStringLiteral("Names have been filtered to show those who have missed ") +
                        KindNumber(a.view.ReportKind) + QStringLiteral(" night(s).") + Lines(2) + kRestoreA;
             },
         // The builder's return to all names left the kind it built in PrevReportKind.
         .none =
             [](const App& a) {
                 return QStringLiteral("There were no names who have missed ") + NewLine +
                        KindNumber(a.view.PrevReportKind) + QStringLiteral(" night(s).") + NewLine;
             }},
        {.name = QStringLiteral("mnuTotalAttend"),
         .build = BuildTotalAttend,
         .keys = KeyAndCutOff(QStringLiteral("Attend")),
         .hint = true,
         .label =
             [](const App& a) {
                 return QStringLiteral("Total Meetings") + NewLine + QStringLiteral("Attended =") +
                        Plain(a.settings.TotalAttendNum);
             },
         .message =
             [](const App& a) {
                 const bool equal = a.view.FilterChoice == QLatin1String("equal");
                 return QStringLiteral("Names have been sorted to show those who have attended ") +
                        (equal ? QString() : QStringLiteral("at least ")) + Plain(a.settings.TotalAttendNum) +
                        QStringLiteral(" times.") + Lines(2) + kRestoreA;
             },
         .disablesFilters = true},
        {.name = QStringLiteral("mnuAdvFilter"),
         .form = Form::CutOffLast,
         .build = Builds(IndexAdvertising),
         .keys = Keys({QStringLiteral("Advertising")}),
         .hint = true,
         .message = Text(QStringLiteral("Names have been sorted according to Advertising.  All names present at the "
                                        "last meeting will be first Followed by the next to last meeting, etc.") +
                         Lines(2) +
                         QStringLiteral("There will be more names present than the total names in the file because "
                                        "each person may have checked one or more advertising methods.") +
                         Lines(3) + kRestoreA),
         .none = Text(kNoNames)},
        {.name = QStringLiteral("mnuAgeFilter"),
         .form = Form::CutOffLast,
         .build = Builds(IndexAge),
         .keys = Keys({QStringLiteral("Age")}),
         .hint = true,
         .message = Text(QStringLiteral("Names have been sorted according to Age.") + Lines(3) + kRestoreA),
         .none = Text(kNoNames)},
        {.name = QStringLiteral("mnuBaptisms"),
         .build =
             [](App& a) {
                 IndexBaptisms(a, QStringLiteral("Al"));
                 return Built::View;
             },
         .keys = Keys({QStringLiteral("IntLevel")}),
         .label = Text(QStringLiteral("Baptism List")),
         .message = Text(QStringLiteral("Names have been sorted and filtered to show only those who have been "
                                        "BAPTIZED") +
                         Lines(2) + kRestoreA),
         .none = Text(QStringLiteral("There are no baptisms to display"))},
        {.name = QStringLiteral("mnuBapDate"),
         .form = Form::Prepared,
         .build = Builds(IndexBaptismDate),
         .keys = Keys({QStringLiteral("BaptDate")}),
         .hint = true,
         .message = Text(QStringLiteral("Names have been sorted by Baptism Dates Set and filtered to show only those "
                                        "who have a baptism date set.") +
                         NewLine + kRestoreB),
         .none = Text(QStringLiteral("There are no baptisms dates set."))},
        {.name = QStringLiteral("mnuDecisionsFilter"),
         .build = [](App& a) { return IndexDecisions(a, true) ? Built::View : Built::Nobody; },
         .keys = [](const App& a) { return QStringList{QStringLiteral("Dec(%1)").arg(DecisionShown(a) - 1)}; },
         .label = DecisionName,
         .message =
             [](const App& a) {
                 return QStringLiteral(
                            "Names have been sorted and filtered to show only those who have made the "
                            "DECISION: ") +
                        DecisionName(a).toUpper() + Lines(2) + kRestoreA;
             },
         .none = Text(QStringLiteral("There are no decisions to display")),
         .disablesFilters = true},
        {.name = QStringLiteral("mnuAddressFilter"),
         .build =
             [](App& a) {
                 IndexDuplicateAddresses(a, QStringLiteral("All"));
                 return Built::View;
             },
         .keys = Keys({QStringLiteral("Address")}),
         .label = Text(QStringLiteral("Duplicate") + NewLine + QStringLiteral("Address ")),
         .message = Text(QStringLiteral("Names have been sorted and filtered to show only those who have DUPLICATE "
                                        "ADDRESESS") +
                         Lines(2) + kRestoreA),
         .none = Text(QStringLiteral("There are no duplicate addresses to display."))},
        {.name = QStringLiteral("mnuIntLevel"),
         .form = Form::Prepared,
         .build =
             [](App& a) {
                 IndexInterest(a, QStringLiteral("Al"));
                 return Built::View;
             },
         .keys = Keys({QStringLiteral("IntLevel")}),
         .hint = true,
         .message = Text(QStringLiteral("Names have been sorted by Interest Level and filtered to show only those who "
                                        "have an Interest Level of A, B, C, or have been Baptized") +
                         NewLine + kRestoreE),
         .none = Text(QStringLiteral("There are no Priority Interests to display"))},
        {.name = QStringLiteral("mnuMailList"),
         .build = Builds(IndexMailList),
         .keys = Keys({QStringLiteral("MailList")}),
         .label = Text(QStringLiteral("Mail List Filter")),
         .message = Text(QStringLiteral("Names have been sorted and filtered to show only those who are on the MAIL "
                                        "LIST.") +
                         Lines(2) + kRestoreA),
         .none = Text(QStringLiteral("There are no names on the mail list to display"))},
        {.name = QStringLiteral("mnuNeedInterview"),
         .build =
             [](App& a) {
                 IndexNeedInterview(a, false);
                 return Built::View;
             },
         .keys = Keys({QStringLiteral("Class")}),
         .label = Text(QStringLiteral("Baptism List")),
         .message = Text(QStringLiteral("Names have been sorted and filtered to show only those 'A' Interests who "
                                        "have not made an appointment for a baptism interview.") +
                         Lines(2) + kRestoreA),
         .none = Text(kNoNames)},
        {.name = QStringLiteral("mnuNotes"),
         .build = Builds(IndexNotes),
         .keys = Keys({QStringLiteral("Notes")}),
         .label = Text(QStringLiteral("Cards with Notes")),
         .message = Text(QStringLiteral("Names have been sorted and filtered to show only those who have NOTES on "
                                        "their cards.") +
                         Lines(2) + kRestoreA),
         .none = Text(QStringLiteral("There are no Cards with Notes to display"))},
        {.name = QStringLiteral("munPre"),
         .form = Form::Prepared,
         .build = Builds(IndexPreMeeting),
         .keys = Keys({QStringLiteral("Advertising")}),
         .hint = true,
         .message = Text(QStringLiteral("Names have been filtered to show only those who attended as a result of "
                                        "Pre-Crusade Invitations.") +
                         NewLine +
                         QStringLiteral("These names are selected by the 'O' for other and 'I' for Invitation fields "
                                        "being marked.    ") +
                         NewLine + kRestoreB),
         .none = Text(QStringLiteral("There are no names for this filter."))},
        {.name = QStringLiteral("mnuReligion"),
         .form = Form::CutOffFirst,
         .build =
             [](App& a) {
                 IndexReligion(a, QString());
                 return Built::View;
             },
         .keys = Keys({QStringLiteral("RelPref")}),
         .hint = true,
         .message = Text(QStringLiteral("Names have been sorted and filtered by RELIGIOUS PREFERENCE.") + Lines(2) +
                         kRestoreC),
         .none = Text(kNoNames)},
        {.name = QStringLiteral("mnuZips"),
         .form = Form::CutOffFirst,
         .build = Builds(IndexZip),
         .keys = Keys({QStringLiteral("Zip")}),
         .hint = true,
         .message = Text(QStringLiteral("Names have been sorted and filtered By ZIP CODES.") + Lines(2) + kRestoreA),
         .none = Text(kNoNames)},
        {.name = QStringLiteral("mnuMarked"),
         .form = Form::Prepared,
         .build = Builds(IndexMarked),
         .keys = Keys({QStringLiteral("chkMarkToVisit")}),
         .hint = true,
         .message = Text(QStringLiteral("Names have been filtered to show only those which you have selected with the "
                                        "'Mark to Print' box.") +
                         NewLine + kRestoreB),
         .none = Text(QStringLiteral("There are no marked cards to display"))},
    };
    return commands;
}

const FilterCommand* FindCommand(const QString& name) {
    for (const FilterCommand& c : Commands())
        if (c.name == name) return &c;
    return nullptr;
}

// Saves the record on the screen; an empty view has none.
bool SaveShown(App& app, MainScreen& form) {
    return app.view.ReportCount == 0 || SaveCurrentRecord(app, form);
}

// The "All Names" button, the hint and the highlighted key controls.
void Decorate(App& app, MainScreen& form, const FilterCommand& c) {
    form.setVisible(kShowAll, true);
    form.setVisible(kHint, c.hint);
    ResetFieldColors(form);
    for (const QString& key : c.keys(app)) form.setBackColor(key, kHighlightColour);
}

// Tells the user (when there is something to tell) and goes back to all names.
void ReturnToAllNames(App& app, MainScreen& form, const QString& text) {
    if (!text.isEmpty()) app.dialogs().msgBox(text);
    // The return saves the record on the screen under the current view position first: a
    // view the builder left behind gets its own record on the screen before that.
    if (app.view.ReportCount > 0) ShowCurrentRecord(app, form);
    mnuAllAlpha_Click(app, form);
}

void Run(App& app, MainScreen& form, const FilterCommand& c) {
    if (c.form == Form::CutOffFirst) mPrCut_Click(app, form);
    if (!SaveShown(app, form)) return;
    if (c.form == Form::CutOffLast) mPrCut_Click(app, form);
    const bool decorateFirst = c.form == Form::Prepared || c.form == Form::CutOffFirst;
    if (decorateFirst) Decorate(app, form, c);

    const Built built = c.build(app);
    if (built == Built::Cancelled) return;
    if (built != Built::View || app.view.ReportCount <= 0) {
        ReturnToAllNames(app, form, built == Built::NobodyTold || !c.none ? QString() : c.none(app));
        return;
    }
    if (!c.keepsFoundName) form.setText(kFoundName, QString());
    if (c.disablesFilters) form.setEnabled(kFiltersMenu, false);
    ShowCurrentRecord(app, form);
    if (!decorateFirst) Decorate(app, form, c);
    if (c.label) form.setText(kEditLabel, c.label(app));
    app.dialogs().msgBox(c.message(app));
}

// The view kinds whose command the title's double click runs again.
struct Rerun {
    QLatin1String kind;
    QLatin1String command;
};
constexpr Rerun kReruns[] = {
    {QLatin1String("wcalpha"), QLatin1String("mnuWCAlpha")},
    {QLatin1String("interest"), QLatin1String("mnuIntLevel")},
    {QLatin1String("baptism"), QLatin1String("mnuBaptisms")},
    {QLatin1String("date"), QLatin1String("mnuBapDate")},
    {QLatin1String("attend"), QLatin1String("mnuAttendFilter")},
    {QLatin1String("zip"), QLatin1String("mnuZips")},
    {QLatin1String("religion"), QLatin1String("mnuReligion")},
    {QLatin1String("attendnight"), QLatin1String("mnuFilterSelMtg")},
    {QLatin1String("mail"), QLatin1String("mnuMailList")},
    {QLatin1String("DupAddress"), QLatin1String("mnuAddressFilter")},
    {QLatin1String("PreCrusade"), QLatin1String("munPre")},
    {QLatin1String("Advertising"), QLatin1String("mnuAdvFilter")},
    {QLatin1String("marked"), QLatin1String("mnuMarked")},
    {QLatin1String("SelWCAttend"), QLatin1String("mnuSelTeamCode")},
};

}  // namespace

bool RunFilterCommand(App& app, MainScreen& form, const QString& menuName) {
    if (const FilterCommand* c = FindCommand(menuName)) {
        Run(app, form, *c);
        return true;
    }
    if (menuName == QLatin1String("mnuAllAlpha")) {
        mnuAllAlpha_Click(app, form);
        return true;
    }
    if (menuName == QLatin1String("mnuClearMarks")) {
        mnuClearMarks_Click(app, form);
        return true;
    }
    return false;
}

QStringList FilterViewCommands() {
    QStringList names;
    for (const FilterCommand& c : Commands()) names << c.name;
    return names;
}

QString CommandForPreviousView(const QString& prevReportKind) {
    if (prevReportKind.isEmpty() || prevReportKind == kAlpha || prevReportKind == QLatin1String("alphafilter"))
        return QString();
    const QString kind = SplitViewKind(prevReportKind).kind;
    for (const Rerun& r : kReruns)
        if (kind == r.kind) return r.command;
    return kShowAll;
}

void EditLabel_DblClick(App& app, MainScreen& form) {
    const QString command = CommandForPreviousView(app.view.PrevReportKind);
    if (command.isEmpty()) return;
    if (command == kShowAll)
        ShowAll_Click(app, form);
    else
        RunFilterCommand(app, form, command);
}

void mnuAlphaCutOffFilter_Click(App& app, MainScreen& form) {
    RunFilterCommand(app, form, QStringLiteral("mnuAlphaCutOffFilter"));
}
void mnuSelTeamCode_Click(App& app, MainScreen& form) {
    RunFilterCommand(app, form, QStringLiteral("mnuSelTeamCode"));
}
void mnuWCAlpha_Click(App& app, MainScreen& form) {
    RunFilterCommand(app, form, QStringLiteral("mnuWCAlpha"));
}
void mnuAttendFilter_Click(App& app, MainScreen& form) {
    RunFilterCommand(app, form, QStringLiteral("mnuAttendFilter"));
}
void mnuFilterSelMtg_Click(App& app, MainScreen& form) {
    RunFilterCommand(app, form, QStringLiteral("mnuFilterSelMtg"));
}
void mnuFilterMissedMtgs_Click(App& app, MainScreen& form) {
    RunFilterCommand(app, form, QStringLiteral("mnuFilterMissedMtgs"));
}
void mnuTotalAttend_Click(App& app, MainScreen& form) {
    RunFilterCommand(app, form, QStringLiteral("mnuTotalAttend"));
}
void mnuAdvFilter_Click(App& app, MainScreen& form) {
    RunFilterCommand(app, form, QStringLiteral("mnuAdvFilter"));
}
void mnuAgeFilter_Click(App& app, MainScreen& form) {
    RunFilterCommand(app, form, QStringLiteral("mnuAgeFilter"));
}
void mnuBaptisms_Click(App& app, MainScreen& form) {
    RunFilterCommand(app, form, QStringLiteral("mnuBaptisms"));
}
void mnuBapDate_Click(App& app, MainScreen& form) {
    RunFilterCommand(app, form, QStringLiteral("mnuBapDate"));
}
void mnuDecisionsFilter_Click(App& app, MainScreen& form) {
    RunFilterCommand(app, form, QStringLiteral("mnuDecisionsFilter"));
}
void mnuAddressFilter_Click(App& app, MainScreen& form) {
    RunFilterCommand(app, form, QStringLiteral("mnuAddressFilter"));
}
void mnuIntLevel_Click(App& app, MainScreen& form) {
    RunFilterCommand(app, form, QStringLiteral("mnuIntLevel"));
}
void mnuMailList_Click(App& app, MainScreen& form) {
    RunFilterCommand(app, form, QStringLiteral("mnuMailList"));
}
void mnuNeedInterview_Click(App& app, MainScreen& form) {
    RunFilterCommand(app, form, QStringLiteral("mnuNeedInterview"));
}
void mnuNotes_Click(App& app, MainScreen& form) {
    RunFilterCommand(app, form, QStringLiteral("mnuNotes"));
}
void munPre_Click(App& app, MainScreen& form) {
    RunFilterCommand(app, form, QStringLiteral("munPre"));
}
void mnuReligion_Click(App& app, MainScreen& form) {
    RunFilterCommand(app, form, QStringLiteral("mnuReligion"));
}
void mnuZips_Click(App& app, MainScreen& form) {
    RunFilterCommand(app, form, QStringLiteral("mnuZips"));
}
void mnuMarked_Click(App& app, MainScreen& form) {
    RunFilterCommand(app, form, QStringLiteral("mnuMarked"));
}

}  // namespace fennick

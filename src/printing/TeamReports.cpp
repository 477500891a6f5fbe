#include "printing/TeamReports.h"

#include "data/App.h"
#include "data/DataStore.h"
#include "data/Text.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "printing/PrintCommons.h"
#include "views/AttendanceViews.h"
#include "views/Indexes.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace fennick {

namespace {

const QString kEqual = QStringLiteral("equal");
const QString kCancel = QStringLiteral("cancel");

// Where the pages of a team report break and carry their footers.
constexpr double kBreakAfter = 24.9;
constexpr double kOverflowFooterY = 26.3;
constexpr double kEndFooterY = 25.4;
constexpr double kContinuationTop = 0.4;
// The columns of a name's line after the name: address, place and telephone, and the codes.
constexpr double kAddressX = 4.91;
constexpr double kPlaceX = 8.1;
constexpr double kCodesX = 11.2;

// The team code of a view entry (characters 5-6).
QByteArray TeamOf(const QByteArray& entry) {
    return Mid(entry, 5, 2);
}

// The team's line of TeamNames as stored ("name:telephone"); a code that is no team
// ("45", "ab", from a file written elsewhere) reads "Team # " and the code.
QString TeamLine(const App& app, const QByteArray& code) {
    if (!IsTeamCode(code)) return QStringLiteral("Team # ") + FromAnsi(code);
    return app.settings.TeamNames[size_t(Val(code))];
}

// A team's line with its first ":" joining name and telephone as given, for printing: the
// name may be cut, the telephone stays whole.
TextParts TeamLineParts(const App& app, const QByteArray& code, const QString& joint) {
    const QString line = TeamLine(app, code);
    if (!IsTeamCode(code)) return {WholePart(line)};
    const qsizetype colon = line.indexOf(u':');
    if (colon < 0) return {TeamNamePart(app.settings, line)};
    return {TeamNamePart(app.settings, line.left(colon)), WholePart(joint + line.mid(colon + 1))};
}

// The title of a report type, and whether each team begins a page of its own.
struct TypeLayout {
    TextParts title;
    bool pagePerTeam = true;
};

// Builds or takes the view of the report type; nullopt when the report ends without
// printing (the attendance filter dialog abandoned).
std::optional<TypeLayout> ChooseViewAndTitle(App& app, int type) {
    const bool built = app.view.IndexBuilt;
    const auto title = [&app](const QString& caption) { return CrusadeTitle(app, caption); };
    const int last = app.settings.LastMeeting;
    const auto tonight = [&app, last](const QString& caption) {
        return CrusadeTitle(app, caption) << SermonTitlePart(app, last) << WholePart(SabbathSuffix(app, last));
    };
    switch (type) {
    case 1:
        if (!built) IndexTeamAlpha(app);
        return TypeLayout{title(QStringLiteral(" Team Alphabetical List"))};
    case 2:
        if (!built) IndexTeamAttend(app);
        return TypeLayout{tonight(QStringLiteral(" Attendance: "))};
    case 4:
        if (!built) IndexTeamAttend(app);
        return TypeLayout{tonight(QStringLiteral(" Master Attendance List by Team: ")), false};
    case 5: {
        IndexTotalAttendByTeam(app);
        const QString& answer = app.msg.ScratchVar;
        if (answer.isEmpty() || answer == kCancel) return std::nullopt;
        const QString n = Plain(app.settings.TotalAttendNum);
        if (answer == kEqual) return TypeLayout{title(QStringLiteral(" Attending ") + n + QStringLiteral(" Meetings"))};
        return TypeLayout{title(QStringLiteral(" Attending at Least ") + n + QStringLiteral(" Meetings"))};
    }
    case 6:
        return TypeLayout{title(QStringLiteral(" Baptisms by Team"))};
    case 7:
        return TypeLayout{title(QStringLiteral(" Priority List by Team"))};
    case 8:
        return TypeLayout{title(QStringLiteral(" Needs Baptism Interview List by Team")), false};
    default:
        if (!built) IndexTeamAlpha(app);
        return TypeLayout{title(QStringLiteral(" Master Attendance Report"))};
    }
}

enum class Grouping { None, LastNight, Count, Level };

Grouping GroupingOf(int type) {
    switch (type) {
    case 2:
        return Grouping::LastNight;
    case 5:
        return Grouping::Count;
    case 7:
        return Grouping::Level;
    default:
        return Grouping::None;
    }
}

// One team report being drawn.
class TeamReport {
public:
    TeamReport(App& app, int type, TypeLayout layout)
        : app_(app), p_(app.printer()), grouping_(GroupingOf(type)), title_(std::move(layout.title)),
          pagePerTeam_(layout.pagePerTeam), oneTeam_(app.view.ReportKind.startsWith(QLatin1String("SelWCAttend"))) {}

    // Reads the view's records and works out each entry's group and group size.
    void prepare();
    void setPagePerTeam(bool on) { pagePerTeam_ = on; }
    // Draws the whole document on the printer (it is not ended here).
    void draw();
    // The sections drawn: teams with a page per team, sheets without.
    int sections() const { return int(sectionStart_.size()); }
    // The printer's pages from..to of the document that hold sections from..to.
    PrinterChoice pagesOf(const PrinterChoice& sections) const;

private:
    QByteArray groupOf(int i) const;
    void printPageHeader(const QByteArray& team);
    void printTeamHeading(const QByteArray& team);
    void printInlineTeamHeading(const QByteArray& team);
    void startTeam(const QByteArray& team);
    void printSubHeading(int i);
    void printLine(const AttendeeRecord& r);
    void breakIfFull();

    App& app_;
    Printer& p_;
    Grouping grouping_;
    TextParts title_;
    bool pagePerTeam_;
    bool oneTeam_;  // a view of one chosen team: team changes are not followed

    QList<QByteArray> entries_;
    std::vector<AttendeeRecord> records_;
    std::vector<int> groupSize_;  // entries from this one on with its group, within its team

    QByteArray team_;
    int pages_ = 0;              // the page counter: sections begun, or sheets ended
    std::vector<int> sectionStart_;  // the printer's page on which each section begins
    int lastNight_ = 0;          // type 2: the group of the last night attended
    QByteArray group_;           // types 5 and 7: the group value
};

QByteArray TeamReport::groupOf(int i) const {
    const QByteArray& e = entries_[i];
    switch (grouping_) {
    case Grouping::Count:
        return Mid(e, 7, 2);
    case Grouping::Level:
        return Mid(e, 7, 1);
    default:
        return QByteArray();
    }
}

void TeamReport::prepare() {
    const CurrentView& v = app_.view;
    entries_ = v.ReportIndex.mid(1, v.ReportCount);
    const int n = int(entries_.size());
    records_.reserve(size_t(n));
    for (int i = 1; i <= n; ++i) records_.push_back(ReadRecord(app_, v.recordNumberAt(i)));
    // A group's count stops where its team ends.
    groupSize_.assign(size_t(n), 1);
    for (int i = n - 2; i >= 0; --i)
        if (groupOf(i) == groupOf(i + 1) && TeamOf(entries_[i]) == TeamOf(entries_[i + 1]))
            groupSize_[size_t(i)] = groupSize_[size_t(i) + 1] + 1;
}

void TeamReport::printPageHeader(const QByteArray& team) {
    p_.setFont(ReportFont(6));
    p_.setCurrentX(0.6);
    p_.setCurrentY(0.3);
    if (pagePerTeam_) {
        // The team's line with its first ":" a blank.
        p_.printOnLine(TextParts{WholePart(QStringLiteral("Team ") + FromAnsi(team) + QStringLiteral(":  "))}
                           << TeamLineParts(app_, team, QStringLiteral(" ")) << WholePart(QStringLiteral("      "))
                           << title_,
                       kHeaderMeetingX);
    } else {
        p_.printOnLine(title_, kHeaderMeetingX);
    }
    const double meetingX = p_.nextColumn(kHeaderMeetingX);
    p_.setFont(ReportFont(7));
    p_.setCurrentY(0);
    p_.setCurrentX(meetingX);
    p_.print(Plain(app_.settings.LastMeeting));

    p_.setCurrentX(1.0);
    p_.setCurrentY(p_.currentY() - 0.05);
    p_.setFont(ReportFont(3));
    const QString date = HeaderDate(app_.clock().today());
    p_.setCurrentX(20 - std::nearbyint(p_.textWidth(date)));
    p_.print(date);

    p_.setDrawWidth(6);
    p_.line(0.6, 1.0, 19.9, 1.0);
    p_.setCurrentY(1.9);
    p_.setCurrentX(0);
    if (!pagePerTeam_) {
        p_.print();
        printTeamHeading(team);
    }
}

void TeamReport::printTeamHeading(const QByteArray& team) {
    p_.setFont(ReportFont(6));
    p_.setCurrentX(0.6);
    p_.print(TextParts{WholePart(QStringLiteral("Team ") + FromAnsi(team) + QStringLiteral("  "))}
                 << TeamLineParts(app_, team, QStringLiteral(":")),
             Printer::kPrintableRightCm);
}

void TeamReport::printInlineTeamHeading(const QByteArray& team) {
    p_.print();
    p_.print();
    printTeamHeading(team);
}

void TeamReport::startTeam(const QByteArray& team) {
    team_ = team;
    // Every team begins its groups afresh: those at the last meeting, no level, one night.
    lastNight_ = app_.settings.LastMeeting;
    group_ = grouping_ == Grouping::Count ? QByteArray("01") : QByteArray();
}

void TeamReport::printSubHeading(int i) {
    const QByteArray& e = entries_[i];
    const QString n = Plain(groupSize_[size_t(i)]);
    TextParts text;
    double x = 0.6;
    switch (grouping_) {
    case Grouping::LastNight: {
        // The view keeps 9999 - Last in three digits: 999 minus them is the last night.
        int night = 999 - int(Val(Mid(e, 7, 3)));
        if (night == 999) night = lastNight_;
        if (night == lastNight_) return;
        lastNight_ = night;
        if (night == app_.settings.LastMeeting) return;
        text = {WholePart(QStringLiteral("Missing Since Meeting # ") + Plain(night) + QStringLiteral(": ")),
                SermonTitlePart(app_, night), WholePart(SabbathSuffix(app_, night))};
        x = 0.8;
        break;
    }
    case Grouping::Count: {
        const QByteArray value = groupOf(i);
        if (value == group_) return;
        group_ = value;
        text = {WholePart(Plain(qint64(Val(value))) + QStringLiteral(" Meetings Attended: ") + QStringLiteral("    (") +
                          n + QStringLiteral(")"))};
        break;
    }
    case Grouping::Level: {
        const QByteArray level = groupOf(i);
        if (level == group_) return;
        group_ = level;
        if (level == "G")
            text = {WholePart(QStringLiteral("Baptized/ *Profession of Faith ") + QStringLiteral("    (") + n +
                              QStringLiteral(")"))};
        else
            text = {WholePart(QStringLiteral("Interest Level: ") + FromAnsi(level) + QStringLiteral("    (") + n +
                              QStringLiteral(")"))};
        break;
    }
    case Grouping::None:
        return;
    }
    p_.setFont(ReportFont(8));
    p_.setCurrentX(x);
    p_.print(text, Printer::kPrintableRightCm);
    p_.setCurrentY(p_.currentY() + 0.12);
}

void TeamReport::printLine(const AttendeeRecord& r) {
    p_.setFont(ReportFont(3));
    p_.setCurrentX(0.8);
    p_.printOnLine(FromAnsi(r.WorkerCode.bytes() + ' ' + r.RNum.bytes() + ' '));
    p_.setFont(ReportFont(HasBaptismDate(r.BaptDate.bytes()) ? 4 : 3));
    p_.printOnLine(FromAnsi(r.LName.rtrimmed() + ", " + r.FName.rtrimmed()), kAddressX, Printer::Fit::Cut);
    p_.setFont(ReportFont(3));
    p_.setCurrentX(kAddressX);
    p_.printOnLine(FromAnsi(r.Address.bytes()), kPlaceX, Printer::Fit::Cut);
    // The zip and the telephone are whole; of the city only its letters.
    p_.setCurrentX(kPlaceX);
    p_.printOnLine(FromAnsi(Left(r.City.bytes(), 3)), FromAnsi(Left(r.Zip.bytes(), 5) + " (" + r.Phone.trimmed() + ")"),
                   kCodesX);
    p_.setCurrentX(p_.nextColumn(kCodesX));
    p_.setFont(ReportFont(2));
    p_.printOnLine(FromAnsi("/" + Left(r.RelPref.bytes(), 3) + Left(r.Age.bytes(), 1) + "/ "));
    // The last 28 nights up to the last meeting, or the first 28.
    const int last = std::min<int>(app_.settings.LastMeeting, kMeetings);
    const int first = last > 28 ? last - 27 : 1;
    p_.print(FromAnsi(Mid(r.Attendance.bytes(), first, 28) + " " + r.IntLevel.bytes() + "/" + r.Decisions.rtrimmed() +
                      "  " + r.Visits.bytes()),
             Printer::kPrintableRightCm, Printer::Fit::Whole);
    p_.setCurrentY(p_.currentY() + 0.17);
}

void TeamReport::breakIfFull() {
    if (p_.currentY() <= kBreakAfter) return;
    if (!pagePerTeam_) ++pages_;
    p_.setCurrentX(1.0);
    p_.setCurrentY(kOverflowFooterY);
    if (pages_ > 1) PrintPageNumber(p_, title_, pages_);
    p_.newPage();
    if (!pagePerTeam_) sectionStart_.push_back(p_.page());
    p_.setCurrentY(kContinuationTop);
}

void TeamReport::draw() {
    if (entries_.isEmpty()) return;
    pages_ = pagePerTeam_ ? 1 : 0;
    sectionStart_.assign(1, p_.page());
    const QByteArray firstTeam = TeamOf(entries_.front());
    startTeam(firstTeam);
    printPageHeader(firstTeam);
    for (int i = 0; i < int(entries_.size()); ++i) {
        const QByteArray team = TeamOf(entries_[i]);
        if (oneTeam_) {
            // A view of one chosen team prints that team's names only.
            if (team != firstTeam) continue;
        } else if (team != team_) {
            startTeam(team);
            if (pagePerTeam_) {
                p_.newPage();
                sectionStart_.push_back(p_.page());
                printPageHeader(team);
                ++pages_;
            } else {
                printInlineTeamHeading(team);
            }
        }
        printSubHeading(i);
        printLine(records_[size_t(i)]);
        breakIfFull();
    }
    p_.setCurrentX(1.0);
    p_.setCurrentY(kEndFooterY);
    if (!pagePerTeam_ && pages_ > 1) PrintPageNumber(p_, title_, pages_ + 1);
}

PrinterChoice TeamReport::pagesOf(const PrinterChoice& chosen) const {
    PrinterChoice job = chosen;
    const int n = sections();
    const int from = std::clamp(chosen.fromPage, 1, n);
    job.fromPage = sectionStart_[size_t(from - 1)];
    // The last page of section to: the page before the next section begins.
    job.toPage = chosen.toPage < n ? std::max(job.fromPage, sectionStart_[size_t(chosen.toPage)] - 1)
                                   : std::max(chosen.toPage, p_.document().pageCount);
    return job;
}

}  // namespace

void PrintWCReport(App& app, int& reportType) {
    std::optional<TypeLayout> layout = ChooseViewAndTitle(app, reportType);
    if (!layout) return;
    if (app.view.ReportCount <= 0) {
        app.dialogs().msgBox(QStringLiteral("There are no names in this list to print"));
        return;
    }
    TeamReport report(app, reportType, *layout);
    report.prepare();

    int fromPage = 1, toPage = 1000, copies = 1;
    if (!SelPrinter(app, fromPage, toPage, copies)) return;
    if (reportType == 6) {
        const int answer = app.dialogs().msgBox(QStringLiteral("Separate the Teams with a page break?"), Buttons::YesNo,
                                                Icon::Question, QStringLiteral("Select Print Format"));
        app.msg.ScratchVar = QString::number(answer);
        report.setPagePerTeam(answer == AnsYes);
    }

    Printer& p = app.printer();
    p.killDoc();  // nothing left over from an earlier report
    report.draw();
    if (report.sections() < fromPage) {
        DiscardPastTheLastPage(app);
        return;
    }
    // The chosen pages count sections; the printer's job counts its own pages.
    const PrinterChoice chosen = p.job();
    p.setJob(report.pagesOf(chosen));
    try {
        p.endDoc();
    } catch (...) {
        p.setJob(chosen);
        throw;
    }
    p.setJob(chosen);
}

}  // namespace fennick

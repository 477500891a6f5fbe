#include "printing/OneLineReports.h"

#include "attendance/VisitCodes.h"
#include "data/App.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "platform/Dialogs.h"
#include "printing/PrintCommons.h"
#include "views/AttendanceViews.h"
#include "views/Indexes.h"
#include "views/MailViews.h"
#include "views/PersonViews.h"
#include "views/VisitationViews.h"

#include <QHash>

#include <optional>
#include <vector>

namespace fennick {

namespace {

const QString kEqual = QStringLiteral("equal");
const QString kCancel = QStringLiteral("cancel");

// The columns of a list line after the name: address, place and telephone, and the codes.
constexpr double kAddressX = 4.71;
constexpr double kPlaceX = 8.5;
constexpr double kCodesX = 11.7;

// A table entry by index; an index outside the table gives an empty text, as a view
// entry may not carry the characters a layout expects.
template <size_t N>
QString TableText(const std::array<QString, N>& table, qint64 i) {
    return i >= 0 && i < qint64(N) ? table[size_t(i)] : QString();
}

// The number in characters start..start+n-1 of a view entry.
int EntryNumber(const QByteArray& entry, int start, int n) {
    return int(Val(Mid(entry, start, n)));
}

// The last night attended as the attendance views key it: 999 minus characters 5-7.
int LastNightOf(const QByteArray& entry) {
    return 999 - EntryNumber(entry, 5, 3);
}

bool IsAppointmentKind(const QString& kind) {
    return kind == QLatin1String("BaptClass") || kind == QLatin1String("InterviewRemain");
}

// The decisions whose titles name a baptism and a uniting with the church (0: none); the
// last title that names one wins.
struct DecisionIndexes {
    int unite = 0;
    int baptism = 0;
};

DecisionIndexes FindDecisionIndexes(const App& app) {
    DecisionIndexes d;
    for (int i = 1; i <= 9; ++i) {
        const QString name = app.settings.DecisionNames[size_t(i)].toUpper();
        if (name.contains(QLatin1String("UNITE"))) d.unite = i;
        if (name.contains(QLatin1String("BAPT"))) d.baptism = i;
    }
    return d;
}

// The title of type 10, by the kind of the current view; empty when the user gave none.
QString TitleByKind(App& app, int& type) {
    const CurrentView& v = app.view;
    const QString& kind = v.ReportKind;
    const QString& name = app.settings.CrusadeName;
    const QString count = QStringLiteral(" (") + Plain(v.ReportCount) + QStringLiteral(")");
    if (kind == QLatin1String("mail")) return name + QStringLiteral(" Mail List");
    if (kind == QLatin1String("TDupAddress")) return name + QStringLiteral(" Addresses with Multiple Teams Assigned");
    if (kind == QLatin1String("NDupAddress"))
        return name + QStringLiteral(" Duplicate Address with Different Last Name");
    if (kind == QLatin1String("DupAddress")) return name + QStringLiteral(" Duplicate Addresses- All Names");
    if (kind == QLatin1String("NeedInterview") || kind == QLatin1String("WCNeedInterview")) {
        type = 6;
        return name + QStringLiteral(" Need Baptism Interview") + count;
    }
    if (kind == QLatin1String("BaptClass")) return name + QStringLiteral(" Baptism Interview Set");
    if (kind == QLatin1String("InterviewRemain")) return name + QStringLiteral(" Baptism Interviews Remaining");
    if (kind == QLatin1String("NeedDate")) {
        type = 6;
        return name + QStringLiteral(" Need Baptism Date");
    }
    if (kind == QLatin1String("FutureBapDateSet")) {
        type = 5;
        return name + QStringLiteral(" Future Baptism Dates Set");
    }
    if (kind == QLatin1String("notes")) return name + QStringLiteral(": Notes and Comments ");
    if (kind == QLatin1String("religion")) return name + QStringLiteral(" Adventists");
    const QString first11 = Left(kind, 11);
    const QString last2 = Right(kind, 2);
    if (first11 == QLatin1String("attendnight")) {
        const int n = int(Val(last2));
        return name + QStringLiteral(", Meeting: ") + last2 + QStringLiteral(": ") + TableText(app.settings.SermonTitles, n);
    }
    if (first11 == QLatin1String("missednight"))
        return name + QStringLiteral(", Missed Last ") + last2.trimmed() + QStringLiteral(" Meetings");
    if (first11 == QLatin1String("needsabvis")) return name + QStringLiteral(", Need Sabbath Visit");
    if (first11 == QLatin1String("SelWCAttend")) return name + QStringLiteral(", Team ") + last2.trimmed();
    if (first11 == QLatin1String("NoAssignedI"))
        return name + QStringLiteral(", Need Interest Level Assigned ") + count;
    // Any other view (the marked names among them) is printed as it stands, under a title
    // the user gives.
    return app.dialogs().inputBox({QStringLiteral("Enter the Title you desire for this report."),
                                   QStringLiteral("Report Title"),
                                   name + QStringLiteral(" Names Selected From the Main File"), std::nullopt});
}

// Builds or takes the view of the report type and returns its title; nullopt when the
// report ends without printing (a cancelled question or an empty title).
std::optional<QString> ChooseViewAndTitle(App& app, int& type, const QString& sabbath) {
    CurrentView& v = app.view;
    const bool built = v.IndexBuilt;
    const QString& name = app.settings.CrusadeName;
    switch (type) {
    case 1:
        if (!built) IndexAlpha(app);
        return name + QStringLiteral(" Master Alphabetical List");
    case 2: {
        if (!built) IndexAttend(app);
        const int last = app.settings.LastMeeting;
        int present = 0;
        while (present < v.ReportCount && LastNightOf(v.ReportIndex[present + 1]) == last) ++present;
        return name + QStringLiteral(" Master Attendance List:  ") + TableText(app.settings.SermonTitles, last) +
               QStringLiteral(" ") + sabbath + QStringLiteral("(") + Plain(present) + QStringLiteral(" present)");
    }
    case 3:
        IndexMapCode(app);
        return name + QStringLiteral(" Attendance Report by MapCode");
    case 4:
        if (!built) IndexZip(app);
        return name + QStringLiteral(" Names by Zipcode");
    case 5:
        IndexBaptismDate(app);
        return name + QStringLiteral(" All Baptism Dates Set");
    case 6:
        if (v.ReportKind != QLatin1String("interest")) IndexInterest(app, QStringLiteral("Al"));
        return name + QStringLiteral(" Priority Interest List");
    case 7:
        IndexBaptismClass(app);
        type = 1;
        return name + QStringLiteral(" Bible School (") + Plain(v.ReportCount) + QStringLiteral(" Names)");
    case 8:
        IndexPreMeeting(app);
        type = 1;
        return name + QStringLiteral(" Pre-Crusade Invitations (") + Plain(v.ReportCount) + QStringLiteral(" Names)");
    case 9:
        IndexMapCode(app);
        return name + QStringLiteral(" Names Selected to Visit Arranged by MapCode");
    case 10: {
        // The menu's "Special Marked Names" prints the marked names whatever view is current.
        if (!built) IndexMarked(app);
        QString title = TitleByKind(app, type);
        if (title.isEmpty()) return std::nullopt;
        return title;
    }
    case 11:
        IndexChurchMembers(app);
        return name + QStringLiteral(" Adventist Names");
    case 12: {
        const int night = IndexAttendNight(app, true);
        if (night == 0) return std::nullopt;
        return name + QStringLiteral(" Attending Meeting ") + Str(qint64(night));
    }
    case 13: {
        if (!built) {
            IndexTotalAttend(app, true);
            // Nobody found: the builder has gone back to all names, which must not be
            // printed under this title.
            if (v.ReportKind != QLatin1String("TotalAttend")) return std::nullopt;
        }
        // The comparison the view was built with, kept by the view itself.
        const QString& choice = v.FilterChoice;
        if (choice.isEmpty() || choice == kCancel) return std::nullopt;
        const QString n = Plain(app.settings.TotalAttendNum);
        if (choice == kEqual) return name + QStringLiteral(" Attending ") + n + QStringLiteral(" Meetings");
        return name + QStringLiteral(" Attending at Least ") + n + QStringLiteral(" Meetings");
    }
    default:
        IndexTeamAlpha(app);
        return name + QStringLiteral(" Master Report") + sabbath;
    }
}

enum class Grouping { None, LastNight, Zip, BaptDate, Interest, AppointmentDay, AttendCount };

Grouping GroupingOf(int type, const QString& kind) {
    switch (type) {
    case 2:
    case 3:
        return Grouping::LastNight;
    case 4:
        return Grouping::Zip;
    case 5:
        return Grouping::BaptDate;
    case 6:
        return Grouping::Interest;
    case 10:
        return IsAppointmentKind(kind) ? Grouping::AppointmentDay : Grouping::None;
    case 13:
        return Grouping::AttendCount;
    default:
        return Grouping::None;
    }
}

// One list being drawn: the view's entries and records, the group keys and counts, and
// the layout of the kind and type.
class OneLineList {
public:
    OneLineList(App& app, int type, QString title)
        : app_(app), p_(app.printer()), type_(type), title_(std::move(title)), kind_(app.view.ReportKind),
          grouping_(GroupingOf(type, kind_)), decisions_(FindDecisionIndexes(app)) {}

    // Reads the view's records and works out each entry's group key and group size.
    void prepare();
    // Draws the whole document on the printer (it is not ended here).
    void draw();

private:
    QByteArray keyOf(int i) const;
    QString headingText(int i) const;
    void printHeading(int i);
    void printPlainLine(const AttendeeRecord& r);
    void printNotesLine(const AttendeeRecord& r);
    void printAppointmentLine(int i, const AttendeeRecord& r);
    void printTotals();
    QString nameField(const AttendeeRecord& r) const;
    bool standsOut(const AttendeeRecord& r) const;
    QString attendanceWindow(const AttendeeRecord& r) const;

    App& app_;
    Printer& p_;
    int type_;
    QString title_;
    QString kind_;
    Grouping grouping_;
    DecisionIndexes decisions_;

    QList<QByteArray> entries_;           // entries 1..ReportCount, from 0
    std::vector<AttendeeRecord> records_;  // the record of each entry
    std::vector<QByteArray> keys_;         // the group key of each entry
    std::vector<int> groupSize_;           // the entries of its group that the heading counts

    std::optional<QByteArray> currentKey_;
    QByteArray previousAddress_;
    bool addressSeen_ = false;
    int previousTime_ = 0;
    int baptized_ = 0;
};

QByteArray OneLineList::keyOf(int i) const {
    const QByteArray& e = entries_[i];
    const AttendeeRecord& r = records_[size_t(i)];
    switch (grouping_) {
    case Grouping::LastNight:
        return QByteArray::number(LastNightOf(e));
    case Grouping::Zip:
        if (app_.settings.CanadianZip) return Left(r.Zip.bytes(), 3) + QByteArray(7, ' ');
        return r.Zip.bytes();
    case Grouping::BaptDate:
        return r.BaptDate.bytes();
    case Grouping::Interest:
        // The level follows the team code in the views grouped by team.
        return Mid(e, kind_ == QLatin1String("WCNeedInterview") ? 7 : 5, 1);
    case Grouping::AppointmentDay:
        return Mid(e, 6, 1);
    case Grouping::AttendCount:
        return Mid(e, 5, 2);
    case Grouping::None:
        break;
    }
    return QByteArray();
}

void OneLineList::prepare() {
    const CurrentView& v = app_.view;
    entries_ = v.ReportIndex.mid(1, v.ReportCount);
    const int n = int(entries_.size());
    records_.reserve(size_t(n));
    for (int i = 1; i <= n; ++i) records_.push_back(ReadRecord(app_, v.recordNumberAt(i)));
    keys_.resize(size_t(n));
    for (int i = 0; i < n; ++i) keys_[size_t(i)] = keyOf(i);
    groupSize_.assign(size_t(n), 0);
    if (grouping_ == Grouping::BaptDate) {
        // Every entry of the view with the same date, as the view keys it (characters 5-12),
        // whatever way the date is written in the records.
        QHash<QByteArray, int> total;
        for (const QByteArray& e : entries_) ++total[Mid(e, 5, 8)];
        for (int i = 0; i < n; ++i) groupSize_[size_t(i)] = total.value(Mid(entries_[i], 5, 8));
    } else {
        // The entries from this one onwards with the same key.
        QHash<QByteArray, int> onwards;
        for (int i = n - 1; i >= 0; --i) groupSize_[size_t(i)] = ++onwards[keys_[size_t(i)]];
    }
}

QString OneLineList::headingText(int i) const {
    const CrusadeSettings& s = app_.settings;
    const QString n = Plain(groupSize_[size_t(i)]);
    const QByteArray& key = keys_[size_t(i)];
    const AttendeeRecord& r = records_[size_t(i)];
    switch (grouping_) {
    case Grouping::LastNight: {
        const int night = key.toInt();
        return QStringLiteral("Missing Since Meeting # ") + Plain(night) + QStringLiteral(": ") +
               TableText(s.SermonTitles, night) + QStringLiteral(" ") + SabbathSuffix(app_, night) +
               QStringLiteral("    (") + n + QStringLiteral(")");
    }
    case Grouping::Zip:
        return QStringLiteral("Zipcode # ") + FromAnsi(key) + QStringLiteral(" (") + FromAnsi(r.City.trimmed()) +
               QStringLiteral(")");
    case Grouping::BaptDate:
        return QStringLiteral("Baptisms for: ") + FromAnsi(key) + QStringLiteral("  (") + n + QStringLiteral(")");
    case Grouping::Interest:
        if (key == "G") return QStringLiteral("Baptized/ *Profession of Faith ") + QStringLiteral("    (") + n + QStringLiteral(")");
        return QStringLiteral("Interest Level: ") + FromAnsi(key) + QStringLiteral("    (") + n + QStringLiteral(")");
    case Grouping::AttendCount:
        return Plain(qint64(Val(key))) + QStringLiteral(" Meetings Attended: ") + QStringLiteral("    (") + n +
               QStringLiteral(")");
    case Grouping::AppointmentDay: {
        if (key == "N") return QStringLiteral("No Appointment Date Scheduled ");
        const QString day = WeekDayName(s, key.size() == 1 ? key[0] - '0' : 0);
        return day.isEmpty() ? QString() : day + QStringLiteral(" ");
    }
    case Grouping::None:
        break;
    }
    return QString();
}

void OneLineList::printHeading(int i) {
    if (grouping_ == Grouping::None) return;
    const QByteArray& key = keys_[size_t(i)];
    if (currentKey_ && *currentKey_ == key) return;
    currentKey_ = key;
    if (grouping_ == Grouping::AppointmentDay) {
        p_.setFont(ReportFont(6));
        p_.print();
        p_.setCurrentX(1.0);
        p_.print(headingText(i));
        p_.setCurrentY(p_.currentY() + 0.15);
        previousTime_ = EntryNumber(entries_[i], 7, 2);
        return;
    }
    p_.setCurrentX(0.6);
    p_.setFont(ReportFont(8));
    p_.print(headingText(i));
    p_.setCurrentY(p_.currentY() + 0.12);
}

QString OneLineList::nameField(const AttendeeRecord& r) const {
    QByteArray name = r.WorkerCode.bytes() + ' ' + r.RNum.bytes() + ' ' + r.LName.rtrimmed() + ", " + r.FName.rtrimmed();
    const char level = r.IntLevel.at(1);
    if (type_ == 5 || (type_ == 6 && level == 'G')) {
        if (decisions_.baptism > 0 && r.Decisions.at(decisions_.baptism) == '-') name += '*';
        if (decisions_.unite > 0 && r.Decisions.at(decisions_.unite) == '-') name += "(r)";
    }
    return PadRight(FromAnsi(name), 30);
}

// A name with an interview set or a baptism date, not yet baptized, prints in bold (but
// in the baptism-date list, where every name has a date).
bool OneLineList::standsOut(const AttendeeRecord& r) const {
    return (r.Class != 0 || HasBaptismDate(r.BaptDate.bytes())) && r.IntLevel.at(1) != 'G' && type_ != 5;
}

QString OneLineList::attendanceWindow(const AttendeeRecord& r) const {
    const int last = std::min<int>(app_.settings.LastMeeting, 40);
    const int first = last < 29 ? 1 : last - 27;
    return FromAnsi(Mid(r.Attendance.bytes(), first, 28));
}

void OneLineList::printPlainLine(const AttendeeRecord& r) {
    p_.setFont(ReportFont(standsOut(r) ? 4 : 3));
    p_.setCurrentX(0.6);
    p_.printOnLine(p_.cutAt(nameField(r), kAddressX));

    p_.setCurrentX(kAddressX);
    if (kind_ == QLatin1String("PreCrusade")) {
        const QByteArray adv = r.Advertising.bytes();
        const QByteArray after = Mid(adv, InStr(adv, "-") + 1);
        p_.printOnLine(p_.cutAt(QStringLiteral("(") + FromAnsi(Trim(after)) + QStringLiteral(")"), kPlaceX));
    } else {
        p_.printOnLine(p_.cutAt(FromAnsi(r.Address.bytes()), kPlaceX));
    }

    p_.setCurrentX(kPlaceX);
    const QByteArray map = r.MapCode.trimmed();
    const QByteArray place = map.isEmpty() || map == "xxxx" ? Left(r.Zip.bytes(), 5) : map;
    p_.printOnLine(p_.cutAt(FromAnsi(Left(r.City.bytes(), 3) + " (" + place + ") " + r.Phone.trimmed()), kCodesX));

    p_.setCurrentX(kCodesX);
    p_.setFont(ReportFont(2));
    p_.printOnLine(FromAnsi("/" + Left(r.RelPref.bytes(), 3) + Left(r.Age.bytes(), 1) + "/ "));
    p_.print(attendanceWindow(r) + FromAnsi(" " + r.IntLevel.bytes() + "/" + r.Decisions.rtrimmed() + " " +
                                              r.Visits.bytes()));
    p_.setCurrentY(p_.currentY() + 0.17);
}

void OneLineList::printNotesLine(const AttendeeRecord& r) {
    p_.setFont(ReportFont(standsOut(r) ? 4 : 3));
    p_.setCurrentX(0.6);
    p_.printOnLine(p_.cutAt(nameField(r), kAddressX));
    p_.setCurrentX(kAddressX);
    p_.print(QStringLiteral("-") + FromAnsi(r.Notes.trimmed()));
    p_.print();
}

void OneLineList::printAppointmentLine(int i, const AttendeeRecord& r) {
    const CrusadeSettings& s = app_.settings;
    const QString name =
        PadRight(FromAnsi(r.WorkerCode.bytes() + ' ' + r.LName.rtrimmed() + ", " + r.FName.rtrimmed()), 30);
    const int t = EntryNumber(entries_[i], 7, 2);
    p_.setFont(ReportFont(1));
    // The free time slots between two appointments, as far as the table of times goes.
    while (previousTime_ < t - 1 && previousTime_ + 1 < kMeetingTimeCount) {
        p_.setCurrentY(p_.currentY() + 0.3);
        p_.setCurrentX(2.0);
        p_.print(MeetingTimeText(s, previousTime_ + 1));
        ++previousTime_;
    }
    p_.setCurrentX(2.0);
    if (t != previousTime_) p_.setCurrentY(p_.currentY() + 0.3);
    p_.printOnLine(p_.cutAt(MeetingTimeText(s, t), 4.0));
    p_.setCurrentX(4.0);
    p_.printOnLine(p_.cutAt(name, 11.0));
    p_.setCurrentX(11.0);
    p_.printOnLine(p_.cutAt(FromAnsi(r.Phone.trimmed()), 14.0));
    p_.setFont(ReportFont(3));
    p_.setCurrentX(14.0);
    p_.setCurrentY(p_.currentY() + 0.1);
    p_.printOnLine(QStringLiteral("(") + FromAnsi(r.IntLevel.trimmed()) + QStringLiteral(")"));
    p_.setCurrentX(15.2);
    p_.print(FromAnsi(r.Decisions.trimmed()));
    previousTime_ = t;
}

void OneLineList::printTotals() {
    // In the font the last line left, a label stops where its number begins.
    const auto total = [this](const QString& label, int n) {
        p_.setCurrentX(1.0);
        p_.printOnLine(p_.cutAt(label, 4.5));
        p_.setCurrentX(4.5);
        p_.print(Plain(n));
    };
    p_.print();
    p_.print();
    total(QStringLiteral("Total Baptism Dates Set: "), app_.view.ReportCount);
    if (title_ != app_.settings.CrusadeName + QStringLiteral(" All Baptism Dates Set")) return;
    total(QStringLiteral("Total Baptized to date: "), baptized_);
    total(QStringLiteral("Total to be Baptized: "), app_.view.ReportCount - baptized_);
}

void OneLineList::draw() {
    const bool appointments = IsAppointmentKind(kind_);
    const bool notes = kind_ == QLatin1String("notes");
    const bool addressGroups = kind_.endsWith(QLatin1String("DupAddress"));
    if (grouping_ == Grouping::LastNight) currentKey_ = QByteArray::number(app_.settings.LastMeeting);
    if (appointments && !entries_.isEmpty()) previousTime_ = EntryNumber(entries_[0], 7, 2);

    PageCount pages;
    PrintFirstPageHeader(app_, title_);
    for (int i = 0; i < int(entries_.size()); ++i) {
        const AttendeeRecord& r = records_[size_t(i)];
        printHeading(i);
        if (appointments) {
            printAppointmentLine(i, r);
        } else if (notes) {
            printNotesLine(r);
        } else {
            if (addressGroups) {
                const QByteArray address = AnsiUpper(Left(r.Address.bytes(), 10));
                if (!addressSeen_ || address != previousAddress_) p_.print();
                addressSeen_ = true;
                previousAddress_ = address;
            }
            printPlainLine(r);
        }
        if (r.IntLevel.at(1) == 'G') ++baptized_;
        BreakPageIfFull(p_, title_, pages);
    }
    if (type_ == 5) printTotals();
    PrintLastPageFooter(p_, title_, pages);
}

}  // namespace

void PrintOneLineReport(App& app, int& reportType) {
    const QString sabbath = SabbathSuffix(app, app.settings.LastMeeting);
    const std::optional<QString> title = ChooseViewAndTitle(app, reportType, sabbath);
    if (!title) return;
    if (app.view.ReportCount == 0) {
        ShowNoNamesMessage(app);
        return;
    }
    OneLineList list(app, reportType, *title);
    list.prepare();

    int fromPage = 1, toPage = 1000, copies = 1;
    if (!SelPrinter(app, fromPage, toPage, copies)) return;

    app.printer().killDoc();  // nothing left over from an earlier report
    list.draw();
    EndListDocument(app, fromPage);
}

}  // namespace fennick

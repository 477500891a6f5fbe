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

#include <iterator>
#include <optional>
#include <utility>
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
TextParts TitleByKind(App& app, int& type) {
    const CurrentView& v = app.view;
    const QString& kind = v.ReportKind;
    const auto title = [&app](const QString& caption) { return CrusadeTitle(app, caption); };
    const QString count = QStringLiteral(" (") + Plain(v.ReportCount) + QStringLiteral(")");
    if (kind == QLatin1String("mail")) return title(QStringLiteral(" Mail List"));
    if (kind == QLatin1String("TDupAddress")) return title(QStringLiteral(" Addresses with Multiple Teams Assigned"));
    if (kind == QLatin1String("NDupAddress"))
        return title(QStringLiteral(" Duplicate Address with Different Last Name"));
    if (kind == QLatin1String("DupAddress")) return title(QStringLiteral(" Duplicate Addresses- All Names"));
    if (kind == QLatin1String("NeedInterview") || kind == QLatin1String("WCNeedInterview")) {
        type = 6;
        return title(QStringLiteral(" Need Baptism Interview") + count);
    }
    if (kind == QLatin1String("BaptClass")) return title(QStringLiteral(" Baptism Interview Set"));
    if (kind == QLatin1String("InterviewRemain")) return title(QStringLiteral(" Baptism Interviews Remaining"));
    if (kind == QLatin1String("NeedDate")) {
        type = 6;
        return title(QStringLiteral(" Need Baptism Date"));
    }
    if (kind == QLatin1String("FutureBapDateSet")) {
        type = 5;
        return title(QStringLiteral(" Future Baptism Dates Set"));
    }
    if (kind == QLatin1String("notes")) return title(QStringLiteral(": Notes and Comments "));
    if (kind == QLatin1String("religion")) return title(QStringLiteral(" Adventists"));
    const QString first11 = Left(kind, 11);
    const QString last2 = Right(kind, 2);
    if (first11 == QLatin1String("attendnight")) {
        const int n = int(Val(last2));
        return title(QStringLiteral(", Meeting: ") + last2 + QStringLiteral(": ")) << SermonTitlePart(app, n);
    }
    if (first11 == QLatin1String("missednight"))
        return title(QStringLiteral(", Missed Last ") + last2.trimmed() + QStringLiteral(" Meetings"));
    if (first11 == QLatin1String("needsabvis")) return title(QStringLiteral(", Need Sabbath Visit"));
    if (first11 == QLatin1String("SelWCAttend")) return title(QStringLiteral(", Team ") + last2.trimmed());
    if (first11 == QLatin1String("NoAssignedI"))
        return title(QStringLiteral(", Need Interest Level Assigned ") + count);
    // Any other view (the marked names among them) is printed as it stands, under a title
    // the user gives.
    const QString answer = app.dialogs().inputBox(
        {QStringLiteral("Enter the Title you desire for this report."), QStringLiteral("Report Title"),
         app.settings.CrusadeName + QStringLiteral(" Names Selected From the Main File"), std::nullopt});
    return answer.isEmpty() ? TextParts() : TextParts{NamePart(answer)};
}

// Builds or takes the view of the report type and returns its title; nullopt when the
// report ends without printing (a cancelled question or an empty title).
std::optional<TextParts> ChooseViewAndTitle(App& app, int& type, const QString& sabbath) {
    CurrentView& v = app.view;
    const bool built = v.IndexBuilt;
    const auto title = [&app](const QString& caption) { return CrusadeTitle(app, caption); };
    switch (type) {
    case 1:
        if (!built) IndexAlpha(app);
        return title(QStringLiteral(" Master Alphabetical List"));
    case 2: {
        if (!built) IndexAttend(app);
        const int last = app.settings.LastMeeting;
        int present = 0;
        while (present < v.ReportCount && LastNightOf(v.ReportIndex[present + 1]) == last) ++present;
        return title(QStringLiteral(" Master Attendance List:  "))
               << SermonTitlePart(app, last)
               << WholePart(QStringLiteral(" ") + sabbath + QStringLiteral("(") + Plain(present) +
                            QStringLiteral(" present)"));
    }
    case 3:
        IndexMapCode(app);
        return title(QStringLiteral(" Attendance Report by MapCode"));
    case 4:
        if (!built) IndexZip(app);
        return title(QStringLiteral(" Names by Zipcode"));
    case 5:
        IndexBaptismDate(app);
        return title(QStringLiteral(" All Baptism Dates Set"));
    case 6:
        if (v.ReportKind != QLatin1String("interest")) IndexInterest(app, QStringLiteral("Al"));
        return title(QStringLiteral(" Priority Interest List"));
    case 7:
        IndexBaptismClass(app);
        type = 1;
        return title(QStringLiteral(" Bible School (") + Plain(v.ReportCount) + QStringLiteral(" Names)"));
    case 8:
        IndexPreMeeting(app);
        type = 1;
        return title(QStringLiteral(" Pre-Crusade Invitations (") + Plain(v.ReportCount) + QStringLiteral(" Names)"));
    case 9:
        IndexMapCode(app);
        return title(QStringLiteral(" Names Selected to Visit Arranged by MapCode"));
    case 10: {
        // The menu's "Special Marked Names" prints the marked names whatever view is current.
        if (!built) IndexMarked(app);
        TextParts byKind = TitleByKind(app, type);
        if (byKind.isEmpty()) return std::nullopt;
        return byKind;
    }
    case 11:
        IndexChurchMembers(app);
        return title(QStringLiteral(" Adventist Names"));
    case 12: {
        const int night = IndexAttendNight(app, true);
        if (night == 0) return std::nullopt;
        return title(QStringLiteral(" Attending Meeting ") + Str(qint64(night)));
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
        if (choice == kEqual) return title(QStringLiteral(" Attending ") + n + QStringLiteral(" Meetings"));
        return title(QStringLiteral(" Attending at Least ") + n + QStringLiteral(" Meetings"));
    }
    default:
        IndexTeamAlpha(app);
        return title(QStringLiteral(" Master Report") + sabbath);
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
    OneLineList(App& app, int type, TextParts title)
        : app_(app),
          p_(app.printer()),
          type_(type),
          title_(std::move(title)),
          kind_(app.view.ReportKind),
          grouping_(GroupingOf(type, kind_)),
          decisions_(FindDecisionIndexes(app)) {}

    // Reads the view's records and works out each entry's group key and group size.
    void prepare();
    // Draws the whole document on the printer (it is not ended here).
    void draw();

private:
    QByteArray keyOf(int i) const;
    TextParts headingText(int i) const;
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
    TextParts title_;
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

TextParts OneLineList::headingText(int i) const {
    const CrusadeSettings& s = app_.settings;
    const QString n = Plain(groupSize_[size_t(i)]);
    const QByteArray& key = keys_[size_t(i)];
    const AttendeeRecord& r = records_[size_t(i)];
    switch (grouping_) {
    case Grouping::LastNight: {
        const int night = key.toInt();
        return {WholePart(QStringLiteral("Missing Since Meeting # ") + Plain(night) + QStringLiteral(": ")),
                SermonTitlePart(app_, night),
                WholePart(QStringLiteral(" ") + SabbathSuffix(app_, night) + QStringLiteral("    (") + n +
                          QStringLiteral(")"))};
    }
    case Grouping::Zip:
        return {WholePart(QStringLiteral("Zipcode # ") + FromAnsi(key) + QStringLiteral(" (")),
                FreePart(FromAnsi(r.City.trimmed())), WholePart(QStringLiteral(")"))};
    case Grouping::BaptDate:
        return {WholePart(QStringLiteral("Baptisms for: ") + FromAnsi(key) + QStringLiteral("  (") + n +
                          QStringLiteral(")"))};
    case Grouping::Interest:
        if (key == "G")
            return {WholePart(QStringLiteral("Baptized/ *Profession of Faith ") + QStringLiteral("    (") + n +
                              QStringLiteral(")"))};
        return {WholePart(QStringLiteral("Interest Level: ") + FromAnsi(key) + QStringLiteral("    (") + n +
                          QStringLiteral(")"))};
    case Grouping::AttendCount:
        return {WholePart(Plain(qint64(Val(key))) + QStringLiteral(" Meetings Attended: ") + QStringLiteral("    (") +
                          n + QStringLiteral(")"))};
    case Grouping::AppointmentDay: {
        if (key == "N") return {WholePart(QStringLiteral("No Appointment Date Scheduled "))};
        const QString day = WeekDayName(s, key.size() == 1 ? key[0] - '0' : 0);
        return {WholePart(day.isEmpty() ? QString() : day + QStringLiteral(" "))};
    }
    case Grouping::None:
        break;
    }
    return {};
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
        p_.print(headingText(i), Printer::kPrintableRightCm);
        p_.setCurrentY(p_.currentY() + 0.15);
        previousTime_ = EntryNumber(entries_[i], 7, 2);
        return;
    }
    p_.setCurrentX(0.6);
    p_.setFont(ReportFont(8));
    p_.print(headingText(i), Printer::kPrintableRightCm);
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
    p_.printOnLine(nameField(r), kAddressX, Printer::Fit::Cut);

    p_.setCurrentX(kAddressX);
    if (kind_ == QLatin1String("PreCrusade")) {
        const QByteArray adv = r.Advertising.bytes();
        const QByteArray after = Mid(adv, InStr(adv, "-") + 1);
        p_.printOnLine(QStringLiteral("(") + FromAnsi(Trim(after)), QStringLiteral(")"), kPlaceX);
    } else {
        p_.printOnLine(FromAnsi(r.Address.bytes()), kPlaceX, Printer::Fit::Cut);
    }

    // The map code (or zip) and the telephone are whole; of the city only its letters.
    p_.setCurrentX(kPlaceX);
    const QByteArray map = r.MapCode.trimmed();
    const QByteArray place = map.isEmpty() || map == "xxxx" ? Left(r.Zip.bytes(), 5) : map;
    p_.printOnLine(FromAnsi(Left(r.City.bytes(), 3)), FromAnsi(" (" + place + ") " + r.Phone.trimmed()), kCodesX);

    p_.setCurrentX(p_.nextColumn(kCodesX));
    p_.setFont(ReportFont(2));
    p_.printOnLine(FromAnsi("/" + Left(r.RelPref.bytes(), 3) + Left(r.Age.bytes(), 1) + "/ "));
    p_.print(attendanceWindow(r) +
                 FromAnsi(" " + r.IntLevel.bytes() + "/" + r.Decisions.rtrimmed() + " " + r.Visits.bytes()),
             Printer::kPrintableRightCm, Printer::Fit::Whole);
    p_.setCurrentY(p_.currentY() + 0.17);
}

void OneLineList::printNotesLine(const AttendeeRecord& r) {
    p_.setFont(ReportFont(standsOut(r) ? 4 : 3));
    p_.setCurrentX(0.6);
    p_.printOnLine(nameField(r), kAddressX, Printer::Fit::Cut);
    p_.setCurrentX(kAddressX);
    p_.print(QStringLiteral("-") + FromAnsi(r.Notes.trimmed()), Printer::kPrintableRightCm, Printer::Fit::Cut);
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
    p_.printOnLine(MeetingTimeText(s, t), 4.0, Printer::Fit::Whole);
    p_.setCurrentX(p_.nextColumn(4.0));
    p_.printOnLine(name, 11.0, Printer::Fit::Cut);
    p_.setCurrentX(11.0);
    p_.printOnLine(FromAnsi(r.Phone.trimmed()), 14.0, Printer::Fit::Whole);
    const double levelX = p_.nextColumn(14.0);
    p_.setFont(ReportFont(3));
    p_.setCurrentX(levelX);
    p_.setCurrentY(p_.currentY() + 0.1);
    p_.printOnLine(QStringLiteral("(") + FromAnsi(r.IntLevel.trimmed()) + QStringLiteral(")"));
    p_.setCurrentX(15.2);
    p_.print(FromAnsi(r.Decisions.trimmed()));
    previousTime_ = t;
}

void OneLineList::printTotals() {
    const bool all = Joined(title_) == app_.settings.CrusadeName + QStringLiteral(" All Baptism Dates Set");
    const std::pair<QString, int> totals[] = {
        {QStringLiteral("Total Baptism Dates Set: "), app_.view.ReportCount},
        {QStringLiteral("Total Baptized to date: "), baptized_},
        {QStringLiteral("Total to be Baptized: "), app_.view.ReportCount - baptized_},
    };
    const size_t printed = all ? std::size(totals) : 1;
    // In the font the last line left, the numbers stand at 4.5 cm, or one blank past the
    // widest label where that reaches further: the labels are printed whole.
    double numberX = 4.5;
    for (size_t k = 0; k < printed; ++k)
        numberX = std::max(numberX, 1.0 + p_.textWidth(RTrim(totals[k].first)) + p_.textWidth(QStringLiteral(" ")));
    p_.print();
    p_.print();
    for (size_t k = 0; k < printed; ++k) {
        p_.setCurrentX(1.0);
        p_.printOnLine(totals[k].first, Printer::kPrintableRightCm, Printer::Fit::Whole);
        p_.setCurrentX(numberX);
        p_.print(Plain(totals[k].second));
    }
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
    const std::optional<TextParts> title = ChooseViewAndTitle(app, reportType, sabbath);
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

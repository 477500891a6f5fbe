#include "reportwindow/PreviewPage.h"

#include "attendance/VisitCodes.h"
#include "data/App.h"
#include "data/DataStore.h"
#include "data/Messages.h"
#include "data/Text.h"
#include "data/Utilities.h"

#include <algorithm>

namespace fennick {

namespace {

// A line put together piece by piece, noting where the pieces a click aims at stand.
class LineWriter {
public:
    ColumnRange put(const QByteArray& piece) {
        const int first = int(text_.size()) + 1;
        text_ += piece;
        return {first, int(text_.size())};
    }
    QByteArray text() const { return text_; }

private:
    QByteArray text_;
};

QString Layout(const char* word) {
    return QString::fromLatin1(word);
}

bool IsOneOf(const QString& kind, std::initializer_list<const char*> words) {
    return std::any_of(words.begin(), words.end(), [&](const char* w) { return kind == QLatin1String(w); });
}

// The last two digits of the last night attended ("05", "12").
QByteArray LastTwo(const AttendeeRecord& rec) {
    return Right(QByteArray("0") + QByteArray::number(rec.Last), 2);
}

// Who invited a pre-meeting guest: the advertising text after its first "-".
QByteArray Inviter(const AttendeeRecord& rec) {
    const QByteArray a = rec.Advertising.trimmed();
    const int dash = InStr(a, "-");
    return dash > 0 ? Mid(a, dash + 1) : a;
}

// "(Spr) " or, for a name on the mail list, "*Spr* ".
QByteArray CityMark(const AttendeeRecord& rec) {
    const QByteArray city = Left(rec.City.bytes(), 3);
    return rec.MailList != 0 ? "*" + city + "* " : "(" + city + ") ";
}

// Nights attended and the last night: "T=5  LM=05/  30-39".
QByteArray Totals(const AttendeeRecord& rec) {
    return "T=" + rec.Attend.bytes() + " LM=" + LastTwo(rec) + "/  " + rec.Age.trimmed();
}

// The appointment of an interview view's entry: weekday and time, each empty when the
// entry's digits name none.
QByteArray Appointment(const App& app, const QByteArray& entry) {
    const CrusadeSettings& s = app.settings;
    const QByteArray w = Mid(entry, 6, 1);
    const QByteArray h = Mid(entry, 7, 2);
    const QString day = IsNumeric(w) ? WeekDayName(s, int(Val(w))) : QString();
    const QString time = IsNumeric(h) ? MeetingTimeText(s, int(Val(h))) : QString();
    return PadRight(Ansi(day) + ": ", 11) + Ansi(time);
}

}  // namespace

QString PreviewPage::text() const {
    if (top == 0) return kNoNamesToDisplay + NewLine;
    QByteArray all;
    for (const PreviewLine& l : lines) all += l.text + "\r\n";
    return FromAnsi(all);
}

const PreviewLine* PreviewPage::lineOf(int p) const {
    for (const PreviewLine& l : lines)
        if (l.entry == p) return &l;
    return nullptr;
}

BaptismDecisions FindBaptismDecisions(const CrusadeSettings& settings) {
    BaptismDecisions d;
    for (int i = 1; i <= kDecisionCount; ++i) {
        const QString title = settings.DecisionNames[size_t(i)].toUpper();
        if (title.contains(QLatin1String("BAPT"))) d.baptism = i;
        if (title.contains(QLatin1String("UNITE"))) d.unite = i;
    }
    return d;
}

char MarkM(const AttendeeRecord& rec) {
    const bool dated = HasBaptismDate(rec.BaptDate.bytes());
    if (dated && rec.IntLevel.at(1) != 'G') return '#';
    if (!dated && rec.Class != 0) return '@';
    return ' ';
}

QByteArray MarkB(const AttendeeRecord& rec, const BaptismDecisions& d) {
    if (d.baptism == 0) return {};
    if (!HasBaptismDate(rec.BaptDate.bytes()) && rec.IntLevel.at(1) != 'G') return {};
    if (rec.Decisions.at(d.baptism) == '-') return "*";
    const bool united = d.unite != 0 && rec.Decisions.at(d.unite) == 'U';
    return united ? QByteArray() : QByteArray("(r)");
}

QByteArray NamePart(const AttendeeRecord& rec, const BaptismDecisions& d) {
    return PadRight(rec.WorkerCode.bytes() + " " + rec.RNum.bytes() + " " + MarkM(rec) + rec.LName.rtrimmed() + ", " +
                        rec.FName.rtrimmed() + MarkB(rec, d),
                    30);
}

QByteArray AttendanceWindow(const AttendeeRecord& rec, int lastMeeting) {
    const QByteArray a = rec.Attendance.bytes();
    return lastMeeting > 24 ? Mid(a, lastMeeting - 23, 24) : Left(a, 24);
}

QString LineLayout(const QString& reportKind, const PageOptions& options) {
    return options.mailListOnly || options.mailLabels ? Layout("mail") : reportKind;
}

PreviewLine BuildPreviewLine(const App& app, const QString& layout, const QByteArray& entry,
                             const AttendeeRecord& rec, const BaptismDecisions& d) {
    PreviewLine line;
    LineWriter w;
    const QByteArray name = NamePart(rec, d);
    const QByteArray window = AttendanceWindow(rec, app.settings.LastMeeting);
    const QByteArray level = rec.IntLevel.bytes();
    // Every layout but the mail list's begins with the name part, team code first.
    auto putName = [&] {
        w.put(name);
        line.team = {1, 2};
    };

    if (IsOneOf(layout, {"DupAddress", "TDupAddress", "NDupAddress", "CleanMailList"})) {
        putName();
        w.put("  " + CityMark(rec) + Left(rec.Address.bytes(), 24) + "  " + Totals(rec));
    } else if (layout == QLatin1String("mail")) {
        w.put(rec.MailList != 0 ? QByteArray("(ML) ") : QByteArray(5, ' '));
        w.put(Mid(name, 9, 21) + "  " + "(" + Left(rec.City.bytes(), 3) + rec.Zip.trimmed() + ") " +
              Left(rec.Address.bytes(), 24) + "  " + Totals(rec));
    } else if (layout == QLatin1String("notes")) {
        putName();
        w.put("  " + Left(rec.Notes.bytes(), 34) + "    ");
        line.attendance = w.put(Left(window, 10));
    } else if (layout == QLatin1String("PreCrusade")) {
        putName();
        w.put("  (" + PadRight(Inviter(rec), 12) + ")    ");
        line.attendance = w.put(window);
        w.put(" /");
        line.interest = w.put(level);
    } else if (layout == QLatin1String("zip")) {
        putName();
        w.put("  (" + Left(rec.Zip.bytes(), 5) + Left(rec.City.bytes(), 5) + ") " + Left(rec.Address.bytes(), 24) +
              "    ");
        line.attendance = w.put(Left(window, 10));
    } else if (IsOneOf(layout, {"BaptClass", "date", "FutureBapDateSet", "religion"})) {
        putName();
        w.put("  ");
        line.attendance = w.put(window);
        w.put(" ");
        line.interest = w.put(level);
        if (layout == QLatin1String("BaptClass"))
            w.put("  (" + Appointment(app, entry) + ")");
        else if (layout == QLatin1String("religion"))
            w.put("  (" + rec.RelPref.trimmed() + ")");
        else
            w.put("  (" + rec.BaptDate.bytes() + ")");
    } else if (layout == QLatin1String("decisions9")) {
        putName();
        w.put("  ");
        line.attendance = w.put(window);
        w.put("/");
        line.interest = w.put(level);
        w.put("  " + rec.Decisions.trimmed() + "  ");
        const QByteArray visits = rec.Visits.trimmed();
        line.visits = w.put(visits.isEmpty() ? QByteArray(3, ' ') : Right(visits, 3));
        if (HasBaptismDate(rec.BaptDate.bytes()))
            w.put("   Apt-CL");
        else if (rec.Class != 0)
            w.put("   Apt");
    } else {
        putName();
        w.put("  ");
        line.attendance = w.put(window);
        w.put("/");
        line.interest = w.put(level);
        w.put("  " + rec.Decisions.trimmed() + "/");
        line.visits = w.put(rec.Visits.bytes());
    }
    line.text = w.text();
    return line;
}

PreviewPage showScrollInfo(App& app, const PageOptions& options) {
    const CurrentView& v = app.view;
    PreviewPage page;
    const BaptismDecisions d = FindBaptismDecisions(app.settings);

    page.clickSwitch = QStringLiteral("E");
    if (!options.mailLabels) {
        if (options.leftButton == LeftButton::Attend) page.clickSwitch = QStringLiteral("A");
        if (options.leftButton == LeftButton::Interest) page.clickSwitch = QStringLiteral("I");
    }
    if (v.ReportKind == QLatin1String("CleanMailList")) page.clickSwitch = QStringLiteral("M");

    const int count = std::min<int>(v.ReportCount, int(v.ReportIndex.size()) - 1);
    if (count <= 0) return page;
    page.top = std::clamp(options.top, 1, count);

    const QString layout = LineLayout(v.ReportKind, options);
    const int end = std::min(count, page.top + kPageLines - 1);
    for (int j = page.top; j <= end; ++j) {
        const QByteArray& entry = v.ReportIndex[j];
        const qint32 r = v.recordNumberAt(j);
        PreviewLine line = BuildPreviewLine(app, layout, entry, ReadRecord(app, r), d);
        line.entry = j;
        line.record = r;
        page.lines.append(std::move(line));
    }
    return page;
}

}  // namespace fennick

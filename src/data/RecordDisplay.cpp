#include "data/RecordDisplay.h"

#include "data/App.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/RecordScreen.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "mainwindow/MainScreen.h"
#include "platform/Dialogs.h"

#include <QList>
#include <QPair>
#include <QStringList>

#include <exception>

namespace fennick {

namespace {

const QString kAttendForm = QStringLiteral("AttendF");
const QString kNotFound = QStringLiteral("NotFound");
const QString kRingWave = QStringLiteral("ring.wav");
constexpr int kVisitsWidth = 12;
// The input box for visit codes stands near the screen's top left (100 twips).
constexpr QPoint kVisitInputPos{7, 7};

QString DecName(int i) {
    return QStringLiteral("Dec(%1)").arg(i);
}

void PutText(RecordScreen& s, const QString& name, const QString& text) {
    if (s.has(name)) s.setText(name, text);
}
void PutText(RecordScreen& s, const QString& name, const QByteArray& bytes) {
    PutText(s, name, FromAnsi(bytes));
}
void PutValue(RecordScreen& s, const QString& name, int value) {
    if (s.has(name)) s.setValue(name, value);
}
void PutBack(RecordScreen& s, const QString& name, BgrColor color) {
    if (s.has(name)) s.setBackColor(name, color);
}
void PutStyle(RecordScreen& s, const QString& name, BgrColor fore, bool bold) {
    if (!s.has(name)) return;
    s.setForeColor(name, fore);
    s.setBold(name, bold);
}

// A check box holds 0, 1 or 2; any other stored non-zero value (True is -1) shows ticked.
int CheckValue(qint16 v) {
    return (v >= 0 && v <= 2) ? v : 1;
}

// Forwards to a screen and remembers the text and value each control had before its
// first change, so that a display that fails part-way can be taken back.
class ScreenTransaction : public RecordScreen {
public:
    explicit ScreenTransaction(RecordScreen& form) : form_(form) {}

    QString formName() const override { return form_.formName(); }
    bool has(const QString& c) const override { return form_.has(c); }
    QString text(const QString& c) const override { return form_.text(c); }
    int value(const QString& c) const override { return form_.value(c); }
    void setText(const QString& c, const QString& t) override {
        texts_.append({c, form_.text(c)});
        form_.setText(c, t);
    }
    void setValue(const QString& c, int v) override {
        values_.append({c, form_.value(c)});
        form_.setValue(c, v);
    }
    void setBackColor(const QString& c, BgrColor col) override { form_.setBackColor(c, col); }
    void setForeColor(const QString& c, BgrColor col) override { form_.setForeColor(c, col); }
    void setBold(const QString& c, bool b) override { form_.setBold(c, b); }
    void setCaption(const QString& caption) override { form_.setCaption(caption); }

    // Puts back the earlier texts and values, latest change first.
    void rollback() {
        for (auto it = texts_.crbegin(); it != texts_.crend(); ++it)
            Restore([&] { form_.setText(it->first, it->second); });
        for (auto it = values_.crbegin(); it != values_.crend(); ++it)
            Restore([&] { form_.setValue(it->first, it->second); });
    }

private:
    template <typename F>
    static void Restore(F f) {
        try {
            f();
        } catch (const std::exception&) {
            // A control that cannot be set back keeps what it shows.
        }
    }

    RecordScreen& form_;
    QList<QPair<QString, QString>> texts_;
    QList<QPair<QString, int>> values_;
};

// The telephone box: red and bold for an unknown number (white on red on the attendance
// screen, which also rings); otherwise plain. Returns whether the ring is due.
bool MarkPhone(RecordScreen& s, const QByteArray& phone) {
    const QString name = QStringLiteral("Phone");
    if (!s.has(name)) return false;
    if (phone != "Unknown") {
        PutStyle(s, name, kWindowText, false);
        s.setBackColor(name, kWhite);
        return false;
    }
    if (s.formName() != kAttendForm) {
        PutStyle(s, name, kRed, true);
        return false;
    }
    PutStyle(s, name, kWhite, true);
    s.setBackColor(name, kRed);
    return true;
}

// Every control of the record, in the order the screen has always been filled.
// Returns whether the attendance screen's ring is due.
bool FillRecordControls(App& app, RecordScreen& s) {
    const AttendeeRecord& r = app.crusade.CurRecord;
    PutText(s, QStringLiteral("FName"), r.FName.trimmed());
    PutText(s, QStringLiteral("LName"), r.LName.trimmed());
    PutText(s, QStringLiteral("RNum"), r.RNum.trimmed());

    const QByteArray address = r.Address.trimmed();
    app.msg.ScratchVar = FromAnsi(address);
    PutText(s, QStringLiteral("Address"), address);
    const bool warnAddress = address.contains("PO ") || address == "Address Unknown";
    PutStyle(s, QStringLiteral("Address"), warnAddress ? kRed : kWindowText, warnAddress);

    PutText(s, QStringLiteral("City"), r.City.trimmed());
    PutText(s, QStringLiteral("State"), r.State.trimmed());
    PutText(s, QStringLiteral("Zip"), r.Zip.trimmed());
    PutText(s, QStringLiteral("Phone"), r.Phone.trimmed());
    const bool ring = app.msg.MsgText != kNotFound && MarkPhone(s, r.Phone.trimmed());

    const QByteArray level = r.IntLevel.trimmed();
    PutText(s, QStringLiteral("IntLevel"), level);
    PutValue(s, QStringLiteral("Baptized"), level == "G" ? 1 : 0);

    PutValue(s, QStringLiteral("MailList"), CheckValue(r.MailList));
    PutText(s, QStringLiteral("Age"), r.Age.trimmed());
    PutText(s, QStringLiteral("RelPref"), r.RelPref.trimmed());
    PutText(s, QStringLiteral("Visits"), r.Visits.trimmed());
    PutText(s, QStringLiteral("Advertising"), r.Advertising.trimmed());
    PutText(s, QStringLiteral("WorkerCode"), r.WorkerCode.trimmed());
    PutText(s, QStringLiteral("Attend"), r.Attend.bytes());
    PutText(s, QStringLiteral("Attendance"), r.Attendance.bytes());
    PutText(s, QStringLiteral("Last"), Plain(r.Last));
    PutText(s, QStringLiteral("Notes"), r.Notes.trimmed());

    ShowDecisions(app, s);
    PutText(s, QStringLiteral("Decisions"), r.Decisions.trimmed());

    PutText(s, QStringLiteral("txtEmail"), r.Email.trimmed());
    PutText(s, QStringLiteral("MapCode"), r.MapCode.trimmed());
    PutValue(s, QStringLiteral("Class"), CheckValue(r.Class));
    PutText(s, QStringLiteral("BirthDate"), r.BirthDate.trimmed());
    PutValue(s, QStringLiteral("chkMarkToVisit"), r.MarkToVisit != 0 ? 1 : 0);
    PutText(s, QStringLiteral("BaptDate"), HasBaptismDate(r.BaptDate.bytes()) ? r.BaptDate.trimmed() : QByteArray());
    PutText(s, QStringLiteral("RecordPos"), Plain(app.crusade.CurRecNo));
    return ring;
}

// --- List titles ------------------------------------------------------------------------

QString CutOffLine(const App& app) {
    const qint16 cut = app.settings.PrintCutOff;
    return NewLine + (cut != 0 ? QStringLiteral("Last Mtg >") + Plain(cut) : QStringLiteral("All Names"));
}

// The visitation team's name: its entry up to the first ":".
QString TeamName(const App& app, const QString& code) {
    const double t = Val(code);
    if (t < 0 || t > 40) return QString();
    const QString& entry = app.settings.TeamNames[size_t(t)];
    const auto colon = entry.indexOf(u':');
    return colon < 0 ? entry : entry.left(colon);
}

// Decision number 1..9 of a decision view's kind, 0 when there is none.
int DecisionNumber(const QString& arg) {
    const double n = Val(arg);
    return (n >= 1 && n <= 9) ? int(n) : 0;
}

using TitleFn = QString (*)(const App&, const QString& arg);

struct CaptionRow {
    QLatin1String kind;
    const char* title;  // fixed title; nullptr with no make: the caller's title is kept
    TitleFn make;
    const char* highlights;  // control names separated by blanks
};

const CaptionRow kCaptionRows[] = {
    {QLatin1String("age"), nullptr, nullptr, "Age"},
    {QLatin1String("Advertising"), nullptr, nullptr, "Advertising"},
    {QLatin1String("alpha"), "All Names Sorted Alphabetially", nullptr, ""},
    {QLatin1String("alphafilter"), nullptr,
     [](const App& a, const QString&) { return QStringLiteral("Alphabetical List") + CutOffLine(a); }, ""},
    {QLatin1String("wcalpha"), nullptr,
     [](const App& a, const QString&) { return QStringLiteral("Team Codes") + CutOffLine(a); }, "Last WorkerCode"},
    {QLatin1String("interest"), "Priority List", nullptr, "IntLevel"},
    {QLatin1String("baptism"), "Baptisms List", nullptr, "IntLevel"},
    {QLatin1String("date"), "Baptism Dates", nullptr, "BaptDate"},
    {QLatin1String("FutureBapDateSet"), "Future Baptism Dates Set", nullptr, "BaptDate"},
    {QLatin1String("attend"), nullptr,
     [](const App& a, const QString&) {
         return QStringLiteral("Attendance ") + NewLine + QStringLiteral("Last Mtg >") + Plain(a.settings.PrintCutOff);
     },
     "Last Attendance"},
    {QLatin1String("zip"), "Zip Code Filter", nullptr, "Zip"},
    {QLatin1String("religion"), nullptr,
     [](const App& a, const QString&) {
         return QStringLiteral("Religion") + NewLine + QStringLiteral("Last Mtg >") + Plain(a.settings.PrintCutOff);
     },
     ""},
    {QLatin1String("attendnight"), nullptr,
     [](const App&, const QString& night) {
         return QStringLiteral("Attendance for ") + NewLine + QStringLiteral("Mtg: ") + night;
     },
     "Last"},
    {QLatin1String("mail"), "Mail List", nullptr, ""},
    {QLatin1String("DupAddress"), "Duplicate\r\nAddresses", nullptr, "Address"},
    {QLatin1String("NDupAddress"), "Dup Address\r\nDifferent Name", nullptr, "Address LName"},
    {QLatin1String("TDupAddress"), "Duplicate Address\r\nDifferent Team", nullptr, "Address WorkerCode"},
    {QLatin1String("CleanMailList"), "Clean up Mail List", nullptr, "Address WorkerCode"},
    {QLatin1String("PreCrusade"), "Pre-Crusade\r\nGuests", nullptr, ""},
    {QLatin1String("marked"), "Marked Names", nullptr, "chkMarkToVisit"},
    {QLatin1String("SelWCAttend"), nullptr,
     [](const App& a, const QString& team) {
         return QStringLiteral("Team Code: ") + team + NewLine + TeamName(a, team);
     },
     "WorkerCode Attendance"},
    {QLatin1String("TotalAttend"), nullptr,
     [](const App& a, const QString&) {
         return QStringLiteral("Total Meetings") + NewLine + QStringLiteral("Attended =") +
                Plain(a.settings.TotalAttendNum);
     },
     "Attendance"},
    {QLatin1String("wcattend"), nullptr, nullptr, "WorkerCode Attendance"},
    {QLatin1String("decisions"), nullptr,
     [](const App& a, const QString& d) {
         const int n = DecisionNumber(d);
         return QStringLiteral("Decision:") + NewLine + (n > 0 ? a.settings.DecisionNames[size_t(n)] : QString());
     },
     ""},
    {QLatin1String("missednight"), nullptr,
     [](const App&, const QString& count) {
         return QStringLiteral("Missed ") + NewLine + count + QStringLiteral(" night(s).");
     },
     ""},
    {QLatin1String(""), "", nullptr, ""},
    {QLatin1String("notes"), nullptr, nullptr, "Notes"},
};

}  // namespace

ViewKindParts SplitViewKind(const QString& reportKind) {
    for (const char* word : {"attendnight", "missednight", "SelWCAttend"})
        if (reportKind.left(11) == QLatin1String(word)) return {QLatin1String(word), Right(reportKind, 2)};
    if (reportKind.left(8) == QLatin1String("decision")) return {QStringLiteral("decisions"), Right(reportKind, 1)};
    return {reportKind, QString()};
}

bool ShowRecord(App& app, RecordScreen& form) {
    ScreenTransaction screen(form);
    bool ring = false;
    try {
        ring = FillRecordControls(app, screen);
    } catch (const std::exception&) {
        screen.rollback();
        return false;
    }
    Crusade& c = app.crusade;
    c.OrigRecord = c.CurRecord;
    // A record whose refused write is kept shows that change; it is told from, and put
    // back as, the data file's copy.
    if (c.file.kept(c.CurRecNo)) {
        try {
            c.OrigRecord = ReadFileCopy(app, c.CurRecNo);
        } catch (const VbError&) {
        }
    }
    // A record on the main window replaces any new name of add mode that was on it.
    if (&form == app.hooks.editForm) app.mainWindow.NewEntryOnScreen = false;
    if (ring) app.msg.ScratchVar = PlayWave(app, kRingWave) ? QStringLiteral("1") : QStringLiteral("0");
    if (app.hooks.recordShown) app.hooks.recordShown(form, app.crusade.CurRecNo);
    return true;
}

void ShowListCaption(App& app, RecordScreen& form, QString& title) {
    const auto [kind, arg] = SplitViewKind(app.view.ReportKind);
    if (!arg.isNull()) app.msg.ScratchVar = arg;

    for (const CaptionRow& row : kCaptionRows) {
        if (kind != row.kind) continue;
        if (row.make)
            title = row.make(app, arg);
        else if (row.title)
            title = QString::fromLatin1(row.title);
        for (const QString& name : QString::fromLatin1(row.highlights).split(u' ', Qt::SkipEmptyParts))
            PutBack(form, name, kHighlightColour);
        break;
    }
    if (kind == QLatin1String("decisions")) {
        const int n = DecisionNumber(arg);
        if (n > 0) PutBack(form, DecName(n - 1), kHighlightColour);
    }

    PutText(form, QStringLiteral("EditLabel"), title);
    PutText(form, QStringLiteral("RecordCounter"),
            Plain(app.view.CurIndexPos) + QStringLiteral(" of ") + Plain(app.view.ReportCount));
    form.setCaption(QStringLiteral("Fennick Edit Screen: ") + RTrim(app.settings.CrusadeName) +
                    QStringLiteral(" Crusade (Meeting # ") + Plain(app.settings.LastMeeting) + QStringLiteral(")"));
}

QStringList CaptionedViewKinds() {
    QStringList kinds;
    for (const CaptionRow& row : kCaptionRows) kinds << QString(row.kind);
    return kinds;
}

void ResetFieldColors(RecordScreen& form) {
    static const char* const kFields[] = {
        "WorkerCode", "Zip", "BaptDate", "RelPref",    "IntLevel", "Last",  "LName", "Advertising",
        "Address",    "Age", "MailList", "Attendance", "Attend",   "Notes", "Class", "chkMarkToVisit"};
    for (const char* name : kFields) PutBack(form, QString::fromLatin1(name), kWhite);
    for (int i = 0; i <= 8; ++i) PutBack(form, DecName(i), kWhite);
}

void MoveToRecord(App& app, int direction) {
    CurrentView& v = app.view;
    if (v.ReportCount <= 0) {
        // Nothing to step through: the read takes the empty-view path (add mode).
        v.CurIndexPos = 0;
        ReadCurrentRecord(app);
        return;
    }
    const qint16 before = v.CurIndexPos;
    switch (direction) {
        case 0:
            v.CurIndexPos = 1;
            break;
        case 1:
            if (v.CurIndexPos <= 1)
                PlaySound(app, QStringLiteral("clunk"));
            else
                --v.CurIndexPos;
            break;
        case 2:
            if (v.CurIndexPos >= v.ReportCount)
                PlaySound(app, QStringLiteral("clunk"));
            else
                ++v.CurIndexPos;
            break;
        case 3:
            v.CurIndexPos = v.ReportCount;
            break;
        default:
            break;
    }
    // Position 0 of a view that holds entries names no record (reading it would start
    // add mode): the first entry is read instead.
    if (v.CurIndexPos < 1) v.CurIndexPos = 1;
    if (!ReadCurrentRecord(app)) {
        // The screen still shows the record it showed; keep the position that names it.
        v.CurIndexPos = before;
        return;
    }
    MainScreen* form = app.hooks.editForm;
    if (!form) return;
    ShowRecord(app, *form);
    QString title;
    ShowListCaption(app, *form, title);
    const QString findBox = QStringLiteral("FndNameBx");
    if (form->has(findBox) && Trim(form->text(findBox)).isEmpty())
        form->setText(findBox, FromAnsi(app.crusade.CurRecord.LName.bytes()));
}

void ShowDecisions(App& app, RecordScreen& form) {
    const auto& decisions = app.crusade.CurRecord.Decisions;
    for (int i = 1; i <= 9; ++i) PutValue(form, DecName(i - 1), decisions.at(i) != '-' ? 1 : 0);
}

void SetDecision(App& app, int index, RecordScreen& form) {
    if (index < 0 || index > 8) throw VbError(err::SubscriptRange, QStringLiteral("Subscript out of range"));
    auto& decisions = app.crusade.CurRecord.Decisions;
    const QString box = DecName(index);
    if (!form.has(box)) return;
    if (form.value(box) == 1) {
        const QByteArray code = Ansi(app.settings.DecisionCodes[size_t(index + 1)]);
        if (!code.isEmpty()) decisions.setAt(index + 1, code.at(0));
    } else {
        decisions.setAt(index + 1, '-');
    }
    PutText(form, QStringLiteral("Decisions"), decisions.bytes());
}

QString EnterVisitCode(App& app, QString visits, const QString& kind) {
    Messages& m = app.msg;
    const QString k = kind.left(1).toLower();
    InputBoxSpec box;
    box.position = kVisitInputPos;
    if (k != QLatin1String("a")) {
        m.MsgText = QStringList{QStringLiteral("Enter: "),
                                QStringLiteral("   'L' for Left Sermon or Message"),
                                QStringLiteral("   'H' for Home visit"),
                                QStringLiteral("   'P' for Phone visit"),
                                QStringLiteral("   'M' for Meeting visit"),
                                QStringLiteral("   'A' for Appointment"),
                                QStringLiteral("Followed by the number of the last meeting"),
                                QString(),
                                QStringLiteral("For Example:"),
                                QStringLiteral("H07 Would be a visit in the home following the seventh meeting."),
                                QString(),
                                QStringLiteral("Or press Delete and Enter to Remove the last visit entry.")}
                        .join(NewLine);
        m.MsgTitle = QStringLiteral("Enter Visitation Code");
        box.defaultText = Plain(app.settings.LastMeeting);
    } else {
        m.MsgText = QStringList{QStringLiteral("Enter: "),
                                QStringLiteral("   'A' for Appointment"),
                                QStringLiteral("Followed by the number of the day of the week"),
                                QStringLiteral("Followed by a number for the hour"),
                                QString(),
                                QStringLiteral("For Example:"),
                                QStringLiteral("A24 Would show an appointment (A) on Monday (2) at 4:00 (4)"),
                                QString(),
                                QStringLiteral("Or press Delete and Enter to Remove the last visit entry.")}
                        .join(NewLine);
        m.MsgTitle = QStringLiteral("Enter Appointment Code");
    }
    box.prompt = m.MsgText;
    box.title = m.MsgTitle;

    m.MsgAnswer = app.dialogs().inputBox(box);
    if (!m.MsgAnswer.isEmpty()) m.MsgAnswer = k + m.MsgAnswer;
    m.ScratchVar = m.MsgAnswer.left(1);

    if (m.MsgAnswer.isEmpty() && visits.size() >= 3) {
        const int answer = app.dialogs().msgBox(QStringLiteral("Do you want to delete the last visit?"), Buttons::YesNo,
                                                Icon::Exclamation, QStringLiteral("Delete Visit"));
        if (answer == AnsYes) visits.chop(3);
        return visits;
    }
    if (m.MsgAnswer.isEmpty() || !QStringLiteral("ALHMPalhmp").contains(m.MsgAnswer.at(0))) m.MsgAnswer.clear();
    if (m.MsgAnswer.startsWith(u'a')) m.MsgAnswer[0] = u'A';
    if (m.MsgAnswer.size() == 2) m.MsgAnswer.insert(1, u'0');
    if (m.MsgAnswer.size() != 3) {
        PlaySound(app, QStringLiteral("clunk"));
        return visits;
    }
    visits += m.MsgAnswer;
    // The field holds four codes: the oldest drop off.
    if (visits.size() > kVisitsWidth) visits = Right(visits, kVisitsWidth);
    return visits;
}

}  // namespace fennick

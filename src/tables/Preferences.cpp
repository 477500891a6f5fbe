#include "tables/Preferences.h"

#include "data/App.h"
#include "data/AttendeeRecord.h"
#include "data/BulkWrite.h"
#include "data/Errors.h"
#include "data/InfoFile.h"
#include "data/Text.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Dialogs.h"
#include "tables/AttendanceErase.h"

#include <QRegularExpression>

#include <cmath>
#include <optional>

namespace fennick {

namespace {

constexpr int kDecisions = 9;
constexpr int kChurches = 14;
constexpr int kSermons = 40;
constexpr int kTeamTab = 5;
constexpr int kGeneralTab = 1;
constexpr int kSermonTab = 4;

const QString kTeamWord = QStringLiteral("team");

// "prefSerm(7)" -> ("prefSerm", 7); a name without an index gives -1.
std::pair<QString, int> SplitIndexed(const QString& name) {
    const qsizetype open = name.indexOf(u'(');
    if (open < 0 || !name.endsWith(u')')) return {name, -1};
    bool ok = false;
    const int i = name.mid(open + 1, name.size() - open - 2).toInt(&ok);
    return {name.left(open), ok ? i : -1};
}

QString Indexed(const char* name, int i) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
}

template <size_t N>
const QString* Element(const std::array<QString, N>& a, int i, int first, int last) {
    return i >= first && i <= last ? &a[size_t(i)] : nullptr;
}

bool IsLocked(int decision) {
    return decision == 1 || decision == 2 || decision == 9;
}

QString Number(qint64 n) {
    return QString::number(n);
}

QString Decimal(float value) {
    return QString::number(double(value), 'g', 7);
}

// A whole number from lo to hi as typed (blanks around it allowed), or nullopt.
std::optional<int> WholeNumber(const QString& text, int lo, int hi) {
    static const QRegularExpression digits(QStringLiteral("^\\s*-?\\d{1,6}\\s*$"));
    if (!digits.match(text).hasMatch()) return std::nullopt;
    const int n = text.trimmed().toInt();
    if (n < lo || n > hi) return std::nullopt;
    return n;
}

// Millimetres as the ini file takes them.
std::optional<float> Millimetres(const QString& text) {
    if (!IsNumeric(text)) return std::nullopt;
    const double v = Val(text);
    if (!std::isfinite(v) || std::fabs(v) > 1000.0) return std::nullopt;
    return float(v);
}

struct CheckedNumbers {
    int last = 0;
    int cutOff = 0;
    std::array<int, 5> sabbath{};
    int reserved = 0;
    float down = 0;
    float right = 0;
};

// The refusal of a number box: its message, then the General tab with the box focused.
bool Refuse(App& app, PreferencesForm& form, const QString& box, const QString& text) {
    app.dialogs().msgBox(text, Buttons::OK, Icon::Exclamation);
    form.Tab = kGeneralTab;
    form.btnPrintTeams = false;
    form.Focus = box;
    form.SelectFocus = true;
    return false;
}

bool CheckWhole(App& app, PreferencesForm& form, const QString& box, const QString& label, int lo, int hi,
                int& out) {
    const QString* text = form.text(box);
    if (const auto n = WholeNumber(*text, lo, hi)) {
        out = *n;
        return true;
    }
    return Refuse(app, form, box,
                  QStringLiteral("%1 must be a whole number from %2 to %3.").arg(label).arg(lo).arg(hi));
}

bool CheckMillimetres(App& app, PreferencesForm& form, const QString& box, const QString& label, float& out) {
    if (const auto mm = Millimetres(*form.text(box))) {
        out = *mm;
        return true;
    }
    return Refuse(app, form, box,
                  QStringLiteral("%1 must be a number of millimetres from -1000 to 1000.").arg(label));
}

// Every number box, checked before anything is copied. An empty Sabbath box counts as 0.
std::optional<CheckedNumbers> CheckNumbers(App& app, PreferencesForm& form) {
    CheckedNumbers n;
    if (!CheckWhole(app, form, QStringLiteral("LastMeetingBox"), QStringLiteral("The Last Meeting"), 1, 40, n.last))
        return std::nullopt;
    if (!CheckWhole(app, form, QStringLiteral("PrintCutOffBox"), QStringLiteral("The Print Cut Off"), 0, 39,
                    n.cutOff))
        return std::nullopt;
    for (int i = 1; i <= 4; ++i) {
        const QString box = QStringLiteral("bxSabAM%1").arg(i);
        if (Trim(*form.text(box)).isEmpty()) continue;
        if (!CheckWhole(app, form, box, QStringLiteral("Each Sabbath AM Meeting"), 0, 40, n.sabbath[size_t(i)]))
            return std::nullopt;
    }
    if (!CheckWhole(app, form, QStringLiteral("ResNumMM"), QStringLiteral("The Reserved Number"), 0, 9999,
                    n.reserved))
        return std::nullopt;
    if (!CheckMillimetres(app, form, QStringLiteral("bxLabelTop"), QStringLiteral("Move Down (mm)"), n.down))
        return std::nullopt;
    if (!CheckMillimetres(app, form, QStringLiteral("bxLabelRight"), QStringLiteral("Move Right (mm)"), n.right))
        return std::nullopt;
    return n;
}

QString EraseQuestion(int newLast, int oldLast) {
    return QStringLiteral("You have changed the Last Meeting to (") + Number(newLast) +
           QStringLiteral(") which is less than the current last meeting (") + Number(oldLast) + QStringLiteral(").") +
           NewLine + QStringLiteral("The Attendance Record past Meeting Number: ") + Number(newLast) +
           QStringLiteral(" will be erased for each name.") + NewLine + NewLine +
           QStringLiteral("Is this what you want to do?") + NewLine + NewLine +
           QStringLiteral("It is highly recommended that you back up your file first.") + NewLine +
           QStringLiteral("If you wish to make a backup then click NO and proceed.");
}

QString SkipQuestion(int newLast, int lastMeeting) {
    return QStringLiteral("The last meeting was: ") + Number(lastMeeting) + NewLine +
           QStringLiteral("The next meeting should be Meeting Number: ") + Number(lastMeeting + 1) + NewLine +
           QStringLiteral("You have entered Meeting Number: ") + Number(newLast) + QStringLiteral(".") + NewLine +
           NewLine + QStringLiteral("Is this what you want to do?");
}

// The last meeting step: the question a lowered or skipping number asks, and the new
// number taken after a Yes. False when the user refused the change.
bool SaveLastMeeting(App& app, PreferencesForm& form, int newLast) {
    CrusadeSettings& s = app.settings;
    const int oldLast = int(Val(form.loaded.LastMeetingBox));
    app.msg.MsgAnswer = QString::number(AnsYes);
    // A box left as loaded leaves the setting as it now is: the attendance screen may have
    // raised it while the dialog was open.
    if (form.LastMeetingBox == form.loaded.LastMeetingBox) return true;
    int answer = AnsYes;
    if (newLast < oldLast) {
        answer = app.dialogs().msgBox(EraseQuestion(newLast, oldLast), Buttons::YesNo, Icon::Critical,
                                      QStringLiteral("Erase Attendance After Meeting ") + Number(newLast));
    } else if (newLast > oldLast + 1) {
        answer = app.dialogs().msgBox(SkipQuestion(newLast, s.LastMeeting), Buttons::YesNo, Icon::Question);
    }
    app.msg.MsgAnswer = QString::number(answer);
    if (answer != AnsYes) {
        form.LastMeetingBox = form.loaded.LastMeetingBox;
        s.LastMeeting = qint16(oldLast);
        form.Tab = kGeneralTab;
        form.btnPrintTeams = false;
        form.Focus = QStringLiteral("LastMeetingBox");
        return false;
    }
    s.LastMeeting = qint16(newLast);
    return true;
}

// The erase pass after a Yes to lowering the last meeting from oldLast to newLast, with one
// message after it. False when it stopped part way.
bool EraseLaterAttendance(App& app, int newLast, int oldLast) {
    BulkWrite writes(app, QStringLiteral("Erasing the attendance after meeting %1").arg(newLast), kSourceFennick95);
    const QList<AdjustedRecord> adjusted = EraseAttendanceAfter(app, newLast, writes);
    QStringList parts;
    if (!adjusted.isEmpty()) parts << AdjustedRecordsMessage(adjusted, oldLast, newLast);
    if (writes.failed())
        parts << writes.report(QStringLiteral(
            "Running it again is safe: saving the preferences again erases the nights of the records not written and "
            "leaves the others as they are."));
    if (!parts.isEmpty())
        app.dialogs().msgBox(parts.join(NewLine + NewLine), Buttons::OK,
                             writes.failed() ? Icon::Exclamation : Icon::None);
    return !writes.failed();
}

// What a Save changes in memory, kept so that a settings file that cannot be written
// leaves memory as it was.
struct SettingsBefore {
    explicit SettingsBefore(const App& app)
        : crusade(app.settings),
          ShowButtonLabels(app.program.ShowButtonLabels),
          LabelOffsetDown(app.program.LabelOffsetDown),
          LabelOffsetRight(app.program.LabelOffsetRight) {}
    void restore(App& app) const {
        app.settings = crusade;
        app.program.ShowButtonLabels = ShowButtonLabels;
        app.program.LabelOffsetDown = LabelOffsetDown;
        app.program.LabelOffsetRight = LabelOffsetRight;
    }

    CrusadeSettings crusade;
    qint16 ShowButtonLabels;
    float LabelOffsetDown;
    float LabelOffsetRight;
};

void CopyBoxes(App& app, PreferencesForm& form, const CheckedNumbers& n) {
    CrusadeSettings& s = app.settings;
    s.CrusadeName = form.CrNameM_Box;
    s.CrusadeDate = form.CrDateM_Box;
    for (int i = 1; i <= 4; ++i) {
        if (Trim(form.bxSabAM[size_t(i)]).isEmpty()) form.bxSabAM[size_t(i)] = QStringLiteral("0");
        s.SabbathMeetings[size_t(i - 1)] = qint16(n.sabbath[size_t(i)]);
    }
    s.PrintCutOff = qint16(n.cutOff);
    if (form.ResDirMM == 1)
        s.ReservedDirection = QStringLiteral("DOWN");
    else if (form.ResDirMM == 0)
        s.ReservedDirection = QStringLiteral("UP");
    // A number left as loaded stays as it now is: registration numbers issued meanwhile
    // have moved it on, and none may be issued twice.
    if (form.ResNumMM != form.loaded.ResNumMM) s.ReservedNumber = qint16(n.reserved);
    app.program.ShowButtonLabels = form.boxShowButtonLabels ? -1 : 0;
    s.SoundOn = !form.ckSoundOff;
    s.CanadianZip = form.ckCanada;
    for (int i = 1; i <= kDecisions; ++i) {
        s.DecisionNames[size_t(i)] = form.prefDec[size_t(i)];
        s.DecisionCodes[size_t(i)] = form.prefDecCode[size_t(i)];
    }
    for (int i = 1; i <= kChurches; ++i) s.ReligionNames[size_t(i)] = form.prefReligion[size_t(i)];
    for (int i = 1; i <= kSermons; ++i) s.SermonTitles[size_t(i)] = form.prefSerm[size_t(i)];
    for (int i = 1; i <= kTeams; ++i) s.TeamNames[size_t(i)] = form.Team[size_t(i)] + u':' + form.TmPhone[size_t(i)];
    app.program.LabelOffsetRight = n.right;
    app.program.LabelOffsetDown = n.down;
}

}  // namespace

QString* PreferenceBoxes::text(const QString& name) {
    return const_cast<QString*>(std::as_const(*this).text(name));
}

const QString* PreferenceBoxes::text(const QString& name) const {
    static const QList<std::pair<QString, QString PreferenceBoxes::*>> plain = {
        {QStringLiteral("CrNameM_Box"), &PreferenceBoxes::CrNameM_Box},
        {QStringLiteral("CrDateM_Box"), &PreferenceBoxes::CrDateM_Box},
        {QStringLiteral("LastMeetingBox"), &PreferenceBoxes::LastMeetingBox},
        {QStringLiteral("PrintCutOffBox"), &PreferenceBoxes::PrintCutOffBox},
        {QStringLiteral("ResNumMM"), &PreferenceBoxes::ResNumMM},
        {QStringLiteral("bxLabelTop"), &PreferenceBoxes::bxLabelTop},
        {QStringLiteral("bxLabelRight"), &PreferenceBoxes::bxLabelRight},
    };
    for (const auto& [box, member] : plain)
        if (name == box) return &(this->*member);
    if (name.startsWith(QLatin1String("bxSabAM")) && name.size() == 8) {
        const int i = name.at(7).digitValue();
        return Element(bxSabAM, i, 1, 4);
    }
    const auto [array, i] = SplitIndexed(name);
    if (array == QLatin1String("prefDec")) return Element(prefDec, i, 1, kDecisions);
    if (array == QLatin1String("prefDecCode")) return Element(prefDecCode, i, 1, kDecisions);
    if (array == QLatin1String("prefReligion")) return Element(prefReligion, i, 1, kChurches);
    if (array == QLatin1String("prefSerm")) return Element(prefSerm, i, 1, kSermons);
    if (array == QLatin1String("Team")) return Element(Team, i, 1, kTeams);
    if (array == QLatin1String("TmPhone")) return Element(TmPhone, i, 1, kTeams);
    return nullptr;
}

const QStringList& PreferenceTextBoxes() {
    static const QStringList names = [] {
        QStringList n = {QStringLiteral("CrNameM_Box"), QStringLiteral("CrDateM_Box"),
                         QStringLiteral("LastMeetingBox"), QStringLiteral("PrintCutOffBox")};
        for (int i = 1; i <= 4; ++i) n << QStringLiteral("bxSabAM%1").arg(i);
        n << QStringLiteral("ResNumMM") << QStringLiteral("bxLabelTop") << QStringLiteral("bxLabelRight");
        for (int i = 1; i <= kDecisions; ++i) n << Indexed("prefDec", i) << Indexed("prefDecCode", i);
        for (int i = 1; i <= kChurches; ++i) n << Indexed("prefReligion", i);
        for (int i = 1; i <= kSermons; ++i) n << Indexed("prefSerm", i);
        for (int i = 1; i <= kTeams; ++i) n << Indexed("Team", i) << Indexed("TmPhone", i);
        return n;
    }();
    return names;
}

void mnuPref_Click(App& app, MainScreen& form) {
    if (app.view.ReportCount != 0 && !SaveCurrentRecord(app, form)) return;
    if (app.hooks.showPreferences) app.hooks.showPreferences();
}

void mnuEditTeamNames_Click(App& app, MainScreen&) {
    app.msg.MsgText = kTeamWord;
    if (app.hooks.showPreferences) app.hooks.showPreferences();
}

void frmTab_Load(App& app, PreferencesForm& form) {
    const CrusadeSettings& s = app.settings;
    const ProgramSettings& p = app.program;
    form.Tab = app.msg.MsgText == kTeamWord ? kTeamTab : kGeneralTab;
    app.msg.MsgText.clear();
    form.btnPrintTeams = form.Tab == kTeamTab;
    form.DataFile = p.DataFile;

    form.CrNameM_Box = s.CrusadeName;
    form.CrDateM_Box = s.CrusadeDate;
    form.LastMeetingBox = Number(s.LastMeeting);
    for (int i = 1; i <= 4; ++i) form.bxSabAM[size_t(i)] = Number(s.SabbathMeetings[size_t(i - 1)]);
    form.PrintCutOffBox = Number(s.PrintCutOff);
    form.ResNumMM = Number(s.ReservedNumber);
    form.ResDirMM = s.ReservedDirection == QLatin1String("UP") ? 0 : s.ReservedDirection == QLatin1String("DOWN") ? 1 : -1;
    form.boxShowButtonLabels = p.ShowButtonLabels != 0;
    form.bxLabelTop = Decimal(p.LabelOffsetDown);
    form.bxLabelRight = Decimal(p.LabelOffsetRight);
    form.ckSoundOff = !s.SoundOn;
    form.ckCanada = s.CanadianZip;
    for (int i = 1; i <= kDecisions; ++i) {
        form.prefDec[size_t(i)] = s.DecisionNames[size_t(i)];
        form.prefDecCode[size_t(i)] = s.DecisionCodes[size_t(i)];
    }
    for (int i = 1; i <= kChurches; ++i) form.prefReligion[size_t(i)] = s.ReligionNames[size_t(i)];
    for (int i = 1; i <= kSermons; ++i) form.prefSerm[size_t(i)] = s.SermonTitles[size_t(i)];
    for (int i = 1; i <= kTeams; ++i) {
        const QString& entry = s.TeamNames[size_t(i)];
        const qsizetype colon = entry.indexOf(u':');
        form.Team[size_t(i)] = colon < 0 ? entry : entry.left(colon);
        form.TmPhone[size_t(i)] = colon < 0 ? QString() : entry.mid(colon + 1);
    }
    form.loaded = static_cast<const PreferenceBoxes&>(form);
    form.PrefsChanged = false;
}

void ShowPreferencesAgain(App& app, PreferencesForm& form) {
    if (app.msg.MsgText == kTeamWord) tabPref_Click(form, kTeamTab);
    app.msg.MsgText.clear();
}

void tabPref_Click(PreferencesForm& form, int tab) {
    form.Tab = tab;
    form.btnPrintTeams = tab == kTeamTab;
    if (tab == kSermonTab) {
        form.Focus = Indexed("prefSerm", 1);
        form.SelectFocus = true;
    }
}

void MarkChange(PreferencesForm& form, const QString& name) {
    const PreferenceBoxes& was = form.loaded;
    bool changed = false;
    if (name == QLatin1String("ckSoundOff")) {
        changed = true;
    } else if (name == QLatin1String("ckCanada")) {
        changed = form.ckCanada != was.ckCanada;
    } else if (name == QLatin1String("boxShowButtonLabels")) {
        changed = form.boxShowButtonLabels != was.boxShowButtonLabels;
    } else if (name.startsWith(QLatin1String("ResDirMM"))) {
        changed = form.ResDirMM != was.ResDirMM;
    } else if (name == QLatin1String("PrintCutOffBox")) {
        changed = Val(form.PrintCutOffBox) != Val(was.PrintCutOffBox) || !IsNumeric(form.PrintCutOffBox);
    } else if (name.startsWith(QLatin1String("Team(")) || name.startsWith(QLatin1String("TmPhone("))) {
        changed = true;
    } else if (const QString* box = form.text(name)) {
        changed = *box != *was.text(name);
    }
    if (changed) form.PrefsChanged = true;
}

void ResDirMM_Click(App& app, PreferencesForm& form, int index) {
    form.ResDirMM = index;
    app.settings.ReservedDirection = index == 1 ? QStringLiteral("DOWN") : QStringLiteral("UP");
    MarkChange(form, Indexed("ResDirMM", index));
}

bool prefDec_Click(App& app, PreferencesForm& form, int i) {
    if (!IsLocked(i)) return false;
    app.dialogs().msgBox(
        QStringLiteral("Due to the way Fennick tracks statistics, You cannot change Decision numbers 1, 2 or 9."));
    form.Focus = QStringLiteral("HelpButton");
    return true;
}

bool prefDecCode_Click(App& app, PreferencesForm& form, int i) {
    if (!IsLocked(i)) return false;
    app.dialogs().msgBox(QStringLiteral("You cannot change this field."));
    form.Focus = QStringLiteral("HelpButton");
    return true;
}

void prefSerm_KeyDown(PreferencesForm& form, int i) {
    form.Focus = Indexed("prefSerm", i < kSermons ? i + 1 : 1);
    form.SelectFocus = true;
}

void Team_DblClick(PreferencesForm& form, int i) {
    if (i < 1 || i > kTeams) return;
    form.Team[size_t(i)] = QStringLiteral("Team #") + Number(i);
    form.PrefsChanged = true;
}

void HelpButton_Click(App& app, PreferencesForm&) {
    const QString paragraphs[] = {
        QStringLiteral("Last Meeting: Last crusade meeting held.  It will update automatically but if you choose to "
                       "reset it you can do so here."),
        QStringLiteral("Last Int. Card:  Will Print Interest card labels for new people attending for the first time "
                       "after this meeting number"),
        QStringLiteral("The meeting numbers for your sabbath morning meetings.  This will indicate on the printouts, "
                       "which meetings are Sabbath morning.  This is especially helpfull for visitation teams."),
        QStringLiteral("Print Cut Off:  Reports will not show the names of those who stop attending before this "
                       "meeting.  For example, if the number is 5, those who stopped attending before the 6th meeting "
                       "will not be printed.  This prevents printing duplicate labels."),
        QStringLiteral("Reserved Numbers are automatically assigned when you leave the Reg. Number blank. The next "
                       "assigned number will count up or down from this number, depending on the direction chosen "
                       "below."),
        QStringLiteral("Show Decisions on Attendance Record: will put the decision made in place of the night number "
                       "on the nightly attendance record.  Ex: 12-4C6S-90-B345K7U901234"),
    };
    app.msg.MsgText.clear();
    for (const QString& p : paragraphs) app.msg.MsgText += p + NewLine + NewLine;
    app.dialogs().msgBox(app.msg.MsgText);
}

bool btnCancel_Click(App& app, PreferencesForm& form) {
    if (!form.PrefsChanged) return true;
    return app.dialogs().msgBox(QStringLiteral("Are you sure you want to leave without saving your changes?"),
                                Buttons::YesNo) != AnsNo;
}

bool btnSave_Click(App& app, PreferencesForm& form) {
    const bool saved = SavePreferences(app, form);
    if (saved) form.PrefsChanged = false;
    return saved;
}

bool SavePreferences(App& app, PreferencesForm& form) {
    if (!form.PrefsChanged) return true;
    // The dialog belongs to the crusade it was loaded from; it never writes another one's.
    if (form.DataFile != app.program.DataFile) return true;
    const auto numbers = CheckNumbers(app, form);
    if (!numbers) return false;
    const SettingsBefore before(app);
    const int oldLast = int(Val(form.loaded.LastMeetingBox));
    CopyBoxes(app, form, *numbers);
    const bool lastMeetingTaken = SaveLastMeeting(app, form, numbers->last);
    // The file first: when it cannot be written the settings are put back, the boxes stay
    // marked unsaved (a Cancel then drops them) and no attendance has been erased.
    try {
        SaveInfoFile(app);
    } catch (...) {
        before.restore(app);
        throw;
    }
    // An erase that stopped part way leaves the boxes unsaved: saving again erases the rest.
    if (lastMeetingTaken && numbers->last < oldLast && !EraseLaterAttendance(app, numbers->last, oldLast)) return false;
    // What was written is what the boxes are now compared against.
    form.loaded = static_cast<const PreferenceBoxes&>(form);
    if (!lastMeetingTaken) form.PrefsChanged = false;
    return lastMeetingTaken;
}

}  // namespace fennick

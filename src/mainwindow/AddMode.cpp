#include "mainwindow/AddMode.h"

#include "data/App.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/FileUtil.h"
#include "data/RecordDisplay.h"
#include "data/RecordFile.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "mainwindow/FieldEntry.h"
#include "mainwindow/FieldRules.h"
#include "mainwindow/MainLifecycle.h"
#include "mainwindow/MainScreen.h"
#include "mainwindow/Navigation.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Dialogs.h"
#include "views/Indexes.h"

#include <iterator>
#include <optional>

namespace fennick {

namespace {

const QString kExitAddMode = QStringLiteral("Exit Add Mode");
const QString kMtgNum = QStringLiteral("MtgNum");
const QString kRNum = QStringLiteral("RNum");
const QString kLName = QStringLiteral("LName");
const QString kFName = QStringLiteral("FName");

// The three buttons that drive an entry, with their captions.
const char* const kAddButtons[] = {"btnSaveNew", "btnCancelNew", "btnSaveExit"};
const char* const kAddButtonCaptions[] = {"Save and New", "Cancel and Exit", "Save and Exit"};
// Toolbar buttons out of use while names are added.
const char* const kToolbarButtons[] = {"btnViewFile", "btnAttend", "btnGoTo",  "btnDelete",  "btnUndelete", "btnSDA",
                                       "btnMark",     "btnGlobal", "btnExcel", "btnAddName", "btnStats",    "btnUndo"};
// Menus out of use while names are added.
const char* const kMenus[] = {"mnuFile", "mnuEdit", "mnuRecords", "mnuTools", "mnuPreview", "mnuPrint", "mnuFilterS"};
// Controls of the later work on a name (visits, interest, baptism, interview, map code,
// birth date), hidden while names are added.
const char* const kLaterWorkControls[] = {"EditLabel",  "Visits",   "VisitsLabel", "IntLabel",    "IntLevel",
                                          "SearchBox",  "BaptDate", "lblBapDate",  "BaptDateLbl", "MapCode",
                                          "MapCodeLbl", "Class",    "ClassLbl",    "lBaptized",   "Baptized",
                                          "lBDate",     "BirthDate"};
// Controls that only add mode shows.
const char* const kAddModeLabels[] = {"AddNameLabel", "MtgNum", "MtgNumLabel"};
// Boxes a new entry starts empty.
const char* const kEmptyBoxes[] = {"RNum",  "FName",    "LName",   "Address",   "City",     "State",
                                   "Zip",   "Phone",    "Age",     "RelPref",   "IntLevel", "Visits",
                                   "Notes", "BaptDate", "MapCode", "BirthDate", "txtEmail"};

constexpr BgrColor kAddModeLines = 0x000080;   // dark red
constexpr BgrColor kEditModeLines = 0xC00000;  // dark blue

template <size_t N>
void SetVisible(MainScreen& form, const char* const (&names)[N], bool visible) {
    for (const char* n : names) form.setVisible(QLatin1String(n), visible);
}
template <size_t N>
void SetEnabled(MainScreen& form, const char* const (&names)[N], bool enabled) {
    for (const char* n : names) form.setEnabled(QLatin1String(n), enabled);
}

void SetLines(MainScreen& form, BgrColor colour) {
    form.setForeColor(QStringLiteral("Line1"), colour);
    form.setForeColor(QStringLiteral("Line2"), colour);
}

void SetNavigationShown(MainScreen& form, bool shown) {
    for (int i = 0; i <= 3; ++i) form.setVisible(QStringLiteral("ChgRec(%1)").arg(i), shown);
}

bool IsNight(int m) {
    return m >= 1 && m <= kMeetings;
}

// The meeting number of an answer: its leading number rounded to a whole number; 0 for
// one too large for the program's numbers (it is refused like any other invalid meeting).
int MeetingOfAnswer(const QString& answer) {
    try {
        return ToInt16(Val(answer));
    } catch (const VbError&) {
        return 0;
    }
}

// The meeting of the entry: the one shown in MtgNum; when that box no longer holds a
// meeting, the last meeting of the crusade, else the first.
int EntryMeeting(const App& app, const MainScreen& form) {
    const int shown = MeetingOfAnswer(Trim(form.text(kMtgNum)));
    if (IsNight(shown)) return shown;
    return IsNight(app.settings.LastMeeting) ? app.settings.LastMeeting : 1;
}

QString InvalidMeetingText() {
    return QStringLiteral("The Meeting number you entered is invalid.") + NewLine +
           QStringLiteral("You must select a Meeting Number between 1 and 40");
}

QString LaterMeetingQuestion(const App& app, int m) {
    const qint16 last = app.settings.LastMeeting;
    return QStringLiteral("The last meeting was: ") + Plain(last) + NewLine +
           QStringLiteral("The next meeting should be Meeting Number: ") + Plain(last + 1) + NewLine +
           QStringLiteral("You have entered Meeting Number: ") + Plain(m) + QStringLiteral(".") + NewLine + NewLine +
           QStringLiteral("Is this what you want to do?");
}

// Asks for the meeting of the new names; 0 when the command is to end (the answer was
// empty, refused, or the user did not confirm a meeting beyond the next one).
int AskMeeting(App& app) {
    Messages& msg = app.msg;
    msg.MsgText = QStringLiteral("Enter the Meeting Number") + NewLine + NewLine +
                  QStringLiteral(
                      "HELPFUL HINT- Remember the F2 Function key will automatically copy the information "
                      "for that field from the previous record and F3 will copy the essential parts of the "
                      "entire record.");
    msg.MsgAnswer = app.dialogs().input(msg.MsgText, QStringLiteral("Add Names"), Plain(app.settings.LastMeeting));
    if (msg.MsgAnswer.isEmpty()) return 0;
    const int m = MeetingOfAnswer(msg.MsgAnswer);
    if (!IsNight(m)) {
        app.dialogs().msgBox(InvalidMeetingText(), Buttons::OK, Icon::Critical);
        return 0;
    }
    if (m > app.settings.LastMeeting + 1) {
        msg.MsgText = LaterMeetingQuestion(app, m);
        const int answer = app.dialogs().msgBox(msg.MsgText, Buttons::YesNo, Icon::Question);
        msg.MsgAnswer = QString::number(answer);
        if (answer != AnsYes) return 0;
    }
    return m;
}

// Shows the meeting, puts the add-mode buttons in place of the toolbar and navigation
// and begins the first entry.
void BeginEntries(App& app, MainScreen& form, int m) {
    form.setText(kMtgNum, Plain(m));
    if (m > app.settings.LastMeeting) app.settings.LastMeeting = qint16(m);
    SetVisible(form, kAddButtons, true);
    SetEnabled(form, kToolbarButtons, false);
    SetNavigationShown(form, false);
    form.setText(QStringLiteral("lblNextFieldBtn"), QStringLiteral("Total Records"));
    AddNewRecord(app, form);
}

// With nothing in the view there is no record to return to: the window stays in add
// mode with a fresh entry for the same meeting.
void FreshEntry(App& app, MainScreen& form) {
    BeginEntries(app, form, EntryMeeting(app, form));
}

// What AppendRecordSlot and the entry's save change besides the ends of the view and the
// file: put back when the save does not happen.
struct BeforeSlot {
    qint16 pos;
    qint32 recNo;
    bool fileIsOpen;
    AttendeeRecord record;
};

BeforeSlot TakeStock(const App& app) {
    const Crusade& c = app.crusade;
    return {app.view.CurIndexPos, c.CurRecNo, c.FileIsOpen, c.CurRecord};
}

// Takes back the slot AppendRecordSlot made for a record whose save did not happen, so
// that no view entry names a record the file does not hold, and the record shown before
// stays current with its fields.
void TakeBackSlot(App& app, const BeforeSlot& before) {
    CurrentView& v = app.view;
    Crusade& c = app.crusade;
    c.RecCount -= 1;
    v.ReportIndex.removeLast();
    v.ReportCount -= 1;
    v.CurIndexPos = before.pos;
    c.CurRecNo = before.recNo;
    c.FileIsOpen = before.fileIsOpen;
    c.CurRecord = before.record;
}

// An entry of add mode that was not saved stays on screen as a new name.
void TakeBackEntrySlot(App& app, const BeforeSlot& before) {
    TakeBackSlot(app, before);
    app.mainWindow.AddAnother -= 1;
    app.mainWindow.NewEntryOnScreen = true;
}

// Writes the entry as a new record at the end of the data file and of the view.
// Returns false, with the file and the view as they were, when the save was refused.
bool SaveEntry(App& app, MainScreen& form) {
    const BeforeSlot before = TakeStock(app);
    AppendRecordSlot(app);
    // The entry is written whatever the record shown before add mode held.
    app.view.ReportIndex[app.view.CurIndexPos] = kNotSavedYet;
    app.mainWindow.NewEntryOnScreen = false;
    ClearRecord(app);
    bool saved = false;
    try {
        saved = SaveCurrentRecord(app, form);
    } catch (...) {
        TakeBackEntrySlot(app, before);
        throw;
    }
    if (!saved) TakeBackEntrySlot(app, before);
    return saved;
}

// The mouse-down on Save and Exit or Cancel and Exit leaves "StopImport" for the leave of
// the box that had the focus. By the click that leave is over: a flag left because the
// focus was in another box must not make a later leave of the number box skip its checks.
void EndStopImport(App& app) {
    if (app.msg.MsgText == kStopImport) app.msg.MsgText.clear();
}

// Save and Exit's mouse-down makes the number box's leave skip its checks, so they run
// here: a typed number is written in four digits and refused, with the box's messages,
// when it holds letters or a live record has it. An empty box gets a number at the save.
bool TypedNumberAccepted(App& app, MainScreen& form) {
    const QString typed = Trim(form.text(kRNum));
    if (typed.isEmpty()) return true;
    const std::optional<QString> number = ParseRegNumber(typed);
    RNum_LostFocus(app, form);
    return number && form.text(kRNum) == *number;
}

// Nothing is left in the view after the entry is dropped. A crusade that never received
// a record is closed, which deletes a crusade made in this run and ends the program;
// a kept one has its data file opened again. A crusade with records shows all names.
// Returns true when the view then holds a record to show; otherwise a fresh entry is
// begun.
bool RefillEmptyView(App& app, MainScreen& form) {
    Crusade& c = app.crusade;
    if (c.RecCount == 0) {
        if (CloseCrusade(app)) throw ProgramEnd{};
        c.file.open(app.program.DataFile, Crusade::RecLen, true);
    } else {
        IndexAlpha(app);
        ForgetViewPositions(app);
    }
    if (app.view.ReportCount > 0) return true;
    FreshEntry(app, form);
    return false;
}

// --- Pre-registration ------------------------------------------------------------------

// The records of the pre-registration file; nullopt after a message when the file could
// not be read in kPreRegistrationAttempts tries.
std::optional<QByteArray> ReadPreRegistration(App& app, const QString& path) {
    RecordFile file;
    for (int attempt = 1;; ++attempt) {
        try {
            file.openReadOnly(path, Crusade::RecLen);
            QByteArray all = file.readAll();
            file.close();
            return all;
        } catch (const VbError& e) {
            file.close();
            if (attempt < kPreRegistrationAttempts) continue;
            app.dialogs().msgBox(QStringLiteral("The pre-registration file ") + path +
                                     QStringLiteral(" could not be read, so the names were not looked up in it.") +
                                     NewLine + NewLine + CommonErrorText(e, kSourceFennick95),
                                 Buttons::OK, Icon::Exclamation);
            return std::nullopt;
        }
    }
}

// A name as the lookup compares it: blanks removed; a box that holds "Unknown" matches
// no entry (the entry's name is blanked, as the box's never is).
bool NameMatches(QByteArray entryName, const QString& box) {
    const QByteArray typed = Ansi(Trim(box));
    if (typed == "Unknown") entryName.clear();
    return EqualsNoCase(Trim(entryName), typed);
}

void FillFromPreRegistration(App& app, MainScreen& form, const AttendeeRecord& e) {
    const auto put = [&form](const char* box, const QByteArray& bytes) {
        form.setText(QLatin1String(box), FromAnsi(bytes));
    };
    put("Address", e.Address.bytes());
    Address_LostFocus(app, form);
    put("City", e.City.bytes());
    put("State", e.State.bytes());
    put("Zip", e.Zip.bytes());
    Zip_LostFocus(app, form);
    put("Phone", e.Phone.bytes());
    Phone_LostFocus(app, form);
    put("txtEmail", e.Email.bytes());
    // The fifth mark says the person registered before the meetings.
    QByteArray advertising = e.Advertising.bytes();
    advertising[4] = 'P';
    put("Advertising", advertising);
    put("Age", e.Age.bytes());
    if (Trim(form.text(QStringLiteral("Age"))).isEmpty()) form.setText(QStringLiteral("Age"), QStringLiteral("NIF"));
    put("RelPref", e.RelPref.bytes());
    form.setValue(QStringLiteral("MailList"), 1);
    put("Notes", e.Notes.bytes());
    PlaySound(app, QStringLiteral("laser"));
    form.setFocus(QStringLiteral("btnSaveNew"));
}

void LookUpPreRegistration(App& app, MainScreen& form) {
    const QString wanted = PreRegistrationFileName(app.program.DataFile);
    app.msg.ScratchVar = wanted;
    const QString path = FindFileNoCase(wanted);
    app.msg.MsgText = path.isEmpty() ? QString() : FileTitle(path);
    if (path.isEmpty()) return;
    const std::optional<QByteArray> all = ReadPreRegistration(app, path);
    if (!all) return;
    const qsizetype n = all->size() / Crusade::RecLen;
    for (qsizetype i = 0; i < n; ++i) {
        const AttendeeRecord entry = AttendeeRecord::decode(all->constData() + i * Crusade::RecLen);
        // Later matching entries fill the boxes again.
        if (NameMatches(entry.FName.bytes(), form.text(kFName)) && NameMatches(entry.LName.bytes(), form.text(kLName)))
            FillFromPreRegistration(app, form, entry);
    }
}

}  // namespace

void mnuAddRecords_Click(App& app, MainScreen& form) {
    Crusade& c = app.crusade;
    const bool wasAdding = c.AddMode;
    c.AddMode = true;
    ShowDecisionNames(app, form);
    // A crusade not in use yet, or one that has never held a name, starts with the first
    // meeting without asking.
    const int m = (!c.FileIsOpen || c.NewEmptyFile) ? 1 : SaveCurrentRecord(app, form) ? AskMeeting(app) : 0;
    if (m == 0) {
        // The command ends as if it had not run: the shown record keeps its decision marks.
        c.AddMode = wasAdding;
        ShowDecisions(app, form);
        return;
    }
    BeginEntries(app, form, m);
}

void AddNewRecord(App& app, MainScreen& form) {
    // The entry starts afresh: a refused save of a name left on screen goes with it.
    DiscardChanges(app, app.crusade.RecCount + 1);
    app.crusade.AddMode = true;
    form.setEnabled(QStringLiteral("mnuEditMode"), true);
    form.setEnabled(QStringLiteral("mnuAddRecords"), false);
    SetLines(form, kAddModeLines);
    SetVisible(form, kLaterWorkControls, false);
    SetVisible(form, kAddModeLabels, true);
    SetEnabled(form, kMenus, false);

    for (const char* box : kEmptyBoxes) form.setText(QLatin1String(box), QString());
    form.setText(QStringLiteral("Advertising"), QStringLiteral("......."));
    form.setText(QStringLiteral("WorkerCode"), QStringLiteral("00"));
    const QByteArray noDecisions(9, '-');
    form.setText(QStringLiteral("Decisions"), FromAnsi(noDecisions));
    app.crusade.CurRecord.Decisions = noDecisions;
    for (int i = 0; i <= 8; ++i) form.setValue(QStringLiteral("Dec(%1)").arg(i), 0);
    form.setValue(QStringLiteral("Class"), 0);

    // The new name attends the meeting of the entry: its last digit marks the night.
    const int m = EntryMeeting(app, form);
    form.setText(kMtgNum, Plain(m));
    form.setText(QStringLiteral("Attendance"), FromAnsi(OneNightAttendance(m)));
    form.setText(QStringLiteral("Attend"), QStringLiteral("1"));
    app.crusade.CurRecord.Attend = "1";
    form.setText(QStringLiteral("Last"), Plain(m));
    app.crusade.CurRecord.Last = qint16(m);
    form.setValue(QStringLiteral("MailList"), 1);
    // Esc in a box of the entry puts back the entry's own value, never the record shown
    // before it.
    AttendeeRecord& entry = app.crusade.OrigRecord;
    entry = AttendeeRecord();
    ClearRecord(entry);  // which would keep the e-mail address of the record shown before
    entry.Attendance = OneNightAttendance(m);
    entry.Attend = "1";
    entry.Last = qint16(m);
    entry.MailList = 1;

    app.mainWindow.EnteredRNum = form.text(kRNum);
    app.mainWindow.NewEntryOnScreen = true;
    if (app.hooks.recordShown) app.hooks.recordShown(form, 0);
    form.setText(QStringLiteral("RecordCounter"), Plain(app.view.ReportCount + 1));
    // The record number the entry is written under when it is saved.
    form.setText(QStringLiteral("RecordPos"), Plain(app.crusade.RecCount + 1));
    form.setCaption(QStringLiteral("Fennick Add Name Screen: ") + RTrim(app.settings.CrusadeName) +
                    QStringLiteral(" Crusade (Meeting # ") + Plain(app.settings.LastMeeting) + QStringLiteral(")"));
    form.setFocus(kRNum);
}

void btnSaveNew_Click(App& app, MainScreen& form) {
    if (SaveEntry(app, form)) AddNewRecord(app, form);
}

void btnSaveExit_Click(App& app, MainScreen& form) {
    EndStopImport(app);
    if (Trim(form.text(kLName)).isEmpty()) {
        const int answer = app.dialogs().msgBox(QStringLiteral("This record appears to be incomplete.") + NewLine +
                                                    QStringLiteral("Are you sure you want to save it?"),
                                                Buttons::YesNo, Icon::Question, kExitAddMode);
        app.msg.MsgAnswer = QString::number(answer);
        if (answer != AnsYes) {
            btnCancelNew_Click(app, form);
            return;
        }
    }
    if (!TypedNumberAccepted(app, form) || !SaveEntry(app, form)) return;
    mnuEditMode_Click(app, form);
}

void btnCancelNew_Click(App& app, MainScreen& form) {
    EndStopImport(app);
    const int answer = app.dialogs().msgBox(QStringLiteral("You are exiting this record without saving it.") + NewLine +
                                                QStringLiteral("Is this what you want to do?"),
                                            Buttons::YesNo, Icon::Question, kExitAddMode, 2);
    app.msg.MsgAnswer = QString::number(answer);
    if (answer != AnsYes) {
        app.msg.MsgAnswer = kDontExit;
        return;
    }
    // A save of the name that was refused is not kept for the crusade's files either.
    DiscardChanges(app, app.crusade.RecCount + 1);
    if (app.view.ReportCount == 0 && !RefillEmptyView(app, form)) return;

    app.view.CurIndexPos = app.view.ReportCount;
    ShowCurrentRecord(app, form);
    const QString findBox = QStringLiteral("FndNameBx");
    if (Trim(form.text(findBox)).isEmpty()) form.setText(findBox, FromAnsi(app.crusade.CurRecord.LName.trimmed()));
    for (size_t i = 0; i < std::size(kAddButtons); ++i)
        form.setText(QLatin1String(kAddButtons[i]), QLatin1String(kAddButtonCaptions[i]));
    mnuEditMode_Click(app, form);
}

void btnSaveExit_MouseDown(App& app) {
    app.msg.MsgText = kStopImport;
}

void btnCancelNew_MouseDown(App& app) {
    app.msg.MsgText = kStopImport;
}

void mnuEditMode_Click(App& app, MainScreen& form) {
    Crusade& c = app.crusade;
    if (c.AddMode) {
        if (app.view.ReportCount == 0) {
            FreshEntry(app, form);
            return;
        }
        c.AddMode = false;
        SetVisible(form, kAddButtons, false);
        SetEnabled(form, kToolbarButtons, true);
        SetNavigationShown(form, true);
        form.setText(QStringLiteral("lblNextFieldBtn"), QStringLiteral("Right Click for Next Field"));
        SetEnabled(form, kMenus, true);
        app.mainWindow.AddAnother = 0;
        app.view.CurIndexPos = app.view.ReportCount;
        ShowCurrentRecord(app, form);
    }
    QString title;
    ShowListCaption(app, form, title);
    form.setEnabled(QStringLiteral("mnuEditMode"), false);
    form.setEnabled(QStringLiteral("mnuAddRecords"), true);
    SetLines(form, kEditModeLines);
    SetVisible(form, kLaterWorkControls, true);
    SetVisible(form, kAddModeLabels, false);
    form.setFocus(QStringLiteral("SearchBox"));
}

void CopyCurrentRecord(App& app, MainScreen& form) {
    const int answer = app.dialogs().msgBox(
        QStringLiteral("This will copy the Current Record to a new record in the file.  You must supply a new Record "
                       "Number.  Is this what you want to do?"),
        Buttons::YesNo, Icon::Question, QString());
    if (answer != AnsYes) return;
    // The number is drawn before anything changes: when none is left, or the settings
    // file that keeps it cannot be written, nothing is copied.
    QByteArray number;
    try {
        number = NextRegNumber(app);
    } catch (const VbError& e) {
        app.dialogs().msgBox(
            QStringLiteral("The copy was not made.") + NewLine + NewLine + CommonErrorText(e, kSourceFennick95),
            Buttons::OK, Icon::Critical);
        return;
    }
    if (number.isEmpty()) return;

    Crusade& c = app.crusade;
    const AttendeeRecord source = c.CurRecord;
    const BeforeSlot before = TakeStock(app);
    // A copy is not a name added in add mode.
    const qint16 added = app.mainWindow.AddAnother;
    AppendRecordSlot(app);
    app.mainWindow.AddAnother = added;
    app.view.ReportIndex[app.view.CurIndexPos] = kNotSavedYet;

    c.CurRecord = source;
    c.CurRecord.MailList = 0;
    c.CurRecord.FName = "";
    ShowRecord(app, form);
    app.mainWindow.EnteredRNum = form.text(kRNum);
    QString title;
    ShowListCaption(app, form, title);

    form.setText(kRNum, FromAnsi(number));
    form.setText(kFName, QString());
    form.setText(QStringLiteral("Age"), QString());
    form.setValue(QStringLiteral("MailList"), 0);
    // A copy that could not be written is no record: the screen, the counter and the view
    // go back to the record copied, as the file holds it, and a refused write of the copy
    // is let go.
    const qint32 slot = c.CurRecNo;
    QString failure;
    try {
        if (SaveCurrentRecord(app, form)) {
            // The copy is the record on screen now: Esc puts back its own number.
            c.OrigRecord = c.CurRecord;
            form.setFocus(kFName);
            return;
        }
    } catch (const VbError& e) {
        failure = CommonErrorText(e, kSourceFennick95);
    }
    TakeBackSlot(app, before);
    DiscardChanges(app, slot);
    ShowCurrentRecord(app, form);
    if (!failure.isEmpty())
        app.dialogs().msgBox(QStringLiteral("The copy was not made.") + NewLine + NewLine + failure, Buttons::OK,
                             Icon::Critical);
}

void mnuCopy_Click(App& app, MainScreen& form) {
    if (SaveCurrentRecord(app, form)) CopyCurrentRecord(app, form);
}

void LName_LostFocus(App& app, MainScreen& form) {
    form.setText(kLName, ProperFirstText(form.text(kLName)));
    if (!app.crusade.AddMode) return;
    LookUpPreRegistration(app, form);
    form.setBackColor(kLName, kWindowBackground);
}

QString PreRegistrationFileName(const QString& dataFile) {
    const QString name = FileTitle(dataFile);
    return FolderOf(dataFile) + QStringLiteral("pre_") + name.left(std::max<qsizetype>(0, name.size() - 4)) +
           QStringLiteral(".dta");
}

void InstallAddModeHooks(App& app) {
    Hooks& h = app.hooks;
    h.startAddMode = [&app] {
        if (app.hooks.editForm) mnuAddRecords_Click(app, *app.hooks.editForm);
    };
    h.copyCurrentRecord = [&app] {
        if (app.hooks.editForm) CopyCurrentRecord(app, *app.hooks.editForm);
    };
    h.cancelAddMode = [&app] {
        if (app.hooks.editForm) btnCancelNew_Click(app, *app.hooks.editForm);
    };
}

}  // namespace fennick

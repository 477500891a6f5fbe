#include "mainwindow/FieldEntry.h"

#include "data/App.h"
#include "data/DataStore.h"
#include "data/FileUtil.h"
#include "data/RecordDisplay.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "mainwindow/FieldRules.h"
#include "mainwindow/MainLifecycle.h"
#include "mainwindow/MainScreen.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"

#include <QDir>

#include <algorithm>

namespace fennick {

namespace {

const QString kZip = QStringLiteral("Zip");
const QString kCity = QStringLiteral("City");
const QString kState = QStringLiteral("State");
const QString kTeam = QStringLiteral("WorkerCode");
const QString kLevel = QStringLiteral("IntLevel");
const QString kRNum = QStringLiteral("RNum");
const QString kSearchBox = QStringLiteral("SearchBox");
const QString kNoZip = QStringLiteral("NoZip");
const QByteArray kNotSaved = QByteArrayLiteral("NotSaved");

// --- The field boxes and their common keys ------------------------------------------------

enum : unsigned {
    kCopies = 1,      // F2 in add mode copies the field of the name entered before
    kRestores = 2,    // Esc puts back the field as shown
    kPages = 4,       // PgUp and PgDn save and move
    kHighlight = 8,   // highlighted while it holds the focus in add mode
    kSelectsAll = 16  // its whole text is selected when it gets the focus
};

struct BoxRule {
    const char* name;
    const char* next;                           // where Enter goes; nullptr: Enter is not handled
    QByteArray (*text)(const AttendeeRecord&);  // the field as a text box shows it
    qint16 (*value)(const AttendeeRecord&);     // the field of a check box
    unsigned flags;
};

constexpr unsigned kTextBox = kCopies | kRestores | kPages | kHighlight | kSelectsAll;

// The boxes in the screen's Enter order.
const BoxRule kBoxes[] = {
    {"RNum", "FName", [](const AttendeeRecord& r) { return r.RNum.trimmed(); }, nullptr,
     kRestores | kPages | kHighlight},
    {"FName", "LName", [](const AttendeeRecord& r) { return r.FName.trimmed(); }, nullptr, kTextBox & ~kCopies},
    {"LName", "Address", [](const AttendeeRecord& r) { return r.LName.trimmed(); }, nullptr, kTextBox},
    {"Address", "Zip", [](const AttendeeRecord& r) { return r.Address.trimmed(); }, nullptr, kTextBox},
    {"Zip", "State", [](const AttendeeRecord& r) { return r.Zip.trimmed(); }, nullptr, kTextBox},
    {"State", "City", [](const AttendeeRecord& r) { return r.State.trimmed(); }, nullptr, kTextBox},
    {"City", "MailList", [](const AttendeeRecord& r) { return r.City.trimmed(); }, nullptr, kTextBox},
    {"MailList", "Phone", nullptr, [](const AttendeeRecord& r) { return r.MailList; },
     kCopies | kRestores | kPages | kHighlight},
    {"Phone", "txtEmail", [](const AttendeeRecord& r) { return r.Phone.trimmed(); }, nullptr, kTextBox},
    {"txtEmail", "Age", [](const AttendeeRecord& r) { return r.Email.trimmed(); }, nullptr, kTextBox},
    {"Age", nullptr, nullptr, nullptr, kPages | kHighlight | kSelectsAll},
    {"MapCode", "RelPref", [](const AttendeeRecord& r) { return r.MapCode.trimmed(); }, nullptr,
     kTextBox & ~kHighlight},
    {"RelPref", nullptr, nullptr, nullptr, kHighlight},
    {"Advertising", "WorkerCode", [](const AttendeeRecord& r) { return r.Advertising.trimmed(); }, nullptr,
     kCopies | kRestores | kPages | kHighlight},
    {"WorkerCode", "IntLevel", [](const AttendeeRecord& r) { return r.WorkerCode.trimmed(); }, nullptr,
     kTextBox & ~kHighlight},
    {"IntLevel", "Visits", [](const AttendeeRecord& r) { return r.IntLevel.trimmed(); }, nullptr,
     kTextBox & ~kHighlight},
    {"Visits", "BaptDate", [](const AttendeeRecord& r) { return r.Visits.trimmed(); }, nullptr, kTextBox},
    {"BaptDate", "Class",
     [](const AttendeeRecord& r) { return HasBaptismDate(r.BaptDate.bytes()) ? r.BaptDate.trimmed() : QByteArray(); },
     nullptr, kTextBox},
    {"Class", "Baptized", nullptr, [](const AttendeeRecord& r) { return r.Class; }, kRestores | kPages | kHighlight},
    {"BirthDate", nullptr, nullptr, nullptr, kPages | kHighlight | kSelectsAll},
    {"chkMarkToVisit", nullptr, nullptr, nullptr, kPages | kHighlight},
    {"Notes", nullptr, nullptr, nullptr, kPages | kHighlight | kSelectsAll},
};

const BoxRule* FindBox(const QString& box) {
    for (const auto& b : kBoxes)
        if (box == QLatin1String(b.name)) return &b;
    return nullptr;
}

bool AddMode(const App& app) {
    return app.crusade.AddMode;
}

void Highlight(App& app, MainScreen& s, const QString& box) {
    if (AddMode(app)) s.setBackColor(box, kHighlightColour);
}

void Unhighlight(App& app, MainScreen& s, const QString& box) {
    if (AddMode(app)) s.setBackColor(box, kWindowBackground);
}

int CheckValue(qint16 v) {
    return v == 0 ? 0 : (v == 2 ? 2 : 1);
}

// Puts a record's field into its box as the record display shows it.
void PutField(MainScreen& s, const BoxRule& b, const AttendeeRecord& rec) {
    const QString box = QLatin1String(b.name);
    if (b.value)
        s.setValue(box, CheckValue(b.value(rec)));
    else
        s.setText(box, FromAnsi(b.text(rec)));
}

// Where Enter (and F2 after copying) sends the focus from a box.
QString NextBox(App& app, const BoxRule& b, bool afterCopy) {
    const QString box = QLatin1String(b.name);
    if (box == kTeam) return AddMode(app) && !afterCopy ? QStringLiteral("btnSaveNew") : kLevel;
    if (box == QLatin1String("Advertising")) return afterCopy || AddMode(app) ? QString() : kTeam;
    return QLatin1String(b.next);
}

bool IsModifierOrTab(int keyCode) {
    return keyCode == vk::Shift || keyCode == vk::Control || keyCode == vk::Alt || keyCode == vk::CapsLock ||
           keyCode == vk::Tab;
}

// PgUp and PgDn: save and move, or only "clunk" while the record is edited for the
// report window. A new name being entered in add mode is not a record of the view yet:
// saving it would write it over the record shown before, so the keys only "clunk" there.
// The save leaves the box as Tab would: its leave rule runs, and a text it refuses stops
// the move.
void PageKey(App& app, MainScreen& s, const QString& box, int keyCode) {
    const bool up = keyCode == vk::PageUp;
    const bool numberBox = box == kRNum && !AddMode(app);
    if (!numberBox && (AddMode(app) || s.isVisible(QStringLiteral("ReturnToPreviewMsg")))) {
        PlaySound(app, QStringLiteral("clunk"));
        const bool backToTeam = box == kTeam || box == QLatin1String("chkMarkToVisit") || box == QLatin1String("Notes");
        if (up && backToTeam) s.setFocus(kTeam);
        return;
    }
    if (!SaveCurrentRecord(app, s)) return;
    if (numberBox) {
        ChgRec_Click(app, s, up ? 1 : 2);
        ShowCurrentRecord(app, s);
        return;
    }
    MoveToRecord(app, up ? 1 : 2);
}

// F3 in the last-name box: the whole address block of the name entered before.
void CopyAddressBlock(App& app, MainScreen& s) {
    for (const char* box : {"LName", "Address", "City", "State", "Zip", "Phone"})
        PutField(s, *FindBox(QLatin1String(box)), app.crusade.PrevRecord);
    s.setValue(QStringLiteral("MailList"), 0);
    s.setFocus(QStringLiteral("Age"));
    PlaySound(app, QStringLiteral("laser"));
}

// The keys every field box shares. Returns whether the key was handled.
bool CommonKeyDown(App& app, MainScreen& s, const BoxRule& b, int keyCode) {
    const QString box = QLatin1String(b.name);
    switch (keyCode) {
        case vk::Enter: {
            if (!b.next) return false;
            const QString next = NextBox(app, b, false);
            if (!next.isEmpty()) s.setFocus(next);
            return true;
        }
        case vk::F2:
            if (box == kRNum) {
                app.dialogs().msgBox(QStringLiteral("Copy Info. to a New Record"));
                return true;
            }
            if (!(b.flags & kCopies) || !AddMode(app)) return false;
            PutField(s, b, app.crusade.PrevRecord);
            if (const QString next = NextBox(app, b, true); !next.isEmpty()) s.setFocus(next);
            return true;
        case vk::F3:
            if (box != QLatin1String("LName") || !AddMode(app)) return false;
            CopyAddressBlock(app, s);
            return true;
        case vk::Escape:
            if (!(b.flags & kRestores)) return false;
            PutField(s, b, app.crusade.OrigRecord);
            if (box == kRNum) app.crusade.CurRecord.RNum = app.crusade.OrigRecord.RNum;
            LetGoOfDiscardedChanges(app, s);
            return true;
        case vk::PageUp:
        case vk::PageDown:
            if (!(b.flags & kPages)) return false;
            PageKey(app, s, box, keyCode);
            return true;
        default:
            return false;
    }
}

// --- Zip table ----------------------------------------------------------------------------------

int ZipEntriesInUse(const App& app) {
    return std::clamp<int>(app.crusade.ZipCount, 0, kMaxZips);
}

void SetZipMarker(App& app, const QByteArray& marker) {
    const int slot = ZipEntriesInUse(app) + 1;
    if (slot <= kMaxZips) app.crusade.ZipTable[slot] = marker;
}

bool ZipMarkerSet(const App& app) {
    const int slot = ZipEntriesInUse(app) + 1;
    return slot <= kMaxZips && app.crusade.ZipTable[slot] == kNotSaved;
}

// The state box is filled only while it is empty: a state the user typed or the record
// holds is never replaced.
void FillEmptyState(MainScreen& s, const QByteArray& state) {
    if (Trim(s.text(kState)).isEmpty() && !Trim(state).isEmpty()) s.setText(kState, FromAnsi(Trim(state)));
}

// Asks until the state box holds something.
void AskForState(App& app, MainScreen& s) {
    while (Trim(s.text(kState)).isEmpty())
        s.setText(kState, Trim(app.dialogs().input(QStringLiteral("Error- You must enter a State."),
                                                   QStringLiteral("Enter the State")))
                              .toUpper());
}

void AskCanadianSorter(App& app) {
    if (!app.settings.CanadianZip && app.program.AskCanada) {
        const int answer = app.dialogs().msgBox(
            QStringLiteral(
                "It appears you are entering a Canadian zip code. Do you wish to set the zip code sorter for "
                "Canadian zip codes?") +
                NewLine +
                QStringLiteral("If most of your names are in Canada then it is recommmended that you select the 'Yes' "
                               "button. ") +
                NewLine + QStringLiteral("You can change this selection later in the Preference settings."),
            Buttons::YesNo, Icon::None, QStringLiteral("Select Canadian Zip Code Sorter"));
        if (answer == AnsYes) app.settings.CanadianZip = true;
    }
    app.program.AskCanada = false;
}

// The zip box's rule. Returns the index of the table entry found, -1 when the zip is not
// in the table. A zip that cannot be noted because the table is full is reported when
// reportFull is set.
int LookUpZip(App& app, MainScreen& s, bool reportFull) {
    Crusade& c = app.crusade;
    const ZipText zip = NormaliseZip(s.text(kZip));
    s.setText(kZip, zip.text);
    if (zip.canadian) AskCanadianSorter(app);

    const int count = ZipEntriesInUse(app);
    const int found = FindZipEntry(c.ZipTable, count, ZipLookupKey(zip.text, app.settings.CanadianZip));
    const bool noZip = zip.text == kNoZip;
    if (found >= 0) {
        const QByteArray entry = c.ZipTable[found];
        if (!noZip) {
            app.mainWindow.ZipHitIndex = qint16(found);
            if (AddMode(app) && Trim(s.text(kCity)).isEmpty()) {
                s.setText(kCity, FromAnsi(Trim(ZipEntryCity(entry))));
                s.setFocus(QStringLiteral("Phone"));
            }
            FillEmptyState(s, ZipEntryState(entry));
            // The deleted mark "##" or a damaged team never reaches the box.
            const QString team = Trim(s.text(kTeam));
            const auto zipTeam = ParseTeamCode(FromAnsi(ZipEntryTeam(entry)));
            if ((team.isEmpty() || team == QLatin1String("00")) && zipTeam) s.setText(kTeam, *zipTeam);
        }
        SetZipMarker(app, QByteArray());
    } else if (count < kMaxZips) {
        SetZipMarker(app, kNotSaved);
    } else if (reportFull) {
        app.dialogs().msgBox(QStringLiteral("The zip code table is full: it holds 2000 zip codes.") + NewLine +
                                 QStringLiteral("The zip code ") + zip.text +
                                 QStringLiteral(" is not added to the table."),
                             Buttons::OK, Icon::Exclamation);
    }
    if (count > 0) FillEmptyState(s, ZipEntryState(c.ZipTable[1]));
    Unhighlight(app, s, kZip);
    return found;
}

// The zip on screen becomes a new entry of the table, team "00", one address.
void AddZipEntry(App& app, MainScreen& s) {
    Crusade& c = app.crusade;
    c.ZipCount = qint16(ZipEntriesInUse(app) + 1);
    AskForState(app, s);
    c.ZipTable[c.ZipCount] =
        NewZipEntry(ZipLookupKey(s.text(kZip), app.settings.CanadianZip), s.text(kState), s.text(kCity));
    SetZipMarker(app, QByteArray());
}

// A known zip whose entry names another city: the user may reassign it.
void CheckZipCity(App& app, MainScreen& s, int index) {
    QByteArray& entry = app.crusade.ZipTable[index];
    const QString city = s.text(kCity);
    if (ZipEntryCity(entry) == Fixed(Ansi(city), 15) || Trim(s.text(kZip)) == kNoZip) return;
    const int answer = app.dialogs().msgBox(
        QStringLiteral("Zipcode: ") + FromAnsi(Left(entry, 5)) + NewLine +
            QStringLiteral(" Has already been assigned to a different city-- ") + FromAnsi(Trim(ZipEntryCity(entry))) +
            NewLine + NewLine + QStringLiteral("Do you want to reassign ") + FromAnsi(Trim(Left(entry, 10))) +
            QStringLiteral(" to ") + city + QStringLiteral("?"),
        Buttons::YesNo, Icon::Question, QStringLiteral("Check Assigned City"));
    if (answer == AnsYes) entry = WithZipCity(entry, city);
}

// --- Small shared pieces ------------------------------------------------------------------------

QString Today(App& app) {
    return DateMMDDYY(app.clock().today());
}

void RefuseTeamCode(App& app, MainScreen& s) {
    app.dialogs().msgBox(TeamCodeRefusal());
    s.setText(kTeam, ParseTeamCode(FromAnsi(app.crusade.CurRecord.WorkerCode.trimmed())).value_or("00"));
    s.setFocus(kTeam);
}

// Outside add mode the view entry shows a changed number at once.
void PutNumberInView(App& app, const QString& number) {
    CurrentView& v = app.view;
    if (AddMode(app) || v.CurIndexPos < 1 || v.CurIndexPos > v.ReportCount || v.CurIndexPos >= v.ReportIndex.size())
        return;
    QByteArray& entry = v.ReportIndex[v.CurIndexPos];
    entry = Fixed(Ansi(number), 4) + Mid(entry, 5);
}

QString InviterQuestion() {
    return QStringLiteral("Enter the Last Name of the Person who invited them:") + NewLine + NewLine +
           QStringLiteral("(Note: you can enter  I-Lastname in the previous box to avoid this second box.)");
}

const QString kAdvertisingTitle = QStringLiteral("Advertising Information");

// The inviter's name for an answer that marks "I": the name after the dash, or asked
// for; a name that does not fit the field is asked for again.
QString InviterName(App& app, const QString& given) {
    QString name = given;
    if (name.isEmpty()) name = Trim(app.dialogs().input(InviterQuestion(), kAdvertisingTitle));
    while (!AdvertisingFlags::nameFits(name)) {
        app.dialogs().msgBox(QStringLiteral("The Persons name is too long.") + NewLine +
                             QStringLiteral("Retype it with less than 13 Characters"));
        name = Trim(app.dialogs().input(InviterQuestion(), kAdvertisingTitle));
    }
    return name;
}

}  // namespace

// --- Every field box ------------------------------------------------------------------------

void FieldGotFocus(App& app, MainScreen& s, const QString& box) {
    if (box == kRNum) RNum_GotFocus(app, s);
    if (box == QLatin1String("Advertising")) return Advertising_GotFocus(app, s);
    if (box == QLatin1String("MailList")) s.setVisible(QStringLiteral("Label_MailListFocus"), true);
    const BoxRule* b = FindBox(box);
    if (!b) return;
    if (b->flags & kSelectsAll) s.setSelection(box, 0, int(s.text(box).size()));
    if (b->flags & kHighlight) Highlight(app, s, box);
}

bool FieldLostFocus(App& app, MainScreen& s, const QString& box) {
    using Rule = void (*)(App&, MainScreen&);
    static const QList<QPair<QString, Rule>> kRules = {
        {QStringLiteral("FName"), FName_LostFocus},
        {QStringLiteral("Address"), Address_LostFocus},
        {QStringLiteral("Zip"), Zip_LostFocus},
        {QStringLiteral("City"), City_LostFocus},
        {QStringLiteral("State"), State_LostFocus},
        {QStringLiteral("Phone"), Phone_LostFocus},
        {QStringLiteral("RelPref"), RelPref_LostFocus},
        {QStringLiteral("MailList"), MailList_LostFocus},
        {QStringLiteral("txtEmail"), txtEmail_LostFocus},
        {QStringLiteral("BaptDate"), BaptDate_LostFocus},
        {QStringLiteral("Visits"), Visits_LostFocus},
        {QStringLiteral("Advertising"), Advertising_LostFocus},
        {QStringLiteral("boxVisitVisits"), boxVisitVisits_LostFocus},
    };
    // The rules that can refuse the box's text.
    using Check = bool (*)(App&, MainScreen&);
    static const QList<QPair<QString, Check>> kChecks = {
        {QStringLiteral("RNum"), RNum_LostFocus},
        {QStringLiteral("WorkerCode"), WorkerCode_LostFocus},
        {QStringLiteral("Age"), Age_LostFocus},
        {QStringLiteral("MtgNum"), MtgNum_LostFocus},
    };
    bool accepted = true;
    for (const auto& [name, rule] : kRules)
        if (name == box) rule(app, s);
    for (const auto& [name, check] : kChecks)
        if (name == box) accepted = check(app, s);
    if (const BoxRule* b = FindBox(box); b && (b->flags & kHighlight)) Unhighlight(app, s, box);
    return accepted;
}

bool FieldKeyDown(App& app, MainScreen& s, const QString& box, int keyCode, int shift) {
    if (shift & (vk::CtrlMask | vk::AltMask)) return false;
    bool handled = false;
    if (box == QLatin1String("BaptDate")) handled = BaptDate_KeyDown(app, s, keyCode, shift);
    if (box == QLatin1String("Visits")) handled = Visits_KeyDown(app, s, keyCode, shift);
    if (box == QLatin1String("RelPref")) return RelPref_KeyDown(app, s, keyCode);
    if (box == QLatin1String("Notes")) handled = Notes_KeyDown(app, s, keyCode);
    const BoxRule* b = FindBox(box);
    if (!handled && b) handled = CommonKeyDown(app, s, *b, keyCode);
    // Every key in the mail-list box ends in the telephone box.
    if (box == QLatin1String("MailList") && !IsModifierOrTab(keyCode)) s.setFocus(QStringLiteral("Phone"));
    return handled;
}

bool FieldKeyPress(App& app, MainScreen& s, const QString& box, QChar ch) {
    if (box == QLatin1String("Age")) return Age_KeyPress(app, s, ch);
    if (box == QLatin1String("RelPref")) return RelPref_KeyPress(app, s, ch);
    if (box == QLatin1String("MtgNum")) return MtgNum_KeyPress(app, s, ch);
    if (box == QLatin1String("MailList")) s.setFocus(QStringLiteral("Phone"));
    return false;
}

// --- Names, address, zip, city, state, telephone ------------------------------------------------

void FName_LostFocus(App& app, MainScreen& s) {
    const QString box = QStringLiteral("FName");
    Unhighlight(app, s, box);
    s.setText(box, ProperFirstText(s.text(box)));
}

void Address_LostFocus(App& app, MainScreen& s) {
    const QString box = QStringLiteral("Address");
    s.setText(box, NormaliseAddress(s.text(box)));
    s.setForeColor(box, kWindowText);
    s.setBold(box, false);
    Unhighlight(app, s, box);
}

void Zip_LostFocus(App& app, MainScreen& s) {
    LookUpZip(app, s, true);
}

void City_LostFocus(App& app, MainScreen& s) {
    s.setText(kCity, ProperFirstText(s.text(kCity)));
    if (ZipMarkerSet(app)) {
        AddZipEntry(app, s);
    } else {
        const int found = LookUpZip(app, s, false);
        if (found >= 0) {
            CheckZipCity(app, s, found);
            if (AddMode(app)) app.crusade.ZipTable[found] = WithZipCountRaised(app.crusade.ZipTable[found]);
        } else if (ZipMarkerSet(app)) {
            AddZipEntry(app, s);
        }
    }
    Unhighlight(app, s, kCity);
}

void State_LostFocus(App& app, MainScreen& s) {
    AskForState(app, s);
    Unhighlight(app, s, kState);
}

void Phone_LostFocus(App& app, MainScreen& s) {
    const QString box = QStringLiteral("Phone");
    s.setText(box, NormalisePhone(s.text(box)));
    s.setForeColor(box, kWindowText);
    s.setBackColor(box, kWhite);
    s.setBold(box, false);
    Unhighlight(app, s, box);
}

// --- Number, team, categories -----------------------------------------------------------

void RNum_GotFocus(App& app, MainScreen& s) {
    app.mainWindow.EnteredRNum = s.text(kRNum);
}

bool RNum_LostFocus(App& app, MainScreen& s) {
    if (app.msg.MsgText == QLatin1String("StopImport")) {
        app.msg.MsgText.clear();
        return true;
    }
    // A new name of add mode falls back on its own number, not on the record shown before.
    Crusade& c = app.crusade;
    const QString fallback = FromAnsi((AddMode(app) ? c.OrigRecord : c.CurRecord).RNum.trimmed());
    QString text = s.text(kRNum);
    if (!AddMode(app) && text == app.mainWindow.EnteredRNum) return true;
    text = Trim(text);
    if (text.isEmpty()) {
        text = FromAnsi(NextRegNumber(app));
        if (text.isEmpty()) {  // the numbers are used up; NextRegNumber said so
            s.setText(kRNum, fallback);
            s.setFocus(kRNum);
            return false;
        }
    }
    const auto number = ParseRegNumber(text);
    if (!number) {
        app.msg.MsgText = text;
        s.setText(kRNum, fallback);
        s.setFocus(kRNum);
        app.dialogs().msgBox(RegNumberRefusal(text));
        return false;
    }
    s.setText(kRNum, *number);
    const bool duplicate = CheckDuplicateRNum(app, Ansi(*number)) == 3;
    if (duplicate) {
        s.setText(kRNum, AddMode(app) ? QString() : fallback);
        s.setFocus(kRNum);
    } else {
        app.mainWindow.EnteredRNum = *number;
        // The number the new name was given is its own from now on.
        if (AddMode(app)) c.OrigRecord.RNum = Ansi(*number);
    }
    PutNumberInView(app, s.text(kRNum));
    return !duplicate;
}

bool WorkerCode_LostFocus(App& app, MainScreen& s) {
    const auto team = ParseTeamCode(s.text(kTeam));
    if (team)
        s.setText(kTeam, *team);
    else
        RefuseTeamCode(app, s);
    return team.has_value();
}

void IntLevel_Change(App& app, MainScreen& s) {
    const QString text = s.text(kLevel);
    const auto level = ParseInterestLevel(text);
    if (level) {
        if (*level != text) s.setText(kLevel, *level);
        return;
    }
    app.dialogs().msgBox(QStringLiteral("You must enter a letter between A and G or the Space Bar"), Buttons::OK,
                         Icon::Critical, QStringLiteral("Incorret Interest Level"));
    s.setText(kLevel, ParseInterestLevel(FromAnsi(app.crusade.CurRecord.IntLevel.trimmed())).value_or(QString()));
    s.setFocus(kLevel);
}

bool RelPref_KeyDown(App& app, MainScreen& s, int keyCode) {
    const QString box = QStringLiteral("RelPref");
    const bool del = keyCode == vk::Delete;
    if (del) {
        s.setText(box, QString());
        s.setSelection(box, 0, 0);
    }
    app.mainWindow.RelPrefCaret = qint16(s.selectionStart(box));
    return del;
}

bool RelPref_KeyPress(App& app, MainScreen& s, QChar ch) {
    const QString box = QStringLiteral("RelPref");
    const QString typed = s.text(box).left(app.mainWindow.RelPrefCaret) + ch;
    const QStringList names = s.items(box);
    const int i = FindChurch(names, typed);
    if (i >= 0) {
        s.setText(box, names[i]);
        s.setSelection(box, int(typed.size()), int(names[i].size() - typed.size()));
    }
    return true;
}

void RelPref_LostFocus(App& app, MainScreen& s) {
    const QString box = QStringLiteral("RelPref");
    const QString text = s.text(box);
    if (const QString church = RewriteChurch(text); church != text) s.setText(box, church);
    if (AddMode(app))
        Unhighlight(app, s, box);
    else
        s.setFocus(QStringLiteral("Age"));
}

bool Age_KeyPress(App& app, MainScreen& s, QChar) {
    s.setFocus(AddMode(app) ? QStringLiteral("RelPref") : QStringLiteral("MapCode"));
    return false;
}

bool Age_LostFocus(App& app, MainScreen& s) {
    const QString box = QStringLiteral("Age");
    const auto group = AgeGroupFromKey(s.text(box), app.settings.AgeGroupNames);
    if (group) {
        s.setText(box, *group);
    } else {
        app.dialogs().msgBox(QStringLiteral("You must enter a number between 1 and 7.  Try again"));
        s.setText(box, QString());
        s.setFocus(box);
    }
    Unhighlight(app, s, box);
    return group.has_value();
}

void MailList_LostFocus(App& app, MainScreen& s) {
    const QString box = QStringLiteral("MailList");
    s.setVisible(QStringLiteral("Label_MailListFocus"), false);
    Unhighlight(app, s, box);
    const QString unknown = QStringLiteral("Unknown");
    const bool noAddress = Trim(s.text(QStringLiteral("Address"))) == QLatin1String("Address Unknown");
    const bool noName =
        Trim(s.text(QStringLiteral("FName"))) == unknown && Trim(s.text(QStringLiteral("LName"))) == unknown;
    if (noAddress || noName) s.setValue(box, 0);
}

void txtEmail_LostFocus(App& app, MainScreen& s) {
    const QString box = QStringLiteral("txtEmail");
    s.setText(box, EmailAt(s.text(box)));
    Unhighlight(app, s, box);
    s.setSelection(box, 0, 0);
}

// --- Dates, decisions, visits, advertising, notes, meeting ----------------------------------

bool BaptDate_KeyDown(App& app, MainScreen& s, int keyCode, int shift) {
    if (shift & (vk::CtrlMask | vk::AltMask)) return false;
    const QString box = QStringLiteral("BaptDate");
    if (keyCode == 'P') {
        s.setText(box, QStringLiteral("05/23/09"));
        s.setText(kLevel, QStringLiteral("A"));
        return true;
    }
    if (keyCode != vk::Plus && keyCode != 43 && keyCode != vk::Minus) return false;
    const auto stepped = StepDate(s.text(box), keyCode == vk::Minus ? -1 : 1);
    // A box without a valid date is not stepped, and the key types nothing either.
    if (!stepped) return true;
    app.msg.ScratchVar = *stepped;
    app.msg.MsgText = QStringLiteral("Chg Date");
    BaptDate_Change(app, s);
    return true;
}

void BaptDate_Change(App& app, MainScreen& s) {
    if (app.msg.MsgText != QLatin1String("Chg Date")) return;
    app.msg.MsgText.clear();
    s.setText(QStringLiteral("BaptDate"), app.msg.ScratchVar);
}

void BaptDate_LostFocus(App&, MainScreen& s) {
    const QString box = QStringLiteral("BaptDate");
    s.setText(box, WidenDate(s.text(box)));
}

void BaptDate_DblClick(App& app, MainScreen& s) {
    s.setText(QStringLiteral("BaptDate"), Today(app));
    const int answer = app.dialogs().msgBox(QStringLiteral("Has this interest already been baptized?"), Buttons::YesNo,
                                            Icon::None, QStringLiteral("Enter Interest Level"));
    if (answer == AnsYes) {
        s.setText(kLevel, QStringLiteral("G"));
        s.setValue(QStringLiteral("Baptized"), 1);
    } else {
        s.setText(kLevel, QStringLiteral("A"));
    }
}

void BirthDate_Change(App& app, MainScreen& s) {
    app.crusade.CurRecord.BirthDate = Ansi(s.text(QStringLiteral("BirthDate")));
}

void Baptized_Click(App& app, MainScreen& s) {
    if (s.value(QStringLiteral("Baptized")) == 1) {
        s.setText(kLevel, QStringLiteral("G"));
        const QString date = s.text(QStringLiteral("BaptDate"));
        if (!HasBaptismDate(Ansi(date)) || Val(date) == 0) s.setText(QStringLiteral("BaptDate"), Today(app));
    } else if (Trim(s.text(kLevel)) == QLatin1String("G")) {
        app.dialogs().msgBox(QStringLiteral("Please Enter the Correct Interest Level."));
        s.setText(kLevel, QString());
        s.setFocus(kLevel);
    }
}

void Class_MouseUp(App& app) {
    if (app.hooks.showAppointment) app.hooks.showAppointment();
}

void Dec_MouseUp(App& app, MainScreen& s, int index) {
    constexpr int kUniteWithChurch = 8;
    if (index == kUniteWithChurch) {
        if (s.value(QStringLiteral("Dec(8)")) == 1) {
            const QString level = Trim(s.text(kLevel));
            if (level != QLatin1String("G") && level != QLatin1String("A")) s.setText(kLevel, QStringLiteral("B"));
        } else {
            app.dialogs().msgBox(QStringLiteral("You have removed the Decision to Unite with the church.") + NewLine +
                                 QStringLiteral("This may effect the Interest level") + NewLine +
                                 QStringLiteral("Check the Interest Level and make appropriate changes if "
                                                "necessary."));
        }
    }
    SetDecision(app, index, s);
}

bool Visits_KeyDown(App& app, MainScreen& s, int keyCode, int shift) {
    if (shift & (vk::CtrlMask | vk::AltMask)) return false;
    const QString box = QStringLiteral("Visits");
    if (keyCode == 'A' || keyCode == 'L' || keyCode == 'H' || keyCode == 'M' || keyCode == 'P') {
        s.setText(box, EnterVisitCode(app, s.text(box), QString(QChar(keyCode))));
        return true;
    }
    static const int kLeftToTheBox[] = {vk::Back, vk::Delete, vk::Enter, vk::F2, vk::Escape, vk::PageUp, vk::PageDown};
    const bool left = std::find(std::begin(kLeftToTheBox), std::end(kLeftToTheBox), keyCode) != std::end(kLeftToTheBox);
    if (left || IsModifierOrTab(keyCode)) return false;
    app.dialogs().msgBox(
        QStringLiteral("You must enter one of the following codes: ") + NewLine +
            QStringLiteral("   'L' for Left Sermon at the door or phone message") + NewLine +
            QStringLiteral("   'H' for Home visit") + NewLine + QStringLiteral("   'P' for Phone visit") + NewLine +
            QStringLiteral("   'M' for Meeting visit") + NewLine + QStringLiteral("   'A' for Appointment"),
        Buttons::OKCancel, Icon::None, QStringLiteral("Enter Visitation Code"));
    return true;
}

void Visits_LostFocus(App&, MainScreen& s) {
    // Enter and F2 send the focus on to the baptism date; any other way out of the box
    // goes back to the search box for the next person.
    if (s.focused() == QLatin1String("BaptDate")) return;
    if (s.isVisible(kSearchBox) && s.isEnabled(kSearchBox)) s.setFocus(kSearchBox);
}

void boxVisitInterest_Change(MainScreen& s) {
    const QString box = QStringLiteral("boxVisitInterest");
    const QString text = s.text(box);
    if (text.toUpper() != text) s.setText(box, text.toUpper());
}

void boxVisitVisits_LostFocus(App& app, MainScreen& s) {
    const QString box = QStringLiteral("boxVisitVisits");
    const QString code = VisitFrameCode(s.text(box));
    if (code.isEmpty()) PlaySound(app, QStringLiteral("clunk"));
    s.setText(box, code);
}

void Advertising_GotFocus(App& app, MainScreen& s) {
    const QString box = QStringLiteral("Advertising");
    QString stored = s.text(box);
    if (Trim(stored).isEmpty()) stored = QStringLiteral(".......");
    const QString answer = app.dialogs().input(
        QStringLiteral("Enter the Letter(s):") + NewLine + QStringLiteral("  M-  for Mail") + NewLine +
            QStringLiteral("  N-  for NewsPaper") + NewLine + QStringLiteral("  R-  for Radio") + NewLine +
            QStringLiteral("  T-  for Television") + NewLine + QStringLiteral("  P-  for Pre Meeting Interest") +
            NewLine + QStringLiteral("  O-  for Other") + NewLine + QStringLiteral("  I-  for Personal Invitation") +
            NewLine + NewLine + QStringLiteral("To Delete, enter a second time."),
        kAdvertisingTitle);
    if (Trim(answer).isEmpty()) {
        s.setText(box, stored);
    } else {
        AdvertisingFlags flags(stored);
        const AdvertisingAnswer parsed = AdvertisingFlags::parseAnswer(answer);
        const QString inviter = flags.marksInviter(parsed) ? InviterName(app, parsed.name) : QString();
        flags.apply(parsed, inviter, s.text(QStringLiteral("Attendance")).startsWith(u'1'));
        s.setText(box, flags.text());
    }
    s.setFocus(kTeam);
    Highlight(app, s, box);
}

void Advertising_LostFocus(App& app, MainScreen& s) {
    if (!AddMode(app)) return;
    Unhighlight(app, s, QStringLiteral("Advertising"));
    s.setFocus(QStringLiteral("btnSaveNew"));
}

void Attendance_Click(App& app, MainScreen& s) {
    app.program.ScreenMode = QStringLiteral("edit");
    s.setFocus(AddMode(app) ? kRNum : kSearchBox);
    if (app.hooks.showAttendanceUpdate) app.hooks.showAttendanceUpdate();
}

bool Notes_KeyDown(App& app, MainScreen& s, int keyCode) {
    const QString box = QStringLiteral("Notes");
    const NotesKeyCheck check = CheckNotesKey(int(s.text(box).size()), keyCode);
    for (const QString& message : check.messages) app.dialogs().msgBox(message);
    if (check.cut) s.setText(box, s.text(box).left(kNotesWidth));
    return check.refuse;
}

void Notes_MouseDown(App& app) {
    if (app.mainWindow.NotesCautionPending)
        app.dialogs().msgBox(QStringLiteral("Notes entered here are only for data entry items and are not available "
                                            "to visitaton teams.") +
                                 NewLine +
                                 QStringLiteral("Use the 'Comments/ Prayer Request'  button for information the teams "
                                                "should see."),
                             Buttons::OK, Icon::Exclamation, QStringLiteral("Note Box Caution!"));
    app.mainWindow.NotesCautionPending = false;
}

void Notes_DblClick(App& app) {
    if (app.hooks.enterPrayer) app.hooks.enterPrayer();
}

bool MtgNum_KeyPress(App& app, MainScreen& s, QChar ch) {
    if (ch != QChar(vk::Enter)) return false;
    s.setFocus(AddMode(app) ? kRNum : kSearchBox);
    return true;
}

bool MtgNum_LostFocus(App& app, MainScreen& s) {
    const QString box = QStringLiteral("MtgNum");
    const QString text = Trim(s.text(box));
    if (text.isEmpty()) return true;
    const int m = text.toInt();
    const bool digits = std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
    if (!digits || text.size() > 2 || m < 1 || m > kMeetings) {
        app.dialogs().msgBox(QStringLiteral("The Meeting number you entered is invalid.") + NewLine +
                                 QStringLiteral("You must select a Meeting Number between 1 and 40"),
                             Buttons::OK, Icon::Critical);
        s.setFocus(box);
        return false;
    }
    if (m > app.settings.LastMeeting) app.settings.LastMeeting = qint16(m);
    if (!AddMode(app)) return true;
    s.setText(QStringLiteral("Attendance"), FromAnsi(OneNightAttendance(m)));
    s.setText(QStringLiteral("Last"), QString::number(m));
    return true;
}

void mnuViewPrayerList_Click(App& app) {
    const QString path = PrayerRequestFile(app.program.DataFile);
    const int result = app.platform.shell.open(path, app.program.ProgramDir);
    if (result == kShellFileNotFound) {
        app.dialogs().msgBox(QStringLiteral("There are no Prayer Requests to view."));
    } else if (result <= 32) {
        // The journal is there, but the desktop did not open it.
        QString text = QStringLiteral("Could not open ") + QDir::toNativeSeparators(path) + u'.';
        if (result == kShellNoAssociation)
            text += NewLine + QStringLiteral("No program to show text files was found on this computer.");
        app.dialogs().msgBox(text, Buttons::OK, Icon::Exclamation);
    }
}

}  // namespace fennick

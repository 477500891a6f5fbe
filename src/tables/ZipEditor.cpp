#include "tables/ZipEditor.h"

#include "data/App.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "mainwindow/FieldRules.h"
#include "mainwindow/MainScreen.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Dialogs.h"
#include "tables/TeamAssignment.h"
#include "tables/ZipPrintout.h"
#include "tables/ZipTable.h"

#include <optional>

namespace fennick {

namespace {

const QString kWorkerCode = QStringLiteral("WorkerCode");
// The boxes that show the entry a question is about, with its place in the table.
const QStringList kEntryBoxes = {QStringLiteral("Zip"),
                                 QStringLiteral("City"),
                                 QStringLiteral("State"),
                                 kWorkerCode,
                                 QStringLiteral("NumberAddresses"),
                                 QStringLiteral("RCounter")};
const QString kTableFull = QStringLiteral("The zip code table is full: it holds 2000 zip codes.");

QByteArray& ShownEntry(App& app, const ZipForm& form) {
    return app.crusade.ZipTable[form.CurIdx];
}

// A box shows its field without the blanks that pad it.
QString Shown(const QByteArray& field) {
    return FromAnsi(RTrim(field));
}

// A box's text for its field of `width` characters: the stored field while the box still
// shows it, otherwise the typed text.
bool Unchanged(const QString& box, const QByteArray& stored, int width) {
    return Fixed(Ansi(box), width) == Fixed(stored, width);
}

// The team code of the box (one digit gets a leading "0"), or nullopt after the refusal.
// An entry being added has no stored code: its box is always checked.
std::optional<QString> CheckedTeam(App& app, ZipForm& form, const QByteArray& stored) {
    if (form.WorkerCode.size() == 1) form.WorkerCode.prepend(u'0');
    if (!stored.isEmpty() && Unchanged(form.WorkerCode, stored, 2)) return FromAnsi(stored);
    if (const auto team = ParseTeamCode(form.WorkerCode)) {
        form.WorkerCode = *team;
        return team;
    }
    app.dialogs().msgBox(TeamCodeRefusal(), Buttons::OK, Icon::Exclamation);
    form.WorkerCode = IsTeamCode(stored) ? FromAnsi(stored) : QStringLiteral("00");
    form.Focus = kWorkerCode;
    form.SelectTeamCode = true;
    return std::nullopt;
}

bool CheckedState(App& app, ZipForm& form, const QByteArray& stored) {
    if (form.State.size() <= 2) return true;
    app.dialogs().msgBox(QStringLiteral("The State must be two characters or fewer."), Buttons::OK, Icon::Exclamation);
    form.State = Shown(stored);
    form.Focus = QStringLiteral("State");
    return false;
}

// The entry the boxes make over `stored` (whose count it keeps), or nullopt after a
// refusal. A zip box still showing the stored zip keeps it as it stands.
std::optional<QByteArray> EntryFromForm(App& app, ZipForm& form, const QByteArray& stored,
                                        const QByteArray& countPart) {
    if (!CheckedState(app, form, ZipEntryState(stored))) return std::nullopt;
    const auto team = CheckedTeam(app, form, ZipEntryTeam(stored));
    if (!team) return std::nullopt;
    const QByteArray zip = ZipEntryZip(stored);
    const QString zipBox = Unchanged(form.Zip, zip, 10) && !stored.isEmpty() ? FromAnsi(zip) : form.Zip;
    return ZipEntryFromBoxes(zipBox, form.State, *team, form.City,
                             app.settings.CanadianZip && !Unchanged(form.Zip, zip, 10), countPart);
}

int CountOfZips(const App& app) {
    return ZipEntriesUsed(app.crusade);
}

// Adding ends; the entry being typed is dropped and entry CurIdx shown again.
void LeaveAdding(App& app, ZipForm& form) {
    form.Adding = false;
    ShowZipRecord(app, form);
}

// Keeps the shown entry before a move: false when a box was refused.
bool KeepShown(App& app, ZipForm& form) {
    if (form.Adding) {
        LeaveAdding(app, form);
        return true;
    }
    return SaveZipChanges(app, form);
}

void MoveTo(App& app, ZipForm& form, int index) {
    form.CurIdx = qint16(index);
    ShowZipRecord(app, form);
}

// The record buttons end alike: the team code selected.
void SelectTeamCode(ZipForm& form) {
    form.SelectTeamCode = true;
}

}  // namespace

const QStringList& EditZipControls() {
    static const QStringList names = {
        "Label2",
        "ZipCodeLbl",
        "StateLbl",
        "WCLbl",
        "CityLbl",
        "NumberAddressesLbl",
        "Zip",
        "State",
        "WorkerCode",
        "City",
        "NumberAddresses",
        "FirstRecordButton",
        "PreviousRecord",
        "RCounter",
        "NextRecord_Button",
        "LastRecordButton",
        "AddZip",
        "AddZipLbl",
        "Edit",
        "EditLbl",
        "Search",
        "SearchLbl",
        "AssignNames",
        "Label1",
        "PrintZips",
        "btnEditTeamNames",
        "Frame1",
        "SortOpt(0)",
        "SortOpt(1)",
        "SortOpt(2)",
        "CoseForm",
    };
    return names;
}

void mnuZipCodes_Click(App& app, MainScreen& form) {
    if (app.view.ReportCount != 0 && !SaveCurrentRecord(app, form)) return;
    if (CountOfZips(app) < 1) {
        app.dialogs().msgBox(QStringLiteral("There are no zipcodes in the file to edit."));
        return;
    }
    if (app.hooks.showZipEditor) app.hooks.showZipEditor();
}

void EditZip_Load(App& app, ZipForm& form) {
    form.SortOpt = 0;
    const ZipSortOption& byZip = kZipSortOptions[0];
    SortZipStrings(app.crusade, byZip.start, byZip.len, byZip.ascending);
    form.Adding = false;
    form.CurIdx = 1;
    ShowZipRecord(app, form);
    form.Label2 = QStringLiteral("Assign Teams to Zip Codes");
    if (!app.settings.CanadianZip) return;
    if (app.program.AskCanada) {
        const int answer =
            app.dialogs().msgBox(QStringLiteral("Fennick is set for Canadian Zipcodes.  Is this what you want?"),
                                 Buttons::YesNo, Icon::None, QStringLiteral("Select Canada or USA"));
        app.msg.MsgAnswer = QString::number(answer);
        app.settings.CanadianZip = answer == AnsYes;
        app.program.AskCanada = false;
    }
    if (app.settings.CanadianZip) form.Label2 += QStringLiteral(" (Canadian)");
}

void EditZip_Activate(App& app) {
    PlaySound(app, QStringLiteral("laser"));
}

void ShowZipRecord(App& app, ZipForm& form) {
    const int n = CountOfZips(app);
    form.CurIdx = qint16(std::clamp<int>(form.CurIdx, 1, std::max(n, 1)));
    const QByteArray entry = n > 0 ? ShownEntry(app, form) : QByteArray();
    form.OldEntry = entry;
    form.Zip = Shown(ZipEntryZip(entry));
    form.State = Shown(ZipEntryState(entry));
    form.WorkerCode = Shown(ZipEntryTeam(entry));
    form.City = Shown(ZipEntryCity(entry));
    form.NumberAddresses = Plain(ZipEntryCount(entry));
    UpdateZipCaption(app, form);
}

bool SaveZipChanges(App& app, ZipForm& form) {
    if (form.Adding || CountOfZips(app) < 1) return true;
    QByteArray& entry = ShownEntry(app, form);
    const auto updated = EntryFromForm(app, form, entry, ZipCountPart(entry));
    if (!updated) return false;
    entry = *updated;
    form.OldEntry = entry;
    return true;
}

void UpdateZipCaption(App& app, ZipForm& form) {
    const int n = CountOfZips(app);
    const QString& crusade = app.settings.CrusadeName;
    if (form.Adding) {
        form.RCounter = Str(qint64(n + 1)) + QStringLiteral(" of ") + Plain(n + 1);
        form.Caption = QStringLiteral("Adding Record Number ") + Plain(n + 1) + QStringLiteral(" to ") + crusade;
    } else {
        form.RCounter = Plain(form.CurIdx) + QStringLiteral(" of ") + Plain(n);
        form.Caption = form.RCounter + QString(7, u' ') + crusade;
    }
}

void FirstRecordButton_Click(App& app, ZipForm& form) {
    if (!KeepShown(app, form)) return;
    MoveTo(app, form, 1);
    SelectTeamCode(form);
}

void PreviousRecord_Click(App& app, ZipForm& form) {
    if (!KeepShown(app, form)) return;
    if (form.CurIdx > 1)
        MoveTo(app, form, form.CurIdx - 1);
    else
        PlaySound(app, QStringLiteral("clunk"));
    SelectTeamCode(form);
}

void NextRecord_Button_Click(App& app, ZipForm& form) {
    if (!KeepShown(app, form)) return;
    if (form.CurIdx < CountOfZips(app))
        MoveTo(app, form, form.CurIdx + 1);
    else
        PlaySound(app, QStringLiteral("clunk"));
    form.Focus = QStringLiteral("City");
    SelectTeamCode(form);
}

void LastRecordButton_Click(App& app, ZipForm& form) {
    if (!KeepShown(app, form)) return;
    MoveTo(app, form, CountOfZips(app));
    SelectTeamCode(form);
}

void Edit_Click(App& app, ZipForm& form) {
    LeaveAdding(app, form);
}

void AddZip_Click(App& app, ZipForm& form) {
    if (form.Adding) return;
    if (CountOfZips(app) >= kMaxZips) {
        app.dialogs().msgBox(kTableFull, Buttons::OK, Icon::Exclamation);
        return;
    }
    if (!SaveZipChanges(app, form)) return;
    form.Adding = true;
    form.Zip.clear();
    form.City.clear();
    form.State.clear();
    UpdateZipCaption(app, form);
    form.Focus = QStringLiteral("Zip");
}

void State_LostFocus(App& app, ZipForm& form) {
    if (!form.Adding || Trim(form.Zip).isEmpty()) return;
    Crusade& c = app.crusade;
    if (CountOfZips(app) >= kMaxZips) {
        app.dialogs().msgBox(kTableFull, Buttons::OK, Icon::Exclamation);
        LeaveAdding(app, form);
        return;
    }
    const auto entry = EntryFromForm(app, form, QByteArray(), Ansi(RightJust4(0)));
    if (!entry) return;
    c.ZipCount = qint16(CountOfZips(app) + 1);
    form.CurIdx = c.ZipCount;
    c.ZipTable[c.ZipCount] = *entry;
    form.OldEntry = *entry;

    const int answer =
        app.dialogs().msgBox(QStringLiteral("Add Another Record?"), Buttons::YesNoCancel, Icon::Question, QString());
    if (answer == AnsNo) {
        LeaveAdding(app, form);
        return;
    }
    form.Zip.clear();
    form.City.clear();
    form.State.clear();
    UpdateZipCaption(app, form);
    form.Focus = QStringLiteral("Zip");
}

void Search_Click(App& app, ZipForm& form) {
    if (form.Adding || !SaveZipChanges(app, form)) return;
    app.msg.MsgAnswer = app.dialogs().input(QStringLiteral("Enter the Name or Number to Search for"));
    const QByteArray wanted = Ansi(app.msg.MsgAnswer);
    if (wanted.isEmpty()) return;
    for (int i = FindZipText(app.crusade, wanted, 1); i > 0; i = FindZipText(app.crusade, wanted, i + 1)) {
        MoveTo(app, form, i);
        if (form.ShowNow) form.ShowNow();
        const int answer = app.dialogs().askAbout(kEntryBoxes, QStringLiteral("Correct Record?"), Buttons::YesNoCancel,
                                                  Icon::Question, QString());
        if (answer == AnsYes || answer == AnsCancel) return;
    }
    app.dialogs().msgBox(QStringLiteral("Record Not Found."));
}

void SortOpt_Click(App& app, ZipForm& form, int index) {
    if (index < 0 || index >= int(kZipSortOptions.size())) return;
    if (!KeepShown(app, form)) return;
    form.SortOpt = index;
    const ZipSortOption& o = kZipSortOptions[size_t(index)];
    SortZipStrings(app.crusade, o.start, o.len, o.ascending);
    MoveTo(app, form, 1);
}

namespace {

enum class TeamEdit { Unchanged, Changed, Refused };

// The team code box left: a code that differs from the shown entry's is written at once.
TeamEdit LeaveTeamCode(App& app, ZipForm& form) {
    if (form.WorkerCode.size() == 1) form.WorkerCode.prepend(u'0');
    if (CountOfZips(app) < 1) return TeamEdit::Unchanged;
    if (form.Adding) {
        // The code goes into the entry being typed; it is checked now all the same.
        return CheckedTeam(app, form, QByteArray()) ? TeamEdit::Unchanged : TeamEdit::Refused;
    }
    QByteArray& entry = ShownEntry(app, form);
    if (Unchanged(form.WorkerCode, ZipEntryTeam(entry), 2)) return TeamEdit::Unchanged;
    const auto updated = EntryFromForm(app, form, entry, ZipCountPart(entry));
    if (!updated) return TeamEdit::Refused;
    const bool teamChanged = ZipEntryTeam(*updated) != ZipEntryTeam(entry);
    entry = *updated;
    form.OldEntry = entry;
    return teamChanged ? TeamEdit::Changed : TeamEdit::Unchanged;
}

}  // namespace

bool WorkerCode_KeyDown(App& app, ZipForm& form, int keyCode, bool& totalsChanged) {
    switch (keyCode) {
        case kZipKeyReturn: {
            // The focus moves on to the city, and the box's leave rule runs as it goes.
            const TeamEdit edit = LeaveTeamCode(app, form);
            if (edit == TeamEdit::Changed) totalsChanged = true;
            if (edit != TeamEdit::Refused) form.Focus = QStringLiteral("City");
            return true;
        }
        case kZipKeyPageUp:
            PreviousRecord_Click(app, form);
            return true;
        case kZipKeyPageDown: {
            const TeamEdit edit = LeaveTeamCode(app, form);
            if (edit == TeamEdit::Changed) totalsChanged = true;
            if (edit == TeamEdit::Refused) return true;
            NextRecord_Button_Click(app, form);
            form.Focus = kWorkerCode;
            form.SelectTeamCode = true;
            return true;
        }
        default:
            return false;
    }
}

bool WorkerCode_LostFocus(App& app, ZipForm& form) {
    return LeaveTeamCode(app, form) == TeamEdit::Changed;
}

void PrintZips_Click(App& app, ZipForm& form) {
    if (!SaveZipChanges(app, form)) return;
    PrintZips(app);
}

void AssignNames_Click(App& app, ZipForm& form) {
    if (!SaveZipChanges(app, form)) return;
    AssignNames(app);
}

bool btnEditTeamNames_Click(App& app) {
    if (!app.hooks.editTeamNames) return false;
    app.hooks.editTeamNames();
    return true;
}

bool CoseForm_Click(App& app, ZipForm& form) {
    return SaveZipChanges(app, form);
}

}  // namespace fennick

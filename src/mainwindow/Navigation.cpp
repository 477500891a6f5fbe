#include "mainwindow/Navigation.h"

#include "attendance/VisitCodes.h"
#include "data/App.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/FixFiles.h"
#include "data/RecordDisplay.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "mainwindow/MainLifecycle.h"
#include "mainwindow/MainScreen.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Busy.h"
#include "platform/Dialogs.h"
#include "views/Indexes.h"

#include <QStringList>

#include <optional>

namespace fennick {

namespace {

const QString kSearchBox = QStringLiteral("SearchBox");
const QString kClunk = QStringLiteral("clunk");
const QString kSearchTitle = QStringLiteral("Searching for Last Name");
const QString kCorrectName = QStringLiteral("Is this the Correct Name?");

// Saves the record on the screen; an empty view has none.
bool SaveShown(App& app, MainScreen& form) {
    return app.view.ReportCount == 0 || SaveCurrentRecord(app, form);
}

void Move(App& app, MainScreen& form, int direction) {
    MoveToRecord(app, direction);
    app.mainWindow.EnteredRNum = form.text(QStringLiteral("RNum"));
}

bool InView(const App& app, int pos) {
    return pos >= 1 && pos <= app.view.ReportCount && pos < app.view.ReportIndex.size();
}

// Page Up and Page Down step through the view, except while a record opened from the
// preview is edited.
void PageKey(App& app, MainScreen& form, int keyCode) {
    if (keyCode != kKeyPageUp && keyCode != kKeyPageDown) return;
    if (form.isVisible(QStringLiteral("ReturnToPreviewMsg"))) {
        PlaySound(app, kClunk);
        return;
    }
    if (!SaveShown(app, form)) return;
    Move(app, form, keyCode == kKeyPageUp ? 1 : 2);
}

// The group key of the view kind: its value for the record shown, and where it lies in
// an entry (from character 5, length characters).
struct GroupKey {
    QByteArray value;
    int length = 0;
};

GroupKey GroupKeyOf(const App& app, const MainScreen& form) {
    const QString& kind = app.view.ReportKind;
    const QByteArray& entry = app.view.ReportIndex[app.view.CurIndexPos];
    if (kind == QLatin1String("zip")) return {Left(Ansi(form.text(QStringLiteral("Zip"))), 5), 5};
    if (kind == QLatin1String("religion")) return {Ansi(form.text(QStringLiteral("RelPref"))), 20};
    if (kind == QLatin1String("attend")) return {Mid(entry, 5, 3), 3};
    if (kind == QLatin1String("wcalpha")) return {Mid(entry, 5, 2), 2};
    if (kind == QLatin1String("interest") || kind == QLatin1String("alpha") || kind == QLatin1String("alphafilter"))
        return {Mid(entry, 5, 1), 1};
    return {};
}

// --- Search box -----------------------------------------------------------------------

enum class Outcome { Hit, Miss, Cancelled };

struct SearchResult {
    Outcome outcome = Outcome::Miss;
    int pos = 0;
};

// The first entry whose registration number is the typed number (its last four
// characters when longer).
SearchResult NumberSearch(const App& app, const QByteArray& typed) {
    const QByteArray key = typed.size() <= 4 ? typed : Right(typed, 4);
    for (int p = 1; InView(app, p); ++p)
        if (EqualsNoCase(Left(app.view.ReportIndex[p], 4), key)) return {Outcome::Hit, p};
    return {};
}

bool NameSearchAllowed(const QString& kind) {
    return kind == QLatin1String("alphafilter") || kind == QLatin1String("alpha") || kind == QLatin1String("baptism") ||
           kind == QLatin1String("marked");
}

// Entries whose name piece begins with the first three characters of the text are
// offered one by one when the last name begins with the whole text. The records are read
// as working copies: the record on the screen stays current.
SearchResult NameSearch(App& app, const QByteArray& upper) {
    const QByteArray key = Left(upper, 3);
    for (int p = 1; InView(app, p); ++p) {
        if (!EqualsNoCase(Mid(app.view.ReportIndex[p], 5, 3), key)) continue;
        AttendeeRecord rec;
        try {
            rec = ReadRecord(app, app.view.recordNumberAt(p));
        } catch (const VbError&) {
            continue;
        }
        if (Left(AnsiUpper(rec.LName.bytes()), int(upper.size())) != upper) continue;
        const QString question = FromAnsi(rec.RNum.bytes()) + QStringLiteral("   ") + FromAnsi(rec.FName.rtrimmed()) +
                                 QStringLiteral(" ") + FromAnsi(rec.LName.rtrimmed()) + NewLine +
                                 FromAnsi(rec.Address.rtrimmed()) + QStringLiteral(", ") +
                                 FromAnsi(rec.City.rtrimmed()) + NewLine + NewLine + kCorrectName;
        const int answer =
            app.dialogs().askAbout(FoundNameControls(), question, Buttons::YesNoCancel, Icon::Question, kSearchTitle);
        app.msg.MsgAnswer = QString::number(answer);
        if (answer == AnsYes) return {Outcome::Hit, p};
        if (answer == AnsCancel) return {Outcome::Cancelled, 0};
    }
    return {};
}

// The member entry as it is offered: "0012 Smith, John   (SDA)" (empty without a blank).
QString MemberLine(const QByteArray& entry) {
    const int blank = InStr(entry, " ");
    if (blank == 0) return QString();
    return FromAnsi(Left(entry, 4)) + QStringLiteral(" ") + FromAnsi(Mid(entry, 5, std::max(0, blank - 5))) +
           QStringLiteral(", ") + FromAnsi(Trim(Mid(entry, blank + 1))) + QStringLiteral("   (SDA)");
}

// The church member list, for a text the view does not hold: a number takes the first
// entry holding it, a name offers each entry holding it. Cancelled when the user said so.
Outcome MemberSearch(App& app, MainScreen& form, const QByteArray& typed, bool numberSearch) {
    const Crusade& c = app.crusade;
    for (int i = 1; i <= c.MemberCount && i < c.MemberNames.size(); ++i) {
        const QByteArray& entry = c.MemberNames[i];
        if (InStrNoCase(entry, typed) == 0) continue;
        if (!numberSearch) {
            const int answer = app.dialogs().askAbout(
                FoundNameControls(), MemberLine(entry) + NewLine + NewLine + kCorrectName, Buttons::YesNoCancel,
                Icon::Question, QStringLiteral("Searching SDA File for Last Name"));
            app.msg.MsgAnswer = QString::number(answer);
            if (answer == AnsCancel) return Outcome::Cancelled;
            if (answer == AnsNo) continue;
        }
        form.setText(QStringLiteral("EntInd"), QStringLiteral("SDA"));
        form.setText(QStringLiteral("SDAIdent"), FromAnsi(Left(entry, 4)) + QStringLiteral(" ") +
                                                     FromAnsi(Mid(entry, 20, 1)) + QStringLiteral(". ") +
                                                     FromAnsi(Mid(entry, 5, 15)));
        break;
    }
    return Outcome::Miss;
}

// The end of every search: the focus back to the search box (or the visit frame's
// update button), the visit entries taken over after a hit, the box emptied.
void EndSearch(MainScreen& form, bool hit) {
    const QString update = QStringLiteral("btnVisitUpdate");
    form.setFocus(form.isVisible(update) ? update : kSearchBox);
    if (hit && form.value(QStringLiteral("AutoUpdateVisits")) == 1) btnVisitUpdate_Click(form);
    form.setText(kSearchBox, QString());
}

void Search(App& app, MainScreen& form, const QString& text) {
    Messages& m = app.msg;
    form.setText(QStringLiteral("EntInd"), QString());
    form.setText(QStringLiteral("SDAIdent"), QString());
    m.MsgText = kCorrectName;
    m.MsgTitle = kSearchTitle;
    if (!SaveShown(app, form)) return;
    const QByteArray typed = Ansi(text);
    const QByteArray upper = AnsiUpper(typed);
    const bool numberSearch = IsNumeric(text);

    SearchResult result;
    if (numberSearch) {
        result = NumberSearch(app, typed);
    } else if (!NameSearchAllowed(app.view.ReportKind)) {
        app.dialogs().msgBox(QStringLiteral("You have selected the ") + app.view.ReportKind +
                                 QStringLiteral(" Filter.") + NewLine +
                                 QStringLiteral("You cannot search by name using this Filter."),
                             Buttons::OK, Icon::Exclamation, kSearchTitle);
        return;
    } else {
        result = NameSearch(app, upper);
    }

    if (result.outcome == Outcome::Miss) {
        form.setText(QStringLiteral("EntInd"), QStringLiteral("?"));
        form.setText(QStringLiteral("SDAIdent"), FromAnsi(upper) + QStringLiteral(" Not in file"));
        result.outcome = MemberSearch(app, form, typed, numberSearch);
    }
    if (result.outcome == Outcome::Hit) {
        app.mainWindow.PrevIndexPos = app.view.CurIndexPos;
        app.view.CurIndexPos = qint16(result.pos);
    }
    if (result.outcome != Outcome::Cancelled) {
        ShowCurrentRecord(app, form);
        app.mainWindow.NotesCautionPending = true;
        PlaySound(app, QStringLiteral("laser"));
    }
    EndSearch(form, result.outcome == Outcome::Hit);
}

// --- Global search --------------------------------------------------------------------

QByteArray GlobalSearchText(const AttendeeRecord& r) {
    const QByteArray sep = "--";
    return r.LName.bytes() + sep + r.FName.bytes() + sep + r.Address.bytes() + sep + r.City.bytes() + sep +
           r.State.bytes() + sep + r.Zip.bytes() + sep + r.Phone.bytes() + sep + r.RelPref.bytes() + sep +
           r.Email.bytes() + sep + r.Notes.bytes();
}

int AskGlobal(App& app, const AttendeeRecord& r, const QString& item) {
    const QString question = FromAnsi(r.RNum.bytes()) + QStringLiteral("   ") + FromAnsi(r.FName.rtrimmed()) +
                             QStringLiteral(" ") + FromAnsi(r.LName.rtrimmed()) + NewLine +
                             FromAnsi(r.Address.rtrimmed()) + QStringLiteral(", ") + FromAnsi(r.City.rtrimmed()) +
                             QStringLiteral(", ") + FromAnsi(r.Zip.rtrimmed()) + NewLine + NewLine +
                             QStringLiteral("Is this the correct name?");
    return app.dialogs().askAbout(FoundNameControls(), question, Buttons::YesNoCancel, Icon::Question,
                                  QStringLiteral("Global Search for: ") + item);
}

// The live record (other than record r) that holds the registration number of record r.
std::optional<qint32> LiveHolderOf(const QList<AttendeeRecord>& records, qint32 r) {
    const QByteArray number = records[r - 1].RNum.bytes();
    for (qint32 i = 1; i <= records.size(); ++i)
        if (i != r && !records[i - 1].isDeleted() && EqualsNoCase(records[i - 1].RNum.bytes(), number)) return i;
    return std::nullopt;
}

int PositionOfRecord(const App& app, qint32 r) {
    for (int p = 1; InView(app, p); ++p)
        if (app.view.recordNumberAt(p) == r) return p;
    return 0;
}

// The repair pass and the return to all names from the first; the success message only
// when the pass finished.
void RunRepair(App& app, MainScreen& form) {
    bool repaired = false;
    {
        BusyGuard busy(app.platform.busy);
        repaired = FixFiles(app);
        IndexAlpha(app);
        ShowCurrentRecord(app, form);
    }
    if (repaired) app.dialogs().msgBox(QStringLiteral("Files have been repaired Successfully."));
}

}  // namespace

bool RestoreDeleted(App& app, const QList<AttendeeRecord>& records, qint32 r) {
    const QString title = QStringLiteral("A Deleted Record Found");
    const AttendeeRecord& rec = records[r - 1];
    const QString question =
        FromAnsi(rec.RNum.bytes()) + QStringLiteral("  ") + FromAnsi(rec.FName.trimmed()) + QStringLiteral(" ") +
        FromAnsi(rec.LName.bytes()) + NewLine +
        QStringLiteral(
            "This Record had been deleted from the file.  You must restore it to the file in order to "
            "read it.  The Team Code will be changed to '00'.") +
        NewLine + NewLine + QStringLiteral("Do you want to restore it to the file?");
    if (app.dialogs().msgBox(question, Buttons::YesNo, Icon::Critical, title) != AnsYes) return false;

    if (const auto holder = LiveHolderOf(records, r)) {
        const AttendeeRecord& live = records[*holder - 1];
        app.dialogs().msgBox(QStringLiteral("Registration number ") + FromAnsi(rec.RNum.bytes()) +
                                 QStringLiteral(" now belongs to ") + FromAnsi(live.FName.trimmed()) +
                                 QStringLiteral(" ") + FromAnsi(live.LName.trimmed()) + QStringLiteral(" (record") +
                                 Str(qint64(*holder)) + QStringLiteral(").") + NewLine +
                                 QStringLiteral("This record cannot be restored while another name has its number."),
                             Buttons::OK, Icon::Exclamation, title);
        return false;
    }
    CurrentView& v = app.view;
    if (v.ReportCount >= kMaxViewEntries) return false;
    v.ReportIndex.resize(v.ReportCount + 1);
    v.ReportIndex.append(rec.RNum.bytes() + Left(rec.LName.bytes(), 3) + RecordNumber4(r));
    ++v.ReportCount;
    return true;
}

void ForgetViewPositions(App& app) {
    app.view.MarkedIndexPos = 0;
    app.mainWindow.PrevIndexPos = 1;
}

void ChgRec_MouseUp(App& app, MainScreen& form, int index, int button) {
    if (button != kRightButton) return;
    CurrentView& v = app.view;
    if (!InView(app, v.CurIndexPos)) {
        PlaySound(app, kClunk);
        return;
    }
    const GroupKey key = GroupKeyOf(app, form);
    const QByteArray value = Trim(key.value);
    const auto hasKey = [&](int p) { return Trim(Mid(v.ReportIndex[p], 5, key.length)) == value; };
    int p = v.CurIndexPos;
    if (index == 1)
        while (hasKey(p) && p >= 2) --p;
    else if (index == 2)
        while (hasKey(p) && p < v.ReportCount) ++p;
    // The previous and next buttons stay when still in the group: the view has no other
    // group in that direction. The first and last buttons stay where they are, which is
    // the end of the view for a record at either end; elsewhere the record is saved and
    // shown again.
    const bool stepping = index == 1 || index == 2;
    if (stepping ? hasKey(p) : p == 1 || p == v.ReportCount) {
        PlaySound(app, kClunk);
        return;
    }
    // The record on the screen is saved under its own entry before the position moves.
    if (!SaveShown(app, form)) return;
    v.CurIndexPos = qint16(p);
    ShowCurrentRecord(app, form);
}

void ChgRec_KeyDown(App& app, MainScreen& form, int keyCode) {
    PageKey(app, form, keyCode);
}

void btnMark_Click(App& app, MainScreen& form) {
    app.view.MarkedIndexPos = app.view.CurIndexPos;
    form.setText(QStringLiteral("FndNameBx"), form.text(QStringLiteral("LName")));
}

void btnGoTo_Click(App& app, MainScreen& form) {
    if (!SaveShown(app, form)) return;
    const bool marked = app.view.MarkedIndexPos != 0;
    const qint16 target = marked ? app.view.MarkedIndexPos : app.mainWindow.PrevIndexPos;
    if (!InView(app, target)) {
        // The view has shrunk since the position was remembered: it names nobody now.
        if (marked) {
            app.view.MarkedIndexPos = 0;
            form.setText(QStringLiteral("FndNameBx"), QString());
        } else {
            app.mainWindow.PrevIndexPos = app.view.CurIndexPos;
        }
        PlaySound(app, kClunk);
        return;
    }
    app.view.CurIndexPos = target;
    ShowCurrentRecord(app, form);
}

void SearchBox_KeyDown(App& app, MainScreen& form, int keyCode) {
    switch (keyCode) {
        case kKeyPageUp:
        case kKeyPageDown:
            PageKey(app, form, keyCode);
            break;
        case kKeyF2:
            if (!SaveShown(app, form)) return;
            if (app.hooks.copyCurrentRecord) app.hooks.copyCurrentRecord();
            break;
        case kKeyEquals:
            form.setText(kSearchBox, QString());
            mnuGlobal_Click(app, form);
            break;
        default:
            break;
    }
}

int SearchBox_KeyPress(App& app, MainScreen& form, int keyAscii) {
    if (keyAscii == kCharMinus) {
        // The minus sign steps to the next record; it is not kept in the box, where it
        // would become part of the next search.
        if (SaveShown(app, form)) Move(app, form, 2);
        return 0;
    }
    if (keyAscii != kCharEnter) return keyAscii;
    const QString text = form.text(kSearchBox);
    if (!text.isEmpty()) Search(app, form, text);
    return 0;
}

void mnuGlobal_Click(App& app, MainScreen& form) {
    if (!SaveShown(app, form)) return;
    const QString item = app.dialogs().input(
        QStringLiteral("You can search for all or part of the First Name- Last Name- Address- City- State- Zipcode- "
                       "Phone Number- and Religion."),
        QStringLiteral("Enter the Item to search for"));
    if (item.isEmpty()) return;
    const QByteArray needle = Ansi(item);

    const QList<AttendeeRecord> records = ReadAllRecords(app);
    qint32 chosen = 0;
    for (qint32 r = 1; r <= records.size() && chosen == 0; ++r) {
        const AttendeeRecord& rec = records[r - 1];
        if (InStrNoCase(GlobalSearchText(rec), needle) == 0) continue;
        const int answer = AskGlobal(app, rec, item);
        app.msg.MsgAnswer = QString::number(answer);
        if (answer == AnsCancel) return;
        if (answer != AnsYes) continue;
        if (rec.isDeleted() && !RestoreDeleted(app, records, r)) continue;
        chosen = r;
    }
    if (chosen == 0) {
        app.dialogs().msgBox(QStringLiteral("Search item: ") + item + QStringLiteral("- not found"));
        form.setText(kSearchBox, QString());
        return;
    }

    // The chosen record is found by its record number; a filtered view that does not
    // hold it gives way to all names.
    int pos = PositionOfRecord(app, chosen);
    if (pos == 0) {
        ShowAll_Click(app, form);
        pos = PositionOfRecord(app, chosen);
        if (pos == 0) return;
    }
    app.view.CurIndexPos = qint16(pos);
    if (!ShowCurrentRecord(app, form)) return;
    // A restored record is written with team "00" by the next save.
    if (records[chosen - 1].isDeleted()) form.setText(QStringLiteral("WorkerCode"), QStringLiteral("00"));
    form.setText(kSearchBox, QString());
}

void ShowAll_Click(App& app, MainScreen& form) {
    BusyGuard busy(app.platform.busy);
    for (const char* menu : {"mnuFile", "mnuEdit", "mnuRecords", "mnuTools", "mnuPreview", "mnuPrint", "mnuFilterS"})
        form.setEnabled(QLatin1String(menu), true);
    for (const char* control :
         {"SearchBox", "SearchBoxLabel", "btnDelete", "btnUndelete", "btnGlobal", "btnGoTo", "btnSDA", "btnMark",
          "btnAttend", "btnViewFile", "btnUndo", "btnExcel", "btnStats", "btnAddName", "FndNameBx"})
        form.setVisible(QLatin1String(control), true);
    const QString labels = QStringLiteral("lblShowButtonLabels");
    if (app.program.ShowButtonLabels != 0) {
        form.setVisible(labels, true);
        form.setText(labels, QStringLiteral("Global  New  SDA   Del/ Restore  Mark  GoTo      Name        Undo  "
                                            "Attend   PreV  Chart  Stats"));
    } else {
        form.setVisible(labels, false);
    }
    form.setVisible(QStringLiteral("ShowAll"), false);
    form.setText(QStringLiteral("FndNameBx"), QString());
    app.view.MarkedIndexPos = 0;
    ResetBackColor(form);
    form.setVisible(QStringLiteral("lblNextFieldBtn"), true);
    for (int i = 0; i <= 3; ++i) form.setEnabled(QStringLiteral("ChgRec(%1)").arg(i), true);

    if (!SaveShown(app, form)) return;
    if (app.view.ReportKind != QLatin1String("alpha")) {
        IndexAlpha(app);
        ForgetViewPositions(app);
    }
    ShowCurrentRecord(app, form);
    form.setText(QStringLiteral("EditLabel"), QStringLiteral("All Names Sorted Alphabeticaly"));
}

void mnuAllAlpha_Click(App& app, MainScreen& form) {
    ShowAll_Click(app, form);
}

void btnVisitUpdate_Click(MainScreen& form) {
    const QString interest = form.text(QStringLiteral("boxVisitInterest"));
    if (!interest.isEmpty()) form.setText(QStringLiteral("IntLevel"), interest);
    const QString visits = form.text(QStringLiteral("boxVisitVisits"));
    if (!visits.isEmpty()) {
        const QString box = QStringLiteral("Visits");
        form.setText(box, AppendVisitCode(form.text(box), visits));
    }
    if (form.isVisible(kSearchBox)) form.setFocus(kSearchBox);
}

void mnuFixFile_Click(App& app, MainScreen& form) {
    if (!SaveShown(app, form)) return;
    RunRepair(app, form);
}

void mnuClearIntFlag_Click(App& app, MainScreen& form) {
    // The record is saved before the flag word is set: the save uses ScratchVar itself.
    if (!SaveShown(app, form)) return;
    app.msg.ScratchVar = QStringLiteral("ClearFlag");
    RunRepair(app, form);
}

}  // namespace fennick

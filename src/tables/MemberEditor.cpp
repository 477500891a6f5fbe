#include "tables/MemberEditor.h"

#include "data/App.h"
#include "data/DataStore.h"
#include "data/FileUtil.h"
#include "data/SequentialText.h"
#include "data/SideFiles.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Dialogs.h"
#include "tables/MemberPrintout.h"

namespace fennick {

namespace {

const QString kRNum = QStringLiteral("RNum");
const QString kFName = QStringLiteral("FName");
const QString kLName = QStringLiteral("LName");
// The boxes that show the member a question is about, with its place in the list.
const QStringList kEntryBoxes = {kRNum, kLName, kFName, QStringLiteral("RCounter")};

bool SameCrusade(const App& app, const MemberForm& form) {
    return form.DataFile == app.program.DataFile;
}

QByteArray EntryFromBoxes(const MemberForm& form) {
    return MemberEntry(PadLeft(Ansi(form.RNum), 4), Ansi(form.LName), Ansi(form.FName));
}

// The entry being added that was never stored.
bool IsNewEntry(const App& app, const MemberForm& form) {
    return form.Adding && form.CurIdx == app.crusade.MemberCount && form.OldEntry.isEmpty();
}

// A new entry with no last name and neither a number nor a first name holds nothing worth
// keeping.
bool BoxesEmpty(const MemberForm& form) {
    return Trim(form.LName).isEmpty() && (Trim(form.RNum).isEmpty() || Trim(form.FName).isEmpty());
}

void EmptyBoxes(MemberForm& form) {
    form.RNum.clear();
    form.LName.clear();
    form.FName.clear();
}

// Drops the last entry of the list.
void DropLast(App& app, MemberForm& form) {
    Crusade& c = app.crusade;
    c.MemberNames.resize(c.MemberCount);
    c.MemberCount = qint16(c.MemberCount - 1);
    form.CurIdx = qint16(qMax(1, int(c.MemberCount)));
    form.OldEntry.clear();
}

// A new slot at the end of the list, shown empty.
void StartNewEntry(App& app, MemberForm& form) {
    Crusade& c = app.crusade;
    c.MemberCount = qint16(c.MemberCount + 1);
    c.MemberNames.resize(c.MemberCount + 1);
    c.MemberNames[c.MemberCount].clear();
    form.CurIdx = c.MemberCount;
    form.OldEntry.clear();
    EmptyBoxes(form);
    UpdateMemCaption(app, form);
    form.Focus = kRNum;
}

void StartAdding(App& app, MemberForm& form) {
    form.MemTitleBox = QStringLiteral("Add SDA Members");
    form.Adding = true;
    StartNewEntry(app, form);
}

void EndAdding(MemberForm& form) {
    form.Adding = false;
    form.MemTitleBox = QStringLiteral("Edit SDA Members");
}

// Keeps what the boxes show before another entry is shown: an empty new entry goes, any
// other is stored; adding ends.
void KeepShown(App& app, MemberForm& form) {
    if (IsNewEntry(app, form) && BoxesEmpty(form))
        DropLast(app, form);
    else
        SaveMemChanges(app, form);
    if (form.Adding) EndAdding(form);
}

void ShowEntry(App& app, MemberForm& form, int index) {
    form.CurIdx = qint16(index);
    ShowMemRecord(app, form);
}

void Move(App& app, MemberForm& form, int step) {
    KeepShown(app, form);
    const int n = app.crusade.MemberCount;
    const int to = form.CurIdx + step;
    if (to < 1 || to > n) {
        PlaySound(app, QStringLiteral("clunk"));
        ShowEntry(app, form, qBound(1, int(form.CurIdx), qMax(1, n)));
        return;
    }
    ShowEntry(app, form, to);
}

}  // namespace

void WriteMemberFile(App& app) {
    const Crusade& c = app.crusade;
    if (c.MemberFileUnreadable) return;
    SequentialTextWriter out;
    for (int i = 1; i <= c.MemberCount && i < c.MemberNames.size(); ++i)
        if (!c.MemberNames[i].isEmpty()) WriteValue(out, c.MemberNames[i]);
    const GuardedFiles::OwnSave own(app, {OwnFile::MemberFile});
    WriteWholeFile(app.files(), SideFileName(app.program.DataFile, QStringLiteral("mem")), out.data());
}

void mnuMembers_Click(App& app, MainScreen& form) {
    if (app.view.ReportCount != 0 && !SaveCurrentRecord(app, form)) return;
    if (app.hooks.showMembers) app.hooks.showMembers();
}

void Members_Load(App& app, MemberForm& form) {
    form.DataFile = app.program.DataFile;
    EndAdding(form);
    form.CurIdx = 1;
    if (app.crusade.MemberCount == 0) {
        StartAdding(app, form);
        return;
    }
    ShowMemRecord(app, form);
}

void Members_Activate(App& app) {
    PlaySound(app, QStringLiteral("laser"));
}

void ShowMemRecord(App& app, MemberForm& form) {
    const Crusade& c = app.crusade;
    if (c.MemberCount != 0 && form.CurIdx >= 1 && form.CurIdx <= c.MemberCount) {
        const QByteArray& e = c.MemberNames[form.CurIdx];
        form.RNum = FromAnsi(Trim(Mid(e, 1, 4)));
        form.LName = FromAnsi(Trim(Mid(e, 5, 15)));
        form.FName = FromAnsi(Trim(Mid(e, 20, 15)));
        form.OldEntry = e;
    }
    UpdateMemCaption(app, form);
}

void SaveMemChanges(App& app, MemberForm& form) {
    Crusade& c = app.crusade;
    if (!SameCrusade(app, form) || form.CurIdx < 1 || form.CurIdx > c.MemberCount) return;
    if (IsNewEntry(app, form) && BoxesEmpty(form)) return;
    const QByteArray entry = EntryFromBoxes(form);
    if (entry == form.OldEntry) return;
    c.MemberNames[form.CurIdx] = entry;
    form.OldEntry = entry;
    WriteMemberFile(app);
}

void UpdateMemCaption(App& app, MemberForm& form) {
    const int n = app.crusade.MemberCount;
    if (form.Adding) {
        form.RCounter = QString::number(n) + QStringLiteral(" of ") + QString::number(n);
        form.Caption = QStringLiteral("Adding Record Number ") + QString::number(n) + QStringLiteral(" to ") +
                       app.settings.CrusadeName;
    } else {
        form.RCounter = Str(qint64(form.CurIdx)) + QStringLiteral(" of ") + Str(qint64(n));
        form.Caption = form.RCounter + QString(7, u' ') + app.settings.CrusadeName;
    }
}

void FirstRecordButton_Click(App& app, MemberForm& form) {
    KeepShown(app, form);
    ShowEntry(app, form, 1);
}

void PreviousRecord_Click(App& app, MemberForm& form) {
    Move(app, form, -1);
}

void NextRecord_Button_Click(App& app, MemberForm& form) {
    Move(app, form, +1);
}

void LastRecordButton_Click(App& app, MemberForm& form) {
    KeepShown(app, form);
    ShowEntry(app, form, qMax(1, int(app.crusade.MemberCount)));
}

void AddMem_Click(App& app, MemberForm& form) {
    if (IsNewEntry(app, form) && BoxesEmpty(form)) {
        // Already on an empty new entry.
        form.Focus = kRNum;
        return;
    }
    SaveMemChanges(app, form);
    StartAdding(app, form);
}

void Edit_Click(App& app, MemberForm& form) {
    KeepShown(app, form);
    ShowEntry(app, form, qMax(1, qMin(int(form.CurIdx), int(app.crusade.MemberCount))));
}

void MemberBox_Enter(MemberForm& form, const QString& box) {
    if (box == kRNum)
        form.Focus = kFName;
    else if (box == kFName)
        form.Focus = kLName;
    else if (box == kLName)
        form.Focus = kRNum;
}

void RNum_LostFocus(App& app, MemberForm& form) {
    if (!Trim(form.RNum).isEmpty() || !SameCrusade(app, form)) return;
    form.RNum = FromAnsi(NextRegNumber(app));
}

void FName_LostFocus(App& app, MemberForm& form) {
    ProperFirst(app, form.FName);
}

void LName_LostFocus(App& app, MemberForm& form) {
    ProperFirst(app, form.LName);
    if (!form.Adding) return;
    SaveMemChanges(app, form);
    const int answer = app.dialogs().msgBox(QStringLiteral("Add Another Record?"), Buttons::YesNo, Icon::Question);
    if (answer != AnsNo) {
        StartNewEntry(app, form);
        return;
    }
    EndAdding(form);
    UpdateMemCaption(app, form);
}

void Search_Click(App& app, MemberForm& form) {
    const QString answer = app.dialogs().input(QStringLiteral("Enter the Name or Number to Search for"));
    if (answer.isEmpty()) return;
    KeepShown(app, form);
    const Crusade& c = app.crusade;
    const QByteArray wanted = Ansi(answer);
    for (int i = 1; i <= c.MemberCount; ++i) {
        if (InStrNoCase(c.MemberNames[i], wanted) == 0) continue;
        ShowEntry(app, form, i);
        if (form.ShowNow) form.ShowNow();
        const int reply = app.dialogs().askAbout(kEntryBoxes, QStringLiteral("Correct Record?"), Buttons::YesNoCancel,
                                                 Icon::Question);
        if (reply == AnsYes || reply == AnsCancel) return;
    }
    app.dialogs().msgBox(QStringLiteral("Record Not Found."));
}

void btnDeleteSDA_Click(App& app, MemberForm& form) {
    Crusade& c = app.crusade;
    if (c.MemberCount <= 0 || !SameCrusade(app, form)) return;
    const QString text = QStringLiteral("This Will Remove the information for:") + NewLine + QString(9, u' ') +
                         form.RNum + QStringLiteral("  ") + form.FName + u' ' + form.LName + NewLine +
                         QStringLiteral("from the SDA Member File.") + NewLine +
                         QStringLiteral("Is this what you want to do?") + NewLine;
    if (app.dialogs().askAbout(kEntryBoxes, text, Buttons::YesNo, Icon::Critical, QStringLiteral("Remove SDA Names")) !=
        AnsYes) {
        form.Focus = QStringLiteral("Command4");
        return;
    }
    const int at = qBound(1, int(form.CurIdx), int(c.MemberCount));
    c.MemberNames.removeAt(at);
    c.MemberCount = qint16(c.MemberCount - 1);
    c.MemberNames.resize(c.MemberCount + 1);
    if (form.Adding) EndAdding(form);
    WriteMemberFile(app);
    if (c.MemberCount == 0) {
        StartAdding(app, form);
        return;
    }
    ShowEntry(app, form, qMin(at, int(c.MemberCount)));
    form.Focus = kRNum;
}

void btnPrintMem_Click(App& app, MemberForm& form) {
    KeepShown(app, form);
    // The sort moves the entries: the one shown is found again, even when printing failed,
    // so that the boxes are never stored into another member's place.
    const QByteArray shown = form.OldEntry;
    auto showAgain = [&app, &form, &shown] {
        const Crusade& c = app.crusade;
        if (c.MemberCount == 0) {
            StartAdding(app, form);
            return;
        }
        const int at = int(c.MemberNames.indexOf(shown, 1));
        ShowEntry(app, form, at >= 1 && at <= c.MemberCount ? at : qMin(int(form.CurIdx), int(c.MemberCount)));
    };
    try {
        PrintMembers(app);
    } catch (...) {
        showAgain();
        throw;
    }
    showAgain();
}

void Command4_Click(App& app, MemberForm& form) {
    if (IsNewEntry(app, form) && BoxesEmpty(form)) {
        DropLast(app, form);
        return;
    }
    SaveMemChanges(app, form);
}

}  // namespace fennick

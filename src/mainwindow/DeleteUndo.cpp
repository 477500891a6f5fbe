#include "mainwindow/DeleteUndo.h"

#include "data/App.h"
#include "data/DataStore.h"
#include "data/RecordDisplay.h"
#include "data/SideFiles.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "mainwindow/AddMode.h"
#include "mainwindow/MainLifecycle.h"
#include "mainwindow/MainScreen.h"
#include "mainwindow/Navigation.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Dialogs.h"
#include "views/Indexes.h"

#include <algorithm>
#include <optional>

namespace fennick {

namespace {

const QString kWorkerCode = QStringLiteral("WorkerCode");
const QString kSearchBox = QStringLiteral("SearchBox");
const QString kCarbrake = QStringLiteral("carbrake");
const QString kUndeleteKind = QStringLiteral("undelete");
const QString kRestoreTitle = QStringLiteral("Delete Record ");
const QString kDeleted = QStringLiteral("##");
const QString kNoTeam = QStringLiteral("00");
const QString kRemoveQuestion = QStringLiteral("Are you sure you want to remove this record from the INTEREST file?");

// Controls of the full window that the deleted records' view takes away.
const char* const kUndeleteMenus[] = {"mnuEdit",    "mnuRecords", "mnuFilterS", "mnuFile",
                                      "mnuPreview", "mnuTools",   "mnuPrint"};
const char* const kUndeleteHidden[] = {"btnGlobal", "btnSDA",    "btnDelete",   "btnMark",    "btnGoTo",  "btnUndo",
                                       "btnExcel",  "btnAttend", "btnViewFile", "btnAddName", "btnStats", "FndNameBx"};

// A new name of add mode on screen has no record to delete, and no search box or preview
// to return to: the delete commands do nothing.
bool NewEntryShown(const App& app) {
    return app.mainWindow.NewEntryOnScreen;
}

// A Yes/No question with the stop icon under MsgTitle; No leaves 7 in MsgAnswer.
bool Confirmed(App& app, const QString& question) {
    if (app.dialogs().askAbout(PersonBoxes(), question, Buttons::YesNo, Icon::Critical, app.msg.MsgTitle) == AnsYes)
        return true;
    app.msg.MsgAnswer = QString::number(AnsNo);
    return false;
}

// The member entry of the person on the screen.
QByteArray MemberOnScreen(const MainScreen& form) {
    return MemberEntry(Ansi(form.text(QStringLiteral("RNum"))), Ansi(form.text(QStringLiteral("LName"))),
                       Ansi(form.text(QStringLiteral("FName"))));
}

// The entry joins the church member list, and the list file is written.
void AddMember(App& app, const QByteArray& entry) {
    Crusade& c = app.crusade;
    c.MemberCount += 1;
    c.MemberNames.resize(c.MemberCount + 1);
    c.MemberNames[c.MemberCount] = entry;
    SaveMembers(app);
}

// The deleted record's entry leaves the view: the entry that names it, which a view
// rebuilt since the record was shown holds elsewhere. The next name takes its place (the
// new last name when it was the last).
void DropFromView(App& app) {
    CurrentView& v = app.view;
    const int pos = EntryOfCurrentRecord(app);
    if (pos == 0) return;
    v.ReportIndex.removeAt(pos);
    v.ReportCount -= 1;
    v.CurIndexPos = qint16(std::min<int>(pos, v.ReportCount));
}

// Puts the team code on the screen and saves the record; when the save is refused the
// box gets its text back and false is returned.
bool SaveWithTeam(App& app, MainScreen& form, const QString& team) {
    const QString before = form.text(kWorkerCode);
    form.setText(kWorkerCode, team);
    if (SaveCurrentRecord(app, form)) return true;
    form.setText(kWorkerCode, before);
    return false;
}

// After a delete: back to the search box, or, for a record opened from the report
// window's preview (the search box is then hidden), back to that preview.
void FocusOrPreview(App& app, MainScreen& form) {
    if (NewEntryShown(app)) return;
    if (form.isVisible(kSearchBox)) {
        form.setFocus(kSearchBox);
        return;
    }
    if (!app.hooks.showPrintReports) return;  // there is no preview to return to
    app.hooks.showPrintReports();
    form.setWindowVisible(false);
}

// A restored record must not share its registration number with a live record. Returns
// false, after a message naming the holder, when one does.
bool NumberFreeToRestore(App& app, const MainScreen& form) {
    const QString number = form.text(QStringLiteral("RNum"));
    if (number.isEmpty()) return true;  // the save issues a new number
    const QByteArray key = Fixed(Ansi(number), 4);
    const QList<AttendeeRecord> records = ReadAllRecords(app);
    for (qint32 r = 1; r <= records.size(); ++r) {
        const AttendeeRecord& rec = records[r - 1];
        if (r == app.crusade.CurRecNo || rec.isDeleted() || !EqualsNoCase(rec.RNum.bytes(), key)) continue;
        app.dialogs().msgBox(QStringLiteral("Registration number ") + number + QStringLiteral(" now belongs to ") +
                                 FromAnsi(rec.FName.trimmed()) + QStringLiteral(" ") + FromAnsi(rec.LName.trimmed()) +
                                 QStringLiteral(" (record") + Str(qint64(r)) + QStringLiteral(").") + NewLine +
                                 QStringLiteral("This record cannot be restored while another name has its number."),
                             Buttons::OK, Icon::Exclamation, kRestoreTitle);
        return false;
    }
    return true;
}

}  // namespace

void mnuDeleteRecord_Click(App& app, MainScreen& form) {
    Messages& msg = app.msg;
    if (NewEntryShown(app)) return;
    if (app.hooks.attendanceFormLoaded && app.hooks.attendanceFormLoaded()) {
        app.dialogs().msgBox(QStringLiteral("You cannot delete a record while the Attendance form is open.  ") +
                             NewLine +
                             QStringLiteral("Click OK, then Click the 'Return to Attend' button and close the "
                                            "Attendance form in order to delete this record."));
        return;
    }
    if (app.view.ReportCount <= 1 || app.crusade.RecCount <= 1) {
        app.dialogs().msgBox(QStringLiteral("You Cannot Delete the Last Record from the File."));
        return;
    }
    PlaySound(app, kCarbrake);
    const bool toMembers = msg.MsgTitle == kRemoveSdaTitle;
    msg.MsgText = kRemoveQuestion;
    if (toMembers)
        msg.MsgText = Left(msg.MsgText, 66) + NewLine + QStringLiteral("and add it to the SDA MEMBER File?");
    else
        msg.MsgTitle = QStringLiteral("Delete Record");
    if (!Confirmed(app, msg.MsgText)) return;
    if (!toMembers &&
        !Confirmed(app, QStringLiteral("This is your last chance to back out.") + NewLine + kRemoveQuestion))
        return;

    // A change whose writing was refused goes with a deleted record: it is deleted as the
    // file holds it, so that neither the deletion, itself refused while the crusade's
    // folder is gone, nor the record brought back later carries that change. A move to the
    // member list moves the person the question named, as the screen shows them.
    Crusade& c = app.crusade;
    if (!toMembers && c.file.unwritten().contains(c.CurRecNo)) PutBackFileCopy(app, form);
    // The person joins the member list only once the record is deleted: a refused save
    // adds nobody, and a move refused while the crusade's folder is gone leaves the record
    // as the program held it, with no deletion kept.
    const std::optional<QByteArray> kept = c.file.kept(c.CurRecNo);
    const AttendeeRecord shown = c.CurRecord;
    const QString team = form.text(kWorkerCode);
    try {
        if (!SaveWithTeam(app, form, kDeleted)) return;
    } catch (...) {
        if (toMembers) {
            DiscardChanges(app, c.CurRecNo, kept);
            c.CurRecord = shown;
            form.setText(kWorkerCode, team);
        }
        throw;
    }
    const QByteArray member = toMembers ? MemberOnScreen(form) : QByteArray();
    DropFromView(app);
    ShowCurrentRecord(app, form);
    if (toMembers) AddMember(app, member);
}

void btnDelete_Click(App& app, MainScreen& form) {
    mnuDeleteRecord_Click(app, form);
    FocusOrPreview(app, form);
}

void btnSDA_Click(App& app, MainScreen& form) {
    Messages& msg = app.msg;
    if (msg.MsgAnswer == kRightClick) {
        msg.MsgAnswer.clear();
        return;
    }
    if (NewEntryShown(app)) return;
    msg.MsgText = QStringLiteral("This Will Remove the information for,") + NewLine + QString(9, u' ') +
                  form.text(QStringLiteral("RNum")) + QStringLiteral("  ") + form.text(QStringLiteral("FName")) +
                  QStringLiteral(" ") + form.text(QStringLiteral("LName")) + NewLine +
                  QStringLiteral("and add the name and number to the SDA members File.") + NewLine +
                  QStringLiteral("All other information will be lost.") + NewLine + NewLine +
                  QStringLiteral("  Are you sure you want to Remove this Record?");
    msg.MsgTitle = kRemoveSdaTitle;
    const int answer = app.dialogs().askAbout(PersonBoxes(), msg.MsgText, Buttons::YesNo, Icon::Critical, msg.MsgTitle);
    msg.MsgAnswer = QString::number(answer);
    if (answer == AnsYes) mnuDeleteRecord_Click(app, form);
    msg.MsgTitle.clear();
    FocusOrPreview(app, form);
}

void munUndeleteRec_Click(App& app, MainScreen& form) {
    const int answer =
        app.dialogs().msgBox(QStringLiteral("Only those who have been Deleted are shown here.") + NewLine +
                                 QStringLiteral("Select the 'Show all Names' button to return to the main file."),
                             Buttons::OKCancel);
    if (answer == AnsCancel) return;
    if (!SaveCurrentRecord(app, form)) return;
    IndexDeleted(app);
    ForgetViewPositions(app);
    if (app.view.ReportCount == 0) {
        app.dialogs().msgBox(QStringLiteral("There are no deleted records to display"));
        mnuAllAlpha_Click(app, form);
        return;
    }
    ShowCurrentRecord(app, form);

    for (const char* menu : kUndeleteMenus) form.setEnabled(QLatin1String(menu), false);
    for (const char* control : kUndeleteHidden) form.setVisible(QLatin1String(control), false);
    form.setVisible(QStringLiteral("btnUndelete"), true);
    form.setVisible(QStringLiteral("ShowAll"), true);
    const QString labels = QStringLiteral("lblShowButtonLabels");
    form.setVisible(labels, true);
    form.setText(labels, QString(24, u' ') + QStringLiteral("Click to Restore displayed name to the file.") +
                             QString(58, u' ') + QStringLiteral("Return to Edit."));
    form.setText(QStringLiteral("EditLabel"), QStringLiteral("Undelete Names"));
}

void btnUndelete_Click(App& app, MainScreen& form) {
    Messages& msg = app.msg;
    if (app.view.ReportKind != kUndeleteKind) {
        munUndeleteRec_Click(app, form);
        return;
    }
    msg.MsgText = QStringLiteral("Are you sure you want to restore this record to the file?");
    if (app.dialogs().askAbout(PersonBoxes(), msg.MsgText, Buttons::YesNo, Icon::Critical, kRestoreTitle) != AnsYes)
        return;
    if (!NumberFreeToRestore(app, form)) return;
    // The record is written before the success is reported, whichever entry it is.
    if (!SaveWithTeam(app, form, kNoTeam)) return;
    const AttendeeRecord& restored = app.crusade.CurRecord;
    msg.MsgText = QStringLiteral("The Record for ") + FromAnsi(restored.FName.trimmed()) + QStringLiteral(" ") +
                  FromAnsi(restored.LName.trimmed()) +
                  QStringLiteral(" has been successfully restored to the INTEREST file.");
    if (app.view.CurIndexPos < app.view.ReportCount) {
        app.view.CurIndexPos += 1;
        ShowCurrentRecord(app, form);
    }
    app.dialogs().msgBox(msg.MsgText);
}

void mnuUndo_Click(App& app, MainScreen& form) {
    Messages& msg = app.msg;
    msg.MsgTitle = QStringLiteral("Undo Record Changes");
    PlaySound(app, kCarbrake);
    msg.MsgText = QStringLiteral("Undo will Erase all of the changes you have made ") +
                  QStringLiteral("to this record.") + NewLine + NewLine +
                  QStringLiteral("Are you sure this is what you want?");
    if (app.dialogs().askAbout(PersonBoxes(), msg.MsgText, Buttons::YesNo, Icon::Critical, msg.MsgTitle) != AnsYes)
        return;
    // A new name of add mode has no copy in the file: its entry starts again, empty.
    if (app.mainWindow.NewEntryOnScreen) {
        AddNewRecord(app, form);
        return;
    }
    PutBackFileCopy(app, form);
}

void btnUndo_Click(App& app, MainScreen& form) {
    mnuUndo_Click(app, form);
}

}  // namespace fennick

#include "mainwindow/SaveRecord.h"

#include "data/App.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/RecordDisplay.h"
#include "data/Text.h"
#include "mainwindow/FieldRules.h"
#include "mainwindow/MainScreen.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "views/Indexes.h"
#include "views/MailViews.h"
#include "views/VisitationViews.h"

#include <cmath>

namespace fennick {

namespace {


template <int N>
void CopyText(const RecordScreen& s, const char* name, FixedText<N>& field) {
    const QString control = QLatin1String(name);
    if (s.has(control)) field = Ansi(s.text(control));
}

void CopyValue(const RecordScreen& s, const char* name, qint16& field) {
    const QString control = QLatin1String(name);
    if (s.has(control)) field = qint16(s.value(control));
}

bool IsMeetingNumber(const QString& text) {
    if (!IsNumeric(text)) return false;
    const double v = Val(text);
    return v >= 0 && v <= kMeetings && v == std::floor(v);
}

// The number and team boxes refuse other texts when they are left, but a text can reach
// the save without that (a key that saves at once, a box filled by the program): it is
// refused here with the box's message, and the focus goes back to the box as the box's
// own rule puts it. The team box may hold the deleted mark "##".
bool CodesAccepted(App& app, MainScreen& s) {
    const QString rnum = QStringLiteral("RNum");
    if (s.has(rnum) && ParseRegNumber(s.text(rnum)) != s.text(rnum)) {
        app.dialogs().msgBox(RegNumberRefusal(s.text(rnum)));
        s.focusRefusedBox(rnum);
        return false;
    }
    const QString team = QStringLiteral("WorkerCode");
    if (s.has(team) && s.text(team) != QLatin1String("##") && ParseTeamCode(s.text(team)) != s.text(team)) {
        app.dialogs().msgBox(TeamCodeRefusal());
        s.focusRefusedBox(team);
        return false;
    }
    return true;
}

void CopyControls(const RecordScreen& s, AttendeeRecord& r) {
    CopyText(s, "RNum", r.RNum);
    CopyText(s, "FName", r.FName);
    CopyText(s, "LName", r.LName);
    CopyText(s, "Address", r.Address);
    CopyText(s, "City", r.City);
    CopyText(s, "State", r.State);
    CopyText(s, "Zip", r.Zip);
    CopyText(s, "Phone", r.Phone);
    CopyText(s, "Age", r.Age);
    CopyText(s, "Advertising", r.Advertising);
    CopyText(s, "RelPref", r.RelPref);
    CopyText(s, "IntLevel", r.IntLevel);
    CopyText(s, "Visits", r.Visits);
    CopyText(s, "WorkerCode", r.WorkerCode);
    CopyText(s, "Attend", r.Attend);
    CopyText(s, "Attendance", r.Attendance);
    CopyText(s, "Notes", r.Notes);
    if (s.has(QStringLiteral("Last"))) r.Last = ToInt16(Val(s.text(QStringLiteral("Last"))));
    CopyText(s, "Decisions", r.Decisions);
    CopyText(s, "BaptDate", r.BaptDate);
    CopyValue(s, "Class", r.Class);
    CopyValue(s, "MailList", r.MailList);
    CopyText(s, "MapCode", r.MapCode);
    CopyText(s, "BirthDate", r.BirthDate);
    // A ticked box keeps the record's own mark: Mark all Displayed Records marks with -1,
    // the box with 1, and both mean marked, so a record shown after Mark all is no change.
    if (!(s.has(QStringLiteral("chkMarkToVisit")) && s.value(QStringLiteral("chkMarkToVisit")) != 0 &&
          r.MarkToVisit != 0))
        CopyValue(s, "chkMarkToVisit", r.MarkToVisit);
    CopyText(s, "txtEmail", r.Email);
}

// BaptDate as month/day with two digits each: 1/5/99 gives 01/05/99; 1/15/99 gives
// "01/15/99 ". A record without a date gives blanks. The position of the second "/"
// is left in ScratchVar.
QByteArray DatePiece(App& app, const AttendeeRecord& r) {
    QByteArray d = r.BaptDate.bytes();
    if (!HasBaptismDate(d)) {
        app.msg.ScratchVar = QStringLiteral("0");
        return QByteArray(d.size(), ' ');
    }
    if (InStr(d, "/") == 2) d.prepend('0');
    const int second = InStr(d, "/", 4);
    app.msg.ScratchVar = Plain(second);
    if (second == 5) d = Left(d, 3) + '0' + Mid(d, 4, 4);
    return d;
}

// The entry of CurRecord in the current view as a save rebuilds it from the entry before:
// the registration number, a sort part by the view's kind and the record number. For most
// kinds it is the builder's key; for the others a shorter layout that keeps the first and
// last four characters every reader relies on.
QByteArray SavedEntry(App& app, const QByteArray& before) {
    const AttendeeRecord& r = app.crusade.CurRecord;
    const auto [kind, number] = SplitViewKind(app.view.ReportKind);
    if (!number.isNull()) app.msg.ScratchVar = number;

    QByteArray part;
    if (kind == QLatin1String("alpha")) {
        part = LName5(r) + FName2(r);
    } else if (kind == QLatin1String("attend")) {
        part = Latest3(r) + LNAME(r) + FName3(r);
    } else if (kind == QLatin1String("date")) {
        part = DatePiece(app, r) + LNAME(r) + FNAME(r);
    } else if (kind == QLatin1String("interest")) {
        part = Level1(r) + LNAME(r) + FNAME3(r);
    } else if (kind == QLatin1String("map")) {
        part = Latest3(r) + Team2(r) + Map8(r) + Latest3(r) + LNAME(r) + FName3(r);
    } else if (kind == QLatin1String("religion")) {
        part = Rel20(r) + LNAME(r) + FName3(r);
    } else if (kind == QLatin1String("wcalpha")) {
        part = Team2(r) + LNAME(r) + FNAME(r);
    } else if (kind == QLatin1String("wcattend")) {
        part = Team2(r) + Latest3(r) + LNAME(r) + FName3(r);
    } else if (kind == QLatin1String("zip")) {
        part = Zip10(r) + LNAME(r) + FNAME(r);
    } else if (kind == QLatin1String("SelWCAttend")) {
        part = Team2(r) + LNAME(r) + FName3(r);
    } else if (kind == QLatin1String("BaptClass") || kind == QLatin1String("InterviewRemain")) {
        // The lines of the interview lists show the appointment the entry holds.
        part = Appt4(r) + LNAME(r) + FNAME3(r);
    } else if (kind == QLatin1String("CleanMailList")) {
        // The household the builder numbered it into: its clicks and its editor find it so.
        part = CleanUpSortPart(r, HouseholdKeyOf(before));
    } else {
        part = LNAME(r) + FNAME3(r);
    }
    if (kind == QLatin1String("attend") || kind == QLatin1String("map") || kind == QLatin1String("wcattend"))
        app.msg.ScratchVar = FromAnsi(Latest3(r));
    return r.RNum.bytes() + part + RecordNumber4(app.crusade.CurRecNo);
}

}  // namespace

int EntryOfCurrentRecord(const App& app) {
    const CurrentView& v = app.view;
    const qint32 n = app.crusade.CurRecNo;
    auto names = [&](int i) { return v.ReportIndex[i] == kNotSavedYet || v.recordNumberAt(i) == n; };
    if (names(v.CurIndexPos)) return v.CurIndexPos;
    for (int i = 1; i <= v.ReportCount && i < v.ReportIndex.size(); ++i)
        if (v.recordNumberAt(i) == n) return i;
    return 0;
}

bool ScreenToRecord(App& app, MainScreen& form) {
    if (!CodesAccepted(app, form)) return false;
    try {
        const QString last = QStringLiteral("Last");
        if (form.has(last) && !IsMeetingNumber(form.text(last)))
            throw VbError(err::TypeMismatch,
                          QStringLiteral("Type mismatch: the Last box must hold the number of the last meeting "
                                         "attended, from 0 to ") +
                              Plain(kMeetings) + QStringLiteral(". The record was not saved."));
        AttendeeRecord r = app.crusade.CurRecord;
        CopyControls(form, r);
        app.crusade.CurRecord = r;
        return true;
    } catch (const VbError& e) {
        app.dialogs().msgBox(CommonErrorText(e, kSourceFennick95), Buttons::OK);
        return false;
    }
}

bool SaveCurrentRecord(App& app, MainScreen& form) {
    Crusade& c = app.crusade;
    CurrentView& v = app.view;
    const QString lname = QStringLiteral("LName");
    const QString rnum = QStringLiteral("RNum");

    // The record numbers in use still name the record shown before add mode.
    if (app.mainWindow.NewEntryOnScreen) return false;
    // Whoever saves, the box being typed in is left first, its rule running as when the
    // focus moves on.
    if (!form.leaveFocusedBox()) return false;
    if (form.text(lname).isEmpty()) form.setText(lname, QStringLiteral("Unknown"));
    if (form.text(rnum).isEmpty()) {
        const QByteArray next = NextRegNumber(app);
        if (next.isEmpty()) return false;  // the numbers are used up; the message was shown
        form.setText(rnum, FromAnsi(next));
    }
    const AttendeeRecord shown = c.CurRecord;
    if (!ScreenToRecord(app, form)) return false;

    const bool changed = c.CurRecord != c.OrigRecord;
    if (v.ReportCount == 0) {
        app.mainWindow.EnteredRNum = form.text(rnum);
        return true;
    }

    if (v.CurIndexPos < 1 || v.CurIndexPos > v.ReportCount || v.CurIndexPos >= v.ReportIndex.size())
        throw VbError(err::SubscriptRange, QStringLiteral("Subscript out of range"));
    if (changed || v.ReportIndex[v.CurIndexPos] == kNotSavedYet) {
        // The entry re-keyed is the saved record's own: a view rebuilt since the record was
        // shown holds it elsewhere, or not at all.
        const int pos = EntryOfCurrentRecord(app);
        const QByteArray entry = SavedEntry(app, pos > 0 ? v.ReportIndex[pos] : QByteArray());
        try {
            WriteRecord(app, c.CurRecNo, c.CurRecord);
        } catch (const DuplicateNumber& e) {
            // Another live record holds the number: as the number box refuses it, the box
            // gets the record's own number back and the record stays on screen, unsaved.
            TellDuplicateNumber(app, e.number);
            c.CurRecord = shown;
            form.setText(rnum, FromAnsi(shown.RNum.trimmed()));
            form.focusRefusedBox(rnum);
            return false;
        }
        if (pos > 0) v.ReportIndex[pos] = entry;
        app.settings.LastUpdated = GeneralDate(app.clock().now());
        c.NewEmptyFile = false;
    }
    app.mainWindow.EnteredRNum = form.text(rnum);
    c.PrevRecord = c.CurRecord;
    c.FileIsOpen = true;
    return true;
}

bool MainWindowShows(const App& app, qint32 n) {
    const MainScreen* form = app.hooks.editForm;
    if (!form || n < 1 || n != app.crusade.CurRecNo || app.view.ReportCount == 0) return false;
    if (app.mainWindow.NewEntryOnScreen) return false;
    return qint32(Val(form->text(QStringLiteral("RecordPos")))) == n;
}

void PutBackFileCopy(App& app, MainScreen& form) {
    Crusade& c = app.crusade;
    try {
        c.CurRecord = ReadFileCopy(app, c.CurRecNo);
    } catch (const VbError&) {
        c.CurRecord = c.OrigRecord;
    }
    if (!ShowRecord(app, form)) return;
    app.mainWindow.EnteredRNum = form.text(QStringLiteral("RNum"));
    if (MainWindowShows(app, c.CurRecNo)) DiscardChanges(app, c.CurRecNo);
}

void LetGoOfDiscardedChanges(App& app, const MainScreen& form) {
    Crusade& c = app.crusade;
    if (&form != app.hooks.editForm || !MainWindowShows(app, c.CurRecNo)) return;
    AttendeeRecord onScreen = c.OrigRecord;
    try {
        CopyControls(form, onScreen);
    } catch (const VbError&) {
        return;  // a box holds what no record can: it differs
    }
    if (onScreen == c.OrigRecord) DiscardChanges(app, c.CurRecNo);
}

bool SaveScreenBeforeWrite(App& app, qint32 n) {
    return !MainWindowShows(app, n) || SaveCurrentRecord(app, *app.hooks.editForm);
}

void ShowRecordAfterWrite(App& app, qint32 n) {
    if (!MainWindowShows(app, n)) return;
    MainScreen& form = *app.hooks.editForm;
    app.crusade.CurRecord = ReadRecord(app, n);
    ShowRecord(app, form);
    app.mainWindow.EnteredRNum = form.text(QStringLiteral("RNum"));
}

void AppendRecordSlot(App& app) {
    Crusade& c = app.crusade;
    CurrentView& v = app.view;
    // A view entry names its record in four digits, and ReportCount is a 16-bit count.
    if (c.RecCount >= kMaxRecords)
        throw VbError(err::Overflow,
                      QStringLiteral("A crusade holds at most ") + Plain(kMaxRecords) + QStringLiteral(" names."));
    if (v.ReportCount >= kMaxViewEntries) throw VbError(err::Overflow, QStringLiteral("Overflow"));

    c.RecCount += 1;
    c.FileIsOpen = true;
    c.CurRecNo = c.RecCount;
    v.ReportCount += 1;
    v.CurIndexPos = v.ReportCount;
    v.ReportIndex.resize(v.ReportCount + 1);
    v.ReportIndex[v.CurIndexPos] = QByteArrayLiteral("-------") + RecordNumber4(c.CurRecNo);
    app.mainWindow.AddAnother += 1;
}

}  // namespace fennick

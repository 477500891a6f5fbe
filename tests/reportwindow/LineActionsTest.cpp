// Clicks on preview lines, the Visit option's keys and the interest-level picker, over the
// shared fixture crusade: each row clicks one line and compares the record in the data
// file with the one expected, field for field.

#include "PreviewFixture.h"
#include "data/DataStore.h"
#include "data/RecordDisplay.h"
#include "mainwindow/FieldRules.h"
#include "mainwindow/SaveRecord.h"
#include "reportwindow/LineActions.h"
#include "reportwindow/ReportWindow.h"
#include "reportwindow/SelIntFm.h"
#include "views/Indexes.h"
#include "views/MailViews.h"

#include <functional>
#include <variant>

namespace fennick::test {
namespace {

enum class Col { Name, Team, Attendance, Interest, Visits, BelowLast };

// The fixture with three more people: night 12 blank, four visit codes, and a third
// member at 40 Elm St.
QList<AttendeeRecord> ClickRecords() {
    QList<AttendeeRecord> r = PageFixtureRecords();
    r << Rec("0130", "Ivy", "Blank").team("05").with([](AttendeeRecord& a) {
        a.Attendance = QByteArray("11111111111 ").append(28, ' ');
        a.Attend = "11";
        a.Last = 11;
    });
    r << Rec("0131", "Vic", "Visits").nights("1").team("05").visits("h05p07m09l10");
    r << Rec("0132", "Eli", "Johnson").nights("1").address("40 Elm St").mail(1);
    return r;
}

using Answer = std::variant<int, const char*>;

struct ClickCase {
    const char* name;
    const char* rnum;  // the person clicked
    Col col;
    LeftButton option;
    bool labels = false;
    int shift = 0;
    const char* quickVisit = "";
    QList<Answer> answers = {};
    std::function<void(AttendeeRecord&)> change = nullptr;  // the record expected; null: unchanged
    LeftButton after = LeftButton::Edit;
    const char* message = nullptr;  // the last message expected
    bool edits = false;             // the main window opens on the line
};

void PrintTo(const ClickCase& c, std::ostream* os) {
    *os << c.name;
}

// Night 12 of the fixture's meeting with the marks and counts a click leaves.
auto Nights(const char* marks, const char* attend, qint16 last) {
    return [=](AttendeeRecord& r) {
        r.Attendance = QByteArray(marks).append(40 - int(strlen(marks)), '-');
        r.Attend = attend;
        r.Last = last;
    };
}
auto Team(const char* code) {
    return [=](AttendeeRecord& r) { r.WorkerCode = code; };
}
auto Visits(const char* codes) {
    return [=](AttendeeRecord& r) { r.Visits = codes; };
}
const char* const kUndoText =
    "0101   John Smith\r\nThis Will Undo the Attendance for Night 12\r\nAre you sure you want to Undo this Entry?";
const char* const kTeamRefused = "You have entered an invalid Team code.  \r\nIt must be a number between 00 and 40";

const QList<ClickCase>& Cases() {
    static const QList<ClickCase> cases = {
        {"AttendanceColumnOkMarks", "0102", Col::Attendance, LeftButton::Edit, false, 0, "", {AnsOK},
         Nights("11111------2", "6", 12)},
        {"AttendanceColumnCancelEdits", "0102", Col::Attendance, LeftButton::Edit, false, 0, "", {AnsCancel},
         nullptr, LeftButton::Edit, "This will update the attendance record for meeting #12", true},
        {"AttendanceUndoOk", "0101", Col::Name, LeftButton::Attend, false, 0, "", {AnsOK},
         Nights("11111111111", "11", 11), LeftButton::Attend, kUndoText},
        {"AttendanceUndoCancelKeepsTheMark", "0101", Col::Attendance, LeftButton::Attend, false, 0, "", {AnsCancel},
         nullptr, LeftButton::Attend, kUndoText},
        {"BlankNightIsAbsent", "0130", Col::Name, LeftButton::Attend, false, 0, "", {}, Nights("111111111112", "12", 12),
         LeftButton::Attend},
        {"InterestColumnUnderEdit", "0102", Col::Interest, LeftButton::Edit, false, 0, "", {},
         [](AttendeeRecord& r) { r.IntLevel = "E"; }},
        {"Team7", "0102", Col::Team, LeftButton::Edit, false, 0, "", {"7"}, Team("07")},
        {"Team41Refused", "0102", Col::Team, LeftButton::Edit, false, 0, "", {"41"}, nullptr, LeftButton::Edit,
         kTeamRefused},
        {"TeamXRefused", "0102", Col::Team, LeftButton::Attend, false, 0, "", {"x"}, nullptr, LeftButton::Attend,
         kTeamRefused},
        {"Team3xRefused", "0102", Col::Team, LeftButton::Edit, false, 0, "", {"3x"}, nullptr, LeftButton::Edit,
         kTeamRefused},
        {"TeamEmptyKeeps", "0102", Col::Team, LeftButton::Edit, false, 0, "", {""}},
        {"VisitAppendedOldestDrops", "0131", Col::Visits, LeftButton::Visit, false, 0, "h12", {},
         Visits("p07m09l10h12"), LeftButton::Visit},
        {"VisitCtrlTakesTheLast", "0131", Col::Visits, LeftButton::Visit, false, kCtrlMask, "h12", {},
         Visits("h05p07m09"), LeftButton::Visit},
        {"VisitShiftChangesNothing", "0131", Col::Visits, LeftButton::Edit, false, kShiftMask, "h12", {}},
        {"VisitBeforeVisitChosen", "0131", Col::Visits, LeftButton::Edit, false, 0, "", {}, nullptr, LeftButton::Edit,
         "You must select 'Visit' in the 'Left Mouse Button Funcion' Box above, in order to enter a visit."},
        {"VisitOptionOnNameEdits", "0131", Col::Name, LeftButton::Visit, false, 0, "h12", {}, nullptr,
         LeftButton::Visit, nullptr, true},
        {"MailFlipOff", "0102", Col::Name, LeftButton::Interest, true, 0, "", {},
         [](AttendeeRecord& r) { r.MailList = 0; }, LeftButton::Interest},
        {"MailFlipOn", "0103", Col::Name, LeftButton::Interest, true, 0, "", {},
         [](AttendeeRecord& r) { r.MailList = 1; }, LeftButton::Interest},
        {"LabelsWithEditEdits", "0103", Col::Attendance, LeftButton::Edit, true, 0, "", {}, nullptr, LeftButton::Edit,
         nullptr, true},
        {"NameUnderEditEdits", "0124", Col::Name, LeftButton::Edit, false, 0, "", {}, nullptr, LeftButton::Edit,
         nullptr, true},
        {"BelowTheLastLineNothing", "0101", Col::BelowLast, LeftButton::Attend, false, 0, "", {}, nullptr,
         LeftButton::Attend},
    };
    return cases;
}

int ColumnOf(const PreviewLine& l, Col c) {
    switch (c) {
        case Col::Team: return l.team.last;
        case Col::Attendance: return l.attendance.first + 3;
        case Col::Interest: return l.interest.first;
        case Col::Visits: return l.visits.first + 20;  // past the end of the text
        default: return 12;
    }
}

class LineClicks : public ::testing::TestWithParam<ClickCase> {};

TEST_P(LineClicks, WritesTheRecordAndKeepsTheOption) {
    const ClickCase& c = GetParam();
    PreviewFixture f(ClickRecords());
    App& app = f.app;
    FakeScreen editForm;
    editForm.setVisible(QStringLiteral("ReturnToPreviewMsg"), false);
    app.hooks.editForm = &editForm;
    IndexAlpha(app);
    // The main window's working record is another person's.
    app.crusade.CurRecNo = 1;
    app.crusade.CurRecord = ReadRecord(app, 1);
    const AttendeeRecord working = app.crusade.CurRecord;

    PrintReportsState w;
    w.leftButton = c.option;
    w.chkPrnMailLabels = c.labels;
    w.QuickVisit = QString::fromLatin1(c.quickVisit);
    w.VScroll1 = 1;
    showScrollInfo(app, w);
    int row = -1;
    for (int i = 0; i < w.page.lines.size(); ++i)
        if (ReadRecord(app, w.page.lines[i].record).RNum.bytes() == c.rnum) row = i;
    ASSERT_GE(row, 0);
    const PreviewLine line = w.page.lines[row];
    const AttendeeRecord before = ReadRecord(app, line.record);
    for (const Answer& a : c.answers) {
        if (std::holds_alternative<int>(a))
            f.fx.t.dialogs.answer(std::get<int>(a));
        else
            f.fx.t.dialogs.type(QString::fromLatin1(std::get<const char*>(a)));
    }
    int pickerOpened = 0, editShown = 0;
    LineWindows windows;
    windows.pickInterest = [&](AttendeeRecord& rec) {
        ++pickerOpened;
        EXPECT_EQ(rec.RNum.bytes(), QByteArray(c.rnum));
        rec.IntLevel = "E";
    };
    windows.showEditForm = [&] { ++editShown; };
    const int clickedRow = c.col == Col::BelowLast ? app.view.ReportCount : row;

    Info_MouseDown(app, w, windows, clickedRow, ColumnOf(line, c.col), c.shift);

    AttendeeRecord expected = before;
    if (c.change) c.change(expected);
    EXPECT_TRUE(ReadRecord(app, line.record) == expected);
    EXPECT_EQ(w.leftButton, c.after);
    EXPECT_FALSE(f.fx.t.dialogs.pending());
    if (c.message) {
        ASSERT_FALSE(f.fx.t.dialogs.messages().isEmpty());
        EXPECT_EQ(f.fx.t.dialogs.messages().last(), QString::fromLatin1(c.message));
    }
    EXPECT_EQ(pickerOpened, c.col == Col::Interest ? 1 : 0);
    EXPECT_EQ(editShown, c.edits ? 1 : 0);
    EXPECT_EQ(editForm.isVisible(QStringLiteral("ReturnToPreviewMsg")), c.edits);
    if (c.edits) {
        EXPECT_EQ(app.view.CurIndexPos, line.entry);
        EXPECT_FALSE(editForm.isVisible(QStringLiteral("btnAddName")));
        EXPECT_FALSE(editForm.isEnabled(QStringLiteral("mnuFile")));
        EXPECT_FALSE(editForm.isEnabled(QStringLiteral("ChgRec(3)")));
    }
    EXPECT_EQ(app.crusade.CurRecNo, 1);
    EXPECT_TRUE(app.crusade.CurRecord == working);
    // The page shows what was written.
    if (!c.edits && c.col != Col::BelowLast) {
        EXPECT_EQ(w.page.lineOf(line.entry)->text,
                  BuildPreviewLine(app, LineLayout(app.view.ReportKind, {1, false, c.labels}), {}, expected, {}).text);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, LineClicks, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

// A click in household mode opens the editor on every member of the clicked line's
// household, also when the main window has saved one of them since the list was built.
TEST(HouseholdClick, EditorOnTheHouseholdThenEachMemberWrittenFromItsMark) {
    const std::pair<const char*, const char*> rows[] = {
        {"as built", nullptr},
        {"a member saved from the main window", "0102"},
        {"the clicked member saved from the main window", "0132"},
    };
    for (const auto& [name, saved] : rows) {
        SCOPED_TRACE(name);
        PreviewFixture f(ClickRecords());
        App& app = f.app;
        IndexCleanMailList(app);
        ASSERT_EQ(app.view.ReportKind, QStringLiteral("CleanMailList"));
        FakeScreen editForm;
        if (saved) {
            // The member opened on the main window from its line, and a note typed there.
            for (int i = 1; i <= app.view.ReportCount; ++i)
                if (app.view.ReportIndex[i].startsWith(saved)) app.view.CurIndexPos = qint16(i);
            ASSERT_TRUE(ReadCurrentRecord(app));
            ASSERT_TRUE(ShowRecord(app, editForm));
            editForm.setText(QStringLiteral("Notes"), QStringLiteral("Moved in with family"));
            ASSERT_TRUE(SaveCurrentRecord(app, editForm));
        }
        PrintReportsState w;
        w.chkPrnMailLabels = true;
        w.leftButton = LeftButton::Interest;
        w.VScroll1 = 1;
        showScrollInfo(app, w);
        int row = -1;
        for (int i = 0; i < w.page.lines.size(); ++i)
            if (w.page.lines[i].record == 27) row = i;  // 0132
        ASSERT_GE(row, 0);
        QList<QByteArray> members;
        LineWindows windows;
        windows.editHousehold = [&](QList<QByteArray>& family) {
            for (QByteArray& e : family) {
                members << e.left(4);
                e[0] = e.startsWith("0103") ? '$' : '-';
            }
        };
        Info_MouseDown(app, w, windows, row, 5, 0);
        EXPECT_EQ(members, (QList<QByteArray>{"0132", "0102", "0103"}));
        EXPECT_EQ(ReadRecord(app, 3).MailList, 1);   // 0103 was off
        EXPECT_EQ(ReadRecord(app, 2).MailList, 0);   // 0102 was on
        EXPECT_EQ(ReadRecord(app, 27).MailList, 0);  // 0132 was on
        EXPECT_EQ(w.leftButton, LeftButton::Interest);
    }
}

// --- The main window beside the preview ---------------------------------------------------

struct BesideCase {
    const char* name;
    const char* clicked;
    const char* shown;  // the record on the main window, "Notes" typed and not saved
    Col col;
    LeftButton option;
    bool labels = false;
    const char* quickVisit = "";
    QList<Answer> answers = {};
    std::function<void(AttendeeRecord&)> change = nullptr;  // to the clicked record
    const char* teamBox = nullptr;                          // typed into the team box as well
};

// A click on a line writes its record at once; when the main window shows that record,
// neither its typing nor the click may be lost once the main window saves its screen.
TEST(LineClicksBesideMainWindow, TypingAndClickBothKept) {
    const auto mailOff = [](AttendeeRecord& r) { r.MailList = 0; };
    const BesideCase rows[] = {
        {"Attend", "0102", "0102", Col::Name, LeftButton::Attend, false, "", {}, Nights("11111------2", "6", 12)},
        {"Interest", "0102", "0102", Col::Interest, LeftButton::Edit, false, "", {},
         [](AttendeeRecord& r) { r.IntLevel = "E"; }},
        {"Team", "0102", "0102", Col::Team, LeftButton::Edit, false, "", {"7"}, Team("07")},
        {"Visit", "0131", "0131", Col::Visits, LeftButton::Visit, false, "h12", {}, Visits("p07m09l10h12")},
        {"MailFlip", "0102", "0102", Col::Name, LeftButton::Interest, true, "", {}, mailOff},
        // The household editor writes 0102, a member of the household clicked through 0132.
        {"Household", "0132", "0102", Col::Name, LeftButton::Interest, true, "", {}, nullptr},
        {"OtherRecordShown", "0102", "0103", Col::Team, LeftButton::Edit, false, "", {"7"}, Team("07")},
        // The main window's save refuses its team box: the click writes nothing.
        {"SaveRefused", "0102", "0102", Col::Name, LeftButton::Attend, false, "", {}, nullptr, "x"},
    };
    for (const BesideCase& c : rows) {
        SCOPED_TRACE(c.name);
        const bool household = QByteArray(c.name) == "Household";
        PreviewFixture f(ClickRecords());
        App& app = f.app;
        FakeScreen editForm;
        app.hooks.editForm = &editForm;
        household ? IndexCleanMailList(app) : IndexAlpha(app);
        auto recordOf = [&](const char* rnum) {
            for (qint32 n = 1; n <= app.crusade.RecCount; ++n)
                if (ReadRecord(app, n).RNum.bytes() == rnum) return n;
            return qint32(0);
        };
        const qint32 clicked = recordOf(c.clicked), shown = recordOf(c.shown);
        for (int i = 1; i <= app.view.ReportCount; ++i)
            if (app.view.recordNumberAt(i) == shown) app.view.CurIndexPos = qint16(i);
        app.crusade.CurRecNo = shown;
        app.crusade.CurRecord = ReadRecord(app, shown);
        ASSERT_TRUE(ShowRecord(app, editForm));
        editForm.setText(QStringLiteral("Notes"), QStringLiteral("Call after six"));
        if (c.teamBox) editForm.setText(QStringLiteral("WorkerCode"), QString::fromLatin1(c.teamBox));
        const AttendeeRecord clickedBefore = ReadRecord(app, clicked), shownBefore = ReadRecord(app, shown);

        PrintReportsState w;
        w.leftButton = c.option;
        w.chkPrnMailLabels = c.labels;
        w.QuickVisit = QString::fromLatin1(c.quickVisit);
        w.VScroll1 = 1;
        showScrollInfo(app, w);
        int row = -1;
        for (int i = 0; i < w.page.lines.size(); ++i)
            if (w.page.lines[i].record == clicked) row = i;
        ASSERT_GE(row, 0);
        for (const Answer& a : c.answers) f.fx.t.dialogs.type(QString::fromLatin1(std::get<const char*>(a)));
        LineWindows windows;
        windows.pickInterest = [](AttendeeRecord& rec) { rec.IntLevel = "E"; };
        windows.editHousehold = [](QList<QByteArray>& family) {
            for (QByteArray& e : family) e[0] = e.startsWith("0102") ? '-' : '$';
        };
        Info_MouseDown(app, w, windows, row, ColumnOf(w.page.lines[row], c.col), 0);

        AttendeeRecord expected = clickedBefore;
        if (c.change) c.change(expected);
        if (c.teamBox) {
            EXPECT_TRUE(ReadRecord(app, clicked) == clickedBefore);
            EXPECT_EQ(f.fx.t.dialogs.messages().last(), QString::fromLatin1(kTeamRefused));
            continue;
        }
        AttendeeRecord shownAfter = clicked == shown ? expected : shownBefore;
        if (household) mailOff(shownAfter);
        shownAfter.Notes = "Call after six";
        const AttendeeRecord clickedAfter = clicked == shown ? shownAfter : expected;
        EXPECT_TRUE(ReadRecord(app, clicked) == clickedAfter);
        // The main window's own save afterwards.
        ASSERT_TRUE(SaveCurrentRecord(app, editForm));
        EXPECT_TRUE(ReadRecord(app, shown) == shownAfter);
        EXPECT_TRUE(ReadRecord(app, clicked) == clickedAfter);
        EXPECT_EQ(app.crusade.CurRecNo, shown);
    }
}

// --- The Visit option's keys ---------------------------------------------------------------

struct VisitKey {
    const char* code;
    qint16 lastMeeting;
    char key;
    const char* expected;
};

TEST(QuickVisit, Keys) {
    const VisitKey rows[] = {
        {"h24", 24, '+', "h24"}, {"h24", 24, '=', "h24"}, {"h24", 24, '-', "h23"}, {"h01", 24, '-', "h01"},
        {"h05", 24, '+', "h06"}, {"h05", 24, 'P', "p05"}, {"p05", 24, 'm', "m05"}, {"m05", 24, 'L', "l05"},
        {"l05", 24, 'h', "h05"}, {"h05", 24, 'x', "h05"}, {"h05", 24, 'A', "h05"}, {"", 24, 'p', ""},
    };
    for (const VisitKey& r : rows) {
        PreviewFixture f;
        f.app.settings.LastMeeting = r.lastMeeting;
        PrintReportsState w;
        w.QuickVisit = QString::fromLatin1(r.code);
        const bool changed = OptVisit_KeyPress(f.app, w, QChar(r.key));
        EXPECT_EQ(w.QuickVisit, QString::fromLatin1(r.expected)) << r.code << r.key;
        EXPECT_EQ(changed, strcmp(r.code, r.expected) != 0) << r.code << r.key;
        if (changed) {
            EXPECT_EQ(w.OptVisitCaption, QStringLiteral("Visit ") + w.QuickVisit);
        }
    }
    PreviewFixture f;
    f.app.settings.LastMeeting = 7;
    PrintReportsState w;
    OptVisit_Click(f.app, w);
    EXPECT_EQ(w.OptVisitCaption, QStringLiteral("Visit h07"));
    EXPECT_EQ(w.leftButton, LeftButton::Visit);
}

// --- The interest-level picker ------------------------------------------------------------

struct PickerCase {
    const char* level;
    int selectedAtOpening;
    std::function<void(App&, SelIntForm&)> act;
    const char* after;
    bool closed;
    bool refused = false;
};

TEST(SelIntFmRules, Table) {
    auto click = [](int k) { return [k](App&, SelIntForm& f) { btnInt_Click(f, k); }; };
    auto key = [](char c) { return [c](App& a, SelIntForm& f) { CancelBut_KeyPress(a, f, QChar(c)); }; };
    const PickerCase rows[] = {
        {"C", 3, click(3), "C", false},
        {"C", 3, click(5), "E", true},
        {" ", 0, [](App&, SelIntForm& f) { OKBut_Click(f); }, " ", true},
        {"B", 2, [](App&, SelIntForm& f) { OKBut_Click(f); }, " ", true},
        {"A", 1, [](App&, SelIntForm& f) { CancelBut_Click(f); }, "A", true},
        {" ", 0, key('b'), "B", true},
        {"B", 2, key('b'), "B", true},
        {"B", 2, key('B'), "B", false, true},
        {"B", 2, key('h'), "B", false, true},
        {" ", 0, click(7), "G", true},
        {"c", 0, click(3), "C", true},   // a level outside A to G selects nothing
        {"9", 0, key('g'), "G", true},
    };
    for (const PickerCase& r : rows) {
        PreviewFixture f;
        SelIntForm form;
        SelIntFm_Load(form, Rec("0001", "Ann", "Lee").level(r.level));
        EXPECT_EQ(form.selected, r.selectedAtOpening) << r.level;
        r.act(f.app, form);
        EXPECT_EQ(form.IntLevel, QString::fromLatin1(r.after)) << r.level;
        EXPECT_EQ(form.unloaded, r.closed) << r.level;
        EXPECT_EQ(f.fx.t.dialogs.messages(), r.refused ? QStringList{kIntLevelKeyRefusal} : QStringList()) << r.level;
    }
    EXPECT_EQ(btnIntCaption(1), QStringLiteral("A"));
    EXPECT_EQ(btnIntCaption(7), QStringLiteral("Baptized"));
    SelIntForm form;
    SelIntFm_Load(form, Rec("0001", "Ann", "Lee"));
    EXPECT_EQ(form.lblName, QStringLiteral("Select Interest level for: \r\nAnn Lee") + QString(17, u' '));
}

}  // namespace
}  // namespace fennick::test

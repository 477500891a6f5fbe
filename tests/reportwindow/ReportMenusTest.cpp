// The main window's report commands with the fakes: each preview opens the report window
// on the list it names, and every print command ends back on the main window, whatever
// its generator did.

#include "PreviewFixture.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "mainwindow/MainLifecycle.h"
#include "mainwindow/MenuBar.h"
#include "reportwindow/ReportMenus.h"
#include "reportwindow/ReportWindow.h"
#include "views/AttendanceViews.h"
#include "views/Indexes.h"
#include "views/MailViews.h"
#include "views/PersonViews.h"

#include <functional>
#include <memory>

namespace fennick::test {
namespace {

// A crusade on the page fixture, the main window as a fake screen showing its first
// record, and a report window that loads its state as the real one does.
struct Menus {
    explicit Menus(const QList<AttendeeRecord>& records = PageFixtureRecords()) : f(records), app(f.app) {
        app.hooks.editForm = &screen;
        app.hooks.startAddMode = [this] { addModeStarted = true; };
        app.hooks.openPrintReports = [this] {
            ++opened;
            window = std::make_unique<PrintReportsState>();
            Form_Load(app, *window);
        };
        app.hooks.showDecisionPicker = [this](int) {
            if (pickedDecision == 0) return false;
            app.view.ReportKind = QStringLiteral("decision %1").arg(pickedDecision);
            return true;
        };
        IndexAlpha(app);
        app.view.CurIndexPos = 1;
        ShowCurrentRecord(app, screen);
    }
    void close() { Form_Unload(app, *window, screen); }
    FakeDialogs& dialogs() { return f.fx.t.dialogs; }

    PreviewFixture f;
    App& app;
    FakeScreen screen;
    std::unique_ptr<PrintReportsState> window;
    int opened = 0;
    int pickedDecision = 5;
    bool addModeStarted = false;
};

struct PreviewCase {
    const char* item;
    std::function<void(Menus&)> before;
    const char* kind;
    const char* title;
    bool mainVisible;
};

class Previews : public ::testing::TestWithParam<PreviewCase> {};

TEST_P(Previews, OpenOnTheListTheyName) {
    const PreviewCase& c = GetParam();
    Menus m;
    if (c.before) c.before(m);
    const PreviewCommand* command = nullptr;
    for (const PreviewCommand& p : PreviewCommands())
        if (QLatin1String(p.item) == QLatin1String(c.item)) command = &p;
    ASSERT_NE(command, nullptr);
    command->run(m.app, m.screen);
    ASSERT_EQ(m.opened, 1);
    EXPECT_EQ(m.app.view.ReportKind, QString::fromLatin1(c.kind));
    EXPECT_EQ(m.window->CrTitleBox, QString::fromLatin1(c.title));
    EXPECT_EQ(m.screen.windowVisible, c.mainVisible);
    EXPECT_GT(m.window->page.lines.size(), 0);
}

void OnView(Menus& m, void (*build)(App&)) {
    build(m.app);
    m.app.view.CurIndexPos = 1;
    ShowCurrentRecord(m.app, m.screen);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, Previews,
    ::testing::Values(
        PreviewCase{"mnuPreAlpha", nullptr, "alpha", "Master Alphabetical List (22)", false},
        PreviewCase{"mnuPreviewFile", nullptr, "attend", "Master Attendance List (17)", false},
        PreviewCase{"mnuPreviewFile", [](Menus& m) { OnView(m, IndexAlphaCutoff); }, "attend",
                    "Master Attendance List (17)", false},
        PreviewCase{"mnuPreviewFile", [](Menus& m) { OnView(m, IndexZip); }, "zip", "Zipcode List (17)", false},
        PreviewCase{"btnViewFile", nullptr, "alpha", "Master Alphabetical List (22)", false},
        PreviewCase{"btnViewFile", [](Menus& m) { OnView(m, IndexMapCode); }, "map", "Map Code List (17)", false},
        PreviewCase{"mnuPreBap", nullptr, "baptism", "Baptism List (3)", false},
        PreviewCase{"mnuPreInt", nullptr, "interest", "Priority Interest List (17)", false},
        PreviewCase{"mnuPreDec", nullptr, "decisions5", "Spring: Baptism (2)", true},
        PreviewCase{"mnuPreMailList", nullptr, "mail", "Spring (20)", false},
        PreviewCase{"mnuPreAddress", nullptr, "DupAddress", "Duplicate Addresses- All (10)", false},
        PreviewCase{"mnuPreZipMaster", nullptr, "zip", "Zipcode List (17)", true}));

// The main window shows the first record of the view it returned to, and its counter says so.
void ExpectFirstRecordShown(const Menus& m) {
    const CurrentView& v = m.app.view;
    ASSERT_GT(v.ReportCount, 0);
    EXPECT_EQ(v.CurIndexPos, 1);
    EXPECT_EQ(m.app.crusade.CurRecNo, v.recordNumberAt(1));
    EXPECT_EQ(m.screen.text(QStringLiteral("RNum")), FromAnsi(v.ReportIndex[1].left(4)));
    EXPECT_EQ(m.screen.text(QStringLiteral("RecordCounter")), QStringLiteral("1 of %1").arg(v.ReportCount));
    EXPECT_TRUE(m.screen.windowVisible);
}

TEST(PreviewLifecycle, ClosingRebuildsAllNamesOrKeepsTheSavedView) {
    for (const bool save : {false, true}) {
        Menus m;
        mnuPreBap_Click(m.app, m.screen);
        ASSERT_EQ(m.opened, 1);
        m.window->VScroll1 = 2;
        SetChkSaveFilter(m.app, *m.window, save);
        m.app.view.CurIndexPos = 3;
        m.close();
        EXPECT_EQ(m.app.view.ReportKind, save ? QStringLiteral("baptism") : QStringLiteral("alpha"));
        EXPECT_EQ(m.screen.isVisible(QStringLiteral("ShowAll")), save);
        ExpectFirstRecordShown(m);
    }
}

TEST(PreviewLifecycle, DuplicateAddressesOpenWithSaveFilterCleared) {
    Menus m;
    m.app.program.DropFilterOnExit = true;
    mnuPreAddress_Click(m.app, m.screen);
    EXPECT_FALSE(m.window->ChkSaveFilter);
    EXPECT_TRUE(m.app.program.DropFilterOnExit);
    m.close();
    EXPECT_EQ(m.app.view.ReportKind, QStringLiteral("alpha"));
    ExpectFirstRecordShown(m);
}

TEST(PreviewRefusals, OneRecordEmptyViewCancelledPickerAndRefusedSave) {
    {
        Menus m({Rec("0001", "Ann", "Lee").nights("1111")});
        mnuPreviewFile_Click(m.app, m.screen);
        EXPECT_EQ(m.opened, 0);
        EXPECT_EQ(m.dialogs().messages(), QStringList{kOnlyOneRecord});
    }
    {
        Menus m;
        IndexMarked(m.app);
        EmptyView(m.app.view);
        btnViewFile_Click(m.app, m.screen);
        EXPECT_EQ(m.opened, 0);
        EXPECT_EQ(m.dialogs().messages(), QStringList{kInsufficientRecords});
        EXPECT_TRUE(m.screen.windowVisible);
    }
    {
        // A cancelled decision picker builds and opens nothing.
        Menus m;
        m.pickedDecision = 0;
        const QList<QByteArray> before = m.f.fx.entries();
        mnuPreDec_Click(m.app, m.screen);
        EXPECT_EQ(m.opened, 0);
        EXPECT_EQ(m.app.view.ReportKind, QStringLiteral("alpha"));
        EXPECT_EQ(m.f.fx.entries(), before);
    }
    {
        // What the user typed is not lost: a save refused stops the command.
        Menus m;
        m.screen.setText(QStringLiteral("Last"), QStringLiteral("99"));
        mnuPreAlpha_Click(m.app, m.screen);
        EXPECT_EQ(m.opened, 0);
        EXPECT_EQ(m.dialogs().shown().size(), 1u);
        EXPECT_EQ(m.screen.text(QStringLiteral("Last")), QStringLiteral("99"));
        EXPECT_TRUE(m.screen.windowVisible);
    }
}

TEST(PreviewCommandsTest, MailMergeSavesThenCallsItsHook) {
    Menus m;
    mnuMailMerge_Click(m.app, m.screen);  // no export yet: nothing happens
    m.screen.setText(QStringLiteral("City"), QStringLiteral("Shelbyville"));
    int calls = 0;
    m.app.hooks.mailMerge = [&] {
        ++calls;
        EXPECT_EQ(ReadRecord(m.app, m.app.crusade.CurRecNo).City.trimmed(), QByteArray("Shelbyville"));
    };
    mnuMailMerge_Click(m.app, m.screen);
    EXPECT_EQ(calls, 1);
}

// --- Print commands ----------------------------------------------------------------------------

// What the stub generator does, and what it saw.
enum class Outcome { Prints, Cancels, EmptyList, Fails };
Outcome gOutcome = Outcome::Prints;
int gCalls = 0;
int gReportType = 0;

void StubGenerator(App& app, int& reportType) {
    ++gCalls;
    gReportType = reportType;
    switch (gOutcome) {
        case Outcome::Prints:
            IndexZip(app);
            app.printer().print(QStringLiteral("a line"));
            app.printer().endDoc();
            break;
        case Outcome::Cancels:
            break;
        case Outcome::EmptyList:
            EmptyView(app.view);
            app.dialogs().msgBox(QStringLiteral("There were no names in the file that match your search criteria."));
            break;
        case Outcome::Fails:
            IndexZip(app);
            throw VbError(err::PrinterError, QStringLiteral("Printer error"));
    }
}

struct PrintCase {
    const char* name;
    Outcome outcome;
    bool dropFilter;
    const char* kindAfter;
};

class PrintReturns : public ::testing::TestWithParam<PrintCase> {};

TEST_P(PrintReturns, EveryEndReturnsToTheMainWindowWithoutOpeningThePreview) {
    const PrintCase& c = GetParam();
    Menus m;
    OnView(m, IndexMapCode);
    m.app.view.CurIndexPos = 4;
    m.app.program.DropFilterOnExit = c.dropFilter;
    gOutcome = c.outcome;
    gCalls = 0;
    const PrintCommand command{"mnuRptSubZip", PrintFirst::Save, "PrintOneLineReport", 4, StubGenerator};
    if (c.outcome == Outcome::Fails)
        EXPECT_THROW(RunPrintCommand(m.app, m.screen, command), VbError);
    else
        RunPrintCommand(m.app, m.screen, command);
    EXPECT_EQ(gCalls, 1);
    EXPECT_EQ(gReportType, 4);
    EXPECT_EQ(m.opened, 0);
    EXPECT_EQ(m.app.view.ReportKind, QString::fromLatin1(c.kindAfter));
    ExpectFirstRecordShown(m);
}

INSTANTIATE_TEST_SUITE_P(Outcomes, PrintReturns,
                         ::testing::Values(PrintCase{"printed", Outcome::Prints, true, "alpha"},
                                           PrintCase{"printedFilterSaved", Outcome::Prints, false, "zip"},
                                           PrintCase{"cancelled", Outcome::Cancels, true, "alpha"},
                                           PrintCase{"cancelledFilterSaved", Outcome::Cancels, false, "map"},
                                           PrintCase{"emptyList", Outcome::EmptyList, true, "alpha"},
                                           PrintCase{"emptyListFilterSaved", Outcome::EmptyList, false, "alpha"},
                                           PrintCase{"failed", Outcome::Fails, true, "alpha"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PrintDecisions, PickerChoosesTheTypeAndCancelPrintsNothing) {
    const PrintCommand command{"mnuPrDecisions", PrintFirst::SaveAndPickDecision, "PrintDecisions", 0, StubGenerator};
    gOutcome = Outcome::Cancels;
    for (const int picked : {5, 0}) {
        Menus m;
        OnView(m, IndexZip);
        m.pickedDecision = picked;
        gCalls = 0;
        gReportType = -1;
        RunPrintCommand(m.app, m.screen, command);
        EXPECT_EQ(gCalls, picked == 0 ? 0 : 1);
        EXPECT_EQ(gReportType, picked == 0 ? -1 : 5);
        EXPECT_EQ(m.app.view.ReportKind, QStringLiteral("alpha"));
        ExpectFirstRecordShown(m);
    }
}

TEST(PrintSaving, RefusedSaveStopsThePrintUnlessTheViewIsInUse) {
    gOutcome = Outcome::Cancels;
    for (const bool indexBuilt : {false, true}) {
        Menus m;
        m.screen.setText(QStringLiteral("Last"), QStringLiteral("99"));
        m.app.view.IndexBuilt = indexBuilt;
        gCalls = 0;
        RunPrintCommand(m.app, m.screen,
                        PrintCommand{"mnuPrIntLevel", PrintFirst::SaveUnlessIndexBuilt, "PrintOneLineReport", 6,
                                     StubGenerator});
        EXPECT_EQ(gCalls, indexBuilt ? 1 : 0);
        EXPECT_EQ(m.dialogs().shown().size(), indexBuilt ? 0u : 1u);
    }
}

// --- The tables against the main window's menus ------------------------------------------------

TEST(CommandTables, MatchTheMenuBar) {
    for (const PreviewCommand& p : PreviewCommands()) {
        const QString name = QLatin1String(p.item);
        const MenuEntry* e = FindMenuEntry(name);
        if (e) {
            EXPECT_TRUE(e->built) << p.item;
            // Mail Labels of Print Reports opens the window too.
            EXPECT_EQ(e->parent.startsWith(QStringLiteral("mnuPre")), name != QLatin1String("mnuPrMailLbl")) << p.item;
        } else {
            EXPECT_FALSE(IsUnbuiltCommand(name)) << p.item;
            bool onToolbar = false;
            for (const ToolbarButton& b : ToolbarButtons()) onToolbar = onToolbar || b.name == name;
            EXPECT_TRUE(onToolbar) << p.item;
        }
    }
    QStringList printItems;
    for (const PrintCommand& c : PrintCommands()) {
        const MenuEntry* e = FindMenuEntry(QLatin1String(c.item));
        ASSERT_NE(e, nullptr) << c.item;
        // An item is in use exactly when its generator is built.
        EXPECT_EQ(e->built, c.generator != nullptr) << c.item;
        EXPECT_TRUE(e->parent == QLatin1String("mnuPrint") || FindMenuEntry(e->parent)->parent == "mnuPrint")
            << c.item;
        EXPECT_EQ(FindPrintCommand(QLatin1String(c.item)), &c);
        printItems << QLatin1String(c.item);
    }
    EXPECT_EQ(printItems.removeDuplicates(), 0);
    EXPECT_EQ(FindPrintCommand(QStringLiteral("mnuPrMailLbl")), nullptr);
}

}  // namespace
}  // namespace fennick::test

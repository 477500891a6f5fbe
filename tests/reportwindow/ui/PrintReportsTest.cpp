// The report window as a person uses it: opened from the main window's previews, read
// and scrolled from the keyboard, re-ordered, and closed back to the main window.

#include "ReportWindowFixture.h"

#include "DocumentDump.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>

#include <functional>

using namespace fennick;
using namespace fennick::test;

namespace {

class PrintReportsTest : public ReportWindowFixture {
protected:
    // Thirty people, so that a page does not hold them all.
    CrusadeSpec crusade() const override {
        return Numbered(30, 1000, "Ann", [](AttendeeRecord& r, int i) {
            r.Attendance = QByteArray("11111").append(35, '-');
            r.Attend = "5";
            r.Last = 5;
            if (i % 3 == 0) r.IntLevel = "G";
        });
    }
    static QString firstLine() { return control<QPlainTextEdit>("Info")->toPlainText().section(u'\n', 0, 0); }
    void key(Qt::Key k) { QTest::keyClick(control("VScroll1"), k); }
    static void click_(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
};

TEST_F(PrintReportsTest, EveryControlByNameWithItsCaption) {
    app.hooks.openPrintReports();
    waitShown();
    const QList<std::pair<const char*, const char*>> captions = {{"btnPrint", "Print"},
                                                                 {"btnTeamSel", "21-40"},
                                                                 {"CkIncludeF", "Include 'F'"},
                                                                 {"Command2", "Clean Up Mail List"},
                                                                 {"chkPrnMailLabels", "Mail Labels"},
                                                                 {"Command1", "Statistics"},
                                                                 {"chkTeam", "Teams"},
                                                                 {"chkDisableCutoff", "Disable"},
                                                                 {"ChkSaveFilter", "Save Filter on Exit"},
                                                                 {"chkMailOpt(0)", "Mail List Only"},
                                                                 {"optSortOpt(0)", "Attend"},
                                                                 {"optSortOpt(1)", "Alphabet"},
                                                                 {"NeedBapDate", "NeedBapDate"},
                                                                 {"Appointments", "Appointments"},
                                                                 {"pvBapDate", "BapDate Set"},
                                                                 {"btnBaptisms", "Baptisms"},
                                                                 {"PVInterestLevel", "Interest Lvl."},
                                                                 {"PVDecisions", "View Churches"},
                                                                 {"btnInterviewNeeded", "Need Apt."},
                                                                 {"MasterListButton", "Master List"},
                                                                 {"CloseBut", "  Close Preview"},
                                                                 {"OptVisit", "Visit"},
                                                                 {"OptIntML", "Interest"},
                                                                 {"optAt", "Attend 5"},
                                                                 {"optEd", "Edit"},
                                                                 {"btnTeam(0)", " 0"},
                                                                 {"btnTeam(20)", "20"},
                                                                 {"btnTeam(21)", "All"},
                                                                 {"btnSelect(0)", "Accept Christ"}};
    for (const auto& [name, caption] : captions) {
        if (auto* b = control<QAbstractButton>(name)) {
            EXPECT_EQ(b->text(), QString::fromUtf8(caption)) << name;
        }
    }
    for (const char* name : {"HelpButton", "txtInstructions", "btnVscrollUp", "btnVScrollDn", "boxMailLabelIndicator",
                             "PrintCutOffBox", "VScroll1", "CrTitleBox", "Info", "lblMailOpt", "lblSelTeamToVies",
                             "Label3", "btnSelect(14)", "mnuReports", "mnuCleanMList", "mnuBaptisms"})
        EXPECT_NE(window()->object(QLatin1String(name)), nullptr) << name;
    EXPECT_EQ(window()->windowTitle(), QStringLiteral("Preview spring Meeting Number: 5"));
    EXPECT_EQ(control<QLineEdit>("PrintCutOffBox")->text(), QStringLiteral("0"));

    // Built now: the lists, the options, the cut-off, printing and line clicks.
    for (const char* name : {"MasterListButton", "CloseBut", "HelpButton", "VScroll1", "ChkSaveFilter", "btnPrint",
                             "chkTeam", "chkMailOpt(0)", "PrintCutOffBox", "btnVscrollUp", "btnTeam(21)",
                             "btnSelect(0)", "PVDecisions", "Command2", "optEd", "optAt", "OptIntML", "OptVisit"})
        EXPECT_TRUE(control(name)->isEnabled()) << name;
    EXPECT_TRUE(window()->findChild<QAction*>(QStringLiteral("mnuByZip"))->isEnabled());
    // "Statistics" answers once the statistics window exists.
    EXPECT_FALSE(control("Command1")->isEnabled());

    auto* info = control<QPlainTextEdit>("Info");
    EXPECT_TRUE(info->isReadOnly());
    EXPECT_EQ(QFontInfo(info->font()).family(), QStringLiteral("Liberation Mono"));
    EXPECT_TRUE(QFontInfo(info->font()).fixedPitch());
    EXPECT_GE(info->viewport()->height(), QFontMetrics(info->font()).lineSpacing() * 26);
    // The window fits a 1366 x 768 screen with its title bar.
    EXPECT_LE(window()->sizeHint().width(), 1366);
    EXPECT_LE(window()->sizeHint().height(), 768 - 40);
}

// Options and captions that change leave the window's size and every control's place as
// they were; the visit option's message speaks of the frame "above", and there it stands.
TEST_F(PrintReportsTest, OptionsAndCaptionsLeaveTheLayoutAsItIs) {
    app.hooks.openPrintReports();
    waitShown();
    const char* const watched[] = {"Info",
                                   "CloseBut",
                                   "optEd",
                                   "optAt",
                                   "OptIntML",
                                   "OptVisit",
                                   "chkPrnMailLabels",
                                   "chkDisableCutoff",
                                   "ChkSaveFilter",
                                   "btnPrint",
                                   "PVDecisions",
                                   "btnTeam(21)"};
    auto places = [&] {
        QApplication::processEvents();
        QMap<QString, QRect> out;
        out[QStringLiteral("window")] = QRect(QPoint(), window()->size());
        for (const char* name : watched)
            out[QLatin1String(name)] = QRect(control(name)->mapTo(window(), QPoint()), control(name)->size());
        return out;
    };
    const QMap<QString, QRect> before = places();
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"Visit chosen", [] { click_(control<QRadioButton>("OptVisit")); }},
        {"Visit type M", [] { QTest::keyClick(control("OptVisit"), Qt::Key_M); }},
        {"Visit meeting down", [] { QTest::keyClick(control("OptVisit"), Qt::Key_Minus); }},
        {"Mail Labels ticked", [] { click_(control<QCheckBox>("chkPrnMailLabels")); }},
        {"Mail Labels cleared", [] { click_(control<QCheckBox>("chkPrnMailLabels")); }},
        {"Mail List Only ticked", [] { click_(control<QCheckBox>("chkMailOpt(0)")); }},
        {"View Decisions", [] { click_(control<QPushButton>("PVDecisions")); }},
    };
    for (const auto& [name, change] : changes) {
        change();
        const QMap<QString, QRect> after = places();
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            EXPECT_EQ(after.value(it.key()), it.value()) << name << ": " << it.key().toStdString();
    }
    EXPECT_EQ(control<QRadioButton>("OptVisit")->text(), QStringLiteral("Visit m04"));
    EXPECT_LT(before.value(QStringLiteral("OptVisit")).bottom(), before.value(QStringLiteral("Info")).top());
}

// Decision titles alike in their first letters keep, each, the end that tells them apart,
// and the "…" of a cut title stands whole inside its button.
TEST_F(PrintReportsTest, TheDecisionChoicesReadAsTheirOwnTitles) {
    for (int d = 3; d <= 8; ++d)
        app.settings.DecisionNames[size_t(d)] = QStringLiteral("Springfield Decisions Health Part %1").arg(d);
    app.hooks.openPrintReports();
    waitShown();
    QStringList shown;
    for (int i = 2; i <= 7; ++i) {
        auto* b = control<QRadioButton>(qPrintable(QStringLiteral("btnSelect(%1)").arg(i)));
        ASSERT_NE(b, nullptr);
        QStyleOptionButton option;
        option.initFrom(b);
        const QRect label = b->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, b);
        EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()), label.width()) << b->text().toStdString();
        EXPECT_TRUE(b->text().endsWith(QStringLiteral("Part %1").arg(i + 1))) << b->text().toStdString();
        shown << b->text();
    }
    shown.removeDuplicates();
    EXPECT_EQ(shown.size(), 6);
}

TEST_F(PrintReportsTest, PreviewScrollsByKeyAndEscReturnsToTheMainWindow) {
    click(QStringLiteral("btnViewFile"));
    waitShown();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(title(), QStringLiteral("Master Alphabetical List (30)"));
    EXPECT_TRUE(control("VScroll1")->hasFocus());
    EXPECT_TRUE(firstLine().startsWith(QStringLiteral("00 1001  Name1001, Ann")));
    EXPECT_EQ(control<QPlainTextEdit>("Info")->toPlainText().count(u'\n'), 25);  // 26 lines

    key(Qt::Key_Down);
    EXPECT_TRUE(firstLine().startsWith(QStringLiteral("00 1002 ")));
    EXPECT_EQ(control<QScrollBar>("VScroll1")->value(), 2);
    key(Qt::Key_End);
    EXPECT_TRUE(firstLine().startsWith(QStringLiteral("00 1030 ")));
    key(Qt::Key_PageUp);  // does nothing here
    EXPECT_TRUE(firstLine().startsWith(QStringLiteral("00 1030 ")));
    key(Qt::Key_F1);
    EXPECT_EQ(t.dialogs.messages().last(), QStringLiteral("Help for Viewing Reports"));

    app.view.CurIndexPos = 17;
    key(Qt::Key_Escape);
    QTest::qWait(10);
    EXPECT_EQ(window(), nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(app.view.ReportKind, QStringLiteral("alpha"));
    EXPECT_EQ(app.view.CurIndexPos, 1);
    EXPECT_EQ(text(QStringLiteral("RNum")), QStringLiteral("1001"));
}

TEST_F(PrintReportsTest, MasterListAndTheSavedFilterFromTheMenus) {
    trigger(QStringLiteral("mnuPreBap"));
    waitShown();
    EXPECT_EQ(title(), QStringLiteral("Baptism List (10)"));
    EXPECT_TRUE(firstLine().contains(QStringLiteral("Name1003, Ann*")));

    click_(control<QPushButton>("MasterListButton"));
    EXPECT_EQ(title(), QStringLiteral("Master Alphabetical List (30)"));
    EXPECT_EQ(control<QLineEdit>("txtInstructions")->text(), QStringLiteral("# -Baptism Date Set"));

    click_(control<QCheckBox>("ChkSaveFilter"));
    EXPECT_FALSE(app.program.DropFilterOnExit);
    click_(control<QPushButton>("CloseBut"));
    QTest::qWait(10);
    EXPECT_EQ(window(), nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(app.view.ReportKind, QStringLiteral("alphafilter"));
    EXPECT_TRUE(widget(QStringLiteral("ShowAll"))->isVisible());
}

TEST_F(PrintReportsTest, ZipListStandsBesideTheMainWindowAndReloadsForTheNextPreview) {
    trigger(QStringLiteral("mnuPreZipMaster"));
    waitShown();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(title(), QStringLiteral("Zipcode List (30)"));
    PrintReports* first = window();
    control<QScrollBar>("VScroll1")->setValue(9);

    form->activateWindow();
    trigger(QStringLiteral("mnuPreInt"));
    waitShown();
    EXPECT_EQ(window(), first);
    EXPECT_EQ(title(), QStringLiteral("Priority Interest List (10)"));
    EXPECT_EQ(control<QScrollBar>("VScroll1")->value(), 1);
    EXPECT_FALSE(form->isVisible());

    // The attendance screen's command closes it the way Close does.
    app.hooks.closePrintReports();
    QTest::qWait(10);
    EXPECT_EQ(window(), nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(app.view.ReportKind, QStringLiteral("alpha"));
}

TEST_F(PrintReportsTest, AFailingPageIsReportedOnceAndTheWindowGoesOn) {
    click(QStringLiteral("btnViewFile"));
    waitShown();
    app.view.ReportIndex[3] = app.view.ReportIndex[3].left(app.view.ReportIndex[3].size() - 4) + "9999";
    const auto before = t.dialogs.shown().size();
    key(Qt::Key_Down);
    ASSERT_EQ(t.dialogs.shown().size(), before + 1);
    EXPECT_TRUE(t.dialogs.last().text.startsWith(QStringLiteral("Error # ")));
    EXPECT_TRUE(window()->isVisible());
    key(Qt::Key_Escape);
    QTest::qWait(10);
    EXPECT_EQ(window(), nullptr);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(PrintReportsTest, PrintPrintsThePreviewAndTheWindowStays) {
    trigger(QStringLiteral("mnuPreBap"));
    waitShown();
    t.dialogs.print(PrinterChoice());
    click_(control<QPushButton>("btnPrint"));
    ASSERT_EQ(t.printer.documents().size(), 1);
    EXPECT_TRUE(DumpDocuments(t.printer).contains(QLatin1String("|spring Baptisms and Profession of Faith (*)|")));
    EXPECT_TRUE(t.dialogs.messages().isEmpty());
    EXPECT_FALSE(app.view.IndexBuilt);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(title(), QStringLiteral("Baptism List (10)"));
}

TEST_F(PrintReportsTest, StatisticsButtonCallsItsHook) {
    int calls = 0;
    app.hooks.showCrusadeStatistics = [&] { ++calls; };
    app.hooks.openPrintReports();
    waitShown();
    ASSERT_TRUE(control("Command1")->isEnabled());
    click_(control<QPushButton>("Command1"));
    EXPECT_EQ(calls, 1);
}

}  // namespace

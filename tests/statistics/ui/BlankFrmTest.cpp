// The statistics window over the main window: opened from the menu and the toolbar,
// printing from it, Cancel in the printer dialog, Close and a new start, the record on the
// main window left alone, and the drawing within the screen, scrolling, and clear of
// itself in the real font.

#include "../../mainwindow/ui/OpenWindow.h"
#include "../StatsFixture.h"

#include "platform/ui/QtDrawingSurface.h"
#include "statistics/Stats.h"
#include "statistics/ui/BlankFrm.h"

#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

namespace fennick::test {
namespace {

class BlankFrmTest : public OpenWindow {
protected:
    // The statistics fixture; record 3 (Carl Cole) carries the interest-card flag.
    CrusadeSpec crusade() const override {
        CrusadeSpec s;
        s.records = StatsRecords();
        s.records[2].CardPrinted = -1;
        s.lastMeeting = 12;
        return s;
    }
    void SetUp() override {
        OpenWindow::SetUp();
        BlankFrm::install(app, form.get());
    }
    void TearDown() override {
        if (BlankFrm* w = window()) delete w;
        OpenWindow::TearDown();
    }

    // The statistics window, when there is one.
    BlankFrm* window() const {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* b = qobject_cast<BlankFrm*>(w)) return b;
        return nullptr;
    }
    QPushButton* button(const char* name) const {
        return window()->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QStringList texts() const {
        QStringList out;
        for (const PrintedItem& it : window()->surface().displayList()) out << it.text;
        return out;
    }
    PrinterChoice pdf() const {
        PrinterChoice c;
        c.toPdf = true;
        c.pdfPath = t.path(QStringLiteral("stats.pdf"));
        return c;
    }
    void settle() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTest::qWait(20);
    }
};

TEST_F(BlankFrmTest, StatisticsFromTheMenuAndTheToolbarShowTheReport) {
    trigger(QStringLiteral("mnuStats"));
    BlankFrm* w = window();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("spring Statistical Report"));
    EXPECT_EQ(button("btnSwitchStats")->text(), QStringLiteral("Visitation Stats"));
    EXPECT_TRUE(w->ShowingStats);
    EXPECT_TRUE(texts().contains(QStringLiteral("Religious Prefrence      Baptisms")));
    EXPECT_TRUE(texts().contains(QStringLiteral("Total Names: ")));
    EXPECT_TRUE(form->isVisible());  // modeless: the main window stays

    // The toolbar button and the report window's command use the same window.
    click(QStringLiteral("btnStats"));
    EXPECT_EQ(window(), w);
    app.hooks.showCrusadeStatistics();
    EXPECT_EQ(window(), w);
    EXPECT_TRUE(t.dialogs.messages().isEmpty());
}

TEST_F(BlankFrmTest, TheSwitchAlternatesTheReportsAndPrintsTheOneShown) {
    const QString note = QStringLiteral("(You must use Printer to see teams 21-40)");
    trigger(QStringLiteral("mnuStats"));
    BlankFrm* w = window();
    ASSERT_NE(w, nullptr);
    for (int i = 0; i < 2; ++i) {
        QTest::mouseClick(button("btnSwitchStats"), Qt::LeftButton);
        EXPECT_EQ(window(), w);
        EXPECT_FALSE(w->ShowingStats);
        EXPECT_EQ(w->windowTitle(), QStringLiteral("spring Visitation Report"));
        EXPECT_EQ(button("btnSwitchStats")->text(), QStringLiteral("Attendance Stats"));
        EXPECT_TRUE(texts().contains(note));
        EXPECT_FALSE(texts().contains(QStringLiteral("Religious Prefrence      Baptisms")));

        QTest::mouseClick(button("btnSwitchStats"), Qt::LeftButton);
        EXPECT_TRUE(w->ShowingStats);
        EXPECT_EQ(w->windowTitle(), QStringLiteral("spring Statistical Report"));
        EXPECT_EQ(button("btnSwitchStats")->text(), QStringLiteral("Visitation Stats"));
        EXPECT_FALSE(texts().contains(note));
    }

    // Printed from the visitation report: its page, and the window shows it again.
    QTest::mouseClick(button("btnSwitchStats"), Qt::LeftButton);
    t.dialogs.print(pdf());
    QTest::mouseClick(button("PrintStatsBut"), Qt::LeftButton);
    ASSERT_EQ(t.printer.documents().size(), 1);
    EXPECT_EQ(t.printer.documents().first().items.first().text, QStringLiteral("spring Visitation Report"));
    EXPECT_TRUE(texts().contains(note));
    EXPECT_TRUE(t.dialogs.messages().isEmpty());
}

TEST_F(BlankFrmTest, TheMainWindowsVisitationChartAndCountCommands) {
    trigger(QStringLiteral("mnuWkrStats"));
    ASSERT_NE(window(), nullptr);
    EXPECT_FALSE(window()->ShowingStats);
    EXPECT_EQ(button("btnSwitchStats")->text(), QStringLiteral("Attendance Stats"));

    click(QStringLiteral("btnExcel"));
    EXPECT_EQ(t.shell.opened, QStringList{t.path(QStringLiteral("FennickStatsPackage.xls"))});
    EXPECT_TRUE(QFile::exists(t.path(QStringLiteral("StatData.txt"))));

    trigger(QStringLiteral("mnuInfo"));
    trigger(QStringLiteral("mnuCntWorkers"));
    ASSERT_EQ(t.dialogs.shown().size(), 2);
    EXPECT_EQ(t.dialogs.shown()[0].title, QStringLiteral("File Information"));
    EXPECT_EQ(t.dialogs.shown()[1].title, QStringLiteral("Worker Information"));
}

TEST_F(BlankFrmTest, ThePrintButtonPrintsOnePageAndDrawsTheReportAgain) {
    trigger(QStringLiteral("mnuStats"));
    const QStringList before = texts();
    t.dialogs.print(pdf());
    QTest::mouseClick(button("PrintStatsBut"), Qt::LeftButton);

    ASSERT_EQ(t.printer.documents().size(), 1);
    EXPECT_EQ(t.printer.documents().first().pageCount, 1);
    EXPECT_EQ(t.printer.documents().first().items.first().text, QStringLiteral("spring Statistical Report"));
    EXPECT_EQ(t.printer.jobs().first().pdfPath, pdf().pdfPath);
    EXPECT_EQ(app.msg.MsgText, QStringLiteral("Stats"));  // set just before the window is drawn again
    EXPECT_EQ(texts(), before);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_FALSE(t.dialogs.pending());
    EXPECT_TRUE(t.dialogs.messages().isEmpty());
}

TEST_F(BlankFrmTest, CancelInThePrinterDialogPrintsNothingAndLeavesNoDocument) {
    trigger(QStringLiteral("mnuStats"));
    t.dialogs.print(std::nullopt);
    QTest::mouseClick(button("PrintStatsBut"), Qt::LeftButton);

    EXPECT_TRUE(t.printer.documents().isEmpty());
    EXPECT_TRUE(t.printer.document().items.isEmpty());
    EXPECT_EQ(t.printer.document().pageCount, 0);
    EXPECT_TRUE(t.dialogs.messages().isEmpty());
    EXPECT_TRUE(window()->isVisible());
    EXPECT_FALSE(texts().isEmpty());
}

TEST_F(BlankFrmTest, AFailingPrintIsReportedOnceAndTheWindowGoesOn) {
    trigger(QStringLiteral("mnuStats"));
    const QStringList before = texts();
    app.crusade.file.close();  // the pass over the records fails
    QTest::mouseClick(button("PrintStatsBut"), Qt::LeftButton);

    ASSERT_EQ(t.dialogs.messages().size(), 1);
    EXPECT_TRUE(t.dialogs.messages().first().startsWith(QStringLiteral("Error #  52 was generated by Fennick95")))
        << t.dialogs.messages().first().toStdString();
    EXPECT_TRUE(t.printer.documents().isEmpty());
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(texts(), before);
    QPointer<BlankFrm> w = window();
    QTest::mouseClick(button("CloseStatsBut"), Qt::LeftButton);
    settle();
    EXPECT_TRUE(w.isNull());
}

TEST_F(BlankFrmTest, CloseAndANewStatisticsStartAfresh) {
    trigger(QStringLiteral("mnuStats"));
    QPointer<BlankFrm> first = window();
    QTest::mouseClick(button("CloseStatsBut"), Qt::LeftButton);
    settle();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(window(), nullptr);

    app.settings.CrusadeName = QStringLiteral("Autumn");
    trigger(QStringLiteral("mnuStats"));
    BlankFrm* second = window();
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(second->windowTitle(), QStringLiteral("Autumn Statistical Report"));
    EXPECT_EQ(button("btnSwitchStats")->text(), QStringLiteral("Visitation Stats"));
    EXPECT_TRUE(second->ShowingStats);
    EXPECT_TRUE(texts().contains(QStringLiteral("Total Names: ")));
}

TEST_F(BlankFrmTest, TheRecordOnTheMainWindowIsLeftAloneByThePass) {
    // Adams is shown; the record read last by a pass over the file carries another
    // interest-card flag. A save after the statistics keeps the shown record's own.
    const qint32 shownNo = app.crusade.CurRecNo;
    const AttendeeRecord shown = app.crusade.CurRecord;
    ASSERT_EQ(onFile(shownNo).CardPrinted, 0);
    trigger(QStringLiteral("mnuStats"));
    EXPECT_TRUE(app.crusade.CurRecord == shown);
    EXPECT_EQ(app.crusade.CurRecNo, shownNo);

    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    retype(QStringLiteral("City"), QStringLiteral("Decatur"));
    trigger(QStringLiteral("mnuNextRecord"));
    const AttendeeRecord saved = onFile(shownNo);
    EXPECT_EQ(saved.City.trimmed(), QByteArray("Decatur"));
    EXPECT_EQ(saved.CardPrinted, 0);
    EXPECT_EQ(onFile(3).CardPrinted, -1);
}

TEST_F(BlankFrmTest, TheDrawingScrollsInsideAWindowThatFitsTheScreen) {
    app.settings.LastMeeting = 40;
    trigger(QStringLiteral("mnuStats"));
    BlankFrm* w = window();
    ASSERT_NE(w, nullptr);
    QTest::qWait(20);
    EXPECT_LE(w->frameGeometry().width(), 1366);
    EXPECT_LE(w->frameGeometry().height(), 768);
    // Forty meeting lines run past the window's bottom: the drawing scrolls to them.
    QScrollArea* area = w->scrollArea();
    EXPECT_GT(area->widget()->height(), area->viewport()->height());
    EXPECT_TRUE(area->verticalScrollBar()->isVisible());
    EXPECT_GT(area->verticalScrollBar()->maximum(), 0);
    double bottomMm = 0;  // the spread's last line
    for (const PrintedItem& it : w->surface().displayList()) bottomMm = std::max(bottomMm, it.y);
    EXPECT_GT(bottomMm * w->logicalDpiY() / 25.4, area->viewport()->height());
}

// The visitation report is wider than the window's designed size: the window widens to
// show all of it within the screen instead of scrolling sideways by a few millimetres
// (a scroll bar whose thumb fills nearly all of it reads as one with its thumb at the
// right). Narrowed by the user, the window keeps its width, starts at the left of the
// drawing, and moving the bar to the right shows the drawing further right.
TEST_F(BlankFrmTest, TheVisitationReportShowsItsWholeWidthAndScrollsSidewaysTheRightWay) {
    trigger(QStringLiteral("mnuWkrStats"));
    BlankFrm* w = window();
    ASSERT_NE(w, nullptr);
    QTest::qWait(20);
    QScrollArea* area = w->scrollArea();
    QScrollBar* bar = area->horizontalScrollBar();
    EXPECT_LE(area->widget()->width(), area->viewport()->width());
    EXPECT_EQ(bar->maximum(), 0);
    EXPECT_LE(w->frameGeometry().width(), w->screen()->availableGeometry().width());
    EXPECT_GE(w->frameGeometry().left(), w->screen()->availableGeometry().left());

    w->resize(400, w->height());
    trigger(QStringLiteral("mnuWkrStats"));  // drawn again
    QTest::qWait(20);
    EXPECT_EQ(w->width(), 400);
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->minimum());
    EXPECT_EQ(area->widget()->x(), 0);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_GT(bar->value(), bar->minimum());
    EXPECT_LT(area->widget()->x(), 0);
}

// Both reports in the window's real font, with team names as long as crusades give them:
// no text runs into the next one on its line or up to a column's rule.
TEST_F(BlankFrmTest, ColumnsStandClearOfEachOtherInTheWindowsFont) {
    for (QString& name : app.settings.TeamNames) name = QStringLiteral("Men's Ministry Outreach Team:555-0123");
    for (const char* report : {"mnuStats", "mnuWkrStats"}) {
        SCOPED_TRACE(report);
        trigger(QLatin1String(report));
        const DrawingSurface& surface = window()->surface();
        QList<PrintedItem> items = surface.displayList();
        ASSERT_FALSE(items.isEmpty());
        std::stable_sort(items.begin(), items.end(),
                         [](const PrintedItem& a, const PrintedItem& b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
        QList<PrintedItem> rules;
        for (const PrintedItem& it : items)
            if (it.kind == PrintedItem::Kind::Line && it.x == it.x2) rules << it;
        for (qsizetype i = 0; i < items.size(); ++i) {
            const PrintedItem& a = items[i];
            if (a.kind != PrintedItem::Kind::Text) continue;
            // Texts are in the window's font, some of them condensed.
            const double stretch = StretchFactor(a.font);
            if (i + 1 < items.size() && items[i + 1].y == a.y) {
                EXPECT_LE(a.x + stretch * surface.textWidth(a.text), items[i + 1].x + 0.01)
                    << '"' << a.text.toStdString() << "\" runs into \"" << items[i + 1].text.toStdString() << '"';
            }
            const double right = a.x + stretch * surface.textWidth(a.text.trimmed() + u' ');  // a blank before a rule
            for (const PrintedItem& rule : rules)
                EXPECT_FALSE(a.x < rule.x && rule.x < right && rule.y <= a.y && a.y < rule.y2)
                    << '"' << a.text.toStdString() << "\" crosses the rule at " << rule.x;
        }
        // The tallest column ends above the buttons (the list is sorted top to bottom).
        EXPECT_LT((items.last().y + surface.textHeight()) * window()->logicalDpiY() / 25.4,
                  window()->scrollArea()->viewport()->height() + 1);
    }
}

}  // namespace
}  // namespace fennick::test

// The statistics command by mode: what reaches the window and the printer, Cancel in the
// printer dialog, and printer errors injected while the page is drawn and as it is
// delivered.

#include "StatsFixture.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "statistics/Stats.h"

namespace fennick::test {
namespace {

// A recording printer that fails on request while the page is being drawn (when a text
// is measured after something was printed), or, through failDeliveries, as the finished
// page is delivered.
class FailingPrinter : public FakePrinter {
public:
    enum class Fail { Never, WhileDrawing, OnDelivery };
    void failOn(Fail f) {
        fail_ = f;
        failDeliveries = f == Fail::OnDelivery ? 1 : 0;
    }

    double textWidth(const QString& text) const override {
        if (fail_ == Fail::WhileDrawing && !document().items.isEmpty())
            throw VbError(err::PrinterError, QStringLiteral("Printer error"));
        return FakePrinter::textWidth(text);
    }

private:
    Fail fail_ = Fail::Never;
};

// The fixture crusade over that printer, with a statistics window that records.
struct StatsRun {
    explicit StatsRun(qint16 lastMeeting = 12) {
        app.program.DataFile = t.path(QStringLiteral("stats.dta"));
        WriteDataFile(app.program.DataFile, StatsRecords());
        OpenDataFile(app);
        SetStatsVocabulary(app, lastMeeting);
        app.hooks.statsWindow = [this] { return &screen; };
        app.crusade.CurRecord = ReadRecord(app, 3);
        app.crusade.CurRecord.CardPrinted = -1;
        app.crusade.CurRecNo = 3;
    }
    int printerDialogs() const {
        int n = 0;
        for (const auto& s : t.dialogs.shown()) n += s.kind == FakeDialogs::Kind::Printer;
        return n;
    }

    FailingPrinter printer;
    TestApp t{&printer};
    App& app = t.app;
    RecordingStatsScreen screen;
};

PrinterChoice ToPdf(int copies = 1) {
    PrinterChoice c;
    c.toPdf = true;
    c.pdfPath = QStringLiteral("/tmp/stats.pdf");
    c.copies = copies;
    c.fromPage = 2;
    return c;
}

TEST(Stats, EachModeReachesTheWindowAndThePrinterAsItShould) {
    const struct {
        int mode;
        int drawings, printed;
    } rows[] = {
        {kStatsOnWindow, 1, 0},
        {kStatsPrinted, 2, 1},  // drawn, printed, drawn again
        {kStatsFileOnly, 0, 0},
        {1, 2, 1},  // any other value prints
        {5, 2, 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.mode);
        StatsRun s;
        const AttendeeRecord shown = s.app.crusade.CurRecord;
        if (r.printed) s.t.dialogs.print(ToPdf(3));
        Stats(s.app, r.mode);

        ASSERT_EQ(s.screen.drawings.size(), r.drawings);
        ASSERT_EQ(s.printer.documents().size(), r.printed);
        EXPECT_EQ(s.printerDialogs(), r.printed);
        EXPECT_FALSE(s.t.dialogs.pending());
        EXPECT_TRUE(s.t.dialogs.messages().isEmpty());
        EXPECT_TRUE(s.app.crusade.CurRecord == shown);
        if (r.drawings > 0) {
            EXPECT_EQ(s.screen.shown, StatsScreen::Report::Statistics);
            EXPECT_TRUE(s.screen.ShowingStats);
            EXPECT_EQ(s.screen.drawings.first().size(), s.screen.drawings.last().size());
            EXPECT_EQ(DumpDrawing(s.screen.drawings.first()), DumpDrawing(s.screen.drawings.last()));
        }
        EXPECT_EQ(s.screen.runs, 0);
        if (!r.printed) continue;
        const PrintedDocument& page = s.printer.documents().first();
        EXPECT_EQ(page.pageCount, 1);
        ASSERT_GE(page.items.size(), 2);
        EXPECT_EQ(page.items[0].text, QStringLiteral("Spring Statistical Report"));
        EXPECT_EQ(page.items[1].text, QStringLiteral("Monday, March 9, 2026"));
        EXPECT_EQ(s.app.msg.MsgText, QStringLiteral("Stats"));
        // The page goes where the dialog said, once and whole.
        EXPECT_TRUE(s.printer.job().toPdf);
        EXPECT_EQ(s.printer.job().pdfPath, QStringLiteral("/tmp/stats.pdf"));
        EXPECT_EQ(s.printer.job().copies, 1);
        EXPECT_EQ(s.printer.job().fromPage, 1);
    }
}

TEST(Stats, CancelInThePrinterDialogPrintsNothingAndLeavesNoDocument) {
    StatsRun s;
    // Left over from an unfinished printout: it must not go out with a later page.
    s.printer.printOnLine(QStringLiteral("half a page"));
    s.t.dialogs.print(std::nullopt);
    Stats(s.app, kStatsPrinted);

    EXPECT_EQ(s.printerDialogs(), 1);
    EXPECT_TRUE(s.printer.documents().isEmpty());
    EXPECT_TRUE(s.printer.document().items.isEmpty());
    EXPECT_EQ(s.printer.document().pageCount, 0);
    EXPECT_EQ(s.screen.drawings.size(), 1);  // no drawing after the printing
    EXPECT_TRUE(s.t.dialogs.messages().isEmpty());
}

// An error while drawing ends the run silently; a page that could not be delivered is told
// once.
TEST(Stats, APrinterErrorEndsTheRunAndDropsThePage) {
    for (const auto fail : {FailingPrinter::Fail::WhileDrawing, FailingPrinter::Fail::OnDelivery}) {
        SCOPED_TRACE(int(fail));
        StatsRun s;
        s.printer.failOn(fail);
        s.t.dialogs.print(ToPdf());
        Stats(s.app, kStatsPrinted);

        EXPECT_TRUE(s.printer.documents().isEmpty());
        EXPECT_TRUE(s.printer.document().items.isEmpty());
        EXPECT_EQ(s.screen.drawings.size(), 1);
        EXPECT_EQ(s.t.dialogs.messages(),
                  fail == FailingPrinter::Fail::OnDelivery ? QStringList{FailedDeliveryMessage()} : QStringList());
        EXPECT_EQ(s.screen.runs, 0);

        // The next printout carries nothing of the failed one.
        s.printer.failOn(FailingPrinter::Fail::Never);
        s.t.dialogs.print(ToPdf());
        Stats(s.app, kStatsPrinted);
        StatsRun clean;
        clean.t.dialogs.print(ToPdf());
        Stats(clean.app, kStatsPrinted);
        ASSERT_EQ(s.printer.documents().size(), 1);
        EXPECT_EQ(DumpDocuments(s.printer), DumpDocuments(clean.printer));
    }
}

TEST(Stats, TheCommandsShowTheStatisticsOnTheWindow) {
    StatsRun s;
    s.screen.ShowingStats = false;
    ShowCrusadeStatistics(s.app);
    EXPECT_TRUE(s.screen.ShowingStats);
    EXPECT_EQ(s.screen.drawings.size(), 1);

    // Without a window the run makes its pass and draws nothing.
    s.app.hooks.statsWindow = nullptr;
    Stats(s.app, kStatsOnWindow);
    EXPECT_EQ(s.screen.drawings.size(), 1);
}

}  // namespace
}  // namespace fennick::test

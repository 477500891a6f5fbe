// The one-line list reports on the recording printer: golden documents of each layout,
// the page loop with page range, copies and Cancel, and the faults they must not repeat.

#include "ReportFixture.h"
#include "data/BulkWrite.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "views/AttendanceViews.h"
#include "views/MailViews.h"
#include "views/PersonViews.h"
#include "views/VisitationViews.h"

#include <gtest/gtest.h>

#include <functional>

namespace fennick::test {
namespace {

// Records for the baptism-date list besides the fixture's: two people baptized on one
// date, one whose baptism and uniting are marked (no markers) and one with neither.
QList<AttendeeRecord> BaptismPeople() {
    return FixtureWith({
        Rec("0301", "Ada", "Lane").nights("111").level("G").bapt("12/25/03").decisions("----B---U"),
        Rec("0302", "Ben", "Lane").nights("111").level("C").bapt("4/2/26").decisions("----B----"),
    });
}

// Canadian postal codes: grouped by their first three characters.
QList<AttendeeRecord> CanadianPeople() {
    return {
        Rec("0401", "Amy", "Roy").nights("1111").zip("K1A 0B1").address("1 Rue Nord"),
        Rec("0402", "Guy", "Roy").nights("1111").zip("K1A 0B2").address("3 Rue Nord"),
        Rec("0403", "Noe", "Tam").nights("11111").zip("M5V 2T6").address("9 King St"),
    };
}

struct GoldenCase {
    const char* golden;
    std::function<QList<AttendeeRecord>()> records;
    std::function<void(ReportFixture&)> before;  // settings, the view, dialog answers
    int type;
    bool fromPrintButton;
    int typeAfter;
};

TEST(OneLineReports, PrintTheirGoldenDocuments) {
    const GoldenCase cases[] = {
        {"alpha_two_pages", [] { return FixtureWith(MorePeople(45)); }, nullptr, 1, false, 1},
        {"attend_sabbath", FixtureRecords,
         [](ReportFixture& f) {
             f.app.settings.SabbathMeetings = {4, 8, 12, 16};
         },
         2, false, 2},
        {"zip", FixtureRecords, nullptr, 4, false, 4},
        {"zip_canadian", CanadianPeople, [](ReportFixture& f) { f.app.settings.CanadianZip = true; }, 4, false, 4},
        {"baptism_dates", BaptismPeople, nullptr, 5, false, 5},
        {"bapt_class_days", FixtureRecords, [](ReportFixture& f) { IndexBaptismClass(f.app); }, 10, true, 10},
        {"notes",
         [] {
             return FixtureWith({Rec("0501", "Pat", "Moss").nights("11").notes("Wants Bible studies").interview(1),
                                 Rec("0502", "Viv", "Moss").nights("11").notes("  Call after 6  ")});
         },
         [](ReportFixture& f) { IndexNotes(f.app); }, 10, true, 10},
        {"total_equal_print_button", FixtureRecords,
         [](ReportFixture& f) {
             f.app.view.FilterChoice = QStringLiteral("equal");
             IndexTotalAttend(f.app, false);
             // The decision scan leaves its loop counter where the comparison word once was.
             f.app.msg.ScratchVar = QStringLiteral("10");
         },
         13, true, 13},
        {"bible_school", FixtureRecords, nullptr, 7, false, 1},
        {"need_interview", FixtureRecords, [](ReportFixture& f) { IndexNeedInterview(f.app, true); }, 10, true, 6},
    };
    for (const GoldenCase& c : cases) {
        SCOPED_TRACE(c.golden);
        ReportFixture f(c.records());
        if (c.before) c.before(f);
        f.choosePrinter();
        const AttendeeRecord shown = f.app.crusade.CurRecord;
        const int after = c.fromPrintButton ? f.printBuilt(c.type) : f.print(c.type);
        EXPECT_EQ(after, c.typeAfter);
        EXPECT_TRUE(MatchesGolden(f.dump(), Golden(c.golden)));
        EXPECT_TRUE(f.app.crusade.CurRecord == shown);
        EXPECT_EQ(f.app.crusade.CurRecNo, 2);
        EXPECT_TRUE(f.t.dialogs.messages().isEmpty()) << f.t.dialogs.messages().join(" / ").toStdString();
        EXPECT_FALSE(f.t.dialogs.pending());
    }
}

// The items of one page of the only document, as dump lines.
QStringList PageLines(const ReportFixture& f, int page) {
    PrinterChoice all;
    all.fromPage = page;
    all.toPage = page;
    return DumpDocument(f.t.printer.documents().front(), all).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

TEST(OneLineReports, PageLoopHonoursTheJobAndCancel) {
    // 19 + 170 names: four pages of the alphabetical list.
    const QList<AttendeeRecord> records = FixtureWith(MorePeople(170));
    // Footers are printed in the font of the line before them.
    const QString footer3 =
        QStringLiteral("text  1.00 25.40  Courier New 7 bold  |Spring Crusade Master Alphabetical List: Page 3|");
    const QString footer4 =
        QStringLiteral("text  1.00 25.40  Courier New 7 bold  |Spring Crusade Master Alphabetical List: Page 4|");
    struct Case {
        const char* name;
        std::optional<PrinterChoice> choice;
        QStringList pageHeads;  // the dump's page lines, in order
        QStringList messages;
    };
    auto job = [](int from, int to, int copies) {
        PrinterChoice c;
        c.fromPage = from;
        c.toPage = to;
        c.copies = copies;
        return std::optional<PrinterChoice>(c);
    };
    const Case cases[] = {
        {"all pages", job(1, 1000, 1), {"page 1", "page 2", "page 3", "page 4"}, {}},
        {"from page 3", job(3, 1000, 1), {"page 3", "page 4"}, {}},
        {"pages 2 to 3", job(2, 3, 1), {"page 2", "page 3"}, {}},
        {"two copies", job(1, 1000, 2),
         {"copy 1 page 1", "copy 1 page 2", "copy 1 page 3", "copy 1 page 4", "copy 2 page 1", "copy 2 page 2",
          "copy 2 page 3", "copy 2 page 4"},
         {}},
        {"first page past the end", job(5, 1000, 1), {},
         {"The page you selected to begin with was greater than the total number of pages available to print."}},
        {"cancel", std::nullopt, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReportFixture f(records);
        f.t.dialogs.print(c.choice);
        f.print(1);
        QStringList heads;
        for (const QString& line : f.dump().split(QLatin1Char('\n')))
            if (line.startsWith(QLatin1String("page")) || line.startsWith(QLatin1String("copy"))) heads << line;
        EXPECT_EQ(heads, c.pageHeads);
        EXPECT_EQ(f.t.dialogs.messages(), c.messages);
        if (!c.messages.isEmpty()) {
            EXPECT_EQ(f.t.dialogs.last().title, QStringLiteral("Print Error"));
            EXPECT_EQ(f.t.dialogs.last().icon, Icon::Critical);
            EXPECT_EQ(f.app.msg.MsgAnswer, QStringLiteral("3"));
        }
        if (c.pageHeads.isEmpty()) {
            EXPECT_EQ(f.documents(), 0);
            EXPECT_TRUE(f.t.printer.document().items.isEmpty());  // nothing carried over
            continue;
        }
        // Footers carry the numbers as drawn: none on page 1, "Page 2" on page 2 and so on.
        ASSERT_EQ(f.documents(), 1);
        EXPECT_EQ(f.t.printer.documents().front().pageCount, 4);
        EXPECT_FALSE(PageLines(f, 1).join('\n').contains(QLatin1String(": Page")));
        EXPECT_TRUE(PageLines(f, 3).contains(footer3));
        EXPECT_TRUE(PageLines(f, 4).contains(footer4));
    }
}

TEST(OneLineReports, TheDialogOffersCopiesAndPagesAndTheHeaderIsDated) {
    ReportFixture f;
    f.t.clock.at = QDateTime(QDate(2026, 3, 9), QTime(9, 0));
    f.choosePrinter();
    f.print(1);
    const FakeDialogs::Shown& dialog = f.t.dialogs.shown().front();
    EXPECT_EQ(dialog.kind, FakeDialogs::Kind::Printer);
    EXPECT_EQ(dialog.printer.copies, 1);
    EXPECT_EQ(dialog.printer.minPage, 1);
    EXPECT_EQ(dialog.printer.maxPage, 1000);
    EXPECT_TRUE(f.dump().contains(QLatin1String("|Monday, March 9, 2026|")));
}

TEST(OneLineReports, AnEmptyListShowsItsMessageAndReturnsToAllNames) {
    ReportFixture f;
    BulkWrite writes1(f.app, QStringLiteral("Clear Markers"), kSourceFennick95);
    ClearMarks(f.app, writes1);
    f.t.dialogs.type(QStringLiteral("Marked"));
    f.print(10);
    EXPECT_EQ(f.t.dialogs.messages(),
              QStringList{QStringLiteral("There were no names in the file that match your search criteria.")});
    EXPECT_EQ(f.showAllCalls, 1);
    EXPECT_EQ(f.app.view.ReportKind, QStringLiteral("alpha"));
    EXPECT_EQ(f.documents(), 0);
}

TEST(OneLineReports, QuestionsCancelledPrintNothing) {
    struct Case {
        const char* name;
        std::function<void(ReportFixture&)> answer;
        int type;
        const char* message;  // shown by the view builder, or nothing
    } const cases[] = {
        {"no night", [](ReportFixture& f) { f.t.dialogs.type(QString()); }, 12, nullptr},
        {"comparison cancelled",
         [](ReportFixture& f) { f.app.hooks.showAttendanceFilters = [&f] { f.app.msg.ScratchVar = QStringLiteral("cancel"); }; },
         13, nullptr},
        // Nobody attended exactly 99 nights: the builder returns to all names, which are
        // not to be printed under "Attending 99 Meetings".
        {"nobody found",
         [](ReportFixture& f) {
             f.app.settings.TotalAttendNum = 99;
             f.app.hooks.showAttendanceFilters = [&f] { f.app.msg.ScratchVar = QStringLiteral("equal"); };
         },
         13, "There are no names to view."},
        {"title cleared", [](ReportFixture& f) { f.t.dialogs.type(QString()); }, 10, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReportFixture f;
        c.answer(f);
        f.print(c.type);
        EXPECT_EQ(f.documents(), 0);
        for (const FakeDialogs::Shown& s : f.t.dialogs.shown()) EXPECT_NE(s.kind, FakeDialogs::Kind::Printer);
        EXPECT_EQ(f.t.dialogs.messages(), c.message ? QStringList{QString::fromLatin1(c.message)} : QStringList{});
        EXPECT_FALSE(f.t.dialogs.pending());
    }
}

// The texts printed at x = 0.6 in the list fonts: the name fields, in order.
QStringList NameFields(const ReportFixture& f) {
    QStringList out;
    for (const PrintedItem& it : f.t.printer.documents().front().items)
        if (it.kind == PrintedItem::Kind::Text && qAbs(it.x - 0.6) < 1e-9 && it.font.face == QLatin1String("Times New Roman"))
            out << it.text.trimmed();
    return out;
}

TEST(OneLineReports, TheTitledViewIsTheOnePrinted) {
    // From the Print button a view outside the table of kinds prints as previewed, under
    // the title typed; from the menu "Special Marked Names" prints the marked names
    // whatever view is current.
    {
        ReportFixture f;
        IndexAge(f.app);
        const int ageNames = f.app.view.ReportCount;
        f.t.dialogs.type(QStringLiteral("Names by Age"));
        f.choosePrinter();
        f.printBuilt(10);
        EXPECT_EQ(f.t.dialogs.shown().front().defaultText, QStringLiteral("Spring Crusade Names Selected From the Main File"));
        EXPECT_EQ(f.t.dialogs.shown().front().title, QStringLiteral("Report Title"));
        EXPECT_EQ(f.app.view.ReportKind, QStringLiteral("age"));
        ASSERT_EQ(f.documents(), 1);
        EXPECT_EQ(f.t.printer.documents().front().items.front().text, QStringLiteral("Names by Age"));
        EXPECT_EQ(NameFields(f).size(), ageNames);
    }
    {
        ReportFixture f;
        IndexMailList(f.app);
        f.t.dialogs.type(QStringLiteral("Visit These"));
        f.choosePrinter();
        f.print(10);
        EXPECT_EQ(f.app.view.ReportKind, QStringLiteral("marked"));
        ASSERT_EQ(f.documents(), 1);
        EXPECT_EQ(NameFields(f), (QStringList{"12 0110 Brown, Tim", "12 0109 Brown, Tom"}));
    }
}

TEST(OneLineReports, KeysOutsideTheirTablesGiveEmptyTexts) {
    // Hand-made views whose entries do not carry what the layouts read: a last night of
    // 999 - 0 and an appointment time 99.
    ReportFixture f;
    CurrentView& v = f.app.view;
    v.ReportKind = QStringLiteral("attend");
    v.ReportIndex = {QByteArray(), Entry("0101", {"000SMITHJoh"}, 1), Entry("0102", {"988JOHNSMar"}, 2)};
    v.ReportCount = 2;
    f.choosePrinter();
    f.printBuilt(2);
    const QString doc = f.dump();
    EXPECT_TRUE(doc.contains(QLatin1String("|Missing Since Meeting # 999:      (1)|"))) << doc.toStdString();
    EXPECT_TRUE(doc.contains(QLatin1String("|Missing Since Meeting # 11: Three Angels     (1)|")));

    ReportFixture g;
    CurrentView& w = g.app.view;
    w.ReportKind = QStringLiteral("BaptClass");
    w.ReportIndex = {QByteArray(), Entry("0103", {"A399JOHNSONVILLEMar"}, 3), Entry("0110", {"A703BROWNTim"}, 10)};
    w.ReportCount = 2;
    g.choosePrinter();
    g.printBuilt(10);
    QStringList times;
    for (const PrintedItem& it : g.t.printer.documents().front().items)
        if (qAbs(it.x - 2.0) < 1e-9) times << it.text;
    // The first entry's time 99 has no text; the second's time 3 follows without free
    // slots, as 99 lies beyond the table; day 7 has no name.
    EXPECT_EQ(times, QStringList{g.app.settings.MeetingTimes[3]});
    EXPECT_FALSE(g.dump().contains(QLatin1String("|Sunday")));
}

TEST(OneLineReports, AFailedDeliveryIsThrownAndLeavesNothingBehind) {
    ReportFixture f;
    f.t.printer.failDeliveries = 1;
    f.choosePrinter();
    int type = 1;
    try {
        PrintOneLineReport(f.app, type);
        FAIL() << "no error";
    } catch (const VbError& e) {
        EXPECT_EQ(e.number(), err::PrinterError);
    }
    EXPECT_EQ(f.documents(), 0);
    EXPECT_EQ(f.t.dialogs.messages(), QStringList{FailedDeliveryMessage()});  // told once, where the print ended

    // The next report starts on a fresh document.
    f.choosePrinter();
    f.print(11);
    ASSERT_EQ(f.documents(), 1);
    EXPECT_EQ(f.t.printer.documents().front().items.front().text, QStringLiteral("Spring Crusade Adventist Names"));
}

TEST(OneLineReports, AnUnreadableRecordIsThrownBeforeThePrinterDialog) {
    ReportFixture f;
    IndexAlpha(f.app);
    f.app.view.ReportIndex[3] = Entry("0999", {"NOBODY"}, 999);  // no such record
    EXPECT_THROW(f.printBuilt(1), VbError);
    EXPECT_TRUE(f.t.dialogs.shown().empty());
    EXPECT_EQ(f.documents(), 0);
}

}  // namespace
}  // namespace fennick::test

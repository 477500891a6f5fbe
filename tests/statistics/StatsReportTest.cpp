// The statistical report on the window and on paper: golden dumps of both layouts for the
// fixture, and the cells whose divisor is 0.

#include "StatsFixture.h"
#include "statistics/CrusadeTallies.h"
#include "statistics/StatsPrintout.h"
#include "statistics/StatsReport.h"

namespace fennick::test {
namespace {

struct Layout {
    const char* name;  // golden files <name>.window.txt and <name>.page.txt
    QList<AttendeeRecord> records;
    qint16 lastMeeting;
};

QList<PrintedItem> WindowItems(const CrusadeSettings& s, const CrusadeTallies& t) {
    RecordingSurface surface;
    surface.setFont(kStatsWindowFont);
    DrawStatsReport(surface, s, t);
    return surface.displayList();
}

PrintedDocument PageDocument(const CrusadeSettings& s, const CrusadeTallies& t) {
    RecordingPrinter printer;
    PrintStatsPage(printer, s, t, QStringLiteral("Monday, March 9, 2026"));
    printer.endDoc();
    EXPECT_EQ(printer.documents().size(), 1);
    return printer.documents().value(0);
}

TEST(StatsReport, WindowAndPageMatchTheirGoldenDumps) {
    const Layout layouts[] = {
        {"meeting1", StatsRecords(), 1},
        {"meeting3", StatsRecords(), 3},
        {"meeting12", StatsRecords(), 12},
        {"nobaptisms", NoBaptismRecords(), 12},
    };
    for (const Layout& l : layouts) {
        SCOPED_TRACE(l.name);
        StatsCrusade f(l.records, l.lastMeeting);
        const CrusadeTallies t = CrusadeStatisticsPass(f.app);
        const QString name = QString::fromLatin1(l.name);
        EXPECT_TRUE(MatchesGolden(DumpDrawing(WindowItems(f.app.settings, t)), GoldenPath(name + QStringLiteral(".window.txt"))));
        const PrintedDocument page = PageDocument(f.app.settings, t);
        EXPECT_EQ(page.pageCount, 1);
        EXPECT_TRUE(MatchesGolden(DumpDocument(page, PrinterChoice{}), GoldenPath(name + QStringLiteral(".page.txt"))));
    }
}

// The texts printed on the line of the given label and in its column (up to width to the
// right of it), in order, the label included.
QStringList Line(const QList<PrintedItem>& items, const QString& label, double width) {
    const PrintedItem* found = nullptr;
    for (const PrintedItem& it : items)
        if (it.kind == PrintedItem::Kind::Text && it.text == label) found = &it;
    if (!found) return {QStringLiteral("no line ") + label};
    QStringList out;
    for (const PrintedItem& it : items)
        if (it.kind == PrintedItem::Kind::Text && qAbs(it.y - found->y) < 1e-9 && it.x >= found->x &&
            it.x < found->x + width)
            out << it.text;
    return out;
}
// Column widths: 48 mm on the window, 11 cm on the page.
QStringList OnWindow(const QList<PrintedItem>& items, const QString& label) {
    return Line(items, label, 48);
}
QStringList OnPage(const QList<PrintedItem>& items, const QString& label) {
    return Line(items, label, 11);
}

TEST(StatsReport, RatiosWithAZeroDivisorLeaveTheirCellsEmpty) {
    StatsCrusade f(QList<AttendeeRecord>{});
    f.app.settings.LastMeeting = 2;
    CrusadeTallies t;
    t.MeetingAttendance[2] = 4;  // nobody at meeting 1
    t.MeetingAgeCount[2][0] = 4;
    t.Baptisms = 3;  // baptisms without names or active names
    t.ReligionBaptisms[3] = 2;  // a religion row with baptisms and no count
    t.AdvertisingBaptisms[2] = 1;
    t.DecisionBaptisms[4] = 1;
    t.AgeGroupBaptisms[5] = 3;
    const CrusadeSettings& s = f.app.settings;
    const auto Texts = [](std::initializer_list<const char*> texts) {
        QStringList out;
        for (const char* t : texts) out << QString::fromLatin1(t);
        return out;
    };

    const QList<PrintedItem> window = WindowItems(s, t);
    const QList<PrintedItem> page = PageDocument(s, t).items;
    for (const PrintedItem& it : window + page) {
        EXPECT_FALSE(it.text.contains(QStringLiteral("inf")) || it.text.contains(QStringLiteral("nan"))) << it.text.toStdString();
    }
    // Meeting 2's line: its attendance and no share of meeting 1's.
    EXPECT_EQ(OnWindow(window, QStringLiteral(" 2   ")), Texts({" 2   ", "4", "na"}));
    EXPECT_EQ(OnPage(page, QStringLiteral("  2  ")), Texts({"  2  ", "    4", "na"}));
    // The shares of TotalNames and ActiveNames.
    EXPECT_EQ(OnWindow(window, QStringLiteral("Active Names: ")), Texts({"Active Names: "}));
    EXPECT_EQ(OnWindow(window, QStringLiteral("Baptisms: ")), Texts({"Baptisms: ", " 3 "}));
    EXPECT_EQ(OnPage(page, QStringLiteral("Active Names: ")), Texts({"Active Names: "}));
    EXPECT_EQ(OnPage(page, QStringLiteral("Percent Baptized: ")), Texts({"Percent Baptized: "}));
    EXPECT_EQ(OnPage(page, QStringLiteral("Baptisms:")), Texts({"Baptisms:", "3"}));
    // Category rows with baptisms and no count.
    EXPECT_EQ(OnWindow(window, QStringLiteral("Catholic")), Texts({"Catholic", " 0 ", "2"}));
    EXPECT_EQ(OnWindow(window, QStringLiteral("Mail")), Texts({"Mail", " 0 ", "1"}));
    EXPECT_EQ(OnWindow(window, QStringLiteral("Sabbath Prob")), Texts({"Sabbath Prob", "1"}));
    EXPECT_EQ(OnWindow(window, QStringLiteral("50-59")), Texts({"50-59", "3"}));
    EXPECT_EQ(OnPage(page, QStringLiteral("Catholic       ")), Texts({"Catholic       ", " 0 ", "2"}));
    EXPECT_EQ(OnPage(page, QStringLiteral("Mail           ")), Texts({"Mail           ", " 0 ", "1"}));
    EXPECT_EQ(OnPage(page, QStringLiteral("Sabbath Prob")), Texts({"Sabbath Prob", "1"}));
    EXPECT_EQ(OnPage(page, QStringLiteral("50-59")), Texts({"50-59", "3"}));
}

}  // namespace
}  // namespace fennick::test

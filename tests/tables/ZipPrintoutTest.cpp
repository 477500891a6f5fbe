#include "DocumentDump.h"
#include "ZipFixture.h"
#include "tables/ZipPrintout.h"

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

QString Golden(const char* name) {
    return QStringLiteral(FENNICK_TEST_DATA "/") + QLatin1String(name);
}

struct Printout {
    TestApp t;
    App& app = t.app;

    explicit Printout(const QList<QByteArray>& table) {
        app.settings.CrusadeName = QStringLiteral("Spring Crusade");
        app.settings.TeamNames[3] = QStringLiteral(" Blue Team:555-0101 ");
        app.settings.TeamNames[7] = QStringLiteral("Red Team:");
        SetZips(app, table);
        app.crusade.ZipTable[0] = "0";
    }
    void print(const std::optional<PrinterChoice>& choice = PrinterChoice{}) {
        t.dialogs.print(choice);
        PrintZips(app);
    }
};

// No team, a team stored without a telephone, one with a telephone, a code past the last
// team, and the deleted-team mark.
TEST(ZipPrintout, OneLinePerEntryWithTheTeamsNames) {
    Printout p({Z("62701", "IL", "00", "Springfield", 12), Z("62702", "IL", "07", "  Springfield", 120),
                Z("K1A", "ON", "03", "Ottawa", 1), Z("60601", "IL", "41", "Chicago", 0),
                Z("30001", "GA", "##", "Atlanta", 3)});
    p.print();
    EXPECT_TRUE(MatchesGolden(DumpDocuments(p.t.printer), Golden("zip_count.txt")));
    EXPECT_TRUE(p.t.dialogs.messages().isEmpty());
    EXPECT_FALSE(p.t.dialogs.pending());
}

// Lines past the bottom of a page go on at the top of the next one; none is lost.
TEST(ZipPrintout, ALongTableRunsOnToTheNextPages) {
    QList<QByteArray> table;
    for (int i = 0; i < 100; ++i) table << Z(QByteArray::number(10000 + i).constData(), "NY", "00", "Town", i);
    Printout p(table);
    p.print();
    ASSERT_EQ(p.t.printer.documents().size(), 1);
    const PrintedDocument& doc = p.t.printer.documents().front();
    EXPECT_EQ(doc.pageCount, 3);
    QStringList zips;
    for (const PrintedItem& it : doc.items) {
        if (it.kind == PrintedItem::Kind::Text && it.x == 2.0) zips << it.text.trimmed();
        EXPECT_LE(it.y + 0.57, Printer::kPrintableBottomCm) << it.text.toStdString();
    }
    ASSERT_EQ(zips.size(), 100);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(zips[i], QString::number(10000 + i));
    // Each page after the first begins with a whole line at its top, columns in place.
    for (int page : {2, 3}) {
        const PrintedItem first = doc.page(page).front();
        EXPECT_EQ(first.y, Printer::kPrintableMarginCm);
        EXPECT_EQ(first.x, 2.0);
    }
}

// Cancel in the printer dialog and a printer that fails both end the printout with nothing
// printed; only the failed delivery is told.
TEST(ZipPrintout, CancelOrAFailureEndsIt) {
    for (bool cancel : {true, false}) {
        Printout p({Z("62701", "IL", "00", "Springfield", 12)});
        if (!cancel) p.t.printer.failDeliveries = 1;
        p.print(cancel ? std::nullopt : std::optional<PrinterChoice>(PrinterChoice{}));
        EXPECT_TRUE(p.t.printer.documents().isEmpty());
        EXPECT_TRUE(p.t.printer.document().items.isEmpty());
        EXPECT_EQ(p.t.dialogs.messages(), cancel ? QStringList() : QStringList{FailedDeliveryMessage()});
    }
}

}  // namespace

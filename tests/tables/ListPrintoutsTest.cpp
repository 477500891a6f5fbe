// The team list and the church member list as printed: golden recording-printer dumps.

#include "DocumentDump.h"
#include "FakePlatform.h"
#include "data/SideFiles.h"
#include "tables/MemberPrintout.h"
#include "tables/TeamListPrintout.h"

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

QString Golden(const char* name) {
    return QStringLiteral(FENNICK_TEST_DATA "/") + QLatin1String(name);
}

// Default names and empty teams are left out; team 07 is printed with its telephone, then
// without one. The telephones move right to give the longest name its room, as far as the
// widest telephone still fits on the page.
TEST(TeamListPrintout, NamedTeamsWithAndWithoutTelephone) {
    TestApp t;
    App& app = t.app;
    app.settings.CrusadeName = QStringLiteral("Spring");
    for (int i = 1; i <= 40; ++i) app.settings.TeamNames[size_t(i)] = QStringLiteral("Team #%1:").arg(i);
    app.settings.TeamNames[2] = QStringLiteral(" : ");
    app.settings.TeamNames[3] = QString();
    app.settings.TeamNames[7] = QStringLiteral("Red Team:555-0107");
    app.settings.TeamNames[12] = QStringLiteral("Blue Team");
    app.settings.TeamNames[40] = QStringLiteral(":555-0140");
    app.settings.TeamNames[5] = QStringLiteral("Men's Ministry Outreach Team:217-555-0112");
    app.settings.TeamNames[6] = QStringLiteral("Men's Ministry:217-555-0113");
    app.settings.TeamNames[8] = QStringLiteral("Health Ministries:217-555-0118");
    PrinterChoice twoCopies;
    twoCopies.copies = 2;  // the list prints once whatever the dialog says
    t.dialogs.print(twoCopies);
    btnPrintTeams_Click(app);
    app.settings.TeamNames[7] = QStringLiteral("Red Team:");
    app.settings.TeamNames[5] = QStringLiteral("Men's Ministry Outreach and Community Services Team:217-555-0112");
    t.dialogs.print(PrinterChoice{});
    btnPrintTeams_Click(app);
    EXPECT_TRUE(MatchesGolden(DumpDocuments(t.printer), Golden("team_list.txt")));
    EXPECT_TRUE(t.dialogs.messages().isEmpty());
}

// Cancel and a printer that fails end the list with nothing printed: silently, but for the
// failed delivery, which is told once.
TEST(TeamListPrintout, CancelOrAFailureEndsIt) {
    for (const bool cancel : {true, false}) {
        TestApp t;
        t.app.settings.TeamNames[1] = QStringLiteral("Red:");
        if (!cancel) t.printer.failDeliveries = 1;
        t.dialogs.print(cancel ? std::nullopt : std::optional<PrinterChoice>(PrinterChoice{}));
        btnPrintTeams_Click(t.app);
        EXPECT_TRUE(t.printer.documents().isEmpty());
        EXPECT_TRUE(t.printer.document().items.isEmpty());
        EXPECT_EQ(t.dialogs.messages(), cancel ? QStringList() : QStringList{FailedDeliveryMessage()});
    }
}

// Members "Name001".."Name212", written in reverse so that the printout's sort shows.
void SetMembers(App& app, int n) {
    app.crusade.MemberNames = QList<QByteArray>(1);
    for (int i = n; i >= 1; --i) {
        const QByteArray number = QByteArray::number(i);
        app.crusade.MemberNames << MemberEntry(number.rightJustified(4), "Name" + number.rightJustified(3, '0'), "Al");
    }
    app.crusade.MemberCount = qint16(n);
}

// The dump without its document line, whose page count differs with the length.
QStringList DumpLines(const TestApp& t) {
    QStringList lines = DumpDocuments(t.printer).split(u'\n', Qt::SkipEmptyParts);
    if (!lines.isEmpty()) lines.removeFirst();
    return lines;
}

// 212 members: three columns of 70 on page 1, page 2 headed and begun by the 211th. A
// shorter list prints the same lines up to its last: 70 fills the first column, 71 opens
// the second at 9 cm, 141 the third at 15 cm, 211 the second page.
TEST(MemberPrintout, ThreeColumnsOfSeventyThenTheNextPage) {
    TestApp t;
    SetMembers(t.app, 212);
    t.dialogs.print(PrinterChoice{});
    PrintMembers(t.app);
    const QString dump = DumpDocuments(t.printer);
    ASSERT_TRUE(MatchesGolden(dump, Golden("member_list.txt")));
    const QStringList all = DumpLines(t);
    for (const int n : {0, 70, 71, 141, 211}) {
        SCOPED_TRACE(n);
        TestApp shorter;
        SetMembers(shorter.app, n);
        shorter.dialogs.print(PrinterChoice{});
        PrintMembers(shorter.app);
        const QStringList lines = DumpLines(shorter);
        // "page 1", the title, the entries, and for 211 the second page's two lines.
        const int expected = 2 + n + (n >= 211 ? 2 : 0);
        ASSERT_EQ(lines.size(), expected);
        EXPECT_EQ(lines, all.mid(0, expected));
    }
}

}  // namespace

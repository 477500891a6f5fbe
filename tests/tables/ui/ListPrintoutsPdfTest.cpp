// The team list, the member list and the zip code count for real: through the Qt printer
// to PDF files, read back with pdfinfo and pdftotext.

#include "../../printing/ui/PdfText.h"
#include "../ZipFixture.h"
#include "FakePlatform.h"
#include "data/SideFiles.h"
#include "platform/ui/QtPrinter.h"
#include "tables/MemberPrintout.h"
#include "tables/TeamListPrintout.h"
#include "tables/ZipPrintout.h"

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

void ExpectTexts(const QString& page, const QStringList& texts) {
    for (const QString& t : texts) EXPECT_TRUE(page.contains(t)) << t.toStdString() << " not in " << page.toStdString();
}

TEST(ListPrintoutsPdf, TheTeamListPrintsOnePage) {
    QtPrinter printer;
    TestApp t(&printer);
    t.app.settings.CrusadeName = QStringLiteral("Spring");
    t.app.settings.TeamNames[7] = QStringLiteral("Red Team:555-0107");
    PrinterChoice pdf;
    pdf.toPdf = true;
    pdf.pdfPath = t.path(QStringLiteral("teams.pdf"));
    t.dialogs.print(pdf);
    btnPrintTeams_Click(t.app);
    EXPECT_EQ(PdfPages(pdf.pdfPath), 1);
    ExpectTexts(PdfPageText(pdf.pdfPath, 1), {"Spring Vistiation Teams", "Team #07", "Red Team", "555-0107"});
}

// 282 members: the 211th starts the second page, whose first column holds 71 lines that
// still fit above the foot of the page.
TEST(ListPrintoutsPdf, TheMemberListFitsItsColumnsOnTwoPages) {
    QtPrinter printer;
    TestApp t(&printer);
    for (int i = 1; i <= 282; ++i) {
        const QByteArray n = QByteArray::number(i).rightJustified(3, '0');
        t.app.crusade.MemberNames << MemberEntry("0" + n, "Name" + n, "Al");
    }
    t.app.crusade.MemberCount = 282;
    PrinterChoice pdf;
    pdf.toPdf = true;
    pdf.pdfPath = t.path(QStringLiteral("members.pdf"));
    t.dialogs.print(pdf);
    PrintMembers(t.app);
    EXPECT_EQ(PdfPages(pdf.pdfPath), 2);
    const QString first = PdfPageText(pdf.pdfPath, 1);
    ExpectTexts(first, {"SDA Members", "0001 Name001, Al", "0071 Name071, Al", "0210 Name210, Al"});
    EXPECT_FALSE(first.contains(QStringLiteral("Name211")));
    ExpectTexts(PdfPageText(pdf.pdfPath, 2), {"SDA's Page 2", "0211 Name211, Al", "0281 Name281, Al", "0282 Name282, Al"});
}

// The zip code count's team name and telephone that ran off the page come out whole on
// paper too, condensed within the printable area.
TEST(ListPrintoutsPdf, TheZipCodeCountFitsALongTeamWhole) {
    QtPrinter printer;
    TestApp t(&printer);
    t.app.settings.CrusadeName = QStringLiteral("Spring");
    t.app.settings.TeamNames[5] = QStringLiteral("Pastor Lee:217-555-0113");
    SetZips(t.app, {Z("62701", "IL", "05", "Springfield", 12)});
    PrinterChoice pdf;
    pdf.toPdf = true;
    pdf.pdfPath = t.path(QStringLiteral("zips.pdf"));
    t.dialogs.print(pdf);
    PrintZips(t.app);
    const QString page = PdfPageText(pdf.pdfPath, 1);
    ExpectTexts(page, {"62701", "Springfield, IL", "05- Pastor Lee:217-555-0113"});
    EXPECT_TRUE(StaysInThePrintableArea(pdf.pdfPath));
}

}  // namespace

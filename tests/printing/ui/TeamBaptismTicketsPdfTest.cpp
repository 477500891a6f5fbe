// A team report, the baptism report and the meeting tickets printed for real: through
// the Qt printer to PDF files, read back with pdfinfo and pdftotext.

#include "../ReportFixture.h"
#include "PdfText.h"
#include "platform/ui/QtPrinter.h"
#include "printing/BaptismDecisionReports.h"
#include "printing/RegistrationLists.h"
#include "printing/TeamReports.h"

#include <gtest/gtest.h>

#include <functional>

namespace fennick::test {
namespace {

// n baptized names, every other one without the baptism decision (a profession of faith).
QList<AttendeeRecord> Baptized(int n) {
    QList<AttendeeRecord> out;
    for (int i = 0; i < n; ++i) {
        const QByteArray rnum = QByteArray::number(801 + i).rightJustified(4, '0');
        out.append(Rec(rnum.constData(), "Pat", i % 2 ? "Brooks" : "Avery")
                       .nights("1111")
                       .level("G")
                       .decisions(i % 2 ? "---------" : "----B----")
                       .bapt("3/29/26"));
    }
    return out;
}

struct PdfCase {
    const char* name;
    QList<AttendeeRecord> records;
    int answer;                                 // to the question before the printer dialog (0: none)
    std::function<void(ReportFixture&)> print;
    int pages;
    QStringList firstPage;  // texts on the first page
    QStringList lastPage;   // ... and on the last
};

TEST(TeamBaptismTicketsPdf, PrintToPdf) {
    const PdfCase cases[] = {
        {"team alphabetical list, a page per team", FixtureRecords(), 0,
         [](ReportFixture& f) {
             f.app.settings.PrintCutOff = 10;
             f.app.settings.TeamNames[40] = QStringLiteral("Evans:555-0140");
             int type = 1;
             PrintWCReport(f.app, type);
         },
         3,
         {QStringLiteral("Spring Crusade Team Alphabetical List"), QStringLiteral("Monday, March 9, 2026")},
         {QStringLiteral("Team 40: Evans 555-0140")}},
        {"baptisms over two pages", FixtureWith(Baptized(52)), 0, [](ReportFixture& f) { PrintBaptisms(f.app); }, 2,
         {QStringLiteral("Spring Crusade Baptisms and Profession of Faith (*)"), QStringLiteral("Avery, Pat")},
         {QStringLiteral("Baptisms: Page 2"), QStringLiteral("Profession of Faith")}},
        {"tickets, 61 at the last meeting", FixtureWith(MorePeople(57)), AnsNo,  // no church members
         [](ReportFixture& f) {
             f.app.program.LabelOffsetRight = 10;
             PrintRegistrationList(f.app, RegistrationList::Tickets);
         },
         2, {QStringLiteral("Tickets for Meeting #12 p 1"), QStringLiteral("0201 Baker, Al")},
         {QStringLiteral("Tickets for Meeting #12 p 2")}},
    };
    for (const PdfCase& c : cases) {
        SCOPED_TRACE(c.name);
        QtPrinter printer;
        ReportFixture f(c.records, 12, &printer);
        PrinterChoice pdf;
        pdf.toPdf = true;
        pdf.pdfPath = f.t.path(QStringLiteral("report.pdf"));
        if (c.answer) f.t.dialogs.answer(c.answer);
        f.t.dialogs.print(pdf);
        c.print(f);

        ASSERT_EQ(PdfPages(pdf.pdfPath), c.pages);
        const QString first = PdfPageText(pdf.pdfPath, 1);
        for (const QString& text : c.firstPage) EXPECT_TRUE(first.contains(text)) << first.toStdString();
        const QString last = PdfPageText(pdf.pdfPath, c.pages);
        for (const QString& text : c.lastPage) EXPECT_TRUE(last.contains(text)) << last.toStdString();
        EXPECT_FALSE(f.t.dialogs.pending());
    }
}

}  // namespace
}  // namespace fennick::test

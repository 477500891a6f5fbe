// A sheet of mailing labels and a sheet of interest cards printed for real: through the
// Qt printer to PDF files, read back with pdfinfo and pdftotext.

#include "../ReportFixture.h"
#include "PdfText.h"
#include "platform/ui/QtPrinter.h"
#include "printing/InterestCards.h"
#include "printing/MailLabels.h"

#include <gtest/gtest.h>

#include <functional>

namespace fennick::test {
namespace {

struct PdfCase {
    const char* name;
    QList<int> answersBefore;  // questions before the printer dialog
    QList<int> answersAfter;   // ... and after it
    std::function<void(App&)> print;
    QStringList texts;
};

TEST(LabelsCardsPdf, OneSheetEachPrintsToPdf) {
    const PdfCase cases[] = {
        {"labels", {AnsYes}, {}, [](App& app) { prnMailLabels(app, false, nullptr); },
         {QStringLiteral("Al Baker"), QStringLiteral("129 Main St"), QStringLiteral("Springfield, IL 62711")}},
        {"cards", {AnsNo, AnsNo}, {AnsYes}, InterestCard2x4,
         {QStringLiteral("Al Baker"), QStringLiteral("00/ 0201"), QStringLiteral("Map Code:"),
          QStringLiteral("Religion: Baptist"), QStringLiteral("Decisions: ---------")}},
    };
    for (const PdfCase& c : cases) {
        SCOPED_TRACE(c.name);
        QtPrinter printer;
        ReportFixture f(MorePeople(c.answersAfter.isEmpty() ? 30 : 10), 12, &printer);
        IndexAlphaCutoff(f.app);
        PrinterChoice pdf;
        pdf.toPdf = true;
        pdf.pdfPath = f.t.path(QStringLiteral("sheet.pdf"));
        for (int a : c.answersBefore) f.t.dialogs.answer(a);
        f.t.dialogs.print(pdf);
        for (int a : c.answersAfter) f.t.dialogs.answer(a);
        c.print(f.app);

        ASSERT_EQ(PdfPages(pdf.pdfPath), 1);
        const QString page = PdfPageText(pdf.pdfPath, 1);
        for (const QString& text : c.texts) EXPECT_TRUE(page.contains(text)) << page.toStdString();
        EXPECT_FALSE(f.t.dialogs.pending());
    }
}

}  // namespace
}  // namespace fennick::test

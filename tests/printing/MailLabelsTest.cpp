// Mailing labels on the recording printer: golden documents with their notices, the sheets
// chosen in the printer dialog, and the runs that print nothing.

#include "ReportFixture.h"
#include "data/Errors.h"
#include "printing/MailLabels.h"
#include "views/MailViews.h"

#include <gtest/gtest.h>

namespace fennick::test {
namespace {

// The messages shown (line breaks as LF), then the documents printed.
QString MessagesAndDocuments(const ReportFixture& f) {
    return f.t.dialogs.messages().join(QStringLiteral("\n--\n")).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) +
           QStringLiteral("\n==\n") + f.dump();
}

TEST(MailLabels, PrintTheirGoldenDocuments) {
    // 31 names 5 mm down and 3 mm right: two sheets, one label on the second.
    ReportFixture offset(MorePeople(31));
    IndexAlphaCutoff(offset.app);
    offset.app.program.LabelOffsetDown = 5;
    offset.app.program.LabelOffsetRight = 3;
    // A zip list gives way to the mail list, which the page then shows.
    ReportFixture zip(FixtureRecords());
    IndexZip(zip.app);
    for (auto [f, golden, kindAfter] : {std::tuple{&offset, "labels_31_offset", "alphafilter"},
                                        std::tuple{&zip, "labels_zip_from_mail_list", "mail"}}) {
        SCOPED_TRACE(golden);
        int previews = 0;
        f->t.dialogs.answer(AnsYes);
        f->choosePrinter();
        prnMailLabels(f->app, f == &zip, [&] { ++previews; });
        EXPECT_TRUE(MatchesGolden(MessagesAndDocuments(*f), Golden(golden)));
        EXPECT_EQ(f->app.view.ReportKind, QLatin1String(kindAfter));
        EXPECT_EQ(previews, 1);
    }
}

TEST(MailLabels, SheetsChosenAndRunsThatPrintNothing) {
    struct Case {
        const char* name;
        int names;
        qint16 cutOff;
        int answer;       // at the notice
        int from, to;     // chosen sheets; 0: Cancel
        int failDeliveries;
        int pages;        // of the document delivered; 0: none
        int firstLabel;   // view entry of the first label printed
        int labels;
        int previews;
    } const cases[] = {
        {"first sheet 2 of 70, two copies", 70, 3, AnsYes, 2, 1000, 0, 2, 31, 40, 1},
        {"sheets 1 to 1 of 70", 70, 3, AnsYes, 1, 1, 0, 1, 1, 30, 1},
        {"a full last sheet feeds no blank one", 30, 3, AnsYes, 1, 1000, 0, 1, 1, 30, 1},
        {"first sheet past the last", 31, 3, AnsYes, 3, 1000, 0, 0, 0, 0, 1},
        {"an empty view", 5, 12, AnsYes, 1, 1000, 0, 0, 0, 0, 1},
        {"No at the notice", 31, 3, AnsNo, 0, 0, 0, 0, 0, 0, 0},
        {"Cancel in the printer dialog", 31, 3, AnsYes, 0, 0, 0, 0, 0, 0, 0},
        {"the printer fails", 31, 3, AnsYes, 1, 1000, 1, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ReportFixture f(MorePeople(c.names));  // each at an address of its own, "100 Main St" on
        f.app.settings.PrintCutOff = c.cutOff;
        IndexAlphaCutoff(f.app);
        QStringList expected;
        for (int i = c.firstLabel; i > 0 && i < c.firstLabel + c.labels; ++i)
            expected << MailLabelOf(ReadRecord(f.app, f.app.view.recordNumberAt(i))).line2.trimmed();
        f.t.dialogs.answer(c.answer);
        if (c.answer == AnsYes && c.from)
            f.choosePrinter(c.from, c.to, 2);
        else if (c.answer == AnsYes)
            f.t.dialogs.print(std::nullopt);
        f.t.printer.failDeliveries = c.failDeliveries;
        int previews = 0;
        try {
            prnMailLabels(f.app, false, [&] { ++previews; });
            EXPECT_EQ(c.failDeliveries, 0);
        } catch (const VbError&) {
            EXPECT_EQ(c.failDeliveries, 1);
        }
        ASSERT_EQ(f.documents(), c.pages ? 1 : 0);
        QStringList addresses;
        for (const PrintedItem& it : c.pages ? f.t.printer.documents().front().items : QList<PrintedItem>())
            if (it.text.contains(QLatin1String(" Main St"))) addresses << it.text.trimmed();
        EXPECT_EQ(addresses, expected);
        if (c.pages) {
            EXPECT_EQ(f.t.printer.documents().front().pageCount, c.pages);
            // The labels chose their sheets; the copies are the job's.
            const PrinterChoice job = f.t.printer.jobs().front();
            EXPECT_EQ(QList<int>({job.fromPage, job.toPage, job.copies}), QList<int>({1, 1000, 2}));
        }
        EXPECT_TRUE(f.t.printer.document().items.isEmpty());
        EXPECT_EQ(previews, c.previews);
        // The notice, and a failed delivery told once.
        EXPECT_EQ(f.t.dialogs.messages().mid(1),
                  c.failDeliveries ? QStringList{FailedDeliveryMessage()} : QStringList());
        EXPECT_FALSE(f.t.dialogs.pending());
    }
}

}  // namespace
}  // namespace fennick::test

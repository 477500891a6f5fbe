// Names imported from a spreadsheet's comma-separated file: the appended records byte for
// byte against a golden file, whatever the file's encoding, with the refused and
// renumbered lines reported; the faults that stop an import, each reported once.

#include "CrusadeToolsFixture.h"
#include "RecordBuilder.h"
#include "data/DataStore.h"
#include "data/ListedEntries.h"
#include "data/Text.h"
#include "filetools/TextImport.h"
#include "platform/ErrorNumbers.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

const QString kGoldenInput = QStringLiteral(FENNICK_TEST_DATA "/import.csv");

// The records after the crusade's first four, back to back.
QByteArray Appended(App& app) {
    QByteArray out;
    const QList<AttendeeRecord> all = ReadAllRecords(app);
    for (qsizetype i = 4; i < all.size(); ++i) out += all[i].encode();
    return out;
}

void Import(CrusadeToolsWorld& w, const QString& file) {
    w.t.dialogs.answer(AnsOK).choose(file).answer(AnsYes);
    mnuImportText_Click(w.app, w.screen);
}

TEST(TextImportTest, EveryEncodingAppendsTheGoldenRecordsAndReportsTheLines) {
    const QByteArray utf8 = ReadFileBytes(kGoldenInput);
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"UTF-8", utf8},
        {"UTF-8 with its mark", QByteArray("\xEF\xBB\xBF") + utf8},
        {"Windows-1252", Ansi(QString::fromUtf8(utf8))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CrusadeToolsWorld w;
        // A view of Adams alone: Smith's 0012, outside it, is still held.
        w.app.view.ReportIndex = {QByteArray(), w.app.view.ReportIndex[1]};
        w.app.view.ReportCount = 1;
        const QString file = w.t.path(QStringLiteral("names.csv"));
        WriteFileBytes(file, c.bytes);
        Import(w, file);

        EXPECT_EQ(Appended(w.app), ReadFileBytes(QStringLiteral(FENNICK_TEST_DATA "/imported.dta")));
        EXPECT_EQ(w.t.dialogs.messages().last().toStdString(),
                  "4 records were added:\r\n0101  Lee, Anna\r\n0102  Hill, Jr., Tom \"TJ\"\r\n"
                  "0001  Garc\u00EDa, Jos\u00E9: its own number\u00A00012 is held by Smith, Mary\r\n"
                  "0002  Numberless-Overlong-, Nora: it had no number\r\n\r\n"
                  "2 records were left out:\r\nline 4: 10 items, not nine\r\nline 6: 4 items, not nine\r\n\r\n"
                  "Running the import again on the same file adds a second time the 2 names given a new number: "
                  "import a file without their lines instead.");
        QList<QByteArray> view = w.app.view.ReportIndex.mid(1, w.app.view.ReportCount);
        EXPECT_EQ(view, QList<QByteArray>({"0013ADAMSJO   3", "0001GARC\xCDJO   7", "0102HILL,TO   6",
                                           "0101LEE  AN   5", "0002NUMBENO   8"}));
        EXPECT_EQ(w.app.settings.ReservedNumber, 2);
        EXPECT_FALSE(w.t.dialogs.pending());
    }
}

TEST(TextImportTest, OneLineIsOneNameWhateverItsLineEndAndAnOpenQuoteEndsWithItsLine) {
    const QList<QByteArray> closed = {"1,Ann,Lee,1 Elm,Town,IL,62701,555,ann@x.org",
                                      "2,Bob,Ray,2 Oak,Town,IL,62701,555,bob@x.org",
                                      "3,Cy,Fox,3 Ash,Town,IL,62701,555,cy@x.org"};
    QList<QByteArray> open = closed;
    open[0].insert(open[0].indexOf("ann@"), '"');
    const auto lines = [](const QList<QByteArray>& l, const char* end) { return l.join(end) + end; };
    const char* const three = "1 Elm|ann@x.org; 2 Oak|bob@x.org; 3 Ash|cy@x.org";
    const struct {
        const char* what;
        QByteArray file;
        const char* fields;  // address and e-mail of each name added
        const char* summary;
    } cases[] = {
        {"an open quote, CR LF", lines(open, "\r\n"), three, "3 records were added:"},
        {"an open quote, LF", lines(open, "\n"), three, "3 records were added:"},
        {"an open quote, lone CR", lines(open, "\r"), three, "3 records were added:"},
        {"lone CR", lines(closed, "\r"), three, "3 records were added:"},
        {"a quoted comma",
         "4,Di,Poe,\"4 Elm, Apt 2\",Town,IL,62701,555,di@x.org\r\n5,Ed,\"Kay,5 Elm,Town,IL,62701,555,ed@x.org\r\n" +
             closed[1],
         "4 Elm, Apt 2|di@x.org; 2 Oak|bob@x.org",
         "2 records were added:\r\n0004  Poe, Di\r\n0002  Ray, Bob\r\n\r\n1 record was left out:\r\nline 2: 3 items, "
         "not nine"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CrusadeToolsWorld w;
        const qint32 before = w.app.crusade.RecCount;
        const QString summary = ImportNames(w.app, c.file);
        EXPECT_TRUE(summary.startsWith(QLatin1String(c.summary))) << summary.toStdString();
        QList<QByteArray> fields;
        const QList<AttendeeRecord> all = ReadAllRecords(w.app);
        for (qsizetype i = before; i < all.size(); ++i)
            fields << Trim(all[i].Address.bytes()) + '|' + Trim(all[i].Email.bytes());
        EXPECT_EQ(fields.join("; ").toStdString(), c.fields);
    }
}

// Tabs and other control characters in a line: around an unquoted item they go like
// blanks, inside an item they become blanks; none reaches a field, so the number is the
// line's own, the state and telephone are whole and the name sorts by its letters.
TEST(TextImportTest, NoTabOrOtherControlCharacterReachesARecordField) {
    const struct {
        const char* what;
        QByteArray line;
        const char* fields;  // the nine fields of the record added, blanks after them cut
    } cases[] = {
        {"tabs before and after every item, blanks between",
         "\t1234\t,\tMark \t ,\tHill\t,\t1 Elm St\t,\tTown\t,\tIL\t\t,\t62701\t,\t217-555-0101\t,\tm@x.org\t",
         "1234|Mark|Hill|1 Elm St|Town|IL|62701|217-555-0101|m@x.org"},
        {"a tab inside quotes", "\t\"1234\",\"Mary\tAnn\",\t\"Hill\",\"1\tElm\",Town,IL,62701,555,m@x.org",
         "1234|Mary Ann|Hill|1 Elm|Town|IL|62701|555|m@x.org"},
        {"other control characters",
         QByteArray("\v1234\f,Ma\x01rk,Hill\x7F,1 Elm\x1BSt,Town,IL,62701,555,m@x.") + QByteArray(1, '\0') + "org\x1F",
         "1234|Ma rk|Hill|1 Elm St|Town|IL|62701|555|m@x. org"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CrusadeToolsWorld w;
        EXPECT_TRUE(ImportNames(w.app, c.line + "\r\n").startsWith(QStringLiteral("1 record was added:")));
        ASSERT_EQ(w.app.crusade.RecCount, 5);
        const AttendeeRecord r = ReadRecord(w.app, 5);
        QByteArray got;
        for (const QByteArray& f : {r.RNum.bytes(), r.FName.bytes(), r.LName.bytes(), r.Address.bytes(), r.City.bytes(),
                                    r.State.bytes(), r.Zip.bytes(), r.Phone.bytes(), r.Email.bytes()})
            got += RTrim(f) + '|';
        EXPECT_EQ(got.chopped(1).toStdString(), c.fields);
    }
}

TEST(TextImportTest, TheFaultsThatStopAnImportAreReportedAndKeepWhatWasAdded) {
    const struct {
        const char* what;
        std::function<void(CrusadeToolsWorld&)> prepare;
        int imported;
        const char* count;    // the beginning of the closing message
        const char* stopped;  // its end
    } cases[] = {
        {"the settings file cannot keep the numbers given",
         [](CrusadeToolsWorld& w) { w.t.files.failAt(1, err::DiskFull, FakeFiles::Op::Save); }, 4,
         "4 records were added:",
         "The registration numbers given could not be kept in the settings file.\r\n\r\nRunning the import again "
         "on the same file adds a second time the 2 names given a new number: import a file without their lines "
         "instead."},
        {"no number left to issue", [](CrusadeToolsWorld& w) { w.app.settings.ReservedNumber = 9999; }, 2,
         "2 records were added:",
         "The import stopped part way: 2 records were written and 2 were not:\r\n0012  Garc\u00EDa, Jos\u00E9: No more "
         "registration numbers can be issued counting UP from 9999. Registration numbers run from 0001 to "
         "9999.\r\n      Numberless-Overlong-, Nora: not reached\r\n\r\nRunning the import again on the same file is "
         "safe: the names imported are left out as the same people on file."},
        {"the data file holds 9,999 records",
         [](CrusadeToolsWorld& w) {
             for (qint32 n = 5; n <= kMaxRecords - 1; ++n) WriteRecordUnchecked(w.app, n, Person("9000", "A", "B"));
         },
         1, "1 record was added:\r\n0101  Lee, Anna\r\n\r\n5 records were left out:",
         "      Numberless-Overlong-, Nora: line 5, the data file holds 9999 records, the most Fennick can keep\r\n\r\n"
         "Running the import again on the same file is safe: the names imported are left out as the same people on "
         "file.\r\nUntil the data file has room, running it again adds none of the records left out because it is "
         "full."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CrusadeToolsWorld w;
        c.prepare(w);
        const qint32 before = w.app.crusade.RecCount;
        Import(w, kGoldenInput);
        EXPECT_EQ(w.app.crusade.RecCount, before + c.imported);
        const QString summary = w.t.dialogs.messages().last();
        EXPECT_TRUE(summary.startsWith(QString::fromUtf8(c.count))) << summary.toStdString();
        EXPECT_TRUE(summary.endsWith(QString::fromUtf8(c.stopped))) << summary.toStdString();
        EXPECT_EQ(w.t.dialogs.messages().size(), 3) << "the notice, the question and the closing message";
    }
}

TEST(TextImportTest, ASummaryOfManyLinesNamesTheFirstAndCountsTheRest) {
    CrusadeToolsWorld w;
    QByteArray file;
    QString expected = QStringLiteral("No record was added.\r\n\r\n25 records were left out:");
    for (int line = 1; line <= 25; ++line) {
        file += "a,b,c\r\n";
        if (line <= kListedEntries) expected += QStringLiteral("\r\nline %1: 3 items, not nine").arg(line);
    }
    expected += QStringLiteral("\r\nand 15 more.");
    EXPECT_TRUE(ImportNames(w.app, file).startsWith(expected));
}

TEST(TextImportTest, CancelBeforeTheFileChangesNothingAndAfterItOnlySortsTheView) {
    CrusadeToolsWorld w;
    const QByteArray data = ReadFileBytes(w.spring);
    w.t.dialogs.answer(AnsCancel);
    mnuImportText_Click(w.app, w.screen);
    EXPECT_EQ(w.t.dialogs.shown().size(), 1u);

    std::swap(w.app.view.ReportIndex[1], w.app.view.ReportIndex[3]);
    w.t.dialogs.answer(AnsOK).choose(std::nullopt);
    mnuImportText_Click(w.app, w.screen);
    EXPECT_EQ(w.app.view.ReportIndex.mid(1),
              QList<QByteArray>({"0013ADAMSJO   3", "0014BAKERRU   4", "0012SMITHMA   1"}));
    EXPECT_EQ(w.t.dialogs.shown().size(), 3u) << "no summary";
    EXPECT_EQ(ReadFileBytes(w.spring), data);
}

// A quote opens a quoted item only after nothing but blanks and tabs; elsewhere it is a
// character of the item. An item of a hundred thousand blanks and then a hundred thousand
// quotes is split at once (looking through the blanks again at every quote took minutes).
TEST(TextImportTest, AQuoteOpensAnItemOnlyAfterBlanksAndLongItemsSplitAtOnce) {
    const QByteArray blanks(100000, ' ');
    const struct {
        QByteArray text;
        QList<QByteArray> items;
    } cases[] = {
        {"a, \t\"b, c\",d", {"a", "b, c", "d"}},
        {"x\"y\",z", {"x\"y\"", "z"}},
        {"  \"say \"\"hi\"\"\"  x,", {"say \"hi\"  x", ""}},
        {blanks + "x" + QByteArray(100000, '"') + ",y", {"x" + QByteArray(100000, '"'), "y"}},
        {blanks + "\t\"q\"", {"q"}},
    };
    QElapsedTimer timer;
    timer.start();
    for (const auto& c : cases) {
        const QList<ImportRow> rows = SplitCsvRows(c.text);
        ASSERT_EQ(rows.size(), 1) << c.text.left(40).constData();
        EXPECT_EQ(rows[0].items, c.items) << c.text.left(40).constData();
    }
    EXPECT_LT(timer.elapsed(), 2000);
}

}  // namespace

// Names imported from a spreadsheet's comma-separated file: the appended records byte for
// byte against a golden file, whatever the file's encoding, with the refused and
// renumbered lines reported; the faults that stop an import, each reported once.

#include "CrusadeToolsFixture.h"
#include "RecordBuilder.h"
#include "data/DataStore.h"
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
        EXPECT_EQ(w.t.dialogs.messages().last(),
                  QStringLiteral("4 names were imported.\r\n\r\n"
                                 "Lines not imported, as they do not hold nine items: 4, 6\r\n\r\n"
                                 "Lines given the next registration number, as theirs was missing or already in "
                                 "use: 3, 5"));
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
        {"an open quote, CR LF", lines(open, "\r\n"), three, "3 names were imported."},
        {"an open quote, LF", lines(open, "\n"), three, "3 names were imported."},
        {"an open quote, lone CR", lines(open, "\r"), three, "3 names were imported."},
        {"lone CR", lines(closed, "\r"), three, "3 names were imported."},
        {"a quoted comma",
         "4,Di,Poe,\"4 Elm, Apt 2\",Town,IL,62701,555,di@x.org\r\n5,Ed,\"Kay,5 Elm,Town,IL,62701,555,ed@x.org\r\n" +
             closed[1],
         "4 Elm, Apt 2|di@x.org; 2 Oak|bob@x.org",
         "2 names were imported.\r\n\r\nLines not imported, as they do not hold nine items: 2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CrusadeToolsWorld w;
        const qint32 before = w.app.crusade.RecCount;
        EXPECT_EQ(ImportSummary(ImportNames(w.app, c.file)).toStdString(), c.summary);
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
        EXPECT_EQ(ImportSummary(ImportNames(w.app, c.line + "\r\n")), QStringLiteral("1 name was imported."));
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
         "4 names were imported.", "The registration numbers given could not be kept in the settings file."},
        {"no number left to issue", [](CrusadeToolsWorld& w) { w.app.settings.ReservedNumber = 9999; }, 2,
         "2 names were imported.",
         "No registration number is left to give the name of line 3: the import stopped there."},
        {"the data file holds 9,999 records",
         [](CrusadeToolsWorld& w) {
             for (qint32 n = 5; n <= kMaxRecords - 1; ++n) WriteRecordUnchecked(w.app, n, Person("9000", "A", "B"));
         },
         1, "1 name was imported.",
         "The data file holds 9999 records, the most Fennick can keep: the import stopped at line 2."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CrusadeToolsWorld w;
        c.prepare(w);
        const qint32 before = w.app.crusade.RecCount;
        Import(w, kGoldenInput);
        EXPECT_EQ(w.app.crusade.RecCount, before + c.imported);
        const QString summary = w.t.dialogs.messages().last();
        EXPECT_TRUE(summary.startsWith(QLatin1String(c.count))) << summary.toStdString();
        EXPECT_TRUE(summary.endsWith(QLatin1String(c.stopped))) << summary.toStdString();
        EXPECT_EQ(w.t.dialogs.messages().size(), 3) << "the notice, the question and the closing message";
    }
}

TEST(TextImportTest, ASummaryOfManyLinesNamesTheFirstTwentyAndCountsTheRest) {
    ImportResult r;
    r.imported = 2;
    for (int line = 1; line <= 25; ++line) r.refusedLines << line;
    r.renumberedLines = {30, 31};
    EXPECT_EQ(ImportSummary(r),
              QStringLiteral("2 names were imported.\r\n\r\n"
                             "Lines not imported, as they do not hold nine items: 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, "
                             "13, 14, 15, 16, 17, 18, 19, 20 and 5 more\r\n\r\n"
                             "Lines given the next registration number, as theirs was missing or already in use: 30, 31"));
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

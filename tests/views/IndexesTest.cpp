// The alphabetical views, the key pieces, the PrevReportKind rules and the comb sort.

#include "ViewFixture.h"
#include "data/App.h"
#include "data/BulkWrite.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "views/Indexes.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <algorithm>

namespace fennick {
namespace {

using test::Entry;
using test::Pad;
using test::Rec;
using test::ViewFixture;

struct AlphaCase {
    const char* name;
    void (*build)(App&);
    const char* kind;
    QList<QByteArray> expected;
};

class AlphaViews : public ::testing::TestWithParam<AlphaCase> {};

TEST_P(AlphaViews, EntriesKindAndPosition) {
    const AlphaCase& c = GetParam();
    ViewFixture f;
    f.app.crusade.CurRecord = f.app.crusade.OrigRecord = ReadRecord(f.app, 3);
    const AttendeeRecord shown = f.app.crusade.CurRecord;
    c.build(f.app);
    EXPECT_EQ(f.app.view.ReportKind, QString::fromLatin1(c.kind));
    EXPECT_EQ(f.app.view.ReportIndex[0], QByteArray(c.kind));
    EXPECT_EQ(f.entries(), c.expected);
    EXPECT_EQ(f.app.view.ReportCount, c.expected.size());
    EXPECT_EQ(f.app.view.CurIndexPos, 1);
    for (const QByteArray& e : f.entries()) EXPECT_EQ(e.size(), 15) << e.constData();
    // The record on screen stays the working record: a save after the build must not take
    // fields of another record.
    EXPECT_TRUE(f.app.crusade.CurRecord == shown);
}

INSTANTIATE_TEST_SUITE_P(
    Fixture, AlphaViews,
    ::testing::Values(
        AlphaCase{"alpha",
                  IndexAlpha,
                  "alpha",
                  {"0108ADAMSZO   8", "0110BROWNTI  10", "0109BROWNTO   9", "0104DE LAAN   4", "0112GREENSA  12",
                   "0111GREENSU  11", "0114HILL AN  14", "0113HILL BO  13", "0102JOHNSMA   2", "0103JOHNSMA   3",
                   "0116NG   KI  16", "0115NG   LE  15", "0117ORTIZRA  17", "0118PRICEEV  18", "0119QUINNDA  19",
                   "0101SMITHJO   1", "0121VAN DED  21", "0120YOUNGLI  20", "0105\xC1LVARJO   5"}},
        // Last 3 equals the cut-off and is left out (Tom Brown, Liz Young).
        AlphaCase{"alphafilter",
                  IndexAlphaCutoff,
                  "alphafilter",
                  {"0110BROWNTI  10", "0112GREENSA  12", "0111GREENSU  11", "0114HILL AN  14", "0113HILL BO  13",
                   "0102JOHNSMA   2", "0103JOHNSMA   3", "0116NG   KI  16", "0115NG   LE  15", "0118PRICEEV  18",
                   "0119QUINNDA  19", "0101SMITHJO   1", "0121VAN DED  21", "0105\xC1LVARJO   5"}},
        // The deleted record numbered "skip" is left out.
        AlphaCase{"undelete", IndexDeleted, "undelete", {"0106GONE PE   6"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AlphaViews, PrevReportKindRules) {
    struct Case {
        void (*build)(App&);
        const char* kind;
        const char* prev;
        const char* expectedPrev;
    };
    const Case cases[] = {
        {IndexAlpha, "zip", "mail", "zip"},         // always
        {IndexAlpha, "alpha", "mail", "alpha"},     // always, "alpha" too
        {IndexAlphaCutoff, "zip", "mail", "mail"},  // none
        {IndexDeleted, "zip", "mail", "mail"},      // none
    };
    for (const Case& c : cases) {
        ViewFixture f;
        f.app.view.ReportKind = QString::fromLatin1(c.kind);
        f.app.view.PrevReportKind = QString::fromLatin1(c.prev);
        c.build(f.app);
        EXPECT_EQ(f.app.view.PrevReportKind, QString::fromLatin1(c.expectedPrev)) << c.kind;
    }
}

TEST(PrevRule, TakesTheOldKindByRule) {
    struct Case {
        PrevRule rule;
        const char* kind;
        const char* prev;
        const char* expected;
    };
    const Case cases[] = {
        {PrevRule::Always, "alpha", "zip", "alpha"}, {PrevRule::Always, "mail", "zip", "mail"},
        {PrevRule::R, "alpha", "zip", "zip"},        {PrevRule::R, "mail", "zip", "mail"},
        {PrevRule::R, "mail", "alpha", "mail"},      {PrevRule::P, "mail", "alpha", "alpha"},
        {PrevRule::P, "mail", "zip", "mail"},        {PrevRule::P, "alpha", "zip", "alpha"},
        {PrevRule::None, "mail", "zip", "zip"},
    };
    for (const Case& c : cases) {
        CurrentView v;
        v.ReportKind = QString::fromLatin1(c.kind);
        v.PrevReportKind = QString::fromLatin1(c.prev);
        UpdatePrevReportKind(v, c.rule);
        EXPECT_EQ(v.PrevReportKind, QString::fromLatin1(c.expected)) << int(c.rule) << c.kind << c.prev;
        EXPECT_EQ(v.ReportKind, QString::fromLatin1(c.kind));
    }
}

TEST(KeyPieces, ExactTextAndWidth) {
    AttendeeRecord r = Rec("0104", "ana\xE9", "de la Cruz").nights("---------1").team("07").level("B");
    r.Address = "7 pine rd \xE1pt";
    r.Attend = "5 ";
    struct Case {
        QByteArray (*piece)(const AttendeeRecord&);
        QByteArray expected;
    };
    const Case cases[] = {
        {LName5, "DE LA"},
        {FName2, "AN"},
        {LNAME, Pad("DE LA CRUZ", 20)},
        {LName20, Pad("de la Cruz", 20)},
        {FName3, "ana"},
        {FNAME3, "ANA"},
        {FNAME, Pad("ANA\xC9", 20)},
        {Latest3, "989"},
        {Count2, "05"},
        {Team2, "07"},
        {Level1, "B"},
        {Zip10, Pad("62701", 10)},
        {ADDRESS, Pad("7 PINE RD \xC1PT", 30)},
    };
    for (const Case& c : cases) EXPECT_EQ(c.piece(r), c.expected);

    struct LatestCase {
        qint16 last;
        QByteArray expected;
    };
    for (const LatestCase& c : {LatestCase{0, "999"}, {12, "987"}, {40, "959"}, {-3, "999"}, {32000, "000"}}) {
        r.Last = c.last;
        EXPECT_EQ(Latest3(r), c.expected) << c.last;
    }
    for (const auto& [stored, expected] :
         {std::pair<const char*, const char*>{"10", "10"}, {"9 ", "09"}, {"  ", "0 "}}) {
        r.Attend = stored;
        EXPECT_EQ(Count2(r), QByteArray(expected));
    }
}

TEST(KeyPieces, RecordNumberRightAligned) {
    EXPECT_EQ(RecordNumber4(7), QByteArray("   7"));
    EXPECT_EQ(RecordNumber4(17), QByteArray("  17"));
    EXPECT_EQ(RecordNumber4(1234), QByteArray("1234"));
    EXPECT_EQ(RecordNumber4(9999), QByteArray("9999"));
}

TEST(AlphaViews, EmptyAndSingleViews) {
    {
        ViewFixture f({Rec("0001", "A", "Gone").deleted(), Rec("0002", "B", "Gone").deleted()});
        IndexAlpha(f.app);
        EXPECT_EQ(f.app.view.ReportCount, 0);
        EXPECT_EQ(f.app.view.CurIndexPos, 0);
        ASSERT_EQ(f.app.view.ReportIndex.size(), 1);
        EXPECT_EQ(f.app.view.ReportIndex[0], QByteArray("alpha"));
    }
    {
        ViewFixture f({Rec("0123", "John", "Smith"), Rec("0124", "Gone", "Gone").deleted()});
        IndexDeleted(f.app);
        EXPECT_EQ(f.entries(), QList<QByteArray>{"0124GONE GO   2"});
        EXPECT_EQ(f.app.view.CurIndexPos, 1);
        IndexAlpha(f.app);
        EXPECT_EQ(f.entries(), QList<QByteArray>{"0123SMITHJO   1"});
    }
}

TEST(AlphaViews, SameShortKeysFollowRecordNumbers) {
    // Mary Johnson and Maria Johnsonville share "JOHNSMA": the lower record number wins.
    ViewFixture f({Rec("0001", "Maria", "Johnsonville"), Rec("0002", "Mary", "Johnson")});
    IndexAlpha(f.app);
    EXPECT_EQ(f.entries(), (QList<QByteArray>{"0001JOHNSMA   1", "0002JOHNSMA   2"}));
}

TEST(AlphaViews, FileBeyondTheAddressableRecordsStopsAt9999) {
    QList<AttendeeRecord> records;
    for (int i = 1; i <= kMaxRecords + 2; ++i) {
        AttendeeRecord r = Rec("0001", "A", "Zed");
        if (i > kMaxRecords) r.LName = "Aaron";  // would sort first if it were taken
        records.append(r);
    }
    ViewFixture f(records);
    ASSERT_EQ(f.app.crusade.RecCount, kMaxRecords + 2);
    IndexAlpha(f.app);
    ASSERT_EQ(f.app.view.ReportCount, kMaxRecords);
    EXPECT_EQ(f.entries().first(), QByteArray("0001ZED  A    1"));
    EXPECT_EQ(f.entries().last(), QByteArray("0001ZED  A 9999"));
}

// --- The comb sort -----------------------------------------------------------------------

QList<QByteArray> SortedTails(QList<QByteArray> entries, qsizetype tail, bool descending) {
    std::sort(entries.begin(), entries.end(), [&](const QByteArray& a, const QByteArray& b) {
        return descending ? a.right(tail) > b.right(tail) : a.right(tail) < b.right(tail);
    });
    return entries;
}

// Random entries of one length: a registration number, a sort part (a common prefix,
// then bytes of the whole 1252 range), a distinct record number.
QList<QByteArray> RandomEntries(int n, quint32 seed, const QByteArray& prefix = QByteArray()) {
    QRandomGenerator rng(seed);
    QList<QByteArray> out;
    for (int i = 1; i <= n; ++i) {
        QByteArray e = QByteArray::number(int(rng.bounded(10000))).rightJustified(4, '0') + prefix;
        for (int k = 0; k < 6; ++k) e.append(char(rng.bounded(32, 256)));
        out.append(e + RecordNumber4(i));
    }
    return out;
}

void LoadView(App& app, const QList<QByteArray>& entries, const char* kind) {
    app.view.ReportIndex = QList<QByteArray>(1) + entries;
    app.view.ReportCount = qint16(entries.size());
    app.view.ReportKind = QString::fromLatin1(kind);
}

TEST(CombSort, GapSequence) {
    QList<int> gaps;
    for (int gap = 12; gap > 1;) gaps.append(gap = NextCombGap(gap));
    EXPECT_EQ(gaps, (QList<int>{11, 8, 6, 4, 3, 2, 1}));
    EXPECT_EQ(NextCombGap(1), 1);
    EXPECT_EQ(NextCombGap(13), 11);  // 13 / 1.3 falls just short of 10
    for (int n = 2; n <= 5000; ++n) {
        const int g = NextCombGap(n);
        EXPECT_TRUE(g != 9 && g != 10 && g >= 1 && g < n) << n;
    }
}

TEST(CombSort, MatchesStdSortBothWays) {
    test::TestApp t;
    // Short keys, and long ones that differ only after their first 40 characters.
    for (const QByteArray& prefix : {QByteArray(), QByteArray(40, 'M')}) {
        const qsizetype tail = prefix.size() + 10;
        for (int n : {0, 1, 2, 3, 12, 13, 100, 1000}) {
            const QList<QByteArray> entries = RandomEntries(n, quint32(n) + 7, prefix);
            LoadView(t.app, entries, "alpha");
            SortIndex(t.app);
            EXPECT_EQ(t.app.view.ReportIndex.mid(1), SortedTails(entries, tail, false)) << n;
            LoadView(t.app, entries, "TotalAttend");
            SortIndexDescending(t.app);
            EXPECT_EQ(t.app.view.ReportIndex.mid(1), SortedTails(entries, tail, true)) << n;
            EXPECT_TRUE(t.app.view.ReportIndex[0].isEmpty());
        }
    }
}

TEST(CombSort, ComparedPartAndByteOrder) {
    struct Case {
        const char* kind;
        bool descending;
        QList<QByteArray> in;
        QList<QByteArray> expected;
    };
    const Case cases[] = {
        // The registration number is not compared ...
        {"alpha", false, {"0001BBB   1", "0002AAA   2"}, {"0002AAA   2", "0001BBB   1"}},
        // ... except in the registration-number listing.
        {"byNum", false, {"0002AAA   2", "0001BBB   1"}, {"0001BBB   1", "0002AAA   2"}},
        // Byte code: blank < digit < capital < small letter < E9.
        {"alpha",
         false,
         {"0001\xE9   1", "0002z   2", "0003Z   3", "00049   4", "0005    5"},
         {"0005    5", "00049   4", "0003Z   3", "0002z   2", "0001\xE9   1"}},
        // "byNum" does not change the descending sort.
        {"byNum", true, {"0001AAA   1", "0002AAA   2", "0003BBB   3"}, {"0003BBB   3", "0002AAA   2", "0001AAA   1"}},
    };
    test::TestApp t;
    for (const Case& c : cases) {
        LoadView(t.app, c.in, c.kind);
        if (c.descending)
            SortIndexDescending(t.app);
        else
            SortIndex(t.app);
        EXPECT_EQ(t.app.view.ReportIndex.mid(1), c.expected) << c.kind;
    }
}

TEST(CombSort, EntriesOfDifferentLengthsStillSort) {
    // An entry put back after an edit may be shorter than the builder's keys.
    test::TestApp t;
    LoadView(t.app, {"0001SMITHJOHN     3", "0002ADAMS   1", "0003BROWNBOB      2"}, "notes");
    SortIndex(t.app);
    EXPECT_EQ(t.app.view.ReportIndex.mid(1),
              (QList<QByteArray>{"0002ADAMS   1", "0003BROWNBOB      2", "0001SMITHJOHN     3"}));
}

TEST(ClearMarksTest, ClearsEveryRecordAndKeepsTheView) {
    ViewFixture f;
    IndexAlpha(f.app);
    const QList<QByteArray> before = f.entries();
    f.app.view.CurIndexPos = 5;
    BulkWrite writes1(f.app, QStringLiteral("Clear Markers"), kSourceFennick95);
    ClearMarks(f.app, writes1);
    EXPECT_EQ(f.entries(), before);
    EXPECT_EQ(f.app.view.CurIndexPos, 1);
    const QList<AttendeeRecord> after = ReadAllRecords(f.app);
    const QList<AttendeeRecord> original = test::FixtureRecords();
    ASSERT_EQ(after.size(), original.size());
    for (int i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].MarkToVisit, 0) << i + 1;  // the deleted record 6 included
        AttendeeRecord expected = original[i];
        expected.MarkToVisit = 0;
        EXPECT_EQ(after[i], expected) << i + 1;
    }
    f.app.view.clear();
    BulkWrite writes2(f.app, QStringLiteral("Clear Markers"), kSourceFennick95);
    ClearMarks(f.app, writes2);
    EXPECT_EQ(f.app.view.CurIndexPos, 0);
}

}  // namespace
}  // namespace fennick

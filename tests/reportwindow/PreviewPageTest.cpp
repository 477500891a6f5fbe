// The report window's page: golden pages of every line layout, the marks, the columns a
// click aims at, the page bounds, and the working record left alone.

#include "PreviewFixture.h"
#include "data/DataStore.h"
#include "reportwindow/PreviewPage.h"
#include "views/AttendanceViews.h"
#include "views/Indexes.h"
#include "views/MailViews.h"
#include "views/PersonViews.h"
#include "views/VisitationViews.h"

#include <functional>

namespace fennick::test {
namespace {

QByteArray PageText(const PreviewPage& page) {
    QByteArray all;
    for (const PreviewLine& l : page.lines) all += l.text + '\n';
    return all;
}

using Build = std::function<void(PreviewFixture&)>;

Build Builder(void (*build)(App&)) {
    return [build](PreviewFixture& f) { build(f.app); };
}

// The decision-9 list, arranged alphabetically.
void Decision9(PreviewFixture& f) {
    f.app.view.ReportKind = QStringLiteral("decision 9");
    f.fx.t.dialogs.answer(AnsNo);
    ASSERT_TRUE(IndexDecisions(f.app, false));
}

struct GoldenPage {
    const char* file;
    Build build;
};

class GoldenPages : public ::testing::TestWithParam<GoldenPage> {};

TEST_P(GoldenPages, MatchTheirGoldenText) {
    PreviewFixture f;
    GetParam().build(f);
    ASSERT_GT(f.app.view.ReportCount, 0);
    ExpectGolden(QString::fromLatin1(GetParam().file), PageText(showScrollInfo(f.app, PageOptions{})));
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, GoldenPages,
    ::testing::Values(GoldenPage{"page-master.txt", Builder(IndexAttend)},
                      GoldenPage{"page-mail.txt", Builder(IndexMailList)},
                      GoldenPage{"page-dupaddress.txt",
                                 [](PreviewFixture& f) { IndexDuplicateAddresses(f.app, QStringLiteral("All")); }},
                      GoldenPage{"page-notes.txt", Builder(IndexNotes)},
                      GoldenPage{"page-precrusade.txt", Builder(IndexPreMeeting)},
                      GoldenPage{"page-zip.txt", Builder(IndexZip)},
                      GoldenPage{"page-baptclass.txt", Builder(IndexBaptismClass)},
                      GoldenPage{"page-date.txt", Builder(IndexBaptismDate)},
                      GoldenPage{"page-religion.txt", [](PreviewFixture& f) { IndexReligion(f.app, QString()); }},
                      GoldenPage{"page-decisions9.txt", Decision9}),
    [](const auto& info) {
        return QString::fromLatin1(info.param.file).section(u'.', 0, 0).remove(u'-').toStdString();
    });

// --- Marks ---------------------------------------------------------------------------------

struct MarkRow {
    const char* name;
    const char* bapt;
    const char* level;
    qint16 interview;
    const char* decisions;
    char m;
    const char* b;
};

class Marks : public ::testing::TestWithParam<MarkRow> {};

TEST_P(Marks, FollowDateLevelInterviewAndDecisions) {
    const MarkRow& row = GetParam();
    CrusadeSettings s;
    for (int i = 1; i <= 9; ++i) s.DecisionNames[size_t(i)] = QStringLiteral("Decision %1").arg(i);
    s.DecisionNames[4] = QStringLiteral("Baptism");
    s.DecisionNames[8] = QStringLiteral("Unite with Church");
    const AttendeeRecord r =
        Rec("0001", "Ann", "Lee").bapt(row.bapt).level(row.level).interview(row.interview).decisions(row.decisions);
    const BaptismDecisions d = FindBaptismDecisions(s);
    ASSERT_EQ(d.baptism, 4);
    ASSERT_EQ(d.unite, 8);
    EXPECT_EQ(MarkM(r), row.m);
    EXPECT_EQ(MarkB(r, d), QByteArray(row.b));
}

INSTANTIATE_TEST_SUITE_P(
    Table, Marks,
    ::testing::Values(MarkRow{"nothing", "", "A", 0, "---------", ' ', ""},
                      MarkRow{"dateBeforeBaptism", "6/1/26", "B", 0, "---------", '#', "*"},
                      MarkRow{"dateAndInterview", "6/1/26", "B", 1, "---B-----", '#', "(r)"},
                      MarkRow{"interviewNoDate", "", "C", 1, "---------", '@', ""},
                      MarkRow{"midnightIsNoDate", "12:00AM", "C", 1, "---------", '@', ""},
                      MarkRow{"baptizedUnmarked", "", "G", 0, "---------", ' ', "*"},
                      MarkRow{"baptizedNotUnited", "", "G", 1, "---B-----", '@', "(r)"},
                      MarkRow{"baptizedAndUnited", "5/5/25", "G", 0, "---B---U-", ' ', ""},
                      MarkRow{"unitedWithOtherLetter", "", "G", 0, "---B---X-", ' ', "(r)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BaptismDecisionsTest, LastTitleOfEachWinsAndNoneGivesNoMark) {
    CrusadeSettings s;
    s.DecisionNames[2] = QStringLiteral("baptism class");
    s.DecisionNames[6] = QStringLiteral("Rebaptism");
    s.DecisionNames[3] = QStringLiteral("Unite");
    s.DecisionNames[7] = QStringLiteral("REUNITE");
    EXPECT_EQ(FindBaptismDecisions(s).baptism, 6);
    EXPECT_EQ(FindBaptismDecisions(s).unite, 7);

    // No decision mentions baptism: baptized people carry no mark at all.
    CrusadeSettings none;
    const AttendeeRecord r = Rec("0001", "Ann", "Lee").level("G").decisions("---------");
    const BaptismDecisions d = FindBaptismDecisions(none);
    EXPECT_EQ(d.baptism, 0);
    EXPECT_EQ(MarkB(r, d), QByteArray());
    EXPECT_EQ(NamePart(r, d), Pad("00 0001  Lee, Ann", 30));
}

TEST(NamePartTest, IsCutToThirtyCharactersMarksIncluded) {
    CrusadeSettings s;
    s.DecisionNames[5] = QStringLiteral("Baptism");
    const AttendeeRecord r = Rec("0001", "Bartholomew", "Featherstonehaugh").level("G").decisions("---------");
    const QByteArray p = NamePart(r, FindBaptismDecisions(s));
    EXPECT_EQ(p, QByteArray("00 0001  Featherstonehaugh, Ba"));
    EXPECT_EQ(p.size(), 30);
}

// --- Attendance window and page bounds -----------------------------------------------------

TEST(AttendanceWindowTest, EndsAtTheLastMeetingFromMeeting25) {
    const QByteArray marks = "1234567890abcdefghijklmnopqrstuvwxyzABCD";
    const AttendeeRecord r = Rec("0001", "Ann", "Lee").with([&](AttendeeRecord& x) { x.Attendance = marks; });
    EXPECT_EQ(AttendanceWindow(r, 10), marks.left(24));
    EXPECT_EQ(AttendanceWindow(r, 24), marks.left(24));
    EXPECT_EQ(AttendanceWindow(r, 30), marks.mid(6, 24));  // nights 7..30
    EXPECT_EQ(AttendanceWindow(r, 40), marks.mid(16, 24));
}

QList<AttendeeRecord> Thirty() {
    QList<AttendeeRecord> out;
    for (int i = 1; i <= 30; ++i) {
        const QByteArray n = QByteArray::number(1000 + i);
        out << Rec(n.constData(), "Ann", ("Name" + n).constData()).nights("1111");
    }
    return out;
}

struct BoundsRow {
    int top;
    int firstEntry;
    int lines;
};

class PageBounds : public ::testing::TestWithParam<BoundsRow> {};

TEST_P(PageBounds, ShowTheEntryAtTheScrollPositionAndTwentyFiveMore) {
    PreviewFixture f(Thirty());
    IndexAlpha(f.app);
    const PreviewPage page = showScrollInfo(f.app, PageOptions{GetParam().top});
    EXPECT_EQ(page.top, GetParam().firstEntry);
    ASSERT_EQ(page.lines.size(), GetParam().lines);
    for (int i = 0; i < page.lines.size(); ++i) {
        const PreviewLine& l = page.lines[i];
        EXPECT_EQ(l.entry, page.top + i);
        EXPECT_EQ(l.record, f.app.view.recordNumberAt(l.entry));
        EXPECT_EQ(l.text.mid(3, 4), f.app.view.ReportIndex[l.entry].left(4));
    }
}

INSTANTIATE_TEST_SUITE_P(Thirty, PageBounds,
                         ::testing::Values(BoundsRow{1, 1, 26}, BoundsRow{0, 1, 26}, BoundsRow{5, 5, 26},
                                           BoundsRow{6, 6, 25}, BoundsRow{30, 30, 1}, BoundsRow{99, 30, 1}));

TEST(PageTest, EmptyViewSaysSoAndHasNoLines) {
    PreviewFixture f;
    IndexMarked(f.app);
    EmptyView(f.app.view);
    const PreviewPage page = showScrollInfo(f.app, PageOptions{});
    EXPECT_TRUE(page.lines.isEmpty());
    EXPECT_EQ(page.top, 0);
    EXPECT_EQ(page.text(), QStringLiteral("There are no names to display with this filter.\r\n"));
}

TEST(PageTest, LeavesTheWorkingRecordAlone) {
    PreviewFixture f;
    IndexAttend(f.app);
    Crusade& c = f.app.crusade;
    c.CurRecNo = 2;
    c.CurRecord = ReadRecord(f.app, 2);
    const AttendeeRecord shown = c.CurRecord;
    const PreviewPage page = showScrollInfo(f.app, PageOptions{});
    ASSERT_GT(page.lines.size(), 1);
    EXPECT_EQ(c.CurRecNo, 2);
    EXPECT_TRUE(c.CurRecord == shown);
}

TEST(PageTest, TextEndsEveryLineWithCrLf) {
    PreviewFixture f;
    IndexNotes(f.app);
    const PreviewPage page = showScrollInfo(f.app, PageOptions{});
    ASSERT_EQ(page.lines.size(), 2);
    EXPECT_EQ(page.text(), FromAnsi(page.lines[0].text + "\r\n" + page.lines[1].text + "\r\n"));
    EXPECT_EQ(page.lineOf(2), &page.lines[1]);
    EXPECT_EQ(page.lineOf(3), nullptr);
}

// --- What a click means ------------------------------------------------------------------

struct ClickRow {
    LeftButton button;
    bool labels;
    const char* kind;
    const char* expected;
};

class ClickSwitch : public ::testing::TestWithParam<ClickRow> {};

TEST_P(ClickSwitch, FollowsOptionLabelsAndKind) {
    PreviewFixture f;
    IndexAlpha(f.app);
    f.app.view.ReportKind = QString::fromLatin1(GetParam().kind);
    PageOptions o;
    o.leftButton = GetParam().button;
    o.mailLabels = GetParam().labels;
    EXPECT_EQ(showScrollInfo(f.app, o).clickSwitch, QString::fromLatin1(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Table, ClickSwitch,
                         ::testing::Values(ClickRow{LeftButton::Edit, false, "alpha", "E"},
                                           ClickRow{LeftButton::Attend, false, "alpha", "A"},
                                           ClickRow{LeftButton::Interest, false, "alpha", "I"},
                                           ClickRow{LeftButton::Visit, false, "alpha", "E"},
                                           ClickRow{LeftButton::Interest, true, "alpha", "E"},
                                           ClickRow{LeftButton::Attend, true, "alpha", "E"},
                                           ClickRow{LeftButton::Attend, false, "CleanMailList", "M"},
                                           ClickRow{LeftButton::Edit, true, "CleanMailList", "M"}));

// --- Layout choice and columns ---------------------------------------------------------

TEST(LayoutTest, MailOptionsGiveTheMailLayoutForEveryKind) {
    for (const char* kind : {"attend", "zip", "decisions9", "DupAddress"}) {
        const QString k = QString::fromLatin1(kind);
        EXPECT_EQ(LineLayout(k, PageOptions{}), k);
        EXPECT_EQ(LineLayout(k, PageOptions{1, true, false}), QStringLiteral("mail")) << kind;
        EXPECT_EQ(LineLayout(k, PageOptions{1, false, true}), QStringLiteral("mail")) << kind;
    }
}

TEST(LayoutTest, AppointmentOutsideTheTablesReadsEmpty) {
    PreviewFixture f;
    const AttendeeRecord r = Rec("0001", "Ann", "Lee").level("B");
    const BaptismDecisions d = FindBaptismDecisions(f.app.settings);
    auto tail = [&](const char* entry) {
        return BuildPreviewLine(f.app, QStringLiteral("BaptClass"), QByteArray(entry), r, d).text.mid(58);
    };
    auto appointment = [](const char* day, const char* time) { return "  (" + Pad(day, 11) + time + ")"; };
    EXPECT_EQ(tail("0001A204LEE   "), appointment("Monday: ", "12:00"));
    EXPECT_EQ(tail("0001A613LEE   "), appointment("Friday: ", "09:00pm"));
    EXPECT_EQ(tail("0001A714LEE   "), appointment(": ", ""));
    EXPECT_EQ(tail("0001AN04LEE   "), appointment(": ", "12:00"));
    EXPECT_EQ(tail("0001A0-1LEE   "), appointment(": ", ""));
}

// The text under each column range is the field a click there acts on.
struct ColumnRow {
    const char* kind;
    bool team;
    bool attendance;
    bool interest;
    bool visits;
    int windowLength;  // 24 nights, or the first 10
    bool lastVisitOnly;
};

class Columns : public ::testing::TestWithParam<ColumnRow> {};

TEST_P(Columns, StandOverTheirFields) {
    const ColumnRow& row = GetParam();
    PreviewFixture f;
    IndexAlpha(f.app);
    const QString layout = QString::fromLatin1(row.kind);
    const BaptismDecisions d = FindBaptismDecisions(f.app.settings);
    for (int p = 1; p <= f.app.view.ReportCount; ++p) {
        const AttendeeRecord rec = ReadRecord(f.app, f.app.view.recordNumberAt(p));
        const PreviewLine l = BuildPreviewLine(f.app, layout, f.app.view.ReportIndex[p], rec, d);
        auto under = [&](const ColumnRange& c) { return l.text.mid(c.first - 1, c.last - c.first + 1); };
        const std::string who = rec.RNum.bytes().toStdString();
        EXPECT_EQ(!l.team.empty(), row.team) << who;
        EXPECT_EQ(!l.attendance.empty(), row.attendance) << who;
        EXPECT_EQ(!l.interest.empty(), row.interest) << who;
        EXPECT_EQ(!l.visits.empty(), row.visits) << who;
        if (row.team) {
            EXPECT_EQ(under(l.team), rec.WorkerCode.bytes()) << who;
        }
        if (row.attendance) {
            EXPECT_EQ(under(l.attendance), AttendanceWindow(rec, 12).left(row.windowLength)) << who;
        }
        if (row.interest) {
            EXPECT_EQ(under(l.interest), rec.IntLevel.bytes()) << who;
        }
        if (row.visits) {
            const QByteArray v = rec.Visits.trimmed();
            const QByteArray want = row.lastVisitOnly ? (v.isEmpty() ? QByteArray("   ") : v.right(3))
                                                      : rec.Visits.bytes();
            EXPECT_EQ(under(l.visits), want) << who;
            if (!row.lastVisitOnly) {
                EXPECT_EQ(l.visits.last, l.text.size()) << who;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, Columns,
    ::testing::Values(ColumnRow{"attend", true, true, true, true, 24, false},
                      ColumnRow{"decisions3", true, true, true, true, 24, false},
                      ColumnRow{"decisions9", true, true, true, true, 24, true},
                      ColumnRow{"BaptClass", true, true, true, false, 24, false},
                      ColumnRow{"date", true, true, true, false, 24, false},
                      ColumnRow{"religion", true, true, true, false, 24, false},
                      ColumnRow{"PreCrusade", true, true, true, false, 24, false},
                      ColumnRow{"notes", true, true, false, false, 10, false},
                      ColumnRow{"zip", true, true, false, false, 10, false},
                      ColumnRow{"DupAddress", true, false, false, false, 0, false},
                      ColumnRow{"CleanMailList", true, false, false, false, 0, false},
                      ColumnRow{"mail", false, false, false, false, 0, false}),
    [](const auto& info) { return std::string(info.param.kind); });

}  // namespace
}  // namespace fennick::test

// The bytes of each export file from one crusade, against golden files, and the rules that
// keep one name on one line of a tab- or comma-separated file.

#include "ExportFixture.h"
#include "data/DataStore.h"
#include "filetools/EmailFile.h"
#include "filetools/ExportWriter.h"
#include "filetools/MailMergeFile.h"
#include "filetools/MapFile.h"
#include "filetools/NameNumberFile.h"
#include "filetools/TextExportFile.h"
#include "views/Indexes.h"

#include <gtest/gtest.h>

#include <functional>

namespace fennick::test {
namespace {

struct FileRow {
    const char* golden;
    const char* empty;  // the file of an empty view
    std::function<QByteArray(App&)> build;
};

void PrintTo(const FileRow& row, std::ostream* os) {
    *os << row.golden;
}

const QByteArray kMergeHeader =
    "FName\tLName\tReg Number\tPhone\tAddress\tCity\tState\tZip\tAge\tRelPref\tIntLevel\tVisits\tWorkerCode\t"
    "Notes\tAttendance\tMapCode\tAdvertising\tBaptism Date\r\n";

const FileRow kFiles[] = {
    {"text-export.txt", "", TextExportFile},
    {"email-list.csv", "Name,FName,LName,EMail,Meeting\r\n", EmailFile},
    {"mail-merge-all.txt", kMergeHeader, [](App& a) { return MailMergeFile(a, false); }},
    {"mail-merge-mail-list.txt", kMergeHeader, [](App& a) { return MailMergeFile(a, true); }},
    {"map-all.txt", "", [](App& a) { return MapFile(a, false); }},
    {"map-mail-list.txt", "", [](App& a) { return MapFile(a, true); }},
};

class ExportFiles : public ::testing::TestWithParam<FileRow> {};

TEST_P(ExportFiles, AlphabeticalViewGivesTheGoldenFileAndLeavesTheWorkingRecordAlone) {
    ExportFixture f;
    f.app.crusade.CurRecNo = 2;
    f.app.crusade.CurRecord = ReadRecord(f.app, 2);
    const AttendeeRecord shown = f.app.crusade.CurRecord;
    const QList<QByteArray> view = f.view.entries();

    EXPECT_EQ(GetParam().build(f.app), ExportFixture::golden(GetParam().golden));
    EXPECT_TRUE(f.app.crusade.CurRecord == shown);
    EXPECT_EQ(f.app.crusade.CurRecNo, 2);
    EXPECT_EQ(f.view.entries(), view);
}

TEST_P(ExportFiles, EmptyViewGivesItsEmptyFile) {
    ExportFixture f;
    EmptyView(f.app.view);
    EXPECT_EQ(GetParam().build(f.app), QByteArray(GetParam().empty));
}

INSTANTIATE_TEST_SUITE_P(EachFile, ExportFiles, ::testing::ValuesIn(kFiles), [](const auto& info) {
    return QString::fromLatin1(info.param.golden).section(u'.', 0, 0).remove(u'-').toStdString();
});

TEST(ExportView, FollowsAFilteredViewAndPassesOverAnEntryOfNoRecord) {
    ExportFixture f;
    // Record 2 (Miller) before record 7 (Lee), then a new name's entry past the file's end.
    f.app.view.ReportIndex = {QByteArray(), "0102MILLEBO   2", "0107LEE  AN   7", "-------  11"};
    f.app.view.ReportCount = 3;
    EXPECT_EQ(MapFile(f.app, false),
              "0102 Bob & Sue Miller,12 Oak St- Apt 3,Springfield,IL,62701,555-1234\r\n"
              "0107 Ann Lee,3 Hill Ct,Montr\xE9"
              "al,IL,62701,555-1234\r\n");
}

TEST(ExportView, FieldsKeepOneNameOnOneLine) {
    const struct {
        QByteArray in, tab, comma;
    } rows[] = {
        {"a\r\nb", "a - b", "a - b"},
        {"a\rb\nc", "a - b - c", "a - b - c"},
        {"a\r\n\r\nb", "a -  - b", "a -  - b"},
        {"ends\r", "ends - ", "ends - "},
        {"a\tb,c", "a b,c", "a\tb-c"},
        {",,", ",,", "--"},
        {"Jos\xE9 & Ann", "Jos\xE9 & Ann", "Jos\xE9 & Ann"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(TabField(r.in), r.tab) << r.in.toStdString();
        EXPECT_EQ(CommaField(r.in), r.comma) << r.in.toStdString();
    }
}

TEST(TextExport, NoteLosesOnlyItsFirstCommaAndEveryLineBreak) {
    EXPECT_EQ(TextExportNote("One, two, three\r\nfour\r\nfive   "), "One- two, three - four - five");
    EXPECT_EQ(TextExportNote("No break, but a CR at the end\r"), "No break- but a CR at the end - ");
    EXPECT_EQ(TextExportNote(QByteArray(150, ' ')), "");
}

TEST(TextExport, PathIsTheDataFileWithTxt) {
    ExportFixture f;
    f.app.program.DataFile = QStringLiteral("/crusades/SPRING.DTA");
    EXPECT_EQ(TextExportPath(f.app), QStringLiteral("/crusades/SPRING.txt"));
}

TEST(MailMerge, DescriptionByViewKind) {
    const QString cutOffLine =
        QStringLiteral("\r\nYou have also chosen to eliminate those who have not attended since night number: ");
    const struct {
        const char* kind;
        int cutOff;
        QString description;
    } rows[] = {
        {"date", 5, " those who have set a baptism date"},
        {"BaptClass", 0, " those who have enrolled in the baptismal/ Bible School class"},
        {"baptism", 0, " those who have been baptized."},
        {"interest", 0, " interest levels A, B and C and those who have been baptized"},
        {"attendnight07", 3, "Filtered for night 07"},
        {"missednight03", 0, "Filtered for those who have missed the last 03 night(s).)"},
        {"wcattend", 0, "Filtered by Team Code Attendance "},
        {"wcalpha", 0, "Filtered Alphabetically by Team Code "},
        {"SelWCAttend12", 0, " Team Code 12"},
        {"alpha", 0, "all names"},
        {"alpha", 1, "all names"},
        {"alpha", 2, "all names" + cutOffLine + "2"},
        {"zip", 12, "all names" + cutOffLine + "12"},
        {"decisions3", 0, "all names"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(MailMergeDescription(QLatin1String(r.kind), r.cutOff), r.description) << r.kind << " " << r.cutOff;
}

TEST(NameAndNumber, AllLiveNamesInNameOrderWhateverTheView) {
    ExportFixture f;
    f.app.view.ReportKind = QStringLiteral("byNum");
    EXPECT_EQ(NameNumberFile(NameNumberList(f.app, false)), ExportFixture::golden("name-and-number.txt"));
    EXPECT_EQ(NameNumberFile(RepeatedNames(NameNumberList(f.app, true))), ExportFixture::golden("repeated-names.txt"));
    EXPECT_EQ(f.app.view.ReportKind, QStringLiteral("byNum"));
}

TEST(NameAndNumber, RepeatedNamesCompareFirstAndLastNameApart) {
    auto e = [](const char* rnum, const char* last, const char* first) { return NameNumberEntry(rnum, last, first); };
    const struct {
        const char* name;
        QList<QByteArray> sorted;
        QList<QByteArray> repeated;
    } rows[] = {
        {"joined texts alike", {e("1", "Lee", "Ann"), e("2", "nLee", "An")}, {}},
        {"pair",
         {e("1", "Lee", "Ann"), e("2", "Lee", "Ann"), e("3", "Ng", "Ann")},
         {e("1", "Lee", "Ann"), e("2", "Lee", "Ann")}},
        {"final run of three",
         {e("1", "Ng", "Kim"), e("2", "Ng", "Lee"), e("3", "Ng", "Lee"), e("4", "Ng", "Lee")},
         {e("2", "Ng", "Lee"), e("3", "Ng", "Lee"), e("4", "Ng", "Lee")}},
        {"two runs side by side",
         {e("1", "Ng", "Kim"), e("2", "Ng", "Kim"), e("3", "Ng", "Lee"), e("4", "Ng", "Lee")},
         {e("1", "Ng", "Kim"), e("2", "Ng", "Kim"), e("3", "Ng", "Lee"), e("4", "Ng", "Lee")}},
        {"one name", {e("1", "Ng", "Kim")}, {}},
        {"none", {}, {}},
    };
    for (const auto& r : rows) EXPECT_EQ(RepeatedNames(r.sorted), r.repeated) << r.name;
}

TEST(NameAndNumber, CrusadeWithoutLiveNamesGivesTheHeaderAlone) {
    ViewFixture v({Rec("0105", "Peter", "Gone").deleted()}, 4, 0);
    EXPECT_EQ(NameNumberFile(RepeatedNames(NameNumberList(v.app, true))), "Reg Number\tFName\tLName\r\n");
    EXPECT_EQ(NameNumberFile(NameNumberList(v.app, false)), "Reg Number\tFName\tLName\r\n");
}

}  // namespace
}  // namespace fennick::test

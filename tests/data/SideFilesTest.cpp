#include "FakePlatform.h"
#include "RecordBuilder.h"
#include "data/IniFile.h"
#include "data/SequentialText.h"
#include "data/SideFiles.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

class SideFilesTest : public ::testing::Test {
protected:
    TestApp t;
    App& app = t.app;
    const QString memFile = t.path("spring.mem");
    const QString zipFile = t.path("spring.zps");

    void SetUp() override { SetDataFile(app, t.path("spring.dta")); }
};

TEST_F(SideFilesTest, EntryLayouts) {
    EXPECT_EQ(MemberEntry("0012", "Smith", "Mary"), "0012Smith          Mary           ");
    EXPECT_EQ(MemberEntry("12", "Featherstonehaughs", "Bartholomew-James"), "12  FeatherstonehauBartholomew-Jam");
    EXPECT_EQ(ZipEntry("62701", "IL", "03", "Springfield", 12),
              QByteArray("62701     ") + "IL" + "03" + "Springfield    " + "  12");
    EXPECT_EQ(ZipEntry("G1R", "QC", "00", "Quebec City North", 1).size(), 33);
}

TEST_F(SideFilesTest, MembersAndZipsRoundTrip) {
    // Leading blanks, a comma, and quotes after leading blanks.
    const QList<QByteArray> members = {MemberEntry("0012", "Smith", "Mary"),
                                       MemberEntry("  13", "O'Brien, Jr", "Se\xe1n"), MemberEntry("", "Unknown", "Ann"),
                                       MemberEntry("", "\"Doc\" Smith", "Al")};
    app.crusade.MemberNames = QList<QByteArray>{QByteArray()} + members;
    app.crusade.MemberCount = 4;
    const QList<QByteArray> zips = {ZipEntry("62701", "IL", "03", "Springfield", 12), ZipEntry("G1R", "QC", "00",
                                                                                               "Qu\xe9"
                                                                                               "bec, Ville",
                                                                                               1)};
    app.crusade.ZipTable[1] = zips[0];
    app.crusade.ZipTable[2] = zips[1];
    app.crusade.ZipTable[3] = "NotSaved";
    app.crusade.ZipCount = 2;
    SaveMembers(app);
    SaveZips(app);
    EXPECT_EQ(ReadFileBytes(memFile),
              members[0] + "\r\n\"" + members[1] + "\"\r\n\"" + members[2] + "\"\r\n\"" + members[3] + "\"\r\n");
    EXPECT_EQ(ReadFileBytes(zipFile), zips[0] + "\r\n" + zips[1] + "\r\n");

    app.crusade.MemberNames.clear();
    app.crusade.ZipTable.fill("stale");
    LoadMembers(app);
    LoadZips(app);
    EXPECT_TRUE(t.dialogs.shown().empty());
    ASSERT_EQ(app.crusade.MemberCount, 4);
    EXPECT_EQ(app.crusade.MemberNames.mid(1), members);
    ASSERT_EQ(app.crusade.ZipCount, 2);
    EXPECT_EQ(app.crusade.ZipTable[1], zips[0]);
    EXPECT_EQ(app.crusade.ZipTable[2], zips[1]);
    EXPECT_TRUE(app.crusade.ZipTable[3].isEmpty());
}

TEST(SequentialValues, EveryWrittenValueReadsBackUnchanged) {
    const QByteArray values[] = {
        "Spring",     "\"Fall\" Crusade", " \"Lead\" blank", "  two blanks", "\tTab",      "\"",   "\"\"",
        "\"quoted\"", "ends \"x\"",       "open \"only",     "\"open",       "trailing  ", "a, b", ""};
    for (const QByteArray& v : values) {
        SequentialTextWriter out;
        WriteValue(out, v);
        SequentialTextReader in = SequentialTextReader::fromBytes(out.data());
        EXPECT_EQ(in.readItemBytes(), v) << out.data().constData();
    }
    // Lines of older files: a quoted value with blanks around it, or not closed.
    struct Line {
        QByteArray line, value;
    };
    const Line lines[] = {{"  \"Spring\"  ", "Spring"}, {"\t\"a, b\"", "a, b"}, {"\"unclosed", "\"unclosed"}};
    for (const Line& l : lines) EXPECT_EQ(LineValue(l.line), l.value) << l.line.constData();
}

TEST_F(SideFilesTest, EmptyTablesWriteNothing) {
    WriteFileBytes(memFile, "older member list\r\n");
    WriteFileBytes(zipFile, "older zip table\r\n");
    SaveMembers(app);
    SaveZips(app);
    app.crusade.ZipCount = -1;  // no zip table at all
    SaveZips(app);
    EXPECT_EQ(ReadFileBytes(memFile), "older member list\r\n");
    EXPECT_EQ(ReadFileBytes(zipFile), "older zip table\r\n");

    QFile::remove(memFile);
    QFile::remove(zipFile);
    SaveMembers(app);
    SaveZips(app);
    EXPECT_FALSE(QFileInfo::exists(memFile));
    EXPECT_FALSE(QFileInfo::exists(zipFile));
}

TEST_F(SideFilesTest, MissingFilesLoadEmptyWithoutAMessage) {
    app.crusade.MemberCount = 5;
    app.crusade.ZipCount = 5;
    LoadMembers(app);
    LoadZips(app);
    EXPECT_EQ(app.crusade.MemberCount, 0);
    EXPECT_EQ(app.crusade.ZipCount, 0);
    EXPECT_TRUE(t.dialogs.shown().empty());
}

TEST_F(SideFilesTest, UpperCaseSideFilesAreFound) {
    WriteFileBytes(t.path("SPRING.ZPS"), "62701     IL03Springfield       12\r\n");
    LoadZips(app);
    EXPECT_EQ(app.crusade.ZipCount, 1);
    app.crusade.ZipTable[2] = ZipEntry("62702", "IL", "03", "Springfield", 1);
    app.crusade.ZipCount = 2;
    SaveZips(app);
    EXPECT_EQ(QDir(t.dir.path()).entryList({"*.zps", "*.ZPS"}), QStringList{"SPRING.ZPS"});
}

TEST_F(SideFilesTest, TooLongOrUnreadableFilesAreReportedAndKept) {
    QByteArray tooMany;
    for (int i = 0; i < 2001; ++i) tooMany += ZipEntry(QByteArray::number(10000 + i), "IL", "00", "Town", 1) + "\r\n";
    WriteFileBytes(zipFile, tooMany);
    ASSERT_TRUE(QDir(t.dir.path()).mkdir("spring.mem"));  // a member "file" that cannot be read

    LoadZips(app);
    LoadMembers(app);
    ASSERT_EQ(t.dialogs.messages().size(), 2);
    EXPECT_TRUE(t.dialogs.messages()[0].contains("holds 2001 zip codes; Fennick can keep at most 2000."));
    EXPECT_TRUE(t.dialogs.messages()[1].contains("could not be read"));
    EXPECT_EQ(app.crusade.ZipCount, 0);
    EXPECT_EQ(app.crusade.MemberCount, 0);

    // Entries added afterwards never replace the file that could not be loaded.
    app.crusade.ZipTable[1] = ZipEntry("62701", "IL", "03", "Springfield", 1);
    app.crusade.ZipCount = 1;
    app.crusade.MemberNames.append(MemberEntry("0001", "Able", "Ann"));
    app.crusade.MemberCount = 1;
    SaveZips(app);
    SaveMembers(app);
    EXPECT_EQ(ReadFileBytes(zipFile), tooMany);
    EXPECT_TRUE(QFileInfo(memFile).isDir());
    EXPECT_EQ(t.dialogs.messages().size(), 2);
}

}  // namespace

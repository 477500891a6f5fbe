// Another crusade merged into the open one and the open one compared with its backup, both
// with a filtered view on screen: numbers held outside the view count, the same person is
// not added twice, members are merged once; the data and member files against golden
// files; refused files leave every file as it was; failures injected through the file seam.

#include "CrusadeOnDisk.h"
#include "CrusadeToolsFixture.h"
#include "FakeFiles.h"
#include "RecordBuilder.h"
#include "attendance/AttendanceMerge.h"
#include "data/DataStore.h"
#include "data/FileUtil.h"
#include "data/SideFiles.h"
#include "data/Text.h"
#include "filetools/BackupCompare.h"
#include "filetools/CrusadeMerge.h"
#include "filetools/TextImport.h"
#include "platform/ErrorNumbers.h"

#include <QDir>
#include <QFile>

#include <cstring>

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

QString Golden(const char* name) {
    return QStringLiteral(FENNICK_TEST_DATA "/") + QLatin1String(name);
}

AttendeeRecord Deleted(const char* rnum, const char* first, const char* last) {
    AttendeeRecord r = Person(rnum, first, last);
    r.WorkerCode = "##";
    return r;
}

// Every record of the data file as a line: number, team, names.
QByteArray Dump(App& app) {
    QByteArray out;
    for (const AttendeeRecord& r : ReadAllRecords(app))
        out += r.RNum.bytes() + '|' + r.WorkerCode.bytes() + '|' + r.FName.trimmed() + ' ' + r.LName.trimmed() + "\r\n";
    return out;
}

// The view of Adams alone: Smith (0012) and Baker (0014) are held outside it.
void FilterToAdams(CrusadeToolsWorld& w) {
    w.app.view.ReportIndex = {QByteArray(), QByteArray("0013ADAMSJO   3")};
    w.app.view.ReportCount = 1;
    w.app.view.CurIndexPos = 1;
}

// A data file of the older 369-byte layout that happens to be a whole number of 461-byte
// records long.
QByteArray OlderLayout() {
    const QByteArray rec = Person("0050", "Old", "Layout").encode();
    const QByteArray old = rec.left(183) + QByteArray(100, ' ') + rec.mid(333, 86);
    return old.repeated(AttendeeRecord::Size);
}

struct Merge {
    CrusadeToolsWorld w;
    QString other;

    explicit Merge(const QString& crusadeName = QStringLiteral("Spring")) {
        CrusadeSpec s;
        s.records = {Person("0012", "Mary", "Smith"), Person("0014", "Paul", "Baker"),  Person("0015", "Gone", "Away"),
                     Person("0020", "Nina", "Stone"), Deleted("0021", "Dead", "Entry"), Person("0013", "John", "Adams"),
                     Person("0014", "Ruth", "Baker"), Person("0020", "Ann", "Other")};
        s.members = {MemberEntry("0040", "Brown", "Ann"), MemberEntry("0041", "Green", "Tom"),
                     MemberEntry("0041", "Green", "Tom")};
        other = WriteCrusade(w.t, w.t.path(QStringLiteral("fall")), QStringLiteral("fall"), s);
        w.app.settings.CrusadeName = crusadeName;
        FilterToAdams(w);
    }
    void run(const QString& file) {
        w.t.dialogs.choose(file).answer(AnsYes).answer(AnsYes);
        mnuMerge_Click(w.app, w.screen);
    }
    QString statData() const { return QDir(w.app.program.ProgramDir).filePath(QStringLiteral("StatData.txt")); }
};

TEST(CrusadeMergeTest, HeldNumbersAreRenumberedTheSamePersonSkippedAndMembersMergedOnce) {
    Merge m;
    m.run(m.other);
    EXPECT_EQ(Dump(m.w.app), ReadFileBytes(Golden("merged_crusade.txt")));
    EXPECT_EQ(ReadFileBytes(m.w.data(QStringLiteral("spring.mem"))), ReadFileBytes(Golden("merged_crusade.mem")));
    EXPECT_EQ(m.w.t.dialogs.messages().size(), 3) << "the two questions and the closing message";
    ASSERT_EQ(m.w.app.view.ReportCount, 1 + 4);
    EXPECT_EQ(m.w.app.view.ReportIndex[m.w.app.view.CurIndexPos], QByteArray("0013ADAMSJO   3"));
    EXPECT_EQ(m.w.app.settings.ReservedNumber, 2) << "0014, and 0020 appended by this merge, renumbered";
    EXPECT_FALSE(QFile::exists(m.statData())) << "not a master named Master";
}

// The merge ends with one message: every record added with its number (and, given a new
// one, the names of the record holding its own: one of the master, or one this merge
// added), and every record left out with why, each list its first entries and a count of
// the rest, then whether running it again is safe. A record is left out as on file only
// when a live record holds its number under its names (blanks and case aside). The master
// holds Smith 0012, Adams 0013, Baker 0014 and the deleted Away 0015.
TEST(CrusadeMergeTest, TheClosingMessageNamesEveryRecordAddedOrLeftOutAndWhy) {
    const QByteArray spring = "0012|00|Mary Smith\r\n0015|##|Gone Away\r\n0013|00|John Adams\r\n0014|00|Ruth Baker\r\n";
    const QString safe = QStringLiteral(
        "Running Merge Files again is safe: the records added are left out as the same people on file, and the rest "
        "are added.");
    const auto twice = [](int n) {
        return QStringLiteral(
                   "Running Merge Files again adds a second time the %1 record%2 given a new number: merge a "
                   "copy of the other crusade without them instead.")
            .arg(n)
            .arg(n == 1 ? "" : "s");
    };
    const QString held = QStringLiteral("\r\n%1  %2: its own number\u00A0%3 is held by %4");
    QList<AttendeeRecord> manyDeleted;
    QString many = QStringLiteral("No record was added.\r\n\r\n25 records were left out:");
    for (int n = 30; n < 55; ++n) {
        manyDeleted << Deleted(QByteArray::number(n).rightJustified(4, '0'), "Dead", "Entry");
        if (n < 40) many += QStringLiteral("\r\n00%1  Entry, Dead: deleted").arg(n);
    }
    QList<AttendeeRecord> manyHeld;
    QString first = QStringLiteral("25 records were added:");
    QByteArray manyAppended;
    for (int n = 1; n <= 25; ++n) {
        const QString name = QStringLiteral("N%1").arg(n);
        manyHeld << Person("0013", qPrintable(name), "Many");
        // The numbers drawn pass over 0012 to 0014, which the master holds.
        const QString number = ZeroPad(n < 12 ? n : n + 3, 4);
        if (n <= 10) first += held.arg(number, "Many, " + name, "0013", "Adams, John");
        manyAppended += (number + "|00|" + name + " Many\r\n").toLatin1();
    }
    const struct {
        const char* what;
        QList<AttendeeRecord> other;
        QString message;
        QByteArray appended;  // the records after the master's own
        qint16 reserved = 0;  // the last registration number issued, counting up
    } cases[] = {
        {"the same person, blanks and case aside",
         {Person("0013", "  JOHN", "adams "), Person("0012", "Mary", "Smith"), Person("0016", "Ann", "Lee")},
         "1 record was added:\r\n0016  Lee, Ann\r\n\r\n2 records were left out:\r\n"
         "0013  adams, JOHN: the same person is already on file\r\n"
         "0012  Smith, Mary: the same person is already on file\r\n\r\n" +
             safe,
         "0016|00|Ann Lee\r\n"},
        {"the same names under another number, or only in a deleted record, are other people",
         {Person("0012", "John", "Adams"), Person("0015", "Gone", "Away")},
         "2 records were added:" + held.arg("0001", "Adams, John", "0012", "Smith, Mary") +
             "\r\n0015  Away, Gone\r\n\r\n" + twice(1),
         "0001|00|John Adams\r\n0015|00|Gone Away\r\n"},
        {"added, and one deleted",
         {Person("0013", "Ann", "New"), Deleted("0030", "Dead", "Entry"), Person("0040", "Mary", "Smith")},
         "2 records were added:" + held.arg("0001", "New, Ann", "0013", "Adams, John") +
             "\r\n0040  Smith, Mary\r\n\r\n1 record was left out:\r\n0030  Entry, Dead: deleted\r\n\r\n" + twice(1),
         "0001|00|Ann New\r\n0040|00|Mary Smith\r\n"},
        {"more left out than a message holds", manyDeleted, many + "\r\nand 15 more.\r\n\r\n" + safe, ""},
        {"no number left to give",
         {Person("0016", "Ann", "Lee"), Person("0013", "Ann", "New"), Person("0017", "Bo", "Late")},
         "1 record was added:\r\n0016  Lee, Ann\r\n\r\nMerge Files stopped part way: 1 record was written and 2 were "
         "not:\r\n0013  New, Ann: No more registration numbers can be issued counting UP from 9999. Registration "
         "numbers run from 0001 to 9999.\r\n0017  Late, Bo: not reached\r\n\r\n" +
             safe,
         "0016|00|Ann Lee\r\n",
         9999},
        {"held by the master and by a name added",
         {Person("0014", "Paul", "Baker"), Person("0020", "Nina", "Stone"), Person("0020", "Ann", "Other")},
         "3 records were added:" + held.arg("0001", "Baker, Paul", "0014", "Baker, Ruth") + "\r\n0020  Stone, Nina" +
             held.arg("0002", "Other, Ann", "0020", "Stone, Nina") + "\r\n\r\n" + twice(2),
         "0001|00|Paul Baker\r\n0020|00|Nina Stone\r\n0002|00|Ann Other\r\n"},
        {"more renumbered than a message holds", manyHeld, first + "\r\nand 15 more.\r\n\r\n" + twice(25),
         manyAppended},
        {"two names without a number",
         {Person("    ", "Eve", "Blank"), Person("", "Ed", "Blank")},
         "2 records were added:\r\n0001  Blank, Eve: it had no number\r\n0002  Blank, Ed: it had no number\r\n\r\n" +
             twice(2),
         "0001|00|Eve Blank\r\n0002|00|Ed Blank\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Merge m;
        m.w.app.settings.ReservedNumber = c.reserved;
        WriteDataFile(m.other, c.other);
        m.run(m.other);
        const QStringList shown = m.w.t.dialogs.messages();
        ASSERT_EQ(shown.size(), 3);  // after the two questions
        EXPECT_EQ(shown.last().toStdString(), c.message.toStdString());
        EXPECT_EQ(Dump(m.w.app), spring + c.appended);
        // The first question counts the records the merge adds, unless it stops part way.
        if (c.reserved == 0) {
            EXPECT_TRUE(shown[0].contains(
                QStringLiteral("The Merged file will contain %1 records.").arg(4 + c.appended.count('\n'))))
                << shown[0].toStdString();
        }
    }
}

TEST(CrusadeMergeTest, AMasterNamedMasterWritesTheStatisticsDataFile) {
    const struct {
        const char* what;
        const char* settings;  // the other's settings file: kept, removed (null) or emptied ("")
        const char* told;      // why the statistics data file was not written; none: it was
        int failingSave = 0;   // the file save that fails: 3 is the statistics data file's
    } cases[] = {{"with the other's settings", "kept", nullptr},
                 {"without them", nullptr, "File not found"},
                 {"with them empty", "", "The file is empty."},
                 {"with the file not written", "kept", "Error #  61 was generated by Fennick3", 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Merge m(QStringLiteral("Master"));
        if (c.failingSave) m.w.t.files.failAt(c.failingSave, err::DiskFull, FakeFiles::Op::Save);
        const QString settings = SideFileName(m.other, QStringLiteral("inf"));
        if (!c.settings) QFile::remove(settings);
        if (c.settings && !*c.settings) WriteFileBytes(settings, QByteArray());
        m.run(m.other);
        EXPECT_EQ(QFile::exists(m.statData()), !c.told);
        // Why is told in the closing message, after what was merged.
        EXPECT_EQ(m.w.t.dialogs.messages().size(), 3);
        EXPECT_TRUE(!c.told || m.w.t.dialogs.messages()[2].contains(QLatin1String(c.told)));
        EXPECT_EQ(Dump(m.w.app), ReadFileBytes(Golden("merged_crusade.txt")));
    }
}

TEST(CrusadeMergeTest, RefusedFilesLeaveEveryFileAsItWas) {
    const struct {
        const char* what;
        std::function<QString(Merge&)> chosen;
        const char* message;
    } cases[] = {
        {"the loaded file", [](Merge& m) { return m.w.t.path(QStringLiteral("fall/../data/spring.dta")); },
         "You Cannot Merge the Currently Loaded File into itself."},
        {"an older layout",
         [](Merge& m) {
             WriteFileBytes(m.other, OlderLayout());
             return m.other;
         },
         "its records do not read as records of the current layout"},
        {"not whole records",
         [](Merge& m) {
             WriteFileBytes(m.other, ReadFileBytes(m.other) + "xx");
             return m.other;
         },
         "its length is not a whole number of records of 461 bytes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Merge m;
        const QString file = c.chosen(m);
        const FolderFiles before = FilesIn(m.w.t.path(QStringLiteral("data")));
        m.w.t.dialogs.choose(file);
        mnuMerge_Click(m.w.app, m.w.screen);
        EXPECT_EQ(FilesIn(m.w.t.path(QStringLiteral("data"))), before);
        ASSERT_EQ(m.w.t.dialogs.messages().size(), 1);
        EXPECT_TRUE(m.w.t.dialogs.messages()[0].contains(QLatin1String(c.message)))
            << m.w.t.dialogs.messages()[0].toStdString();
        EXPECT_FALSE(m.w.t.dialogs.pending());
    }
}

struct Compare {
    CrusadeToolsWorld w;
    explicit Compare(const QList<AttendeeRecord>& backup) {
        const QString file = w.backup(QStringLiteral("spring.dta"));
        WriteDataFile(file, backup);
        w.app.settings.BackupPath = file;
        FilterToAdams(w);
    }
    void run(std::initializer_list<int> answers) {
        for (int a : answers) w.t.dialogs.answer(a);
        mnuCompare_Click(w.app, w.screen);
    }
};

TEST(BackupCompareTest, OnlyNumbersNoLiveRecordHoldsAreOfferedAndTheCountsReported) {
    Compare c({Person("0012", "Mary", "Smith"), Person("0014", "Ruth", "Baker"), Person("0016", "Lost", "Person"),
               Person("0017", "Other", "Person"), Deleted("0018", "Dead", "Entry"), Person("0016", "Lost", "Again"),
               Person("0015", "Gone", "Away")});
    c.run({AnsYes, AnsYes /* 0016 */, AnsNo /* 0017 */, AnsNo /* 0016 again, another person */,
           AnsYes /* 0015, deleted in the crusade */});
    const QStringList shown = c.w.t.dialogs.messages();
    ASSERT_EQ(shown.size(), 6);
    EXPECT_TRUE(shown[1].startsWith(QStringLiteral("Found Missing Record: \r\n00  0016  Person, Lost")));
    EXPECT_TRUE(shown[2].startsWith(QStringLiteral("Found Missing Record: \r\n00  0017  Person, Other")));
    EXPECT_TRUE(shown[3].startsWith(QStringLiteral("Found Missing Record: \r\n00  0016  Again, Lost")));
    // Held by the record this comparison added: never asked about, but renumbered.
    EXPECT_TRUE(shown[3].contains(QStringLiteral("Its number is held here: it is added under the next free number.")));
    EXPECT_TRUE(shown[4].startsWith(QStringLiteral("Found Missing Record: \r\n00  0015  Away, Gone")));
    EXPECT_EQ(shown[5].toStdString(),
              "Files have not been repaired.\r\n\r\n2 records were added:\r\n0016  Person, Lost\r\n0015  Away, "
              "Gone\r\n\r\n2 records were left out:\r\n0017  Person, Other: declined\r\n0016  Again, Lost: "
              "declined\r\n\r\nRunning Compare again is safe: the records added are found by their number and names "
              "and not offered again.");
    EXPECT_EQ(Dump(c.w.app), ReadFileBytes(Golden("compared.txt")));
    EXPECT_EQ(c.w.app.view.ReportKind, QStringLiteral("alpha"));
    EXPECT_FALSE(c.w.t.dialogs.pending());
}

// A person is found by number and names (blanks and case aside); a backup record whose
// number another person holds, or that has none, is offered and added under the next free
// number. The crusade holds Smith 0012, Adams 0013 and Baker 0014.
TEST(BackupCompareTest, APersonIsFoundByNumberAndNames) {
    Compare c({Person("0013", "JOHN", " adams"), Person("0012", "Other", "Name"), Person("    ", "Eve", "Blank"),
               Person("    ", "Mary", "Smith"), Person("", "Ed", "Blank"), Person("0099", "Ed", "Blank")});
    c.run({AnsYes, AnsYes, AnsYes, AnsYes, AnsYes, AnsYes});
    const QStringList shown = c.w.t.dialogs.messages();
    ASSERT_EQ(shown.size(), 7);
    EXPECT_TRUE(shown[1].contains(QStringLiteral("0012  Name, Other")) &&
                shown[1].contains(QStringLiteral("Its number is held here by Smith, Mary")));
    EXPECT_TRUE(shown[2].contains(QStringLiteral("Blank, Eve")) &&
                shown[2].contains(QStringLiteral("no registration")));
    EXPECT_TRUE(shown[3].contains(QStringLiteral("Smith, Mary")));  // no number: no person of the crusade
    EXPECT_TRUE(shown[4].contains(QStringLiteral("Blank, Ed")));
    EXPECT_TRUE(shown[5].contains(QStringLiteral("0099  Blank, Ed")));  // a number free here: offered as it stands
    EXPECT_EQ(
        shown[6].toStdString(),
        "Files have been repaired Successfully.\r\n\r\n5 records were added:\r\n0001  Name, Other: its own "
        "number\u00A00012 is held by Smith, Mary\r\n0002  Blank, Eve: it had no number\r\n0003  Smith, Mary: it "
        "had no number\r\n0004  Blank, Ed: it had no number\r\n0099  Blank, Ed\r\n\r\nRunning Compare again is "
        "safe: the records added are found by their number and names and not offered again.\r\nOnly the 4 records "
        "added under a new number are offered again.");
    EXPECT_EQ(Dump(c.w.app),
              "0012|00|Mary Smith\r\n0015|##|Gone Away\r\n0013|00|John Adams\r\n0014|00|Ruth Baker\r\n"
              "0001|00|Other Name\r\n0002|00|Eve Blank\r\n0003|00|Mary Smith\r\n0004|00|Ed Blank\r\n0099|00|Ed "
              "Blank\r\n");
}

TEST(BackupCompareTest, RefusalsLeaveEveryFileAsItWas) {
    const struct {
        const char* what;
        std::function<void(Compare&)> prepare;
        const char* message;
    } cases[] = {
        {"no backup made", [](Compare& c) { c.w.app.settings.BackupPath.clear(); },
         "These files have not been backed up."},
        {"the loaded file", [](Compare& c) { c.w.app.settings.BackupPath = c.w.spring; },
         "You Cannot Compare the Currently Loaded File to itself."},
        {"no backup there", [](Compare& c) { QFile::remove(c.w.app.settings.BackupPath); }, "Unable to find "},
        {"an older layout", [](Compare& c) { WriteFileBytes(c.w.app.settings.BackupPath, OlderLayout()); },
         "its records do not read as records of the current layout"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Compare cmp({Person("0016", "Lost", "Person")});
        c.prepare(cmp);
        const FolderFiles before = FilesIn(cmp.w.t.path(QStringLiteral("data")));
        cmp.run({});
        EXPECT_EQ(FilesIn(cmp.w.t.path(QStringLiteral("data"))), before);
        ASSERT_EQ(cmp.w.t.dialogs.messages().size(), 1);
        EXPECT_TRUE(cmp.w.t.dialogs.messages()[0].contains(QLatin1String(c.message)))
            << cmp.w.t.dialogs.messages()[0].toStdString();
    }
}

AttendeeRecord Numbered(AttendeeRecord r, const char* rnum) {
    r.RNum = rnum;
    return r;
}

// Merge Files, Import and Compare on a disk that fills up at a record: the records written
// before it stay, and one closing message names those not written and says whether running
// the command again is safe; a later step that fails is told in that message too.
TEST(AddedFromElsewhere, AStopPartWayIsToldInTheOneClosingMessage) {
    const QList<AttendeeRecord> fall = {Person("0012", "Mary", "Smith"), Person("0014", "Paul", "Baker"),
                                        Person("0015", "Gone", "Away"), Person("0020", "Nina", "Stone")};
    const auto merge = [fall](CrusadeToolsWorld& w) {
        const QString other = w.t.path(QStringLiteral("fall.dta"));
        WriteDataFile(other, fall);
        w.t.dialogs.choose(other).answer(AnsYes).answer(AnsYes);
        mnuMerge_Click(w.app, w.screen);
    };
    const QString added = QStringLiteral("0001  Baker, Paul: its own number\u00A00014 is held by Baker, Ruth");
    const QString leftOut =
        QStringLiteral("\r\n\r\n1 record was left out:\r\n0012  Smith, Mary: the same person is already on file");
    const QString allAdded =
        "3 records were added:\r\n" + added + "\r\n0015  Away, Gone\r\n0020  Stone, Nina" + leftOut + "\r\n\r\n";
    const QString twice = QStringLiteral(
        "\r\n\r\nRunning Merge Files again adds a second time the 1 record given a new number: merge a copy of the "
        "other crusade without them instead.");
    const QByteArray lines =
        "0101,Anna,Lee,1 Oak St,Town,IL,62701,555,a@x.org\r\n"
        "0102,Tom,Hill,2 Elm St,Town,IL,62701,555,t@x.org\r\n"
        "0103,Cy,Fox,3 Ash St,Town,IL,62701,555,c@x.org\r\n";
    const struct {
        const char* what;
        std::function<void(CrusadeToolsWorld&)> run;  // with its answers
        int failAt;                                   // the record write that fails; 0: none
        int failSave;                                 // the side-file save that fails (1 settings, 2 members); 0: none
        int asked;                                    // the questions before the closing message
        QList<AttendeeRecord> added;                  // the records after the crusade's own
        QString message;                              // <failed n>: the failure of record n
    } cases[] = {
        {"merge files",
         merge,
         2,
         0,
         2,
         {Numbered(Person("0014", "Paul", "Baker"), "0001")},
         "1 record was added:\r\n" + added + leftOut +
             "\r\n\r\nMerge Files stopped part way: 1 record was written and 2 were not:\r\n0015  Away, Gone: "
             "<failed 6>\r\n0020  Stone, Nina: not reached" +
             twice},
        {"merge files, then the settings file",
         merge,
         0,
         1,
         2,
         {Numbered(Person("0014", "Paul", "Baker"), "0001"), fall[2], fall[3]},
         allAdded +
             "Error #  61 was generated by Fennick3\r\nFailed on purpose: save <inf>\r\nThe registration numbers "
             "given could not be kept in the settings file." +
             twice},
        {"merge files, then the member list",
         merge,
         0,
         2,
         2,
         {Numbered(Person("0014", "Paul", "Baker"), "0001"), fall[2], fall[3]},
         allAdded +
             "Error #  61 was generated by Fennick3\r\nFailed on purpose: save <mem>\r\nThe church members were not "
             "merged." +
             twice},
        {"import",
         [lines](CrusadeToolsWorld& w) {
             WriteFileBytes(w.t.path(QStringLiteral("names.csv")), lines);
             w.t.dialogs.answer(AnsOK).choose(w.t.path(QStringLiteral("names.csv"))).answer(AnsYes);
             mnuImportText_Click(w.app, w.screen);
         },
         2,
         0,
         2,
         {ImportedRecord(SplitCsvRows(lines)[0].items)},
         "1 record was added:\r\n0101  Lee, Anna\r\n\r\nThe import stopped part way: 1 record was written and 2 were "
         "not:\r\n0102  Hill, Tom: <failed 6>\r\n0103  Fox, Cy: not reached\r\n\r\nRunning the import again on the "
         "same file is safe: the names imported are left out as the same people on file."},
        {"compare",
         [](CrusadeToolsWorld& w) {
             const QString backup = w.backup(QStringLiteral("spring.dta"));
             WriteDataFile(backup, {Person("0016", "Lost", "Person"), Person("0017", "Other", "Person")});
             w.app.settings.BackupPath = backup;
             w.t.dialogs.answer(AnsYes).answer(AnsYes);
             mnuCompare_Click(w.app, w.screen);
         },
         1,
         0,
         2,
         {},
         "Files have not been repaired.\r\n\r\nNo record was added.\r\n\r\nCompare stopped part way: 0 records were "
         "written and 2 were not:\r\n0016  Person, Lost: <failed 5>\r\n0017  Person, Other: not reached\r\n\r\n"
         "Running Compare again is safe: the records added are found by their number and names and not offered "
         "again."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CrusadeToolsWorld w;
        QByteArray bytes = ReadFileBytes(w.spring);
        for (const AttendeeRecord& r : c.added) bytes += r.encode();
        if (c.failAt) w.app.crusade.file.setWriteCall(FailingWriteAt(c.failAt, ENOSPC));
        if (c.failSave) w.t.files.failAt(c.failSave, err::DiskFull, FakeFiles::Op::Save);
        c.run(w);
        EXPECT_EQ(ReadFileBytes(w.spring), bytes);
        const QStringList shown = w.t.dialogs.messages();
        ASSERT_EQ(shown.size(), c.asked + 1);
        QString message = c.message;
        for (int n = 5; n <= 6; ++n)
            message.replace(QStringLiteral("<failed %1>").arg(n),
                            QStringLiteral("Disk full or write error: record %1 of %2 was not written: %3")
                                .arg(n)
                                .arg(w.spring, QString::fromLocal8Bit(std::strerror(ENOSPC))));
        message.replace(QStringLiteral("<mem>"), w.data(QStringLiteral("spring.mem")))
            .replace(QStringLiteral("<inf>"), w.data(QStringLiteral("spring.inf")));
        EXPECT_EQ(shown.last().toStdString(), message.toStdString());
    }
}

// Another crusade, or a backup, whose files a replacement cut off was putting in place (its
// list still beside them) is put back, and that told first, before a command reads it; also
// when its data file was moved aside, as the dialog then lists it.
TEST(AddedFromElsewhere, ACutOffReplacementThereIsEndedBeforeItIsRead) {
    const struct {
        const char* command;
        // file: the data file; chosen: the name the dialog gives.
        std::function<void(CrusadeToolsWorld&, const QString& file, const QString& chosen)> run;
        const char* read;  // in the command's first question: the set put back was read
    } routes[] = {
        {"Merge Files",
         [](CrusadeToolsWorld& w, const QString&, const QString& chosen) {
             w.t.dialogs.choose(chosen);
             mnuMerge_Click(w.app, w.screen);
         },
         "You will merge 2 records"},
        {"Compare",
         [](CrusadeToolsWorld& w, const QString& file, const QString&) {
             w.app.settings.BackupPath = file;
             mnuCompare_Click(w.app, w.screen);
         },
         "with: 2 records in the backup file"},
        {"Merge Attendance Updates",
         [](CrusadeToolsWorld& w, const QString& file, const QString& chosen) {
             w.app.settings.BackupPath = file;  // its dialog opens there
             w.t.dialogs.choose(chosen);
             mnuMergeAttendance_Click(w.app, w.screen);
         },
         ""},
    };
    for (const auto& route : routes)
        for (const bool aside : {false, true}) {
            SCOPED_TRACE(route.command);
            SCOPED_TRACE(aside ? "the data file aside" : "a half-made data file");
            CrusadeToolsWorld w;
            CrusadeSpec s;
            s.records = {Person("0030", "Old", "Copy"), Person("0031", "Also", "Old")};
            const QString file = WriteCrusade(w.t, w.t.path(QStringLiteral("fall")), QStringLiteral("fall"), s);
            const QByteArray before = ReadFileBytes(file);
            const QString old = file + QLatin1String(kOldFileSuffix);
            ASSERT_TRUE(QFile::rename(file, old));
            if (!aside) WriteFileBytes(file, Person("0032", "Half", "Made").encode());
            WriteFileBytes(
                ReplaceJournalPath(file),
                "pid 1\n" + (file + u'\t' + file + QLatin1String(kNewCopySuffix) + u'\t' + old).toUtf8() + '\n');
            w.t.dialogs.otherwise(AnsNo);
            route.run(w, file, aside ? old : file);
            for (const FakeDialogs::Shown& d : w.t.dialogs.shown()) {
                if (d.kind == FakeDialogs::Kind::Open) {
                    EXPECT_TRUE(d.file.filter.contains(QStringLiteral("*.dta.fennick-old")));
                }
            }
            const QStringList shown = w.t.dialogs.messages();
            ASSERT_GE(shown.size(), 2);
            EXPECT_TRUE(shown[0].contains(QStringLiteral("was not finished"))) << shown[0].toStdString();
            EXPECT_TRUE(shown[1].contains(QLatin1String(route.read))) << shown[1].toStdString();
            EXPECT_EQ(ReadFileBytes(file), before);
            EXPECT_FALSE(QFileInfo::exists(ReplaceJournalPath(file)));
        }
}

}  // namespace

// The church member list window's rules over its form, against a member file on disk:
// every case is checked against the file's bytes and the entry shown.

#include "CrusadeOnDisk.h"
#include "RecordBuilder.h"
#include "ZipFixture.h"
#include "data/CrusadeFiles.h"
#include "data/Errors.h"
#include "data/SideFiles.h"
#include "tables/MemberEditor.h"

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

QByteArray M(const char* rnum, const char* last, const char* first) {
    return MemberEntry(QByteArray(rnum).rightJustified(4), last, first);
}

// A member file line as the sequential writer puts it: an entry that begins with a blank
// is quoted.
QByteArray Line(const QByteArray& entry) {
    return (entry.startsWith(' ') ? '"' + entry + '"' : entry) + "\r\n";
}

struct Members : ::testing::Test {
    TestApp t;
    App& app = t.app;
    MemberForm form;
    QString memberFile;

    void open(const QList<QByteArray>& members) {
        CrusadeSpec s;
        s.records = {Person("0012", "Mary", "Smith")};
        for (const QByteArray& e : members) s.members << Line(e).chopped(2);
        const QString dataFile = WriteCrusade(t, t.path(QStringLiteral("data")), QStringLiteral("spring"), s);
        memberFile = t.path(QStringLiteral("data/spring.mem"));
        if (members.isEmpty()) QFile::remove(memberFile);
        ASSERT_TRUE(OpenCrusade(app, dataFile));
        app.settings.CrusadeName = QStringLiteral("Spring");
        t.dialogs.clear();
        Members_Load(app, form);
    }
    void type(const char* rnum, const char* last, const char* first) {
        form.RNum = QLatin1String(rnum);
        form.LName = QLatin1String(last);
        form.FName = QLatin1String(first);
    }
    void expectFile(const QList<QByteArray>& entries) {
        QByteArray bytes;
        for (const QByteArray& e : entries) bytes += Line(e);
        EXPECT_EQ(ReadFileBytes(memberFile), bytes);
    }
    void expectShown(const char* rnum, const char* last, const char* first, const char* counter) {
        EXPECT_EQ(form.RNum, QLatin1String(rnum));
        EXPECT_EQ(form.LName, QLatin1String(last));
        EXPECT_EQ(form.FName, QLatin1String(first));
        EXPECT_EQ(form.RCounter, QLatin1String(counter));
    }
};

// An empty list starts adding; each member left by its last name is in the file at once.
TEST_F(Members, TwoMembersAddedReachTheFileAtOnce) {
    open({});
    EXPECT_TRUE(form.Adding);
    EXPECT_EQ(form.MemTitleBox, QStringLiteral("Add SDA Members"));
    type("", "", "ruth");
    RNum_LostFocus(app, form);  // an empty number is issued
    FName_LostFocus(app, form);
    form.LName = QStringLiteral("baker");
    t.dialogs.answer(AnsYes);
    LName_LostFocus(app, form);
    const QByteArray ruth = MemberEntry(app.crusade.MemberNames[1].left(4), "Baker", "Ruth");
    expectFile({ruth});
    EXPECT_EQ(form.RCounter, QStringLiteral("2 of 2"));
    EXPECT_EQ(form.Caption, QStringLiteral("Adding Record Number 2 to Spring"));

    type("12345", "Carlsonandersonx", "Carl");
    t.dialogs.answer(AnsNo);
    LName_LostFocus(app, form);
    const QByteArray carl = M("2345", "Carlsonanderson", "Carl");
    expectFile({ruth, carl});
    EXPECT_FALSE(form.Adding);
    EXPECT_EQ(form.MemTitleBox, QStringLiteral("Edit SDA Members"));
    EXPECT_EQ(form.RCounter, QStringLiteral(" 2 of  2"));
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("Add Another Record?"));
}

// Close, a move or Edit on a new entry left empty drops it: nothing stored or written.
TEST_F(Members, AnEmptyNewEntryIsDropped) {
    const QList<QByteArray> two = {M("1", "Able", "Ann"), M("2", "Baker", "Bob")};
    for (auto leave : {Command4_Click, PreviousRecord_Click, Edit_Click}) {
        open(two);
        AddMem_Click(app, form);
        EXPECT_EQ(app.crusade.MemberCount, 3);
        leave(app, form);
        EXPECT_EQ(app.crusade.MemberCount, 2);
        expectFile(two);
    }
}

TEST_F(Members, DeletingMiddleLastAndOnlyMembers) {
    const QByteArray a = M("1", "Able", "Ann"), b = M("2", "Baker", "Bob"), c = M("3", "Cole", "Cy");
    open({a, b, c});
    NextRecord_Button_Click(app, form);
    t.dialogs.answer(AnsYes);
    btnDeleteSDA_Click(app, form);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("This Will Remove the information for:\r\n         2  Bob Baker\r\n"
                                                     "from the SDA Member File.\r\nIs this what you want to do?\r\n"));
    expectFile({a, c});
    expectShown("3", "Cole", "Cy", " 2 of  2");  // the one that followed

    t.dialogs.answer(AnsYes);
    btnDeleteSDA_Click(app, form);
    expectFile({a});
    expectShown("1", "Able", "Ann", " 1 of  1");  // the one before

    t.dialogs.answer(AnsNo);
    btnDeleteSDA_Click(app, form);
    EXPECT_EQ(form.Focus, QStringLiteral("Command4"));
    expectFile({a});

    t.dialogs.answer(AnsYes);
    btnDeleteSDA_Click(app, form);
    EXPECT_EQ(ReadFileBytes(memberFile), QByteArray());  // the member does not come back
    EXPECT_TRUE(form.Adding);
    t.dialogs.clear();
    Command4_Click(app, form);
    btnDeleteSDA_Click(app, form);  // nothing to delete: no question
    EXPECT_TRUE(t.dialogs.shown().empty());
    EXPECT_EQ(ReadFileBytes(memberFile), QByteArray());
}

// An edit not yet stored is kept before the sort, and the entry is found again after it.
TEST_F(Members, PrintAfterAnUnsavedEditShowsTheSameMember) {
    open({M("1", "Zane", "Zoe"), M("2", "Baker", "Bob"), M("3", "Able", "Ann")});
    form.FName = QStringLiteral("Zelda");
    t.dialogs.print(PrinterChoice{});
    btnPrintMem_Click(app, form);
    expectShown("1", "Zane", "Zelda", " 3 of  3");
    EXPECT_EQ(app.crusade.MemberNames.mid(1, 3),
              (QList<QByteArray>{M("3", "Able", "Ann"), M("2", "Baker", "Bob"), M("1", "Zane", "Zelda")}));
    expectFile({M("1", "Zane", "Zelda"), M("2", "Baker", "Bob"), M("3", "Able", "Ann")});
    // The next move stores nothing over another member.
    FirstRecordButton_Click(app, form);
    expectShown("3", "Able", "Ann", " 1 of  3");
    expectFile({M("1", "Zane", "Zelda"), M("2", "Baker", "Bob"), M("3", "Able", "Ann")});
}

TEST_F(Members, TheSearchIgnoresCaseAndAnEmptyAnswerDoesNothing) {
    open({M("1", "Able", "Ann"), M("2", "Baker", "Bob"), M("3", "Cole", "Cy")});
    t.dialogs.type(QString());
    Search_Click(app, form);
    expectShown("1", "Able", "Ann", " 1 of  3");
    ASSERT_EQ(t.dialogs.shown().size(), 1u);

    t.dialogs.type(QStringLiteral("BAK")).answer(AnsYes);
    Search_Click(app, form);
    expectShown("2", "Baker", "Bob", " 2 of  3");

    t.dialogs.type(QStringLiteral("c")).answer(AnsNo);  // Cole Cy only
    Search_Click(app, form);
    EXPECT_EQ(t.dialogs.last().text, QStringLiteral("Record Not Found."));
}

// A member file that cannot be written stays as it was; the entry is kept in the list for
// the next write.
TEST_F(Members, AFailedWriteLeavesTheFileWhole) {
    open({M("1", "Able", "Ann")});
    const QByteArray before = ReadFileBytes(memberFile);
    t.files.failAt(1, 61, FakeFiles::Op::Save);
    form.FName = QStringLiteral("Anna");
    EXPECT_THROW(SaveMemChanges(app, form), VbError);
    EXPECT_EQ(ReadFileBytes(memberFile), before);
    EXPECT_EQ(app.crusade.MemberNames[1], M("1", "Able", "Anna"));
    WriteMemberFile(app);
    expectFile({M("1", "Able", "Anna")});
}

// A member file that could not be read is never replaced.
TEST_F(Members, AnUnreadableFileIsNeverOverwritten) {
    open({M("1", "Able", "Ann")});
    app.crusade.MemberFileUnreadable = true;
    const QByteArray before = ReadFileBytes(memberFile);
    form.FName = QStringLiteral("Anna");
    Command4_Click(app, form);
    EXPECT_EQ(ReadFileBytes(memberFile), before);
}

}  // namespace

#include "WindowFixture.h"
#include "data/SideFiles.h"
#include "data/Text.h"
#include "mainwindow/DeleteUndo.h"

#include <functional>

using namespace fennick;
using namespace fennick::test;

namespace {

const QString kQuestion = QStringLiteral("Are you sure you want to remove this record from the INTEREST file?");
const QString kLastChance = QStringLiteral("This is your last chance to back out.\r\n") + kQuestion;
const QString kMemberQuestion = QStringLiteral(
    "Are you sure you want to remove this record from the INTEREST file\r\nand add it to the SDA MEMBER File?");
const QString kUndeleteIntro = QStringLiteral(
    "Only those who have been Deleted are shown here.\r\nSelect the 'Show all Names' button to return to the main "
    "file.");
const QString kRestoreQuestion = QStringLiteral("Are you sure you want to restore this record to the file?");

// In alphabetical order: Adams, Allen, Baker, Brown, Clark (records 1 to 5); records 6
// and 7 (Gone, Lost) are deleted.
QList<AttendeeRecord> People() {
    return {Rec("0007", "Al", "Adams"),           Rec("0020", "Ann", "Allen"),
            Rec("0031", "Bob", "Baker"),          Rec("0044", "Bea", "Brown"),
            Rec("0050", "Cy", "Clark"),           Rec("0060", "Gil", "Gone").team("##").level("A").notes("Moved away"),
            Rec("0070", "Lou", "Lost").team("##")};
}

struct DeleteUndoTest : WindowFixture {
    void SetUp() override { open(People()); }
    QString memberFile() const { return fx->t.path(S("views.mem")); }
    int carbrakes() const { return played("S03.wav"); }
};

TEST_F(DeleteUndoTest, RefusedDeletes) {
    struct Case {
        const char* what;
        std::function<void(DeleteUndoTest&)> arrange;
        QString message;
    };
    const QString lastRecord = S("You Cannot Delete the Last Record from the File.");
    const Case cases[] = {
        {"attendance screen loaded", [](DeleteUndoTest& f) { f.app->hooks.attendanceFormLoaded = [] { return true; }; },
         S("You cannot delete a record while the Attendance form is open.  \r\nClick OK, then Click the 'Return to "
           "Attend' button and close the Attendance form in order to delete this record.")},
        {"one name in the view",
         [](DeleteUndoTest& f) {
             f.app->view.ReportCount = 1;
             f.app->view.ReportIndex.resize(2);
         },
         lastRecord},
        {"one record in the file, named twice in the view",
         [](DeleteUndoTest& f) {
             f.open({Rec("0007", "Al", "Adams")});
             f.app->view.ReportIndex.append(f.app->view.ReportIndex[1]);
             f.app->view.ReportCount = 2;
         },
         lastRecord},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        open(People());
        c.arrange(*this);
        const QByteArray before = fileBytes();
        const QList<QByteArray> view = app->view.ReportIndex;
        mnuDeleteRecord_Click(*app, screen);
        EXPECT_EQ(dialogs().messages(), QStringList{c.message});
        EXPECT_EQ(fileBytes(), before);
        EXPECT_EQ(app->view.ReportIndex, view);
        EXPECT_EQ(carbrakes(), 0);
    }
}

TEST_F(DeleteUndoTest, PlainDeleteAsksTwiceAndClosesUpTheView) {
    struct Case {
        int pos;
        QList<int> answers;
        bool deleted;
        int posAfter;
        const char* shownAfter;
    };
    const Case cases[] = {
        {3, {AnsNo}, false, 3, "Baker"},
        {3, {AnsYes, AnsNo}, false, 3, "Baker"},
        {3, {AnsYes, AnsYes}, true, 3, "Brown"},  // the next name takes the place
        {5, {AnsYes, AnsYes}, true, 4, "Brown"},  // the new last name
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pos);
        open(People());
        showAt(c.pos);
        const qint32 rec = app->crusade.CurRecNo;
        const AttendeeRecord stored = onDisk(rec);
        app->msg.MsgAnswer.clear();
        for (int a : c.answers) dialogs().answer(a);
        btnDelete_Click(*app, screen);

        const auto& shown = dialogs().shown();
        ASSERT_EQ(shown.size(), size_t(c.answers.size()));
        EXPECT_EQ(dialogs().messages(), (QStringList{kQuestion, kLastChance}.mid(0, c.answers.size())));
        for (const auto& q : shown) {
            EXPECT_EQ(q.title, S("Delete Record"));
            EXPECT_EQ(q.icon, Icon::Critical);
            EXPECT_EQ(q.buttons, Buttons::YesNo);
        }
        EXPECT_EQ(carbrakes(), 1);
        AttendeeRecord expected = stored;
        if (c.deleted) expected.WorkerCode = "##";
        EXPECT_EQ(onDisk(rec).encode(), expected.encode());
        EXPECT_EQ(app->view.ReportCount, c.deleted ? 4 : 5);
        EXPECT_EQ(app->view.ReportIndex.size(), app->view.ReportCount + 1);
        EXPECT_EQ(app->view.CurIndexPos, c.posAfter);
        EXPECT_EQ(text("LName"), S(c.shownAfter));
        EXPECT_EQ(app->msg.MsgAnswer, c.deleted ? QString() : S("7"));
        EXPECT_EQ(screen.focused(), S("SearchBox"));
    }
}

TEST_F(DeleteUndoTest, ChurchMemberDelete) {
    WriteFileBytes(memberFile(), MemberEntry("0001", "Older", "Member") + "\r\n");
    LoadMembers(*app);
    showAt(1);  // Adams
    screen.setText(S("FName"), S("Alexander Maximilian"));
    dialogs().answer(AnsYes).answer(AnsYes);
    btnSDA_Click(*app, screen);

    const auto& shown = dialogs().shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, S("This Will Remove the information for,\r\n         0007  Alexander Maximilian Adams\r\n"
                               "and add the name and number to the SDA members File.\r\nAll other information will "
                               "be lost.\r\n\r\n  Are you sure you want to Remove this Record?"));
    EXPECT_EQ(shown[0].title, S("                     Remove SDA Names"));
    EXPECT_EQ(shown[1].text, kMemberQuestion);
    EXPECT_EQ(shown[1].title, shown[0].title);

    const QByteArray entry("0007Adams          Alexander Maxim");
    ASSERT_EQ(entry.size(), 34);
    EXPECT_EQ(app->crusade.MemberCount, 2);
    EXPECT_EQ(app->crusade.MemberNames.value(2), entry);
    EXPECT_EQ(ReadFileBytes(memberFile()), MemberEntry("0001", "Older", "Member") + "\r\n" + entry + "\r\n");
    EXPECT_TRUE(onDisk(1).isDeleted());
    EXPECT_EQ(app->view.ReportCount, 4);
    EXPECT_EQ(app->msg.MsgTitle, QString());
    EXPECT_EQ(screen.focused(), S("SearchBox"));
}

TEST_F(DeleteUndoTest, ChurchMemberDeleteWhoseSaveIsRefusedAddsNobody) {
    struct Case {
        const char* what;
        std::function<void(DeleteUndoTest&)> arrange;
    };
    const Case cases[] = {
        {"Last box", [](DeleteUndoTest& t) { t.type("Last", "x"); }},
        {"numbers used up",
         [](DeleteUndoTest& t) {
             t.app->settings.ReservedNumber = 9999;
             t.type("RNum", "");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        open(People());
        const QByteArray members = MemberEntry("0001", "Older", "Member") + "\r\n";
        WriteFileBytes(memberFile(), members);
        LoadMembers(*app);
        showAt(1);  // Adams
        c.arrange(*this);
        dialogs().answer(AnsYes).answer(AnsYes);
        btnSDA_Click(*app, screen);

        EXPECT_EQ(dialogs().shown().size(), 3u);  // the two questions and the refusal
        EXPECT_EQ(app->crusade.MemberCount, 1);
        EXPECT_EQ(ReadFileBytes(memberFile()), members);
        EXPECT_FALSE(onDisk(1).isDeleted());
        EXPECT_EQ(app->view.ReportCount, 5);
        EXPECT_EQ(text("WorkerCode"), S("00"));
    }
}

TEST_F(DeleteUndoTest, DeleteDropsTheEntryThatNamesTheDeletedRecord) {
    // The view changed since Baker (record 3) was shown: his entry is now first.
    showAt(3);
    std::swap(app->view.ReportIndex[1], app->view.ReportIndex[3]);
    dialogs().answer(AnsYes).answer(AnsYes);
    mnuDeleteRecord_Click(*app, screen);

    EXPECT_TRUE(onDisk(3).isDeleted());
    EXPECT_EQ(app->view.ReportCount, 4);
    QList<qint32> named;
    for (int i = 1; i <= app->view.ReportCount; ++i) named << app->view.recordNumberAt(i);
    EXPECT_EQ(named, (QList<qint32>{2, 1, 4, 5}));
    EXPECT_EQ(app->view.CurIndexPos, 1);  // the next name takes the deleted one's place
    EXPECT_EQ(text("LName"), S("Allen"));
}

TEST_F(DeleteUndoTest, ChurchMemberButtonAnswers) {
    struct Case {
        const char* what;
        QString msgAnswer;  // before the click
        QList<int> answers;
        int dialogsShown;
    };
    const Case cases[] = {
        {"right click", kRightClick, {}, 0},
        {"no", QString(), {AnsNo}, 1},
        {"no to the delete", QString(), {AnsYes, AnsNo}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        open(People());
        const QByteArray before = fileBytes();
        app->msg.MsgAnswer = c.msgAnswer;
        for (int a : c.answers) dialogs().answer(a);
        btnSDA_Click(*app, screen);
        EXPECT_EQ(int(dialogs().shown().size()), c.dialogsShown);
        EXPECT_EQ(fileBytes(), before);
        EXPECT_EQ(app->crusade.MemberCount, 0);
        EXPECT_EQ(app->view.ReportCount, 5);
        EXPECT_EQ(app->msg.MsgTitle, QString());
        EXPECT_EQ(app->msg.MsgAnswer, c.dialogsShown ? S("7") : QString());
    }
}

TEST_F(DeleteUndoTest, DeleteFromThePreviewReturnsToIt) {
    struct Case {
        bool searchBoxShown;
        bool preview;  // the report window exists
        bool windowShown;
        int previews;
    };
    for (const Case& c : {Case{true, true, true, 0}, Case{false, true, false, 1}, Case{false, false, true, 0}}) {
        open(People());
        int previews = 0;
        if (c.preview) app->hooks.showPrintReports = [&previews] { ++previews; };
        screen.setVisible(S("SearchBox"), c.searchBoxShown);
        screen.windowVisible = true;
        dialogs().answer(AnsYes).answer(AnsYes);
        btnDelete_Click(*app, screen);
        EXPECT_EQ(previews, c.previews);
        EXPECT_EQ(screen.windowVisible, c.windowShown);
        EXPECT_EQ(app->view.ReportCount, 4);
    }
}

TEST_F(DeleteUndoTest, UndeleteView) {
    dialogs().answer(AnsCancel);
    munUndeleteRec_Click(*app, screen);
    EXPECT_EQ(app->view.ReportKind, S("alpha"));

    dialogs().answer(AnsOK);
    munUndeleteRec_Click(*app, screen);
    EXPECT_EQ(dialogs().shown().back().text, kUndeleteIntro);
    EXPECT_EQ(dialogs().shown().back().buttons, Buttons::OKCancel);
    EXPECT_EQ(app->view.ReportKind, S("undelete"));
    EXPECT_EQ(fx->rnums(), (QList<QByteArray>{"0060", "0070"}));
    EXPECT_EQ(text("LName"), S("Gone"));
    EXPECT_EQ(app->mainWindow.EnteredRNum, S("0060"));
    EXPECT_EQ(text("EditLabel"), S("Undelete Names"));
    EXPECT_EQ(text("lblShowButtonLabels"), QString(24, u' ') + S("Click to Restore displayed name to the file.") +
                                               QString(58, u' ') + S("Return to Edit."));
    EXPECT_TRUE(screen.isVisible(S("lblShowButtonLabels")));
    EXPECT_TRUE(screen.isVisible(S("btnUndelete")));
    EXPECT_TRUE(screen.isVisible(S("ShowAll")));
    for (const char* hidden : {"btnGlobal", "btnSDA", "btnDelete", "btnMark", "btnGoTo", "btnUndo", "btnExcel",
                               "btnAttend", "btnViewFile", "btnAddName", "btnStats", "FndNameBx"})
        EXPECT_FALSE(screen.isVisible(S(hidden))) << hidden;
    for (const char* menu : {"mnuEdit", "mnuRecords", "mnuFilterS", "mnuFile", "mnuPreview", "mnuTools", "mnuPrint"})
        EXPECT_FALSE(screen.isEnabled(S(menu))) << menu;
}

TEST_F(DeleteUndoTest, NoDeletedRecordsShowsAllNames) {
    open({Rec("0007", "Al", "Adams"), Rec("0020", "Ann", "Allen")});
    app->view.ReportKind = S("zip");
    dialogs().answer(AnsOK);
    btnUndelete_Click(*app, screen);  // outside the undelete view: opens it
    EXPECT_EQ(dialogs().messages(), (QStringList{kUndeleteIntro, S("There are no deleted records to display")}));
    EXPECT_EQ(app->view.ReportKind, S("alpha"));
    EXPECT_EQ(app->view.ReportCount, 2);
}

TEST_F(DeleteUndoTest, RestoreWritesBeforeItReports) {
    struct Case {
        int pos;
        int answer;
        bool restored;
        const char* shownAfter;
    };
    const Case cases[] = {
        {1, AnsYes, true, "Lost"},  // an earlier entry: the next deleted name is shown
        {2, AnsYes, true, "Lost"},  // the last entry stays on the screen, written all the same
        {1, AnsNo, false, "Gone"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pos);
        open(People());
        dialogs().answer(AnsOK);
        munUndeleteRec_Click(*app, screen);
        showAt(c.pos);
        const qint32 rec = app->crusade.CurRecNo;
        const AttendeeRecord stored = onDisk(rec);
        const QString first = text("FName"), last = text("LName");
        dialogs().clear();
        dialogs().answer(c.answer);
        btnUndelete_Click(*app, screen);

        AttendeeRecord expected = stored;
        if (c.restored) expected.WorkerCode = "00";
        EXPECT_EQ(onDisk(rec).encode(), expected.encode());
        EXPECT_EQ(dialogs().shown().at(0).text, kRestoreQuestion);
        EXPECT_EQ(dialogs().shown().at(0).title, S("Delete Record "));
        const QStringList reported =
            c.restored ? QStringList{kRestoreQuestion, S("The Record for ") + first + " " + last +
                                                           S(" has been successfully restored to the INTEREST file.")}
                       : QStringList{kRestoreQuestion};
        EXPECT_EQ(dialogs().messages(), reported);
        EXPECT_EQ(text("LName"), S(c.shownAfter));
    }
}

TEST_F(DeleteUndoTest, RestoreRefusedWhileALiveRecordHoldsTheNumber) {
    QList<AttendeeRecord> people = People();
    people[1].RNum = "0060";  // Allen now holds Gone's number
    open(people);
    dialogs().answer(AnsOK);
    munUndeleteRec_Click(*app, screen);
    ASSERT_EQ(text("LName"), S("Gone"));
    const QByteArray before = fileBytes();
    dialogs().clear();
    dialogs().answer(AnsYes);
    btnUndelete_Click(*app, screen);
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(dialogs().messages().value(1),
              S("Registration number 0060 now belongs to Ann Allen (record 2).\r\nThis record cannot be restored "
                "while another name has its number."));
    EXPECT_EQ(text("WorkerCode"), S("##"));
    EXPECT_EQ(text("LName"), S("Gone"));
}

TEST_F(DeleteUndoTest, UndoShowsTheFilesCopy) {
    showAt(3);  // Baker
    const qint32 rec = app->crusade.CurRecNo;
    // The file's copy differs from the record as it was shown (an earlier step wrote it).
    AttendeeRecord stored = onDisk(rec);
    stored.Notes = "Written since";
    WriteRecord(*app, rec, stored);
    screen.setText(S("FName"), S("Robert"));
    screen.setText(S("Address"), S("1 Other St"));
    screen.setValue(S("MailList"), 0);

    dialogs().answer(AnsNo);
    btnUndo_Click(*app, screen);
    EXPECT_EQ(text("FName"), S("Robert"));
    EXPECT_EQ(dialogs().shown().back().title, S("Undo Record Changes"));
    EXPECT_EQ(dialogs().shown().back().text, S("Undo will Erase all of the changes you have made to this record."
                                               "\r\n\r\nAre you sure this is what you want?"));

    // The view changed since Baker was shown: his entry is now first, and Adams has his.
    std::swap(app->view.ReportIndex[1], app->view.ReportIndex[3]);
    dialogs().answer(AnsYes);
    mnuUndo_Click(*app, screen);
    EXPECT_EQ(text("FName"), S("Bob"));
    EXPECT_EQ(text("Address"), S("1 Main St"));
    EXPECT_EQ(text("Notes"), S("Written since"));
    EXPECT_EQ(screen.value(S("MailList")), 1);
    EXPECT_EQ(app->crusade.CurRecord.encode(), stored.encode());
    EXPECT_EQ(app->crusade.OrigRecord.encode(), stored.encode());
    EXPECT_EQ(app->mainWindow.EnteredRNum, S("0031"));
    EXPECT_EQ(carbrakes(), 2);
}

}  // namespace

// The crusade's data file gone while it is open: a change whose writing was refused is
// saved with the crusade's files in another folder when the user kept it (on screen, or
// moved away after being told), and not when the user discarded it; it is what the screens
// show, and it goes into the data file when that comes back.

#include "AttendFixture.h"
#include "attendance/AttendCommands.h"
#include "attendance/AttendRecord.h"
#include "data/CrusadeFiles.h"
#include "data/Errors.h"
#include "mainwindow/AddMode.h"
#include "mainwindow/DeleteUndo.h"
#include "mainwindow/FieldEntry.h"
#include "mainwindow/Navigation.h"
#include "mainwindow/SaveRecord.h"
#include "reportwindow/ReportWindow.h"
#include "reportwindow/ReturnToEditForm.h"

#include <QDir>
#include <QFileInfo>

#include <functional>
#include <initializer_list>

using namespace fennick;
using namespace fennick::test;

namespace {

const QByteArray kNumber = "0077";  // the number the refused change on the main window gives

struct RefusedChangeRescueTest : AttendFixture {
    QString lost, elsewhere;
    AttendeeRecord onFile, changed;  // record 1 (Adams, first in the view) and its refused change

    void openCrusade(const QList<AttendeeRecord>& records) {
        open(records, {}, nullptr);
        lost = app->program.DataFile;
        elsewhere = fx->t.path("elsewhere");
        ASSERT_TRUE(QDir().mkpath(elsewhere));
        if (records.isEmpty()) return;
        onFile = changed = records[0];
        app->view.CurIndexPos = 1;
        ASSERT_TRUE(ShowCurrentRecord(*app, main));
    }
    bool attendanceOpen = false;

    void loseTheFile() { ASSERT_TRUE(QFile::rename(lost, lost + QStringLiteral(".away"))); }
    void bringTheFileBack() { ASSERT_TRUE(QFile::rename(lost + QStringLiteral(".away"), lost)); }
    void pageDown() { EXPECT_NO_THROW(ChgRec_KeyDown(*app, main, kKeyPageDown)); }
    // The number and first name changed on the main window, and the save refused: the
    // number is then held, as the duplicate check sees it.
    void refuseOnMain() {
        loseTheFile();
        changed.RNum = kNumber;
        changed.FName = "Alfred";
        main.setText(QStringLiteral("RNum"), QString::fromLatin1(kNumber));
        main.setText(QStringLiteral("FName"), QStringLiteral("Alfred"));
        EXPECT_THROW(SaveCurrentRecord(*app, main), VbError);
        EXPECT_TRUE(RegNumberOnFile(*app, kNumber));
    }
    void esc(std::initializer_list<const char*> boxes) {
        for (const char* box : boxes) EXPECT_TRUE(FieldKeyDown(*app, main, QLatin1String(box), vk::Escape, 0));
    }
    void undo() {
        dialogs().answer(AnsYes);
        mnuUndo_Click(*app, main);
    }
    void openAttendance() {
        dialogs().type(QStringLiteral("13"));
        mnuAttendUpdate_Click(*app, main);
        attendf::Form_Load(*app, st, screen);
        attendf::Form_Activate(*app, st, screen);
        attendanceOpen = true;
    }
    // The baptism date changed on the attendance screen, and the move to the next name refused.
    void refuseOnAttendance() {
        openAttendance();
        loseTheFile();
        changed.BaptDate = "03/15/24";
        type("BaptDate", "03/15/24");
        EXPECT_THROW(attendf::NextRecord_Button_Click(*app, st, screen), VbError);
    }
    // Done, and the main window comes back.
    void closeAttendance() {
        EXPECT_TRUE(attendf::Exit_Click(*app, st, screen));
        attendf::Form_Unload(*app, st);
        Form_Activate(*app, main, true);
    }
};

TEST_F(RefusedChangeRescueTest, TheFilesSavedElsewhereHoldWhatTheUserKept) {
    using T = RefusedChangeRescueTest;
    enum Refused { OnMain, OnAttendance, ByTheRoute };
    enum Saved { AsOnFile, AsChanged, WithTheNumber, WithTheNumberInSalem, WithANote, Deleted, NotAtAll };
    struct Row {
        const char* route;
        Refused refused;               // where the change is refused first
        std::function<void(T&)> then;  // what the user does then
        qint32 record;                 // the record refused
        Saved saved;                   // what the saved data file holds as that record
    };
    const Row rows[] = {
        {"main: Undo", OnMain, [](T& t) { t.undo(); }, 1, AsOnFile},
        {"main: Esc in each box changed", OnMain,
         [](T& t) {
             t.esc({"FName", "RNum"});
         },
         1, AsOnFile},
        {"main: Esc in one of them", OnMain, [](T& t) { t.esc({"FName"}); }, 1, WithTheNumber},
        {"main: Delete", OnMain,
         [](T& t) {
             t.dialogs().answer(AnsYes).answer(AnsYes);
             EXPECT_THROW(mnuDeleteRecord_Click(*t.app, t.main), VbError);
         },
         1, Deleted},
        {"main: the report window closed after the edit beside its preview", OnMain,
         [](T& t) {
             ShowEditFromPreview(*t.app, t.main);
             PrintReportsState w;
             EXPECT_TRUE(Form_Unload(*t.app, w, t.main));
         },
         1, AsChanged},
        {"main: a copy told as not made", ByTheRoute,
         [](T& t) {
             t.loseTheFile();
             t.app->settings.ReservedNumber = qint16(kNumber.toInt() - 1);
             t.dialogs().answer(AnsYes);
             mnuCopy_Click(*t.app, t.main);
         },
         6, NotAtAll},
        {"add mode: the first name of a crusade without records, left (which closes it)", ByTheRoute,
         [](T& t) {
             t.openCrusade({});
             t.app->crusade.NewEmptyFile = true;
             mnuAddRecords_Click(*t.app, t.main);
             t.loseTheFile();
             t.main.setText(QStringLiteral("RNum"), QString::fromLatin1(kNumber));
             EXPECT_THROW(btnSaveNew_Click(*t.app, t.main), VbError);
             t.dialogs().answer(AnsYes).answer(AnsYes).choose(t.elsewhere);
             btnCancelNew_Click(*t.app, t.main);
         },
         1, NotAtAll},
        {"attendance: Esc in the baptism date box, then Done", OnAttendance,
         [](T& t) { EXPECT_TRUE(attendf::BaptDate_KeyDown(*t.app, t.screen, attendf::kKeyEscape)); }, 1, AsOnFile},
        {"attendance: Done with the change on screen", OnAttendance, [](T&) {}, 1, AsChanged},
        {"attendance: Remove to SDA refused, then Done", ByTheRoute,
         [](T& t) {
             t.openAttendance();
             t.loseTheFile();
             t.dialogs().answer(AnsYes);
             EXPECT_THROW(attendf::MoveToSDA_Click(*t.app, t.st, t.screen), VbError);
             // Nobody moved: the record is held live, its number taken, the member list as it was.
             EXPECT_EQ(t.app->crusade.CurRecord, t.onFile);
             EXPECT_TRUE(RegNumberOnFile(*t.app, t.onFile.RNum.bytes()));
             EXPECT_EQ(t.app->crusade.MemberCount, 0);
         },
         1, AsOnFile},
        {"main: Remove to SDA refused", ByTheRoute,
         [](T& t) {
             t.loseTheFile();
             t.dialogs().answer(AnsYes).answer(AnsYes);
             EXPECT_THROW(btnSDA_Click(*t.app, t.main), VbError);
             EXPECT_EQ(t.main.text(QStringLiteral("WorkerCode")), QString::fromLatin1(t.onFile.WorkerCode.bytes()));
             EXPECT_TRUE(RegNumberOnFile(*t.app, t.onFile.RNum.bytes()));
             EXPECT_EQ(t.app->crusade.MemberCount, 0);
         },
         1, AsOnFile},
        {"main: Remove to SDA refused after a refused change", OnMain,
         [](T& t) {
             t.dialogs().answer(AnsYes).answer(AnsYes);
             EXPECT_THROW(btnSDA_Click(*t.app, t.main), VbError);
             EXPECT_EQ(t.main.text(QStringLiteral("FName")), QStringLiteral("Alfred"));
             EXPECT_EQ(t.app->crusade.MemberCount, 0);
         },
         1, AsChanged},
        {"attendance: Remove to SDA refused after a refused change, then Done", OnAttendance,
         [](T& t) {
             t.dialogs().answer(AnsYes);
             EXPECT_THROW(attendf::MoveToSDA_Click(*t.app, t.st, t.screen), VbError);
             EXPECT_EQ(t.app->crusade.MemberCount, 0);
         },
         1, AsChanged},
        {"attendance: its own dialogs take the focus twice, then Done", OnAttendance,
         [](T& t) {
             for (int i = 0; i < 2; ++i) EXPECT_NO_THROW(attendf::Form_Deactivate(*t.app, t.st, t.screen));
         },
         1, AsChanged},
        {"attendance: the next name and back, a note typed, then Done", OnAttendance,
         [](T& t) {
             EXPECT_NO_THROW(attendf::NextRecord_Button_Click(*t.app, t.st, t.screen));
             EXPECT_NO_THROW(attendf::PreviousRecord_Click(*t.app, t.st, t.screen));
             EXPECT_EQ(t.text("BaptDate"), QStringLiteral("03/15/24"));
             t.type("Notes", "Call back");
         },
         1, WithANote},
        {"main: shown again by the report window, Esc in the first name, the city typed", OnMain,
         [](T& t) {
             ShowEditFromPreview(*t.app, t.main);
             PrintReportsState w;
             EXPECT_TRUE(Form_Unload(*t.app, w, t.main));
             t.esc({"FName"});
             t.main.setText(QStringLiteral("City"), QStringLiteral("Salem"));
         },
         1, WithTheNumberInSalem},
        {"main: the next name, the file back, then closed", OnMain,
         [](T& t) {
             t.pageDown();
             t.bringTheFileBack();
         },
         1, AsChanged},
        {"main: the next name, the file back, a change of it saved", OnMain,
         [](T& t) {
             t.pageDown();
             t.bringTheFileBack();
             t.main.setText(QStringLiteral("FName"), QStringLiteral("Anna"));
             t.pageDown();
             EXPECT_EQ(ReadFileBytes(t.lost).left(Crusade::RecLen), t.changed.encode());
         },
         1, AsChanged},
        {"main: the next name, the file back, the crusade's files saved, as before a backup", OnMain,
         [](T& t) {
             t.pageDown();
             t.bringTheFileBack();
             SaveCrusadeFiles(*t.app);
             EXPECT_EQ(ReadFileBytes(t.lost).left(Crusade::RecLen), t.changed.encode());
         },
         1, AsChanged},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.route);
        openCrusade({Rec("0007", "Al", "Adams").nights("1-1"), Rec("0020", "Ann", "Allen"), Rec("0031", "Bob", "Baker"),
                     Rec("0044", "Bea", "Brown"), Rec("0050", "Cy", "Clark")});
        attendanceOpen = false;
        if (row.refused == OnMain) refuseOnMain();
        if (row.refused == OnAttendance) refuseOnAttendance();
        EXPECT_NO_THROW(row.then(*this));
        if (attendanceOpen) {
            EXPECT_NO_THROW(closeAttendance());
        }
        AttendeeRecord saved = row.saved == AsChanged || row.saved == WithANote ? changed : onFile;
        if (row.saved == WithTheNumber || row.saved == WithTheNumberInSalem) saved.RNum = kNumber;
        if (row.saved == WithTheNumberInSalem) saved.City = "Salem";
        if (row.saved == WithANote) saved.Notes = "Call back";
        if (row.saved == Deleted) saved.WorkerCode = "##";
        // A number given by a change discarded is free again.
        EXPECT_EQ(RegNumberOnFile(*app, kNumber),
                  row.saved != NotAtAll && !saved.isDeleted() && saved.RNum.bytes() == kNumber);

        // A data file come back is closed as any other, with nothing to save elsewhere.
        const bool back = app->program.DataFile == lost && app->crusade.file.isOpen() && !DataFileLost(*app);
        if (DataFileLost(*app)) dialogs().answer(AnsYes).choose(elsewhere);
        if (DataFileLost(*app) || back) {
            EXPECT_TRUE(mnuExit_Click(*app, main));
        }
        EXPECT_FALSE(dialogs().pending());
        QStringList questions;
        for (const FakeDialogs::Shown& d : dialogs().shown())
            if (d.kind == FakeDialogs::Kind::Message && d.title == QStringLiteral("Save the Crusade in Another Folder"))
                questions << d.text;
        ASSERT_EQ(questions.size(), back ? 0 : 1);
        const bool told = row.saved != AsOnFile && row.saved != NotAtAll;
        if (!back) {
            EXPECT_EQ(questions[0].contains(QStringLiteral("They include the record whose writing was refused")), told);
        }
        const QByteArray file = ReadFileBytes(back ? lost : QDir(elsewhere).filePath(QFileInfo(lost).fileName()));
        const qsizetype at = qsizetype(row.record - 1) * Crusade::RecLen;
        if (row.saved == NotAtAll)
            EXPECT_LE(file.size(), at);
        else
            EXPECT_EQ(file.mid(at, Crusade::RecLen), saved.encode());
    }
}

}  // namespace

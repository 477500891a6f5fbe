// A crusade whose files cannot be written when the program is left (a full disk): the user
// is told why and chooses. Going on keeps it loaded with its data file open: a name changed
// next is written, and the next Exit writes what the first one could not. Leaving goes
// without the files; or they are saved in another folder first.

#include "CrusadeOnDisk.h"
#include "FakePlatform.h"
#include "FakeScreen.h"
#include "RecordBuilder.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/IniFile.h"
#include "data/SideFiles.h"
#include "data/StartUp.h"
#include "mainwindow/AddMode.h"
#include "mainwindow/MainLifecycle.h"
#include "platform/Dialogs.h"
#include "platform/ErrorNumbers.h"
#include "views/Indexes.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <algorithm>

using namespace fennick;
using namespace fennick::test;

namespace {

TEST(FailedCloseTest, TheUserIsToldAndGoesOnLeavesOrSavesTheFilesElsewhere) {
    enum Exit { FileExit, AddModeExit, StartScreenExit };
    // The saves of a closing are, in order, the settings, member, zip and ini files; leaving
    // an entry of a crusade with no record closes it twice.
    const struct {
        const char* what;
        Exit exit;
        QList<int> failingSaves;
        int answer;  // to the question: Cancel goes on, No leaves, Yes saves elsewhere
    } cases[] = {
        {"File, Exit; the settings file", FileExit, {1}, AnsCancel},
        {"File, Exit; the zip file", FileExit, {3}, AnsCancel},
        {"Exit while the first name of a crusade is entered", AddModeExit, {1, 2}, AnsCancel},
        {"the start screen's Exit", StartScreenExit, {3}, AnsCancel},
        {"File, Exit; left without the files", FileExit, {1}, AnsNo},
        {"the start screen's Exit; left without the files", StartScreenExit, {1}, AnsNo},
        {"File, Exit; saved elsewhere", FileExit, {2}, AnsYes},
        {"Exit while the first name is entered; saved elsewhere", AddModeExit, {1, 2}, AnsYes},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestApp t;
        App& app = t.app;
        FakeScreen screen;
        CrusadeSpec s;
        if (c.exit != AddModeExit) s.records = {Person("0012", "Mary", "Smith")};
        s.members = {MemberEntry("0040", "Brown", "Ann")};
        s.zips = {ZipEntry("62701", "IL", "01", "Springfield", 1)};
        const QString file = WriteCrusade(t, t.path("data"), QStringLiteral("spring"), s);
        ASSERT_TRUE(OpenCrusade(app, file));
        IndexAlpha(app);
        InstallAddModeHooks(app);
        app.hooks.editForm = &screen;
        Form_Activate(app, screen);  // the name, or the first entry of an empty crusade
        app.settings.LastMeeting = 9;
        const auto exit = [&] {  // whether the program ends
            try {
                return c.exit == StartScreenExit ? (btnExitFennick_Click(app), false) : mnuExit_Click(app, screen);
            } catch (const ProgramEnd&) {
                return true;
            }
        };

        for (const int n : c.failingSaves) t.files.failAt(n, err::DiskFull, FakeFiles::Op::Save);
        const QString elsewhere = t.path("elsewhere");
        QDir().mkpath(elsewhere);
        if (c.exit == AddModeExit) t.dialogs.answer(AnsYes);  // the entry on screen is left
        t.dialogs.answer(c.answer);
        if (c.answer == AnsYes) t.dialogs.choose(elsewhere);
        EXPECT_EQ(exit(), c.answer != AnsCancel);
        EXPECT_FALSE(t.dialogs.pending());
        const auto& shown = t.dialogs.shown();
        const auto q =
            std::find_if(shown.begin(), shown.end(), [](const auto& d) { return d.buttons == Buttons::YesNoCancel; });
        ASSERT_NE(q, shown.end());
        EXPECT_TRUE(q->text.startsWith(QStringLiteral("The crusade's files could not be written:\r\n")) &&
                    q->text.contains(QStringLiteral("Failed on purpose")))
            << q->text.toStdString();
        EXPECT_EQ(app.crusade.file.isOpen(), c.answer == AnsCancel) << "the crusade is usable as it was";
        if (c.answer == AnsNo) {
            EXPECT_NE(FileLines(t.path("data/spring.inf")).value(2), " 9");
        } else if (c.answer == AnsYes) {
            EXPECT_EQ(ReadFileBytes(t.path("elsewhere/spring.dta")), ReadFileBytes(file));
            EXPECT_EQ(FileLines(t.path("elsewhere/spring.inf")).value(2), " 9");
            EXPECT_TRUE(QFileInfo::exists(t.path("elsewhere/spring.zps")));
        }
        if (c.answer != AnsCancel) continue;
        EXPECT_TRUE(app.crusade.FileIsOpen);
        EXPECT_NO_THROW(WriteRecord(app, 1, Person("0012", "Mary", "Smithers")));

        if (c.exit == AddModeExit) t.dialogs.answer(AnsYes);
        t.files.calls.clear();
        EXPECT_TRUE(exit());
        EXPECT_FALSE(app.crusade.file.isOpen());
        EXPECT_EQ(t.files.calls.filter(QStringLiteral("save ")).size(), 4) << t.files.calls.join(u'\n').toStdString();
        EXPECT_EQ(FileLines(t.path("data/spring.inf")).value(2), " 9");
        EXPECT_EQ(AttendeeRecord::decode(ReadFileBytes(file).left(Crusade::RecLen)).LName.trimmed(), "Smithers");
    }
}

// Fennick's own ini file, written after the crusade's, cannot be written on leaving, by
// either Exit: it is named as Fennick's settings, and no save elsewhere is offered.
TEST(FailedCloseTest, AnUnwritableIniFileIsToldAsFennicksOwnSettings) {
    for (const bool startScreen : {false, true})
        for (const int answer : {AnsNo, AnsYes}) {  // go on, leave
            SCOPED_TRACE(std::to_string(startScreen) + " " + std::to_string(answer));
            TestApp t;
            FakeScreen screen;
            CrusadeSpec s;
            s.records = {Person("0012", "Mary", "Smith")};
            ASSERT_TRUE(OpenCrusade(t.app, WriteCrusade(t, t.path("data"), QStringLiteral("spring"), s)));
            IndexAlpha(t.app);
            t.app.hooks.editForm = &screen;
            Form_Activate(t.app, screen);
            t.app.settings.LastMeeting = 9;
            t.files.failAt(2, err::PermissionDenied, FakeFiles::Op::Save);  // the settings, then the ini file
            t.dialogs.answer(answer);
            bool ended = true;
            try {
                ended = startScreen ? (btnExitFennick_Click(t.app), false) : mnuExit_Click(t.app, screen);
            } catch (const ProgramEnd&) {
            }
            EXPECT_EQ(ended, answer == AnsYes);
            ASSERT_EQ(t.dialogs.shown().size(), 1u) << t.dialogs.messages().join(u'|').toStdString();
            const auto& asked = t.dialogs.shown().front();
            EXPECT_TRUE(asked.text.startsWith(QStringLiteral("Fennick's own settings file could not be written:")) &&
                        asked.text.contains(kIniFileName) && asked.buttons == Buttons::YesNo)
                << asked.text.toStdString();
            EXPECT_EQ(FileLines(t.path("data/spring.inf")).value(2), " 9");
            EXPECT_EQ(t.app.crusade.file.isOpen(), answer == AnsNo);
        }
}

}  // namespace

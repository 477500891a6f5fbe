// A crusade whose files cannot be written when the program is left (a full disk) stays
// loaded with its data file open: a name changed next is written, and the next Exit
// writes what the first one could not.

#include "CrusadeOnDisk.h"
#include "FakePlatform.h"
#include "FakeScreen.h"
#include "RecordBuilder.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/SideFiles.h"
#include "data/StartUp.h"
#include "mainwindow/AddMode.h"
#include "mainwindow/MainLifecycle.h"
#include "platform/Dialogs.h"
#include "platform/ErrorNumbers.h"
#include "views/Indexes.h"

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

TEST(FailedCloseTest, TheCrusadeStaysLoadedAndTheNextExitWritesIt) {
    enum Exit { FileExit, AddModeExit, StartScreenExit };
    // The saves of a closing are, in order, the ini, settings, member and zip files.
    const struct {
        const char* what;
        Exit exit;
        int failingSave;
    } cases[] = {
        {"File, Exit; the ini file", FileExit, 1},
        {"File, Exit; the zip file", FileExit, 4},
        {"Exit while the first name of a crusade is entered", AddModeExit, 1},
        {"the start screen's Exit", StartScreenExit, 4},
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
        const auto exit = [&] {
            if (c.exit == StartScreenExit) return btnExitFennick_Click(app);
            if (c.exit == AddModeExit) t.dialogs.answer(AnsYes);  // the entry on screen is left
            mnuExit_Click(app, screen);
        };

        t.files.failAt(c.failingSave, err::DiskFull, FakeFiles::Op::Save);
        EXPECT_THROW(exit(), VbError);
        EXPECT_TRUE(app.crusade.FileIsOpen);
        ASSERT_TRUE(app.crusade.file.isOpen()) << "the crusade is usable as it was";
        EXPECT_NO_THROW(WriteRecord(app, 1, Person("0012", "Mary", "Smithers")));

        t.files.calls.clear();
        EXPECT_NO_THROW(try { exit(); } catch (const ProgramEnd&){});
        EXPECT_FALSE(app.crusade.file.isOpen());
        EXPECT_EQ(t.files.calls.filter(QStringLiteral("save ")).size(), 4) << t.files.calls.join(u'\n').toStdString();
        EXPECT_EQ(FileLines(t.path("data/spring.inf")).value(2), " 9");
        EXPECT_EQ(AttendeeRecord::decode(ReadFileBytes(file).left(Crusade::RecLen)).LName.trimmed(), "Smithers");
    }
}

}  // namespace

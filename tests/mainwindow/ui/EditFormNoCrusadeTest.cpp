// No crusade is loaded after Change Meeting could open neither the crusade chosen nor the
// one before, or after a compacted data file could not be opened again: the main window
// shows no record and nothing typed or clicked there acts on a crusade, Help and Exit
// still work, and opening or creating a crusade brings the window back.

#include "OpenWindow.h"

#include "data/IniFile.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>

using namespace fennick;
using namespace fennick::test;

namespace {

// How the crusade is lost: by Change Meeting, then it is opened again, or by a compaction,
// then New Meeting makes another.
struct Case {
    const char* what;
    bool byChangeMeeting;
};

class EditFormNoCrusadeTest : public OpenWindow, public ::testing::WithParamInterface<Case> {
protected:
    QString winter;
    QString moved;

    void SetUp() override {
        OpenWindow::SetUp();
        CrusadeSpec s;
        s.records = {Person("0100", "Ruth", "Winters")};
        winter = WriteCrusade(t, t.path("data"), QStringLiteral("winter"), s);
        moved = t.path("moved");
        ASSERT_TRUE(QDir().mkpath(moved));
    }

    // A folder takes the place of the data file, which goes aside, so that it cannot be
    // opened; unblock puts it back.
    void block(const QString& dataFile) {
        QFile::rename(dataFile, QDir(moved).filePath(QFileInfo(dataFile).fileName()));
        QDir().mkpath(dataFile);
    }
    void unblock(const QString& dataFile) {
        QDir().rmdir(dataFile);
        QFile::rename(QDir(moved).filePath(QFileInfo(dataFile).fileName()), dataFile);
    }

    void loseTheCrusade() {
        if (GetParam().byChangeMeeting) {
            // Once spring is written on its way out, neither winter nor spring can be opened.
            t.files.afterCall = [this](const QString& call) {
                if (call != QStringLiteral("save ") + t.path("data/spring.inf")) return;
                block(winter);
                block(file);
            };
            t.dialogs.choose(winter);
            trigger(QStringLiteral("mnuChgCr"));
        } else {
            t.files.afterCall = [this](const QString& call) {
                if (call == QStringLiteral("save ") + file) block(file);
            };
            t.dialogs.answer(AnsYes);
            trigger(QStringLiteral("mnuCompact"));
        }
        t.files.afterCall = nullptr;
        ASSERT_FALSE(app.crusade.file.isOpen());
        t.dialogs.clear();
        t.files.calls.clear();
        expectNoRecord();
        // An activation shows no record either: no entry of a new name begins.
        form->hide();
        show();
    }

    // The record boxes show nothing and take nothing.
    void expectNoRecord() {
        for (const char* box : {"RNum", "FName", "LName", "Address", "Notes", "Attendance"}) {
            EXPECT_EQ(text(QLatin1String(box)), QString()) << box;
            EXPECT_FALSE(widget(QLatin1String(box))->isEnabled()) << box;
        }
        EXPECT_EQ(text(QStringLiteral("EditLabel")), QStringLiteral("No crusade is loaded."));
        EXPECT_FALSE(app.crusade.AddMode);
        EXPECT_FALSE(form->isVisible(QStringLiteral("btnSaveNew")));
    }
};

TEST_P(EditFormNoCrusadeTest, NothingActsOnACrusadeUntilOneIsOpened) {
    ASSERT_NO_FATAL_FAILURE(loseTheCrusade());
    expectNoRecord();

    // Nothing typed, clicked or chosen reaches a crusade.
    int windowsOpened = 0;
    app.hooks.showAppointment = [&] { ++windowsOpened; };
    app.hooks.showAttendanceUpdate = [&] { ++windowsOpened; };
    click(QStringLiteral("FName"));
    QTest::keyClicks(QApplication::focusWidget() ? QApplication::focusWidget() : form.get(), QStringLiteral("Eve"));
    QTest::keyClick(form.get(), Qt::Key_PageDown);
    for (const char* control : {"Attendance", "Class", "Notes", "btnAddName", "btnAttend", "btnPrayer", "ChgRec(2)"})
        click(QLatin1String(control));
    click(QStringLiteral("btnSDA"), Qt::RightButton);
    for (const char* item : {"mnuAddRecords", "mnuNextRecord", "mnuAllAlpha", "mnuGlobal", "mnuStats", "mnuPreAlpha",
                             "mnuEnterPrayerRequest", "mnuCompact", "mnuFixFile", "mnuBackup", "mnuImportText"})
        trigger(QLatin1String(item));
    EXPECT_EQ(windowsOpened, 0);
    EXPECT_EQ(t.dialogs.messages(), QStringList());
    EXPECT_EQ(t.files.calls, QStringList());
    expectNoRecord();

    // Help and the commands that open a crusade stay.
    trigger(QStringLiteral("mnuHelpFiles"));
    EXPECT_EQ(t.help.calls.value(0), QStringLiteral("contents"));
    for (const char* item : {"mnuChgCr", "mnuNewCr", "mnuExit", "mnuAbout"})
        EXPECT_TRUE(form->available(QLatin1String(item))) << item;

    if (GetParam().byChangeMeeting) {
        unblock(file);
        t.dialogs.choose(file);
        trigger(QStringLiteral("mnuChgCr"));
        EXPECT_EQ(t.dialogs.messages().value(0), QStringLiteral("spring Has been loaded successfully."));
        EXPECT_EQ(text(QStringLiteral("RNum")), QStringLiteral("0013"));
    } else {
        t.dialogs.choose(t.path("data/autumn.dta")).answer(AnsYes);
        trigger(QStringLiteral("mnuNewCr"));
        ASSERT_TRUE(app.crusade.AddMode);
        EXPECT_FALSE(widget(QStringLiteral("btnAddName"))->isEnabled()) << "out of use while names are added";
        EXPECT_FALSE(form->available(QStringLiteral("mnuChgCr")));
        ASSERT_NO_FATAL_FAILURE(addAndSave({"0101", "eve", "stone"}));
        EXPECT_EQ(onFile(1).LName.trimmed(), "Stone");
    }
    // The window is back: its boxes take a change, its commands act.
    for (const char* control : {"btnAddName", "ChgRec(2)", "SearchBox"})
        EXPECT_TRUE(widget(QLatin1String(control))->isEnabled()) << control;
    for (const char* item : {"mnuAddRecords", "mnuCompact", "mnuAllAlpha"})
        EXPECT_TRUE(form->available(QLatin1String(item))) << item;
    const qint32 shown = qint32(text(QStringLiteral("RecordPos")).toInt());
    retype(QStringLiteral("FName"), QStringLiteral("Johnny"));
    press(Qt::Key_PageDown);
    EXPECT_EQ(onFile(shown).FName.trimmed(), "Johnny");
}

TEST_P(EditFormNoCrusadeTest, ExitWritesNoCrusadeFile) {
    ASSERT_NO_FATAL_FAILURE(loseTheCrusade());
    trigger(QStringLiteral("mnuExit"));
    EXPECT_TRUE(form->ended());
    EXPECT_EQ(t.dialogs.messages(), QStringList()) << "nothing to ask or tell";
    EXPECT_EQ(t.files.calls, QStringList());
    EXPECT_EQ(FileLines(IniFilePath(app)).value(0), file.toLatin1()) << "the next start offers spring";
}

INSTANTIATE_TEST_SUITE_P(Losses, EditFormNoCrusadeTest,
                         ::testing::Values(Case{"ChangeMeetingThenReopen", true},
                                           Case{"CompactionThenNewMeeting", false}),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.what); });

}  // namespace

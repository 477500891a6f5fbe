// Closing the main window (its title bar, or File, Exit) while a box holds what was typed
// into it: the box's leave rule runs before the record is saved, as leaving it would run
// it, and a text it refuses keeps the window open on the record.

#include "OpenWindow.h"

#include "reportwindow/ReturnToEditForm.h"

#include <QCoreApplication>
#include <QTimer>

using namespace fennick;
using namespace fennick::test;

namespace {

struct CloseCase {
    const char* name;
    bool fromPreview;  // the record was opened from a line of the report window
    bool byExit;       // File, Exit in place of the title bar's close button
    const char* typed;
    bool refused;
};

class EditFormCloseTest : public OpenWindow, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(EditFormCloseTest, TheNumberBoxIsLeftBeforeTheRecordIsSaved) {
    const CloseCase& c = GetParam();
    bool previewShown = false;
    app.hooks.showPrintReports = [&] { previewShown = true; };
    if (c.fromPreview) ShowEditFromPreview(app, *form);
    // Adams, record 2, is shown; 0014 is Baker's number.
    ASSERT_EQ(text(QStringLiteral("RNum")), QStringLiteral("0013"));
    retype(QStringLiteral("RNum"), QLatin1String(c.typed));
    const QByteArray before = ReadFileBytes(file);

    if (c.byExit)
        trigger(QStringLiteral("mnuExit"));
    else
        form->close();
    QTest::qWait(10);

    const QByteArray after = ReadFileBytes(file);
    const QByteArray adams = AttendeeRecord::decode(after.constData() + Crusade::RecLen).RNum.bytes();
    if (c.refused) {
        EXPECT_EQ(t.dialogs.messages(),
                  QStringList{QStringLiteral("0014 is a duplicate record number\r\nThe Registration Number will be "
                                             "reset.\r\n\r\nYou must enter a different Number.")});
        EXPECT_TRUE(after == before) << "the data file was written";
        EXPECT_TRUE(form->isVisible());
        EXPECT_FALSE(form->ended());
        EXPECT_FALSE(previewShown);
        EXPECT_EQ(text(QStringLiteral("RNum")), QStringLiteral("0013"));
        EXPECT_EQ(focused(), QStringLiteral("RNum"));
        return;
    }
    EXPECT_TRUE(t.dialogs.messages().isEmpty());
    EXPECT_EQ(adams, QByteArray(c.typed));
    EXPECT_EQ(previewShown, c.fromPreview);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->ended(), !c.fromPreview);
    if (form->ended()) {
        // Ending the program stops every event loop to come; one loop run to its end lets the
        // tests that follow run theirs again.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }
}

const CloseCase kCloseCases[] = {
    {"PreviewCloseDuplicate", true, false, "0014", true}, {"PreviewCloseFresh", true, false, "0099", false},
    {"CloseDuplicate", false, false, "0014", true},       {"CloseFresh", false, false, "0099", false},
    {"ExitDuplicate", false, true, "0014", true},         {"ExitFresh", false, true, "0099", false},
};

INSTANTIATE_TEST_SUITE_P(Closing, EditFormCloseTest, ::testing::ValuesIn(kCloseCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

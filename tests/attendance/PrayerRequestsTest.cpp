// Prayer requests from the main window and the attendance screen over two meetings end as
// the golden journal; a journal that cannot be written loses nothing but that request.

#include "AttendFixture.h"
#include "RecordBuilder.h"
#include "attendance/PrayerRequests.h"
#include "data/FileUtil.h"
#include "platform/Dialogs.h"
#include "platform/ErrorNumbers.h"

#include <QFileInfo>

using namespace fennick;
using namespace fennick::test;

namespace {

class PrayerRequestsTest : public AttendFixture {
protected:
    QString journal() const { return PrayerRequestFile(app->program.DataFile); }
    void fromMain(const char* request) {
        dialogs().type(QString::fromLatin1(request));
        EnterPrayer(*app, main);
    }
    void fromScreen(const char* request) {
        dialogs().type(QString::fromLatin1(request));
        attendf::EnterPrayerFromAttend(*app, st, screen);
    }
};

TEST_F(PrayerRequestsTest, RequestsFromBothWindowsOverTwoMeetingsEndAsTheGoldenJournal) {
    open();  // LastMeeting 13, both windows on the first name
    main.setText(QStringLiteral("WorkerCode"), QStringLiteral("07"));
    ASSERT_FALSE(QFileInfo::exists(journal()));

    fromMain("Pray for his mother, in hospital, since May");  // file heading, meeting heading
    EXPECT_EQ(dialogs().last().title, QStringLiteral("Enter the Prayer Request"));
    EXPECT_EQ(main.focused(), QStringLiteral("SearchBox"));
    fromMain("Asks for a visit");  // same meeting, same window: the line alone
    fromMain("");                  // nothing typed: nothing written
    fromScreen("Wants Bible studies, Tuesdays");  // the screen writes its own heading

    app->settings.LastMeeting = 14;
    fromScreen("Thanks God, healed");
    fromMain("New job");

    // The screen opened again forgets the heading it wrote.
    app->msg.MsgAnswer = QStringLiteral("14");
    attendf::Form_Load(*app, st, screen);
    fromScreen("Travelling to S\xE3o Paulo");  // Windows-1252 bytes
    screen.setFocus(QStringLiteral("Notes"));
    fromScreen("");
    EXPECT_EQ(screen.focused(), QStringLiteral("SearchBox"));

    EXPECT_EQ(ReadFileBytes(journal()), ReadFileBytes(QStringLiteral(FENNICK_TEST_DATA "/prayer.txt")));
    EXPECT_EQ(fx->t.files.calls.filter(QStringLiteral("append")).size(), 6);
    EXPECT_TRUE(dialogs().messages().isEmpty());

    // Another crusade opened at the same meeting: its new journal gets the meeting heading.
    app->program.DataFile = app->program.DataFile.chopped(4) + QStringLiteral("2.dta");
    fromMain("New job");
    EXPECT_EQ(ReadFileBytes(journal()).mid(ReadFileBytes(journal()).indexOf("\r\n\r\n\r\n")),
              "\r\n\r\n\r\nPRAYER REQUESTS AND COMMENTS FOR MEETING: 14\r\n    07  Zoe Adams- New job\r\n");
}

TEST_F(PrayerRequestsTest, AJournalThatCannotBeWrittenLosesOnlyThatRequestAndItsHeadingFollowsAgain) {
    struct Case {
        const char* name;
        PrayerWindow window;
        int error;
        const char* reason;
    } const cases[] = {
        {"main window, disk full", PrayerWindow::EditForm, err::DiskFull, "Error #  61 was generated "},
        {"attendance screen, error 5", PrayerWindow::AttendF, err::InvalidCall, "Error #  5 was generated "},
        {"attendance screen, in use", PrayerWindow::AttendF, err::PermissionDenied, "Error #  70 was generated "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        open();
        const bool onMain = c.window == PrayerWindow::EditForm;
        qint16& last = onMain ? app->mainWindow.LastPrayerMeeting : st.LastPrayerMeeting;
        const auto request = [&](const char* text) { onMain ? fromMain(text) : fromScreen(text); };
        request("First");
        const QByteArray before = ReadFileBytes(journal());

        app->settings.LastMeeting = 14;
        fx->t.files.failAt(1, c.error, FakeFiles::Op::Append);
        request("Lost");
        EXPECT_EQ(ReadFileBytes(journal()), before);
        EXPECT_EQ(last, 13);
        ASSERT_EQ(dialogs().messages().size(), 1);
        const QStringList message = dialogs().messages().first().split(NewLine);
        EXPECT_EQ(message.value(0), QStringLiteral("The prayer request was not saved."));
        EXPECT_EQ(message.value(2), QLatin1String(c.reason));
        EXPECT_TRUE(message.value(3).contains(QStringLiteral("Failed on purpose: append ")));

        request("Kept");
        const FakeScreen& form = onMain ? static_cast<const FakeScreen&>(main) : screen;
        const QString heading = onMain ? QStringLiteral("PRAYER REQUESTS AND COMMENTS FOR MEETING: 14")
                                       : QStringLiteral("PRAYER REQUESTS AND COMMENTS FOR: 14");
        const QString line = QString(onMain ? 4 : 3, u' ') + form.text(QStringLiteral("WorkerCode")) +
                             QStringLiteral("  ") + form.text(QStringLiteral("FName")) + u' ' +
                             form.text(QStringLiteral("LName")) + QStringLiteral("- Kept");
        EXPECT_EQ(QString::fromLatin1(ReadFileBytes(journal()).mid(before.size())),
                  NewLine + heading + NewLine + line + NewLine);
        EXPECT_EQ(last, 14);
    }
}

}  // namespace

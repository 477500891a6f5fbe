#include "FakePlatform.h"
#include "FakeScreen.h"
#include "ViewFixture.h"
#include "data/App.h"
#include "data/DataStore.h"
#include "data/RecordDisplay.h"
#include "mainwindow/FilterCommands.h"
#include "mainwindow/Marks.h"
#include "mainwindow/Navigation.h"
#include "views/Indexes.h"
#include "views/PersonViews.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace fennick;
using namespace fennick::test;

namespace {

const QString NL = "\r\n";

struct MarksTest : ::testing::Test {
    std::unique_ptr<ViewFixture> fx;
    App* app = nullptr;
    FakeScreen screen;
    bool addModeStarted = false;

    void open(const QList<AttendeeRecord>& records = FixtureRecords(), qint16 lastMeeting = 12) {
        fx = std::make_unique<ViewFixture>(records, lastMeeting, 3);
        app = &fx->app;
        app->hooks.editForm = &screen;
        app->hooks.startAddMode = [this] { addModeStarted = true; };
        ShowAll_Click(*app, screen);
    }
    FakeDialogs& dialogs() { return fx->t.dialogs; }
    // MarkToVisit of every record of the data file, by registration number.
    QMap<QByteArray, qint16> marks() {
        QMap<QByteArray, qint16> out;
        for (const AttendeeRecord& r : ReadAllRecords(*app)) out[r.RNum.bytes()] = r.MarkToVisit;
        return out;
    }
};

TEST_F(MarksTest, MarkingAFilteredViewMarksExactlyItsRecordsInTheFile) {
    open();
    const QMap<QByteArray, qint16> before = marks();
    mnuNeedInterview_Click(*app, screen);
    const QList<QByteArray> inView = fx->rnums();
    ASSERT_GT(inView.size(), 1);
    ASSERT_LT(inView.size(), 19);
    dialogs().clear();

    mnuMarkMarkers_Click(*app, screen);
    const QMap<QByteArray, qint16> after = marks();
    for (auto it = after.begin(); it != after.end(); ++it) {
        SCOPED_TRACE(it.key().constData());
        EXPECT_EQ(it.value(), inView.contains(it.key()) ? -1 : before.value(it.key()));
    }
    EXPECT_TRUE(dialogs().shown().empty());
    EXPECT_EQ(app->view.CurIndexPos, 1);
    EXPECT_EQ(screen.value("chkMarkToVisit"), 1);

    // The marked names are now the view's and the one marked before outside it (-1 and 1
    // both count as marked).
    mnuMarked_Click(*app, screen);
    QList<QByteArray> expected = inView;
    expected << "0110";
    std::sort(expected.begin(), expected.end());
    QList<QByteArray> marked = fx->rnums();
    std::sort(marked.begin(), marked.end());
    EXPECT_EQ(marked, expected);
}

TEST_F(MarksTest, BulkMarkCommandsSaveTheRecordOnTheScreenFirst) {
    struct Case {
        const char* command;
        void (*run)(App&, MainScreen&);
        qint16 mark;  // the shown record's mark in the file afterwards
    };
    const Case cases[] = {
        {"mark all", mnuMarkMarkers_Click, -1},
        {"clear markers", mnuClearMark_Click, 0},
        {"clear selection marks", mnuClearMarks_Click, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        open();
        const qint32 shown = app->crusade.CurRecNo;
        screen.setText(QStringLiteral("Notes"), QStringLiteral("Typed and not saved"));
        c.run(*app, screen);
        const AttendeeRecord rec = ReadRecord(*app, shown);
        EXPECT_EQ(rec.Notes.trimmed(), QByteArray("Typed and not saved"));
        EXPECT_EQ(rec.MarkToVisit, c.mark);
        EXPECT_EQ(screen.text("Notes"), "Typed and not saved");
    }
}

TEST_F(MarksTest, ClearCommandsClearEveryMarkDeletedRecordsIncludedAndShowTheFirstName) {
    struct Case {
        const char* command;
        void (*run)(App&, MainScreen&);
        QStringList messages;
        bool hint;
    };
    const Case cases[] = {
        {"clear markers", mnuClearMark_Click, {}, true},
        {"clear selection marks", mnuClearMarks_Click, {"Marks have been removed from all names." + NL}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        open();
        mnuMarked_Click(*app, screen);
        ASSERT_GT(app->view.ReportCount, 1);
        MoveToRecord(*app, 2);
        dialogs().clear();

        c.run(*app, screen);
        for (qint16 mark : marks()) EXPECT_EQ(mark, 0);
        EXPECT_EQ(dialogs().messages(), c.messages);
        EXPECT_EQ(app->view.CurIndexPos, 1);
        EXPECT_EQ(screen.text("RNum"), QString::fromLatin1(app->view.ReportIndex[1].left(4)));
        EXPECT_EQ(app->mainWindow.EnteredRNum, screen.text("RNum"));
        EXPECT_EQ(screen.value("chkMarkToVisit"), 0);
        EXPECT_EQ(screen.isVisible("lblNextFieldBtn"), c.hint);

        IndexMarked(*app);
        EXPECT_EQ(app->view.ReportCount, 0);
    }
}

TEST_F(MarksTest, AnEmptyViewIsNeitherMarkedNorTakenIntoAddMode) {
    open();
    mnuNotes_Click(*app, screen);
    app->view.clear();  // a view that came out empty
    const QByteArray file = ReadFileBytes(app->program.DataFile);
    dialogs().clear();

    mnuMarkMarkers_Click(*app, screen);
    EXPECT_EQ(ReadFileBytes(app->program.DataFile), file);
    mnuClearMark_Click(*app, screen);
    mnuClearMarks_Click(*app, screen);
    for (qint16 mark : marks()) EXPECT_EQ(mark, 0);
    EXPECT_EQ(dialogs().messages(), QStringList{"Marks have been removed from all names." + NL});
    EXPECT_FALSE(addModeStarted);
    EXPECT_TRUE(app->crusade.FileIsOpen);
}

TEST_F(MarksTest, TheCutOffTakesOnlyAMeetingBeforeTheLastAndShowsItInTheMenu) {
    const QString refused = "You must select a meeting between 0 and ";
    struct Case {
        qint16 lastMeeting;
        const char* answer;
        qint16 cutOff;    // afterwards (3 before)
        QString message;  // empty: none
    };
    const Case cases[] = {
        {12, "0", 0, {}},
        {12, "11", 11, {}},
        {12, " 7 ", 7, {}},
        {12, "12", 3, refused + "11"},
        {12, "40", 3, refused + "11"},
        {12, "-1", 3, refused + "11"},
        {12, "abc", 3, refused + "11"},
        {12, "5.5", 3, refused + "11"},
        {12, "6x", 3, refused + "11"},
        {12, "", 3, {}},
        {12, "   ", 3, {}},
        {1, "0", 0, {}},
        {1, "1", 3, refused + "0"},
    };
    const QString designCaption = "&Meeting Cut Off Point";
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.answer) + " of " + std::to_string(c.lastMeeting));
        open(FixtureRecords(), c.lastMeeting);
        screen.setText(QStringLiteral("mPrCut"), designCaption);
        dialogs().type(QString::fromLatin1(c.answer));
        mPrCut_Click(*app, screen);

        ASSERT_FALSE(dialogs().shown().empty());
        const FakeDialogs::Shown& asked = dialogs().shown().front();
        EXPECT_EQ(asked.title, "Set Meeting Cut Off");
        EXPECT_EQ(asked.defaultText, "3");
        EXPECT_EQ(asked.text,
                  "Enter the Meeting Number that you would like to Begin With." + NL + NL +
                      "For example: If you select a Cut Off number of 8, you will eliminate those who have not "
                      "attended since the 7th meeting." +
                      NL + NL + "Enter 0 (zero) to show all names.");
        EXPECT_EQ(app->msg.MsgAnswer, QString::fromLatin1(c.answer));
        EXPECT_EQ(app->settings.PrintCutOff, c.cutOff);
        EXPECT_EQ(dialogs().messages(), c.message.isEmpty() ? QStringList{} : QStringList{c.message});
        const bool changed = c.message.isEmpty() && !QString::fromLatin1(c.answer).trimmed().isEmpty();
        EXPECT_EQ(screen.text("mPrCut"),
                  changed ? "Printer Cutoff Point (Meeting " + QString::number(c.cutOff) + ")" : designCaption);
    }
}

TEST_F(MarksTest, AlphaCutoffAfterAChangedCutOffKeepsOnlyTheNamesSeenAfterIt) {
    open();
    dialogs().type(QStringLiteral("10"));
    mnuAlphaCutOffFilter_Click(*app, screen);
    EXPECT_EQ(app->settings.PrintCutOff, 10);
    EXPECT_EQ(app->view.ReportKind, "alphafilter");
    QList<QByteArray> rnums = fx->rnums();
    std::sort(rnums.begin(), rnums.end());
    EXPECT_EQ(rnums, (QList<QByteArray>{"0101", "0105", "0112", "0113", "0114", "0119"}));
    EXPECT_EQ(screen.text("EditLabel"), "Alphabetical List" + NL + "Last Mtg >10");
    EXPECT_EQ(screen.text("mPrCut"), "Printer Cutoff Point (Meeting 10)");
    EXPECT_EQ(dialogs().messages(),
              QStringList{"Names have been sorted and filtered ALPHABETICALLY Print cutoff is 10" + NL + NL +
                          "Click the red 'Show All Names' Button to restore all names in alphabetical order."});

    // The last meeting as the cut-off is refused: the view is built with the cut-off kept.
    dialogs().clear();
    dialogs().type(QStringLiteral("12"));
    mnuAlphaCutOffFilter_Click(*app, screen);
    EXPECT_EQ(app->settings.PrintCutOff, 10);
    EXPECT_EQ(fx->rnums().size(), 6);
    EXPECT_EQ(dialogs().messages().front(), "You must select a meeting between 0 and 11");
}

}  // namespace

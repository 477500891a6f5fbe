// The zip-code editor and its totals window as a person uses them: shown and active,
// driven with the mouse and the keyboard, with the fakes answering the dialogs.

#include "../ZipFixture.h"
#include "CrusadeOnDisk.h"
#include "FakePlatform.h"
#include "ModalGuard.h"
#include "RecordBuilder.h"
#include "TableSearch.h"
#include "app/ui/CrusadeWindows.h"
#include "app/ui/TableWindows.h"
#include "data/CrusadeFiles.h"
#include "tables/ui/EditZip.h"
#include "tables/ui/ZipCnt.h"
#include "views/ZipRebuild.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace fennick;
using namespace fennick::test;

namespace {

class EditZipWindow : public ::testing::Test {
public:
    TestApp t;
    App& app = t.app;
    QWidget main;  // stands for the main window
    std::unique_ptr<CrusadeWindows> windows;

    // 62701 (team 03, 10 addresses), 62702 (03, 5), 62703 (07, 2): the editor shows 62701.
    virtual QList<QByteArray> table() const {
        return {Z("62703", "IL", "07", "Springfield", 2), Z("62701", "IL", "03", "Springfield", 10),
                Z("62702", "IL", "03", "Springfield", 5)};
    }

    void SetUp() override {
        CrusadeSpec spec;
        spec.records = {Person("0001", "Ann", "Lee")};
        const QString file = WriteCrusade(t, t.path(QStringLiteral("data")), QStringLiteral("spring"), spec);
        ASSERT_TRUE(OpenCrusade(app, file));
        app.settings.CrusadeName = QStringLiteral("spring");
        app.settings.SoundOn = true;
        app.settings.TeamNames[3] = QStringLiteral("Blue:555-0101");
        app.settings.TeamNames[7] = QStringLiteral("Red:");
        SetZips(app, table());
        windows = std::make_unique<CrusadeWindows>(app);
        AddTableWindows(app, *windows, &main);
        app.hooks.closeTableWindows = [this] { CloseTableWindows(*windows); };
        main.show();
        ShowZipEditor(*windows);
        ASSERT_TRUE(editor());
        ASSERT_TRUE(QTest::qWaitForWindowActive(editor()));
    }
    void TearDown() override {
        windows.reset();
        app.hooks.closeTableWindows = nullptr;
        QApplication::processEvents();
    }

    EditZip* editor() const { return FindZipEditor(*windows); }
    ZipCnt* totals() const { return FindTeamTotals(*windows); }
    QLineEdit* box(const QString& name) const { return qobject_cast<QLineEdit*>(editor()->control(name)); }
    void click(const QString& name) { QTest::mouseClick(editor()->control(name), Qt::LeftButton); }
    void typeInto(const QString& name, const QString& keys) {
        box(name)->setFocus(Qt::TabFocusReason);
        box(name)->selectAll();
        QTest::keyClicks(box(name), keys);
    }
    QStringList rows() const {
        QStringList out;
        for (int team : totals()->shownTeams())
            out << totals()->box(QStringLiteral("TeamNameBox(%1)").arg(team))->text() + u'|' +
                       totals()->box(QStringLiteral("TeamCountBox(%1)").arg(team))->text();
        return out;
    }
    QStringList sounds() const {
        QStringList names;
        for (const QString& p : t.sound.played) names << p.section(u'/', -1);
        return names;
    }
};

TEST_F(EditZipWindow, EveryControlByItsNameAndWithinTheScreen) {
    for (const QString& name : EditZipControls())
        EXPECT_TRUE(editor()->findChild<QWidget*>(name)) << name.toStdString();
    for (const QWidget* w : editor()->findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_"))) continue;
        EXPECT_TRUE(EditZipControls().contains(name)) << name.toStdString();
    }
    EXPECT_FALSE(editor()->control(QStringLiteral("btnEditTeamNames"))->isEnabled());
    for (const QWidget* w : {static_cast<QWidget*>(editor()), static_cast<QWidget*>(totals())}) {
        EXPECT_LE(w->frameGeometry().width(), 1366);
        EXPECT_LE(w->frameGeometry().height(), 768);
    }
    EXPECT_EQ(editor()->windowTitle(), QStringLiteral("1 of 3       spring"));
    EXPECT_EQ(box(QStringLiteral("Zip"))->text(), QStringLiteral("62701"));
    EXPECT_EQ(rows(), QStringList({"Unassigned|   0", "Blue:555-0101|  15", "Red:|   2"}));
}

TEST_F(EditZipWindow, AddingWithNoAppendsOneEntry) {
    click(QStringLiteral("AddZip"));
    EXPECT_TRUE(editor()->control(QStringLiteral("Edit"))->isVisible());
    EXPECT_FALSE(editor()->control(QStringLiteral("AddZip"))->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), box(QStringLiteral("Zip")));
    QTest::keyClicks(box(QStringLiteral("Zip")), QStringLiteral("60601"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Chicago"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), box(QStringLiteral("State")));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("IL"));
    t.dialogs.answer(AnsNo);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // leaving State appends
    EXPECT_EQ(t.dialogs.messages(), QStringList({QStringLiteral("Add Another Record?")}));
    EXPECT_EQ(Zips(app).mid(3), QList<QByteArray>({Z("60601", "IL", "03", "Chicago", 0)}));
    EXPECT_EQ(app.crusade.ZipCount, 4);
    EXPECT_FALSE(editor()->control(QStringLiteral("Edit"))->isVisible());
    EXPECT_EQ(editor()->windowTitle(), QStringLiteral("4 of 4       spring"));
}

TEST_F(EditZipWindow, ATeamCodeChangeUpdatesTheTotalsOfBothTeams) {
    typeInto(QStringLiteral("WorkerCode"), QStringLiteral("7"));
    QTest::keyClick(box(QStringLiteral("WorkerCode")), Qt::Key_Return);
    EXPECT_EQ(app.crusade.ZipTable[1], Z("62701", "IL", "07", "Springfield", 10));
    EXPECT_EQ(rows(), QStringList({"Unassigned|   0", "Blue:555-0101|   5", "Red:|  12"}));
    EXPECT_EQ(QApplication::focusWidget(), box(QStringLiteral("City")));

    // A refused code reaches no entry.
    typeInto(QStringLiteral("WorkerCode"), QStringLiteral("41"));
    QTest::keyClick(box(QStringLiteral("WorkerCode")), Qt::Key_PageDown);
    EXPECT_EQ(t.dialogs.messages().size(), 1);
    EXPECT_EQ(box(QStringLiteral("WorkerCode"))->text(), QStringLiteral("07"));
    EXPECT_EQ(app.crusade.ZipTable[1], Z("62701", "IL", "07", "Springfield", 10));
}

// Edit Team Names stands disabled until the preferences dialog exists; once it does, the
// totals show the names edited there.
TEST_F(EditZipWindow, EditTeamNamesOpensThePreferencesAndShowsTheNewNames) {
    QWidget* button = editor()->control(QStringLiteral("btnEditTeamNames"));
    int opened = 0;
    app.hooks.editTeamNames = [&] {
        ++opened;
        app.settings.TeamNames[3] = QStringLiteral("Green:555-0199");
    };
    click(QStringLiteral("NextRecord_Button"));
    ASSERT_TRUE(button->isEnabled());
    click(QStringLiteral("btnEditTeamNames"));
    app.hooks.editTeamNames = nullptr;
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(rows(), QStringList({"Unassigned|   0", "Green:555-0199|  15", "Red:|   2"}));
}

// Each entry the search offers stands in the boxes and the counter when "Correct Record?"
// is asked, and the one confirmed stays shown.
TEST_F(EditZipWindow, TheSearchShowsEachEntryBeforeAskingAboutIt) {
    ExpectSearches(
        t.dialogs, [this](const QString& name) { click(name); },
        [this] { return box(QStringLiteral("Zip"))->text() + u'|' + box(QStringLiteral("RCounter"))->text(); },
        {{"62703", {AnsYes}, {"62703|3 of 3"}, "62703|3 of 3"},
         {"springfield", {AnsNo, AnsYes}, {"62701|1 of 3", "62702|2 of 3"}, "62702|2 of 3"},
         {"6270", {AnsNo, AnsNo, AnsCancel}, {"62701|1 of 3", "62702|2 of 3", "62703|3 of 3"}, "62703|3 of 3"}});
}

// The totals window closed by the user comes back after a team-code change and after
// Edit Team Names, with its rows built anew.
TEST_F(EditZipWindow, ClosedTotalsComeBackAfterATeamChange) {
    struct Case {
        const char* name;
        std::function<void(EditZipWindow&)> act;
        QStringList rows;
    };
    const Case cases[] = {
        {"a team code left with Enter",
         [](EditZipWindow& f) {
             f.typeInto(QStringLiteral("WorkerCode"), QStringLiteral("7"));
             QTest::keyClick(f.box(QStringLiteral("WorkerCode")), Qt::Key_Return);
         },
         {"Unassigned|   0", "Blue:555-0101|   5", "Red:|  12"}},
        {"Edit Team Names",
         [](EditZipWindow& f) {
             f.app.hooks.editTeamNames = [&f] { f.app.settings.TeamNames[7] = QStringLiteral("Green:"); };
             f.click(QStringLiteral("FirstRecordButton"));  // the button stands once the hook is there
             f.click(QStringLiteral("btnEditTeamNames"));
             f.app.hooks.editTeamNames = nullptr;
         },
         {"Unassigned|   0", "Blue:555-0101|   5", "Green:|  12"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        totals()->close();
        QApplication::processEvents();
        ASSERT_FALSE(totals());
        c.act(*this);
        QApplication::processEvents();
        ASSERT_TRUE(totals());
        EXPECT_TRUE(totals()->isVisible());
        EXPECT_EQ(rows(), c.rows);
    }
}

TEST_F(EditZipWindow, TheEndsOfTheTableClunk) {
    click(QStringLiteral("PreviousRecord"));
    click(QStringLiteral("LastRecordButton"));
    click(QStringLiteral("NextRecord_Button"));
    EXPECT_EQ(box(QStringLiteral("Zip"))->text(), QStringLiteral("62703"));
    EXPECT_EQ(sounds().count(QStringLiteral("S02.wav")), 2);  // "clunk"
    EXPECT_GE(sounds().count(QStringLiteral("S01.wav")), 1);  // "laser" as the window came forward
}

TEST_F(EditZipWindow, ARebuildOfTheTableKeepsTheShownEntryAndClosesTheWindows) {
    typeInto(QStringLiteral("WorkerCode"), QStringLiteral("9"));  // not left yet
    RebuildZipTable(app);
    EXPECT_FALSE(editor());
    EXPECT_FALSE(totals());
    // The record's zip 62701 keeps the team the editor held when it closed.
    ASSERT_EQ(app.crusade.ZipCount, 1);
    EXPECT_EQ(app.crusade.ZipTable[1].mid(12, 2), "09");
}

TEST_F(EditZipWindow, CloseKeepsTheEntryAndShowsTheMainWindow) {
    typeInto(QStringLiteral("City"), QStringLiteral("Capital City"));
    main.hide();
    click(QStringLiteral("CoseForm"));
    QApplication::processEvents();
    EXPECT_FALSE(editor());
    EXPECT_FALSE(totals());
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(app.crusade.ZipTable[1], Z("62701", "IL", "03", "Capital City", 10));
}

// The totals stand beside the editor, within the screen, with their counts and the
// editor's in sight; the program's showing them leaves the focus in the editor, a click on
// them gives it to them, and the editor's own commands bring no other window in front.
TEST_F(EditZipWindow, TheTotalsStandBesideAndTakeTheFocusOnlyWhenClicked) {
    const QRect room = editor()->screen()->availableGeometry();
    const auto onScreen = [](const QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); };
    // `focus`: the editor's control that has it; none: the totals are the active window.
    const auto expectPlaced = [&](const char* focus) {
        QWidget* const active = focus ? static_cast<QWidget*>(editor()) : totals();
        QWidget* const focused = focus ? editor()->control(QLatin1String(focus)) : nullptr;
        const auto placed = [&] {
            if (!totals()) return false;
            const QRect beside = totals()->frameGeometry();
            return room.contains(beside) &&
                   !onScreen(totals()->box(QStringLiteral("TeamCountBox(0)"))).intersects(editor()->frameGeometry()) &&
                   !onScreen(box(QStringLiteral("NumberAddresses"))).intersects(beside) &&
                   QApplication::activeWindow() == active && (!focused || QApplication::focusWidget() == focused);
        };
        // A window manager places and activates the windows in its own time.
        static_cast<void>(QTest::qWaitFor(placed, 3000));
        ASSERT_TRUE(totals());
        const QRect beside = totals()->frameGeometry();
        EXPECT_TRUE(room.contains(beside));
        EXPECT_FALSE(onScreen(totals()->box(QStringLiteral("TeamCountBox(0)"))).intersects(editor()->frameGeometry()));
        EXPECT_FALSE(onScreen(box(QStringLiteral("NumberAddresses"))).intersects(beside));
        EXPECT_EQ(QApplication::activeWindow(), active);
        if (focused) {
            EXPECT_EQ(QApplication::focusWidget(), focused);
        }
    };
    expectPlaced("WorkerCode");
    // Shown again with the editor at the left, in the centre, at the right edge.
    const int across = room.width() - editor()->frameGeometry().width();
    for (const int x : {0, across / 2, across}) {
        SCOPED_TRACE(x);
        editor()->activateWindow();
        const QPoint at(room.left() + x, 100);
        editor()->move(at);
        // The totals are placed beside the editor where it stands: a window manager reports
        // a move in its own time, and may first report the place it had before it.
        const auto moved = [&] { return editor()->frameGeometry().topLeft() == at; };
        ASSERT_TRUE(QTest::qWaitFor(moved));
        QTest::qWait(150);
        ASSERT_TRUE(QTest::qWaitFor(moved));
        totals()->close();
        QApplication::processEvents();
        ShowZipEditor(*windows);
        expectPlaced("WorkerCode");
    }
    // A click on the totals.
    totals()->activateWindow();
    QApplication::processEvents();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(totals(), &activate);
    expectPlaced(nullptr);
    // Print, from the editor.
    editor()->activateWindow();
    t.dialogs.print(PrinterChoice{});
    click(QStringLiteral("PrintZips"));
    expectPlaced("PrintZips");
}

class FullTable : public EditZipWindow {
    QList<QByteArray> table() const override {
        QList<QByteArray> full;
        for (int i = 0; i < 2000; ++i) full << Z(QByteArray::number(10000 + i).constData(), "NY", "00", "Town", 1);
        return full;
    }
};

TEST_F(FullTable, AddingPast2000IsRefused) {
    click(QStringLiteral("AddZip"));
    EXPECT_EQ(t.dialogs.messages(),
              QStringList({QStringLiteral("The zip code table is full: it holds 2000 zip codes.")}));
    EXPECT_TRUE(editor()->control(QStringLiteral("AddZip"))->isVisible());
    EXPECT_EQ(app.crusade.ZipCount, 2000);
}

}  // namespace

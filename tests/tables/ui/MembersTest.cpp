// The church member list as a person uses it: shown and active, driven with the mouse and
// the keyboard, with the fakes answering the dialogs.

#include "../ZipFixture.h"
#include "CrusadeOnDisk.h"
#include "FakePlatform.h"
#include "RealBoxes.h"
#include "RecordBuilder.h"
#include "TableSearch.h"
#include "data/CrusadeFiles.h"
#include "data/SideFiles.h"
#include "tables/ui/Members.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using namespace fennick;
using namespace fennick::test;

namespace {

QByteArray M(const char* rnum, const char* last, const char* first) {
    return MemberEntry(QByteArray(rnum).rightJustified(4), last, first);
}

class MembersWindow : public ::testing::Test {
protected:
    TestApp t;
    App& app = t.app;
    QWidget main;  // stands for the main window
    QPointer<Members> window;

    void SetUp() override {
        CrusadeSpec spec;
        spec.records = {Person("0001", "Ann", "Lee")};
        spec.members = {M("0301", "Baker", "Ruth"), M("0302", "Cole", "Ann"), M("0303", "Baker", "Tom")};
        ASSERT_TRUE(OpenCrusade(app, WriteCrusade(t, t.path(QStringLiteral("data")), QStringLiteral("spring"), spec)));
        app.settings.CrusadeName = QStringLiteral("spring");
        app.settings.SoundOn = true;
        main.show();
        window = new Members(app, &main);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        t.dialogs.clear();
    }
    void TearDown() override {
        t.dialogs.onShow = nullptr;
        if (window) window->closeKeepingEntry();
        QApplication::processEvents();
    }

public:
    QLineEdit* box(const char* name) const { return qobject_cast<QLineEdit*>(window->control(QLatin1String(name))); }
    void click(const char* name) { QTest::mouseClick(window->control(QLatin1String(name)), Qt::LeftButton); }
    void typeInto(const char* name, const QString& keys) {
        box(name)->setFocus(Qt::OtherFocusReason);
        box(name)->selectAll();
        QTest::keyClicks(box(name), keys);
    }
    // The entry the boxes show, with the counter.
    QString shown() const {
        return box("RNum")->text() + u'|' + box("LName")->text() + u'|' + box("FName")->text() + u'|' +
               box("RCounter")->text();
    }
};

// Each member the search offers stands in the boxes and the counter when "Correct
// Record?" is asked, and the one confirmed stays shown.
TEST_F(MembersWindow, TheSearchShowsEachMemberBeforeAskingAboutIt) {
    ExpectSearches(
        t.dialogs, [this](const QString& name) { click(name.toLatin1().constData()); }, [this] { return shown(); },
        {{"0302", {AnsYes}, {"0302|Cole|Ann| 2 of  3"}, "0302|Cole|Ann| 2 of  3"},
         {"BAKER", {AnsNo, AnsYes}, {"0301|Baker|Ruth| 1 of  3", "0303|Baker|Tom| 3 of  3"}, "0303|Baker|Tom| 3 of  3"},
         {"a", {AnsNo, AnsCancel}, {"0301|Baker|Ruth| 1 of  3", "0302|Cole|Ann| 2 of  3"}, "0302|Cole|Ann| 2 of  3"}});
}

// The window's own messages, shown as real boxes over it: coming back from one plays no
// "laser"; a real activation does.
TEST_F(MembersWindow, ItsOwnMessagesPlayNoSound) {
    auto lasers = [&] { return int(t.sound.played.filter(QStringLiteral("S01.wav")).size()); };
    const int opened = lasers();
    {
        const RealBoxes boxes(t.dialogs, window);
        t.dialogs.type(QStringLiteral("baker")).answer(AnsNo).answer(AnsNo);
        click("Search");  // the input box, two questions and "Record Not Found."
    }
    EXPECT_EQ(t.dialogs.shown().size(), 4u);
    window->activateWindow();  // the desktop hands the focus back
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::qWait(20);
    EXPECT_EQ(lasers(), opened);

    ASSERT_TRUE(ActivateFromAnotherProgram(window));
    EXPECT_TRUE(QTest::qWaitFor([&] { return lasers() == opened + 1; }));
}

// While adding, leaving the last name in any way within the window stores the new member
// with its first letters in capitals ("Unknown" for no name) and asks for another; a number
// typed past its four characters keeps those the box shows.
TEST_F(MembersWindow, LeavingTheLastNameWhileAddingStoresTheMember) {
    struct Case {
        const char* name;
        const char* number;
        const char* first;
        const char* last;
        std::function<void(MembersWindow&)> leave;
        QByteArray stored;
    };
    const Case cases[] = {
        {"Tab", "0401", "ann", "lee",
         [](MembersWindow&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }, M("0401", "Lee", "Ann")},
        {"a click on Edit", "0401", "bob", "", [](MembersWindow& f) { f.click("Edit"); },
         M("0401", "Unknown", "Bob")},
        {"a long number", "04015", "cy", "orr",
         [](MembersWindow&) { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }, M("0401", "Orr", "Cy")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        click("AddMem");
        ASSERT_EQ(app.crusade.MemberCount, 4);
        typeInto("RNum", QLatin1String(c.number));
        typeInto("FName", QLatin1String(c.first));
        QTest::mouseClick(box("LName"), Qt::LeftButton);  // a click leaves the first name
        QTest::keyClicks(box("LName"), QLatin1String(c.last));
        t.dialogs.clear();
        t.dialogs.answer(AnsNo);
        c.leave(*this);
        EXPECT_EQ(t.dialogs.messages(), QStringList{QStringLiteral("Add Another Record?")});
        EXPECT_EQ(app.crusade.MemberNames.value(4), c.stored);
        EXPECT_FALSE(window->form().Adding);
        // The next case adds in the same place again.
        app.crusade.MemberCount = 3;
        app.crusade.MemberNames.resize(4);
        click("FirstRecordButton");
    }
}

}  // namespace

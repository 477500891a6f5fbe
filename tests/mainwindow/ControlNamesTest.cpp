#include "FakeScreen.h"
#include "attendance/AttendFControls.h"
#include "mainwindow/EditFormControls.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>

using namespace fennick;
using namespace fennick::test;

namespace {

TEST(ControlNames, EachScreensListNamesEveryControlOnce) {
    for (const QStringList* names : {&EditFormControlNames(), &AttendFControlNames()}) {
        QSet<QString> seen;
        for (const QString& n : *names) {
            EXPECT_FALSE(n.isEmpty());
            EXPECT_FALSE(seen.contains(n.toLower())) << n.toStdString();
            seen.insert(n.toLower());
        }
    }
}

// Every way a procedure reaches a control by name fails the test on a name the screen
// does not have, as the real window stops on it.
TEST(ControlNames, TheFakeScreenRefusesANameItsWindowDoesNotHave) {
    const std::function<void(FakeScreen&, const QString&)> uses[] = {
        [](FakeScreen& s, const QString& n) { s.setText(n, QStringLiteral("x")); },
        [](FakeScreen& s, const QString& n) { (void)s.text(n); },
        [](FakeScreen& s, const QString& n) { s.setValue(n, 1); },
        [](FakeScreen& s, const QString& n) { s.setBackColor(n, kHighlightColour); },
        [](FakeScreen& s, const QString& n) { s.setVisible(n, false); },
        [](FakeScreen& s, const QString& n) { (void)s.isEnabled(n); },
        [](FakeScreen& s, const QString& n) { s.setFocus(n); },
        [](FakeScreen& s, const QString& n) { s.setItems(n, {}); },
        [](FakeScreen& s, const QString& n) { s.popupMenu(n); },
    };
    struct Case {
        const char* form;
        const char* name;
    };
    // A typo, and a control of the other screen.
    const Case cases[] = {
        {"EditForm", "SerachBox"}, {"EditForm", "lblMtgNum"}, {"AttendF", "Age"}, {"AttendF", "mnuExit"}};
    for (const Case& c : cases)
        for (const auto& use : uses) {
            FakeScreen screen{QLatin1String(c.form)};
            EXPECT_NONFATAL_FAILURE(use(screen, QLatin1String(c.name)), c.name);
        }
}

TEST(ControlNames, HasAnswersForTheRecordScreensAndRefusesATypo) {
    FakeScreen main;
    FakeScreen attend{QStringLiteral("AttendF")};
    EXPECT_TRUE(main.has(QStringLiteral("Age")));
    EXPECT_FALSE(attend.has(QStringLiteral("Age")));
    EXPECT_FALSE(main.has(QStringLiteral("lblMtgNum")));
    // The attendance screen matches names without regard to case, as its window does.
    attend.setText(QStringLiteral("BirthDate"), QStringLiteral("1/2/1960"));
    EXPECT_EQ(attend.text(QStringLiteral("Birthdate")), QStringLiteral("1/2/1960"));
    EXPECT_NONFATAL_FAILURE(main.setText(QStringLiteral("Birthdate"), {}), "Birthdate");
    EXPECT_NONFATAL_FAILURE((void)main.has(QStringLiteral("Agee")), "Agee");
    // Controls left out of a screen are refused like any other.
    FakeScreen without{QStringLiteral("EditForm"), {QStringLiteral("Age")}};
    EXPECT_FALSE(without.has(QStringLiteral("Age")));
    EXPECT_NONFATAL_FAILURE(without.setText(QStringLiteral("Age"), {}), "Age");
}

}  // namespace

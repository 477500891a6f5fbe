// Visit entry without a display: the visit-code window's answer for the letter it was
// given, its type options and its number buttons, one row each; then the frame shown and
// hidden by Edit, Enter Visits, and the box's double click through that window.

#include "FakePlatform.h"
#include "FakeScreen.h"
#include "attendance/VisitCodeEntry.h"
#include "attendance/VisitEntry.h"

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

TEST(VisitCodeEntry, AnswerIsTheTypeLetterAndTheMeeting) {
    const struct {
        const char* given;  // MsgText from the caller
        int lastMeeting;
        const char* steps;  // "+", "-", "o1" (a type), "=abc" (typed into the number box)
        int preselected;
        const char* answer;
    } rows[] = {
        {"h", 7, "", 0, "H7"},       {"P", 7, "", 1, "P7"},       {"m", 7, "", 2, "M7"},      {"d", 7, "", 3, "D7"},
        {"l", 7, "", -1, "l7"},      {"", 7, "", -1, "7"},        {"h", 7, "o1", 0, "P7"},    {"", 7, "o3", -1, "D7"},
        {"h", 7, "+ +", 0, "H9"},    {"h", 40, "+", 0, "H40"},    {"h", 2, "- - -", 0, "H1"}, {"h", 7, "=12", 0, "H12"},
        {"h", 7, "=abc +", 0, "H1"}, {"h", 7, "=3.7 -", 0, "H2"},
    };
    for (const auto& r : rows) {
        TestApp t;
        t.app.settings.LastMeeting = qint16(r.lastMeeting);
        t.app.msg.MsgText = QString::fromLatin1(r.given);
        VisitCodeEntry entry(t.app);
        entry.Form_Load();
        EXPECT_EQ(entry.type, r.preselected) << r.given;
        EXPECT_EQ(entry.tVNum, QString::number(r.lastMeeting));
        for (const QString& step : QString::fromLatin1(r.steps).split(u' ', Qt::SkipEmptyParts)) {
            if (step == u'+') entry.btnPlus_Click();
            if (step == u'-') entry.btnMinus_Click();
            if (step.startsWith(u'o')) entry.optVType_Click(step.mid(1).toInt());
            if (step.startsWith(u'=')) entry.tVNum = step.mid(1);
        }
        entry.Form_Unload();
        EXPECT_EQ(t.app.msg.MsgText, QString::fromLatin1(r.answer)) << r.given << " " << r.steps;
    }
    EXPECT_EQ(VisitCodeEntry::typeCaption(3), QStringLiteral("Drop Pkt"));
}

TEST(VisitEntry, FrameShownAndHiddenWithItsCheckMark) {
    TestApp t;
    FakeScreen form;
    form.setVisible(QStringLiteral("frameVisit"), false);
    form.setText(QStringLiteral("Visits"), QStringLiteral("h01"));
    form.setText(QStringLiteral("boxVisitVisits"), QStringLiteral("p02"));
    form.setText(QStringLiteral("boxVisitInterest"), QStringLiteral("C"));

    mnuVisits_Click(t.app, form);
    for (const char* shown : {"frameVisit", "lblVisitInt", "boxVisitVisits", "boxVisitInterest"})
        EXPECT_TRUE(form.isVisible(QLatin1String(shown))) << shown;
    EXPECT_EQ(form.value(QStringLiteral("mnuVisits")), 1);
    // Codes left in the boxes from an earlier use wait for Update.
    EXPECT_EQ(form.text(QStringLiteral("Visits")), QStringLiteral("h01"));
    EXPECT_EQ(form.text(QStringLiteral("IntLevel")), QString());

    form.setValue(QStringLiteral("AutoUpdateVisits"), 1);
    frameVisit_DblClick(t.app, form);
    EXPECT_FALSE(form.isVisible(QStringLiteral("frameVisit")));
    EXPECT_EQ(form.value(QStringLiteral("mnuVisits")), 0);
    EXPECT_EQ(form.value(QStringLiteral("AutoUpdateVisits")), 0);
}

TEST(VisitEntry, DoubleClickAsksTheVisitCodeWindowForTheBoxsLetter) {
    TestApp t;
    FakeScreen form;
    form.setText(QStringLiteral("boxVisitVisits"), QStringLiteral(" m04"));
    boxVisitVisits_DblClick(t.app, form);  // no window: nothing happens
    EXPECT_EQ(form.text(QStringLiteral("boxVisitVisits")), QStringLiteral(" m04"));

    QString given;
    t.app.hooks.enterVisitCode = [&] {
        given = t.app.msg.MsgText;
        t.app.msg.MsgText = QStringLiteral("M9");
    };
    boxVisitVisits_DblClick(t.app, form);
    EXPECT_EQ(given, QStringLiteral("m"));
    EXPECT_EQ(form.text(QStringLiteral("boxVisitVisits")), QStringLiteral("M9"));
    EXPECT_EQ(form.focused(), QStringLiteral("boxVisitVisits"));
}

}  // namespace

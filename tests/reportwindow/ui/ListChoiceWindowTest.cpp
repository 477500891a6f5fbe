// The report window's lists and options as a person reaches them: menus by keyboard and
// their shortcuts, the boxes, the team buttons and the cut-off box by mouse and keys.

#include "ReportWindowFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

using namespace fennick;
using namespace fennick::test;

namespace {

class ListChoiceWindowTest : public ReportWindowFixture {
protected:
    // Twelve people, two of them off the mail list, in teams 1 and 2.
    CrusadeSpec crusade() const override {
        return Numbered(12, 1000, "Ann", [](AttendeeRecord& r, int i) {
            r.Attendance = QByteArray(size_t(i % 5 + 1), '1').append(QByteArray(size_t(39 - i % 5), '-'));
            r.Attend = QByteArray::number(i % 5 + 1);
            r.Last = qint16(i % 5 + 1);
            r.WorkerCode = i % 2 ? "01" : "02";
            r.MailList = i <= 2 ? 0 : 1;
        });
    }
    void SetUp() override {
        ReportWindowFixture::SetUp();
        app.hooks.openPrintReports();
        waitShown();
    }
    static void click_(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, w->height() / 2)); }
};

TEST_F(ListChoiceWindowTest, MenusByKeyboardAndTheirShortcuts) {
    QTest::keyClick(window(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(app.view.ReportKind, QStringLiteral("DupAddress"));
    EXPECT_TRUE(title().startsWith(QStringLiteral("Duplicate Addresses- All (")));

    QTest::keyClick(window(), Qt::Key_F12);
    EXPECT_EQ(app.view.ReportKind, QStringLiteral("NoAssignedInterest"));

    QTest::keyClick(window(), Qt::Key_B, Qt::AltModifier);
    QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    EXPECT_EQ(menu->objectName(), QStringLiteral("mnuBaptismsAppointments"));
    QTest::keyClick(menu, Qt::Key_N);
    QTRY_COMPARE(app.view.ReportKind, QStringLiteral("NeedInterview"));
    EXPECT_EQ(control<QLineEdit>("txtInstructions")->text(),
              QStringLiteral("A, B, or C names who do not have a baptism interview scheduled."));
}

TEST_F(ListChoiceWindowTest, BoxesTeamButtonsAndTheCutOffBox) {
    EXPECT_EQ(title(), QStringLiteral("Master Alphabetical List (12)"));
    click_(control("chkMailOpt(0)"));
    EXPECT_TRUE(control<QCheckBox>("chkMailOpt(0)")->isChecked());
    EXPECT_EQ(title(), QStringLiteral("Master Alphabetical List (10)"));
    EXPECT_EQ(control<QLineEdit>("boxMailLabelIndicator")->text(), QStringLiteral("Mail List for"));

    click_(control("btnTeam(2)"));
    EXPECT_EQ(app.view.ReportKind, QStringLiteral("SelWCAttend02"));
    EXPECT_EQ(app.view.ReportCount, 6);
    EXPECT_TRUE(title().endsWith(QStringLiteral(" (6)"))) << title().toStdString();
    click_(control("btnTeamSel"));
    EXPECT_EQ(control<QPushButton>("btnTeam(0)")->text(), QStringLiteral("21"));
    EXPECT_FALSE(control("btnTeam(20)")->isVisible());

    // Text the cut-off box refuses gives its last value back; a number rebuilds the list.
    auto* box = control<QLineEdit>("PrintCutOffBox");
    box->setFocus();
    box->end(false);
    QTest::keyClicks(box, QStringLiteral("x"));
    EXPECT_EQ(box->text(), QStringLiteral("0"));
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("3"));
    EXPECT_EQ(app.settings.PrintCutOff, 3);
    EXPECT_EQ(app.view.ReportKind, QStringLiteral("SelWCAttend02"));
    click_(control("btnVscrollUp"));
    EXPECT_EQ(box->text(), QStringLiteral("4"));
    EXPECT_EQ(app.settings.PrintCutOff, 4);

    click_(control("chkDisableCutoff"));
    EXPECT_EQ(app.settings.PrintCutOff, 0);
    EXPECT_FALSE(box->isEnabled());
    EXPECT_FALSE(control("btnVscrollUp")->isEnabled());

    click_(control("PVDecisions"));
    EXPECT_EQ(control<QPushButton>("PVDecisions")->text(), QStringLiteral("View Decisions"));
    EXPECT_TRUE(control<QRadioButton>("btnSelect(0)")->isChecked());
    EXPECT_EQ(control<QRadioButton>("btnSelect(0)")->text(), QStringLiteral("All Churches"));
    EXPECT_EQ(title(), QStringLiteral("Church Preference (12)"));

    click_(control("optSortOpt(0)"));
    EXPECT_TRUE(control<QRadioButton>("optSortOpt(0)")->isChecked());
}

TEST_F(ListChoiceWindowTest, MailLabelsFromTheMainWindowTicksBothBoxes) {
    trigger(QStringLiteral("mnuPrMailLbl"));
    QTest::qWait(10);
    ASSERT_NE(window(), nullptr);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(control<QCheckBox>("chkMailOpt(0)")->isChecked());
    EXPECT_TRUE(control<QCheckBox>("chkPrnMailLabels")->isChecked());
    EXPECT_EQ(control<QLineEdit>("boxMailLabelIndicator")->text(), QStringLiteral("Print Mail Labels For"));
    EXPECT_EQ(app.view.ReportCount, 10);  // the two names off the mail list are left out
}

}  // namespace

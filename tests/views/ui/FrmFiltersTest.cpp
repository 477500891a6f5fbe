// The attendance filter dialog as a window: its controls, and Save, Cancel and closing
// by the frame.

#include "FakePlatform.h"
#include "ModalGuard.h"
#include "data/App.h"
#include "data/Errors.h"
#include "views/AttendanceFilters.h"
#include "views/ui/frmFilters.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace fennick {
namespace {

struct FiltersWindow {
    FiltersWindow() : dialog(t.app) {
        t.app.settings.LastMeeting = 12;
        t.app.settings.PrintCutOff = 3;
        t.app.settings.TotalAttendNum = 4;
        dialog.Form_Load();
    }
    template <typename W>
    W* get(const char* name) {
        W* w = dialog.findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    test::TestApp t;
    frmFilters dialog;
};

TEST(FrmFilters, ControlsShowTheSettings) {
    FiltersWindow w;
    EXPECT_EQ(w.dialog.windowTitle(), QStringLiteral("Fennick Attendance Filters"));
    EXPECT_TRUE(w.dialog.isModal());
    EXPECT_EQ(w.get<QLineEdit>("txtTotalAttend")->text(), QStringLiteral("4"));
    EXPECT_EQ(w.get<QLineEdit>("txtLastMtgCutoff")->text(), QStringLiteral("3"));
    EXPECT_EQ(w.get<QRadioButton>("optTotal(0)")->text(), QStringLiteral("Equals 4"));
    EXPECT_EQ(w.get<QRadioButton>("optTotal(1)")->text(), QStringLiteral("At Least 4"));
    EXPECT_TRUE(w.get<QRadioButton>("optTotal(1)")->isChecked());
    EXPECT_EQ(w.get<QPushButton>("btnSave")->text(), QStringLiteral("Save"));
    EXPECT_EQ(w.get<QPushButton>("btnCancel")->text(), QStringLiteral("Cancel"));
}

TEST(FrmFilters, TypingAboveTheLastMeetingIsCorrected) {
    FiltersWindow w;
    QLineEdit* total = w.get<QLineEdit>("txtTotalAttend");
    total->clear();
    QTest::keyClicks(total, "25");
    EXPECT_EQ(total->text(), QStringLiteral(" 12"));
    EXPECT_EQ(w.get<QRadioButton>("optTotal(0)")->text(), QStringLiteral("Equals  12"));
    EXPECT_EQ(w.get<QRadioButton>("optTotal(1)")->text(), QStringLiteral("At Least  12"));
    EXPECT_EQ(w.t.dialogs.messages(), QStringList{QStringLiteral("Number must be smaller than the last meeting.")});
}

TEST(FrmFilters, SaveStoresTheAnswer) {
    FiltersWindow w;
    QLineEdit* total = w.get<QLineEdit>("txtTotalAttend");
    total->clear();
    QTest::keyClicks(total, "6");
    QLineEdit* cutOff = w.get<QLineEdit>("txtLastMtgCutoff");
    cutOff->clear();
    QTest::keyClicks(cutOff, "12");
    QTest::mouseClick(w.get<QRadioButton>("optTotal(0)"), Qt::LeftButton);
    QTest::mouseClick(w.get<QPushButton>("btnSave"), Qt::LeftButton);
    EXPECT_EQ(w.dialog.result(), QDialog::Accepted);
    EXPECT_EQ(w.t.app.msg.ScratchVar, QStringLiteral("equal"));
    EXPECT_EQ(w.t.app.settings.TotalAttendNum, 6);
    EXPECT_EQ(w.t.app.settings.PrintCutOff, 11);
    EXPECT_EQ(cutOff->text(), QStringLiteral("11"));
}

TEST(FrmFilters, RefusedSaveKeepsTheDialog) {
    FiltersWindow w;
    QLineEdit* cutOff = w.get<QLineEdit>("txtLastMtgCutoff");
    cutOff->clear();
    QTest::keyClicks(cutOff, "x");
    w.t.app.msg.ScratchVar = QStringLiteral("before");
    QTest::mouseClick(w.get<QPushButton>("btnSave"), Qt::LeftButton);
    EXPECT_EQ(w.t.app.msg.ScratchVar, QStringLiteral("before"));
    EXPECT_EQ(w.t.app.settings.PrintCutOff, 3);
    EXPECT_EQ(w.t.dialogs.messages().size(), 1);
}

TEST(FrmFilters, CancelAndCloseBothCancel) {
    for (bool byFrame : {false, true}) {
        FiltersWindow w;
        w.t.app.msg.ScratchVar = QStringLiteral("ClearFlag");
        if (byFrame) {
            test::ModalGuard::allow(true);
            w.dialog.show();
            w.dialog.close();
            test::ModalGuard::allow(false);
        } else
            QTest::mouseClick(w.get<QPushButton>("btnCancel"), Qt::LeftButton);
        EXPECT_EQ(w.dialog.result(), QDialog::Rejected);
        EXPECT_EQ(w.t.app.msg.ScratchVar, QStringLiteral("cancel")) << byFrame;
        EXPECT_EQ(w.t.app.settings.PrintCutOff, 3);
    }
}

TEST(FrmFilters, BuildersReachItThroughTheHook) {
    test::TestApp t;
    t.app.settings.LastMeeting = 12;
    t.app.settings.TotalAttendNum = 2;
    frmFilters::install(t.app, nullptr);
    test::ModalGuard::allow(true);
    QTimer::singleShot(0, [] {
        auto* shown = qobject_cast<frmFilters*>(QApplication::activeModalWidget());
        ASSERT_NE(shown, nullptr);
        QTest::mouseClick(shown->findChild<QPushButton*>(QStringLiteral("btnSave")), Qt::LeftButton);
    });
    ShowAttendanceFilters(t.app);
    test::ModalGuard::allow(false);
    EXPECT_EQ(t.app.msg.ScratchVar, QStringLiteral("atleast"));
    EXPECT_EQ(t.app.settings.TotalAttendNum, 2);
}

TEST(FrmFilters, AFailingSaveIsReportedOnceAndTheShownDialogStays) {
    test::TestApp t;
    t.app.settings.LastMeeting = 12;
    frmFilters::install(t.app, nullptr);
    test::ModalGuard::allow(true);
    int shownAfterFailure = 0;
    QTimer::singleShot(0, [&] {
        auto* shown = qobject_cast<frmFilters*>(QApplication::activeModalWidget());
        ASSERT_NE(shown, nullptr);
        auto* cutOff = shown->findChild<QLineEdit*>(QStringLiteral("txtLastMtgCutoff"));
        auto* save = shown->findChild<QPushButton*>(QStringLiteral("btnSave"));
        cutOff->setText(QStringLiteral("x"));
        t.dialogs.fail(err::DiskFull, QStringLiteral("Disk full"));
        QTest::mouseClick(save, Qt::LeftButton);
        shownAfterFailure = shown->isVisible() ? 1 : 0;
        cutOff->setText(QStringLiteral("5"));
        QTest::mouseClick(save, Qt::LeftButton);
    });
    QTimer::singleShot(3000, [] {  // never hang
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    ShowAttendanceFilters(t.app);
    test::ModalGuard::allow(false);
    EXPECT_EQ(shownAfterFailure, 1);
    ASSERT_EQ(t.dialogs.messages().size(), 2);
    EXPECT_EQ(t.dialogs.messages().last(),
              QStringLiteral("Error #  61 was generated by Fennick95 Error: \r\nDisk full"));
    EXPECT_EQ(t.app.msg.ScratchVar, QStringLiteral("atleast"));
    EXPECT_EQ(t.app.settings.PrintCutOff, 5);
}

}  // namespace
}  // namespace fennick

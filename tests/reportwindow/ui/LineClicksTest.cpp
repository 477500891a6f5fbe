// Clicks on the preview's lines as a person makes them: the attendance column under Edit,
// a name opening the main window beside the preview (its captions whole), and the interest
// picker answered by one letter key.

#include "ReportWindowFixture.h"

#include "ModalGuard.h"
#include "attendance/AttendanceMarks.h"
#include "mainwindow/ui/ElidedCheckBox.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTimer>

using namespace fennick;
using namespace fennick::test;

namespace {

class LineClicksTest : public ReportWindowFixture {
protected:
    void SetUp() override {
        ReportWindowFixture::SetUp();
        click(QStringLiteral("btnViewFile"));  // Adams, Baker, Smith
        waitShown();
    }
};

TEST_F(LineClicksTest, AttendanceColumnUnderEditAnsweredOkMarksTheLastMeeting) {
    ASSERT_TRUE(control<QRadioButton>("optEd")->isChecked());
    t.dialogs.answer(AnsOK);
    clickLine(0, 33);  // Adams, the first night of the attendance window
    EXPECT_EQ(t.dialogs.last().title, QStringLiteral("Automatic Attendance Update"));
    EXPECT_TRUE(IsMarked(ReadRecord(app, 2).Attendance.bytes(), 5));
    EXPECT_FALSE(IsMarked(ReadRecord(app, 3).Attendance.bytes(), 5));
    EXPECT_TRUE(control<QRadioButton>("optEd")->isChecked());
    EXPECT_TRUE(window()->isVisible());
    EXPECT_FALSE(form->isVisible());
}

TEST_F(LineClicksTest, ANameOpensTheMainWindowBesideThePreviewUntilItCloses) {
    clickLine(1, 12);  // Baker
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::qWait(10);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(text(QStringLiteral("RNum")), QStringLiteral("0014"));
    EXPECT_TRUE(widget(QStringLiteral("ReturnToPreviewMsg"))->isVisible());
    EXPECT_FALSE(widget(QStringLiteral("btnAddName"))->isVisible());
    EXPECT_FALSE(widget(QStringLiteral("SearchBox"))->isVisible());

    window()->activateWindow();
    QTest::qWait(10);
    QTest::mouseClick(control<QPushButton>("CloseBut"), Qt::LeftButton);
    QTest::qWait(10);
    EXPECT_EQ(window(), nullptr);
    EXPECT_FALSE(widget(QStringLiteral("ReturnToPreviewMsg"))->isVisible());
    EXPECT_TRUE(widget(QStringLiteral("btnAddName"))->isVisible());
    EXPECT_TRUE(widget(QStringLiteral("SearchBox"))->isVisible());
}

// The main window keeps every caption whole at each width the program gives it: beside the
// preview, which stays in sight, at its least, and at its own once the preview closes.
TEST_F(LineClicksTest, TheMainWindowCutsNoCaptionAtAnyWidthItIsGiven) {
    clickLine(1, 12);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    for (const char* width : {"beside the preview", "least", "least, visits shown", "own"}) {
        if (width == QLatin1String("least, visits shown")) trigger(QStringLiteral("mnuVisits"));
        if (width == QLatin1String("own")) QTest::mouseClick(control<QPushButton>("CloseBut"), Qt::LeftButton);
        QTest::qWait(50);
        if (QByteArray(width).startsWith("least")) form->resize(form->minimumSizeHint());
        QTest::qWait(100);  // laid out at that width, as the window system told it
        SCOPED_TRACE(QStringLiteral("%1: %2").arg(QLatin1String(width)).arg(form->width()).toStdString());
        QStringList cut;
        for (const auto* box : form->findChildren<ElidedCheckBox*>())
            if (box->isVisible() && box->shownText() != box->text()) cut << box->shownText();
        for (const auto* label : form->findChildren<QLabel*>())
            if (label->isVisible() && !label->wordWrap() &&
                label->contentsRect().width() < label->fontMetrics().horizontalAdvance(label->text()))
                cut << label->text();
        EXPECT_EQ(cut.join(u'|').toStdString(), "");
        if (!window()) continue;
        const QWidget* close = control("CloseBut");
        EXPECT_FALSE(form->frameGeometry().intersects({close->mapToGlobal(QPoint()), close->size()}));
    }
}

// A list that came out empty keeps no line of the page shown before: a click where a name
// stood asks nothing and changes nothing.
TEST_F(LineClicksTest, AnEmptyListLeavesNoLineToClick) {
    for (const char* list : {"btnTeam(9)", "mnuMarkedCards"}) {
        SCOPED_TRACE(list);
        QTest::mouseClick(control<QPushButton>("MasterListButton"), Qt::LeftButton);
        ASSERT_TRUE(control<QPlainTextEdit>("Info")->toPlainText().startsWith(QStringLiteral("00 0013  Adams")));
        if (auto* button = qobject_cast<QPushButton*>(window()->object(QLatin1String(list))))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            qobject_cast<QAction*>(window()->object(QLatin1String(list)))->trigger();
        ASSERT_TRUE(control<QPlainTextEdit>("Info")->toPlainText().startsWith(QStringLiteral("There are no names")));
        const AttendeeRecord adams = ReadRecord(app, 2);
        t.dialogs.clear();
        clickLine(0, 33);  // where Adams' first night stood
        EXPECT_TRUE(t.dialogs.shown().empty());
        EXPECT_TRUE(ReadRecord(app, 2) == adams);
        EXPECT_FALSE(form->isVisible());
    }
}

TEST_F(LineClicksTest, InterestPickerAnswersOneLetterAtOnce) {
    // The picker is answered from the keyboard as soon as it is shown.
    ModalGuard::allow(true);
    QString picked;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* picker = QApplication::activeModalWidget();
        if (!picker) return;
        poll.stop();
        picked = picker->objectName();
        QTest::keyClick(picker->focusWidget(), Qt::Key_E);
    });
    poll.start(5);
    clickLine(2, 58);  // Smith's interest level
    ModalGuard::allow(false);
    EXPECT_EQ(picked, QStringLiteral("SelIntFm"));
    EXPECT_EQ(ReadRecord(app, 1).IntLevel.bytes(), QByteArray("E"));
    EXPECT_TRUE(control<QRadioButton>("optEd")->isChecked());
    EXPECT_TRUE(control<QPlainTextEdit>("Info")->toPlainText().section(u'\n', 2, 2).mid(57, 1) == QStringLiteral("E"));
}

}  // namespace

#include "CrusadeOnDisk.h"
#include "FakePlatform.h"
#include "ModalGuard.h"
#include "RecordBuilder.h"
#include "data/Errors.h"
#include "data/frmSplashControls.h"
#include "data/ui/frmSplash.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

class SplashTest : public ::testing::Test {
protected:
    TestApp t;
    App& app = t.app;
    int repairs = 0;
    frmSplash splash{app, [] { return true; }};

    SplashTest() {
        app.hooks.fixFiles = [this] {
            ++repairs;
            return true;
        };
    }
    void withLastCrusade() {
        CrusadeSpec s;
        s.records = {Person("0012", "Mary", "Smith")};
        s.lastMeeting = 4;
        WriteIni(t, WriteCrusade(t, t.path("data"), QStringLiteral("spring"), s));
    }
    QLabel* label(const char* name) { return splash.findChild<QLabel*>(QLatin1String(name)); }
    void click(const char* name) {
        QLabel* l = label(name);
        ASSERT_NE(l, nullptr) << name;
        QTest::mouseClick(l, Qt::LeftButton);
    }
    bool accepted() const { return splash.result() == QDialog::Accepted; }
};

TEST_F(SplashTest, TheScreensTexts) {
    splash.load();
    EXPECT_EQ(label("lblVersion")->text(), QStringLiteral("Version 2.5.86"));
    EXPECT_EQ(label("lblProductName")->text(), QStringLiteral("Fennick"));
    EXPECT_EQ(label("btnLastCrusade")->text(), QStringLiteral("Last File"));
    EXPECT_EQ(label("btSelect")->text(), QStringLiteral("New File"));
    EXPECT_EQ(label("btnExitFennick")->text(), QStringLiteral("Exit"));
    EXPECT_EQ(label("lblCompany")->text(), QStringLiteral("Orvale Outreach Inc."));
    EXPECT_FALSE(label("lblPlatform")->text().isEmpty());
    EXPECT_TRUE(label("lblCopyright")->text().startsWith(QStringLiteral("Copyright")));
    EXPECT_TRUE(splash.isModal());
}

TEST_F(SplashTest, TheNameListIsTheScreensControls) {
    for (const QString& name : frmSplashControlNames()) {
        const QList<QWidget*> found = splash.findChildren<QWidget*>(name);
        EXPECT_EQ(found.size(), 1) << name.toStdString();
    }
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(splash.setText(QStringLiteral("lblLastCrusade"), QString()), "no control lblLastCrusade");
}

TEST_F(SplashTest, WithoutACrusadeKeysAndLabelsDoNothing) {
    splash.load();
    EXPECT_EQ(t.dialogs.last().title, QStringLiteral("No File Present"));
    for (const char* name : {"btnLastCrusade", "LineLastCrusadeTop", "LineLastCrusadeLeft"})
        EXPECT_FALSE(splash.isVisible(QLatin1String(name))) << name;
    QTest::keyClick(&splash, Qt::Key_Space);
    QTest::keyClick(&splash, Qt::Key_Escape);
    click("lblVersion");
    EXPECT_FALSE(accepted());
    EXPECT_FALSE(splash.ended());
    EXPECT_EQ(repairs, 0);
}

TEST_F(SplashTest, AKeyOrALabelOpensTheLastCrusade) {
    withLastCrusade();
    for (const char* how : {"key", "lblCopyright", "btnLastCrusade"}) {
        SCOPED_TRACE(how);
        frmSplash screen(app, [] { return true; });
        screen.load();
        EXPECT_EQ(screen.text(QStringLiteral("lblLastCrusadeName")), QStringLiteral("spring:  Meeting #4"));
        EXPECT_TRUE(screen.isVisible(QStringLiteral("btnLastCrusade")));
        repairs = 0;
        if (QByteArray(how) == "key")
            QTest::keyClick(&screen, Qt::Key_A);
        else
            QTest::mouseClick(screen.findChild<QLabel*>(QLatin1String(how)), Qt::LeftButton);
        EXPECT_EQ(screen.result(), QDialog::Accepted);
        EXPECT_EQ(repairs, 1);
        EXPECT_EQ(screen.choice(), CrusadeChoice::Cancelled) << "no new file was chosen";
    }
}

// The first and the last column of image that hold ink (pixels far darker than the paper).
std::pair<int, int> InkColumns(const QImage& image) {
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qGray(image.pixel(x, y)) < 160) {
                if (first < 0) first = x;
                last = x;
            }
    return {first, last};
}

// The last crusade's line fits its room: a long name is cut in the middle, keeping the end
// of the line in sight, with the data file's whole path as its tool tip. As painted in the
// screen's own font, its ink spans as wide as the same text painted with room to spare:
// nothing of it is cut at the line's edge.
TEST_F(SplashTest, TheLastCrusadesLineFitsItsRoom) {
    // Names whose cut line fills its room to the last pixel or falls short of it.
    const QString springfield = QStringLiteral("Springfield").repeated(23),
                  spring = QStringLiteral("Spring").repeated(42);
    for (const QString& name : {QStringLiteral("spring"), springfield.left(183), springfield.left(248),
                                spring.left(183), spring.left(63), springfield.left(40)}) {
        CrusadeSpec s;
        s.lastMeeting = 4;
        const QString file = WriteCrusade(t, t.path("data"), name, s);
        WriteIni(t, file);
        frmSplash screen(app, [] { return true; });
        screen.load();
        ModalGuard::allow(true);
        screen.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
        const auto* line = screen.findChild<QLabel*>(QStringLiteral("lblLastCrusadeName"));
        const QString shown = line->text(), whole = name + QStringLiteral(":  Meeting #4");
        SCOPED_TRACE(shown.toStdString());
        EXPECT_EQ(screen.text(QStringLiteral("lblLastCrusadeName")), whole);
        EXPECT_LE(line->fontMetrics().horizontalAdvance(shown), line->contentsRect().width());
        EXPECT_TRUE(shown.startsWith(name.left(6)) && shown.endsWith(name.right(2) + QStringLiteral(":  Meeting #4")));
        EXPECT_EQ(shown == whole, name.size() < 20);
        EXPECT_EQ(line->toolTip(), file);

        const QImage painted = screen.grab(QRect(line->mapTo(&screen, QPoint(0, 0)), line->size())).toImage();
        QImage roomy(line->fontMetrics().horizontalAdvance(shown) + 40, line->height(), QImage::Format_RGB32);
        roomy.fill(Qt::white);
        {
            QPainter p(&roomy);
            p.setFont(line->font());
            p.setPen(Qt::black);
            p.drawText(QPoint(20, line->fontMetrics().ascent()), shown);
        }
        const auto [left, right] = InkColumns(painted);
        const auto [roomyLeft, roomyRight] = InkColumns(roomy);
        ASSERT_GE(left, 0);
        EXPECT_GE(right - left + 1, roomyRight - roomyLeft)
            << "cut at the edge by " << (roomyRight - roomyLeft) - (right - left);
        EXPECT_LT(right, painted.width() - 1) << "the ink reaches the line's edge";
        screen.hide();
        ModalGuard::allow(false);
    }
}

TEST_F(SplashTest, NewFileStaysOnCancelAndClosesOnACrusade) {
    splash.load();
    t.dialogs.choose(std::nullopt);
    click("btSelect");
    EXPECT_FALSE(accepted());

    t.dialogs.choose(t.path("data/autumn")).answer(AnsNo);
    click("btSelect");
    EXPECT_TRUE(accepted());
    EXPECT_EQ(splash.choice(), CrusadeChoice::Created);
    EXPECT_TRUE(QFileInfo::exists(t.path("data/autumn.dta")));
}

TEST_F(SplashTest, AFailingChoiceIsReportedOnceAndTheScreenStays) {
    splash.load();
    t.dialogs.clear();
    t.dialogs.fail(err::PathNotFound, QStringLiteral("Path not found"));
    click("btSelect");
    EXPECT_EQ(t.dialogs.messages(),
              QStringList{QStringLiteral("Error #  76 was generated by Fennick95 Error: \r\nPath not found")});
    EXPECT_FALSE(accepted());
    EXPECT_FALSE(splash.ended());

    t.dialogs.choose(t.path("data/autumn")).answer(AnsNo);
    click("btSelect");
    EXPECT_TRUE(accepted());
    EXPECT_EQ(splash.choice(), CrusadeChoice::Created);
}

TEST_F(SplashTest, ExitEndsTheProgram) {
    withLastCrusade();
    splash.load();
    app.settings.LastMeeting = 6;
    click("btnExitFennick");
    EXPECT_TRUE(splash.ended());
    EXPECT_FALSE(accepted());
    EXPECT_EQ(FileLines(t.path("data/spring.inf")).value(2), " 6");
}

TEST_F(SplashTest, ShownModallyItLoadsAndAnswersAKey) {
    withLastCrusade();
    ModalGuard::allow(true);
    QTimer::singleShot(50, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) QTest::keyClick(modal, Qt::Key_Return);
    });
    QTimer::singleShot(3000, &splash, &QDialog::reject);  // never hang
    const int result = splash.exec();
    ModalGuard::allow(false);
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(app.crusade.FileIsOpen);
    EXPECT_EQ(repairs, 1);
}

TEST_F(SplashTest, ClosingTheWindowIsExit) {
    splash.load();
    ModalGuard::allow(true);
    splash.show();
    EXPECT_TRUE(splash.close());
    ModalGuard::allow(false);
    EXPECT_TRUE(splash.ended());
}

}  // namespace

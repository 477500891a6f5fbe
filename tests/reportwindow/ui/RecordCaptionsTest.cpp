// The main window's captions stay whole at every width the program gives it: its own,
// beside the report window (which stays in sight) while a name opened there is edited, and
// its least.

#include "ReportWindowFixture.h"
#include "mainwindow/ui/ElidedCheckBox.h"

#include <QLabel>

using namespace fennick;
using namespace fennick::test;

namespace {

class RecordCaptionsTest : public ReportWindowFixture {
protected:
    CrusadeSpec crusade() const override { return Numbered(40, 2000, "Lee"); }
};

TEST_F(RecordCaptionsTest, NoCaptionIsCutAtAnyWidthTheWindowIsGiven) {
    for (const char* width : {"own", "beside the report window", "least", "least, visits shown"}) {
        if (width == QLatin1String("beside the report window")) {
            click(QStringLiteral("btnViewFile"));
            waitShown();
            clickLine(2, 12);
            ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        }
        if (width == QLatin1String("least, visits shown")) trigger(QStringLiteral("mnuVisits"));
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
        if (!window() || !window()->isVisible()) continue;
        const QWidget* close = control("CloseBut");
        EXPECT_FALSE(form->frameGeometry().intersects({close->mapToGlobal(QPoint()), close->size()}));
    }
}

}  // namespace

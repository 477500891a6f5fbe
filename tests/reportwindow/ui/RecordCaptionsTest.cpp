// The main window's captions at every width the program gives it: its own, beside the
// report window while it edits a name opened there, and its least.

#include "ReportWindowFixture.h"
#include "mainwindow/ui/ElidedCheckBox.h"

#include <QAction>
#include <QLabel>

#include <functional>

using namespace fennick;
using namespace fennick::test;

namespace {

class RecordCaptionsTest : public ReportWindowFixture {
protected:
    CrusadeSpec crusade() const override { return Numbered(40, 2000, "Lee"); }

    // The captions shown short of their whole text: check boxes by what they paint, labels
    // that do not wrap by the room they have.
    QStringList cut() const {
        QStringList out;
        for (const auto* box : form->findChildren<ElidedCheckBox*>())
            if (box->isVisible() && box->shownText() != box->text())
                out << box->objectName() + QStringLiteral(": ") + box->shownText();
        for (const auto* label : form->findChildren<QLabel*>())
            if (label->isVisible() && !label->wordWrap() && label->textFormat() != Qt::RichText &&
                label->contentsRect().width() < label->fontMetrics().horizontalAdvance(label->text()))
                out << label->objectName() + QStringLiteral(": ") + label->text();
        return out;
    }
};

TEST_F(RecordCaptionsTest, NoCaptionIsCutAtAnyWidthTheWindowIsGiven) {
    const struct {
        const char* width;
        std::function<void()> give;
    } widths[] = {
        {"its own", [] {}},
        {"beside the report window",
         [this] {
             click(QStringLiteral("btnViewFile"));
             waitShown();
             clickLine(2, 12);
             ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
             QTest::qWait(100);
             // The report window's Close stays in sight: the room beside it is not too narrow.
             const QWidget* close = control("CloseBut");
             EXPECT_FALSE(form->frameGeometry().intersects(QRect(close->mapToGlobal(QPoint()), close->size())));
         }},
        {"its least", [this] { form->resize(form->minimumSizeHint()); }},
        {"its least, with the visit entry shown",
         [this] {
             trigger(QStringLiteral("mnuVisits"));
             QTest::qWait(20);
             form->resize(form->minimumSizeHint());
         }},
    };
    for (const auto& w : widths) {
        SCOPED_TRACE(w.width);
        w.give();
        QTest::qWait(100);  // laid out at the new width, and told so by the window system
        SCOPED_TRACE(form->width());
        EXPECT_EQ(cut().join(u'|').toStdString(), "");
    }
}

}  // namespace

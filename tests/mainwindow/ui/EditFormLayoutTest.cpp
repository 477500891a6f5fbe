// The main window as a view, add mode or the deleted names change it: it keeps the size
// it opened with on a 1366 x 768 screen, captions stand under their own buttons, a view's
// highlight goes completely, and the right button acts only where it was pressed.

#include "OpenWindow.h"

#include "ViewFixture.h"
#include "mainwindow/FilterCommands.h"
#include "mainwindow/MainLifecycle.h"
#include "mainwindow/MenuBar.h"
#include "mainwindow/ui/ElidedCheckBox.h"
#include "platform/Dialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QMap>
#include <QMenu>

using namespace fennick;
using namespace fennick::test;

namespace {

// The answers each Filters command asks for (its input boxes), beside the pickers below.
const QMap<QString, QStringList> kFilterAnswers = {
    {"mnuAlphaCutOffFilter", {""}}, {"mnuSelTeamCode", {"7"}},      {"mnuWCAlpha", {""}},
    {"mnuAttendFilter", {""}},      {"mnuFilterSelMtg", {"5"}},     {"mnuFilterMissedMtgs", {"3"}},
    {"mnuAdvFilter", {""}},         {"mnuAgeFilter", {""}},         {"mnuReligion", {""}},
    {"mnuZips", {""}}};

// The check boxes of the record screen.
QStringList CheckBoxes() {
    QStringList names = {"MailList", "chkMarkToVisit", "Class", "Baptized"};
    for (int i = 0; i <= 8; ++i) names << QStringLiteral("Dec(%1)").arg(i);
    return names;
}

class EditFormLayoutTest : public OpenWindow {
protected:
    QFont kept_ = QApplication::font();

    CrusadeSpec crusade() const override {
        CrusadeSpec s;
        s.records = FixtureRecords();
        s.lastMeeting = 12;
        return s;
    }
    void SetUp() override {
        // A desktop's usual face, larger than the test platform's own.
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
        OpenWindow::SetUp();
        app.hooks.showDecisionPicker = [this](int) {
            app.view.ReportKind = QStringLiteral("decision 3");
            return true;
        };
        app.hooks.showAttendanceFilters = [this] {
            app.settings.TotalAttendNum = 5;
            app.msg.ScratchVar = QStringLiteral("atleast");
        };
        // The size the window opens with on a 1366 x 768 screen.
        form->resize(1280, 720);
        settle();
    }
    void TearDown() override {
        OpenWindow::TearDown();
        QApplication::setFont(kept_);
    }
    // Lets the layouts follow what the last command changed.
    void settle() {
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
    }
    int width() {
        settle();
        return form->width();
    }
    void runFilter(const QString& name) {
        t.dialogs.clear();
        for (const QString& answer : kFilterAnswers.value(name)) t.dialogs.type(answer);
        trigger(name);
    }
    void startAdding() {
        t.dialogs.clear();
        t.dialogs.type(QStringLiteral("12"));
        trigger(QStringLiteral("mnuAddRecords"));
    }
    void cancelAdding() {
        t.dialogs.clear();
        t.dialogs.answer(AnsYes);
        click(QStringLiteral("btnCancelNew"));
    }
    // How a check box fills its background: not at all, or with its colour.
    QString fill(const QString& box) const {
        const QWidget* w = widget(box);
        return w->autoFillBackground() ? w->palette().color(w->backgroundRole()).name() : QStringLiteral("none");
    }
    QMap<QString, QString> fills() const {
        QMap<QString, QString> out;
        for (const QString& box : CheckBoxes()) out[box] = fill(box);
        return out;
    }
    // The caption shown with that text, or null.
    QLabel* caption(const QString& text) const {
        for (QLabel* l : form->findChildren<QLabel*>())
            if (l->isVisibleTo(form.get()) && l->text() == text) return l;
        return nullptr;
    }
    // The caption stands right under the control, centred on it.
    void expectUnder(const QString& text, const QString& control) {
        SCOPED_TRACE(text.toStdString() + " under " + control.toStdString());
        QLabel* l = caption(text);
        ASSERT_NE(l, nullptr);
        const QRect c(widget(control)->mapTo(form.get(), QPoint()), widget(control)->size());
        const QRect t(l->mapTo(form.get(), QPoint()), l->size());
        EXPECT_GE(t.top(), c.bottom() - 2);
        EXPECT_LE(t.top(), c.bottom() + 12);
        EXPECT_NEAR(t.center().x(), c.center().x(), 3);
    }
};

TEST_F(EditFormLayoutTest, TheWindowKeepsItsSizeThroughViewsAddModeAndLongNames) {
    // Settings as long as their boxes allow: titles, decisions and churches of a real crusade.
    app.settings.TeamNames[7] = QStringLiteral("Lions of Judah, the visitation team of the north side:555-0107");
    for (int i = 1; i <= 9; ++i)
        app.settings.DecisionNames[size_t(i)] = QStringLiteral("Decision title number %1 in full").arg(i);
    form->hide();
    show();
    ASSERT_EQ(width(), 1280);

    // The deleted names, one restored, and back with All Names.
    t.dialogs.answer(AnsOK);
    trigger(QStringLiteral("munUndeleteRec"));
    EXPECT_EQ(width(), 1280) << "deleted names";
    t.dialogs.answer(AnsYes);
    click(QStringLiteral("btnUndelete"));
    EXPECT_EQ(width(), 1280) << "restored";
    click(QStringLiteral("ShowAll"));
    EXPECT_EQ(width(), 1280) << "all names";

    // Names added from all names and from a view.
    startAdding();
    EXPECT_EQ(width(), 1280) << "add mode";
    cancelAdding();
    runFilter(QStringLiteral("mnuNotes"));
    startAdding();
    EXPECT_EQ(width(), 1280) << "add mode over a view";
    cancelAdding();
    click(QStringLiteral("ShowAll"));

    for (const QString& name : FilterViewCommands()) {
        runFilter(name);
        EXPECT_EQ(width(), 1280) << name.toStdString();
        click(QStringLiteral("ShowAll"));
        EXPECT_EQ(width(), 1280) << name.toStdString() << ", then all names";
    }
}

// Each column of decisions keeps the room of the longest title the program gives, whatever
// titles the crusade has: at the window's least width no column is narrower than that room,
// so the least width does not change with the titles.
TEST_F(EditFormLayoutTest, TheDecisionColumnsKeepTheRoomOfTheLongestTitle) {
    const QString title = QLatin1String(kLongestDecisionCaption);
    ElidedCheckBox longest(title, title);
    longest.setFont(widget(QStringLiteral("Dec(0)"))->font());
    QList<int> leastWidths;
    for (const char* titles : {"Yes", "Decision title number %1 in full"}) {
        SCOPED_TRACE(titles);
        for (int i = 1; i <= 9; ++i) app.settings.DecisionNames[size_t(i)] = QString::fromLatin1(titles).arg(i);
        ShowDecisionNames(app, *form);
        form->resize(form->minimumSizeHint());
        QTest::qWait(100);  // laid out at that width, as the window system told it
        leastWidths << form->width();
        const auto* columns = qobject_cast<QGridLayout*>(widget(QStringLiteral("grpDecisions"))->layout());
        ASSERT_NE(columns, nullptr);
        for (int column = 0; column < 3; ++column) {
            EXPECT_GE(columns->cellRect(0, column).width(), longest.sizeHint().width()) << column;
        }
    }
    EXPECT_EQ(leastWidths.first(), leastWidths.last());
}

TEST_F(EditFormLayoutTest, AViewsHighlightGoesCompletelyWhenItEnds) {
    const QMap<QString, QString> first = fills();
    for (const QString& name : FilterViewCommands()) {
        SCOPED_TRACE(name.toStdString());
        runFilter(name);
        // The boxes the view is not keyed on look as they did.
        const QMap<QString, QString> during = fills();
        for (const QString& box : CheckBoxes())
            if (during[box] != QColor(255, 192, 128).name()) {
                EXPECT_EQ(during[box], first[box]) << box.toStdString();
            }
        click(QStringLiteral("ShowAll"));
        EXPECT_EQ(fills(), first);
    }
}

TEST_F(EditFormLayoutTest, CaptionsStandUnderTheirOwnButtons) {
    app.program.ShowButtonLabels = -1;
    form->hide();
    show();
    for (const ToolbarButton& b : ToolbarButtons()) expectUnder(b.caption, b.name);
    expectUnder(QStringLiteral("Name"), QStringLiteral("FndNameBx"));

    t.dialogs.answer(AnsOK);
    trigger(QStringLiteral("munUndeleteRec"));
    settle();
    expectUnder(QStringLiteral("Click to Restore displayed name to the file."), QStringLiteral("btnUndelete"));
    expectUnder(QStringLiteral("Return to Edit."), QStringLiteral("ShowAll"));
    expectUnder(QStringLiteral("Prayer"), QStringLiteral("btnPrayer"));
    EXPECT_EQ(caption(QStringLiteral("Global")), nullptr);

    click(QStringLiteral("ShowAll"));
    settle();
    for (const ToolbarButton& b : ToolbarButtons()) expectUnder(b.caption, b.name);
    EXPECT_EQ(caption(QStringLiteral("Return to Edit.")), nullptr);
}

TEST_F(EditFormLayoutTest, TheRightButtonActsOnlyWhereItWasPressed) {
    // On a control, a right click does that control's part, and opens no menu: the arrows
    // jump to the next or the previous letter.
    struct Case {
        const char* control;
        bool moves;
    };
    const Case cases[] = {
        {"ChgRec(2)", true},        {"ChgRec(1)", true},  {"lblNextFieldBtn", false},
        {"SearchBoxLabel", false}, {"btnSDA", false},
    };
    app.view.CurIndexPos = 1;
    form->hide();
    show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        const QString before = text(QStringLiteral("RNum"));
        click(QLatin1String(c.control), Qt::RightButton);
        settle();
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        EXPECT_EQ(text(QStringLiteral("RNum")) != before, c.moves);
    }
    // On the window's own background it pops up the Edit menu.
    QTest::mouseClick(form->centralWidget(), Qt::RightButton, {}, QPoint(3, 3));
    EXPECT_EQ(QApplication::activePopupWidget(), form->menu(QStringLiteral("mnuEdit")));
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
}

TEST_F(EditFormLayoutTest, TheChurchListOpensAtTheRecordsChurch) {
    auto* church = qobject_cast<QComboBox*>(widget(QStringLiteral("RelPref")));
    for (const char* name : {"Baptist", "Methodist", "Someone's own church"}) {
        SCOPED_TRACE(name);
        form->setText(QStringLiteral("RelPref"), QLatin1String(name));
        EXPECT_EQ(church->currentText(), QLatin1String(name));
        const int entry = church->findText(QLatin1String(name));
        EXPECT_EQ(church->currentIndex(), entry);
        if (entry < 0) continue;  // a church of the record's own, not in the list
        church->showPopup();
        EXPECT_EQ(church->view()->currentIndex().row(), entry);
        church->hidePopup();
    }
}

}  // namespace

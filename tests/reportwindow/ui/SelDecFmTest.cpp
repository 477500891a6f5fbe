#include "FakePlatform.h"
#include "ModalGuard.h"
#include "ViewFixture.h"
#include "reportwindow/ui/SelDecFm.h"
#include "views/PersonViews.h"

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

struct SelDecFmTest : ::testing::Test {
    TestApp t;
    App& app = t.app;

    SelDecFmTest() {
        for (int k = 1; k <= 9; ++k) app.settings.DecisionNames[size_t(k)] = QStringLiteral("Decision %1").arg(k);
        app.view.ReportKind = QStringLiteral("attendnight 3");
    }
    static void click(QWidget& w, const QString& name) {
        auto* b = w.findChild<QAbstractButton*>(name);
        ASSERT_NE(b, nullptr) << name.toStdString();
        b->click();
    }
};

TEST_F(SelDecFmTest, CaptionsAreTheDecisionNames) {
    SelDecFm form(app);
    for (int k = 1; k <= 9; ++k) {
        auto* b = form.findChild<QRadioButton*>(QStringLiteral("Dec(%1)").arg(k));
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->text(), app.settings.DecisionNames[size_t(k)]);
        EXPECT_FALSE(b->isChecked());
    }
}

TEST_F(SelDecFmTest, Choices) {
    struct Case {
        int offered;
        QStringList clicks;
        QString kind;  // ReportKind afterwards
        int result;
        int messages;
    };
    const Case cases[] = {
        {4, {"OKBut"}, "decision 4", QDialog::Accepted, 0},
        {4, {"Dec(7)", "OKBut"}, "decision 7", QDialog::Accepted, 0},
        {0, {"OKBut"}, "attendnight 3", QDialog::Rejected, 1},  // stays open
        {0, {"OKBut", "Dec(2)", "OKBut"}, "decision 2", QDialog::Accepted, 1},
        {4, {"CancelBut"}, "attendnight 3", QDialog::Rejected, 0},
        {12, {"OKBut"}, "attendnight 3", QDialog::Rejected, 1},  // no such decision to offer
    };
    for (const Case& c : cases) {
        TestApp t2;
        t2.app.view.ReportKind = app.view.ReportKind;
        SelDecFm form(t2.app);
        form.preselect(c.offered);
        for (const QString& name : c.clicks) click(form, name);
        EXPECT_EQ(t2.app.view.ReportKind, c.kind) << c.clicks.join(',').toStdString();
        EXPECT_EQ(form.result(), c.result) << c.clicks.join(',').toStdString();
        ASSERT_EQ(t2.dialogs.messages().size(), c.messages);
        if (c.messages) {
            EXPECT_EQ(t2.dialogs.messages().at(0), QStringLiteral("You must select a Decision."));
        }
    }
}

// The decision view shows the installed picker with the current decision offered; OK
// builds that decision's view, Cancel builds nothing.
TEST(SelDecFmInstalled, DecisionViewThroughThePicker) {
    ModalGuard::allow(true);
    for (const QString& button : {QStringLiteral("OKBut"), QStringLiteral("CancelBut")}) {
        ViewFixture f({Rec("0001", "Ann", "Able").nights("1111").decisions("----X----")});
        SelDecFm::install(f.app, nullptr);
        f.app.view.ReportKind = QStringLiteral("decisions5");
        int offered = 0;
        QTimer::singleShot(0, [&] {
            auto* form = qobject_cast<SelDecFm*>(QApplication::activeModalWidget());
            ASSERT_NE(form, nullptr);
            offered = form->ChosenDecision;
            SelDecFmTest::click(*form, button);
        });
        const bool built = IndexDecisions(f.app, true);
        EXPECT_EQ(offered, 5);
        EXPECT_EQ(built, button == QStringLiteral("OKBut"));
        EXPECT_EQ(f.app.view.ReportKind, QStringLiteral("decisions5"));
        EXPECT_EQ(f.app.view.ReportCount, built ? 1 : 0);
    }
    ModalGuard::allow(false);
}

}  // namespace

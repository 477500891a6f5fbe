// The main window's Print Reports items run the one-line lists: a printed list comes back
// to the main window, and a printer that fails is reported once.

#include "../../mainwindow/ui/OpenWindow.h"

#include "DocumentDump.h"
#include "data/Errors.h"

#include <QAction>

using namespace fennick;
using namespace fennick::test;

namespace {

class PrintMenuTest : public OpenWindow {
protected:
    void SetUp() override {
        OpenWindow::SetUp();
        app.program.DropFilterOnExit = true;  // as at start-up
    }
    void choose(const QString& item) {
        auto* action = qobject_cast<QAction*>(form->object(item));
        ASSERT_NE(action, nullptr) << item.toStdString();
        ASSERT_TRUE(action->isEnabled()) << item.toStdString();
        action->trigger();
    }
};

TEST_F(PrintMenuTest, AListPrintsAndTheMainWindowShowsAllNamesAgain) {
    app.settings.CrusadeName = QStringLiteral("Spring");
    t.dialogs.print(PrinterChoice());
    choose(QStringLiteral("mnuRptSubAttend"));
    ASSERT_EQ(t.printer.documents().size(), 1);
    EXPECT_TRUE(DumpDocuments(t.printer).contains(QLatin1String("|Spring Master Attendance List:")));
    EXPECT_TRUE(t.dialogs.messages().isEmpty());
    EXPECT_EQ(app.view.ReportKind, QStringLiteral("alpha"));
    EXPECT_EQ(text(QStringLiteral("LName")), QStringLiteral("Adams"));
}

TEST_F(PrintMenuTest, APrinterThatFailsIsReportedOnce) {
    t.printer.failDeliveries = 1;
    t.dialogs.print(PrinterChoice());
    choose(QStringLiteral("mnuPrRptSubAlpha"));
    EXPECT_TRUE(t.printer.documents().isEmpty());
    EXPECT_EQ(t.dialogs.messages(),
              QStringList{CommonErrorText(VbError(err::PrinterError, QStringLiteral("Printer error")), kSourceFennick95)});
    EXPECT_EQ(app.view.ReportKind, QStringLiteral("alpha"));
}

}  // namespace

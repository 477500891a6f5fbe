// The main window's Print Reports items run the one-line lists: a printed list comes back
// to the main window, and a printer that fails is reported once.

#include "../../mainwindow/ui/OpenWindow.h"

#include "DocumentDump.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "views/MailViews.h"

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

TEST_F(PrintMenuTest, ATeamListAndABaptismReportPrintFromTheMenu) {
    t.dialogs.print(PrinterChoice());
    choose(QStringLiteral("mnuPrintAlphaWC"));
    t.dialogs.print(PrinterChoice());
    choose(QStringLiteral("mnuPrBapt"));
    ASSERT_EQ(t.printer.documents().size(), 2);
    const QString dump = DumpDocuments(t.printer);
    EXPECT_TRUE(dump.contains(QLatin1String("|Team 00:  Unassigned       ")));
    EXPECT_TRUE(dump.contains(QLatin1String(" Team Alphabetical List|")));
    EXPECT_TRUE(dump.contains(QLatin1String("Baptisms and Profession of Faith (*)|")));
    EXPECT_TRUE(t.dialogs.messages().isEmpty());
    EXPECT_EQ(app.view.ReportKind, QStringLiteral("alpha"));
    EXPECT_EQ(text(QStringLiteral("LName")), QStringLiteral("Adams"));
}

TEST_F(PrintMenuTest, ARegistrationListThatFailsIsReportedOnceAndAllNamesComeBack) {
    IndexZip(app);
    t.printer.failDeliveries = 1;
    t.dialogs.answer(AnsNo);
    t.dialogs.print(PrinterChoice());
    choose(QStringLiteral("mnuIntMem"));
    EXPECT_TRUE(t.printer.documents().isEmpty());
    EXPECT_EQ(t.dialogs.messages(),
              (QStringList{QStringLiteral("Do you want to include SDA members in this list?"),
                           CommonErrorText(VbError(err::PrinterError, QStringLiteral("Printer error")),
                                           kSourceFennick95)}));
    EXPECT_EQ(app.view.ReportKind, QStringLiteral("alpha"));
    EXPECT_EQ(text(QStringLiteral("LName")), QStringLiteral("Adams"));
}

TEST_F(PrintMenuTest, InterestCardsPrintAndAreMarked) {
    t.dialogs.answer(AnsNo).answer(AnsNo).print(PrinterChoice()).answer(AnsYes);
    choose(QStringLiteral("mnuICard"));
    ASSERT_EQ(t.printer.documents().size(), 1);
    EXPECT_TRUE(DumpDocuments(t.printer).contains(QLatin1String("|John Adams ")));
    int marked = 0;
    for (const AttendeeRecord& r : ReadAllRecords(app)) marked += r.CardPrinted == -1 ? 1 : 0;
    EXPECT_EQ(marked, 3);
    EXPECT_EQ(text(QStringLiteral("LName")), QStringLiteral("Adams"));
}

}  // namespace

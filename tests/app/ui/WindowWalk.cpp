#include "WindowWalk.h"

#include "ModalGuard.h"
#include "RecordBuilder.h"
#include "app/ui/CrusadeWindows.h"
#include "app/ui/ProgramWindows.h"
#include "data/CrusadeFiles.h"
#include "data/SideFiles.h"
#include "mainwindow/ui/EditForm.h"
#include "platform/ui/QtDialogs.h"
#include "reportwindow/ui/FamilyMem.h"
#include "reportwindow/ui/PrintReports.h"
#include "reportwindow/ui/SelIntFm.h"
#include "views/Indexes.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

namespace fennick::test {

namespace {

void Click(QObject* button) {
    auto* b = qobject_cast<QAbstractButton*>(button);
    ASSERT_NE(b, nullptr);
    b->click();
}

// A click on the name of the first line of the report window's page, which opens that name
// on the main window while the page is set to edit.
void ClickFirstName(PrintReports& report) {
    auto* info = qobject_cast<QPlainTextEdit*>(report.object(QStringLiteral("Info")));
    ASSERT_NE(info, nullptr);
    QTextCursor c(info->document()->findBlockByNumber(0));
    c.setPosition(c.block().position() + 11);
    QTest::mouseClick(info->viewport(), Qt::LeftButton, {}, info->cursorRect(c).center());
}

}  // namespace

WindowWalk::WindowWalk() = default;
WindowWalk::~WindowWalk() = default;

void WindowWalk::SetUp() {
    CrusadeSpec s;
    AttendeeRecord gone = Person("0015", "Gail", "Gone");
    gone.WorkerCode = "##";
    s.records = {Person("0012", "Mary", "Smith"), Person("0013", "John", "Adams"), gone};
    s.zips = {"62701     IL00Springfield       2"};
    s.members = {MemberEntry("0301", "Baker", "Ruth")};
    ASSERT_TRUE(OpenCrusade(app, WriteCrusade(t, t.path("data"), QStringLiteral("spring"), s)));
    IndexAlpha(app);
    windows = std::make_unique<ProgramWindows>(app);
    windows->main().load();
    windows->main().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&windows->main()));
    // The walk answers No to whatever the windows ask on the way.
    t.dialogs.otherwise(AnsNo);
    ModalGuard::allow(true);
}

void WindowWalk::TearDown() {
    ModalGuard::allow(false);
    windows.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QList<QWidget*> OwnWidgets(QWidget* window) {
    QList<QWidget*> out;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->window() == window) out << w;
    return out;
}

void WindowWalk::visitModal(const QString& stop, const Visit& visit, const std::function<void()>& open) {
    bool reached = false;
    QTimer::singleShot(0, [&] {
        QPointer<QWidget> w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr) << stop.toStdString();
        reached = true;
        visit(stop, w);
        if (auto* d = qobject_cast<QDialog*>(w.data()); d && d->isVisible()) d->reject();
    });
    open();
    EXPECT_TRUE(reached) << stop.toStdString();
    t.dialogs.clear();
}

void WindowWalk::walk(const Visit& visit) {
    EditForm& main = windows->main();
    visit(QStringLiteral("main window"), &main);

    t.dialogs.type(QStringLiteral("5"));  // the meeting of the new names
    main.action(QStringLiteral("mnuAddRecords"))->trigger();
    EXPECT_TRUE(app.crusade.AddMode);
    visit(QStringLiteral("main window, adding names"), &main);
    t.dialogs.clear();
    t.dialogs.answer(AnsYes);  // leave the name unsaved
    Click(main.object(QStringLiteral("btnCancelNew")));
    EXPECT_FALSE(app.crusade.AddMode);
    t.dialogs.clear();

    t.dialogs.answer(AnsOK);
    main.action(QStringLiteral("munUndeleteRec"))->trigger();
    EXPECT_EQ(app.view.ReportKind, QStringLiteral("undelete"));
    visit(QStringLiteral("main window, deleted names"), &main);
    Click(main.object(QStringLiteral("ShowAll")));
    t.dialogs.clear();

    app.hooks.openPrintReports();
    ASSERT_NE(PrintReports::current(), nullptr);
    ClickFirstName(*PrintReports::current());
    EXPECT_TRUE(app.mainWindow.EditFromPreview);
    visit(QStringLiteral("main window, beside the preview"), &main);
    Click(PrintReports::current()->object(QStringLiteral("CloseBut")));
    t.dialogs.clear();
    main.show();

    // The crusade's windows, each opened as the program opens it; one the program does not
    // open from here is shown as its owner builds it.
    CrusadeWindows& owner = windows->crusadeWindows();
    const QHash<QString, std::function<void()>> openers = {
        {QStringLiteral("AttendFieldUpdate"), [this] { app.hooks.showAttendanceUpdate(); }},
        {QStringLiteral("AttendF"),
         [this] {
             app.msg.MsgAnswer = QStringLiteral("3");  // the meeting
             app.hooks.showAttendanceScreen();
         }},
        {QStringLiteral("PrintReports"), [this] { app.hooks.openPrintReports(); }},
        {QStringLiteral("BlankFrm"), [this] { app.hooks.showCrusadeStatistics(); }},
        {QStringLiteral("EditZip"), [this] { app.hooks.showZipEditor(); }},
        {QStringLiteral("ZipCnt"), [this] { app.hooks.showZipEditor(); }},
        {QStringLiteral("frmTab"), [this] { app.hooks.showPreferences(); }},
        {QStringLiteral("Members"), [this] { app.hooks.showMembers(); }},
    };
    for (const QString& name : owner.names()) {
        if (const auto open = openers.value(name))
            open();
        else
            owner.window(name)->show();
        QWidget* w = owner.find(name);
        EXPECT_TRUE(w && w->isVisible()) << name.toStdString();
        if (w) visit(name, w);
        owner.closeAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        t.dialogs.clear();
        main.show();
    }

    // The dialogs, each while it runs.
    visitModal(QStringLiteral("attendance filters"), visit, [this] { app.hooks.showAttendanceFilters(); });
    visitModal(QStringLiteral("decision picker"), visit, [this] { app.hooks.showDecisionPicker(1); });
    visitModal(QStringLiteral("appointment"), visit, [this] { app.hooks.showAppointment(); });
    visitModal(QStringLiteral("visit code"), visit, [this] { app.hooks.enterVisitCode(); });
    visitModal(QStringLiteral("interest picker"), visit, [this, &main] {
        AttendeeRecord rec = app.crusade.CurRecord;
        SelIntFm::pick(app, rec, &main);
    });
    visitModal(QStringLiteral("household editor"), visit, [this, &main] {
        QList<QByteArray> family = {app.view.ReportIndex.value(1)};
        FamilyMem::edit(app, family, &main);
    });
    QtDialogs boxes(&main);
    visitModal(QStringLiteral("input box"), visit, [&boxes] {
        boxes.inputBox({QStringLiteral("Enter the Item to search for"), std::nullopt, {}, {}});
    });
}

}  // namespace fennick::test

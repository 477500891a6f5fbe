// The window-test setup itself, and the Qt dialogs' translation of the program's requests.

#include "FakePlatform.h"
#include "ModalGuard.h"
#include "platform/CommandWindow.h"
#include "platform/ui/QtDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextLayout>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest/QTest>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace fennick {
namespace {

// A small window that asks a question through the application's dialogs.
class AskingWindow : public QWidget {
public:
    explicit AskingWindow(App& app) {
        auto* layout = new QVBoxLayout(this);
        button = new QPushButton(QStringLiteral("Delete"), this);
        answer = new QLabel(this);
        layout->addWidget(button);
        layout->addWidget(answer);
        QObject::connect(button, &QPushButton::clicked, this, [this, &app] {
            const int a = app.dialogs().msgBox(QStringLiteral("Delete this record?"), Buttons::YesNo, Icon::Question);
            answer->setText(a == AnsYes ? QStringLiteral("deleted") : QStringLiteral("kept"));
        });
    }
    QPushButton* button;
    QLabel* answer;
};

TEST(WindowSetup, FakesAnswerAndAnUnexpectedModalDialogFailsInsteadOfHanging) {
    test::TestApp t;
    AskingWindow w(t.app);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));

    t.dialogs.answer(AnsNo).answer(AnsYes);
    QTest::mouseClick(w.button, Qt::LeftButton);
    EXPECT_EQ(w.answer->text(), QStringLiteral("kept"));
    QTest::mouseClick(w.button, Qt::LeftButton);
    EXPECT_EQ(w.answer->text(), QStringLiteral("deleted"));
    ASSERT_EQ(t.dialogs.messages(), QStringList(2, QStringLiteral("Delete this record?")));
    EXPECT_EQ(t.dialogs.last().buttons, Buttons::YesNo);
    EXPECT_EQ(t.dialogs.last().title, kAppTitle);

    // A click nobody scripted fails the test and the fake gives the safe answer.
    EXPECT_NONFATAL_FAILURE(QTest::mouseClick(w.button, Qt::LeftButton), "Unexpected message box");
    EXPECT_EQ(w.answer->text(), QStringLiteral("kept"));

    // A real modal dialog is closed at once and fails the test.
    int result = -1;
    EXPECT_NONFATAL_FAILURE(
        {
            QDialog d(&w);
            d.setWindowTitle(QStringLiteral("Surprise"));
            result = d.exec();
        },
        "An unexpected modal window appeared");
    EXPECT_EQ(result, QDialog::Rejected);
}

TEST(QtDialogs, TurnsFilterListsIntoQtFilters) {
    struct Case {
        const char* filter;
        QStringList expected;
    } const cases[] = {
        {"Crusade Files (*.dta)|*.dta", {QStringLiteral("Crusade Files (*.dta) (*.dta *.DTA)")}},
        {"Text Files|*.txt|All Files|*.*",
         {QStringLiteral("Text Files (*.txt *.TXT)"), QStringLiteral("All Files (*)")}},
        {"Lists|*.txt;*.csv", {QStringLiteral("Lists (*.txt *.TXT *.csv *.CSV)")}},
        {"Crusade Files (*.inf)|*.inf|Crusade Files", {QStringLiteral("Crusade Files (*.inf) (*.inf *.INF)")}},
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(QtFileFilters(QString::fromLatin1(c.filter)), c.expected) << c.filter;
}

TEST(QtDialogs, SetsUpMessageBoxesAsAsked) {
    using SB = QMessageBox::StandardButton;
    struct Case {
        Buttons buttons;
        int defaultButton;
        QList<SB> shown;
        SB def;
        SB escape;
    } const cases[] = {
        {Buttons::OK, 1, {SB::Ok}, SB::Ok, SB::Ok},
        {Buttons::OKCancel, 2, {SB::Ok, SB::Cancel}, SB::Cancel, SB::Cancel},
        {Buttons::YesNo, 2, {SB::Yes, SB::No}, SB::No, SB::No},
        {Buttons::YesNoCancel, 3, {SB::Yes, SB::No, SB::Cancel}, SB::Cancel, SB::Cancel},
        {Buttons::YesNoCancel, 1, {SB::Yes, SB::No, SB::Cancel}, SB::Yes, SB::Cancel},
        {Buttons::RetryCancel, 1, {SB::Retry, SB::Cancel}, SB::Retry, SB::Cancel},
        {Buttons::YesNo, 3, {SB::Yes, SB::No}, SB::No, SB::No},  // past the last button: the last
    };
    int n = 0;
    for (const Case& c : cases) {
        ++n;
        QMessageBox box;
        PrepareMessageBox(box, {QStringLiteral("Line one\r\nLine <b>two</b>"), c.buttons, Icon::Question, std::nullopt,
                                c.defaultButton});
        QList<SB> shown;
        for (QAbstractButton* b : box.buttons()) shown << box.standardButton(b);
        std::sort(shown.begin(), shown.end());
        QList<SB> expected = c.shown;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(shown, expected) << "case " << n;
        EXPECT_EQ(box.standardButton(box.defaultButton()), c.def) << "case " << n;
        EXPECT_EQ(box.standardButton(box.escapeButton()), c.escape) << "case " << n;
        EXPECT_EQ(box.text(), QStringLiteral("Line one\nLine <b>two</b>"));
        EXPECT_EQ(box.textFormat(), Qt::PlainText);
        EXPECT_EQ(box.windowTitle(), kAppTitle);
        EXPECT_EQ(box.icon(), QMessageBox::Question);
    }
}

// A box with little text is still as wide as its title with the frame's buttons beside
// it, so the title bar does not cut the title ("File I...ation").
TEST(QtDialogs, AMessageBoxIsAsWideAsItsTitle) {
    const QString text = QStringLiteral("fall\r\n/d/fall.dta\r\nMail List-------- 3\r\n");
    for (const char* title : {"File Information", "Worker Information", "A title much longer than the text below it"}) {
        SCOPED_TRACE(title);
        QMessageBox box;
        PrepareMessageBox(box, {text, Buttons::OK, Icon::None, QString::fromLatin1(title)});
        box.setModal(false);  // shown for measuring, not answered
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        EXPECT_GE(box.width(), QFontMetrics(QApplication::font()).horizontalAdvance(box.windowTitle()) + 120);
        EXPECT_LE(box.frameGeometry().width(), 1366);
    }
}

TEST(QtDialogs, AMessageBoxAnswersWithTheClassicValues) {
    using SB = QMessageBox::StandardButton;
    struct Case {
        Buttons buttons;
        SB click;
        int answer;
    } const cases[] = {
        {Buttons::YesNoCancel, SB::Yes, AnsYes},       {Buttons::YesNoCancel, SB::No, AnsNo},
        {Buttons::YesNoCancel, SB::Cancel, AnsCancel}, {Buttons::OKCancel, SB::Ok, AnsOK},
        {Buttons::RetryCancel, SB::Retry, AnsRetry},   {Buttons::YesNo, SB::No, AnsNo},
    };
    QtDialogs dialogs;
    test::ModalGuard::allow(true);
    for (const Case& c : cases) {
        QTimer::singleShot(0, [click = c.click] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->button(click)->click();
        });
        EXPECT_EQ(dialogs.msgBox(QStringLiteral("Go on?"), c.buttons, Icon::Question, QStringLiteral("Fix")), c.answer)
            << int(c.click);
    }
    test::ModalGuard::allow(false);
    // A box closed without a button gives Cancel, or No where there is no Cancel.
    const auto closed = [](Buttons b) {
        MessageBoxSpec spec;
        spec.buttons = b;
        return MessageBoxAnswer(spec, QMessageBox::NoButton);
    };
    EXPECT_EQ(closed(Buttons::YesNo), AnsNo);
    EXPECT_EQ(closed(Buttons::YesNoCancel), AnsCancel);
    EXPECT_EQ(closed(Buttons::OK), AnsOK);
}

// A box belongs to the window whose command asks (an editor's search, the statistics
// window's printer dialog), whichever window is active: the innermost command's window that
// still stands, or a modal dialog opened over it; else the main window the dialogs serve.
TEST(QtDialogs, ABoxBelongsToTheWindowWhoseCommandAsks) {
    QWidget main, editor, other;
    QDialog prefs(&editor);
    prefs.setWindowModality(Qt::ApplicationModal);
    QtDialogs dialogs(&main);
    for (QWidget* w : {&main, &editor, &other}) w->show();
    test::ModalGuard::allow(true);
    const auto ownerOfNextBox = [&] {
        QWidget* owner = nullptr;
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            owner = box->parentWidget();
            box->close();
        });
        dialogs.msgBox(QStringLiteral("Correct Record?"), Buttons::YesNo, Icon::Question);
        return owner;
    };
    const struct {
        QWidget* inner;   // the window whose command runs within the main window's; null: none
        QWidget* hidden;  // hidden, or a modal dialog shown, while it asks
        QWidget* owner;
    } cases[] = {
        {&editor, nullptr, &editor}, {&editor, &editor, &main}, {&editor, &prefs, &prefs}, {nullptr, nullptr, &main}};
    for (const auto& c : cases) {
        // Another window active, as the window manager may leave it when a box goes.
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        const CommandWindow outer(&main);
        std::optional<CommandWindow> inner;
        if (c.inner) inner.emplace(c.inner);
        if (c.hidden) c.hidden->setVisible(!c.hidden->isVisible());
        EXPECT_EQ(ownerOfNextBox(), c.owner);
        if (c.hidden) c.hidden->setVisible(!c.hidden->isVisible());
        if (c.owner == &editor) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&editor)) << "in front after the answer";
        }
    }
    test::ModalGuard::allow(false);
}

// A message naming a long path (a crusade name of 248 characters) shows all of it, wrapped
// within the box: no line wider than the box, and the box within the screen.
TEST(QtDialogs, ALongPathWrapsWithinTheBox) {
    const QString path = QStringLiteral("/home/office/.local/share/Fennick/data/") +
                         QStringLiteral("Springfield").repeated(23).left(248) + QStringLiteral(".dta");
    const QString cases[] = {
        QStringLiteral("The data file %1 ends in 7 bytes that are not a whole record, as a write cut off leaves "
                       "them.\r\nThey have been kept aside, with the whole file, as %1.tail."),
        QStringLiteral("Backing up \r\n          %1\r\n  to:\r\n          /media/usb/spring.dta\r\n\r\nDo You "
                       "want to Continue?"),
        QStringLiteral("The prayer request was not saved.\r\n\r\nError # 75 was generated \r\nCould not write "
                       "%1.prayer: Read-only file system"),
    };
    for (const QString& c : cases) {
        const QString text = c.arg(path);
        QMessageBox box;
        PrepareMessageBox(box, {text, Buttons::YesNo, Icon::Exclamation, std::nullopt});
        box.setModal(false);  // shown for measuring, not answered
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        const auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        EXPECT_EQ(QString(label->text()).remove(QChar(0x200B)), ShownText(text)) << "the whole text";
        QTextLayout layout(QString(label->text()).replace(u'\n', QChar::LineSeparator), label->font());
        QTextOption wrap;
        wrap.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(wrap);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(label->contentsRect().width());
            EXPECT_LE(line.naturalTextWidth(), label->contentsRect().width()) << text.left(30).toStdString();
        }
        layout.endLayout();
        EXPECT_LE(label->heightForWidth(label->contentsRect().width()), label->contentsRect().height());
        EXPECT_LE(box.frameGeometry().width(), 1366);
        EXPECT_LE(box.frameGeometry().height(), 768);
    }
}

TEST(QtDialogs, AFileDialogOpensAtTheFolderAndNameProposed) {
    QTemporaryDir dir;
    const QString folder = dir.path();
    const QString other = QDir(folder).filePath(QStringLiteral("sub"));
    ASSERT_TRUE(QDir().mkpath(other));
    const QString docs = QStringLiteral("Crusade Files (*.doc)|*.doc|Crusade Files");
    struct Case {
        const char* what;
        bool save;
        QString filter, initialDir, fileName;
        QString shownFolder, shownFile;  // empty shownFile: no file proposed
    } const cases[] = {
        {"a name its filter does not match", true, docs, folder, QStringLiteral("FennickMapFile.txt"), folder,
         QDir(folder).filePath(QStringLiteral("FennickMapFile.txt"))},
        {"an extension spelled otherwise", true, docs, folder, QStringLiteral("FennickMerg.Doc"), folder,
         QDir(folder).filePath(QStringLiteral("FennickMerg.Doc"))},
        {"a full path alone", true, QStringLiteral("Crusade Files (*.dta)|*.dta|Crusade Files"), QString(),
         QDir(other).filePath(QStringLiteral("spring.dta")), other, QDir(other).filePath(QStringLiteral("spring.dta"))},
        {"a folder alone", false, QStringLiteral("Text Files (*.csv)|*.csv|Text Files"), other, QString(), other, {}},
    };
    QtDialogs dialogs;
    test::ModalGuard::allow(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QString shownFolder, shownFile;
        QTimer::singleShot(0, [&] {
            auto* dlg = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dlg) return;
            shownFolder = dlg->directory().absolutePath();
            const QString file = dlg->selectedFiles().value(0);
            if (!QFileInfo(file).isDir()) shownFile = file;
            dlg->reject();
        });
        FileDialogSpec spec;
        spec.filter = c.filter;
        spec.initialDir = c.initialDir;
        spec.fileName = c.fileName;
        EXPECT_EQ(c.save ? dialogs.saveFile(spec) : dialogs.openFile(spec), std::nullopt);
        EXPECT_EQ(shownFolder.toStdString(), c.shownFolder.toStdString());
        EXPECT_EQ(shownFile.toStdString(), c.shownFile.toStdString());
    }
    test::ModalGuard::allow(false);
}

}  // namespace
}  // namespace fennick

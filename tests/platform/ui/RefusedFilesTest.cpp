// Qt's own dialogs with a file the program refuses to write: they tell the refusal over
// themselves, before any question of their own, and stay open.

#include "ModalGuard.h"
#include "RecordBuilder.h"
#include "platform/ui/QtDialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace fennick {
namespace {

const QString kRefusal = QStringLiteral("refused is the open crusade's data file. Choose another name.");

// Refuses every file named "refused..." with kRefusal.
QString RefuseByName(const QString& path) {
    return QFileInfo(path).fileName().startsWith(QLatin1String("refused")) ? kRefusal : QString();
}

// What the message box shown next says and whether it stands over dialog; the box is
// closed.
struct SeenBox {
    QString text;
    bool overDialog = false;
};
void CloseNextBox(SeenBox& seen, QWidget* dialog) {
    QTimer::singleShot(0, dialog, [&seen, dialog] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen.text = QString(box->text()).remove(QChar(0x200B));
        seen.overDialog = box->parentWidget() == dialog;
        box->close();
    });
}

TEST(RefusedFiles, ASaveDialogTellsTheRefusalOverItselfAndStaysOpen) {
    QTemporaryDir dir;
    QtDialogs dialogs;
    FileDialogSpec spec;
    spec.filter = QStringLiteral("Text (*.txt)|*.txt");
    spec.initialDir = dir.path();
    spec.askToReplace = false;
    spec.refusal = RefuseByName;
    SeenBox seen;
    bool openAfterRefusal = false;
    test::ModalGuard::allow(true);
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dlg) return;
        auto* name = dlg->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->setText(QStringLiteral("refused.txt"));
        CloseNextBox(seen, dlg);
        QTest::keyClick(name, Qt::Key_Return);
        openAfterRefusal = dlg->isVisible();
        name->setText(QStringLiteral("other.txt"));
        QTest::keyClick(name, Qt::Key_Return);
    });
    const std::optional<QString> chosen = dialogs.saveFile(spec);
    test::ModalGuard::allow(false);

    EXPECT_EQ(seen.text, kRefusal);
    EXPECT_TRUE(seen.overDialog);
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_EQ(chosen, QDir(dir.path()).filePath(QStringLiteral("other.txt")));
}

// Qt asks whether to overwrite an existing PDF file when OK is pressed: the refusal comes
// first, and the dialog stays open for another choice; a file not refused still gets Qt's
// own question.
TEST(RefusedFiles, ThePrinterDialogTellsTheRefusalBeforeItsOverwriteQuestion) {
    QTemporaryDir dir;
    const QString refused = QDir(dir.path()).filePath(QStringLiteral("refused.pdf"));
    const QString other = QDir(dir.path()).filePath(QStringLiteral("other.pdf"));
    test::WriteFileBytes(refused, "kept");
    test::WriteFileBytes(other, "kept");
    QtDialogs dialogs;
    PrinterDialogSpec spec;
    spec.refusal = RefuseByName;
    SeenBox seen, question;
    bool openAfterRefusal = false;
    test::ModalGuard::allow(true);
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dlg) return;
        auto* file = dlg->findChild<QLineEdit*>(QStringLiteral("filename"));
        ASSERT_TRUE(file && file->isEnabled()) << "printing to a file";
        file->setText(refused);
        CloseNextBox(seen, dlg);
        QPushButton* ok = dlg->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        ok->click();
        openAfterRefusal = dlg->isVisible();
        file->setText(other);
        CloseNextBox(question, dlg);  // No: the dialog stays open
        ok->click();
        dlg->reject();
    });
    EXPECT_EQ(dialogs.selectPrinter(spec), std::nullopt);
    test::ModalGuard::allow(false);

    EXPECT_EQ(seen.text, kRefusal);
    EXPECT_TRUE(seen.overDialog);
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_TRUE(question.text.startsWith(other + QStringLiteral(" already exists."))) << question.text.toStdString();
    EXPECT_TRUE(question.overDialog);
    EXPECT_EQ(test::ReadFileBytes(refused), "kept");
    EXPECT_EQ(test::ReadFileBytes(other), "kept");
}

}  // namespace
}  // namespace fennick

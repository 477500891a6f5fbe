#pragma once
// The program's dialogs as Qt shows them: QMessageBox, QInputDialog, QFileDialog and
// QPrintDialog, each over the window whose command asks for it (the main window when no
// other window's command runs).

#include "platform/Dialogs.h"

#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QWidget>

namespace fennick {

// "Data Files|*.dta|All Files|*.*" as Qt file-dialog filters: "Data Files (*.dta *.DTA)",
// "All Files (*)". Patterns separated by ';' become separate patterns; "*.*" means every
// file; each extension pattern also matches its upper-case spelling, as files copied
// from other systems may carry one.
QStringList QtFileFilters(const QString& filter);
// The window a dialog asked for now belongs to, so that the window whose command asks
// stays in front, under the dialog and after it: the innermost running command's window
// (CommandWindow) that still stands, or a modal dialog opened over it; with no command
// running, the modal dialog shown, else fallback while it is shown, else the active window.
QWidget* DialogOwner(QWidget* fallback);
// Message text as Qt shows it: the program's CR LF line breaks become plain line breaks.
QString ShownText(const QString& text);
// Text as a message box shows it: a run of more than kLongestWhole characters between
// blanks and path separators (a long file name) may break after any of its characters, so
// that it wraps within the box instead of being cut at its edge.
inline constexpr int kLongestWhole = 30;
QString WrappableText(const QString& text);
// Sets up a message box (buttons, default button, icon, title, plain text) as spec asks,
// at least as wide as its title needs in a title bar.
void PrepareMessageBox(QMessageBox& box, const MessageBoxSpec& spec);
// The program's answer value for the button of a message box (an Answer).
int MessageBoxAnswer(const MessageBoxSpec& spec, QMessageBox::StandardButton clicked);

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    int messageBox(const MessageBoxSpec& spec) override;
    QString inputBox(const InputBoxSpec& spec) override;
    std::optional<QString> openFile(const FileDialogSpec& spec) override;
    std::optional<QString> saveFile(const FileDialogSpec& spec) override;
    std::optional<PrinterChoice> selectPrinter(const PrinterDialogSpec& spec) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace fennick

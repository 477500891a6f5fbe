#pragma once
// Message boxes, input boxes, file dialogs and the printer dialog. The program talks to
// them through this interface: QtDialogs shows real dialogs, the tests script answers.

#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace fennick {

// The title every message box shows unless a caller names another.
inline const QString kAppTitle = QStringLiteral("Fennick");

enum class Buttons { OK, OKCancel, YesNo, YesNoCancel, RetryCancel };
enum class Icon { None, Critical, Question, Exclamation, Information };

// Message-box answers keep their classic values; callers test them as numbers.
enum Answer : int { AnsOK = 1, AnsCancel = 2, AnsAbort = 3, AnsRetry = 4, AnsIgnore = 5, AnsYes = 6, AnsNo = 7 };

struct MessageBoxSpec {
    QString text;  // lines joined by CR LF
    Buttons buttons = Buttons::OK;
    Icon icon = Icon::None;
    std::optional<QString> title;  // nullopt: the application's title
    int defaultButton = 1;         // 1, 2 or 3: which button is the default
    // The controls of the asking window, by name, that show what the question is about (a
    // record offered by a search): the box stands beside or below them, leaving them in view.
    QStringList about{};
};

struct InputBoxSpec {
    QString prompt;
    std::optional<QString> title;  // nullopt: the application's title
    QString defaultText;
    std::optional<QPoint> position;  // top-left in pixels, when the caller places it
};

struct FileDialogSpec {
    QString title;
    // "Description|*.ext|Description|*.ext" pairs.
    QString filter;
    int filterIndex = 1;  // 1-based
    QString initialDir;
    QString fileName;
    bool hideReadOnly = true;
    // An Open dialog in which a name that does not exist yet may also be typed.
    bool mayCreate = false;
    // A Save dialog asks before an existing file is chosen; false when the caller asks.
    bool askToReplace = true;
    // Set: a Save dialog asks it of the name chosen before it closes; a text it gives is
    // shown over the dialog, which stays open for another name (empty: the name is taken).
    std::function<QString(const QString& path)> refusal;
};

struct PrinterDialogSpec {
    int copies = 1;
    int minPage = 1;
    int maxPage = 1000;
    int fromPage = 1;
    int toPage = 1000;
    // Set: the dialog asks it of the PDF file chosen before it closes, as a Save dialog
    // asks FileDialogSpec::refusal.
    std::function<QString(const QString& path)> refusal;
};

struct PrinterChoice {
    int copies = 1;
    int fromPage = 1;
    int toPage = 1000;
    bool toPdf = false;
    QString pdfPath;      // when toPdf
    QString printerName;  // empty: the system's default printer
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Returns one of Answer.
    virtual int messageBox(const MessageBoxSpec& spec) = 0;
    // The text typed; empty when the user cancelled (as an empty answer).
    virtual QString inputBox(const InputBoxSpec& spec) = 0;
    // The chosen path; nullopt when the user cancelled.
    virtual std::optional<QString> openFile(const FileDialogSpec& spec) = 0;
    virtual std::optional<QString> saveFile(const FileDialogSpec& spec) = 0;
    virtual std::optional<PrinterChoice> selectPrinter(const PrinterDialogSpec& spec) = 0;

    // Shorthands.
    int msgBox(const QString& text, Buttons buttons = Buttons::OK, Icon icon = Icon::None,
               std::optional<QString> title = std::nullopt, int defaultButton = 1) {
        return messageBox({text, buttons, icon, std::move(title), defaultButton, {}});
    }
    // A question about what the named controls of the asking window show.
    int askAbout(const QStringList& about, const QString& text, Buttons buttons, Icon icon,
                 std::optional<QString> title = std::nullopt) {
        return messageBox({text, buttons, icon, std::move(title), 1, about});
    }
    QString input(const QString& prompt, std::optional<QString> title = std::nullopt,
                  const QString& defaultText = QString()) {
        return inputBox({prompt, std::move(title), defaultText, std::nullopt});
    }
};

}  // namespace fennick

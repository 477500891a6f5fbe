#pragma once
// Scripted dialogs for the tests: answers are queued before the code under test runs,
// and every dialog shown is recorded. A message box with only an OK button answers OK by
// itself; any other dialog without a queued answer fails the test and is cancelled.

#include "platform/Dialogs.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <variant>
#include <vector>

namespace fennick::test {

class FakeDialogs : public Dialogs {
public:
    enum class Kind { Message, Input, Open, Save, Printer };
    struct Shown {
        Kind kind;
        QString text;   // message text or input prompt
        QString title;  // resolved title
        Buttons buttons = Buttons::OK;
        Icon icon = Icon::None;
        int defaultButton = 1;
        QString defaultText;
        FileDialogSpec file;
        PrinterDialogSpec printer{};  // what the printer dialog offered
        QStringList about{};          // the controls a message box's question is about
    };

    // Queue answers in the order the dialogs will appear.
    FakeDialogs& answer(int messageBoxAnswer);
    FakeDialogs& type(const QString& inputText);
    FakeDialogs& choose(const std::optional<QString>& path);
    FakeDialogs& print(const std::optional<PrinterChoice>& choice);
    // The next dialog, whatever it is, is recorded and then throws VbError(number,
    // description), as a procedure failing at that point would.
    FakeDialogs& fail(int number, const QString& description);
    // With nothing queued, every message box answers a and every other dialog is cancelled
    // instead of failing the test (for runs over arbitrary input, whose dialogs vary).
    FakeDialogs& otherwise(int a) {
        otherwise_ = a;
        return *this;
    }
    // With nothing queued, every message box that asks (more buttons than OK) is answered
    // by decide, from what it shows: a user who answers each question by its text.
    FakeDialogs& answerBy(std::function<int(const Shown&)> decide) {
        decide_ = std::move(decide);
        return *this;
    }

    int messageBox(const MessageBoxSpec& spec) override;
    QString inputBox(const InputBoxSpec& spec) override;
    std::optional<QString> openFile(const FileDialogSpec& spec) override;
    std::optional<QString> saveFile(const FileDialogSpec& spec) override;
    std::optional<PrinterChoice> selectPrinter(const PrinterDialogSpec& spec) override;

    // Called with each dialog as it is shown, after it was recorded and before it is
    // answered: a test looks at the windows as they stand at the moment of the question.
    std::function<void(const Shown&)> onShow;

    const std::vector<Shown>& shown() const { return shown_; }
    // Texts of the message boxes shown, in order.
    QStringList messages() const;
    // The dialog shown last; with none shown the test fails and an empty one is returned.
    const Shown& last() const;
    bool pending() const { return !queue_.empty(); }
    void clear() {
        shown_.clear();
        queue_.clear();
    }

private:
    struct File {
        std::optional<QString> path;
    };
    struct Print {
        std::optional<PrinterChoice> choice;
    };
    struct Failure {
        int number;
        QString description;
    };
    using Queued = std::variant<int, QString, File, Print, Failure>;
    template <typename T>
    bool popAs(T& out, const char* what);
    void record(Shown shown);
    // Throws the failure queued next, if one is.
    void failIfQueued();

    std::optional<int> otherwise_;
    std::function<int(const Shown&)> decide_;
    std::deque<Queued> queue_;
    std::vector<Shown> shown_;
};

}  // namespace fennick::test

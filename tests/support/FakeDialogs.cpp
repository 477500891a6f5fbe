#include "FakeDialogs.h"

#include "data/Errors.h"

#include <gtest/gtest.h>

#include <type_traits>
#include <utility>

namespace fennick::test {

FakeDialogs& FakeDialogs::answer(int a) {
    queue_.push_back(a);
    return *this;
}
FakeDialogs& FakeDialogs::type(const QString& t) {
    queue_.push_back(t);
    return *this;
}
FakeDialogs& FakeDialogs::choose(const std::optional<QString>& p) {
    queue_.push_back(File{p});
    return *this;
}
FakeDialogs& FakeDialogs::print(const std::optional<PrinterChoice>& c) {
    queue_.push_back(Print{c});
    return *this;
}

FakeDialogs& FakeDialogs::fail(int number, const QString& description) {
    queue_.push_back(Failure{number, description});
    return *this;
}

void FakeDialogs::record(Shown shown) {
    shown_.push_back(std::move(shown));
    if (onShow) onShow(shown_.back());
}

void FakeDialogs::failIfQueued() {
    if (queue_.empty() || !std::holds_alternative<Failure>(queue_.front())) return;
    const Failure f = std::get<Failure>(queue_.front());
    queue_.pop_front();
    throw VbError(f.number, f.description);
}

template <typename T>
bool FakeDialogs::popAs(T& out, const char* what) {
    failIfQueued();
    if (queue_.empty()) {
        if (otherwise_) {
            if constexpr (std::is_same_v<T, int>) {
                out = *otherwise_;
                return true;
            }
            return false;
        }
        ADD_FAILURE() << "Unexpected " << what << ": " << shown_.back().text.toStdString();
        return false;
    }
    if (!std::holds_alternative<T>(queue_.front())) {
        ADD_FAILURE() << "A " << what
                      << " appeared where another dialog was expected: " << shown_.back().text.toStdString();
        return false;
    }
    out = std::get<T>(queue_.front());
    queue_.pop_front();
    return true;
}

int FakeDialogs::messageBox(const MessageBoxSpec& spec) {
    Shown s{
        Kind::Message, spec.text, spec.title.value_or(kAppTitle), spec.buttons, spec.icon, spec.defaultButton, {}, {}};
    s.about = spec.about;
    record(std::move(s));
    failIfQueued();
    if (spec.buttons == Buttons::OK) {
        // An OK-only box takes a queued answer only when one is waiting for it.
        if (!queue_.empty() && std::holds_alternative<int>(queue_.front()) && std::get<int>(queue_.front()) == AnsOK)
            queue_.pop_front();
        return AnsOK;
    }
    if (queue_.empty() && decide_) return decide_(shown_.back());
    int a = AnsCancel;
    if (!popAs(a, "message box")) return spec.buttons == Buttons::YesNo ? AnsNo : AnsCancel;
    return a;
}

QString FakeDialogs::inputBox(const InputBoxSpec& spec) {
    Shown s{Kind::Input,      spec.prompt, spec.title.value_or(kAppTitle), Buttons::OKCancel, Icon::None, 1,
            spec.defaultText, {}};
    record(s);
    QString t;
    if (!popAs(t, "input box")) return QString();
    return t;
}

std::optional<QString> FakeDialogs::openFile(const FileDialogSpec& spec) {
    record({Kind::Open, spec.title, spec.title, Buttons::OKCancel, Icon::None, 1, {}, spec});
    File f;
    if (!popAs(f, "open-file dialog")) return std::nullopt;
    return f.path;
}

std::optional<QString> FakeDialogs::saveFile(const FileDialogSpec& spec) {
    record({Kind::Save, spec.title, spec.title, Buttons::OKCancel, Icon::None, 1, {}, spec});
    File f;
    if (!popAs(f, "save-file dialog")) return std::nullopt;
    return f.path;
}

std::optional<PrinterChoice> FakeDialogs::selectPrinter(const PrinterDialogSpec& spec) {
    record({Kind::Printer,
                      QStringLiteral("Print"),
                      QStringLiteral("Print"),
                      Buttons::OKCancel,
                      Icon::None,
                      1,
                      {},
                      {},
                      spec});
    Print p;
    if (!popAs(p, "printer dialog")) return std::nullopt;
    return p.choice;
}

const FakeDialogs::Shown& FakeDialogs::last() const {
    if (!shown_.empty()) return shown_.back();
    ADD_FAILURE() << "No dialog was shown";
    static const Shown none{};
    return none;
}

QStringList FakeDialogs::messages() const {
    QStringList out;
    for (const Shown& s : shown_)
        if (s.kind == Kind::Message) out << s.text;
    return out;
}

}  // namespace fennick::test

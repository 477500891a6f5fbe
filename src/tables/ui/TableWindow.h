#pragma once
// What the modeless table windows (the zip-code editor and the member list) share: their
// named controls, the record buttons around the counter, and the activation rule: a
// window brought forward runs its Activate procedure, unless the focus only comes back
// from one of the program's own modal dialogs or a procedure of the window is running.

#include <QHash>
#include <QStringList>
#include <QWidget>

class QHBoxLayout;

namespace fennick {

class App;

class TableWindow : public QWidget {
    Q_OBJECT

public:
    ~TableWindow() override;

    // The control of that name; null when there is none.
    QWidget* control(const QString& name) const { return controls_.value(name); }

protected:
    // A top-level window over parent, deleted on close. When names is given, every control
    // added must be one of them.
    TableWindow(App& app, QWidget* parent, const QString& objectName, const QStringList* names = nullptr);

    bool event(QEvent* event) override;
    // The window's Activate procedure, run as the activation rule above says.
    virtual void activate() = 0;

    template <typename T>
    T* add(T* widget, const QString& name) {
        addControl(widget, name);
        return widget;
    }
    // The record buttons (first, previous, next, last) with the counter "RCounter" between
    // previous and next.
    QHBoxLayout* recordButtons();
    // Puts text into the line box of that name, leaving the box untouched when it holds it.
    void showText(const char* name, const QString& text);

    App& app_;
    bool running_ = false;
    bool closing_ = false;  // the close is decided; no question stops it

private:
    void addControl(QWidget* widget, const QString& name);

    const QStringList* names_;
    QHash<QString, QWidget*> controls_;
    bool fromDialog_ = false;  // the other window that last had the focus was a dialog
};

}  // namespace fennick

#pragma once
// The church member list window: one member at a time (number, last and first name), the
// record buttons and counter, Search, Edit or Add, Delete, Print and Close. Modeless, over
// the main window, which Close shows again. It is thin: each event copies the boxes into a
// MemberForm, runs the procedure of that name (tables/MemberEditor.h) and shows the form
// again. Every control carries its name.

#include "tables/MemberEditor.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

#include <functional>

class QWindow;

namespace fennick {

class App;

class Members : public QWidget {
    Q_OBJECT

public:
    // Loads the window: the first member shown, or adding begun for an empty list.
    explicit Members(App& app, QWidget* mainWindow = nullptr);
    ~Members() override;

    QWidget* control(const QString& name) const { return controls_.value(name); }
    const MemberForm& form() const { return form_; }

    // Keeps the entry shown and closes, without showing the main window; for the close of
    // the table windows before the tables are replaced.
    void closeKeepingEntry();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    template <typename T>
    T* add(T* widget, const QString& name);
    void build();

    void run(const std::function<void()>& procedure);
    void collect();
    void present();

    App& app_;
    MemberForm form_;
    QHash<QString, QWidget*> controls_;
    QPointer<QWidget> main_;
    bool running_ = false;
    bool closing_ = false;
    QPointer<QWindow> previousFocusWindow_;
};

}  // namespace fennick

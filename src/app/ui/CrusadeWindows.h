#pragma once
// The owner of the modeless windows that show the open crusade (the attendance screen,
// the report window, and those still to come). It builds each window on first use, holds
// it as a QPointer, and closes all of them whenever the crusade is closed, replaced or
// reopened (App::Hooks::closeCrusadeWindows), so that no window shows or writes another
// crusade's records.
//
// A window sets the hooks it provides in its constructor and lets them go when it closes
// (the closer given to add may do that for a window that refuses to close). The owner
// never deletes a window at once: a window closed or replaced is hidden, forgotten and
// deleted by the event loop, since the closing may start inside one of its own functions
// (an activation that asks for a new window of the same name, a dialog of its own).

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>

namespace fennick {

class App;

class CrusadeWindows : public QObject {
    Q_OBJECT

public:
    // Installs app.hooks.closeCrusadeWindows; the destructor clears it and deletes the
    // windows still open.
    explicit CrusadeWindows(App& app, QObject* parent = nullptr);
    ~CrusadeWindows() override;

    using Factory = std::function<QWidget*()>;
    using Closer = std::function<void(QWidget*)>;
    // Makes name one of the crusade's windows, built by make when it is first asked for.
    // The crusade's closing closes it with close (QWidget::close when none is given).
    void add(const QString& name, Factory make, Closer close = {});
    // The window of that name, built now when none stands (a name given to add only).
    QWidget* window(const QString& name);
    template <typename W>
    W* window(const QString& name) {
        return qobject_cast<W*>(window(name));
    }
    // The window of that name while it stands; null before it is built and once closed.
    QWidget* find(const QString& name) const;
    // The names given to add, in that order.
    QStringList names() const { return order_; }

    // Closes every window that stands and lets it go, whether or not it agreed to close;
    // each is built afresh when next asked for.
    void closeAll();
    // The same for the one window of that name.
    void close(const QString& name);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        Factory make;
        Closer close;
        QPointer<QWidget> window;
    };
    // Forgets the entry's window, hides it and deletes it later.
    void retire(Entry& e);

    App& app_;
    QHash<QString, Entry> entries_;
    QList<QPointer<QWidget>> retired_;
    QStringList order_;
};

}  // namespace fennick

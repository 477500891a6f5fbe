#include "app/ui/CrusadeWindows.h"

#include "data/App.h"

#include <QEvent>

namespace fennick {

namespace {

// Set on a window that deletes itself on closing by its close event (Qt takes the
// attribute off as it closes the window), taken off when it is shown again.
const char* const kClosing = "fennickClosing";

// A window that deletes itself on closing is gone once it was closed, even while its
// deletion waits for the event loop. One that was only hidden, or refused to close, stands.
bool Closed(const QWidget* w) {
    return w->isHidden() && w->property(kClosing).toBool();
}

}  // namespace

CrusadeWindows::CrusadeWindows(App& app, QObject* parent) : QObject(parent), app_(app) {
    app_.hooks.closeCrusadeWindows = [this] { closeAll(); };
}

CrusadeWindows::~CrusadeWindows() {
    app_.hooks.closeCrusadeWindows = nullptr;
    for (const QString& name : std::as_const(order_)) delete entries_[name].window.data();
    // Those let go whose deletion the event loop did not reach.
    for (const QPointer<QWidget>& w : std::as_const(retired_)) delete w.data();
}

void CrusadeWindows::add(const QString& name, Factory make, Closer close) {
    Q_ASSERT_X(!entries_.contains(name), "CrusadeWindows::add", qPrintable(name));
    if (!entries_.contains(name)) order_ << name;
    Entry& e = entries_[name];
    e.make = std::move(make);
    e.close = std::move(close);
}

QWidget* CrusadeWindows::window(const QString& name) {
    auto it = entries_.find(name);
    Q_ASSERT_X(it != entries_.end(), "CrusadeWindows::window", qPrintable(name));
    if (it == entries_.end()) return nullptr;
    if (QWidget* w = find(name)) return w;
    // The one closed by its user may still await deletion, and may be the window whose
    // event brought us here: it is let go, never deleted under its own feet.
    retire(*it);
    it->window = it->make();
    it->window->installEventFilter(this);
    return it->window;
}

QWidget* CrusadeWindows::find(const QString& name) const {
    const auto it = entries_.constFind(name);
    if (it == entries_.cend() || !it->window || Closed(it->window)) return nullptr;
    return it->window;
}

bool CrusadeWindows::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close)
        watched->setProperty(kClosing, static_cast<QWidget*>(watched)->testAttribute(Qt::WA_DeleteOnClose));
    else if (event->type() == QEvent::Show)
        watched->setProperty(kClosing, false);
    return QObject::eventFilter(watched, event);
}

void CrusadeWindows::closeAll() {
    for (const QString& name : std::as_const(order_)) close(name);
}

void CrusadeWindows::close(const QString& name) {
    const auto it = entries_.find(name);
    if (it == entries_.end()) return;
    Entry& e = *it;
    QPointer<QWidget>& w = e.window;
    if (!w) return;
    // The window's own close first: it may still finish its work on its crusade.
    if (!Closed(w)) {
        if (e.close)
            e.close(w);
        else
            w->close();
    }
    retire(e);
}

void CrusadeWindows::retire(Entry& e) {
    QWidget* w = e.window.data();
    e.window = nullptr;
    if (!w) return;
    w->removeEventFilter(this);
    // Hidden at once, so that nothing activates or shows it any more; deleted by the event
    // loop, once every function of its own that may be running has returned.
    w->hide();
    w->deleteLater();
    retired_.removeAll(nullptr);
    retired_ << w;
}

}  // namespace fennick

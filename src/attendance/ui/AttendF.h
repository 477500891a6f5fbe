#pragma once
// The attendance screen: the window used at the registration desk during a meeting. A
// number or a name typed into the search box and Enter mark the person present tonight;
// the person's record shows below for corrections on the spot. Modeless; the main window
// is hidden while it is open. Its controls carry the names of AttendFControlNames and are
// reached by name as a record screen (MainScreen); its variables Attend, Decisions and
// Last are served from its state. Names are matched without regard to case, as the record
// display names the birth-date field "BirthDate" and the box is "Birthdate".

#include "attendance/AttendFState.h"
#include "mainwindow/MainScreen.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <functional>

class QAbstractButton;
class QGridLayout;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QWindow;

namespace fennick {

class App;

class AttendF : public QMainWindow, public MainScreen {
    Q_OBJECT

public:
    explicit AttendF(App& app, QWidget* parent = nullptr);
    ~AttendF() override;

    using QMainWindow::isEnabled;
    using QMainWindow::isVisible;
    using QMainWindow::setEnabled;
    using QMainWindow::setFocus;
    using QMainWindow::setVisible;

    // Makes the screen the one the main window's opening command shows: created on first
    // use, loaded for the meeting number in MsgAnswer and shown; parent is the main window.
    static void install(App& app, QWidget* parent);
    // Loads the screen for the meeting number in MsgAnswer, shows and activates it.
    void open();
    // Takes back the hooks the screen set, unless a newer screen set them since: the screen
    // is unloaded, even while its deletion waits for the event loop.
    void releaseHooks();
    // Runs a procedure of the window: nothing escapes it, and a focus it asks for is given
    // when it ends.
    void run(const std::function<void()>& command);

    QObject* object(const QString& name) const { return objects_.value(name.toLower()); }
    // The control of that name, which must exist (asserted in debug and test builds).
    QObject* named(const QString& name) const;
    AttendFState& state() { return st_; }

    // MainScreen
    QString formName() const override { return QStringLiteral("AttendF"); }
    bool has(const QString& control) const override;
    QString text(const QString& control) const override;
    void setText(const QString& control, const QString& text) override;
    int value(const QString& control) const override;
    void setValue(const QString& control, int value) override;
    void setBackColor(const QString& control, BgrColor color) override;
    void setForeColor(const QString& control, BgrColor color) override;
    void setBold(const QString& control, bool bold) override;
    void setCaption(const QString& caption) override { setWindowTitle(caption); }
    void setVisible(const QString& name, bool visible) override;
    bool isVisible(const QString& name) const override;
    void setEnabled(const QString& name, bool enabled) override;
    bool isEnabled(const QString& name) const override;
    void setFocus(const QString& name) override;
    void bringForward() override;
    QString focused() const override;
    void setSelection(const QString& name, int start, int length) override;
    int selectionStart(const QString& name) const override;
    void setItems(const QString&, const QStringList&) override {}
    QStringList items(const QString&) const override { return {}; }
    void popupMenu(const QString&) override {}
    void setWindowVisible(bool visible) override { QMainWindow::setVisible(visible); }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <typename T>
    T* add(T* widget, const QString& name);
    QLineEdit* box(const QString& name, int width);
    QLabel* label(const QString& name, const QString& caption);
    // The widget whose colour or font a control name sets; null for a value of the screen.
    QWidget* drawn(const QString& control) const;
    void buildMenu();
    QWidget* buildEntry();
    QWidget* buildRecord();
    QWidget* buildDecisions();
    QWidget* buildCommands();
    void wire();
    void onClick(const QString& name, const std::function<void()>& command);

    // The windows opened from the screen are reached through hooks; their controls are
    // enabled only while the hook is set.
    void enableDialogControls();
    bool keyPressed(const QString& name, QKeyEvent* event);
    void focusMoved(QWidget* from, QWidget* to);
    void applyPendingFocus();
    QString controlOf(const QObject* o) const;
    bool isOwnForm(QWindow* window) const;
    void onFocusWindowChanged(QWindow* window);
    void leave(const QString& name);

    App& app_;
    AttendFState st_;
    QHash<QString, QObject*> objects_;  // by lower-case name
    QString pendingFocus_;
    int depth_ = 0;
    bool exiting_ = false;  // Done ran: the close that follows asks nothing more
    QPointer<QWindow> focusWindow_;
};

}  // namespace fennick

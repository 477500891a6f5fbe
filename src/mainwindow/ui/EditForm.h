#pragma once
// The main window: one attendee record in boxes named like the record's fields, the
// toolbar, the navigation and search row, and the menu bar. It reaches its controls,
// buttons and menu items by name for the display-free commands (MainScreen) and only
// turns events into calls of them.

#include "mainwindow/MainScreen.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <functional>

class QAction;
class QBoxLayout;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QMouseEvent;
class QVBoxLayout;
class QWindow;

namespace fennick {

class App;

class EditForm : public QMainWindow, public MainScreen {
    Q_OBJECT

public:
    explicit EditForm(App& app, QWidget* parent = nullptr);
    ~EditForm() override;

    // The window's own visibility, enabled state and focus, beside the by-name forms below.
    using QMainWindow::isEnabled;
    using QMainWindow::isVisible;
    using QMainWindow::setEnabled;
    using QMainWindow::setFocus;
    using QMainWindow::setVisible;

    // Form_Load: run once the crusade is loaded, before the window is first shown.
    void load();
    // Runs a command of the window: an error is reported with the program's common
    // message, and an end of the program is carried out; nothing escapes. A focus change
    // the command asks for takes place when it ends, with the leave rule of the box that
    // loses the focus and the entry rule of the one that gets it.
    void run(const std::function<void()>& command);
    // A menu item or button of that name has its command connected.
    bool wired(const QString& name) const { return commands_.contains(name); }
    // A menu item whose command can run now: it is enabled and shown, and so are the
    // menus that hold it.
    bool available(const QString& item) const;
    // The program ended through this window (Exit, closing, or a deleted new crusade).
    bool ended() const { return ended_; }
    int exitCode() const { return exitCode_; }

    // The control, menu item or menu of that name; null when there is none.
    QObject* object(const QString& name) const { return objects_.value(name); }
    QAction* action(const QString& name) const;
    QMenu* menu(const QString& name) const { return menus_.value(name); }

    // MainScreen
    QString formName() const override { return QStringLiteral("EditForm"); }
    bool has(const QString& control) const override { return objects_.contains(control); }
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
    QString focused() const override;
    // The one way a box is left while the focus stays in it, for every route that saves
    // the record (the window's own commands, other windows, activation). A name being
    // added is not left: no command saves it.
    bool leaveFocusedBox() override;
    void bringForward() override;
    void setSelection(const QString& name, int start, int length) override;
    int selectionStart(const QString& name) const override;
    void setItems(const QString& name, const QStringList& items) override;
    QStringList items(const QString& name) const override;
    void popupMenu(const QString& name) override;
    void setWindowVisible(bool visible) override { QMainWindow::setVisible(visible); }

    // The user typed into the record on screen since it was last shown.
    bool typedChanges() const { return typedChanges_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <typename T>
    T* add(T* widget, const QString& name);
    QLineEdit* field(const QString& name, int width);
    QCheckBox* check(const QString& name, const QString& caption);
    QLabel* label(const QString& name, const QString& caption);

    // A plain surface of the window's background (a right click there pops up Edit).
    QWidget* surface();
    void buildMenus();
    void buildMenu(QMenu* menu, const QString& parent);
    QWidget* buildToolbar();
    QLabel* captionUnder(QWidget* cellOwner, const QString& name, QVBoxLayout* cell, int width);
    QWidget* buildHeader();
    QWidget* buildRecordArea();
    QGroupBox* buildIdentity();
    QGroupBox* buildAddress();
    QGroupBox* buildContact();
    QGroupBox* buildChurch();
    QGroupBox* buildVisitation();
    QGroupBox* buildDecisions();
    QGroupBox* buildAttendance();
    QGroupBox* buildNotes();
    QGroupBox* buildVisitFrame();
    QWidget* buildNavigation();
    void setTabOrderOfFields();
    void showCaptions();
    // The control, menu item or menu of that name. A name the window does not have is a
    // fault of the caller: debug and test builds stop on it, a release build gets null.
    QObject* named(const QString& name) const;
    QWidget* widgetNamed(const QString& name) const;
    void fitFields();

    void wireCommands();
    void wireRecordCommands();
    void wireFieldEvents();
    void onCommand(const QString& name, const std::function<void()>& command);
    void watchEdits();
    // Runs a procedure of the window with the focus held: errors are reported as by run(),
    // focus changes wait for whoever holds the focus.
    void invoke(const std::function<void()>& command);

    // The focus as the record boxes see it: a box "gets" the focus and later "leaves" it
    // only when the focus really moves from one control of the window to another.
    void settleFocus();
    QWidget* applyPendingFocus();
    QWidget* focusedControl() const;
    void enterControl(const QString& name);
    // Runs the box's leave rule; false when the rule refused the box's text.
    bool leaveControl(const QString& name);
    // A menu command: the box with the focus is left first; a text it refuses stops the
    // command.
    void runMenuCommand(const std::function<void()>& command);

    // The named control an object belongs to (itself, or the control it is a part of).
    QString controlOf(const QObject* o) const;
    bool keyPressed(QObject* watched, const QString& name, QKeyEvent* event);
    bool runMenuShortcut(const QKeyEvent* event);
    bool mousePressed(const QString& name, const QMouseEvent* event);
    // True when the release was taken and goes no further.
    bool mouseReleased(QObject* watched, const QString& name, const QMouseEvent* event);
    bool doubleClicked(const QString& name);
    void windowMousePressed(const QMouseEvent* event);
    void sdaRightClick();
    void activateForm();
    void endProgram(int code);
    void onFocusWindowChanged(QWindow* window);
    bool isOwnForm(QWindow* window) const;

    App& app_;
    QHash<QString, QObject*> objects_;
    QHash<QString, QMenu*> menus_;
    QHash<QString, std::function<void()>> commands_;
    QList<QWidget*> background_;            // the surfaces a right click pops the Edit menu on
    QHash<QString, QLabel*> captionCells_;   // the caption under each toolbar button and All Names
    QHash<QString, QString> ownCaptions_;    // a button's own caption (none for All Names)
    QHash<QString, QWidget*> cells_;         // the cell a captioned button stands in
    bool typedChanges_ = false;
    bool settingText_ = false;
    bool activationDue_ = false;    // shown, and the activation has not run yet
    bool activatedByShow_ = false;  // the showing ran the activation; the focus that follows does not
    bool ended_ = false;
    int exitCode_ = 0;
    QPointer<QWindow> focusWindow_;
    QPointer<QWindow> previousFocusWindow_;
    QPointer<QWindow> watchedWindow_;  // the window whose mouse presses come before any focus change

    QPointer<QWidget> current_;  // the control whose entry rule ran last and that has not left yet
    // The box left while the focus stayed in it (leaveFocusedBox), and its text once what
    // left it was over: left again unchanged, by any number of commands or routes or by the
    // focus moving on, its rule (and its questions) does not run a second time.
    QPointer<QWidget> leftBox_;
    QString leftText_;
    bool leftOpen_ = false;  // left, and the focus not settled since
    QString pendingFocus_;       // asked for while a procedure runs
    int depth_ = 0;              // procedures running
    bool settling_ = false;
    QEvent* passing_ = nullptr;  // a key event handed on to its box
};

}  // namespace fennick

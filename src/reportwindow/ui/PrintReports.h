#pragma once
// The report window "Fennick PreView" (modeless): the title and count of the current view,
// its page of lines in a fixed-pitch box with a scroll bar, the master list, the list
// menus and buttons, the options that narrow a list, and Close. It is one instance, made
// when a preview opens it and unloaded when it closes; its state lives as long as it does.
// The window only turns events into calls of the display-free procedures (ReportWindow.h)
// and shows the state they leave.

#include "reportwindow/PrintReportsState.h"

#include <QHash>
#include <QMainWindow>
#include <QRect>

#include <functional>
#include <optional>

class QCheckBox;
class QLineEdit;
class QMouseEvent;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace fennick {

class App;

class PrintReports : public QMainWindow {
    Q_OBJECT

public:
    explicit PrintReports(App& app, QWidget* parent = nullptr);
    ~PrintReports() override;

    // Makes the window the one the main window's previews open (app.hooks.openPrintReports).
    static void install(App& app);
    // The window while it is open; null otherwise.
    static PrintReports* current();

    // Loads the window afresh on the current view (a new state, Form_Load) and shows it.
    void open();
    // Closes the window without returning to the main window (the crusade is going).
    void dismiss();

    const PrintReportsState& state() const { return state_; }
    // The control, menu or menu item of that name; null when there is none.
    QObject* object(const QString& name) const { return objects_.value(name); }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <typename T>
    T* add(T* object, const QString& name);
    void buildMenus();
    QWidget* buildTitleRows();
    QWidget* buildMouseFrame();
    QWidget* buildPage();
    QWidget* buildChoices();
    QWidget* buildTeamRow();
    QWidget* buildButtonRow();
    QWidget* buildOptionRows();
    void wire();

    // Runs a procedure of the window: an error is reported with the program's common
    // message and goes no further; the state is shown afterwards, and the window closes
    // when the procedure asked for it.
    void run(const std::function<void()>& procedure);
    void showState();
    void showPage();
    // A click on the page: its line and character go to Info_MouseDown.
    void InfoMouseDown(const QMouseEvent* event);
    // The main window editing a name from the page stands beside this window so that both
    // show their working parts (PlaceBesidePreview); it goes back to its own place when this
    // window closes.
    void placeBeside(QWidget* form);
    void restoreMainPlace();
    // No longer the open window: the hooks to it are cleared.
    void forget();

    App& app_;
    PrintReportsState state_;
    QHash<QString, QObject*> objects_;
    int depth_ = 0;           // procedures running
    bool showing_ = false;    // the state is being put into the controls
    bool returning_ = true;   // closing returns to the main window
    std::optional<QRect> mainPlace_;  // the main window's own place while it stands beside

    QLineEdit* CrTitleBox = nullptr;
    QLineEdit* txtInstructions = nullptr;
    QLineEdit* boxMailLabelIndicator = nullptr;
    QPlainTextEdit* Info = nullptr;
    QScrollBar* VScroll1 = nullptr;
    QLineEdit* PrintCutOffBox = nullptr;
    QCheckBox* ChkSaveFilter = nullptr;
};

}  // namespace fennick

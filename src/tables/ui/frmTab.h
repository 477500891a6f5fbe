#pragma once
// The preferences dialog "Fennick Preferences": six tabs of boxes over the crusade's
// settings, with Save Changes, Cancel, a help button and, on the team tab, the team list's
// print button. It is thin: each event copies the boxes into a PreferencesForm, runs the
// procedure of that name (tables/Preferences.h) and shows the form again. Every control
// carries its name. Modeless from the main window's menus, modal from the zip editor.

#include "tables/Preferences.h"

#include <QDialog>
#include <QHash>

#include <functional>

class QTabWidget;

namespace fennick {

class App;

class frmTab : public QDialog {
    Q_OBJECT

public:
    // Loads the dialog from the settings, on the team tab when MsgText holds "team".
    explicit frmTab(App& app, QWidget* parent = nullptr);

    // The control of that name; null when there is none.
    QWidget* control(const QString& name) const { return controls_.value(name); }
    const PreferencesForm& form() const { return form_; }
    // Asked for again while open: on the team tab when MsgText holds "team", keeping the
    // boxes as typed.
    void showAgain();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Esc and Cancel: the question when anything was edited.
    void reject() override;
    // Closing by the title bar, after Save or Cancel, or with the crusade: no question.
    void closeEvent(QCloseEvent* event) override;

private:
    template <typename T>
    T* add(T* widget, const QString& name);
    void build();
    QWidget* generalTab();
    QWidget* decisionsTab();
    QWidget* churchesTab();
    QWidget* sermonsTab();
    QWidget* teamsTab(int first);
    QWidget* textBox(const QString& name, QWidget* parent);

    // Save and Cancel leave the box that holds the focus: a box whose change is marked on
    // leaving marks it now.
    void markFocusedBox();
    // Runs a procedure of the dialog over the form: boxes in, procedure, form out.
    void run(const std::function<void()>& procedure);
    void collect();
    void present();

    App& app_;
    PreferencesForm form_;
    QHash<QString, QWidget*> controls_;
    QTabWidget* tabs_ = nullptr;
    bool running_ = false;
};

}  // namespace fennick

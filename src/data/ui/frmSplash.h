#pragma once
// The start screen: shown modally at start-up, it loads the crusade used last and offers
// "Last File", "New File" and "Exit". Its three choices are labels that act as buttons;
// any key, or a click on one of its other labels, acts as "Last File" when a crusade is
// loaded.

#include "data/StartScreen.h"
#include "data/StartUp.h"

#include <QDialog>
#include <QHash>

#include <functional>

class QLabel;

namespace fennick {

class App;

class frmSplash : public QDialog, public StartScreen {
    Q_OBJECT

public:
    frmSplash(App& app, PrinterProbe printerInstalled, QWidget* parent = nullptr);

    // The start screen's loading; run once (the first showing runs it when nobody did).
    void load();
    // What "New File" chose; Cancelled when the screen closed another way.
    CrusadeChoice choice() const { return choice_; }
    // The program ended from the start screen (Exit, or a refusal while loading).
    bool ended() const { return ended_; }
    int exitCode() const { return exitCode_; }

    // StartScreen
    void setText(const QString& name, const QString& text) override;
    QString text(const QString& name) const override;
    void setVisible(const QString& name, bool visible) override;
    bool isVisible(const QString& name) const override;
    void setEnabled(const QString& name, bool enabled) override;
    void repaint() override;

    using QDialog::isVisible;
    using QDialog::setEnabled;
    using QDialog::setVisible;

    // The three choices, as a click on them runs them.
    void btnLastCrusade_Click();
    void btSelect_Click();
    void btnExitFennick_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    template <typename T>
    T* add(T* widget, const QString& name);
    // The control of that name. A name the screen does not have is a fault of the caller:
    // debug and test builds stop on it, a release build gets null.
    QWidget* control(const QString& name) const;
    QLabel* addLabel(const QString& name, const QString& text);
    QLabel* addChoice(const QString& name, const QString& text);
    void run(const std::function<void()>& command);
    void Form_KeyPress();
    // The last crusade's line as its room lets it show: cut in the middle, so that its
    // end stays in sight, with the data file's whole path as its tool tip.
    void showLastCrusadeName();

    App& app_;
    PrinterProbe printerInstalled_;
    QHash<QString, QWidget*> controls_;
    QString lastCrusadeName_;  // the last crusade's line, whole
    CrusadeChoice choice_ = CrusadeChoice::Cancelled;
    bool loaded_ = false;
    bool ended_ = false;
    int exitCode_ = 0;
};

}  // namespace fennick

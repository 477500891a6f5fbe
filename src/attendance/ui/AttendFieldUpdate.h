#pragma once
// The per-record attendance editor "Attendance Update": one button per meeting night in two
// rows of twenty, the decision options, All, Clear, Save and Cancel. Modeless, over the
// screen that opened it (the main window or the attendance screen), whose record it edits
// through an editing target. It closes without writing when that screen shows another
// record, is hidden, or goes away, and when the crusade is closed or replaced (the program
// builds it through the owner of the crusade's windows).

#include "attendance/AttendanceEditor.h"
#include "attendance/ScreenTarget.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace fennick {

class App;
class MainScreen;

class AttendFieldUpdate : public QWidget {
    Q_OBJECT

public:
    AttendFieldUpdate(App& app, MainScreen& screen);
    ~AttendFieldUpdate() override;

    // Builds an editor over a screen (not shown yet); unset, open builds it on its own.
    using Maker = std::function<AttendFieldUpdate*(MainScreen& screen)>;
    // Opens the editor over screen for the record it shows; an editor already open on that
    // record comes to the front instead, one on another record closes first.
    static AttendFieldUpdate* open(App& app, MainScreen& screen, const Maker& make = {});
    // Makes the editor, built by make, the one the main window's and the attendance
    // screen's Attendance boxes open.
    static void install(App& app, Maker make = {});

    // Closes the editor without writing anything back, as when its screen leaves the
    // record: the crusade it works on is being closed.
    void dismiss() { letGo(); }

    const AttendanceEditor& editor() const { return editor_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void run(const std::function<void()>& command);
    void showState();
    // Closes the window; a Save or Cancel has run, or nothing is to be written.
    void letGo();

    App& app_;
    ScreenTarget target_;
    AttendanceEditor editor_;
    QPointer<QWidget> screen_;
    // The last other window that had the focus was a dialog (the box may be gone by the
    // time this window is activated again).
    bool fromDialog_ = false;
    bool done_ = false;  // Save or Cancel ran, or the screen left the record
    std::array<QPushButton*, AttendanceEditor::kNights> ATD_{};
    std::array<QRadioButton*, AttendanceEditor::kDecisionOptions + 1> optAtDe_{};  // 1..9
    QLineEdit* Attendance_ = nullptr;
    QLabel* Attend_ = nullptr;
    QLabel* Last_ = nullptr;
    QLabel* lblName_ = nullptr;
    QLabel* lblDecision_ = nullptr;
};

}  // namespace fennick

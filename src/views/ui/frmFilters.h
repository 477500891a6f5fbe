#pragma once
// The attendance filter dialog "Fennick Attendance Filters" (modal): the number of nights
// with its comparison, "Equals" or "At Least", and the meeting cut-off. It leaves
// "equal", "atleast" or "cancel" in ScratchVar; closing it by its frame cancels.

#include "views/AttendanceFilters.h"

#include <QDialog>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace fennick {

class App;

class frmFilters : public QDialog {
    Q_OBJECT
public:
    explicit frmFilters(App& app, QWidget* parent = nullptr);

    // Shows the dialog modally over parent; the answer is left in ScratchVar.
    static void ask(App& app, QWidget* parent = nullptr);
    // Makes the dialog the one the view builders show (app.hooks.showAttendanceFilters).
    static void install(App& app, QWidget* parent);

    // Fills the boxes from the settings, as at every showing.
    void Form_Load();

protected:
    void done(int result) override;

private:
    // Runs a procedure of the dialog through the command guard.
    void run(const std::function<void()>& command);
    void txtTotalAttend_Change();
    void btnSave_Click();
    void btnCancel_Click();
    // Shows the form's state in the controls.
    void showForm();

    App& app_;
    AttendanceFiltersForm form_;
    bool answered_ = false;  // a button has answered

    QLabel* lblHeading = nullptr;
    QLabel* lblTotalAttend = nullptr;
    QLineEdit* txtTotalAttend = nullptr;
    std::array<QRadioButton*, 2> optTotal{};
    QLabel* lblMeetingCutoff = nullptr;
    QLineEdit* txtLastMtgCutoff = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btnCancel = nullptr;
};

}  // namespace fennick

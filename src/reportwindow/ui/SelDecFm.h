#pragma once
// The decision picker: a modal dialog offering the nine decisions as option buttons.
// OK with a decision chosen sets ReportKind to "decision", a blank and the decision's
// digit; Cancel changes nothing.

#include <QDialog>

#include <array>
#include <functional>

class QLabel;
class QPushButton;
class QRadioButton;

namespace fennick {

class App;

// OK of the picker with the decision chosen (0 = none): sets ReportKind and returns true
// for a decision 1..9; otherwise tells the user to choose one and returns false.
bool SelDecFm_OK(App& app, int chosenDecision);

class SelDecFm : public QDialog {
    Q_OBJECT
public:
    explicit SelDecFm(App& app, QWidget* parent = nullptr);

    // Shows the picker modally with decision d offered (0 or out of range: none). Returns
    // true when OK set ReportKind, false when the picker was cancelled.
    static bool pick(App& app, int d, QWidget* parent = nullptr);
    // Makes the picker the one the decision view shows (app.hooks.showDecisionPicker).
    static void install(App& app, QWidget* parent);

    // Selects decision d as a click on its button would.
    void preselect(int d);
    int ChosenDecision = 0;  // the decision clicked last; 0 before any click

private:
    // Runs a procedure of the picker through the command guard.
    void run(const std::function<void()>& command);
    void Form_Load();
    void Dec_Click(int k);
    void OKBut_Click();
    void CancelBut_Click();

    App& app_;
    std::array<QRadioButton*, 10> Dec{};  // 1..9
    QLabel* Label1 = nullptr;
    QPushButton* OKBut = nullptr;
    QPushButton* CancelBut = nullptr;
};

}  // namespace fennick

#pragma once
// The appointment dialog "Set Appointment Date and Time": a weekday and an hour for the
// interview of the record its screen shows, or "Unspecified". Modal; it works on the
// editing target its opener hands it and writes nothing to the data file. The options act
// when the button is released, so a second click on the chosen one clears it.

#include "attendance/AppointmentRules.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace fennick {

class App;
class EditingTarget;
class MainScreen;

class AppointmentFm : public QDialog {
    Q_OBJECT

public:
    AppointmentFm(App& app, EditingTarget& target, QWidget* parent = nullptr);

    // Shows the dialog modally over screen for the record it shows.
    static void open(App& app, MainScreen& screen);
    // Makes the dialog the one the main window's and the attendance screen's interview
    // boxes open.
    static void install(App& app);

    const AppointmentRules& rules() const { return rules_; }

public slots:
    void reject() override;

private:
    void run(const std::function<void()>& command);
    void showState();
    void finish(bool closes);

    App& app_;
    AppointmentRules rules_;
    bool closed_ = false;
    std::array<QRadioButton*, AppointmentRules::kDayOptions> optAptDay_{};
    std::array<QRadioButton*, AppointmentRules::kTimeOptions> optAptTime_{};
    QCheckBox* btnUnspecified_ = nullptr;
    QLabel* lblAptName_ = nullptr;
    QLabel* lblApt_ = nullptr;
};

}  // namespace fennick

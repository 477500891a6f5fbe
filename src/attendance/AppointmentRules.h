#pragma once
// The appointment dialog without its display: it sets, changes or erases the interview
// appointment of the record its target shows (the appointment code among the visit codes
// and the interview box) and writes nothing to the data file. The weekday and time options
// act on the button's release: a second click on the chosen option clears it. Every way
// out (Save, Clear, Cancel, closing the window) ends in the closing steps, which set the
// interview box from the visits and leave ScreenMode "Appointment" for the screen's next
// activation.

#include <QString>
#include <QStringList>

namespace fennick {

class App;
class EditingTarget;

class AppointmentRules {
public:
    static constexpr int kDayOptions = 6;
    static constexpr int kTimeOptions = 14;

    AppointmentRules(App& app, EditingTarget& target);

    // The captions of optAptDay(0..5) and optAptTime(0..13).
    QStringList dayCaptions() const;
    static const QStringList& timeCaptions();

    void Form_Load();
    void optAptDay_MouseDown(int index);
    void optAptDay_MouseUp(int index);
    void optAptTime_MouseDown(int index);
    void optAptTime_MouseUp(int index);
    void btnUnspecified_Click(bool ticked) { unspecified_ = ticked; }
    // True when the dialog closes (after the closing steps).
    bool btnSave_Click();
    bool btnClear_Click();
    // Cancel, and closing the window by its frame.
    void btnCancelApt_Click();

    // What the dialog shows: the options selected (-1 for none), "Unspecified", the name
    // and the appointment as text.
    int dayOption() const { return day_; }
    int timeOption() const { return time_; }
    bool unspecified() const { return unspecified_; }
    const QString& lblAptName() const { return lblAptName_; }
    const QString& lblApt() const { return lblApt_; }

    // The form's variables: the weekday and time shown, the time character chosen in this
    // opening, and the visits being edited (trimmed, in capitals).
    QString Day;
    QString Time;
    QString T;
    QString OldApt;
    bool testDay = false;

private:
    void closing();

    App& app_;
    EditingTarget& target_;
    int day_ = -1;
    int time_ = -1;
    bool unspecified_ = false;
    QString lblAptName_;
    QString lblApt_;
};

}  // namespace fennick

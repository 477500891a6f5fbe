#include "attendance/AppointmentRules.h"

#include "attendance/EditingTarget.h"
#include "attendance/VisitCodes.h"
#include "data/App.h"
#include "data/Text.h"
#include "platform/Dialogs.h"

namespace fennick {

namespace {

const QString kAppointment = QStringLiteral("Appointment");

bool HasAppointment(const QString& visits) {
    return AppointmentPos(Trim(visits)) > 0;
}

}  // namespace

AppointmentRules::AppointmentRules(App& app, EditingTarget& target) : app_(app), target_(target) {}

QStringList AppointmentRules::dayCaptions() const {
    // The first option is captioned in the window itself; the others from WeekDays.
    QStringList captions{QStringLiteral("Sunday")};
    for (int d = 2; d <= kDayOptions; ++d) captions << WeekDayName(app_.settings, d);
    return captions;
}

const QStringList& AppointmentRules::timeCaptions() {
    static const QStringList captions = {QStringLiteral("8:00am"), QStringLiteral("9:00am"), QStringLiteral("10:00am"),
                                         QStringLiteral("11:00a"), QStringLiteral("12:00"),  QStringLiteral("1:00pm"),
                                         QStringLiteral("2:00pm"), QStringLiteral("3:00pm"), QStringLiteral("4:00pm"),
                                         QStringLiteral("5:00pm"), QStringLiteral("6:00pm"), QStringLiteral("7:00pm"),
                                         QStringLiteral("8:00pm"), QStringLiteral("9:00pm")};
    return captions;
}

void AppointmentRules::Form_Load() {
    const QString visits = Trim(target_.visits());
    const bool hasAppointment = AppointmentPos(visits) > 0;
    // An interview set without a day and time shows as "Unspecified", so that closing the
    // dialog keeps it.
    unspecified_ = !hasAppointment && target_.interview() != 0;
    target_.setInterview(hasAppointment ? 1 : 0);
    Day.clear();
    Time.clear();
    T.clear();
    lblAptName_ = target_.name();
    day_ = -1;
    time_ = -1;
    OldApt = visits.toUpper();

    const StoredAppointment a = FindAppointment(OldApt);
    // Only a weekday and a time of the tables select an option; a code typed by hand
    // outside them is shown as it is stored.
    if (a.day != 0) {
        day_ = a.day - 1;
        Day = WeekDayName(app_.settings, a.day);
    }
    if (a.time >= 0) {
        time_ = a.time;
        Time = MeetingTimeText(app_.settings, a.time);
    }
    if (!a.found())
        lblApt_ = QStringLiteral("No Appointment Scheduled");
    else if (a.decoded())
        lblApt_ = AppointmentText(app_.settings, a);
    else
        lblApt_ = visits.mid(a.pos - 1, kVisitCodeWidth);
}

void AppointmentRules::optAptDay_MouseDown(int index) {
    testDay = index == day_;
}

void AppointmentRules::optAptDay_MouseUp(int index) {
    if (index < 0 || index >= kDayOptions) return;
    if (testDay) {
        day_ = -1;
        lblApt_ = QStringLiteral("No Date Set");
        return;
    }
    day_ = index;
    Day = WeekDayName(app_.settings, index + 1);
    lblApt_ = Day + QStringLiteral(": ") + Time;
}

void AppointmentRules::optAptTime_MouseDown(int index) {
    testDay = index == time_;
}

void AppointmentRules::optAptTime_MouseUp(int index) {
    if (index < 0 || index >= kTimeOptions) return;
    if (testDay) {
        time_ = -1;
        lblApt_ = QStringLiteral("No Time Set");
        return;
    }
    time_ = index;
    T = TimeCharacter(index);
    Time = MeetingTimeText(app_.settings, index);
    if (day_ >= 0) lblApt_ = Day + QStringLiteral(": ") + Time;
}

bool AppointmentRules::btnSave_Click() {
    app_.program.ScreenMode = kAppointment;
    const StoredAppointment stored = FindAppointment(OldApt);
    QString visits;
    if (day_ < 0) {
        // No day: the appointment is taken out as Clear does. Blanks in its place would
        // put every later code off the three-character grid.
        target_.setInterview(0);
        visits = WithoutAppointment(OldApt);
    } else {
        // A time chosen now, else the stored appointment's own time character.
        const QString time = !T.isEmpty()                            ? T
                             : stored.code.size() == kVisitCodeWidth ? stored.code.right(1)
                                                                     : QString();
        if (time.isEmpty()) {
            app_.msg.MsgAnswer = QString::number(
                app_.dialogs().msgBox(QStringLiteral("Please select a Time for this Appointment."), Buttons::OK,
                                      Icon::Exclamation, QStringLiteral("Set Appointment Date and Time")));
            return false;
        }
        const QString code = QLatin1Char('A') + QString::number(day_ + 1) + time;
        if (stored.found())
            visits = QString(OldApt).replace(stored.pos - 1, int(stored.code.size()), code);
        else
            visits = AppendVisitCode(OldApt, code);
    }
    target_.setVisits(visits);
    closing();
    return true;
}

bool AppointmentRules::btnClear_Click() {
    Messages& m = app_.msg;
    app_.program.ScreenMode = kAppointment;
    m.MsgText = QStringLiteral("You are about to erase this Appointment ") +
                QStringLiteral(" that has been scheduled.") + NewLine + QStringLiteral("Is that what you want to do?");
    m.MsgTitle = QStringLiteral("Erase Appointment");
    const int answer = app_.dialogs().msgBox(m.MsgText, Buttons::YesNo, Icon::Critical, m.MsgTitle);
    m.MsgAnswer = QString::number(answer);
    if (answer != AnsYes) return false;
    day_ = -1;
    time_ = -1;
    const QString visits = Trim(target_.visits());
    if (HasAppointment(visits)) target_.setVisits(WithoutAppointment(visits));
    target_.setInterview(0);
    closing();
    return true;
}

void AppointmentRules::btnCancelApt_Click() {
    closing();
}

void AppointmentRules::closing() {
    app_.program.ScreenMode = kAppointment;
    target_.setInterview(HasAppointment(target_.visits()) || unspecified_ ? 1 : 0);
}

}  // namespace fennick

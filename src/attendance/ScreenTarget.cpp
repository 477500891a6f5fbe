#include "attendance/ScreenTarget.h"

#include "data/App.h"
#include "data/Text.h"
#include "mainwindow/MainScreen.h"

namespace fennick {

namespace {

const QString kVisits = QStringLiteral("Visits");
const QString kClass = QStringLiteral("Class");
const QString kAttendance = QStringLiteral("Attendance");
const QString kAttend = QStringLiteral("Attend");
const QString kLast = QStringLiteral("Last");

}  // namespace

ScreenTarget::ScreenTarget(App& app, MainScreen& screen) : app_(app), screen_(screen), dataFile_(app.program.DataFile) {
    // A new name of add mode on the main window has no record yet; CurRecNo still names
    // the record shown before it.
    const bool newEntry = &screen == app.hooks.editForm && app.crusade.AddMode && app.mainWindow.NewEntryOnScreen;
    record_ = newEntry ? 0 : app.crusade.CurRecNo;
}

QString ScreenTarget::name() const {
    return Trim(screen_.text(QStringLiteral("FName"))) + QLatin1Char(' ') + Trim(screen_.text(QStringLiteral("LName")));
}

QString ScreenTarget::visits() const {
    return screen_.text(kVisits);
}

void ScreenTarget::setVisits(const QString& visits) {
    screen_.setText(kVisits, visits);
}

int ScreenTarget::interview() const {
    return screen_.value(kClass);
}

void ScreenTarget::setInterview(int value) {
    screen_.setValue(kClass, value);
}

QString ScreenTarget::attendance() const {
    return screen_.text(kAttendance);
}

void ScreenTarget::setAttendance(const QString& attendance) {
    screen_.setText(kAttendance, attendance);
}

QString ScreenTarget::attend() const {
    return screen_.text(kAttend);
}

void ScreenTarget::setAttend(const QString& count) {
    screen_.setText(kAttend, count);
}

int ScreenTarget::last() const {
    return ClampInt16(Val(screen_.text(kLast)), 0, kMeetings);
}

void ScreenTarget::setLast(int night) {
    screen_.setText(kLast, Plain(night));
}

bool ScreenTarget::leftBy(const RecordScreen& screen, qint32 shown) const {
    if (&screen != &screen_) return false;
    // A new name is always another record, and so is any record of another crusade.
    return shown == 0 || shown != record_ || app_.program.DataFile != dataFile_;
}

}  // namespace fennick

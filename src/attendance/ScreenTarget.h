#pragma once
// The record shown on a screen as an editing target: the boxes named like the record's
// fields (Visits, Class, Attendance, Attend, Last; on the attendance screen Attend and Last
// are its variables of those names). It remembers the crusade and the record the screen
// showed when it was made.

#include "attendance/EditingTarget.h"

namespace fennick {

class App;
class MainScreen;

class ScreenTarget : public EditingTarget {
public:
    ScreenTarget(App& app, MainScreen& screen);

    MainScreen& screen() const { return screen_; }

    qint32 recordNumber() const override { return record_; }
    QString name() const override;
    QString visits() const override;
    void setVisits(const QString& visits) override;
    int interview() const override;
    void setInterview(int value) override;
    QString attendance() const override;
    void setAttendance(const QString& attendance) override;
    QString attend() const override;
    void setAttend(const QString& count) override;
    int last() const override;
    void setLast(int night) override;
    bool leftBy(const RecordScreen& screen, qint32 shown) const override;

private:
    App& app_;
    MainScreen& screen_;
    QString dataFile_;  // the crusade open when the target was made
    qint32 record_ = 0;
};

}  // namespace fennick

#pragma once
// An editing target held in memory, for the rules of the appointment dialog and the
// attendance editor without any screen; and the appointment tables the settings file
// would fill.

#include "FakePlatform.h"
#include "attendance/EditingTarget.h"
#include "data/InfoFile.h"

namespace fennick::test {

struct FakeTarget : EditingTarget {
    qint32 record = 7;
    QString Name = QStringLiteral("Ann Lee");
    QString Visits;
    int Class = 0;
    QString Attendance;
    QString Attend;
    int Last = 0;

    qint32 recordNumber() const override { return record; }
    QString name() const override { return Name; }
    QString visits() const override { return Visits; }
    void setVisits(const QString& v) override { Visits = v; }
    int interview() const override { return Class; }
    void setInterview(int v) override { Class = v; }
    QString attendance() const override { return Attendance; }
    void setAttendance(const QString& a) override { Attendance = a; }
    QString attend() const override { return Attend; }
    void setAttend(const QString& a) override { Attend = a; }
    int last() const override { return Last; }
    void setLast(int n) override { Last = n; }
    bool leftBy(const RecordScreen&, qint32 shown) const override { return shown != record; }
};

// WeekDays and MeetingTimes as every crusade's settings hold them.
inline void FillAppointmentTables(CrusadeSettings& s) {
    TestApp fresh;
    ResetCrusadeSettings(fresh.app);
    s.WeekDays = fresh.app.settings.WeekDays;
    s.MeetingTimes = fresh.app.settings.MeetingTimes;
}

}  // namespace fennick::test

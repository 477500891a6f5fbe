#pragma once
// What the appointment dialog and the attendance editor work on: the record shown on the
// screen that opened them (the main window or the attendance screen). The opener hands
// them this object; they read and write the record's visits, interview box and attendance
// through it and never reach another screen's boxes. Nothing here writes the data file:
// the screen saves the record by its own rules.

#include <QString>

namespace fennick {

class RecordScreen;

class EditingTarget {
public:
    virtual ~EditingTarget() = default;

    // The record in the data file, 0 for a new name not written yet.
    virtual qint32 recordNumber() const = 0;
    // First and last name as the screen shows them.
    virtual QString name() const = 0;

    // The visit and appointment codes (Visits) and the interview box (Class, 0 or 1).
    virtual QString visits() const = 0;
    virtual void setVisits(const QString& visits) = 0;
    virtual int interview() const = 0;
    virtual void setInterview(int value) = 0;

    // The attendance string, the count of nights attended and the last night attended.
    virtual QString attendance() const = 0;
    virtual void setAttendance(const QString& attendance) = 0;
    virtual QString attend() const = 0;
    virtual void setAttend(const QString& count) = 0;
    virtual int last() const = 0;
    virtual void setLast(int night) = 0;

    // Showing record `shown` (0: a new name) on `screen` takes the target's screen off the
    // record it was made for.
    virtual bool leftBy(const RecordScreen& screen, qint32 shown) const = 0;
};

}  // namespace fennick

#pragma once
// Today's date and time.

#include <QDateTime>

namespace fennick {

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// Dates in the program's short form (month/day/four-digit year, as "3/9/2026") and its
// general date-and-time form ("3/9/2026 4:05:09 PM").
QString ShortDate(const QDate& d);
QString GeneralDate(const QDateTime& t);
// Month/day/two-digit year with two-digit parts ("03/09/26"), as date boxes show dates.
QString DateMMDDYY(const QDate& d);

}  // namespace fennick

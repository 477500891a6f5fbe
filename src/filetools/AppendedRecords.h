#pragma once
// What the commands that add records from elsewhere (text import, crusade merge) share:
// the registration numbers already held, a free number drawn from the reserved ones, and
// a record appended to the data file with its alphabetical entry in the current view.

#include "data/AttendeeRecord.h"

#include <QByteArray>
#include <QSet>

namespace fennick {

class App;

// The registration numbers of every live record of the data file, upper-cased, whatever
// the current view shows.
QSet<QByteArray> LiveNumbers(App& app);

// The next reserved number that is not in taken, drawing again past the numbers held.
// ReservedNumber is stepped in memory only: the command writes the settings file once
// after it has drawn its numbers (SaveDrawnNumbers). Empty when the numbers are used up
// (the user has been told).
QByteArray FreeRegNumber(App& app, const QSet<QByteArray>& taken);

// Writes the settings file when ReservedNumber is no longer before; throws VbError when
// it cannot be written.
void SaveDrawnNumbers(App& app, qint16 before);

// Writes rec as the new last record of the data file and appends its entry (number, the
// first five letters of the last name and two of the first name in capitals, record
// number) after the view's last entry. Throws VbError when the record cannot be written;
// the view is then unchanged.
void AppendWithEntry(App& app, const AttendeeRecord& rec);

}  // namespace fennick

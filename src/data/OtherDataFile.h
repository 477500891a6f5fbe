#pragma once
// Another crusade's data file read whole, for the commands that take records from it
// (attendance merge, crusade merge, comparison with a backup). The file is opened for
// reading only and never written.

#include "data/AttendeeRecord.h"

#include <QList>
#include <QString>

namespace fennick {

struct OtherDataFile {
    QList<AttendeeRecord> records;
    // Why the file is not used, naming it; empty when it was read.
    QString refusal;
    bool ok() const { return refusal.isEmpty(); }
};

// Reads every record of path. It is refused when it cannot be read, when its length is
// not a whole number of records, or when its records do not read as records of the
// current layout (a file of an older version, whose records would come out as garbage).
// An empty file gives no records.
OtherDataFile ReadOtherDataFile(const QString& path);

}  // namespace fennick

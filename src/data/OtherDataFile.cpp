#include "data/OtherDataFile.h"

#include "data/Conversion.h"
#include "data/Errors.h"
#include "data/Messages.h"
#include "data/RecordFile.h"

namespace fennick {

OtherDataFile ReadOtherDataFile(const QString& path) {
    OtherDataFile out;
    QByteArray bytes;
    try {
        RecordFile file;
        file.openReadOnly(path, AttendeeRecord::Size);
        if (file.byteSize() % AttendeeRecord::Size != 0) {
            out.refusal = path + NewLine +
                          QStringLiteral(
                              "is not a crusade data file: its length is not a whole number of records of "
                              "%1 bytes.")
                              .arg(AttendeeRecord::Size);
            return out;
        }
        bytes = file.readAll();
    } catch (const VbError& e) {
        out.refusal = path + NewLine + QStringLiteral("could not be read: ") + e.description();
        return out;
    }
    if (!HoldsCurrentRecords(bytes)) {
        out.refusal = path + NewLine +
                      QStringLiteral(
                          "is not a crusade data file of this version: its records do not read as "
                          "records of the current layout.");
        return out;
    }
    const qsizetype count = bytes.size() / AttendeeRecord::Size;
    out.records.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        out.records.append(AttendeeRecord::decode(bytes.constData() + i * AttendeeRecord::Size));
    return out;
}

}  // namespace fennick

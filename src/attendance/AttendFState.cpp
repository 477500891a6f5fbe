#include "attendance/AttendFState.h"

#include "data/AttendeeRecord.h"
#include "data/Text.h"

namespace fennick {

bool AttendFState::isVariable(const QString& name) {
    return name == QLatin1String("Attend") || name == QLatin1String("Decisions") || name == QLatin1String("Last");
}

QString AttendFState::variable(const QString& name) const {
    if (name == QLatin1String("Attend")) return Attend;
    if (name == QLatin1String("Decisions")) return Decisions;
    if (name == QLatin1String("Last")) return Plain(Last);
    return QString();
}

void AttendFState::setVariable(const QString& name, const QString& text) {
    if (name == QLatin1String("Attend")) {
        Attend = text;
    } else if (name == QLatin1String("Decisions")) {
        Decisions = text;
    } else if (name == QLatin1String("Last")) {
        // A night of the string, 0 for none; the recount never gives anything else.
        Last = ClampInt16(Val(text), 0, kMeetings);
    }
}

}  // namespace fennick

#include "platform/Clock.h"

namespace fennick {

QString ShortDate(const QDate& d) { return d.toString(QStringLiteral("M/d/yyyy")); }

QString GeneralDate(const QDateTime& t) { return t.toString(QStringLiteral("M/d/yyyy h:mm:ss AP")); }

QString DateMMDDYY(const QDate& d) { return d.toString(QStringLiteral("MM/dd/yy")); }

}  // namespace fennick

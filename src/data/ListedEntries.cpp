#include "data/ListedEntries.h"

#include "data/Messages.h"

#include <algorithm>

namespace fennick {

QString ListedEntries(const QStringList& entries, qsizetype listed) {
    QString text;
    const qsizetype shown = std::min(entries.size(), listed);
    for (qsizetype i = 0; i < shown; ++i) text += NewLine + entries[i];
    if (entries.size() > shown) text += NewLine + QStringLiteral("and %1 more.").arg(entries.size() - shown);
    return text;
}

}  // namespace fennick

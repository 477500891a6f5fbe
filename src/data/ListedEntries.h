#pragma once
// The one way a message lists records or lines: the first entries, one a line, and a count
// of the rest, so that a list of thousands still gives a box that fits on the screen.

#include <QStringList>

namespace fennick {

// The entries a list shows one by one.
inline constexpr qsizetype kListedEntries = 10;

// The first listed entries, each after a line break, then "and M more." on a line of its
// own when there are more; empty for no entries.
QString ListedEntries(const QStringList& entries, qsizetype listed = kListedEntries);

}  // namespace fennick

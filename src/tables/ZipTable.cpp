#include "tables/ZipTable.h"

#include "data/Crusade.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "mainwindow/FieldRules.h"
#include "views/Indexes.h"

#include <algorithm>
#include <vector>

namespace fennick {

int ZipEntriesUsed(const Crusade& c) {
    return std::clamp<int>(c.ZipCount, 0, int(c.ZipTable.size()) - 1);
}

QByteArray ZipEntryZip(const QByteArray& entry) {
    return Left(entry, 10);
}

int ZipEntryCount(const QByteArray& entry) {
    return int(Val(Right(entry, 4)));
}

QByteArray ZipEntryFromBoxes(const QString& zip, const QString& state, const QString& team, const QString& city,
                             bool canadianZip, const QByteArray& countPart) {
    return ZipLookupKey(zip, canadianZip) + Fixed(Ansi(state), 2) + Fixed(Ansi(team), 2) + Fixed(Ansi(city), 15) +
           PadLeft(countPart, 4);
}

QByteArray ZipCountPart(const QByteArray& entry) {
    return PadLeft(Right(entry, 4), 4);
}

void SortZipStrings(Crusade& c, int start, int len, bool ascending) {
    const int n = ZipEntriesUsed(c);
    if (n < 2) return;
    QByteArray* e = c.ZipTable.data();
    // The compared texts travel with their entries.
    std::vector<QByteArray> key(size_t(n) + 1);
    for (int i = 1; i <= n; ++i) key[size_t(i)] = Mid(e[i], start, len);
    const int sign = ascending ? 1 : -1;
    int gap = n;
    bool swapped = false;
    do {
        gap = NextCombGap(gap);
        swapped = false;
        for (int i = 1; i <= n - gap; ++i) {
            if (sign * CompareBytes(key[size_t(i)], key[size_t(i + gap)]) > 0) {
                e[i].swap(e[i + gap]);
                key[size_t(i)].swap(key[size_t(i + gap)]);
                swapped = true;
            }
        }
    } while (gap > 1 || swapped);
}

int FindZipText(const Crusade& c, const QByteArray& text, int from) {
    if (text.isEmpty()) return 0;
    const int n = ZipEntriesUsed(c);
    for (int i = std::max(from, 1); i <= n; ++i)
        if (InStrNoCase(c.ZipTable[i], text) > 0) return i;
    return 0;
}

}  // namespace fennick

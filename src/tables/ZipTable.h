#pragma once
// The zip-code table in memory (Crusade::ZipTable, entries 1..ZipCount): its fields read
// by position, the one way an entry is written from typed boxes, the sorts, the search and
// the entry search.
//
// An entry is 33 characters: zip key 1-10, state 11-12, team code 13-14, city 15-29 and
// the address count right-aligned in 30-33. Entry 0 is no zip code and nothing here reads
// it; the rebuild of the table sets it to "0".

#include <QByteArray>
#include <QString>

#include <array>

namespace fennick {

class App;
struct Crusade;

inline constexpr int kZipEntryLength = 33;

// The entries in use, 1..n: ZipCount held to the table's slots (0 when below 1).
int ZipEntriesUsed(const Crusade& c);

// Fields by position. Zip: the first 10 characters. Count: the numeric value of the last
// four characters.
QByteArray ZipEntryZip(const QByteArray& entry);
int ZipEntryCount(const QByteArray& entry);

// An entry from the texts of the editor's boxes: the zip as its table key (cut or padded
// to 10; with Canadian codes its first three characters and seven blanks), state and team
// padded or cut to 2, the city to 15, then the count part as given (four characters).
QByteArray ZipEntryFromBoxes(const QString& zip, const QString& state, const QString& team, const QString& city,
                             bool canadianZip, const QByteArray& countPart);
// The last four characters of an entry, right-aligned in four: what a rewritten entry keeps.
QByteArray ZipCountPart(const QByteArray& entry);

// The three orders of the editor: by zip (the first five characters), by city (city and
// count) and by count (largest first).
struct ZipSortOption {
    int start;  // 1-based position of the compared text
    int len;    // its length (shorter at the end of an entry)
    bool ascending;
};
inline constexpr std::array<ZipSortOption, 3> kZipSortOptions{{{1, 5, true}, {15, 30, true}, {30, 34, false}}};

// Comb sort of entries 1..ZipCount on the len characters from position start, compared by
// byte code; equal texts may change places.
void SortZipStrings(Crusade& c, int start, int len, bool ascending);

// Index of the first entry from index `from` on (1..ZipCount) that holds text anywhere,
// case ignored; 0 when none does or the text is empty.
int FindZipText(const Crusade& c, const QByteArray& text, int from);

}  // namespace fennick

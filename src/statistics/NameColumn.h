#pragma once
// The team names of a report's name column. Each is printed as the printer prints free text
// in a column (condensed down to the legible width, then cut), but a cut name ends in "…",
// so it never reads as a shorter name, and names that would still come out alike keep the
// end that tells them apart ("Springfield…Team 1", "Springfield…Team 2"): two different
// names of one column never print as the same text.

#include "platform/Printer.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace fennick {

struct FittedName {
    int stretch = 100;  // percent of the font's normal width
    QString text;
};

// names as they fit in room (centimetres, or millimetres on a window: the printer's unit)
// in the printer's current font.
QList<FittedName> FitNameColumn(const Printer& out, const QStringList& names, double room);

// Prints name at CurrentX in its stretch and stays on the line; the font is left as it was.
void PrintFittedName(Printer& out, const FittedName& name);

}  // namespace fennick

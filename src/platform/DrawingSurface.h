#pragma once
// A window's drawing area as a page model: positions in millimetres from its top-left
// corner, with the printer's print-position rules (a text printed at CurrentX/CurrentY
// either ends the line or stays on it, lines, text width and line height from the font).
// It never pages and cuts no text: a long drawing runs on downwards and to the right, and
// the window scrolls to show it.
// What is drawn stays in a display list that the window replays whenever it paints;
// clear() empties it for the next drawing. The font is the window's: drawings set none.
//
// RecordingSurface measures with the printer's fixed table (display-free, for tests); the
// windows measure with the real font at the screen's resolution.

#include "platform/Printer.h"

#include <limits>

namespace fennick {

class DrawingSurface : public Printer {
public:
    // Empties the display list and puts the position back at the top-left corner; the
    // font and drawing width stay.
    void clear() { killDoc(); }
    // Everything drawn since the last clear(), in order.
    const QList<PrintedItem>& displayList() const { return document().items; }

protected:
    double pageHeight() const override { return std::numeric_limits<double>::infinity(); }
    double printableRight() const override { return std::numeric_limits<double>::infinity(); }
    // A surface is never ended: nothing is delivered anywhere.
    void deliver(const PrintedDocument&) override {}
};

class RecordingSurface : public DrawingSurface {
public:
    double textWidth(const QString& text) const override { return 10.0 * TableTextWidth(text, font()); }
    double textHeight(const QString& = QStringLiteral("X")) const override { return 10.0 * TableLineHeight(font()); }
};

}  // namespace fennick

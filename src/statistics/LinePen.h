#pragma once

#include "platform/Printer.h"

#include <QString>

namespace fennick {

// The print position's moves as the statistics layouts read them: to a column, text that
// stays on the line, text that ends it. `out` is the page or the window's drawing.
struct LinePen {
    Printer& out;
    void at(double x) { out.setCurrentX(x); }
    void on(const QString& text) { out.printOnLine(text); }
    void end(const QString& text = QString()) { out.print(text); }
    // A number or caption at x that stays on the line and ends before the next column at
    // right: drawn condensed when it would reach it.
    void cell(double x, double right, const QString& text) {
        at(x);
        out.printOnLine(text, right, Printer::Fit::Whole);
    }
};

}  // namespace fennick

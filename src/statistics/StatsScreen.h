#pragma once
// The statistics window as the display-free statistics procedures see it: a window with
// a millimetre drawing surface that shows one report at a time, the crusade statistics or
// the visitation report, and a button that switches to the other.

#include "platform/Printer.h"

#include <QString>

namespace fennick {

// The window's own font, in which the reports' columns stand clear of each other.
inline const PrinterFont kStatsWindowFont{QStringLiteral("Arial"), 7.5};

class StatsScreen {
public:
    enum class Report { Statistics, Visitation };

    virtual ~StatsScreen() = default;

    // True while the window shows (or is to show) the crusade statistics, false for the
    // visitation report; false when the window is made.
    bool ShowingStats = false;
    // Statistics runs under way: the window's activation starts none meanwhile.
    int runs = 0;

    // Shows the window without modality and empties its surface for a drawing of the
    // report; the window's caption and its switch button follow the report, and
    // ShowingStats names it. Returns the surface to draw on.
    virtual Printer& beginReport(Report report) = 0;
    // The drawing is complete: the window shows it.
    virtual void endReport() = 0;
};

// Marks a statistics run on the window for as long as it lasts (none when window is null).
class RunOnWindow {
public:
    explicit RunOnWindow(StatsScreen* w) : w_(w) {
        if (w_) ++w_->runs;
    }
    ~RunOnWindow() {
        if (w_) --w_->runs;
    }
    RunOnWindow(const RunOnWindow&) = delete;
    RunOnWindow& operator=(const RunOnWindow&) = delete;

private:
    StatsScreen* w_;
};

}  // namespace fennick

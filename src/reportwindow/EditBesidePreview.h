#pragma once
// Where the report window and the main window stand while the main window edits a name
// opened from a line of the report window: both show their working parts, the report
// window its title row with Close and the names of its page, the main window its record.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace fennick {

// Window frames (title bar and borders included) on the screen.
struct BesidePreview {
    QPoint preview;  // the report window's top left corner
    QRect main;      // the main window
};

// The report window goes to the top left corner of the screen's room; the main window
// takes the room right of and below `keep` (the bottom right corner of the part of the
// report window that is to stay in sight, from its top left corner), no larger than its
// own size and no smaller than its least. A main window that does not fit there is moved
// back into the room, as far right and down as it goes.
BesidePreview PlaceBesidePreview(const QRect& room, const QPoint& keep, const QSize& mainFrame,
                                 const QSize& mainLeast);

}  // namespace fennick

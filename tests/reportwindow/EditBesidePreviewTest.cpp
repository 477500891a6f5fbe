// The places of the report window and the main window while a name opened from the
// preview is edited: the report window's title row and names stay in sight, the main
// window keeps within the screen and never below its least size.

#include "reportwindow/EditBesidePreview.h"

#include <gtest/gtest.h>

namespace fennick {
namespace {

struct PlaceCase {
    const char* name;
    QRect room;
    QSize own, least;
    QRect main;  // expected
};

TEST(PlaceBesidePreview, KeepsTheTitleRowAndTheNamesInSight) {
    // The report window's Close row ends 60 pixels down, its names 240 pixels right.
    const QPoint keep(240, 60);
    const PlaceCase cases[] = {
        {"1366 x 768 with a panel: the main window shrinks into the room", QRect(0, 0, 1366, 738), {1290, 750},
         {1075, 570}, QRect(240, 60, 1126, 678)},
        {"a large screen: the main window keeps its own size", QRect(0, 0, 1920, 1050), {1290, 750}, {1075, 570},
         QRect(240, 60, 1290, 750)},
        {"a least too wide for the room: moved back over the names", QRect(0, 0, 1366, 738), {1290, 750},
         {1200, 570}, QRect(166, 60, 1200, 678)},
        {"a least too high for the room: moved back over the title row", QRect(0, 0, 1366, 738), {1290, 750},
         {1075, 700}, QRect(240, 38, 1126, 700)},
        {"a second screen right of the first, below a panel", QRect(1366, 40, 1920, 1040), {1290, 750}, {1075, 570},
         QRect(1606, 100, 1290, 750)},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.name);
        const BesidePreview p = PlaceBesidePreview(c.room, keep, c.own, c.least);
        EXPECT_EQ(p.preview, c.room.topLeft());
        EXPECT_EQ(p.main, c.main);
        EXPECT_TRUE(c.room.contains(p.main));
    }
}

}  // namespace
}  // namespace fennick

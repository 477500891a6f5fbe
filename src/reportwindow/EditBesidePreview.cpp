#include "reportwindow/EditBesidePreview.h"

#include <algorithm>

namespace fennick {

BesidePreview PlaceBesidePreview(const QRect& room, const QPoint& keep, const QSize& mainFrame,
                                 const QSize& mainLeast) {
    const QPoint free = room.topLeft() + keep;
    const QSize size = mainFrame.boundedTo(QSize(room.right() + 1 - free.x(), room.bottom() + 1 - free.y()))
                           .expandedTo(mainLeast);
    const int x = std::max(room.left(), std::min(free.x(), room.right() + 1 - size.width()));
    const int y = std::max(room.top(), std::min(free.y(), room.bottom() + 1 - size.height()));
    return {room.topLeft(), QRect(QPoint(x, y), size)};
}

}  // namespace fennick

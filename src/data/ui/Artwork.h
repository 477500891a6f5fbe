#pragma once
// The program's own artwork, painted in code so it needs no image plugins: the emblem
// (a register card with a row of attendance marks and a check) and the window icon.

#include <QIcon>
#include <QRectF>

class QPainter;

namespace fennick {

// Paints the emblem into rect (square).
void PaintEmblem(QPainter& p, const QRectF& rect);
// The window icon, at the usual sizes.
QIcon AppIcon();

}  // namespace fennick

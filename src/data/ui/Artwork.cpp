#include "data/ui/Artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace fennick {

void PaintEmblem(QPainter& p, const QRectF& rect) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(rect.topLeft());
    const double s = rect.width() / 64.0;  // drawn on a 64-unit grid
    p.scale(s, s);
    p.setPen(Qt::NoPen);

    p.setBrush(QColor(0x2f, 0x5d, 0x8a));
    p.drawRoundedRect(QRectF(4, 8, 56, 48), 6, 6);
    p.setBrush(QColor(0xfd, 0xfa, 0xf2));
    p.drawRoundedRect(QRectF(9, 13, 46, 38), 3, 3);
    p.setBrush(QColor(0x2f, 0x5d, 0x8a));
    p.drawRoundedRect(QRectF(14, 18, 24, 4), 2, 2);
    p.setBrush(QColor(0x9a, 0xa9, 0xb8));
    p.drawRoundedRect(QRectF(14, 26, 18, 3), 1.5, 1.5);

    p.setBrush(QColor(0xe8, 0xa3, 0x3d));
    for (double x : {17.0, 26.0, 35.0}) p.drawEllipse(QPointF(x, 40), 3, 3);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x9a, 0xa9, 0xb8), 1.5));
    p.drawEllipse(QPointF(44, 40), 3, 3);

    QPainterPath check;
    check.moveTo(40, 24);
    check.lineTo(44, 28);
    check.lineTo(52, 19);
    p.setPen(QPen(QColor(0x3a, 0x9a, 0x5b), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(check);
    p.restore();
}

QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        PaintEmblem(p, QRectF(0, 0, size, size));
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

}  // namespace fennick

#include "mainwindow/ui/ToolbarIcons.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace fennick {

namespace {

// Every picture is drawn on a 24-unit grid.
using Drawing = std::function<void(QPainter&)>;

const QColor kInk(0x2f, 0x4a, 0x6b);
const QColor kBlue(0x3a, 0x78, 0xc2);
const QColor kGreen(0x3a, 0x9a, 0x5b);
const QColor kRed(0xc8, 0x3c, 0x32);
const QColor kAmber(0xe8, 0xa3, 0x3d);
const QColor kPaper(0xfd, 0xfa, 0xf2);

QPen Stroke(const QColor& c, double w = 2.0) {
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Person(QPainter& p, double x, double y, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(x, y), 3.5, 3.5);
    QPainterPath body;
    body.moveTo(x - 6.5, y + 12);
    body.cubicTo(x - 6.5, y + 5, x + 6.5, y + 5, x + 6.5, y + 12);
    body.closeSubpath();
    p.drawPath(body);
}

void Page(QPainter& p) {
    p.setPen(Stroke(kInk, 1.5));
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(4, 2.5, 14, 19), 1.5, 1.5);
    for (double y : {7.0, 10.5, 14.0}) p.drawLine(QPointF(7, y), QPointF(15, y));
}

void Arrow(QPainter& p, const QColor& c, bool back) {
    QPainterPath arc;
    arc.moveTo(back ? 18 : 6, 17);
    arc.cubicTo(back ? 20 : 4, 8, back ? 10 : 14, 4, back ? 5 : 19, 9);
    p.setPen(Stroke(c, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    const QPointF tip(back ? 5 : 19, 9);
    const double dir = back ? 1 : -1;
    p.drawLine(tip, tip + QPointF(dir * 1.5, -5));
    p.drawLine(tip, tip + QPointF(dir * 5.5, 1.5));
}

const QHash<QString, Drawing>& Drawings() {
    static const QHash<QString, Drawing> drawings = {
        {QStringLiteral("btnGlobal"),
         [](QPainter& p) {
             p.setPen(Stroke(kInk, 2));
             p.setBrush(QColor(0xdd, 0xea, 0xf7));
             p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
             p.setPen(Stroke(kInk, 3.5));
             p.drawLine(QPointF(15, 15), QPointF(21, 21));
         }},
        {QStringLiteral("btnAddName"),
         [](QPainter& p) {
             Person(p, 9, 6, kBlue);
             p.setPen(Stroke(kGreen, 2.5));
             p.drawLine(QPointF(19, 11), QPointF(19, 19));
             p.drawLine(QPointF(15, 15), QPointF(23, 15));
         }},
        {QStringLiteral("btnSDA"),
         [](QPainter& p) {
             p.setPen(Stroke(kInk, 1.5));
             p.setBrush(kPaper);
             QPainterPath church;
             church.moveTo(4, 21);
             church.lineTo(4, 12);
             church.lineTo(12, 6);
             church.lineTo(20, 12);
             church.lineTo(20, 21);
             church.closeSubpath();
             p.drawPath(church);
             p.setBrush(kAmber);
             p.drawRect(QRectF(10, 15, 4, 6));
             p.drawLine(QPointF(12, 1), QPointF(12, 6));
             p.drawLine(QPointF(10, 3), QPointF(14, 3));
         }},
        {QStringLiteral("btnDelete"),
         [](QPainter& p) {
             Person(p, 9, 6, kInk);
             p.setPen(Stroke(kRed, 2.5));
             p.drawLine(QPointF(15, 12), QPointF(22, 19));
             p.drawLine(QPointF(22, 12), QPointF(15, 19));
         }},
        {QStringLiteral("btnUndelete"),
         [](QPainter& p) {
             Person(p, 9, 6, kInk);
             p.setPen(Stroke(kGreen, 2.5));
             p.drawLine(QPointF(14.5, 16), QPointF(17.5, 19));
             p.drawLine(QPointF(17.5, 19), QPointF(23, 12));
         }},
        {QStringLiteral("btnMark"),
         [](QPainter& p) {
             p.setPen(Stroke(kInk, 2));
             p.drawLine(QPointF(6, 3), QPointF(6, 22));
             p.setPen(Qt::NoPen);
             p.setBrush(kRed);
             p.drawPolygon(QPolygonF({QPointF(7, 3.5), QPointF(19, 7.5), QPointF(7, 12)}));
         }},
        {QStringLiteral("btnGoTo"),
         [](QPainter& p) {
             p.setPen(Stroke(kInk, 2));
             p.drawLine(QPointF(15, 3), QPointF(15, 22));
             p.setPen(Qt::NoPen);
             p.setBrush(kRed);
             p.drawPolygon(QPolygonF({QPointF(16, 3.5), QPointF(23, 6.5), QPointF(16, 10)}));
             p.setPen(Stroke(kBlue, 2.5));
             p.drawLine(QPointF(2, 16), QPointF(11, 16));
             p.drawLine(QPointF(11, 16), QPointF(7.5, 12.5));
             p.drawLine(QPointF(11, 16), QPointF(7.5, 19.5));
         }},
        {QStringLiteral("btnUndo"), [](QPainter& p) { Arrow(p, kBlue, true); }},
        {QStringLiteral("btnAttend"),
         [](QPainter& p) {
             p.setPen(Stroke(kInk, 1.5));
             p.setBrush(kPaper);
             p.drawRoundedRect(QRectF(3, 4.5, 18, 17), 2, 2);
             p.setBrush(kRed);
             p.drawRect(QRectF(3, 4.5, 18, 4));
             p.setPen(Stroke(kGreen, 2.5));
             p.drawLine(QPointF(7.5, 15), QPointF(10.5, 18));
             p.drawLine(QPointF(10.5, 18), QPointF(17, 11));
         }},
        {QStringLiteral("btnViewFile"),
         [](QPainter& p) {
             Page(p);
             p.setPen(Stroke(kBlue, 2));
             p.setBrush(QColor(0xdd, 0xea, 0xf7));
             p.drawEllipse(QPointF(16, 15), 4, 4);
             p.setPen(Stroke(kBlue, 3));
             p.drawLine(QPointF(19, 18), QPointF(22, 21));
         }},
        {QStringLiteral("btnExcel"),
         [](QPainter& p) {
             p.setPen(Qt::NoPen);
             const QColor colours[] = {kBlue, kGreen, kAmber, kRed};
             const double heights[] = {8, 14, 11, 17};
             for (int i = 0; i < 4; ++i) {
                 p.setBrush(colours[i]);
                 p.drawRect(QRectF(3 + i * 5, 21 - heights[i], 3.8, heights[i]));
             }
             p.setPen(Stroke(kInk, 1.5));
             p.drawLine(QPointF(2, 21.5), QPointF(22, 21.5));
         }},
        {QStringLiteral("btnStats"),
         [](QPainter& p) {
             const QRectF pie(3, 3, 18, 18);
             p.setPen(Stroke(Qt::white, 1));
             p.setBrush(kBlue);
             p.drawPie(pie, 90 * 16, 160 * 16);
             p.setBrush(kGreen);
             p.drawPie(pie, 250 * 16, 130 * 16);
             p.setBrush(kAmber);
             p.drawPie(pie, 20 * 16, 70 * 16);
         }},
        {QStringLiteral("btnPrayer"),
         [](QPainter& p) {
             QPainterPath heart;
             heart.moveTo(12, 20.5);
             heart.cubicTo(2, 13, 3, 4, 9, 5);
             heart.cubicTo(11, 5.3, 12, 7, 12, 8);
             heart.cubicTo(12, 7, 13, 5.3, 15, 5);
             heart.cubicTo(21, 4, 22, 13, 12, 20.5);
             p.setPen(Stroke(QColor(0x9c, 0x2b, 0x24), 1.2));
             p.setBrush(kRed);
             p.drawPath(heart);
         }},
    };
    return drawings;
}

}  // namespace

QIcon ToolbarIcon(const QString& button) {
    const auto it = Drawings().find(button);
    if (it == Drawings().end()) return QIcon();
    QIcon icon;
    for (int size : {24, 32, 48}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 24.0, size / 24.0);
        (*it)(p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

}  // namespace fennick

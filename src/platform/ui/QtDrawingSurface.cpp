#include "platform/ui/QtDrawingSurface.h"

#include "platform/ui/QtPrinter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace fennick {

namespace {
constexpr double kMmPerInch = 25.4;
// A drawing width of 1 is one dot of a 300 dpi printer to the page painter.
constexpr double kPainterWidthDpi = 300.0;
}  // namespace

double QtDrawingSurface::dotsPerMm() const {
    return widget_->logicalDpiX() / kMmPerInch;
}

double QtDrawingSurface::width(const QString& text, const PrinterFont& font) const {
    const QFontMetricsF fm(PrinterQFont(font), widget_);
    return fm.horizontalAdvance(text) / dotsPerMm() * StretchFactor(font);
}

double QtDrawingSurface::lineHeight(const PrinterFont& font) const {
    const QFontMetricsF fm(PrinterQFont(font), widget_);
    return fm.lineSpacing() / (widget_->logicalDpiY() / kMmPerInch);
}

double QtDrawingSurface::textWidth(const QString& text) const {
    return width(text, font());
}

double QtDrawingSurface::textHeight(const QString&) const {
    return lineHeight(font());
}

QSizeF QtDrawingSurface::extent() const {
    double right = 0;
    double bottom = 0;
    for (const PrintedItem& it : displayList()) {
        if (it.kind == PrintedItem::Kind::Line) {
            right = std::max({right, it.x, it.x2});
            bottom = std::max({bottom, it.y, it.y2});
        } else {
            right = std::max(right, it.x + width(it.text, it.font));
            bottom = std::max(bottom, it.y + lineHeight(it.font));
        }
    }
    return {right, bottom};
}

void QtDrawingSurface::paint(QPainter& painter) const {
    // The page painter works in centimetres; the fonts keep their size when one
    // centimetre is as many dots as the widget has.
    PrintedDocument doc;
    doc.pageCount = 1;
    doc.items.reserve(displayList().size());
    const double pixelsToPainterWidth = kPainterWidthDpi / widget_->logicalDpiX();
    for (PrintedItem it : displayList()) {
        it.page = 1;
        it.x /= 10;
        it.y /= 10;
        it.x2 /= 10;
        it.y2 /= 10;
        it.drawWidth = std::max(1, int(std::lround(it.drawWidth * pixelsToPainterWidth)));
        doc.items.append(it);
    }
    PaintPage(painter, doc, 1, dotsPerMm() * 10);
}

}  // namespace fennick

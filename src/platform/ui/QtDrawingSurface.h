#pragma once
// The drawing surface of a window: text measured with the real fonts at the resolution of
// the widget it is shown on, and the display list painted there through the one page
// painter (PaintPage).

#include "platform/DrawingSurface.h"

#include <QSizeF>

class QPainter;
class QWidget;

namespace fennick {

class QtDrawingSurface : public DrawingSurface {
public:
    // widget: where the drawing is shown; it measures the fonts.
    explicit QtDrawingSurface(const QWidget* widget) : widget_(widget) {}

    double textWidth(const QString& text) const override;
    double textHeight(const QString& text = QStringLiteral("X")) const override;

    // The room the display list takes from the top-left corner, in millimetres.
    QSizeF extent() const;
    // Paints the display list on the widget's painter. A line's drawing width counts in
    // pixels of the window.
    void paint(QPainter& painter) const;

private:
    double width(const QString& text, const PrinterFont& font) const;
    double lineHeight(const PrinterFont& font) const;
    double dotsPerMm() const;

    const QWidget* widget_;
};

}  // namespace fennick

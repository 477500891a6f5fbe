#pragma once

#include <QCheckBox>

namespace fennick {

// The longest decision title the program gives: a box never asks for room for a longer one.
constexpr char kLongestDecisionCaption[] = "Unite with Church";

// A check box whose caption is cut short with "…" to the room the layout gives it, however
// narrow the window, instead of being clipped; the whole caption shows as its tool tip when
// it is cut. It never asks for more room than a box holding `longest` would.
class ElidedCheckBox : public QCheckBox {
public:
    ElidedCheckBox(const QString& caption, const QString& longest, QWidget* parent = nullptr);

    // The caption as it is painted at the box's present width.
    QString shownText() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    QString longest_;
};

}  // namespace fennick

#pragma once

#include <QCheckBox>

namespace fennick {

// The longest decision title the program gives: a box never asks for room for a longer one.
constexpr char kLongestDecisionCaption[] = "Unite with Church";

// A check box that keeps the room of its whole caption, but never asks for more than a box
// holding `longest` would: a longer caption is cut short with "…" in its middle to that
// room instead of being clipped, so that its end, which tells titles alike apart ("…Part
// 2"), stays in view, and the whole caption shows as its tool tip.
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

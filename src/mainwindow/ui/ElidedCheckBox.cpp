#include "mainwindow/ui/ElidedCheckBox.h"

#include <QHelpEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QToolTip>

namespace fennick {

ElidedCheckBox::ElidedCheckBox(const QString& caption, const QString& longest, QWidget* parent)
    : QCheckBox(caption, parent), longest_(longest) {}

QString ElidedCheckBox::shownText() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect room = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, room.width());
}

QSize ElidedCheckBox::sizeHint() const {
    const QSize whole = QCheckBox::sizeHint();
    const QFontMetrics metrics = fontMetrics();
    if (longest_.isEmpty() || metrics.horizontalAdvance(text()) <= metrics.horizontalAdvance(longest_)) return whole;
    QCheckBox model(longest_);
    model.setFont(font());
    return {std::min(whole.width(), model.sizeHint().width()), whole.height()};
}

QSize ElidedCheckBox::minimumSizeHint() const {
    return {sizeHint().width(), QCheckBox::minimumSizeHint().height()};
}

void ElidedCheckBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text = shownText();
    painter.drawControl(QStyle::CE_CheckBox, option);
}

bool ElidedCheckBox::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (shownText() != text())
            QToolTip::showText(help->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QCheckBox::event(event);
}

}  // namespace fennick

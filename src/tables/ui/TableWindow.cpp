#include "tables/ui/TableWindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>
#include <QWindow>

namespace fennick {

TableWindow::TableWindow(App& app, QWidget* parent, const QString& objectName, const QStringList* names)
    : QWidget(parent, Qt::Window), app_(app), names_(names) {
    setObjectName(objectName);
    setAttribute(Qt::WA_DeleteOnClose);
    // The box may be gone by the time this window is activated again: whether the window
    // that last had the focus was a dialog is noted as the focus moves.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* w) {
        if (w && w != windowHandle()) fromDialog_ = w->modality() != Qt::NonModal;
    });
}

TableWindow::~TableWindow() {
    QObject::disconnect(qApp, nullptr, this, nullptr);
}

bool TableWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !running_ && isVisible()) {
        // Coming back from one of the program's own message boxes is no activation, nor
        // one that reaches the window after its closing hid it.
        if (!fromDialog_) activate();
    }
    return QWidget::event(event);
}

void TableWindow::addControl(QWidget* widget, const QString& name) {
    Q_ASSERT_X(!names_ || names_->contains(name), qPrintable(objectName()), qPrintable(name));
    widget->setObjectName(name);
    controls_.insert(name, widget);
}

QHBoxLayout* TableWindow::recordButtons() {
    auto* moves = new QHBoxLayout;
    const QPair<const char*, QStyle::StandardPixmap> arrows[] = {{"FirstRecordButton", QStyle::SP_MediaSkipBackward},
                                                                 {"PreviousRecord", QStyle::SP_MediaSeekBackward},
                                                                 {"NextRecord_Button", QStyle::SP_MediaSeekForward},
                                                                 {"LastRecordButton", QStyle::SP_MediaSkipForward}};
    const char* const tips[] = {"First", "Previous", "Next", "Last"};
    for (int i = 0; i < 4; ++i) {
        auto* b = add(new QToolButton(this), QLatin1String(arrows[i].first));
        b->setIcon(style()->standardIcon(arrows[i].second));
        b->setToolTip(QLatin1String(tips[i]));
        if (i == 2) {
            auto* counter = add(new QLineEdit(this), QStringLiteral("RCounter"));
            counter->setReadOnly(true);
            counter->setFocusPolicy(Qt::NoFocus);
            counter->setAlignment(Qt::AlignCenter);
            moves->addWidget(counter, 1);
        }
        moves->addWidget(b);
    }
    return moves;
}

void TableWindow::showText(const char* name, const QString& text) {
    auto* b = static_cast<QLineEdit*>(control(QLatin1String(name)));
    if (b->text() != text) b->setText(text);
}

}  // namespace fennick

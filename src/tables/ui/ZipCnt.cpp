#include "tables/ui/ZipCnt.h"

#include "data/App.h"
#include "data/CommandGuard.h"
#include "data/Errors.h"
#include "platform/CommandWindow.h"
#include "tables/TeamTotals.h"

#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QScrollArea>
#include <QVBoxLayout>

namespace fennick {

ZipCnt::ZipCnt(App& app, QWidget* parent) : QWidget(parent, Qt::Window), app_(app) {
    setObjectName(QStringLiteral("ZipCnt"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Workers"));
    // Shown by the program beside the editor, which keeps the focus; a click takes it.
    setAttribute(Qt::WA_ShowWithoutActivating);

    auto* inner = new QWidget;
    rows_ = new QVBoxLayout(inner);
    rows_->setSpacing(2);
    rows_->setContentsMargins(4, 4, 4, 4);
    rows_->addStretch(1);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(inner);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);

    row(0);
    refresh();
    // Room for about twenty rows; more scroll.
    const int rowHeight = box(QStringLiteral("TeamNameBox(0)"))->sizeHint().height() + rows_->spacing();
    resize(280, std::min(22 * rowHeight, 560));
}

QWidget* ZipCnt::row(int team) {
    if (QWidget* r = rowOf_.value(team)) return r;
    auto* r = new QWidget;
    auto* line = new QHBoxLayout(r);
    line->setContentsMargins(0, 0, 0, 0);
    auto* name = new QLineEdit(r);
    name->setObjectName(QStringLiteral("TeamNameBox(%1)").arg(team));
    auto* count = new QLineEdit(r);
    count->setObjectName(QStringLiteral("TeamCountBox(%1)").arg(team));
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setFamilies({QStringLiteral("Courier New"), fixed.family()});
    count->setFont(fixed);
    count->setAlignment(Qt::AlignRight);
    count->setFixedWidth(QFontMetrics(fixed).horizontalAdvance(QStringLiteral("00000")) + 12);
    for (QLineEdit* b : {name, count}) {
        b->setReadOnly(true);
        b->setFocusPolicy(Qt::NoFocus);
        boxes_.insert(b->objectName(), b);
    }
    line->addWidget(name, 1);
    line->addWidget(count);
    r->hide();
    rowOf_.insert(team, r);
    return r;
}

void ZipCnt::refresh() {
    const QList<TeamTotalRow> rows = TeamTotalRows(app_);
    for (QWidget* r : std::as_const(rowOf_)) {
        rows_->removeWidget(r);
        r->hide();
    }
    shown_.clear();
    int at = 0;
    for (const TeamTotalRow& t : rows) {
        QWidget* r = row(t.team);
        QLineEdit* name = box(QStringLiteral("TeamNameBox(%1)").arg(t.team));
        name->setText(t.name);
        // A name longer than its box shows from its start, the whole of it as the tool tip.
        name->setCursorPosition(0);
        name->setToolTip(t.name);
        box(QStringLiteral("TeamCountBox(%1)").arg(t.team))->setText(t.count);
        rows_->insertWidget(at++, r);
        r->show();
        shown_ << t.team;
    }
}

bool ZipCnt::event(QEvent* event) {
    // An activation that reaches the window after its closing hid it is none.
    if (event->type() == QEvent::WindowActivate && isVisible()) {
        const CommandWindow command(this);
        RunGuarded(app_, kSourceFennick95, [this] { refresh(); });
    }
    return QWidget::event(event);
}

}  // namespace fennick

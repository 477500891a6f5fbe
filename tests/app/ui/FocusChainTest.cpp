// Tab through every window, in each mode the walk reaches and on each page of its tabs:
// within a row of boxes the focus goes from left to right, so that what is typed lands in
// the box the user reads it in. The steps that go left within a row are listed.

#include "WindowWalk.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSet>
#include <QTabWidget>

using namespace fennick;
using namespace fennick::test;

namespace {

// A control Tab stops at as the window shows it now.
bool TabStop(const QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled();
}

bool IsBox(const QWidget* w) {
    if (const auto* line = qobject_cast<const QLineEdit*>(w)) return !line->isReadOnly();
    return qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w);
}

QString NameOf(const QWidget* w) {
    // The edit part of a combo box goes by the combo box's name.
    if (w->objectName().isEmpty() && w->parentWidget()) return w->parentWidget()->objectName();
    return w->objectName();
}

QRect OnScreen(const QWidget* w) {
    return {w->mapToGlobal(QPoint()), w->size()};
}

// The steps of the window's tab order from a box to a box left of it in the same row
// (their heights overlap by more than half).
QStringList StepsLeft(QWidget* window) {
    QList<QWidget*> chain;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if (w->window() == window && TabStop(w)) chain << w;
    QStringList out;
    for (qsizetype i = 0; i + 1 < chain.size(); ++i) {
        const QWidget* from = chain[i];
        const QWidget* to = chain[i + 1];
        if (!IsBox(from) || !IsBox(to)) continue;
        const QRect a = OnScreen(from), b = OnScreen(to);
        const int shared = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top());
        if (2 * shared > std::min(a.height(), b.height()) && b.right() < a.left())
            out << NameOf(from) + QStringLiteral(" -> ") + NameOf(to);
    }
    return out;
}

TEST_F(WindowWalk, TheFocusGoesLeftToRightAlongARowOfBoxes) {
    QStringList left;
    QSet<QString> walked;
    walk([&](const QString& stop, QWidget* window) {
        walked << stop;
        QList<QTabWidget*> tabs;
        for (QWidget* w : OwnWidgets(window))
            if (auto* t = qobject_cast<QTabWidget*>(w)) tabs << t;
        const auto list = [&](const QString& where) {
            for (const QString& step : StepsLeft(window)) left << where + QStringLiteral(": ") + step;
        };
        if (tabs.isEmpty()) list(stop);
        for (QTabWidget* t : tabs) {
            const int shown = t->currentIndex();
            for (int page = 0; page < t->count(); ++page) {
                t->setCurrentIndex(page);
                list(stop + QStringLiteral(", ") + t->tabText(page));
            }
            t->setCurrentIndex(shown);
        }
    });
    EXPECT_TRUE(walked.contains(QStringLiteral("Members")));
    EXPECT_EQ(left.join(u'\n').toStdString(), "");
}

}  // namespace

#include "app/ui/PasteRules.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>

namespace fennick {

PasteRules::PasteRules(QObject* parent) : QValidator(parent) {
    qApp->installEventFilter(this);
}

PasteRules::~PasteRules() {
    qApp->removeEventFilter(this);
}

QValidator::State PasteRules::validate(QString& input, int& pos) const {
    // A line break of two characters becomes one blank; the caret keeps its place in the text.
    for (qsizetype i = input.indexOf(u'\r'); i >= 0; i = input.indexOf(u'\r', i)) {
        if (i + 1 < input.size() && input.at(i + 1) == u'\n') {
            input.remove(i, 1);
            if (pos > i) --pos;
        } else {
            input[i] = u' ';
        }
    }
    input.replace(u'\n', u' ');
    return Acceptable;
}

bool PasteRules::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Polish) {
        if (auto* box = qobject_cast<QLineEdit*>(watched); box && !box->validator()) box->setValidator(this);
    }
    return false;
}

}  // namespace fennick

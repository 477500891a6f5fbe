#include "FakeScreen.h"

#include <gtest/gtest.h>

namespace fennick::test {

const FakeScreen::Control& FakeScreen::get(const QString& c) const {
    static const Control empty;
    if (missing_.contains(c)) ADD_FAILURE() << "The screen has no control " << c.toStdString();
    auto it = controls_.find(c);
    return it == controls_.end() ? empty : *it;
}

FakeScreen::Control& FakeScreen::slot(const QString& c) {
    if (missing_.contains(c)) ADD_FAILURE() << "The screen has no control " << c.toStdString();
    return controls_[c];
}

QStringList FakeScreen::highlighted() const {
    QStringList out;
    for (auto it = controls_.begin(); it != controls_.end(); ++it)
        if (it->back == kHighlightColour) out << it.key();
    out.sort();
    return out;
}

}  // namespace fennick::test

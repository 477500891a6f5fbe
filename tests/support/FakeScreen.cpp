#include "FakeScreen.h"

#include "attendance/AttendFControls.h"
#include "mainwindow/EditFormControls.h"

#include <gtest/gtest.h>

namespace fennick::test {

namespace {

const QStringList* NamesOf(const QString& form) {
    if (form == QLatin1String("EditForm")) return &EditFormControlNames();
    if (form == QLatin1String("AttendF")) return &AttendFControlNames();
    return nullptr;
}

}  // namespace

FakeScreen::FakeScreen(QString formName, const QSet<QString>& missing)
    : form_(std::move(formName)), caseless_(form_ == QLatin1String("AttendF")) {
    const QStringList* names = NamesOf(form_);
    if (!names) {
        ADD_FAILURE() << "No control names for the screen " << form_.toStdString();
        return;
    }
    for (const QString& n : *names)
        if (!missing.contains(n)) names_.insert(key(n), n);
}

bool FakeScreen::has(const QString& c) const {
    if (names_.contains(key(c))) return true;
    for (const char* other : {"EditForm", "AttendF"})
        for (const QString& n : *NamesOf(QLatin1String(other)))
            if (n.compare(c, Qt::CaseInsensitive) == 0) return false;
    ADD_FAILURE() << "No record screen has a control " << c.toStdString();
    return false;
}

QString FakeScreen::known(const QString& c) const {
    const QString name = names_.value(key(c));
    if (name.isEmpty()) ADD_FAILURE() << "The screen " << form_.toStdString() << " has no control " << c.toStdString();
    return name;
}

const FakeScreen::Control& FakeScreen::get(const QString& c) const {
    static const Control empty;
    auto it = controls_.find(known(c));
    return it == controls_.end() ? empty : *it;
}

FakeScreen::Control& FakeScreen::slot(const QString& c) {
    return controls_[known(c)];
}

QStringList FakeScreen::highlighted() const {
    QStringList out;
    for (auto it = controls_.begin(); it != controls_.end(); ++it)
        if (it->back == kHighlightColour) out << it.key();
    out.sort();
    return out;
}

}  // namespace fennick::test

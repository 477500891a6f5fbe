#include "platform/SettingsStore.h"

#include <QSettings>

namespace fennick {


QString QtSettingsStore::get(const QString& app, const QString& section, const QString& key, const QString& def) const {
    QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Fennick"), app);
    return s.value(section + u'/' + key, def).toString();
}

QList<QPair<QString, QString>> QtSettingsStore::getAll(const QString& app, const QString& section) const {
    QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Fennick"), app);
    s.beginGroup(section);
    QList<QPair<QString, QString>> out;
    for (const QString& k : s.childKeys()) out.append({k, s.value(k).toString()});
    return out;
}

void QtSettingsStore::save(const QString& app, const QString& section, const QString& key, const QString& value) {
    QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Fennick"), app);
    s.setValue(section + u'/' + key, value);
}

}  // namespace fennick

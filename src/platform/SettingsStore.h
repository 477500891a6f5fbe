#pragma once
// Per-user settings: values in sections of an application.

#include <QList>
#include <QPair>
#include <QString>

namespace fennick {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The value, or def when there is none.
    virtual QString get(const QString& app, const QString& section, const QString& key,
                        const QString& def = QString()) const = 0;
    // All key/value pairs of a section in the store's order.
    virtual QList<QPair<QString, QString>> getAll(const QString& app, const QString& section) const = 0;
    virtual void save(const QString& app, const QString& section, const QString& key, const QString& value) = 0;
};

// QSettings in the user's configuration folder, one file per application name.
class QtSettingsStore : public SettingsStore {
public:
    QString get(const QString& app, const QString& section, const QString& key,
                const QString& def = QString()) const override;
    QList<QPair<QString, QString>> getAll(const QString& app, const QString& section) const override;
    void save(const QString& app, const QString& section, const QString& key, const QString& value) override;
};

}  // namespace fennick

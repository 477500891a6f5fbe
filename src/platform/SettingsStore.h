#pragma once
// Per-user settings: values in sections of an application.

#include "platform/Files.h"

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
    // Stores the value; on failure (a full disk) the store is as it was and the result says why.
    virtual FileResult save(const QString& app, const QString& section, const QString& key, const QString& value) = 0;
    // The file that holds app's settings; empty when they are kept in no file.
    virtual QString fileName(const QString& app) const = 0;
};

// QSettings in the user's configuration folder, one file per application name. Made at
// start, it removes the temporary copies a program stopped in the middle of a save left.
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    QString get(const QString& app, const QString& section, const QString& key,
                const QString& def = QString()) const override;
    QList<QPair<QString, QString>> getAll(const QString& app, const QString& section) const override;
    FileResult save(const QString& app, const QString& section, const QString& key, const QString& value) override;
    QString fileName(const QString& app) const override;
};

}  // namespace fennick

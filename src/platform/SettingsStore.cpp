#include "platform/SettingsStore.h"

#include "platform/Files.h"

#include <QFile>
#include <QSettings>
#include <QUuid>

namespace fennick {

namespace {

QString Key(const QString& section, const QString& key) {
    return section + u'/' + key;
}

}  // namespace

QString QtSettingsStore::get(const QString& app, const QString& section, const QString& key, const QString& def) const {
    QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Fennick"), app);
    return s.value(Key(section, key), def).toString();
}

QList<QPair<QString, QString>> QtSettingsStore::getAll(const QString& app, const QString& section) const {
    QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Fennick"), app);
    s.beginGroup(section);
    QList<QPair<QString, QString>> out;
    for (const QString& k : s.childKeys()) out.append({k, s.value(k).toString()});
    return out;
}

// QSettings' own save can replace the file with an empty one when the disk is full. The
// values, the new one among them, are written by QSettings to a copy beside the file and
// read back; only a copy that holds them all takes the file's place, through a save that
// checks every byte. A failed save leaves the file as it was.
void QtSettingsStore::save(const QString& app, const QString& section, const QString& key, const QString& value) {
    QSettings current(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Fennick"), app);
    const QString path = current.fileName();
    QVariantMap wanted;
    for (const QString& k : current.allKeys()) wanted.insert(k, current.value(k));
    wanted.insert(Key(section, key), value);

    const QString copyPath = path + QStringLiteral(".fennick-new");
    QFile::remove(copyPath);
    {
        QSettings copy(copyPath, QSettings::IniFormat);
        for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) copy.setValue(it.key(), it.value());
        copy.sync();
    }
    // QSettings keeps what it wrote in memory under the file's name: the copy is read back
    // under a name it has never seen, so that what is checked is what reached the disk.
    const QString checkPath = path + QStringLiteral(".fennick-") + QUuid::createUuid().toString(QUuid::Id128);
    QByteArray bytes;
    if (QFile::rename(copyPath, checkPath)) {
        const QSettings check(checkPath, QSettings::IniFormat);
        bool whole = check.status() == QSettings::NoError && check.allKeys().size() == wanted.size();
        for (auto it = wanted.cbegin(); whole && it != wanted.cend(); ++it) whole = check.value(it.key()) == it.value();
        QFile f(checkPath);
        if (whole && f.open(QIODevice::ReadOnly)) bytes = f.readAll();
    }
    QFile::remove(copyPath);
    QFile::remove(checkPath);
    if (!bytes.isEmpty()) QtFiles().save(path, bytes);
}

}  // namespace fennick

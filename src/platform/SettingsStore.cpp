#include "platform/SettingsStore.h"

#include "platform/ErrorNumbers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QUuid>

#include <signal.h>

#include <cerrno>

namespace fennick {

namespace {

QString Key(const QString& section, const QString& key) {
    return section + u'/' + key;
}

const QString kCopyMark = QStringLiteral(".fennick-");

// The name of a temporary copy of a settings file: the file's name, ".fennick-", the
// number of the process that makes it, "-" and what tells its copies apart.
QString CopyName(const QString& path, const QString& which) {
    return path + kCopyMark + QString::number(QCoreApplication::applicationPid()) + u'-' + which;
}

// Removes from folder the temporary copies of settings files that no running program is
// writing: those of a process that has ended, or of this one (between its saves), and
// those of earlier versions, whose names carry no process. Run when the program starts.
void RemoveStaleCopies(const QString& folder) {
    const QDir dir(folder);
    for (const QString& name :
         dir.entryList({QStringLiteral("*.ini") + kCopyMark + u'*'}, QDir::Files | QDir::Hidden)) {
        const QString id = name.mid(name.lastIndexOf(kCopyMark) + kCopyMark.size());
        const qsizetype dash = id.indexOf(u'-');
        bool numbered = false;
        const qint64 pid = dash > 0 ? id.left(dash).toLongLong(&numbered) : 0;
        const bool running =
            numbered && pid != QCoreApplication::applicationPid() && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
        if (!running) QFile::remove(dir.filePath(name));
    }
}

QString SettingsFolder() {
    const QSettings s(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Fennick"), QStringLiteral("MDINote"));
    return QFileInfo(s.fileName()).absolutePath();
}

}  // namespace

QtSettingsStore::QtSettingsStore() {
    RemoveStaleCopies(SettingsFolder());
}

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

QString QtSettingsStore::fileName(const QString& app) const {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Fennick"), app).fileName();
}

// QSettings' own save can replace the file with an empty one when the disk is full. The
// values, the new one among them, are written by QSettings to a copy beside the file and
// read back; only a copy that holds them all takes the file's place, through a save that
// checks every byte. A failed save leaves the file as it was. Copies are named by the
// process, so that one left by a program stopped half way is removed at the next start (above).
FileResult QtSettingsStore::save(const QString& app, const QString& section, const QString& key, const QString& value) {
    QSettings current(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Fennick"), app);
    const QString path = current.fileName();
    QVariantMap wanted;
    for (const QString& k : current.allKeys()) wanted.insert(k, current.value(k));
    wanted.insert(Key(section, key), value);

    const QString copyPath = CopyName(path, QStringLiteral("new"));
    int reason = 0;
    {
        QSettings copy(copyPath, QSettings::IniFormat);
        for (auto it = wanted.cbegin(); it != wanted.cend(); ++it) copy.setValue(it.key(), it.value());
        errno = 0;
        copy.sync();
        if (copy.status() != QSettings::NoError) reason = errno;
    }
    // QSettings keeps what it wrote in memory under the file's name: the copy is read back
    // under a name it has never seen, so that what is checked is what reached the disk.
    const QString checkPath = CopyName(path, QUuid::createUuid().toString(QUuid::Id128));
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
    if (bytes.isEmpty())
        return FileResult{err::DiskFull, QStringLiteral("Could not write ") + path + QStringLiteral(": ") +
                                             (reason != 0 ? qt_error_string(reason)
                                                          : QStringLiteral("the settings could not be written "
                                                                           "in full beside it"))};
    return QtFiles().save(path, bytes);
}

}  // namespace fennick

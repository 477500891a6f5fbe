#include "platform/Files.h"

#include "platform/ErrorNumbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace fennick {

namespace {

FileResult Failed(int error, const QString& description) {
    return FileResult{error, description};
}

// Why an operation on from (and to) failed, in the program's numbers.
FileResult Refused(const QString& what, const QFile& file, const QString& from, const QString& to = QString()) {
    if (!QFileInfo::exists(from)) return Failed(err::FileNotFound, QStringLiteral("File not found: ") + from);
    if (!to.isEmpty() && QFileInfo::exists(to))
        return Failed(err::FileExists, QStringLiteral("File already exists: ") + to);
    if (!to.isEmpty() && !QFileInfo::exists(QFileInfo(to).absolutePath()))
        return Failed(err::PathNotFound, QStringLiteral("Path not found: ") + to);
    return Failed(err::PathFileAccess, what + from + (to.isEmpty() ? QString() : QStringLiteral(" to ") + to) +
                                           QStringLiteral(": ") + file.errorString());
}

}  // namespace

FileResult QtFiles::copy(const QString& from, const QString& to) {
    QFile f(from);
    if (f.copy(to)) return {};
    return Refused(QStringLiteral("Could not copy "), f, from, to);
}

FileResult QtFiles::remove(const QString& path) {
    QFile f(path);
    if (f.remove()) return {};
    return Refused(QStringLiteral("Could not remove "), f, path);
}

FileResult QtFiles::rename(const QString& from, const QString& to) {
    QFile f(from);
    if (f.rename(to)) return {};
    return Refused(QStringLiteral("Could not rename "), f, from, to);
}

FileResult QtFiles::makeFolder(const QString& path) {
    if (QDir().mkpath(path)) return {};
    return Failed(err::PathFileAccess, QStringLiteral("Could not make the folder ") + path);
}

FileResult QtFiles::save(const QString& path, const QByteArray& bytes) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        if (!QFileInfo::exists(QFileInfo(path).absolutePath()))
            return Failed(err::PathNotFound, QStringLiteral("Path not found: ") + path);
        return Failed(err::PermissionDenied, QStringLiteral("Permission denied: ") + path);
    }
    if (f.write(bytes) != bytes.size() || !f.commit())
        return Failed(err::DiskFull,
                      QStringLiteral("Could not write ") + path + QStringLiteral(": ") + f.errorString());
    return {};
}

FileResult QtFiles::append(const QString& path, const QByteArray& bytes) {
    const bool existed = QFileInfo::exists(path);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) {
        if (!QFileInfo::exists(QFileInfo(path).absolutePath()))
            return Failed(err::PathNotFound, QStringLiteral("Path not found: ") + path);
        return Failed(err::PermissionDenied, QStringLiteral("Permission denied: ") + path);
    }
    const qint64 before = f.size();
    if (f.write(bytes) == bytes.size() && f.flush()) return {};
    const FileResult failed =
        Failed(err::DiskFull, QStringLiteral("Could not write ") + path + QStringLiteral(": ") + f.errorString());
    // Half a line is never left behind.
    if (existed) {
        f.resize(before);
    } else {
        f.close();
        QFile::remove(path);
    }
    return failed;
}

bool QtFiles::exists(const QString& path) const {
    return QFileInfo::exists(path);
}

QStringList QtFiles::list(const QString& folder) const {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

}  // namespace fennick

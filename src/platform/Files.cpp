#include "platform/Files.h"

#include "platform/ErrorNumbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

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

constexpr qint64 kCopyBlock = 1 << 16;

// Writes every byte to f, each write checked. Why it failed; empty when it did not.
QString WriteAll(QFileDevice& f, QByteArrayView bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 n = f.write(bytes.data() + done, bytes.size() - done);
        if (n <= 0) return f.errorString();
        done += n;
    }
    return QString();
}

// Whether fd's content is on the disk. A file system with nothing to sync (EINVAL,
// ENOTSUP) is no failure.
bool Synced(int fd) {
    return ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
}

// Empties Qt's buffer of f and has the system put the file on the disk. Why it failed;
// empty when it did not.
QString Sync(QFileDevice& f) {
    if (!f.flush() || f.error() != QFileDevice::NoError) return f.errorString();
    if (!Synced(f.handle())) return qt_error_string(errno);
    return QString();
}

// Has the system put the folder of path on the disk, with the name just given to path,
// as far as the folder allows: the file itself is synced already, so a folder that
// cannot be opened or synced is passed over.
void SyncFolder(const QString& path) {
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

QString Shortfall(qint64 size, qint64 wanted) {
    return QStringLiteral("%1 bytes of %2 were written").arg(size).arg(wanted);
}

}  // namespace

FileResult QtFiles::copy(const QString& from, const QString& to) {
    const QString what = QStringLiteral("Could not copy ");
    QFile in(from);
    if (QFileInfo::exists(to) || !in.open(QIODevice::ReadOnly)) return Refused(what, in, from, to);
    // The copy is made under a temporary name beside to and takes its name only when it is
    // whole, so that a copy cut off leaves nothing under that name.
    QTemporaryFile out(to + QStringLiteral(".XXXXXX"));
    if (!out.open()) return Refused(what, out, from, to);
    // Written unbuffered through the temporary file's descriptor: a write that fails says
    // why at once, never in a later flush.
    QFile raw;
    if (!raw.open(out.handle(), QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle))
        return Refused(what, raw, from, to);
    const auto failed = [&](const QString& why) {
        return Failed(err::DiskFull, what + from + QStringLiteral(" to ") + to + QStringLiteral(": ") + why);
    };
    qint64 copied = 0;
    while (!in.atEnd()) {
        const QByteArray block = in.read(kCopyBlock);
        if (block.isEmpty()) return Refused(what, in, from, to);
        if (const QString why = WriteAll(raw, block); !why.isEmpty()) return failed(why);
        copied += block.size();
    }
    QString why = Sync(raw);
    if (why.isEmpty() && (copied != in.size() || raw.size() != copied)) why = Shortfall(raw.size(), in.size());
    if (!why.isEmpty()) return failed(why);
    raw.close();
    out.setPermissions(in.permissions());
    if (!out.rename(to)) return Refused(what, out, from, to);
    out.setAutoRemove(false);  // it is to now
    SyncFolder(to);
    return {};
}

FileResult QtFiles::remove(const QString& path) {
    QFile f(path);
    if (f.remove()) {
        SyncFolder(path);
        return {};
    }
    return Refused(QStringLiteral("Could not remove "), f, path);
}

FileResult QtFiles::rename(const QString& from, const QString& to) {
    QFile f(from);
    if (f.rename(to)) {
        // A set of files put in place by renaming (backup, restore) is on the disk before
        // its journal goes, and the journal is gone before the old files go.
        SyncFolder(to);
        if (QFileInfo(from).absolutePath() != QFileInfo(to).absolutePath()) SyncFolder(from);
        return {};
    }
    return Refused(QStringLiteral("Could not rename "), f, from, to);
}

FileResult QtFiles::makeFolder(const QString& path) {
    if (QDir().mkpath(path)) return {};
    return Failed(err::PathFileAccess, QStringLiteral("Could not make the folder ") + path);
}

FileResult QtFiles::save(const QString& path, const QByteArray& bytes) {
    QSaveFile f(path);
    // Unbuffered: a write that fails is told by that write, never left to a later flush
    // whose failure the commit would pass over.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (!QFileInfo::exists(QFileInfo(path).absolutePath()))
            return Failed(err::PathNotFound, QStringLiteral("Path not found: ") + path);
        return Failed(err::PermissionDenied, QStringLiteral("Permission denied: ") + path);
    }
    const auto failed = [&](const QString& why) {
        return Failed(err::DiskFull, QStringLiteral("Could not write ") + path + QStringLiteral(": ") + why);
    };
    QString why = WriteAll(f, bytes);
    if (why.isEmpty() && f.size() != bytes.size()) why = Shortfall(f.size(), bytes.size());
    if (why.isEmpty()) why = Sync(f);
    if (!why.isEmpty()) {
        f.cancelWriting();  // the temporary file goes, path keeps its old content
        return failed(why);
    }
    if (!f.commit()) return failed(f.errorString());
    if (const qint64 size = QFileInfo(path).size(); size != bytes.size()) return failed(Shortfall(size, bytes.size()));
    SyncFolder(path);
    return {};
}

FileResult QtFiles::append(const QString& path, const QByteArray& bytes) {
    const bool existed = QFileInfo::exists(path);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        if (!QFileInfo::exists(QFileInfo(path).absolutePath()))
            return Failed(err::PathNotFound, QStringLiteral("Path not found: ") + path);
        return Failed(err::PermissionDenied, QStringLiteral("Permission denied: ") + path);
    }
    const qint64 before = f.size();
    QString why = WriteAll(f, bytes);
    if (why.isEmpty()) why = Sync(f);
    if (why.isEmpty()) {
        if (!existed) SyncFolder(path);
        return {};
    }
    // Half a line is never left behind.
    if (existed) {
        f.resize(before);
    } else {
        f.close();
        QFile::remove(path);
    }
    return Failed(err::DiskFull, QStringLiteral("Could not write ") + path + QStringLiteral(": ") + why);
}

bool QtFiles::exists(const QString& path) const {
    return QFileInfo::exists(path);
}

QStringList QtFiles::list(const QString& folder) const {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

}  // namespace fennick

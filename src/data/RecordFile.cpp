#include "data/RecordFile.h"

#include "data/Errors.h"
#include "data/Messages.h"

#include <QFileInfo>

#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace fennick {

namespace {

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// The opening of f was refused, by the system with error (0: by Qt, as for a folder).
[[noreturn]] void ThrowOpenError(const QFile& f, int error) {
    const QString name = f.fileName();
    const QString why = QStringLiteral(": ") + (error != 0 ? SystemReason(error) : f.errorString());
    if (f.error() == QFileDevice::PermissionsError || error == EACCES)
        throw VbError(err::PermissionDenied, QStringLiteral("Permission denied: ") + name + why);
    if (!QFileInfo::exists(QFileInfo(name).absolutePath()))
        throw VbError(err::PathNotFound, QStringLiteral("Path not found: ") + name);
    if (error == ENOENT || (error == 0 && !QFileInfo::exists(name)))
        throw VbError(err::FileNotFound, QStringLiteral("File not found: ") + name);
    throw VbError(err::PathFileAccess, QStringLiteral("Path/File access error: ") + name + why);
}

}  // namespace

RecordFile::~RecordFile() {
    close();
}

void RecordFile::open(const QString& path, int recLen, bool createIfMissing) {
    close();
    ++changes_;
    unwritten_.clear();
    recLen_ = recLen;
    file_.setFileName(path);
    if (!createIfMissing && !QFileInfo::exists(path))
        throw VbError(err::FileNotFound, QStringLiteral("File not found: ") + path);
    // Unbuffered: reads see every write at once, and no write waits in a buffer.
    errno = 0;
    if (!file_.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) ThrowOpenError(file_, errno);
    noteIdentity();
}

void RecordFile::openReadOnly(const QString& path, int recLen) {
    close();
    ++changes_;
    unwritten_.clear();
    recLen_ = recLen;
    file_.setFileName(path);
    if (!QFileInfo::exists(path)) throw VbError(err::FileNotFound, QStringLiteral("File not found: ") + path);
    errno = 0;
    if (!file_.open(QIODevice::ReadOnly)) ThrowOpenError(file_, errno);
    noteIdentity();
}

void RecordFile::close() {
    ++changes_;
    if (file_.isOpen()) {
        unlock();
        file_.close();
    }
}

void RecordFile::noteIdentity() {
    absolutePath_ = QFileInfo(file_.fileName()).absoluteFilePath();
    struct stat st {};
    if (::fstat(file_.handle(), &st) == 0) {
        device_ = quint64(st.st_dev);
        inode_ = quint64(st.st_ino);
    }
}

bool RecordFile::atItsPath() const {
    if (!file_.isOpen()) return false;
    struct stat st {};
    if (::stat(QFile::encodeName(absolutePath_).constData(), &st) != 0) return false;
    return quint64(st.st_dev) == device_ && quint64(st.st_ino) == inode_;
}

QString RecordFile::whatWasLost() const {
    const QString folder = QFileInfo(absolutePath_).absolutePath();
    if (!QFileInfo(folder).isDir())
        return QStringLiteral("The crusade's folder ") + folder + QStringLiteral(" has been removed or renamed.");
    return QStringLiteral("The crusade's data file ") + absolutePath_ +
           QStringLiteral(" has been removed, renamed or replaced.");
}

QString RecordFile::currentPath() const {
    if (!file_.isOpen()) return QString();
    const QFileInfo link(QStringLiteral("/proc/self/fd/%1").arg(file_.handle()));
    const QString target = link.symLinkTarget();
    // A file removed keeps its last name, marked so.
    if (target.isEmpty() || target.endsWith(QLatin1String(" (deleted)")) || !QFileInfo(target).isFile())
        return QString();
    return target;
}

qint64 RecordFile::byteSize() const {
    // Asked of the system each time: records are written past QFile.
    struct stat st {};
    if (!file_.isOpen() || ::fstat(file_.handle(), &st) != 0) return 0;
    return qint64(st.st_size);
}

qint64 RecordFile::recordCount() const {
    return recLen_ > 0 ? byteSize() / recLen_ : 0;
}

QByteArray RecordFile::readFromFile(qint64 n) {
    if (!file_.isOpen()) throw VbError(52, QStringLiteral("Bad file name or number"));
    if (n < 1) throw VbError(err::BadRecordNumber, QStringLiteral("Bad record number"));
    if (n > recordCount()) throw VbError(err::PastEndOfFile, QStringLiteral("Input past end of file"));
    if (!file_.seek((n - 1) * recLen_)) throw VbError(err::BadRecordNumber, QStringLiteral("Bad record number"));
    QByteArray b = file_.read(recLen_);
    if (b.size() != recLen_) throw VbError(err::PastEndOfFile, QStringLiteral("Input past end of file"));
    return b;
}

QByteArray RecordFile::read(qint64 n) {
    QByteArray b = readFromFile(n);
    if (const auto it = unwritten_.constFind(n); it != unwritten_.cend()) b = *it;
    return b;
}

QByteArray RecordFile::readAllFromFile() {
    if (!file_.isOpen()) throw VbError(52, QStringLiteral("Bad file name or number"));
    const qint64 n = recordCount();
    if (!file_.seek(0)) throw VbError(err::BadRecordNumber, QStringLiteral("Bad record number"));
    QByteArray b = file_.read(n * recLen_);
    if (b.size() != n * recLen_) throw VbError(err::PastEndOfFile, QStringLiteral("Input past end of file"));
    return b;
}

QByteArray RecordFile::readAll() {
    QByteArray b = readAllFromFile();
    const qint64 n = b.size() / recLen_;
    for (auto it = unwritten_.cbegin(); it != unwritten_.cend() && it.key() <= n; ++it)
        b.replace(qsizetype(it.key() - 1) * recLen_, recLen_, *it);
    return b;
}

std::optional<QByteArray> RecordFile::kept(qint64 n) const {
    const auto it = unwritten_.constFind(n);
    return it != unwritten_.cend() ? std::optional<QByteArray>(*it) : std::nullopt;
}

void RecordFile::putBackKept(qint64 n, const std::optional<QByteArray>& bytes) {
    if (kept(n) == bytes) return;
    ++changes_;
    if (bytes)
        unwritten_.insert(n, *bytes);
    else
        unwritten_.remove(n);
}

bool RecordFile::writeAt(qint64 offset, const QByteArray& bytes) {
    const int fd = file_.handle();
    qint64 done = 0;
    while (done < bytes.size()) {
        const char* from = bytes.constData() + done;
        const qint64 left = bytes.size() - done;
        const qint64 written = writeCall_ ? writeCall_(fd, from, left, offset + done)
                                          : qint64(::pwrite(fd, from, size_t(left), off_t(offset + done)));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = EIO;
            return false;
        }
        done += written;
    }
    return true;
}

void RecordFile::writeInPlace(qint64 n, const QByteArray& b) {
    // Writing beyond the end fills the gap with zero bytes, as a random-access file does.
    const qint64 at = (n - 1) * recLen_;
    const qint64 sizeBefore = byteSize();
    const QByteArray old = n <= recordCount() ? readFromFile(n) : QByteArray();
    if (writeAt(at, b)) return;

    const int reason = errno;
    // Part of a record is never left: one written over gets its old bytes back, one added
    // at the end is cut off again.
    const bool putBack = old.isEmpty() ? file_.resize(std::min(at, sizeBefore)) : writeAt(at, old);
    throw VbError(err::DiskFull,
                  QStringLiteral("Disk full or write error: record ") + QString::number(n) + QStringLiteral(" of ") +
                      absolutePath_ + QStringLiteral(" was not written: ") + SystemReason(reason) +
                      (putBack ? QString() : NewLine + QStringLiteral("The file could not be put back as it was.")));
}

void RecordFile::writeKept(qint64 except) {
    if (unwritten_.isEmpty() || !atItsPath() || !file_.isWritable()) return;
    // A record added whose write was refused is no record of the file: it is written by
    // the save of the name it is, or let go with it.
    const qint64 inFile = recordCount();
    for (auto it = unwritten_.begin(); it != unwritten_.end() && it.key() <= inFile;) {
        if (it.key() == except) {
            ++it;
            continue;
        }
        ++changes_;
        writeInPlace(it.key(), *it);
        it = unwritten_.erase(it);
    }
}

bool RecordFile::write(qint64 n, const QByteArray& bytes) {
    if (!file_.isOpen() || !file_.isWritable()) throw VbError(52, QStringLiteral("Bad file name or number"));
    if (n < 1) throw VbError(err::BadRecordNumber, QStringLiteral("Bad record number"));
    QByteArray b = bytes.left(recLen_);
    if (b.size() < recLen_) b.append(QByteArray(recLen_ - b.size(), '\0'));
    // A file whose folder went away takes no more records: they would go with it. The
    // record is kept for the files to be saved elsewhere. A record of the file written as
    // the program holds it already is no change: refused once, it is not refused again.
    // A record added is refused each time: it is no record until it is written.
    if (!atItsPath()) {
        if (n <= recordCount()) {
            const QByteArray onFile = readFromFile(n);
            if (b == kept(n).value_or(onFile)) return false;
            if (b == onFile) {
                forget(n);
                return false;
            }
        }
        ++changes_;
        unwritten_.insert(n, b);
        throw VbError(err::PathNotFound, whatWasLost() + NewLine + QStringLiteral("Record ") + QString::number(n) +
                                             QStringLiteral(" was not written; nothing more is written to ") +
                                             absolutePath_ + QStringLiteral(".") + NewLine +
                                             QStringLiteral("When the crusade is closed, its files can be saved in "
                                                            "another folder."));
    }

    // The file is back at its path: what was kept of its other records goes in first.
    writeKept(n);
    ++changes_;
    writeInPlace(n, b);
    unwritten_.remove(n);
    return true;
}

void RecordFile::cutToWholeRecords() {
    ++changes_;
    const qint64 whole = recordCount() * recLen_;
    if (byteSize() == whole) return;
    if (::ftruncate(file_.handle(), off_t(whole)) != 0)
        throw VbError(err::DiskFull, QStringLiteral("The data file ") + absolutePath_ +
                                         QStringLiteral(" could not be cut to its whole records: ") +
                                         SystemReason(errno));
}

bool RecordFile::tryLock() {
    if (!file_.isOpen()) return false;
    if (locked_) return true;
    locked_ = ::flock(file_.handle(), LOCK_EX | LOCK_NB) == 0;
    return locked_;
}

void RecordFile::unlock() {
    if (locked_ && file_.isOpen()) ::flock(file_.handle(), LOCK_UN);
    locked_ = false;
}

}  // namespace fennick

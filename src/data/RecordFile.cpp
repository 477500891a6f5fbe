#include "data/RecordFile.h"

#include "data/Errors.h"

#include <QFileInfo>

#include <sys/file.h>

namespace fennick {

namespace {

[[noreturn]] void ThrowOpenError(const QFile& f) {
    const QString name = f.fileName();
    switch (f.error()) {
    case QFileDevice::PermissionsError:
        throw VbError(err::PermissionDenied, QStringLiteral("Permission denied: ") + name);
    default:
        if (!QFileInfo::exists(QFileInfo(name).absolutePath()))
            throw VbError(err::PathNotFound, QStringLiteral("Path not found: ") + name);
        if (!QFileInfo::exists(name)) throw VbError(err::FileNotFound, QStringLiteral("File not found: ") + name);
        throw VbError(err::PathFileAccess, QStringLiteral("Path/File access error: ") + name);
    }
}

}  // namespace

RecordFile::~RecordFile() { close(); }

void RecordFile::open(const QString& path, int recLen, bool createIfMissing) {
    close();
    recLen_ = recLen;
    file_.setFileName(path);
    if (!createIfMissing && !QFileInfo::exists(path))
        throw VbError(err::FileNotFound, QStringLiteral("File not found: ") + path);
    if (!file_.open(QIODevice::ReadWrite)) ThrowOpenError(file_);
}

void RecordFile::openReadOnly(const QString& path, int recLen) {
    close();
    recLen_ = recLen;
    file_.setFileName(path);
    if (!QFileInfo::exists(path)) throw VbError(err::FileNotFound, QStringLiteral("File not found: ") + path);
    if (!file_.open(QIODevice::ReadOnly)) ThrowOpenError(file_);
}

void RecordFile::close() {
    if (file_.isOpen()) {
        unlock();
        file_.close();
    }
}

qint64 RecordFile::byteSize() const { return file_.isOpen() ? file_.size() : 0; }

qint64 RecordFile::recordCount() const { return recLen_ > 0 ? byteSize() / recLen_ : 0; }

QByteArray RecordFile::read(qint64 n) {
    if (!file_.isOpen()) throw VbError(52, QStringLiteral("Bad file name or number"));
    if (n < 1) throw VbError(err::BadRecordNumber, QStringLiteral("Bad record number"));
    if (n > recordCount()) throw VbError(err::PastEndOfFile, QStringLiteral("Input past end of file"));
    if (!file_.seek((n - 1) * recLen_)) throw VbError(err::BadRecordNumber, QStringLiteral("Bad record number"));
    QByteArray b = file_.read(recLen_);
    if (b.size() != recLen_) throw VbError(err::PastEndOfFile, QStringLiteral("Input past end of file"));
    return b;
}

QByteArray RecordFile::readAll() {
    if (!file_.isOpen()) throw VbError(52, QStringLiteral("Bad file name or number"));
    const qint64 n = recordCount();
    if (!file_.seek(0)) throw VbError(err::BadRecordNumber, QStringLiteral("Bad record number"));
    QByteArray b = file_.read(n * recLen_);
    if (b.size() != n * recLen_) throw VbError(err::PastEndOfFile, QStringLiteral("Input past end of file"));
    return b;
}

void RecordFile::write(qint64 n, const QByteArray& bytes) {
    if (!file_.isOpen() || !file_.isWritable()) throw VbError(52, QStringLiteral("Bad file name or number"));
    if (n < 1) throw VbError(err::BadRecordNumber, QStringLiteral("Bad record number"));
    QByteArray b = bytes.left(recLen_);
    if (b.size() < recLen_) b.append(QByteArray(recLen_ - b.size(), '\0'));
    // Writing beyond the end fills the gap with zero bytes, as a random-access file does.
    if (!file_.seek((n - 1) * recLen_) || file_.write(b) != recLen_ || !file_.flush())
        throw VbError(err::DiskFull, QStringLiteral("Disk full or write error: ") + file_.errorString());
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

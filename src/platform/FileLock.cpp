#include "platform/FileLock.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <set>
#include <utility>

namespace fennick {

namespace {

using FileKey = std::pair<dev_t, ino_t>;

// The files this program holds locks on. A second lock of the same file by this program
// would be refused as if another program held it (a lock belongs to one opening of the
// file), so the program's own are told apart here.
std::mutex& HeldMutex() {
    static std::mutex m;
    return m;
}
std::set<FileKey>& Held() {
    static std::set<FileKey> held;
    return held;
}

bool HeldHere(const FileKey& key) {
    const std::lock_guard<std::mutex> guard(HeldMutex());
    return Held().count(key) > 0;
}

}  // namespace

FileLock::Outcome FileLock::take(const QString& path) {
    release();
    error_.clear();
    const QByteArray name = QFile::encodeName(path);
    // A file replaced between its opening and its lock is looked at again; a few rounds
    // are plenty, as only a replacement ending at that moment replaces it.
    for (int round = 0; round < 8; ++round) {
        const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            if (errno == ENOENT) return Outcome::NoFile;
            error_ = qt_error_string(errno);
            return Outcome::Unreadable;
        }
        struct stat opened {};
        if (::fstat(fd, &opened) != 0) {
            error_ = qt_error_string(errno);
            ::close(fd);
            return Outcome::Unreadable;
        }
        const FileKey key{opened.st_dev, opened.st_ino};
        if (HeldHere(key)) {
            ::close(fd);
            return Outcome::HeldHere;
        }
        int locked = 0;
        do {
            locked = ::flock(fd, LOCK_EX | LOCK_NB);
        } while (locked != 0 && errno == EINTR);
        if (locked != 0) {
            const int why = errno;
            ::close(fd);
            if (why == EWOULDBLOCK) return Outcome::HeldElsewhere;
            return Outcome::NoLocks;  // ENOLCK, EOPNOTSUPP, EINVAL: a file system without locks
        }
        // The lock is of the file opened: path must still name it.
        struct stat now {};
        if (::stat(name.constData(), &now) == 0 && now.st_dev == opened.st_dev && now.st_ino == opened.st_ino) {
            fd_ = fd;
            device_ = opened.st_dev;
            inode_ = opened.st_ino;
            const std::lock_guard<std::mutex> guard(HeldMutex());
            Held().insert(key);
            return Outcome::Taken;
        }
        ::close(fd);
    }
    return Outcome::NoFile;
}

void FileLock::release() {
    if (fd_ < 0) return;
    {
        const std::lock_guard<std::mutex> guard(HeldMutex());
        Held().erase(FileKey{device_, inode_});
    }
    ::close(std::exchange(fd_, -1));
}

}  // namespace fennick

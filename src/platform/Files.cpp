#include "platform/Files.h"

#include "platform/ErrorNumbers.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace fennick {

namespace {

// A failure told as what (the operation and its file) followed by the reason.
FileResult Stopped(int error, const QString& what, const QString& reason) {
    return FileResult{error, what + QStringLiteral(": ") + reason, reason};
}

FileResult NotFound(const QString& path) {
    return FileResult{err::FileNotFound, QStringLiteral("File not found: ") + path, QStringLiteral("File not found")};
}

FileResult AlreadyThere(const QString& path) {
    return FileResult{err::FileExists, QStringLiteral("File already exists: ") + path,
                      QStringLiteral("File already exists")};
}

FileResult NoPath(const QString& path) {
    return FileResult{err::PathNotFound, QStringLiteral("Path not found: ") + path, QStringLiteral("Path not found")};
}

// Why an operation on from (and to) failed, in the program's numbers.
FileResult Refused(const QString& what, const QFile& file, const QString& from, const QString& to = QString()) {
    if (!QFileInfo::exists(from)) return NotFound(from);
    if (!to.isEmpty() && QFileInfo::exists(to)) return AlreadyThere(to);
    if (!to.isEmpty() && !QFileInfo::exists(QFileInfo(to).absolutePath())) return NoPath(to);
    return Stopped(err::PathFileAccess, what + from + (to.isEmpty() ? QString() : QStringLiteral(" to ") + to),
                   file.errorString());
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

QString Reason(int error) {
    return qt_error_string(error);
}

// The program's number for a system error that stopped an operation on a file.
int ErrorNumberOf(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
        case EIO:
            return err::DiskFull;
        case ENOENT:
        case ENOTDIR:
            return err::PathNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
        case ETXTBSY:
            return err::PermissionDenied;
        default:
            return err::PathFileAccess;
    }
}

// A save or an addition to path that the system refused, with its reason.
FileResult NotWritten(const QString& path, int error) {
    return Stopped(ErrorNumberOf(error), QStringLiteral("Could not write ") + path, Reason(error));
}

// The template of a temporary file beside path ("XXXXXX" stands for random characters):
// path's own name followed by them, or a short name when that would not fit.
QString TempTemplate(const QString& path) {
    const QString suffix = QStringLiteral(".XXXXXX");
    const QString plain = path + suffix;
    return NameFits(plain) ? plain : NameBeside(path, suffix) + suffix;
}

// A new file beside its final name, made by the system's calls so that every failure keeps
// the system's reason. Where the file system allows, it has no name until it is whole (a
// program killed meanwhile leaves nothing behind); elsewhere it is made under a name from
// the template. It is closed before it takes its final name, so that a failure to close
// leaves the file it was to replace as it was; a name of its own is removed again unless
// it became the final one.
class TempFile {
public:
    using Step = QtFiles::Step;
    explicit TempFile(const QtFiles::Faults& faults) : faults_(faults) {}
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!name_.isEmpty()) ::unlink(name_.constData());
    }
    // Makes the file (mode 0666 less the umask, as any new file) in the template's folder;
    // the system's error or 0.
    int create(const QString& pattern) {
        pattern_ = QFile::encodeName(pattern);
        if (const int e = fault(Step::Create)) return e;
        if (!faults_.named) {
            const QByteArray folder = QFile::encodeName(QFileInfo(pattern).absolutePath());
            fd_ = ::open(folder.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
            if (fd_ >= 0) return 0;
            if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return errno;
        }
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray name = FromPattern();
            fd_ = ::open(name.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ >= 0) {
                name_ = name;
                return 0;
            }
            if (errno != EEXIST) return errno;
        }
        return EEXIST;
    }
    int fd() const { return fd_; }
    // Writes every byte, each write checked; the system's error or 0.
    int write(QByteArrayView bytes) {
        for (qsizetype done = 0; done < bytes.size();) {
            if (const int e = fault(Step::Write)) return e;
            const ssize_t n = ::write(fd_, bytes.data() + done, size_t(bytes.size() - done));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return n == 0 ? EIO : errno;
            done += n;
        }
        return 0;
    }
    // Puts the content on the disk; the system's error or 0.
    int sync() {
        if (const int e = fault(Step::Sync)) return e;
        return Synced(fd_) ? 0 : errno;
    }
    // Gives the file its final name once it is on the disk, replacing a file of that name
    // when replace (otherwise such a file is kept: EEXIST); the system's error or 0. On
    // failure the final name is as it was.
    int renameTo(const QString& path, bool replace) {
        const QByteArray target = QFile::encodeName(path);
        if (name_.isEmpty() && !replace) {
            // A link never replaces a file, and the unnamed file is given its name in one step.
            if (const int e = fault(Step::Rename); e != 0) return e;
            if (const int e = Link(target); e != 0) return e;
            // Named, and its content on the disk already: closing it can lose nothing of it.
            ::close(std::exchange(fd_, -1));
            return 0;
        }
        if (name_.isEmpty()) {
            // Named from the template first: a name is given in one step only by a rename.
            for (int attempt = 0;; ++attempt) {
                const QByteArray name = FromPattern();
                int e = fault(Step::Name);
                if (e == 0) e = Link(name);
                if (e == 0) {
                    name_ = name;
                    break;
                }
                if (e != EEXIST || attempt == 100) return e;
            }
        }
        int e = fault(Step::Close);
        if (e == 0) e = CloseFile();
        if (e != 0) return e;
        if (!replace && QFile::exists(QFile::decodeName(target))) return EEXIST;
        if ((e = fault(Step::Rename)) != 0) return e;
        if (::rename(name_.constData(), target.constData()) != 0) return errno;
        name_.clear();
        return 0;
    }

private:
    // The error a test has the step fail with, or 0.
    int fault(Step step) const { return faults_.fail ? faults_.fail(step) : 0; }
    int CloseFile() { return ::close(std::exchange(fd_, -1)) == 0 ? 0 : errno; }
    QByteArray FromPattern() const {
        static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        QByteArray name = pattern_;
        const qsizetype at = name.lastIndexOf("XXXXXX");
        for (qsizetype i = at; i >= 0 && i < at + 6; ++i)
            name[i] = kChars[QRandomGenerator::global()->bounded(int(sizeof kChars) - 1)];
        return name;
    }
    // Gives the unnamed file the name; the system's error or 0.
    int Link(const QByteArray& name) {
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd_);
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) != 0) return errno;
        return 0;
    }

    const QtFiles::Faults& faults_;
    int fd_ = -1;
    QByteArray pattern_;
    QByteArray name_;  // encoded; empty while the file has no name or once it has its own
};

}  // namespace

FileResult QtFiles::copy(const QString& from, const QString& to) {
    const QString what = QStringLiteral("Could not copy ");
    QFile in(from);
    if (QFileInfo::exists(to) || !in.open(QIODevice::ReadOnly)) return Refused(what, in, from, to);
    const auto failed = [&](int number, const QString& why) {
        return Stopped(number, what + from + QStringLiteral(" to ") + to, why);
    };
    // The copy is made under a temporary name beside to and takes its name only when it is
    // whole, so that a copy cut off leaves nothing under that name.
    TempFile out(faults_);
    if (const int e = out.create(TempTemplate(to)); e != 0) {
        if (!QFileInfo::exists(QFileInfo(to).absolutePath())) return NoPath(to);
        return failed(ErrorNumberOf(e), Reason(e));
    }
    qint64 copied = 0;
    while (!in.atEnd()) {
        const QByteArray block = in.read(kCopyBlock);
        if (block.isEmpty()) return Refused(what, in, from, to);
        if (const int e = out.write(block); e != 0) return failed(err::DiskFull, Reason(e));
        copied += block.size();
    }
    struct stat st {};
    const qint64 written = ::fstat(out.fd(), &st) == 0 ? qint64(st.st_size) : -1;
    if (copied != in.size() || written != copied) return failed(err::DiskFull, Shortfall(written, in.size()));
    if (struct stat source{}; ::fstat(in.handle(), &source) == 0) ::fchmod(out.fd(), source.st_mode & 07777);
    if (const int e = out.sync(); e != 0) return failed(err::DiskFull, Reason(e));
    // Another file may have taken the name meanwhile: it is kept.
    if (const int e = out.renameTo(to, false); e == EEXIST)
        return AlreadyThere(to);
    else if (e != 0)
        return failed(ErrorNumberOf(e), Reason(e));
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
    return FileResult{err::PathFileAccess, QStringLiteral("Could not make the folder ") + path};
}

FileResult QtFiles::save(const QString& path, const QByteArray& bytes) {
    // Written through a file of the program's own beside path: its name fits the file system
    // whatever path's length, and every failure keeps the system's reason. A link is kept:
    // the file it points to is replaced.
    const QFileInfo info(path);
    const QString file = info.isSymLink() && info.exists() ? info.canonicalFilePath() : path;
    TempFile f(faults_);
    if (const int e = f.create(TempTemplate(file)); e != 0) return NotWritten(path, e);
    if (const int e = f.write(bytes); e != 0) return NotWritten(path, e);
    struct stat st {};
    if (::fstat(f.fd(), &st) != 0 || qint64(st.st_size) != bytes.size())
        return Stopped(err::DiskFull, QStringLiteral("Could not write ") + path, Shortfall(st.st_size, bytes.size()));
    // The file keeps the permissions it had.
    if (struct stat old{}; ::stat(QFile::encodeName(file).constData(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(f.fd(), old.st_mode & 07777);
    if (const int e = f.sync(); e != 0) return NotWritten(path, e);
    if (const int e = f.renameTo(file, true); e != 0) return NotWritten(path, e);
    SyncFolder(file);
    return {};
}

FileResult QtFiles::append(const QString& path, const QByteArray& bytes) {
    const bool existed = QFileInfo::exists(path);
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return NotWritten(path, errno);
    QFile f;
    if (!f.open(fd, QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Stopped(err::PathFileAccess, QStringLiteral("Could not write ") + path, f.errorString());
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
    return Stopped(err::DiskFull, QStringLiteral("Could not write ") + path, why);
}

bool NameFits(const QString& path) {
    const QFileInfo info(path);
    const long max = ::pathconf(QFile::encodeName(info.absolutePath()).constData(), _PC_NAME_MAX);
    return QFile::encodeName(info.fileName()).size() <= (max > 0 ? max : 255);
}

QString LandingPath(const QString& path) {
    QString p = QFileInfo(path).absoluteFilePath();
    for (int hops = 0; hops < 16; ++hops) {
        const QFileInfo fi(p);
        if (!fi.isSymLink() || fi.exists()) break;
        p = fi.symLinkTarget();
    }
    return p;
}

FileIdentity IdentityOf(const QString& path) {
    FileIdentity id;
    const QFileInfo fi(LandingPath(path));
    struct stat st {};
    if (::stat(QFile::encodeName(fi.absoluteFilePath()).constData(), &st) == 0) {
        id.exists = true;
        id.device = quint64(st.st_dev);
        id.inode = quint64(st.st_ino);
    }
    const QString canonical = QFileInfo(fi.absolutePath()).canonicalFilePath();
    id.folder = canonical.isEmpty() ? QDir::cleanPath(fi.absolutePath()) : canonical;
    id.name = fi.fileName();
    return id;
}

bool SameFile(const FileIdentity& a, const FileIdentity& b) {
    if (a.exists && b.exists) return a.device == b.device && a.inode == b.inode;
    return !a.name.isEmpty() && a.name == b.name && a.folder == b.folder;
}

bool SameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    return SameFile(IdentityOf(a), IdentityOf(b));
}

QString NameBeside(const QString& path, const QString& suffix, int number) {
    const QString tail = number > 0 ? QString::number(number) : QString();
    if (NameFits(path + suffix + tail)) return path + suffix + tail;
    const QFileInfo info(path);
    const QByteArray hash =
        QCryptographicHash::hash((info.fileName() + suffix).toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QDir(info.path()).filePath(QStringLiteral(".fennick-") + QLatin1String(hash) + tail);
}

bool QtFiles::exists(const QString& path) const {
    return QFileInfo::exists(path);
}

QStringList QtFiles::list(const QString& folder) const {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

}  // namespace fennick

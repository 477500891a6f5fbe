#include "FakeFiles.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace fennick::test {

bool OffersUnnamedFiles(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    return fd >= 0 && ::close(fd) == 0;
}

RecordFile::WriteCall FailingWriteAt(int k, int error) {
    return [calls = 0, k, error](int fd, const char* data, qint64 size, qint64 offset) mutable -> qint64 {
        if (++calls == k) return errno = error, -1;
        return ::pwrite(fd, data, size_t(size), off_t(offset));
    };
}

FakeFiles& FakeFiles::failAt(int n, int error, Op op) {
    planned_.append({op, n, error});
    return *this;
}

int FakeFiles::plannedError(Op op) {
    int error = 0;
    for (auto it = planned_.begin(); it != planned_.end();) {
        if (it->op == Op::Any || it->op == op) {
            if (--it->remaining == 0) {
                if (error == 0) error = it->error;
                it = planned_.erase(it);
                continue;
            }
        }
        ++it;
    }
    return error;
}

FakeFiles& FakeFiles::failWhere(const QString& part, int error) {
    failWhere_.append({part, error});
    return *this;
}

template <typename Real>
FileResult FakeFiles::pass(Op op, const QString& call, Real real) {
    int error = plannedError(op);
    for (qsizetype i = 0; i < failWhere_.size() && error == 0; ++i)
        if (call.contains(failWhere_[i].first)) error = failWhere_.takeAt(i).second;
    if (error != 0) {
        calls << call + QStringLiteral(" failed");
        return FileResult{error, QStringLiteral("Failed on purpose: ") + call, QStringLiteral("Failed on purpose")};
    }
    calls << call;
    const FileResult result = real();
    if (result.ok() && afterCall) afterCall(call);
    return result;
}

FileResult FakeFiles::copy(const QString& from, const QString& to) {
    return pass(Op::Copy, QStringLiteral("copy %1 > %2").arg(from, to), [&] { return real_.copy(from, to); });
}

FileResult FakeFiles::remove(const QString& path) {
    return pass(Op::Remove, QStringLiteral("remove ") + path, [&] { return real_.remove(path); });
}

FileResult FakeFiles::rename(const QString& from, const QString& to) {
    return pass(Op::Rename, QStringLiteral("rename %1 > %2").arg(from, to), [&] { return real_.rename(from, to); });
}

FileResult FakeFiles::makeFolder(const QString& path) {
    return pass(Op::MakeFolder, QStringLiteral("folder ") + path, [&] { return real_.makeFolder(path); });
}

FakeFiles& FakeFiles::fullWhere(const QString& part) {
    full_.setFaults({[](QtFiles::Step step) { return step == QtFiles::Step::Write ? ENOSPC : 0; }, false});
    fullWhere_.append(part);
    return *this;
}

FakeFiles& FakeFiles::emptyAt(int n) {
    emptied_.append(n);
    return *this;
}

FileResult FakeFiles::save(const QString& path, const QByteArray& bytes) {
    bool empty = false;
    for (int& remaining : emptied_) empty = --remaining == 0 || empty;
    emptied_.removeAll(0);
    if (empty) {
        calls << QStringLiteral("save ") + path + QStringLiteral(" emptied");
        real_.save(path, QByteArray());
        return {};
    }
    bool full = false;
    for (const QString& part : fullWhere_) full = full || path.contains(part);
    return pass(Op::Save, QStringLiteral("save ") + path, [&] { return (full ? full_ : real_).save(path, bytes); });
}

FileResult FakeFiles::append(const QString& path, const QByteArray& bytes) {
    return pass(Op::Append, QStringLiteral("append ") + path, [&] { return real_.append(path, bytes); });
}

}  // namespace fennick::test

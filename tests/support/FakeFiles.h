#pragma once
// The file operations on the disk, with failures on demand: every call is recorded and
// handed to the real operations, except the one chosen to fail, which changes nothing
// and reports the chosen error number.

#include "data/RecordFile.h"
#include "platform/Files.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <utility>

namespace fennick::test {

class FakeFiles : public Files {
public:
    enum class Op { Any, Copy, Remove, Rename, MakeFolder, Save, Append };

    // The n-th call of kind op from now on (1: the next) fails with error. Several
    // failures may be planned; each fails one call.
    FakeFiles& failAt(int n, int error, Op op = Op::Any);
    // The first changing call whose entry of calls (below) contains part fails with error.
    FakeFiles& failWhere(const QString& part, int error);
    // The n-th save from now on writes an empty file and reports success, as a save on a
    // full disk whose failure went unnoticed.
    FakeFiles& emptyAt(int n);
    // Every save of a path that contains part runs on the disk as on a full one: its writes
    // fail with ENOSPC, and the file that was there stays.
    FakeFiles& fullWhere(const QString& part);

    FileResult copy(const QString& from, const QString& to) override;
    FileResult remove(const QString& path) override;
    FileResult rename(const QString& from, const QString& to) override;
    FileResult makeFolder(const QString& path) override;
    FileResult save(const QString& path, const QByteArray& bytes) override;
    FileResult append(const QString& path, const QByteArray& bytes) override;
    bool exists(const QString& path) const override { return real_.exists(path); }
    QStringList list(const QString& folder) const override { return real_.list(folder); }

    // Runs after each changing call that succeeded, with its entry of calls: a test changes
    // the disk there as another program, or a medium taken out, would.
    std::function<void(const QString& call)> afterCall;

    // The changing calls in order, as "copy <from> > <to>", "remove <path>",
    // "rename <from> > <to>", "folder <path>", "save <path>", "append <path>"; a failed one
    // ends in " failed", an emptied save in " emptied".
    QStringList calls;

private:
    struct Planned {
        Op op;
        int remaining;  // calls of its kind still to pass
        int error;
    };
    // The planned error for this call of kind op, or 0.
    int plannedError(Op op);
    template <typename Real>
    FileResult pass(Op op, const QString& call, Real real);

    QtFiles real_;
    QtFiles full_;  // the disk as full
    QStringList fullWhere_;
    QList<Planned> planned_;
    QList<std::pair<QString, int>> failWhere_;
    QList<int> emptied_;  // for each planned empty save, the saves still to pass
};

// Whether the file system of folder makes files without a name (O_TMPFILE), as a save
// makes its new file where it can.
bool OffersUnnamedFiles(const QString& folder);

// For RecordFile::setWriteCall: the k-th write from now on (1: the next) fails with error,
// as on a disk that has just filled up; every other write goes to the disk.
RecordFile::WriteCall FailingWriteAt(int k, int error);

}  // namespace fennick::test

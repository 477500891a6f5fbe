#pragma once
// An exclusive advisory lock on a file (flock), which tells whether the program that took
// it still runs: the system drops the lock when that program ends, however it ends (a kill
// included), and a process number, which the system gives again to a later program, plays
// no part. The lock is the file's own, whatever name it comes to have, and is held for as
// long as its FileLock stands.

#include <QString>

#include <sys/types.h>

namespace fennick {

class FileLock {
public:
    enum class Outcome {
        Taken,          // this FileLock holds it now
        HeldHere,       // another FileLock of this program holds it
        HeldElsewhere,  // another program that still runs holds it
        NoFile,         // path names no file
        NoLocks,        // the file's system takes no locks; nothing can tell who uses it
        Unreadable,     // the file cannot be opened (error() says why)
    };

    FileLock() = default;
    ~FileLock() { release(); }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Takes the lock of the file path names, without waiting; a FileLock holding another
    // file lets it go first. Taken only while path still names the file locked: a file
    // that was removed or replaced meanwhile is looked at again.
    Outcome take(const QString& path);
    bool held() const { return fd_ >= 0; }
    // The system's reason when take gave Unreadable.
    const QString& error() const { return error_; }
    // Lets the lock go; nothing when none is held.
    void release();

private:
    int fd_ = -1;
    dev_t device_ = 0;
    ino_t inode_ = 0;
    QString error_;
};

}  // namespace fennick

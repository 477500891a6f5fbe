#pragma once
// The file operations of the program: copy, remove, rename, make a folder, save a whole
// file, append to a journal, and the two questions the file tools ask. Every change to the file system beyond
// a data file's records goes through here, so that tests can make any step fail.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

namespace fennick {

// What a file operation came to: error 0 when it succeeded, otherwise the program's error
// number (platform/ErrorNumbers.h) and a description naming the file.
struct FileResult {
    FileResult() = default;
    FileResult(int number, QString what, QString why = QString())
        : error(number), description(std::move(what)), reason(std::move(why)) {}
    int error = 0;
    QString description;
    // The reason alone, naming no file ("No space left on device"), for a caller that tells
    // the failure of the file it asked for under another name; empty when only the
    // description says it.
    QString reason;
    bool ok() const { return error == 0; }
};

class Files {
public:
    virtual ~Files() = default;
    // Copies the file from to the new file to; an existing to is not replaced (58). The
    // copy takes the name to only when every byte of it is on the disk.
    virtual FileResult copy(const QString& from, const QString& to) = 0;
    // Removes a file (53 when there is none).
    virtual FileResult remove(const QString& path) = 0;
    // Gives a file another name; an existing to is not replaced (58). A rename and a
    // removal are on the disk when they return.
    virtual FileResult rename(const QString& from, const QString& to) = 0;
    // Makes a folder and the folders above it; one that exists already is no error.
    virtual FileResult makeFolder(const QString& path) = 0;
    // Replaces path as a whole with bytes: they are written to a temporary file in the
    // same folder, which takes the file's place in one step once every byte of it is on
    // the disk. On failure (61 when the disk is full) the file is as it was.
    virtual FileResult save(const QString& path, const QByteArray& bytes) = 0;
    // Adds bytes at the end of path, which is made when it does not exist; the file is
    // never read or rewritten; the call returns once they are on the disk. On failure the
    // file is as it was (one this call made is removed again).
    virtual FileResult append(const QString& path, const QByteArray& bytes) = 0;
    // Whether a file or folder of that name exists.
    virtual bool exists(const QString& path) const = 0;
    // The names of the files (not folders) in a folder, sorted by name.
    virtual QStringList list(const QString& folder) const = 0;
};

// Whether the last part of path is a name the file system of its folder takes: no longer
// than its limit (NAME_MAX, in the file system's encoding).
bool NameFits(const QString& path);

// The name of a file the program keeps beside path for a while (a temporary copy, an old
// file kept until a set is in place, a journal): path followed by suffix and number (none
// when 0) when that name fits the file system; otherwise a short one in the same folder,
// ".fennick-" followed by a hash of path's name and suffix, and the number. A crusade may
// have a name as long as the file system allows, to which no suffix can be added.
QString NameBeside(const QString& path, const QString& suffix, int number = 0);

// Where a write to path lands, as an absolute path: path itself, or, for a link that names
// no file yet, the name it gives (followed from link to link), which a save or an append
// through it makes.
QString LandingPath(const QString& path);

// A file as the disk knows it, at the place a write to a path lands (LandingPath).
struct FileIdentity {
    bool exists = false;
    quint64 device = 0;
    quint64 inode = 0;
    QString folder;  // canonical where it exists
    QString name;
};
FileIdentity IdentityOf(const QString& path);

// Whether two names are one file: for files that exist, the same device and inode, however
// either is spelled (a symbolic or hard link, "..", a relative path, a folder reached
// twice); for a name that names no file yet, the same name in the same folder.
bool SameFile(const FileIdentity& a, const FileIdentity& b);
bool SameFile(const QString& a, const QString& b);

// The operations on the disk, with Qt Core and the system's calls; every failure says the
// system's reason.
class QtFiles : public Files {
public:
    // The steps in which a save or a copy makes its new file beside the target: made (without
    // a name where the file system allows), written, put on the disk, given a temporary name,
    // closed, and given the target's name.
    enum class Step { Create, Write, Sync, Name, Close, Rename };
    // For tests: fail gives the system error a step fails with (0: the step runs); named
    // makes every new file under a temporary name from the start, as on a file system that
    // has no unnamed files.
    struct Faults {
        std::function<int(Step)> fail;
        bool named = false;
    };
    void setFaults(Faults faults) { faults_ = std::move(faults); }

    FileResult copy(const QString& from, const QString& to) override;
    FileResult remove(const QString& path) override;
    FileResult rename(const QString& from, const QString& to) override;
    FileResult makeFolder(const QString& path) override;
    FileResult save(const QString& path, const QByteArray& bytes) override;
    FileResult append(const QString& path, const QByteArray& bytes) override;
    bool exists(const QString& path) const override;
    QStringList list(const QString& folder) const override;

private:
    Faults faults_;
};

}  // namespace fennick

#pragma once
// A random-access file of fixed-length records, numbered from 1, with no header.
// Records are read and written in place, one at a time; each write is one unbuffered
// system call at the record's place, so no part of a record waits in a buffer.

#include <QByteArray>
#include <QFile>
#include <QMap>
#include <QString>

#include <functional>
#include <optional>

namespace fennick {

class RecordFile {
public:
    // The system call that writes bytes at an offset of an open file, with pwrite's
    // contract: the number of bytes written, or -1 with errno set.
    using WriteCall = std::function<qint64(int fd, const char* data, qint64 size, qint64 offset)>;

    RecordFile() = default;
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    // Opens path for reading and writing with records of recLen bytes; creates an empty
    // file when createIfMissing and none exists. Throws VbError (53, 70, 75).
    void open(const QString& path, int recLen, bool createIfMissing = true);
    // Opens an existing file for reading only (a pre-registration file, an old file).
    void openReadOnly(const QString& path, int recLen);
    void close();
    bool isOpen() const { return file_.isOpen(); }
    QString path() const { return file_.fileName(); }
    int recordLength() const { return recLen_; }

    // Whole records in the file; a trailing partial record is not counted.
    qint64 recordCount() const;
    qint64 byteSize() const;

    // Record n (1-based) as the program holds it: the bytes of its refused write when one
    // is kept (see unwritten()), else the file's. Throws VbError 63 for n < 1 and 62 past
    // the end of the file.
    QByteArray read(qint64 n);
    // Writes record n (1-based); n may be one past the last record. Throws VbError 63 for
    // n < 1, 76 when the open file is no longer the file at its path (nothing is written),
    // and 61 naming the file and the system's reason when the write fails; the file is
    // then as it was: a record written over keeps its old bytes, one added is cut off.
    // While the file is not at its path, a write of a record of the file as the program
    // already holds it changes nothing and throws nothing (a refusal is told once per
    // change), and one as the file holds it lets go of the refused write of n. Once the
    // file is at its path again, the refused writes kept of its other records go first
    // (writeKept). Returns whether the bytes reached the file at its path: false for such a
    // write that changed nothing.
    bool write(qint64 n, const QByteArray& bytes);
    // Every whole record at once as the program holds them, for passes over the whole file.
    QByteArray readAll();
    // Record n and every whole record as the file itself holds them, without the refused
    // writes kept.
    QByteArray readFromFile(qint64 n);
    QByteArray readAllFromFile();
    // Writes every refused write kept of a record the file holds, when the file is at its
    // path again (otherwise nothing); record except is left, as a write of it follows.
    // Throws VbError 61 as write does, naming the record not written; those not reached
    // stay kept.
    void writeKept(qint64 except = 0);
    // Cuts a trailing partial record off the file. Throws VbError 61 when it cannot.
    void cutToWholeRecords();

    // Whether the open file is still the file at its path (the same device and inode):
    // false once it, or its folder, was removed, renamed or replaced.
    bool atItsPath() const;
    // What became of the file when it is no longer at its path, naming the folder when
    // that went, the file otherwise.
    QString whatWasLost() const;
    // Where the open file is now, as the system tells it (its folder may have been renamed);
    // empty when it was removed or the system cannot tell.
    QString currentPath() const;
    // The records whose write was refused since the file was opened because it was no
    // longer at its path, by number, as they were to be written (the last refused bytes of
    // each): what the program holds beyond the file.
    const QMap<qint64, QByteArray>& unwritten() const { return unwritten_; }
    // Lets go of the refused write of record n: the user left what it held.
    void forget(qint64 n) { putBackKept(n, std::nullopt); }
    // What is kept of record n beyond the file (nullopt: nothing), and putting that back:
    // for a command whose refused write the user is told did not happen.
    std::optional<QByteArray> kept(qint64 n) const;
    void putBackKept(qint64 n, const std::optional<QByteArray>& kept);

    // Counts every opening, closing, write (refused or not; not one that changes
    // nothing), cut of the file and refused write let go or put back: a copy of what the
    // program holds of the file taken at one count is still its own while the count is
    // the same.
    quint64 changes() const { return changes_; }

    // Replaces the write system call (tests make a write fail part way); an empty call
    // puts pwrite back.
    void setWriteCall(WriteCall call) { writeCall_ = std::move(call); }

    // Advisory lock of the whole file against other programs (flock). Returns false when
    // another process holds it.
    bool tryLock();
    void unlock();
    bool isLocked() const { return locked_; }

private:
    // Writes all of bytes at offset; false with errno set when the system refused part.
    bool writeAt(qint64 offset, const QByteArray& bytes);
    // Writes record n of recLen_ bytes in place; on failure the file is put back as it was
    // and VbError 61 thrown.
    void writeInPlace(qint64 n, const QByteArray& b);
    void noteIdentity();

    QFile file_;
    int recLen_ = 0;
    bool locked_ = false;
    // Which file was opened: its absolute path (the current folder may change meanwhile),
    // device and inode.
    QString absolutePath_;
    quint64 device_ = 0;
    quint64 inode_ = 0;
    WriteCall writeCall_;
    quint64 changes_ = 0;
    QMap<qint64, QByteArray> unwritten_;
};

}  // namespace fennick

#pragma once
// A random-access file of fixed-length records, numbered from 1, with no header.
// Records are read and written in place, one at a time; a write is flushed at once.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace fennick {

class RecordFile {
public:
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

    // Record n (1-based). Throws VbError 63 for n < 1 and 62 past the end of the file.
    QByteArray read(qint64 n);
    // Writes record n (1-based); n may be one past the last record. Throws VbError 63/61.
    void write(qint64 n, const QByteArray& bytes);
    // Every whole record at once, for passes over the whole file.
    QByteArray readAll();

    // Advisory lock of the whole file against other programs (flock). Returns false when
    // another process holds it.
    bool tryLock();
    void unlock();
    bool isLocked() const { return locked_; }

private:
    QFile file_;
    int recLen_ = 0;
    bool locked_ = false;
};

}  // namespace fennick

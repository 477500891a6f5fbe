#pragma once
// The kinds of write the crash-safety helper does in turn, and what the helper and the
// test that kills it both compute.

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QString>

#include <array>

namespace fennick::test {

inline constexpr std::array<const char*, 11> kCrashKinds = {
    "record edit", "record add", "settings", "zip file",         "member file", "export",
    "compaction",  "backup",     "restore",  "attendance erase", "statistics",
};
enum CrashKind { kRecordEdit, kRecordAdd, kSettings, kZipFile, kMemberFile, kExport,
                 kCompaction, kBackup,     kRestore,  kAttendanceErase, kStatistics };

inline QByteArray Sha(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}

// The SHA-1 of a file's bytes; "none" when there is no such file.
inline QByteArray FileSha(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? Sha(f.readAll()) : QByteArray("none");
}

// One hash of the files a backup or a restore replaces as a set (data, settings, member
// and zip file of crusade base in folder), so that a set half replaced shows.
inline QByteArray SetSha(const QString& folder, const QString& base) {
    QByteArray all;
    for (const char* ext : {".dta", ".inf", ".mem", ".zps"})
        all += ext + FileSha(QDir(folder).filePath(base + QLatin1String(ext))) + ' ';
    return Sha(all);
}

}  // namespace fennick::test

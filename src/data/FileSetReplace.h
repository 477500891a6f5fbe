#pragma once
// Replaces a set of files as one, for the backup, the restore and a crusade saved in
// another folder: every new file is first copied or written beside the file it replaces
// under a temporary name; only when every one is made are they put in place, each old
// file kept aside until all are in, so that a failure on the way puts every old file back
// and an earlier set is never left half replaced. A failure is told of the file of the
// set, never of the temporary name beside it, which the user does not know.

#include "data/FileUtil.h"
#include "platform/FileLock.h"
#include "platform/Files.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace fennick {

class FileSetReplace {
public:
    explicit FileSetReplace(Files& files) : files_(files) {}
    // Copies still lying beside their targets are removed, and the journal of a set not
    // begun to be put in place.
    ~FileSetReplace();
    FileSetReplace(const FileSetReplace&) = delete;
    FileSetReplace& operator=(const FileSetReplace&) = delete;

    // What becomes of the target of an optional source that is missing.
    enum class Missing { KeepTarget, RemoveTarget };

    // One file of the set: from is to replace to. A missing optional source is skipped,
    // its target kept or removed with the old files; a missing required one fails the
    // copying (53).
    void add(const QString& from, const QString& to, bool optional = false, Missing missing = Missing::KeepTarget);
    // One file of the set written from memory: bytes are to replace to.
    void addBytes(const QByteArray& bytes, const QString& to);
    // What the set is, kept in its journal for the one that ends the replacement if it is
    // cut off, to tell the user.
    void setOrigin(SetKind kind, const QString& source);

    // Ends a replacement cut off earlier in the sources' or the targets' folder (repaired
    // tells what it found), begins the journal of this one, locked until it ends, then
    // copies every source, and writes every file from memory, beside its target. On
    // failure the copies made so far are removed (what could not be removed is named by
    // leftOver) and the failure returned; an earlier replacement that could not be undone,
    // or one another program still makes, fails it before any copy is made.
    FileResult copyAll();
    // Puts the copies copyAll made in place of their targets. On failure every target is
    // put back as it was (leftOver names what could not be) and the failure returned.
    FileResult putInPlace();
    // Puts every old file back in place after putInPlace succeeded, for a set that could
    // not be used. False when some file could not be put back (named by leftOver): the
    // journal then stays, no longer locked, for the next opening to end.
    bool undo();
    // Removes the old files kept aside; their names stay in leftOver when they could not
    // be removed.
    void finish();

    // Plain sentences naming every file an operation left out of place: a copy not
    // removed, an old file kept under its temporary name.
    const QStringList& leftOver() const { return leftOver_; }
    // Whether the source was skipped as missing.
    bool skipped(const QString& to) const;
    // For each earlier replacement that copyAll ended, what it found and did (SetRepair).
    const QStringList& repaired() const { return repaired_; }

private:
    struct Entry {
        QString from, to;
        std::optional<QByteArray> bytes;  // written in place of a copy of from
        bool optional = false;
        Missing missing = Missing::KeepTarget;
        bool skipped = false;
        QString copy;     // the copy beside to, while it is not in place
        QString aside;    // the old to, while it is kept aside
        QString oldName;  // the name the old to is to be kept under
        bool placed = false;
    };
    // A name beside path, with the suffix, that no file has.
    QString unusedName(const QString& path, const QString& suffix) const;
    void removeCopies();
    // Writes the journal's first lines beside the first target and takes its lock.
    FileResult beginJournal();
    // Removes the journal of the replacement (or empties it when it cannot be removed),
    // then lets its lock go.
    void dropJournal();

    Files& files_;
    QList<Entry> entries_;
    QString journal_;  // from the first copy until the set is in place or put back
    FileLock lock_;    // the journal's, held meanwhile
    QStringList leftOver_;
    // The journal's line naming the kind of set and its source.
    QByteArray origin_;
    QStringList repaired_;
};

}  // namespace fennick

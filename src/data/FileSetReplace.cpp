#include "data/FileSetReplace.h"

#include "platform/ErrorNumbers.h"

#include <algorithm>

namespace fennick {

namespace {

// A failure on a file made beside target under a temporary name, told of target: what
// names the operation ("Could not write "), followed by target and the reason. The user
// knows no file of the temporary name.
FileResult OfTarget(const FileResult& r, const QString& what, const QString& target, const QString& temporary) {
    if (r.reason.isEmpty()) return FileResult{r.error, QString(r.description).replace(temporary, target)};
    return FileResult{r.error, what + target + QStringLiteral(": ") + r.reason, r.reason};
}

}  // namespace

FileSetReplace::~FileSetReplace() {
    removeCopies();
    // A set not begun to be put in place needs no journal; one put in place, neither
    // finished nor undone, keeps it for the next opening to end.
    const bool begun =
        std::any_of(entries_.begin(), entries_.end(), [](const Entry& e) { return e.placed || !e.aside.isEmpty(); });
    if (!begun) dropJournal();
}

void FileSetReplace::add(const QString& from, const QString& to, bool optional, Missing missing) {
    Entry e;
    e.from = from;
    e.to = to;
    e.optional = optional;
    e.missing = missing;
    entries_.append(e);
}

void FileSetReplace::addBytes(const QByteArray& bytes, const QString& to) {
    Entry e;
    e.to = to;
    e.bytes = bytes;
    entries_.append(e);
}

void FileSetReplace::setOrigin(SetKind kind, const QString& source) {
    origin_ = JournalOrigin(kind, source);
}

bool FileSetReplace::skipped(const QString& to) const {
    for (const Entry& e : entries_)
        if (e.to == to) return e.skipped;
    return false;
}

QString FileSetReplace::unusedName(const QString& path, const QString& suffix) const {
    QString name = NameBeside(path, suffix);
    for (int i = 1; files_.exists(name); ++i) name = NameBeside(path, suffix, i);
    return name;
}

void FileSetReplace::removeCopies() {
    for (Entry& e : entries_) {
        if (e.copy.isEmpty() || e.placed) continue;
        // A copy another program took away is gone all the same.
        if (!files_.remove(e.copy).ok() && files_.exists(e.copy))
            leftOver_ << QStringLiteral("The copy ") + e.copy + QStringLiteral(" is left.");
        e.copy.clear();
    }
}

FileResult FileSetReplace::copyAll() {
    // A replacement of either set cut off earlier is ended first: the old files come back.
    // One that cannot be ended keeps its journal, which this replacement's would replace.
    if (!entries_.isEmpty()) {
        QStringList sets;
        if (!entries_.first().bytes) sets << entries_.first().from;
        sets << entries_.first().to;
        for (const QString& set : sets) {
            const SetRepair repair = RecoverReplacedSet(files_, set);
            if (!repair.whole) return FileResult{err::PathFileAccess, repair.told};
            if (!repair.told.isEmpty()) repaired_ << repair.told;
        }
        if (const FileResult r = beginJournal(); !r.ok()) return r;
    }
    for (Entry& e : entries_) {
        if (!e.bytes && !files_.exists(e.from)) {
            if (e.optional) {
                e.skipped = true;
                continue;
            }
            removeCopies();
            dropJournal();
            return FileResult{err::FileNotFound, QStringLiteral("File not found: ") + e.from};
        }
        const QString copy = unusedName(e.to, QLatin1String(kNewCopySuffix));
        const FileResult r = e.bytes ? files_.save(copy, *e.bytes) : files_.copy(e.from, copy);
        if (!r.ok()) {
            removeCopies();
            dropJournal();
            if (e.bytes) return OfTarget(r, QStringLiteral("Could not write "), e.to, copy);
            return OfTarget(r, QStringLiteral("Could not copy ") + e.from + QStringLiteral(" to "), e.to, copy);
        }
        e.copy = copy;
    }
    return {};
}

FileResult FileSetReplace::putInPlace() {
    // A skipped entry takes part only when its stale target is to be dropped.
    const auto takesPart = [this](const Entry& e) {
        return !e.skipped || (e.missing != Missing::KeepTarget && files_.exists(e.to));
    };
    // The journal names every target's copy and old file before the first is moved, so
    // that a replacement cut off half way is put back when the crusade is next opened.
    // They are added to the journal copyAll began, whose lock goes with the file.
    QByteArray lines;
    QString first;  // the first target, named for a journal that cannot be written
    for (Entry& e : entries_) {
        if (!takesPart(e)) continue;
        e.oldName = files_.exists(e.to) ? unusedName(e.to, QLatin1String(kOldFileSuffix)) : QString();
        lines += (e.to + u'\t' + e.copy + u'\t' + e.oldName).toUtf8() + '\n';
        if (first.isEmpty()) first = e.to;
    }
    if (!lines.isEmpty()) {
        const FileResult r = files_.append(journal_, lines);
        if (!r.ok()) {
            const QString written = journal_;
            removeCopies();
            dropJournal();
            return OfTarget(r, QStringLiteral("Could not write "), first, written);
        }
    }
    for (Entry& e : entries_) {
        if (!takesPart(e)) continue;
        if (!e.oldName.isEmpty()) {
            const FileResult r = files_.rename(e.to, e.oldName);
            if (!r.ok()) {
                undo();
                return OfTarget(r, QStringLiteral("Could not replace "), e.to, e.oldName);
            }
            e.aside = e.oldName;
        }
        if (e.skipped) continue;  // a stale target, now aside to be removed
        const FileResult r = files_.rename(e.copy, e.to);
        if (!r.ok()) {
            undo();
            return OfTarget(r, QStringLiteral("Could not replace "), e.to, e.copy);
        }
        e.placed = true;
    }
    return {};
}

FileResult FileSetReplace::beginJournal() {
    const QString first = entries_.first().to;
    const QString journal = ReplaceJournalPath(first);
    QByteArray head = JournalHeader() + '\n';
    if (!origin_.isEmpty()) head += origin_ + '\n';
    // Made by appending, not saved whole: a save cut off would leave its temporary file,
    // which no opening takes for the journal's, while a journal cut off in its first lines
    // lists nothing to put back and is removed at the next opening.
    if (const FileResult r = files_.append(journal, head); !r.ok())
        return OfTarget(r, QStringLiteral("Could not write "), first, journal);
    // Another program that took the journal in the moment before its lock is ending it as
    // cut off, and removes it: this replacement gives way.
    switch (lock_.take(journal)) {
        case FileLock::Outcome::Taken:
        case FileLock::Outcome::NoLocks:  // no lock to be had: the journal still guards against a crash
            journal_ = journal;
            return {};
        default:
            return FileResult{err::PathFileAccess,
                              QStringLiteral("Could not replace ") + first +
                                  QStringLiteral(": another copy of Fennick is using the files there.")};
    }
}

void FileSetReplace::dropJournal() {
    if (journal_.isEmpty()) return;
    // A journal that cannot be removed is emptied, which leaves nothing to put back. It is
    // removed before its lock goes, so that nobody takes it for one cut off.
    if (!files_.remove(journal_).ok() && !files_.save(journal_, QByteArray()).ok())
        leftOver_ << QStringLiteral("The list of replaced files ") + journal_ + QStringLiteral(" is left.");
    journal_.clear();
    lock_.release();
}

bool FileSetReplace::undo() {
    bool complete = true;
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
        Entry& e = *it;
        if (e.placed) {
            // The new file goes back to its copy's name, to be removed with the others.
            if (files_.rename(e.to, e.copy).ok()) {
                e.placed = false;
            } else if (!e.aside.isEmpty()) {
                complete = false;
                leftOver_ << e.to + QStringLiteral(" holds the new file; the old one is kept as ") + e.aside +
                                 QStringLiteral(".");
                continue;
            } else {
                complete = false;
                leftOver_ << e.to + QStringLiteral(" holds the new file.");
                e.copy.clear();
                continue;
            }
        }
        if (!e.aside.isEmpty()) {
            if (files_.rename(e.aside, e.to).ok()) {
                e.aside.clear();
            } else {
                complete = false;
                leftOver_ << e.to + QStringLiteral(" is kept as ") + e.aside + QStringLiteral(".");
            }
        }
    }
    removeCopies();
    if (complete) {
        dropJournal();
    } else {
        // The journal stays for the next opening, which may end the replacement as one cut
        // off, this program's own included: the set is not used until then.
        journal_.clear();
        lock_.release();
    }
    return complete;
}

void FileSetReplace::finish() {
    dropJournal();  // from here on the new set stays
    for (Entry& e : entries_) {
        e.copy.clear();
        if (e.aside.isEmpty()) continue;
        if (!files_.remove(e.aside).ok())
            leftOver_ << QStringLiteral("The old file ") + e.aside + QStringLiteral(" is left.");
        e.aside.clear();
    }
}

}  // namespace fennick

#include "data/FileSetReplace.h"

#include "platform/ErrorNumbers.h"

#include <utility>

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
        if (!files_.remove(e.copy).ok()) leftOver_ << QStringLiteral("The copy ") + e.copy + QStringLiteral(" is left.");
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
    }
    for (Entry& e : entries_) {
        if (!e.bytes && !files_.exists(e.from)) {
            if (e.optional) {
                e.skipped = true;
                continue;
            }
            removeCopies();
            return FileResult{err::FileNotFound, QStringLiteral("File not found: ") + e.from};
        }
        const QString copy = unusedName(e.to, QLatin1String(kNewCopySuffix));
        const FileResult r = e.bytes ? files_.save(copy, *e.bytes) : files_.copy(e.from, copy);
        if (!r.ok()) {
            removeCopies();
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
    QByteArray journal = JournalHeader() + '\n';
    if (!origin_.isEmpty()) journal += origin_ + '\n';
    QString first;  // the first target, named for a journal that cannot be written
    for (Entry& e : entries_) {
        if (!takesPart(e)) continue;
        e.oldName = files_.exists(e.to) ? unusedName(e.to, QLatin1String(kOldFileSuffix)) : QString();
        journal += (e.to + u'\t' + e.copy + u'\t' + e.oldName).toUtf8() + '\n';
        if (journal_.isEmpty()) {
            journal_ = ReplaceJournalPath(e.to);
            first = e.to;
        }
    }
    if (!journal_.isEmpty()) {
        const FileResult r = files_.save(journal_, journal);
        if (!r.ok()) {
            const QString written = std::exchange(journal_, QString());
            removeCopies();
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

void FileSetReplace::dropJournal() {
    if (journal_.isEmpty()) return;
    // A journal that cannot be removed is emptied, which leaves nothing to put back.
    if (!files_.remove(journal_).ok() && !files_.save(journal_, QByteArray()).ok())
        leftOver_ << QStringLiteral("The list of replaced files ") + journal_ + QStringLiteral(" is left.");
    journal_.clear();
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
    if (complete) dropJournal();
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

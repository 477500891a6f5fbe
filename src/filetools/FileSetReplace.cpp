#include "filetools/FileSetReplace.h"

#include "platform/ErrorNumbers.h"

namespace fennick {

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

bool FileSetReplace::skipped(const QString& to) const {
    for (const Entry& e : entries_)
        if (e.to == to) return e.skipped;
    return false;
}

QString FileSetReplace::unusedName(const QString& path, const QString& suffix) const {
    QString name = path + suffix;
    for (int i = 1; files_.exists(name); ++i) name = path + suffix + QString::number(i);
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
    for (Entry& e : entries_) {
        if (!files_.exists(e.from)) {
            if (e.optional) {
                e.skipped = true;
                continue;
            }
            removeCopies();
            return FileResult{err::FileNotFound, QStringLiteral("File not found: ") + e.from};
        }
        const QString copy = unusedName(e.to, QStringLiteral(".fennick-new"));
        const FileResult r = files_.copy(e.from, copy);
        if (!r.ok()) {
            removeCopies();
            return r;
        }
        e.copy = copy;
    }
    return {};
}

FileResult FileSetReplace::putInPlace() {
    for (Entry& e : entries_) {
        if (e.skipped && (e.missing == Missing::KeepTarget || !files_.exists(e.to))) continue;
        if (files_.exists(e.to)) {
            const QString aside = unusedName(e.to, QStringLiteral(".fennick-old"));
            const FileResult r = files_.rename(e.to, aside);
            if (!r.ok()) {
                undo();
                return r;
            }
            e.aside = aside;
        }
        if (e.skipped) continue;  // a stale target, now aside to be removed
        const FileResult r = files_.rename(e.copy, e.to);
        if (!r.ok()) {
            undo();
            return r;
        }
        e.placed = true;
    }
    return {};
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
    return complete;
}

void FileSetReplace::finish() {
    for (Entry& e : entries_) {
        e.copy.clear();
        if (e.aside.isEmpty()) continue;
        if (!files_.remove(e.aside).ok())
            leftOver_ << QStringLiteral("The old file ") + e.aside + QStringLiteral(" is left.");
        e.aside.clear();
    }
}

}  // namespace fennick

#include "data/GuardedFiles.h"

#include "data/App.h"
#include "data/Errors.h"

#include <utility>

namespace fennick {

GuardedFiles::OwnSave::OwnSave(App& app, QList<OwnFile> kinds) : guard_(app.guardedFiles), kinds_(std::move(kinds)) {
    guard_.allowed_ += kinds_;
}

GuardedFiles::OwnSave::~OwnSave() {
    for (const OwnFile kind : kinds_) guard_.allowed_.removeOne(kind);
}

FileResult GuardedFiles::check(const QString& path) const {
    for (const ProtectedFile& file : ProtectedFilesAt(app_, path))
        if (!allowed_.contains(file.kind)) return FileResult{err::PathFileAccess, ProtectedFileText(file)};
    return {};
}

void GuardedFiles::checkPrinted(const QString& path) const {
    if (const FileResult refused = check(path); !refused.ok()) throw VbError(refused.error, refused.description);
}

FileResult GuardedFiles::copy(const QString& from, const QString& to) {
    if (FileResult refused = check(to); !refused.ok()) return refused;
    return files_.copy(from, to);
}

FileResult GuardedFiles::remove(const QString& path) {
    if (FileResult refused = check(path); !refused.ok()) return refused;
    return files_.remove(path);
}

FileResult GuardedFiles::rename(const QString& from, const QString& to) {
    if (FileResult refused = check(to); !refused.ok()) return refused;
    return files_.rename(from, to);
}

FileResult GuardedFiles::save(const QString& path, const QByteArray& bytes) {
    if (FileResult refused = check(path); !refused.ok()) return refused;
    return files_.save(path, bytes);
}

FileResult GuardedFiles::append(const QString& path, const QByteArray& bytes) {
    if (FileResult refused = check(path); !refused.ok()) return refused;
    return files_.append(path, bytes);
}

}  // namespace fennick

#pragma once
// The file operations as the program's code reaches them (App::files()): those of the
// platform, except that a save, an append, a copy or a rename onto one of the protected
// files (data/ProtectedFiles.h), or its removal, is refused unless it runs as that file's
// own save. The
// refusal changes nothing on the disk and reports error 75 with the file's text.

#include "data/ProtectedFiles.h"
#include "platform/Files.h"

#include <QList>

namespace fennick {

class App;

class GuardedFiles : public Files {
public:
    GuardedFiles(Files& files, const App& app) : files_(files), app_(app) {}
    GuardedFiles(const GuardedFiles&) = delete;
    GuardedFiles& operator=(const GuardedFiles&) = delete;

    // While one stands, the files of its kinds may be written: the save of the settings,
    // member or zip file, the ini file, the statistics data file, the journal's append, the
    // data file's compaction and conversion, a restore or a rescue of the crusade's set.
    class OwnSave {
    public:
        OwnSave(App& app, QList<OwnFile> kinds);
        ~OwnSave();
        OwnSave(const OwnSave&) = delete;
        OwnSave& operator=(const OwnSave&) = delete;

    private:
        GuardedFiles& guard_;
        QList<OwnFile> kinds_;
    };

    // Throws as VbError the refusal of a file a print is to make, as a save of it is refused.
    void checkPrinted(const QString& path) const;

    FileResult copy(const QString& from, const QString& to) override;
    FileResult remove(const QString& path) override;
    FileResult rename(const QString& from, const QString& to) override;
    FileResult makeFolder(const QString& path) override { return files_.makeFolder(path); }
    FileResult save(const QString& path, const QByteArray& bytes) override;
    FileResult append(const QString& path, const QByteArray& bytes) override;
    bool exists(const QString& path) const override { return files_.exists(path); }
    QStringList list(const QString& folder) const override { return files_.list(folder); }

private:
    // Error 0 when path may be written now, else the refusal.
    FileResult check(const QString& path) const;

    Files& files_;
    const App& app_;
    QList<OwnFile> allowed_;  // of the own saves standing, one entry each
};

}  // namespace fennick

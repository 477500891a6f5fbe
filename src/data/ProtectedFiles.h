#pragma once
// The files no command but each one's own save writes over: the open crusade's data,
// settings, member and zip files and its prayer journal, whether or not each exists yet,
// and the program's own: its ini file, the recent-files list and the statistics data file.
// A file is one of them when it is the same file on the disk (however the path is spelled:
// a link, a relative path) or, in the same folder, a name that differs in case only, as the
// program finds side files without regard to case.

#include <QList>
#include <QString>

namespace fennick {

class App;

// The statistics data file, which only the statistics write, and where it lies: the
// program folder.
inline const QString kStatDataFileName = QStringLiteral("StatData.txt");
QString StatDataPath(const App& app);

enum class OwnFile { DataFile, InfoFile, MemberFile, ZipFile, PrayerJournal, IniFile, RecentFiles, StatData };

// The crusade's own kinds are listed, with their names, in data/CrusadeSet.h.
struct ProtectedFile {
    OwnFile kind;
    QString path;
};

// The protected files that target names: the same file on the disk (an existing one by
// device and inode, so through links too), or a name in the same folder that differs in
// case only. A link that names no file yet stands for the file it names.
QList<ProtectedFile> ProtectedFilesAt(const App& app, const QString& target);

// What the file is, after its full path: "/home/ann/spring.dta is the open crusade's data
// file."
QString ProtectedFileText(const ProtectedFile& file);

// What the user is told when a file chosen to be written is a protected one: the file's
// text and "Choose another name."; empty for any other file.
QString WriteRefusal(const App& app, const QString& target);

}  // namespace fennick

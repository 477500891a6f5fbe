#include "CrusadeToolsFixture.h"

#include "CrusadeOnDisk.h"
#include "RecordBuilder.h"
#include "data/CrusadeFiles.h"
#include "data/SideFiles.h"
#include "mainwindow/MainLifecycle.h"
#include "views/Indexes.h"

#include <QDir>

namespace fennick::test {

CrusadeToolsWorld::CrusadeToolsWorld(SpringParts parts) : app(t.app) {
    CrusadeSpec s;
    AttendeeRecord gone = Person("0015", "Gone", "Away");
    gone.WorkerCode = "##";
    s.records = {Person("0012", "Mary", "Smith"), gone, Person("0013", "John", "Adams"),
                 Person("0014", "Ruth", "Baker")};
    if (parts.members) s.members = {MemberEntry("0040", "Brown", "Ann")};
    if (parts.zips) s.zips = {ZipEntry("62701", "IL", "03", "Springfield", 2)};
    spring = WriteCrusade(t, t.path(QStringLiteral("data")), QStringLiteral("spring"), s);
    if (parts.prayer) WriteFileBytes(data(QStringLiteral("spring_prayer.txt")), "Pray for Mary\r\n");
    QDir().mkpath(t.path(QStringLiteral("backup")));
    app.hooks.editForm = &screen;
    app.hooks.closeTableWindows = [this] { closings << QStringLiteral("tables"); };
    app.hooks.closeCrusadeWindows = [this] { closings << QStringLiteral("windows"); };
    load(spring);
}

QString CrusadeToolsWorld::data(const QString& name) const {
    return QDir(t.path(QStringLiteral("data"))).filePath(name);
}

QString CrusadeToolsWorld::backup(const QString& name) const {
    return QDir(t.path(QStringLiteral("backup"))).filePath(name);
}

void CrusadeToolsWorld::load(const QString& file) {
    if (!OpenCrusade(app, file)) throw std::runtime_error("the crusade did not open");
    IndexAlpha(app);
    ShowCurrentRecord(app, screen);
    SaveCrusadeFiles(app);
    t.files.calls.clear();
    t.dialogs.clear();
    closings.clear();
}

FolderFiles FilesIn(const QString& folder) {
    FolderFiles out;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) out.insert(name, ReadFileBytes(dir.filePath(name)));
    return out;
}

}  // namespace fennick::test

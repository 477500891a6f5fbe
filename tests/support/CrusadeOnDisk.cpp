#include "CrusadeOnDisk.h"

#include "RecordBuilder.h"
#include "data/InfoFile.h"
#include "data/IniFile.h"

#include <QDir>

namespace fennick::test {

namespace {
void WriteLines(const QString& path, const QList<QByteArray>& lines) {
    QByteArray all;
    for (const QByteArray& l : lines) all += l + "\r\n";
    WriteFileBytes(path, all);
}
}  // namespace

QString WriteCrusade(TestApp& t, const QString& folder, const QString& name, const CrusadeSpec& spec) {
    QDir().mkpath(folder);
    const QString dataFile = QDir(folder).filePath(name + QStringLiteral(".dta"));
    WriteDataFile(dataFile, spec.records);

    const CrusadeSettings kept = t.app.settings;
    const QString keptFile = t.app.program.DataFile;
    SetDataFile(t.app, dataFile);
    SetDefaultInfo(t.app);
    t.app.settings.CrusadeName = name;
    t.app.settings.LastMeeting = spec.lastMeeting;
    t.app.settings.ReservedDirection = QStringLiteral("UP");
    t.app.settings.TeamNames[1] = spec.team1;
    SaveInfoFile(t.app);
    t.app.settings = kept;
    SetDataFile(t.app, keptFile);

    const QString base = QDir(folder).filePath(name);
    if (!spec.members.isEmpty()) WriteLines(base + QStringLiteral(".mem"), spec.members);
    if (!spec.zips.isEmpty()) WriteLines(base + QStringLiteral(".zps"), spec.zips);
    return dataFile;
}

void WriteIni(TestApp& t, const QString& dataFile) {
    WriteLines(IniFilePath(t.app), {dataFile.toUtf8(), "Available", "-1 ", " 0 ", " 0 "});
}

QList<QByteArray> FileLines(const QString& path) {
    QList<QByteArray> lines = ReadFileBytes(path).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    for (QByteArray& l : lines)
        if (l.endsWith('\r')) l.chop(1);
    return lines;
}

}  // namespace fennick::test

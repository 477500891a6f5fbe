#include "data/SideFiles.h"

#include "data/App.h"
#include "data/Errors.h"
#include "data/FileUtil.h"
#include "data/SequentialText.h"
#include "data/Text.h"
#include "data/Utilities.h"
#include "platform/Dialogs.h"

namespace fennick {

namespace {

// The entries of a side file, one per line; empty lines are passed over. Throws VbError.
QList<QByteArray> ReadEntries(const QString& path) {
    SequentialTextReader in = SequentialTextReader::fromFile(path);
    QList<QByteArray> entries;
    while (!in.atEnd()) {
        QByteArray entry = in.readItemBytes();
        if (!entry.isEmpty()) entries.append(std::move(entry));
    }
    return entries;
}

// The file of entries 1..count (empty ones left out); empty when none is left.
QByteArray EntriesFile(const QList<QByteArray>& table, int count) {
    SequentialTextWriter out;
    for (const QByteArray& entry : EntriesToWrite(table, count)) WriteValue(out, entry);
    return out.data();
}

// What a side file holds, for its messages: "church member" and "names", "zip code" and
// "zip codes".
struct SideFileKind {
    QString list;
    QString entries;
    qsizetype most;
};

// The entries of a side file. A missing file gives none; a file that cannot be read or
// holds more entries than the table takes is reported, gives none and is marked
// unreadable so that it is never replaced by a shorter table; when unusable is given, the
// report is left there instead.
QList<QByteArray> LoadEntries(App& app, const QString& path, const SideFileKind& kind, bool& unreadable,
                              QString* unusable) {
    unreadable = false;
    QString why;
    try {
        QList<QByteArray> entries = ReadEntries(path);
        if (entries.size() <= kind.most) return entries;
        why = QStringLiteral("holds %1 %2; Fennick can keep at most %3.")
                  .arg(entries.size())
                  .arg(kind.entries)
                  .arg(kind.most);
    } catch (const VbError& e) {
        if (e.number() == err::FileNotFound) return {};
        why = QStringLiteral("could not be read:") + NewLine + e.description();
    }
    unreadable = true;
    if (unusable) {
        *unusable = why;
        return {};
    }
    app.msg.MsgText = QStringLiteral("The ") + kind.list + QStringLiteral(" file ") + path + u' ' + why + NewLine +
                      NewLine + QStringLiteral("Fennick starts with an empty ") + kind.list +
                      QStringLiteral(" list and leaves the file as it is.");
    app.dialogs().msgBox(app.msg.MsgText, Buttons::OK, Icon::Exclamation);
    return {};
}

}  // namespace

QList<QByteArray> EntriesToWrite(const QList<QByteArray>& table, int count) {
    QList<QByteArray> entries;
    for (int i = 1; i <= count && i < table.size(); ++i)
        if (!table[i].isEmpty()) entries.append(table[i]);
    return entries;
}

QByteArray MemberEntry(const QByteArray& rnum, const QByteArray& lastName, const QByteArray& firstName) {
    return Fixed(rnum, 4) + Fixed(lastName, 15) + Fixed(firstName, 15);
}

QByteArray ZipEntry(const QByteArray& zipKey, const QByteArray& state, const QByteArray& team, const QByteArray& city,
                    int count) {
    return Fixed(zipKey, 10) + Fixed(state, 2) + Fixed(team, 2) + Fixed(city, 15) + Ansi(RightJust4(count));
}

void WriteValue(SequentialTextWriter& out, const QByteArray& value) {
    const bool quoted = value.startsWith(' ') || value.startsWith('\t') || value.startsWith('"');
    out.bytes(quoted ? '"' + value + '"' : value);
}

void WriteValue(SequentialTextWriter& out, const QString& value) {
    WriteValue(out, Ansi(value));
}

void LoadMembers(App& app, QString* unusable) {
    Crusade& c = app.crusade;
    const QString path = SideFileName(app.program.DataFile, QStringLiteral("mem"));
    const SideFileKind kind{QStringLiteral("church member"), QStringLiteral("names"), 32767};
    const QList<QByteArray> entries = LoadEntries(app, path, kind, c.MemberFileUnreadable, unusable);
    c.MemberNames = QList<QByteArray>(1) + entries;
    c.MemberCount = qint16(entries.size());
}

QByteArray MemberFileBytes(const App& app) {
    const Crusade& c = app.crusade;
    if (c.MemberCount <= 0 || c.MemberFileUnreadable) return QByteArray();
    return EntriesFile(c.MemberNames, c.MemberCount);
}

void SaveMembers(App& app) {
    const QByteArray bytes = MemberFileBytes(app);
    const GuardedFiles::OwnSave own(app, {OwnFile::MemberFile});
    if (!bytes.isEmpty()) WriteWholeFile(app.files(), SideFileName(app.program.DataFile, QStringLiteral("mem")), bytes);
}

void LoadZips(App& app, QString* unusable) {
    Crusade& c = app.crusade;
    const QString path = SideFileName(app.program.DataFile, QStringLiteral("zps"));
    const SideFileKind kind{QStringLiteral("zip code"), QStringLiteral("zip codes"), kMaxZips};
    const QList<QByteArray> entries = LoadEntries(app, path, kind, c.ZipFileUnreadable, unusable);
    c.ZipTable = QList<QByteArray>(kZipSlots);
    for (qsizetype i = 0; i < entries.size(); ++i) c.ZipTable[i + 1] = entries[i];
    c.ZipCount = qint16(entries.size());
}

QByteArray ZipFileBytes(const App& app) {
    const Crusade& c = app.crusade;
    if (c.ZipCount <= 0 || c.ZipFileUnreadable) return QByteArray();
    return EntriesFile(c.ZipTable, c.ZipCount);
}

void SaveZips(App& app) {
    const QByteArray bytes = ZipFileBytes(app);
    const GuardedFiles::OwnSave own(app, {OwnFile::ZipFile});
    if (!bytes.isEmpty()) WriteWholeFile(app.files(), SideFileName(app.program.DataFile, QStringLiteral("zps")), bytes);
}

}  // namespace fennick

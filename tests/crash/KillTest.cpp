// The crash-safety test: the helper program writes to a crusade without end and is killed
// with SIGKILL at seeded random moments. After each kill every file holds its content from
// before the save cut off or after it, every record its content from before the record
// write cut off or after it, a set half replaced is put back, nothing is left that a
// command would take for a crusade file, and the crusade opens from the start screen's
// "Last File" and repairs.

#include "CrashWork.h"
#include "CrusadeOnDisk.h"
#include "FakePlatform.h"
#include "FakeStartScreen.h"
#include "RecordBuilder.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/FileUtil.h"
#include "data/FixFiles.h"
#include "data/InfoFile.h"
#include "data/IniFile.h"
#include "data/SideFiles.h"
#include "data/StartUp.h"
#include "statistics/StatDataFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <signal.h>

#include <cstdio>
#include <map>
#include <optional>
#include <random>
#include <set>

using namespace fennick;
using namespace fennick::test;

namespace {

constexpr int kRecLen = AttendeeRecord::Size;

// What the helper said before it was killed. A save or a record write it told is finished
// once any later line was said; only the last line's may have been cut off.
struct Said {
    int kind = -1;             // the kind its last "begin" named
    bool inWrite = false;      // killed between a "begin" and its "done"
    QList<QByteArray> hashes;  // the set before and after, for a backup or a restore
    int writes = 0;            // writes finished
    std::map<QString, QByteArray> saved;  // path: hash of the last save finished
    std::map<qsizetype, QByteArray> records;
    std::optional<std::pair<QString, QByteArray>> cutSave;  // the last line, a save
    std::optional<std::pair<qsizetype, QByteArray>> cutRecord;
    QByteArray cutRecordBytes;  // the bytes the last line's record write was writing
};

Said Parse(const QByteArray& out) {
    Said s;
    for (const QByteArray& line : out.split('\n')) {
        if (line.isEmpty()) continue;
        if (s.cutSave) s.saved[s.cutSave->first] = s.cutSave->second;
        if (s.cutRecord) s.records[s.cutRecord->first] = s.cutRecord->second;
        s.cutSave.reset();
        s.cutRecord.reset();
        const QList<QByteArray> w = line.split(' ');
        if (w[0] == "begin") {
            s.kind = w.value(1).toInt();
            s.inWrite = true;
            s.hashes = w.mid(2);
        } else if (w[0] == "done") {
            s.inWrite = false;
            ++s.writes;
        } else if (w[0] == "save" && w.size() >= 3) {
            s.cutSave.emplace(QString::fromUtf8(line.mid(6 + w[1].size())), w[1]);
        } else if (w[0] == "record" && w.size() == 4) {
            s.cutRecord.emplace(w[1].toLongLong(), w[2]);
            s.cutRecordBytes = QByteArray::fromHex(w[3]);
        }
    }
    return s;
}

bool IsNumber(const QByteArray& rnum) {
    if (rnum.size() != 4) return false;
    for (char c : rnum)
        if (c < '0' || c > '9') return false;
    return true;
}

// Names a later command would take for a crusade's file: those of its four kinds.
bool LooksLikeCrusadeFile(const QString& name) {
    for (const char* ext : {".dta", ".inf", ".mem", ".zps"})
        if (name.endsWith(QLatin1String(ext), Qt::CaseInsensitive)) return true;
    return false;
}

const QStringList kOwn = {"Fennick.ini", "StatData.txt", "backup",    "spring.dta",
                          "spring.inf",  "spring.mem",   "spring.txt", "spring.zps"};

// The whole files checked as old or new: all but the data file, which only the compaction
// saves whole, and the set a restore replaces by renaming.
QStringList WholeFiles(int kind) {
    if (kind == kRestore) return {"Fennick.ini", "StatData.txt", "spring.txt"};
    QStringList files = {"Fennick.ini", "StatData.txt", "spring.inf", "spring.mem", "spring.txt", "spring.zps"};
    if (kind == kCompaction) files << "spring.dta";
    return files;
}

// The crusade folder as it was when the helper started.
struct Before {
    std::map<QString, QByteArray> sha;  // whole files
    QByteArray data;
};

Before Snapshot(const QString& folder) {
    Before b;
    for (const QString& n : WholeFiles(kCompaction)) b.sha[n] = FileSha(QDir(folder).filePath(n));
    b.data = ReadFileBytes(QDir(folder).filePath(QStringLiteral("spring.dta")));
    return b;
}

QByteArray Record(const QByteArray& data, qsizetype n) {
    return n * kRecLen <= data.size() ? data.mid((n - 1) * kRecLen, kRecLen) : QByteArray();
}

// What the attendance erase pass leaves alone: the number, the names, the worker code.
QByteArray Identity(const QByteArray& record) {
    if (record.isEmpty()) return "none";
    const AttendeeRecord r = AttendeeRecord::decode(record);
    return r.RNum.bytes() + '|' + r.FName.bytes().trimmed() + '|' + r.LName.bytes().trimmed() + '|' +
           r.WorkerCode.bytes();
}

// A write is copied into the file a page at a time, and SIGKILL stops it between two pages:
// a record that straddles a page boundary can be left with its new bytes up to that
// boundary and its old ones (none, at the end of the file) after it. A kill cannot tear it
// anywhere else.
constexpr qsizetype kPage = 4096;
int tornRecords = 0;  // records found torn so, counted for the summary
int asideKills = 0;   // kills that left the data file moved aside by a restore

bool TornAtAPage(const QByteArray& now, const QByteArray& was, const QByteArray& written, qsizetype offset) {
    for (qsizetype b = (offset / kPage + 1) * kPage; b < offset + kRecLen; b += kPage) {
        const qsizetype cut = b - offset;
        if (now.left(cut) == written.left(cut) && now.mid(cut) == was.mid(cut)) return true;
    }
    return false;
}

// Part of the record being added at the end, cut at a page boundary, as the next opening
// keeps it aside.
bool TornAdd(const QByteArray& data, const Said& said) {
    const qsizetype whole = data.size() - data.size() % kRecLen;
    return said.cutRecord && said.cutRecord->first == whole / kRecLen + 1 &&
           TornAtAPage(data.mid(whole), QByteArray(), said.cutRecordBytes, whole);
}

// The files just after the kill, before anything opens them.
void CheckFilesAsLeft(const QString& folder, int kind, const Said& said, const Before& before) {
    for (const QString& sub : {folder, folder + QStringLiteral("/backup")})
        for (const QString& n : QDir(sub).entryList(QDir::Files))
            EXPECT_TRUE(kOwn.contains(n) || !LooksLikeCrusadeFile(n)) << "taken for a crusade file: " << n.toStdString();

    for (const QString& n : WholeFiles(kind)) {
        const QString path = QDir(folder).filePath(n);
        const auto saved = said.saved.find(path);
        std::set<QByteArray> valid = {saved != said.saved.end() ? saved->second : before.sha.at(n)};
        if (said.cutSave && said.cutSave->first == path) valid.insert(said.cutSave->second);
        EXPECT_TRUE(valid.count(FileSha(path))) << n.toStdString() << " holds neither its old nor its new content";
    }

    // A restore cut off while it moves its set into place leaves the data file moved aside
    // until the next opening puts the set back, which is checked there.
    const QString dataFile = QDir(folder).filePath(QStringLiteral("spring.dta"));
    if (kind == kRestore && !QFileInfo::exists(dataFile)) return;
    QByteArray data = ReadFileBytes(dataFile);
    if (data.size() % kRecLen != 0) {
        ASSERT_TRUE(TornAdd(data, said)) << "a part record";
        data.chop(data.size() % kRecLen);
        ++tornRecords;
    }
    for (qsizetype at = 0; at < data.size(); at += kRecLen) {
        const QByteArray record = data.mid(at, kRecLen);
        const AttendeeRecord r = AttendeeRecord::decode(record);
        ASSERT_TRUE(IsNumber(r.RNum.bytes()) && r.encode() == record) << "record at " << at << " does not decode";
    }
    if (kind == kCompaction || kind == kRestore) return;  // whole, or as a set, as checked above and after opening
    // Every record holds what it held or what the helper wrote to it last; only the write
    // cut off may be either. The erase pass's own writes change attendance only.
    const qsizetype records = std::max(data.size(), before.data.size()) / kRecLen;
    for (qsizetype n = 1; n <= records; ++n) {
        const QByteArray was = Record(before.data, n);
        const QByteArray now = Record(data, n);
        const auto written = said.records.find(n);
        std::set<QByteArray> valid = {written != said.records.end() ? written->second
                                      : was.isEmpty()               ? QByteArray("none")
                                                                    : Sha(was)};
        if (said.cutRecord && said.cutRecord->first == n) valid.insert(said.cutRecord->second);
        if (valid.count(now.isEmpty() ? QByteArray("none") : Sha(now))) continue;
        if (kind == kAttendanceErase && Identity(now) == Identity(was)) continue;
        if (said.cutRecord && said.cutRecord->first == n &&
            TornAtAPage(now, was, said.cutRecordBytes, (n - 1) * kRecLen)) {
            ++tornRecords;
            continue;
        }
        ADD_FAILURE() << "record " << n << " holds neither its old nor its new content";
    }
}

// A set replaced by a backup or a restore: the one before it or the one after, whole.
void CheckSet(const QString& folder, const Said& said) {
    if (said.hashes.size() != 2) return;  // no such write begun
    const QByteArray now = SetSha(folder, QStringLiteral("spring"));
    if (said.inWrite)
        EXPECT_TRUE(now == said.hashes[0] || now == said.hashes[1]) << "a set half replaced in " << folder.toStdString();
    else
        EXPECT_EQ(now.toStdString(), said.hashes[1].toStdString()) << "a set not replaced in " << folder.toStdString();
}

// The crusade opened and read as the program reads it. live: the live records, never
// fewer than before but after a restore.
void CheckCrusade(const QString& folder, int kind, const Said& said, int& live) {
    // Opening ends any replacement of the crusade's set that was cut off and removes what
    // it left. Where the file system makes files without a name, a whole-file save names
    // its new file only once it is whole, in its last steps: the save cut off there may
    // leave it under its temporary name ("spring.inf.AbCdEf"), holding every byte, and no
    // other. Elsewhere a save's file has that name from the start and may stay.
    const bool unnamed = OffersUnnamedFiles(folder);
    const QString dataFile = QDir(folder).filePath(QStringLiteral("spring.dta"));
    // (A restore cut off may have left the data file moved aside, for the opening to put back.)
    const QByteArray asLeft = QFileInfo::exists(dataFile) ? ReadFileBytes(dataFile) : QByteArray();
    const bool tornAdd = asLeft.size() % kRecLen != 0 && TornAdd(asLeft, said);
    if (!QFileInfo::exists(dataFile)) ++asideKills;
    // Opened as the program started again opens it: the start screen's Last File.
    TestApp o;
    o.dialogs.otherwise(AnsYes);
    WriteIni(o, dataFile);
    FakeStartScreen start;
    frmSplash_Load(o.app, start, [] { return true; });
    ASSERT_TRUE(o.app.crusade.FileIsOpen) << o.dialogs.messages().join(u'|').toStdString();
    // A record added in part is kept aside with the whole file, and the file cut to its
    // whole records.
    const QString tail = dataFile + QStringLiteral(".tail");
    if (tornAdd) {
        EXPECT_EQ(ReadFileBytes(tail), asLeft);
        EXPECT_EQ(ReadFileBytes(dataFile), asLeft.left(asLeft.size() - asLeft.size() % kRecLen));
        EXPECT_TRUE(QFile::remove(tail));
    }
    for (const QString& n : QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const bool saveTemporary = n.size() > 7 && kOwn.contains(n.left(n.size() - 7)) && n.at(n.size() - 7) == u'.';
        EXPECT_TRUE(kOwn.contains(n) || saveTemporary) << "left over: " << n.toStdString();
        if (!saveTemporary || !unnamed) continue;
        const QString path = QDir(folder).filePath(n);
        EXPECT_TRUE(said.cutSave && said.cutSave->first == QDir(folder).filePath(n.left(n.size() - 7)) &&
                    FileSha(path) == said.cutSave->second)
            << "a temporary file not of the save cut off, or not whole: " << n.toStdString();
        QFile::remove(path);
    }
    if (kind == kRestore) CheckSet(folder, said);
    if (kind == kBackup) {
        // The next backup or restore first ends a replacement of the backup's set cut off.
        const QString backupFolder = QDir(folder).filePath(QStringLiteral("backup"));
        RecoverReplacedSet(o.files, QDir(backupFolder).filePath(QStringLiteral("spring.dta")));
        CheckSet(backupFolder, said);
    }

    TestApp t;
    t.dialogs.otherwise(AnsYes);
    App& app = t.app;
    SetDataFile(app, dataFile);
    ASSERT_TRUE(LoadInfoFile(app));
    EXPECT_TRUE(app.crusade.UnreadableInfoFile.isEmpty());
    EXPECT_TRUE(app.settings.LastMeeting == 5 || app.settings.LastMeeting == 6) << app.settings.LastMeeting;
    LoadZips(app);
    LoadMembers(app);
    ASSERT_EQ(app.crusade.ZipCount, 1);
    ASSERT_EQ(app.crusade.MemberCount, 1);
    EXPECT_TRUE(app.crusade.ZipTable[1].endsWith("   2") || app.crusade.ZipTable[1].endsWith("   3"));
    EXPECT_TRUE(app.crusade.MemberNames[1].contains("Ann")) << app.crusade.MemberNames[1].constData();
    const QString exported = QDir(folder).filePath(QStringLiteral("spring.txt"));
    if (QFileInfo::exists(exported)) {
        const QByteArray text = ReadFileBytes(exported);
        EXPECT_TRUE(text.isEmpty() || text.endsWith("\r\n"));
        for (const QByteArray& line : text.split('\n'))
            EXPECT_TRUE(line.isEmpty() || line.count('\t') == 10) << "export line: " << line.constData();
    }
    // The workbook reads the statistics file by position: 286 lines, the zip entries, and
    // 14 lines for each of 20 teams.
    const QString stats = QDir(folder).filePath(kStatDataFileName);
    if (QFileInfo::exists(stats)) {
        const QList<QByteArray> lines = ReadFileBytes(stats).split('\n');
        ASSERT_GE(lines.size(), 286);
        EXPECT_EQ(lines.size() - 1, 286 + lines[285].trimmed().toInt() + 20 * 14);
        EXPECT_TRUE(lines.last().isEmpty());
    }
    EXPECT_TRUE(t.dialogs.messages().isEmpty()) << t.dialogs.messages().join(u'|').toStdString();

    // The crusade repairs with no live record lost.
    o.app.hooks.fixFiles = [&o] { return FixFiles(o.app); };
    RepairCrusade(o.app);
    int now = 0;
    for (const AttendeeRecord& r : ReadAllRecords(o.app)) now += r.isDeleted() ? 0 : 1;
    if (kind != kRestore) {
        EXPECT_GE(now, live);
    }
    live = now;
    o.app.hooks.fixFiles = nullptr;
}

TEST(KillTest, EveryKindOfWriteSurvivesSigkill) {
    const unsigned seed = qEnvironmentVariableIsSet("FENNICK_KILL_SEED")
                              ? unsigned(qEnvironmentVariableIntValue("FENNICK_KILL_SEED"))
                              : unsigned(std::random_device{}());
    const int kinds = int(kCrashKinds.size());
    const int kills = qEnvironmentVariableIsSet("FENNICK_KILLS") ? qEnvironmentVariableIntValue("FENNICK_KILLS")
                                                                 : 20 * kinds;
    std::printf("kill test seed %u (FENNICK_KILL_SEED repeats it)\n", seed);
    RecordProperty("seed", int(seed));
    std::mt19937 rng(seed);

    TestApp t;
    const QString folder = t.path("crusade");
    CrusadeSpec spec;
    for (int i = 0; i < 40; ++i)
        spec.records << Person(QByteArray::number(100 + i).rightJustified(4, '0'), "Ann", "Lee");
    spec.members = {MemberEntry("0040", "Brown", "Ann")};
    spec.zips = {ZipEntry("62701", "IL", "01", "Springfield", 2)};
    WriteCrusade(t, folder, QStringLiteral("spring"), spec);

    // Kills in a write and between two, per kind. The kinds in turn; past the planned
    // kills, more of any kind cut off in fewer than three writes, up to a bound.
    constexpr int kInWriteWanted = 3, kExtraBound = 60;
    std::vector<int> inWrite(size_t(kinds), 0), between(size_t(kinds), 0);
    const auto nextKind = [&](int k) {
        if (k < kills) return k % kinds;
        for (int kind = 0; kind < kinds; ++kind)
            if (inWrite[size_t(kind)] < kInWriteWanted && inWrite[size_t(kind)] + between[size_t(kind)] < kills / kinds + kExtraBound)
                return kind;
        return -1;
    };
    int live = int(spec.records.size());
    for (int k = 0, kind = nextKind(0); kind >= 0 && !testing::Test::HasFatalFailure(); kind = nextKind(++k)) {
        const Before before = Snapshot(folder);
        QProcess helper;
        // The first restore is killed at the moment a random kill seldom meets: once it
        // has moved the data file aside, before the backup's takes its place.
        const bool aside = kind == kRestore && inWrite[size_t(kind)] + between[size_t(kind)] == 0;
        QStringList arguments = {folder, QString::number(kind), QString::number(rng())};
        if (aside) arguments << QStringLiteral("aside");
        helper.start(QStringLiteral(FENNICK_CRASHLOOP), arguments);
        ASSERT_TRUE(helper.waitForStarted());
        QByteArray out;
        const QByteArray wanted = aside ? "aside\n" : "ready\n";
        while (!out.contains(wanted) && helper.waitForReadyRead(20000)) out += helper.readAllStandardOutput();
        ASSERT_TRUE(out.contains(wanted)) << out.constData() << helper.readAllStandardError().constData();
        // Mostly within the first writes; now and then after many.
        if (!aside) QThread::usleep(unsigned(rng() % 3000) + (rng() % 2 == 0 ? unsigned(rng() % 40000) : 0u));
        ::kill(pid_t(helper.processId()), SIGKILL);
        helper.waitForFinished();
        out += helper.readAllStandardOutput();
        ASSERT_EQ(helper.exitStatus(), QProcess::CrashExit) << "the helper ended by itself: " << out.constData();
        const Said said = Parse(out);
        ASSERT_TRUE(said.kind == kind || said.kind == -1) << "the helper wrote a " << said.kind;
        (said.inWrite ? inWrite : between)[size_t(kind)]++;
        SCOPED_TRACE("kill " + std::to_string(k) + (said.inWrite ? " in a " : " after a ") + kCrashKinds[size_t(kind)] +
                     " (writes finished: " + std::to_string(said.writes) + ")");
        CheckFilesAsLeft(folder, kind, said, before);
        CheckCrusade(folder, kind, said, live);
    }
    int all = 0, cut = 0;
    std::printf("%-18s %8s %8s\n", "kills", "in write", "between");
    for (int kind = 0; kind < kinds; ++kind) {
        std::printf("%-18s %8d %8d\n", kCrashKinds[size_t(kind)], inWrite[size_t(kind)], between[size_t(kind)]);
        all += inWrite[size_t(kind)] + between[size_t(kind)];
        cut += inWrite[size_t(kind)];
        EXPECT_GE(inWrite[size_t(kind)], 1) << kCrashKinds[size_t(kind)] << " was never cut off in its write";
    }
    std::printf("%-18s %8d %8d (%d kills)\n", "all", cut, all - cut, all);
    std::printf("records torn at a page boundary: %d\n", tornRecords);
    std::printf("restores killed with the data file moved aside: %d\n", asideKills);
    EXPECT_GE(all, kills);
    EXPECT_GE(asideKills, 1);
}

}  // namespace

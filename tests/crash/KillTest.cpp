// The crash-safety test: the helper program writes to a crusade without end and is killed
// with SIGKILL at seeded random moments; after each kill every file of the crusade must
// read whole, hold its old or its new content, and the crusade must open and repair.

#include "CrashWork.h"
#include "CrusadeOnDisk.h"
#include "FakePlatform.h"
#include "RecordBuilder.h"
#include "ViewFixture.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/FixFiles.h"
#include "data/InfoFile.h"
#include "data/IniFile.h"
#include "data/SideFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <signal.h>

#include <cstdio>
#include <map>
#include <random>

using namespace fennick;
using namespace fennick::test;

namespace {

// What the helper said last.
struct Said {
    int kind = 0;
    bool inWrite = false;      // killed between a "begin" and its "done"
    QList<QByteArray> hashes;  // before and after, for a compaction or a restore
    int writes = 0;            // writes finished
};

Said Parse(int kind, const QByteArray& out) {
    Said s;
    s.kind = kind;
    for (const QByteArray& line : out.split('\n')) {
        const QList<QByteArray> w = line.split(' ');
        if (w.value(0) == "begin") {
            s.inWrite = true;
            s.hashes = w.mid(2);
        } else if (w.value(0) == "done") {
            s.inWrite = false;
            ++s.writes;
        }
    }
    return s;
}

QByteArray Sha(const QByteArray& bytes) { return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex(); }

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

// Every file of the crusade read as the program reads it, after a kill. live: the live
// records, which are never fewer than before but after a restore.
void CheckCrusade(const QString& folder, const Said& said, int& live) {
    const QStringList own = {"Fennick.ini", "backup",     "spring.dta", "spring.inf",
                             "spring.mem",  "spring.txt", "spring.zps"};
    for (const QString& sub : {folder, folder + QStringLiteral("/backup")})
        for (const QString& n : QDir(sub).entryList(QDir::Files))
            EXPECT_TRUE(own.contains(n) || !LooksLikeCrusadeFile(n)) << "taken for a crusade file: " << n.toStdString();

    // Opening ends any replacement that was cut off and removes what it left. The temporary
    // file of a whole-file save cut off ("spring.inf.AbCdEf") may stay, as no command takes
    // it for a crusade's file.
    const QString dataFile = QDir(folder).filePath(QStringLiteral("spring.dta"));
    TestApp o;
    o.dialogs.otherwise(AnsYes);
    ASSERT_TRUE(OpenCrusade(o.app, dataFile));
    for (const QString& n : QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        const bool saveTemporary = n.size() > 7 && own.contains(n.left(n.size() - 7)) && n.at(n.size() - 7) == u'.';
        EXPECT_TRUE(own.contains(n) || saveTemporary) << "left over: " << n.toStdString();
    }

    const QByteArray data = ReadFileBytes(dataFile);
    ASSERT_EQ(data.size() % AttendeeRecord::Size, 0) << "a part record";
    for (qsizetype at = 0; at < data.size(); at += AttendeeRecord::Size)
        ASSERT_TRUE(IsNumber(AttendeeRecord::decode(data.constData() + at).RNum.bytes())) << "record at " << at;
    if (said.inWrite && (said.kind == 6 || said.kind == 8)) {  // compaction, restore: before or after, whole
        EXPECT_TRUE(said.hashes.contains(Sha(data))) << kCrashKinds[size_t(said.kind)] << " left a third file";
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
    EXPECT_EQ(app.crusade.ZipCount, 1);
    EXPECT_EQ(app.crusade.MemberCount, 1);
    EXPECT_TRUE(app.crusade.ZipTable[1].endsWith("   2") || app.crusade.ZipTable[1].endsWith("   3"));
    EXPECT_TRUE(app.crusade.MemberNames[1].contains("Ann")) << app.crusade.MemberNames[1].constData();
    const QString exported = QDir(folder).filePath(QStringLiteral("spring.txt"));
    if (QFileInfo::exists(exported)) {
        const QByteArray text = ReadFileBytes(exported);
        EXPECT_TRUE(text.isEmpty() || text.endsWith("\r\n"));
        for (const QByteArray& line : text.split('\n'))
            EXPECT_TRUE(line.isEmpty() || line.count('\t') == 10) << "export line: " << line.constData();
    }
    EXPECT_TRUE(t.dialogs.messages().isEmpty()) << t.dialogs.messages().join(u'|').toStdString();

    // The crusade repairs with no live record lost (only the one being added may be missing).
    o.app.hooks.fixFiles = [&o] { return FixFiles(o.app); };
    RepairCrusade(o.app);
    int now = 0;
    for (const AttendeeRecord& r : ReadAllRecords(o.app)) now += r.isDeleted() ? 0 : 1;
    if (said.kind != 8) {
        EXPECT_GE(now, live);
    }
    live = now;
    o.app.hooks.fixFiles = nullptr;
}

TEST(KillTest, EveryKindOfWriteSurvivesSigkill) {
    const unsigned seed = qEnvironmentVariableIsSet("FENNICK_KILL_SEED")
                              ? unsigned(qEnvironmentVariableIntValue("FENNICK_KILL_SEED"))
                              : unsigned(std::random_device{}());
    const int kills = qEnvironmentVariableIsSet("FENNICK_KILLS") ? qEnvironmentVariableIntValue("FENNICK_KILLS") : 200;
    std::printf("kill test seed %u (FENNICK_KILL_SEED repeats it)\n", seed);
    RecordProperty("seed", int(seed));
    std::mt19937 rng(seed);

    TestApp t;
    const QString folder = t.path("crusade");
    CrusadeSpec spec;
    for (int i = 0; i < 40; ++i) spec.records << Person(QByteArray::number(100 + i).rightJustified(4, '0'), "Ann", "Lee");
    spec.members = {MemberEntry("0040", "Brown", "Ann")};
    spec.zips = {ZipEntry("62701", "IL", "01", "Springfield", 2)};
    WriteCrusade(t, folder, QStringLiteral("spring"), spec);

    std::map<int, std::pair<int, int>> perKind;  // kills in a write, between two writes
    int live = int(spec.records.size());
    // The kinds in turn; past the planned kills, more of any kind not yet cut off in a write
    // (a record write is short), up to a bound.
    const auto nextKind = [&](int k) {
        if (k < kills) return k % int(kCrashKinds.size());
        for (int kind = 0; kind < int(kCrashKinds.size()); ++kind)
            if (perKind[kind].first == 0 && perKind[kind].second < 200) return kind;
        return -1;
    };
    for (int k = 0, kind = nextKind(0); kind >= 0 && !testing::Test::HasFatalFailure(); kind = nextKind(++k)) {
        QProcess helper;
        helper.start(QStringLiteral(FENNICK_CRASHLOOP), {folder, QString::number(kind), QString::number(rng())});
        ASSERT_TRUE(helper.waitForStarted());
        QByteArray out;
        while (!out.contains("ready\n") && helper.waitForReadyRead(20000)) out += helper.readAllStandardOutput();
        ASSERT_TRUE(out.contains("ready\n")) << out.constData() << helper.readAllStandardError().constData();
        // Mostly within the first writes; now and then after many.
        QThread::usleep(unsigned(rng() % 3000) + (rng() % 4 == 0 ? unsigned(rng() % 30000) : 0u));
        ::kill(pid_t(helper.processId()), SIGKILL);
        helper.waitForFinished();
        out += helper.readAllStandardOutput();
        const Said said = Parse(kind, out);
        (said.inWrite ? perKind[kind].first : perKind[kind].second)++;
        SCOPED_TRACE("kill " + std::to_string(k) + (said.inWrite ? " in a " : " after a ") + kCrashKinds[size_t(kind)] +
                     " (writes finished: " + std::to_string(said.writes) + ")");
        CheckCrusade(folder, said, live);
    }
    std::printf("%-18s %8s %8s\n", "kills", "in write", "between");
    for (const auto& [kind, n] : perKind) std::printf("%-18s %8d %8d\n", kCrashKinds[size_t(kind)], n.first, n.second);
    for (int kind = 0; kind < int(kCrashKinds.size()); ++kind)
        EXPECT_GE(perKind[kind].first, 1) << kCrashKinds[size_t(kind)] << " was never cut off in its write";
}

}  // namespace

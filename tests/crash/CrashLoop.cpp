// The crash-safety helper: opens the crusade "spring" in the folder given and makes one
// kind of write to it again and again until it is killed. It tells on standard output,
// each line written straight to the descriptor before the step it names:
//   ready                      the crusade is open, the writes begin
//   begin <kind> [<sha>...]    a write of the kind starts (a backup or a restore adds the
//                              hash of the set before it and of the one it will hold)
//   done <kind>                that write returned
//   save <sha> <path>          a whole file is saved with the bytes of that hash
//   record <n> <sha> <hex>     record n is written in place with the bytes of that hash
//                              (and, in hexadecimal, those bytes)
//   aside                      (with "aside" given) the data file has been moved aside;
//                              the helper waits there to be killed
// Records written by the attendance erase pass itself are not told. No write deletes a
// live record; successive writes of a file differ, so that its old and new content show.
//
//   fennick_crashloop <folder> <kind> <seed> [aside]

#include "CrashWork.h"
#include "FakePlatform.h"
#include "FakeScreen.h"
#include "RecordBuilder.h"
#include "data/BulkWrite.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/FileUtil.h"
#include "data/InfoFile.h"
#include "data/SideFiles.h"
#include "filetools/BackupRestore.h"
#include "filetools/Compaction.h"
#include "filetools/ExportCommands.h"
#include "mainwindow/MainLifecycle.h"
#include "statistics/Stats.h"
#include "tables/AttendanceErase.h"
#include "views/Indexes.h"

#include <QDir>

#include <unistd.h>

#include <cstdlib>
#include <random>
#include <string>

using namespace fennick;
using namespace fennick::test;

namespace {

void Say(const QByteArray& line) {
    const QByteArray l = line + '\n';
    if (::write(1, l.constData(), size_t(l.size())) != l.size()) std::_Exit(3);
}

// The real file operations, each whole-file save told first.
class TellingFiles : public QtFiles {
public:
    FileResult save(const QString& path, const QByteArray& bytes) override {
        Say("save " + Sha(bytes) + ' ' + path.toUtf8());
        return QtFiles::save(path, bytes);
    }
    FileResult rename(const QString& from, const QString& to) override {
        const FileResult r = QtFiles::rename(from, to);
        if (r.ok() && !waitAside.isEmpty() && from == waitAside && to.contains(kOldFileSuffix)) {
            Say("aside");
            for (;;) ::pause();
        }
        return r;
    }
    QString waitAside;  // the data file: once it is moved aside, the helper stops
};

void Write(App& app, qint32 n, const AttendeeRecord& r) {
    const QByteArray bytes = r.encode();
    Say("record " + QByteArray::number(n) + ' ' + Sha(bytes) + ' ' + bytes.toHex());
    WriteRecord(app, n, r);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int kind = std::atoi(argv[2]);
    std::mt19937 rng(unsigned(std::atoi(argv[3])));
    const QString dataFile = QDir(folder).filePath(QStringLiteral("spring.dta"));
    const QString backupFolder = QDir(folder).filePath(QStringLiteral("backup"));
    const QString backup = QDir(backupFolder).filePath(QStringLiteral("spring.dta"));

    TestApp t;
    TellingFiles files;
    if (argc == 5 && QByteArray(argv[4]) == "aside") files.waitAside = dataFile;
    FakePrinter printer;  // t's printer belongs to t's application object
    App app(Platform{t.dialogs, printer, t.sound, t.help, t.shell, t.store, t.clock, t.busy, files, t.network});
    t.dialogs.otherwise(AnsYes);
    app.program.ProgramDir = folder;
    FakeScreen form;
    app.hooks.editForm = &form;
    if (!OpenCrusade(app, dataFile)) return 4;
    IndexAlpha(app);
    ShowCurrentRecord(app, form);
    if (!QFileInfo::exists(backup)) {
        QDir().mkpath(backupFolder);
        t.dialogs.choose(backup);
        BackupFiles(app);
    }
    // A backup or a restore first saves the crusade's files as they are in memory: saved
    // here, the set on disk is already what they write.
    if (kind == kBackup || kind == kRestore) SaveCrusadeFiles(app);
    Say("ready");

    for (int i = 0;; ++i) {
        const bool odd = (i & 1) != 0;
        QByteArray begin = "begin " + QByteArray::number(kind);
        const qint32 count = app.crusade.RecCount;
        switch (kind) {
        case kRecordEdit: {
            if (count == 0) break;
            const qint32 n = qint32(rng() % quint32(count)) + 1;
            AttendeeRecord r = ReadRecord(app, n);
            r.Notes = "edited " + QByteArray::number(i);
            r.Attendance = odd ? "111111" : "1-1-1-1";
            RecountAttendance(r);
            Say(begin);
            Write(app, n, r);
            break;
        }
        case kRecordAdd: {  // one in three deleted, for the compaction to drop
            const QByteArray rnum = QByteArray::number(1000 + count % 8000);
            AttendeeRecord r = Person(rnum.constData(), "Added", "Person");
            if (rng() % 3 == 0) r.WorkerCode = "###";
            Say(begin);
            Write(app, count + 1, r);
            break;
        }
        case kSettings:
            app.settings.LastMeeting = odd ? 6 : 5;
            Say(begin);
            SaveInfoFile(app);
            break;
        case kZipFile:
            app.crusade.ZipTable[1] = ZipEntry("62701", "IL", "01", "Springfield", odd ? 3 : 2);
            app.crusade.ZipCount = std::max<qint16>(app.crusade.ZipCount, 1);
            Say(begin);
            SaveZips(app);
            break;
        case kMemberFile:
            app.crusade.MemberNames[1] = MemberEntry("0040", "Brown", odd ? "Anne" : "Ann");
            app.crusade.MemberCount = std::max<qint16>(app.crusade.MemberCount, 1);
            Say(begin);
            SaveMembers(app);
            break;
        case kExport: {  // a note changed first, so that each export differs from the last
            if (count == 0) break;
            AttendeeRecord r = ReadRecord(app, 1);
            r.Notes = "export " + QByteArray::number(i);
            Write(app, 1, r);
            Say(begin);
            mnuExportText_Click(app, form);
            break;
        }
        case kCompaction:
            Say(begin);
            CompactDataFile(app);
            Say("done " + QByteArray::number(kind));
            IndexAlpha(app);
            ShowCurrentRecord(app, form);
            continue;
        case kBackup:
            Say(begin + ' ' + SetSha(backupFolder, QStringLiteral("spring")) + ' ' +
                SetSha(folder, QStringLiteral("spring")));
            t.dialogs.choose(backup).answer(AnsOK);  // to replace the backup there
            BackupFiles(app);
            break;
        case kRestore:
            Say(begin + ' ' + SetSha(folder, QStringLiteral("spring")) + ' ' +
                SetSha(backupFolder, QStringLiteral("spring")));
            t.dialogs.choose(backup);
            RestoreCrusade(app, form);
            break;
        case kAttendanceErase: {  // a few records marked again first, for the pass to erase
            for (int m = 0; m < 3 && count > 0; ++m) {
                const qint32 n = qint32(rng() % quint32(count)) + 1;
                AttendeeRecord r = ReadRecord(app, n);
                r.Attendance = "1111111";
                RecountAttendance(r);
                Write(app, n, r);
            }
            Say(begin);
            BulkWrite writes(app, QStringLiteral("Erasing"), kSourceFennick95);
            EraseAttendanceAfter(app, odd ? 5 : 4, writes);
            break;
        }
        case kStatistics:  // the last meeting alternates, so each file differs from the last
            app.settings.LastMeeting = odd ? 6 : 5;
            Say(begin);
            Stats(app, kStatsFileOnly);
            break;
        default:
            return 2;
        }
        Say("done " + QByteArray::number(kind));
        t.dialogs.clear();
    }
}

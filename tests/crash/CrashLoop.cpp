// The crash-safety helper: opens the crusade "spring" in the folder given and makes one
// kind of write to it again and again until it is killed. Before each write it prints
// "begin <kind>" (for a compaction or a restore also the SHA-1 of the data file before
// and of the one it will hold after), after it "done <kind>", each line written straight
// to the descriptor. No write deletes a live record.
//
//   fennick_crashloop <folder> <kind> <seed>

#include "CrashWork.h"
#include "FakePlatform.h"
#include "FakeScreen.h"
#include "RecordBuilder.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/FileUtil.h"
#include "data/InfoFile.h"
#include "data/SideFiles.h"
#include "filetools/BackupRestore.h"
#include "filetools/Compaction.h"
#include "filetools/ExportCommands.h"
#include "mainwindow/MainLifecycle.h"
#include "tables/AttendanceErase.h"
#include "views/Indexes.h"

#include <QCryptographicHash>
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

QByteArray Sha(const QByteArray& bytes) { return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex(); }

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int kind = std::atoi(argv[2]);
    std::mt19937 rng(unsigned(std::atoi(argv[3])));
    const QString dataFile = QDir(folder).filePath(QStringLiteral("spring.dta"));
    const QString backup = QDir(folder).filePath(QStringLiteral("backup/spring.dta"));

    TestApp t;
    App& app = t.app;
    t.dialogs.otherwise(AnsYes);
    app.program.ProgramDir = folder;
    FakeScreen form;
    app.hooks.editForm = &form;
    if (!OpenCrusade(app, dataFile)) return 4;
    IndexAlpha(app);
    ShowCurrentRecord(app, form);
    if (!QFileInfo::exists(backup)) {
        QDir().mkpath(QFileInfo(backup).path());
        t.dialogs.choose(backup);
        BackupFiles(app);
    }
    Say("ready");

    for (int i = 0;; ++i) {
        const bool odd = (rng() & 1) != 0;
        QByteArray begin = "begin " + QByteArray::number(kind);
        const qint32 count = app.crusade.RecCount;
        switch (kind) {
        case 0: {  // an edit of a record in place
            if (count == 0) break;
            const qint32 n = qint32(rng() % quint32(count)) + 1;
            AttendeeRecord r = ReadRecord(app, n);
            r.Notes = "edited " + QByteArray::number(i);
            r.Attendance = odd ? "111111" : "1-1-1-1";
            RecountAttendance(r);
            Say(begin);
            WriteRecord(app, n, r);
            break;
        }
        case 1: {  // a record added at the end; one in three deleted, for the compaction to drop
            const QByteArray rnum = QByteArray::number(1000 + count % 8000);
            AttendeeRecord r = Person(rnum.constData(), "Added", "Person");
            if (rng() % 3 == 0) r.WorkerCode = "###";
            Say(begin);
            WriteRecord(app, count + 1, r);
            break;
        }
        case 2:
            app.settings.LastMeeting = odd ? 6 : 5;
            Say(begin);
            SaveInfoFile(app);
            break;
        case 3:
            app.crusade.ZipTable[1] = ZipEntry("62701", "IL", "01", "Springfield", odd ? 3 : 2);
            app.crusade.ZipCount = std::max<qint16>(app.crusade.ZipCount, 1);
            Say(begin);
            SaveZips(app);
            break;
        case 4:
            app.crusade.MemberNames[1] = MemberEntry("0040", "Brown", odd ? "Anne" : "Ann");
            app.crusade.MemberCount = std::max<qint16>(app.crusade.MemberCount, 1);
            Say(begin);
            SaveMembers(app);
            break;
        case 5:
            Say(begin);
            mnuExportText_Click(app, form);
            break;
        case 6: {
            const QByteArray before = ReadFileBytes(dataFile);
            Say(begin + ' ' + Sha(before) + ' ' + Sha(LiveRecords(before, count)));
            CompactDataFile(app);
            IndexAlpha(app);
            ShowCurrentRecord(app, form);
            break;
        }
        case 7:
            Say(begin);
            t.dialogs.choose(backup);
            BackupFiles(app);
            break;
        case 8:
            Say(begin + ' ' + Sha(ReadFileBytes(dataFile)) + ' ' + Sha(ReadFileBytes(backup)));
            t.dialogs.choose(backup);
            RestoreCrusade(app, form);
            break;
        case 9:
            Say(begin);
            EraseAttendanceAfter(app, odd ? 5 : 4);
            break;
        }
        Say("done " + QByteArray::number(kind));
        t.dialogs.clear();
        t.files.calls.clear();
    }
}

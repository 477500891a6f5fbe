#include "FuzzTargets.h"

#include "CrusadeOnDisk.h"
#include "FakePlatform.h"
#include "FakeScreen.h"
#include "RecordBuilder.h"
#include "ViewFixture.h"
#include "attendance/AttendanceMerge.h"
#include "data/Conversion.h"
#include "data/CrusadeFiles.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/FixFiles.h"
#include "data/InfoFile.h"
#include "data/IniFile.h"
#include "data/SideFiles.h"
#include "mainwindow/AddMode.h"
#include "mainwindow/MainLifecycle.h"
#include "views/Indexes.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>

namespace fennick::test {

namespace {

[[noreturn]] void Broken(const char* what) {
    std::fprintf(stderr, "fuzz invariant broken: %s\n", what);
    std::abort();
}

// A test application whose dialogs take any sequence: questions are answered `answer`,
// file and input dialogs cancelled.
struct FuzzApp {
    explicit FuzzApp(int answer = AnsYes) { t.dialogs.otherwise(answer); }
    TestApp t;
    App& app = t.app;
};

// A crusade "spring" in folder with two people, a member, a zip entry and the default
// settings. Its files are made once and copied, so that a run costs few writes.
QString WriteSpring(const QString& folder, qint16 lastMeeting = 5) {
    static QMap<qint16, QMap<QString, QByteArray>> made;
    if (!made.contains(lastMeeting)) {
        TestApp maker;
        CrusadeSpec spec;
        spec.lastMeeting = lastMeeting;
        spec.records = {Rec("0101", "John", "Smith").nights("11111"), Rec("0102", "Mary", "Jones").nights("1-1-1")};
        spec.members = {MemberEntry("0040", "Brown", "Ann")};
        spec.zips = {ZipEntry("62701", "IL", "01", "Springfield", 2)};
        WriteCrusade(maker, maker.path("x"), QStringLiteral("spring"), spec);
        for (const char* ext : {"dta", "inf", "mem", "zps"}) {
            const QString name = QStringLiteral("spring.") + QLatin1String(ext);
            made[lastMeeting][name] = ReadFileBytes(QDir(maker.path("x")).filePath(name));
        }
    }
    QDir().mkpath(folder);
    const QMap<QString, QByteArray>& files = made[lastMeeting];
    for (auto it = files.begin(); it != files.end(); ++it) WriteFileBytes(QDir(folder).filePath(it.key()), it.value());
    return QDir(folder).filePath(QStringLiteral("spring.dta"));
}

// The two files of an input made of a data file and, after the separator, its settings.
std::pair<QByteArray, std::optional<QByteArray>> Split(const QByteArray& input) {
    const qsizetype at = input.indexOf(kFuzzSeparator);
    if (at < 0) return {input, std::nullopt};
    return {input.left(at), input.mid(at + qsizetype(std::strlen(kFuzzSeparator)))};
}

// Runs a reader; the program's own errors (reported or ending the program) are handled
// outcomes, anything else is a fault.
template <typename Fn>
void Guarded(Fn&& fn) {
    try {
        fn();
    } catch (const VbError&) {
    } catch (const ProgramEnd&) {
    } catch (const std::exception& e) {
        std::fprintf(stderr, "unexpected exception: %s\n", e.what());
        std::abort();
    }
}

// Every record of the open data file decodes and encodes back to its bytes.
void CheckRecords(App& app) {
    const QByteArray all = app.crusade.file.readAll();
    if (app.crusade.RecCount < 0 || app.crusade.RecCount > all.size() / Crusade::RecLen + 1)
        Broken("record count outside the file");
    const QList<AttendeeRecord> recs = ReadAllRecords(app);
    for (qsizetype i = 0; i < recs.size(); ++i)
        if (recs[i].encode() != all.mid(i * Crusade::RecLen, Crusade::RecLen)) Broken("record does not round-trip");
}

// Opening, record access and the repair pass over any data file.
void RunDataFile(const QByteArray& input) {
    FuzzApp f;
    const QString file = WriteSpring(f.t.path("data"));
    WriteFileBytes(file, input);
    Guarded([&] {
        if (!OpenCrusade(f.app, file)) return;
        f.app.hooks.fixFiles = [&f] { return FixFiles(f.app); };
        RepairCrusade(f.app);
        CheckRecords(f.app);
        for (qint32 n = 1; n <= std::min<qint32>(f.app.crusade.RecCount, 3); ++n) ReadRecord(f.app, n);
        ReadCurrentRecord(f.app);
        CloseCrusade(f.app);
    });
}

// Conversion of both older record layouts: the first byte chooses 371 (even) or 369 (odd).
void RunConversion(const QByteArray& input) {
    FuzzApp f(AnsOK);
    const QString file = f.t.path("spring.dta");
    SetDataFile(f.app, file);
    const bool older = input.isEmpty() || (input[0] & 1) == 0;
    const QByteArray old = input.mid(1);
    WriteFileBytes(file, old);
    Guarded([&] {
        const bool done = older ? ConvertOldData(f.app) : ConvertData22(f.app);
        if (!done) {
            if (ReadFileBytes(file) != old) Broken("a failed conversion changed the data file");
            return;
        }
        const QByteArray converted = ReadFileBytes(file);
        const int spacing = older ? kOldRecordSpacing : kRecordLen22;
        if (converted.size() != qsizetype(old.size() / spacing) * Crusade::RecLen &&
            converted.size() != qsizetype((old.size() + spacing - 1) / spacing) * Crusade::RecLen)
            Broken("converted file holds another number of records");
    });
}

// The settings file in its 133- and 113-line forms (the version line chooses): read and
// written back; from the second reading on, what is written reads back to itself (the
// first may fill empty team lines with their default names).
void RunSettings(const QByteArray& input) {
    FuzzApp f;
    const QString file = WriteSpring(f.t.path("data"));
    const QString inf = QDir(f.t.path("data")).filePath(QStringLiteral("spring.inf"));
    WriteFileBytes(inf, input);
    SetDataFile(f.app, file);
    Guarded([&] {
        if (!LoadInfoFile(f.app)) return;
        QByteArray before;
        for (int pass = 0; pass < 3; ++pass) {
            SaveInfoFile(f.app);
            const QByteArray written = ReadFileBytes(inf);
            if (pass == 2 && written != before) Broken("settings read back differ");
            before = written;
            ResetCrusadeSettings(f.app);
            if (!LoadInfoFile(f.app)) Broken("the settings written could not be read");
        }
    });
}

// The program's ini file.
void RunIni(const QByteArray& input) {
    FuzzApp f;
    WriteSpring(f.t.path("data"));
    WriteFileBytes(IniFilePath(f.app), input);
    Guarded([&] {
        LoadIniFile(f.app);
        if (!f.app.program.DataFile.isEmpty() && !QFileInfo::exists(f.app.program.DataFile))
            Broken("the ini file named a data file that does not exist");
        SaveIniFile(f.app);
        const QByteArray first = ReadFileBytes(IniFilePath(f.app));
        LoadIniFile(f.app);
        SaveIniFile(f.app);
        if (ReadFileBytes(IniFilePath(f.app)) != first) Broken("ini written twice differs");
    });
}

// A side file read into its table and written back, then read again to the same table.
template <typename Load, typename Save, typename Table>
void RunSideFile(const QByteArray& input, const char* extension, Load load, Save save, Table table) {
    FuzzApp f;
    const QString file = WriteSpring(f.t.path("data"));
    const QString side = QDir(f.t.path("data")).filePath(QStringLiteral("spring.") + QLatin1String(extension));
    WriteFileBytes(side, input);
    SetDataFile(f.app, file);
    Guarded([&] {
        load(f.app);
        const QList<QByteArray> first = table(f.app);
        save(f.app);
        if (ReadFileBytes(side) != input) {
            load(f.app);
            if (table(f.app) != first) Broken("a table written and read back differs");
        }
    });
}

void RunZips(const QByteArray& input) {
    RunSideFile(input, "zps", LoadZips, SaveZips,
                [](App& app) { return app.crusade.ZipTable.mid(1, app.crusade.ZipCount); });
}

void RunMembers(const QByteArray& input) {
    RunSideFile(input, "mem", LoadMembers, SaveMembers,
                [](App& app) { return app.crusade.MemberNames.mid(1, app.crusade.MemberCount); });
}

// The pre-registration file looked up when the last name of a new entry is left.
void RunPreRegistration(const QByteArray& input) {
    FuzzApp f;
    const QString file = WriteSpring(f.t.path("data"));
    WriteFileBytes(PreRegistrationFileName(file), input);
    FakeScreen screen;
    Guarded([&] {
        if (!OpenCrusade(f.app, file)) Broken("the fixed crusade did not open");
        IndexAlpha(f.app);
        f.app.hooks.editForm = &screen;
        ShowCurrentRecord(f.app, screen);
        f.app.crusade.AddMode = true;
        screen.setText(QStringLiteral("FName"), QStringLiteral("Mary"));
        screen.setText(QStringLiteral("LName"), QStringLiteral("Smith"));
        LName_LostFocus(f.app, screen);
        if (ReadFileBytes(PreRegistrationFileName(file)) != input) Broken("the lookup changed its file");
    });
    f.app.hooks.editForm = nullptr;
}

// The other desk's data file (and, after the separator, its settings file) merged into
// the open crusade; the first byte chooses attendance only (even) or whole records.
void RunMerge(const QByteArray& input) {
    FuzzApp f;
    const QString here = WriteSpring(f.t.path("here"), 13);
    const QString there = WriteSpring(f.t.path("desk2"), 12);
    const bool whole = !input.isEmpty() && (input[0] & 1);
    const auto split = Split(input.mid(1));
    const QByteArray& data = split.first;
    const std::optional<QByteArray>& settings = split.second;
    WriteFileBytes(there, data);
    if (settings) WriteFileBytes(QDir(f.t.path("desk2")).filePath(QStringLiteral("spring.inf")), *settings);
    FakeScreen main;
    Guarded([&] {
        if (!OpenCrusade(f.app, here)) Broken("the fixed crusade did not open");
        // The merge starts only where the backup path names a folder with files in it.
        f.app.settings.BackupPath = f.t.path("desk2");
        IndexAlpha(f.app);
        f.app.hooks.editForm = &main;
        f.app.hooks.fixFiles = [&f] { return FixFiles(f.app); };
        ShowCurrentRecord(f.app, main);
        f.t.dialogs.choose(there).answer(AnsYes).answer(whole ? AnsYes : AnsNo).answer(AnsYes);
        mnuMergeAttendance_Click(f.app, main);
        if (ReadFileBytes(there) != data) Broken("the merge changed the other desk's file");
        CheckRecords(f.app);
        if (f.app.crusade.RecCount > kMaxRecords + 2) Broken("merged past the last addressable record");
    });
    f.app.hooks.editForm = nullptr;
}

}  // namespace

const std::vector<FuzzTarget>& FuzzTargets() {
    static const std::vector<FuzzTarget> all = {
        {"datafile", RunDataFile}, {"conversion", RunConversion},         {"settings", RunSettings},
        {"ini", RunIni},           {"zips", RunZips},                     {"members", RunMembers},
        {"prereg", RunPreRegistration}, {"merge", RunMerge},
    };
    return all;
}

const FuzzTarget* FindFuzzTarget(const char* name) {
    for (const FuzzTarget& t : FuzzTargets())
        if (std::strcmp(t.name, name) == 0) return &t;
    return nullptr;
}

}  // namespace fennick::test

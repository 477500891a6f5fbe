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
#include "data/FileUtil.h"
#include "data/FixFiles.h"
#include "data/InfoFile.h"
#include "data/IniFile.h"
#include "data/OtherDataFile.h"
#include "data/SideFiles.h"
#include "data/Text.h"
#include "filetools/BackupCompare.h"
#include "filetools/BackupRestore.h"
#include "filetools/CrusadeMerge.h"
#include "filetools/TextImport.h"
#include "filetools/UpdateCheck.h"
#include "mainwindow/AddMode.h"
#include "mainwindow/MainLifecycle.h"
#include "views/Indexes.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

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

// The files of an input made of several, at most `most`: the last takes the rest.
QList<QByteArray> SplitParts(const QByteArray& input, int most) {
    QList<QByteArray> parts;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = parts.size() + 1 < most ? input.indexOf(kFuzzSeparator, from) : -1;
        if (at < 0) break;
        parts.append(input.mid(from, at - from));
        from = at + qsizetype(std::strlen(kFuzzSeparator));
    }
    parts.append(input.mid(from));
    return parts;
}

// Every file of a folder, by name.
QMap<QString, QByteArray> FolderBytes(const QString& folder) {
    QMap<QString, QByteArray> out;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files)) out.insert(name, ReadFileBytes(dir.filePath(name)));
    return out;
}

// Whether a folder holds the files it held, naming on stderr each file that changed.
bool Unchanged(const QMap<QString, QByteArray>& before, const QString& folder) {
    const QMap<QString, QByteArray> now = FolderBytes(folder);
    for (auto it = before.begin(); it != before.end(); ++it)
        if (now.value(it.key()) != it.value()) std::fprintf(stderr, "changed: %s\n", qPrintable(it.key()));
    for (auto it = now.begin(); it != now.end(); ++it)
        if (!before.contains(it.key())) std::fprintf(stderr, "new: %s\n", qPrintable(it.key()));
    return now == before;
}

// The records of data file bytes (a partial record at the end left out).
QList<AttendeeRecord> Records(const QByteArray& bytes) {
    QList<AttendeeRecord> out;
    for (qsizetype at = 0; at + Crusade::RecLen <= bytes.size(); at += Crusade::RecLen)
        out.append(AttendeeRecord::decode(bytes.constData() + at));
    return out;
}

// No two live records hold one registration number (without regard to case).
bool NumbersUnique(const QByteArray& bytes) {
    QSet<QByteArray> seen;
    for (const AttendeeRecord& r : Records(bytes)) {
        if (r.isDeleted()) continue;
        const QByteArray n = AnsiUpper(r.RNum.bytes());
        if (seen.contains(n)) return false;
        seen.insert(n);
    }
    return true;
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

// The fixed crusade opened and shown on a main window, as a command finds it.
void ShowCrusade(FuzzApp& f, const QString& file, FakeScreen& screen) {
    if (!OpenCrusade(f.app, file)) Broken("the fixed crusade did not open");
    IndexAlpha(f.app);
    f.app.hooks.editForm = &screen;
    ShowCurrentRecord(f.app, screen);
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
    RunSideFile(
        input, "zps", [](App& a) { LoadZips(a); }, SaveZips,
        [](App& app) { return app.crusade.ZipTable.mid(1, app.crusade.ZipCount); });
}

void RunMembers(const QByteArray& input) {
    RunSideFile(
        input, "mem", [](App& a) { LoadMembers(a); }, SaveMembers,
        [](App& app) { return app.crusade.MemberNames.mid(1, app.crusade.MemberCount); });
}

// The pre-registration file looked up when the last name of a new entry is left.
void RunPreRegistration(const QByteArray& input) {
    FuzzApp f;
    const QString file = WriteSpring(f.t.path("data"));
    WriteFileBytes(PreRegistrationFileName(file), input);
    FakeScreen screen;
    Guarded([&] {
        ShowCrusade(f, file, screen);
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
        ShowCrusade(f, here, main);
        // The merge starts only where the backup path names a folder with files in it.
        f.app.settings.BackupPath = f.t.path("desk2");
        f.app.hooks.fixFiles = [&f] { return FixFiles(f.app); };
        f.t.dialogs.choose(there).answer(AnsYes).answer(whole ? AnsYes : AnsNo).answer(AnsYes);
        mnuMergeAttendance_Click(f.app, main);
        if (ReadFileBytes(there) != data) Broken("the merge changed the other desk's file");
        CheckRecords(f.app);
        if (f.app.crusade.RecCount > kMaxRecords + 2) Broken("merged past the last addressable record");
    });
    f.app.hooks.editForm = nullptr;
}

// The count that the closing message of an import gives; -1 when it gives none.
int ImportedCount(const QString& summary) {
    if (summary.startsWith(QStringLiteral("No record was added."))) return 0;
    static const QRegularExpression count(QStringLiteral("^(\\d+) records? (?:was|were) added:"));
    const QRegularExpressionMatch m = count.match(summary);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// A comma-separated file imported into the open crusade (File, Import from Text File).
// The first byte chooses reserved numbers that run out after two (bit 0); the rest is the
// file. The records before stay as they were, every record added holds a number of its
// own, and the closing message counts them. (A crusade near its 9,999 records costs too
// much a run here; the unit tests stop an import there.)
void RunTextImport(const QByteArray& input) {
    FuzzApp f;
    const QString file = WriteSpring(f.t.path("data"));
    const bool numbersRunOut = !input.isEmpty() && (input[0] & 1);
    const QString csv = f.t.path("names.csv");
    const QByteArray text = input.mid(1);
    WriteFileBytes(csv, text);
    FakeScreen main;
    Guarded([&] {
        ShowCrusade(f, file, main);
        if (numbersRunOut) {
            f.app.settings.ReservedNumber = 9997;
            f.app.settings.ReservedDirection = QStringLiteral("UP");
        }
        const QByteArray before = f.app.crusade.file.readAll();
        const qint32 count = f.app.crusade.RecCount;
        const qint16 shown = f.app.view.ReportCount;
        f.t.dialogs.answer(AnsOK).choose(csv).answer(AnsYes);
        mnuImportText_Click(f.app, main);
        if (ReadFileBytes(csv) != text) Broken("the import changed its file");
        CheckRecords(f.app);
        const QByteArray after = f.app.crusade.file.readAll();
        const qint32 added = f.app.crusade.RecCount - count;
        if (!after.startsWith(before)) Broken("the import changed a record it did not add");
        if (f.t.dialogs.messages().isEmpty() || ImportedCount(f.t.dialogs.messages().last()) != added)
            Broken("the closing message counts other names than were added");
        if (f.app.view.ReportCount != shown + added) Broken("the view lacks a name that was added");
        if (!NumbersUnique(after)) Broken("two live records share a registration number");
        for (const AttendeeRecord& r : Records(after.mid(before.size())))
            if (ImportedNumber(r.RNum.bytes()) != r.RNum.bytes()) Broken("a name was added without a number");
    });
    f.app.hooks.editForm = nullptr;
}

// Another crusade's files taken in by the open one: merged into it (File, Merge Files) or
// compared with it as its backup (File, Compare). The first byte chooses the comparison
// (bit 0), a master named Master whose statistics read the other settings file (bit 1),
// and each missing record declined (bit 2); then the other data file, member list and
// settings file follow, separated. The other files are only read; a refused data file
// leaves every file of the crusade as it was; each record added is one of the other file's
// live records in order (perhaps renumbered) and no number is held twice.
void RunOtherFile(const QByteArray& input) {
    FuzzApp f;
    const QString here = WriteSpring(f.t.path("here"), 13);
    const QString there = WriteSpring(f.t.path("desk2"), 12);
    const int mode = input.isEmpty() ? 0 : uchar(input[0]);
    const bool compare = mode & 1;
    const QList<QByteArray> parts = SplitParts(input.mid(1), 3);
    WriteFileBytes(there, parts[0]);
    if (parts.size() > 1) WriteFileBytes(SideFileName(there, QStringLiteral("mem")), parts[1]);
    if (parts.size() > 2) WriteFileBytes(SideFileName(there, QStringLiteral("inf")), parts[2]);
    const QMap<QString, QByteArray> theirs = FolderBytes(f.t.path("desk2"));
    const OtherDataFile other = ReadOtherDataFile(there);
    FakeScreen main;
    Guarded([&] {
        ShowCrusade(f, here, main);
        if (mode & 2) f.app.settings.CrusadeName = QStringLiteral("Master");
        const QMap<QString, QByteArray> mine = FolderBytes(f.t.path("here"));
        const QByteArray before = f.app.crusade.file.readAll();
        std::optional<QByteArray> compared;  // the data file as the comparison left it, before the repair
        f.app.hooks.fixFiles = [&f, &compared] {
            compared = f.app.crusade.file.readAll();
            return FixFiles(f.app);
        };
        if (compare) {
            f.app.settings.BackupPath = there;
            f.t.dialogs.otherwise(mode & 4 ? AnsNo : AnsYes).answer(AnsYes);
            CompareWithBackup(f.app, main);
        } else {
            f.t.dialogs.choose(there).answer(AnsYes).answer(AnsYes);
            mnuMerge_Click(f.app, main);
        }
        if (!Unchanged(theirs, f.t.path("desk2"))) Broken("the other crusade's files changed");
        if (!other.ok()) {
            if (!Unchanged(mine, f.t.path("here"))) Broken("a refused file changed the crusade's files");
            return;
        }
        const QByteArray after = compare ? compared.value_or(f.app.crusade.file.readAll()) : f.app.crusade.file.readAll();
        if (!after.startsWith(before)) Broken("a record that was there changed");
        if (!NumbersUnique(after)) Broken("two live records share a registration number");
        qsizetype next = 0;
        for (const AttendeeRecord& added : Records(after.mid(before.size()))) {
            const QByteArray bytes = added.encode();
            for (;; ++next) {
                if (next == other.records.size()) Broken("a record was added that the other file does not hold");
                AttendeeRecord theirsRenumbered = other.records[next];
                theirsRenumbered.RNum = added.RNum;
                if (!theirsRenumbered.isDeleted() && theirsRenumbered.encode() == bytes) break;
            }
            ++next;
        }
        CheckRecords(f.app);
    });
    f.app.hooks.editForm = nullptr;
}

// The backup that File, Restore from Backup reads: its settings file (whose date line the
// restore shows), then, separated, its data file, member list and zip table (a part not
// given is a sound backup's). The backup is only read; the crusade ends loaded, either
// from the backup's files or, when they cannot be used, from its own, left as they were.
void RunBackupSettings(const QByteArray& input) {
    FuzzApp f(AnsOK);  // the questions of a conversion are OK and Cancel
    const QString here = WriteSpring(f.t.path("data"), 13);
    const QString backup = WriteSpring(f.t.path("backup"), 12);
    const QList<QByteArray> parts = SplitParts(input, 4);
    const char* extensions[] = {"inf", "dta", "mem", "zps"};
    for (qsizetype i = 0; i < parts.size(); ++i)
        WriteFileBytes(SideFileName(backup, QLatin1String(extensions[i])), parts[i]);
    const QMap<QString, QByteArray> theirs = FolderBytes(f.t.path("backup"));
    FakeScreen main;
    Guarded([&] {
        ShowCrusade(f, here, main);
        f.app.settings.BackupPath = backup;
        if (BackupDate(backup).contains(QLatin1Char('\n'))) Broken("the backup's date runs over a line");
        // The crusade's files as the restore saved them, when it closes the crusade's windows
        // before it puts the backup's files in their place: a refused backup leaves these.
        std::optional<QMap<QString, QByteArray>> mine;
        f.app.hooks.closeCrusadeWindows = [&f, &mine] {
            if (!mine) mine = FolderBytes(f.t.path("data"));
        };
        f.t.dialogs.choose(backup).answer(AnsYes).answer(AnsYes);
        RestoreCrusade(f.app, main);
        f.app.hooks.closeCrusadeWindows = nullptr;
        if (!mine) Broken("the restore replaced no file");
        if (!Unchanged(theirs, f.t.path("backup"))) Broken("the restore changed the backup");
        if (!f.app.crusade.file.isOpen()) Broken("the restore left no crusade loaded");
        CheckRecords(f.app);
        const QString last = f.t.dialogs.messages().value(f.t.dialogs.messages().size() - 1);
        if (last.contains(QLatin1String("The files were not restored."))) {
            if (!Unchanged(*mine, f.t.path("data"))) Broken("a refused backup changed the crusade's files");
        } else if (last != QLatin1String("Files have been Restored successfuly!")) {
            Broken("the restore ended without saying whether it was done");
        } else if (!f.app.crusade.UnreadableInfoFile.isEmpty() || f.app.crusade.MemberFileUnreadable ||
                   f.app.crusade.ZipFileUnreadable) {
            Broken("a restore took a file it could not read");
        } else if (!f.t.dialogs.messages().join(QString()).contains(QLatin1String("created with an older version"))) {
            // Unless converted from an older layout, the settings and records are the backup's;
            // a data file of current records ending in part of one is kept aside whole as the
            // restored crusade opens, which goes on with its whole records.
            QByteArray records = theirs.value(QStringLiteral("spring.dta"));
            const QString tail = here + QStringLiteral(".tail");
            if (QFileInfo::exists(tail)) {
                if (ReadFileBytes(tail) != records || records.size() % AttendeeRecord::Size == 0)
                    Broken("a restored data file was kept aside though whole, or not as it was");
                records.chop(records.size() % AttendeeRecord::Size);
            }
            if (ReadFileBytes(SideFileName(here, QStringLiteral("inf"))) != theirs.value(QStringLiteral("spring.inf")) ||
                ReadFileBytes(here) != records)
                Broken("a restore said to be done did not put the backup's file in place");
        }
    });
    f.app.hooks.editForm = nullptr;
}

// The version text of the update check, served by the fake network: it is read exactly
// when it is two digits, ".", two digits, ".", two digits between blanks and line ends,
// and then announced as newer exactly when it is; any other text ends the check with the
// message that it could not be completed.
void RunVersion(const QByteArray& input) {
    FuzzApp f;
    f.t.network.answer.body = input;
    const QByteArray text = input.trimmed();
    bool form = text.size() == 8;
    for (qsizetype i = 0; form && i < text.size(); ++i)
        form = (i == 2 || i == 5) ? text[i] == '.' : (text[i] >= '0' && text[i] <= '9');
    const std::optional<ProgramVersion> read = ParseVersionText(input);
    if (read.has_value() != form) Broken("the version text was read against its form");
    if (form && *read != ProgramVersion{text.left(2).toInt(), text.mid(3, 2).toInt(), text.mid(6, 2).toInt()})
        Broken("the version read differs from its digits");
    Guarded([&] {
        f.t.dialogs.answer(AnsOK);
        mnuUpdate_Click(f.app, 1);
        const QStringList shown = f.t.dialogs.messages();
        if (!form) {
            if (shown.size() != 2 || !shown[1].startsWith(QLatin1String("The update check could not be completed.")))
                Broken("a text without a version was not told as a check that could not be completed");
            return;
        }
        if (shown.size() != 2 || !shown[1].contains(QString::fromLatin1(text))) Broken("the version was not shown");
        const bool newer = *read > RunningVersion();
        if (shown[1].contains(QLatin1String("A newer version of Fennick is available")) != newer)
            Broken("the versions were compared wrongly");
    });
}

}  // namespace

const std::vector<FuzzTarget>& FuzzTargets() {
    static const std::vector<FuzzTarget> all = {
        {"datafile", RunDataFile}, {"conversion", RunConversion},         {"settings", RunSettings},
        {"ini", RunIni},           {"zips", RunZips},                     {"members", RunMembers},
        {"prereg", RunPreRegistration}, {"merge", RunMerge},               {"textimport", RunTextImport},
        {"otherfile", RunOtherFile},    {"backupsettings", RunBackupSettings}, {"version", RunVersion},
    };
    return all;
}

const FuzzTarget* FindFuzzTarget(const char* name) {
    for (const FuzzTarget& t : FuzzTargets())
        if (std::strcmp(t.name, name) == 0) return &t;
    return nullptr;
}

}  // namespace fennick::test

// Files the user names for a command to write: none of the open crusade's or the program's
// files is written over, however the name is spelled; the user is told which file it is and
// offered the dialog again. Writes that skip the dialogs are refused where they pass.

#include "ExportFixture.h"
#include "RecordBuilder.h"
#include "data/Errors.h"
#include "data/IniFile.h"
#include "data/ProtectedFiles.h"
#include "data/RecentFiles.h"
#include "filetools/ExportCommands.h"
#include "printing/OneLineReports.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <functional>
#include <map>
#include <optional>
#include <tuple>

namespace fennick::test {
namespace {

// The export fixture with every protected file in place but the zip table, which the
// crusade has none of yet, and a link to the data file beside it.
struct Guarded {
    Guarded() : app(f.app) {
        QDir().mkpath(app.program.ProgramDir);
        f.view.t.store.folder = f.view.t.path(QStringLiteral("config"));
        QDir().mkpath(f.view.t.store.folder);
        for (const QString& path : {path("views.inf"), path("views.mem"), path("views_prayer.txt"), IniFilePath(app),
                                    RecentFilesPath(app), StatDataPath(app)})
            WriteFileBytes(path, "kept: " + QFileInfo(path).fileName().toUtf8() + "\r\n");
        QFile::link(app.program.DataFile, path("link.txt"));
        before = disk();
    }
    QString path(const char* name) const { return f.view.t.path(QLatin1String(name)); }
    // Every protected file, the missing ones and the link as they are now.
    std::map<QString, std::optional<QByteArray>> disk() const {
        std::map<QString, std::optional<QByteArray>> out;
        for (const QString& p :
             {app.program.DataFile, path("views.inf"), path("views.mem"), path("views.zps"), path("views_prayer.txt"),
              IniFilePath(app), RecentFilesPath(app), StatDataPath(app), path("VIEWS.DTA")})
            out[p] = QFileInfo::exists(p) ? std::optional(ReadFileBytes(p)) : std::nullopt;
        out[QStringLiteral("link")] = QFile::symLinkTarget(path("link.txt")).toUtf8();
        return out;
    }

    ExportFixture f;
    App& app;
    std::map<QString, std::optional<QByteArray>> before;
};

struct TargetRow {
    const char* name;
    std::function<QString(const Guarded&)> target;  // the name given
    std::function<QString(const Guarded&)> file;    // the file it is; null: the one named
    const char* what;
};

std::function<QString(const Guarded&)> Beside(const char* name) {
    return [name](const Guarded& g) { return g.path(name); };
}
QString DataFileOf(const Guarded& g) {
    return g.app.program.DataFile;
}

const TargetRow kTargets[] = {
    {"DataFile", DataFileOf, nullptr, "the open crusade's data file"},
    {"Settings", Beside("views.inf"), nullptr, "the open crusade's settings file"},
    {"Members", Beside("views.mem"), nullptr, "the open crusade's church member list"},
    {"ZipsNotMadeYet", Beside("views.zps"), nullptr, "the open crusade's zip code table"},
    {"PrayerJournal", Beside("views_prayer.txt"), nullptr, "the open crusade's prayer request journal"},
    {"IniFile", [](const Guarded& g) { return IniFilePath(g.app); }, nullptr, "Fennick's own settings file"},
    {"RecentFiles", [](const Guarded& g) { return RecentFilesPath(g.app); }, nullptr,
     "Fennick's list of recently used files"},
    {"StatData", [](const Guarded& g) { return StatDataPath(g.app); }, nullptr, "Fennick's statistics data file"},
    {"LinkToDataFile", Beside("link.txt"), DataFileOf, "the open crusade's data file"},
    {"UpperCase", Beside("VIEWS.DTA"), DataFileOf, "the open crusade's data file"},
    {"Relative", [](const Guarded& g) { return QDir::current().relativeFilePath(g.app.program.DataFile); }, DataFileOf,
     "the open crusade's data file"},
};

struct CommandRow {
    const char* name;
    std::function<void(Guarded&)> run;
    int question;  // the answer to its question before the dialog; 0: none
    bool printer;  // its dialog is the printer dialog's Print to File, not a save dialog
};

const CommandRow kCommands[] = {
    {"Email", [](Guarded& g) { mnuEmail_Click(g.app, g.f.screen); }, 0, false},
    {"Map", [](Guarded& g) { mnuExpMap_Click(g.app, g.f.screen); }, AnsYes, false},
    {"MailMerge", [](Guarded& g) { MailMerge(g.app); }, AnsNo, false},
    {"NameAndNumber", [](Guarded& g) { mnuNamAndNum_Click(g.app, g.f.screen); }, 0, false},
    {"RepeatedNames", [](Guarded& g) { mnuMMDupIntMemNam_Click(g.app, g.f.screen); }, 0, false},
    {"PrintToFile",
     [](Guarded& g) {
         int type = 1;
         PrintOneLineReport(g.app, type);
     },
     0, true},
};

void PrintTo(const CommandRow& row, std::ostream* os) {
    *os << row.name;
}
void PrintTo(const TargetRow& row, std::ostream* os) {
    *os << row.name;
}

class WriteTargets : public ::testing::TestWithParam<std::tuple<CommandRow, TargetRow>> {};

TEST_P(WriteTargets, AreRefusedBeforeAnythingIsWrittenAndTheDialogIsOfferedAgain) {
    const auto& [command, target] = GetParam();
    Guarded g;
    FakeDialogs& dialogs = g.f.view.t.dialogs;
    if (command.question) dialogs.answer(command.question);
    if (command.printer) {
        PrinterChoice pdf;
        pdf.toPdf = true;
        pdf.pdfPath = target.target(g);
        dialogs.print(pdf).print(std::nullopt);
    } else {
        dialogs.choose(target.target(g)).choose(std::nullopt);
    }
    command.run(g);

    EXPECT_EQ(g.disk(), g.before) << "every file as it was";
    EXPECT_TRUE(g.f.view.t.printer.documents().isEmpty());
    EXPECT_FALSE(dialogs.pending());
    using Kind = FakeDialogs::Kind;
    const Kind asked = command.printer ? Kind::Printer : Kind::Save;
    std::vector<Kind> expected{asked, Kind::Message, asked};
    if (command.question) expected.insert(expected.begin(), Kind::Message);
    std::vector<Kind> kinds;
    for (const auto& shown : dialogs.shown()) kinds.push_back(shown.kind);
    ASSERT_EQ(kinds, expected);
    const auto& refusal = dialogs.shown()[expected.size() - 2];
    const QString file = (target.file ? target.file : target.target)(g);
    EXPECT_EQ(refusal.text, QFileInfo(file).absoluteFilePath() + QStringLiteral(" is ") + QLatin1String(target.what) +
                                QStringLiteral(". Choose another name."));
    // The dialog itself is handed the same refusal, to tell it before a question of its own.
    const auto& dialog = dialogs.shown()[expected.size() - 3];
    const auto& inDialog = command.printer ? dialog.printer.refusal : dialog.file.refusal;
    ASSERT_TRUE(inDialog);
    EXPECT_EQ(inDialog(target.target(g)), refusal.text);
}

INSTANTIATE_TEST_SUITE_P(EachCommandAndFile, WriteTargets,
                         ::testing::Combine(::testing::ValuesIn(kCommands), ::testing::ValuesIn(kTargets)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
                         });

// Writes that no dialog checked are refused where every write passes, and change nothing.
TEST(WriteTargets, WritesPastTheDialogsAreRefusedWhereTheyPass) {
    struct Row {
        const char* name;
        std::function<FileResult(Guarded&)> write;
        std::function<QString(const Guarded&)> file;
        const char* what;
    } const rows[] = {
        {"save", [](Guarded& g) { return g.app.files().save(g.app.program.DataFile, "x"); }, DataFileOf,
         "the open crusade's data file"},
        {"append through a link", [](Guarded& g) { return g.app.files().append(g.path("link.txt"), "x"); }, DataFileOf,
         "the open crusade's data file"},
        {"append through a link that names no file yet",
         [](Guarded& g) {
             QFile::link(g.path("views.zps"), g.path("dangling.txt"));
             return g.app.files().append(g.path("dangling.txt"), "x");
         },
         Beside("views.zps"), "the open crusade's zip code table"},
        {"copy onto a missing file in another case",
         [](Guarded& g) { return g.app.files().copy(g.path("views.inf"), g.path("VIEWS.ZPS")); }, Beside("views.zps"),
         "the open crusade's zip code table"},
        {"a printed PDF file",
         [](Guarded& g) {
             g.app.printer().setJob({1, 1, 1000, true, IniFilePath(g.app), {}});
             g.app.printer().print(QStringLiteral("a page"));
             try {
                 g.app.printer().endDoc();
             } catch (const VbError& e) {
                 return FileResult{e.number(), e.description()};
             }
             return FileResult{};
         },
         [](const Guarded& g) { return IniFilePath(g.app); }, "Fennick's own settings file"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Guarded g;
        const FileResult r = row.write(g);
        EXPECT_EQ(r.error, err::PathFileAccess);
        EXPECT_EQ(r.description, row.file(g) + QStringLiteral(" is ") + QLatin1String(row.what) + u'.');
        EXPECT_EQ(g.disk(), g.before);
        EXPECT_TRUE(g.f.view.t.printer.documents().isEmpty());
    }
}

// A crusade kept in the program folder as "StatData.dta": its text export, which asks no
// name, would be the statistics data file.
TEST(WriteTargets, ATextExportBesideTheDataFileIsRefusedToo) {
    Guarded g;
    SetDataFile(g.app, QDir(g.app.program.ProgramDir).filePath(QStringLiteral("StatData.dta")));
    mnuExportText_Click(g.app, g.f.screen);
    SetDataFile(g.app, g.path("views.dta"));
    EXPECT_EQ(g.f.view.t.dialogs.messages(),
              QStringList{QStringLiteral("Error #  75 was generated by Fennick95 Error: \r\n") + StatDataPath(g.app) +
                          QStringLiteral(" is Fennick's statistics data file.")});
    EXPECT_EQ(g.disk(), g.before);
}

// The replace question is the program's own, after the check: No offers the dialog again.
TEST(WriteTargets, AnExistingFileIsAskedAboutAndNoOffersTheDialogAgain) {
    Guarded g;
    const QString other = g.path("earlier.csv");
    WriteFileBytes(other, "earlier");
    FakeDialogs& dialogs = g.f.view.t.dialogs;
    dialogs.choose(other).answer(AnsNo).choose(std::nullopt);
    mnuEmail_Click(g.app, g.f.screen);

    EXPECT_EQ(ReadFileBytes(other), "earlier");
    ASSERT_EQ(dialogs.shown().size(), 3u);
    EXPECT_EQ(dialogs.shown()[1].text, QStringLiteral("earlier.csv already exists.\r\nDo you want to replace it?"));
    EXPECT_EQ(dialogs.shown()[1].buttons, Buttons::YesNo);
    EXPECT_EQ(dialogs.shown()[2].kind, FakeDialogs::Kind::Save);
    EXPECT_EQ(dialogs.shown()[2].file.fileName, QStringLiteral("earlier.csv"));
}

}  // namespace
}  // namespace fennick::test

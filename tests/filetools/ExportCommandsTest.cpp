// The export commands as the user meets them: the questions and dialogs, the file each
// writes, the message after it, Cancel at each step, and a write that fails.

#include "ExportFixture.h"
#include "FakeFiles.h"
#include "RecordBuilder.h"
#include "data/Errors.h"
#include "filetools/ExportCommands.h"
#include "filetools/TextExportFile.h"
#include "mainwindow/MainLifecycle.h"
#include "views/Indexes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include <functional>

namespace fennick::test {
namespace {

const QString kMergeFilter = QStringLiteral("Crusade Files (*.doc)|*.doc|Crusade Files");
const QString kMergeFound = QStringLiteral("The file containing Mail Merge Data is found in ");

// One command: how it is run, the question answered before its file dialog (0: none), the
// file dialog it shows (empty title: none), and what it writes.
struct CommandRow {
    const char* name;
    std::function<void(ExportFixture&)> run;
    int question;  // the answer given to its Yes/No/Cancel question; 0 when it asks none
    const char* dialogTitle;
    QString filter;
    const char* proposed;  // the name the dialog proposes: in the program folder when marked "*", else in the
                           // crusade's folder
    const char* golden;
    QString found;  // the message after the file is written, less the file's path
};

void MailMergeCommand(ExportFixture& f) {
    MailMerge(f.app);
}
void MapCommand(ExportFixture& f) {
    mnuExpMap_Click(f.app, f.screen);
}

const CommandRow kCommands[] = {
    {"TextExport",
     [](ExportFixture& f) { mnuExportText_Click(f.app, f.screen); },
     0,
     "",
     {},
     "",
     "text-export.txt",
     QStringLiteral("The Text File has been Saved to: ")},
    {"Email", [](ExportFixture& f) { mnuEmail_Click(f.app, f.screen); }, 0, "Create an E-Mail File",
     QStringLiteral("Text (*.txt)|*.txt|CSV (*.csv)|*.csv"), "", "email-list.csv",
     QStringLiteral("The file containing E-Mail Data is found in ")},
    {"MailMergeYes", MailMergeCommand, AnsYes, "Create a MailMerge File", kMergeFilter, "*FennickMerg.Doc",
     "mail-merge-mail-list.txt", kMergeFound},
    {"MailMergeNo", MailMergeCommand, AnsNo, "Create a MailMerge File", kMergeFilter, "*FennickMerg.Doc",
     "mail-merge-all.txt", kMergeFound},
    {"NameAndNumber", [](ExportFixture& f) { mnuNamAndNum_Click(f.app, f.screen); }, 0, "Create a MailMerge File",
     kMergeFilter, "*FennickMerg.Doc", "name-and-number.txt", kMergeFound},
    {"RepeatedNames", [](ExportFixture& f) { mnuMMDupIntMemNam_Click(f.app, f.screen); }, 0, "Create a MailMerge File",
     kMergeFilter, "*FennickMerg.Doc", "repeated-names.txt", kMergeFound},
    {"MapYes", MapCommand, AnsYes, "Export File for Maping", kMergeFilter, "*FennickMapFile.txt", "map-mail-list.txt",
     kMergeFound},
    {"MapNo", MapCommand, AnsNo, "Export File for Maping", kMergeFilter, "*FennickMapFile.txt", "map-all.txt",
     kMergeFound},
};

void PrintTo(const CommandRow& row, std::ostream* os) {
    *os << row.name;
}

bool HasDialog(const CommandRow& row) {
    return row.dialogTitle[0] != '\0';
}

// Where the command's file goes: the chosen name, or beside the data file for the text export.
QString Target(const ExportFixture& f, const CommandRow& row) {
    return HasDialog(row) ? f.view.t.path(QStringLiteral("export.out")) : TextExportPath(f.app);
}

// Queues the answers that carry the command through to its file, Yes to replacing one
// that exists among them.
void AnswerThrough(ExportFixture& f, const CommandRow& row) {
    if (row.question) f.view.t.dialogs.answer(row.question);
    if (!HasDialog(row)) return;
    f.view.t.dialogs.choose(Target(f, row));
    if (QFileInfo::exists(Target(f, row))) f.view.t.dialogs.answer(AnsYes);
}

class ExportCommands : public ::testing::TestWithParam<CommandRow> {};

TEST_P(ExportCommands, WriteTheirFileAndSayWhereItIs) {
    const CommandRow& row = GetParam();
    ExportFixture f;
    AnswerThrough(f, row);
    row.run(f);

    const QString target = Target(f, row);
    EXPECT_EQ(ReadFileBytes(target), ExportFixture::golden(row.golden));
    EXPECT_EQ(f.view.t.dialogs.messages().last(), row.found + target);
    EXPECT_FALSE(f.view.t.dialogs.pending());
    for (const auto& shown : f.view.t.dialogs.shown()) {
        if (shown.kind != FakeDialogs::Kind::Save) continue;
        EXPECT_EQ(shown.file.title, QLatin1String(row.dialogTitle));
        EXPECT_EQ(shown.file.filter, row.filter);
        EXPECT_EQ(shown.file.filterIndex, 1);
        const QString proposed = QLatin1String(row.proposed);
        const bool inProgramFolder = proposed.startsWith(u'*');
        EXPECT_EQ(shown.file.fileName, inProgramFolder ? proposed.mid(1) : proposed);
        EXPECT_EQ(shown.file.initialDir, inProgramFolder ? f.app.program.ProgramDir : f.app.program.DataDir);
    }
}

TEST_P(ExportCommands, CancelAtEachStepWritesNothing) {
    const CommandRow& row = GetParam();
    for (const bool atQuestion : {true, false}) {
        if (atQuestion ? !row.question : !HasDialog(row)) continue;
        ExportFixture f;
        f.app.view.ReportKind = QStringLiteral("byNum");
        const QList<QByteArray> view = f.view.entries();
        if (atQuestion) {
            f.view.t.dialogs.answer(AnsCancel);
        } else {
            if (row.question) f.view.t.dialogs.answer(row.question);
            f.view.t.dialogs.choose(std::nullopt);
        }
        row.run(f);
        EXPECT_FALSE(QFileInfo::exists(Target(f, row))) << (atQuestion ? "question" : "dialog");
        EXPECT_EQ(f.view.t.dialogs.messages().size(), row.question ? 1 : 0);
        EXPECT_EQ(f.view.t.files.calls, QStringList());
        EXPECT_EQ(f.view.entries(), view);
        EXPECT_EQ(f.app.view.ReportKind, QStringLiteral("byNum"));
        EXPECT_EQ(f.app.msg.ScratchVar == QStringLiteral("cancel"), !atQuestion);
    }
}

TEST_P(ExportCommands, FailedWriteKeepsTheEarlierFileAndShowsOneMessage) {
    const CommandRow& row = GetParam();
    const QString inUse = QStringLiteral(
        "You are currently using FennickMerge.doc in Word for Windows.  \r\n"
        "You must either close the document using FennickMerge.doc before writing another mail merge "
        "file \r\nor save this Mail Merge file under another name.");
    const struct {
        int error;
        QString message;
    } failures[] = {
        {err::PermissionDenied, inUse},
        {err::DiskFull, QStringLiteral("Error #  61 was generated by Fennick95 Error: \r\n")},
    };
    for (const auto& failure : failures) {
        ExportFixture f;
        f.app.view.ReportKind = QStringLiteral("byNum");
        const QList<QByteArray> view = f.view.entries();
        const QByteArray earlier("an earlier export\r\n");
        WriteFileBytes(Target(f, row), earlier);
        AnswerThrough(f, row);
        f.view.t.files.failAt(1, failure.error, FakeFiles::Op::Save);
        row.run(f);

        EXPECT_EQ(f.view.t.files.calls,
                  QStringList{QStringLiteral("save ") + Target(f, row) + QStringLiteral(" failed")});
        EXPECT_EQ(ReadFileBytes(Target(f, row)), earlier) << failure.error;
        const QStringList messages = f.view.t.dialogs.messages();
        ASSERT_EQ(messages.size(), (row.question ? 2 : 1) + (HasDialog(row) ? 1 : 0)) << failure.error;
        EXPECT_TRUE(messages.last().startsWith(failure.message)) << messages.last().toStdString();
        EXPECT_FALSE(messages.last().contains(QStringLiteral(" found in "))) << failure.error;
        // The name-and-number commands leave the view alone when their file is not written.
        EXPECT_EQ(f.view.entries(), view);
        EXPECT_EQ(f.app.view.ReportKind, QStringLiteral("byNum"));
    }
}

INSTANTIATE_TEST_SUITE_P(EachCommand, ExportCommands, ::testing::ValuesIn(kCommands),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MailMergeCommand, AsksWithTheListDescriptionAndTheMacroDocument) {
    ExportFixture f;
    f.app.view.ReportKind = QStringLiteral("attendnight07");
    f.view.t.dialogs.answer(AnsCancel);
    MailMerge(f.app);
    const auto& asked = f.view.t.dialogs.last();
    EXPECT_EQ(asked.title, QStringLiteral("Mail Merge Options"));
    EXPECT_EQ(asked.buttons, Buttons::YesNoCancel);
    EXPECT_EQ(asked.text,
              QStringLiteral("If you are going to use the fennick macros, for MS Word for Windows, you must write the "
                             "merge file to:\r\n    '") +
                  QDir(f.app.program.ProgramDir).filePath(QStringLiteral("data/FennickMerge.doc")) +
                  QStringLiteral(".'\r\n\r\nYou have selected to write a MailMerge file for Filtered for night 07.\r\n"
                                 "\r\nIn addition you can choose to eliminate the names not on the mail list.\r\n"
                                 "Is this what you want to do?\r\n\r\n"
                                 "Click Yes to eliminate the names which are not on the mail list.\r\n"
                                 "Click No to include all of the selected names, even those not on the mail list."
                                 "\r\nClick Cancel to exit and change the filter"));
    EXPECT_EQ(f.app.msg.MsgAnswer, QString::number(AnsCancel));
}

TEST(MapCommand, AsksWithTheViewKind) {
    ExportFixture f;
    f.app.view.ReportKind = QStringLiteral("zip");
    f.view.t.dialogs.answer(AnsCancel);
    mnuExpMap_Click(f.app, f.screen);
    const auto& asked = f.view.t.dialogs.last();
    EXPECT_EQ(asked.title, QStringLiteral("Export to Maping"));
    EXPECT_EQ(asked.buttons, Buttons::YesNoCancel);
    EXPECT_EQ(asked.text,
              QStringLiteral("You have selected to Export a text file for Maping.\r\n\r\nFilter: zip\r\n\r\n"
                             "It is suggested that you choose to eliminate the names not on the mail list in order "
                             "to remove duplicate addresses.\r\nIs this what you want to do?\r\n\r\n"
                             "Click Yes to eliminate the names which are not on the mail list.\r\n"
                             "Click No to include all of the selected names, even those not on the mail list.\r\n"
                             "Click Cancel to exit and change the filter"));
}

TEST(NameAndNumberCommands, SortByNameFromAFilteredByNumberViewThenShowTheAlphabeticalView) {
    for (const bool repeated : {false, true}) {
        ExportFixture f;
        // A filtered view of two names, keyed by number, showing its second name.
        f.app.view.ReportIndex = {QByteArray(), "0109   9", "0102   2"};
        f.app.view.ReportCount = 2;
        f.app.view.ReportKind = QStringLiteral("byNum");
        f.app.view.CurIndexPos = 2;
        ASSERT_TRUE(ShowCurrentRecord(f.app, f.screen));
        const QString target = f.view.t.path(QStringLiteral("names.doc"));
        f.view.t.dialogs.choose(target);
        if (repeated) {
            mnuMMDupIntMemNam_Click(f.app, f.screen);
        } else {
            mnuNamAndNum_Click(f.app, f.screen);
        }
        EXPECT_EQ(ReadFileBytes(target),
                  ExportFixture::golden(repeated ? "repeated-names.txt" : "name-and-number.txt"));
        EXPECT_EQ(f.app.view.ReportKind, QStringLiteral("alpha"));
        EXPECT_EQ(f.app.view.ReportCount, 9);
        EXPECT_EQ(f.app.view.CurIndexPos, 1);
        EXPECT_EQ(f.screen.text(QStringLiteral("RNum")), QStringLiteral("0110"));
        EXPECT_EQ(f.app.crusade.CurRecNo, 10);
    }
}

}  // namespace
}  // namespace fennick::test

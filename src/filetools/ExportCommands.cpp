#include "filetools/ExportCommands.h"

#include "data/App.h"
#include "data/CrusadeSet.h"
#include "data/Errors.h"
#include "data/FileToWrite.h"
#include "data/FileUtil.h"
#include "filetools/EmailFile.h"
#include "filetools/MailMergeFile.h"
#include "filetools/MapFile.h"
#include "filetools/NameNumberFile.h"
#include "filetools/TextExportFile.h"
#include "mainwindow/MainLifecycle.h"
#include "mainwindow/SaveRecord.h"
#include "platform/Busy.h"
#include "platform/Dialogs.h"
#include "views/Indexes.h"

#include <QDir>

#include <functional>
#include <optional>

namespace fennick {

namespace {

const QString kMergeFilter = QStringLiteral("Crusade Files (*.doc)|*.doc|Crusade Files");
const QString kMergeFound = QStringLiteral("The file containing Mail Merge Data is found in ");

// Saves the record on the screen; an empty view has none. False when the save was refused
// (after its message): the command then stops, so that it never exports a record other
// than the one on the screen.
bool SaveShown(App& app, MainScreen& form) {
    return app.view.ReportCount == 0 || SaveCurrentRecord(app, form);
}

// The save dialog, until it gives a name that may be written; Cancel leaves "cancel" in
// ScratchVar and gives no name.
std::optional<QString> AskFileName(App& app, const FileDialogSpec& spec) {
    app.msg.ScratchVar.clear();
    std::optional<QString> chosen = AskFileToWrite(app, spec);
    if (!chosen) app.msg.ScratchVar = QStringLiteral("cancel");
    return chosen;
}

// The dialog of the word processor's files, proposing FennickMerg.Doc in the program folder.
FileDialogSpec MergeFileDialog(const App& app) {
    FileDialogSpec spec;
    spec.title = QStringLiteral("Create a MailMerge File");
    spec.filter = kMergeFilter;
    spec.filterIndex = 1;
    spec.initialDir = app.program.ProgramDir;
    spec.fileName = QStringLiteral("FennickMerg.Doc");
    return spec;
}

// The error handling every export shares. Permission denied is what another program
// holding the file open gives.
void ReportExportError(App& app, const VbError& e) {
    if (e.number() == err::PermissionDenied) {
        app.msg.MsgText =
            QStringLiteral("You are currently using FennickMerge.doc in Word for Windows.  ") + NewLine +
            QStringLiteral(
                "You must either close the document using FennickMerge.doc before writing another mail merge file ") +
            NewLine + QStringLiteral("or save this Mail Merge file under another name.");
    } else {
        app.msg.MsgText = CommonErrorText(e, kSourceFennick95);
    }
    app.dialogs().msgBox(app.msg.MsgText);
}

// Builds the file and writes it whole, under the hourglass. On an error its message is
// shown and false returned; nothing has been written then.
bool WriteExport(App& app, const QString& path, const std::function<QByteArray()>& build) {
    try {
        BusyGuard busy(app.platform.busy);
        WriteWholeFile(app.files(), path, build());
        return true;
    } catch (const VbError& e) {
        ReportExportError(app, e);
        return false;
    }
}

// The question whether to keep only the names on the mail list: Yes, No or Cancel.
int AskMailListOnly(App& app, const QString& question, const QString& title) {
    app.msg.MsgText = question;
    const int answer = app.dialogs().msgBox(question, Buttons::YesNoCancel, Icon::Question, title);
    app.msg.MsgAnswer = QString::number(answer);
    return answer;
}

void NameAndNumber(App& app, MainScreen& form, bool repeatedOnly) {
    if (!SaveShown(app, form)) return;
    const std::optional<QString> file = AskFileName(app, MergeFileDialog(app));
    if (!file) return;
    // The list is the file's own: the view is left alone until the file is written.
    const bool written = WriteExport(app, *file, [&] {
        return NameNumberFile(repeatedOnly ? RepeatedNames(NameNumberList(app, true)) : NameNumberList(app, false));
    });
    if (!written) return;
    IndexAlpha(app);
    ShowCurrentRecord(app, form);
    app.dialogs().msgBox(kMergeFound + *file);
}

}  // namespace

void mnuExportText_Click(App& app, MainScreen& form) {
    if (!SaveShown(app, form)) return;
    const QString path = TextExportPath(app);
    app.msg.ScratchVar = path;
    // The name is the program's own, asked of nobody: it never takes another crusade's file.
    if (const QString refused = MadeNameRefusal(path, app.program.DataFile, QStringLiteral("The text file"));
        !refused.isEmpty()) {
        app.dialogs().msgBox(refused, Buttons::OK, Icon::Exclamation);
        return;
    }
    if (!WriteExport(app, path, [&] { return TextExportFile(app); })) return;
    app.dialogs().msgBox(QStringLiteral("The Text File has been Saved to: ") + path);
}

void mnuEmail_Click(App& app, MainScreen& form) {
    if (!SaveShown(app, form)) return;
    FileDialogSpec spec;
    spec.title = QStringLiteral("Create an E-Mail File");
    spec.filter = QStringLiteral("Text (*.txt)|*.txt|CSV (*.csv)|*.csv");
    spec.filterIndex = 1;
    spec.initialDir = app.program.DataDir;
    const std::optional<QString> file = AskFileName(app, spec);
    if (!file) return;
    if (!WriteExport(app, *file, [&] { return EmailFile(app); })) return;
    app.dialogs().msgBox(QStringLiteral("The file containing E-Mail Data is found in ") + *file);
}

void MailMerge(App& app) {
    const QString description = MailMergeDescription(app.view.ReportKind, app.settings.PrintCutOff);
    const QString macroDocument = QDir(app.program.ProgramDir).filePath(QStringLiteral("data/FennickMerge.doc"));
    const int answer =
        AskMailListOnly(app, MailMergeQuestion(description, macroDocument), QStringLiteral("Mail Merge Options"));
    if (answer == AnsCancel) return;
    const std::optional<QString> file = AskFileName(app, MergeFileDialog(app));
    if (!file) return;
    if (!WriteExport(app, *file, [&] { return MailMergeFile(app, answer == AnsYes); })) return;
    app.dialogs().msgBox(kMergeFound + *file);
}

void mnuNamAndNum_Click(App& app, MainScreen& form) {
    NameAndNumber(app, form, false);
}

void mnuMMDupIntMemNam_Click(App& app, MainScreen& form) {
    NameAndNumber(app, form, true);
}

void mnuExpMap_Click(App& app, MainScreen& form) {
    if (!SaveShown(app, form)) return;
    MapExport(app);
}

void MapExport(App& app) {
    const int answer = AskMailListOnly(app, MapExportQuestion(app.view.ReportKind), QStringLiteral("Export to Maping"));
    if (answer == AnsCancel) return;
    FileDialogSpec spec;
    spec.title = QStringLiteral("Export File for Maping");
    spec.filter = kMergeFilter;
    spec.filterIndex = 1;
    spec.initialDir = app.program.ProgramDir;
    spec.fileName = QStringLiteral("FennickMapFile.txt");
    const std::optional<QString> file = AskFileName(app, spec);
    if (!file) return;
    if (!WriteExport(app, *file, [&] { return MapFile(app, answer == AnsYes); })) return;
    app.dialogs().msgBox(kMergeFound + *file);
}

}  // namespace fennick

#include "data/FileToWrite.h"

#include "data/App.h"
#include "data/Messages.h"
#include "data/ProtectedFiles.h"
#include "data/Utilities.h"

#include <QDir>
#include <QFileInfo>

#include <memory>
#include <utility>

namespace fennick {

namespace {

// Why a name chosen is not written, worked out once for each name however often it is asked:
// a name that cannot be a file, then the command's refusal, then the protected files'. The
// dialog may keep what it was handed beyond the loop: it shares the refusals.
class Refusals {
public:
    Refusals(App& app, FileQuestions questions) : app_(app), questions_(std::move(questions)) {}

    // The file the command writes for the name chosen.
    QString target(const QString& chosen) const { return questions_.complete ? questions_.complete(chosen) : chosen; }

    QString of(const QString& chosen) {
        if (!asked_ || chosen != chosen_) {
            chosen_ = chosen;
            refusal_ = workOut(chosen);
            asked_ = true;
        }
        return refusal_;
    }

private:
    QString workOut(const QString& chosen) const {
        // "name/" names a folder; one that is there is the dialog's to open.
        if (chosen.endsWith(u'/') && !QFileInfo(chosen).isDir())
            return QStringLiteral("\"") + chosen +
                   QStringLiteral(
                       "\" ends in \"/\", which names a folder, and there is no such folder. Choose a file name, "
                       "without \"/\" at its end.");
        if (QFileInfo(chosen).isDir()) return QString();  // taken up by the loop
        const QString file = target(chosen);
        if (questions_.refusal)
            if (QString refused = questions_.refusal(file); !refused.isEmpty()) return refused;
        return WriteRefusal(app_, file);
    }

    App& app_;
    const FileQuestions questions_;
    bool asked_ = false;
    QString chosen_;
    QString refusal_;
};

bool AskToReplace(App& app, const QString& file, const QString& title) {
    return app.dialogs().msgBox(FileTitle(file) + QStringLiteral(" already exists.") + NewLine +
                                    QStringLiteral("Do you want to replace it?"),
                                Buttons::YesNo, Icon::Exclamation, title, 2) == AnsYes;
}

}  // namespace

std::optional<QString> AskUntilAllowed(App& app, const FileDialogRun& run, const FileQuestions& questions) {
    using Reply = FileQuestions::Reply;
    const auto shared = std::make_shared<Refusals>(app, questions);
    Refusals& refusals = *shared;
    const auto refusal = [shared](const QString& chosen) { return shared->of(chosen); };
    QString offered;
    for (;;) {
        const std::optional<QString> chosen = run(offered, refusal);
        if (!chosen) return std::nullopt;
        if (chosen->isEmpty()) return chosen;
        // Offered again, the dialog opens at the name chosen.
        offered = *chosen;
        if (const QString refused = refusals.of(*chosen); !refused.isEmpty()) {
            app.dialogs().msgBox(refused, Buttons::OK, Icon::Exclamation);
            continue;
        }
        QString file = refusals.target(*chosen);
        if (QFileInfo(*chosen).isDir()) {
            if (!questions.inFolder) {
                app.dialogs().msgBox(
                    QDir::cleanPath(*chosen) + QStringLiteral(" is a folder. Choose a file name in it."), Buttons::OK,
                    Icon::Exclamation);
                continue;
            }
            file = questions.inFolder(*chosen);
            if (!questions.takeFileInFolder) {
                offered = file;
                continue;
            }
            if (const QString refused = refusals.of(file); !refused.isEmpty()) {
                app.dialogs().msgBox(refused, Buttons::OK, Icon::Exclamation);
                continue;
            }
            file = refusals.target(file);
        }
        if (!questions.replace) return file;
        const Reply reply = questions.replace(file);
        if (reply == Reply::Take) return file;
        if (reply == Reply::Stop) return std::nullopt;
    }
}

std::optional<QString> AskFileToWrite(App& app, FileDialogSpec spec, const FileQuestions& given) {
    FileQuestions questions = given;
    if (!questions.replace && spec.askToReplace) {
        const QString title = spec.title;
        questions.replace = [&app, title](const QString& file) {
            if (!QFileInfo(file).isFile() || AskToReplace(app, file, title)) return FileQuestions::Reply::Take;
            return FileQuestions::Reply::Again;
        };
    }
    spec.askToReplace = false;
    const FileDialogRun run = [&app, &spec](const QString& offered,
                                            const std::function<QString(const QString&)>& refusal) {
        if (!offered.isEmpty()) {
            const QFileInfo info(QDir::cleanPath(offered));
            spec.initialDir = info.absolutePath();
            spec.fileName = info.fileName();
        }
        spec.refusal = refusal;
        return app.dialogs().saveFile(spec);
    };
    return AskUntilAllowed(app, run, questions);
}

}  // namespace fennick

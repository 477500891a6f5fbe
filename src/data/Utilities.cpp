#include "data/Utilities.h"

#include "data/App.h"
#include "data/Errors.h"
#include "data/FileUtil.h"
#include "data/Text.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Help.h"
#include "platform/Shell.h"
#include "platform/Sound.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace fennick {

namespace {
constexpr int kPad = 57;

// The file text of each sound: a separator and the file name for the sounds kept in the
// program folder, the bare name for the system's chimes.
struct NamedSound {
    const char* name;
    const char* file;
};
constexpr NamedSound kSounds[] = {
    {"clunk", "\\S02.wav"},   {"laser", "\\S01.wav"},    {"carbrake", "\\S03.wav"}, {"filedone", "\\S04.wav"},
    {"welcome", "\\S05.wav"}, {"goodbye", "\\amen.wav"}, {"chimes", "chimes.wav"},
};

// Sounds that failed once are reported once per run, not at every attempt.
QSet<QString>& ReportedSounds() {
    static QSet<QString> reported;
    return reported;
}
}  // namespace

QString PadRight(const QString& text, int n) { return Left(text + QString(kPad, u' '), n); }
QByteArray PadRight(const QByteArray& text, int n) { return Left(text + QByteArray(kPad, ' '), n); }
QString PadLeft(const QString& text, int n) { return Right(QString(kPad, u' ') + text, n); }
QByteArray PadLeft(const QByteArray& text, int n) { return Right(QByteArray(kPad, ' ') + text, n); }

QString RightJust4(qint64 n) { return Right(QStringLiteral("    ") + Str(n), 4); }

QString FileTitle(const QString& path) {
    const auto p = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return p < 0 ? path : path.mid(p + 1);
}

QString ProperFirst(App& app, QString& text) {
    if (text.isEmpty())
        text = QStringLiteral("Unknown");
    else
        text[0] = FromAnsi(QByteArray(1, AnsiUpper(Ansi(text.left(1)).at(0))))[0];
    app.msg.ScratchVar = text.left(1);
    return text;
}

void SwapStrings(QString& a, QString& b) { a.swap(b); }
void SwapStrings(QByteArray& a, QByteArray& b) { a.swap(b); }

QString SoundPath(const QString& programDir, const QString& fileName) {
    const QString onDisk = QDir(programDir).filePath(fileName);
    if (!programDir.isEmpty() && QFileInfo::exists(onDisk)) return onDisk;
    return QStringLiteral(":/sounds/") + fileName;
}

bool PlayWave(App& app, const QString& fileName) {
    const bool ok = app.platform.sound.play(SoundPath(app.program.ProgramDir, fileName));
    if (!ok && !ReportedSounds().contains(fileName)) {
        ReportedSounds().insert(fileName);
        app.dialogs().msgBox(QStringLiteral("The sound ") + fileName + QStringLiteral(" could not be played.") +
                                 NewLine + QStringLiteral("Fennick goes on without it."),
                             Buttons::OK, Icon::Information);
    }
    return ok;
}

void PlaySound(App& app, const QString& name) {
    QString file;
    for (const auto& s : kSounds)
        if (name == QLatin1String(s.name)) file = QLatin1String(s.file);
    if (file.isEmpty()) return;
    app.msg.ScratchVar = file;
    if (!app.settings.SoundOn) return;
    const QString fileName = file.startsWith(u'\\') ? file.mid(1) : file;
    app.msg.ScratchVar = PlayWave(app, fileName) ? QStringLiteral("1") : QStringLiteral("0");
}

void OpenManual(App& app) {
    const QString path = QDir(app.program.ProgramDir).filePath(kManualFileName);
    // The program carries its manual; a copy in the program folder is what the desktop
    // opens. It is written whole or not at all: a copy that could not be written is found
    // missing by the desktop, which is told below.
    QFile manual(QStringLiteral(":/manual/") + kManualFileName);
    if (!QFileInfo::exists(path) && manual.open(QIODevice::ReadOnly)) {
        try {
            if (!QFileInfo(app.program.ProgramDir).isDir()) app.files().makeFolder(app.program.ProgramDir);
            WriteWholeFile(app.files(), path, manual.readAll());
        } catch (const VbError&) {
        }
    }
    const int result = app.platform.shell.open(path, app.program.ProgramDir);
    if (result == kShellFileNotFound) {
        app.dialogs().msgBox(kManualFileName + QStringLiteral(" was not found.") + NewLine +
                             QStringLiteral("Please copy the file to the ") + app.program.ProgramDir +
                             QStringLiteral(" folder and try again"));
    } else if (result <= 32) {
        app.dialogs().msgBox(QStringLiteral("No program to show web pages was found on this computer.  You must "
                                            "install a web browser in order to run this option.") +
                             NewLine + QStringLiteral("The manual is the file ") + path);
    }
}

void InitHelp(App&) {}

void QuitHelp(App& app) { app.platform.help.quit(); }

void ShowHelpContext(App& app, int context) {
    if (!app.platform.help.showContext(context))
        app.dialogs().msgBox(QStringLiteral("The help topic ") + Plain(context) + QStringLiteral(" could not be found."),
                             Buttons::OK, Icon::Exclamation);
}

void ShowHelpContents(App& app) {
    if (!app.platform.help.showContents())
        app.dialogs().msgBox(QStringLiteral("The help pages could not be opened."), Buttons::OK, Icon::Exclamation);
}

}  // namespace fennick

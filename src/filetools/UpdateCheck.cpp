#include "filetools/UpdateCheck.h"

#include "data/App.h"
#include "data/Messages.h"
#include "data/StartUp.h"
#include "platform/Busy.h"
#include "platform/Dialogs.h"
#include "platform/ErrorNumbers.h"
#include "platform/Network.h"
#include "platform/SettingsStore.h"

#include <QRegularExpression>

namespace fennick {

namespace {

// The four steps of installing a newer version by hand: it is built from its folder.
QString InstallSteps() {
    return QStringLiteral("1. Download the newer version and unpack it on your hard drive.") + NewLine +
           QStringLiteral("2. When download is complete you must exit Fennick.") + NewLine +
           QStringLiteral(
               "3. In its folder run scripts/run (see its README.md): it installs what is needed, builds the new "
               "program and starts it.") +
           NewLine +
           QStringLiteral(
               "4. If Fennick was installed with cmake --install build-release, run that again in the same folder.");
}

QString Notice() {
    return QStringLiteral("In order to automatically update Fennick, your computer must") + NewLine +
           QStringLiteral("be connected to the internet.") + NewLine +
           QStringLiteral("If you are not currently connected,") +
           QStringLiteral("You can click OK and Fennick will attempt to connect automatically.") + NewLine + NewLine +
           QStringLiteral("Or you can click 'Cancel' and maunally") + NewLine +
           QStringLiteral(" establish a connection before trying again.") + NewLine + NewLine + InstallSteps();
}

QString CheckFailed(const QString& url, const QString& reason) {
    return QStringLiteral("The update check could not be completed.") + NewLine + QStringLiteral("Address tried: ") +
           url + NewLine + QStringLiteral("Reason: ") + reason;
}

QString NotAVersion(const QByteArray& body) {
    const QString text = QString::fromLatin1(body).simplified();
    if (text.isEmpty()) return QStringLiteral("the answer is empty");
    return QStringLiteral("the answer \"") + text + QStringLiteral("\" is not a version such as ") +
           VersionDisplay(RunningVersion());
}

QString Versions(const QString& fetched, const ProgramVersion& running) {
    return QStringLiteral("The lastest update available is:            ") + fetched + NewLine +
           QStringLiteral("Your current version of Fennick is:      ") + VersionDisplay(running);
}

}  // namespace

ProgramVersion RunningVersion() {
    return {kVersionMajor, kVersionMinor, kVersionRevision};
}

QString VersionDisplay(const ProgramVersion& v) {
    const auto two = [](int n) { return QString::number(n).rightJustified(2, u'0'); };
    return two(v.major) + u'.' + two(v.minor) + u'.' + two(v.revision);
}

std::optional<ProgramVersion> ParseVersionText(const QByteArray& body) {
    static const QRegularExpression form(QStringLiteral("^(\\d\\d)\\.(\\d\\d)\\.(\\d\\d)$"));
    const QRegularExpressionMatch m = form.match(QString::fromLatin1(body.trimmed()));
    if (!m.hasMatch()) return std::nullopt;
    return ProgramVersion{m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()};
}

QString UpdateUrl(App& app) {
    const QString host =
        app.platform.store.get(kUpdateSettings, QStringLiteral("Update"), QStringLiteral("Host"), kDefaultUpdateHost)
            .trimmed();
    return QStringLiteral("http://") + (host.isEmpty() ? kDefaultUpdateHost : host) + kVersionPath;
}

void mnuUpdate_Click(App& app, int timeoutMs) {
    app.msg.MsgText = Notice();
    const int answer =
        app.dialogs().msgBox(app.msg.MsgText, Buttons::OKCancel, Icon::Exclamation, QStringLiteral("Fennick Update"));
    app.msg.MsgAnswer = QString::number(answer);
    if (answer == AnsCancel) return;

    const QString url = UpdateUrl(app);
    FetchResult fetched;
    {
        BusyGuard busy(app.platform.busy);
        fetched = app.platform.network.fetch(url, timeoutMs, kVersionTextMax);
    }
    if (fetched.error == err::RequestTimedOut) {
        app.dialogs().msgBox(QStringLiteral("Fennick was unable to find an internet connection.") +
                             QStringLiteral("Insure that you are connected to the internet and try Update Fennick "
                                            "again.") +
                             NewLine + NewLine + CheckFailed(url, fetched.description));
        return;
    }
    if (!fetched.ok()) {
        app.dialogs().msgBox(CheckFailed(url, fetched.description));
        return;
    }
    const std::optional<ProgramVersion> offered = ParseVersionText(fetched.body);
    if (!offered) {
        app.dialogs().msgBox(CheckFailed(url, NotAVersion(fetched.body)));
        return;
    }
    const QString text = QString::fromLatin1(fetched.body.trimmed());
    app.msg.ScratchVar = text.mid(3, 2);
    const ProgramVersion running = RunningVersion();
    if (*offered > running) {
        app.dialogs().msgBox(Versions(text, running) + NewLine + NewLine +
                             QStringLiteral("A newer version of Fennick is available. To install it:") + NewLine +
                             InstallSteps());
        return;
    }
    app.dialogs().msgBox(Versions(text, running) + NewLine + NewLine +
                         QStringLiteral("You have the latest version of Fennick") + NewLine +
                         QStringLiteral("There are no new updates available for your Version of Fennick."));
}

}  // namespace fennick

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

// The four steps of installing an update by hand, as the notice gives them.
QString InstallSteps() {
    return QStringLiteral("1. Download the file to your hard drive") + NewLine +
           QStringLiteral("2. When download is complete you must exit Fennick.") + NewLine +
           QStringLiteral(
               "3. Click the open button or double click the downloaded file, 'Fennick Update.exe' in "
               "order to complete the upgrade.") +
           NewLine + QStringLiteral("4. Restart Fennick after successfully updating in order to use the new program.");
}

QString Notice() {
    return QStringLiteral("In order to automatically update Fennick, your computer must") + NewLine +
           QStringLiteral("be connected to the internet.") + NewLine +
           QStringLiteral("If you are not currently connected,") +
           QStringLiteral("You can click OK and Fennick will attempt to connect automatically.") + NewLine + NewLine +
           QStringLiteral("Or you can click 'Cancel' and maunally") + NewLine +
           QStringLiteral(" establish a connection before trying again.") + NewLine + NewLine + InstallSteps();
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

    FetchResult fetched;
    {
        BusyGuard busy(app.platform.busy);
        fetched = app.platform.network.fetch(UpdateUrl(app), timeoutMs, kVersionTextMax);
    }
    if (fetched.error == err::RequestTimedOut) {
        app.dialogs().msgBox(QStringLiteral("Fennick was unable to find an internet connection.") +
                             QStringLiteral("Insure that you are connected to the internet and try Update Fennick "
                                            "again."));
        return;
    }
    // Any other failure, and an answer that names no version, ends without a message.
    if (!fetched.ok()) return;
    const std::optional<ProgramVersion> offered = ParseVersionText(fetched.body);
    if (!offered) return;
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

#pragma once
// Help, Update Fennick: after a notice about the internet connection, the version text
// on the maker's web server is fetched and compared with the running program's version.
// A newer version is announced with how to install it by hand; the same or an older one
// gets the "no new updates" message; a check that cannot be completed says so, with the
// address tried and why. Nothing is downloaded or written.

#include <QByteArray>
#include <QString>

#include <compare>
#include <optional>

namespace fennick {

class App;

// Where the version text lies: http://<host>/quillomark/version.txt. The host (with a
// port when needed, "example.org:8080") is the setting Host of the section Update in the
// settings store's application kUpdateSettings, kDefaultUpdateHost when unset.
inline const QString kUpdateSettings = QStringLiteral("Fennick");
inline const QString kDefaultUpdateHost = QStringLiteral("www.fennick.org");
inline const QString kVersionPath = QStringLiteral("/quillomark/version.txt");
// How long the fetch waits without an answer, and the longest version text taken.
inline constexpr int kUpdateTimeoutMs = 15000;
inline constexpr qint64 kVersionTextMax = 64;

struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
    auto operator<=>(const ProgramVersion&) const = default;
};

// The running program's version, from the build's version numbers.
ProgramVersion RunningVersion();
// Two digits each, joined by ".": "02.05.86".
QString VersionDisplay(const ProgramVersion& v);
// The version that a fetched text names: blanks and line ends around it are dropped, and
// what is left must be two digits, ".", two digits, ".", two digits. nullopt otherwise.
std::optional<ProgramVersion> ParseVersionText(const QByteArray& body);

QString UpdateUrl(App& app);

// The menu command. timeoutMs: how long the fetch may wait.
void mnuUpdate_Click(App& app, int timeoutMs = kUpdateTimeoutMs);

}  // namespace fennick

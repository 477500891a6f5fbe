#pragma once
// Runs a piece of a test in a child process whose files cannot grow past a limit
// (RLIMIT_FSIZE, with SIGXFSZ ignored), so that writes fail part way with EFBIG as they
// do on a full disk, also for a test run as root.

#include <QByteArray>

#include <functional>
#include <optional>

namespace fennick::test {

// Forks; the child sets the limit in bytes, runs body and hands its result to the parent.
// The result, or nothing when the child did not end by itself (a crash, an abort).
std::optional<QByteArray> InChildWithFileSizeLimit(qint64 limit, const std::function<QByteArray()>& body);
// In the child: lifts the limit, as a disk given room again.
void LiftFileSizeLimit();

}  // namespace fennick::test

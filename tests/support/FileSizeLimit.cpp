#include "FileSizeLimit.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace fennick::test {

std::optional<QByteArray> InChildWithFileSizeLimit(qint64 limit, const std::function<QByteArray()>& body) {
    int pipe[2];
    if (::pipe(pipe) != 0) return std::nullopt;
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(pipe[0]);
        ::close(pipe[1]);
        return std::nullopt;
    }
    if (child == 0) {
        ::close(pipe[0]);
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit cap{};  // the hard limit stays, for LiftFileSizeLimit
        ::getrlimit(RLIMIT_FSIZE, &cap);
        cap.rlim_cur = rlim_t(limit);
        if (::setrlimit(RLIMIT_FSIZE, &cap) != 0) ::_exit(2);
        const QByteArray result = body();
        for (qsizetype done = 0; done < result.size();) {
            const ssize_t n = ::write(pipe[1], result.constData() + done, size_t(result.size() - done));
            if (n <= 0) ::_exit(3);
            done += n;
        }
        ::_exit(0);  // no exit handlers, no leak check of the parent's copy
    }
    ::close(pipe[1]);
    QByteArray result;
    char block[4096];
    for (;;) {
        const ssize_t n = ::read(pipe[0], block, sizeof block);
        if (n > 0) {
            result.append(block, n);
        } else if (n == 0 || errno != EINTR) {
            break;
        }
    }
    ::close(pipe[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return result;
}

void LiftFileSizeLimit() {
    rlimit cap{};
    ::getrlimit(RLIMIT_FSIZE, &cap);
    cap.rlim_cur = cap.rlim_max;
    ::setrlimit(RLIMIT_FSIZE, &cap);
}

}  // namespace fennick::test

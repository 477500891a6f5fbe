#pragma once
// Fetching a short text file over HTTP, blocking until it has come: the update check's
// way to the maker's web server. QtNetwork fetches for the program; tests script a fake
// or serve the file themselves.

#include <QByteArray>
#include <QString>

namespace fennick {

// What a fetch came to: error 0 and the whole body, or the error number and why, in words
// that follow the address ("Connection refused", "the server answered 404 Not Found").
struct FetchResult {
    int error = 0;
    QString description;
    QByteArray body;
    bool ok() const { return error == 0; }
};

class Network {
public:
    virtual ~Network() = default;
    // The body of url. Fails with err::RequestTimedOut when nothing arrives for timeoutMs,
    // and with err::RequestFailed when the server cannot be reached, answers other than
    // 2xx or sends more than maxBytes.
    virtual FetchResult fetch(const QString& url, int timeoutMs, qint64 maxBytes) = 0;
};

}  // namespace fennick

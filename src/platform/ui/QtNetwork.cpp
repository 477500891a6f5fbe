#include "platform/ui/QtNetwork.h"

#include "platform/ErrorNumbers.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace fennick {

FetchResult QtNetwork::fetch(const QString& url, int timeoutMs, qint64 maxBytes) {
    QNetworkAccessManager manager;
    QNetworkRequest request{QUrl(url)};
    request.setTransferTimeout(timeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    QNetworkReply* reply = manager.get(request);  // deleted with the manager

    bool tooLong = false;
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [&](qint64 received, qint64) {
        if (received > maxBytes && !tooLong) {
            tooLong = true;
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);

    FetchResult r;
    const auto fail = [&](int error, const QString& why) {
        r.error = error;
        r.description = why;
        return r;
    };
    if (tooLong) return fail(err::RequestFailed, QStringLiteral("the answer is longer than %1 bytes").arg(maxBytes));
    // A transfer time-out ends the reply as cancelled (later Qt versions: as timed out).
    if (reply->error() == QNetworkReply::OperationCanceledError || reply->error() == QNetworkReply::TimeoutError)
        return fail(err::RequestTimedOut, QStringLiteral("no answer within %1 ms").arg(timeoutMs));
    // A server that answered is named by its status, which says more than the reply's error.
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299)) {
        const QString phrase = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        return fail(err::RequestFailed,
                    (QStringLiteral("the server answered ") + status.toString() + u' ' + phrase).trimmed());
    }
    if (reply->error() != QNetworkReply::NoError) return fail(err::RequestFailed, reply->errorString());
    r.body = reply->readAll();
    if (r.body.size() > maxBytes)
        return fail(err::RequestFailed, QStringLiteral("the answer is longer than %1 bytes").arg(maxBytes));
    return r;
}

}  // namespace fennick

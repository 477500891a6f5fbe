#pragma once
// A network that serves a scripted answer and records what was asked of it.

#include "platform/Network.h"

#include <QStringList>

namespace fennick::test {

class FakeNetwork : public Network {
public:
    FetchResult fetch(const QString& url, int timeoutMs, qint64 maxBytes) override {
        urls << url;
        lastTimeoutMs = timeoutMs;
        lastMaxBytes = maxBytes;
        return answer;
    }
    FetchResult answer;  // what every fetch gives
    QStringList urls;    // every URL fetched, in order
    int lastTimeoutMs = 0;
    qint64 lastMaxBytes = 0;
};

}  // namespace fennick::test

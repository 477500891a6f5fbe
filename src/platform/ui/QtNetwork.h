#pragma once
// Fetches with QNetworkAccessManager, waiting in a local event loop that takes no user
// input (the caller shows the hourglass), with Qt's transfer time-out.

#include "platform/Network.h"

namespace fennick {

class QtNetwork : public Network {
public:
    FetchResult fetch(const QString& url, int timeoutMs, qint64 maxBytes) override;
};

}  // namespace fennick

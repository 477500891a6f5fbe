// The update check against a web server of its own on 127.0.0.1: each kind of answer
// gives its message, a failure one naming the address and the reason, through the
// program's Qt fetch with its time-out.

#include "FakePlatform.h"
#include "filetools/UpdateCheck.h"
#include "platform/ui/QtNetwork.h"

#include <QNetworkProxy>
#include <QTcpServer>
#include <QTcpSocket>

#include <gtest/gtest.h>

using namespace fennick;
using namespace fennick::test;

namespace {

// Answers every request with the same bytes, or keeps silent.
class VersionServer {
public:
    explicit VersionServer(std::optional<QByteArray> reply) : reply_(std::move(reply)) {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            QTcpSocket* s = server_.nextPendingConnection();
            QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                request_ += s->readAll();
                if (!request_.contains("\r\n\r\n") || !reply_) return;
                s->write(*reply_);
                s->disconnectFromHost();
            });
        });
    }
    quint16 port() const { return server_.serverPort(); }
    QByteArray request() const { return request_; }

private:
    QTcpServer server_;
    std::optional<QByteArray> reply_;
    QByteArray request_;
};

QByteArray Http(const char* status, const QByteArray& body) {
    return QByteArray("HTTP/1.1 ") + status +
           "\r\nContent-Type: text/plain\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

enum class Said { NoUpdates, Newer, TimedOut, Failed };

TEST(UpdateCheckTest, EachAnswerOfTheServerGivesItsMessage) {
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    const struct {
        const char* what;
        std::optional<QByteArray> reply;  // none: the server keeps silent
        Said said;
        const char* reason = "";  // why the check could not be completed
        bool closedPort = false;
    } cases[] = {
        {"equal", Http("200 OK", "02.05.86"), Said::NoUpdates},
        {"newer revision", Http("200 OK", "02.05.87"), Said::Newer},
        {"newer minor", Http("200 OK", "02.06.00"), Said::Newer},
        {"newer major", Http("200 OK", "03.00.00"), Said::Newer},
        {"older", Http("200 OK", "02.04.99"), Said::NoUpdates},
        {"ending in CR LF", Http("200 OK", "02.05.90\r\n"), Said::Newer},
        {"not a version", Http("200 OK", "2.5.90"), Said::Failed,
         "the answer \"2.5.90\" is not a version such as 02.05.86"},
        {"empty", Http("200 OK", ""), Said::Failed, "the answer is empty"},
        {"not found", Http("404 Not Found", "02.05.90"), Said::Failed, "the server answered 404 Not Found"},
        {"longer than 64 bytes", Http("200 OK", "02.05.90" + QByteArray(57, ' ')), Said::Failed,
         "the answer is longer than 64 bytes"},
        {"no answer", std::nullopt, Said::TimedOut, "no answer within 200 ms"},
        {"a closed port", std::nullopt, Said::Failed, "Connection refused", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestApp t;
        QtNetwork network;
        const Platform& p = t.app.platform;
        FakePrinter printer;  // t's printer belongs to t's application object
        App app(Platform{p.dialogs, printer, p.sound, p.help, p.shell, p.store, p.clock, p.busy, p.files, network});
        auto server = std::make_unique<VersionServer>(c.reply);
        const quint16 port = server->port();
        if (c.closedPort) server.reset();
        t.store.save(kUpdateSettings, QStringLiteral("Update"), QStringLiteral("Host"),
                     QStringLiteral("127.0.0.1:%1").arg(port));
        t.dialogs.answer(AnsOK);
        mnuUpdate_Click(app, 200);

        if (server) {
            EXPECT_TRUE(server->request().startsWith("GET /quillomark/version.txt HTTP/1.1\r\n"));
        }
        const QStringList shown = t.dialogs.messages();
        ASSERT_EQ(shown.size(), 2);
        EXPECT_FALSE(shown[0].contains(QLatin1String(".exe"))) << "an installer of another system";
        EXPECT_TRUE(shown[0].contains(QLatin1String("scripts/run"))) << shown[0].toStdString();
        const QString& last = shown[1];
        const QString failed = QStringLiteral(
                                   "The update check could not be completed.\r\nAddress tried: "
                                   "http://127.0.0.1:%1/quillomark/version.txt\r\nReason: %2")
                                   .arg(port)
                                   .arg(QLatin1String(c.reason));
        switch (c.said) {
            case Said::NoUpdates:
                EXPECT_TRUE(
                    last.endsWith(QStringLiteral("Your current version of Fennick is:      02.05.86\r\n\r\n"
                                                 "You have the latest version of Fennick\r\n"
                                                 "There are no new updates available for your Version of "
                                                 "Fennick.")))
                    << last.toStdString();
                break;
            case Said::Newer:
                EXPECT_TRUE(last.contains(QStringLiteral("A newer version of Fennick is available. To install it:")))
                    << last.toStdString();
                EXPECT_TRUE(last.contains(QLatin1String("scripts/run"))) << last.toStdString();
                break;
            case Said::TimedOut:
                EXPECT_EQ(last.toStdString(),
                          (QStringLiteral("Fennick was unable to find an internet connection.Insure that you are "
                                          "connected to the internet and try Update Fennick again.\r\n\r\n") +
                           failed)
                              .toStdString());
                break;
            case Said::Failed:
                EXPECT_EQ(last.toStdString(), failed.toStdString());
        }
    }
}

}  // namespace

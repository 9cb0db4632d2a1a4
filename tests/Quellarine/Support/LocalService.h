#pragma once

#include "Quellarine/Desktop/ServiceClient.h"

#include "QuellarineKit/Support/WebAddress.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QTemporaryDir>

#include <chrono>
#include <functional>
#include <map>
#include <vector>

namespace quellarine::testing {

// A small HTTPS service on the loopback interface, in the test's own process, with a certificate made for the
// test and trusted only by the client it hands out. It records every request and answers as the test says:
// any status and body, a cookie, a dropped connection, a body cut off or reset, a body without end, an answer that
// never comes.
class LocalService final : public QObject {
public:
    struct Request {
        QByteArray method;
        QByteArray path;
        QMap<QByteArray, QByteArray> headers; // names in lower case
        QByteArray body;
    };

    struct Answer {
        // dropConnection: closed before any answer; cutOff: half the body, then closed; reset: half the body, then
        // the connection reset; endless: a status and a body that never ends, as fast as the client takes it.
        enum class Kind { reply, dropConnection, cutOff, reset, endless, never };
        Kind kind = Kind::reply;
        int status = 200;
        QByteArray body;
        QList<QPair<QByteArray, QByteArray>> headers;
        int delayMs = 0;

        static Answer withStatus(int code, QByteArray body = {})
        {
            Answer answer;
            answer.status = code;
            answer.body = std::move(body);
            return answer;
        }
        static Answer of(Kind kind)
        {
            Answer answer;
            answer.kind = kind;
            return answer;
        }
    };

    // How much shorter than the application's the tests make a client's time-outs: a time-out test waits a second
    // or three, while a busy machine's handshake and answer still fit well inside.
    static constexpr double timeScale = 0.05;

    LocalService();

    // A client's deadlines for this service: each shortened by `timeScale`, and the one asked for recorded in
    // `deadlinesAsked` under the request's path.
    ServiceClient::Deadline deadlines();
    std::map<QString, std::chrono::milliseconds> deadlinesAsked;
    // What the endless answers sent so far.
    qint64 endlessBytes = 0;

    // "https://localhost:<port>".
    WebAddress root() const;
    // What a client needs to trust this service and nothing else.
    QSslConfiguration clientTls() const;

    // Runs the event loop until `count` requests arrived or the time ran out.
    bool waitForRequests(std::size_t count, int timeoutMs = 5000);

    std::function<Answer(const Request& request)> answer = [](const Request&) { return Answer{}; };
    std::vector<Request> received;

private:
    void serve(QSslSocket* socket);
    void respond(QSslSocket* socket, const Answer& answer);
    void pour(QSslSocket* socket);

    QTemporaryDir directory_;
    QSslCertificate certificate_;
    QSslKey key_;
    QSslServer server_;
};

} // namespace quellarine::testing

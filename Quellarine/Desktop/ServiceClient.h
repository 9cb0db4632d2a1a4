#pragma once

#include "QuellarineKit/Support/WebAddress.h"

#include <QByteArray>
#include <QObject>
#include <QSslConfiguration>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QNetworkAccessManager;

namespace quellarine {

// How a service request ended.
struct ServiceReply {
    enum class Outcome {
        // The build names no service: nothing was sent.
        noService,
        // No complete answer arrived: no connection, a time-out, a reply cut off.
        offline,
        // An HTTP status arrived with the whole body.
        answered,
    };

    Outcome outcome = Outcome::offline;
    int status = 0;
    QByteArray body;
};

// Sends the application's requests to the maker's service: JSON posted under one root address, through one
// network session that keeps nothing of the service — no cookies (a cookie the service sets is never sent
// back), no cache, no credentials. Nothing is retried, queued or sent in the background. Main thread only.
class ServiceClient final : public QObject {
    Q_OBJECT

public:
    using Done = std::function<void(const ServiceReply& reply)>;

    // Whether a request may go out again when its connection drops before any answer. A request that may use
    // up something of the user's (a daily explanation) must never arrive twice.
    enum class Resend { allowed, never };

    // The application's client: the build's service root and the system's certificate authorities.
    static ServiceClient& shared();

    // A client for another root (none: a build without a service), trusting only `tls`'s authorities when it
    // has any, with every time-out multiplied by `timeScale` (tests shorten them).
    ServiceClient(std::optional<WebAddress> root, QSslConfiguration tls, double timeScale = 1.0,
                  QObject* parent = nullptr);
    ~ServiceClient() override;

    // Posts `body` as "application/json" to the root joined with `path` ("api/feedback"). `done` runs once, on
    // the main thread, unless `context` is destroyed first. The session is made on the first request.
    void post(const QString& path, const QByteArray& body, std::chrono::milliseconds timeout, Resend resend,
              QObject* context, Done done);

    // The root joined with a path: the root, one slash and the path.
    static QString join(const WebAddress& root, const QString& path);

private:
    QNetworkAccessManager& session();

    std::optional<WebAddress> root_;
    QSslConfiguration tls_;
    double timeScale_;
    QNetworkAccessManager* session_ = nullptr;
};

} // namespace quellarine

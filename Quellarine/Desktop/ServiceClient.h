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
        // No complete answer arrived: no connection, a time-out, a connection closed or reset, a reply cut off.
        offline,
        // An HTTP status arrived, with the whole body when the request reads one.
        answered,
        // An answer whose body grew past the request's limit: reading stopped there and the body was dropped.
        oversized,
        // An answer sent compressed though asked for as it is: nothing of it was read or unpacked.
        unreadable,
    };

    Outcome outcome = Outcome::offline;
    int status = 0;
    QByteArray body;
};

// Sends the application's requests to the maker's service: JSON posted under one root address, through one
// network session that keeps nothing of the service — no cookies (a cookie the service sets is never sent
// back), no cache, no credentials. Nothing is retried, queued or sent in the background: a request goes out once,
// its body readable once only, and a redirect ends it rather than sending it again elsewhere. Answers are asked for
// as they are, never compressed, so that a few kilobytes cannot unfold into gigabytes. Main thread only.
class ServiceClient final : public QObject {
    Q_OBJECT

public:
    using Done = std::function<void(const ServiceReply& reply)>;
    // The deadline a request really gets for the one it asks for (`path` as given to `post`). Tests shorten them
    // and see which ones were asked for.
    using Deadline = std::function<std::chrono::milliseconds(const QString& path, std::chrono::milliseconds asked)>;

    // A body limit for a request whose answer is its status alone: the reply ends as soon as the status arrives and
    // its body is never read.
    static constexpr qint64 statusOnly = 0;

    // The application's client: the build's service root and the system's certificate authorities.
    static ServiceClient& shared();

    // A client for another root (none: a build without a service), trusting only `tls`'s authorities when it
    // has any; `deadline` (none: as asked) sets each request's real deadline.
    ServiceClient(std::optional<WebAddress> root, QSslConfiguration tls, Deadline deadline = {},
                  QObject* parent = nullptr);
    ~ServiceClient() override;

    // Posts `body` as "application/json" to the root joined with `path` ("api/feedback"), ending it after `timeout`.
    // At most `bodyLimit` bytes of the answer's body are read (or none: `statusOnly`); a longer one ends as
    // `oversized` the moment it passes the limit. `done` runs once, on the main thread, unless `context` is
    // destroyed first. The session is made on the first request.
    void post(const QString& path, const QByteArray& body, std::chrono::milliseconds timeout, qint64 bodyLimit,
              QObject* context, Done done);

    // The root joined with a path: the root, one slash and the path.
    static QString join(const WebAddress& root, const QString& path);

private:
    QNetworkAccessManager& session();

    std::optional<WebAddress> root_;
    QSslConfiguration tls_;
    Deadline deadline_;
    QNetworkAccessManager* session_ = nullptr;
};

} // namespace quellarine

#include "Quellarine/Desktop/ServiceClient.h"

#include "QuellarineKit/Services/Product.h"

#include <QNetworkAccessManager>
#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <cstring>

namespace quellarine {

namespace {

// Keeps no cookie and offers none: whatever the service sets is forgotten at once.
class NoCookies final : public QNetworkCookieJar {
public:
    using QNetworkCookieJar::QNetworkCookieJar;

    QList<QNetworkCookie> cookiesForUrl(const QUrl&) const override { return {}; }
    bool setCookiesFromUrl(const QList<QNetworkCookie>&, const QUrl&) override { return false; }
};

// A body that can be read once only. When a connection drops before any answer, the network stack resends a
// request only if it can read its body again from the start; this one refuses, so the request fails instead.
class OneShotBody final : public QIODevice {
public:
    OneShotBody(QByteArray bytes, QObject* parent)
        : QIODevice(parent)
        , bytes_(std::move(bytes))
    {
        open(QIODevice::ReadOnly);
    }

    bool isSequential() const override { return true; }
    bool reset() override { return false; }
    qint64 bytesAvailable() const override { return bytes_.size() - position_ + QIODevice::bytesAvailable(); }
    bool atEnd() const override { return position_ >= bytes_.size() && QIODevice::bytesAvailable() == 0; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 count = std::min(maxSize, qint64(bytes_.size()) - position_);
        if (count <= 0) {
            return position_ >= bytes_.size() ? -1 : 0;
        }
        std::memcpy(data, bytes_.constData() + position_, size_t(count));
        position_ += count;
        return count;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray bytes_;
    qint64 position_ = 0;
};

// Only an answer whose status arrived with its whole body counts; failures of the transport (refused, cut off,
// reset, timed out, aborted) lie below the range Qt uses for answers with an error status.
ServiceReply classify(QNetworkReply& reply)
{
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const bool transportFailed
        = reply.error() != QNetworkReply::NoError && reply.error() < QNetworkReply::ContentAccessDenied;
    if (!status.isValid() || transportFailed) {
        return {ServiceReply::Outcome::offline, 0, {}};
    }
    return {ServiceReply::Outcome::answered, status.toInt(), reply.readAll()};
}

} // namespace

ServiceClient& ServiceClient::shared()
{
    static ServiceClient* client = new ServiceClient(Product::server(), QSslConfiguration::defaultConfiguration());
    return *client;
}

ServiceClient::ServiceClient(std::optional<WebAddress> root, QSslConfiguration tls, Deadline deadline, QObject* parent)
    : QObject(parent)
    , root_(std::move(root))
    , tls_(std::move(tls))
    , deadline_(std::move(deadline))
{
}

ServiceClient::~ServiceClient() = default;

QString ServiceClient::join(const WebAddress& root, const QString& path)
{
    return QString::fromStdString(root.text()) + QLatin1Char('/') + path;
}

QNetworkAccessManager& ServiceClient::session()
{
    if (!session_) {
        session_ = new QNetworkAccessManager(this);
        session_->setCookieJar(new NoCookies(session_));
        session_->setCache(nullptr);
    }
    return *session_;
}

void ServiceClient::post(const QString& path, const QByteArray& body, std::chrono::milliseconds timeout,
                         qint64 bodyLimit, QObject* context, Done done)
{
    if (!root_) {
        QMetaObject::invokeMethod(
            context,
            [done = std::move(done)] {
                done({ServiceReply::Outcome::noService, 0, {}});
            },
            Qt::QueuedConnection);
        return;
    }

    QNetworkRequest request(QUrl(join(*root_, path)));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    request.setSslConfiguration(tls_);
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::AuthenticationReuseAttribute, QNetworkRequest::Manual);
    // A redirect is not the maker's answer; following it would send the message again, or turn it into a GET.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    // Read straight from the one-shot body, never from a copy the stack could send again.
    request.setAttribute(QNetworkRequest::DoNotBufferUploadDataAttribute, true);
    request.setHeader(QNetworkRequest::ContentLengthHeader, body.size());
    // Named, so that the stack neither offers compressed answers nor unpacks one that comes anyway: a limit on the
    // body then limits what is read.
    request.setRawHeader("Accept-Encoding", "identity");
    auto* device = new OneShotBody(body, nullptr);
    QNetworkReply* reply = session().post(request, device);
    device->setParent(reply);
    // The stack holds no more of the answer than the limit and one byte, however fast it comes.
    reply->setReadBufferSize(bodyLimit + 1);

    // One deadline for the whole exchange: a service that answers a byte at a time still ends in time.
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, reply, &QNetworkReply::abort);
    deadline->start(deadline_ ? deadline_(path, timeout) : timeout);

    // Set once the answer is known before the reply ends: its status alone, or a body past the limit. The rest is
    // dropped once the stack has returned from telling us (it holds no more than the limit meanwhile).
    auto decided = std::make_shared<std::optional<ServiceReply>>();
    const auto decide = [reply, decided](ServiceReply outcome) {
        if (!*decided) {
            *decided = std::move(outcome);
            QMetaObject::invokeMethod(reply, &QNetworkReply::abort, Qt::QueuedConnection);
        }
    };
    connect(reply, &QNetworkReply::metaDataChanged, this, [reply, bodyLimit, decide] {
        // An interim status (1xx) is not yet the answer.
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (!status.isValid() || status.toInt() < 200) {
            return;
        }
        if (const QByteArray coding = reply->rawHeader("Content-Encoding").trimmed().toLower();
            !coding.isEmpty() && coding != "identity") {
            decide({ServiceReply::Outcome::unreadable, status.toInt(), {}});
        } else if (bodyLimit == statusOnly) {
            decide({ServiceReply::Outcome::answered, status.toInt(), {}});
        } else if (reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > bodyLimit) {
            // Announced too long: nothing of it is read.
            decide({ServiceReply::Outcome::oversized, status.toInt(), {}});
        }
    });
    connect(reply, &QNetworkReply::readyRead, this, [reply, bodyLimit, decide] {
        if (reply->bytesAvailable() > bodyLimit) {
            decide({ServiceReply::Outcome::oversized,
                    reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                    {}});
        }
    });

    QPointer<QObject> guard(context);
    connect(reply, &QNetworkReply::finished, this, [reply, bodyLimit, decided, guard, done = std::move(done)] {
        ServiceReply outcome = *decided ? **decided : classify(*reply);
        if (outcome.outcome == ServiceReply::Outcome::answered && outcome.body.size() > bodyLimit) {
            outcome = {ServiceReply::Outcome::oversized, outcome.status, {}};
        }
        reply->deleteLater();
        if (guard) {
            done(outcome);
        }
    });
}

} // namespace quellarine

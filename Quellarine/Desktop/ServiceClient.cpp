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
    OneShotBody(QByteArray bytes, QObject* parent) : QIODevice(parent), bytes_(std::move(bytes))
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
// timed out, aborted) lie below the range Qt uses for answers with an error status.
ServiceReply classify(QNetworkReply& reply)
{
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const bool transportFailed =
        reply.error() != QNetworkReply::NoError && reply.error() < QNetworkReply::ContentAccessDenied;
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

ServiceClient::ServiceClient(std::optional<WebAddress> root, QSslConfiguration tls, double timeScale, QObject* parent)
    : QObject(parent)
    , root_(std::move(root))
    , tls_(std::move(tls))
    , timeScale_(timeScale)
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
                         Resend resend, QObject* context, Done done)
{
    if (!root_) {
        QMetaObject::invokeMethod(
            context, [done = std::move(done)] { done({ServiceReply::Outcome::noService, 0, {}}); },
            Qt::QueuedConnection);
        return;
    }

    QNetworkRequest request(QUrl(join(*root_, path)));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    request.setSslConfiguration(tls_);
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::AuthenticationReuseAttribute, QNetworkRequest::Manual);

    QNetworkReply* reply = nullptr;
    if (resend == Resend::never) {
        // Read straight from the one-shot body, never from a copy the stack could read again.
        request.setAttribute(QNetworkRequest::DoNotBufferUploadDataAttribute, true);
        request.setHeader(QNetworkRequest::ContentLengthHeader, body.size());
        auto* device = new OneShotBody(body, nullptr);
        reply = session().post(request, device);
        device->setParent(reply);
    } else {
        reply = session().post(request, body);
    }

    // One deadline for the whole exchange: a service that answers a byte at a time still ends in time.
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, reply, &QNetworkReply::abort);
    deadline->start(std::chrono::milliseconds(qint64(double(timeout.count()) * timeScale_)));

    QPointer<QObject> guard(context);
    connect(reply, &QNetworkReply::finished, this, [reply, guard, done = std::move(done)] {
        const ServiceReply outcome = classify(*reply);
        reply->deleteLater();
        if (guard) {
            done(outcome);
        }
    });
}

} // namespace quellarine

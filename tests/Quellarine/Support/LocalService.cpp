#include "LocalService.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QSslSocket>
#include <QTest>
#include <QTimer>

#include <stdexcept>

#include <sys/socket.h>

namespace quellarine::testing {

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("cannot read " + path.toStdString());
    }
    return file.readAll();
}

} // namespace

LocalService::LocalService()
{
    const QString key = directory_.filePath(QStringLiteral("key.pem"));
    const QString certificate = directory_.filePath(QStringLiteral("certificate.pem"));
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                   QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                   QStringLiteral("-days"), QStringLiteral("1"), QStringLiteral("-subj"),
                   QStringLiteral("/CN=localhost"), QStringLiteral("-addext"),
                   QStringLiteral("subjectAltName=DNS:localhost"), QStringLiteral("-keyout"), key,
                   QStringLiteral("-out"), certificate});
    if (!openssl.waitForFinished(20000) || openssl.exitCode() != 0) {
        throw std::runtime_error("openssl could not make the test certificate");
    }
    certificate_ = QSslCertificate(readFile(certificate));
    key_ = QSslKey(readFile(key), QSsl::Ec);

    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificate(certificate_);
    tls.setPrivateKey(key_);
    server_.setSslConfiguration(tls);
    connect(&server_, &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            serve(static_cast<QSslSocket*>(socket));
        }
    });
    if (!server_.listen(QHostAddress::LocalHost)) {
        throw std::runtime_error("the test service cannot listen");
    }
}

ServiceClient::Deadline LocalService::deadlines()
{
    return [this](const QString& path, std::chrono::milliseconds asked) {
        deadlinesAsked[path] = asked;
        return std::chrono::milliseconds(qint64(double(asked.count()) * timeScale));
    };
}

WebAddress LocalService::root() const
{
    return *WebAddress::parse("https://localhost:" + std::to_string(server_.serverPort()));
}

QSslConfiguration LocalService::clientTls() const
{
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setCaCertificates({certificate_});
    return tls;
}

bool LocalService::waitForRequests(std::size_t count, int timeoutMs)
{
    return QTest::qWaitFor([&] { return received.size() >= count; }, timeoutMs);
}

void LocalService::serve(QSslSocket* socket)
{
    auto buffer = std::make_shared<QByteArray>();
    connect(socket, &QSslSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QSslSocket::readyRead, this, [this, socket, buffer] {
        buffer->append(socket->readAll());
        for (;;) {
            const qsizetype headerEnd = buffer->indexOf("\r\n\r\n");
            if (headerEnd < 0) {
                return;
            }
            Request request;
            const QList<QByteArray> lines = buffer->left(headerEnd).split('\n');
            const QList<QByteArray> start = lines.value(0).trimmed().split(' ');
            request.method = start.value(0);
            request.path = start.value(1);
            for (qsizetype index = 1; index < lines.size(); ++index) {
                const qsizetype colon = lines[index].indexOf(':');
                if (colon > 0) {
                    request.headers.insert(lines[index].left(colon).trimmed().toLower(),
                                           lines[index].mid(colon + 1).trimmed());
                }
            }
            const qsizetype length = request.headers.value("content-length", "0").toLongLong();
            if (buffer->size() < headerEnd + 4 + length) {
                return;
            }
            request.body = buffer->mid(headerEnd + 4, length);
            buffer->remove(0, headerEnd + 4 + length);
            received.push_back(request);
            const Answer answer = this->answer(request);
            if (answer.delayMs > 0) {
                QTimer::singleShot(answer.delayMs, socket, [this, socket, answer] { respond(socket, answer); });
            } else {
                respond(socket, answer);
            }
        }
    });
}

void LocalService::respond(QSslSocket* socket, const Answer& answer)
{
    switch (answer.kind) {
    case Answer::Kind::never:
        return;
    case Answer::Kind::dropConnection:
        socket->abort();
        return;
    case Answer::Kind::reply:
    case Answer::Kind::cutOff:
    case Answer::Kind::reset:
    case Answer::Kind::endless: {
        QByteArray head = "HTTP/1.1 " + QByteArray::number(answer.status) + " Status\r\n";
        head += "Content-Type: application/json\r\n";
        if (answer.kind == Answer::Kind::endless) {
            head += "Connection: close\r\n";
        } else {
            head += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
        }
        for (const auto& [name, value] : answer.headers) {
            head += name + ": " + value + "\r\n";
        }
        const bool whole = answer.kind == Answer::Kind::reply || answer.kind == Answer::Kind::endless;
        socket->write(head + "\r\n" + (whole ? answer.body : answer.body.left(answer.body.size() / 2)));
        if (answer.kind == Answer::Kind::endless) {
            connect(socket, &QSslSocket::encryptedBytesWritten, this, [this, socket] { pour(socket); });
            pour(socket);
        } else if (answer.kind == Answer::Kind::cutOff) {
            socket->flush();
            socket->disconnectFromHost();
        } else if (answer.kind == Answer::Kind::reset) {
            socket->flush();
            // Once the half has left: closed with a reset rather than an orderly end.
            QTimer::singleShot(100, socket, [socket] {
                const linger abrupt{1, 0};
                setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &abrupt, sizeof abrupt);
                socket->abort();
            });
        }
        return;
    }
    }
}

void LocalService::pour(QSslSocket* socket)
{
    // Never much in the socket's own buffer: what the client does not take is not made.
    static const QByteArray chunk(64 * 1024, ' ');
    while (socket->state() == QAbstractSocket::ConnectedState
           && socket->encryptedBytesToWrite() + socket->bytesToWrite() < 4 * chunk.size()) {
        socket->write(chunk);
        endlessBytes += chunk.size();
    }
}

} // namespace quellarine::testing

#include "Quellarine/Desktop/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <unistd.h>

namespace quellarine {

namespace {

const QByteArray activateMessage = QByteArrayLiteral("activate\n");

} // namespace

SingleInstance::SingleInstance(const QString& key, const QString& directory, QObject* parent)
    : QObject(parent)
    // Beside the lock, in the user's own folder: a name in the shared temporary folder could be taken by another
    // user, and a second copy could then not reach the first.
    , key_(QDir(directory).filePath(key + QStringLiteral(".socket")))
    , lock_(QDir(directory).filePath(key + QStringLiteral(".lock")))
{
    // A lock left by a copy that died is taken over at once (QLockFile checks that its owner still runs).
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    if (server_ != nullptr) {
        server_->close();
    }
}

QString SingleInstance::defaultKey()
{
    // One copy per user and display: the user's id, and the display the application draws on.
    const QByteArray display = qgetenv("WAYLAND_DISPLAY").isEmpty() ? qgetenv("DISPLAY") : qgetenv("WAYLAND_DISPLAY");
    const QByteArray hash = QCryptographicHash::hash(display, QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("quellarine-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
}

QString SingleInstance::defaultDirectory()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

bool SingleInstance::claim()
{
    if (server_ != nullptr) {
        return true;
    }
    if (!lock_.tryLock(0)) {
        return false;
    }
    // The lock is ours, so a socket of that name is left over from a copy that died.
    QLocalServer::removeServer(key_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                while (socket->canReadLine()) {
                    if (socket->readLine() == activateMessage) {
                        emit activationRequested();
                    }
                }
            });
        }
    });
    if (!server_->listen(key_)) {
        // Without the socket a later copy cannot reach this one, but the lock still keeps it to one copy.
        qWarning("Quellarine: cannot listen for other copies: %s", qPrintable(server_->errorString()));
    }
    return true;
}

bool SingleInstance::notifyPrimary(int timeoutMilliseconds)
{
    // The first copy may have taken the lock a moment ago and not be listening yet.
    const QDeadlineTimer deadline(timeoutMilliseconds);
    while (true) {
        QLocalSocket socket;
        socket.connectToServer(key_);
        if (socket.waitForConnected(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())))) {
            socket.write(activateMessage);
            const bool written = socket.waitForBytesWritten(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
            socket.disconnectFromServer();
            return written;
        }
        if (deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(50);
    }
}

} // namespace quellarine

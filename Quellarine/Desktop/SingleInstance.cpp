#include "Quellarine/Desktop/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quellarine {

namespace {

const QByteArray activateMessage = QByteArrayLiteral("activate\n");
const QByteArray answerMessage = QByteArrayLiteral("ok\n");
// After running out of descriptors, how long the waiting connections wait before the next try.
constexpr int acceptRetryMilliseconds = 200;

// An X display is "host:number.screen"; every screen of one display is one display, and "unix" is the local host.
QByteArray displayIdentity(const QByteArray& display)
{
    const qsizetype colon = display.lastIndexOf(':');
    if (colon < 0) {
        return display;
    }
    QByteArray host = display.left(colon);
    QByteArray number = display.mid(colon + 1);
    if (const qsizetype dot = number.indexOf('.'); dot >= 0) {
        number.truncate(dot);
    }
    // A number, compared as one: ":0381" is ":381".
    while (number.size() > 1 && number.startsWith('0')) {
        number.remove(0, 1);
    }
    if (host == "unix") {
        host.clear();
    }
    return host + ':' + number;
}

// A folder of this user's that nobody else may enter or write to, and not a link to somewhere else.
bool isPrivateFolder(const QString& path)
{
    struct stat status {};
    return lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISDIR(status.st_mode)
        && status.st_uid == ::getuid() && (status.st_mode & 077) == 0;
}

} // namespace

SingleInstance::SingleInstance(const QString& key, const QString& directory, QObject* parent)
    : QObject(parent)
    , socketPath_(QDir(directory).filePath(key + QStringLiteral(".socket")))
    , lock_(QDir(directory).filePath(key + QStringLiteral(".lock")))
{
    // A lock left by a copy that died is taken over at once (QLockFile checks that its owner still runs).
    lock_.setStaleLockTime(0);
    clock_.start();
}

SingleInstance::~SingleInstance()
{
    if (listener_ >= 0) {
        delete notifier_;
        ::close(listener_);
        ::unlink(QFile::encodeName(socketPath_).constData());
    }
}

QString SingleInstance::defaultKey()
{
    // One copy per user and display: the user's id, and the display the application draws on.
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    const QByteArray display = wayland.isEmpty() ? displayIdentity(qgetenv("DISPLAY")) : wayland;
    const QByteArray hash = QCryptographicHash::hash(display, QCryptographicHash::Sha1).toHex().left(12);
    return QStringLiteral("quellarine-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
}

std::optional<QString> SingleInstance::defaultDirectory()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && isPrivateFolder(runtime)) {
        return runtime;
    }
    const QString own = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (own.isEmpty() || !QDir().mkpath(own)) {
        return std::nullopt;
    }
    ::chmod(QFile::encodeName(own).constData(), 0700);
    if (!isPrivateFolder(own)) {
        return std::nullopt;
    }
    return own;
}

bool SingleInstance::claim()
{
    if (isPrimary()) {
        return true;
    }
    if (!lock_.tryLock(0)) {
        return false;
    }
    claimed_ = true;
    if (!listen()) {
        // Without the socket a later copy cannot reach this one, but the lock still keeps it to one copy.
        qWarning("Quellarine: cannot listen for other copies at %s: %s", qPrintable(socketPath_), std::strerror(errno));
    }
    return true;
}

bool SingleInstance::listen()
{
    const QByteArray path = QFile::encodeName(socketPath_);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof address.sun_path)) {
        errno = ENAMETOOLONG;
        return false;
    }
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listener < 0) {
        return false;
    }
    // The lock is ours, so a socket of that name is left over from a copy that died.
    ::unlink(path.constData());
    if (::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0
        || ::chmod(path.constData(), 0600) != 0 || ::listen(listener, maximumConnections) != 0) {
        const int error = errno;
        ::close(listener);
        errno = error;
        return false;
    }
    listener_ = listener;
    notifier_ = new QSocketNotifier(listener_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SingleInstance::acceptWaiting);
    return true;
}

void SingleInstance::acceptWaiting()
{
    while (true) {
        const int descriptor = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (descriptor >= 0) {
            if (connections_.size() >= maximumConnections) {
                // The longest waiting makes room: a real later copy asks at once, a silent peer never does.
                connections_.takeFirst()->abort();
            }
            serve(descriptor);
            continue;
        }
        if (errno == EINTR || errno == ECONNABORTED || errno == EPROTO) {
            continue;
        }
        if (errno != EAGAIN && errno != EWOULDBLOCK) {
            // Out of descriptors or memory: the connection stays queued; looking again at once would only spin.
            notifier_->setEnabled(false);
            QTimer::singleShot(acceptRetryMilliseconds, this, [this] { notifier_->setEnabled(true); });
        }
        return;
    }
}

void SingleInstance::serve(int descriptor)
{
    // The peer process, as the kernel vouches for it; each descriptor its own when that cannot be had.
    ucred credentials{};
    socklen_t length = sizeof credentials;
    const qint64 peer = ::getsockopt(descriptor, SOL_SOCKET, SO_PEERCRED, &credentials, &length) == 0
        ? qint64(credentials.pid)
        : -qint64(descriptor) - 1;
    auto* socket = new QLocalSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        ::close(descriptor);
        delete socket;
        return;
    }
    connections_.append(socket);
    connect(socket, &QObject::destroyed, this, [this, socket] { connections_.removeOne(socket); });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    // Never more than one message's worth in memory.
    socket->setReadBufferSize(maximumMessageLength);
    QTimer::singleShot(silenceLimitMilliseconds, socket, [socket] { socket->abort(); });
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, peer] { read(socket, peer); });
    // A later copy writes right after connecting: what is there already is read now, before another connection
    // could take this one's place.
    socket->waitForReadyRead(0);
}

void SingleInstance::read(QLocalSocket* socket, qint64 peer)
{
    if (socket->state() != QLocalSocket::ConnectedState) {
        return;
    }
    while (socket->canReadLine()) {
        if (socket->readLine(maximumMessageLength + 1) == activateMessage) {
            // One request per connection: what else it sent is not read.
            connections_.removeOne(socket);
            socket->write(answerMessage);
            socket->disconnectFromServer();
            if (mayActivate(peer)) {
                emit activationRequested();
            }
            return;
        }
    }
    if (socket->bytesAvailable() >= maximumMessageLength) {
        socket->abort();
    }
}

bool SingleInstance::mayActivate(qint64 peer)
{
    const qint64 now = clock_.elapsed();
    // Only peers heard from within the interval are kept.
    for (auto it = lastActivation_.begin(); it != lastActivation_.end();) {
        it = now - it.value() >= activationIntervalMilliseconds ? lastActivation_.erase(it) : std::next(it);
    }
    if (lastActivation_.contains(peer)) {
        return false;
    }
    lastActivation_.insert(peer, now);
    return true;
}

bool SingleInstance::notifyPrimary(int timeoutMilliseconds)
{
    // The first copy may have taken the lock a moment ago and not be listening yet, or may have given this
    // connection's place to a newer one before reading it: asks again until the answer comes. A plain socket keeps
    // an answer that comes together with the end of the connection.
    const QDeadlineTimer deadline(timeoutMilliseconds);
    const QByteArray path = QFile::encodeName(socketPath_);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof address.sun_path)) {
        return false;
    }
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    while (true) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) {
            return false;
        }
        QByteArray answer;
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0
            && ::send(fd, activateMessage.constData(), std::size_t(activateMessage.size()), MSG_NOSIGNAL)
                == activateMessage.size()) {
            while (!answer.contains('\n') && answer.size() < maximumMessageLength && !deadline.hasExpired()) {
                pollfd entry{fd, POLLIN, 0};
                if (::poll(&entry, 1, int(std::max<qint64>(1, deadline.remainingTime()))) <= 0) {
                    continue;
                }
                char chunk[64];
                const ssize_t got = ::recv(fd, chunk, sizeof chunk, 0);
                if (got <= 0) {
                    break; // closed unheard
                }
                answer.append(chunk, got);
            }
        }
        ::close(fd);
        if (answer.startsWith(answerMessage)) {
            return true;
        }
        if (deadline.hasExpired()) {
            return false;
        }
        QThread::msleep(50);
    }
}

} // namespace quellarine

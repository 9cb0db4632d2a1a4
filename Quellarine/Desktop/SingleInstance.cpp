#include "Quellarine/Desktop/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <poll.h>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
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
    resume_ = new QTimer(this);
    resume_->setSingleShot(true);
    connect(resume_, &QTimer::timeout, this, [this] { notifier_->setEnabled(true); });
    silence_ = new QTimer(this);
    silence_->setSingleShot(true);
    connect(silence_, &QTimer::timeout, this, &SingleInstance::closeSilent);
}

SingleInstance::~SingleInstance()
{
    for (const Peer& peer : std::as_const(waiting_)) {
        ::close(peer.descriptor);
    }
    if (waitingSet_ >= 0) {
        delete waitingNotifier_;
        ::close(waitingSet_);
    }
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
    const int waitingSet = ::bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0
            && ::chmod(path.constData(), 0600) == 0 && ::listen(listener, queueLength) == 0
        ? ::epoll_create1(EPOLL_CLOEXEC)
        : -1;
    if (waitingSet < 0) {
        const int error = errno;
        ::close(listener);
        errno = error;
        return false;
    }
    listener_ = listener;
    notifier_ = new QSocketNotifier(listener_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SingleInstance::acceptWaiting);
    waitingSet_ = waitingSet;
    waitingNotifier_ = new QSocketNotifier(waitingSet_, QSocketNotifier::Read, this);
    connect(waitingNotifier_, &QSocketNotifier::activated, this, &SingleInstance::readWaiting);
    return true;
}

void SingleInstance::acceptWaiting()
{
    const qint64 now = clock_.elapsed();
    if (now - roundStartedAt_ >= roundMilliseconds) {
        roundStartedAt_ = now;
        acceptedInRound_ = 0;
    }
    for (; acceptedInRound_ < acceptsPerRound; ++acceptedInRound_) {
        const int descriptor = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (descriptor >= 0) {
            serve(descriptor);
            continue;
        }
        if (errno == EINTR || errno == ECONNABORTED || errno == EPROTO) {
            continue;
        }
        if (errno != EAGAIN && errno != EWOULDBLOCK) {
            // Out of descriptors or memory: the connection stays queued; looking again at once would only spin.
            pauseAccepting(acceptRetryMilliseconds);
        }
        return;
    }
    // This round's share is taken: the rest waits in the queue, so that a flood costs this thread little.
    pauseAccepting(roundStartedAt_ + roundMilliseconds - now);
}

void SingleInstance::pauseAccepting(qint64 milliseconds)
{
    notifier_->setEnabled(false);
    resume_->start(int(std::max<qint64>(1, milliseconds)));
}

void SingleInstance::serve(int descriptor)
{
    // Only the user's own programs, as the kernel vouches for the peer; its process is remembered for the interval.
    ucred credentials{};
    socklen_t length = sizeof credentials;
    if (::getsockopt(descriptor, SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0
        || credentials.uid != ::getuid()) {
        ::close(descriptor);
        return;
    }
    Peer peer{descriptor, qint64(credentials.pid), clock_.elapsed(), {}};
    // A later copy writes right after connecting: what is there already is answered now, before another connection
    // could take this one's place.
    if (const Reading reading = read(peer); reading != Reading::waiting) {
        ::close(descriptor);
        if (reading == Reading::asked && mayActivate(peer.process)) {
            emit activationRequested();
        }
        return;
    }
    if (waiting_.size() >= maximumConnections) {
        // The longest waiting makes room: a real later copy asks at once, a silent peer never does.
        closeWaiting(0);
    }
    epoll_event event{};
    event.events = EPOLLIN | EPOLLRDHUP;
    event.data.fd = descriptor;
    if (::epoll_ctl(waitingSet_, EPOLL_CTL_ADD, descriptor, &event) != 0) {
        ::close(descriptor);
        return;
    }
    waiting_.append(std::move(peer));
    watchSilence();
}

void SingleInstance::readWaiting()
{
    epoll_event events[maximumConnections];
    const int count = ::epoll_wait(waitingSet_, events, maximumConnections, 0);
    for (int index = 0; index < count; ++index) {
        const auto found = std::find_if(waiting_.begin(), waiting_.end(),
                                        [&](const Peer& peer) { return peer.descriptor == events[index].data.fd; });
        if (found == waiting_.end()) {
            continue;
        }
        const Reading reading = read(*found);
        if (reading == Reading::waiting) {
            continue;
        }
        const qint64 process = found->process;
        closeWaiting(found - waiting_.begin());
        if (reading == Reading::asked && mayActivate(process)) {
            emit activationRequested();
        }
    }
}

SingleInstance::Reading SingleInstance::read(Peer& peer)
{
    char chunk[maximumMessageLength];
    while (true) {
        const ssize_t got
            = ::recv(peer.descriptor, chunk, std::size_t(maximumMessageLength - peer.received.size()), MSG_DONTWAIT);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return errno == EAGAIN || errno == EWOULDBLOCK ? Reading::waiting : Reading::done;
        }
        if (got == 0) {
            return Reading::done; // gone without asking
        }
        peer.received.append(chunk, got);
        // One request per connection, a line of its own among the first bytes: what follows is not read.
        if (peer.received.startsWith(activateMessage) || peer.received.contains('\n' + activateMessage)) {
            ::send(peer.descriptor, answerMessage.constData(), std::size_t(answerMessage.size()),
                   MSG_NOSIGNAL | MSG_DONTWAIT);
            return Reading::asked;
        }
        if (peer.received.size() >= maximumMessageLength) {
            return Reading::done; // longer than any request
        }
    }
}

void SingleInstance::closeWaiting(qsizetype index)
{
    // Closing the descriptor also takes it out of the epoll set.
    ::close(waiting_[index].descriptor);
    waiting_.removeAt(index);
}

void SingleInstance::closeSilent()
{
    while (!waiting_.isEmpty() && clock_.elapsed() - waiting_.first().acceptedAt >= silenceLimitMilliseconds) {
        closeWaiting(0);
    }
    watchSilence();
}

void SingleInstance::watchSilence()
{
    // Set for the oldest; one that a newer connection pushed out makes it fire early, and it is set again then.
    if (!silence_->isActive() && !waiting_.isEmpty()) {
        silence_->start(
            int(std::max<qint64>(0, waiting_.first().acceptedAt + silenceLimitMilliseconds - clock_.elapsed())));
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
        // A full queue makes the connection wait for room, never past the deadline.
        const qint64 remaining = std::max<qint64>(1, deadline.remainingTime());
        const timeval patience{time_t(remaining / 1000), suseconds_t(remaining % 1000 * 1000)};
        ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &patience, sizeof patience);
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

// The channel between copies: whatever a later copy sends, the first one comes forward at most once for the
// connection, only when a line that is exactly the activation request comes before any line too long to be a
// message, and for nothing else; and it keeps no connection once the later copy has gone. (All inputs come from one
// process, which the first copy lets ask only so often, so a request may also go unanswered by a bring-forward.)

#include "FuzzCheck.h"

#include "Quellarine/Desktop/SingleInstance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

using namespace quellarine;

namespace {

QCoreApplication& application()
{
    static int argc = 1;
    static char name[] = "SingleInstanceFuzzer";
    static char* argv[] = {name, nullptr};
    static QCoreApplication instance(argc, argv);
    return instance;
}

// A later copy's connection, on a plain socket so that it can end its sending and still see the first copy close.
int connectTo(const QString& socketPath)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(socketPath);
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    fuzz::require(fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0,
                  "a later copy cannot connect");
    return fd;
}

// The requests the first copy answers: the lines that are exactly the request, read in order until a line
// longer than any message ends the connection.
qsizetype activationLines(const QByteArray& sent)
{
    qsizetype count = 0;
    qsizetype start = 0;
    for (qsizetype end = sent.indexOf('\n'); end >= 0; start = end + 1, end = sent.indexOf('\n', start)) {
        if (end - start >= SingleInstance::maximumMessageLength) {
            break;
        }
        if (sent.sliced(start, end - start) == "activate") {
            ++count;
        }
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    application();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir directory;
    static SingleInstance first(QStringLiteral("fuzz"), directory.path());
    static const bool claimed = first.claim();
    fuzz::require(claimed, "the first copy cannot claim its lock");

    const QByteArray sent(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    qsizetype activations = 0;
    auto counting = QObject::connect(&first, &SingleInstance::activationRequested, [&] { ++activations; });

    // Sends while the first copy serves, until all is sent or the first copy has closed the connection; then ends
    // its sending and waits until the first copy has closed its side too, having read all it wanted.
    const int later = connectTo(first.socketPath());
    const QDeadlineTimer deadline(5000);
    qsizetype written = 0;
    while (written < sent.size()) {
        const ssize_t count = ::send(later, sent.constData() + written, std::size_t(sent.size() - written),
                                     MSG_NOSIGNAL | MSG_DONTWAIT);
        if (count < 0 && errno != EAGAIN && errno != EINTR) {
            break; // closed by the first copy
        }
        written += std::max<ssize_t>(count, 0);
        fuzz::require(!deadline.hasExpired(), "a later copy cannot send its message");
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    ::shutdown(later, SHUT_WR);
    for (char answer[64];;) {
        const ssize_t count = ::recv(later, answer, sizeof answer, MSG_DONTWAIT);
        if (count == 0 || (count < 0 && errno != EAGAIN && errno != EINTR)) {
            break;
        }
        fuzz::require(!deadline.hasExpired(), "the first copy did not see the later one close");
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    ::close(later);
    QObject::disconnect(counting);
    fuzz::require(first.openConnections() == 0, "the first copy keeps a closed connection");

    fuzz::require(activations <= std::min<qsizetype>(1, activationLines(sent)),
                  "the first copy came forward " + std::to_string(activations) + " times for "
                      + std::to_string(activationLines(sent)) + " requests");
    return 0;
}

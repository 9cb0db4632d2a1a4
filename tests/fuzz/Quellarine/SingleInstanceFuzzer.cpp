// The channel between copies: whatever a later copy sends, the first one comes forward at most once for the
// connection, only when a line that is exactly the activation request comes before any line too long to be a
// message, and for nothing else; and it keeps no connection once the later copy has gone. (All inputs come from one
// process, which the first copy lets ask only so often, so a request may also go unanswered by a bring-forward.)

#include "FuzzCheck.h"

#include "Quellarine/Desktop/SingleInstance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QPointer>
#include <QTemporaryDir>

#include <algorithm>
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

// The first copy's side of each connection, seen as it is made (as a child of the first copy), so that a
// connection read, closed and deleted within one pass of the event loop is still noticed.
class ConnectionWatch : public QObject {
public:
    QList<QPointer<QObject>> connections;

    // Every connection seen has been closed, or is gone already.
    bool allClosed() const
    {
        return !connections.isEmpty() && std::all_of(connections.begin(), connections.end(), [](const auto& child) {
            auto* socket = qobject_cast<QLocalSocket*>(child.data());
            return child.isNull() || (socket != nullptr && socket->state() == QLocalSocket::UnconnectedState);
        });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::ChildAdded) {
            connections.append(static_cast<QChildEvent*>(event)->child());
        }
        return false;
    }
};

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

    ConnectionWatch watch;
    first.installEventFilter(&watch);

    QLocalSocket later;
    later.connectToServer(first.socketPath());
    fuzz::require(later.waitForConnected(2000), "a later copy cannot connect");
    later.write(sent);
    later.disconnectFromServer();
    fuzz::require(later.state() == QLocalSocket::UnconnectedState || later.waitForDisconnected(2000),
                  "a later copy cannot send its message");

    // The first copy has read everything once its side of the connection has seen the other end close.
    const QDeadlineTimer deadline(5000);
    while (!watch.allClosed()) {
        fuzz::require(!deadline.hasExpired(), "the first copy did not see the later one close");
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    first.removeEventFilter(&watch);
    QObject::disconnect(counting);
    fuzz::require(first.findChildren<QLocalSocket*>().isEmpty(), "the first copy keeps a closed connection");

    fuzz::require(activations <= std::min<qsizetype>(1, activationLines(sent)),
                  "the first copy came forward " + std::to_string(activations) + " times for "
                      + std::to_string(activationLines(sent)) + " requests");
    return 0;
}

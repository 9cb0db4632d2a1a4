#include "Quellarine/Desktop/SingleInstance.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include "Eventually.h"

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <future>
#include <memory>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

using namespace quellarine;

namespace {

QString uniqueKey()
{
    return QStringLiteral("quellarine-test-") + QUuid::createUuid().toString(QUuid::Id128).left(12);
}

// A later copy's request, made from another thread as another process would make it, while this thread serves.
bool notifiedFromLaterCopy(SingleInstance& later, int timeoutMilliseconds = 2000)
{
    auto answered = std::async(std::launch::async, [&] { return later.notifyPrimary(timeoutMilliseconds); });
    while (answered.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return answered.get();
}

} // namespace

TEST(SingleInstanceTest, SecondCopyReachesTheFirstInsteadOfRunning)
{
    QTemporaryDir dir;
    const QString key = uniqueKey();
    SingleInstance first(key, dir.path());
    ASSERT_TRUE(first.claim());
    EXPECT_TRUE(first.isPrimary());
    QSignalSpy asked(&first, &SingleInstance::activationRequested);

    SingleInstance second(key, dir.path());
    EXPECT_FALSE(second.claim());
    EXPECT_FALSE(second.isPrimary());
    EXPECT_TRUE(notifiedFromLaterCopy(second));
    EXPECT_TRUE(QTest::qWaitFor([&] { return asked.count() >= 1; }, 2000));
    EXPECT_EQ(asked.count(), 1);
}

TEST(SingleInstanceTest, LockOfACopyThatDiedIsTakenOver)
{
    QTemporaryDir dir;
    const QString key = uniqueKey();
    // A lock file naming a process that no longer runs.
    QFile lock(dir.filePath(key + QStringLiteral(".lock")));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArrayLiteral("2147483646\nquellarine\n") + QSysInfo::machineHostName().toUtf8() + '\n');
    lock.close();

    SingleInstance copy(key, dir.path());
    EXPECT_TRUE(copy.claim());
}

TEST(SingleInstanceTest, NoFirstCopyToReach)
{
    QTemporaryDir dir;
    SingleInstance lonely(uniqueKey(), dir.path());
    EXPECT_FALSE(lonely.notifyPrimary(200));
}

namespace {

// Sets an environment variable for the life of the object.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : name_(name)
        , had_(qEnvironmentVariableIsSet(name))
        , old_(qgetenv(name))
    {
        if (value.isNull()) {
            qunsetenv(name);
        } else {
            qputenv(name, value);
        }
    }
    ~ScopedEnvironment()
    {
        if (had_) {
            qputenv(name_, old_);
        } else {
            qunsetenv(name_);
        }
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

QString keyFor(const QByteArray& display)
{
    ScopedEnvironment x11("DISPLAY", display);
    return SingleInstance::defaultKey();
}

bool isPrivate(const QString& path)
{
    return QFileInfo(path).isDir()
        && QFile::permissions(path)
        == (QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser | QFile::WriteUser
            | QFile::ExeUser);
}

// Descriptors in use up to the process's limit, so that the next one cannot be had; given back on destruction.
class DescriptorsExhausted {
public:
    DescriptorsExhausted()
    {
        getrlimit(RLIMIT_NOFILE, &saved_);
        int highest = 0;
        for (const QString& entry : QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System)) {
            highest = std::max(highest, entry.toInt());
        }
        rlimit lowered = saved_;
        lowered.rlim_cur = rlim_t(highest + 1);
        setrlimit(RLIMIT_NOFILE, &lowered);
        for (int fd = dup(0); fd >= 0; fd = dup(0)) {
            taken_.push_back(fd);
        }
    }
    ~DescriptorsExhausted()
    {
        for (int fd : taken_) {
            close(fd);
        }
        setrlimit(RLIMIT_NOFILE, &saved_);
    }

private:
    rlimit saved_{};
    std::vector<int> taken_;
};

} // namespace

TEST(SingleInstanceTest, EveryScreenOfADisplayIsOneDisplay)
{
    ScopedEnvironment noWayland("WAYLAND_DISPLAY", QByteArray());
    EXPECT_EQ(keyFor(":1"), keyFor(":1.0"));
    EXPECT_EQ(keyFor(":1"), keyFor(":1.1"));
    EXPECT_EQ(keyFor(":1"), keyFor("unix:1.0"));
    EXPECT_NE(keyFor(":1"), keyFor(":2"));
    EXPECT_NE(keyFor(":1"), keyFor(":10"));
    // Display numbers are numbers.
    EXPECT_EQ(keyFor(":381"), keyFor(":0381"));
    EXPECT_EQ(keyFor(":0"), keyFor(":00.0"));
    EXPECT_NE(keyFor(":381"), keyFor(":3810"));
    EXPECT_NE(keyFor(":1"), keyFor("otherhost:1"));
}

TEST(SingleInstanceTest, TheLockLivesInAPrivateFolderNeverTheSharedTemporaryOne)
{
    QTemporaryDir dir;
    const QString runtime = dir.filePath(QStringLiteral("runtime"));
    ASSERT_TRUE(QDir().mkdir(runtime));
    ScopedEnvironment cache("XDG_CACHE_HOME", QFile::encodeName(dir.filePath(QStringLiteral("cache"))));

    // A private runtime folder is used as it is.
    ASSERT_TRUE(QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    {
        ScopedEnvironment xdg("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        EXPECT_EQ(SingleInstance::defaultDirectory(), runtime);
    }
    // One that others may enter, or none: a folder of the user's own, made private.
    ASSERT_TRUE(QFile::setPermissions(runtime,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                          | QFile::WriteOther | QFile::ExeOther));
    for (const QByteArray& value : {QFile::encodeName(runtime), QByteArray()}) {
        ScopedEnvironment xdg("XDG_RUNTIME_DIR", value);
        const std::optional<QString> directory = SingleInstance::defaultDirectory();
        ASSERT_TRUE(directory.has_value());
        EXPECT_TRUE(directory->startsWith(dir.filePath(QStringLiteral("cache")))) << directory->toStdString();
        EXPECT_TRUE(isPrivate(*directory));
    }
    // No such folder can be made: none at all.
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ScopedEnvironment unusable("XDG_CACHE_HOME", QFile::encodeName(blocker.fileName()));
    ScopedEnvironment xdg("XDG_RUNTIME_DIR", QByteArray());
    EXPECT_EQ(SingleInstance::defaultDirectory(), std::nullopt);
}

TEST(SingleInstanceTest, TheChannelHoldsFewShortConnections)
{
    QTemporaryDir dir;
    const QString key = uniqueKey();
    SingleInstance first(key, dir.path());
    ASSERT_TRUE(first.claim());
    QSignalSpy asked(&first, &SingleInstance::activationRequested);

    auto closed = [](const std::vector<std::unique_ptr<QLocalSocket>>& sockets) {
        return std::count_if(sockets.begin(), sockets.end(),
                             [](const auto& socket) { return socket->state() == QLocalSocket::UnconnectedState; });
    };
    // Far more connections than it keeps: those beyond its limit are closed at once.
    std::vector<std::unique_ptr<QLocalSocket>> idle;
    for (int i = 0; i < 3 * SingleInstance::maximumConnections; ++i) {
        idle.push_back(std::make_unique<QLocalSocket>());
        QLocalSocket& socket = *idle.back();
        socket.connectToServer(first.socketPath());
        // The first copy accepts while this waits.
        ASSERT_TRUE(QTest::qWaitFor([&] { return socket.state() != QLocalSocket::ConnectingState; }, 1000));
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return closed(idle) >= 2 * SingleInstance::maximumConnections; }, 1000));
    EXPECT_LE(closed(idle), 2 * SingleInstance::maximumConnections + 1);
    // Silent ones are closed after a while, so that a later copy gets through again.
    EXPECT_TRUE(QTest::qWaitFor([&] { return closed(idle) == qsizetype(idle.size()); },
                                2 * SingleInstance::silenceLimitMilliseconds));

    // A message longer than any it understands ends its connection.
    QLocalSocket flood;
    flood.connectToServer(first.socketPath());
    ASSERT_TRUE(flood.waitForConnected(1000));
    flood.write(QByteArray(64 * 1024, 'a'));
    EXPECT_TRUE(QTest::qWaitFor([&] { return flood.state() == QLocalSocket::UnconnectedState; }, 1000));

    SingleInstance second(key, dir.path());
    EXPECT_TRUE(notifiedFromLaterCopy(second));
    EXPECT_TRUE(QTest::qWaitFor([&] { return asked.count() >= 1; }, 2000));
    EXPECT_EQ(asked.count(), 1);
}

TEST(SingleInstanceTest, AConnectionThatCannotBeAcceptedLeavesTheSocketInPlace)
{
    QTemporaryDir dir;
    const QString key = uniqueKey();
    SingleInstance first(key, dir.path());
    ASSERT_TRUE(first.claim());
    QSignalSpy asked(&first, &SingleInstance::activationRequested);

    int waiting = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(waiting, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(first.socketPath());
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    {
        // The process has run out of descriptors when the connection comes.
        DescriptorsExhausted exhausted;
        ASSERT_EQ(::connect(waiting, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        QTest::qWait(100);
    }
    ::close(waiting);
    EXPECT_TRUE(QFile::exists(first.socketPath()));

    SingleInstance second(key, dir.path());
    EXPECT_FALSE(second.claim());
    EXPECT_TRUE(notifiedFromLaterCopy(second));
    EXPECT_TRUE(QTest::qWaitFor([&] { return asked.count() >= 1; }, 2000));
}

TEST(SingleInstanceTest, SilentPeersNeverKeepALaterCopyOut)
{
    QTemporaryDir dir;
    const QString key = uniqueKey();
    SingleInstance first(key, dir.path());
    ASSERT_TRUE(first.claim());
    QSignalSpy asked(&first, &SingleInstance::activationRequested);

    // Every place taken, and more waiting, by peers that say nothing.
    std::vector<std::unique_ptr<QLocalSocket>> silent;
    for (int i = 0; i < 2 * SingleInstance::maximumConnections; ++i) {
        silent.push_back(std::make_unique<QLocalSocket>());
        silent.back()->connectToServer(first.socketPath());
        ASSERT_TRUE(QTest::qWaitFor([&] { return silent.back()->state() != QLocalSocket::ConnectingState; }, 1000));
    }
    QTest::qWait(50);

    // Asked well before the silent ones time out, the later copy is heard at its first attempt's deadline.
    SingleInstance second(key, dir.path());
    EXPECT_TRUE(notifiedFromLaterCopy(second, SingleInstance::silenceLimitMilliseconds / 4));
    EXPECT_TRUE(QTest::qWaitFor([&] { return asked.count() == 1; }, 1000));
}

TEST(SingleInstanceTest, AFloodingPeerBringsTheFirstCopyForwardOnlySoOften)
{
    QTemporaryDir dir;
    const QString key = uniqueKey();
    SingleInstance first(key, dir.path());
    ASSERT_TRUE(first.claim());
    QSignalSpy asked(&first, &SingleInstance::activationRequested);

    // Thousands of requests on one connection: one answer, one bring-forward, and the connection is closed.
    QLocalSocket flood;
    flood.connectToServer(first.socketPath());
    ASSERT_TRUE(flood.waitForConnected(1000));
    QByteArray requests;
    for (int i = 0; i < 10'000; ++i) {
        requests += "activate\n";
    }
    flood.write(requests);
    ASSERT_TRUE(QTest::qWaitFor([&] { return flood.state() == QLocalSocket::UnconnectedState; }, 2000));
    EXPECT_EQ(flood.readAll(), "ok\n");
    EXPECT_EQ(asked.count(), 1);

    // The same process asking again and again on new connections: each is answered, but the first copy comes
    // forward at most once per interval.
    QElapsedTimer elapsed;
    elapsed.start();
    int answered = 0;
    SingleInstance again(key, dir.path());
    for (int i = 0; i < 100; ++i) {
        answered += notifiedFromLaterCopy(again) ? 1 : 0;
    }
    const qint64 took = elapsed.elapsed();
    EXPECT_EQ(answered, 100);
    EXPECT_LE(asked.count(), 2 + took / SingleInstance::activationIntervalMilliseconds) << took << " ms";

    // Another process is not held back by this one's requests.
    const int before = int(asked.count());
    QProcess other;
    other.start(QStringLiteral("python3"),
                {QStringLiteral("-c"),
                 QStringLiteral("import socket, sys\n"
                                "s = socket.socket(socket.AF_UNIX)\n"
                                "s.connect(sys.argv[1])\n"
                                "s.sendall(b'activate\\n')\n"
                                "sys.stdout.write(s.recv(16).decode())\n"),
                 first.socketPath()});
    ASSERT_TRUE(QTest::qWaitFor([&] { return other.state() == QProcess::NotRunning; }, 5000));
    EXPECT_EQ(other.readAllStandardOutput(), "ok\n");
    EXPECT_EQ(asked.count(), before + 1);
}

namespace {

// A peer of the same user that is not a later copy: it opens a connection and closes it at once, sends half a
// request, something else, or more than any request, or holds the connection silent a while.
void churn(const QString& socketPath, int connections, std::atomic<int>& silentHeld)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(socketPath);
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    const QByteArray sends[] = {{}, "activ", "hello\n", QByteArray(4096, 'x'), "activate"};
    std::vector<int> silent;
    for (int i = 0; i < connections; ++i) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0 || ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
            ::close(fd);
            continue;
        }
        const QByteArray& sent = sends[i % std::size(sends)];
        ::send(fd, sent.constData(), std::size_t(sent.size()), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (i % 50 == 0) {
            silent.push_back(fd);
            ++silentHeld;
        } else {
            ::close(fd);
        }
    }
    for (int fd : silent) {
        ::close(fd);
    }
}

} // namespace

TEST(SingleInstanceTest, AFloodOfConnectionsLeavesNothingBehindAndALaterCopyIsHeard)
{
    QTemporaryDir dir;
    const QString key = uniqueKey();
    SingleInstance first(key, dir.path());
    ASSERT_TRUE(first.claim());
    QSignalSpy asked(&first, &SingleInstance::activationRequested);
    // The objects the first copy and the event loop hold (a timer of Qt's own lives as a child of the loop).
    QAbstractEventDispatcher* loop = QAbstractEventDispatcher::instance();
    const auto objects = [&] { return first.findChildren<QObject*>().size() + loop->findChildren<QObject*>().size(); };
    const qsizetype before = objects();

    // Two programs churning through connections; halfway, when some are held silent, a later copy asks. It waits
    // for its answer as long as need be: what counts is that it is heard, not how fast on this machine.
    constexpr int connections = 1500;
    std::atomic<int> silentHeld{0};
    std::vector<std::thread> flood;
    for (int i = 0; i < 2; ++i) {
        flood.emplace_back([&] { churn(first.socketPath(), connections, silentHeld); });
    }
    ASSERT_TRUE(quellarine::testing::eventually([&] { return silentHeld >= connections / 50; }, 60000));
    SingleInstance later(key, dir.path());
    EXPECT_TRUE(notifiedFromLaterCopy(later, 60000));
    EXPECT_TRUE(quellarine::testing::eventually([&] { return asked.count() >= 1; }, 60000));
    auto done = std::async(std::launch::async, [&] {
        for (auto& thread : flood) {
            thread.join();
        }
    });
    ASSERT_TRUE(quellarine::testing::eventually(
        [&] { return done.wait_for(std::chrono::milliseconds(0)) == std::future_status::ready; }, 60000));

    // Nothing of the flood stays once its connections are closed: no object made for one outlives it. And it
    // brought nothing forward.
    EXPECT_TRUE(quellarine::testing::eventually([&] { return first.openConnections() == 0; }, 60000));
    EXPECT_LE(objects(), before);
    EXPECT_EQ(asked.count(), 1);

    // And the socket still serves.
    EXPECT_TRUE(notifiedFromLaterCopy(later, 60000));
}

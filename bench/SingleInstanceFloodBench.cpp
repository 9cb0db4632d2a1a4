// The first copy's socket under a flood from programs of the same user, as its application thread serves it: four
// threads open connections as fast as they can for a few seconds (up to a bounded count), and a real later copy asks
// for the window halfway through. "Churn" opens and closes at once; "Asking" sends the request on each and waits for
// the answer (two seconds at most). Reported: the connections made, the application thread's share of one core
// meanwhile, the later copy's answer time (or -1 when it got none within two seconds), the flooding peers left
// unanswered, and the resident memory before, at the end of the flood and a second after it.

#include "Quellarine/Desktop/SingleInstance.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <time.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

namespace {

using namespace quellarine;
using namespace std::chrono_literals;

constexpr int flooders = 4;
constexpr auto floodTime = 5s;
constexpr long maximumConnections = 400'000;

double residentMegabytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return double(fields.value(1).toLongLong()) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// One connection of a flooding peer; whether it was answered, when it asked.
bool flood(const sockaddr_un& address, bool asking)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    // A full queue makes a connection wait; never past the flood's end by much.
    const timeval patience{0, 100'000};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &patience, sizeof patience);
    bool answered = false;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 && asking
        && ::send(fd, "activate\n", 9, MSG_NOSIGNAL) == 9) {
        pollfd entry{fd, POLLIN, 0};
        char answer[4] = {};
        answered = ::poll(&entry, 1, 2000) > 0 && ::recv(fd, answer, sizeof answer, 0) > 0;
    }
    ::close(fd);
    return answered;
}

void serveFlood(benchmark::State& state, bool asking)
{
    static int argc = 1;
    static char name[] = "SingleInstanceFloodBench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);

    for (auto _ : state) {
        QTemporaryDir directory;
        SingleInstance first(QStringLiteral("flood"), directory.path());
        if (!first.claim()) {
            state.SkipWithError("cannot claim");
            return;
        }
        QEventLoop settle;
        QTimer::singleShot(200ms, &settle, &QEventLoop::quit);
        settle.exec();
        const double before = residentMegabytes();

        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(first.socketPath());
        std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));

        std::atomic<long> connections{0};
        std::atomic<long> unanswered{0};
        std::atomic<int> running{flooders + 1};
        std::atomic<double> activationMs{-2};
        const auto end = std::chrono::steady_clock::now() + floodTime;
        std::vector<std::thread> threads;
        for (int i = 0; i < flooders; ++i) {
            threads.emplace_back([&] {
                while (std::chrono::steady_clock::now() < end && connections++ < maximumConnections) {
                    if (!flood(address, asking) && asking) {
                        ++unanswered;
                    }
                }
                --running;
            });
        }
        threads.emplace_back([&] {
            std::this_thread::sleep_for(floodTime / 2);
            SingleInstance later(QStringLiteral("flood"), directory.path());
            QElapsedTimer took;
            took.start();
            activationMs = later.notifyPrimary(2000) ? double(took.nsecsElapsed()) / 1e6 : -1.0;
            --running;
        });

        QElapsedTimer wall;
        wall.start();
        const double cpuBefore = threadSeconds();
        QEventLoop serving;
        QTimer finished;
        QObject::connect(&finished, &QTimer::timeout, &serving, [&] {
            if (running == 0) {
                serving.quit();
            }
        });
        finished.start(20ms);
        serving.exec();
        const double cpu = threadSeconds() - cpuBefore;
        const double seconds = double(wall.nsecsElapsed()) / 1e9;
        for (auto& thread : threads) {
            thread.join();
        }
        const double atTheEnd = residentMegabytes();
        QTimer::singleShot(1s, &settle, &QEventLoop::quit);
        settle.exec();

        state.counters["connections"] = double(connections.load());
        state.counters["thread_cpu_share"] = cpu / seconds;
        state.counters["activation_ms"] = activationMs.load();
        state.counters["unanswered"] = double(unanswered.load());
        state.counters["rss_before_MB"] = before;
        state.counters["rss_flood_end_MB"] = atTheEnd;
        state.counters["rss_after_MB"] = residentMegabytes();
    }
}

void Churn(benchmark::State& state)
{
    serveFlood(state, false);
}

void Asking(benchmark::State& state)
{
    serveFlood(state, true);
}

} // namespace

BENCHMARK(Churn)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(Asking)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

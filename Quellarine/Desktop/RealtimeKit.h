#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>

#include <functional>
#include <optional>

namespace quellarine {

// The desktop's broker of scheduling (RealtimeKit, on the system bus), which raises a thread of ours where the
// kernel would not let us: to real time within its limits, else to a better nice level. It answers later; nothing
// here waits for the bus.
class RealtimeKit : public QObject {
    Q_OBJECT
public:
    static constexpr const char* service = "org.freedesktop.RealtimeKit1";
    static constexpr const char* path = "/org/freedesktop/RealtimeKit1";

    // What the broker grants at most.
    struct Limits {
        int maxRealtimePriority = 0;
        int minNiceLevel = 0;
        qint64 realtimeMicrosecondsMax = 0; // the RLIMIT_RTTIME a process must keep to be raised
        bool operator==(const Limits&) const = default;
    };
    // Its properties as GetAll answers them (a{sv}); none when the answer has another type, or one of the three is
    // missing or not of its type. Pure: no bus needed.
    static std::optional<Limits> limitsFrom(const QDBusMessage& reply);

    enum class Granted { realtime, high, nothing };
    struct Request {
        quint64 thread = 0; // the kernel's thread id, of this process
        int priority = 0;   // the real-time priority wanted; the broker's maximum where that is lower
        int nice = 0;       // the nice level wanted where real time is refused; the broker's minimum where higher
        // Called with the broker's limits before real time is asked for: sets the process's RLIMIT_RTTIME within
        // them, as the broker demands; false leaves real time out.
        std::function<bool(const Limits&)> prepareRealtime;
    };
    using Answer = std::function<void(Granted granted, const QString& why)>;

    explicit RealtimeKit(QDBusConnection bus, QObject* parent = nullptr);

    // Asks for real time, else for the nice level; answers once, on this thread.
    void raise(Request request, Answer answer);

private:
    void askRealtime(const Request& request, const Limits& limits, const Answer& answer);
    void askHigh(const Request& request, const Limits& limits, const Answer& answer, const QString& realtimeRefused);

    QDBusConnection bus_;
};

} // namespace quellarine

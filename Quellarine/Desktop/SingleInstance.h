#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <optional>

class QSocketNotifier;
class QTimer;

namespace quellarine {

// Keeps Quellarine to one running copy per user and display: two would fight over the pointer and the hot
// keys. The first copy holds a lock file and listens on a local socket beside it; a later copy finds the lock
// taken, asks the first one to come forward, and should then exit.
//
// The socket serves only that request, only to the same user, and costs the application's thread little however
// it is flooded: it takes a bounded number of connections from the queue per round (the rest wait there), keeps
// no object per connection, and holds at most a few connections that have not yet sent their request. A
// connection serves one request, answered "ok", within the first `maximumMessageLength` bytes it sends, or is
// closed; one that stays silent is closed after a while; one that cannot be accepted (no descriptors left) is tried
// again later, never ending the listening. The first copy comes forward at most once per interval for each peer
// process, however fast it asks. When every place is taken, a new connection takes the place of the one that has
// waited longest, so that silent peers cannot keep a real later copy out; the later copy asks again until it hears
// the answer.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    static constexpr int maximumConnections = 8;
    static constexpr qint64 maximumMessageLength = 64;
    static constexpr int silenceLimitMilliseconds = 2000;
    // The shortest time between two bring-forwards asked by one peer process.
    static constexpr int activationIntervalMilliseconds = 250;
    // At most this many connections are taken from the queue per round; a later copy waits behind at most
    // `queueLength` of them.
    static constexpr int acceptsPerRound = 32;
    static constexpr int roundMilliseconds = 25;
    static constexpr int queueLength = 2 * acceptsPerRound;

    // `key` names the lock and the socket; `directory` is where both live, a folder no other user can write to.
    SingleInstance(const QString& key, const QString& directory, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The key for this user on this display (":1", ":1.0" and ":01" are one display).
    static QString defaultKey();
    // The user's private runtime folder, or a private folder of the user's own (made with mode 0700); none when
    // neither can be had. Never the temporary folder that all users share.
    static std::optional<QString> defaultDirectory();

    // Takes the lock and starts listening when no other copy runs; true when this copy is the first.
    bool claim();
    bool isPrimary() const { return claimed_; }
    // The socket a later copy reaches this one through.
    QString socketPath() const { return socketPath_; }

    // From a later copy: asks the first one to come forward, asking again while it closes the connection unheard.
    // False when it could not be reached and answer in time.
    bool notifyPrimary(int timeoutMilliseconds = 2000);

    // Connections taken from the queue that have not yet been answered or closed: at most `maximumConnections`.
    qsizetype openConnections() const { return waiting_.size(); }

signals:
    // A later copy asked this one to come forward.
    void activationRequested();

private:
    // A connection that has not yet sent its whole request.
    struct Peer {
        int descriptor = -1;
        qint64 process = 0;
        qint64 acceptedAt = 0; // milliseconds on the clock below
        QByteArray received;
    };
    enum class Reading { waiting, asked, done };

    bool listen();
    void acceptWaiting();
    void pauseAccepting(qint64 milliseconds);
    void serve(int descriptor);
    void readWaiting();
    // Reads what the peer has sent so far, and answers a request.
    static Reading read(Peer& peer);
    void closeWaiting(qsizetype index);
    void closeSilent();
    void watchSilence();
    // Whether the peer process may have the first copy come forward now; remembers that it did.
    bool mayActivate(qint64 peer);

    QString socketPath_;
    QLockFile lock_;
    bool claimed_ = false;
    int listener_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    // Taking connections again: after a round's share, or after running out of descriptors.
    QTimer* resume_ = nullptr;
    qint64 roundStartedAt_ = 0;
    int acceptedInRound_ = 0;
    // The waiting connections, oldest first, and the epoll set that watches them all through one notifier.
    QList<Peer> waiting_;
    int waitingSet_ = -1;
    QSocketNotifier* waitingNotifier_ = nullptr;
    QTimer* silence_ = nullptr;
    QHash<qint64, qint64> lastActivation_; // peer process → milliseconds on the clock below
    QElapsedTimer clock_;
};

} // namespace quellarine

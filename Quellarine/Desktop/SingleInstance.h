#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <optional>

class QSocketNotifier;

namespace quellarine {

// Keeps Quellarine to one running copy per user and display: two would fight over the pointer and the hot
// keys. The first copy holds a lock file and listens on a local socket beside it; a later copy finds the lock
// taken, asks the first one to come forward, and should then exit.
//
// The socket serves only that request and cannot be made to hold more than a few short connections: a
// connection that stays silent, sends a longer message or comes beyond the limit is closed, and a connection that
// cannot be accepted (no descriptors left) is tried again later, never ending the listening.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    static constexpr int maximumConnections = 8;
    static constexpr qint64 maximumMessageLength = 64;
    static constexpr int silenceLimitMilliseconds = 2000;

    // `key` names the lock and the socket; `directory` is where both live, a folder no other user can write to.
    SingleInstance(const QString& key, const QString& directory, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The key for this user on this display (":1" and ":1.0" are one display).
    static QString defaultKey();
    // The user's private runtime folder, or a private folder of the user's own (made with mode 0700); none when
    // neither can be had. Never the temporary folder that all users share.
    static std::optional<QString> defaultDirectory();

    // Takes the lock and starts listening when no other copy runs; true when this copy is the first.
    bool claim();
    bool isPrimary() const { return claimed_; }
    // The socket a later copy reaches this one through.
    QString socketPath() const { return socketPath_; }

    // From a later copy: asks the first one to come forward. False when it could not be reached in time.
    bool notifyPrimary(int timeoutMilliseconds = 2000);

signals:
    // A later copy asked this one to come forward.
    void activationRequested();

private:
    bool listen();
    void acceptWaiting();
    void serve(int descriptor);

    QString socketPath_;
    QLockFile lock_;
    bool claimed_ = false;
    int listener_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    int connections_ = 0;
};

} // namespace quellarine

#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

namespace quellarine {

// Keeps Quellarine to one running copy per user and display: two would fight over the pointer and the hot
// keys. The first copy holds a lock file and listens on a local socket; a later copy finds the lock taken,
// asks the first one to come forward, and should then exit.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    // `key` names the lock and the socket; `directory` is where the lock file lives.
    SingleInstance(const QString& key, const QString& directory, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The key for this user on this display, and the user's runtime folder (or the temporary folder).
    static QString defaultKey();
    static QString defaultDirectory();

    // Takes the lock and starts listening when no other copy runs; true when this copy is the first.
    bool claim();
    bool isPrimary() const { return server_ != nullptr; }

    // From a later copy: asks the first one to come forward. False when it could not be reached in time.
    bool notifyPrimary(int timeoutMilliseconds = 2000);

signals:
    // A later copy asked this one to come forward.
    void activationRequested();

private:
    QString key_; // the socket's full path
    QLockFile lock_;
    QLocalServer* server_ = nullptr;
};

} // namespace quellarine

#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace quellarine {

// One change of the settings: a key set to a value, or removed with every key under it ("key/...").
struct SettingsChange {
    QString key;
    std::optional<QVariant> value; // none: removed

    void applyTo(QVariantMap& values) const;
};

// Puts the settings on the disk from a thread of its own, so that no write ever makes the application's thread
// wait for the disk. Each change is written at once; changes that come while a write is under way go together
// into the next one. Every write puts the whole settings into a new file beside the old one, which then takes its
// name (`OwnFile::replace`): when any step fails, the old file stays as it was and the changes wait in memory for
// the next write, which writes them all.
class SettingsWriter {
public:
    // Told of each kind of failure once, until a write reaches the disk again; called on the writer's thread.
    using ProblemLog = std::function<void(const QString& message)>;

    // Writes to the file at the path, which holds the given settings.
    SettingsWriter(QString filePath, QVariantMap stored);
    // Waits for the last write.
    ~SettingsWriter();

    SettingsWriter(const SettingsWriter&) = delete;
    SettingsWriter& operator=(const SettingsWriter&) = delete;

    // After this returns, the previous log is no longer called.
    void setProblemLog(ProblemLog log);

    // Changes made together reach the disk together or not at all.
    void write(const QList<SettingsChange>& changes);

    // Waits until every change handed over so far has been tried, trying once more when the last write failed.
    // Whether the file now holds them all.
    bool flush();

private:
    void run();
    bool save();
    void tell(const QString& failure);

    const QString filePath_;

    std::mutex mutex_; // guards what follows, up to the thread's own
    std::condition_variable wake_;
    std::condition_variable tried_;
    QList<SettingsChange> pending_;
    std::uint64_t requested_ = 0; // writes asked for
    std::uint64_t finished_ = 0;  // the last asked for that has been tried
    bool written_ = true;         // the file holds every change tried
    bool stopping_ = false;

    std::mutex logMutex_; // held while the log is called, so that replacing it waits for a call under way
    ProblemLog problemLog_;

    // The writer thread's own.
    QVariantMap values_;
    QSet<QString> told_; // failures logged since the last write that reached the disk

    std::thread thread_; // last: starts once the rest is ready
};

} // namespace quellarine

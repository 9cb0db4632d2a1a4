#include "Quellarine/Desktop/SettingsWriter.h"

#include "Quellarine/Desktop/IniCodec.h"
#include "Quellarine/Desktop/OwnFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <utility>

#include <sys/stat.h>

namespace quellarine {

void SettingsChange::applyTo(QVariantMap& values) const
{
    if (value) {
        values.insert(key, *value);
        return;
    }
    values.remove(key);
    // Removing a key removes the keys under it, as QSettings does.
    const QString prefix = key + u'/';
    for (auto it = values.lowerBound(prefix); it != values.end() && it.key().startsWith(prefix);) {
        it = values.erase(it);
    }
}

SettingsWriter::SettingsWriter(QString filePath, QVariantMap stored)
    : filePath_(std::move(filePath))
    , values_(std::move(stored))
    , thread_([this] { run(); })
{
}

SettingsWriter::~SettingsWriter()
{
    flush();
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void SettingsWriter::setProblemLog(ProblemLog log)
{
    const std::lock_guard lock(logMutex_);
    problemLog_ = std::move(log);
}

void SettingsWriter::write(const QList<SettingsChange>& changes)
{
    {
        const std::lock_guard lock(mutex_);
        pending_.append(changes);
        ++requested_;
    }
    wake_.notify_one();
}

bool SettingsWriter::flush()
{
    std::unique_lock lock(mutex_);
    // A write under way may have begun before the disk had room again: a round of its own after it says whether
    // the settings reach the disk now. Only a last write that succeeded, with none under way, needs no other.
    if (!written_ || requested_ != finished_) {
        ++requested_;
        wake_.notify_one();
    }
    const std::uint64_t target = requested_;
    tried_.wait(lock, [&] { return finished_ >= target; });
    return written_;
}

void SettingsWriter::run()
{
    std::unique_lock lock(mutex_);
    while (true) {
        wake_.wait(lock, [&] { return stopping_ || requested_ != finished_; });
        if (requested_ == finished_) {
            return;
        }
        const std::uint64_t round = requested_;
        const QList<SettingsChange> changes = std::exchange(pending_, {});
        lock.unlock();
        for (const SettingsChange& change : changes) {
            change.applyTo(values_);
        }
        const bool written = save();
        lock.lock();
        written_ = written;
        finished_ = round;
        tried_.notify_all();
    }
}

bool SettingsWriter::save()
{
    // No settings and no file: there is nothing to write, and no file is made for it.
    struct stat status {};
    if (values_.isEmpty() && ::lstat(QFile::encodeName(filePath_).constData(), &status) != 0 && errno == ENOENT) {
        told_.clear();
        return true;
    }
    QString failure;
    if (!QDir().mkpath(QFileInfo(filePath_).absolutePath())) {
        failure = QStringLiteral("making its folder");
    } else if (OwnFile::replace(filePath_, IniCodec::encode(values_), 0600, &failure)) {
        told_.clear();
        return true;
    }
    if (!told_.contains(failure)) {
        told_.insert(failure);
        tell(QStringLiteral("Settings could not be written to %1 (%2); the file is left as it was, and the changes "
                            "are kept and written with the next save that succeeds")
                 .arg(filePath_, failure));
    }
    return false;
}

void SettingsWriter::tell(const QString& message)
{
    const std::lock_guard lock(logMutex_);
    if (problemLog_) {
        problemLog_(message);
    }
}

} // namespace quellarine

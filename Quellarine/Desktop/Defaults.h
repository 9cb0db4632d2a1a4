#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <nlohmann/json_fwd.hpp>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace quellarine {

struct SettingsChange;
class SettingsWriter;

// The user's settings: one INI file (QSettings' format) under plain keys. Structured values are compact JSON bytes.
// The settings live in memory; every write changes them there at once and hands the change to a writer thread,
// which puts it on the disk at once (`SettingsWriter`), so that nothing the user changed is lost to a crash or a
// kill and the application's thread never waits for the disk. A write that fails leaves the file as it was and
// keeps the change for the next one.
//
// Reads look at the stored value first, then at the registered defaults, which live in memory only. A stored
// value of the wrong kind reads as absent.
//
// The file is read once, at construction, and only when it is a regular file (never through a link, never waiting
// on a pipe); a link, pipe or device at its path counts as no settings. A file larger than any settings could be,
// or one that cannot be read, is renamed aside, never overwritten. Every write replaces the file in one step: a
// link at its path is replaced, not followed.
class Defaults {
public:
    // The user's own settings file (organisation "temrid", application "Quellarine").
    Defaults();
    // A settings file at the given path; tests use this so that they never touch the user's file.
    explicit Defaults(const QString& filePath);
    ~Defaults();

    Defaults(const Defaults&) = delete;
    Defaults& operator=(const Defaults&) = delete;

    // The one instance over the user's file, shared by every part of the application.
    static Defaults& standard();

    // The user's settings file, where QSettings keeps it.
    static QString userFilePath();

    // Settings files are a few kilobytes: the largest value, a stored explanation, is at most 64 KiB of JSON,
    // which the file's escaping can at most quadruple, so a file of ours stays well under 512 KiB (earlier versions
    // kept explanations of a few megabytes, which are dropped at launch). A file beyond this is not one of ours; the
    // limit also bounds each write, which rewrites the whole file.
    static constexpr std::int64_t fileSizeLimit = 4 << 20;

    // Told when the file could not be read (at once, when that happened before the log was set), and when writes
    // stop reaching the disk (a read-only folder, a full disk), each kind of failure once until a write reaches it
    // again, so that the user or an administrator can find out why settings did not last. Called on the writer's
    // thread; after this returns, the previous log is no longer called.
    using ProblemLog = std::function<void(const QString& message)>;
    void setProblemLog(ProblemLog log);

    // Values to read when a key is not stored; never written to disk. Later registrations replace earlier ones.
    void registerDefaults(const QVariantMap& values);

    // Stored or registered.
    bool contains(const QString& key) const;

    std::optional<bool> boolean(const QString& key) const;
    std::optional<QString> string(const QString& key) const;
    // An array of text. The file keeps a one-element array as plain text, so that reads as a one-element list.
    std::optional<QStringList> stringList(const QString& key) const;
    std::optional<QByteArray> data(const QString& key) const;
    // The stored bytes parsed as JSON; absent when they are missing or are not JSON.
    std::optional<nlohmann::json> json(const QString& key) const;

    // Each write holds at once for every read; `flush` tells when it reached the disk.
    void setBool(const QString& key, bool value);
    void setString(const QString& key, const QString& value);
    void setData(const QString& key, const QByteArray& value);
    // The file keeps a one-element array as plain text; `stringList` reads either back.
    void setStringList(const QString& key, const QStringList& value);
    // Throws EncodingError when the value cannot be written as JSON (text that is not UTF-8).
    void setJson(const QString& key, const nlohmann::json& value);
    // Several strings in one write, so that they reach the disk together or not at all.
    void setStrings(const QList<std::pair<QString, QString>>& values);

    // Removes the key and every key under it ("key/...").
    void remove(const QString& key);
    void remove(const QStringList& keys);

    // Waits until every write so far has been tried on the disk, trying once more when the last one failed;
    // whether the file now holds them all. Quitting waits for this; so does whatever must know that a setting
    // lasts (a restart that reads it).
    bool flush() const;

private:
    std::optional<QVariant> value(const QString& key) const;
    void change(const QList<SettingsChange>& changes);

    QString filePath_;
    QVariantMap stored_; // by QSettings' spelling of the key
    QVariantMap registered_;
    QString readProblem_; // not yet told
    // None when the file at the path must be left as it is.
    std::unique_ptr<SettingsWriter> writer_;
};

} // namespace quellarine

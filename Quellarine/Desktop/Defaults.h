#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantMap>

#include <nlohmann/json_fwd.hpp>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace quellarine {

// The user's settings: one INI file under plain keys. Structured values are compact JSON bytes. Every write
// reaches the disk before the call returns, so nothing the user changed is lost to a crash or a kill.
//
// Reads look at the stored value first, then at the registered defaults, which live in memory only. A stored
// value of the wrong kind reads as absent.
//
// The file is read once, at construction, and only when it is a regular file (never through a link, never waiting
// on a pipe); anything else at its path counts as no settings. Every write replaces the file in one step: a link
// at its path is replaced, not followed. Meanwhile QSettings works on a private copy that no one else can reach.
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

    // Told when the file could not be read (at once, when that happened before the log was set), and when writes
    // stop reaching the disk (a read-only folder, a full disk), once until one reaches it again, so that the user
    // or an administrator can find out why settings did not last.
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

    // Each write returns whether it reached the disk.
    bool setBool(const QString& key, bool value);
    bool setString(const QString& key, const QString& value);
    bool setData(const QString& key, const QByteArray& value);
    // The file keeps a one-element array as plain text; `stringList` reads either back.
    bool setStringList(const QString& key, const QStringList& value);
    // Throws EncodingError when the value cannot be written as JSON (text that is not UTF-8).
    bool setJson(const QString& key, const nlohmann::json& value);
    // Several strings in one write, so that they reach the disk together or not at all.
    bool setStrings(const QList<std::pair<QString, QString>>& values);

    bool remove(const QString& key);
    bool remove(const QStringList& keys);

private:
    std::optional<QVariant> value(const QString& key) const;
    std::unique_ptr<QSettings> openCopy() const;
    bool commit();

    QString filePath_;
    std::unique_ptr<QTemporaryDir> copyFolder_;
    std::unique_ptr<QSettings> settings_; // over the private copy
    QVariantMap registered_;
    ProblemLog problemLog_;
    QString readProblem_;  // not yet told
    bool failing_ = false; // the last write did not reach the disk
};

} // namespace quellarine

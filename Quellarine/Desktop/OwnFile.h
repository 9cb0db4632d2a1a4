#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <variant>

namespace quellarine {

// A file of this application's own (the settings, the profile photo) at a path in one of its folders. Whatever
// else may sit at that path (a symbolic link, a pipe, a device) is never read from or written through: reading
// does not follow a link nor wait on a pipe, and writing replaces the name itself in one step.
class OwnFile {
public:
    OwnFile() = delete;

    // Why a file could not be read.
    enum class Unread {
        missing,    // nothing at the path
        notRegular, // a link, pipe, device, folder or socket
        tooLarge,   // larger than the caller's limit
        failed,     // any other error
    };

    // The whole file, when the path names a regular file of at most `limit` bytes.
    static std::variant<QByteArray, Unread> read(const QString& path, std::int64_t limit);

    // Writes the bytes to a new file beside the path with the given permissions, flushes it to the disk and renames
    // it to the path, replacing whatever was there (a link is replaced, not followed), then flushes the folder. A
    // reader finds either the old file or the whole new one. False, with nothing changed at the path, when any step
    // fails; `failure`, when given, then says which step and why, in words for the log.
    static bool replace(const QString& path, const QByteArray& bytes, unsigned permissions = 0600,
                        QString* failure = nullptr);

    // Renames the file at the path to the path followed by "." and the suffix, a time and, when that name is
    // taken, a number: never over another file. The new path, or nothing when the file could not be renamed.
    static std::optional<QString> setAside(const QString& path, const QString& suffix);

    // The reason in words, for the log.
    static QString describe(Unread reason);
};

} // namespace quellarine

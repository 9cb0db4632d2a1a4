#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
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
    // it to the path, replacing whatever was there (a link is replaced, not followed). A reader finds either the old
    // file or the whole new one. False, with nothing changed at the path, when any step fails.
    static bool replace(const QString& path, const QByteArray& bytes, unsigned permissions = 0600);

    // The reason in words, for the log.
    static QString describe(Unread reason);
};

} // namespace quellarine

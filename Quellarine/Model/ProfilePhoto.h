#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>
#include <variant>

namespace quellarine {

// The profile photo's file: a small square PNG in the application's private folder under the user's data
// directory. Everything here touches the disk or runs a decoder, so the store calls it off the main thread; the
// functions share no state and may run on any thread.
class ProfilePhoto {
public:
    // What went wrong with an import, each with one sentence for the user.
    enum class Error { unreadable, tooLarge, notSaved };

    static constexpr const char* fileName = "profile-photo.png";
    // Larger files are refused before any decoding; a file of exactly this size is accepted.
    static constexpr std::int64_t sizeLimit = 41'943'040;
    // The decoded picture's longer side at most, before cropping: its shorter side need cover no more than the
    // stored square, and a panorama's strip stays small.
    static constexpr int decodedSide = 1024;
    // The stored square's side at most; smaller pictures are never enlarged.
    static constexpr int storedSide = 512;

    ProfilePhoto() = delete;

    // The sentence shown for an error, in the application's language.
    static QString description(Error error);

    // "Quellarine" under the user's data directory.
    static QString defaultFolder();
    // Creates the folder (and those above it) with permissions 0700; an existing folder keeps its own. Errors are
    // ignored: an import into a missing folder fails with `notSaved`.
    static void createFolder(const QString& folder);

    // The stored photo at launch: read without following a symbolic link, only when it is a regular file of this
    // user within the size limit and decodes as an image; otherwise a null image.
    static QImage load(const QString& path);

    // The picture in the file as a centred square PNG of at most 512 pixels a side in sRGB, upright as its
    // orientation tag says. Decodes no more than the square needs (512 pixels on the shorter side, at most 1024 on
    // the longer), so a large photo is never held at full size.
    static std::variant<QByteArray, Error> makeThumbnailPNG(const QString& sourcePath);

    // The import's work: thumbnail, then write to `photoPath` (mode 0600 before an atomic rename).
    static std::variant<QByteArray, Error> importFile(const QString& sourcePath, const QString& photoPath);

    // Writes the data so that a reader finds either the old file or the whole new one, never a part; whatever was at
    // the path (a link too) is replaced, never written through.
    static bool write(const QByteArray& png, const QString& photoPath);
};

} // namespace quellarine

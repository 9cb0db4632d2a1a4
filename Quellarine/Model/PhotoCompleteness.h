#pragma once

#include <QByteArray>

namespace quellarine {

// Whether a GIF or BMP file holds the whole picture its header promises, read without decoding it: their
// decoders show a cut-off file as far as it got, so a truncated file would otherwise pass as a photo.
class PhotoCompleteness {
public:
    PhotoCompleteness() = delete;

    static bool gif(const QByteArray& data);
    static bool bmp(const QByteArray& data);
};

} // namespace quellarine

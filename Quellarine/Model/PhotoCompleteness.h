#pragma once

#include <QByteArray>

namespace quellarine {

// Whether a GIF, BMP or PNG file can hold the whole picture its header promises, read without decoding it: the GIF
// and BMP decoders show a cut-off file as far as it got, so a truncated file would otherwise pass as a photo; and a
// PNG too small for its picture is refused before any row of it is decoded.
class PhotoCompleteness {
public:
    PhotoCompleteness() = delete;

    static bool gif(const QByteArray& data);
    static bool bmp(const QByteArray& data);
    static bool png(const QByteArray& data);
};

} // namespace quellarine

#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <cstdint>

namespace quellarine {

// A PNG file's picture made smaller while it is decoded: libpng hands over one row at a time (each pass's rows in
// an interlaced file), and every pixel is added into the box of the smaller picture it falls in, so the whole
// picture is never held. libpng checks the file as it goes: a cut-off file, a broken checksum of a critical chunk
// or rows the data does not fill give a null image.
class PngRowReader {
public:
    PngRowReader() = delete;

    // The picture in `data`, whose header must say `size`, as `target` pixels (no larger than `size` either way),
    // each the average of the pixels in its box; null when the file is not a whole PNG of that size.
    static QImage read(const QByteArray& data, QSize size, QSize target);

    // Bytes the reading takes besides the file: libpng's rows and its decompressor, the boxes' sums and the picture.
    static std::int64_t memoryBytes(QSize size, QSize target);
};

} // namespace quellarine

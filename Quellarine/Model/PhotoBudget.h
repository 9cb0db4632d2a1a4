#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <cstdint>
#include <optional>

namespace quellarine {

struct JpegStructure;

// What decoding a photo will cost, judged from its header before any pixel is decoded, and so which decoder reads
// it. A small file may claim a picture whose decoding takes gigabytes (Qt's readers decode GIF and BMP pictures
// whole before scaling them, and libjpeg keeps every coefficient of a progressive JPEG), so a picture is read only
// by a decoder whose memory, together with the file's own bytes, stays within fixed limits.
class PhotoBudget {
public:
    // Pixels a header may claim: the largest camera pictures, and no more.
    static constexpr std::int64_t pixelLimit = 200'000'000;
    // The file's bytes and the decoder's memory together, so that an import stays well under 100 MB.
    static constexpr std::int64_t memoryLimit = std::int64_t{64} << 20;

    enum class Decoder {
        // Qt's reader: a GIF or BMP picture whole, then scaled; a JPEG scaled by whole eighths while it is decoded,
        // a progressive one from all the coefficients of its full size.
        qt,
        // A progressive JPEG from only the coefficients its scaled picture needs (`ProgressiveJpegReader`).
        lowFrequencies,
        // A PNG row by row, made smaller as it goes (`PngRowReader`).
        pngRows,
    };

    // How large a decoded picture may be: the largest size (never enlarged) whose shorter side is no more than
    // `shorter` and whose longer no more than `longer`. A thumbnail that crops the centre square needs its shorter
    // side; the longer bound keeps a panorama's strip small.
    struct Bounds {
        int shorter = 1;
        int longer = 1;
    };

    PhotoBudget() = delete;

    // The size a picture of `size` is decoded to within `bounds`.
    static QSize target(QSize size, Bounds bounds);
    // The fewest eighths of each side a JPEG decoder can keep and still cover `target`.
    static int eighths(QSize size, QSize target);

    // Bytes `decoder` takes to read a picture of `size` pixels, stored as `pixelFormat`, to its target within
    // `bounds`. For a JPEG file, its structure says how the decoder goes about it.
    static std::int64_t decodingBytes(Decoder decoder, QSize size, QImage::Format pixelFormat, Bounds bounds,
                                      const JpegStructure* jpeg);

    // How a file of `fileBytes` in `format` ("jpeg" with its structure, "png", "gif" or "bmp") holding such a
    // picture is decoded: Qt's reader where it fits the limits, else the format's own decoder that does; none
    // when no decoder does.
    static std::optional<Decoder> choose(std::int64_t fileBytes, const QByteArray& format, QSize size,
                                         QImage::Format pixelFormat, Bounds bounds, const JpegStructure* jpeg);
};

} // namespace quellarine

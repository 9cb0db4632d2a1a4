#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <cstdint>

namespace quellarine {

struct JpegStructure;

// What decoding a photo will cost, judged from its header before any pixel is decoded. A small file may claim a
// picture whose decoding takes gigabytes (a progressive JPEG keeps every coefficient of the full-size picture,
// whatever size it is asked for; other formats are decoded whole before scaling), so a picture is read only when
// its pixels and the decoder's memory, together with the file's own bytes, stay within fixed limits.
class PhotoBudget {
public:
    // Pixels a header may claim: the largest camera pictures, and no more.
    static constexpr std::int64_t pixelLimit = 200'000'000;
    // The file's bytes and the decoder's memory together, so that an import stays well under 100 MB.
    static constexpr std::int64_t memoryLimit = std::int64_t{64} << 20;

    PhotoBudget() = delete;

    // Bytes the decoder takes to read a picture of `size` pixels, stored as `pixelFormat`, no larger than
    // `maximumSide` a side. For a JPEG file, its structure says how the decoder goes about it.
    static std::int64_t decodingBytes(QSize size, QImage::Format pixelFormat, int maximumSide,
                                      const JpegStructure* jpeg);

    // Whether a file of `fileBytes` holding such a picture may be decoded.
    static bool allows(std::int64_t fileBytes, QSize size, QImage::Format pixelFormat, int maximumSide,
                       const JpegStructure* jpeg);
};

} // namespace quellarine

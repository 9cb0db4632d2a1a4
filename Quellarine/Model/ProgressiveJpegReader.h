#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <cstdint>

namespace quellarine {

struct JpegStructure;

// A progressive JPEG's picture at a fraction of its size, decoded from only the coefficients that size needs.
// libjpeg keeps all 64 coefficients of every block of a progressive file until its last scan, whatever size it is
// asked for; at eighths/8 of the size only the lowest eighths × eighths of them count, so only those are kept,
// with one bit per coefficient for whether it is non-zero (which later scans' refinements depend on). At one
// eighth only the blocks' mean values count, and the scans of the other coefficients are skipped unread.
class ProgressiveJpegReader {
public:
    ProgressiveJpegReader() = delete;

    // The picture of a progressive, Huffman-coded, 8-bit JPEG file of `size` pixels with one (grey) or three
    // components, at `eighths` (1 to 8) eighths of each side, rounded up; null when the file is anything else or its
    // coded data is broken. Neither turned by an orientation tag nor scaled any further.
    static QImage read(const QByteArray& data, QSize size, int eighths);

    // Bytes the decoding takes besides the file, for a file of this structure.
    static std::int64_t memoryBytes(const JpegStructure& jpeg, int eighths);
};

} // namespace quellarine

#include "Quellarine/Model/PhotoCompleteness.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>

namespace quellarine {

// The GIF decoder, too, shows a cut-off file as far as it got. A whole file closes its first picture's data with an
// empty sub-block: walks the screen descriptor, the colour tables, the extensions before the picture and its data.
// The data must also be long enough for the picture: each code takes at least 3 bits and stands for at most 4096
// pixels.
bool PhotoCompleteness::gif(const QByteArray& data)
{
    const auto byte = [&](qsizetype at) { return static_cast<unsigned char>(data[at]); };
    const auto colourTable
        = [](unsigned char flags) { return flags & 0x80 ? 3 * (qsizetype(2) << (flags & 0x07)) : 0; };
    // Sub-blocks are a length byte and that many bytes, ended by a length of 0; the index after that 0, or none.
    qsizetype carried = 0; // bytes in the last sub-blocks walked
    const auto afterSubBlocks = [&](qsizetype at) -> std::optional<qsizetype> {
        carried = 0;
        while (at < data.size()) {
            const int length = byte(at);
            ++at;
            if (length == 0) {
                return at;
            }
            at += length;
            carried += length;
        }
        return std::nullopt;
    };
    if (data.size() < 13) {
        return false;
    }
    qsizetype at = 13 + colourTable(byte(10));
    while (at < data.size()) {
        if (byte(at) == 0x21) { // extension: its label, then sub-blocks
            const auto next = afterSubBlocks(at + 2);
            if (!next) {
                return false;
            }
            at = *next;
        } else if (byte(at) == 0x2C) { // picture: descriptor, colour table, code size, then the data's sub-blocks
            if (at + 10 > data.size()) {
                return false;
            }
            const std::int64_t pixels
                = std::int64_t(byte(at + 5) | byte(at + 6) << 8) * std::int64_t(byte(at + 7) | byte(at + 8) << 8);
            return afterSubBlocks(at + 10 + colourTable(byte(at + 9)) + 1).has_value()
                && std::int64_t{carried} * 8 * 4096 >= 3 * pixels;
        } else {
            return false;
        }
    }
    return false;
}

// The BMP decoder leaves the rows a cut-off file lacks blank. A whole file holds every row of its pixel array, or,
// run-length coded, reaches the end-of-bitmap code. Other codings are left to the decoder.
bool PhotoCompleteness::bmp(const QByteArray& data)
{
    const auto byte = [&](qsizetype at) { return static_cast<unsigned char>(data[at]); };
    const auto little = [&](qsizetype at, int bytes) {
        std::int64_t value = 0;
        for (int k = bytes - 1; k >= 0; --k) {
            value = (value << 8) | byte(at + k);
        }
        return value;
    };
    if (data.size() < 26) {
        return false;
    }
    const std::int64_t pixels = little(10, 4);
    const bool core = little(14, 4) == 12; // the oldest header: 16-bit sizes, never compressed
    if (!core && data.size() < 34) {
        return false;
    }
    const std::int64_t width = core ? little(18, 2) : static_cast<std::int32_t>(little(18, 4));
    const std::int64_t height = core ? little(20, 2) : static_cast<std::int32_t>(little(22, 4));
    const std::int64_t bitsPerPixel = little(core ? 24 : 28, 2);
    const std::int64_t compression = core ? 0 : little(30, 4);
    if (pixels > data.size()) {
        return false;
    }
    if (compression == 0 || compression == 3 || compression == 6) { // plain rows, or rows with colour masks
        // Rows are padded to four bytes; the last row's padding may be missing.
        const std::int64_t rowBytes = (bitsPerPixel * std::abs(width) + 31) / 32 * 4;
        const std::int64_t lastRow = (bitsPerPixel * std::abs(width) + 7) / 8;
        const std::int64_t present = data.size() - pixels;
        return rowBytes == 0 || height == 0
            || (present >= lastRow && std::abs(height) - 1 <= (present - lastRow) / rowBytes);
    }
    if (compression == 1 || compression == 2) { // runs of 8- or 4-bit pixels in pairs of bytes
        qsizetype at = pixels;
        while (at + 1 < data.size()) {
            const int count = byte(at), code = byte(at + 1);
            at += 2;
            if (count > 0 || code == 0) { // a run, or the end of a row
                continue;
            }
            if (code == 1) {
                return true;
            }
            if (code == 2) { // a jump: two more bytes
                at += 2;
                continue;
            }
            const qsizetype literal = compression == 1 ? code : (code + 1) / 2; // padded to a whole pair
            at += literal + (literal & 1);
        }
        return false;
    }
    return true;
}

// A whole PNG file walks from its header chunk to its end chunk, and its compressed rows are long enough for the
// picture: deflate makes at most 1032 bytes of each byte it is given (the checksums are libpng's to check).
bool PhotoCompleteness::png(const QByteArray& data)
{
    const auto word = [&](qsizetype at) {
        return std::uint32_t(static_cast<unsigned char>(data[at])) << 24
            | std::uint32_t(static_cast<unsigned char>(data[at + 1])) << 16
            | std::uint32_t(static_cast<unsigned char>(data[at + 2])) << 8
            | std::uint32_t(static_cast<unsigned char>(data[at + 3]));
    };
    if (data.size() < 33 || !data.startsWith(QByteArray("\x89PNG\r\n\x1a\n", 8)) || word(8) != 13
        || data.mid(12, 4) != "IHDR") {
        return false;
    }
    const std::uint32_t width = word(16);
    const std::uint32_t height = word(20);
    const int depth = static_cast<unsigned char>(data[24]);
    const int channels = std::array{1, 0, 3, 1, 2, 0, 4}.at(std::min<std::size_t>(data[25] & 0xFF, 6));
    std::int64_t compressed = 0;
    for (qsizetype at = 8; at + 12 <= data.size();) {
        const std::int64_t length = word(at);
        if (length > data.size() - at - 12) {
            return false;
        }
        const QByteArray type = data.mid(at + 4, 4);
        if (type == "IDAT") {
            compressed += length;
        } else if (type == "IEND") {
            return double(compressed) * 1032 >= double(width) * double(height) * depth * channels / 8;
        }
        at += 12 + qsizetype(length);
    }
    return false;
}

} // namespace quellarine

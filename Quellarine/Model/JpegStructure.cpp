#include "Quellarine/Model/JpegStructure.h"

#include <algorithm>

namespace quellarine {

namespace {

std::int64_t ceilDivide(std::int64_t value, std::int64_t divisor)
{
    return (value + divisor - 1) / divisor;
}

bool isFrameMarker(unsigned char marker)
{
    // C4 (Huffman tables), C8 (reserved) and CC (arithmetic conditioning) share the range.
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

} // namespace

JpegStructure JpegStructure::read(const QByteArray& data)
{
    JpegStructure jpeg;
    const auto byte = [&](qsizetype at) { return static_cast<unsigned char>(data[at]); };
    bool framed = false;
    bool scanned = false;
    qsizetype at = 2;
    // Walks the marker segments (skipping embedded thumbnails, which sit inside their segments) and the coded data,
    // where a 0xFF byte is always followed by 0x00, a restart marker or a real marker.
    while (at + 1 < data.size()) {
        if (byte(at) != 0xFF) {
            return jpeg;
        }
        const unsigned char marker = byte(at + 1);
        if (marker == 0xFF) {
            ++at; // fill byte
            continue;
        }
        if (marker == 0xD9) {
            jpeg.complete = true;
            return jpeg;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            at += 2;
            continue;
        }
        if (at + 3 >= data.size()) {
            return jpeg;
        }
        const int length = (byte(at + 2) << 8) | byte(at + 3);
        if (length < 2 || at + 2 + length > data.size()) {
            return jpeg;
        }
        if (isFrameMarker(marker)) {
            // Precision, height, width, the component count, then three bytes per component.
            const int count = length >= 8 ? byte(at + 9) : 0;
            const bool whole = length >= 8 + 3 * count && count > 0;
            jpeg.supported = !framed && whole && (marker == 0xC0 || marker == 0xC1 || marker == 0xC2);
            jpeg.buffersWholeImage = marker == 0xC2;
            jpeg.progressive = marker == 0xC2;
            jpeg.height = whole ? (byte(at + 5) << 8) | byte(at + 6) : 0;
            jpeg.width = whole ? (byte(at + 7) << 8) | byte(at + 8) : 0;
            jpeg.components.clear();
            for (int c = 0; whole && c < count; ++c) {
                const unsigned char sampling = byte(at + 11 + 3 * c);
                jpeg.components.push_back({sampling >> 4, sampling & 0x0F});
            }
            const bool validSampling = std::all_of(jpeg.components.begin(), jpeg.components.end(), [](Component c) {
                return c.horizontal >= 1 && c.horizontal <= 4 && c.vertical >= 1 && c.vertical <= 4;
            });
            // A frame whose height comes later (in a DNL segment) is one the decoder refuses.
            jpeg.supported = jpeg.supported && validSampling && jpeg.width > 0 && jpeg.height > 0;
            framed = true;
        }
        at += 2 + length;
        if (marker == 0xDA) {
            if (!scanned && length >= 3 && byte(at - length + 2) < jpeg.components.size()) {
                jpeg.buffersWholeImage = true;
            }
            scanned = true;
            const qsizetype start = at;
            while (at + 1 < data.size()) {
                const unsigned char next = byte(at + 1);
                if (byte(at) == 0xFF && next != 0x00 && !(next >= 0xD0 && next <= 0xD7)) {
                    break;
                }
                ++at;
            }
            jpeg.entropyBytes += at - start;
        }
    }
    return jpeg;
}

std::int64_t JpegStructure::blockCount() const
{
    int widest = 1;
    int tallest = 1;
    for (const Component& c : components) {
        widest = std::max(widest, c.horizontal);
        tallest = std::max(tallest, c.vertical);
    }
    std::int64_t blocks = 0;
    for (const Component& c : components) {
        blocks += ceilDivide(ceilDivide(std::int64_t{width} * c.horizontal, widest), 8)
            * ceilDivide(ceilDivide(std::int64_t{height} * c.vertical, tallest), 8);
    }
    return blocks;
}

std::int64_t JpegStructure::coefficientBytes() const
{
    int widest = 1;
    int tallest = 1;
    for (const Component& c : components) {
        widest = std::max(widest, c.horizontal);
        tallest = std::max(tallest, c.vertical);
    }
    std::int64_t bytes = 0;
    for (const Component& c : components) {
        const std::int64_t across = ceilDivide(ceilDivide(std::int64_t{width} * c.horizontal, widest), 8);
        const std::int64_t down = ceilDivide(ceilDivide(std::int64_t{height} * c.vertical, tallest), 8);
        bytes += ceilDivide(across, c.horizontal) * c.horizontal * ceilDivide(down, c.vertical) * c.vertical * 128;
    }
    return bytes;
}

} // namespace quellarine

#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace quellarine {

// What a JPEG file's markers say about its picture, read without decoding any of it: the frame, whether the
// decoder must hold every coefficient of the picture at once, and how much coded data the scans carry.
struct JpegStructure {
    // A component's sampling factors (1 to 4).
    struct Component {
        int horizontal = 1;
        int vertical = 1;
    };

    // Ends with the end-of-image marker after its last scan.
    bool complete = false;
    // One frame of a kind the decoder reads with Huffman coding: baseline, extended or progressive.
    bool supported = false;
    // Progressive, or a first scan that leaves out components: the decoder keeps the whole picture's
    // coefficients, however small the picture it is asked for.
    bool buffersWholeImage = false;
    // A progressive frame (SOF2).
    bool progressive = false;
    int width = 0;
    int height = 0;
    std::vector<Component> components;
    // The scans' coded bytes.
    std::int64_t entropyBytes = 0;

    static JpegStructure read(const QByteArray& data);

    // The 8 × 8 blocks of all components together. Every block costs at least one coded bit (its first DC code),
    // so a file with fewer bits than blocks cannot hold the picture its frame claims.
    std::int64_t blockCount() const;
    // What the decoder holds when it keeps every coefficient: two bytes each, blocks padded to whole units.
    std::int64_t coefficientBytes() const;
    bool holdsItsBlocks() const { return entropyBytes >= (blockCount() + 7) / 8; }
};

} // namespace quellarine

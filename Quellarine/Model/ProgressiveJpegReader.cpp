#include "Quellarine/Model/ProgressiveJpegReader.h"

#include "Quellarine/Model/JpegStructure.h"

#include <QColorSpace>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>
#include <vector>

namespace quellarine {

namespace {

// Where the k-th coefficient of the file's zigzag order sits in its 8 × 8 block: row × 8 + column.
constexpr std::array<std::uint8_t, 64> naturalOrder{0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,
                                                    12, 19, 26, 33, 40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28,
                                                    35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23, 30, 37, 44, 51,
                                                    58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

constexpr int maximumScans = 100;

std::int64_t ceilDivide(std::int64_t value, std::int64_t divisor)
{
    return (value + divisor - 1) / divisor;
}

class HuffmanTable {
public:
    // From a DHT segment's 16 counts of codes per length and their values; false when they make no code.
    bool define(const unsigned char* counts, const unsigned char* values, int total)
    {
        int code = 0;
        int index = 0;
        for (int length = 1; length <= 16; ++length) {
            offset_[length] = index - code;
            code += counts[length - 1];
            index += counts[length - 1];
            if (code > (1 << length)) {
                return false;
            }
            maxCode_[length] = counts[length - 1] > 0 ? code - 1 : -1;
            code <<= 1;
        }
        std::copy(values, values + total, values_.begin());
        defined_ = true;
        return true;
    }

    bool defined() const { return defined_; }

    // The value of the code `read` gives bit by bit; none when no code of up to 16 bits matches.
    template <typename ReadBit>
    std::optional<int> decode(ReadBit&& read) const
    {
        int code = 0;
        for (int length = 1; length <= 16; ++length) {
            code = (code << 1) | read();
            if (code <= maxCode_[length]) {
                const int index = offset_[length] + code;
                return index >= 0 && index < 256 ? std::optional<int>(values_[std::size_t(index)]) : std::nullopt;
            }
        }
        return std::nullopt;
    }

private:
    bool defined_ = false;
    std::array<int, 17> maxCode_{};
    std::array<int, 17> offset_{};
    std::array<unsigned char, 256> values_{};
};

// The coded data of a scan, bit by bit, with the 0x00 after each 0xFF taken out. At a marker it gives zeros and
// stays there: a whole scan never needs them, so they mark a scan cut short.
class BitReader {
public:
    BitReader(const QByteArray& data, qsizetype at)
        : data_(data)
        , at_(at)
    {
    }

    int bit()
    {
        if (count_ == 0) {
            current_ = next();
            count_ = 8;
        }
        --count_;
        return (current_ >> count_) & 1;
    }

    int bits(int count)
    {
        int value = 0;
        for (int i = 0; i < count; ++i) {
            value = (value << 1) | bit();
        }
        return value;
    }

    // Drops the rest of the byte and steps over the restart marker that should follow (or up to the next marker).
    void restart()
    {
        count_ = 0;
        while (at_ + 1 < data_.size()) {
            const unsigned char first = byte(at_);
            const unsigned char second = byte(at_ + 1);
            if (first == 0xFF && second >= 0xD0 && second <= 0xD7) {
                at_ += 2;
                return;
            }
            if (first == 0xFF && second != 0x00 && second != 0xFF) {
                return;
            }
            ++at_;
        }
    }

    // Whether a bit was asked for beyond the scan's data.
    bool exhausted() const { return exhausted_; }

    // Where the marker after the scan's data begins.
    qsizetype end()
    {
        qsizetype at = at_;
        while (at + 1 < data_.size()) {
            const unsigned char second = byte(at + 1);
            if (byte(at) == 0xFF && second != 0x00 && second != 0xFF && !(second >= 0xD0 && second <= 0xD7)) {
                return at;
            }
            ++at;
        }
        return data_.size();
    }

private:
    unsigned char byte(qsizetype at) const { return static_cast<unsigned char>(data_[at]); }

    unsigned char next()
    {
        if (at_ >= data_.size()) {
            exhausted_ = true;
            return 0;
        }
        const unsigned char value = byte(at_);
        if (value != 0xFF) {
            ++at_;
            return value;
        }
        if (at_ + 1 < data_.size() && byte(at_ + 1) == 0x00) {
            at_ += 2;
            return value;
        }
        exhausted_ = true;
        return 0;
    }

    const QByteArray& data_;
    qsizetype at_;
    unsigned char current_ = 0;
    int count_ = 0;
    bool exhausted_ = false;
};

// A DC or AC value: `count` bits read as the code's magnitude category says.
int extend(int value, int count)
{
    return count == 0 ? 0 : value < (1 << (count - 1)) ? value - (1 << count) + 1 : value;
}

struct Component {
    int id = 0;
    int horizontal = 1;
    int vertical = 1;
    int quantTable = 0;
    // Its quantisation, in the block's natural order, as it stood when the component's first scan began.
    std::optional<std::array<std::uint16_t, 64>> quantisation;
    // Blocks across and down, whole MCUs (an interleaved scan's layout); of them, those the component's own
    // samples cover (a scan of this component alone).
    int blocksAcross = 0;
    int blocksDown = 0;
    int usedAcross = 0;
    int usedDown = 0;
    // The kept coefficients, eighths × eighths per block, row by row; and per block a bit per coefficient in zigzag
    // order for whether it is non-zero (kept only when more than the mean values are).
    std::vector<std::int16_t> coefficients;
    std::vector<std::uint64_t> nonZero;
    int dcPrediction = 0;
    int dcTable = 0;
    int acTable = 0;
};

class Decoder {
public:
    Decoder(const QByteArray& data, QSize size, int eighths)
        : data_(data)
        , size_(size)
        , eighths_(eighths)
    {
        for (int k = 0; k < 64; ++k) {
            const int row = naturalOrder[std::size_t(k)] / 8;
            const int column = naturalOrder[std::size_t(k)] % 8;
            slot_[std::size_t(k)] = row < eighths && column < eighths ? row * eighths + column : -1;
        }
    }

    QImage decode()
    {
        if (data_.size() < 4 || byte(0) != 0xFF || byte(1) != 0xD8) {
            return {};
        }
        qsizetype at = 2;
        while (true) {
            while (at + 1 < data_.size() && byte(at) == 0xFF && byte(at + 1) == 0xFF) {
                ++at;
            }
            if (at + 1 >= data_.size() || byte(at) != 0xFF) {
                return {};
            }
            const unsigned char marker = byte(at + 1);
            at += 2;
            if (marker == 0xD9) {
                break;
            }
            if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
                continue;
            }
            if (at + 1 >= data_.size()) {
                return {};
            }
            const int length = (byte(at) << 8) | byte(at + 1);
            if (length < 2 || at + length > data_.size()) {
                return {};
            }
            const qsizetype start = at + 2;
            const int bytes = length - 2;
            at += length;
            bool understood = true;
            if (marker == 0xC2) {
                understood = frame(start, bytes);
            } else if ((marker >= 0xC0 && marker <= 0xCF) && marker != 0xC4 && marker != 0xCC) {
                understood = false; // not progressive with Huffman coding, or another frame
            } else if (marker == 0xC4) {
                understood = huffmanTables(start, bytes);
            } else if (marker == 0xDB) {
                understood = quantisationTables(start, bytes);
            } else if (marker == 0xDD) {
                understood = bytes >= 2;
                restartInterval_ = understood ? (byte(start) << 8) | byte(start + 1) : 0;
            } else if (marker == 0xEE) {
                adobe(start, bytes);
            } else if (marker == 0xE2) {
                iccChunk(start, bytes);
            } else if (marker == 0xDA) {
                // Each scan walks every block, however little data it has: a few bytes per scan must not buy
                // minutes of work. Encoders write about ten.
                const std::optional<qsizetype> end = ++scans_ <= maximumScans ? scan(start, bytes) : std::nullopt;
                understood = end.has_value();
                at = end.value_or(at);
            }
            if (!understood) {
                return {};
            }
        }
        return scans_ > 0 ? picture() : QImage();
    }

private:
    unsigned char byte(qsizetype at) const { return static_cast<unsigned char>(data_[at]); }

    bool frame(qsizetype at, int bytes)
    {
        if (!components_.empty() || bytes < 6) {
            return false;
        }
        const int count = byte(at + 5);
        if (byte(at) != 8 || (count != 1 && count != 3) || bytes < 6 + 3 * count) {
            return false;
        }
        const int height = (byte(at + 1) << 8) | byte(at + 2);
        const int width = (byte(at + 3) << 8) | byte(at + 4);
        if (QSize(width, height) != size_) {
            return false;
        }
        for (int c = 0; c < count; ++c) {
            Component component;
            component.id = byte(at + 6 + 3 * c);
            component.horizontal = byte(at + 7 + 3 * c) >> 4;
            component.vertical = byte(at + 7 + 3 * c) & 0x0F;
            component.quantTable = byte(at + 8 + 3 * c);
            if (component.horizontal < 1 || component.horizontal > 4 || component.vertical < 1 || component.vertical > 4
                || component.quantTable > 3) {
                return false;
            }
            components_.push_back(std::move(component));
        }
        for (const Component& c : components_) {
            widest_ = std::max(widest_, c.horizontal);
            tallest_ = std::max(tallest_, c.vertical);
        }
        mcusAcross_ = int(ceilDivide(width, 8 * widest_));
        mcusDown_ = int(ceilDivide(height, 8 * tallest_));
        const std::size_t kept = std::size_t(eighths_) * std::size_t(eighths_);
        for (Component& c : components_) {
            c.blocksAcross = mcusAcross_ * c.horizontal;
            c.blocksDown = mcusDown_ * c.vertical;
            c.usedAcross = int(ceilDivide(ceilDivide(std::int64_t{width} * c.horizontal, widest_), 8));
            c.usedDown = int(ceilDivide(ceilDivide(std::int64_t{height} * c.vertical, tallest_), 8));
            const std::size_t blocks = std::size_t(c.blocksAcross) * std::size_t(c.blocksDown);
            c.coefficients.assign(blocks * kept, 0);
            if (eighths_ > 1) {
                c.nonZero.assign(blocks, 0);
            }
        }
        return true;
    }

    bool huffmanTables(qsizetype at, int bytes)
    {
        const qsizetype end = at + bytes;
        while (at < end) {
            if (end - at < 17) {
                return false;
            }
            const int kind = byte(at) >> 4;
            const int index = byte(at) & 0x0F;
            int total = 0;
            for (int i = 1; i <= 16; ++i) {
                total += byte(at + i);
            }
            if (kind > 1 || index > 3 || total > 256 || end - at < 17 + total) {
                return false;
            }
            const auto* counts = reinterpret_cast<const unsigned char*>(data_.constData() + at + 1);
            HuffmanTable& table = kind == 0 ? dcTables_[std::size_t(index)] : acTables_[std::size_t(index)];
            if (!table.define(counts, counts + 16, total)) {
                return false;
            }
            at += 17 + total;
        }
        return true;
    }

    bool quantisationTables(qsizetype at, int bytes)
    {
        const qsizetype end = at + bytes;
        while (at < end) {
            const int precision = byte(at) >> 4;
            const int index = byte(at) & 0x0F;
            const int size = precision == 0 ? 64 : 128;
            if (precision > 1 || index > 3 || end - at < 1 + size) {
                return false;
            }
            std::array<std::uint16_t, 64> table{};
            for (int k = 0; k < 64; ++k) {
                const qsizetype value = at + 1 + (precision == 0 ? k : 2 * k);
                table[naturalOrder[std::size_t(k)]]
                    = precision == 0 ? byte(value) : std::uint16_t((byte(value) << 8) | byte(value + 1));
            }
            quantisation_[std::size_t(index)] = table;
            at += 1 + size;
        }
        return true;
    }

    void adobe(qsizetype at, int bytes)
    {
        if (bytes >= 12 && data_.mid(at, 5) == "Adobe") {
            adobeTransform_ = byte(at + 11);
        }
    }

    void iccChunk(qsizetype at, int bytes)
    {
        if (bytes > 14 && data_.mid(at, 12) == QByteArray("ICC_PROFILE\0", 12)) {
            iccCount_ = byte(at + 13);
            iccChunks_[byte(at + 12)] = data_.mid(at + 14, bytes - 14);
        }
    }

    // Decodes one scan; where its coded data ends, or none when the scan is not one a progressive file may have or
    // its data is broken.
    std::optional<qsizetype> scan(qsizetype at, int bytes)
    {
        if (components_.empty() || bytes < 1) {
            return std::nullopt;
        }
        const int count = byte(at);
        if (count < 1 || count > int(components_.size()) || bytes != 4 + 2 * count) {
            return std::nullopt;
        }
        std::vector<Component*> scanned;
        for (int i = 0; i < count; ++i) {
            const int id = byte(at + 1 + 2 * i);
            auto found
                = std::find_if(components_.begin(), components_.end(), [&](const Component& c) { return c.id == id; });
            if (found == components_.end() || std::find(scanned.begin(), scanned.end(), &*found) != scanned.end()) {
                return std::nullopt;
            }
            found->dcTable = byte(at + 2 + 2 * i) >> 4;
            found->acTable = byte(at + 2 + 2 * i) & 0x0F;
            if (found->dcTable > 3 || found->acTable > 3) {
                return std::nullopt;
            }
            scanned.push_back(&*found);
        }
        const qsizetype parameters = at + 1 + 2 * count;
        const int first = byte(parameters);
        const int last = byte(parameters + 1);
        const int high = byte(parameters + 2) >> 4;
        const int low = byte(parameters + 2) & 0x0F;
        const bool dc = first == 0;
        if ((dc && last != 0) || (!dc && (last < first || last > 63 || count != 1)) || high > 13 || low > 13) {
            return std::nullopt;
        }
        for (Component* c : scanned) {
            if (!c->quantisation) {
                if (!quantisation_[std::size_t(c->quantTable)]) {
                    return std::nullopt;
                }
                c->quantisation = quantisation_[std::size_t(c->quantTable)];
            }
            const bool needsTable = !dc || high == 0; // a DC refinement reads bare bits
            if (needsTable
                && !(dc ? dcTables_[std::size_t(c->dcTable)] : acTables_[std::size_t(c->acTable)]).defined()) {
                return std::nullopt;
            }
            c->dcPrediction = 0;
        }
        BitReader reader(data_, at + bytes);
        // At one eighth only the mean values count: the other coefficients' scans are skipped unread.
        if (!dc && eighths_ == 1) {
            return reader.end();
        }
        Scan scan{reader, first, last, high, low};
        const auto decodeBlock = [&](Component& c, int across, int down) {
            const std::size_t block = std::size_t(down) * std::size_t(c.blocksAcross) + std::size_t(across);
            return dc ? decodeDc(scan, c, block) : decodeAc(scan, c, block);
        };
        std::int64_t units = 0;
        const auto restartIfDue = [&] {
            if (restartInterval_ > 0 && units > 0 && units % restartInterval_ == 0) {
                reader.restart();
                scan.endOfBands = 0;
                for (Component* c : scanned) {
                    c->dcPrediction = 0;
                }
            }
            ++units;
        };
        if (count == 1) {
            Component& c = *scanned.front();
            for (int down = 0; down < c.usedDown; ++down) {
                for (int across = 0; across < c.usedAcross; ++across) {
                    restartIfDue();
                    if (!decodeBlock(c, across, down)) {
                        return std::nullopt;
                    }
                }
            }
        } else {
            for (int row = 0; row < mcusDown_; ++row) {
                for (int column = 0; column < mcusAcross_; ++column) {
                    restartIfDue();
                    for (Component* c : scanned) {
                        for (int v = 0; v < c->vertical; ++v) {
                            for (int h = 0; h < c->horizontal; ++h) {
                                if (!decodeBlock(*c, column * c->horizontal + h, row * c->vertical + v)) {
                                    return std::nullopt;
                                }
                            }
                        }
                    }
                }
            }
        }
        if (reader.exhausted()) {
            return std::nullopt;
        }
        return reader.end();
    }

    struct Scan {
        BitReader& reader;
        int first;
        int last;
        int high;
        int low;
        // Blocks left whose bands end at once (the EOB run).
        std::int64_t endOfBands = 0;
    };

    // Stored as libjpeg stores it, in 16 bits, which is also what counts as non-zero in later scans.
    void setCoefficient(Component& c, std::size_t block, int k, int wide)
    {
        const auto value = std::int16_t(wide);
        const int slot = slot_[std::size_t(k)];
        if (slot >= 0) {
            c.coefficients[block * std::size_t(eighths_ * eighths_) + std::size_t(slot)] = value;
        }
        if (value != 0 && !c.nonZero.empty()) {
            c.nonZero[block] |= std::uint64_t{1} << k;
        }
    }

    bool decodeDc(Scan& scan, Component& c, std::size_t block)
    {
        std::int16_t& value = c.coefficients[block * std::size_t(eighths_ * eighths_)];
        if (scan.high > 0) {
            if (scan.reader.bit() != 0) {
                value = std::int16_t(value | (1 << scan.low));
            }
            return true;
        }
        const auto read = [&] { return scan.reader.bit(); };
        const std::optional<int> category = dcTables_[std::size_t(c.dcTable)].decode(read);
        if (!category || *category > 15) {
            return false;
        }
        // Kept within 16 bits, as the coefficient is, however many differences a broken file adds up.
        c.dcPrediction = std::int16_t(c.dcPrediction + extend(scan.reader.bits(*category), *category));
        value = std::int16_t(std::uint32_t(c.dcPrediction) << scan.low);
        return true;
    }

    bool decodeAc(Scan& scan, Component& c, std::size_t block)
    {
        const HuffmanTable& table = acTables_[std::size_t(c.acTable)];
        const auto read = [&] { return scan.reader.bit(); };
        if (scan.high == 0) {
            if (scan.endOfBands > 0) {
                --scan.endOfBands;
                return true;
            }
            for (int k = scan.first; k <= scan.last; ++k) {
                const std::optional<int> symbol = table.decode(read);
                if (!symbol) {
                    return false;
                }
                const int run = *symbol >> 4;
                const int category = *symbol & 0x0F;
                if (category == 0) {
                    if (run < 15) {
                        scan.endOfBands = (std::int64_t{1} << run) - 1 + scan.reader.bits(run);
                        break;
                    }
                    k += 15;
                    continue;
                }
                k += run;
                if (k > scan.last) {
                    return false;
                }
                setCoefficient(c, block, k,
                               int(std::uint32_t(extend(scan.reader.bits(category), category)) << scan.low));
            }
            return true;
        }
        // A refinement: one more bit of each coefficient already non-zero, and new ones of magnitude 1 << low.
        const int bit = 1 << scan.low;
        const auto refine = [&](int k) {
            if (scan.reader.bit() == 0) {
                return;
            }
            const int slot = slot_[std::size_t(k)];
            if (slot < 0) {
                return;
            }
            std::int16_t& value = c.coefficients[block * std::size_t(eighths_ * eighths_) + std::size_t(slot)];
            if ((value & bit) == 0) {
                value = std::int16_t(value >= 0 ? value + bit : value - bit);
            }
        };
        const auto isNonZero = [&](int k) { return ((c.nonZero[block] >> k) & 1) != 0; };
        int k = scan.first;
        if (scan.endOfBands == 0) {
            for (; k <= scan.last; ++k) {
                const std::optional<int> symbol = table.decode(read);
                if (!symbol) {
                    return false;
                }
                int run = *symbol >> 4;
                const int category = *symbol & 0x0F;
                int value = 0;
                if (category != 0) {
                    value = scan.reader.bit() != 0 ? bit : -bit;
                } else if (run != 15) {
                    scan.endOfBands = (std::int64_t{1} << run) + scan.reader.bits(run);
                    break;
                }
                // Past `run` coefficients still zero (refining those that are not), to where the new one goes.
                for (; k <= scan.last; ++k) {
                    if (isNonZero(k)) {
                        refine(k);
                    } else if (--run < 0) {
                        break;
                    }
                }
                if (value != 0 && k <= scan.last) {
                    setCoefficient(c, block, k, value);
                }
            }
        }
        if (scan.endOfBands > 0) {
            for (; k <= scan.last; ++k) {
                if (isNonZero(k)) {
                    refine(k);
                }
            }
            --scan.endOfBands;
        }
        return true;
    }

    // The decoded samples of one block's kept coefficients: eighths × eighths, row by row.
    void inverseTransform(const Component& c, std::size_t block, unsigned char* out, int stride) const
    {
        const int n = eighths_;
        const std::int16_t* coefficients = &c.coefficients[block * std::size_t(n * n)];
        std::array<double, 64> rows{};
        for (int v = 0; v < n; ++v) {
            for (int x = 0; x < n; ++x) {
                double sum = 0;
                for (int u = 0; u < n; ++u) {
                    sum += coefficients[v * n + u] * double((*c.quantisation)[std::size_t(v * 8 + u)])
                        * basis_[std::size_t(x * 8 + u)];
                }
                rows[std::size_t(v * 8 + x)] = sum;
            }
        }
        for (int y = 0; y < n; ++y) {
            for (int x = 0; x < n; ++x) {
                double sum = 128;
                for (int v = 0; v < n; ++v) {
                    sum += rows[std::size_t(v * 8 + x)] * basis_[std::size_t(y * 8 + v)];
                }
                out[y * stride + x] = static_cast<unsigned char>(std::clamp(std::lround(sum), 0L, 255L));
            }
        }
    }

    QImage picture()
    {
        for (const Component& c : components_) {
            if (!c.quantisation) {
                return {}; // a component no scan carried
            }
        }
        // The n-point inverse DCT of the lowest coefficients, with JPEG's 8-point scaling: one sample at the centre
        // of each n-th of the block.
        const int n = eighths_;
        for (int x = 0; x < n; ++x) {
            for (int u = 0; u < n; ++u) {
                const double scale = u == 0 ? std::numbers::sqrt2 / 2 : 1.0;
                basis_[std::size_t(x * 8 + u)] = scale * std::cos((2 * x + 1) * u * std::numbers::pi / (2 * n)) / 2;
            }
        }
        const int width = int(ceilDivide(std::int64_t{size_.width()} * n, 8));
        const int height = int(ceilDivide(std::int64_t{size_.height()} * n, 8));
        QImage image(width, height, QImage::Format_RGB32);
        if (image.isNull()) {
            return image;
        }
        // The Adobe marker's transform 0, or components named R, G and B without one, mean RGB rather than YCbCr.
        const bool rgb = components_.size() == 3
            && (adobeTransform_ == 0
                || (adobeTransform_ < 0 && components_[0].id == 'R' && components_[1].id == 'G'
                    && components_[2].id == 'B'));
        // Each MCU row's samples, component by component, then its rows of pixels.
        std::vector<std::vector<unsigned char>> strips(components_.size());
        for (int row = 0; row < mcusDown_; ++row) {
            for (std::size_t i = 0; i < components_.size(); ++i) {
                const Component& c = components_[i];
                const int stride = c.blocksAcross * n;
                strips[i].resize(std::size_t(stride) * std::size_t(c.vertical * n));
                for (int v = 0; v < c.vertical; ++v) {
                    const std::size_t first = std::size_t(row * c.vertical + v) * std::size_t(c.blocksAcross);
                    for (int across = 0; across < c.blocksAcross; ++across) {
                        inverseTransform(c, first + std::size_t(across),
                                         &strips[i][std::size_t(v * n) * std::size_t(stride) + std::size_t(across * n)],
                                         stride);
                    }
                }
            }
            const int top = row * tallest_ * n;
            for (int y = top; y < std::min(height, top + tallest_ * n); ++y) {
                auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
                const auto sample = [&](std::size_t i, int x) {
                    const Component& c = components_[i];
                    const int local = (y - top) * c.vertical / tallest_;
                    return strips[i][std::size_t(local) * std::size_t(c.blocksAcross * n)
                                     + std::size_t(x * c.horizontal / widest_)];
                };
                for (int x = 0; x < width; ++x) {
                    const int luma = sample(0, x);
                    if (components_.size() == 1) {
                        out[x] = qRgb(luma, luma, luma);
                    } else if (rgb) {
                        out[x] = qRgb(luma, sample(1, x), sample(2, x));
                    } else {
                        const double blue = sample(1, x) - 128.0;
                        const double red = sample(2, x) - 128.0;
                        const auto channel = [](double value) { return int(std::clamp(std::lround(value), 0L, 255L)); };
                        out[x] = qRgb(channel(luma + 1.402 * red), channel(luma - 0.344136 * blue - 0.714136 * red),
                                      channel(luma + 1.772 * blue));
                    }
                }
            }
        }
        QByteArray profile;
        for (int chunk = 1; chunk <= iccCount_ && iccChunks_.contains(chunk); ++chunk) {
            profile += iccChunks_.at(chunk);
        }
        const QColorSpace colourSpace = profile.isEmpty() ? QColorSpace() : QColorSpace::fromIccProfile(profile);
        if (colourSpace.isValid()) {
            image.setColorSpace(colourSpace);
        }
        return image;
    }

    const QByteArray& data_;
    QSize size_;
    int eighths_;
    std::array<int, 64> slot_{};
    std::array<double, 64> basis_{};
    std::vector<Component> components_;
    int widest_ = 1;
    int tallest_ = 1;
    int mcusAcross_ = 0;
    int mcusDown_ = 0;
    std::array<HuffmanTable, 4> dcTables_;
    std::array<HuffmanTable, 4> acTables_;
    std::array<std::optional<std::array<std::uint16_t, 64>>, 4> quantisation_;
    int restartInterval_ = 0;
    int adobeTransform_ = -1;
    int iccCount_ = 0;
    std::map<int, QByteArray> iccChunks_;
    int scans_ = 0;
};

} // namespace

QImage ProgressiveJpegReader::read(const QByteArray& data, QSize size, int eighths)
{
    if (size.isEmpty() || eighths < 1 || eighths > 8) {
        return {};
    }
    return Decoder(data, size, eighths).decode();
}

std::int64_t ProgressiveJpegReader::memoryBytes(const JpegStructure& jpeg, int eighths)
{
    const std::int64_t n = eighths;
    const std::int64_t perBlock = n == 1 ? 2 : 8 + 2 * n * n;
    const std::int64_t blocks = jpeg.coefficientBytes() / 128;
    const std::int64_t picture
        = ceilDivide(std::int64_t{jpeg.width} * n, 8) * ceilDivide(std::int64_t{jpeg.height} * n, 8) * 4;
    // A strip of samples per component, one MCU row high: at most 32 × n rows of the picture's width.
    const std::int64_t strips
        = std::int64_t(jpeg.components.size()) * ceilDivide(std::int64_t{jpeg.width} * n, 8) * 4 * 4 * n
        + (std::int64_t{1} << 16);
    return blocks * perBlock + picture + strips;
}

} // namespace quellarine

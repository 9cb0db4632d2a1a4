// What decoding a photo may cost, for any size a header can claim, any format and any JPEG structure: nothing
// overflows, the cost is never negative, the decoder chosen fits the memory limit with the file's own bytes (Qt's
// reader wherever it fits), the size decoded to stays within the picture, and a smaller file of the same picture
// is allowed too.

#include "FuzzCheck.h"

#include "Quellarine/Model/JpegStructure.h"
#include "Quellarine/Model/PhotoBudget.h"

#include <QByteArray>

#include <algorithm>
#include <array>
#include <cstring>

using namespace quellarine;

namespace {

template <typename Value>
Value take(const std::uint8_t*& data, std::size_t& size)
{
    Value value{};
    const std::size_t count = std::min(size, sizeof value);
    std::memcpy(&value, data, count);
    data += count;
    size -= count;
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr std::array formats{QImage::Format_Invalid, QImage::Format_Mono,   QImage::Format_Indexed8,
                                 QImage::Format_RGB32,   QImage::Format_ARGB32, QImage::Format_RGBA64};
    constexpr std::array fileFormats{"jpeg", "png", "gif", "bmp"};
    const auto width = take<std::int32_t>(data, size);
    const auto height = take<std::int32_t>(data, size);
    const auto format = formats[take<std::uint8_t>(data, size) % formats.size()];
    const PhotoBudget::Bounds bounds{1 + take<std::uint16_t>(data, size), 1 + take<std::uint16_t>(data, size)};
    const std::int64_t fileBytes = take<std::uint32_t>(data, size) % (PhotoBudget::memoryLimit * 2);
    const QByteArray fileFormat = fileFormats[take<std::uint8_t>(data, size) % fileFormats.size()];
    // The rest is the JPEG file whose structure the budget weighs.
    const JpegStructure jpeg
        = JpegStructure::read(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const JpegStructure* structure = fileFormat == "jpeg" && jpeg.supported ? &jpeg : nullptr;

    const QSize picture(width, height);
    const auto decoder = PhotoBudget::choose(fileBytes, fileFormat, picture, format, bounds, structure);
    if (!decoder) {
        return 0;
    }
    fuzz::require(!picture.isEmpty() && std::int64_t{width} * height <= PhotoBudget::pixelLimit,
                  "allowed an empty or oversized picture");
    const std::int64_t cost = PhotoBudget::decodingBytes(*decoder, picture, format, bounds, structure);
    fuzz::require(cost >= 0, "a negative decoding cost");
    fuzz::require(fileBytes + cost <= PhotoBudget::memoryLimit, "allowed beyond the memory limit");
    fuzz::require((*decoder == PhotoBudget::Decoder::pngRows) == (fileFormat == "png"), "a PNG decoder for another");
    if (*decoder == PhotoBudget::Decoder::lowFrequencies) {
        fuzz::require(structure != nullptr && structure->progressive, "low frequencies of no progressive JPEG");
        fuzz::require(fileBytes
                              + PhotoBudget::decodingBytes(PhotoBudget::Decoder::qt, picture, format, bounds, structure)
                          > PhotoBudget::memoryLimit,
                      "passed over Qt's reader where it fits");
    }
    const QSize target = PhotoBudget::target(picture, bounds);
    fuzz::require(!target.isEmpty() && target.width() <= width && target.height() <= height,
                  "a target outside the picture");
    fuzz::require(target == picture
                      || (std::min(target.width(), target.height()) <= bounds.shorter
                          && std::max(target.width(), target.height()) <= bounds.longer),
                  "a target beyond its bounds");
    const std::int64_t eighths = PhotoBudget::eighths(picture, target);
    fuzz::require((width * eighths + 7) / 8 >= target.width() && (height * eighths + 7) / 8 >= target.height(),
                  "eighths that do not cover the target");
    if (fileBytes > 0) {
        fuzz::require(PhotoBudget::choose(fileBytes - 1, fileFormat, picture, format, bounds, structure).has_value(),
                      "a smaller file of the same picture refused");
    }
    return 0;
}

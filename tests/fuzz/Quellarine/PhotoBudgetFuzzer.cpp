// What decoding a photo may cost, for any size a header can claim and any JPEG structure: nothing overflows, the
// cost is never negative, what is allowed fits the memory limit with the file's own bytes, and a smaller file of
// the same picture is allowed too.

#include "FuzzCheck.h"

#include "Quellarine/Model/JpegStructure.h"
#include "Quellarine/Model/PhotoBudget.h"

#include <QByteArray>

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
    const auto width = take<std::int32_t>(data, size);
    const auto height = take<std::int32_t>(data, size);
    const auto format = formats[take<std::uint8_t>(data, size) % formats.size()];
    const int maximumSide = 1 + take<std::uint16_t>(data, size);
    const std::int64_t fileBytes = take<std::uint32_t>(data, size) % (PhotoBudget::memoryLimit * 2);
    const bool asJpeg = take<std::uint8_t>(data, size) % 2 == 1;
    // The rest is the JPEG file whose structure the budget weighs.
    const JpegStructure jpeg
        = JpegStructure::read(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const JpegStructure* structure = asJpeg && jpeg.supported ? &jpeg : nullptr;

    const QSize picture(width, height);
    if (!PhotoBudget::allows(fileBytes, picture, format, maximumSide, structure)) {
        return 0;
    }
    fuzz::require(!picture.isEmpty() && std::int64_t{width} * height <= PhotoBudget::pixelLimit,
                  "allowed an empty or oversized picture");
    const std::int64_t cost = PhotoBudget::decodingBytes(picture, format, maximumSide, structure);
    fuzz::require(cost >= 0, "a negative decoding cost");
    fuzz::require(fileBytes + cost <= PhotoBudget::memoryLimit, "allowed beyond the memory limit");
    if (fileBytes > 0) {
        fuzz::require(PhotoBudget::allows(fileBytes - 1, picture, format, maximumSide, structure),
                      "a smaller file of the same picture refused");
    }
    return 0;
}

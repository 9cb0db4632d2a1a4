#include "Quellarine/Model/PhotoBudget.h"

#include "Quellarine/Model/JpegStructure.h"
#include "Quellarine/Model/PngRowReader.h"
#include "Quellarine/Model/ProgressiveJpegReader.h"

#include <algorithm>
#include <cmath>

namespace quellarine {

namespace {

// Bytes a decoded pixel takes, at least those of the 32-bit format that smooth scaling converts to.
std::int64_t pixelBytes(QImage::Format format)
{
    const int bits = format == QImage::Format_Invalid ? 64 : QImage::toPixelFormat(format).bitsPerPixel();
    return std::max(4, (bits + 7) / 8);
}

} // namespace

QSize PhotoBudget::target(QSize size, Bounds bounds)
{
    const double shorter = std::min(size.width(), size.height());
    const double longer = std::max(size.width(), size.height());
    const double scale = std::min({bounds.shorter / shorter, bounds.longer / longer, 1.0});
    if (scale >= 1) {
        return size;
    }
    const auto side = [&](int length) { return std::clamp(int(std::lround(length * scale)), 1, length); };
    return {side(size.width()), side(size.height())};
}

int PhotoBudget::eighths(QSize size, QSize target)
{
    const double factor = std::min(double(size.width()) / target.width(), double(size.height()) / target.height());
    return std::clamp(int(std::ceil(8 / factor)), 1, 8);
}

std::int64_t PhotoBudget::decodingBytes(Decoder decoder, QSize size, QImage::Format pixelFormat, Bounds bounds,
                                        const JpegStructure* jpeg)
{
    const std::int64_t width = size.width();
    const std::int64_t height = size.height();
    const QSize scaledTo = target(size, bounds);
    const bool scaled = scaledTo != size;
    const std::int64_t targetBytes = std::int64_t{scaledTo.width()} * scaledTo.height() * 4;
    if (decoder == Decoder::pngRows) {
        return PngRowReader::memoryBytes(size, scaledTo);
    }
    if (decoder == Decoder::lowFrequencies && jpeg != nullptr) {
        // Then turned upright (a copy of the decoded picture) and scaled the rest of the way.
        const int kept = eighths(size, scaledTo);
        const std::int64_t decoded = (width * kept + 7) / 8 * ((height * kept + 7) / 8) * 4;
        return ProgressiveJpegReader::memoryBytes(*jpeg, kept) + decoded + (scaled ? targetBytes : 0);
    }
    if (jpeg == nullptr) {
        // Decoded whole, then converted for scaling and scaled.
        return width * height * pixelBytes(pixelFormat) * 2 + (scaled ? targetBytes : 0);
    }
    // libjpeg scales by whole eighths while decoding: the smallest that still covers the asked size.
    const int kept = scaled ? eighths(size, scaledTo) : 8;
    const std::int64_t decodedWidth = (width * kept + 7) / 8;
    const std::int64_t decodedHeight = (height * kept + 7) / 8;
    // Its rows of blocks for every component while it works along the picture.
    const std::int64_t rows = width * 16 * std::int64_t(jpeg->components.size()) * 2;
    return decodedWidth * decodedHeight * 4 + (scaled ? targetBytes : 0) + rows
        + (jpeg->buffersWholeImage ? jpeg->coefficientBytes() : 0);
}

std::optional<PhotoBudget::Decoder> PhotoBudget::choose(std::int64_t fileBytes, const QByteArray& format, QSize size,
                                                        QImage::Format pixelFormat, Bounds bounds,
                                                        const JpegStructure* jpeg)
{
    if (size.isEmpty() || std::int64_t{size.width()} * size.height() > pixelLimit || bounds.shorter < 1
        || bounds.longer < 1 || (format == "jpeg") != (jpeg != nullptr)) {
        return std::nullopt;
    }
    const auto fits = [&](Decoder decoder) {
        return fileBytes + decodingBytes(decoder, size, pixelFormat, bounds, jpeg) <= memoryLimit;
    };
    if (format == "png") {
        return fits(Decoder::pngRows) ? std::optional(Decoder::pngRows) : std::nullopt;
    }
    if (fits(Decoder::qt)) {
        return Decoder::qt;
    }
    if (jpeg != nullptr && jpeg->progressive && (jpeg->components.size() == 1 || jpeg->components.size() == 3)
        && fits(Decoder::lowFrequencies)) {
        return Decoder::lowFrequencies;
    }
    return std::nullopt;
}

} // namespace quellarine

#include "Quellarine/Model/PhotoBudget.h"

#include "Quellarine/Model/JpegStructure.h"

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

std::int64_t PhotoBudget::decodingBytes(QSize size, QImage::Format pixelFormat, int maximumSide,
                                        const JpegStructure* jpeg)
{
    const std::int64_t width = size.width();
    const std::int64_t height = size.height();
    const bool scaled = std::max(width, height) > maximumSide;
    const QSize target = scaled ? size.scaled(maximumSide, maximumSide, Qt::KeepAspectRatio) : size;
    const std::int64_t targetBytes = std::int64_t{target.width()} * target.height() * 4;
    if (jpeg == nullptr) {
        // Decoded whole, then converted for scaling and scaled.
        return width * height * pixelBytes(pixelFormat) * 2 + (scaled ? targetBytes : 0);
    }
    // The JPEG decoder scales by whole eighths while decoding: the smallest that still covers the asked size.
    int eighths = 8;
    if (scaled) {
        const double factor = std::min(double(width) / target.width(), double(height) / target.height());
        eighths = std::clamp(int(std::ceil(8 / factor)), 1, 8);
    }
    const std::int64_t decodedWidth = (width * eighths + 7) / 8;
    const std::int64_t decodedHeight = (height * eighths + 7) / 8;
    // Its rows of blocks for every component while it works along the picture.
    const std::int64_t rows = width * 16 * std::int64_t(jpeg->components.size()) * 2;
    return decodedWidth * decodedHeight * 4 + (scaled ? targetBytes : 0) + rows
        + (jpeg->buffersWholeImage ? jpeg->coefficientBytes() : 0);
}

bool PhotoBudget::allows(std::int64_t fileBytes, QSize size, QImage::Format pixelFormat, int maximumSide,
                         const JpegStructure* jpeg)
{
    if (size.isEmpty() || std::int64_t{size.width()} * size.height() > pixelLimit) {
        return false;
    }
    return fileBytes + decodingBytes(size, pixelFormat, maximumSide, jpeg) <= memoryLimit;
}

} // namespace quellarine

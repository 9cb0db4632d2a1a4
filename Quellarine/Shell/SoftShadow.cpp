#include "Quellarine/Shell/SoftShadow.h"

#include "Quellarine/Components/ContinuousShape.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace quellarine {

namespace {

constexpr int passes = 3;

// One pass of a box blur of `radius` pixels over the alpha channel, along rows or along columns.
void boxBlur(std::vector<float>& alpha, int width, int height, int radius, bool alongRows)
{
    const int length = alongRows ? width : height;
    const int lines = alongRows ? height : width;
    std::vector<float> line(static_cast<std::size_t>(length));
    const float scale = 1.0F / static_cast<float>(2 * radius + 1);
    for (int l = 0; l < lines; ++l) {
        const auto at = [&](int i) -> float& {
            const int x = alongRows ? i : l;
            const int y = alongRows ? l : i;
            return alpha[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
        };
        const auto sample = [&](int i) { return i < 0 || i >= length ? 0.0F : at(i); };
        float sum = 0;
        for (int i = -radius; i <= radius; ++i) {
            sum += sample(i);
        }
        for (int i = 0; i < length; ++i) {
            line[static_cast<std::size_t>(i)] = sum * scale;
            sum += sample(i + radius + 1) - sample(i - radius);
        }
        for (int i = 0; i < length; ++i) {
            at(i) = line[static_cast<std::size_t>(i)];
        }
    }
}

} // namespace

qreal SoftShadow::reach(qreal blurRadius)
{
    return std::ceil(std::max<qreal>(0, blurRadius) * 1.5);
}

void SoftShadow::paint(QPainter& painter, const QRectF& shape, qreal cornerRadius, const QColor& color,
                       qreal blurRadius, QPointF offset, qreal opacity)
{
    if (shape.isEmpty() || opacity <= 0 || color.alpha() == 0) {
        return;
    }
    const qreal ratio = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
    const qreal margin = reach(blurRadius);
    if (image_.isNull() || size_ != shape.size() || cornerRadius_ != cornerRadius || blurRadius_ != blurRadius
        || color_ != color || pixelRatio_ != ratio) {
        size_ = shape.size();
        cornerRadius_ = cornerRadius;
        blurRadius_ = blurRadius;
        color_ = color;
        pixelRatio_ = ratio;

        const QSizeF logical = shape.size() + QSizeF(2 * margin, 2 * margin);
        const int width = std::max(1, static_cast<int>(std::ceil(logical.width() * ratio)));
        const int height = std::max(1, static_cast<int>(std::ceil(logical.height() * ratio)));
        QImage silhouette(width, height, QImage::Format_ARGB32_Premultiplied);
        silhouette.fill(Qt::transparent);
        {
            QPainter shapePainter(&silhouette);
            shapePainter.setRenderHint(QPainter::Antialiasing);
            shapePainter.scale(ratio, ratio);
            shapePainter.fillPath(
                ContinuousShape::roundedRect(QRectF(QPointF(margin, margin), shape.size()), cornerRadius), Qt::black);
        }
        std::vector<float> alpha(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        for (int y = 0; y < height; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(silhouette.constScanLine(y));
            for (int x = 0; x < width; ++x) {
                alpha[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]
                    = static_cast<float>(qAlpha(row[x])) / 255.0F;
            }
        }
        // Three box blurs come close to a Gaussian; each takes a third of the blur's spread.
        const int box = std::max(0, static_cast<int>(std::lround(blurRadius * ratio / 2)));
        for (int pass = 0; pass < passes && box > 0; ++pass) {
            boxBlur(alpha, width, height, box, true);
            boxBlur(alpha, width, height, box, false);
        }
        image_ = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < height; ++y) {
            auto* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
            for (int x = 0; x < width; ++x) {
                const float a
                    = alpha[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]
                    * static_cast<float>(color.alphaF());
                const auto channel = [a](int value) { return static_cast<int>(std::lround(value * a)); };
                row[x] = qRgba(channel(color.red()), channel(color.green()), channel(color.blue()),
                               static_cast<int>(std::lround(a * 255)));
            }
        }
        image_.setDevicePixelRatio(ratio);
    }
    painter.save();
    painter.setOpacity(painter.opacity() * opacity);
    painter.drawImage(shape.topLeft() + offset - QPointF(margin, margin), image_);
    painter.restore();
}

} // namespace quellarine

#include "PixelContrast.h"

#include "Quellarine/Components/Style/DynamicColor.h"

#include <QHash>
#include <QWidget>

namespace quellarine::testing {

namespace {

constexpr qreal density = 2.0;

} // namespace

QImage PixelContrast::render(QWidget& window)
{
    QImage image(window.size() * density, QImage::Format_ARGB32);
    image.setDevicePixelRatio(density);
    image.fill(Qt::transparent);
    window.render(&image);
    return image;
}

QColor PixelContrast::at(const QImage& image, QPointF point)
{
    const QPoint pixel((point * density).toPoint());
    if (!image.rect().contains(pixel)) {
        return {};
    }
    return QColor::fromRgba(image.pixel(pixel));
}

QColor PixelContrast::mostFrequent(const QImage& image, const QRectF& rect)
{
    const QRect pixels = QRectF(rect.topLeft() * density, rect.size() * density).toAlignedRect() & image.rect();
    QHash<QRgb, int> counts;
    QRgb best = 0;
    int bestCount = 0;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            if (qAlpha(line[x]) != 255) {
                continue;
            }
            const int count = ++counts[line[x]];
            if (count > bestCount) {
                bestCount = count;
                best = line[x];
            }
        }
    }
    return bestCount == 0 ? QColor() : QColor::fromRgba(best);
}

PixelContrast::Reading PixelContrast::text(const QImage& image, const QWidget& window, const QWidget& widget)
{
    // Only the part of the widget that shows: a scroll view clips what lies beyond its edge.
    const QRect visible = widget.visibleRegion().boundingRect();
    const QRectF rect(QRectF(visible).translated(widget.mapTo(&window, QPoint(0, 0))));
    Reading reading;
    reading.background = mostFrequent(image, rect);
    if (!reading.background.isValid()) {
        return reading;
    }
    const QRect pixels = QRectF(rect.topLeft() * density, rect.size() * density).toAlignedRect() & image.rect();
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            if (qAlpha(line[x]) != 255) {
                continue;
            }
            const QColor pixel = QColor::fromRgba(line[x]);
            const double ratio = contrastRatio(pixel, reading.background);
            if (ratio > reading.ratio) {
                reading.ratio = ratio;
                reading.ink = pixel;
            }
        }
    }
    return reading;
}

} // namespace quellarine::testing

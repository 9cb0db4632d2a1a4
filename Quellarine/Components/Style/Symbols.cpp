#include "Quellarine/Components/Style/Symbols.h"

#include "Quellarine/Desktop/Resources.h"

#include <QDir>
#include <QFont>
#include <QFile>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace quellarine {

namespace {

QString resourcePath(const QString& name, Symbols::Weight weight)
{
    return QStringLiteral(":/symbols/%1/%2.svg")
        .arg(weight == Symbols::Weight::bold ? QStringLiteral("bold") : QStringLiteral("regular"), name);
}

} // namespace

QStringList Symbols::names()
{
    Resources::ensureLoaded();
    QStringList names;
    const QStringList files = QDir(QStringLiteral(":/symbols/regular")).entryList(QDir::Files, QDir::Name);
    for (const QString& file : files) {
        names.append(file.chopped(4)); // ".svg"
    }
    return names;
}

bool Symbols::contains(const QString& name)
{
    Resources::ensureLoaded();
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && QFile::exists(resourcePath(name, Weight::regular));
}

Symbols::Weight Symbols::weightFor(int fontWeight)
{
    return fontWeight >= QFont::DemiBold ? Weight::bold : Weight::regular;
}

qreal Symbols::sideFor(qreal fontPixelSize)
{
    return std::round(fontPixelSize * 1.25);
}

bool Symbols::paint(QPainter& painter, const QRectF& rect, const QString& name, const QColor& color, Weight weight)
{
    const qreal side = std::min(rect.width(), rect.height());
    if (side <= 0) {
        return false;
    }
    const QPixmap image = pixmap(name, side, color, Resources::pixelRatio(painter), weight);
    if (image.isNull()) {
        return false;
    }
    const QRectF target(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side);
    painter.drawPixmap(target, image, QRectF(image.rect()));
    return true;
}

QPixmap Symbols::pixmap(const QString& name, qreal side, const QColor& color, qreal devicePixelRatio, Weight weight)
{
    if (!contains(name) || side <= 0 || devicePixelRatio <= 0) {
        return {};
    }
    const int pixels = std::max(1, static_cast<int>(std::ceil(side * devicePixelRatio)));
    const QString key = QStringLiteral("symbol:%1:%2:%3:%4:%5")
                            .arg(name)
                            .arg(weight == Weight::bold ? 1 : 0)
                            .arg(pixels)
                            .arg(devicePixelRatio)
                            .arg(color.rgba(), 8, 16, QLatin1Char('0'));
    QPixmap cached;
    if (QPixmapCache::find(key, &cached)) {
        return cached;
    }

    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer renderer(resourcePath(name, weight));
        renderer.render(&painter, QRectF(0, 0, pixels, pixels));
        // Keep the icon's shape, take the caller's colour.
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(image.rect(), color);
    }
    QPixmap result = QPixmap::fromImage(std::move(image));
    result.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, result);
    return result;
}

} // namespace quellarine

#include "Quellarine/Components/Style/Images.h"

#include "Quellarine/Desktop/Resources.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace quellarine {

namespace {

QString resourcePath(const QString& name)
{
    return QStringLiteral(":/images/%1.svg").arg(name);
}

} // namespace

QStringList Images::names()
{
    Resources::ensureLoaded();
    QStringList names;
    const QStringList files = QDir(QStringLiteral(":/images")).entryList(QDir::Files, QDir::Name);
    for (const QString& file : files) {
        names.append(file.chopped(4)); // ".svg"
    }
    return names;
}

bool Images::contains(const QString& name)
{
    Resources::ensureLoaded();
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && QFile::exists(resourcePath(name));
}

bool Images::paint(QPainter& painter, const QRectF& rect, const QString& name)
{
    if (!contains(name) || rect.isEmpty()) {
        return false;
    }
    const QPixmap image = pixmap(name, rect.size(), Resources::pixelRatio(painter));
    const QSizeF drawn = image.deviceIndependentSize();
    const QRectF target(rect.center().x() - drawn.width() / 2, rect.center().y() - drawn.height() / 2, drawn.width(),
                        drawn.height());
    painter.drawPixmap(target, image, QRectF(image.rect()));
    return true;
}

QPixmap Images::pixmap(const QString& name, const QSizeF& size, qreal devicePixelRatio)
{
    if (!contains(name) || size.isEmpty() || devicePixelRatio <= 0) {
        return {};
    }
    QSvgRenderer renderer(resourcePath(name));
    QSizeF fitted = renderer.defaultSize().toSizeF();
    fitted.scale(size, Qt::KeepAspectRatio);
    const QSize pixels(std::max(1, static_cast<int>(std::round(fitted.width() * devicePixelRatio))),
                       std::max(1, static_cast<int>(std::round(fitted.height() * devicePixelRatio))));
    const QString key
        = QStringLiteral("image:%1:%2x%3:%4").arg(name).arg(pixels.width()).arg(pixels.height()).arg(devicePixelRatio);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached)) {
        return cached;
    }
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    }
    QPixmap result = QPixmap::fromImage(std::move(image));
    result.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, result);
    return result;
}

} // namespace quellarine

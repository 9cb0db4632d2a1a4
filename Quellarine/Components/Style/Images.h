#pragma once

#include <QPixmap>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

namespace quellarine {

// The application's own images, drawn for it as SVG in resources/images: "AppIconImage", "LogoMark", "MenuBarOn",
// "MenuBarOff". The two menu-bar images are templates: black shapes on transparency, for the menu-bar item to
// tint in the colour of the panel it sits in.
class Images {
public:
    static QStringList names();
    static bool contains(const QString& name);

    // Paints the image scaled into `rect` (keeping its aspect ratio, centred); false for an unknown name.
    static bool paint(QPainter& painter, const QRectF& rect, const QString& name);

    // The image at `size` device-independent pixels and the given pixel ratio; null for an unknown name.
    static QPixmap pixmap(const QString& name, const QSizeF& size, qreal devicePixelRatio);
};

} // namespace quellarine

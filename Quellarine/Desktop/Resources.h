#pragma once

#include <QtGlobal>

class QPainter;

namespace quellarine {

// The application's compiled-in resources (symbols and images). They live in a static library, so they are
// registered explicitly before the first look-up.
class Resources {
public:
    static void ensureLoaded();

    // The device pixels per logical pixel the painter draws at, so symbols and images are rasterised sharp:
    // the device's ratio, or the painter's own scale when it draws into a denser image.
    static qreal pixelRatio(const QPainter& painter);
};

} // namespace quellarine

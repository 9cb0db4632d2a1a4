#include "Quellarine/Desktop/Resources.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

// Outside the namespace: the resource's registration function is a global symbol.
static void registerQuellarineResources()
{
    Q_INIT_RESOURCE(quellarine);
}

namespace quellarine {

void Resources::ensureLoaded()
{
    static const bool loaded = [] {
        registerQuellarineResources();
        return true;
    }();
    (void)loaded;
}

qreal Resources::pixelRatio(const QPainter& painter)
{
    const QTransform transform = painter.deviceTransform();
    const qreal scale = std::hypot(transform.m11(), transform.m12());
    const qreal device = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
    return std::clamp(std::max(device, scale), 1.0, 8.0);
}

} // namespace quellarine

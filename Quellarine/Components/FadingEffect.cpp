#include "Quellarine/Components/FadingEffect.h"

#include <QPainter>

namespace quellarine {

void FadingEffect::drawFaded(QPainter* painter, qreal opacity, QPointF shift)
{
    if (opacity <= 0.0) {
        return;
    }
    QPoint origin;
    const QPixmap pixmap = sourcePixmap(Qt::LogicalCoordinates, &origin, QGraphicsEffect::NoPad);
    if (pixmap.isNull()) {
        return;
    }
    painter->save();
    painter->setOpacity(painter->opacity() * opacity);
    painter->drawPixmap(QPointF(origin) + shift, pixmap);
    painter->restore();
}

} // namespace quellarine

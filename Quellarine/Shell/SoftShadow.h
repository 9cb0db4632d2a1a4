#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>

class QPainter;

namespace quellarine {

// The soft shadow a rounded shape casts: the shape's silhouette in a colour, blurred by a radius and moved by
// an offset, drawn beneath the shape. The blurred silhouette is kept for the last size, radius and colour, so
// repainting an unchanged shadow costs one image draw.
class SoftShadow {
public:
    // Paints the shadow of the continuous rounded rectangle `shape` (radius `cornerRadius`) at `opacity`.
    void paint(QPainter& painter, const QRectF& shape, qreal cornerRadius, const QColor& color, qreal blurRadius,
               QPointF offset, qreal opacity = 1.0);

    // How far beyond the shape the shadow reaches on each side.
    static qreal reach(qreal blurRadius);

private:
    QImage image_;
    QSizeF size_;
    qreal cornerRadius_ = -1;
    qreal blurRadius_ = -1;
    QColor color_;
    qreal pixelRatio_ = 0;
};

} // namespace quellarine

#pragma once

#include <QColor>
#include <QPainterPath>
#include <QRectF>

class QPainter;

namespace quellarine {

// Rounded rectangles with continuous corners: the curvature eases into the straight edges instead of
// meeting them at a circular arc's sudden bend, so small rounded shapes look soft rather than cut.
class ContinuousShape {
public:
    static QPainterPath roundedRect(const QRectF& rect, qreal radius);
    // A capsule: the shorter side fully rounded.
    static QPainterPath capsule(const QRectF& rect);

    // Fills the shape and strokes a border inside its edge (so the border never grows the shape). A
    // transparent colour or a width of 0 skips that part.
    static void draw(QPainter& painter, const QRectF& rect, qreal radius, const QColor& fill,
                     const QColor& border = Qt::transparent, qreal borderWidth = 1.0);
    static void drawCapsule(QPainter& painter, const QRectF& rect, const QColor& fill);
};

} // namespace quellarine

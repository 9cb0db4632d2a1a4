#include "Quellarine/Components/ContinuousShape.h"

#include <QPainter>

#include <algorithm>

namespace quellarine {

namespace {

// A continuous corner reaches this many radii along each edge.
constexpr qreal cornerExtent = 1.52866483;

} // namespace

QPainterPath ContinuousShape::roundedRect(const QRectF& rect, qreal radius)
{
    QPainterPath path;
    if (rect.isEmpty()) {
        return path;
    }
    const qreal r = std::clamp(radius, 0.0, std::min(rect.width(), rect.height()) / 2 / cornerExtent);
    if (r <= 0) {
        path.addRect(rect);
        return path;
    }
    const qreal left = rect.left();
    const qreal top = rect.top();
    const qreal right = rect.right();
    const qreal bottom = rect.bottom();

    // One corner as seen from its own edges: `p(a, b)` is a point `a` radii along the first edge away from the
    // corner and `b` radii in along the second.
    const auto corner = [&path](auto p) {
        path.cubicTo(p(1.08849299, 0), p(0.86840701, 0), p(0.66993427, 0.06549600));
        path.lineTo(p(0.63149399, 0.07491100));
        path.cubicTo(p(0.37282392, 0.16905899), p(0.16906013, 0.37282401), p(0.07491176, 0.63149399));
        path.lineTo(p(0.06549600, 0.66993427));
        path.cubicTo(p(0, 0.86840701), p(0, 1.08849299), p(0, cornerExtent));
    };

    path.moveTo(left + cornerExtent * r, top);
    path.lineTo(right - cornerExtent * r, top);
    corner([&](qreal a, qreal b) { return QPointF(right - a * r, top + b * r); });
    path.lineTo(right, bottom - cornerExtent * r);
    corner([&](qreal a, qreal b) { return QPointF(right - b * r, bottom - a * r); });
    path.lineTo(left + cornerExtent * r, bottom);
    corner([&](qreal a, qreal b) { return QPointF(left + a * r, bottom - b * r); });
    path.lineTo(left, top + cornerExtent * r);
    corner([&](qreal a, qreal b) { return QPointF(left + b * r, top + a * r); });
    path.closeSubpath();
    return path;
}

QPainterPath ContinuousShape::capsule(const QRectF& rect)
{
    QPainterPath path;
    const qreal radius = std::min(rect.width(), rect.height()) / 2;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

void ContinuousShape::draw(QPainter& painter, const QRectF& rect, qreal radius, const QColor& fill,
                           const QColor& border, qreal borderWidth)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (fill.alpha() > 0) {
        painter.fillPath(roundedRect(rect, radius), fill);
    }
    if (border.alpha() > 0 && borderWidth > 0) {
        const qreal half = borderWidth / 2;
        QPen pen(border, borderWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(roundedRect(rect.adjusted(half, half, -half, -half), std::max(0.0, radius - half)));
    }
    painter.restore();
}

void ContinuousShape::drawCapsule(QPainter& painter, const QRectF& rect, const QColor& fill)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(capsule(rect), fill);
    painter.restore();
}

} // namespace quellarine

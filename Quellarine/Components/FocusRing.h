#pragma once

#include <QColor>
#include <QRectF>

class QPainter;
class QWidget;

namespace quellarine {

// The ring drawn around a control that has the keyboard focus: shown once the user has moved the focus with
// the keyboard in that window, as the platform styles do, so a window that merely opens shows no ring.
class FocusRing {
public:
    static constexpr qreal width = 2.0;
    static constexpr qreal opacity = 0.5;

    static bool shows(const QWidget& widget);
    // Strokes the ring inside `rect` in `tint` at the given opacity.
    static void draw(QPainter& painter, const QRectF& rect, qreal radius, const QColor& tint,
                     qreal opacity = FocusRing::opacity);
};

} // namespace quellarine

#pragma once

#include <QGraphicsEffect>

namespace quellarine {

// An effect that draws its widget faded and shifted, for entrances and exits.
class FadingEffect : public QGraphicsEffect {
    Q_OBJECT

public:
    using QGraphicsEffect::QGraphicsEffect;

protected:
    // Draws the widget at `opacity` (nothing at 0 or below), moved by `shift`.
    void drawFaded(QPainter* painter, qreal opacity, QPointF shift);
};

} // namespace quellarine

#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

class QWidget;

namespace quellarine::testing {

// Contrast read off a rendered window's pixels, as a person's eye meets it: what lies behind a text or a mark is
// what was drawn there, whatever colour the code meant.
class PixelContrast {
public:
    // The window drawn at twice the pixel density, as a sharp screen shows it.
    static QImage render(QWidget& window);

    // The colour `widget` sits on in `image` (its rectangle's most frequent opaque colour) and the contrast to it
    // of the pixel that differs from it most: a text's ink, where the strokes reach their full colour.
    struct Reading {
        QColor background;
        QColor ink;
        double ratio = 0;
    };
    static Reading text(const QImage& image, const QWidget& window, const QWidget& widget);

    // The pixel at a point of `window` given in its own (logical) coordinates.
    static QColor at(const QImage& image, QPointF point);

    // The most frequent opaque colour inside `rect` (logical coordinates of the rendered window).
    static QColor mostFrequent(const QImage& image, const QRectF& rect);
};

} // namespace quellarine::testing

#pragma once

#include <QColor>
#include <QRectF>

class QPainter;
class QWidget;

namespace quellarine {

// The ring drawn around a control that has the keyboard focus: shown once the user has moved the focus with
// the keyboard in that window, as the platform styles do, so a window that merely opens shows no ring.
//
// It is two-toned, a deep ink band and a white band side by side, so that whatever it is drawn on (the window,
// a selected tile, the brand gradient, a red fill) one of the two stands out from it by more than 3:1: no colour
// is close to both near-black and white.
class FocusRing {
public:
    // Each band's width; the ring takes twice this inside the rectangle it is drawn in.
    static constexpr qreal bandWidth = 2.0;
    static constexpr qreal width = 2 * bandWidth;

    static bool shows(const QWidget& widget);

    // The two bands: `outer` along the rectangle's edge, `inner` just inside it. The light appearance puts the
    // ink inside, the dark one the white.
    struct Tones {
        QColor outer;
        QColor inner;
    };
    static Tones tones(const QWidget& widget);

    // Strokes the ring inside `rect`, the outer band along its edge, with the rectangle's corner radius.
    static void draw(QPainter& painter, const QRectF& rect, qreal radius, const QWidget& widget);
};

} // namespace quellarine

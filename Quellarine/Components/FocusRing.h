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
    // For a ring on the edge of a filled control: the outer band the one of ink and white that reads best on what
    // lies behind the control, the inner band the one that reads best on its fill, so that the ring stands out from
    // both (a green button on a light page takes an ink band outside and a white one inside).
    static Tones tones(const QColor& behind, const QColor& fill);

    // Strokes the ring inside `rect`, the outer band along its edge, with the rectangle's corner radius.
    static void draw(QPainter& painter, const QRectF& rect, qreal radius, const QWidget& widget);
    static void draw(QPainter& painter, const QRectF& rect, qreal radius, const Tones& colors);
};

} // namespace quellarine

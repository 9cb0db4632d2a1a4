#pragma once

#include <QProxyStyle>

namespace quellarine {

// The application's style: Fusion, with scroll bars whose thumb reads against the window (at least 3:1) as a
// capsule in the secondary text colour on a faint track, where Fusion's own thumb barely differs from its groove;
// their arrows are chevrons in the thumb's colour on the same track.
class ScrollBarStyle : public QProxyStyle {
    Q_OBJECT

public:
    explicit ScrollBarStyle(QStyle* base);

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;

    // A chevron of round-capped strokes centred in `rect`, pointing the arrow's way.
    static void drawChevron(QPainter& painter, const QRectF& rect, Qt::ArrowType direction, const QColor& color);
};

} // namespace quellarine

#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace quellarine {

// A colour with a light-appearance and a dark-appearance value (opaque sRGB, 0xRRGGBB), resolved each time it
// is drawn: the dark value when the palette being drawn with is dark, otherwise the light value. Views resolve
// it in their paint code, so they recolour live when the appearance changes.
class DynamicColor {
public:
    constexpr DynamicColor(QRgb light, QRgb dark)
        : light_(light & 0xFFFFFFu)
        , dark_(dark & 0xFFFFFFu)
    {
    }

    QColor resolve(bool dark) const;
    QColor resolve(const QPalette& palette) const;
    // With the widget's palette, which follows the application's unless the widget has one of its own.
    QColor resolve(const QWidget& widget) const;

    constexpr bool operator==(const DynamicColor&) const = default;

private:
    QRgb light_;
    QRgb dark_;
};

// The colour with its alpha set to `opacity` (0 to 1).
QColor withOpacity(QColor color, qreal opacity);

// The colour `amount` (0 to 1) of the way from `from` to `to`, alpha included.
QColor blend(const QColor& from, const QColor& to, qreal amount);

// `over` painted on the opaque `under`: the opaque colour that results.
QColor composited(const QColor& over, const QColor& under);

// How far apart two opaque colours read, from 1 (the same) to 21 (black and white), by their relative luminance.
double contrastRatio(const QColor& a, const QColor& b);

// `ink`, darkened (on a light background) or lightened (on a dark one) as little as needed to stand `ratio` apart
// from the opaque `background`; unchanged when it already does.
QColor readableOn(const QColor& ink, const QColor& background, double ratio);

} // namespace quellarine

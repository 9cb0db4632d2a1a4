#pragma once

#include "Quellarine/Components/Style/DynamicColor.h"

#include <QLinearGradient>
#include <QRectF>

class QWidget;

namespace quellarine {

// The application's colours: the brand colours, the brand gradient and the few colours shared beyond them, each
// with a light and a dark value.
struct Brand {
    // The one rule for every two-valued colour of the application.
    static constexpr DynamicColor color(QRgb light, QRgb dark) { return DynamicColor(light, dark); }

    // The main tint: window and control tints, selected states, success icons.
    static constexpr DynamicColor accent{0x2F6B4F, 0x6FBF95};
    // Attention: warning icons and notices, shortcuts taken by other applications.
    static constexpr DynamicColor warm{0xC2562D, 0xF08A5D};
    // The gradient's end colour.
    static constexpr DynamicColor deep{0x1F4D38, 0x24553F};
    // The gradient's start colour.
    static constexpr DynamicColor gradientStart{0x3A7D5D, 0x3F8A66};
    // Marks and controls drawn on the brand gradient.
    static constexpr DynamicColor onGradient{0xFFFFFF, 0xFFFFFF};
    // The system's red, as the platform draws it in the light and the dark appearance: what needs updating.
    static constexpr DynamicColor systemRed{0xD63A30, 0xFF6961};
    // That red as text on a faint red band (an update notice): deep enough in the light to read at 4.5:1.
    static constexpr DynamicColor systemRedText{0xB4281F, 0xFF6961};
    // The orange of the calibration's marks and recorded path, the same in both appearances.
    static QColor highlight() { return QColor::fromRgbF(0.94f, 0.54f, 0.36f); }

    // The warm colour for text of body size on the widget's window and on the cards it holds: darkened (lightened
    // in the dark) as little as needed to read at 4.5:1 on both, which the warm colour itself misses on a light
    // window.
    static QColor warmText(const QWidget& widget);

    // The brand gradient over `rect`: from the top-leading corner (gradient start) to the bottom-trailing corner
    // (deep), with two evenly spaced stops, in the widget's appearance and layout direction.
    static QLinearGradient gradient(const QRectF& rect, const QWidget& widget);
    static QLinearGradient gradient(const QRectF& rect, bool dark, Qt::LayoutDirection direction = Qt::LeftToRight);
};

} // namespace quellarine

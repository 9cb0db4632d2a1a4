#include "Quellarine/Components/FocusRing.h"

#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Desktop/Appearance.h"
#include "Quellarine/Components/Style/DynamicColor.h"

#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace quellarine {

namespace {

// A deep green, dark enough that every colour is at least 3.7:1 from it or from white.
const QColor ink(0x0E, 0x33, 0x22);

} // namespace

bool FocusRing::shows(const QWidget& widget)
{
    return widget.hasFocus() && widget.window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

FocusRing::Tones FocusRing::tones(const QWidget& widget)
{
    // The band that reads on the appearance's own surfaces goes inside, against the control; the other one
    // outside, where it parts the ring from a border or fill of the same colour (a selected card's green).
    if (Appearance::isDark(widget.palette())) {
        return Tones{.outer = ink, .inner = Qt::white};
    }
    return Tones{.outer = Qt::white, .inner = ink};
}

FocusRing::Tones FocusRing::tones(const QColor& behind, const QColor& fill)
{
    const auto readableOn = [](const QColor& background) {
        return contrastRatio(ink, background) >= contrastRatio(Qt::white, background) ? ink : QColor(Qt::white);
    };
    return Tones{.outer = readableOn(behind), .inner = readableOn(fill)};
}

void FocusRing::draw(QPainter& painter, const QRectF& rect, qreal radius, const QWidget& widget)
{
    draw(painter, rect, radius, tones(widget));
}

void FocusRing::draw(QPainter& painter, const QRectF& rect, qreal radius, const Tones& colors)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    ContinuousShape::draw(painter, rect, radius, Qt::transparent, colors.outer, bandWidth);
    const QRectF inside = rect.adjusted(bandWidth, bandWidth, -bandWidth, -bandWidth);
    ContinuousShape::draw(painter, inside, std::max<qreal>(0, radius - bandWidth), Qt::transparent, colors.inner,
                          bandWidth);
    painter.restore();
}

} // namespace quellarine

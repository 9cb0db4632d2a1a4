#include "Quellarine/Components/Style/ScrollBarStyle.h"

#include "Quellarine/Components/Style/DynamicColor.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionSlider>

#include <algorithm>

namespace quellarine {

namespace {

constexpr qreal trackOpacity = 0.05;
constexpr qreal pressedOpacity = 0.12;
constexpr qreal thumbInset = 3;
constexpr qreal chevronStroke = 1.6;

} // namespace

ScrollBarStyle::ScrollBarStyle(QStyle* base)
    : QProxyStyle(base)
{
}

void ScrollBarStyle::drawChevron(QPainter& painter, const QRectF& rect, Qt::ArrowType direction, const QColor& color)
{
    const qreal half = std::min(rect.width(), rect.height()) / 4;
    const QPointF c = rect.center();
    QPainterPath path;
    switch (direction) {
    case Qt::UpArrow:
        path.moveTo(c.x() - half, c.y() + half / 2);
        path.lineTo(c.x(), c.y() - half / 2);
        path.lineTo(c.x() + half, c.y() + half / 2);
        break;
    case Qt::DownArrow:
        path.moveTo(c.x() - half, c.y() - half / 2);
        path.lineTo(c.x(), c.y() + half / 2);
        path.lineTo(c.x() + half, c.y() - half / 2);
        break;
    case Qt::LeftArrow:
        path.moveTo(c.x() + half / 2, c.y() - half);
        path.lineTo(c.x() - half / 2, c.y());
        path.lineTo(c.x() + half / 2, c.y() + half);
        break;
    default:
        path.moveTo(c.x() - half / 2, c.y() - half);
        path.lineTo(c.x() + half / 2, c.y());
        path.lineTo(c.x() - half / 2, c.y() + half);
        break;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(color, chevronStroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(path);
    painter.restore();
}

void ScrollBarStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                        const QWidget* widget) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || bar == nullptr) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QColor ink = bar->palette.color(QPalette::PlaceholderText);
    const QColor text = bar->palette.color(QPalette::WindowText);
    painter->fillRect(bar->rect, bar->palette.color(QPalette::Window));
    painter->fillRect(bar->rect, withOpacity(text, trackOpacity));
    QStyleOptionSlider whole(*bar);
    const bool enabled = (bar->state & State_Enabled) != 0;
    const QRectF thumb = QRectF(subControlRect(CC_ScrollBar, &whole, SC_ScrollBarSlider, widget))
                             .adjusted(thumbInset, thumbInset, -thumbInset, -thumbInset);
    if (thumb.isValid() && enabled) {
        const qreal radius = std::min(thumb.width(), thumb.height()) / 2;
        QPainterPath capsule;
        capsule.addRoundedRect(thumb, radius, radius);
        painter->fillPath(capsule, ink);
    }
    // The arrows: chevrons in the thumb's colour, their square darkened while pressed; faded where the bar
    // cannot go further.
    const bool horizontal = bar->orientation == Qt::Horizontal;
    const bool rightToLeft = horizontal && bar->direction == Qt::RightToLeft;
    const struct {
        SubControl part;
        bool atEnd;
        Qt::ArrowType direction;
    } arrows[] = {
        {SC_ScrollBarSubLine, bar->sliderValue <= bar->minimum,
         horizontal ? (rightToLeft ? Qt::RightArrow : Qt::LeftArrow) : Qt::UpArrow},
        {SC_ScrollBarAddLine, bar->sliderValue >= bar->maximum,
         horizontal ? (rightToLeft ? Qt::LeftArrow : Qt::RightArrow) : Qt::DownArrow},
    };
    for (const auto& arrow : arrows) {
        if ((bar->subControls & arrow.part) == 0) {
            continue;
        }
        const QRectF square(subControlRect(CC_ScrollBar, &whole, arrow.part, widget));
        if (square.isEmpty()) {
            continue;
        }
        if ((bar->activeSubControls & arrow.part) && (bar->state & State_Sunken)) {
            painter->fillRect(square, withOpacity(text, pressedOpacity));
        }
        drawChevron(*painter, square, arrow.direction, enabled && !arrow.atEnd ? ink : withOpacity(ink, 0.4));
    }
    painter->restore();
}

} // namespace quellarine

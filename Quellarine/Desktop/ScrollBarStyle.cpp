#include "Quellarine/Desktop/ScrollBarStyle.h"

#include "Quellarine/Desktop/DynamicColor.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionSlider>

namespace quellarine {

namespace {

constexpr qreal trackOpacity = 0.05;
constexpr qreal thumbInset = 3;

} // namespace

ScrollBarStyle::ScrollBarStyle(QStyle* base)
    : QProxyStyle(base)
{
}

void ScrollBarStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                        const QWidget* widget) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || bar == nullptr) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // The arrows as Fusion draws them; the track and the thumb our own.
    QStyleOptionSlider arrows(*bar);
    arrows.subControls &= SC_ScrollBarAddLine | SC_ScrollBarSubLine;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QColor ink = bar->palette.color(QPalette::PlaceholderText);
    painter->fillRect(bar->rect, bar->palette.color(QPalette::Window));
    painter->fillRect(bar->rect, withOpacity(bar->palette.color(QPalette::WindowText), trackOpacity));
    QStyleOptionSlider whole(*bar);
    const QRectF thumb = QRectF(subControlRect(CC_ScrollBar, &whole, SC_ScrollBarSlider, widget))
                             .adjusted(thumbInset, thumbInset, -thumbInset, -thumbInset);
    if (thumb.isValid() && (bar->state & State_Enabled)) {
        const qreal radius = std::min(thumb.width(), thumb.height()) / 2;
        QPainterPath capsule;
        capsule.addRoundedRect(thumb, radius, radius);
        painter->fillPath(capsule, ink);
    }
    painter->restore();
    if (arrows.subControls != SC_None) {
        QProxyStyle::drawComplexControl(control, &arrows, painter, widget);
    }
}

} // namespace quellarine

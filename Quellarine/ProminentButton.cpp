#include "Quellarine/ProminentButton.h"

#include "Quellarine/ContinuousShape.h"

#include <QFocusEvent>
#include <QPainter>

#include <cmath>

namespace quellarine {

namespace {

constexpr qreal cornerRadius = 7;

qreal luminance(const QColor& color)
{
    const auto channel = [](qreal value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) + 0.0722 * channel(color.blueF());
}

} // namespace

ProminentButton::ProminentButton(const QString& text, const DynamicColor& tint, ControlSize size, QWidget* parent)
    : QPushButton(text, parent)
    , tint_(tint)
    , size_(size)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void ProminentButton::setExtraPadding(int padding)
{
    extraPadding_ = padding;
    updateGeometry();
}

QColor ProminentButton::fill() const
{
    QColor color = tint_.resolve(*this);
    if (isDown()) {
        color = color.darker(112);
    } else if (underMouse()) {
        color = color.lighter(106);
    }
    return color;
}

QColor ProminentButton::ink() const
{
    // White on dark tints; on the light tints of the dark appearance a dark ink reads far better.
    return luminance(tint_.resolve(*this)) > 0.3 ? QColor(0x0E1A14) : QColor(Qt::white);
}

QSize ProminentButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int padding = (size_ == ControlSize::large ? 14 : 10) + extraPadding_;
    const int height = size_ == ControlSize::large ? 30 : 24;
    return QSize(metrics.horizontalAdvance(text()) + 2 * padding, std::max(height, metrics.height() + 10));
}

void ProminentButton::focusInEvent(QFocusEvent* event)
{
    keyboardFocus_ = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    QPushButton::focusInEvent(event);
}

void ProminentButton::focusOutEvent(QFocusEvent* event)
{
    keyboardFocus_ = false;
    QPushButton::focusOutEvent(event);
}

void ProminentButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled()) {
        painter.setOpacity(0.45);
    }
    const QRectF shape = QRectF(rect()).adjusted(1, 1, -1, -1);
    ContinuousShape::draw(painter, shape, cornerRadius, fill());
    painter.setPen(ink());
    painter.setFont(font());
    painter.drawText(shape, Qt::AlignCenter, text());
    if (hasFocus() && keyboardFocus_) {
        QColor ring = tint_.resolve(*this);
        ring.setAlphaF(0.55f);
        painter.setPen(QPen(ring, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(ContinuousShape::roundedRect(QRectF(rect()).adjusted(0, 0, 0, 0), cornerRadius + 1));
    }
}

} // namespace quellarine

#include "Quellarine/Components/StrengthBars.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"

#include <QPainter>

namespace quellarine {

StrengthBars::StrengthBars(int level, qreal scale, QWidget* parent)
    : QWidget(parent)
    , level_(level)
    , scale_(scale)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSizeF StrengthBars::size(qreal scale)
{
    return QSizeF((barCount * 4.5 + (barCount - 1) * 2.5) * scale, (3.5 * barCount + 5) * scale);
}

QRectF StrengthBars::barRect(int index, qreal scale)
{
    const qreal height = (3.5 * index + 5) * scale;
    const qreal left = (index - 1) * (4.5 + 2.5) * scale;
    return QRectF(left, size(scale).height() - height, 4.5 * scale, height);
}

void StrengthBars::paint(QPainter& painter, const QRectF& rect, int level, qreal scale, const QColor& color)
{
    const QSizeF box = size(scale);
    const QPointF origin(rect.center().x() - box.width() / 2, rect.center().y() - box.height() / 2);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (int index = 1; index <= barCount; ++index) {
        const QColor fill = index <= level ? color : withOpacity(color, color.alphaF() * faintOpacity);
        painter.fillPath(ContinuousShape::roundedRect(barRect(index, scale).translated(origin), 1.5 * scale), fill);
    }
    painter.restore();
}

QSize StrengthBars::sizeHint() const
{
    return size(scale_).toSize() + QSize(1, 1);
}

void StrengthBars::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    paint(painter, QRectF(rect()), level_, scale_, palette().color(foregroundRole()));
}

} // namespace quellarine

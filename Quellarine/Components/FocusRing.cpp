#include "Quellarine/Components/FocusRing.h"

#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Desktop/DynamicColor.h"

#include <QWidget>

namespace quellarine {

bool FocusRing::shows(const QWidget& widget)
{
    return widget.hasFocus() && widget.window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void FocusRing::draw(QPainter& painter, const QRectF& rect, qreal radius, const QColor& tint, qreal opacity)
{
    ContinuousShape::draw(painter, rect, radius, Qt::transparent, withOpacity(tint, opacity), width);
}

} // namespace quellarine

#include "Quellarine/Pages/Calibration/DisclosureButton.h"

#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Components/Style/DynamicColor.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

#include <algorithm>

namespace quellarine {

DisclosureButton::DisclosureButton(const QString& title, QWidget* parent)
    : LeadingMarkButton(title, parent)
{
    setCheckable(true);
}

void DisclosureButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (FocusRing::shows(*this)) {
        FocusRing::draw(painter, QRectF(rect()), 5, *this);
    }
    const QRect content = rect().adjusted(focusMargin, focusMargin, -focusMargin, -focusMargin);
    const QColor ink = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);

    // The chevron beside the first line, drawn as two strokes about its box's centre.
    const int firstLine = QFontMetrics(font()).height();
    const QRect logicalBox(content.left(), content.top() + (std::min(firstLine, content.height()) - chevronSide) / 2,
                           chevronSide, chevronSide);
    const QRectF box(QStyle::visualRect(layoutDirection(), content, logicalBox));
    const qreal half = chevronSide * 0.3;
    const QPointF centre = box.center();
    QPainterPath chevron;
    if (isChecked()) {
        chevron.moveTo(centre + QPointF(-half, -half / 2));
        chevron.lineTo(centre + QPointF(0, half / 2));
        chevron.lineTo(centre + QPointF(half, -half / 2));
    } else {
        const qreal along = layoutDirection() == Qt::RightToLeft ? -1 : 1;
        chevron.moveTo(centre + QPointF(-along * half / 2, -half));
        chevron.lineTo(centre + QPointF(along * half / 2, 0));
        chevron.lineTo(centre + QPointF(-along * half / 2, half));
    }
    painter.setPen(QPen(withOpacity(ink, isDown() ? 0.4 : 0.6), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(chevron);

    painter.setPen(isDown() ? withOpacity(ink, 0.6) : ink);
    const QRect textRect = content.adjusted(chevronSide + markSpacing, 0, 0, 0);
    painter.drawText(QStyle::visualRect(layoutDirection(), content, textRect),
                     Qt::AlignVCenter | Typography::leading(layoutDirection()) | Qt::TextWordWrap, text());
}

} // namespace quellarine

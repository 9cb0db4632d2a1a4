#include "Quellarine/Pages/Calibration/DisclosureButton.h"

#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Components/Style/DynamicColor.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace quellarine {

DisclosureButton::DisclosureButton(const QString& title, QWidget* parent)
    : DrawnButton(parent)
{
    setText(title);
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    QSizePolicy policy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int DisclosureButton::textWidth(int width) const
{
    return std::max(1, width - chevronSide - chevronSpacing - 2 * focusMargin);
}

QSize DisclosureButton::sizeHint() const
{
    const qreal title = QFontMetricsF(font()).boundingRect(QRectF(0, 0, 1e6, 1e6), Qt::TextSingleLine, text()).width();
    const int width = chevronSide + chevronSpacing + static_cast<int>(std::ceil(title)) + 1 + 2 * focusMargin;
    return QSize(width, heightForWidth(width));
}

QSize DisclosureButton::minimumSizeHint() const
{
    const QFontMetrics metrics(font());
    int word = 0;
    for (const QString& part : text().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        word = std::max(word, metrics.horizontalAdvance(part));
    }
    const int width = chevronSide + chevronSpacing + word + 2 * focusMargin;
    return QSize(width, heightForWidth(std::max(width, this->width())));
}

int DisclosureButton::heightForWidth(int width) const
{
    const int lines
        = QFontMetrics(font()).boundingRect(QRect(0, 0, textWidth(width), 100000), Qt::TextWordWrap, text()).height();
    return std::max(DrawnButton::minimumTargetSide, std::max(chevronSide, lines) + 2 * focusMargin);
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
    const QRect textRect = content.adjusted(chevronSide + chevronSpacing, 0, 0, 0);
    painter.drawText(QStyle::visualRect(layoutDirection(), content, textRect),
                     Qt::AlignVCenter | Typography::leading(layoutDirection()) | Qt::TextWordWrap, text());
}

void DisclosureButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
    }
    DrawnButton::changeEvent(event);
}

} // namespace quellarine

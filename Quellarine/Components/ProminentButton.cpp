#include "Quellarine/Components/ProminentButton.h"

#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Desktop/Typography.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quellarine {

namespace {

const QColor ink(0x10, 0x2A, 0x1E);

} // namespace

ProminentButton::ProminentButton(const QString& title, DynamicColor tint, QWidget* parent)
    : QPushButton(title, parent)
    , tint_(tint)
{
    setFont(Typography::system(Typography::pixelSize(Typography::TextStyle::body), QFont::DemiBold));
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_Hover);
    // Return and Enter press it while it has the focus, as Space does.
    setAutoDefault(true);
}

QColor ProminentButton::fillColor() const
{
    QColor fill = tint_.resolve(*this);
    if (!isEnabled()) {
        return withOpacity(fill, 0.35);
    }
    if (isDown()) {
        return fill.darker(118);
    }
    if (underMouse()) {
        return fill.lighter(110);
    }
    return fill;
}

QColor ProminentButton::titleColor() const
{
    const QColor fill = tint_.resolve(*this);
    const QColor title = contrastRatio(Qt::white, fill) >= contrastRatio(ink, fill) ? QColor(Qt::white) : ink;
    return isEnabled() ? title : withOpacity(title, 0.7);
}

QSize ProminentButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return QSize(metrics.horizontalAdvance(text()) + 2 * horizontalPadding, height);
}

void ProminentButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body(rect());
    ContinuousShape::draw(painter, body, cornerRadius, fillColor());
    if (FocusRing::shows(*this)) {
        FocusRing::draw(painter, body, cornerRadius, *this);
    }
    painter.setPen(titleColor());
    painter.setFont(font());
    painter.drawText(body, Qt::AlignCenter | Qt::TextSingleLine, text());
}

void ProminentButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
    }
    QPushButton::changeEvent(event);
}

} // namespace quellarine
